#include "qt_keys.h"

#include <QKeyEvent>
#include <algorithm>
#include <array>
#include <utility>

namespace tambrel {

namespace {

// Enter of the keypad is Enter; the others each have one key.
constexpr std::array<std::pair<Qt::Key, NamedKey>, 14> QtKeys = {{
    {Qt::Key_Backspace, NamedKey::Backspace},
    {Qt::Key_Return, NamedKey::Enter},
    {Qt::Key_Enter, NamedKey::Enter},
    {Qt::Key_Escape, NamedKey::Escape},
    {Qt::Key_Tab, NamedKey::Tab},
    {Qt::Key_Delete, NamedKey::Delete},
    {Qt::Key_Left, NamedKey::Left},
    {Qt::Key_Right, NamedKey::Right},
    {Qt::Key_Up, NamedKey::Up},
    {Qt::Key_Down, NamedKey::Down},
    {Qt::Key_Home, NamedKey::Home},
    {Qt::Key_End, NamedKey::End},
    {Qt::Key_F1, NamedKey::F1},
    {Qt::Key_F2, NamedKey::F2},
}};

}  // namespace

NamedKey NamedKeyOf(int qtKey) {
    const auto* found =
        std::find_if(QtKeys.begin(), QtKeys.end(), [qtKey](const auto& k) { return k.first == qtKey; });
    return found != QtKeys.end() ? found->second : NamedKey::None;
}

PressedKey Pressed(const QKeyEvent* e, std::u16string_view text) {
    const auto mods = e->modifiers();
    const int key = e->key();
    PressedKey pressed;
    pressed.key = NamedKeyOf(key);
    pressed.text = text;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        pressed.letter = static_cast<char16_t>(u'A' + (key - Qt::Key_A));
    pressed.ctrl = (mods & Qt::ControlModifier) != 0;
    pressed.shift = (mods & Qt::ShiftModifier) != 0;
    pressed.altOrMeta = (mods & (Qt::AltModifier | Qt::MetaModifier)) != 0;
    return pressed;
}

QKeySequence ShortcutSequence(const Shortcut& shortcut) {
    if (shortcut.letter != 0) return {Qt::CTRL | static_cast<Qt::Key>(Qt::Key_A + (shortcut.letter - u'A'))};
    const auto* found = std::find_if(QtKeys.begin(), QtKeys.end(),
                                     [&shortcut](const auto& k) { return k.second == shortcut.key; });
    return shortcut.key != NamedKey::None && found != QtKeys.end() ? QKeySequence(found->first)
                                                                   : QKeySequence();
}

}  // namespace tambrel
