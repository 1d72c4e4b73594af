/*
 * Drawing a box again from new parameters, in place (the editor's preview).
 */
import { boxCss } from './css.js';
import { decode } from './tree.js';
import { el, fileUrl, parts, resolveMedia, upgradeItem } from './dom.js';
import { itemElement, optionAttributes } from './draw.js';
import { appletSize, readParams } from './applet.js';
import { readOptions } from './menu.js';

// What an item's entry is made from: equal looks make equal entries.
// The number counts only where it names an item without a label.
function itemLook(item, number) {
    return JSON.stringify([item.label, item.description, item.images, item.overAudio, item.clickAudio,
        item.target, item.link, item.subMenu !== null, item.label.trim() === '' ? number : 0]);
}

function setAttr(e, name, value) {
    if (value === undefined || value === null || value === '')
        e.removeAttribute(name);
    else if (e.getAttribute(name) !== String(value))
        e.setAttribute(name, String(value));
}

// Gives parent these children in this order. A child that is already
// in its place is not touched, so that the browser need not style it
// again: an insertion or a removal moves one node, not the rest.
function placeChildren(parent, nodes) {
    var wanted = new Set(nodes);
    Array.prototype.slice.call(parent.children).forEach(function (c) {
        if (!wanted.has(c))
            parent.removeChild(c);
    });
    var at = parent.firstElementChild;
    nodes.forEach(function (n) {
        if (n === at)
            at = at.nextElementSibling;
        else
            parent.insertBefore(n, at);
    });
}

function newSub(prefix, number) {
    var sub = el('div', 'tv-sub', { id: prefix + '-s' + number });
    sub.hidden = true;
    return sub;
}

// A kept entry whose item changed gets a new item element; its branch
// stays open or shut, and its selection stays.
function renewEntry(li, item, number, menu, prefix) {
    var p = parts(li);
    var open = !!p.sub && !p.sub.hidden;
    var selected = !!p.item && p.item === menu.selected;
    [p.item, p.toggle].forEach(function (e) {
        if (e)
            li.removeChild(e);
    });
    if (p.sub && item.subMenu === null)
        li.removeChild(p.sub);
    else if (!p.sub && item.subMenu !== null)
        li.appendChild(newSub(prefix, item.subMenu));
    li.classList.remove('tv-open', 'tv-shut');
    li.insertBefore(itemElement(item), li.firstChild);
    upgradeItem(li, number);
    var q = parts(li);
    if (selected)
        menu.select(q.item);
    if (open && q.sub) {
        menu.control(li).setAttribute('aria-expanded', 'true');
        li.classList.remove('tv-shut');
        li.classList.add('tv-open');
        q.sub.hidden = false;
    }
}

/**
 * Draws a box again from the parameters of applet (an applet element,
 * in the page or not). keys name the items in page order (depth first,
 * as their entries stand); an entry whose key comes again with an
 * unchanged item is kept as it is, open or shut, so only what changed
 * is made anew and the rest of the page is left alone. Every branch is
 * made. False when the box was not drawn from parameters.
 */
export function redraw(box, applet, keys) {
    var menu = box.tavelinMenu, oldTree = box.tvTree;
    var nav = box.querySelector('.tv-nav');
    if (!menu || !oldTree || !nav)
        return false;
    var tree = decode(readParams(applet));
    var prefix = box.id;
    var css = boxCss('#' + prefix, tree, appletSize(applet), resolveMedia(fileUrl(tree.applet.backImage)));
    var style = document.querySelector('style[data-tavelin-for="' + prefix + '"]');
    if (style && style.textContent !== css)
        style.textContent = css;
    var attrs = optionAttributes(tree);
    attrs['data-breakpoint'] = applet.getAttribute('data-breakpoint');
    Object.keys(attrs).forEach(function (k) { setAttr(box, k, attrs[k]); });

    // An entry drawn here before knows its look; one the runtime made
    // at the start is looked up in the tree it was made from.
    var kept = {};
    Array.prototype.forEach.call(box.querySelectorAll('.tv-li[data-tv-key]'), function (li) {
        var old = li.tvLook === undefined ? oldTree.items[Number(li.getAttribute('data-tv-i'))] : null;
        if (old || li.tvLook !== undefined)
            kept[li.getAttribute('data-tv-key')] = { li: li, look: old ? itemLook(old, -1) : li.tvLook };
    });
    // Entries are numbered as the runtime numbers them when it starts:
    // top-level ones in a row, the others by their place in the tree.
    var order = 0, topLevel = 0;
    var entry = function (item, number) {
        var key = keys[order++];
        var found = key !== undefined ? kept[key] : undefined;
        var look = itemLook(item, number);
        var li;
        if (found) {
            delete kept[key];
            li = found.li;
            if (found.look !== look)
                renewEntry(li, item, number, menu, prefix);
        } else {
            li = el('li', 'tv-li');
            li.appendChild(itemElement(item));
            if (item.subMenu !== null)
                li.appendChild(newSub(prefix, item.subMenu));
            upgradeItem(li, number);
        }
        li.tvLook = look;
        setAttr(li, 'data-tv-key', key);
        setAttr(li, 'data-tv-i', item.globalIndex);
        var p = parts(li);
        if (p.sub) {
            setAttr(p.sub, 'id', prefix + '-s' + item.subMenu);
            setAttr(menu.control(li), 'aria-controls', p.sub.id);
            p.sub.tvPending = null;
            p.sub.tvUpgraded = true;
            placeChildren(p.sub, [list(item.subMenu, p.sub.querySelector(':scope > .tv-menu'))]);
        }
        return li;
    };
    var list = function (number, ul) {
        var m = tree.menus[number];
        ul = ul || el('ul');
        setAttr(ul, 'class', 'tv-menu tv-m' + number + ' tv-k' + m.styleClass);
        setAttr(ul, 'id', prefix + '-m' + number);
        placeChildren(ul, m.items.map(function (index) {
            var item = tree.items[index];
            return entry(item, m.depth === 0 ? ++topLevel : item.globalIndex + 1);
        }));
        return ul;
    };
    var lists = nav.querySelectorAll(':scope > .tv-menu');
    placeChildren(nav, tree.roots.map(function (r, i) { return list(r, lists[i] || null); }));
    setAttr(nav, 'aria-label', document.title || 'Menu');
    box.tvTree = tree;
    menu.options = readOptions(box);
    menu.cssBreakpoint = undefined;
    if (menu.selected && !box.contains(menu.selected))
        menu.selected = null;
    menu.fit();
    return true;
}
