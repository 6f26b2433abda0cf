#pragma once

#include <QKeySequence>

#include "box_keys.h"
#include "menu_table.h"

class QKeyEvent;

namespace tambrel {

// The toolkit's keys as the core's tables name them, and back.
NamedKey NamedKeyOf(int qtKey);
// The key as the core's rules read it; its text is held by the caller.
PressedKey Pressed(const QKeyEvent* e, std::u16string_view text);
QKeySequence ShortcutSequence(const Shortcut& shortcut);

}  // namespace tambrel
