/*
 * Links the menus may follow.
 */

// Links that would run script or carry a page of their own are refused
// (''): the item then shows as a plain item.
/** @param {string|null|undefined} link @returns {string} */
export function safeLink(link) {
    var s = String(link || '');
    // eslint-disable-next-line no-control-regex -- control characters are what is taken out
    var scheme = /^([a-z][a-z0-9+.-]*):/i.exec(s.replace(/[\u0000-\u0020]/g, ''));
    return scheme && /^(javascript|vbscript|data)$/i.test(scheme[1]) ? '' : s;
}
