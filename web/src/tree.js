/*
 * The menu tree made from the decoded parameters: menus, items, which item
 * opens which menu, and the depth of every menu.
 */

/**
 * @typedef {import('./params.js').ItemLine & { lazy?: boolean, raw?: string, menu: number, index: number,
 *     globalIndex: number, subMenu: number|null }} Item an item; subMenu the number of the menu it opens
 * @typedef {import('./params.js').MenuLook & { number: number, states: import('./params.js').StateLook[],
 *     items: number[], parentItem: number|null, depth: number, styleClass?: number }} MenuNode a menu;
 *     items by global index, depth -1 when not drawn
 * @typedef {{ applet: import('./params.js').AppletLook, notice: string, menus: MenuNode[], items: Item[],
 *     roots: number[] }} Tree
 */
import { copyDefaults, decodeApStyle, decodeItem, decodeItemStyles, decodeMenuStyle, decodeMisc, decodeText,
    paramLookup } from './params.js';

// Without a readable "Misc" the menus present are taken in order, each
// with its consecutive item lines, all as top-level menus.
function guessStructure(get) {
    var counts = [];
    for (var m = 0; get('MStyle-' + m) !== undefined; m++) {
        var j = 0;
        while (get('I' + m + '-' + j) !== undefined)
            j++;
        counts.push(j);
    }
    return {
        count: counts.length, itemCounts: counts,
        relations: counts.map(function (c, i) { return { item: -1, menu: i }; })
    };
}

// Every item has a line of its own, so a count beyond the number of
// parameters is damage and is cut there. Lazy items keep their line as
// raw and are decoded by itemFields when first shown.
/** @param {import('./params.js').Lookup} get @param {import('./params.js').Structure} misc @param {boolean} lazy @returns {Tree} */
function buildMenus(get, misc, lazy) {
    var menus = [];
    var items = [];
    // Most menus share their style values: each distinct value is read once.
    var looks = {}, states = {};
    for (var m = 0; m < misc.count; m++) {
        var count = Math.min(misc.itemCounts[m], get.size);
        var mstyle = get('MStyle-' + m), istyle = get('IStyle-' + m);
        var look = looks[mstyle] || (looks[mstyle] = decodeMenuStyle(mstyle));
        var menu = /** @type {MenuNode} */ (copyDefaults(look));
        menu.number = m;
        menu.states = states[istyle] || (states[istyle] = decodeItemStyles(istyle));
        menu.items = [];
        menu.parentItem = null;
        menu.depth = -1;
        for (var j = 0; j < count; j++) {
            var value = get('I' + m + '-' + j);
            var item = /** @type {Item} */ (lazy ? { lazy: true, raw: value } : decodeItem(value));
            item.menu = m;
            item.index = j;
            item.globalIndex = items.length;
            item.subMenu = null;
            menu.items.push(item.globalIndex);
            items.push(item);
        }
        menus.push(menu);
    }
    return /** @type {Tree} */ ({ menus: menus, items: items });
}

// Applies the relation list; a menu is attached once, and only below an
// item of a smaller-numbered menu, so the result is always a tree.
function linkMenus(tree, relations) {
    var attached = {};
    relations.forEach(function (r) {
        var menu = tree.menus[r.menu];
        if (!menu || attached[r.menu])
            return;
        if (r.item < 0) {
            attached[r.menu] = true;
            tree.roots.push(r.menu);
            return;
        }
        var item = tree.items[r.item];
        if (!item || item.subMenu !== null || item.menu >= r.menu)
            return;
        attached[r.menu] = true;
        item.subMenu = r.menu;
        menu.parentItem = r.item;
    });
}

// The deepest nesting drawn, as deep as the editor builds.
var MAX_DEPTH = 1000;

// Gives every menu in the tree its depth (without recursion); a branch
// below the deepest level is cut off.
function setDepths(tree) {
    var stack = tree.roots.map(function (r) { return [r, 0]; });
    while (stack.length) {
        var top = stack.pop();
        var menu = tree.menus[top[0]];
        menu.depth = top[1];
        menu.items.forEach(function (i) {
            var item = tree.items[i];
            if (item.subMenu === null)
                return;
            if (top[1] + 1 > MAX_DEPTH) {
                tree.menus[item.subMenu].parentItem = null;
                item.subMenu = null;
            } else {
                stack.push([item.subMenu, top[1] + 1]);
            }
        });
    }
}

/**
 * Decodes the applet's parameters (a plain object or a Map from parameter
 * name to value) into the menu tree:
 *   { applet, menus[number], items[globalIndex], roots[menu numbers] }
 * Items name their menu and sub-menu by number, menus their items by
 * global index and the item they open from as parentItem. With lazy set,
 * items keep their line as raw until itemFields decodes them, and
 * itemLink reads only their link.
 * @param {Map<string, string>|Object<string, string>} params
 * @param {boolean} [lazy]
 * @returns {Tree}
 */
export function decode(params, lazy) {
    var get = paramLookup(params);
    var misc = decodeMisc(get('Misc')) || guessStructure(get);
    var tree = buildMenus(get, misc, !!lazy);
    tree.applet = decodeApStyle(get('ApStyle'));
    tree.notice = get('Notice') || '';
    tree.roots = [];
    linkMenus(tree, misc.relations);
    setDepths(tree);
    return tree;
}

// The fields of an item of a lazily decoded tree, decoded on first use.
/** @param {Item} item @returns {Item} */
export function itemFields(item) {
    if (item.lazy) {
        var fields = decodeItem(item.raw);
        Object.keys(fields).forEach(function (k) { item[k] = fields[k]; });
        item.lazy = false;
        item.raw = undefined;
    }
    return item;
}

// An item's link without decoding the rest: it is the line's last field.
/** @param {Item} item @returns {string} */
export function itemLink(item) {
    if (!item.lazy)
        return item.link;
    var s = String(item.raw === undefined ? '' : item.raw);
    var at = -1;
    for (var k = 0; k < 8 && (at = s.indexOf(',', at + 1)) >= 0; k++)
        ;
    return at < 0 ? '' : decodeText(s.slice(at + 1).trim());
}

export { safeLink } from './link.js';
