#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tambrel {

// The keys without a character of their own that the box and the menus'
// shortcuts name.
enum class NamedKey { None, Backspace, Enter, Escape, Tab, Delete, Left, Right, Up, Down, Home, End, F1, F2 };

// A named key as a browser names it (KeyboardEvent.key) and as a menu shows
// it beside an item.
struct KeyName {
    NamedKey key;
    std::u16string_view web;
    std::u16string_view shown;
};
inline constexpr std::array<KeyName, 13> KeyNames = {{
    {NamedKey::Backspace, u"Backspace", u"Backspace"},
    {NamedKey::Enter, u"Enter", u"Enter"},
    {NamedKey::Escape, u"Escape", u"Esc"},
    {NamedKey::Tab, u"Tab", u"Tab"},
    {NamedKey::Delete, u"Delete", u"Del"},
    {NamedKey::Left, u"ArrowLeft", u"Left"},
    {NamedKey::Right, u"ArrowRight", u"Right"},
    {NamedKey::Up, u"ArrowUp", u"Up"},
    {NamedKey::Down, u"ArrowDown", u"Down"},
    {NamedKey::Home, u"Home", u"Home"},
    {NamedKey::End, u"End", u"End"},
    {NamedKey::F1, u"F1", u"F1"},
    {NamedKey::F2, u"F2", u"F2"},
}};
// None for a name that is not in the table.
NamedKey NamedKeyCalled(std::u16string_view web);
const KeyName& NameOf(NamedKey key);

// A key pressed, as the rules see it whatever toolkit reports it: a named
// key, or the text a character key types; the Latin letter its place
// bears (A to Z, for Ctrl and a letter on any keyboard layout), 0 for none;
// and the modifiers held.
struct PressedKey {
    NamedKey key = NamedKey::None;
    std::u16string_view text;
    char16_t letter = 0;
    bool ctrl = false;
    bool shift = false;
    bool altOrMeta = false;
};

// The keys the box edits with by itself, and with which modifiers: Delete,
// the arrows, Home and End, Shift selecting and Ctrl moving by word. Every
// other binding of the box (word and line deletion, its own clipboard and
// undo) is left out: the example changes only through the key filter and
// the Edit menu. Alt or Meta held: none.
struct EditingKey {
    NamedKey key;
    bool withShift;
    bool withCtrl;
};
inline constexpr std::array<EditingKey, 7> EditingKeys = {{
    {NamedKey::Delete, false, false},
    {NamedKey::Left, true, true},
    {NamedKey::Right, true, true},
    {NamedKey::Home, true, true},
    {NamedKey::End, true, true},
    {NamedKey::Up, true, false},
    {NamedKey::Down, true, false},
}};
bool BoxEditsItself(const PressedKey& key);

// The character codes a key delivers to the key filter (PrimerRules::type),
// as the keyboard of the platform the calculator was made for delivers
// them; none for the editing keys.
// - A plain or shifted key types its text, control characters left out;
//   Backspace is 8, Enter 13, Escape 27. Delete delivers nothing.
// - With Ctrl (and perhaps Shift) a letter delivers its control character
//   (Ctrl+Z is 26), Backspace 127 and Enter 10: the filter swallows them
//   all, so the box's own word and line deletions never act.
// - With Alt or Meta nothing.
std::u16string DeliveredCodes(const PressedKey& key);

}  // namespace tambrel
