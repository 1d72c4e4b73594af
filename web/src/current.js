/*
 * The item that links to the page being shown.
 */
import { parts, liOf } from './dom.js';

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
        here = new URL(window.location.href);
    } catch (e) {
        return function () { return false; };
    }
    var key = pageKey(here);
    var name = lastSegment(here.pathname);
    var base = document.baseURI;
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

// The item that links to the page being shown is marked as the current
// page, its branch is opened and it keeps the clicked look. inTree finds
// it in a box drawn from the parameters (the editor's preview).
/**
 * @param {import('./menu.js').Menu} menu
 * @param {((menu: import('./menu.js').Menu, samePage: (href: string) => boolean) => HTMLElement|null)|null} [inTree]
 */
export function markCurrent(menu, inTree) {
    var samePage = samePageTest();
    var current = inTree && menu.box.tvTree ? inTree(menu, samePage) : linkedItem(menu, samePage);
    if (!current)
        return;
    current.setAttribute('aria-current', 'page');
    menu.select(current);
}

/** @param {import('./menu.js').Menu} menu @param {(href: string) => boolean} samePage @returns {HTMLElement|null} */
function linkedItem(menu, samePage) {
    var link = Array.prototype.filter.call(menu.box.querySelectorAll('a.tv-item[href]'), function (a) {
        return samePage(a.getAttribute('href'));
    })[0];
    if (!link)
        return null;
    var above = [];
    for (var li = menu.parentLi(liOf(link)); li; li = menu.parentLi(li))
        above.unshift(li);
    for (var j = 0; j < above.length; j++)
        menu.setOpen(above[j], true, true);
    return parts(liOf(link)).item;   // as upgraded
}
