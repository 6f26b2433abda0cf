// Runs scenario lines against the real window program; tests/README.md
// tells how they are written. Each line gets a main window of its own, or
// the whole program started in an empty folder.
//   scenario_runner FILE.txt… [Qt Test options, e.g. scenarios:NAME]
#include <sys/stat.h>

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>

#include "qt_fixture.h"

using namespace tambrel;
using namespace tambrel::testing;

namespace {

QStringList Files;

QStringList SplitOn(const QString& line, QChar separator) {
    QStringList parts = line.split(QRegularExpression(QStringLiteral("(?<!\\\\)\\") + separator));
    for (QString& part : parts) part = part.trimmed().replace(QStringLiteral("\\") + separator, separator);
    return parts;
}

// {TEXT×N} repeated, innermost first, then the escapes.
QString Text(QString s) {
    static const QRegularExpression repeat(QStringLiteral("\\{([^{}]*)×(\\d+)\\}"));
    for (auto m = repeat.match(s); m.hasMatch(); m = repeat.match(s))
        s.replace(m.capturedStart(), m.capturedLength(), m.captured(1).repeated(m.captured(2).toInt()));
    static const QString from = QStringLiteral("srbtn0e\\");
    static const QString to = QString::fromUtf16(u" \r\b\t\n\0\x1b\\", 8);
    QString out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const qsizetype k = s[i] == u'\\' && i + 1 < s.size() ? from.indexOf(s[i + 1]) : -1;
        out += k < 0 ? s[i] : to[k];
        if (k >= 0) ++i;
    }
    return out;
}

// An example with "_" for the caret and "[…]" for a selection, the caret
// after it; without either the caret stands at the end.
struct Marked {
    QString text;
    int caret = -1;
    int selection = -1;
};

