/*
 * The markup of a menu box, the same the exporter writes (nav, ul, li,
 * a/button), and its upgrade to working controls.
 */
import { STATIC_CSS } from './css.js';
import { itemFields, safeLink } from './tree.js';

var idCount = 0;

/** A number for an id not yet used in the page. */
export function nextId() {
    return ++idCount;
}

/**
 * @param {string} tag
 * @param {string} [className]
 * @param {Object<string, string|null|undefined>} [attrs] empty values are left out
 * @returns {HTMLElement}
 */
export function el(tag, className, attrs) {
    var e = document.createElement(tag);
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
/** @param {string} name @returns {string} */
export function fileUrl(name) {
    return name ? encodeURIComponent(name) : '';
}

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
            sub.tvPending = { tree: tree, number: item.subMenu, prefix: prefix };
            li.appendChild(sub);
        }
        ul.appendChild(li);
    });
    return ul;
}

// Upgrades the items of an exported sub-menu when it first opens.
/** @param {HTMLElement} sub */
function upgradeSub(sub) {
    if (sub.tvUpgraded)
        return;
    sub.tvUpgraded = true;
    Array.prototype.forEach.call(sub.querySelectorAll(':scope > .tv-menu > .tv-li'), function (li, k) {
        upgradeItem(li, k + 1);
    });
}

/** @param {HTMLElement} sub */
export function fillSub(sub) {
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

/** @param {string} name @returns {string} */
export function resolveMedia(name) {
    try {
        return name ? new URL(name, document.baseURI).href : '';
    } catch (e) {
        return '';
    }
}

// The element of an item, the wrapper of its sub-menu (or null) and the
// button that opens it (the item itself, or an extra toggle for links).
/**
 * @param {Element} li
 * @returns {{ li: Element, item: HTMLElement|null, sub: HTMLElement|null, toggle: HTMLElement|null }}
 */
export function parts(li) {
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

/** @param {Element|null} node @returns {HTMLElement|null} */
export function liOf(node) {
    return node && node.closest ? node.closest('.tv-li') : null;
}

// Items without a link (or with a refused one) become buttons; links
// that open a sub-menu get a toggle button of their own (shown on
// keyboard focus, and always on narrow screens).
/** @param {Element} li @param {number} number the item's number, for a name when it has no label */
export function upgradeItem(li, number) {
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
        p.sub.id = 'tv-sub-' + (++idCount) + '-' + number;
    var control = p.toggle || p.item;
    if (!p.toggle && p.item.tagName.toLowerCase() === 'a') {
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
