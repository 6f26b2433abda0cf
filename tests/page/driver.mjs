// Starts Debian's Chromium headless in a profile of its own and drives the
// page with trusted input: CDP key and mouse events, as a keyboard sends them.
import puppeteer from 'puppeteer-core';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

// Without the background flags Chromium's own connections are refused on a
// closed network and slow every start.
export async function launch() {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'tambrel-chromium-'));
    const browser = await puppeteer.launch({
        executablePath: process.env.CHROMIUM || '/usr/bin/chromium', headless: true, userDataDir: profile,
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
            '--disable-component-update', '--disable-sync'],
    });
    browser.profile = profile;
    return browser;
}
export async function close(browser) {
    await browser.close();
    fs.rmSync(browser.profile, { recursive: true, force: true, maxRetries: 5 });
}

// The page's file: the first argument, else the build's.
export const pagePath = path.resolve(process.argv[2] || fileURLToPath(new URL('../../build-page/tambrel.html', import.meta.url)));

// A tab whose document counts as focused (the clipboard wants it), with every
// dialog, page error and console error recorded as a fault.
export async function newTab(browser, viewport = { width: 1000, height: 800 }) {
    const page = await browser.newPage();
    await page.setViewport(viewport);
    page.cdp = await page.createCDPSession();
    await page.cdp.send('Emulation.setFocusEmulationEnabled', { enabled: true });
    page.faults = [];
    page.on('dialog', d => { page.faults.push(`dialog ${d.type()}: ${d.message()}`); d.dismiss(); });
    page.on('pageerror', e => page.faults.push(`page error: ${e.message}`));
    page.on('console', m => m.type() === 'error' && page.faults.push(`console error: ${m.text()}`));
    return page;
}

// Opens the URL and waits until the engine is loaded (and a link's example solved).
export async function load(page, url) {
    await page.goto(url, { waitUntil: 'domcontentloaded' });
    await page.waitForFunction(() => document.documentElement.dataset.ready === '1', { timeout: 10000, polling: 'mutation' })
        .catch(e => { throw new Error([`not ready: ${e.message}`, ...page.faults].join('; ')); });
}

// Keys by the names QKeySequence reads, lower case: [key, code, keyCode, text, location].
const KEYS = {
    return: ['Enter', 'Enter', 13, '\r'], 'num+return': ['Enter', 'NumpadEnter', 13, '\r', 3],
    'num+enter': ['Enter', 'NumpadEnter', 13, '\r', 3], 'num+delete': ['Delete', 'NumpadDecimal', 46, '', 3],
    backspace: ['Backspace', 'Backspace', 8], delete: ['Delete', 'Delete', 46], tab: ['Tab', 'Tab', 9],
    home: ['Home', 'Home', 36], end: ['End', 'End', 35], up: ['ArrowUp', 'ArrowUp', 38], down: ['ArrowDown', 'ArrowDown', 40],
    left: ['ArrowLeft', 'ArrowLeft', 37], right: ['ArrowRight', 'ArrowRight', 39], escape: ['Escape', 'Escape', 27],
    space: [' ', 'Space', 32, ' '], insert: ['Insert', 'Insert', 45], f1: ['F1', 'F1', 112], f2: ['F2', 'F2', 113], f10: ['F10', 'F10', 121],
};
const MODIFIERS = { alt: ['Alt', 'AltLeft', 18, 1], ctrl: ['Control', 'ControlLeft', 17, 2],
    meta: ['Meta', 'MetaLeft', 91, 4], shift: ['Shift', 'ShiftLeft', 16, 8] };
const charKey = c => /^[a-z0-9]$/i.test(c) ? [c, (/\d/.test(c) ? 'Digit' : 'Key') + c.toUpperCase(), c.toUpperCase().charCodeAt(0), c] : [c, '', 0, c];

