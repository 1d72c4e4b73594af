'use strict';
// Every template as the runtime page, as the export and as a fragment in a
// host page, checked by axe-core on desktops, tablets and phones, with
// forced colours and at 200 % zoom, shut and with every branch open; and
// pages served without a charset header show their labels.
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
        // The fragment pasted into a page of the site, its style sheet linked.
        const part = t.file.replace(/\.htm$/, 'f.htm');
        exportPage(run, path.join(dir, t.file), path.join(dir, part), ['--fragment']);
        t.hosted = t.file.replace(/\.htm$/, 'h.htm');
        fs.writeFileSync(path.join(dir, t.hosted), '<!DOCTYPE html>\r\n<html lang="en"><head><meta charset="utf-8">' +
            '<meta name="viewport" content="width=device-width, initial-scale=1"><title>Host page</title></head>' +
            `<body><header><p>A site</p></header>${fs.readFileSync(path.join(dir, part), 'latin1')}` +
            '<main><p>The page\'s own text.</p></main></body></html>', 'latin1');
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

// On a phone every item and toggle that shows is a target at least 44 px
// tall; on a tablet every toggle is at least 24 px square. Nothing is wider
// than the screen.
async function touchLayout(page, phone) {
    return page.evaluate((least) => {
        const small = [...document.querySelectorAll(least === 44 ? '.tv-item, .tv-toggle' : '.tv-toggle')]
            .filter((e) => e.getClientRects().length && !e.closest('[hidden]'))
            .filter((e) => e.getBoundingClientRect().height < least || e.getBoundingClientRect().width < 24)
            .map((e) => e.textContent || e.getAttribute('aria-label'));
        return { small, wide: document.documentElement.scrollWidth > window.innerWidth };
    }, phone ? 44 : 24);
}

for (const screen of [
    { name: '1280 px', viewport: { width: 1280, height: 800 } },
    { name: '1280 px with forced colours', viewport: { width: 1280, height: 800 }, forcedColors: 'active' },
    { name: '200 % zoom', viewport: { width: 640, height: 400 }, deviceScaleFactor: 2 },
    { name: '768 px touch', viewport: { width: 768, height: 1024 }, touch: true },
    { name: '390 px touch', viewport: { width: 390, height: 844 }, touch: true, phone: true },
    { name: '320 px touch', viewport: { width: 320, height: 640 }, touch: true, phone: true }]) {
    test(`axe finds nothing on any template at ${screen.name}, shut and all open`, async () => {
        const browser = await launch(screen);
        const found = [];
        try {
            for (const p of pages) {
                for (const [kind, file] of [['page', p.file], ['export', p.exported], ['fragment', p.hosted]]) {
                    const page = await browser.context.newPage();
                    const errors = [];
                    page.on('pageerror', (e) => errors.push(e.message));
                    await page.goto(server.base + file);
                    const where = `template ${p.index} ${kind}`;
                    found.push(...(await violations(page)).map((v) => `${where} shut: ${v}`));
                    await openAll(page);
                    found.push(...(await violations(page)).map((v) => `${where} open: ${v}`));
                    if (screen.touch) {
                        const layout = await touchLayout(page, screen.phone);
                        assert.deepEqual(layout.small, [], `${where}: targets too small`);
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