Marked ParseMarked(const QString& s) {
    Marked m;
    for (const QChar c : Text(s)) {
        const auto at = static_cast<int>(m.text.size());
        if (c == u'_' || c == u']') {
            m.caret = at;
        } else if (c == u'[') {
            m.selection = at;
        } else {
            m.text += c;
        }
    }
    if (m.caret < 0) m.caret = static_cast<int>(m.text.size());
    return m;
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

// Folder entries: name="bytes" a file, name/ a folder, name=pipe a named
// pipe, name->target a symbolic link; separated by commas.
struct Entry {
    QString name;
    QChar kind;
    QByteArray bytes;
};

QList<Entry> ParseFolder(const QString& spec) {
    static const QRegularExpression entry(
        QStringLiteral("\\s*([^\\s=/,]+?)(?:=\"([^\"]*)\"|(/)|(=pipe)|->([^\\s,]+))\\s*(?:,|$)"));
    QList<Entry> entries;
    for (auto it = entry.globalMatch(spec); it.hasNext();) {
        const auto m = it.next();
        const QChar kind = m.capturedLength(3)   ? u'/'
                           : m.capturedLength(4) ? u'|'
                           : m.capturedLength(5) ? u'>'
                                                 : u'=';
        entries.push_back(
            {m.captured(1), kind, kind == u'>' ? m.captured(5).toUtf8() : Text(m.captured(2)).toUtf8()});
    }
    return entries;
}

void MakeFolder(const QString& spec) {
    for (const Entry& e : ParseFolder(spec)) {
        const QByteArray name = QFile::encodeName(e.name);
        if (e.kind == u'=') WriteFile(e.name, e.bytes);
        if (e.kind == u'/') QDir().mkpath(e.name);
        if (e.kind == u'|') ::mkfifo(name.constData(), 0600);
        if (e.kind == u'>') QFile::link(QString::fromUtf8(e.bytes), e.name);
    }
}

void CheckFolder(const QString& spec) {
    QStringList expected;
    for (const Entry& e : ParseFolder(spec)) {
        expected << e.name;
        const QFileInfo info(e.name);
        const QChar kind = info.isSymLink() ? u'>' : info.isDir() ? u'/' : info.isFile() ? u'=' : u'|';
        QVERIFY2(kind == e.kind, qPrintable(e.name));
        if (kind == u'=')
            Same(qPrintable(e.name), QString::fromUtf8(ReadFile(e.name)), QString::fromUtf8(e.bytes));
    }
    const auto all = QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;
    Same("folder", QDir().entryList(all, QDir::Name).join(u','), expected.join(u','));
}

struct KeyName {
    const char* name;
    Qt::Key key;
    const char16_t* text;  // as X sends it
};

constexpr KeyName Keys[] = {
    {"Return", Qt::Key_Return, u"\r"},
    {"KP_Enter", Qt::Key_Enter, u"\r"},
    {"BackSpace", Qt::Key_Backspace, u"\b"},
    {"Delete", Qt::Key_Delete, u"\x7f"},
    {"KP_Delete", Qt::Key_Delete, u""},
    {"Escape", Qt::Key_Escape, u"\x1b"},
    {"Tab", Qt::Key_Tab, u"\t"},
    {"Left", Qt::Key_Left, u""},
    {"Right", Qt::Key_Right, u""},
    {"Up", Qt::Key_Up, u""},
    {"Down", Qt::Key_Down, u""},
    {"Home", Qt::Key_Home, u""},
    {"End", Qt::Key_End, u""},
    {"Insert", Qt::Key_Insert, u""},
    {"F1", Qt::Key_F1, u""},
    {"space", Qt::Key_Space, u" "},
};

// "ctrl+shift+z", "KP_Enter", "a": pressed and released as X delivers them.
void PressKey(QWidget* target, const QString& combination) {
    QStringList parts = combination.split(u'+');
    const QString name = parts.takeLast();
    Qt::KeyboardModifiers mods;
    if (parts.contains(QStringLiteral("ctrl"))) mods |= Qt::ControlModifier;
    if (parts.contains(QStringLiteral("shift"))) mods |= Qt::ShiftModifier;
    if (parts.contains(QStringLiteral("alt"))) mods |= Qt::AltModifier;
    if (name.startsWith(QStringLiteral("KP_"))) mods |= Qt::KeypadModifier;
    Qt::Key key = Qt::Key_unknown;
    QString text;
    for (const KeyName& k : Keys) {
        if (name == QLatin1String(k.name)) {
            key = k.key;
            text = QString::fromUtf16(k.text);
        }
    }
    if (key == Qt::Key_unknown && name.size() == 1) {
        key = Qt::Key(name[0].toUpper().unicode());
        text = mods & Qt::ShiftModifier ? name.toUpper() : name;
        if (mods & Qt::ControlModifier) text = QChar(name[0].toUpper().unicode() - u'A' + 1);
    }
    QVERIFY2(key != Qt::Key_unknown, qPrintable(name));
    QTest::sendKeyEvent(QTest::Click, target, key, text, mods);
}

}  // namespace

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
            } else if (verb == QLatin1String("answer")) {
                program->boxes.answer = rest == QLatin1String("yes");
            } else if (verb == QLatin1String("close")) {
                window()->close();
            } else {
                QFAIL(qPrintable(QStringLiteral("unknown step: ") + step));
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    void check(const QString& key, const QString& value) {
        auto* otvet = Find<QLineEdit>(window(), QStringLiteral("txtOtvet"));
        const QString list = key.section(u'.', 0, 0);
        if (key == QLatin1String("state")) {
            Same("state", ExampleState, value == QLatin1String("Solved") ? Solved : Changed);
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
        } else if (list == QLatin1String("DirC") || list == QLatin1String("DirPr")) {
            auto* box = Find<QListWidget>(window(), list);
            const QString part = key.section(u'.', 1);
            const QList<QListWidgetItem*> selected = box->selectedItems();
            if (part.isEmpty()) Same("items", box->count(), value.toInt());
            if (part == QLatin1String("tip")) Same("tooltip", box->toolTip(), Text(value));
            if (part == QLatin1String("sel"))
                Same("selected", selected.isEmpty() ? 0 : box->row(selected[0]) + 1, value.toInt());
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown check: ") + key));
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
            const Marked m = ParseMarked(start);
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
        for (const QString& c : wanted) {
            if (c.startsWith(QLatin1String("files="))) CheckFolder(c.mid(6));
        }
        const bool open = window() != nullptr && window()->isVisible();
        if (wanted.contains(QStringLiteral("window=closed"))) QVERIFY(!open);
        if (wanted.contains(QStringLiteral("window=open"))) QVERIFY(open);
        if (!open) return;
        auto* primer = Find<QLineEdit>(window(), QStringLiteral("Primer"));
        const Marked m = ParseMarked(example);
        Same("Primer", primer->text(), m.text);
        Same("its tooltip", primer->toolTip(), primer->text());
        Same("caret", primer->cursorPosition(), m.caret);
        Same("selected", primer->selectedText(),
             m.selection >= 0 ? m.text.mid(m.selection, m.caret - m.selection) : QString());
        if (!checks.contains(QLatin1String("critical="))) Same("critical boxes", started.boxes.criticals, 0);
        for (const QString& c : wanted) {
            if (!c.isEmpty() && !c.startsWith(QLatin1String("files=")) &&
                !c.startsWith(QLatin1String("window=")))
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
