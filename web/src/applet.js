/*
 * The applet element of a saved page: its parameters read, and the element
 * replaced by the menu box it describes.
 */
import { boxCss } from './css.js';
import { decode } from './tree.js';
import { el, fileUrl, nextId, resolveMedia } from './dom.js';
import { ensureStaticCss, menuList, optionAttributes } from './draw.js';

// The applet's parameters as a Map from name to value. On a page of
// 10,000 items reading them is most of the work before the menu shows,
// so the lines are read from one serialisation of the applet when every
// one of them has the writer's form; otherwise element by element.
var PARAM_LINE = /<param name="([^"]*)" value="([^"]*)">/g;
var ENTITIES = { '&amp;': '&', '&quot;': '"', '&nbsp;': '\u00a0', '&lt;': '<', '&gt;': '>' };

function attributeText(s) {
    return s.indexOf('&') < 0 ? s : s.replace(/&(amp|quot|nbsp|lt|gt);/g, function (e) { return ENTITIES[e]; });
}

/** @param {Element} applet @returns {Map<string, string>} */
export function readParams(applet) {
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

/** @param {Element} applet @returns {{ width: number, height: number }} */
export function appletSize(applet) {
    var size = function (name, fallback) {
        var n = parseInt(applet.getAttribute(name), 10);
        return isFinite(n) && n >= 0 ? n : fallback;
    };
    return { width: size('width', 400), height: size('height', 200) };
}

// Replaces an applet element by the menu box it describes.
/** @param {Element} applet @returns {HTMLElement} */
export function replaceApplet(applet) {
    var tree = decode(readParams(applet), true);
    var prefix = 'tv' + nextId();
    while (document.getElementById(prefix))
        prefix = 'tv' + nextId();
    var attrs = optionAttributes(tree);
    attrs.id = prefix;
    attrs['data-tavelin'] = 'applet';
    attrs['data-breakpoint'] = applet.getAttribute('data-breakpoint');
    var box = el('div', 'tv-box', attrs);
    var title = document.title || 'Menu';
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
