#pragma once

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <memory>

#include "frm_forma.h"
#include "knopka_label.h"
#include "message_boxes.h"
#include "primer_box.h"
#include "shared_state.h"

namespace tambrel::testing {

// Answers the program's modal boxes instead of a user and remembers them.
struct FakeBoxes : MessageBoxes {
    bool answer = true;
    int questions = 0;
    QString questionTitle;
    QString questionText;
    int criticals = 0;
    QString criticalTitle;
    QString criticalText;

    bool askYesNo(const QString& title, const QString& text) override {
        ++questions;
        questionTitle = title;
        questionText = text;
        return answer;
    }
    void showCritical(const QString& title, const QString& text) override {
        ++criticals;
        criticalTitle = title;
        criticalText = text;
    }
};

inline void ResetSharedState() {
    ExampleState = Solved;
    ReplaceWithAnswer = 0;
}

// A fresh, shown and active main window registered with the engine.
inline std::unique_ptr<FrmForma> OpenForm() {
    ResetSharedState();
    auto form = std::make_unique<FrmForma>();
    SetEngineWindow(form.get());
    form->show();
    QApplication::setActiveWindow(form.get());
    if (!QTest::qWaitForWindowActive(form.get())) qWarning("main window not active");
    form->Primer->setFocus();
    return form;
}

// A fresh window whose modal boxes `boxes` answers, forgetting what it was
// asked before; CloseForm takes both away again.
inline std::unique_ptr<FrmForma> OpenForm(FakeBoxes& boxes) {
    boxes = FakeBoxes{};
    SetMessageBoxes(&boxes);
    return OpenForm();
}

inline void CloseForm(std::unique_ptr<FrmForma>& form) {
    form.reset();
    SetMessageBoxes(nullptr);
}

// Types one character as the keyboard delivers it; QTest's own helpers
// refuse Cyrillic letters. "\r" is the Enter key and "\b" Backspace.
inline void TypeChar(QWidget* widget, QChar c) {
    const Qt::Key key = c == u'\r'   ? Qt::Key_Return
                        : c == u'\b' ? Qt::Key_Backspace
                                     : Qt::Key(c.toUpper().unicode());
    QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
}

inline void TypeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) TypeChar(widget, c);
}

inline QPoint CentreOf(QWidget* widget, QWidget* window) {
    return widget->mapTo(window, widget->rect().center());
}

// A click as the window system delivers it: through the window, so that
// the label under the pointer at button-down keeps the mouse.
inline void ClickKey(FrmForma& form, int index) {
    QWindow* window = form.windowHandle();
    const QPoint at = CentreOf(form.Knopka[static_cast<std::size_t>(index)], &form);
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at);
}

// Opens a menu as the user does: a click on its title in the menu bar.
inline void OpenMenu(FrmForma& form, QMenu* menu) {
    QMenuBar* bar = form.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(menu->menuAction()).center());
    QTRY_VERIFY(menu->isVisible());
}

// Opens the item's menu and clicks the item; a disabled item leaves the
// menu open, and it is then closed.
inline void ClickMenuItem(FrmForma& form, QAction* item) {
    auto* menu = qobject_cast<QMenu*>(item->parent());
    QVERIFY(menu != nullptr);
    OpenMenu(form, menu);
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(item).center());
    menu->hide();
    QTRY_VERIFY(!menu->isVisible());
}

}  // namespace tambrel::testing
