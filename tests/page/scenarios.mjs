// Runs the window's scenario lines (tests/README.md) against the page, each
// on a freshly loaded page, through the DOM the page and its tests agree on.
//   node scenarios.mjs PAGE.html FILE.txt… [NAME…]
import fs from 'node:fs';
import http from 'node:http';
import { launch, close, newTab, load, pressKey, typeChar, click, same, tally } from './driver.mjs';

const [pageFile, ...rest] = process.argv.slice(2);
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

// Lines that start the whole program or speak of its window and folder are the desktop's.
const desktopOnly = ([start, actions, , checks]) => /^program/.test(start) || /(^|;)\s*(answer|close)\b/.test(actions) ||
    /(^|;)\s*(only=desktop|window=|files=)/.test(checks);

// Lets the page finish what the last event started (a clipboard read is a promise).
const settle = page => page.evaluate(() => new Promise(r => requestAnimationFrame(() => setTimeout(r, 0))));
const menuOf = item => `#${['Edit', 'Reshenie', 'Help'].find(menu => item.startsWith(menu))}`;
async function toggleMenu(page, item, open) {
    if (open !== await page.$eval(menuOf(item), m => m.getAttribute('aria-expanded') === 'true')) await click(page, await page.$(menuOf(item)));
    // The Edit menu opens once the page has looked at the clipboard.
    await page.waitForFunction((m, o) => document.querySelector(m).getAttribute('aria-expanded') === String(o), {}, menuOf(item), open);
}

