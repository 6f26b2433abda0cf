// Runs scenario lines against the real window program; tests/README.md
// tells how they are written. Each line gets a main window of its own, or
// the whole program started in an empty folder.
//   scenario_runner FILE.txt… [Qt Test options, e.g. scenarios:NAME]
#include <sys/stat.h>

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>

#include "frm_tetrad.h"
#include "qt_fixture.h"
#include "scenario_text.h"

using namespace tambrel;
using namespace tambrel::testing;

namespace {

QStringList Files;

// The core's reading of a line, in Qt's strings.
QStringList SplitOn(const QString& line, QChar separator) {
    QStringList parts;
    for (const std::string& part :
         testing::SplitOn(line.toStdString(), static_cast<char>(separator.unicode())))
        parts << QString::fromStdString(part);
    return parts;
}

QString Text(const QString& s) { return QString::fromStdU16String(testing::Text(s.toStdString())); }

struct MarkedText {
    QString text;
    int caret = -1;
    int selection = -1;
};

MarkedText ParseMarked(const QString& s) {
    const testing::Marked m = testing::ParseMarked(s.toStdString());
    return {QString::fromStdU16String(m.text), m.caret, m.selection};
}

// A count as a line writes it; anything but digits fails the line, so a
// typo cannot read as 0.
int Count(const QString& value) {
    bool ok = false;
    const int n = value.toInt(&ok);
    if (!ok) qFatal("not a count: %s", qPrintable(value));
    return n;
}

// Shortened for a failure report.
QString Shown(const QString& s) { return s.size() <= 120 ? s : s.left(60) + u'…' + s.right(60); }

void Same(const char* what, const QString& actual, const QString& expected) {
    if (actual != expected)
        QFAIL(qPrintable(QStringLiteral("%1 «%2», expected «%3»").arg(what, Shown(actual), Shown(expected))));
}
void Same(const char* what, qsizetype actual, qsizetype expected) {
    Same(what, QString::number(actual), QString::number(expected));
}

// Folder entries, separated by a comma and a blank: name="bytes" a file,
// name/ a folder, name=pipe a named pipe, name->target a symbolic link.
void MakeFolder(const QString& entries) {
    static const QRegularExpression entry(
        QStringLiteral("([^\\s=/,]+?)(=\"([^\"]*)\"|/|=pipe|->([^\\s,]+))(, |$)"));
    for (auto it = entry.globalMatch(entries); it.hasNext();) {
        const auto m = it.next();
        const QString name = m.captured(1);
        if (m.captured(2) == u'/') QDir().mkpath(name);
        if (m.captured(2) == QLatin1String("=pipe")) ::mkfifo(QFile::encodeName(name).constData(), 0600);
        if (m.captured(2).startsWith(QLatin1String("=\""))) WriteFile(name, Text(m.captured(3)).toUtf8());
        if (m.capturedLength(4) > 0) QFile::link(m.captured(4), name);
    }
}

// What the working folder holds, written as MakeFolder reads it.
QString Folder() {
    QStringList entries;
    const auto all = QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;
    for (const QFileInfo& i : QDir().entryInfoList(all, QDir::Name)) {
        entries << i.fileName() +
                       (i.isSymLink() ? QStringLiteral("->") + QFileInfo(i.symLinkTarget()).fileName()
                        : i.isDir()   ? QStringLiteral("/")
                        : i.isFile()
                            ? QStringLiteral("=\"%1\"").arg(QString::fromUtf8(ReadFile(i.fileName())))
                            : QStringLiteral("=pipe"));
    }
    return entries.join(QStringLiteral(", "));
}

// A key by its name as QKeySequence reads it ("Ctrl+Z", "Num+Enter",
// "BackSpace"), pressed and released with the text X sends with it.
void PressKey(QWidget* target, const QString& name) {
    const QKeyCombination k = QKeySequence::fromString(name)[0];
    const Qt::KeyboardModifiers mods = k.keyboardModifiers();
    QString text;
    switch (k.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: text = QStringLiteral("\r"); break;
        case Qt::Key_Backspace: text = QStringLiteral("\b"); break;
        case Qt::Key_Escape: text = QStringLiteral("\x1b"); break;
        case Qt::Key_Tab: text = QStringLiteral("\t"); break;
        case Qt::Key_Space: text = QStringLiteral(" "); break;
        case Qt::Key_Delete: text = mods & Qt::KeypadModifier ? QString() : QStringLiteral("\x7f"); break;
        default: break;
    }
    if (k.key() >= Qt::Key_A && k.key() <= Qt::Key_Z) {
        const QChar letter(k.key());
        text = mods & Qt::ControlModifier ? QChar(letter.unicode() - u'A' + 1)
               : mods & Qt::ShiftModifier ? letter
                                          : letter.toLower();
    }
    QVERIFY2(k.key() != Qt::Key_unknown && k.key() != 0, qPrintable(name));
    QTest::sendKeyEvent(QTest::Click, target, k.key(), text, mods);
}

}  // namespace

