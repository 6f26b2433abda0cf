// What the page's script calls: each operation a function of its own name.
// The box's text and selection come in before an operation, the operation
// runs the program's own rules, and what it left (box, answer, lists, box
// of the engine, notebook of the last solving) is read back to be drawn,
// each value by its name (bridge.h). The core's tables reach the script as
// the facts the build writes into the page (facts.cpp). Texts cross as
// UTF-16 in the module's memory.
#include <emscripten/emscripten.h>

#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "box_keys.h"
#include "bridge.h"
#include "calculjator.h"
#include "last_notebook.h"
#include "menu_table.h"
#include "notebook_json.h"
#include "page_window.h"
#include "primer_rules.h"
#include "shared_state.h"
#include "take_back.h"

namespace {

using namespace tambrel;

struct Page {
    Page() {
        box.onChange = [this] { rules.changed(); };
        SetEngineWindow(&window);
    }
    PlainBox box;
    notebook::LastNotebook notebook;
    PageWindow window{box, notebook};
    PrimerRules rules{box};
    std::u16string in;
    std::u16string out;
    // The key last pressed, kept from tambrel_press.
    std::u16string keyText;
    PressedKey key;
};

Page& P() {
    static Page page;
    return page;
}

// A list by its number in the facts' "lists".
ResultList ListOf(int list) {
    return list == static_cast<int>(ResultList::DirPr) ? ResultList::DirPr : ResultList::DirC;
}

const std::u16string& ListItem(int list, int index) {
    static const std::u16string none;
    const auto& items = P().window.items(ListOf(list));
    return index >= 0 && static_cast<std::size_t>(index) < items.size()
               ? items[static_cast<std::size_t>(index)]
               : none;
}

std::u16string_view StateName(std::int32_t state) {
    constexpr std::array<std::pair<std::int32_t, std::u16string_view>, 3> names = {
        {{Solved, u"Solved"}, {Changed, u"Changed"}, {Restoring, u"Restoring"}}};
    for (const auto& [value, name] : names)
        if (value == state) return name;
    return u"";
}

int Number(PageNumber what, int list) {
    Page& p = P();
    switch (what) {
        case PageNumber::SelectionStart: return p.box.start();
        case PageNumber::SelectionEnd: return p.box.end();
        case PageNumber::CaretAtStart: return p.box.caretAtStart() ? 1 : 0;
        case PageNumber::Switch: return ReplaceWithAnswer;
        case PageNumber::AnswerVersion: return p.window.otvetVersion;
        case PageNumber::ListsVersion: return p.window.listsVersion;
        case PageNumber::BoxVersion: return p.window.boxVersion;
        case PageNumber::ListCount: return static_cast<int>(p.window.items(ListOf(list)).size());
        case PageNumber::FocusAsked: return std::exchange(p.window.primerFocused, false) ? 1 : 0;
        case PageNumber::NotebookVersion: return p.notebook.version();
    }
    return 0;
}

std::u16string Text(PageText what, int list, int index) {
    Page& p = P();
    switch (what) {
        case PageText::Example: return p.box.text();
        case PageText::ExampleTooltip: return p.box.tooltip;
        case PageText::SelectedText: return p.box.selectedText();
        case PageText::ExampleState: return std::u16string(StateName(ExampleState));
        case PageText::Answer: return p.window.otvet;
        case PageText::ListItem: return ListItem(list, index);
        case PageText::ListTooltip:
            return ListOf(list) == ResultList::DirC ? p.window.dirCTooltip : p.window.dirPrTooltip;
        case PageText::BoxTitle: return p.window.boxTitle;
        case PageText::BoxText: return p.window.boxText;
        case PageText::Notebook: return NotebookJson(p.notebook.notebook());
        case PageText::NotebookText: return p.notebook.text();
    }
    return {};
}

}  // namespace

