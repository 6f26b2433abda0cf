// Load of the page to its first answer: the page opened from file:// with a
// link's example, timed from the navigation's start to the moment the answer
// stands in #txtOtvet (the page marks itself ready then), 20 runs in one
// headless Chromium. Needs `npm ci` in tests/page and the page build.
//   node bench/page_load.mjs [build-page/tambrel.html] [RUNS]
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { launch, close, newTab } from '../tests/page/driver.mjs';

const file = path.resolve(process.argv[2] || fileURLToPath(new URL('../build-page/tambrel.html', import.meta.url)));
const runs = Number(process.argv[3] || 20);
const url = `${pathToFileURL(file).href}#2+3*4`;
const browser = await launch();
const page = await newTab(browser);
// The answer's moment, read in the page against its own time origin.
await page.evaluateOnNewDocument(() => {
    new MutationObserver((_, o) => {
        const answer = document.getElementById('txtOtvet')?.value;
        if (answer) { window.firstAnswer = [performance.now(), answer]; o.disconnect(); }
    }).observe(document, { subtree: true, childList: true, attributes: true, characterData: true });
});
const times = [];
for (let i = 0; i <= runs; ++i) {
    await page.goto('about:blank');
    await page.goto(url, { waitUntil: 'domcontentloaded' });
    await page.waitForFunction(() => window.firstAnswer, { timeout: 10000 });
    const [ms, answer] = await page.evaluate(() => window.firstAnswer);
    if (answer !== '14') throw new Error(`answer ${answer}, expected 14`);
    // The first run compiles the engine cold; it is shown, not counted.
    if (i === 0) console.log(`first run: ${ms.toFixed(1)} ms`);
    else times.push(ms);
}
await close(browser);
times.sort((a, b) => a - b);
const at = q => times[Math.min(times.length - 1, Math.floor(q * times.length))].toFixed(1);
console.log(`load to the first answer, ${runs} runs: median ${at(0.5)} ms, min ${at(0)} ms, ` +
    `90th percentile ${at(0.9)} ms, max ${at(1)} ms`);
