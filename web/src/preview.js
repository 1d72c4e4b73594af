/*
 * tavelin-preview.js - the runtime as the editor's Live Preview loads it,
 * before the page's own tavelin.js (which then leaves it in charge): it
 * draws the menus from the applet's parameters, with their style sheet, and
 * redraws them in place as the project changes (Tavelin.redraw).
 */
import { install } from './runtime.js';
import { replaceApplet } from './applet.js';
import { currentInTree } from './draw.js';
import { redraw } from './redraw.js';

install({ draw: replaceApplet, current: currentInTree }, { redraw: redraw });