extern "C" {

// Room for a text of the given length that the script writes in.
EMSCRIPTEN_KEEPALIVE char16_t* tambrel_input(int length) {
    P().in.assign(static_cast<std::size_t>(length < 0 ? 0 : length), u'\0');
    return P().in.data();
}
EMSCRIPTEN_KEEPALIVE const char16_t* tambrel_output() { return P().out.data(); }

// The input's text (just written) and selection, as they are now.
EMSCRIPTEN_KEEPALIVE void tambrel_sync(int start, int end, int caretAtStart) {
    P().box.sync(P().in, start, end, caretAtStart != 0);
}

// A key pressed: its KeyboardEvent.key just written, the Latin letter of
// its place (0 for none) and the modifiers. Returns how many characters it
// delivers to the key filter.
EMSCRIPTEN_KEEPALIVE int tambrel_press(int letter, int ctrl, int shift, int altOrMeta) {
    Page& p = P();
    p.keyText = p.in;
    PressedKey& key = p.key;
    // A key value of one character is the text it types; a longer one names the key.
    const bool typed =
        p.keyText.size() == 1 || (p.keyText.size() == 2 && p.keyText[0] >= 0xd800 && p.keyText[0] < 0xdc00);
    key.key = typed ? NamedKey::None : NamedKeyCalled(p.keyText);
    key.text = typed ? std::u16string_view(p.keyText) : std::u16string_view();
    key.letter = static_cast<char16_t>(letter);
    key.ctrl = ctrl != 0;
    key.shift = shift != 0;
    key.altOrMeta = altOrMeta != 0;
    return static_cast<int>(DeliveredCodes(key).size());
}
// Whether the box edits with that key by itself.
EMSCRIPTEN_KEEPALIVE int tambrel_box_edits() { return BoxEditsItself(P().key) ? 1 : 0; }
// The characters it delivers, through the filter.
EMSCRIPTEN_KEEPALIVE void tambrel_type_key() {
    for (const char16_t code : DeliveredCodes(P().key)) P().rules.type(code);
}
// The menu item (its place in the facts' "menu") whose shortcut it is; -1 for none.
EMSCRIPTEN_KEEPALIVE int tambrel_shortcut() {
    const MenuItem* item = ItemForShortcut(P().key);
    return item != nullptr ? static_cast<int>(item - MenuItems.data()) : -1;
}
// Whether menu item i is offered now.
EMSCRIPTEN_KEEPALIVE int tambrel_offered(int item, int clipboardHoldsText) {
    if (item < 0 || static_cast<std::size_t>(item) >= MenuItems.size()) return 0;
    const Page& p = P();
    return IsOffered(MenuItems[static_cast<std::size_t>(item)], p.rules,
                     {!p.box.selectedText().empty(), clipboardHoldsText != 0, p.notebook.ready()})
               ? 1
               : 0;
}

// Text that comes without a key (an on-screen keyboard), just written, typed as keys are.
EMSCRIPTEN_KEEPALIVE void tambrel_type_text() {
    const std::u16string text = P().in;
    for (const char16_t c : text) P().rules.type(c);
}
// The input edited by itself (Delete): the change handler.
EMSCRIPTEN_KEEPALIVE void tambrel_changed() { P().rules.changed(); }
EMSCRIPTEN_KEEPALIVE void tambrel_backspace() { P().rules.type(u'\b'); }
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
    if (const auto remainder = TakenBack(ListItem(static_cast<int>(ResultList::DirPr), index)))
        P().box.setWholeText(*remainder);
}

// The example a link brings (just written): filtered as a paste is, put in
// over whatever the box held as one change, and solved.
EMSCRIPTEN_KEEPALIVE void tambrel_link() {
    P().rules.selectAll();
    P().rules.paste(P().in);
    P().rules.solveWhenChanged();
}

// A number of the page as it is now, by its name among the facts' "numbers";
// a list's by the list's number among the facts' "lists".
EMSCRIPTEN_KEEPALIVE int tambrel_number(int what, int list) {
    return Number(static_cast<PageNumber>(what), list);
}

// A text of the page by its name among the facts' "texts": its length; the
// text itself at tambrel_output. A list's item by the list's number and the
// item's.
EMSCRIPTEN_KEEPALIVE int tambrel_text(int what, int list, int index) {
    P().out = Text(static_cast<PageText>(what), list, index);
    return static_cast<int>(P().out.size());
}

}  // extern "C"
