// What the page's script calls: the box's text and selection come in
// before an operation, the operation runs the program's own rules, and what
// it left (box, answer, lists, box of the engine) goes back out to be
// drawn. Texts cross as UTF-16 in the module's memory.
#include <emscripten/emscripten.h>

#include <array>
#include <cstdint>
#include <string>

#include "calculjator.h"
#include "key_spoken_names.h"
#include "keypad_captions.h"
#include "page_window.h"
#include "primer_rules.h"
#include "safe_address.h"
#include "shared_state.h"
#include "take_back.h"

namespace {

using namespace tambrel;

struct Page {
    Page() {
        box.onChange = [this] { rules.changed(); };
        SetEngineWindow(&window);
    }
    PageBox box;
    PageWindow window{box};
    PrimerRules rules{box};
    std::u16string in;
    std::u16string out;
};

Page& P() {
    static Page page;
    return page;
}

const std::u16string& ListItem(ResultList list, int index) {
    static const std::u16string none;
    const auto& items = P().window.items(list);
    return index >= 0 && static_cast<std::size_t>(index) < items.size()
               ? items[static_cast<std::size_t>(index)]
               : none;
}

template <typename Table>
std::u16string Key(const Table& table, int index) {
    return index >= 0 && index < KeyCount ? std::u16string(table[static_cast<std::size_t>(index)]) : u"";
}

std::u16string Text(int what, int index) {
    Page& p = P();
    switch (what) {
        case 0: return p.box.text();
        case 1: return p.box.tooltip;
        case 2: return p.window.otvet;
        case 3: return ListItem(ResultList::DirC, index);
        case 4: return ListItem(ResultList::DirPr, index);
        case 5: return p.window.dirCTooltip;
        case 6: return p.window.dirPrTooltip;
        case 7: return p.window.boxTitle;
        case 8: return p.window.boxText;
        case 9: return Key(KeyCaptions, index);
        case 10: return Key(KeySpokenNames, index);
        case 11: return SafeAddress(SiteAddressText);
        case 12: return SloganWords;
        case 13: return p.box.selectedText();
        default: return {};
    }
}

}  // namespace

extern "C" {

// Room for a text of the given length that the script writes in.
EMSCRIPTEN_KEEPALIVE char16_t* tambrel_input(int length) {
    P().in.assign(static_cast<std::size_t>(length < 0 ? 0 : length), u'\0');
    return P().in.data();
}

// The input's text (just written) and selection, as they are now.
EMSCRIPTEN_KEEPALIVE void tambrel_sync(int start, int end, int caretAtStart) {
    P().box.sync(P().in, start, end, caretAtStart != 0);
}

// The input edited by itself (Delete): the change handler.
EMSCRIPTEN_KEEPALIVE void tambrel_changed() { P().rules.changed(); }
EMSCRIPTEN_KEEPALIVE void tambrel_type(int code) { P().rules.type(static_cast<char16_t>(code)); }
EMSCRIPTEN_KEEPALIVE void tambrel_keypad(int index) { P().rules.keypad(index); }
EMSCRIPTEN_KEEPALIVE void tambrel_undo() { P().rules.undo(); }
EMSCRIPTEN_KEEPALIVE void tambrel_redo() { P().rules.redo(); }
// The text just written, as the clipboard's.
EMSCRIPTEN_KEEPALIVE void tambrel_paste() { P().rules.paste(P().in); }
EMSCRIPTEN_KEEPALIVE void tambrel_select_all() { P().rules.selectAll(); }
EMSCRIPTEN_KEEPALIVE void tambrel_brackets() { P().rules.putInBrackets(); }

// Delete of the Edit menu in the input box: its selection goes.
EMSCRIPTEN_KEEPALIVE void tambrel_delete() {
    if (!P().box.selectedText().empty()) P().box.insert({});
}

EMSCRIPTEN_KEEPALIVE int tambrel_toggle_switch() {
    return ReplaceWithAnswer = ToggledSwitch(ReplaceWithAnswer);
}
EMSCRIPTEN_KEEPALIVE void tambrel_set_switch(int value) { ReplaceWithAnswer = value; }

// Item index of DirPr (-1 for none) taken back into the example.
EMSCRIPTEN_KEEPALIVE void tambrel_take_back(int index) {
    if (const auto remainder = TakenBack(ListItem(ResultList::DirPr, index)))
        P().box.setWholeText(*remainder);
}

// The example a link brings (just written): filtered as a paste is, put in
// over whatever the box held as one change, and solved.
EMSCRIPTEN_KEEPALIVE void tambrel_link() {
    P().rules.selectAll();
    P().rules.paste(P().in);
    P().rules.solveWhenChanged();
}

// Which Edit items are offered: 1 Undo, 2 Redo, 4 Copy and Delete, 8 Paste.
EMSCRIPTEN_KEEPALIVE int tambrel_offers(int clipboardHoldsText) {
    const Page& p = P();
    return (p.rules.canUndo() ? 1 : 0) | (p.rules.canRedo() ? 2 : 0) |
           (p.box.selectedText().empty() ? 0 : 4) | (clipboardHoldsText != 0 ? 8 : 0);
}

// 0 selection start, 1 selection end, 2 caret at the start, 3 ExampleState,
// 4 the switch, 5..7 the versions of the answer, the lists and the error
// box, 8 and 9 the counts of DirC and DirPr, 10 whether the engine asked for
// the input's focus (asked once).
EMSCRIPTEN_KEEPALIVE int tambrel_number(int what) {
    Page& p = P();
    switch (what) {
        case 0: return p.box.start();
        case 1: return p.box.end();
        case 2: return p.box.caretAtStart() ? 1 : 0;
        case 3: return ExampleState;
        case 4: return ReplaceWithAnswer;
        case 5: return p.window.otvetVersion;
        case 6: return p.window.listsVersion;
        case 7: return p.window.boxVersion;
        case 8: return static_cast<int>(p.window.dirC.size());
        case 9: return static_cast<int>(p.window.dirPr.size());
        case 10: {
            const bool focus = p.window.primerFocused;
            p.window.primerFocused = false;
            return focus ? 1 : 0;
        }
        default: return 0;
    }
}

// 0 the example, 1 its tooltip, 2 the answer, 3 and 4 item i of DirC and
// DirPr, 5 and 6 their tooltips, 7 and 8 the error box's title and text,
// 9 and 10 key i's caption and spoken name, 11 the maker's site, 12 the
// slogan, 13 the example's selected text. Its length; the text itself at
// tambrel_output.
EMSCRIPTEN_KEEPALIVE int tambrel_text(int what, int index) {
    P().out = Text(what, index);
    return static_cast<int>(P().out.size());
}

EMSCRIPTEN_KEEPALIVE const char16_t* tambrel_output() { return P().out.data(); }

}  // extern "C"
