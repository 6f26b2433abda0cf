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

// A text box selects its line as Tab brings the focus in, inside its
// focusInEvent, and the toolkit tells a reader of the focus only after
// that event: the reader reads the selection, then the box with its line,
// the line twice. With a reader at work the box is to take the focus
// without selecting (true is returned: the caller passes its base class a
// focus event of no such reason) and the line is selected just after,
// when the reader knows of the focus: it reads the box and its selected
// line once. Nobody sees the difference.
bool SelectOnceReaderKnowsFocus(QLineEdit* box, const QFocusEvent* e);

// The answer box. The user may type into it, but for assistive technology
// it is read-only text: only the engine writes there.
class AnswerBox : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* e) override;
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
