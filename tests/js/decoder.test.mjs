// The runtime's pure modules (parameters, tree, looks, sound files), read
// under node straight from web/src.
import test from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';
import fs from 'node:fs';
import { fileURLToPath } from 'node:url';
import { createRequire } from 'node:module';
import * as params from '../../web/src/params.js';
import * as tree from '../../web/src/tree.js';
import * as TavelinCss from '../../web/src/css.js';
import * as TavelinAudio from '../../web/src/audio.js';

const { paramsOfFile } = createRequire(import.meta.url)('./pageParams.js');
const __dirname = path.dirname(fileURLToPath(import.meta.url));
const TavelinParams = { ...params, ...tree };

const fixture = (name) => paramsOfFile(path.join(__dirname, 'fixtures', name));
const labels = (tree, m) => tree.menus[m].items.map((i) => tree.items[i].label);

test('a small page gives its tree: numbering, relations, item fields', () => {
    const tree = TavelinParams.decode(fixture('basic.htm'));
    assert.deepEqual(tree.roots, [0]);
    assert.deepEqual(labels(tree, 0), ['Home', 'Products']);
    assert.deepEqual(labels(tree, 1), ['Tools']);
    const [home, products, tools] = tree.items;
    assert.equal(home.subMenu, null);
    assert.equal(products.subMenu, 1);
    assert.equal(tree.menus[1].parentItem, products.globalIndex);
    assert.deepEqual([tree.menus[0].depth, tree.menus[1].depth], [0, 1]);
    assert.deepEqual([tools.menu, tools.index, tools.globalIndex], [1, 0, 2]);
    assert.equal(home.description, 'The start page');
    assert.equal(home.link, 'index.htm');
    assert.equal(home.target, '_self');
    assert.equal(tools.target, '_blank');
    assert.deepEqual(home.images, ['', '', '']);
    assert.equal(tree.applet.showSelection, 1);
    assert.equal(tree.applet.lineColor, '#050000');
});

test('every value of a styled page is read with its own layout', () => {
    const tree = TavelinParams.decode(fixture('styled.htm'));
    const a = tree.applet;
    assert.equal(a.background, '#102030');
    assert.deepEqual([a.backImage, a.imageMode, a.imageX, a.imageY, a.backAudio], ['back.gif', 1, 7, 9, 'loop.au']);
    assert.deepEqual([a.showSelection, a.openSpeed, a.closeSpeed, a.showAllBranches, a.hasLines], [0, 0, 50, 1, 1]);
    // "082": single direction, "Vertical Gradient from Color to Black", sunken
    assert.deepEqual([a.gradientDir, a.backStyle, a.border], [0, 8, 2]);
    assert.deepEqual([a.lineIndent, a.lineThick, a.lineColor], [12, 2, '#ff8800']);

    // Menu style codes: "12" filled with border, "02" border only, "11" filled, "" neither.
    const looks = tree.menus.map((m) => [m.filled, m.bordered]);
    assert.deepEqual(looks, [[true, true], [false, true], [true, false], [false, false]]);
    assert.deepEqual(['indent', 'startY', 'itemWidth', 'itemHeight', 'itemGap', 'borderThick']
        .map((k) => tree.menus[0][k]), [10, 30, 120, 24, 3, 2]);

    const [normal, over, click] = tree.menus[0].states;
    assert.deepEqual(normal, {
        back: '#336699', font: '#ffffff', gradientDir: 0, backStyle: 7, border: 0, fontEffect: 4,
        fontName: 1, fontSize: 12, fontStyle: 1, imageAlign: 0, textAlign: 2, imageOffset: 3, textOffset: 6
    });
    assert.deepEqual([over.gradientDir, over.backStyle, over.border, over.imageAlign, over.textAlign,
        over.imageOffset], [1, 5, 1, 1, 1, -2]);
    assert.deepEqual([click.backStyle, click.border, click.fontEffect, click.imageAlign], [0, 2, 1, 2]);
    // A negative digit in a composite field ("-111") is read as such.
    assert.equal(tree.menus[1].states[2].gradientDir, -1);
    assert.equal(tree.menus[1].states[0].textOffset, -4);

    const first = tree.items[0];
    assert.equal(first.label, 'Line one\nline two');
    assert.deepEqual(first.images, ['n.gif', 'o.gif', 'c.gif']);
    assert.deepEqual([first.overAudio, first.clickAudio, first.target], ['over.au', 'click.au', 'main']);
    assert.equal(first.link, 'a.htm?x=1,y=2', 'a comma in the address stays in the link');
    assert.equal(tree.items[1].target, '_self', 'an empty target means the same frame');

    // Two top-level menus in relation order, three levels below the first.
    assert.deepEqual(tree.roots, [0, 3]);
    assert.deepEqual(tree.menus.map((m) => m.depth), [0, 1, 2, 0]);
    assert.equal(tree.items[tree.menus[1].items[0]].subMenu, 2);
});

