'use strict';
// Pages exported by "atw export" from every built-in template: with scripts
// off they are plain nested lists of links; with scripts on they look and
// behave exactly like the applet page of the same project.
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { startServer, launch, pixels } = require('./harness.js');
const { makeRunner, makeTemplatePages, exportPage } = require('./pages.js');

let dir, run, pages, server, withScript, noScript;
let missing = null;

test.before(async () => {
    dir = fs.mkdtempSync(path.join(os.tmpdir(), 'atw-export-'));
    run = makeRunner();
    pages = await makeTemplatePages(dir, run);
    for (const t of pages) {
        t.exported = t.file.replace(/\.htm$/, 'x.htm');
        if (!exportPage(run, path.join(dir, t.file), path.join(dir, t.exported))) {
            missing = 'this build of atw has no "export" command yet';
            break;
        }
    }
    server = await startServer(dir);
    withScript = await launch();
    noScript = await launch({ javaScriptEnabled: false });
});

test.after(async () => {
    for (const b of [withScript, noScript])
        if (b)
            await b.close();
    if (server)
        server.close();
    if (run)
        run.cleanup();
    fs.rmSync(dir, { recursive: true, force: true });
});

async function open(browser, file) {
    const page = await browser.context.newPage();
    page.errors = [];
    page.on('pageerror', (e) => page.errors.push(e.message));
    await page.goto(server.base + file);
    return page;
}

test('with scripts off every menu of the export and of the runtime page shows open, as real links', async (t) => {
    if (missing)
        return t.skip(missing);
    for (const p of pages) {
        for (const [form, file] of [['export', p.exported], ['runtime page', p.file]]) {
            const page = await open(noScript, file);
            const where = `template ${p.index}, ${form}`;
            assert.equal(await page.evaluate(() => document.compatMode), 'CSS1Compat', `${where}: standards mode`);
            const items = await page.$$eval('.tv-item', (els) => els.map((e) => {
                const r = e.getBoundingClientRect();
                return { tag: e.tagName, href: e.getAttribute('href'), w: r.width, h: r.height, menu: e.closest('.tv-menu').className };
            }));
            assert.equal(items.length, p.tree.items.length, `${where}: every shown item is there`);
            assert.equal(await page.$$eval('[hidden]', (e) => e.length), 0, `${where}: nothing hidden`);
            // The runtime page keeps its applet, which holds the menu.
            assert.equal(await page.$$eval('applet', (e) => e.length), form === 'export' ? 0 : 1, where);
            items.forEach((it, k) => {
                const menu = Number(/tv-m(\d+)/.exec(it.menu)[1]);
                assert.ok(it.w > 0 && it.h > 0, `${where}: item ${k} is on screen`);
                assert.equal(it.w, p.tree.menus[menu].itemWidth, `${where}: item ${k} width`);
                assert.equal(it.h, p.tree.menus[menu].itemHeight, `${where}: item ${k} height`);
            });
            const links = items.filter((i) => i.tag === 'A').map((i) => i.href).sort();
            const expected = p.tree.items.filter((i) => i.link).map((i) => i.link).sort();
            assert.deepEqual(links, expected, `${where}: each link is an anchor with its address`);
            await page.close();
        }
    }
});

// Opens the first branch of the first top-level menu with the keyboard.
async function openFirstBranch(page) {
    await page.bringToFront();
    await page.evaluate(() => {
        const c = document.querySelector('.tv-box [aria-expanded="false"]');
        c.closest('.tv-li').querySelector('.tv-item').focus();
    });
    await page.keyboard.press('ArrowRight');
    await page.waitForFunction(() => document.getAnimations().length === 0);
}

async function boxPixels(page) {
    await page.bringToFront();
    await page.mouse.move(0, 0);
    const box = await (await page.$('.tv-box')).boundingBox();
    return pixels(page, box);
}

function differing(a, b) {
    assert.deepEqual([a.width, a.height], [b.width, b.height]);
    let n = 0;
    for (let y = 0; y < a.height; y++)
        for (let x = 0; x < a.width; x++)
            if (a.at(x, y) !== b.at(x, y))
                n++;
    return n;
}

test('with scripts on the export looks and behaves like the applet page', async (t) => {
    if (missing)
        return t.skip(missing);
    for (const p of pages) {
        const where = `template ${p.index}`;
        const applet = await open(withScript, p.file);
        const exported = await open(withScript, p.exported);
        assert.equal(await exported.$eval('.tv-box', (b) => b.getAttribute('data-tavelin-ready')), '', `${where}: enhanced`);
        assert.equal(differing(await boxPixels(applet), await boxPixels(exported)), 0, `${where}: same drawing, shut`);
        await openFirstBranch(applet);
        await openFirstBranch(exported);
        assert.equal(differing(await boxPixels(applet), await boxPixels(exported)), 0, `${where}: same drawing, open`);
        assert.deepEqual([...applet.errors, ...exported.errors], [], `${where}: no script errors`);
        await applet.close();
        await exported.close();
    }
});
