/*
 * The applet's parameters read into plain values: the looks of the box, of
 * each menu and of each item state, the item lines and the menu structure
 * ("Misc"). Every field that cannot be read takes its default.
 */

/**
 * @typedef {typeof APPLET_DEFAULTS} AppletLook the box: background, sounds, speeds, tree lines
 * @typedef {typeof STATE_DEFAULTS} StateLook an item state: colours, font, alignment
 * @typedef {{ background: string, filled: boolean, bordered: boolean, indent: number, startY: number,
 *     itemWidth: number, itemHeight: number, itemGap: number, borderThick: number }} MenuLook
 * @typedef {{ label: string, description: string, images: string[], overAudio: string, clickAudio: string,
 *     target: string, link: string }} ItemLine an item's line, decoded
 * @typedef {{ count: number, itemCounts: number[], relations: Array<{ item: number, menu: number }> }} Structure
 * @typedef {((name: string) => string|undefined) & { size: number }} Lookup
 */
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

/** @param {string|undefined} text @returns {string} */
export function decodeText(text) {
    var s = String(text || '');
    if (s.indexOf('|_#') < 0)
        return s;
    return s.replace(/\|_#([cnrp]?`)/g, function (all, token) { return TOKENS[token]; });
}

/** @param {string|undefined} text @returns {string} */
export function decodeLabel(text) {
    return decodeText(text);
}

/**
 * @template T
 * @param {T} defaults
 * @returns {T}
 */
export function copyDefaults(defaults) {
    var out = /** @type {T} */ ({});
    Object.keys(defaults).forEach(function (k) { out[k] = defaults[k]; });
    return out;
}

/** @param {string|undefined} value @returns {AppletLook} */
export function decodeApStyle(value) {
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

/** @param {string|undefined} value @returns {MenuLook} */
export function decodeMenuStyle(value) {
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
/** @param {string|undefined} value @returns {StateLook[]} */
export function decodeItemStyles(value) {
    var f = splitFields(value);
    return [0, 1, 2].map(function (s) { return decodeStateGroup(f.slice(s * 12, s * 12 + 12)); });
}

// Nine fields; the link is last, so commas beyond the ninth field belong
// to it (an address with a comma in its query).
/** @param {string|undefined} value @returns {ItemLine} */
export function decodeItem(value) {
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
/** @param {string|undefined} value @returns {Structure|null} */
export function decodeMisc(value) {
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
/** @param {Map<string, string>|Object<string, string>} params @returns {Lookup} */
export function paramLookup(params) {
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
