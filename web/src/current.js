/*
 * The item that links to the page being shown.
 */
import { itemLink, safeLink } from './tree.js';
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
/** @param {import('./menu.js').Menu} menu */
export function markCurrent(menu) {
    var tree = menu.box.tvTree;
    var current = null;
    if (tree) {
        var index = currentInTree(tree);
        if (index < 0)
            return;
        var chain = [];
        for (var m = tree.items[index].menu; tree.menus[m].parentItem !== null; m = tree.items[tree.menus[m].parentItem].menu)
            chain.unshift(tree.menus[m].parentItem);
        for (var k = 0; k < chain.length; k++)
            menu.setOpen(menu.box.querySelector('.tv-li[data-tv-i="' + chain[k] + '"]'), true, true);
        current = parts(menu.box.querySelector('.tv-li[data-tv-i="' + index + '"]')).item;
    } else {
        var samePage = samePageTest();
        current = Array.prototype.filter.call(menu.box.querySelectorAll('a.tv-item[href]'), function (a) {
            return samePage(a.getAttribute('href'));
        })[0];
        if (!current)
            return;
        var above = [];
        for (var li = menu.parentLi(liOf(current)); li; li = menu.parentLi(li))
            above.unshift(li);
        for (var j = 0; j < above.length; j++)
            menu.setOpen(above[j], true, true);
        current = parts(liOf(current)).item;   // as upgraded
    }
    current.setAttribute('aria-current', 'page');
    menu.select(current);
}
