// Starts Debian's Chromium headless in a profile of its own and drives the
// page through trusted input: CDP key and mouse events, as a keyboard sends.
import puppeteer from 'puppeteer-core';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

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
export const pagePath = path.resolve(process.argv[2] ||
    new URL('../../build-page/tambrel.html', import.meta.url).pathname);

// A tab whose document counts as focused (the clipboard needs it), with
// every dialog, page error and console error recorded as a fault.
export async function newTab(browser, viewport = { width: 1000, height: 800 }) {
    const page = await browser.newPage();
    await page.setViewport(viewport);
    const cdp = await page.createCDPSession();
    await cdp.send('Emulation.setFocusEmulationEnabled', { enabled: true });
    page.faults = [];
    page.on('dialog', d => { page.faults.push(`dialog ${d.type()}: ${d.message()}`); d.dismiss(); });
    page.on('pageerror', e => page.faults.push(`page error: ${e.message}`));
    page.on('console', m => m.type() === 'error' && page.faults.push(`console error: ${m.text()}`));
    page.cdp = cdp;
    return page;
}

// Opens the URL and waits until the engine is loaded (and a link's example solved).
export async function load(page, url) {
    await page.goto(url, { waitUntil: 'domcontentloaded' });
    await page.waitForFunction(() => document.documentElement.dataset.ready === '1', { timeout: 10000, polling: 'mutation' })
        .catch(e => { throw new Error(`not ready: ${[e.message, ...page.faults].join('; ')}`); });
}

// Keys by the names QKeySequence reads: [key, code, keyCode, text, location].
const KEYS = {
    return: ['Enter', 'Enter', 13, '\r'], enter: ['Enter', 'NumpadEnter', 13, '\r', 3],
    backspace: ['Backspace', 'Backspace', 8], delete: ['Delete', 'Delete', 46], tab: ['Tab', 'Tab', 9],
    home: ['Home', 'Home', 36], end: ['End', 'End', 35], up: ['ArrowUp', 'ArrowUp', 38],
    down: ['ArrowDown', 'ArrowDown', 40], left: ['ArrowLeft', 'ArrowLeft', 37],
    right: ['ArrowRight', 'ArrowRight', 39], escape: ['Escape', 'Escape', 27], space: [' ', 'Space', 32, ' '],
    insert: ['Insert', 'Insert', 45], f1: ['F1', 'F1', 112], f10: ['F10', 'F10', 121],
};
const MODIFIERS = { alt: ['Alt', 'AltLeft', 18, 1], ctrl: ['Control', 'ControlLeft', 17, 2],
    meta: ['Meta', 'MetaLeft', 91, 4], shift: ['Shift', 'ShiftLeft', 16, 8] };
const SHIFTED = '~!@#$%^&*()_+{}|:"<>?';

function keyOf(c) {
    const latin = /^[a-z0-9]$/i.test(c);
    return [c, latin ? (/\d/.test(c) ? 'Digit' : 'Key') + c.toUpperCase() : '', latin ? c.toUpperCase().charCodeAt(0) : 0, c];
}

async function stroke(page, [key, code, keyCode, text, location], mods) {
    const down = { modifiers: 0 };
    for (const m of mods) {
        const [k, c, kc, bit] = MODIFIERS[m];
        down.modifiers |= bit;
        await page.cdp.send('Input.dispatchKeyEvent', { type: 'rawKeyDown', key: k, code: c, windowsVirtualKeyCode: kc, modifiers: down.modifiers });
    }
    // A combination with Ctrl, Alt or Meta brings no text, as in a browser's own input.
    if (down.modifiers & 7) text = undefined;
    const event = { key, code, windowsVirtualKeyCode: keyCode, location: location || 0, isKeypad: location === 3, modifiers: down.modifiers };
    await page.cdp.send('Input.dispatchKeyEvent', { ...event, type: text ? 'keyDown' : 'rawKeyDown', text, unmodifiedText: text });
    await page.cdp.send('Input.dispatchKeyEvent', { ...event, type: 'keyUp' });
    for (const m of [...mods].reverse()) {
        const [k, c, kc, bit] = MODIFIERS[m];
        down.modifiers &= ~bit;
        await page.cdp.send('Input.dispatchKeyEvent', { type: 'keyUp', key: k, code: c, windowsVirtualKeyCode: kc, modifiers: down.modifiers });
    }
}

// "ctrl+shift+z", "Num+Enter", "Num+Delete", "BackSpace", "Return", "space".
export async function pressKey(page, name) {
    const parts = name.toLowerCase().split('+');
    let key = parts.pop();
    const keypad = parts.includes('num');
    const mods = parts.filter(p => p !== 'num');
    if (!mods.every(m => MODIFIERS[m])) throw new Error(`unknown key: ${name}`);
    let description = key === 'delete' && keypad ? ['Delete', 'NumpadDecimal', 46, undefined, 3]
        : key === 'return' && keypad ? KEYS.enter : KEYS[key];
    if (!description && key.length === 1) {
        description = keyOf(key);
        if (mods.includes('shift')) description[0] = description[3] = key.toUpperCase();
    }
    if (!description) throw new Error(`unknown key: ${name}`);
    await stroke(page, description, mods);
}

// A character typed as its key; CR, Backspace, tab and Escape as theirs.
export async function typeChar(page, c) {
    const special = { '\r': 'Return', '\b': 'BackSpace', '\t': 'Tab', '\x1b': 'Escape', ' ': 'space' }[c];
    if (special) return pressKey(page, special);
    const shift = c !== c.toLowerCase() || SHIFTED.includes(c);
    await stroke(page, keyOf(c), shift ? ['shift'] : []);
}

// A real click (or double click) in the middle of the element, or at an
// offset from its top left corner.
export async function click(page, handle, { count = 1, at } = {}) {
    const box = await handle.boundingBox();
    if (!box) throw new Error('not shown, cannot be clicked');
    const [x, y] = at ? [box.x + at[0], box.y + at[1]] : [box.x + box.width / 2, box.y + box.height / 2];
    // The pointer goes there once; a move waits for a frame.
    if (page.pointer !== `${x},${y}`) await page.cdp.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x, y });
    page.pointer = `${x},${y}`;
    for (let clickCount = 1; clickCount <= count; ++clickCount) {
        await page.cdp.send('Input.dispatchMouseEvent', { type: 'mousePressed', x, y, button: 'left', buttons: 1, clickCount });
        await page.cdp.send('Input.dispatchMouseEvent', { type: 'mouseReleased', x, y, button: 'left', buttons: 0, clickCount });
    }
}

// Prints the closing line that ctest's output is read for; fails on any failure.
export function finish(passed, failed) {
    console.log(`${passed} passed, ${failed} failed`);
    process.exitCode = failed ? 1 : 0;
}
