// Runs the window's scenario lines against the page: the lines of the Qt
// runner, read the same way (tests/README.md), each on a freshly loaded
// page, through the DOM the page and its tests agree on.
//   node scenarios.mjs PAGE.html FILE.txt… [NAME…]
import fs from 'node:fs';
import http from 'node:http';
import { launch, close, newTab, load, pressKey, typeChar, click, finish } from './driver.mjs';

const [pageFile, ...rest] = process.argv.slice(2);
const files = rest.filter(a => a.endsWith('.txt'));
const only = rest.filter(a => !a.endsWith('.txt'));

const split = (s, sep) => s.split(new RegExp(`(?<!\\\\)\\${sep}`)).map(p => p.trim().replaceAll(`\\${sep}`, sep));

// {TEXT×N} repeated, innermost first, then the escapes.
function text(s) {
    for (let m; (m = /\{([^{}]*)×(\d+)\}/.exec(s));) s = s.slice(0, m.index) + m[1].repeat(+m[2]) + s.slice(m.index + m[0].length);
    return s.replace(/\\([srbtn0e\\])/g, (_, c) => ({ s: ' ', r: '\r', b: '\b', t: '\t', n: '\n', 0: '\0', e: '\x1b', '\\': '\\' })[c]);
}

// "_" the caret, "[…]" a selection with the caret after it; else the caret at the end.
function marked(s) {
    const m = { text: '', caret: -1, selection: -1 };
    for (const c of text(s)) {
        if (c === '_' || c === ']') m.caret = m.text.length;
        else if (c === '[') m.selection = m.text.length;
        else m.text += c;
    }
    if (m.caret < 0) m.caret = m.text.length;
    return m;
}

const shown = s => String(s).length <= 120 ? s : `${s.slice(0, 60)}…${s.slice(-60)}`;
function same(what, actual, expected) {
    if (String(actual) !== String(expected)) throw new Error(`${what} «${shown(actual)}», expected «${shown(expected)}»`);
}

// Lines that start the whole program or speak of its window and folder are the desktop's.
const desktopOnly = (start, actions, checks) => /^program/.test(start) || /(^|;)\s*(answer|close)\b/.test(actions) ||
    /(^|;)\s*(only=desktop|window=|files=)/.test(checks);

// Let the page finish what the last event started (a clipboard read is a promise).
const settle = page => page.evaluate(() => new Promise(r => requestAnimationFrame(() => setTimeout(r, 0))));
const $ = (page, id) => page.$(`#${id}`);
const criticalBox = page => page.$eval('#criticalBox', b => b.open ? `open: ${document.getElementById('criticalTitle').textContent}` : 'closed');

async function openMenu(page, item) {
    await click(page, await $(page, item.startsWith('Help') ? 'Help' : 'Edit'));
    await settle(page);
}
// As the desktop hides a menu that a click on a disabled item left open.
async function closeMenu(page, item) {
    const menu = item.startsWith('Help') ? 'Help' : 'Edit';
    if (await page.$eval(`#${menu}`, m => m.getAttribute('aria-expanded') === 'true')) await click(page, await $(page, menu));
    await settle(page);
}

async function act(page, step) {
    let times = 1;
    const m = /\s+×(\d+)$/.exec(step);
    if (m) { times = +m[1]; step = step.slice(0, m.index); }
    const verb = step.split(' ')[0], rest = step.slice(verb.length + 1), args = rest.split(' ').filter(Boolean);
    for (let i = 0; i < times; ++i) {
        if (verb === 'type') {
            for (const c of text(rest)) await typeChar(page, c);
        } else if (verb === 'key') {
            for (const k of args) await pressKey(page, k);
        } else if (verb === 'click' || verb === 'dclick') {
            const count = verb === 'dclick' ? 2 : 1;
            const control = /^[A-Za-z]/.test(args[0]) && await $(page, args[0]);
            if (control && args[1]) {
                // Scrolled to first, as a user does with a row out of sight.
                const row = (await control.$$('[role=option]'))[args[1] - 1];
                await row.evaluate(r => r.scrollIntoView({ block: 'nearest' }));
                await click(page, row, { count });
            } else if (control) {
                await click(page, control, { count, at: [5, 5] });
            } else {
                for (const label of args[0]) {
                    const id = await page.evaluate(l => [...document.querySelectorAll('[id^=Knopka]')]
                        .find(k => k.textContent.trim() === l)?.id, label);
                    if (!id) throw new Error(`no key ${label}`);
                    await click(page, await $(page, id), { count });
                }
            }
        } else if (verb === 'menu' || verb === 'fire') {
            await openMenu(page, rest);
            // As a menu opened earlier may have left the item on.
            if (verb === 'fire') await page.$eval(`#${rest}`, e => e.removeAttribute('aria-disabled'));
            await click(page, await $(page, rest));
            await closeMenu(page, rest);
        } else if (verb === 'clip') {
            await page.evaluate(t => navigator.clipboard.writeText(t), text(rest));
        } else if (verb === 'html') {
            await page.evaluate(h => navigator.clipboard.write([new ClipboardItem({ 'text/html': new Blob([h], { type: 'text/html' }) })]), text(rest));
        } else {
            throw new Error(`unknown step: ${step}`);
        }
    }
    await settle(page);
}

