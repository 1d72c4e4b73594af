'use strict';
// Pages for the browser tests, made with the command-line tool "atw" from
// every built-in template, and small helpers to read them back.
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { spawnSync } = require('node:child_process');
const { paramsOf } = require('../js/pageParams.js');

const ROOT = path.resolve(__dirname, '..', '..');

// The runtime's modules under node (web/src is ES modules): loaded once by
// runtimeModules(), before the pages are described.
let modules = null;

async function runtimeModules() {
    if (!modules) {
        const [tree, css] = await Promise.all([import('../../web/src/tree.js'), import('../../web/src/css.js')]);
        modules = { tree, css };
    }
    return modules;
}

// ATW names the tool; otherwise the newest build*/bin/atw of the checkout.
function findAtw() {
    if (process.env.ATW)
        return process.env.ATW;
    const found = fs.readdirSync(ROOT)
        .filter((d) => d.startsWith('build'))
        .map((d) => path.join(ROOT, d, 'bin', 'atw'))
        .filter((f) => fs.existsSync(f))
        .sort((a, b) => fs.statSync(b).mtimeMs - fs.statSync(a).mtimeMs);
    if (!found.length)
        throw new Error('no build*/bin/atw: build the target "atw" first (or set ATW)');
    return found[0];
}

// The script the pages load: the one the build made beside atw (minified, as
// shipped), or $ATW_RUNTIME.
function runtimeScript() {
    return process.env.ATW_RUNTIME || path.join(path.dirname(findAtw()), 'tavelin.js');
}

// The editor's fuller build, which also draws a menu from the applet's
// parameters (pages that hold no lists: hand-written and older ones).
function previewScript() {
    return process.env.ATW_PREVIEW_RUNTIME || path.join(path.dirname(findAtw()), '..', 'web', 'tavelin-preview.js');
}

function makeRunner() {
    const atw = findAtw();
    const config = fs.mkdtempSync(path.join(os.tmpdir(), 'atw-config-'));
    const run = (...args) => spawnSync(atw, args, {
        encoding: 'latin1', env: { ...process.env, XDG_CONFIG_HOME: config }, timeout: 60000
    });
    run.cleanup = () => fs.rmSync(config, { recursive: true, force: true });
    return run;
}

// The writer's pages load the runtime beside them; the copy under test is
// always the one this checkout's build made. A page that holds no lists
// (only parameters) gets the build that draws from them.
function withRuntime(file) {
    let text = fs.readFileSync(file, 'latin1');
    const drawn = !/data-tavelin="export"/.test(text);
    const name = drawn ? 'tavelin-preview.js' : 'tavelin.js';
    if (!/<script[^>]+tavelin(-preview)?\.js/i.test(text)) {
        text = text.replace(/<\/html>\s*$/i, `<script src="${name}"></script>\r\n</html>`);
        fs.writeFileSync(file, text, 'latin1');
    }
    fs.copyFileSync(drawn ? previewScript() : runtimeScript(), path.join(path.dirname(file), name));
    return text;
}

function describePage(file, text) {
    const applet = /<applet[^>]*\swidth="(-?\d+)"[^>]*\sheight="(-?\d+)"/i.exec(text);
    return {
        file: path.basename(file),
        size: { width: parseInt(applet[1], 10), height: parseInt(applet[2], 10) },
        tree: modules.tree.decode(paramsOf(text))
    };
}

// Makes tN.htm for every template N into dir; returns their descriptions.
async function makeTemplatePages(dir, run) {
    await runtimeModules();
    const pages = [];
    for (let n = 0; n < 100; n++) {
        const file = path.join(dir, `t${n}.htm`);
        const made = run('new', '--template', String(n), file);
        if (made.status !== 0 || !fs.existsSync(file))
            break;
        pages.push({ index: n, ...describePage(file, withRuntime(file)) });
    }
    if (!pages.length)
        throw new Error('atw made no page from template 0');
    return pages;
}

// Exports a saved page (options such as --fragment before it); false when
// this build of atw has no export yet.
function exportPage(run, page, target, options = []) {
    const done = run('export', ...options, page, target);
    if (done.status !== 0 && /usage|unknown|command/i.test(done.stderr + done.stdout))
        return false;
    if (done.status !== 0)
        throw new Error(`atw export failed: ${done.stderr}`);
    fs.copyFileSync(runtimeScript(), path.join(path.dirname(target), 'tavelin.js'));
    return true;
}

module.exports = { makeRunner, makeTemplatePages, exportPage, withRuntime, describePage, runtimeScript, previewScript,
    runtimeModules, ROOT };
