// Takes the README's pictures of the page from the real page build in
// headless Chromium, through the page tests' driver: the page after solving
// 2+3*(4-1)^2, and its notebook after 1200-45*8+96/4, opened by F2.
//   node tools/screenshots/page_screenshots.mjs BUILD_PAGE_HTML FOLDER
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { launch, close, newTab, load, pressKey, same } from '../../tests/page/driver.mjs';

const [page, folder] = process.argv.slice(2);
const url = pathToFileURL(path.resolve(page)).href;
const browser = await launch();
const tab = await newTab(browser, { width: 760, height: 800 });
const settle = () => tab.evaluate(() => new Promise(r => requestAnimationFrame(() => setTimeout(r, 0))));

await load(tab, `${url}#2%2B3*(4-1)%5E2`);
await settle();
await tab.screenshot({ path: path.join(folder, 'page.png'), clip: { x: 0, y: 0, width: 760, height: 330 } });

await load(tab, `${url}#1200-45*8%2B96%2F4`);
await pressKey(tab, 'F2');
await tab.evaluate(() => document.activeElement.blur());
await settle();
same('notebook', await tab.$eval('#frmTetrad', d => d.open), true);
same('faults', tab.faults.join('; '), '');
await tab.screenshot({ path: path.join(folder, 'page_notebook.png') });
await close(browser);
