/*
 * The behaviour of one menu box: branches open and shut, the selection, the
 * keyboard, the current page, and the narrow-screen layout.
 */
import { parts, liOf, fillSub, resolveMedia } from './dom.js';
import { slide } from './motion.js';
import { onItemClick, onKey } from './input.js';
import { sound } from './sound.js';

/** @param {Element} box */
export function readOptions(box) {
    var num = function (name, fallback) {
        var n = parseInt(box.getAttribute(name), 10);
        return isFinite(n) ? n : fallback;
    };
    return {
        openSpeed: Math.max(0, Math.min(50, num('data-open-speed', 5))),
        closeSpeed: Math.max(0, Math.min(50, num('data-close-speed', 5))),
        showSelection: num('data-show-selection', 1) !== 0,
        showAll: num('data-show-all', 0) !== 0,
        backAudio: box.getAttribute('data-back-audio') || '',
        breakpoint: num('data-breakpoint', 0)
    };
}

/** @param {Element} li */
function liInsideClosing(li) {
    /** @type {HTMLElement|null} */
    var sub = li.parentElement ? li.parentElement.closest('.tv-sub') : null;
    return !!sub && (sub.hidden || sub.getAttribute('data-closing') !== null);
}

export class Menu {
    /** @param {HTMLElement} box */
    constructor(box) {
        this.box = box;
        this.options = readOptions(box);
        /** @type {HTMLElement|null} */
        this.selected = null;
        this.pointer = '';
        /** @type {number|undefined} */
        this.cssBreakpoint = undefined;
        /** @type {Array<[string, (e: any) => void, boolean]>} */
        this.listeners = [];
    }

    items() {
        return Array.prototype.filter.call(this.box.querySelectorAll('.tv-item'), function (item) {
            return !item.closest('.tv-sub[hidden]');
        });
    }

    /** @param {Element} li @returns {HTMLElement|null} the control that opens li's branch */
    control(li) {
        var p = parts(li);
        return p.toggle || (p.sub ? p.item : null);
    }

    /** @param {Element} li @returns {boolean} */
    isOpen(li) {
        var p = parts(li);
        return !!p.sub && !p.sub.hidden && p.sub.getAttribute('data-closing') === null;
    }

    /** @param {Element} li @param {boolean} open @param {boolean} [instant] */
    setOpen(li, open, instant) {
        var p = parts(li);
        var control = this.control(li);
        if (!p.sub || !control || this.isOpen(li) === open)
            return;
        var self = this;
        if (open)
            fillSub(p.sub);
        control.setAttribute('aria-expanded', open ? 'true' : 'false');
        li.classList.toggle('tv-open', open);
        li.classList.toggle('tv-shut', !open);
        slide(p.sub, open, instant ? 0 : (open ? this.options.openSpeed : this.options.closeSpeed),
            function () { self.closeWithin(p.sub); });
    }

    // Closes every open branch inside a branch that has just shut.
    closeWithin(container) {
        var self = this;
        Array.prototype.forEach.call(container.querySelectorAll('.tv-open'), function (li) {
            if (self.isOpen(li))
                self.setOpen(li, false, true);
        });
    }

    // Opens li's branch; unless all branches may stay open, every open
    // branch that is not on the way to li closes.
    /** @param {Element} li @param {boolean} [instant] */
    open(li, instant) {
        if (!this.options.showAll) {
            var self = this;
            Array.prototype.forEach.call(this.box.querySelectorAll('.tv-open'), function (other) {
                if (other !== li && !other.contains(li) && self.isOpen(other) && !liInsideClosing(other))
                    self.setOpen(other, false, instant);
            });
        }
        this.setOpen(li, true, instant);
    }

    toggle(li) {
        if (this.isOpen(li))
            this.setOpen(li, false);
        else
            this.open(li);
    }

    /** @param {HTMLElement} item */
    select(item) {
        if (!this.options.showSelection)
            return;
        if (this.selected && this.selected !== item)
            this.selected.classList.remove('tv-sel');
        this.selected = item;
        item.classList.add('tv-sel');
    }

    fluid() {
        return this.box.classList.contains('tv-fluid');
    }

    focusItem(item) {
        if (item) {
            item.focus();
            if (item.scrollIntoView)
                item.scrollIntoView({ block: 'nearest' });
        }
    }

    /** @param {Element} li @returns {HTMLElement|null} */
    parentLi(li) {
        var sub = li.parentElement ? li.parentElement.closest('.tv-sub') : null;
        return sub ? liOf(sub) : null;
    }

    // Opening from the keyboard remembers the control used, for Escape.
    openFrom(li, control) {
        li.tvOpener = control;
        this.open(li);
    }

    toggleFrom(li, control) {
        li.tvOpener = control;
        this.toggle(li);
    }

    // One set of listeners on the box serves every item, made or still to
    // be made.
    wire() {
        var self = this;
        var box = this.box;
        this.listen('click', function (e) {
            var hit = e.target.closest ? e.target.closest('.tv-item, .tv-toggle') : null;
            var li = liOf(hit);
            if (hit && li && box.contains(li))
                onItemClick(self, li, e, hit.classList.contains('tv-toggle'));
        });
        this.listen('pointerdown', function (e) { self.pointer = e.pointerType; }, true);
        this.listen('pointerover', function (e) {
            var item = e.target.closest ? e.target.closest('.tv-item') : null;
            if (item && !(e.relatedTarget && item.contains(e.relatedTarget)))
                sound.play(resolveMedia(item.getAttribute('data-over-audio')));
        });
        this.listen('keydown', function (e) { onKey(self, e); });
        if (this.options.backAudio)
            sound.pendingBackground.push(resolveMedia(this.options.backAudio));
    }

    /**
     * Listens on the box until destroy().
     * @param {string} type
     * @param {(e: any) => void} handler
     * @param {boolean} [capture]
     */
    listen(type, handler, capture) {
        this.box.addEventListener(type, handler, !!capture);
        this.listeners.push([type, handler, !!capture]);
    }

    /** Stops listening; the markup stays as it is. */
    destroy() {
        var box = this.box;
        this.listeners.forEach(function (l) { box.removeEventListener(l[0], l[1], l[2]); });
        this.listeners = [];
    }

    // Below the breakpoint (the box's data-breakpoint, else the custom
    // property --tv-breakpoint, else 640 CSS pixels) the menu fills the width,
    // labels wrap and every target is at least 44 pixels tall.
    breakpoint() {
        if (this.options.breakpoint > 0)
            return this.options.breakpoint;
        if (this.cssBreakpoint === undefined) {
            var v = window.getComputedStyle ? parseFloat(window.getComputedStyle(this.box).getPropertyValue('--tv-breakpoint')) : NaN;
            this.cssBreakpoint = isFinite(v) && v > 0 ? v : 640;
        }
        return this.cssBreakpoint;
    }

    fit() {
        var width = document.documentElement.clientWidth || window.innerWidth || 0;
        this.box.classList.toggle('tv-fluid', width > 0 && width < this.breakpoint());
    }
}
