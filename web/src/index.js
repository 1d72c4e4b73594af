/*
 * tavelin.js - draws the sliding menus of Applet Tavelina Wizard pages in a
 * browser, without any plug-in.
 *
 * Two kinds of page are served:
 *  - a page with an <applet code="tavelin.class"> element: its <param> lines
 *    are decoded and the applet element is replaced by a box holding the menus;
 *  - an exported page whose menus are already written as nested lists inside
 *    an element with data-tavelin="export": the lists are made to slide.
 * In both cases the menus end up as the same markup (nav, ul, li, a/button)
 * with the same class names, so the same behaviour serves both.
 *
 * The page gets one global, Tavelin: start, enhance, redraw, destroy and the
 * sound player. The script starts itself once the page is read; loaded a
 * second time (a menu pasted into a page twice brings its script line
 * twice) it leaves the first copy in charge.
 */
import { destroy, enhance, start } from './runtime.js';
import { redraw } from './redraw.js';
import { sound } from './sound.js';

if (!window.Tavelin) {
    window.Tavelin = { start: start, enhance: enhance, redraw: redraw, destroy: destroy, sound: sound };
    if (document.readyState === 'loading')
        document.addEventListener('DOMContentLoaded', function () { start(); });
    else
        start();
}
