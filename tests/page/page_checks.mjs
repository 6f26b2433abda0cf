// What the page must do beyond the window's lines, opened over file:// from
// a copy in a fresh folder, with every request caught:
//   node page_checks.mjs PAGE.html link|narrow|offline|looks
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { launch, close, newTab, load, typeChar, pressKey, click, pagePath, same, tally } from './driver.mjs';

// The fragment after "#" → the example in #Primer and the answer. A link is
// decoded as a URL is (a broken escape stands for no character) and filtered
// as a paste is; nothing in it may run.
const MESSAGE = /^\p{L}/u;
const LINKS = [
    ['2+3*4', '2+3*4', '14'], ['%32%2B3%2A4', '2+3*4', '14'], ['%D0%BA(16)-%D0%9A(9)', 'K(16)-K(9)', '1'],
    ['12%20-%204%20*%202', '12-4*2', '4'], ['(2%2B3', '(2+3', MESSAGE], ['2%2B3%', '2+3', '5'],
    ['%E0%A4%A+2', '+2', '2'], ['7%', '7', '7'], ['<script>alert(1)</script>', '(1)/', MESSAGE],
    ['"><img src=x onerror=alert(1)>', '(1)', '1'], ["'><svg/onload=alert(2)>7", '/(2)7', MESSAGE], ['', '', ''],
];

// A folder whose name has a blank and Cyrillic in it.
const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'тамбрель страница '));
const copy = path.join(folder, 'tambrel.html');
fs.copyFileSync(pagePath, copy);
const url = pathToFileURL(copy).href;
const browser = await launch();

// A tab on which any request but for the page itself, data: and blob: is a fault.
async function tab(viewport) {
    const page = await newTab(browser, viewport);
    await page.setRequestInterception(true);
    page.on('request', r => {
        if (r.url().split('#')[0] === url || /^(data|blob):/.test(r.url())) return r.continue();
        page.faults.push(`request ${r.url()}`);
        r.abort();
    });
    return page;
}
const noFaults = page => same('faults', page.faults.join('; '), '');
const value = (page, id) => page.$eval(`#${id}`, e => e.value);

