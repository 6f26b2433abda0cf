// Bad input end to end: the settings files and clipboards a user can hand
// the program, from start-up through the real window to closing with Yes,
// and a site link with nowhere to write its page. Nothing may crash, hang or
// lose the stored switch. The longest example built on the keypad is in
// long_example_test.cpp.
#include <sys/stat.h>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "frm_oprog.h"
#include "help.h"
#include "main_m.h"
#include "op_url.h"
#include "recording_opener.h"
#include "started_program.h"
#include "web_parts.h"
#include "window_fixture.h"

using namespace tambrel;
using namespace tambrel::testing;
using tambrel::test::RecordingOpener;

namespace {

const QString IniName = QStringLiteral("Тамбрель.ini");
const QString Inside = IniName + QStringLiteral("/внутри.txt");
const QString PasteTooLong = QStringLiteral("Вставляемый текст не помещается в поле примера.");
const QString TooLong = QStringLiteral("Пример слишком длинный.");

enum class Ini { RandomBytes, NulBytes, Huge, Directory, Unreadable, DanglingLink };

void WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Everything in the current folder, broken links and hidden files included.
QStringList Entries() {
    return QDir().entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
}

void MakeIni(Ini kind) {
    switch (kind) {
        case Ini::RandomBytes: {
            // Past the part of the file that is read; a fixed seed keeps the bytes.
            QRandomGenerator random(4242);
            QByteArray bytes(256 * 1024, Qt::Uninitialized);
            for (char& byte : bytes) byte = static_cast<char>(random.bounded(256));
            WriteFile(IniName, bytes);
            break;
        }
        case Ini::NulBytes: WriteFile(IniName, QByteArray(4096, '\0')); break;
        case Ini::Huge: {
            // The line, then NUL bytes up to 100 MB: a sparse file, made at once.
            QFile file(IniName);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(" 1 \r\n"), 5);
            QVERIFY(file.resize(qint64{100} * 1024 * 1024));
            break;
        }
        case Ini::Directory:
            QVERIFY(QDir().mkdir(IniName));
            WriteFile(Inside, "keep");
            break;
        case Ini::Unreadable:
            WriteFile(IniName, " 1 \r\n");
            QVERIFY(QFile::setPermissions(IniName, QFileDevice::Permissions{}));
            break;
        case Ini::DanglingLink: QVERIFY(QFile::link(QStringLiteral("пропавший.ini"), IniName)); break;
    }
}

// Mostly letters, marks and signs no example holds, with one character that
// may stand in an example after every `fillers` blocks of them; also gives
// what a paste keeps of it.
std::pair<QString, QString> Junk(qsizetype size, int fillers) {
    const QString filler = QStringLiteral("абв xyz;.!?\t_=١😀").repeated(fillers);
    const QString kept = QStringLiteral("1+2*3-");
    QString clipboard;
    QString pasted;
    clipboard.reserve(size + filler.size() + 1);
    for (qsizetype i = 0; clipboard.size() < size; ++i) {
        clipboard += filler;
        clipboard += kept[i % kept.size()];
        pasted += kept[i % kept.size()];
    }
    return {clipboard, pasted};
}

void CheckHistory(const FrmForma& form) {
    const EditHistory& history = form.editHistory();
    QVERIFY(0 <= history.position());
    QVERIFY(history.position() <= history.top());
    QVERIFY(history.top() <= EditHistory::LastSlot);
}

}  // namespace

Q_DECLARE_METATYPE(Ini)

class BadInputTest : public QObject {
    Q_OBJECT

    StartedProgram started;
    FakeBoxes& boxes = started.boxes;

    // Closes the main window as the title bar's button would, answering Yes.
    bool closeWithYes() {
        boxes.answer = true;
        return StartedProgram::closeMainForm() && boxes.questions == 1;
    }

private slots:
    void init() {
        QApplication::clipboard()->clear();
        QVERIFY(started.enterEmptyFolder());
    }
    void cleanup() {
        SetAboutShownHook({});
        SetProgramFolder(QString());
        started.leave();
    }

    void settingsFiles_data() {
        QTest::addColumn<Ini>("kind");
        QTest::addColumn<std::int32_t>("value");
        // What closing with Yes leaves under the name; empty: the directory as it was.
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("random bytes") << Ini::RandomBytes << 0 << QByteArray(" 0 \r\n");
        QTest::newRow("NUL bytes") << Ini::NulBytes << 0 << QByteArray(" 0 \r\n");
        QTest::newRow("100 MB after \" 1 \"") << Ini::Huge << 1 << QByteArray(" 1 \r\n");
        QTest::newRow("directory with a file in it") << Ini::Directory << 0 << QByteArray();
        QTest::newRow("no read permission") << Ini::Unreadable << 1 << QByteArray(" 1 \r\n");
        QTest::newRow("link to a missing file") << Ini::DanglingLink << 0 << QByteArray(" 0 \r\n");
    }
    void settingsFiles() {
        QFETCH(Ini, kind);
        QFETCH(std::int32_t, value);
        QFETCH(QByteArray, stored);
        MakeIni(kind);
        if (QTest::currentTestFailed()) return;
        if (kind == Ini::Unreadable && !QFileInfo(IniName).isReadable()) {
            // Root reads a file of mode 000 all the same; anyone else starts
            // with the switch off and stores that.
            value = 0;
            stored = " 0 \r\n";
        }
        Main();
        QVERIFY(MainForm() != nullptr);
        QCOMPARE(ReplaceWithAnswer, value);
        QCOMPARE(MainForm()->EditPrimerOtvet->isChecked(), value != 0);
        QVERIFY(closeWithYes());
        if (stored.isEmpty()) {
            QVERIFY(QFileInfo(IniName).isDir());
            QCOMPARE(ReadFile(Inside), QByteArray("keep"));
        } else {
            // A link is replaced by the file; its missing target is not made.
            QVERIFY(!QFileInfo(IniName).isSymLink());
            QCOMPARE(ReadFile(IniName), stored);
        }
        QCOMPARE(Entries(), QStringList{IniName});
    }

