#pragma once

#include <QLineEdit>
#include <QWidget>

class QMenuBar;

namespace tambrel {

// Gives assistive technology what the window's own controls are: the keys
// as push buttons with a press action, the answer box as read-only text,
// the switch of the Edit menu as a checkable item and the announcer as a
// notification. Installed once, before the window is built.
void InstallAccessibleControls();

// The answer box. The user may type into it, but for assistive technology
// it is read-only text: only the engine writes there.
class AnswerBox : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;
};

// Speaks a text without taking the focus: a notification that is never
// drawn, renamed and shown afresh for every text, which a screen reader
// presents as soon as it shows.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void say(const QString& text);
};

// The menus' mnemonics are underlined only while Alt is held or the menu
// bar is worked by keyboard, as on the desktop the calculator comes from.
void UnderlineMnemonicsOnlyByKeyboard(QMenuBar* bar);

// F10: the menu bar takes the keyboard as on Alt, its first item lit; F10
// again leaves it.
void ToggleMenuBarByKeyboard(QMenuBar* bar);

}  // namespace tambrel
