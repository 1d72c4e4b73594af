/*
 * The markup of a menu box, the same the exporter writes (nav, ul, li,
 * a/button), and its upgrade to working controls.
 */
import { safeLink } from './link.js';

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

// A bare file name as a page-relative address (commas, line breaks and
// "%" in names included).
/** @param {string} name @returns {string} */
export function fileUrl(name) {
    return name ? encodeURIComponent(name) : '';
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
    var ul = pending();
    Array.prototype.forEach.call(ul.children, function (li) {
        upgradeItem(li, Number(li.getAttribute('data-tv-i')) + 1);
    });
    sub.appendChild(ul);
    sub.tvUpgraded = true;
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
