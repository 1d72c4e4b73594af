'use strict';
// Pages made by atw from every built-in template, and two hand-written
// pages, run in Chromium: the runtime draws the applet's menus and they
// behave as a menu should.
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { startServer, launch, pixels, cssHex } = require('./harness.js');
const { makeRunner, makeTemplatePages, withRuntime, describePage, runtimeModules, ROOT } = require('./pages.js');

let dir, run, pages, server, browser, TavelinCss;

// The branch of menu number n: its wrapper's id ends in "-s" + n, whether
// the script drew the box ("tv1-s3") or the page holds it ("tv-applet-s3").
const branch = (n) => `.tv-box .tv-sub[id$="-s${n}"]`;

test.before(async () => {
    dir = fs.mkdtempSync(path.join(os.tmpdir(), 'atw-pages-'));
    run = makeRunner();
    pages = await makeTemplatePages(dir, run);
    TavelinCss = (await runtimeModules()).css;
    for (const name of ['basic.htm', 'styled.htm']) {
        fs.copyFileSync(path.join(ROOT, 'tests', 'js', 'fixtures', name), path.join(dir, name));
        withRuntime(path.join(dir, name));
    }
    server = await startServer(dir);
    browser = await launch();
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

async function open(file, options = {}) {
    const page = await browser.context.newPage();
    page.errors = [];
    page.on('pageerror', (e) => page.errors.push(e.message));
    if (options.reducedMotion)
        await page.emulateMedia({ reducedMotion: options.reducedMotion });
    await page.goto(server.base + file);
    return page;
}

const settled = (page) => page.waitForFunction(() => document.getAnimations().length === 0);

// Geometry and computed colours of the items of one menu.
function itemsOf(page, menuNumber) {
    return page.$$eval(`.tv-box .tv-m${menuNumber} > .tv-li > .tv-item`, (els) => els.map((e) => {
        const r = e.getBoundingClientRect();
        const cs = getComputedStyle(e);
        return {
            x: r.x, y: r.y, w: r.width, h: r.height, color: cs.color, background: cs.backgroundColor,
            image: cs.backgroundImage, border: parseFloat(cs.borderTopWidth), label: e.textContent
        };
    }));
}

function boxOf(page) {
    return page.$eval('.tv-box', (b) => {
        const r = b.getBoundingClientRect();
        const cs = getComputedStyle(b);
        return { x: r.x, y: r.y, w: r.width, h: r.height, top: parseFloat(cs.borderTopWidth),
            left: parseFloat(cs.borderLeftWidth) };
    });
}

// Items under 24 px get room above and below, for a 24 px target each.
const pad = (height) => (height >= 24 ? 0 : Math.ceil((24 - height) / 2));

const near = (actual, expected, what) => assert.ok(Math.abs(actual - expected) < 0.6, `${what}: ${actual} != ${expected}`);

test('every template draws its menus in the applet\'s box with their sizes and colours', async () => {
    for (const t of pages) {
        const page = await open(t.file);
        const where = `template ${t.index}`;
        assert.equal(await page.$$eval('applet', (a) => a.length), 0, `${where}: the applet is replaced`);
        const box = await boxOf(page);
        near(box.w, t.size.width, `${where} width`);
        near(box.h, t.size.height, `${where} height`);

        const root = t.tree.menus[t.tree.roots[0]];
        const items = await itemsOf(page, root.number);
        assert.equal(items.length, root.items.length, `${where}: one box per item`);
        const normal = root.states[0];
        const shot = await pixels(page, { x: box.x, y: box.y, width: box.w, height: box.h });
        items.forEach((it, k) => {
            const label = t.tree.items[root.items[k]].label;
            assert.equal(it.label, label, `${where}: label ${k}`);
            near(it.w, root.itemWidth, `${where} ${label} width`);
            near(it.h, root.itemHeight, `${where} ${label} height`);
            near(it.x, box.x + box.left + root.indent, `${where} ${label} left`);
            if (k === 0)
                near(it.y, box.y + box.top + root.startY + pad(root.itemHeight), `${where} ${label} top`);
            else
                near(it.y - items[k - 1].y, root.itemHeight + root.itemGap + 2 * pad(root.itemHeight), `${where} ${label} spacing`);
            assert.equal(cssHex(it.color), TavelinCss.readableFont(normal), `${where}: ${label} font colour`);
            if (normal.backStyle === 1 && normal.imageAlign !== 2) {
                assert.equal(cssHex(it.background), normal.back, `${where}: ${label} background`);
                const x = it.x - box.x + it.w - it.border - 3, y = it.y - box.y + it.border + 1;
                assert.equal(shot.at(x, y), normal.back, `${where}: ${label} pixel at ${x},${y}`);
            }
        });
        const a = t.tree.applet;
        if (a.backStyle === 1 && !a.backImage)
            assert.equal(shot.at(box.w - box.left - 3, box.h - box.top - 3), a.background, `${where}: applet background`);

        // The mouse over an item gives it the mouse-over look.
        await page.mouse.move(items[0].x + 2, items[0].y + 2);
        const over = (await itemsOf(page, root.number))[0];
        // The look's own text colour, or the nearest readable one where that is below 4.5:1.
        assert.equal(cssHex(over.color), TavelinCss.readableFont(root.states[1]), `${where}: mouse-over font colour`);
        assert.deepEqual(page.errors, [], `${where}: no script errors`);
        await page.close();
    }
});

// The first item of menu `number` that opens a branch.
function opener(tree, number) {
    const menu = tree.menus[number];
    return menu.items.map((i) => tree.items[i]).find((item) => item.subMenu !== null);
}

test('a click opens a branch below its item, and opening another closes it', async () => {
    const t = pages[0];
    const root = t.tree.menus[t.tree.roots[0]];
    const openers = root.items.map((i) => t.tree.items[i]).filter((item) => item.subMenu !== null);
    assert.ok(openers.length >= 2, 'the first template has two branches');
    const [first, second] = openers;
    const page = await open(t.file);
    const itemSel = (item) => `.tv-box .tv-m${root.number} > .tv-li:nth-child(${item.index + 1}) > .tv-item`;
    const subSel = (item) => branch(item.subMenu);

    await page.click(itemSel(first));
    await settled(page);
    assert.equal(page.url(), server.base + t.file, 'the first click opens the branch and stays');
    const opened = await page.$eval(subSel(first), (s) => ({ hidden: s.hidden, h: s.getBoundingClientRect().height }));
    assert.equal(opened.hidden, false);
    const sub = t.tree.menus[first.subMenu];
    near(opened.h, sub.items.length * (sub.itemHeight + sub.itemGap + 2 * pad(sub.itemHeight)) - sub.itemGap, 'open branch height');
    const [parentBox] = await page.$$eval(itemSel(first), (e) => e.map((x) => x.getBoundingClientRect().bottom));
    const subItems = await itemsOf(page, first.subMenu);
    near(subItems[0].y, parentBox + pad(root.itemHeight) + pad(sub.itemHeight), 'the branch starts below its item');
    near(subItems[0].x - (await itemsOf(page, root.number))[0].x, sub.indent, 'the branch is indented');
    assert.equal(await page.getAttribute(`${itemSel(first)} ~ .tv-toggle`, 'aria-expanded'), 'true');

    await page.click(itemSel(second));
    await settled(page);
    assert.equal(await page.$eval(subSel(first), (s) => s.hidden), true, 'the other branch closed');
    assert.equal(await page.$eval(subSel(second), (s) => s.hidden), false);

    // With its branch open, the item's link is followed.
    await Promise.all([page.waitForURL(new URL(second.link, server.base).href), page.click(itemSel(second))]);
    await page.close();

    // An item without a link is a button: one click opens, the next closes.
    const basic = await open('basic.htm');
    const button = '.tv-m0 > .tv-li:nth-child(2) > button.tv-item';
    await basic.click(button);
    await settled(basic);
    assert.equal(await basic.getAttribute(button, 'aria-expanded'), 'true');
    assert.equal(await basic.$eval(`#${await basic.getAttribute(button, 'aria-controls')}`, (s) => s.hidden), false);
    await basic.click(button);
    await settled(basic);
    assert.equal(await basic.getAttribute(button, 'aria-expanded'), 'false');
    assert.equal(await basic.$eval('.tv-sub', (s) => s.hidden), true);
    await basic.close();
});

async function walkWithKeys(page) {
    for (let i = 0; i < 10 && !(await page.evaluate(() => !!document.activeElement.closest('.tv-box'))); i++)
        await page.keyboard.press('Tab');
    const seen = [];
    for (let guard = 0; guard < 500; guard++) {
        const state = await page.evaluate(() => {
            const item = document.activeElement;
            const li = item.closest('.tv-li');
            const control = li.querySelector(':scope > [aria-expanded]');
            return { label: item.textContent, closed: !!control && control.getAttribute('aria-expanded') === 'false' };
        });
        seen.push(state.label);
        if (state.closed) {
            await page.keyboard.press('ArrowRight');
            await settled(page);
        }
        const before = await page.evaluate(() => document.activeElement.textContent);
        await page.keyboard.press('ArrowDown');
        if (await page.evaluate((b) => document.activeElement.textContent === b, before))
            break;
    }
    return seen;
}

test('the keyboard reaches every item, and Escape goes back up', async () => {
    const deepest = pages.reduce((a, b) => (b.tree.items.length > a.tree.items.length ? b : a));
    for (const t of [pages[0], deepest]) {
        const page = await open(t.file);
        const seen = await walkWithKeys(page);
        assert.deepEqual(seen, depthFirstLabels(t.tree), `template ${t.index}`);
        await page.close();
    }

    const t = pages[0];
    const page = await open(t.file);
    const root = t.tree.menus[t.tree.roots[0]];
    const first = opener(t.tree, root.number);
    await page.focus(`.tv-m${root.number} > .tv-li:nth-child(${first.index + 1}) > .tv-item`);
    await page.keyboard.press('ArrowRight');
    await page.keyboard.press('ArrowRight');
    const inside = await page.evaluate(() => document.activeElement.textContent);
    assert.equal(inside, t.tree.items[t.tree.menus[first.subMenu].items[0]].label, 'right arrow enters the branch');
    await page.keyboard.press('Escape');
    await settled(page);
    assert.equal(await page.evaluate(() => document.activeElement.textContent), first.label);
    assert.equal(await page.$eval(branch(first.subMenu), (s) => s.hidden), true, 'Escape closed the branch');

    // Tab goes through the visible items in order (and the keyboard-only toggles).
    await page.keyboard.press('Tab');
    const next = await page.evaluate(() => document.activeElement.className);
    assert.match(next, /tv-toggle|tv-item/);
    await page.close();
});

function depthFirstLabels(tree) {
    const out = [];
    const visit = (m) => tree.menus[m].items.forEach((i) => {
        out.push(tree.items[i].label);
        if (tree.items[i].subMenu !== null)
            visit(tree.items[i].subMenu);
    });
    tree.roots.forEach(visit);
    return out;
}

test('links follow their targets: this page, a new window, a named frame', async () => {
    const withBlank = pages.find((p) => p.tree.items.some((i) => i.target === '_blank' && i.subMenu === null));
    assert.ok(withBlank, 'a template has a link into a new window');
    const blank = withBlank.tree.items.find((i) => i.target === '_blank' && i.subMenu === null);
    const page = await open(withBlank.file);
    await page.evaluate(() => {
        // Bring the item into view: open every branch (sub-menus are made
        // when they first open).
        const box = document.querySelector('.tv-box');
        for (let shut = box.querySelectorAll('.tv-li.tv-shut'); shut.length; shut = box.querySelectorAll('.tv-li.tv-shut'))
            shut.forEach((li) => box.tavelinMenu.setOpen(li, true, true));
    });
    await settled(page);
    // Addresses off this machine are refused, but the request shows where the window went.
    const asked = [];
    const record = (r) => asked.push(r.url());
    browser.context.on('request', record);
    const [popup] = await Promise.all([browser.context.waitForEvent('page'),
        page.click(`a.tv-item[href="${blank.link}"]`)]);
    await popup.waitForLoadState().catch(() => {});
    browser.context.off('request', record);
    assert.ok(asked.includes(new URL(blank.link, server.base).href), `a new window asked for ${blank.link}`);
    assert.equal(page.url(), server.base + withBlank.file, 'the menu page stays');
    await popup.close();

    const leaf = pages[0].tree.items.find((i) => i.subMenu === null && i.link && i.target === '_self' &&
        pages[0].tree.menus[i.menu].depth === 0);
    await page.goto(server.base + pages[0].file);
    await Promise.all([page.waitForURL(new URL(leaf.link, server.base).href),
        page.click(`a.tv-item[href="${leaf.link}"]`)]);

    fs.writeFileSync(path.join(dir, 'frames.htm'),
        '<!DOCTYPE html><iframe name="menu" src="styled.htm" width="400" height="300"></iframe>' +
        '<iframe name="main" src="about:blank"></iframe>');
    await page.goto(server.base + 'frames.htm');
    const menuFrame = page.frame({ name: 'menu' });
    await menuFrame.waitForSelector('.tv-box');
    await Promise.all([page.frame({ name: 'main' }).waitForNavigation(),
        menuFrame.click('a.tv-item[target="main"]')]);
    assert.equal(page.frame({ name: 'main' }).url(), new URL('a.htm?x=1,y=2', server.base).href);
    assert.equal(menuFrame.url(), server.base + 'styled.htm');
    await page.close();
});

test('the item of the page being shown is marked current with its branch open', async () => {
    const t = pages[0];
    const item = t.tree.items.find((i) => t.tree.menus[i.menu].depth === 1 && /^[\w.-]+$/.test(i.link));
    fs.copyFileSync(path.join(dir, t.file), path.join(dir, item.link));
    const page = await open(item.link);
    const current = await page.$$eval('[aria-current="page"]', (e) => e.map((x) => ({
        href: x.getAttribute('href'), sel: x.classList.contains('tv-sel'), visible: x.getBoundingClientRect().height > 0,
        background: getComputedStyle(x).backgroundColor
    })));
    assert.equal(current.length, 1);
    assert.equal(current[0].href, item.link);
    assert.ok(current[0].visible, 'its branch is open');
    const menu = t.tree.menus[item.menu];
    assert.equal(current[0].sel, t.tree.applet.showSelection === 1);
    if (menu.states[2].backStyle === 1)
        assert.equal(cssHex(current[0].background), menu.states[2].back, 'it has the clicked look');
    const parentControl = await page.$eval(branch(item.menu), (s) =>
        s.closest('.tv-li').querySelector(':scope > [aria-expanded]').getAttribute('aria-expanded'));
    assert.equal(parentControl, 'true');
    await page.close();
});

test('branches slide at their speeds, and not at all when motion is reduced', async () => {
    // The styled page opens at speed 0 (at once) and closes at 50 (slowest).
    const folder = '.tv-m0 > .tv-li:nth-child(2) > .tv-item';
    const page = await open('styled.htm');
    await page.click(folder);
    assert.equal(await page.evaluate(() => document.getAnimations().length), 0, 'speed 0 opens at once');
    assert.ok(await page.$eval(branch(1), (s) => s.getBoundingClientRect().height > 0));
    await page.click(folder);
    const timing = await page.evaluate(() => document.getAnimations().map((a) => a.effect.getTiming().duration));
    assert.deepEqual(timing, [1000], 'speed 50 closes over a second');
    await settled(page);
    assert.equal(await page.$eval(branch(1), (s) => s.hidden), true);
    await page.close();

    const still = await open('styled.htm', { reducedMotion: 'reduce' });
    await still.click(folder);
    await still.click(folder);
    assert.equal(await still.evaluate(() => document.getAnimations().length), 0);
    assert.equal(await still.$eval(branch(1), (s) => s.hidden), true, 'shut at once');
    await still.close();
});

test('sounds play through Web Audio, Sun audio files included', async () => {
    const t = pages.find((p) => p.tree.applet.backAudio && p.tree.items.some((i) => i.clickAudio && i.subMenu !== null));
    assert.ok(t, 'a template with a background sound and item sounds');
    const item = t.tree.items.find((i) => i.clickAudio && i.subMenu !== null);
    const page = await open(t.file);
    await page.click(`a.tv-item[href="${item.link}"]`);
    const url = (name) => new URL(name, server.base).href;
    await page.waitForFunction((want) => want.every((u) => window.Tavelin.sound.played.includes(u)),
        [url(item.clickAudio), url(t.tree.applet.backAudio)]);
    const hover = t.tree.items.find((i) => i.overAudio && t.tree.menus[i.menu].depth === 0 && i !== item);
    if (hover) {
        await page.hover(`a.tv-item[href="${hover.link}"]`);
        await page.waitForFunction((u) => window.Tavelin.sound.played.includes(u), url(hover.overAudio));
    }
    assert.deepEqual(page.errors, []);
    await page.close();
});

test('a page whose menus are all hidden shows an empty box of its size', async () => {
    fs.copyFileSync(path.join(ROOT, 'tests', 'js', 'fixtures', 'empty.htm'), path.join(dir, 'empty.htm'));
    const text = withRuntime(path.join(dir, 'empty.htm'));
    const page = await open('empty.htm');
    const box = await boxOf(page);
    const size = describePage('empty.htm', text).size;
    assert.deepEqual([box.w, box.h], [size.width, size.height]);
    assert.equal(await page.$$eval('.tv-item', (e) => e.length), 0);
    assert.deepEqual(page.errors, []);
    await page.close();
});
