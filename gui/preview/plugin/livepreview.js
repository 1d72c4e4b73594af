/*
 * livepreview.js - the editor's side of the Live Preview pane, injected into
 * the preview page after the runtime's preview build (tavelin-preview.js,
 * which draws from the parameters and redraws in place).
 *
 * The editor calls atwLive.redraw(pageText, keys, markKey) with the page
 * that Save would write: the runtime draws the menu box again from the
 * page's new <param> lines, in place, while open branches, the scroll
 * position and the editor's mark are kept. keys name the drawn items in
 * page order (the order of their list entries; an item's serial number in
 * the editor), so that a click can name its item to the editor and the
 * editor can mark one. Links never navigate: their address
 * goes to the editor's status bar instead.
 */
(function () {
    'use strict';

    // Every branch is made at once, so that each item has its entry in page
    // order whether its branch was ever opened or not.
    window.TavelinEagerBuild = true;

    var bridge = null;       // the editor's object, once the channel is up
    var markKey = '0';

    function box() {
        return document.querySelector('[data-tavelin="applet"]');
    }

    function menuOf(b) {
        return b && b.tavelinMenu ? b.tavelinMenu : null;
    }

    function entries(b) {
        return b ? Array.prototype.slice.call(b.querySelectorAll('.tv-li')) : [];
    }

    function entryOf(key) {
        return document.querySelector('.tv-li[data-tv-key="' + key + '"]');
    }

    function parentEntry(li) {
        var sub = li.parentNode ? li.parentNode.closest('.tv-sub') : null;
        return sub ? sub.closest('.tv-li') : null;
    }

    function openIds(b) {
        var menu = menuOf(b);
        return entries(b).filter(function (li) { return menu && menu.isOpen(li); })
            .map(function (li) { return li.getAttribute('data-tv-key'); });
    }

    function selectedId(b) {
        var menu = menuOf(b);
        var li = menu && menu.selected ? menu.selected.closest('.tv-li') : null;
        return li ? li.getAttribute('data-tv-key') : null;
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

    function applyMark(key, reveal) {
        markKey = key;
        Array.prototype.forEach.call(document.querySelectorAll('.atw-mark'), function (e) {
            e.classList.remove('atw-mark');
        });
        var li = entryOf(key);
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

    // The first drawing after a load names the entries the runtime made, in
    // page order; the runtime renews any whose item differs.
    function nameEntries(b, keys) {
        var list = entries(b);
        if (list.length === 0 || list[0].hasAttribute('data-tv-key'))
            return;
        list.forEach(function (li, i) {
            if (i < keys.length)
                li.setAttribute('data-tv-key', keys[i]);
        });
    }

    // Draws the menu box anew, for a runtime that cannot redraw in place:
    // open branches and the selection are carried over by key.
    function replaceBox(old, applet, keys) {
        var open = openIds(old), selected = selectedId(old);
        var style = document.querySelector('style[data-tavelin-for="' + old.id + '"]');
        old.parentNode.replaceChild(document.importNode(applet, true), old);
        if (style)
            style.remove();
        startRuntime();
        var b = box();
        var menu = menuOf(b);
        entries(b).forEach(function (li, i) {
            if (i < keys.length)
                li.setAttribute('data-tv-key', keys[i]);
        });
        open.forEach(function (key) {
            var li = entryOf(key);
            if (li && menu)
                menu.setOpen(li, true, true);
        });
        if (selected !== null && menu && entryOf(selected))
            menu.select(entryOf(selected).querySelector('.tv-item'));
        return b;
    }

    // Draws the menu again from the parameters of pageText, in place: only
    // the entries whose items changed are made anew, so open branches, the
    // selection and the scroll position stay. keys name the drawn items in
    // page order (the order of their list entries). False when this page
    // cannot (no runtime or no menu box): the editor then reloads it.
    function redraw(pageText, keys, mark) {
        var old = box();
        if (!window.Tavelin || !old)
            return false;
        var fresh = new DOMParser().parseFromString(pageText, 'text/html');
        var applet = fresh.querySelector('applet');
        if (!applet)
            return false;
        var x = window.scrollX, y = window.scrollY, boxX = old.scrollLeft, boxY = old.scrollTop;
        var holder = old.parentNode;
        var freshHolder = applet.parentNode;
        if (freshHolder && freshHolder.getAttribute && holder.tagName === freshHolder.tagName)
            holder.setAttribute('align', freshHolder.getAttribute('align') || '');
        document.title = fresh.title;
        nameEntries(old, keys);
        var b = old;
        if (!(window.Tavelin.redraw && window.Tavelin.redraw(old, applet, keys)))
            b = replaceBox(old, applet, keys);
        applyMark(mark, false);
        // Setting a scroll position lays the page out at once: only when it moved.
        if (b.scrollLeft !== boxX || b.scrollTop !== boxY) {
            b.scrollLeft = boxX;
            b.scrollTop = boxY;
        }
        if (window.scrollX !== x || window.scrollY !== y)
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
        if (li && bridge && li.hasAttribute('data-tv-key'))
            bridge.itemClicked(li.getAttribute('data-tv-key'));
    }

    function addStyle() {
        var style = document.createElement('style');
        style.textContent = '.atw-mark{outline:2px dashed #ff8c00;outline-offset:-2px;}';
        (document.head || document.documentElement).appendChild(style);
    }

    window.atwLive = {
        redraw: redraw,
        mark: function (key) { return applyMark(String(key), true); },
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
