/*
 * tavelin.js - makes the sliding menus of Applet Tavelina Wizard pages work
 * in a browser, without any plug-in.
 *
 * Every page the program writes holds its menus as nested lists of links
 * with their style sheet, painted before any script runs:
 *  - a page with an <applet code="tavelin.class"> element holds them inside
 *    the applet (its fallback content); the box takes the applet's place;
 *  - an exported page or fragment holds them inside an element with
 *    data-tavelin="export".
 * The script enhances those lists in place: the same markup (nav, ul, li,
 * a/button) with the same class names, so the same behaviour serves both.
 *
 * The page gets one global, Tavelin: start, enhance, destroy and the sound
 * player. The editor's Live Preview loads a fuller build of the same
 * modules (preview.js) that also draws menus from the applet's parameters.
 */
import { install } from './runtime.js';

install(null, {});
