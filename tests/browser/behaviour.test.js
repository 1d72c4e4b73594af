'use strict';
// What a visitor does on phones, with the keyboard, in right-to-left pages
// and at odd addresses, on pages made by atw.
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { startServer, launch } = require('./harness.js');
const { makeRunner, makeTemplatePages, exportPage } = require('./pages.js');

let dir, run, pages, server, desk, phone;

test.before(async () => {
    dir = fs.mkdtempSync(path.join(os.tmpdir(), 'atw-behaviour-'));
    run = makeRunner();
    pages = await makeTemplatePages(dir, run);
    server = await startServer(dir);
    desk = await launch({ viewport: { width: 1280, height: 800 }, touch: true });
    phone = await launch({ viewport: { width: 320, height: 640 }, touch: true });
});

test.after(async () => {
    for (const b of [desk, phone])
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

const settled = (page) => page.waitForFunction(() => document.getAnimations().length === 0);
const expanded = (page, sel) => page.$eval(sel, (e) => e.getAttribute('aria-expanded'));
// The first top-level link that opens a branch, with its toggle.
const LINK = '.tv-nav > .tv-menu > .tv-li:has(> .tv-toggle) > a.tv-item';
const TOGGLE = '.tv-nav > .tv-menu > .tv-li:has(> .tv-toggle) > .tv-toggle';

test('on a phone the menu fills the width, toggles show, and a second tap shuts', async () => {
    const page = await open(phone, pages[0].file);
    assert.equal(await page.$eval('.tv-box', (b) => b.classList.contains('tv-fluid')), true);
    const toggle = await page.$eval(TOGGLE, (t) => t.getBoundingClientRect().toJSON());
    assert.ok(toggle.width >= 44 && toggle.height >= 44, 'the toggle is a 44 px target');
    await page.tap(TOGGLE);
    await settled(page);
    assert.equal(await expanded(page, TOGGLE), 'true');
    await page.tap(TOGGLE);
    await settled(page);
    assert.equal(await expanded(page, TOGGLE), 'false');
    await page.close();

    // At desktop width with touch: the first tap on a link with a branch
    // opens it, the second shuts it, and the page stays.
    const wide = await open(desk, pages[0].file);
    assert.equal(await wide.$eval('.tv-box', (b) => b.classList.contains('tv-fluid')), false);
    await wide.tap(LINK);
    await settled(wide);
    assert.equal(await expanded(wide, TOGGLE), 'true');
    await wide.tap(LINK);
    await settled(wide);
    assert.equal(await expanded(wide, TOGGLE), 'false');
    assert.equal(wide.url(), server.base + pages[0].file);
    // The author moves the breakpoint.
    await wide.evaluate(() => {
        const box = document.querySelector('.tv-box');
        box.setAttribute('data-breakpoint', '2000');
        box.tavelinMenu.options.breakpoint = 2000;
        box.tavelinMenu.fit();
    });
    assert.equal(await wide.$eval('.tv-box', (b) => b.classList.contains('tv-fluid')), true);
    assert.deepEqual([...page.errors, ...wide.errors], []);
    await wide.close();
});

test('Space never follows a link, Escape gives the focus back to the toggle', async () => {
    const page = await open(desk, pages[0].file);
    await page.focus(LINK);
    await page.keyboard.press(' ');
    await settled(page);
    assert.equal(page.url(), server.base + pages[0].file, 'still on the page');
    assert.equal(await expanded(page, TOGGLE), 'true', 'Space opened the branch');
    await page.keyboard.press(' ');
    await settled(page);
    assert.equal(await expanded(page, TOGGLE), 'false');

    await page.focus(TOGGLE);
    await page.keyboard.press('Enter');
    await settled(page);
    await page.evaluate((sel) => document.querySelector(sel).closest('.tv-li').querySelector('.tv-sub .tv-item').focus(), TOGGLE);
    await page.keyboard.press('Escape');
    await settled(page);
    assert.equal(await page.evaluate(() => document.activeElement.className), 'tv-toggle');
    assert.equal(await expanded(page, TOGGLE), 'false');
    await page.close();
});

test('the current page is found for a folder and with a query; tree arrows follow the open state', async () => {
    const t = pages[0];
    fs.mkdirSync(path.join(dir, 'docs'), { recursive: true });
    fs.copyFileSync(path.join(dir, t.file), path.join(dir, 'docs', 'index.htm'));
    fs.copyFileSync(path.join(dir, 'tavelin.js'), path.join(dir, 'docs', 'tavelin.js'));
    const home = t.tree.items.find((i) => /^index\.html?$/.test(i.link));
    const folder = await open(desk, 'docs/');
    assert.equal(await folder.$eval('[aria-current="page"]', (e) => e.getAttribute('href')), home.link);
    await folder.close();

    const deep = t.tree.items.find((i) => t.tree.menus[i.menu].depth === 2 && /^[\w.-]+$/.test(i.link));
    fs.copyFileSync(path.join(dir, t.file), path.join(dir, deep.link));
    const query = await open(desk, `${deep.link}?from=mail#top`);
    assert.equal(await query.$eval('[aria-current="page"]', (e) => e.getAttribute('href')), deep.link);
    assert.equal(await query.$$eval('[aria-current="page"]', (e) => e.length), 1);
    await query.close();

    // A tree template whose items show arrow pictures: the open one points down.
    const tree = pages.find((p) => p.tree.items.some((i) => /arrow_down/.test(i.images[2]) && i.subMenu !== null));
    const page = await open(desk, tree.file);
    const arrows = () => page.$$eval('.tv-nav > .tv-menu > .tv-li', (lis) => lis.map((li) => {
        const shown = [...li.querySelectorAll(':scope > .tv-item > .tv-img')].find((i) => getComputedStyle(i).display !== 'none');
        return [li.classList.contains('tv-open'), li.classList.contains('tv-shut'), shown ? shown.getAttribute('src') : ''];
    }));
    await page.click(LINK);
    await settled(page);
    await page.mouse.move(0, 0);
    for (const [open, shut, src] of await arrows()) {
        if (open)
            assert.match(src, /arrow_down/);
        if (shut)
            assert.match(src, /arrow_right/);
    }
    assert.ok((await page.$$eval('img.tv-img', (i) => i.filter((x) => x.getAttribute('alt') !== '').length)) === 0,
        'every picture has alt=""');
    await page.close();
});

test('right-to-left pages mirror the menu; script links are refused', async () => {
    const t = pages[0];
    exportPage(run, path.join(dir, t.file), path.join(dir, 'rtl.htm'));
    const text = fs.readFileSync(path.join(dir, 'rtl.htm'), 'latin1');
    fs.writeFileSync(path.join(dir, 'rtl.htm'), text.replace(/<html lang="[^"]*">/, '<html lang="ar" dir="rtl">'), 'latin1');
    const page = await open(desk, 'rtl.htm');
    await page.click(LINK);
    await settled(page);
    const sides = await page.evaluate((sel) => {
        const top = document.querySelector(sel).getBoundingClientRect();
        const sub = document.querySelector(sel).closest('.tv-li').querySelector('.tv-sub .tv-item').getBoundingClientRect();
        const box = document.querySelector('.tv-box').getBoundingClientRect();
        return { topRight: box.right - top.right, subRight: box.right - sub.right, align: getComputedStyle(document.querySelector(`${sel} .tv-label`)).textAlign };
    }, LINK);
    assert.ok(sides.subRight > sides.topRight, `the sub-menu is indented from the right: ${JSON.stringify(sides)}`);
    await page.close();

    fs.writeFileSync(path.join(dir, 'bad.htm'), '<html><head><title>x</title></head><body><applet code="tavelin.class" width="200" height="100">' +
        '<param name="I0-0" value="Click me,,,,,,,_self,javascript:alert(1)"><param name="I0-1" value="Fine,,,,,,,_self,a.htm">' +
        '<param name="MStyle-0" value=""><param name="Misc" value="1,2,-0,"></applet><script src="tavelin.js"></script></body></html>');
    const bad = await open(desk, 'bad.htm');
    assert.deepEqual(await bad.$$eval('.tv-item', (e) => e.map((x) => [x.tagName, x.getAttribute('href')])),
        [['BUTTON', null], ['A', 'a.htm']]);
    await bad.close();
});
