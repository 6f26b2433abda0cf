// Puts the page together as one file: the engine module, the core's facts
// (what FACTS_JS writes), the notebook's drawing and the page's script
// inline, the help page as the help frame's content, the About window's
// pictures as data addresses. Prints the file's size.
//   node assemble.mjs PAGE ENGINE_JS FACTS_JS NOTEBOOK_JS PAGE_JS HELP PICTURES_DIR OUT
import { execFileSync } from 'node:child_process';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

const [page, engine, facts, notebook, script, help, pictures, out] = process.argv.slice(2);
const read = (file) => readFileSync(file, 'utf8');
const inline = (file, code = read(file)) => {
  if (/<\/script|<!--/i.test(code)) throw new Error(`${file} cannot stand inside a script element`);
  return code;
};
const attribute = (text) => text.replace(/&/g, '&amp;').replace(/"/g, '&quot;');
const parts = {
  engine: inline(engine),
  facts: inline(facts, JSON.stringify(JSON.parse(execFileSync(process.execPath, [facts], { encoding: 'utf8' })))),
  notebook: inline(notebook),
  page: inline(script),
  help: attribute(read(help)),
  'emblem.png': 'data:image/png;base64,' + readFileSync(join(pictures, 'emblem.png')).toString('base64'),
  'flag.png': 'data:image/png;base64,' + readFileSync(join(pictures, 'flag.png')).toString('base64'),
};
const html = read(page).replace(/@(engine|facts|notebook|page|help|emblem\.png|flag\.png)@/g, (_, name) => parts[name]);
writeFileSync(out, html);
console.log(`${out}: ${Buffer.byteLength(html)} bytes`);
