/*
 * Looks: the CSS text of a menu box made from the decoded values. The fixed
 * rules (STATIC_CSS) are the same lines the exporter writes.
 */
var FONT_FAMILIES = [
    '"Times New Roman", Times, "Liberation Serif", serif',
    'Helvetica, Arial, "Liberation Sans", sans-serif',
    '"Courier New", Courier, "Liberation Mono", monospace'
];

// One rule a line; the exporter writes the very same lines.
export const STATIC_CSS = [
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
    '.tv-toggle{position:absolute;z-index:2;top:0;inset-inline-end:0;width:24px;min-height:24px;overflow:hidden;margin:0;padding:0;border:0;background:none;font:inherit;text-align:center;cursor:pointer}',
    '.tv-toggle:focus-visible{outline:2px dashed currentColor;outline-offset:-2px}',
    '.tv-toggle::before,button.tv-item[aria-expanded]::after{content:"\\25B8"}',
    '[dir="rtl"] .tv-toggle::before,[dir="rtl"] button.tv-item[aria-expanded]::after{content:"\\25C2"}',
    '.tv-toggle[aria-expanded="true"]::before,button.tv-item[aria-expanded="true"]::after{content:"\\25BE"}',
    'button.tv-item[aria-expanded]::after{position:absolute;z-index:1;top:50%;inset-inline-end:0;width:24px;text-align:center;transform:translateY(-50%);pointer-events:none}',
    '.tv-item .tv-img-n{display:block}',
    '.tv-item:hover .tv-img-n,.tv-item:focus-visible .tv-img-n{display:none}',
    '.tv-item:hover .tv-img-o,.tv-item:focus-visible .tv-img-o{display:block}',
    '.tv-item.tv-sel .tv-img-n,.tv-item.tv-sel .tv-img-o,.tv-item:active .tv-img-n,.tv-item:active .tv-img-o{display:none}',
    '.tv-item.tv-sel .tv-img-c,.tv-item:active .tv-img-c{display:block}',
    '.tv-open>.tv-item .tv-img-n,.tv-open>.tv-item .tv-img-o,.tv-shut>.tv-item.tv-sel .tv-img-c,.tv-shut>.tv-item.tv-sel:hover .tv-img-n{display:none}',
    '.tv-open>.tv-item .tv-img-c,.tv-shut>.tv-item.tv-sel .tv-img-n{display:block}',
    '.tv-item .tv-img-a{display:block}',
    '.tv-shut>.tv-item.tv-sel:hover .tv-img-a{display:none}',
    '.tv-item .tv-img-no,.tv-item .tv-img-nc{display:block}',
    '.tv-item.tv-sel .tv-img-no,.tv-item:active .tv-img-no,.tv-item:hover .tv-img-nc,.tv-item:focus-visible .tv-img-nc{display:none}',
    '.tv-item.tv-sel .tv-img-nc,.tv-item:active .tv-img-nc,.tv-open>.tv-item .tv-img-nc,.tv-shut>.tv-item.tv-sel .tv-img-no,.tv-shut>.tv-item.tv-sel .tv-img-nc{display:block}',
    '.tv-open>.tv-item .tv-img-no,.tv-shut>.tv-item.tv-sel:hover .tv-img-no,.tv-shut>.tv-item.tv-sel:hover .tv-img-nc{display:none}',
    '.tv-fluid{display:block;width:auto!important;height:auto!important;max-width:100%;overflow:visible}',
    '.tv-fluid .tv-menu{width:auto!important;margin-inline-start:0!important}',
    '.tv-fluid .tv-sub>.tv-menu{margin-inline-start:var(--tv-fluid-indent,16px)!important}',
    '.tv-fluid .tv-item{display:flex;align-items:center;gap:4px;width:auto!important;height:auto!important;min-height:44px;margin-block:0!important;padding:2px 8px}',
    '.tv-fluid .tv-label,.tv-fluid .tv-img{position:static;transform:none!important;white-space:pre-wrap;overflow-wrap:anywhere;text-overflow:clip}',
    '.tv-fluid .tv-li::before,.tv-fluid .tv-li::after{display:none}',
    '.tv-fluid .tv-li:has(>.tv-toggle)>.tv-item{padding-inline-end:48px}',
    '.tv-fluid .tv-toggle{top:0!important;width:44px;height:44px!important;padding:0;text-align:center;line-height:44px!important;outline-offset:-4px}',
    '.tv-fluid button.tv-item[aria-expanded]::after{position:static;width:auto;transform:none;margin-inline-start:auto;padding-inline-start:8px}',
    '@media (prefers-reduced-motion:reduce){.tv-sub{transition:none!important;animation:none!important}}',
    '@media (forced-colors:active){.tv-box,.tv-menu,.tv-item,.tv-toggle{background-image:none!important}.tv-img{display:none!important}.tv-label{-webkit-text-fill-color:CanvasText}a.tv-item .tv-label{-webkit-text-fill-color:LinkText}button.tv-item .tv-label{-webkit-text-fill-color:ButtonText}}',
    '@media print{.tv-box{display:block;width:auto!important;height:auto!important;overflow:visible;background:none!important;border:0!important}.tv-sub[hidden]{display:block!important}.tv-toggle,.tv-img,.tv-li::before,.tv-li::after,button.tv-item::after{display:none!important}.tv-menu{width:auto!important;margin-top:0!important;list-style:disc;padding-inline-start:1.5em;outline:0!important;background:none!important}.tv-li{list-style:inherit}.tv-item{display:list-item;width:auto!important;height:auto!important;background:none!important;color:#000!important;border:0!important;text-shadow:none!important}.tv-label{position:static;transform:none;white-space:pre-wrap}a.tv-item[href]::after{content:" <" attr(href) ">";font-size:smaller}}'
].join('\n') + '\n';

function rgbOf(hex) {
    var n = parseInt(hex.slice(1), 16);
    return [(n >> 16) & 255, (n >> 8) & 255, n & 255];
}

function hexOf(rgb) {
    return '#' + rgb.map(function (c) { return ('0' + Math.round(c).toString(16)).slice(-2); }).join('');
}

// The colour part way (0..1) from a to b.
export function mix(a, b, part) {
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

export function contrast(a, b) {
    var x = luminance(a), y = luminance(b);
    return (Math.max(x, y) + 0.05) / (Math.min(x, y) + 0.05);
}

// The text colour on a filled item: the look's own when it stands out
// 4.5:1 from the background, else the nearest mix towards white or black
// (first the side the text is on) that does.
var READABLE = 4.5;

export function readableFont(state) {
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
export function backgroundCss(style, color, bothWays) {
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
    var edge = isLight(font) ? '#000000' : '#ffffff';
    switch (effect) {
    case 1: return 'text-shadow:-1px -1px 0 ' + edge + ',1px -1px 0 ' + edge + ',-1px 1px 0 ' +
        edge + ',1px 1px 0 ' + edge + ';';
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

export function targetPad(height) {
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
    // The toggle is as tall as the entry (at least 24 px with the room above
    // and below) and takes the mouse-over colours when pointed at or focused.
    var toggle = sel + '>.tv-li>.tv-toggle';
    var tall = Math.max(0, menu.itemHeight) + 2 * pad + 'px;';
    out += rule([toggle], 'color:' + readableFont(menu.states[0]) + ';height:' + tall + 'line-height:' + tall);
    out += rule([toggle + ':hover', toggle + ':focus-visible'], 'color:' + readableFont(menu.states[1]) +
        ';background:' + menu.states[1].back + ';');
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
export function boxCss(scope, tree, size, imageUrl) {
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
