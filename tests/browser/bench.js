'use strict';
// Benchmark page, not a test: how long after navigation a menu of 1,000 and
// of 10,000 items is ready (the first frame after the page's load event,
// with the menu built) and first paints, for the runtime page, the export, and the same tree
// in SmartMenus 1.2 with jQuery from npm; and the runtime page without its
// script, the floor of parsing the page alone. Also the gzip size of the
// scripts.
// Run: node bench.js [runs]   (after "npm ci" and a build of atw);
// BENCH_RUNTIME=file measures another copy of the runtime on the same pages.
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const zlib = require('node:zlib');
const { startServer, launch } = require('./harness.js');
const { makeRunner, runtimeScript } = require('./pages.js');

const RUNS = Number(process.argv[2]) || 5;
const SCRIPT = process.env.BENCH_RUNTIME || runtimeScript();
const READY = '<script>addEventListener("load",function(){requestAnimationFrame(function(){setTimeout(function(){' +
    'window.benchReady=performance.now();});});});</script>';

// A tree of a top-level items, b below each and c below those.
function tree(a, b, c) {
    let n = 0;
    const menu = (sizes, name) => ({
        items: Array.from({ length: sizes[0] || 0 }, (_, i) => {
            const label = `${name}${i + 1}`;
            n++;
            return { label: `Item ${label}`, link: `p${label}.htm`, sub: menu(sizes.slice(1), `${label}.`) };
        })
    });
    const top = menu([a, b, c], '');
    return { top, count: n };
}

// The project file of the tree, with the looks of template 0.
function projectText(t, tvx0) {
    const line = (key) => new RegExp(`^${key}=.*$`, 'm').exec(tvx0)[0].slice(key.length + 1);
    const lines = ['[Tavelin1.0]', `ApStyle=Bench,0,214,404,${line('ApStyle').split(',').slice(4).join(',')}`,
        `Notice=${line('Notice')}`];
    const order = [];
    const visit = (m) => {
        m.num = order.length;
        order.push(m);
        m.items.forEach((it) => visit(it.sub));
    };
    visit(t.top);
    const misc = [order.length];
    const relations = ['-0'];
    let global = 0;
    for (const m of order) {
        lines.push(`MStyle-${m.num}=${line(m.num === 0 ? 'MStyle-0' : 'MStyle-1')}`);
        lines.push(`IStyle-${m.num}=${line(m.num === 0 ? 'IStyle-0' : 'IStyle-1')}`);
        m.items.forEach((it, j) => {
            lines.push(`I${m.num}-${j + 1}=${it.label},,${it.link},,,,,,,1`);
            relations.push(`${global++}-${it.sub.num}`);
        });
        misc.push(m.items.length);
    }
    lines.push(`Misc=${misc.join(',')},${relations.join(',')},`);
    return lines.join('\r\n') + '\r\n';
}

function smartMenusPage(t) {
    const list = (m, top) => (m.items.length === 0 ? '' :
        (top ? '<ul id="menu" class="sm sm-simple sm-vertical">' : '<ul>') +
        m.items.map((it) => `<li><a href="${it.link}">${it.label}</a>${list(it.sub, false)}</li>`).join('') + '</ul>');
    return '<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>Bench</title>' +
        '<meta name="viewport" content="width=device-width, initial-scale=1">' +
        '<link rel="stylesheet" href="sm-core-css.css"><link rel="stylesheet" href="sm-simple.css"></head><body>' +
        list(t.top, true) + '<script src="jquery.min.js"></script><script src="jquery.smartmenus.min.js"></script>' +
        '<script>$(function(){$("#menu").smartmenus();});</script>' + READY + '</body></html>';
}

function addReady(file) {
    const text = fs.readFileSync(file, 'latin1');
    fs.writeFileSync(file, text.replace(/<\/html>\s*$/i, READY + '</html>'), 'latin1');
}

async function loadTime(browser, url) {
    const page = await browser.context.newPage();
    await page.goto(url);
    await page.waitForFunction(() => window.benchReady !== undefined, null, { timeout: 120000 });
    const t = await page.evaluate(() => {
        const nav = performance.getEntriesByType('navigation')[0];
        const paint = performance.getEntriesByName('first-contentful-paint')[0];
        return [window.benchReady, window.benchReady - nav.domContentLoadedEventStart, paint ? paint.startTime : NaN];
    });
    await page.close();
    return t;
}

