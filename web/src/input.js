/*
 * Clicks, taps and keys on the items of a menu.
 */
import { parts, liOf, resolveMedia } from './dom.js';
import { sound } from './sound.js';

// A link that would replace this page (its own frame, the parent or the
// whole window) takes the menu with it.
function replacesPage(link) {
    var target = (link.getAttribute('target') || '').toLowerCase();
    return target === '' || target === '_self' || target === '_top' || target === '_parent';
}

function plainClick(event) {
    return !(event.ctrlKey || event.metaKey || event.shiftKey || event.altKey || event.button > 0);
}

/**
 * @param {import('./menu.js').Menu} menu
 * @param {HTMLElement} li
 * @param {MouseEvent} event
 * @param {boolean} fromToggle
 */
export function onItemClick(menu, li, event, fromToggle) {
    var p = parts(li);
    if (!plainClick(event))
        return;
    sound.unlock();
    sound.play(resolveMedia(p.item.getAttribute('data-click-audio')));
    if (!fromToggle)
        menu.select(p.item);
    if (!p.sub)
        return;
    li.tvOpener = fromToggle ? p.toggle : p.item;
    if (!p.toggle || fromToggle) {
        menu.toggle(li);
        return;
    }
    // A link that opens a branch: its toggle is a target of its own. A tap
    // (touch or pen), and any click on a narrow screen, follows the link.
    // A mouse click while the branch is shut and the page would go away
    // opens the branch; a second click follows the link. Enter from the
    // keyboard always follows it, and the branch opens beside it.
    var tapOrClick = event.detail > 0;
    if (tapOrClick && (menu.fluid() || menu.pointer === 'touch' || menu.pointer === 'pen'))
        return;
    if (replacesPage(p.item) && tapOrClick && !menu.isOpen(li)) {
        event.preventDefault();
        menu.open(li);
    } else if (!replacesPage(p.item)) {
        menu.toggle(li);
    } else {
        menu.open(li);
    }
}

/** @param {import('./menu.js').Menu} menu @param {KeyboardEvent} event */
export function onKey(menu, event) {
    var li = liOf(/** @type {Element} */ (event.target));
    if (!li || !menu.box.contains(li))
        return;
    var p = parts(li);
    var list = menu.items();
    var at = list.indexOf(p.item);
    var key = event.key;
    var done = true;
    if (key === 'ArrowDown')
        menu.focusItem(list[Math.min(list.length - 1, at + 1)]);
    else if (key === 'ArrowUp')
        menu.focusItem(list[Math.max(0, at - 1)]);
    else if (key === 'Home')
        menu.focusItem(list[0]);
    else if (key === 'End')
        menu.focusItem(list[list.length - 1]);
    else if (key === 'ArrowRight' && p.sub)
        menu.isOpen(li) ? menu.focusItem(menu.items()[at + 1]) : menu.openFrom(li, event.target);
    else if (key === 'ArrowLeft' || key === 'Escape')
        done = onBack(menu, li, key === 'Escape', event.target);
    else if (key === ' ' && event.target === p.item && p.item.tagName.toLowerCase() === 'a')
        p.sub ? menu.toggleFrom(li, event.target) : null;   // Space never follows a link
    else
        done = false;
    if (done)
        event.preventDefault();
}

// Left arrow and Escape: close the item's own open branch, else close
// the branch the item is in and go back to the control that opened it.
function onBack(menu, li, escape, from) {
    if (menu.isOpen(li)) {
        menu.setOpen(li, false);
        if (escape)
            menu.focusItem(from === parts(li).toggle ? from : parts(li).item);
        return true;
    }
    var parent = menu.parentLi(li);
    if (!parent)
        return false;
    menu.setOpen(parent, false);
    var opener = parent.tvOpener;
    menu.focusItem(escape && opener && parent.contains(opener) ? opener : parts(parent).item);
    return true;
}