test('a page without written menus gives an empty tree', () => {
    const tree = TavelinParams.decode(fixture('empty.htm'));
    assert.deepEqual(tree.roots, []);
    assert.deepEqual(tree.menus, []);
    assert.equal(tree.applet.background, '#ffffff');
});

test('damaged parameters never break the tree', () => {
    // Names compare without case; a Map serves as well as an object.
    const map = new Map([['misc', '1,1,-0,'], ['mstyle-0', 'zzzzzz,99,0,0,x,,80,20,5,0'], ['i0-0', 'Only']]);
    const tree = TavelinParams.decode(map);
    assert.deepEqual(labels(tree, 0), ['Only']);
    assert.equal(tree.menus[0].background, '#000000', 'an unreadable colour takes the default');
    assert.equal(tree.menus[0].indent, 40, 'an unreadable number takes the default');
    assert.equal(tree.items[0].target, '_self');
    assert.equal(tree.items[0].link, '');

    // A relation pointing back up, twice at the same menu, or out of range is dropped.
    const cyclic = TavelinParams.decode({
        Misc: '3,1,1,1,-0,1-0,0-1,0-2,1-2,7-1,-9,', 'I0-0': 'a', 'I1-0': 'b', 'I2-0': 'c'
    });
    assert.deepEqual(cyclic.roots, [0]);
    assert.equal(cyclic.items[0].subMenu, 1);
    assert.equal(cyclic.items[1].subMenu, 2);
    assert.equal(cyclic.items[2].subMenu, null);

    // No "Misc" at all: the menus present, each with its run of items, all at the top.
    const guessed = TavelinParams.decode({ 'MStyle-0': '', 'I0-0': 'x', 'I0-1': 'y', 'MStyle-1': '', 'I1-0': 'z' });
    assert.deepEqual(guessed.roots, [0, 1]);
    assert.deepEqual(labels(guessed, 1), ['z']);

    // A missing item line gives an empty item; a count beyond all the lines there are is cut.
    const short = TavelinParams.decode({ Misc: '1,3,-0,', 'I0-0': 'one', 'I0-2': 'three' });
    assert.deepEqual(labels(short, 0), ['one', '', 'three']);
    const huge = TavelinParams.decode({ Misc: '1,2000000000,-0,', 'I0-0': 'one' });
    assert.deepEqual(labels(huge, 0), ['one', '']);

    // A chain of menus deeper than the editor builds is cut at its limit.
    const chain = { Misc: '1502,' + '1,'.repeat(1502) + '-0,' };
    for (let m = 0; m < 1502; m++) {
        chain[`I${m}-0`] = `level ${m}`;
        if (m > 0)
            chain.Misc += `${m - 1}-${m},`;
    }
    const deep = TavelinParams.decode(chain);
    assert.equal(Math.max(...deep.menus.map((m) => m.depth)), 1000);
    assert.equal(deep.items[1000].subMenu, null);

    // A composite field of the wrong length keeps all of its defaults.
    const ap = TavelinParams.decodeApStyle('000000,000000,,0,0,0,,1,5,5,0,1,12,0,0,000000');
    assert.deepEqual([ap.gradientDir, ap.backStyle, ap.border], [1, 1, 0]);
    assert.deepEqual(TavelinParams.decodeItemStyles('')[0].fontSize, 14);
});

