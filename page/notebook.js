// Draws the notebook of the last solving on squared paper from the blocks
// the core made (page/bridge.h): a cell a square, each mark where the core
// put it. Nothing is decided here. A screen reader is given each line in
// the core's words, and nothing of a column, which would only repeat its line.
'use strict';
const TambrelNotebook = (() => {
  const escaped = (s) => s.replace(/[&<>"]/g, (c) => `&#${c.charCodeAt(0)};`);

  // A cell's marks by its row and column: its flags as the class names of
  // the facts' "cellMarks", and the small text over it.
  function marksOf(block, flags) {
    const marks = new Map();
    for (const [row, column, bits, above] of block.marks) {
      marks.set(`${row},${column}`, { names: flags.filter(([, bit]) => bits & bit).map(([name]) => name), above });
    }
    return marks;
  }

  // One row: a cell an <i>, the text over it a <b>, the comma at its lower
  // right corner a <u>; a row with text or a bar over it stands a cell lower.
  function rowHtml(chars, row, marks) {
    let html = '', marked = false;
    for (let column = 0; column < chars.length; column++) {
      const mark = marks.get(`${row},${column}`), ch = escaped(chars[column]);
      if (!mark) { html += `<i>${ch}</i>`; continue; }
      marked ||= mark.above !== '' || mark.names.includes('bar');
      const over = mark.above ? `<b>${escaped(mark.above)}</b>` : '';
      const comma = mark.names.includes('commaAfter') ? '<u>,</u>' : '';
      html += `<i class="${mark.names.join(' ')}">${ch}${over}${comma}</i>`;
    }
    return `<div class="${marked ? 'row marked' : 'row'}">${html}</div>`;
  }

  // A block: its rows hidden from a screen reader, which reads its words
  // instead; an action's line carries the action's number.
  // Its size in cells goes with it, so that a block out of sight is laid
  // out by its size alone: the longest example's notebook has 10⁵ cells.
  function blockHtml(block, action, flags) {
    const marks = marksOf(block, flags);
    const rows = block.rows.map((chars, row) => rowHtml(chars, row, marks)).join('');
    const width = Math.max(0, ...block.rows.map((chars) => chars.length));
    const height = block.rows.length + (rows.match(/row marked/g) || []).length;
    const kind = `data-kind="${block.kind}" style="--w:${width};--h:${height}"` + (action ? ` data-action="${action}"` : '');
    if (block.words === undefined) return `<div ${kind} aria-hidden="true">${rows}</div>`;
    return `<div ${kind} role="listitem"><span class="sr">${escaped(block.words)}</span>` +
      `<div aria-hidden="true">${rows}</div></div>`;
  }

  // The whole notebook as markup: blocks is what the bridge's "notebook"
  // text parses to, cellMarks the facts' place of each mark's flag.
  function html(blocks, cellMarks) {
    const flags = Object.entries(cellMarks).map(([name, place]) => [name, 1 << place]);
    let actions = 0;
    return blocks.map((block) => blockHtml(block, block.kind === 'Action' ? ++actions : 0, flags)).join('');
  }

  return { html };
})();