async function act(page, step) {
    const m = /\s+×(\d+)$/.exec(step), times = m ? +m[1] : 1;
    if (m) step = step.slice(0, m.index);
    const verb = step.split(' ')[0], rest = step.slice(verb.length + 1), args = rest.split(' ').filter(Boolean);
    for (let i = 0; i < times; ++i) {
        if (verb === 'type') {
            for (const c of text(rest)) await typeChar(page, c);
        } else if (verb === 'key') {
            for (const k of args) await pressKey(page, k);
        } else if (verb === 'click' || verb === 'dclick') {
            const count = verb === 'dclick' ? 2 : 1, control = /^[A-Za-z]/.test(args[0]) && await page.$(`#${args[0]}`);
            if (control && args[1]) {
                // Scrolled to first, as a user does with a row out of sight.
                const row = (await control.$$('[role=option]'))[args[1] - 1];
                await row.evaluate(r => r.scrollIntoView({ block: 'nearest' }));
                await click(page, row, { count });
            } else if (control) {
                await click(page, control, { count, at: [5, 5] });
            } else {
                for (const label of args[0]) {
                    const keys = await page.$$('[id^=Knopka]'), captions = await Promise.all(keys.map(k => k.evaluate(e => e.textContent.trim())));
                    if (!captions.includes(label)) throw new Error(`no key ${label}`);
                    await click(page, keys[captions.indexOf(label)], { count });
                }
            }
        } else if (verb === 'menu' || verb === 'fire') {
            await toggleMenu(page, rest, true);
            // As a menu opened earlier may have left the item on.
            if (verb === 'fire') await page.$eval(`#${rest}`, e => e.removeAttribute('aria-disabled'));
            await click(page, await page.$(`#${rest}`));
            await toggleMenu(page, rest, false);
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

// Which of the menu's items it offers when opened: "+" or "-" each.
async function offers(page, menu, items) {
    await toggleMenu(page, menu, true);
    const offered = await page.evaluate(ids => ids.map(id => document.getElementById(id).getAttribute('aria-disabled') === 'true' ? '-' : '+').join(''), items);
    await toggleMenu(page, menu, false);
    return offered;
}

// The notebook as it is drawn: closed, open on a notebook, or open with the
// line that tells how to get one; its rows read as the text prints them (a
// cell's character, its comma after it, a raised cell as its superscript),
// only where they are shown.
const notebookState = page => page.evaluate(() => {
    const shown = document.getElementById('frmTetrad').open, lines = document.getElementById('tetradLines').children.length;
    const hint = document.getElementById('tetradHint').checkVisibility();
    return !shown ? 'closed' : lines && !hint ? 'open' : !lines && hint ? 'empty' : `${lines} blocks, the hint ${hint ? 'shown' : 'hidden'}`;
});
async function notebookRows(page) {
    same('notebook', await notebookState(page), 'open');
    return page.$$eval('#tetradLines .row', rows => rows.map(row => [...row.children].map(cell => {
        const c = cell.firstChild?.nodeType === Node.TEXT_NODE ? cell.firstChild.nodeValue : ' ';
        const raised = cell.classList.contains('raised') ? '⁰¹²³⁴⁵⁶⁷⁸⁹⁻⁺⁽⁾'['0123456789−+()'.indexOf(c)] ?? c : c;
        return raised + (cell.querySelector('u') ? ',' : '');
    }).join('').trimEnd()));
}
// Action N's line at the top of the notebook's box, as the box shows it.
async function actionAtTop(page, n) {
    same('notebook', await notebookState(page), 'open');
    return page.evaluate(n => {
        const paper = document.getElementById('tetradPaper'), line = paper.querySelector(`[data-action="${n}"]`);
        if (!line) return 'no such action';
        const top = paper.getBoundingClientRect().top + paper.clientTop, at = line.getBoundingClientRect().top;
        return Math.abs(at - top) <= 1 ? 'at the top' : `${Math.round(at - top)} px from the top`;
    }, +n);
}

const criticalBox = page => page.$eval('#criticalBox', b => b.open ? document.getElementById('criticalTitle').textContent : 'none');

async function check(page, key, value) {
    const [list, part = 'count'] = key.split('.');
    const otvet = () => page.$eval('#txtOtvet', e => [e.value, e.selectionStart, e.selectionEnd]);
    if (key === 'state') same('state', await page.evaluate(() => window.tambrel.exampleState()), value);
    else if (key === 'answer') same('txtOtvet', (await otvet())[0], text(value));
    else if (key === 'message') same('txtOtvet, caret, selection end', (await otvet()).join(', '), /^\p{L}.*, 0, 0$/u);
    else if (key === 'focus') same('focus', await page.evaluate(() => document.activeElement?.id ?? ''), value);
    else if (key === 'clip') same('clipboard', await page.evaluate(() => navigator.clipboard.readText()), text(value));
    else if (key === 'switch') same('switch', await page.$eval('#EditPrimerOtvet', e => e.getAttribute('aria-checked') === 'true' ? 'on' : 'off'), value);
    else if (key === 'critical') same('critical box', await criticalBox(page), value);
    else if (key === 'offers') same('Edit menu', await offers(page, 'Edit', ['EditUndo', 'EditRedo', 'EditCopy', 'EditPaste', 'EditDelete']), value);
    else if (key === 'reshenie') same('Решение menu', await offers(page, 'Reshenie', ['ReshenieShow', 'ReshenieCopy', 'ResheniePrint']), value);
    else if (key === 'notebook') same('notebook', await notebookState(page), value);
    else if (key === 'notebook.has') {
        const rows = await notebookRows(page);
        if (!rows.includes(text(value))) throw new Error(`notebook has no line «${text(value)}»; it has «${rows.join('» «')}»`);
    } else if (key === 'notebook.at') same(`action ${value}'s line`, await actionAtTop(page, value), 'at the top');
    else if (['DirC', 'DirPr'].includes(list) && ['count', 'sel', 'tip'].includes(part)) {
        const facts = await page.$eval(`#${list}`, l => {
            const items = [...l.querySelectorAll('[role=option]')];
            return { count: items.length, sel: items.findIndex(i => i.getAttribute('aria-selected') === 'true') + 1, tip: l.getAttribute('title') ?? '' };
        });
        same(key, facts[part], part === 'tip' ? text(value) : value);
    } else if (key !== 'only' || value !== 'page') throw new Error(`unknown check: ${key}`);
}

async function run(page, url, [start, actions, example, checks]) {
    // Nothing kept from an earlier line: the page reads its storage once, as it opens.
    await load(page, url);
    if (await page.evaluate(() => localStorage.length && (localStorage.clear(), true))) await load(page, url);
    // No text on the clipboard, as the desktop's runner clears it.
    await page.evaluate(() => navigator.clipboard.write([new ClipboardItem({ 'text/html': new Blob([''], { type: 'text/html' }) })]));
    // Put in as one change, as a native edit reaches the page: the value, then its input event.
    await page.$eval('#Primer', (p, s) => {
        if (p.value !== s.text) { p.value = s.text; p.dispatchEvent(new InputEvent('input', { bubbles: true, inputType: 'insertReplacementText' })); }
        p.setSelectionRange(s.selection >= 0 ? s.selection : s.caret, s.caret);
    }, marked(start));
    for (const step of split(actions, ';')) if (step) await act(page, step);
    const e = marked(example);
    const [value, title, from, to, backward] = await page.$eval('#Primer', p => [p.value, p.title, p.selectionStart, p.selectionEnd, p.selectionDirection === 'backward']);
    same('Primer', value, e.text);
    same('its tooltip', title, value);
    same('caret', backward ? from : to, e.caret);
    same('selected', value.slice(from, to), e.selection >= 0 ? e.text.slice(e.selection, e.caret) : '');
    const wanted = split(checks, ';').filter(Boolean);
    if (!wanted.some(c => c.startsWith('critical='))) same('critical box', await criticalBox(page), 'none');
    for (const c of wanted) await check(page, c.split('=')[0], c.slice(c.indexOf('=') + 1));
    if (page.faults.length) throw new Error(page.faults.join('; '));
}

// The clipboard wants a secure origin with its permissions granted: a
// loopback server of this run's own hands out the one page.
const server = http.createServer((_, res) => {
    res.writeHead(200, { 'content-type': 'text/html; charset=utf-8' });
    res.end(fs.readFileSync(pageFile));
}).listen(0, '127.0.0.1');
await new Promise(r => server.once('listening', r));
const origin = `http://127.0.0.1:${server.address().port}`;
const browser = await launch();
await browser.defaultBrowserContext().overridePermissions(origin, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
let page = await newTab(browser), skipped = 0;
const names = new Set();
for (const file of rest.filter(a => a.endsWith('.txt'))) {
    for (const line of fs.readFileSync(file, 'utf8').split('\n')) {
        if (!line.trim() || line.trim().startsWith('#')) continue;
        const [name, ...columns] = split(line, '|');
        if (columns.length < 3 || names.has(name)) throw new Error(`bad or repeated line: ${line}`);
        names.add(name);
        columns[3] ??= '';
        if (only.length && !only.includes(name)) continue;
        if (desktopOnly(columns)) { ++skipped; continue; }
        // A tab a line failed on is not handed to the next one.
        if (!await tally.run(name, () => run(page, `${origin}/tambrel.html`, columns))) {
            await page.close().catch(() => {});
            page = await newTab(browser);
        }
    }
}
console.log(`${skipped} lines of the desktop's alone not run`);
await close(browser);
server.close();
tally.finish();
