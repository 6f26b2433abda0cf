#include "menu_table.h"

#include <algorithm>

#include "primer_rules.h"

namespace tambrel {

const MenuItem& ItemOf(MenuCommand command) {
    return *std::find_if(MenuItems.begin(), MenuItems.end(),
                         [command](const MenuItem& item) { return item.command == command; });
}

const MenuItem* ItemForShortcut(const PressedKey& key) {
    if (key.altOrMeta || key.shift) return nullptr;
    const auto* found = std::find_if(MenuItems.begin(), MenuItems.end(), [&key](const MenuItem& item) {
        const Shortcut& s = item.shortcut;
        return s.letter != 0 ? key.ctrl && key.letter == s.letter
                             : s.key != NamedKey::None && !key.ctrl && key.key == s.key;
    });
    return found != MenuItems.end() ? found : nullptr;
}

bool IsOffered(const MenuItem& item, const PrimerRules& rules, const OfferState& now) {
    switch (item.offered) {
        case Offered::CanUndo: return rules.canUndo();
        case Offered::CanRedo: return rules.canRedo();
        case Offered::Selection: return now.selection;
        case Offered::ClipboardText: return now.clipboardHoldsText;
        case Offered::Notebook: return now.notebook;
        case Offered::Always: break;
    }
    return true;
}

}  // namespace tambrel