const what = process.argv[3];
if (what === 'link') {
    const page = await tab();
    // What may run or load: as many such elements as the page has without a link.
    const active = () => page.$$eval('img, svg, script, iframe, object, embed', l => l.length);
    await load(page, url);
    const before = await active();
    for (const [fragment, example, answer] of LINKS) {
        await tally.run(`#${fragment}`, async () => {
            page.faults.length = 0;
            await page.goto('about:blank');
            await load(page, `${url}#${fragment}`);
            noFaults(page);
            same('images, scripts and frames', await active(), before);
            same('Primer', await value(page, 'Primer'), example);
            same('txtOtvet', await value(page, 'txtOtvet'), answer);
        });
    }
} else if (what === 'narrow') {
    // A phone's width: no sideways scrolling, keys a finger can hit, also
    // with the lists and the answer of a long example.
    const page = await tab({ width: 360, height: 640, isMobile: true, hasTouch: true });
    const fits = async () => {
        const width = await page.evaluate(() => document.documentElement.scrollWidth);
        same('page width', width <= 360 ? 'within 360 px' : `${width} px`, 'within 360 px');
        same('keys under 44 px', await page.$$eval('[id^=Knopka]', ks => ks.map(k => [k.id, k.getBoundingClientRect()])
            .filter(([, r]) => r.width < 44 || r.height < 44).map(([id, r]) => `${id} ${r.width}×${r.height}`).join(', ')), '');
        same('keys', await page.$$eval('[id^=Knopka]', ks => ks.length), 21);
        noFaults(page);
    };
    await tally.run('360 px at start', async () => { await load(page, url); await fits(); });
    await tally.run('360 px with a long example solved', async () => {
        await load(page, `${url}#${'9999999-9999999+'.repeat(20)}1`);
        same('actions', await page.$$eval('#DirC [role=option]', l => l.length), 40);
        await fits();
    });
    // The notebook opened by touch from «Решение»: wider and longer than
    // the phone, it scrolls inside its own box, which stays within the page.
    await tally.run('360 px with the notebook open', async () => {
        await click(page, await page.$('#Reshenie'));
        await click(page, await page.$('#ReshenieShow'));
        same('notebook', await page.$eval('#frmTetrad', d => d.open && d.querySelectorAll('.row').length > 40), true);
        same('its box', await page.$eval('#tetradPaper', p => {
            const r = p.getBoundingClientRect();
            return [r.left >= 0 && r.right <= 360 ? 'within the page' : `${r.left}…${r.right} px`,
                p.scrollWidth > p.clientWidth && getComputedStyle(p).overflowX === 'auto' ? 'scrolls sideways' : 'does not scroll sideways',
                p.scrollHeight > p.clientHeight ? 'scrolls down' : 'does not scroll down'].join(', ');
        }), 'within the page, scrolls sideways, scrolls down');
        await fits();
    });
} else if (what === 'offline') {
    await tally.run('offline from a folder of its own', async () => {
        const page = await tab();
        await load(page, url);
        for (const c of '2+3*4') await typeChar(page, c);
        await pressKey(page, 'Return');
        same('txtOtvet', await value(page, 'txtOtvet'), '14');
        noFaults(page);
    });
} else if (what === 'looks') {
    // What the window shows too: a key held down light green, the button
    // face once released; the menus' items with their shortcuts.
    const page = await tab();
    await tally.run('a held key', async () => {
        await load(page, url);
        const key = await page.$('#Knopka5'), box = await key.boundingBox();
        await page.mouse.move(box.x + 5, box.y + 5);
        await page.mouse.down();
        same('held', await key.evaluate(k => getComputedStyle(k).backgroundColor), 'rgb(192, 255, 192)');
        await page.mouse.up();
        same('released', await key.evaluate(k => k.style.background), 'buttonface');
        same('Primer', await value(page, 'Primer'), '5');
        noFaults(page);
    });
    await tally.run('the menus', async () => {
        same('items', await page.$$eval('#EditMenu > *, #ReshenieMenu > *, #HelpMenu > *', l => l.map(e => e.id + (e.dataset.key ? ` ${e.dataset.key}` : '')).join(', ')),
            'EditUndo Ctrl+Z, EditRedo Ctrl+X, EditCopy Ctrl+C, EditPaste Ctrl+V, EditDelete Del, EditAll Ctrl+A, ' +
            'EditSkopki Ctrl+S, sep, EditPrimerOtvet, ReshenieShow F2, ReshenieCopy, ResheniePrint Ctrl+P, ' +
            'HelpCallHelp F1, HelpAbout');
        same('captions', await page.$$eval('[role^=menuitem]', l => l.map(e => e.textContent).join(', ')),
            'Правка, Отменить, Повторить, Копировать, Вставить, Удалить, Выделить всё, Взять пример в скобки, ' +
            'Заменять пример ответом, Решение, Показать в тетради, Копировать решение, Печать…, ' +
            'Справка, Вызов справки, О программе');
        same('the switch', await page.$eval('#EditPrimerOtvet', e => `${e.getAttribute('role')} ${e.getAttribute('aria-checked')}`), 'menuitemcheckbox false');
    });
    // A screen reader reads the notebook line by line in words, the
    // column left out, which would only repeat its action's line.
    await tally.run('the notebook read line by line', async () => {
        await load(page, `${url}#345*27%2B2`);
        await pressKey(page, 'F2');
        same('focus', await page.evaluate(() => document.activeElement.id), 'tetradPaper');
        const tree = await page.accessibility.snapshot({ root: await page.$('#tetradPaper') });
        const lines = [], walk = (node) => { if (node.role === 'StaticText') lines.push(node.name); (node.children || []).forEach(walk); };
        walk(tree);
        same('lines', lines.join(' | '), 'Пример: 345 умножить на 27 плюс 2 | 1) 345 умножить на 27 равно 9315 | ' +
            '2) 9315 плюс 2 равно 9317 | Ответ: 9317');
        same('name', `${tree.role} ${tree.name}`, 'document Решение');
        noFaults(page);
    });
    // Ctrl+P prints only the notebook of the last solving, drawn even
    // where it was not opened, whole, on squared paper; before a solving
    // the key is the browser's.
    await tally.run('printing the notebook', async () => {
        await load(page, url);
        await page.evaluate(() => { window.printed = 0; window.print = () => ++window.printed; });
        await pressKey(page, 'ctrl+p');
        same('prints before a solving', await page.evaluate(() => window.printed), 0);
        for (const c of '12,6/0,3') await typeChar(page, c);
        await pressKey(page, 'Return');
        await pressKey(page, 'ctrl+p');
        same('prints after it', await page.evaluate(() => window.printed), 1);
        await page.emulateMediaType('print');
        same('printed', await page.$$eval('body > *', l => l.filter(e => e.checkVisibility()).map(e => e.id).join(', ')), 'frmTetrad');
        same('the notebook', await page.$eval('#tetradPaper', p => [p.querySelectorAll('.row').length > 5, p.scrollHeight <= p.clientHeight,
            getComputedStyle(p.firstElementChild).backgroundImage.includes('gradient')].join(', ')), 'true, true, true');
        await page.emulateMediaType(null);
        noFaults(page);
    });
} else {
    throw new Error(`unknown check: ${what}`);
}
await close(browser);
fs.rmSync(folder, { recursive: true, force: true });
tally.finish();
