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
    '.au': 'audio/basic', '.wav': 'audio/wav'
};

function startServer(root) {
    const server = http.createServer((req, res) => {
        const url = new URL(req.url, 'http://127.0.0.1');
        const file = path.join(root, path.normalize(decodeURIComponent(url.pathname)).replace(/^(\.\.[/\\])+/, ''));
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
        viewport: { width: 800, height: 600 },
        javaScriptEnabled: options.javaScriptEnabled !== false,
        reducedMotion: options.reducedMotion || 'no-preference',
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
