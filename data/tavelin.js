/*
 * tavelin.js - draws the sliding menus of Applet Tavelina Wizard pages in a
 * browser, without any plug-in.
 *
 * Two kinds of page are served:
 *  - a page with an <applet code="tavelin.class"> element: its <param> lines
 *    are decoded and the applet element is replaced by a box holding the menus;
 *  - an exported page whose menus are already written as nested lists inside
 *    an element with data-tavelin="export": the lists are made to slide.
 * In both cases the menus end up as the same markup (nav, ul, li, a/button)
 * with the same class names, so the behaviour below serves both.
 *
 * No dependencies, no build step. In node the pure parts are exported for
 * tests: require('tavelin.js').decode(params).
 */
(function (global) {
    'use strict';

    /* ------------------------------------------------------------------
     * Parameter decoding (pure)
     * ------------------------------------------------------------------ */

    var LABEL_BREAK = '|_#`';

    var APPLET_DEFAULTS = {
        background: '#000000', backImage: '', imageMode: 0, imageX: 0, imageY: 0,
        backAudio: '', showSelection: 1, openSpeed: 5, closeSpeed: 5, showAllBranches: 0,
        hasLines: 1, gradientDir: 1, backStyle: 1, border: 0, lineIndent: 0, lineThick: 0,
        lineColor: '#050000'
    };

    var MENU_DEFAULTS = {
        background: '#000000', filled: false, bordered: false, indent: 40, startY: 0,
        itemWidth: 80, itemHeight: 20, itemGap: 5, borderThick: 0
    };

    var STATE_DEFAULTS = {
        back: '#000000', font: '#ffffff', gradientDir: 1, backStyle: 1, border: 0,
        fontEffect: 0, fontName: 0, fontSize: 14, fontStyle: 0, imageAlign: 0, textAlign: 0,
        imageOffset: 0, textOffset: 0
    };

    function splitFields(value) {
        return String(value === undefined || value === null ? '' : value).split(',');
    }

    function toInt(text, fallback) {
        var s = String(text === undefined ? '' : text).trim();
        return /^[-+]?\d+$/.test(s) ? parseInt(s, 10) : fallback;
    }

    function toColor(text, fallback) {
        var s = String(text === undefined ? '' : text).trim();
        return /^[0-9a-fA-F]{6}$/.test(s) ? '#' + s.toLowerCase() : fallback;
    }

    function toFlag(text, fallback) {
        var n = toInt(text, fallback);
        return n ? 1 : 0;
    }

    // A composite digit field: numbers written one after the other, each a
    // single digit, possibly with a minus sign ("111", "-111"). Fields that
    // cannot be read take their defaults.
    function toDigits(text, defaults) {
        var s = String(text === undefined || text === null ? '' : text).trim();
        var parts = s.match(/-?\d/g) || [];
        var ok = parts.join('') === s && parts.length === defaults.length;
        return defaults.map(function (d, i) { return ok ? parseInt(parts[i], 10) : d; });
    }

    // Text fields of pages that carry this script hold commas, line breaks
    // and the marker itself as tokens: "|_#c`" ",", "|_#n`" LF, "|_#r`" CR,
    // "|_#p`" "|_#", and "|_#`" the label's line break. Older pages carry
    // only the last and read the same.
    var TOKENS = { '`': '\n', 'c`': ',', 'n`': '\n', 'r`': '\n', 'p`': '|_#' };

    function decodeText(text) {
        var s = String(text || '');
        if (s.indexOf('|_#') < 0)
            return s;
        return s.replace(/\|_#([cnrp]?`)/g, function (all, token) { return TOKENS[token]; });
    }

    function decodeLabel(text) {
        return decodeText(text);
    }

    function copyDefaults(defaults) {
        var out = {};
        Object.keys(defaults).forEach(function (k) { out[k] = defaults[k]; });
        return out;
    }

    function decodeApStyle(value) {
        var f = splitFields(value);
        var d = APPLET_DEFAULTS;
        var a = copyDefaults(d);
        if (value === undefined || value === null)
            return a;
        var combo = toDigits(f[12], [d.gradientDir, d.backStyle, d.border]);
        a.background = toColor(f[0], d.background);
        a.backImage = decodeText((f[2] || '').trim());
        a.imageMode = toInt(f[3], d.imageMode);
        a.imageX = toInt(f[4], d.imageX);
        a.imageY = toInt(f[5], d.imageY);
        a.backAudio = decodeText((f[6] || '').trim());
        a.showSelection = toFlag(f[7], d.showSelection);
        a.openSpeed = toInt(f[8], d.openSpeed);
        a.closeSpeed = toInt(f[9], d.closeSpeed);
        a.showAllBranches = toFlag(f[10], d.showAllBranches);
        a.hasLines = toFlag(f[11], d.hasLines);
        a.gradientDir = combo[0];
        a.backStyle = combo[1];     // 1 filled, 6..9 vertical gradients
        a.border = combo[2];        // 0 plain, 1 raised, 2 sunken
        a.lineIndent = toInt(f[13], d.lineIndent);
        a.lineThick = toInt(f[14], d.lineThick);
        a.lineColor = toColor(f[15], d.lineColor);
        return a;
    }

    function decodeMenuStyle(value) {
        var f = splitFields(value);
        var d = MENU_DEFAULTS;
        var code = String(f[1] || '').trim();
        return {
            background: toColor(f[0], d.background),
            filled: code.charAt(0) === '1',
            bordered: code.charAt(1) === '2',
            indent: toInt(f[4], d.indent),
            startY: toInt(f[5], d.startY),
            itemWidth: toInt(f[6], d.itemWidth),
            itemHeight: toInt(f[7], d.itemHeight),
            itemGap: toInt(f[8], d.itemGap),
            borderThick: toInt(f[9], d.borderThick)
        };
    }

    function decodeStateGroup(f) {
        var d = STATE_DEFAULTS;
        var look = toDigits(f[2], [d.gradientDir, d.backStyle, d.border + 1]);
        var align = toDigits(f[7], [d.imageAlign, d.textAlign]);
        return {
            back: toColor(f[0], d.back),
            font: toColor(f[1], d.font),
            gradientDir: look[0],
            backStyle: look[1],
            border: look[2] - 1,    // written 1..3
            fontEffect: toInt(f[3], d.fontEffect),
            fontName: toInt(f[4], d.fontName),
            fontSize: toInt(f[5], d.fontSize),
            fontStyle: toInt(f[6], d.fontStyle),
            imageAlign: align[0],
            textAlign: align[1],
            imageOffset: toInt(f[8], d.imageOffset),
            textOffset: toInt(f[9], d.textOffset)
        };
    }

    // Three groups of twelve fields: normal, mouse over, clicked.
    function decodeItemStyles(value) {
        var f = splitFields(value);
        return [0, 1, 2].map(function (s) { return decodeStateGroup(f.slice(s * 12, s * 12 + 12)); });
    }

    // Nine fields; the link is last, so commas beyond the ninth field belong
    // to it (an address with a comma in its query).
    function decodeItem(value) {
        var f = splitFields(value);
        var field = function (i) { return decodeText((f[i] || '').trim()); };
        var target = field(7);
        return {
            label: decodeLabel(f[0]),
            description: decodeText(f[1]),
            images: [field(2), field(3), field(4)],
            overAudio: field(5),
            clickAudio: field(6),
            target: target === '' ? '_self' : target,
            link: decodeText(f.slice(8).join(',').trim())
        };
    }

    // "N,count0,...,countN-1,relation..." with "-m" for a top-level menu and
    // "i-m" for a menu opening from the item of global index i.
    function decodeMisc(value) {
        var f = splitFields(value).map(function (s) { return s.trim(); });
        var n = toInt(f[0], -1);
        if (n < 0 || f.length < n + 1)
            return null;
        var counts = [];
        for (var m = 0; m < n; m++)
            counts.push(Math.max(0, toInt(f[1 + m], 0)));
        var relations = [];
        f.slice(1 + n).forEach(function (entry) {
            var r = /^(\d*)-(\d+)$/.exec(entry);
            if (r)
                relations.push({ item: r[1] === '' ? -1 : parseInt(r[1], 10), menu: parseInt(r[2], 10) });
        });
        return { count: n, itemCounts: counts, relations: relations };
    }

    // Parameter names compare without regard to case, as applets read them.
    // A name as the writer spells it is found at once; the table folded to
    // lower case is made only when a name is asked for in another spelling
    // or is missing. A Map (as readParams makes) is used as it is.
    function paramLookup(params) {
        var table = params instanceof Map ? params : new Map();
        if (params && table !== params)
            Object.keys(params).forEach(function (k) { table.set(k, params[k]); });
        var folded = null;
        var get = function (name) {
            var v = table.get(name);
            if (v === undefined) {
                if (!folded) {
                    folded = new Map();
                    table.forEach(function (value, k) { folded.set(String(k).toLowerCase(), value); });
                }
                v = folded.get(name.toLowerCase());
            }
            return v === undefined || v === null ? undefined : String(v);
        };
        get.size = table.size;
        return get;
    }

    // Without a readable "Misc" the menus present are taken in order, each
    // with its consecutive item lines, all as top-level menus.
    function guessStructure(get) {
        var counts = [];
        for (var m = 0; get('MStyle-' + m) !== undefined; m++) {
            var j = 0;
            while (get('I' + m + '-' + j) !== undefined)
                j++;
            counts.push(j);
        }
        return {
            count: counts.length, itemCounts: counts,
            relations: counts.map(function (c, i) { return { item: -1, menu: i }; })
        };
    }

    // Every item has a line of its own, so a count beyond the number of
    // parameters is damage and is cut there. Lazy items keep their line as
    // raw and are decoded by itemFields when first shown.
    function buildMenus(get, misc, lazy) {
        var menus = [];
        var items = [];
        // Most menus share their style values: each distinct value is read once.
        var looks = {}, states = {};
        for (var m = 0; m < misc.count; m++) {
            var count = Math.min(misc.itemCounts[m], get.size);
            var mstyle = get('MStyle-' + m), istyle = get('IStyle-' + m);
            var look = looks[mstyle] || (looks[mstyle] = decodeMenuStyle(mstyle));
            var menu = copyDefaults(look);
            menu.number = m;
            menu.states = states[istyle] || (states[istyle] = decodeItemStyles(istyle));
            menu.items = [];
            menu.parentItem = null;
            menu.depth = -1;
            for (var j = 0; j < count; j++) {
                var value = get('I' + m + '-' + j);
                var item = lazy ? { lazy: true, raw: value } : decodeItem(value);
                item.menu = m;
                item.index = j;
                item.globalIndex = items.length;
                item.subMenu = null;
                menu.items.push(item.globalIndex);
                items.push(item);
            }
            menus.push(menu);
        }
        return { menus: menus, items: items };
    }

    // Applies the relation list; a menu is attached once, and only below an
    // item of a smaller-numbered menu, so the result is always a tree.
    function linkMenus(tree, relations) {
        var attached = {};
        relations.forEach(function (r) {
            var menu = tree.menus[r.menu];
            if (!menu || attached[r.menu])
                return;
            if (r.item < 0) {
                attached[r.menu] = true;
                tree.roots.push(r.menu);
                return;
            }
            var item = tree.items[r.item];
            if (!item || item.subMenu !== null || item.menu >= r.menu)
                return;
            attached[r.menu] = true;
            item.subMenu = r.menu;
            menu.parentItem = r.item;
        });
    }

    // The deepest nesting drawn, as deep as the editor builds.
    var MAX_DEPTH = 1000;

    // Gives every menu in the tree its depth (without recursion); a branch
    // below the deepest level is cut off.
    function setDepths(tree) {
        var stack = tree.roots.map(function (r) { return [r, 0]; });
        while (stack.length) {
            var top = stack.pop();
            var menu = tree.menus[top[0]];
            menu.depth = top[1];
            menu.items.forEach(function (i) {
                var item = tree.items[i];
                if (item.subMenu === null)
                    return;
                if (top[1] + 1 > MAX_DEPTH) {
                    tree.menus[item.subMenu].parentItem = null;
                    item.subMenu = null;
                } else {
                    stack.push([item.subMenu, top[1] + 1]);
                }
            });
        }
    }

    /**
     * Decodes the applet's parameters (a plain object or a Map from parameter
     * name to value) into the menu tree:
     *   { applet, menus[number], items[globalIndex], roots[menu numbers] }
     * Items name their menu and sub-menu by number, menus their items by
     * global index and the item they open from as parentItem. With lazy set,
     * items keep their line as raw until itemFields decodes them, and
     * itemLink reads only their link.
     */
    function decode(params, lazy) {
        var get = paramLookup(params);
        var misc = decodeMisc(get('Misc')) || guessStructure(get);
        var tree = buildMenus(get, misc, !!lazy);
        tree.applet = decodeApStyle(get('ApStyle'));
        tree.notice = get('Notice') || '';
        tree.roots = [];
        linkMenus(tree, misc.relations);
        setDepths(tree);
        return tree;
    }

    // The fields of an item of a lazily decoded tree, decoded on first use.
    function itemFields(item) {
        if (item.lazy) {
            var fields = decodeItem(item.raw);
            Object.keys(fields).forEach(function (k) { item[k] = fields[k]; });
            item.lazy = false;
            item.raw = undefined;
        }
        return item;
    }

    // An item's link without decoding the rest: it is the line's last field.
    function itemLink(item) {
        if (!item.lazy)
            return item.link;
        var s = String(item.raw === undefined ? '' : item.raw);
        var at = -1;
        for (var k = 0; k < 8 && (at = s.indexOf(',', at + 1)) >= 0; k++)
            ;
        return at < 0 ? '' : decodeText(s.slice(at + 1).trim());
    }

    // Links that would run script or carry a page of their own are refused
    // (''): the item then shows as a plain item.
    function safeLink(link) {
        var s = String(link || '');
        var scheme = /^([a-z][a-z0-9+.-]*):/i.exec(s.replace(/[\u0000-\u0020]/g, ''));
        return scheme && /^(javascript|vbscript|data)$/i.test(scheme[1]) ? '' : s;
    }

    var TavelinParams = {
        decode: decode,
        decodeApStyle: decodeApStyle,
        decodeMenuStyle: decodeMenuStyle,
        decodeItemStyles: decodeItemStyles,
        decodeItem: decodeItem,
        decodeMisc: decodeMisc,
        decodeLabel: decodeLabel,
        decodeText: decodeText,
        itemFields: itemFields,
        itemLink: itemLink,
        safeLink: safeLink
    };

    /* ------------------------------------------------------------------
     * Sun audio (.au) decoding (pure): browsers do not play the format.
     * ------------------------------------------------------------------ */

    function muLawSample(byte) {
        var u = ~byte & 0xff;
        var t = (((u & 0x0f) << 3) + 0x84) << ((u & 0x70) >> 4);
        return ((u & 0x80) ? (0x84 - t) : (t - 0x84)) / 32768;
    }

    function aLawSample(byte) {
        var a = byte ^ 0x55;
        var t = (a & 0x0f) << 4;
        var seg = (a & 0x70) >> 4;
        if (seg === 0)
            t += 8;
        else if (seg === 1)
            t += 0x108;
        else
            t = (t + 0x108) << (seg - 1);
        return ((a & 0x80) ? t : -t) / 32768;
    }

    var AU_READERS = {
        1: { size: 1, read: function (v, o) { return muLawSample(v.getUint8(o)); } },
        2: { size: 1, read: function (v, o) { return v.getInt8(o) / 128; } },
        3: { size: 2, read: function (v, o) { return v.getInt16(o) / 32768; } },
        4: { size: 3, read: function (v, o) { return ((v.getInt8(o) << 16) | (v.getUint16(o + 1))) / 8388608; } },
        5: { size: 4, read: function (v, o) { return v.getInt32(o) / 2147483648; } },
        6: { size: 4, read: function (v, o) { return v.getFloat32(o); } },
        7: { size: 8, read: function (v, o) { return v.getFloat64(o); } },
        27: { size: 1, read: function (v, o) { return aLawSample(v.getUint8(o)); } }
    };

    /**
     * Decodes a Sun audio file (big-endian header ".snd"). Returns
     * { sampleRate, channels: [Float32Array per channel] } or null when the
     * bytes are not such a file or use an encoding not read here.
     */
    function decodeAu(buffer) {
        var view = new DataView(buffer);
        if (view.byteLength < 24 || view.getUint32(0) !== 0x2e736e64)
            return null;
        var offset = view.getUint32(4);
        var size = view.getUint32(8);
        var reader = AU_READERS[view.getUint32(12)];
        var rate = view.getUint32(16);
        var channels = view.getUint32(20);
        if (!reader || offset < 24 || offset > view.byteLength || rate < 1 || channels < 1 || channels > 32)
            return null;
        var available = view.byteLength - offset;
        if (size === 0xffffffff || size > available)
            size = available;
        var frames = Math.floor(size / (reader.size * channels));
        var data = [];
        for (var c = 0; c < channels; c++)
            data.push(new Float32Array(frames));
        for (var i = 0, o = offset; i < frames; i++)
            for (c = 0; c < channels; c++, o += reader.size)
                data[c][i] = reader.read(view, o);
        return { sampleRate: rate, channels: data };
    }

    var TavelinAudio = { decodeAu: decodeAu };

    /* ------------------------------------------------------------------
     * Looks: CSS text made from the decoded values (pure)
     * ------------------------------------------------------------------ */

    var FONT_FAMILIES = [
        '"Times New Roman", Times, "Liberation Serif", serif',
        'Helvetica, Arial, "Liberation Sans", sans-serif',
        '"Courier New", Courier, "Liberation Mono", monospace'
    ];

    // One rule a line; the exporter writes the very same lines.
    var STATIC_CSS = [
        '.tv-box{position:relative;display:inline-block;vertical-align:baseline;box-sizing:border-box;overflow:auto;text-align:start;line-height:normal;white-space:normal}',
        '.tv-nav{position:relative;display:flow-root}',
        '.tv-menu{list-style:none;margin:0;padding:0;position:relative;box-sizing:border-box}',
        '.tv-li{position:relative;list-style:none;margin:0;padding:0}',
        '.tv-item{position:relative;z-index:1;display:block;box-sizing:border-box;overflow:hidden;margin:0;padding:0;border:0 solid transparent;border-radius:0;text-decoration:none;text-align:start;cursor:pointer;-webkit-appearance:none;appearance:none;background-origin:border-box}',
        '.tv-item:focus-visible{outline:2px dashed currentColor;outline-offset:-4px}',
        '.tv-label{position:absolute;top:50%;inset-inline:0;transform:translateY(-50%);white-space:pre;overflow:hidden;text-overflow:ellipsis;line-height:1.15;pointer-events:none}',
        '.tv-img{position:absolute;top:50%;display:none;max-width:none;pointer-events:none;border:0}',
        '.tv-sub{display:flow-root;position:relative}',
        '.tv-sub[hidden]{display:none}',
        '.tv-js .tv-box:not([data-tavelin-ready]) .tv-sub{display:none}',
        '.tv-toggle{position:absolute;z-index:2;top:0;inset-inline-end:0;width:1px;height:1px;overflow:hidden;clip-path:inset(50%);margin:0;padding:0;border:0;background:none;font:inherit}',
        '.tv-toggle:focus-visible{width:auto;height:auto;clip-path:none;padding:0 4px;outline:2px dashed currentColor;outline-offset:-2px}',
        '.tv-toggle::before{content:"\\25B8"}',
        '[dir="rtl"] .tv-toggle::before{content:"\\25C2"}',
        '.tv-toggle[aria-expanded="true"]::before{content:"\\25BE"}',
        '.tv-item .tv-img-n{display:block}',
        '.tv-item:hover .tv-img-n,.tv-item:focus-visible .tv-img-n{display:none}',
        '.tv-item:hover .tv-img-o,.tv-item:focus-visible .tv-img-o{display:block}',
        '.tv-item.tv-sel .tv-img-n,.tv-item.tv-sel .tv-img-o,.tv-item:active .tv-img-n,.tv-item:active .tv-img-o{display:none}',
        '.tv-item.tv-sel .tv-img-c,.tv-item:active .tv-img-c{display:block}',
        '.tv-open>.tv-item .tv-img-n,.tv-open>.tv-item .tv-img-o,.tv-shut>.tv-item.tv-sel .tv-img-c,.tv-shut>.tv-item.tv-sel:hover .tv-img-n{display:none}',
        '.tv-open>.tv-item .tv-img-c,.tv-shut>.tv-item.tv-sel .tv-img-n{display:block}',
        '.tv-fluid{display:block;width:auto!important;height:auto!important;max-width:100%;overflow:visible}',
        '.tv-fluid .tv-menu{width:auto!important;margin-inline-start:0!important}',
        '.tv-fluid .tv-sub>.tv-menu{margin-inline-start:var(--tv-fluid-indent,16px)!important}',
        '.tv-fluid .tv-item{display:flex;align-items:center;gap:4px;width:auto!important;height:auto!important;min-height:44px;margin-block:0!important;padding:2px 8px}',
        '.tv-fluid .tv-label,.tv-fluid .tv-img{position:static;transform:none!important;white-space:pre-wrap;overflow-wrap:anywhere;text-overflow:clip}',
        '.tv-fluid .tv-li::before,.tv-fluid .tv-li::after{display:none}',
        '.tv-fluid .tv-li:has(>.tv-toggle)>.tv-item{padding-inline-end:48px}',
        '.tv-fluid .tv-toggle{top:0!important;width:44px;height:44px;clip-path:none;padding:0;text-align:center;line-height:44px!important;outline-offset:-4px}',
        '.tv-fluid button.tv-item[aria-expanded]::after{content:"\\25B8";margin-inline-start:auto;padding-inline-start:8px}',
        '.tv-fluid[dir="rtl"] button.tv-item[aria-expanded]::after,[dir="rtl"] .tv-fluid button.tv-item[aria-expanded]::after{content:"\\25C2"}',
        '.tv-fluid button.tv-item[aria-expanded="true"]::after{content:"\\25BE"}',
        '@media (prefers-reduced-motion:reduce){.tv-sub{transition:none!important;animation:none!important}}',
        '@media print{.tv-box{display:block;width:auto!important;height:auto!important;overflow:visible;background:none!important;border:0!important}.tv-sub[hidden]{display:block!important}.tv-toggle,.tv-img,.tv-li::before,.tv-li::after{display:none!important}.tv-menu{width:auto!important;margin-top:0!important;list-style:disc;padding-inline-start:1.5em;outline:0!important;background:none!important}.tv-li{list-style:inherit}.tv-item{display:list-item;width:auto!important;height:auto!important;background:none!important;color:#000!important;border:0!important;text-shadow:none!important}.tv-label{position:static;transform:none;white-space:pre-wrap}a.tv-item[href]::after{content:" <" attr(href) ">";font-size:smaller}}'
    ].join('\n') + '\n';

    function rgbOf(hex) {
        var n = parseInt(hex.slice(1), 16);
        return [(n >> 16) & 255, (n >> 8) & 255, n & 255];
    }

    function hexOf(rgb) {
        return '#' + rgb.map(function (c) { return ('0' + Math.round(c).toString(16)).slice(-2); }).join('');
    }

    // The colour part way (0..1) from a to b.
    function mix(a, b, part) {
        var x = rgbOf(a), y = rgbOf(b);
        return hexOf(x.map(function (c, i) { return c + (y[i] - c) * part; }));
    }

    function luminance(hex) {
        var c = rgbOf(hex).map(function (v) {
            var s = v / 255;
            return s <= 0.04045 ? s / 12.92 : Math.pow((s + 0.055) / 1.055, 2.4);
        });
        return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2];
    }

    function contrast(a, b) {
        var x = luminance(a), y = luminance(b);
        return (Math.max(x, y) + 0.05) / (Math.min(x, y) + 0.05);
    }

    // The text colour on a filled item: the look's own when it stands out
    // 4.5:1 from the background, else the nearest mix towards white or black
    // (first the side the text is on) that does.
    var READABLE = 4.5;

    function readableFont(state) {
        if (state.backStyle !== 1 || contrast(state.font, state.back) >= READABLE)
            return state.font;
        var sides = luminance(state.font) >= luminance(state.back) ? ['#ffffff', '#000000'] : ['#000000', '#ffffff'];
        for (var k = 1; k <= 10; k++) {
            for (var s = 0; s < 2; s++) {
                var c = mix(state.font, sides[s], k / 10);
                if (contrast(c, state.back) >= READABLE)
                    return c;
            }
        }
        return sides[0];
    }

    function isLight(hex) {
        var c = rgbOf(hex);
        return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2] > 140;
    }

    // Background styles: 0 transparent, 1 filled, 2..5 horizontal and 6..9
    // vertical gradients (from black, from white, to black, to white).
    function backgroundCss(style, color, bothWays) {
        if (style === 0)
            return 'transparent';
        if (style < 2 || style > 9)
            return color;
        var dir = style < 6 ? 'to right' : 'to bottom';
        var kind = (style - 2) % 4;
        var other = kind === 0 || kind === 2 ? '#000000' : '#ffffff';
        var from = kind < 2 ? other : color;
        var to = kind < 2 ? color : other;
        var stops = bothWays ? [from, to, from] : [from, to];
        return 'linear-gradient(' + dir + ',' + stops.join(',') + ')';
    }

    // A raised or sunken edge: light on the top and left, dark on the bottom
    // and right (the other way round when sunken).
    function bevelCss(width, base, sunken) {
        var light = mix(base, '#ffffff', 0.6), dark = mix(base, '#000000', 0.55);
        var tl = sunken ? dark : light, br = sunken ? light : dark;
        return 'border:' + width + 'px solid;border-color:' + tl + ' ' + br + ' ' + br + ' ' + tl + ';';
    }

    function itemBorderCss(state, thick) {
        if (state.border === 1 || state.border === 2)
            return bevelCss(Math.max(1, thick), state.back, state.border === 2);
        return thick > 0 ? 'border:' + thick + 'px solid ' + state.font + ';' : 'border:0;';
    }

    function fontEffectCss(effect, font) {
        var contrast = isLight(font) ? '#000000' : '#ffffff';
        switch (effect) {
        case 1: return 'text-shadow:-1px -1px 0 ' + contrast + ',1px -1px 0 ' + contrast + ',-1px 1px 0 ' +
            contrast + ',1px 1px 0 ' + contrast + ';';
        case 2: return 'text-shadow:-1px -1px 0 rgba(0,0,0,.75),1px 1px 0 rgba(255,255,255,.6);';
        case 3: return 'text-shadow:1px 1px 0 rgba(0,0,0,.75),-1px -1px 0 rgba(255,255,255,.6);';
        case 4: return 'text-shadow:2px 2px 2px rgba(0,0,0,.7);';
        default: return 'text-shadow:none;';
        }
    }

    // Colours an author can override: --tv-back, --tv-font for the normal
    // look, --tv-over-back ... for mouse over, --tv-click-back ... clicked.
    var STATE_VARS = ['--tv-', '--tv-over-', '--tv-click-'];

    function colorVar(name, hex) {
        return 'var(' + name + ',' + hex + ')';
    }

    function itemCss(state, thick, s) {
        var v = STATE_VARS[s];
        return 'background:' + backgroundCss(state.backStyle, colorVar(v + 'back', state.back), state.gradientDir === 1) + ';' +
            'color:' + colorVar(v + 'font', readableFont(state)) + ';' + itemBorderCss(state, thick) +
            'font-family:' + (FONT_FAMILIES[state.fontName] || FONT_FAMILIES[0]) + ';' +
            'font-size:' + Math.max(1, state.fontSize) + 'px;' +
            'font-weight:' + (state.fontStyle === 1 ? 'bold' : 'normal') + ';' +
            'font-style:' + (state.fontStyle === 2 ? 'italic' : 'normal') + ';' +
            fontEffectCss(state.fontEffect, state.font);
    }

    function labelCss(state) {
        var off = state.textOffset;
        if (state.textAlign === 1)
            return 'text-align:center;inset-inline-start:' + off + 'px;inset-inline-end:' + (-off) + 'px;';
        if (state.textAlign === 2)
            return 'text-align:end;inset-inline-start:0;inset-inline-end:' + off + 'px;';
        return 'text-align:start;inset-inline-start:' + off + 'px;inset-inline-end:0;';
    }

    function imageCss(state) {
        var off = state.imageOffset;
        if (state.imageAlign === 1)
            return 'inset-inline-start:' + off + 'px;inset-inline-end:' + (-off) + 'px;margin-inline:auto;transform:translateY(-50%);';
        if (state.imageAlign === 2)
            return 'inset-inline-start:auto;inset-inline-end:' + off + 'px;margin-inline:0;transform:translateY(-50%);';
        return 'inset-inline-start:' + off + 'px;inset-inline-end:auto;margin-inline:0;transform:translateY(-50%);';
    }

    // Selectors of the three states of a menu's own items.
    function stateSelectors(menuSel) {
        var item = menuSel + '>.tv-li>.tv-item';
        return [
            [item],
            [item + ':hover', item + ':focus-visible'],
            [item + '.tv-sel', item + ':active']
        ];
    }

    function rule(selectors, body) {
        return selectors.join(',') + '{' + body + '}';
    }

    function descendants(selectors, tail) {
        return selectors.map(function (s) { return s + tail; });
    }

    function menuBoxCss(menu) {
        var css = 'margin-inline-start:' + menu.indent + 'px;width:' + Math.max(0, menu.itemWidth) + 'px;' +
            'margin-top:' + menu.startY + 'px;';
        if (menu.filled)
            css += 'background:' + menu.background + ';';
        if (menu.bordered)
            css += 'outline:1px solid ' + (menu.filled ? mix(menu.background, '#000000', 0.45) : menu.background) + ';';
        return css;
    }

    // Items less than 24 px tall get this much room above and below, so that
    // every target has a 24 px circle of its own (the spacing that WCAG's
    // target size asks for); their drawn size stays as designed.
    var TARGET_SIZE = 24;

    function targetPad(height) {
        height = Math.max(0, height);
        return height >= TARGET_SIZE ? 0 : Math.ceil((TARGET_SIZE - height) / 2);
    }

    function treeLineCss(menuSel, menu, applet) {
        var t = Math.max(1, applet.lineThick);
        var x = applet.lineIndent - menu.indent;
        var pad = targetPad(menu.itemHeight);
        var mid = Math.round(menu.itemHeight / 2 - t / 2) + pad;
        var li = menuSel + '>.tv-li';
        var line = 'content:"";position:absolute;z-index:0;background:' + colorVar('--tv-line', applet.lineColor) + ';';
        var out = '';
        if (menu.indent > applet.lineIndent)
            out += rule([li + '::before'], line + 'inset-inline-start:' + x + 'px;width:' + (menu.indent - applet.lineIndent) +
                'px;top:' + mid + 'px;height:' + t + 'px;');
        out += rule([li + '::after'], line + 'inset-inline-start:' + x + 'px;width:' + t + 'px;top:' + (-menu.itemGap) +
            'px;bottom:0;');
        out += rule([li + ':first-child::after'], 'top:0;');
        out += rule([li + ':last-child::after'], 'bottom:auto;height:' + (menu.itemGap + mid + t) + 'px;');
        out += rule([li + ':first-child:last-child::after'], 'height:' + (mid + t) + 'px;');
        return out;
    }

    // The rules of a menu's looks; sel stands for the menu's list.
    function menuCss(sel, menu, applet) {
        var states = stateSelectors(sel);
        var out = rule([sel], menuBoxCss(menu));
        out += rule([sel + '>.tv-li+.tv-li'], 'margin-top:' + menu.itemGap + 'px;');
        var pad = targetPad(menu.itemHeight);
        if (pad > 0)
            out += rule([sel + '>.tv-li'], 'display:flow-root;');
        out += rule([sel + '>.tv-li>.tv-item'], 'width:' + Math.max(0, menu.itemWidth) + 'px;height:' +
            Math.max(0, menu.itemHeight) + 'px;' + (pad > 0 ? 'margin-block:' + pad + 'px;' : ''));
        out += rule([sel + '>.tv-li>.tv-toggle'], 'color:' + readableFont(menu.states[1]) + ';background:' +
            menu.states[1].back + ';line-height:' + Math.max(0, menu.itemHeight) + 'px;' + (pad > 0 ? 'top:' + pad + 'px;' : ''));
        menu.states.forEach(function (state, s) {
            out += rule(states[s], itemCss(state, menu.borderThick, s));
            out += rule(descendants(states[s], ' .tv-label'), labelCss(state));
            out += rule(descendants(states[s], ' .tv-img'), imageCss(state));
        });
        if (applet.hasLines)
            out += treeLineCss(sel, menu, applet);
        return out;
    }

    function appletBackgroundCss(applet, imageUrl) {
        var layers = [];
        if (imageUrl) {
            var url = 'url("' + imageUrl.replace(/["\\\n\r]/g, encodeURIComponent) + '")';
            layers.push(applet.imageMode === 1 ? url + ' 0 0 repeat'
                : url + ' ' + applet.imageX + 'px ' + applet.imageY + 'px no-repeat');
        }
        var back = backgroundCss(applet.backStyle === 1 ? 1 : applet.backStyle, applet.background,
            applet.gradientDir === 1);
        if (back.indexOf('gradient') >= 0)
            layers.push(back);
        return 'background:' + (layers.length ? layers.join(',') + ' ' : '') + colorVar('--tv-box-back', applet.background) + ';';
    }

    function appletBorderCss(applet) {
        if (applet.border === 1 || applet.border === 2)
            return bevelCss(2, applet.background, applet.border === 2);
        return 'border:0;';
    }

    // Everything of a menu its rules are made from.
    function lookKey(menu) {
        return JSON.stringify([menu.background, menu.filled, menu.bordered, menu.indent, menu.startY, menu.itemWidth,
            menu.itemHeight, menu.itemGap, menu.borderThick, menu.states]);
    }

    /**
     * The CSS of one menu box: scope is its id selector ("#tv1"), width and
     * height its size, imageUrl the resolved background image (or '').
     * Menus that look alike share one set of rules: each drawn menu gets
     * styleClass k, and its list the class "tv-k" + k.
     */
    function boxCss(scope, tree, size, imageUrl) {
        var a = tree.applet;
        var out = rule([scope], 'width:' + size.width + 'px;height:' + size.height + 'px;' +
            appletBackgroundCss(a, imageUrl) + appletBorderCss(a));
        var classes = {};
        var count = 0;
        tree.menus.forEach(function (menu) {
            if (menu.depth < 0)
                return;
            var key = lookKey(menu);
            var k = classes[key];
            if (k === undefined) {
                k = classes[key] = count++;
                out += menuCss(scope + ' .tv-k' + k, menu, a);
            }
            menu.styleClass = k;
        });
        return out;
    }

    var TavelinCss = { boxCss: boxCss, staticCss: STATIC_CSS, backgroundCss: backgroundCss, mix: mix, targetPad: targetPad,
        contrast: contrast, readableFont: readableFont };

    /* ------------------------------------------------------------------
     * Node: only the pure parts.
     * ------------------------------------------------------------------ */

    var exported = {
        TavelinParams: TavelinParams, TavelinAudio: TavelinAudio, TavelinCss: TavelinCss, decode: decode
    };
    if (typeof module === 'object' && module && module.exports)
        module.exports = exported;
    if (!global || !global.document) {
        return;
    }
    global.TavelinParams = TavelinParams;
    global.TavelinAudio = TavelinAudio;
    global.TavelinCss = TavelinCss;

    /* ------------------------------------------------------------------
     * Browser: markup
     * ------------------------------------------------------------------ */

    var doc = global.document;
    var boxCount = 0;

    function el(tag, className, attrs) {
        var e = doc.createElement(tag);
        if (className)
            e.className = className;
        Object.keys(attrs || {}).forEach(function (k) {
            if (attrs[k] !== undefined && attrs[k] !== null && attrs[k] !== '')
                e.setAttribute(k, attrs[k]);
        });
        return e;
    }

    // The same markup the exporter writes: a link, or a plain text that the
    // behaviour below turns into a button; the state images; the label.
    // A bare file name as a page-relative address (commas, line breaks and
    // "%" in names included).
    function fileUrl(name) {
        return name ? encodeURIComponent(name) : '';
    }

    function itemElement(item) {
        var attrs = { title: item.description, 'data-over-audio': fileUrl(item.overAudio),
            'data-click-audio': fileUrl(item.clickAudio) };
        var link = safeLink(item.link);
        if (link !== '') {
            attrs.href = link;
            attrs.target = item.target === '_self' ? '' : item.target;
        }
        var e = el(link !== '' ? 'a' : 'span', 'tv-item', attrs);
        ['n', 'o', 'c'].forEach(function (state, s) {
            var src = item.images[s] || item.images[0];   // no image of its own: the normal one
            if (src) {
                var img = el('img', 'tv-img tv-img-' + state, { src: fileUrl(src) });
                img.setAttribute('alt', '');
                e.appendChild(img);
            }
        });
        var label = el('span', 'tv-label');
        label.textContent = item.label;
        e.appendChild(label);
        return e;
    }

    // A menu's list; the lists of its sub-menus are made when they first
    // open (fillSub), so that a large menu is ready at once.
    function menuList(tree, number, prefix) {
        var menu = tree.menus[number];
        var ul = el('ul', 'tv-menu tv-m' + number + ' tv-k' + menu.styleClass, { id: prefix + '-m' + number });
        menu.items.forEach(function (index) {
            var item = itemFields(tree.items[index]);
            var li = el('li', 'tv-li');
            li.setAttribute('data-tv-i', String(index));
            li.appendChild(itemElement(item));
            if (item.subMenu !== null) {
                var sub = el('div', 'tv-sub', { id: prefix + '-s' + item.subMenu });
                sub.hidden = true;
                sub.tvPending = { tree: tree, number: item.subMenu, prefix: prefix };
                li.appendChild(sub);
            }
            ul.appendChild(li);
        });
        return ul;
    }

    // Upgrades the items of an exported sub-menu when it first opens.
    function upgradeSub(sub) {
        if (sub.tvUpgraded)
            return;
        sub.tvUpgraded = true;
        Array.prototype.forEach.call(sub.querySelectorAll(':scope > .tv-menu > .tv-li'), function (li, k) {
            upgradeItem(li, k + 1);
        });
    }

    function fillSub(sub) {
        var pending = sub.tvPending;
        if (!pending) {
            upgradeSub(sub);
            return;
        }
        sub.tvPending = null;
        var ul = menuList(pending.tree, pending.number, pending.prefix);
        Array.prototype.forEach.call(ul.children, function (li) {
            upgradeItem(li, Number(li.getAttribute('data-tv-i')) + 1);
        });
        sub.appendChild(ul);
        sub.tvUpgraded = true;
    }

    function optionAttributes(tree) {
        var a = tree.applet;
        return {
            'data-open-speed': String(a.openSpeed), 'data-close-speed': String(a.closeSpeed),
            'data-show-selection': String(a.showSelection), 'data-show-all': String(a.showAllBranches),
            'data-back-audio': fileUrl(a.backAudio)
        };
    }

    function ensureStaticCss() {
        if (doc.getElementById('tavelin-static-css'))
            return;
        var style = el('style', '', { id: 'tavelin-static-css' });
        style.textContent = STATIC_CSS;
        (doc.head || doc.documentElement).appendChild(style);
    }

    // The applet's parameters as a Map from name to value. On a page of
    // 10,000 items reading them is most of the work before the menu shows,
    // so the lines are read from one serialisation of the applet when every
    // one of them has the writer's form; otherwise element by element.
    var PARAM_LINE = /<param name="([^"]*)" value="([^"]*)">/g;
    var ENTITIES = { '&amp;': '&', '&quot;': '"', '&nbsp;': '\u00a0', '&lt;': '<', '&gt;': '>' };

    function attributeText(s) {
        return s.indexOf('&') < 0 ? s : s.replace(/&(amp|quot|nbsp|lt|gt);/g, function (e) { return ENTITIES[e]; });
    }

    function readParams(applet) {
        var list = applet.getElementsByTagName('param');
        var params = new Map();
        var html = list.length > 0 ? applet.innerHTML : '';
        var found = 0;
        PARAM_LINE.lastIndex = 0;
        for (var m = PARAM_LINE.exec(html); m; m = PARAM_LINE.exec(html), found++)
            params.set(attributeText(m[1]), attributeText(m[2]));
        if (found === list.length)
            return params;
        params = new Map();
        for (var i = 0, n = list.length; i < n; i++) {
            var name = list[i].getAttribute('name');
            if (name !== null)
                params.set(name, list[i].getAttribute('value') || '');
        }
        return params;
    }

    function appletSize(applet) {
        var size = function (name, fallback) {
            var n = parseInt(applet.getAttribute(name), 10);
            return isFinite(n) && n >= 0 ? n : fallback;
        };
        return { width: size('width', 400), height: size('height', 200) };
    }

    // Replaces an applet element by the menu box it describes.
    function replaceApplet(applet) {
        var tree = decode(readParams(applet), true);
        var prefix = 'tv' + (++boxCount);
        while (doc.getElementById(prefix))
            prefix = 'tv' + (++boxCount);
        var attrs = optionAttributes(tree);
        attrs.id = prefix;
        attrs['data-tavelin'] = 'applet';
        attrs['data-breakpoint'] = applet.getAttribute('data-breakpoint');
        var box = el('div', 'tv-box', attrs);
        var title = doc.title || 'Menu';
        var nav = el('nav', 'tv-nav', { 'aria-label': title });
        var style = el('style', '', { 'data-tavelin-for': prefix });
        var image = resolveMedia(fileUrl(tree.applet.backImage));
        style.textContent = boxCss('#' + prefix, tree, appletSize(applet), image);
        tree.roots.forEach(function (r) { nav.appendChild(menuList(tree, r, prefix)); });
        box.appendChild(nav);
        box.tvTree = tree;
        ensureStaticCss();
        applet.parentNode.insertBefore(style, applet);
        applet.parentNode.replaceChild(box, applet);
        return box;
    }

    function isMenuApplet(applet) {
        var code = (applet.getAttribute('code') || '').trim();
        return /(^|\/)tavelin(\.class)?$/i.test(code);
    }

    /* ------------------------------------------------------------------
     * Browser: sound through Web Audio
     * ------------------------------------------------------------------ */

    var sound = {
        context: null,
        buffers: {},
        pendingBackground: [],
        played: [],       // what was started, for tests and curious authors

        // Browsers let a page make sound only after the user did something.
        unlock: function () {
            var Ctx = global.AudioContext || global.webkitAudioContext;
            if (!Ctx)
                return;
            if (!sound.context) {
                try { sound.context = new Ctx(); } catch (e) { return; }
            }
            if (sound.context.state === 'suspended')
                sound.context.resume();
            var waiting = sound.pendingBackground;
            sound.pendingBackground = [];
            waiting.forEach(function (url) { sound.play(url); });
        },

        load: function (url) {
            if (!sound.buffers[url]) {
                sound.buffers[url] = global.fetch(url).then(function (r) {
                    if (!r.ok)
                        throw new Error('HTTP ' + r.status);
                    return r.arrayBuffer();
                }).then(function (bytes) {
                    var au = decodeAu(bytes);
                    if (!au)
                        return sound.context.decodeAudioData(bytes);
                    var frames = au.channels[0].length;
                    var buffer = sound.context.createBuffer(au.channels.length, Math.max(1, frames), au.sampleRate);
                    au.channels.forEach(function (data, c) { buffer.getChannelData(c).set(data); });
                    return buffer;
                });
                sound.buffers[url].catch(function () { /* a sound that cannot load stays silent */ });
            }
            return sound.buffers[url];
        },

        play: function (url) {
            var ctx = sound.context;
            if (!url || !ctx || ctx.state === 'closed')
                return;
            var ready = ctx.state === 'running' ? Promise.resolve() : ctx.resume();
            ready.then(function () {
                if (ctx.state !== 'running')
                    return null;
                return sound.load(url).then(function (buffer) {
                    var source = ctx.createBufferSource();
                    source.buffer = buffer;
                    source.connect(ctx.destination);
                    source.start();
                    sound.played.push(url);
                });
            }).catch(function () { /* no sound is no failure */ });
        }
    };

    function resolveMedia(name) {
        try {
            return name ? new URL(name, doc.baseURI).href : '';
        } catch (e) {
            return '';
        }
    }

    /* ------------------------------------------------------------------
     * Browser: behaviour (sliding, selection, keyboard, current page)
     * ------------------------------------------------------------------ */

    function reducedMotion() {
        return !!(global.matchMedia && global.matchMedia('(prefers-reduced-motion: reduce)').matches);
    }

    function readOptions(box) {
        var num = function (name, fallback) {
            var n = parseInt(box.getAttribute(name), 10);
            return isFinite(n) ? n : fallback;
        };
        return {
            openSpeed: Math.max(0, Math.min(50, num('data-open-speed', 5))),
            closeSpeed: Math.max(0, Math.min(50, num('data-close-speed', 5))),
            showSelection: num('data-show-selection', 1) !== 0,
            showAll: num('data-show-all', 0) !== 0,
            backAudio: box.getAttribute('data-back-audio') || '',
            breakpoint: num('data-breakpoint', 0)
        };
    }

    // The element of an item, the wrapper of its sub-menu (or null) and the
    // button that opens it (the item itself, or an extra toggle for links).
    function parts(li) {
        var item = null, sub = null, toggle = null;
        Array.prototype.forEach.call(li.children, function (c) {
            if (c.classList.contains('tv-item'))
                item = c;
            else if (c.classList.contains('tv-sub'))
                sub = c;
            else if (c.classList.contains('tv-toggle'))
                toggle = c;
        });
        return { li: li, item: item, sub: sub, toggle: toggle };
    }

    function liOf(node) {
        return node && node.closest ? node.closest('.tv-li') : null;
    }

    // Items without a link (or with a refused one) become buttons; links
    // that open a sub-menu get a toggle button of their own (shown on
    // keyboard focus, and always on narrow screens).
    function upgradeItem(li, number) {
        var p = parts(li);
        if (!p.item)
            return;
        var tag = p.item.tagName.toLowerCase();
        if (tag === 'a' && p.item.hasAttribute('href') && safeLink(p.item.getAttribute('href')) === '')
            tag = 'span';
        if (tag !== 'a' && tag !== 'button') {
            var button = el('button', p.item.className, { type: 'button' });
            Array.prototype.forEach.call(p.item.attributes, function (a) {
                if (a.name !== 'class' && a.name !== 'href' && a.name !== 'target')
                    button.setAttribute(a.name, a.value);
            });
            while (p.item.firstChild)
                button.appendChild(p.item.firstChild);
            li.replaceChild(button, p.item);
            p.item = button;
        }
        var label = p.item.querySelector('.tv-label');
        if (label && label.textContent.trim() === '' && !p.item.getAttribute('aria-label'))
            p.item.setAttribute('aria-label', p.item.title || p.item.getAttribute('href') || 'item ' + number);
        if (!p.sub)
            return;
        if (!p.sub.id)
            p.sub.id = 'tv-sub-' + (++boxCount) + '-' + number;
        var control = p.item;
        if (p.item.tagName.toLowerCase() === 'a') {
            control = el('button', 'tv-toggle', { type: 'button' });
            var text = label ? label.textContent.replace(/\s+/g, ' ').trim() : '';
            control.setAttribute('aria-label', (text || 'item ' + number) + ': sub-menu');
            li.insertBefore(control, p.sub);
        }
        control.setAttribute('aria-expanded', 'false');
        control.setAttribute('aria-controls', p.sub.id);
        li.classList.add('tv-shut');
        p.sub.hidden = true;
    }

    function Menu(box) {
        this.box = box;
        this.options = readOptions(box);
        this.selected = null;
        this.pointer = '';
    }

    Menu.prototype.items = function () {
        return Array.prototype.filter.call(this.box.querySelectorAll('.tv-item'), function (item) {
            return !item.closest('.tv-sub[hidden]');
        });
    };

    Menu.prototype.control = function (li) {
        var p = parts(li);
        return p.toggle || (p.sub ? p.item : null);
    };

    Menu.prototype.isOpen = function (li) {
        var p = parts(li);
        return !!p.sub && !p.sub.hidden && p.sub.getAttribute('data-closing') === null;
    };

    // Slides a sub-menu open or shut over speed * 20 ms (0 and reduced
    // motion: at once).
    Menu.prototype.slide = function (sub, open, speed, whenShut) {
        var ms = reducedMotion() ? 0 : speed * 20;
        var from = sub.hidden ? 0 : sub.getBoundingClientRect().height;
        if (sub.tvAnimation) {
            sub.tvAnimation.onfinish = null;
            sub.tvAnimation.cancel();
            sub.tvAnimation = null;
        }
        sub.hidden = false;
        sub.style.height = '';
        sub.removeAttribute('data-closing');
        var full = sub.getBoundingClientRect().height;
        var to = open ? full : 0;
        var finish = function () {
            sub.tvAnimation = null;
            sub.style.height = '';
            sub.style.clipPath = '';
            sub.removeAttribute('data-closing');
            if (!open) {
                sub.hidden = true;
                if (whenShut)
                    whenShut();
            }
        };
        if (!open)
            sub.setAttribute('data-closing', '');
        if (ms <= 0 || !sub.animate || from === to) {
            finish();
            return;
        }
        sub.style.clipPath = 'inset(0 -100000px 0 -100000px)';
        sub.style.height = to + 'px';
        var duration = full > 0 ? ms * Math.abs(to - from) / full : ms;
        sub.tvAnimation = sub.animate([{ height: from + 'px' }, { height: to + 'px' }],
            { duration: Math.max(1, duration), easing: 'ease-out' });
        sub.tvAnimation.onfinish = finish;
    };

    Menu.prototype.setOpen = function (li, open, instant) {
        var p = parts(li);
        var control = this.control(li);
        if (!p.sub || !control || this.isOpen(li) === open)
            return;
        var self = this;
        if (open)
            fillSub(p.sub);
        control.setAttribute('aria-expanded', open ? 'true' : 'false');
        li.classList.toggle('tv-open', open);
        li.classList.toggle('tv-shut', !open);
        this.slide(p.sub, open, instant ? 0 : (open ? this.options.openSpeed : this.options.closeSpeed),
            function () { self.closeWithin(p.sub); });
    };

    // Closes every open branch inside a branch that has just shut.
    Menu.prototype.closeWithin = function (container) {
        var self = this;
        Array.prototype.forEach.call(container.querySelectorAll('.tv-open'), function (li) {
            if (self.isOpen(li))
                self.setOpen(li, false, true);
        });
    };

    // Opens li's branch; unless all branches may stay open, every open
    // branch that is not on the way to li closes.
    Menu.prototype.open = function (li, instant) {
        if (!this.options.showAll) {
            var self = this;
            Array.prototype.forEach.call(this.box.querySelectorAll('.tv-open'), function (other) {
                if (other !== li && !other.contains(li) && self.isOpen(other) && !liInsideClosing(other))
                    self.setOpen(other, false, instant);
            });
        }
        this.setOpen(li, true, instant);
    };

    function liInsideClosing(li) {
        var sub = li.parentNode && li.parentNode.closest ? li.parentNode.closest('.tv-sub') : null;
        return !!sub && (sub.hidden || sub.getAttribute('data-closing') !== null);
    }

    Menu.prototype.toggle = function (li) {
        if (this.isOpen(li))
            this.setOpen(li, false);
        else
            this.open(li);
    };

    Menu.prototype.select = function (item) {
        if (!this.options.showSelection)
            return;
        if (this.selected && this.selected !== item)
            this.selected.classList.remove('tv-sel');
        this.selected = item;
        item.classList.add('tv-sel');
    };

    // A link that would replace this page (its own frame, the parent or the
    // whole window) takes the menu with it.
    function replacesPage(link) {
        var target = (link.getAttribute('target') || '').toLowerCase();
        return target === '' || target === '_self' || target === '_top' || target === '_parent';
    }

    function plainClick(event) {
        return !(event.ctrlKey || event.metaKey || event.shiftKey || event.altKey || event.button > 0);
    }

    Menu.prototype.fluid = function () {
        return this.box.classList.contains('tv-fluid');
    };

    Menu.prototype.onItemClick = function (li, event, fromToggle) {
        var p = parts(li);
        if (!plainClick(event))
            return;
        sound.unlock();
        sound.play(resolveMedia(p.item.getAttribute('data-click-audio')));
        if (!fromToggle)
            this.select(p.item);
        if (!p.sub)
            return;
        li.tvOpener = fromToggle ? p.toggle : p.item;
        if (!p.toggle || fromToggle) {
            this.toggle(li);
            return;
        }
        // A link that opens a branch. On a narrow screen its toggle shows
        // and the link is only a link. Otherwise, tapped or clicked while its
        // branch is shut and the page would go away, it opens the branch; a
        // second tap shuts it, a second click follows the link. Enter from
        // the keyboard always follows it, and the branch opens beside it.
        var tapOrClick = event.detail > 0;
        if (this.fluid() && tapOrClick)
            return;
        if (replacesPage(p.item) && tapOrClick && !this.isOpen(li)) {
            event.preventDefault();
            this.open(li);
        } else if (replacesPage(p.item) && tapOrClick && this.pointer === 'touch') {
            event.preventDefault();
            this.setOpen(li, false);
        } else if (!replacesPage(p.item)) {
            this.toggle(li);
        } else {
            this.open(li);
        }
    };

    Menu.prototype.focusItem = function (item) {
        if (item) {
            item.focus();
            if (item.scrollIntoView)
                item.scrollIntoView({ block: 'nearest' });
        }
    };

    Menu.prototype.parentLi = function (li) {
        var sub = li.parentNode ? li.parentNode.closest('.tv-sub') : null;
        return sub ? liOf(sub) : null;
    };

    Menu.prototype.onKey = function (event) {
        var li = liOf(event.target);
        if (!li || !this.box.contains(li))
            return;
        var p = parts(li);
        var list = this.items();
        var at = list.indexOf(p.item);
        var key = event.key;
        var done = true;
        if (key === 'ArrowDown')
            this.focusItem(list[Math.min(list.length - 1, at + 1)]);
        else if (key === 'ArrowUp')
            this.focusItem(list[Math.max(0, at - 1)]);
        else if (key === 'Home')
            this.focusItem(list[0]);
        else if (key === 'End')
            this.focusItem(list[list.length - 1]);
        else if (key === 'ArrowRight' && p.sub)
            this.isOpen(li) ? this.focusItem(this.items()[at + 1]) : this.openFrom(li, event.target);
        else if (key === 'ArrowLeft' || key === 'Escape')
            done = this.onBack(li, key === 'Escape', event.target);
        else if (key === ' ' && event.target === p.item && p.item.tagName.toLowerCase() === 'a')
            p.sub ? this.toggleFrom(li, event.target) : null;   // Space never follows a link
        else
            done = false;
        if (done)
            event.preventDefault();
    };

    // Left arrow and Escape: close the item's own open branch, else close
    // the branch the item is in and go back to the control that opened it.
    Menu.prototype.onBack = function (li, escape, from) {
        if (this.isOpen(li)) {
            this.setOpen(li, false);
            if (escape)
                this.focusItem(from === parts(li).toggle ? from : parts(li).item);
            return true;
        }
        var parent = this.parentLi(li);
        if (!parent)
            return false;
        this.setOpen(parent, false);
        var opener = parent.tvOpener;
        this.focusItem(escape && opener && parent.contains(opener) ? opener : parts(parent).item);
        return true;
    };

    // Opening from the keyboard remembers the control used, for Escape.
    Menu.prototype.openFrom = function (li, control) {
        li.tvOpener = control;
        this.open(li);
    };

    Menu.prototype.toggleFrom = function (li, control) {
        li.tvOpener = control;
        this.toggle(li);
    };

    // The address of a page without its fragment, and without the index
    // file of a folder ("/docs/index.htm" is "/docs/").
    function pageKey(url) {
        return url.origin + url.pathname.replace(/\/(index|default)\.(html?|php|asp)$/i, '/');
    }

    function lastSegment(path) {
        return path.replace(/[?#].*$/, '').replace(/^.*\//, '').toLowerCase();
    }

    var INDEX_FILE = /^((index|default)\.(html?|php|asp))?$/i;

    // A test whether a link leads to the page being shown. Links whose file
    // name cannot match are passed over without parsing them as addresses.
    function samePageTest() {
        var here;
        try {
            here = new URL(global.location.href);
        } catch (e) {
            return function () { return false; };
        }
        var key = pageKey(here);
        var name = lastSegment(here.pathname);
        var base = doc.baseURI;
        return function (href) {
            var file = lastSegment(href);
            if (file !== name && !INDEX_FILE.test(file) && !(INDEX_FILE.test(name) && file === ''))
                return false;
            try {
                var a = new URL(href, base);
                if (!/^(https?|file):$/.test(a.protocol) || pageKey(a) !== key)
                    return false;
                return a.search === '' || a.search === here.search;
            } catch (e) {
                return false;
            }
        };
    }

    // The global index of the first item of the tree whose link is the page
    // being shown, or -1.
    function currentInTree(tree) {
        var samePage = samePageTest();
        for (var i = 0; i < tree.items.length; i++) {
            var link = itemLink(tree.items[i]);
            if (link && samePage(link) && safeLink(link) && tree.menus[tree.items[i].menu].depth >= 0)
                return i;
        }
        return -1;
    }

    // The item that links to the page being shown is marked as the current
    // page, its branch is opened and it keeps the clicked look.
    Menu.prototype.markCurrent = function () {
        var tree = this.box.tvTree;
        var current = null;
        if (tree) {
            var index = currentInTree(tree);
            if (index < 0)
                return;
            var chain = [];
            for (var m = tree.items[index].menu; tree.menus[m].parentItem !== null; m = tree.items[tree.menus[m].parentItem].menu)
                chain.unshift(tree.menus[m].parentItem);
            for (var k = 0; k < chain.length; k++)
                this.setOpen(this.box.querySelector('.tv-li[data-tv-i="' + chain[k] + '"]'), true, true);
            current = parts(this.box.querySelector('.tv-li[data-tv-i="' + index + '"]')).item;
        } else {
            var samePage = samePageTest();
            current = Array.prototype.filter.call(this.box.querySelectorAll('a.tv-item[href]'), function (a) {
                return samePage(a.getAttribute('href'));
            })[0];
            if (!current)
                return;
            var above = [];
            for (var li = this.parentLi(liOf(current)); li; li = this.parentLi(li))
                above.unshift(li);
            for (var j = 0; j < above.length; j++)
                this.setOpen(above[j], true, true);
            current = parts(liOf(current)).item;   // as upgraded
        }
        current.setAttribute('aria-current', 'page');
        this.select(current);
    };

    // One set of listeners on the box serves every item, made or still to
    // be made.
    Menu.prototype.wire = function () {
        var self = this;
        var box = this.box;
        box.addEventListener('click', function (e) {
            var hit = e.target.closest ? e.target.closest('.tv-item, .tv-toggle') : null;
            var li = liOf(hit);
            if (hit && li && box.contains(li))
                self.onItemClick(li, e, hit.classList.contains('tv-toggle'));
        });
        box.addEventListener('pointerdown', function (e) { self.pointer = e.pointerType; }, true);
        box.addEventListener('pointerover', function (e) {
            var item = e.target.closest ? e.target.closest('.tv-item') : null;
            if (item && !(e.relatedTarget && item.contains(e.relatedTarget)))
                sound.play(resolveMedia(item.getAttribute('data-over-audio')));
        });
        box.addEventListener('keydown', function (e) { self.onKey(e); });
        if (this.options.backAudio)
            sound.pendingBackground.push(resolveMedia(this.options.backAudio));
    };

    // Below the breakpoint (the box's data-breakpoint, else the custom
    // property --tv-breakpoint, else 640 CSS pixels) the menu fills the width,
    // labels wrap and every target is at least 44 pixels tall.
    Menu.prototype.breakpoint = function () {
        if (this.options.breakpoint > 0)
            return this.options.breakpoint;
        if (this.cssBreakpoint === undefined) {
            var v = global.getComputedStyle ? parseFloat(global.getComputedStyle(this.box).getPropertyValue('--tv-breakpoint')) : NaN;
            this.cssBreakpoint = isFinite(v) && v > 0 ? v : 640;
        }
        return this.cssBreakpoint;
    };

    Menu.prototype.fit = function () {
        var width = doc.documentElement.clientWidth || global.innerWidth || 0;
        this.box.classList.toggle('tv-fluid', width > 0 && width < this.breakpoint());
    };

    var menus = [];

    function fitAll() {
        menus.forEach(function (m) { m.fit(); });
    }

    // Every sub-menu made at once, for a page that is inspected as a whole
    // rather than visited (the editor's preview sets TavelinEagerBuild).
    function fillAll(box) {
        var pending = function (sub) { return sub.tvPending; };
        var subs;
        while ((subs = Array.prototype.filter.call(box.querySelectorAll('.tv-sub'), pending)).length)
            subs.forEach(fillSub);
    }

    function enhance(box) {
        if (box.getAttribute('data-tavelin-ready') !== null)
            return null;
        box.setAttribute('data-tavelin-ready', '');
        var n = 0;
        Array.prototype.forEach.call(box.querySelectorAll('.tv-nav > .tv-menu > .tv-li'), function (li) {
            upgradeItem(li, ++n);
        });
        if (global.TavelinEagerBuild)
            fillAll(box);
        var menu = new Menu(box);
        menu.fit();
        menu.wire();
        menu.markCurrent();
        box.tavelinMenu = menu;
        menus.push(menu);
        return menu;
    }

    function start() {
        Array.prototype.slice.call(doc.getElementsByTagName('applet')).forEach(function (applet) {
            if (isMenuApplet(applet) && applet.parentNode)
                enhance(replaceApplet(applet));
        });
        Array.prototype.forEach.call(doc.querySelectorAll('[data-tavelin="export"]'), enhance);
        var unlock = function () { sound.unlock(); };
        doc.addEventListener('pointerdown', unlock, true);
        doc.addEventListener('keydown', unlock, true);
        var pending = false;
        global.addEventListener('resize', function () {
            if (pending)
                return;
            pending = true;
            (global.requestAnimationFrame || global.setTimeout)(function () { pending = false; fitAll(); });
        });
    }

    /* ------------------------------------------------------------------
     * Browser: drawing a box again from new parameters
     * ------------------------------------------------------------------ */

    // What an item's entry is made from: equal looks make equal entries.
    // The number counts only where it names an item without a label.
    function itemLook(item, number) {
        return JSON.stringify([item.label, item.description, item.images, item.overAudio, item.clickAudio,
            item.target, item.link, item.subMenu !== null, item.label.trim() === '' ? number : 0]);
    }

    function setAttr(e, name, value) {
        if (value === undefined || value === null || value === '')
            e.removeAttribute(name);
        else if (e.getAttribute(name) !== String(value))
            e.setAttribute(name, String(value));
    }

    // Gives parent these children in this order. A child that is already
    // in its place is not touched, so that the browser need not style it
    // again: an insertion or a removal moves one node, not the rest.
    function placeChildren(parent, nodes) {
        var wanted = new Set(nodes);
        Array.prototype.slice.call(parent.children).forEach(function (c) {
            if (!wanted.has(c))
                parent.removeChild(c);
        });
        var at = parent.firstElementChild;
        nodes.forEach(function (n) {
            if (n === at)
                at = at.nextElementSibling;
            else
                parent.insertBefore(n, at);
        });
    }

    function newSub(prefix, number) {
        var sub = el('div', 'tv-sub', { id: prefix + '-s' + number });
        sub.hidden = true;
        return sub;
    }

    // A kept entry whose item changed gets a new item element; its branch
    // stays open or shut, and its selection stays.
    function renewEntry(li, item, number, menu, prefix) {
        var p = parts(li);
        var open = !!p.sub && !p.sub.hidden;
        var selected = !!p.item && p.item === menu.selected;
        [p.item, p.toggle].forEach(function (e) {
            if (e)
                li.removeChild(e);
        });
        if (p.sub && item.subMenu === null)
            li.removeChild(p.sub);
        else if (!p.sub && item.subMenu !== null)
            li.appendChild(newSub(prefix, item.subMenu));
        li.classList.remove('tv-open', 'tv-shut');
        li.insertBefore(itemElement(item), li.firstChild);
        upgradeItem(li, number);
        var q = parts(li);
        if (selected)
            menu.select(q.item);
        if (open && q.sub) {
            menu.control(li).setAttribute('aria-expanded', 'true');
            li.classList.remove('tv-shut');
            li.classList.add('tv-open');
            q.sub.hidden = false;
        }
    }

    /**
     * Draws a box again from the parameters of applet (an applet element,
     * in the page or not). keys name the items in page order (depth first,
     * as their entries stand); an entry whose key comes again with an
     * unchanged item is kept as it is, open or shut, so only what changed
     * is made anew and the rest of the page is left alone. Every branch is
     * made. False when the box was not drawn from parameters.
     */
    function redraw(box, applet, keys) {
        var menu = box.tavelinMenu, oldTree = box.tvTree;
        var nav = box.querySelector('.tv-nav');
        if (!menu || !oldTree || !nav)
            return false;
        var tree = decode(readParams(applet));
        var prefix = box.id;
        var css = boxCss('#' + prefix, tree, appletSize(applet), resolveMedia(fileUrl(tree.applet.backImage)));
        var style = doc.querySelector('style[data-tavelin-for="' + prefix + '"]');
        if (style && style.textContent !== css)
            style.textContent = css;
        var attrs = optionAttributes(tree);
        attrs['data-breakpoint'] = applet.getAttribute('data-breakpoint');
        Object.keys(attrs).forEach(function (k) { setAttr(box, k, attrs[k]); });

        // An entry drawn here before knows its look; one the runtime made
        // at the start is looked up in the tree it was made from.
        var kept = {};
        Array.prototype.forEach.call(box.querySelectorAll('.tv-li[data-tv-key]'), function (li) {
            var old = li.tvLook === undefined ? oldTree.items[Number(li.getAttribute('data-tv-i'))] : null;
            if (old || li.tvLook !== undefined)
                kept[li.getAttribute('data-tv-key')] = { li: li, look: old ? itemLook(old, -1) : li.tvLook };
        });
        // Entries are numbered as the runtime numbers them when it starts:
        // top-level ones in a row, the others by their place in the tree.
        var order = 0, topLevel = 0;
        var entry = function (item, number) {
            var key = keys[order++];
            var found = key !== undefined ? kept[key] : undefined;
            var look = itemLook(item, number);
            var li;
            if (found) {
                delete kept[key];
                li = found.li;
                if (found.look !== look)
                    renewEntry(li, item, number, menu, prefix);
            } else {
                li = el('li', 'tv-li');
                li.appendChild(itemElement(item));
                if (item.subMenu !== null)
                    li.appendChild(newSub(prefix, item.subMenu));
                upgradeItem(li, number);
            }
            li.tvLook = look;
            setAttr(li, 'data-tv-key', key);
            setAttr(li, 'data-tv-i', item.globalIndex);
            var p = parts(li);
            if (p.sub) {
                setAttr(p.sub, 'id', prefix + '-s' + item.subMenu);
                setAttr(menu.control(li), 'aria-controls', p.sub.id);
                p.sub.tvPending = null;
                p.sub.tvUpgraded = true;
                placeChildren(p.sub, [list(item.subMenu, p.sub.querySelector(':scope > .tv-menu'))]);
            }
            return li;
        };
        var list = function (number, ul) {
            var m = tree.menus[number];
            ul = ul || el('ul');
            setAttr(ul, 'class', 'tv-menu tv-m' + number + ' tv-k' + m.styleClass);
            setAttr(ul, 'id', prefix + '-m' + number);
            placeChildren(ul, m.items.map(function (index) {
                var item = tree.items[index];
                return entry(item, m.depth === 0 ? ++topLevel : item.globalIndex + 1);
            }));
            return ul;
        };
        var lists = nav.querySelectorAll(':scope > .tv-menu');
        placeChildren(nav, tree.roots.map(function (r, i) { return list(r, lists[i] || null); }));
        setAttr(nav, 'aria-label', doc.title || 'Menu');
        box.tvTree = tree;
        menu.options = readOptions(box);
        menu.cssBreakpoint = undefined;
        if (menu.selected && !box.contains(menu.selected))
            menu.selected = null;
        menu.fit();
        return true;
    }

    global.Tavelin = { start: start, enhance: enhance, redraw: redraw, sound: sound };
    if (doc.readyState === 'loading')
        doc.addEventListener('DOMContentLoaded', start);
    else
        start();
})(typeof window !== 'undefined' ? window : this);