// The pages are loaded in turn, RUNS rounds, so that a busy machine slows
// them alike; each gets the median of its rounds.
async function timesOf(browser, urls) {
    const times = urls.map(() => []);
    for (let r = 0; r < RUNS; r++) {
        for (let u = 0; u < urls.length; u++)
            times[u].push(await loadTime(browser, urls[u]));
    }
    return times.map((list) => {
        const median = (k) => list.map((t) => t[k]).sort((x, y) => x - y)[Math.floor(list.length / 2)];
        return `${median(0).toFixed(0)} (${median(1).toFixed(0)}) fcp ${median(2).toFixed(0)}`;
    });
}

async function main() {
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'atw-bench-'));
    const run = makeRunner();
    const nm = path.join(__dirname, 'node_modules');
    for (const f of ['jquery/dist/jquery.min.js', 'smartmenus/dist/jquery.smartmenus.min.js',
        'smartmenus/dist/css/sm-core-css.css', 'smartmenus/dist/css/sm-simple/sm-simple.css'])
        fs.copyFileSync(path.join(nm, f), path.join(dir, path.basename(f)));
    run('new', path.join(dir, 'base.htm'));
    const tvx0 = fs.readFileSync(path.join(dir, 'base.tvx'), 'latin1');
    const server = await startServer(dir);
    const browser = await launch({ viewport: { width: 1280, height: 800 } });
    const rows = [];
    for (const [a, b, c] of [[10, 9, 10], [10, 10, 99]]) {
        const t = tree(a, b, c);
        const name = `n${t.count}`;
        fs.writeFileSync(path.join(dir, `${name}-src.tvx`), projectText(t, tvx0), 'latin1');
        fs.writeFileSync(path.join(dir, `${name}-src.htm`), '', 'latin1');
        run('save', path.join(dir, `${name}-src.htm`), path.join(dir, `${name}.htm`));
        run('export', path.join(dir, `${name}-src.htm`), path.join(dir, `${name}x.htm`));
        fs.copyFileSync(SCRIPT, path.join(dir, 'tavelin.js'));
        addReady(path.join(dir, `${name}.htm`));
        const page = fs.readFileSync(path.join(dir, `${name}.htm`), 'latin1');
        fs.writeFileSync(path.join(dir, `${name}f.htm`), page.replace(/<script src="tavelin\.js"><\/script>/, ''), 'latin1');
        addReady(path.join(dir, `${name}x.htm`));
        fs.writeFileSync(path.join(dir, `${name}sm.htm`), smartMenusPage(t));
        const size = (f) => fs.statSync(path.join(dir, f)).size;
        const [runtime, floor, exported, smartmenus] = await timesOf(browser,
            ['', 'f', 'x', 'sm'].map((k) => server.base + `${name}${k}.htm`));
        rows.push({
            items: t.count,
            runtime, floor, export: exported, smartmenus,
            bytes: { runtime: size(`${name}.htm`), export: size(`${name}x.htm`), smartmenus: size(`${name}sm.htm`) }
        });
    }
    await browser.close();
    server.close();
    run.cleanup();
    const gz = (files) => files.reduce((sum, f) => sum + zlib.gzipSync(fs.readFileSync(f), { level: 9 }).length, 0);
    const sizes = {
        tavelin: gz([SCRIPT]),
        smartmenus: gz([path.join(dir, 'jquery.min.js'), path.join(dir, 'jquery.smartmenus.min.js')])
    };
    if (process.env.BENCH_KEEP)
        console.log(`pages kept in ${dir}`);
    else
        fs.rmSync(dir, { recursive: true, force: true });
    console.log(`median of ${RUNS} interleaved runs, ms from navigation to the first frame after load with the menu built,`);
    console.log('in brackets from the end of parsing (DOMContentLoaded, where every menu script starts),');
    console.log('then the first contentful paint (ms from navigation)');
    console.log('items\truntime page\twithout script\texport\tSmartMenus\tpage bytes (runtime/export/SmartMenus)');
    for (const r of rows)
        console.log(`${r.items}\t${r.runtime}\t${r.floor}\t${r.export}\t${r.smartmenus}\t` +
            `${r.bytes.runtime}/${r.bytes.export}/${r.bytes.smartmenus}`);
    console.log(`script gzip -9 bytes: tavelin.js ${sizes.tavelin}, jQuery + SmartMenus ${sizes.smartmenus}`);
}

main().catch((e) => {
    console.error(e);
    process.exit(1);
});
