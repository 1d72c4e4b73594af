/*
 * Starting and stopping: every menu of the page is found (applet elements
 * and exported lists), drawn and made to work; destroy() takes every
 * listener away again.
 */
import { fillSub, upgradeItem } from './dom.js';
import { isMenuApplet, replaceApplet } from './applet.js';
import { markCurrent } from './current.js';
import { Menu } from './menu.js';
import { sound } from './sound.js';

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

/**
 * Makes a box that holds the menu's lists work; null when it already does.
 * @param {HTMLElement} box
 * @returns {Menu|null}
 */
export function enhance(box) {
    if (box.getAttribute('data-tavelin-ready') !== null)
        return null;
    box.setAttribute('data-tavelin-ready', '');
    var n = 0;
    Array.prototype.forEach.call(box.querySelectorAll('.tv-nav > .tv-menu > .tv-li'), function (li) {
        upgradeItem(li, ++n);
    });
    if (window.TavelinEagerBuild)
        fillAll(box);
    var menu = new Menu(box);
    menu.fit();
    menu.wire();
    markCurrent(menu);
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
    listenPage(window, 'resize', function () {
        if (pending)
            return;
        pending = true;
        (window.requestAnimationFrame || window.setTimeout)(function () { pending = false; fitAll(); });
    }, false);
}

/** Draws and starts every menu of the page not yet started. */
export function start() {
    Array.prototype.slice.call(document.getElementsByTagName('applet')).forEach(function (applet) {
        if (isMenuApplet(applet) && applet.parentNode)
            enhance(replaceApplet(applet));
    });
    Array.prototype.forEach.call(document.querySelectorAll('[data-tavelin="export"]'), enhance);
    listenOnce();
}

/**
 * Stops every menu started here: their listeners and the page's go, the
 * boxes stay as drawn (a later start() leaves them alone).
 */
export function destroy() {
    menus.forEach(function (m) {
        m.destroy();
        if (m.box.tavelinMenu === m)
            delete m.box.tavelinMenu;
    });
    menus = [];
    pageListeners.forEach(function (l) { l[0].removeEventListener(l[1], l[2], l[3]); });
    pageListeners = [];
}
