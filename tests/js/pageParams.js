'use strict';
// Reads the <param> lines of an applet page the way a browser hands them to
// a script: attribute values with their character references decoded.
const fs = require('node:fs');

function decodeEntities(text) {
    return text.replace(/&(#x[0-9a-f]+|#\d+|amp|quot|lt|gt|apos);/gi, (all, ref) => {
        const r = ref.toLowerCase();
        if (r[0] === '#')
            return String.fromCodePoint(r[1] === 'x' ? parseInt(r.slice(2), 16) : parseInt(r.slice(1), 10));
        return { amp: '&', quot: '"', lt: '<', gt: '>', apos: "'" }[r];
    });
}

function paramsOf(pageText) {
    const params = {};
    const re = /<param\s+name="([^"]*)"\s+value="([^"]*)"\s*\/?>/gi;
    for (let m = re.exec(pageText); m; m = re.exec(pageText))
        params[decodeEntities(m[1])] = decodeEntities(m[2]);
    return params;
}

function paramsOfFile(path) {
    return paramsOf(fs.readFileSync(path, 'latin1'));
}

module.exports = { paramsOf, paramsOfFile };
