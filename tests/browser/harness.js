'use strict';
// Shared set-up of the browser tests: a static file server on 127.0.0.1 and
// Debian's Chromium driven through playwright-core, with no other network.
const http = require('node:http');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { chromium } = require('playwright-core');

const TYPES = {
    '.htm': 'text/html', '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
    '.gif': 'image/gif', '.png': 'image/png', '.jpg': 'image/jpeg', '.jpeg': 'image/jpeg',
    '.svg': 'image/svg+xml', '.webp': 'image/webp',
    '.au': 'audio/basic', '.wav': 'audio/wav', '.ogg': 'audio/ogg', '.mp3': 'audio/mpeg'
};

function startServer(root) {
    const server = http.createServer((req, res) => {
        const url = new URL(req.url, 'http://127.0.0.1');
        let file = path.join(root, path.normalize(decodeURIComponent(url.pathname)).replace(/^(\.\.[/\\])+/, ''));
        if (url.pathname.endsWith('/'))
            file = path.join(file, 'index.htm');  // a folder's page, as web servers give it
        fs.readFile(file, (err, data) => {
            if (err) {
                res.writeHead(404, { 'Content-Type': 'text/plain' });
                res.end('not found');
                return;
            }
            res.writeHead(200, { 'Content-Type': TYPES[path.extname(file).toLowerCase()] || 'application/octet-stream' });
            res.end(data);
        });
    });
    return new Promise((resolve) => server.listen(0, '127.0.0.1', () => {
        resolve({ server, base: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() });
    }));
}

const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';

async function launch(options = {}) {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'atw-chromium-'));
    const context = await chromium.launchPersistentContext(profile, {
        executablePath: CHROMIUM,
        headless: true,
        viewport: options.viewport || { width: 800, height: 600 },
        hasTouch: !!options.touch,
        isMobile: !!options.touch,
        javaScriptEnabled: options.javaScriptEnabled !== false,
        reducedMotion: options.reducedMotion || 'no-preference',
        forcedColors: options.forcedColors || 'none',
        deviceScaleFactor: options.deviceScaleFactor || 1,
        args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--disable-background-networking', '--disable-component-update', '--disable-sync',
            '--autoplay-policy=no-user-gesture-required']
    });
    // Nothing leaves the machine: only the local server answers.
    await context.route('**/*', (route) => {
        const host = new URL(route.request().url()).hostname;
        return host === '127.0.0.1' ? route.continue() : route.abort();
    });
    const close = async () => {
        await context.close();
        fs.rmSync(profile, { recursive: true, force: true });
    };
    return { context, close };
}

module.exports = { startServer, launch, CHROMIUM };

// The pixels of a part of the page as the screen shows it:
// { width, height, at(x, y) -> '#rrggbb' } in CSS pixels of the clip.
async function pixels(page, clip) {
    const png = await page.screenshot({ clip });
    const data = await page.evaluate(async (b64) => {
        const img = new Image();
        img.src = 'data:image/png;base64,' + b64;
        await img.decode();
        const c = document.createElement('canvas');
        c.width = img.width;
        c.height = img.height;
        const g = c.getContext('2d');
        g.drawImage(img, 0, 0);
        return { width: img.width, height: img.height, rgba: Array.from(g.getImageData(0, 0, img.width, img.height).data) };
    }, png.toString('base64'));
    const hex = (v) => v.toString(16).padStart(2, '0');
    return {
        width: data.width,
        height: data.height,
        png,
        at(x, y) {
            const i = (Math.round(y) * data.width + Math.round(x)) * 4;
            return '#' + hex(data.rgba[i]) + hex(data.rgba[i + 1]) + hex(data.rgba[i + 2]);
        }
    };
}

// "rgb(1, 2, 3)" -> "#010203"
function cssHex(rgb) {
    const m = /rgba?\((\d+),\s*(\d+),\s*(\d+)/.exec(rgb);
    return m ? '#' + [m[1], m[2], m[3]].map((v) => Number(v).toString(16).padStart(2, '0')).join('') : rgb;
}

module.exports.pixels = pixels;
module.exports.cssHex = cssHex;
