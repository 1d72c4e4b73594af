// What the runtime keeps on the page's objects, for the type check.
import type { Menu } from './menu.js';
import type { Tree } from './tree.js';

declare global {
    interface Window {
        /** The runtime's one global. */
        Tavelin: object;
        /** Set by a host page (the editor's preview) to make every branch at once. */
        TavelinEagerBuild?: boolean;
        webkitAudioContext?: typeof AudioContext;
    }
    interface HTMLElement {
        /** The behaviour of a menu box, on the box. */
        tavelinMenu?: Menu;
        /** The tree a box was drawn from (applet pages). */
        tvTree?: Tree;
        /** A sub-menu still to be made: makes its list. */
        tvPending?: (() => HTMLElement) | null;
        tvUpgraded?: boolean;
        tvAnimation?: Animation | null;
        /** The control that last opened an entry's branch. */
        tvOpener?: Element | null;
        /** What a redrawn entry was made from. */
        tvLook?: string;
    }
}
