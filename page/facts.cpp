// Writes what the page's script reads of the core's tables, as JSON on
// standard output: the keys' captions and spoken names, the menus' items
// with their shortcuts, the box's capacity, the held key's colour, the
// numbers of the lists and of what the script reads back, the notebook's
// cell marks (bridge.h), the
// maker's site and the slogan. The page build runs it
// and puts its text into the page, so that the script holds no copy of any
// of them and the module carries none of them.
#include <cstdio>
#include <string>
#include <string_view>

#include "bridge.h"
#include "engine_window.h"
#include "example_box.h"
#include "json.h"
#include "key_spoken_names.h"
#include "keypad_captions.h"
#include "menu_table.h"
#include "safe_address.h"
#include "utf.h"
#include "words.h"

namespace {

using namespace tambrel;

// A menu item: its caption without the underline's "&", and its shortcut
// as the menu shows it ("Ctrl+Z", "Del") and as a reader is told it
// ("Control+Z", "Delete").
void Item(Json& json, const MenuItem& item) {
    std::u16string caption;
    for (const char16_t c : item.caption)
        if (c != u'&') caption += c;
    json.open(u'{')
        .field(u"id")
        .value(item.name)
        .field(u"menu")
        .value(item.menu)
        .field(u"caption")
        .value(caption);
    if (const Shortcut& s = item.shortcut; s.letter != 0) {
        json.field(u"shown").value(u"Ctrl+" + std::u16string(1, s.letter));
        json.field(u"keys").value(u"Control+" + std::u16string(1, s.letter));
    } else if (s.key != NamedKey::None) {
        json.field(u"shown").value(NameOf(s.key).shown).field(u"keys").value(NameOf(s.key).web);
    }
    if (item.separatorBefore) json.field(u"separator").value(true);
    if (item.isSwitch) json.field(u"switch").value(true);
    json.close(u'}');
}

// Each name with its place in the list.
template <typename List>
void Names(Json& json, const List& names) {
    json.open(u'{');
    for (std::size_t i = 0; i < names.size(); ++i)
        json.field(std::u16string(names[i].begin(), names[i].end())).value(static_cast<int>(i));
    json.close(u'}');
}

std::u16string Facts() {
    Json json;
    json.open(u'{').field(u"captions").open(u'[');
    for (const char16_t* caption : KeyCaptions) json.value(std::u16string_view(caption));
    json.close(u']').field(u"names").open(u'[');
    for (const std::u16string_view name : KeySpokenNames) json.value(name);
    json.close(u']').field(u"menu").open(u'[');
    for (const MenuItem& item : MenuItems) Item(json, item);
    json.close(u']').field(u"capacity").value(PrimerCapacity);
    const std::string held = "rgb(" + std::to_string(HeldKeyColour.red) + ", " +
                             std::to_string(HeldKeyColour.green) + ", " + std::to_string(HeldKeyColour.blue) +
                             ")";
    json.field(u"held").value(held);
    json.field(u"lists").open(u'{').field(u"DirC").value(static_cast<int>(ResultList::DirC));
    json.field(u"DirPr").value(static_cast<int>(ResultList::DirPr)).close(u'}');
    Names(json.field(u"numbers"), PageNumberNames);
    Names(json.field(u"texts"), PageTextNames);
    Names(json.field(u"cellMarks"), CellMarkNames);
    json.field(u"site")
        .value(SafeAddress(SiteAddressText))
        .field(u"slogan")
        .value(std::u16string_view(SloganWords))
        .field(u"notebookHint")
        .value(notebook::words::NoSolvingYet);
    return json.close(u'}').text();
}

}  // namespace

int main() {
    // One line: the module's standard output is written line by line, and
    // flushed here, as its runtime does not close its files at exit.
    const std::string facts = Utf16ToUtf8(Facts()) + "\n";
    const bool written = std::fwrite(facts.data(), 1, facts.size(), stdout) == facts.size();
    return std::fflush(stdout) == 0 && written ? 0 : 1;
}
