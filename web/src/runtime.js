/*
 * Starting and stopping: every menu of the page is found (applet elements
 * and exported lists), drawn and made to work; destroy() takes every
 * listener away again.
 */
import { fillSub, nextId, upgradeItem } from './dom.js';
import { markCurrent } from './current.js';
import { Menu } from './menu.js';
import { sound } from './sound.js';

/**
 * A runtime that also draws menus from an applet's parameters (the editor's
 * preview): draw makes the box of an applet, current finds the current
 * page's item in a box so drawn.
 * @typedef {{ draw: (applet: Element) => HTMLElement,
 *     current: (menu: Menu, samePage: (href: string) => boolean) => HTMLElement|null }} Drawer
 */
/** @type {Drawer|null} */
var drawer = null;

/** @type {Menu[]} */
var menus = [];
/** @type {Array<[EventTarget, string, (e: any) => void, boolean]>} */
var pageListeners = [];

function fitAll() {
    menus.forEach(function (m) { m.fit(); });
}

// Every sub-menu made at once, for a page that is inspected as a whole
// rather than visited (the editor's preview sets TavelinEagerBuild).
/** @param {HTMLElement} box */
export function fillAll(box) {
    /** @param {HTMLElement} sub */
    var pending = function (sub) { return sub.tvPending; };
    var subs;
    while ((subs = Array.prototype.filter.call(box.querySelectorAll('.tv-sub'), pending)).length)
        subs.forEach(fillSub);
}

// A menu pasted into a page twice, or two exported to files of the same
// name, bring the same ids: the copies after the first get ids of their
// own, so that each toggle controls its own branch.
/** @param {HTMLElement} box */
function ownIds(box) {
    Array.prototype.forEach.call(box.querySelectorAll('[id]'), function (e) {
        if (document.getElementById(e.id) !== e)
            e.id = e.id + '-' + nextId();
    });
}

/**
 * Makes a box that holds the menu's lists work; null when it already does.
 * @param {HTMLElement} box
 * @returns {Menu|null}
 */
export function enhance(box) {
    if (box.getAttribute('data-tavelin-ready') !== null)
        return null;
    box.setAttribute('data-tavelin-ready', '');
    ownIds(box);
    var n = 0;
    Array.prototype.forEach.call(box.querySelectorAll('.tv-nav > .tv-menu > .tv-li'), function (li) {
        upgradeItem(li, ++n);
    });
    if (window.TavelinEagerBuild)
        fillAll(box);
    var menu = new Menu(box);
    menu.fit();
    menu.wire();
    markCurrent(menu, drawer ? drawer.current : null);
    box.tavelinMenu = menu;
    menus.push(menu);
    return menu;
}

/**
 * @param {EventTarget} target
 * @param {string} type
 * @param {(e: any) => void} handler
 * @param {boolean} capture
 */
function listenPage(target, type, handler, capture) {
    target.addEventListener(type, handler, capture);
    pageListeners.push([target, type, handler, capture]);
}

// The page-wide listeners, once however often start() runs.
function listenOnce() {
    if (pageListeners.length)
        return;
    var unlock = function () { sound.unlock(); };
    listenPage(document, 'pointerdown', unlock, true);
    listenPage(document, 'keydown', unlock, true);
    var pending = false;
    // Printed, every branch shows: those not made yet are made first.
    var print = function () { menus.forEach(function (m) { fillAll(m.box); }); };
    listenPage(window, 'beforeprint', print, false);
    var printMedia = window.matchMedia ? window.matchMedia('print') : null;
    if (printMedia && printMedia.addEventListener)
        listenPage(printMedia, 'change', function (e) { if (e.matches) print(); }, false);
    listenPage(window, 'resize', function () {
        if (pending)
            return;
        pending = true;
        (window.requestAnimationFrame || window.setTimeout)(function () { pending = false; fitAll(); });
    }, false);
}

/** @param {Element} applet @returns {boolean} */
function isMenuApplet(applet) {
    var code = (applet.getAttribute('code') || '').trim();
    return /(^|\/)tavelin(\.class)?$/i.test(code);
}

// A page saved with the runtime holds the menu's lists inside the applet,
// already painted: that box takes the applet's place and is enhanced as it
// is. The editor's preview (TavelinEagerBuild) draws from the parameters,
// which it redraws in place.
/** @param {Element} applet @returns {HTMLElement|null} */
function paintedBox(applet) {
    /** @type {HTMLElement|null} */
    var box = window.TavelinEagerBuild ? null : applet.querySelector('.tv-box[data-tavelin="export"]');
    if (!box)
        return null;
    var breakpoint = applet.getAttribute('data-breakpoint');
    if (breakpoint !== null)
        box.setAttribute('data-breakpoint', breakpoint);
    applet.parentNode.replaceChild(box, applet);
    return box;
}

/**
 * Draws and starts every menu not yet started in root (the whole page when
 * not given).
 * @param {ParentNode} [root]
 */
export function start(root) {
    var within = root && root.querySelectorAll ? root : document;
    Array.prototype.slice.call(within.querySelectorAll('applet')).forEach(function (applet) {
        if (!isMenuApplet(applet) || !applet.parentNode)
            return;
        var box = paintedBox(applet) || (drawer ? drawer.draw(applet) : null);
        if (box)
            enhance(box);
    });
    Array.prototype.forEach.call(within.querySelectorAll('[data-tavelin="export"]'), enhance);
    listenOnce();
}

/**
 * Stops the menu of box, or every menu started here: their listeners go
 * (the page's with the last menu), the boxes stay as drawn and can be
 * started again with enhance().
 * @param {HTMLElement} [box]
 */
export function destroy(box) {
    menus = menus.filter(function (m) {
        if (box && m.box !== box)
            return true;
        m.destroy();
        if (m.box.tavelinMenu === m)
            delete m.box.tavelinMenu;
        m.box.removeAttribute('data-tavelin-ready');
        return false;
    });
    if (menus.length)
        return;
    pageListeners.forEach(function (l) { l[0].removeEventListener(l[1], l[2], l[3]); });
    pageListeners = [];
}

/**
 * Makes the page's one global, Tavelin, and starts once the page is read;
 * loaded a second time (a menu pasted into a page twice brings its script
 * line twice) it leaves the first copy in charge. withDrawer (the editor's
 * preview) also draws menus from applet parameters; extra joins the global.
 * @param {Drawer|null} withDrawer
 * @param {Object<string, unknown>} extra
 */
export function install(withDrawer, extra) {
    if (window.Tavelin)
        return;
    drawer = withDrawer;
    window.Tavelin = Object.assign({ start: start, enhance: enhance, destroy: destroy, sound: sound }, extra);
    if (document.readyState === 'loading')
        document.addEventListener('DOMContentLoaded', function () { start(); });
    else
        start();
}