// The windows on the screen, menus and tooltips left out.
QWidgetList ShownWindows() {
    QWidgetList shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip) shown << w;
    return shown;
}

// A window a step opened takes the keyboard in its own time, as the
// desktop gives it; with two windows on the screen, one brought forward
// does too.
void waitForOpenedWindow(const QWidgetList& before) {
    const QWidgetList shown = ShownWindows();
    for (QWidget* w : shown)
        if (!before.contains(w) && !QTest::qWaitFor([w] { return QApplication::activeWindow() == w; }))
            qWarning("opened window not active");
    if (shown.size() > 1) QCoreApplication::processEvents();
}

class ScenarioRunner : public QObject {
    Q_OBJECT

    Program* program = nullptr;
    QWidget* window() const { return program->window(); }
    QWidget* focused() const { return QApplication::focusWidget(); }

    void click(const QStringList& args, bool twice) {
        if (auto* list = window()->findChild<QListWidget*>(args[0])) {
            const int row = args.size() > 1 ? args[1].toInt() - 1 : -1;
            const QPoint at = row >= 0 ? list->visualItemRect(list->item(row)).center() : QPoint(5, 5);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
            if (twice) QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        } else if (auto* widget = window()->findChild<QWidget*>(args[0])) {
            ClickThroughWindow(widget, twice);
        } else {
            // Keypad keys by their labels, one character each.
            for (const QChar label : args[0]) {
                QLabel* key = nullptr;
                for (auto* k : window()->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^Knopka"))))
                    if (k->text().trimmed() == label) key = k;
                QVERIFY2(key != nullptr, qPrintable(args[0]));
                ClickThroughWindow(key, twice);
            }
        }
    }

    void act(QString step) {
        int times = 1;
        static const QRegularExpression repeat(QStringLiteral("\\s+×(\\d+)$"));
        if (const auto m = repeat.match(step); m.hasMatch()) {
            times = m.captured(1).toInt();
            step.truncate(m.capturedStart());
        }
        const QString verb = step.section(u' ', 0, 0);
        const QString rest = step.section(u' ', 1);
        const QStringList args = rest.split(u' ', Qt::SkipEmptyParts);
        for (int i = 0; i < times && !QTest::currentTestFailed(); ++i) {
            const QWidgetList shownBefore = ShownWindows();
            if (verb == QLatin1String("type")) {
                for (const QChar c : Text(rest)) TypeChar(focused(), c);
            } else if (verb == QLatin1String("key")) {
                for (const QString& k : args) PressKey(focused(), k);
            } else if (verb == QLatin1String("click") || verb == QLatin1String("dclick")) {
                click(args, verb == QLatin1String("dclick"));
            } else if (verb == QLatin1String("menu")) {
                ClickMenuItem(window(), Find<QAction>(window(), rest));
            } else if (verb == QLatin1String("fire")) {
                // As a menu opened earlier may have left the item enabled.
                Find<QAction>(window(), rest)->setEnabled(true);
                Find<QAction>(window(), rest)->trigger();
            } else if (verb == QLatin1String("clip")) {
                QApplication::clipboard()->setText(Text(rest));
            } else if (verb == QLatin1String("html")) {
                auto* html = new QMimeData;
                html->setHtml(Text(rest));
                QApplication::clipboard()->setMimeData(html);
            } else if (verb == QLatin1String("answer")) {
                QVERIFY2(rest == QLatin1String("yes") || rest == QLatin1String("no"), qPrintable(step));
                program->boxes.answer = rest == QLatin1String("yes");
            } else if (verb == QLatin1String("close")) {
                window()->close();
            } else {
                QFAIL(qPrintable(QStringLiteral("unknown step: ") + step));
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            waitForOpenedWindow(shownBefore);
        }
    }

    void check(const QString& key, const QString& value) {
        auto* otvet = Find<QLineEdit>(window(), QStringLiteral("txtOtvet"));
        const QString list = key.section(u'.', 0, 0);
        if (key == QLatin1String("state")) {
            static const QStringList states{QStringLiteral("Solved"), QStringLiteral("Changed")};
            QVERIFY2(states.contains(value), qPrintable(QStringLiteral("unknown state: ") + value));
            Same("state", ExampleState, value == states[0] ? Solved : Changed);
        } else if (key == QLatin1String("answer")) {
            Same("txtOtvet", otvet->text(), Text(value));
        } else if (key == QLatin1String("message")) {
            // Some message, read from its beginning; the engine's own tests
            // hold the wording.
            const QString text = otvet->text();
            QVERIFY2(!text.isEmpty() && text[0].isLetter() && otvet->cursorPosition() == 0, qPrintable(text));
        } else if (key == QLatin1String("focus")) {
            Same("focus", focused() != nullptr ? focused()->objectName() : QString(), value);
        } else if (key == QLatin1String("offers")) {
            auto* edit = Find<QMenu>(window(), QStringLiteral("Edit"));
            ClickMenuBar(window(), edit->menuAction());
            QString offered;
            for (const char* name : {"EditUndo", "EditRedo", "EditCopy", "EditPaste", "EditDelete"})
                offered += Find<QAction>(window(), QString::fromLatin1(name))->isEnabled() ? u'+' : u'-';
            edit->hide();
            Same("Edit menu", offered, value);
        } else if (key == QLatin1String("clip")) {
            Same("clipboard", QApplication::clipboard()->text(), Text(value));
        } else if (key == QLatin1String("switch")) {
            const bool on = Find<QAction>(window(), QStringLiteral("EditPrimerOtvet"))->isChecked();
            Same("switch", on ? QStringLiteral("on") : QStringLiteral("off"), value);
        } else if (key == QLatin1String("critical")) {
            Same("critical boxes", program->boxes.criticals, 1);
            Same("critical box title", program->boxes.criticalTitle, value);
        } else if (key == QLatin1String("reshenie")) {
            auto* menu = Find<QMenu>(window(), QStringLiteral("Reshenie"));
            ClickMenuBar(window(), menu->menuAction());
            QString offered;
            for (const char* name : {"ReshenieShow", "ReshenieCopy", "ResheniePrint"})
                offered += Find<QAction>(window(), QString::fromLatin1(name))->isEnabled() ? u'+' : u'-';
            menu->hide();
            Same("Решение menu", offered, value);
        } else if (list == QLatin1String("notebook")) {
            checkNotebook(key.section(u'.', 1), value);
        } else if (list == QLatin1String("DirC") || list == QLatin1String("DirPr")) {
            auto* box = Find<QListWidget>(window(), list);
            const QString part = key.section(u'.', 1);
            const QList<QListWidgetItem*> selected = box->selectedItems();
            if (part.isEmpty()) {
                Same("items", box->count(), Count(value));
            } else if (part == QLatin1String("tip")) {
                Same("tooltip", box->toolTip(), Text(value));
            } else if (part == QLatin1String("sel")) {
                Same("selected", selected.isEmpty() ? 0 : box->row(selected[0]) + 1, Count(value));
            } else {
                QFAIL(qPrintable(QStringLiteral("unknown check: ") + key));
            }
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown check: ") + key));
        }
    }

    // The window «Решение»: closed, open with a notebook, or empty (open
    // with the line that tells how to get one); a line of its text; action
    // N's line at the top of the view and the one the
    // keyboard is on.
    void checkNotebook(const QString& part, const QString& value) {
        auto* tetrad = window()->findChild<FrmTetrad*>(QStringLiteral("frmTetrad"));
        const bool open = tetrad != nullptr && tetrad->isVisible();
        if (part.isEmpty()) {
            static const QStringList states{QStringLiteral("closed"), QStringLiteral("open"),
                                            QStringLiteral("empty")};
            QVERIFY2(states.contains(value), qPrintable(QStringLiteral("unknown notebook: ") + value));
            Same("notebook", !open ? states[0] : tetrad->showsNotebook() ? states[1] : states[2], value);
            return;
        }
        QVERIFY2(open && tetrad->showsNotebook(), "no notebook open");
        if (part == QLatin1String("has")) {
            const QString text = tetrad->text();
            QVERIFY2(text.split(u'\n').contains(Text(value)),
                     qPrintable(QStringLiteral("no line «%1» in\n%2").arg(Text(value), Shown(text))));
        } else if (part == QLatin1String("at")) {
            const int action = Count(value);
            const QRect line = tetrad->actionLineRect(action);
            QVERIFY2(line.isValid(), qPrintable(QStringLiteral("no action ") + value));
            const QScrollBar* bar = tetrad->paperArea()->verticalScrollBar();
            Same("scrolled to", bar->value(), line.top());
            Same("in view below", line.bottom() < bar->value() + tetrad->paperArea()->viewport()->height(),
                 true);
            Same("the keyboard's action", tetrad->currentAction(), action);
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown check: notebook.") + part));
        }
    }

private slots:
    void scenarios_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("example");
        QTest::addColumn<QString>("checks");
        QSet<QString> names;
        for (const QString& path : Files) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(path));
            for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
                if (line.trimmed().isEmpty() || line.trimmed().startsWith(u'#')) continue;
                QStringList c = SplitOn(line, u'|');
                if (c.size() < 4 || names.contains(c[0]))
                    qFatal("bad or repeated line: %s", qPrintable(line));
                names.insert(c[0]);
                // A line for the page alone is not the window's.
                if (c.size() > 4 && SplitOn(c[4], u';').contains(QStringLiteral("only=page"))) continue;
                QTest::newRow(qPrintable(c[0])) << c[1] << c[2] << c[3] << (c.size() > 4 ? c[4] : QString());
            }
        }
    }

    void scenarios() {
        QFETCH(QString, start);
        QFETCH(QString, actions);
        QFETCH(QString, example);
        QFETCH(QString, checks);
        QApplication::clipboard()->clear();
        Program started;
        program = &started;
        if (start.startsWith(QLatin1String("program"))) {
            MakeFolder(start.section(QStringLiteral(" in "), 1));
            started.start();
        } else {
            started.openWindow();
            const MarkedText m = ParseMarked(start);
            auto* primer = Find<QLineEdit>(window(), QStringLiteral("Primer"));
            primer->setText(m.text);
            if (m.selection >= 0) {
                primer->setSelection(m.selection, m.caret - m.selection);
            } else {
                primer->setCursorPosition(m.caret);
            }
        }
        for (const QString& step : SplitOn(actions, u';')) {
            if (!step.isEmpty()) act(step);
            if (QTest::currentTestFailed()) return;
        }
        QStringList wanted = SplitOn(checks, u';');
        for (const QString& c : wanted)
            if (c.startsWith(QLatin1String("files="))) Same("folder", Folder(), Text(c.mid(6)));
        const bool open = window() != nullptr && window()->isVisible();
        for (const QString& c : wanted) {
            if (!c.startsWith(QLatin1String("window="))) continue;
            QVERIFY2(c == QLatin1String("window=closed") || c == QLatin1String("window=open"), qPrintable(c));
            Same("window", open ? QStringLiteral("open") : QStringLiteral("closed"), c.mid(7));
        }
        if (!open) return;
        auto* primer = Find<QLineEdit>(window(), QStringLiteral("Primer"));
        const MarkedText m = ParseMarked(example);
        Same("Primer", primer->text(), m.text);
        Same("its tooltip", primer->toolTip(), primer->text());
        Same("caret", primer->cursorPosition(), m.caret);
        Same("selected", primer->selectedText(),
             m.selection >= 0 ? m.text.mid(m.selection, m.caret - m.selection) : QString());
        if (!checks.contains(QLatin1String("critical="))) Same("critical boxes", started.boxes.criticals, 0);
        for (const QString& c : wanted) {
            if (!c.isEmpty() && !c.startsWith(QLatin1String("files=")) &&
                !c.startsWith(QLatin1String("window=")) && c != QLatin1String("only=desktop"))
                check(c.section(u'=', 0, 0), c.section(u'=', 1));
        }
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    while (args.size() > 1 && args[1].endsWith(QLatin1String(".txt"))) Files << args.takeAt(1);
    ScenarioRunner runner;
    return QTest::qExec(&runner, args);
}

#include "scenario_runner.moc"
