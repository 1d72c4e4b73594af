'use strict';
// What a visitor does on phones, with the keyboard, in right-to-left pages
// and at odd addresses, on pages made by atw.
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { startServer, launch } = require('./harness.js');
const { makeRunner, makeTemplatePages, exportPage, withRuntime } = require('./pages.js');

let dir, run, pages, server, desk;

test.before(async () => {
    dir = fs.mkdtempSync(path.join(os.tmpdir(), 'atw-behaviour-'));
    run = makeRunner();
    pages = await makeTemplatePages(dir, run);
    server = await startServer(dir);
    desk = await launch({ viewport: { width: 1280, height: 800 }, touch: true });
});

test.after(async () => {
    if (desk)
        await desk.close();
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

// A host page holding the fragment export of page (its style sheet linked
// where the fragment puts it).
function fragmentHost(page, name) {
    exportPage(run, path.join(dir, page), path.join(dir, `${name}-part.htm`), ['--fragment']);
    const part = fs.readFileSync(path.join(dir, `${name}-part.htm`), 'latin1');
    fs.writeFileSync(path.join(dir, `${name}.htm`), '<!DOCTYPE html>\r\n<html lang="en"><head><meta charset="utf-8">' +
        '<meta name="viewport" content="width=device-width, initial-scale=1"><title>Host</title></head><body>' +
        `<h1>Host</h1>${part}</body></html>`, 'latin1');
    return `${name}.htm`;
}

const box = (e) => e.getBoundingClientRect().toJSON();

test('on touch screens link and toggle are two targets: a tap on the link follows it, on the toggle opens', async () => {
    const t = pages[0];
    exportPage(run, path.join(dir, t.file), path.join(dir, 'touch-export.htm'));
    const forms = [['runtime page', t.file], ['export', 'touch-export.htm'], ['fragment', fragmentHost(t.file, 'touch-host')]];
    for (const [width, phoneMode] of [[390, true], [768, false], [1024, false]]) {
        const browser = await launch({ viewport: { width, height: 800 }, touch: true });
        try {
            for (const [form, file] of forms) {
                const where = `${form} at ${width} px`;
                const page = await open(browser, file);
                assert.equal(await page.$eval('.tv-box', (b) => b.classList.contains('tv-fluid')), phoneMode, where);
                const least = phoneMode ? 44 : 24;
                const [link, toggle] = [await page.$eval(LINK, box), await page.$eval(TOGGLE, box)];
                assert.ok(toggle.width >= least && toggle.height >= least, `${where}: toggle ${JSON.stringify(toggle)}`);
                assert.ok(link.width - toggle.width >= least, `${where}: the link keeps a target beside the toggle`);
                await page.tap(TOGGLE);
                await settled(page);
                assert.equal(await expanded(page, TOGGLE), 'true', `${where}: a tap on the toggle opens`);
                assert.equal(await page.$eval(TOGGLE, (e) => e.closest('.tv-li').querySelector('.tv-sub').hidden), false);
                await page.tap(TOGGLE);
                await settled(page);
                assert.equal(await expanded(page, TOGGLE), 'false', `${where}: a second tap shuts`);

                const href = await page.$eval(LINK, (a) => a.href);
                await Promise.all([page.waitForURL(href), page.tap(LINK)]);
                assert.deepEqual(page.errors, [], where);
                await page.close();
            }
        } finally {
            await browser.close();
        }
    }
});

test('with a mouse the branches are marked, a first click on a parent opens it and the page stays', async () => {
    const t = pages[0];
    const browser = await launch({ viewport: { width: 1280, height: 800 } });
    try {
        const page = await open(browser, t.file);
        assert.equal(await page.evaluate(() => document.compatMode), 'CSS1Compat', 'the runtime page is in standards mode');
        assert.equal(await page.$$eval('applet', (a) => a.length), 0, 'the script put its box in the applet\'s place');
        assert.equal(await page.$eval('.tv-box', (b) => b.classList.contains('tv-fluid')), false);
        const mark = await page.$eval(TOGGLE, (e) => ({ ...e.getBoundingClientRect().toJSON(),
            glyph: getComputedStyle(e, '::before').content, shown: getComputedStyle(e).visibility }));
        assert.ok(mark.width >= 24 && mark.height >= 24 && mark.shown === 'visible', JSON.stringify(mark));
        assert.equal(mark.glyph, '"\u25b8"');
        await page.click(LINK);
        await settled(page);
        assert.equal(await expanded(page, TOGGLE), 'true');
        assert.equal(await page.$eval(TOGGLE, (e) => getComputedStyle(e, '::before').content), '"\u25be"');
        assert.equal(page.url(), server.base + t.file);
        // The author moves the breakpoint.
        await page.evaluate(() => {
            const b = document.querySelector('.tv-box');
            b.setAttribute('data-breakpoint', '2000');
            b.tavelinMenu.options.breakpoint = 2000;
            b.tavelinMenu.fit();
        });
        assert.equal(await page.$eval('.tv-box', (b) => b.classList.contains('tv-fluid')), true);
        assert.deepEqual(page.errors, []);
        await page.close();
    } finally {
        await browser.close();
    }
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
        '<param name="MStyle-0" value=""><param name="Misc" value="1,2,-0,"></applet></body></html>');
    withRuntime(path.join(dir, 'bad.htm'));
    const bad = await open(desk, 'bad.htm');
    assert.deepEqual(await bad.$$eval('.tv-item', (e) => e.map((x) => [x.tagName, x.getAttribute('href')])),
        [['BUTTON', null], ['A', 'a.htm']]);
    await bad.close();
});

test('a picture several states show, written once, looks as its copies did in every state', async () => {
    const mouse = await launch({ viewport: { width: 1280, height: 800 } });
    // Each merged picture written back as one element per state.
    const STATES = { a: ['n', 'o', 'c'], no: ['n', 'o'], nc: ['n', 'c'] };
    const split = (text) => text.replace(/<img class="tv-img tv-img-(a|no|nc)" (src="[^"]*") alt="">/g,
        (m, merged, src) => STATES[merged].map((s) => `<img class="tv-img tv-img-${s}" ${src} alt="">`).join(''));
    try {
        // Templates whose first top-level item shows a merged picture.
        const merged = pages.filter((p) => {
            const t = fs.readFileSync(path.join(dir, p.file), 'latin1');
            return /tv-img-(a|no|nc)" src/.test(t.slice(t.indexOf('tv-menu tv-m0'), t.indexOf('tv-menu tv-m1')));
        });
        assert.ok(merged.length >= 2, 'templates have items with merged pictures');
        for (const once of merged) {
            fs.writeFileSync(path.join(dir, 'split.htm'), split(fs.readFileSync(path.join(dir, once.file), 'latin1')), 'latin1');
            const shots = [];
            for (const file of [once.file, 'split.htm']) {
                const page = await open(mouse, file);
                await page.evaluate(() => document.fonts.ready);
                const item = '.tv-nav > .tv-menu > .tv-li:first-child > .tv-item';
                const shot = () => page.locator('.tv-box').screenshot({ animations: 'disabled' });
                const steps = [await shot()];
                await page.hover(item);
                steps.push(await shot());
                await page.click(item);
                await settled(page);
                steps.push(await shot());
                await page.mouse.move(0, 0);
                steps.push(await shot());
                await page.click('.tv-nav > .tv-menu > .tv-li:first-child > .tv-toggle');   // shut, still selected
                await settled(page);
                await page.hover(item);
                steps.push(await shot());
                await page.mouse.move(0, 0);
                steps.push(await shot());
                assert.deepEqual(page.errors, []);
                shots.push(steps);
                await page.close();
            }
            shots[0].forEach((s, k) => assert.ok(s.equals(shots[1][k]), `${once.file}, step ${k}: the same pixels`));
        }
    } finally {
        await mouse.close();
    }
});
