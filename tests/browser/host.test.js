'use strict';
// Menus in pages they share: two menus in one host page, the same menu
// pasted twice, printing every form, and a menu stopped with destroy().
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { startServer, launch, cssHex } = require('./harness.js');
const { makeRunner, makeTemplatePages, exportPage, runtimeScript } = require('./pages.js');

let dir, run, pages, server, browser;

test.before(async () => {
    dir = fs.mkdtempSync(path.join(os.tmpdir(), 'atw-host-'));
    run = makeRunner();
    pages = await makeTemplatePages(dir, run);
    server = await startServer(dir);
    browser = await launch({ viewport: { width: 1280, height: 900 } });
});

test.after(async () => {
    if (browser)
        await browser.close();
    if (server)
        server.close();
    if (run)
        run.cleanup();
    fs.rmSync(dir, { recursive: true, force: true });
});

async function open(file) {
    const page = await browser.context.newPage();
    page.errors = [];
    page.on('pageerror', (e) => page.errors.push(e.message));
    await page.goto(server.base + file);
    return page;
}

// The fragment export of template page t into folder/name, its text with
// the addresses made to lead from the host page's folder (dir).
function fragment(t, folder, name) {
    fs.mkdirSync(path.join(dir, folder), { recursive: true });
    const target = path.join(dir, folder, name);
    exportPage(run, path.join(dir, t.file), target, ['--fragment']);
    return fs.readFileSync(target, 'latin1').replace(/(href|src)="(?!tavelin\.js)([^"#:]+)"/g, `$1="${folder}/$2"`);
}

function host(name, parts) {
    fs.writeFileSync(path.join(dir, name), '<!DOCTYPE html>\r\n<html lang="en"><head><meta charset="utf-8"><title>Host</title></head>' +
        `<body><h1>Host</h1>${parts.join('<hr>')}</body></html>`, 'latin1');
    fs.copyFileSync(runtimeScript(), path.join(dir, 'tavelin.js'));
    return name;
}

// Ids that the page holds more than once, and controls whose branch is
// not in their own box.
const idTrouble = (page) => page.evaluate(() => {
    const seen = new Map();
    document.querySelectorAll('[id]').forEach((e) => seen.set(e.id, (seen.get(e.id) || 0) + 1));
    const twice = [...seen].filter(([, n]) => n > 1).map(([id]) => id);
    const astray = [...document.querySelectorAll('[aria-controls]')].filter((c) => {
        const target = document.getElementById(c.getAttribute('aria-controls'));
        return !target || target.closest('.tv-box') !== c.closest('.tv-box') || target.closest('.tv-li') !== c.closest('.tv-li');
    }).map((c) => c.getAttribute('aria-controls'));
    return { twice, astray };
});

// The first item's background in every box.
const looks = (page) => page.$$eval('.tv-box', (boxes) => boxes.map((b) => getComputedStyle(b.querySelector('.tv-item')).backgroundColor));

test('two menus exported to files of one name, and one menu pasted twice, share a page', async () => {
    const [a, b] = [pages[0], pages.find((p) => p.index > 0 && p.tree.items.some((i) => i.subMenu !== null))];
    const alone = [];
    for (const [t, folder] of [[a, 'left'], [b, 'right']]) {
        const page = await open(host(`alone-${folder}.htm`, [fragment(t, folder, 'menu.htm')]));
        alone.push((await looks(page))[0]);
        await page.close();
    }
    const twoNames = host('two.htm', [fragment(a, 'left', 'menu.htm'), fragment(b, 'right', 'menu.htm')]);
    const twice = host('twice.htm', [fragment(a, 'left', 'menu.htm'), fragment(a, 'left', 'menu.htm')]);
    for (const [file, want] of [[twoNames, alone], [twice, [alone[0], alone[0]]]]) {
        const page = await open(file);
        assert.equal(await page.$$eval('.tv-box[data-tavelin-ready]', (e) => e.length), 2, file);
        assert.deepEqual(await idTrouble(page), { twice: [], astray: [] }, file);
        assert.deepEqual((await looks(page)).map(cssHex), want.map(cssHex), `${file}: each menu keeps its own look`);
        // Each toggle opens the branch of its own menu only.
        await (await page.$('.tv-box .tv-nav > .tv-menu > .tv-li > .tv-toggle')).click();
        await page.waitForFunction(() => document.getAnimations().length === 0);
        const opened = await page.$$eval('.tv-box', (boxes) => boxes.map((x) =>
            [...x.querySelectorAll('.tv-sub')].filter((s) => s.getClientRects().length).length));
        assert.deepEqual(opened, [1, 0], `${file}: only the first menu opened a branch`);
        assert.deepEqual(page.errors, [], file);
        await page.close();
    }
});

test('printing shows every item with its address in the runtime page, the export and a fragment', async () => {
    const t = pages[0];
    exportPage(run, path.join(dir, t.file), path.join(dir, 'print-export.htm'));
    const files = [t.file, 'print-export.htm', host('print-host.htm', [fragment(t, 'print', 'menu.htm')])];
    const counts = [];
    for (const file of files) {
        const page = await open(file);
        await page.pdf();   // prints, as the browser's Print does (beforeprint, print media)
        await page.emulateMedia({ media: 'print' });
        const shown = await page.$$eval('.tv-item', (items) => items.map((i) => ({
            shown: i.getClientRects().length > 0 && getComputedStyle(i).visibility === 'visible',
            href: i.getAttribute('href'), after: getComputedStyle(i, '::after').content })));
        assert.ok(shown.every((s) => s.shown), `${file}: every item shows`);
        for (const s of shown.filter((x) => x.href))
            assert.ok(s.after.includes(s.href), `${file}: ${s.href} is printed with its address`);
        counts.push(shown.length);
        await page.close();
    }
    assert.ok(counts[0] > t.tree.menus[t.tree.roots[0]].items.length, `the runtime page prints the sub-menus too: ${counts}`);
    assert.deepEqual(counts, [counts[0], counts[0], counts[0]], 'every form prints the same items');
});

test('destroy() stops one menu and leaves the other working; enhance() starts it again', async () => {
    const t = pages[0];
    const page = await open(host('destroy.htm', [fragment(t, 'left', 'menu.htm'), fragment(t, 'left', 'menu.htm')]));
    const state = () => page.$$eval('.tv-box', (boxes) => boxes.map((b) =>
        [...b.querySelectorAll('.tv-sub')].filter((s) => s.getClientRects().length).length));
    const toggle = (n) => page.$$eval('.tv-box', (boxes, k) => boxes[k].querySelector('.tv-toggle').click(), n);
    await page.evaluate(() => window.Tavelin.destroy(document.querySelectorAll('.tv-box')[0]));
    await toggle(0);
    await toggle(1);
    await page.waitForFunction(() => document.getAnimations().length === 0);
    assert.deepEqual(await state(), [0, 1], 'the stopped menu does not open');
    await page.evaluate(() => window.Tavelin.enhance(document.querySelectorAll('.tv-box')[0]));
    await toggle(0);
    await page.waitForFunction(() => document.getAnimations().length === 0);
    assert.deepEqual(await state(), [1, 1], 'started again, it opens');
    await page.evaluate(() => window.Tavelin.destroy());
    assert.equal(await page.$$eval('[data-tavelin-ready]', (e) => e.length), 0);
    assert.deepEqual(page.errors, []);
    await page.close();
});

test('a fragment of a project mixing UTF-8 and 8-bit texts shows them all in a UTF-8 page, links intact', async () => {
    // The project file's bytes: two UTF-8 labels and links, one 8-bit.
    const utf8 = (s) => Buffer.from(s, 'utf8').toString('latin1');
    const rows = [[utf8('café'), utf8('café.htm')], [utf8('漢字'), utf8('漢字.htm')], ['th\xe9', 'th\xe9.htm']];
    const tvx = fs.readFileSync(path.join(dir, 't0.tvx'), 'latin1').replace(/^I0-(\d)=[^,\r\n]*,([^,\r\n]*),[^,\r\n]*/gm,
        (line, n, description) => (n >= 1 && n <= 3 ? `I0-${n}=${rows[n - 1][0]},${description},${rows[n - 1][1]}` : line));
    fs.writeFileSync(path.join(dir, 'mixed-src.tvx'), tvx, 'latin1');
    fs.copyFileSync(path.join(dir, 't0.htm'), path.join(dir, 'mixed-src.htm'));
    fs.mkdirSync(path.join(dir, 'mixed'), { recursive: true });
    exportPage(run, path.join(dir, 'mixed-src.htm'), path.join(dir, 'mixed', 'menu.htm'), ['--fragment']);
    const part = fs.readFileSync(path.join(dir, 'mixed', 'menu.htm'));
    assert.ok(part.every((b) => b < 0x80), 'the fragment is ASCII');
    fs.writeFileSync(path.join(dir, 'mixed', 'host.htm'), Buffer.concat([
        Buffer.from('<!DOCTYPE html>\r\n<html lang="en"><head><meta charset="utf-8"><title>Hôte</title></head><body><h1>Hôte</h1>'),
        part, Buffer.from('</body></html>')]));
    fs.copyFileSync(runtimeScript(), path.join(dir, 'mixed', 'tavelin.js'));
    const page = await open('mixed/host.htm');
    const shown = await page.$$eval('.tv-nav > .tv-menu > .tv-li > .tv-item', (items) =>
        items.slice(0, 3).map((a) => [a.textContent, decodeURIComponent(new URL(a.href).pathname.replace(/^.*\//, ''))]));
    assert.deepEqual(shown, [['café', 'café.htm'], ['漢字', '漢字.htm'], ['thé', 'thé.htm']]);
    assert.deepEqual(page.errors, []);
    await page.close();
});
