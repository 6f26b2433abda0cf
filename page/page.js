// Wires the page's events to the program's rules in the engine module and
// draws what they leave. No rule of the calculator is written here.
'use strict';
TambrelEngine().then((M) => {
  const $ = (id) => document.getElementById(id);
  const primer = $('Primer'), otvet = $('txtOtvet'), keys = [], lists = [$('DirC'), $('DirPr')];
  const selected = [-1, -1], seen = [0, 0, 0], decoder = new TextDecoder('utf-16le');
  const Held = 'rgb(192, 255, 192)', SwitchKey = 'tambrel.ReplaceWithAnswer';
  let lastPressed = 0, held = -1, copying = null, ctrlV = false, altAlone = false, returnFocus = null;

  const number = (what) => M._tambrel_number(what);
  const text = (what, index = 0) => {
    const length = M._tambrel_text(what, index), at = M._tambrel_output() >> 1;
    return decoder.decode(M.HEAPU16.subarray(at, at + length));
  };
  const put = (s) => {
    const at = M._tambrel_input(s.length) >> 1, heap = M.HEAPU16;
    for (let i = 0; i < s.length; i++) heap[at + i] = s.charCodeAt(i);
  };
  const typeAll = (s) => { for (let i = 0; i < s.length; i++) M._tambrel_type(s.charCodeAt(i)); };

  // The input's text and selection go in, the operation runs, its result is drawn.
  function run(operation) {
    put(primer.value);
    M._tambrel_sync(primer.selectionStart, primer.selectionEnd, primer.selectionDirection === 'backward' ? 1 : 0);
    operation();
    draw();
  }

  // A modal box gives the focus back where it was when it closes.
  function modal(dialog) {
    if (!document.querySelector('dialog[open]')) returnFocus = document.activeElement;
    dialog.showModal();
  }

  function draw() {
    const t = text(0);
    if (primer.value !== t) primer.value = t;
    primer.setSelectionRange(number(0), number(1), number(2) ? 'backward' : 'forward');
    primer.title = text(1);
    if (seen[0] !== number(5)) {
      seen[0] = number(5);
      otvet.value = $('otvetLive').textContent = text(2);
      otvet.setSelectionRange(0, 0);
      otvet.scrollLeft = 0;
    }
    if (seen[1] !== number(6)) {
      seen[1] = number(6);
      lists.forEach((list, k) => {
        const items = [];
        for (let i = 0; i < number(8 + k); i++) {
          const item = document.createElement('div');
          item.id = list.id + '-' + i;
          item.setAttribute('role', 'option');
          item.setAttribute('aria-selected', 'false');
          item.textContent = text(3 + k, i);
          items.push(item);
        }
        list.replaceChildren(...items);
        list.removeAttribute('aria-activedescendant');
        selected[k] = -1;
        list.title = text(5 + k);
      });
    }
    $('EditPrimerOtvet').setAttribute('aria-checked', String(number(4) !== 0));
    if (number(10)) primer.focus();
    if (seen[2] !== number(7)) {
      seen[2] = number(7);
      $('criticalTitle').textContent = text(7);
      $('criticalText').textContent = text(8);
      modal($('criticalBox'));
    }
  }

  // The keypad: pressed it is light green, released it acts and takes the button face.
  const keypad = $('keys');
  for (let i = 0; i < 21; i++) {
    const key = document.createElement('button');
    key.type = 'button';
    key.id = 'Knopka' + i;
    key.tabIndex = -1;
    key.textContent = text(9, i);
    key.setAttribute('aria-label', text(10, i));
    const press = () => { key.style.background = Held; lastPressed = i; };
    const release = () => { run(() => M._tambrel_keypad(i)); keys[lastPressed].style.background = 'ButtonFace'; };
    key.addEventListener('pointerdown', (e) => {
      e.preventDefault();  // the focus and the caret stay where they are
      try { key.setPointerCapture(e.pointerId); } catch { /* a pointer already gone */ }
      held = i;
      press();
    });
    key.addEventListener('pointerup', () => { if (held === i) { held = -1; release(); } });
    key.addEventListener('pointercancel', () => { held = -1; key.style.background = 'ButtonFace'; });
    // A click without a pointer (a screen reader, Enter on the key) presses and releases.
    key.addEventListener('click', (e) => { if (e.detail === 0) { press(); release(); } });
    key.addEventListener('touchend', (e) => e.preventDefault());
    key.addEventListener('contextmenu', (e) => e.preventDefault());
    keys.push(key);
  }
  keypad.replaceChildren(...keys);

  // The input: every character a key delivers goes to the filter; only the
  // editing keys edit by themselves.
  function editingKey(e) {
    const plain = !e.altKey && !e.metaKey, noCtrl = plain && !e.ctrlKey;
    switch (e.key) {
      case 'Delete': return noCtrl && !e.shiftKey;
      case 'ArrowLeft': case 'ArrowRight': case 'Home': case 'End': return plain;
      case 'ArrowUp': case 'ArrowDown': return noCtrl;
      default: return false;
    }
  }
  primer.addEventListener('keydown', (e) => {
    if (e.isComposing || e.keyCode === 229 || editingKey(e)) return;
    if (e.altKey || e.metaKey) {
      if ([...e.key].length === 1) e.preventDefault();
      return;
    }
    let codes = '';
    if (e.ctrlKey) {
      const letter = /^Key([A-Z])$/.exec(e.code);
      if (letter && letter[1] === 'V') return;  // comes as a paste
      if (letter) codes = String.fromCharCode(letter[1].charCodeAt(0) - 64);
      else if (e.key === 'Backspace') codes = '\x7f';
      else if (e.key === 'Enter') codes = '\n';
    } else if (e.key === 'Tab') {
      return;
    } else if (e.key === 'Backspace') codes = '\b';
    else if (e.key === 'Enter') codes = '\r';
    else if (e.key === 'Escape') codes = '\x1b';
    else if ([...e.key].length === 1) codes = e.key;
    e.preventDefault();
    if (codes) run(() => typeAll(codes));
  });
  // Text that comes without a key (an on-screen keyboard) is typed as keys
  // are; only Delete edits by itself; composed text goes through the filter
  // once it is done.
  primer.addEventListener('beforeinput', (e) => {
    if (e.inputType === 'deleteContentForward' || e.inputType.includes('Composition')) return;
    e.preventDefault();
    if (e.inputType === 'insertText' && e.data) run(() => typeAll(e.data));
    else if (e.inputType === 'deleteContentBackward') run(() => M._tambrel_type(8));
  });
  primer.addEventListener('input', (e) => {
    if (!e.isComposing && !e.inputType.includes('Composition')) run(() => M._tambrel_changed());
  });
  primer.addEventListener('compositionend', (e) => { draw(); run(() => typeAll(e.data || '')); });
  for (const type of ['drop', 'dragstart', 'cut']) primer.addEventListener(type, (e) => e.preventDefault());

  // The clipboard: Ctrl+V's text (or a paste into the example) through the paste filter.
  document.addEventListener('paste', (e) => {
    const viaKey = ctrlV;
    ctrlV = false;
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
  function offered(id) {
    let bits = 0;
    run(() => { bits = M._tambrel_offers(clipboardHoldsText ? 1 : 0); });
    return { EditUndo: bits & 1, EditRedo: bits & 2, EditCopy: bits & 4, EditDelete: bits & 4, EditPaste: bits & 8 }[id] ?? 1;
  }
  const storeSwitch = (value) => { try { localStorage.setItem(SwitchKey, value === 1 ? '1' : '0'); } catch { /* kept for this visit */ } };
  const commands = {
    EditUndo: () => run(() => M._tambrel_undo()),
    EditRedo: () => run(() => M._tambrel_redo()),
    EditCopy() {
      run(() => { copying = text(13); });
      const held = copying;
      if (!document.execCommand('copy') && navigator.clipboard) navigator.clipboard.writeText(held).catch(() => {});
      copying = null;
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
    HelpCallHelp: () => modal($('help')),
    HelpAbout: () => modal($('frmOprog')),
  };
  function shortcutOf(e) {
    if (e.altKey || e.metaKey) return null;
    if (!e.ctrlKey && !e.shiftKey) return { F1: 'HelpCallHelp', Delete: 'EditDelete' }[e.key];
    if (e.ctrlKey && !e.shiftKey) {
      return { KeyZ: 'EditUndo', KeyX: 'EditRedo', KeyC: 'EditCopy', KeyV: 'EditPaste', KeyA: 'EditAll', KeyS: 'EditSkopki' }[e.code];
    }
    return null;
  }
  const modalOpen = () => document.querySelector('dialog[open]') !== null;
  document.addEventListener('keydown', (e) => {
    altAlone = e.key === 'Alt';
    if (modalOpen()) return;
    if (e.key === 'F10' && !e.ctrlKey && !e.altKey && !e.shiftKey) {
      e.preventDefault();
      enterMenuBar();
      return;
    }
    const id = shortcutOf(e);
    if (!id) return;
    if (id === 'EditPaste') { ctrlV = true; return; }
    if (!offered(id)) return;
    e.preventDefault();
    e.stopPropagation();
    closeMenus(true);
    commands[id]();
  }, true);
  document.addEventListener('keyup', (e) => {
    if (e.key === 'Control' || e.code === 'KeyV') ctrlV = false;
    if (e.key === 'Alt' && altAlone && !modalOpen()) {
      e.preventDefault();
      if ($('menubar').contains(document.activeElement)) closeMenus(true); else enterMenuBar();
    }
  });

  // The menu bar.
  const titles = [$('Edit'), $('Help')];
  const popup = (title) => $(title.getAttribute('aria-controls'));
  const itemsOf = (title) => [...popup(title).querySelectorAll('[role^=menuitem]')];
  const enabledItems = (title) => itemsOf(title).filter((item) => item.getAttribute('aria-disabled') !== 'true');
  function enterMenuBar() {
    if (!$('menubar').contains(document.activeElement)) returnFocus = document.activeElement;
    titles[0].focus();
  }
  async function openMenu(title, focusFirst) {
    closeMenus(false);
    if (title === titles[0]) {
      await lookAtClipboard();
      for (const item of itemsOf(title)) {
        if (item.id in commands && item.id !== 'EditPrimerOtvet') item.setAttribute('aria-disabled', String(!offered(item.id)));
      }
    }
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
    const inMenu = e.target !== title, other = titles[(titles.indexOf(title) + 1) % titles.length];
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

  // The About window: the slogan opens the maker's site in a new tab.
  $('Label1').textContent = text(12);
  $('Label1').href = text(11);
  for (const dialog of document.querySelectorAll('dialog')) {
    dialog.addEventListener('close', () => { if (!document.querySelector('dialog[open]')) (returnFocus || primer).focus(); });
  }

  // The switch is kept in the browser's storage, "1" for on.
  let stored = null;
  try { stored = localStorage.getItem(SwitchKey); } catch { /* storage closed: off */ }
  M._tambrel_set_switch(stored === '1' ? 1 : 0);

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
  window.addEventListener('hashchange', solveLink);
  window.tambrel = { exampleState: () => ['Solved', 'Changed', 'Restoring'][number(3)] };
  draw();
  solveLink();
  primer.focus();
  document.documentElement.dataset.ready = '1';
});
