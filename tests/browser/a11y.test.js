'use strict';
// Every template as the runtime page and as the export, checked by axe-core
// at desktop width and on a 320 px touch screen, shut and with every branch
// open; and pages served without a charset header show their labels.
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { startServer, launch } = require('./harness.js');
const { makeRunner, makeTemplatePages, exportPage, runtimeScript } = require('./pages.js');

const AXE = require.resolve('axe-core/axe.min.js');
// Rules about the whole page that a bare test page holding only the menu
// cannot meet.
const PAGE_RULES = ['landmark-one-main', 'page-has-heading-one'];

let dir, run, pages, server;

test.before(async () => {
    dir = fs.mkdtempSync(path.join(os.tmpdir(), 'atw-a11y-'));
    run = makeRunner();
    pages = await makeTemplatePages(dir, run);
    for (const t of pages) {
        t.exported = t.file.replace(/\.htm$/, 'x.htm');
        exportPage(run, path.join(dir, t.file), path.join(dir, t.exported));
    }
    server = await startServer(dir);
});

test.after(async () => {
    if (server)
        server.close();
    if (run)
        run.cleanup();
    fs.rmSync(dir, { recursive: true, force: true });
});

async function openAll(page) {
    await page.evaluate(() => {
        document.querySelectorAll('.tv-box').forEach((box) => {
            const menu = box.tavelinMenu;
            for (let shut = box.querySelectorAll('.tv-li.tv-shut'); shut.length; shut = box.querySelectorAll('.tv-li.tv-shut'))
                shut.forEach((li) => menu.setOpen(li, true, true));
        });
    });
}

async function violations(page) {
    await page.addScriptTag({ path: AXE });
    const result = await page.evaluate(async (skip) => {
        const rules = { 'target-size': { enabled: true } };
        skip.forEach((r) => { rules[r] = { enabled: false }; });
        const r = await window.axe.run(document, { rules, resultTypes: ['violations'] });
        return r.violations.map((v) => `${v.id} (${v.nodes.length}): ${v.nodes.slice(0, 2).map((n) => n.target.join(' ')).join(', ')}`);
    }, PAGE_RULES);
    return result;
}

// Every item and toggle that shows is a target at least 44 px tall, and
// nothing is wider than the screen.
async function phoneLayout(page) {
    return page.evaluate(() => {
        const small = [...document.querySelectorAll('.tv-item, .tv-toggle')]
            .filter((e) => e.getClientRects().length && !e.closest('[hidden]'))
            .filter((e) => e.getBoundingClientRect().height < 44 || e.getBoundingClientRect().width < 24)
            .map((e) => e.textContent || e.getAttribute('aria-label'));
        return { small, wide: document.documentElement.scrollWidth > window.innerWidth };
    });
}

for (const screen of [
    { name: '1280 px', viewport: { width: 1280, height: 800 } },
    { name: '320 px touch', viewport: { width: 320, height: 640 }, touch: true }]) {
    test(`axe finds nothing on any template at ${screen.name}, shut and all open`, async () => {
        const browser = await launch({ viewport: screen.viewport, touch: screen.touch });
        const found = [];
        try {
            for (const p of pages) {
                for (const [kind, file] of [['page', p.file], ['export', p.exported]]) {
                    const page = await browser.context.newPage();
                    const errors = [];
                    page.on('pageerror', (e) => errors.push(e.message));
                    await page.goto(server.base + file);
                    const where = `template ${p.index} ${kind}`;
                    found.push(...(await violations(page)).map((v) => `${where} shut: ${v}`));
                    await openAll(page);
                    found.push(...(await violations(page)).map((v) => `${where} open: ${v}`));
                    if (screen.touch) {
                        const layout = await phoneLayout(page);
                        assert.deepEqual(layout.small, [], `${where}: targets below 44 px`);
                        assert.equal(layout.wide, false, `${where}: wider than the screen`);
                    }
                    assert.deepEqual(errors, [], `${where}: script errors`);
                    await page.close();
                }
            }
        } finally {
            await browser.close();
        }
        assert.deepEqual(found, []);
    });
}

// A label from the project file, edited to hold bytes, saved through atw.
function pageWithLabel(name, labelBytes) {
    const tvx = fs.readFileSync(path.join(dir, 't0.tvx'), 'latin1');
    const field = labelBytes.split(',').join('|_#c`');  // the project file's escape
    // Files that use the escapes say so with a word after the Notice text.
    const marked = tvx.replace(/(\nNotice=[^\r\n]*)/, '$1,Escapes1');
    fs.writeFileSync(path.join(dir, `${name}-src.tvx`), marked.replace(/(\nI0-1=)[^,]*/, `$1${field}`), 'latin1');
    fs.copyFileSync(path.join(dir, 't0.htm'), path.join(dir, `${name}-src.htm`));
    const saved = run('save', path.join(dir, `${name}-src.htm`), path.join(dir, `${name}.htm`));
    assert.equal(saved.status, 0, saved.stderr);
    fs.copyFileSync(runtimeScript(), path.join(dir, 'tavelin.js'));  // as this build made it
    return `${name}.htm`;
}

test('pages served without a charset show non-ASCII labels as written', async () => {
    const utf8 = pageWithLabel('utf8', Buffer.from('Café – Tee, Kaffee', 'utf8').toString('latin1'));
    const latin = pageWithLabel('latin', 'Caf\xe9, th\xe9');
    const browser = await launch();
    try {
        for (const [file, label] of [[utf8, 'Café – Tee, Kaffee'], [latin, 'Café, thé']]) {
            const page = await browser.context.newPage();
            const response = await page.goto(server.base + file);
            assert.doesNotMatch(response.headers()['content-type'], /charset/i, 'the server names no charset');
            const first = await page.$eval('.tv-box .tv-label', (e) => e.textContent);
            assert.equal(first, label, file);
            // The comma stayed inside the label: the item's link is its own.
            assert.equal(await page.$eval('.tv-box .tv-item', (e) => e.getAttribute('href')), 'index.htm');
            await page.close();
        }
    } finally {
        await browser.close();
    }
});