async function check(page, key, value) {
    const [list, part] = key.split('.');
    if (key === 'state') same('state', await page.evaluate(() => window.tambrel.exampleState()), value);
    else if (key === 'answer') same('txtOtvet', await page.$eval('#txtOtvet', e => e.value), text(value));
    else if (key === 'message') {
        const [t, from, to] = await page.$eval('#txtOtvet', e => [e.value, e.selectionStart, e.selectionEnd]);
        if (!/^\p{L}/u.test(t) || from !== 0 || to !== 0) throw new Error(`no message read from its start: «${shown(t)}» caret ${from}–${to}`);
    } else if (key === 'focus') same('focus', await page.evaluate(() => document.activeElement?.id ?? ''), value);
    else if (key === 'offers') {
        await openMenu(page, 'Edit');
        const offered = await page.evaluate(() => ['EditUndo', 'EditRedo', 'EditCopy', 'EditPaste', 'EditDelete']
            .map(id => document.getElementById(id).getAttribute('aria-disabled') === 'true' ? '-' : '+').join(''));
        await closeMenu(page, 'Edit');
        same('Edit menu', offered, value);
    } else if (key === 'clip') same('clipboard', await page.evaluate(() => navigator.clipboard.readText()), text(value));
    else if (key === 'switch') same('switch', await page.$eval('#EditPrimerOtvet', e => e.getAttribute('aria-checked') === 'true' ? 'on' : 'off'), value);
    else if (key === 'critical') same('critical box', await criticalBox(page), `open: ${value}`);
    else if (key === 'only') { if (value !== 'page') throw new Error(`only=${value}`); }
    else if (list === 'DirC' || list === 'DirPr') {
        const [count, sel, tip] = await page.$eval(`#${list}`, l => {
            const items = [...l.querySelectorAll('[role=option]')];
            return [items.length, items.findIndex(i => i.getAttribute('aria-selected') === 'true') + 1, l.getAttribute('title') ?? ''];
        });
        if (!part) same('items', count, value);
        else if (part === 'sel') same('selected', sel, value);
        else if (part === 'tip') same('tooltip', tip, text(value));
        else throw new Error(`unknown check: ${key}`);
    } else throw new Error(`unknown check: ${key}`);
}

async function run(page, url, [start, actions, example, checks]) {
    await page.evaluate(() => localStorage.clear()).catch(() => {});
    // An empty clipboard, as the desktop's runner clears it.
    await page.evaluate(() => navigator.clipboard.write([])).catch(() => {});
    await load(page, url);
    const s = marked(start);
    // Put in as one change, as a native edit reaches the page: the value, then its input event.
    await page.$eval('#Primer', (p, s) => {
        if (p.value !== s.text) { p.value = s.text; p.dispatchEvent(new InputEvent('input', { bubbles: true, inputType: 'insertReplacementText' })); }
        if (s.selection >= 0) p.setSelectionRange(s.selection, s.caret); else p.setSelectionRange(s.caret, s.caret);
    }, s);
    for (const step of split(actions, ';')) if (step) await act(page, step);
    const e = marked(example);
    const [value, title, from, to, direction] = await page.$eval('#Primer', p => [p.value, p.title, p.selectionStart, p.selectionEnd, p.selectionDirection]);
    same('Primer', value, e.text);
    same('its tooltip', title, value);
    same('caret', direction === 'backward' ? from : to, e.caret);
    same('selected', value.slice(from, to), e.selection >= 0 ? e.text.slice(e.selection, e.caret) : '');
    const wanted = split(checks, ';').filter(Boolean);
    if (!wanted.some(c => c.startsWith('critical='))) same('critical box', await criticalBox(page), 'closed');
    for (const c of wanted) await check(page, c.split('=')[0], c.slice(c.indexOf('=') + 1));
    if (page.faults.length) throw new Error(page.faults.join('; '));
}

// The clipboard wants a secure origin with its permissions granted: a
// loopback server of this run's own hands out the one page.
const server = http.createServer((req, res) => {
    res.writeHead(200, { 'content-type': 'text/html; charset=utf-8' });
    res.end(fs.readFileSync(pageFile));
}).listen(0, '127.0.0.1');
await new Promise(r => server.once('listening', r));
const origin = `http://127.0.0.1:${server.address().port}`;
const browser = await launch();
await browser.defaultBrowserContext().overridePermissions(origin, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
let page = await newTab(browser);
let passed = 0, failed = 0, skipped = 0;
const names = new Set();
for (const file of files) {
    for (const line of fs.readFileSync(file, 'utf8').split('\n')) {
        if (!line.trim() || line.trim().startsWith('#')) continue;
        const [name, ...columns] = split(line, '|');
        if (columns.length < 3 || names.has(name)) throw new Error(`bad or repeated line: ${line}`);
        names.add(name);
        if (only.length && !only.includes(name)) continue;
        if (desktopOnly(columns[0], columns[1], columns[3] ?? '')) { ++skipped; continue; }
        const t0 = Date.now();
        try {
            await run(page, `${origin}/tambrel.html`, [columns[0], columns[1], columns[2], columns[3] ?? '']);
            ++passed;
            if (process.env.TIMES) console.log(`ok ${name} ${Date.now() - t0} ms`);
        } catch (e) {
            ++failed;
            console.log(`FAIL ${name} (${Date.now() - t0} ms): ${e.message.split('\n')[0]}`);
            // A tab left in a bad way is not handed to the next line.
            await page.close().catch(() => {});
            page = await newTab(browser);
        }
    }
}
console.log(`${skipped} desktop-only lines not run`);
await close(browser);
server.close();
finish(passed, failed);
