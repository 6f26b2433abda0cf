#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QString>
#include <array>
#include <functional>
#include <random>
#include <utility>

#include "knopka_label.h"
#include "primer_box.h"
#include "qt_fixture.h"

namespace tambrel::soak {

// One line: control characters and the like as \uXXXX, long texts cut short.
QString Shown(const QString& text, qsizetype most = 80);

// What a user does next, said before it is done, so that an operation that
// never returns can still be named.
struct Operation {
    QString what;
    std::function<void()> run;
};

// Picks random operations on the main window and checks what must hold
// after each. The same seed gives the same operations on the same window.
class Driver {
public:
    Driver(FrmForma& form, testing::FakeBoxes& boxes, std::uint32_t seed);

    Operation pick();
    // Cuts a long example back as a user would; says what it did.
    QString trim();
    // Empty while everything holds, else what broke.
    QString broken() const;
    QString state() const;

private:
    using Maker = Operation (Driver::*)();
    // How often each kind of operation comes, and what makes it.
    static const std::array<std::pair<int, Maker>, 17>& kinds();

    int below(qsizetype n) { return std::uniform_int_distribution<int>(0, static_cast<int>(n) - 1)(random_); }
    bool chance(int percent) { return below(100) < percent; }
    QPoint somewhereIn(const QWidget* w) { return {below(w->width()), below(w->height())}; }

    Operation keypad(int key);
    Operation anyKey() { return keypad(below(KeyCount)); }
    Operation solveKey() { return keypad(SolveKey); }
    Operation typed(const QString& pool);
    Operation allowedCharacter();
    Operation junkCharacter();
    Operation rootLetter();
    QString strokes(int depth);
    Operation typedExample();
    Operation editingKey();
    Operation enter();
    Operation shortcut();
    Operation trigger();
    Operation replaceSwitch();
    Operation paste();
    Operation takeBack();
    Operation focus();
    Operation menuClick();
    Operation exitAnsweredNo();
    Operation notebook();
    void notebookThen(int then);
    // Keys go where the focus is; mostly the user first clicks into Primer.
    Operation atFocus(const QString& what, std::function<void(QWidget*)> act);
    std::pair<QString, std::function<void()>> clipboard();
    std::array<QAction*, 8> editItems() const;

    FrmForma& form_;
    testing::FakeBoxes& boxes_;
    std::mt19937 random_;
    std::discrete_distribution<int> kind_;
    QString fault_;
};

}  // namespace tambrel::soak
