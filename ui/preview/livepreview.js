/*
 * livepreview.js - the editor's side of the Live Preview pane, injected into
 * the preview page next to the menu runtime (tavelin.js).
 *
 * The editor calls atwLive.redraw(pageText, ids, markId) with the page that
 * Save would write: the menu box is drawn again from the page's new <param>
 * lines by the runtime, while open branches, the scroll position and the
 * editor's mark are kept. ids names the drawn items in page order (the
 * order of their list entries), so that a click can name its item to the
 * editor and the editor can mark one. Links never navigate: their address
 * goes to the editor's status bar instead.
 */
(function () {
    'use strict';

    // Every branch is made at once, so that each item has its entry in page
    // order whether its branch was ever opened or not.
    window.TavelinEagerBuild = true;

    var bridge = null;       // the editor's object, once the channel is up
    var markId = -1;

    function box() {
        return document.querySelector('[data-tavelin="applet"]');
    }

    function menuOf(b) {
        return b && b.tavelinMenu ? b.tavelinMenu : null;
    }

    function entries(b) {
        return b ? Array.prototype.slice.call(b.querySelectorAll('.tv-li')) : [];
    }

    function entryOf(id) {
        return document.querySelector('.tv-li[data-atw-id="' + id + '"]');
    }

    function parentEntry(li) {
        var sub = li.parentNode ? li.parentNode.closest('.tv-sub') : null;
        return sub ? sub.closest('.tv-li') : null;
    }

    function openIds(b) {
        var menu = menuOf(b);
        return entries(b).filter(function (li) { return menu && menu.isOpen(li); })
            .map(function (li) { return li.getAttribute('data-atw-id'); });
    }

    function selectedId(b) {
        var menu = menuOf(b);
        var li = menu && menu.selected ? menu.selected.closest('.tv-li') : null;
        return li ? li.getAttribute('data-atw-id') : null;
    }

    // The runtime registers its page-wide listeners on every start; they are
    // there since the first one, so later starts must not add them again.
    function startRuntime() {
        document.addEventListener = function () {};
        try {
            window.Tavelin.start();
        } finally {
            delete document.addEventListener;
        }
        // Each drawing queues the background sound again: it plays once.
        var waiting = window.Tavelin.sound ? window.Tavelin.sound.pendingBackground : null;
        if (waiting && waiting.length > 1)
            waiting.splice(0, waiting.length - 1);
    }

    function applyMark(id, reveal) {
        markId = id;
        Array.prototype.forEach.call(document.querySelectorAll('.atw-mark'), function (e) {
            e.classList.remove('atw-mark');
        });
        var li = entryOf(id);
        if (!li)
            return false;
        var menu = menuOf(li.closest('[data-tavelin="applet"]'));
        for (var p = parentEntry(li); p && menu; p = parentEntry(p))
            menu.setOpen(p, true, true);
        var item = li.querySelector('.tv-item');
        if (item) {
            item.classList.add('atw-mark');
            if (reveal && item.scrollIntoView)
                item.scrollIntoView({ block: 'nearest', inline: 'nearest' });
        }
        return true;
    }

    // Draws the menu again from the parameters of pageText; false when this
    // page cannot (no runtime or no menu box): the editor then reloads it.
    function redraw(pageText, ids, mark) {
        var old = box();
        if (!window.Tavelin || !old)
            return false;
        var fresh = new DOMParser().parseFromString(pageText, 'text/html');
        var applet = fresh.querySelector('applet');
        if (!applet)
            return false;
        var open = openIds(old), selected = selectedId(old);
        var x = window.scrollX, y = window.scrollY, boxX = old.scrollLeft, boxY = old.scrollTop;
        var style = document.querySelector('style[data-tavelin-for="' + old.id + '"]');
        var holder = old.parentNode;
        var freshHolder = applet.parentNode;
        if (freshHolder && freshHolder.getAttribute && holder.tagName === freshHolder.tagName)
            holder.setAttribute('align', freshHolder.getAttribute('align') || '');
        document.title = fresh.title;
        holder.replaceChild(document.importNode(applet, true), old);
        if (style)
            style.remove();
        startRuntime();
        var b = box();
        var menu = menuOf(b);
        entries(b).forEach(function (li, i) {
            if (i < ids.length)
                li.setAttribute('data-atw-id', String(ids[i]));
        });
        open.forEach(function (id) {
            var li = entryOf(id);
            if (li && menu)
                menu.setOpen(li, true, true);
        });
        if (selected !== null && menu && entryOf(selected))
            menu.select(entryOf(selected).querySelector('.tv-item'));
        applyMark(mark, false);
        // Setting a scroll position lays the page out at once: only when needed.
        if (boxX || boxY) {
            b.scrollLeft = boxX;
            b.scrollTop = boxY;
        }
        if (x || y)
            window.scrollTo(x, y);
        return true;
    }

    function onClick(event) {
        var li = event.target.closest ? event.target.closest('.tv-li') : null;
        var link = event.target.closest ? event.target.closest('a[href]') : null;
        if (link) {
            event.preventDefault();
            if (bridge)
                bridge.linkClicked(link.href);
        }
        if (li && bridge && li.hasAttribute('data-atw-id'))
            bridge.itemClicked(parseInt(li.getAttribute('data-atw-id'), 10));
    }

    function addStyle() {
        var style = document.createElement('style');
        style.textContent = '.atw-mark{outline:2px dashed #ff8c00;outline-offset:-2px;}';
        (document.head || document.documentElement).appendChild(style);
    }

    window.atwLive = {
        redraw: redraw,
        mark: function (id) { return applyMark(id, true); },
        openIds: function () { return openIds(box()); }
    };
    document.addEventListener('click', onClick, true);
    document.addEventListener('DOMContentLoaded', addStyle);
    if (typeof QWebChannel !== 'undefined' && window.qt && qt.webChannelTransport) {
        new QWebChannel(qt.webChannelTransport, function (channel) {
            bridge = channel.objects.atwEditor;
        });
    }
})();
