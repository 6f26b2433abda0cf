#pragma once

// What the Qt tests of the window program share: the program's modal boxes
// answered instead of a user, the main window opened as start-up opens it
// or the whole program started in an empty folder of its own, and the
// user's keys, clicks and menus sent through the real widgets, found by
// their object names; the desktop that opens pages, recorded.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "frm_forma.h"
#include "main_m.h"
#include "message_boxes.h"
#include "result_lists.h"
#include "seams.h"
#include "shared_state.h"

namespace tambrel::testing {

// Answers the program's modal boxes and counts them.
struct FakeBoxes : MessageBoxes {
    bool answer = true;
    int questions = 0;
    int criticals = 0;
    QString criticalTitle;

    bool askYesNo(const QString&, const QString&) override {
        ++questions;
        return answer;
    }
    void showCritical(const QString& title, const QString&) override {
        ++criticals;
        criticalTitle = title;
    }
};

// Prints to a PDF file instead of showing the print dialog, or cancels it.
struct FakePrinter : PrinterChoice {
    QString file;  // where it prints; the working folder's «Решение.pdf» if empty
    bool cancel = false;
    int asked = 0;

    bool choose(QPrinter& printer, QWidget*) override {
        ++asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file.isEmpty() ? QDir::current().filePath(QStringLiteral("Решение.pdf"))
                                                 : file);
        return !cancel;
    }
};

// A child by its object name; a missing one ends the test program.
template <typename T = QWidget>
T* Find(const QObject* parent, const QString& name) {
    T* found = parent->findChild<T*>(name);
    if (found == nullptr) qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

inline void WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) qFatal("cannot write a file");
}

inline QByteArray ReadFile(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Stands in for the desktop: records what it was asked to open and answers
// as told, so that no browser starts during a test. The program's folder is
// a fresh temporary one.
struct FakeDesktop {
    QStringList targets;           // what it was asked to open, in order
    QStringList workingDirs;       // the folder each was opened in
    bool answer = true;            // what the desktop answers
    std::function<void()> during;  // runs inside each call
    QTemporaryDir folder;

    FakeDesktop() {
        seams_.programFolder(folder.path()).opener([this](const QString& target, const QString& workingDir) {
            targets << target;
            workingDirs << workingDir;
            if (during) during();
            return answer;
        });
    }

    QString path(const QString& name) const { return folder.filePath(name); }
    QByteArray read(const QString& name) const { return ReadFile(path(name)); }

private:
    UseSeams seams_;
};

// The test's own empty working folder, where the program reads and writes
// its settings file; the folder before comes back at the end.
class EmptyFolder {
public:
    EmptyFolder() {
        if (!dir_.isValid() || !QDir::setCurrent(dir_.path())) qFatal("no empty folder");
    }
    ~EmptyFolder() { QDir::setCurrent(before_); }

private:
    QString before_ = QDir::currentPath();
    QTemporaryDir dir_;
};

// The window program, with its boxes answered by `boxes` and its printing
// done by `printer`, in an empty folder; all of it goes away with the
// object.
class Program {
public:
    FakeBoxes boxes;
    FakePrinter printer;

    Program() { seams_.boxes(&boxes).printers(&printer); }
    ~Program() {
        own_.reset();
        delete MainForm();
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Started as a user starts it: the settings file read, the banner
    // strip filled.
    QWidget* start() {
        Main();
        return shown(MainForm());
    }
    // The main window as start-up leaves it with the switch off, and its
    // result lists, without the settings file and the banner.
    QWidget* openWindow() {
        own_ = std::make_unique<FrmForma>();
        SetEngineWindow(own_.get());
        ConnectResultLists(own_.get());
        Find<QAction>(own_.get(), QStringLiteral("EditPrimerOtvet"))->setChecked(false);
        own_->show();
        return shown(own_.get());
    }
    // Nullptr once it has closed.
    QWidget* window() const { return own_ != nullptr ? own_.get() : static_cast<QWidget*>(MainForm()); }

private:
    static QWidget* shown(QWidget* window) {
        QApplication::setActiveWindow(window);
        if (!QTest::qWaitForWindowActive(window)) qWarning("main window not active");
        return window;
    }

    UseSeams seams_;
    EmptyFolder folder_;
    std::unique_ptr<FrmForma> own_;
};

// Types one character as the keyboard delivers it; Qt Test's own helpers
// refuse Cyrillic letters.
// The example put into the window's box as a whole and solved by Enter.
inline void SolveInWindow(QWidget* window, const QString& example) {
    auto* primer = Find<QLineEdit>(window, QStringLiteral("Primer"));
    primer->setText(example);
    primer->setFocus();
    QTest::keyClick(primer, Qt::Key_Return);
}

inline void TypeChar(QWidget* widget, QChar c) {
    const Qt::Key key = c == u'\r'   ? Qt::Key_Return
                        : c == u'\b' ? Qt::Key_Backspace
                        : c == u'\t' ? Qt::Key_Tab
                                     : Qt::Key(c.toUpper().unicode());
    QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
}

// A click as the window system delivers it, through the window, which it
// makes the active one: the label under the pointer at button-down keeps
// the mouse.
inline void ClickThroughWindow(QWidget* target, bool twice = false) {
    if (QApplication::activeWindow() != target->window()) {
        QWidget* window = target->window();
        window->activateWindow();
        // A window's own test would take a window beside it for itself.
        if (!QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }))
            qWarning("window not active");
    }
    QWindow* window = target->window()->windowHandle();
    const QPoint at = target->mapTo(target->window(), target->rect().center());
    if (twice) {
        QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, at);
    } else {
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, at);
    }
}

// A click on an item of the menu bar: a menu's title opens the menu.
inline void ClickMenuBar(QWidget* window, QAction* item) {
    auto* bar = Find<QMenuBar>(window, {});
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(item).center());
    if (item->menu() != nullptr && !QTest::qWaitFor([item] { return item->menu()->isVisible(); }))
        qWarning("menu did not open");
}

// Opens the item's menu and clicks the item; a disabled item leaves the
// menu open, and it is closed then.
inline void ClickMenuItem(QWidget* window, QAction* item) {
    auto* menu = qobject_cast<QMenu*>(item->parent());
    if (menu == nullptr) return ClickMenuBar(window, item);
    ClickMenuBar(window, menu->menuAction());
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(item).center());
    menu->hide();
}

}  // namespace tambrel::testing