function auFile(encoding, rate, channels, body, declaredSize) {
    const header = Buffer.alloc(24);
    header.writeUInt32BE(0x2e736e64, 0);
    header.writeUInt32BE(24, 4);
    header.writeUInt32BE(declaredSize === undefined ? body.length : declaredSize, 8);
    header.writeUInt32BE(encoding, 12);
    header.writeUInt32BE(rate, 16);
    header.writeUInt32BE(channels, 20);
    const all = Buffer.concat([header, body]);
    return all.buffer.slice(all.byteOffset, all.byteOffset + all.length);
}

test('Sun audio files decode to samples', () => {
    // mu-law: 0xff and 0x7f are silence, 0x00 the largest negative, 0x80 the largest positive.
    const mu = TavelinAudio.decodeAu(auFile(1, 8000, 1, Buffer.from([0xff, 0x7f, 0x00, 0x80])));
    assert.equal(mu.sampleRate, 8000);
    assert.deepEqual(Array.from(mu.channels[0]).map((v) => Math.round(v * 32768)), [0, 0, -32124, 32124]);

    // 16-bit linear, two channels interleaved; an unknown size (all ones) runs to the end.
    const pcm = Buffer.alloc(8);
    [16384, -16384, 32767, -32768].forEach((v, i) => pcm.writeInt16BE(v, i * 2));
    const stereo = TavelinAudio.decodeAu(auFile(3, 22050, 2, pcm, 0xffffffff));
    assert.deepEqual(Array.from(stereo.channels[0]), [0.5, 32767 / 32768]);
    assert.deepEqual(Array.from(stereo.channels[1]), [-0.5, -1]);

    // A-law: 0xd5 and 0x55 are the two smallest magnitudes.
    const alaw = TavelinAudio.decodeAu(auFile(27, 8000, 1, Buffer.from([0xd5, 0x55, 0x2a])));
    assert.deepEqual(Array.from(alaw.channels[0]).map((v) => Math.round(v * 32768)), [8, -8, -32256]);

    // A declared size beyond the bytes present is cut to what is there; a half frame is dropped.
    const cut = TavelinAudio.decodeAu(auFile(3, 8000, 1, Buffer.from([0, 1, 2]), 1000));
    assert.equal(cut.channels[0].length, 1);

    assert.equal(TavelinAudio.decodeAu(new ArrayBuffer(10)), null, 'too short');
    assert.equal(TavelinAudio.decodeAu(auFile(23, 8000, 1, Buffer.alloc(4))), null, 'unknown encoding');
    const wav = Buffer.from('RIFF\0\0\0\0WAVEfmt \0\0\0\0\0\0\0\0\0\0\0\0');
    assert.equal(TavelinAudio.decodeAu(wav.buffer.slice(wav.byteOffset, wav.byteOffset + wav.length)), null);
});

test('backgrounds map onto fills and gradients in both directions', () => {
    const bg = TavelinCss.backgroundCss;
    assert.equal(bg(0, '#123456', true), 'transparent');
    assert.equal(bg(1, '#123456', true), '#123456');
    assert.equal(bg(2, '#123456', false), 'linear-gradient(to right,#000000,#123456)');
    assert.equal(bg(5, '#123456', false), 'linear-gradient(to right,#123456,#ffffff)');
    assert.equal(bg(7, '#123456', true), 'linear-gradient(to bottom,#ffffff,#123456,#ffffff)');
    assert.equal(bg(8, '#123456', false), 'linear-gradient(to bottom,#123456,#000000)');
    assert.equal(bg(-1, '#123456', false), '#123456', 'an unknown style is filled');
});

