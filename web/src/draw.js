/*
 * Menus drawn from the decoded parameters rather than enhanced from the
 * lists a page holds: the editor's Live Preview draws this way, and redraws
 * in place. Published pages hold their lists and never load this part.
 */
import { STATIC_CSS } from './css.js';
import { itemFields, itemLink, safeLink } from './tree.js';
import { el, fileUrl } from './dom.js';

// The same markup the exporter writes: a link, or a plain text that the
// behaviour turns into a button; the state images; the label.
/** @param {import('./tree.js').Item} item @returns {HTMLElement} */
export function itemElement(item) {
    var attrs = { title: item.description, 'data-over-audio': fileUrl(item.overAudio),
        'data-click-audio': fileUrl(item.clickAudio) };
    var link = safeLink(item.link);
    if (link !== '') {
        attrs.href = link;
        attrs.target = item.target === '_self' ? '' : item.target;
    }
    var e = el(link !== '' ? 'a' : 'span', 'tv-item', attrs);
    // No image of its own: the normal one. A picture that several states
    // show is made once, as the exporter writes it.
    var n = item.images[0], o = item.images[1] || n, c = item.images[2] || n;
    var shown = n === o && n === c ? [['a', n]] : n === o ? [['no', n], ['c', c]] : n === c ? [['nc', n], ['o', o]]
        : [['n', n], ['o', o], ['c', c]];
    shown.forEach(function (pair) {
        var state = pair[0], src = pair[1];
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

// A sub-menu's list, made when the branch first opens (fillSub).
function pendingList(tree, number, prefix) {
    return function () { return menuList(tree, number, prefix); };
}

// A menu's list; the lists of its sub-menus are made when they first
// open (fillSub), so that a large menu is ready at once.
/**
 * @param {import('./tree.js').Tree} tree
 * @param {number} number
 * @param {string} prefix
 * @returns {HTMLElement}
 */
export function menuList(tree, number, prefix) {
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
            sub.tvPending = pendingList(tree, item.subMenu, prefix);
            li.appendChild(sub);
        }
        ul.appendChild(li);
    });
    return ul;
}

/** @param {import('./tree.js').Tree} tree @returns {Object<string, string>} */
export function optionAttributes(tree) {
    var a = tree.applet;
    return {
        'data-open-speed': String(a.openSpeed), 'data-close-speed': String(a.closeSpeed),
        'data-show-selection': String(a.showSelection), 'data-show-all': String(a.showAllBranches),
        'data-back-audio': fileUrl(a.backAudio)
    };
}

export function ensureStaticCss() {
    if (document.getElementById('tavelin-static-css'))
        return;
    var style = el('style', '', { id: 'tavelin-static-css' });
    style.textContent = STATIC_CSS;
    (document.head || document.documentElement).appendChild(style);
}

// The item of the tree whose link is the page being shown, with its branch
// opened; null when there is none.
/** @param {import('./menu.js').Menu} menu @param {(href: string) => boolean} samePage @returns {HTMLElement|null} */
export function currentInTree(menu, samePage) {
    /** @type {import('./tree.js').Tree} */
    var tree = menu.box.tvTree;
    var index = -1;
    for (var i = 0; i < tree.items.length && index < 0; i++) {
        var link = itemLink(tree.items[i]);
        if (link && samePage(link) && safeLink(link) && tree.menus[tree.items[i].menu].depth >= 0)
            index = i;
    }
    if (index < 0)
        return null;
    var chain = [];
    for (var m = tree.items[index].menu; tree.menus[m].parentItem !== null; m = tree.items[tree.menus[m].parentItem].menu)
        chain.unshift(tree.menus[m].parentItem);
    for (var k = 0; k < chain.length; k++)
        menu.setOpen(menu.box.querySelector('.tv-li[data-tv-i="' + chain[k] + '"]'), true, true);
    var li = menu.box.querySelector('.tv-li[data-tv-i="' + index + '"]');
    return li ? li.querySelector(':scope > .tv-item') : null;
}
