#pragma once

#include <array>
#include <string_view>

#include "box_keys.h"

namespace tambrel {

class PrimerRules;

enum class MenuCommand {
    Undo,
    Redo,
    Copy,
    Paste,
    Delete,
    All,
    Brackets,
    Switch,
    NotebookShow,
    NotebookCopy,
    NotebookPrint,
    CallHelp,
    About
};

// When an item is offered: read afresh at every opening of its menu and at
// every press of its shortcut.
enum class Offered { Always, CanUndo, CanRedo, Selection, ClipboardText, Notebook };

// What the offers depend on, as a face sees it at the moment of asking.
struct OfferState {
    bool selection = false;           // the example box has a selection
    bool clipboardHoldsText = false;  // the clipboard holds plain text
    bool notebook = false;            // the last solving left a notebook
};

// A shortcut: a Latin letter with Ctrl, or a named key alone; neither for
// an item without one.
struct Shortcut {
    char16_t letter = 0;
    NamedKey key = NamedKey::None;
};

// One item of the drop-down menus «Правка» (Edit), «Решение» (the notebook)
// and «Справка» (Help), in their order. The caption has "&" before its underlined letter.
struct MenuItem {
    MenuCommand command;
    std::string_view name;
    std::string_view menu;
    std::u16string_view caption;
    Shortcut shortcut;
    Offered offered;
    bool separatorBefore = false;
    bool isSwitch = false;
};

// Redo sits on Ctrl+X; there is no Cut command.
inline constexpr std::array<MenuItem, 13> MenuItems = {{
    {MenuCommand::Undo, "EditUndo", "Edit", u"&Отменить", {u'Z'}, Offered::CanUndo},
    {MenuCommand::Redo, "EditRedo", "Edit", u"&Повторить", {u'X'}, Offered::CanRedo},
    {MenuCommand::Copy, "EditCopy", "Edit", u"&Копировать", {u'C'}, Offered::Selection},
    {MenuCommand::Paste, "EditPaste", "Edit", u"&Вставить", {u'V'}, Offered::ClipboardText},
    {MenuCommand::Delete, "EditDelete", "Edit", u"&Удалить", {0, NamedKey::Delete}, Offered::Selection},
    {MenuCommand::All, "EditAll", "Edit", u"Вы&делить всё", {u'A'}, Offered::Always},
    {MenuCommand::Brackets, "EditSkopki", "Edit", u"Взять пример в &скобки", {u'S'}, Offered::Always},
    {MenuCommand::Switch,
     "EditPrimerOtvet",
     "Edit",
     u"&Заменять пример ответом",
     {},
     Offered::Always,
     true,
     true},
    {MenuCommand::NotebookShow,
     "ReshenieShow",
     "Reshenie",
     u"&Показать в тетради",
     {0, NamedKey::F2},
     Offered::Always},
    {MenuCommand::NotebookCopy, "ReshenieCopy", "Reshenie", u"&Копировать решение", {}, Offered::Notebook},
    {MenuCommand::NotebookPrint, "ResheniePrint", "Reshenie", u"Пе&чать…", {u'P'}, Offered::Notebook},
    {MenuCommand::CallHelp, "HelpCallHelp", "Help", u"&Вызов справки", {0, NamedKey::F1}, Offered::Always},
    {MenuCommand::About, "HelpAbout", "Help", u"&О программе", {}, Offered::Always},
}};

const MenuItem& ItemOf(MenuCommand command);

// The item whose shortcut the key is, exactly: Ctrl and the letter, or the
// named key with nothing held; nullptr for none.
const MenuItem* ItemForShortcut(const PressedKey& key);

// Whether the item is offered now.
bool IsOffered(const MenuItem& item, const PrimerRules& rules, const OfferState& now);

}  // namespace tambrel