test('the style sheet covers every written menu and only those', () => {
    const tree = TavelinParams.decode(fixture('styled.htm'));
    const css = TavelinCss.boxCss('#tv1', tree, { width: 300, height: 260 }, 'http://h/back.gif');
    for (const m of [0, 1, 2, 3])
        assert.match(css, new RegExp(`#tv1 \\.tv-k${tree.menus[m].styleClass}\\{`));
    assert.ok(new Set(tree.menus.map((m) => m.styleClass)).size <= tree.menus.length);
    assert.match(css, /#tv1\{width:300px;height:260px;background:url\("http:\/\/h\/back.gif"\) 0 0 repeat,/);
    const k1 = tree.menus[1].styleClass;
    assert.match(css, new RegExp(`#tv1 \\.tv-k${k1}>\\.tv-li::before\\{[^}]*background:var\\(--tv-line,#ff8800\\)`),
        'tree lines in their colour');
    const unreachable = TavelinParams.decode({ Misc: '2,1,1,-0,', 'I0-0': 'a', 'I1-0': 'b' });
    TavelinCss.boxCss('#x', unreachable, { width: 1, height: 1 }, '');
    assert.equal(unreachable.menus[1].styleClass, undefined, 'a menu not drawn gets no rules');
});

test('escaped text fields read back whole; script links are refused', () => {
    const item = TavelinParams.decodeItem('Tea|_#c` coffee|_#`x|_#p`c`,a|_#c`b|_#n`c,p|_#c`1.gif,,,,,x|_#c`y,'
        + 'drinks.htm?a=1,2');
    assert.equal(item.label, 'Tea, coffee\nx|_#c`');
    assert.equal(item.description, 'a,b\nc');
    assert.deepEqual(item.images, ['p,1.gif', '', '']);
    assert.equal(item.target, 'x,y');
    assert.equal(item.link, 'drinks.htm?a=1,2', 'an older page: commas beyond the ninth field stay in the link');
    for (const bad of ['javascript:alert(1)', ' JavaScript:x', 'java\tscript:x', 'vbscript:x', 'DATA:text/html,x'])
        assert.equal(TavelinParams.safeLink(bad), '', bad);
    for (const good of ['a.htm', 'https://x/javascript:', './javascript:x', 'mailto:a@b'])
        assert.equal(TavelinParams.safeLink(good), good, good);
});

test('every fixture page in the folder decodes', () => {
    const dir = path.join(__dirname, 'fixtures');
    for (const name of fs.readdirSync(dir).filter((n) => /\.html?$/.test(n))) {
        const tree = TavelinParams.decode(paramsOfFile(path.join(dir, name)));
        const reached = new Set();
        const walk = (m) => {
            assert.ok(!reached.has(m), `${name}: menu ${m} reached twice`);
            reached.add(m);
            tree.menus[m].items.forEach((i) => tree.items[i].subMenu !== null && walk(tree.items[i].subMenu));
        };
        tree.roots.forEach(walk);
        assert.equal(reached.size, tree.menus.length, `${name}: every menu hangs in the tree`);
    }
});

test('the exporter writes the same fixed style rules as the runtime', () => {
    const source = fs.readFileSync(path.join(__dirname, '..', '..', 'core', 'publish', 'CHtml5Css.cpp'), 'utf8');
    const m = /R"css\(\n([\s\S]*?)\)css"/.exec(source);
    assert.ok(m, 'the rules are one raw string in the exporter');
    assert.equal(m[1], TavelinCss.STATIC_CSS);
});

test('poor text colours on filled items become the nearest readable mix, as the exporter picks', () => {
    // The same table as the exporter's own test (Html5Css.ReadableFont...).
    for (const [font, back, backStyle, drawn] of [
        ['#ffffff', '#00a0a0', 1, '#1a1a1a'], ['#ffe678', '#008200', 1, '#fff5c9'],
        ['#777777', '#808080', 1, '#0c0c0c'], ['#ffffff', '#000000', 1, '#ffffff'],
        ['#ffffff', '#00a0a0', 6, '#ffffff']]) {
        assert.equal(TavelinCss.readableFont({ font, back, backStyle }), drawn, `${font} on ${back}`);
    }
});

test('a page read lazily gives the same items once they are shown', () => {
    const params = new Map(Object.entries(paramsOfFile(path.join(__dirname, 'fixtures', 'styled.htm'))));
    const eager = TavelinParams.decode(params);
    const lazy = TavelinParams.decode(params, true);
    lazy.items.forEach((item, i) => {
        assert.equal(TavelinParams.itemLink(item), eager.items[i].link, `link of item ${i}`);
        assert.deepEqual(TavelinParams.itemFields(item), { ...eager.items[i], lazy: false, raw: undefined });
    });
});