// Modifiers pressed first and released last, as fingers do; with Ctrl, Alt
// or Meta held a key brings no text.
async function stroke(page, [key, code, windowsVirtualKeyCode, text, location = 0], mods) {
    const send = e => page.cdp.send('Input.dispatchKeyEvent', e);
    let modifiers = 0;
    for (const m of mods) {
        const [k, c, kc, bit] = MODIFIERS[m];
        await send({ type: 'rawKeyDown', key: k, code: c, windowsVirtualKeyCode: kc, modifiers: modifiers |= bit });
    }
    if (modifiers & 7) text = '';
    const event = { key, code, windowsVirtualKeyCode, location, isKeypad: location === 3, modifiers };
    await send({ ...event, type: text ? 'keyDown' : 'rawKeyDown', text, unmodifiedText: text });
    await send({ ...event, type: 'keyUp' });
    for (const m of [...mods].reverse()) {
        const [k, c, kc, bit] = MODIFIERS[m];
        await send({ type: 'keyUp', key: k, code: c, windowsVirtualKeyCode: kc, modifiers: modifiers &= ~bit });
    }
}

// "ctrl+shift+z", "Num+Enter", "BackSpace", "space".
export async function pressKey(page, name) {
    const parts = name.toLowerCase().split('+'), keypad = parts[parts.length - 2] === 'num';
    const key = (keypad ? 'num+' : '') + parts.pop(), mods = parts.filter(p => p !== 'num');
    let description = KEYS[key] || (key.length === 1 && charKey(key));
    if (!description || !mods.every(m => MODIFIERS[m])) throw new Error(`unknown key: ${name}`);
    if (mods.includes('shift') && key.length === 1) description = charKey(key.toUpperCase());
    await stroke(page, description, mods);
}

// A character typed as its key; CR, Backspace, tab, Escape and a blank as theirs.
export async function typeChar(page, c) {
    const special = { '\r': 'Return', '\b': 'BackSpace', '\t': 'Tab', '\x1b': 'Escape', ' ': 'space' }[c];
    if (special) return pressKey(page, special);
    await stroke(page, charKey(c), c !== c.toLowerCase() || '~!@#$%^&*()_+{}|:"<>?'.includes(c) ? ['shift'] : []);
}

// A real click (or double click) in the middle of the element, or at an
// offset from its top left corner. The pointer moves there once: a move
// waits for a frame.
export async function click(page, handle, { count = 1, at } = {}) {
    const box = await handle.boundingBox();
    if (!box) throw new Error('not shown, cannot be clicked');
    const [x, y] = at ? [box.x + at[0], box.y + at[1]] : [box.x + box.width / 2, box.y + box.height / 2];
    const mouse = e => page.cdp.send('Input.dispatchMouseEvent', { x, y, button: 'left', ...e });
    if (page.pointer !== `${x},${y}`) await mouse({ type: 'mouseMoved', button: 'none' });
    page.pointer = `${x},${y}`;
    for (let clickCount = 1; clickCount <= count; ++clickCount) {
        await mouse({ type: 'mousePressed', buttons: 1, clickCount });
        await mouse({ type: 'mouseReleased', buttons: 0, clickCount });
    }
}

export function same(what, actual, expected) {
    const ok = expected instanceof RegExp ? expected.test(actual) : String(actual) === String(expected);
    const shown = s => (s = String(s)).length <= 120 ? s : `${s.slice(0, 60)}…${s.slice(-60)}`;
    if (!ok) throw new Error(`${what} «${shown(actual)}», expected «${shown(expected)}»`);
}

// Cases counted and their failures told; the closing line is the one ctest's output is read for.
export const tally = {
    passed: 0, failed: 0,
    async run(name, body) {
        const start = Date.now();
        try {
            await body();
            ++this.passed;
            if (process.env.TIMES) console.log(`ok ${name} ${Date.now() - start} ms`);
            return true;
        } catch (e) {
            ++this.failed;
            console.log(`FAIL ${name} (${Date.now() - start} ms): ${e.message.split('\n')[0]}`);
            return false;
        }
    },
    finish() {
        console.log(`${this.passed} passed, ${this.failed} failed`);
        process.exitCode = this.failed ? 1 : 0;
    },
};