    void clipboards_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("primer");  // after "7" and the paste
        QTest::addColumn<QString>("answerAfterPaste");
        QTest::addColumn<QString>("answerAfterEnter");
        const qsizetype megabyte = 1024 * 1024;
        const auto [fits, fitsPasted] = Junk(10 * megabyte, 7);
        // Denser, so that less junk is enough to overflow the box.
        const auto [overflows, overflowsPasted] = Junk(2 * megabyte, 1);
        QVERIFY(fitsPasted.size() < PrimerCapacity - 1 && overflowsPasted.size() > PrimerCapacity);
        QTest::newRow("10 MB, kept part fits")
            << fits << QStringLiteral("7") + fitsPasted << QString() << TooLong;
        QTest::newRow("2 MB, kept part too long")
            << overflows << QStringLiteral("7") << PasteTooLong << QStringLiteral("7");
        QTest::newRow("only NUL characters")
            << QString(1024 * 1024, QChar(u'\0')) << QStringLiteral("7") << QString() << QStringLiteral("7");
        // Arabic-Indic digits and the Arabic decimal sign are no digits of an example.
        QTest::newRow("right to left with emoji")
            << QStringLiteral("שלום ‏١٢٫٣‎ مرحبا 😀+12 👍🏽*3 🇷🇺 -4‏")
            << QStringLiteral("7+12*3-4") << QString() << QStringLiteral("39");
    }
    void clipboards() {
        QFETCH(QString, clipboard);
        QFETCH(QString, primer);
        QFETCH(QString, answerAfterPaste);
        QFETCH(QString, answerAfterEnter);
        Main();
        FrmForma* form = MainForm();
        QCOMPARE(QApplication::focusWidget(), form->Primer);
        TypeText(form->Primer, QStringLiteral("7"));
        QApplication::clipboard()->setText(clipboard);
        QTest::keyClick(form->Primer, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(form->Primer->text(), primer);
        QCOMPARE(form->Primer->toolTip(), primer);
        QCOMPARE(form->txtOtvet->text(), answerAfterPaste);
        CheckHistory(*form);
        QTest::keyClick(form->Primer, Qt::Key_Return);
        QCOMPARE(form->txtOtvet->text(), answerAfterEnter);
        QCOMPARE(form->Primer->toolTip(), form->Primer->text());
        CheckHistory(*form);
        QCOMPARE(boxes.criticals, 0);
        QVERIFY(closeWithYes());
        QCOMPARE(ReadFile(IniName), QByteArray(" 0 \r\n"));
    }

    // The About window's slogan when no redirect page can be written the
    // ordinary way.
    void siteLinkWithoutAPage_data() {
        QTest::addColumn<bool>("pipe");
        QTest::newRow("program folder missing") << false;
        QTest::newRow("0.html a named pipe") << true;
    }
    void siteLinkWithoutAPage() {
        QFETCH(bool, pipe);
        const QString program = QDir(started.path()).filePath(QStringLiteral("программа"));
        const QString page = QDir(program).filePath(QStringLiteral("0.html"));
        if (pipe) {
            QVERIFY(QDir().mkdir(program));
            QCOMPARE(::mkfifo(QFile::encodeName(page).constData(), 0600), 0);
        }
        SetProgramFolder(program);
        RecordingOpener opener;
        SetAboutShownHook([](frmOprog& window) {
            QTest::mouseClick(window.findChild<QLabel*>(QStringLiteral("Label1")), Qt::LeftButton);
            window.findChild<QPushButton*>(QStringLiteral("OK"))->click();
        });
        const auto form = OpenForm();
        ConnectHelpMenu(form->helpCallHelpAction(), form->helpAboutAction());
        ClickMenuItem(*form, form->HelpAbout);
        QCOMPARE(opener.calls.size(), 1);
        if (pipe) {
            // The page takes the pipe's place rather than wait for a reader.
            QCOMPARE(opener.calls[0].target, page);
            QVERIFY(QFileInfo(page).isFile());
            QVERIFY(ReadFile(page).contains("url=" + SiteAddress.toLatin1() + "'"));
        } else {
            // The address itself, and no folder made for a page.
            QCOMPARE(opener.calls[0].target, SiteAddress);
            QCOMPARE(Entries(), QStringList{});
        }
    }
};

QTEST_MAIN(BadInputTest)
#include "bad_input_test.moc"
