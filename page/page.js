// Wires the page's events to the program's rules in the engine module and
// draws what they leave. No rule of the calculator is written here.
'use strict';
// One block, so that the page's names stay its own and are no globals.
{
// The engine module, once it has loaded.
let M = null;
const $ = (id) => document.getElementById(id);
const primer = $('Primer'), otvet = $('txtOtvet'), keys = [], lists = [$('DirC'), $('DirPr')];
const selected = [-1, -1], seen = [0, 0, 0], decoder = new TextDecoder('utf-16le');
const SwitchKey = 'tambrel.ReplaceWithAnswer';
let lastPressed = 0, held = -1, copying = null, pasteKey = false, altAlone = false, returnFocus = null;

// The core's tables, as the build wrote them into the page: the keys, the menus' items, the box's capacity,
// the held key's colour, and the names of what the script reads back.
const facts = JSON.parse($('facts').textContent), N = facts.numbers, T = facts.texts;
const listIds = lists.map((list) => facts.lists[list.id]);
const number = (what, list = 0) => M._tambrel_number(what, list);
const text = (what, list = 0, index = 0) => {
  const length = M._tambrel_text(what, list, index), at = M._tambrel_output() >> 1;
  return decoder.decode(M.HEAPU16.subarray(at, at + length));
};
const put = (s) => {
  const at = M._tambrel_input(s.length) >> 1, heap = M.HEAPU16;
  for (let i = 0; i < s.length; i++) heap[at + i] = s.charCodeAt(i);
};
// A key as the core reads it: its key value, the Latin letter of its place, the modifiers; how many characters it types.
const press = (e) => {
  put(e.key);
  return M._tambrel_press(/^Key[A-Z]$/.test(e.code) ? e.code.charCodeAt(3) : 0, e.ctrlKey, e.shiftKey, e.altKey || e.metaKey);
};

// The input's text and selection go in, the operation runs, its result is drawn.
function run(operation) {
  put(primer.value);
  M._tambrel_sync(primer.selectionStart, primer.selectionEnd, primer.selectionDirection === 'backward' ? 1 : 0);
  operation();
  draw();
}

// A modal box gives the focus back where it was when it closes.
const modalOpen = () => document.querySelector('dialog:modal') !== null;
function modal(dialog) {
  if (!modalOpen()) returnFocus = document.activeElement;
  dialog.showModal();
}

function draw() {
  const t = text(T.example);
  if (primer.value !== t) primer.value = t;
  primer.setSelectionRange(number(N.selectionStart), number(N.selectionEnd), number(N.caretAtStart) ? 'backward' : 'forward');
  primer.title = text(T.exampleTooltip);
  if (seen[0] !== number(N.answerVersion)) {
    seen[0] = number(N.answerVersion);
    otvet.value = $('otvetLive').textContent = text(T.answer);
    otvet.setSelectionRange(0, 0);
    otvet.scrollLeft = 0;
  }
  if (seen[1] !== number(N.listsVersion)) {
    seen[1] = number(N.listsVersion);
    lists.forEach((list, k) => {
      const items = [];
      for (let i = 0; i < number(N.listCount, listIds[k]); i++) {
        const item = document.createElement('div');
        item.id = list.id + '-' + i;
        item.setAttribute('role', 'option');
        item.setAttribute('aria-selected', 'false');
        item.textContent = text(T.listItem, listIds[k], i);
        items.push(item);
      }
      list.replaceChildren(...items);
      list.removeAttribute('aria-activedescendant');
      selected[k] = -1;
      list.title = text(T.listTooltip, listIds[k]);
    });
  }
  $('EditPrimerOtvet').setAttribute('aria-checked', String(number(N.switch) !== 0));
  if (tetrad.open) drawNotebook();
  if (number(N.focusAsked)) primer.focus();
  if (seen[2] !== number(N.boxVersion)) {
    seen[2] = number(N.boxVersion);
    $('criticalTitle').textContent = text(T.boxTitle);
    $('criticalText').textContent = text(T.boxText);
    modal($('criticalBox'));
  }
}

function wireKeypad() {
  // The keypad: pressed it is light green, released it acts and takes the button face.
  facts.captions.forEach((caption, i) => {
    const key = document.createElement('button');
    key.type = 'button';
    key.id = 'Knopka' + i;
    key.tabIndex = -1;
    key.textContent = caption;
    key.setAttribute('aria-label', facts.names[i]);
    const pressKey = () => { key.style.background = facts.held; lastPressed = i; };
    const release = () => { run(() => M._tambrel_keypad(i)); keys[lastPressed].style.background = 'ButtonFace'; };
    key.addEventListener('pointerdown', (e) => {
      e.preventDefault();  // the focus and the caret stay where they are
      try { key.setPointerCapture(e.pointerId); } catch { /* a pointer already gone */ }
      held = i;
      pressKey();
    });
    key.addEventListener('pointerup', () => { if (held === i) { held = -1; release(); } });
    key.addEventListener('pointercancel', () => { held = -1; key.style.background = 'ButtonFace'; });
    // A click without a pointer (a screen reader, Enter on the key) presses and releases.
    key.addEventListener('click', (e) => { if (e.detail === 0) { pressKey(); release(); } });
    key.addEventListener('touchend', (e) => e.preventDefault());
    key.addEventListener('contextmenu', (e) => e.preventDefault());
    keys.push(key);
  });
  $('keys').replaceChildren(...keys);
}

function wireInput() {
  // The input: every character a key delivers goes to the filter; only the
  // editing keys edit by themselves; Tab moves on, the paste key brings the clipboard.
  primer.maxLength = facts.capacity;
  primer.addEventListener('keydown', (e) => {
    if (e.isComposing || e.keyCode === 229 || pasteKey) return;
    const codes = press(e);
    if (M._tambrel_box_edits() || (e.key === 'Tab' && !e.ctrlKey && !e.altKey && !e.metaKey)) return;
    if (e.altKey || e.metaKey) {
      if ([...e.key].length === 1) e.preventDefault();
      return;
    }
    e.preventDefault();
    if (codes) run(() => M._tambrel_type_key());
  });
  const typeText = (data) => run(() => { put(data); M._tambrel_type_text(); });
  // Text that comes without a key (an on-screen keyboard) is typed as keys
  // are; only Delete edits by itself; composed text goes through the filter
  // once it is done.
  primer.addEventListener('beforeinput', (e) => {
    if (e.inputType === 'deleteContentForward' || e.inputType.includes('Composition')) return;
    e.preventDefault();
    if (e.inputType === 'insertText' && e.data) typeText(e.data);
    else if (e.inputType === 'deleteContentBackward') run(() => M._tambrel_backspace());
  });
  primer.addEventListener('input', (e) => {
    if (!e.isComposing && !e.inputType.includes('Composition')) run(() => M._tambrel_changed());
  });
  primer.addEventListener('compositionend', (e) => { draw(); typeText(e.data || ''); });
  for (const type of ['drop', 'dragstart', 'cut']) primer.addEventListener(type, (e) => e.preventDefault());
}

function wireClipboard() {
  // The clipboard: Ctrl+V's text (or a paste into the example) through the paste filter.
  document.addEventListener('paste', (e) => {
    const viaKey = pasteKey;
    pasteKey = false;
    if (e.target === otvet && !viaKey) return;
    e.preventDefault();
    const data = e.clipboardData;
    if (data && data.types.includes('text/plain')) {
      const clipboard = data.getData('text/plain');
      run(() => { put(clipboard); M._tambrel_paste(); });
    }
  });
  document.addEventListener('copy', (e) => {
    if (copying === null) return;
    e.clipboardData.setData('text/plain', copying);
    e.preventDefault();
    copying = null;
  });
}

// The Edit and Help commands; each shortcut acts only while its item is offered.
// Whether the clipboard holds plain text, where the browser lets the page
// look; where it does not, Paste is offered and finds out when chosen.
const canReadClipboard = !!(navigator.clipboard && navigator.clipboard.readText);
let clipboardHoldsText = canReadClipboard;
async function lookAtClipboard() {
  try {
    const permission = await navigator.permissions.query({ name: 'clipboard-read' });
    if (permission.state !== 'granted') return;
    const items = await navigator.clipboard.read();
    clipboardHoldsText = items.some((item) => item.types.includes('text/plain'));
  } catch { /* the clipboard is not the page's to see */ }
}
// Text to the clipboard, through the copy event where the browser lets the page, else by the clipboard's call.
function copyText(t) {
  copying = t;
  if (!document.execCommand('copy') && navigator.clipboard) navigator.clipboard.writeText(t).catch(() => {});
  copying = null;
}
const menuItem = (id) => facts.menu.findIndex((item) => item.id === id);
function offered(id) {
  let is = 0;
  run(() => { is = M._tambrel_offered(menuItem(id), clipboardHoldsText); });
  return is;
}
const storeSwitch = (value) => { try { localStorage.setItem(SwitchKey, value === 1 ? '1' : '0'); } catch { /* kept for this visit */ } };
const commands = {
  EditUndo: () => run(() => M._tambrel_undo()),
  EditRedo: () => run(() => M._tambrel_redo()),
  EditCopy() {
    let selection = '';
    run(() => { selection = text(T.selectedText); });
    copyText(selection);
  },
  EditPaste() {
    // A clipboard without text pastes nothing over the selection.
    navigator.clipboard.readText().then((t) => run(() => { put(t); M._tambrel_paste(); }), () => {});
  },
  EditDelete() {
    const focused = document.activeElement;
    if (focused === primer) run(() => M._tambrel_delete());
    else if (focused === otvet) otvet.setRangeText('');
  },
  EditAll: () => run(() => M._tambrel_select_all()),
  EditSkopki: () => run(() => M._tambrel_brackets()),
  EditPrimerOtvet: () => run(() => storeSwitch(M._tambrel_toggle_switch())),
  ReshenieShow: () => showNotebook(),
  ReshenieCopy: () => copyText(text(T.notebookText)),
  ResheniePrint() { drawNotebook(); window.print(); },
  HelpCallHelp: () => modal($('help')),
  HelpAbout: () => modal($('frmOprog')),
};
// Every shortcut, and F10 or a lone Alt for the menu bar.
function wireShortcuts() {
  document.addEventListener('keydown', (e) => {
    altAlone = e.key === 'Alt';
    if (modalOpen()) return;
    if (e.key === 'F10' && !e.ctrlKey && !e.altKey && !e.shiftKey) {
      e.preventDefault();
      enterMenuBar();
      return;
    }
    press(e);
    const id = facts.menu[M._tambrel_shortcut()]?.id;
    if (!id) return;
    if (id === 'EditPaste') { pasteKey = true; return; }
    if (!offered(id)) return;
    e.preventDefault();
    e.stopPropagation();
    closeMenus(true);
    commands[id]();
  }, true);
  document.addEventListener('keyup', (e) => {
    pasteKey = false;
    if (e.key === 'Alt' && altAlone && !modalOpen()) {
      e.preventDefault();
      if ($('menubar').contains(document.activeElement)) closeMenus(true); else enterMenuBar();
    }
  });
}

// The menu bar, its items as the core's table has them.
const element = (attributes, text = '') => {
  const e = document.createElement('div');
  for (const name in attributes) e.setAttribute(name, attributes[name]);
  e.textContent = text;
  return e;
};
function buildMenus() {
  for (const item of facts.menu) {
    const menu = $(item.menu + 'Menu');
    if (item.separator) menu.append(element({ id: 'sep', role: 'separator' }));
    const entry = element({ id: item.id, role: item.switch ? 'menuitemcheckbox' : 'menuitem', tabindex: -1 }, item.caption);
    if (item.shown) { entry.dataset.key = item.shown; entry.setAttribute('aria-keyshortcuts', item.keys); }
    if (item.switch) entry.setAttribute('aria-checked', 'false');
    menu.append(entry);
  }
}

const titles = [$('Edit'), $('Reshenie'), $('Help')];
const popup = (title) => $(title.getAttribute('aria-controls'));
const itemsOf = (title) => [...popup(title).querySelectorAll('[role^=menuitem]')];
const enabledItems = (title) => itemsOf(title).filter((item) => item.getAttribute('aria-disabled') !== 'true');
function enterMenuBar() {
  if (!$('menubar').contains(document.activeElement)) returnFocus = document.activeElement;
  titles[0].focus();
}
async function openMenu(title, focusFirst) {
  closeMenus(false);
  if (title === titles[0]) await lookAtClipboard();
  for (const item of itemsOf(title)) item.setAttribute('aria-disabled', String(!offered(item.id)));
  popup(title).hidden = false;
  title.setAttribute('aria-expanded', 'true');
  if (focusFirst) {
    if (!$('menubar').contains(document.activeElement)) returnFocus = document.activeElement;
    (enabledItems(title)[0] || title).focus();
  }
}
function closeMenus(restoreFocus) {
  for (const title of titles) { popup(title).hidden = true; title.setAttribute('aria-expanded', 'false'); }
  if (restoreFocus && $('menubar').contains(document.activeElement)) (returnFocus || primer).focus();
}
function choose(item) {
  if (item.getAttribute('aria-disabled') === 'true') return;
  closeMenus(true);
  commands[item.id]();
}
// The menu bar by mouse and by keyboard.
function wireMenuBar() {
  $('menubar').addEventListener('mousedown', (e) => e.preventDefault());  // the focus stays where it is
  $('menubar').addEventListener('click', (e) => {
    const title = titles.find((t) => t === e.target);
    const item = e.target.closest('[role=menu] [role^=menuitem]');
    if (title) {
      if (title.getAttribute('aria-expanded') === 'true') closeMenus(false); else openMenu(title, false);
    } else if (item) {
      choose(item);
    }
  });
  document.addEventListener('mousedown', (e) => { if (!$('menubar').contains(e.target)) closeMenus(false); });
  $('menubar').addEventListener('keydown', (e) => {
    const title = titles.find((t) => t === e.target || popup(t).contains(e.target));
    if (!title) return;
    const step = e.key === 'ArrowLeft' ? titles.length - 1 : 1, other = titles[(titles.indexOf(title) + step) % titles.length];
    const inMenu = e.target !== title;
    const items = enabledItems(title), at = items.indexOf(e.target);
    switch (e.key) {
      case 'ArrowLeft': case 'ArrowRight':
        if (inMenu) openMenu(other, true); else other.focus();
        break;
      case 'ArrowDown': case 'ArrowUp':
        if (!inMenu) openMenu(title, true);
        else if (items.length) items[(at + (e.key === 'ArrowDown' ? 1 : items.length - 1)) % items.length].focus();
        break;
      case 'Enter': case ' ':
        if (inMenu) choose(e.target); else openMenu(title, true);
        break;
      case 'Escape':
        if (inMenu) { closeMenus(false); title.focus(); } else closeMenus(true);
        break;
      case 'Tab':
        closeMenus(true);
        break;
      default: return;
    }
    e.preventDefault();
  });
}

// The result lists: a click or the keys select, the tooltip follows; a
// remainder goes back into the example by a double click or Enter.
function select(k, i) {
  const list = lists[k], items = list.children;
  if (i < 0 || i >= items.length) return;
  if (selected[k] >= 0 && items[selected[k]]) items[selected[k]].setAttribute('aria-selected', 'false');
  selected[k] = i;
  items[i].setAttribute('aria-selected', 'true');
  items[i].scrollIntoView({ block: 'nearest' });
  list.setAttribute('aria-activedescendant', items[i].id);
  list.title = items[i].textContent;
}
function wireLists() {
  lists.forEach((list, k) => {
    list.addEventListener('mousedown', (e) => {
      const item = e.target.closest('[role=option]');
      if (item) select(k, [...list.children].indexOf(item));
    });
    list.addEventListener('keydown', (e) => {
      const n = list.children.length, at = selected[k];
      const row = n ? list.children[0].offsetHeight || 1 : 1, page = Math.max(1, Math.floor(list.clientHeight / row) - 1);
      const to = {
        ArrowDown: at + 1, ArrowUp: at - 1, Home: 0, End: n - 1, PageDown: at + page, PageUp: at - page,
      }[e.key];
      if (to === undefined || e.altKey) return;
      e.preventDefault();
      if (n) select(k, at < 0 ? (e.key === 'End' ? n - 1 : 0) : Math.min(n - 1, Math.max(0, to)));
    });
  });
  const takeBack = () => run(() => M._tambrel_take_back(selected[1]));
  lists[1].addEventListener('dblclick', takeBack);
  lists[1].addEventListener('keyup', (e) => { if (e.key === 'Enter') takeBack(); });
  // A double click on an action opens the notebook at its line; Enter in
  // the actions does nothing, as in the window.
  lists[0].addEventListener('dblclick', () => { if (selected[0] >= 0) showNotebook(selected[0] + 1); });
}

function wireDialogs() {
  // The About window: the slogan opens the maker's site in a new tab.
  $('Label1').textContent = facts.slogan;
  $('tetradHint').textContent = facts.notebookHint;
  $('Label1').href = facts.site;
  for (const dialog of document.querySelectorAll('dialog:not(#frmTetrad)')) {
    dialog.addEventListener('close', () => { if (!modalOpen()) (returnFocus || primer).focus(); });
  }
}

// The notebook of the last solving («Решение»), beside the window, not
// modal: drawn from the core's blocks when shown, and again whenever a
// solving changes it while it is shown. Esc closes it; the arrows and
// Page Up/Down scroll it as its own box.
const tetrad = $('frmTetrad'), paper = $('tetradPaper');
let drawnNotebook = -1, tetradReturn = null;
function drawNotebook() {
  const version = number(N.notebookVersion);
  if (drawnNotebook === version) return;
  drawnNotebook = version;
  const blocks = JSON.parse(text(T.notebook));
  $('tetradLines').innerHTML = TambrelNotebook.html(blocks, facts.cellMarks);
  $('tetradHint').hidden = blocks.length > 0;
  paper.scrollTo(0, 0);
}
// Shown, with the focus in it; at action N's line when asked.
function showNotebook(action = 0) {
  if (!tetrad.open) {
    tetradReturn = document.activeElement;
    tetrad.show();
  }
  drawNotebook();
  const line = action ? paper.querySelector(`[data-action="${action}"]`) : null;
  if (line) paper.scrollTop = line.offsetTop;
  paper.focus({ preventScroll: true });
  tetrad.scrollIntoView({ block: 'nearest' });
}
function wireNotebook() {
  tetrad.addEventListener('keydown', (e) => {
    if (e.key === 'Escape' && !e.ctrlKey && !e.altKey && !e.shiftKey && !e.metaKey) { e.preventDefault(); tetrad.close(); }
  });
  $('tetradClose').addEventListener('click', () => tetrad.close());
  // The focus goes back where it was when the notebook was opened, if it was in it.
  tetrad.addEventListener('close', () => {
    const focused = document.activeElement;
    if (focused === document.body || tetrad.contains(focused)) (tetradReturn?.isConnected ? tetradReturn : primer).focus();
  });
  window.addEventListener('beforeprint', drawNotebook);
}

// A link's example, after '#': decoded where it is well formed, taken as a paste, solved.
function solveLink() {
  const raw = location.hash.slice(1);
  if (!raw) return;
  // Each run of escapes is UTF-8; what is not becomes U+FFFD, which the
  // filter drops, as a browser reads a broken address.
  const bytes = (run) => Uint8Array.from(run.slice(1).split('%'), (h) => parseInt(h, 16));
  const decoded = raw.replace(/(%[0-9A-Fa-f]{2})+/g, (run) => new TextDecoder().decode(bytes(run)));
  run(() => { put(decoded); M._tambrel_link(); });
}

// The engine is ready: the page is wired and drawn, a link's example solved.
function start(engine) {
  M = engine;
  wireKeypad();
  wireInput();
  wireClipboard();
  wireShortcuts();
  buildMenus();
  wireMenuBar();
  wireLists();
  wireDialogs();
  wireNotebook();
  // The switch is kept in the browser's storage, "1" for on.
  let stored = null;
  try { stored = localStorage.getItem(SwitchKey); } catch { /* storage closed: off */ }
  M._tambrel_set_switch(stored === '1' ? 1 : 0);
  window.addEventListener('hashchange', solveLink);
  window.tambrel = { exampleState: () => text(T.exampleState) };
  draw();
  solveLink();
  primer.focus();
  document.documentElement.dataset.ready = '1';
}

TambrelEngine().then(start);
}
