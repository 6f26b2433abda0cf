// Start-up with every kind of settings file, and what closing writes.
#include <sys/stat.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <climits>

#include "main_m.h"
#include "save_ini_m.h"
#include "settings_file.h"
#include "started_program.h"
#include "window_fixture.h"

using namespace tambrel;
using namespace tambrel::testing;

namespace {

const QByteArray FileNameBytes =
    QByteArray("\xD0\xA2\xD0\xB0\xD0\xBC\xD0\xB1\xD1\x80\xD0\xB5\xD0\xBB\xD1\x8C.ini");

void WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray FileBytes() {
    QFile file(QString::fromUtf8(FileNameBytes));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

}  // namespace

Q_DECLARE_METATYPE(std::int32_t)

class SettingsTest : public QObject {
    Q_OBJECT

    StartedProgram started;
    FakeBoxes& boxes = started.boxes;

    static bool closeMainForm() { return StartedProgram::closeMainForm(); }

private slots:
    void init() { QVERIFY(started.enterEmptyFolder()); }
    void cleanup() { started.leave(); }

    void startUp_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<std::int32_t>("value");
        QTest::newRow("missing") << false << QByteArray() << 0;
        QTest::newRow("empty") << true << QByteArray() << 0;
        QTest::newRow("\" 1 \"") << true << QByteArray(" 1 \r\n") << 1;
        QTest::newRow("1 without line end") << true << QByteArray("1") << 1;
        QTest::newRow("blank lines before") << true << QByteArray("\r\n\r\n   \r\n 1 \r\n") << 1;
        QTest::newRow("letters") << true << QByteArray("включено\r\n") << 0;
        QTest::newRow("2") << true << QByteArray(" 2 \r\n") << 2;
        QTest::newRow("-1") << true << QByteArray("-1 \r\n") << -1;
    }
    void startUp() {
        QFETCH(bool, exists);
        QFETCH(QByteArray, bytes);
        QFETCH(std::int32_t, value);
        if (exists) WriteFile(QString::fromUtf8(FileNameBytes), bytes);
        Main();
        QVERIFY(MainForm() != nullptr);
        QVERIFY(MainForm()->isVisible());
        QCOMPARE(GetEngineWindow(), static_cast<EngineWindow*>(MainForm()));
        QCOMPARE(ReplaceWithAnswer, value);
        QCOMPARE(MainForm()->EditPrimerOtvet->isChecked(), value != 0);
        QCOMPARE(QApplication::focusWidget(), MainForm()->Primer);
        QCOMPARE(FileBytes(), exists ? bytes : QByteArray("<missing>"));  // reading writes nothing
    }

    // Neither may stop start-up or make it wait.
    void startUpPastOddFiles_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("directory") << "directory";
        QTest::newRow("named pipe") << "pipe";
    }
    void startUpPastOddFiles() {
        QFETCH(QString, kind);
        if (kind == QLatin1String("directory")) {
            QVERIFY(QDir().mkdir(QString::fromUtf8(FileNameBytes)));
        } else {
            QCOMPARE(::mkfifo(FileNameBytes.constData(), 0600), 0);
        }
        Main();
        QCOMPARE(ReplaceWithAnswer, 0);
        QVERIFY(!MainForm()->EditPrimerOtvet->isChecked());
    }

    void yesWritesTheValue_data() {
        QTest::addColumn<std::int32_t>("value");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("off") << 0 << QByteArray("\x20\x30\x20\x0D\x0A");
        QTest::newRow("on") << 1 << QByteArray("\x20\x31\x20\x0D\x0A");
        QTest::newRow("hand-edited 2") << 2 << QByteArray(" 2 \r\n");
        QTest::newRow("-1") << -1 << QByteArray("-1 \r\n");
    }
    void yesWritesTheValue() {
        QFETCH(std::int32_t, value);
        QFETCH(QByteArray, bytes);
        Main();
        ReplaceWithAnswer = value;
        QVERIFY(closeMainForm());
        QCOMPARE(boxes.questions, 1);
        QCOMPARE(boxes.questionTitle, QStringLiteral("Запрос"));
        QCOMPARE(boxes.questionText, QStringLiteral("Закрыть программу?"));
        QCOMPARE(FileBytes(), bytes);
        // Under its UTF-8 name, with no temporary file left beside it.
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{QString::fromUtf8(FileNameBytes)});
        struct stat info {};
        QCOMPARE(::stat(FileNameBytes.constData(), &info), 0);
    }

    // Toggled twice through the menu, the switch is stored as it was loaded.
    void switchToggledTwiceStoresTheLoadedValue_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("off") << QByteArray(" 0 \r\n");
        QTest::newRow("on") << QByteArray(" 1 \r\n");
        QTest::newRow("hand-edited 5") << QByteArray(" 5 \r\n");
    }
    void switchToggledTwiceStoresTheLoadedValue() {
        QFETCH(QByteArray, bytes);
        WriteFile(QString::fromUtf8(FileNameBytes), bytes);
        Main();
        const std::int32_t loaded = ReplaceWithAnswer;
        ClickMenuItem(*MainForm(), MainForm()->EditPrimerOtvet);
        QCOMPARE(MainForm()->EditPrimerOtvet->isChecked(), loaded != 1);
        ClickMenuItem(*MainForm(), MainForm()->EditPrimerOtvet);
        QCOMPARE(MainForm()->EditPrimerOtvet->isChecked(), loaded != 0);
        QVERIFY(closeMainForm());
        QCOMPARE(FileBytes(), bytes);
    }

    void noKeepsEverything_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("byExit");
        QTest::newRow("no file, close button") << false << false;
        QTest::newRow("old file, close button") << true << false;
        QTest::newRow("old file, Exit item") << true << true;
    }
    void noKeepsEverything() {
        QFETCH(bool, exists);
        QFETCH(bool, byExit);
        if (exists) WriteFile(QString::fromUtf8(FileNameBytes), " 0 \r\n");
        Main();
        FrmForma* form = MainForm();
        TypeText(form->Primer, QStringLiteral("2+3*4"));
        QTest::keyClick(form->Primer, Qt::Key_Return);
        ReplaceWithAnswer = 1;  // changed in memory only
        boxes.answer = false;
        if (byExit) {
            form->Exit->trigger();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        } else {
            QVERIFY(!closeMainForm());
        }
        QCOMPARE(boxes.questions, 1);
        QCOMPARE(MainForm(), form);
        QVERIFY(form->isVisible());
        QCOMPARE(form->Primer->text(), QStringLiteral("2+3*4"));
        QCOMPARE(form->DirC->count(), 2);
        QCOMPARE(form->txtOtvet->text(), QStringLiteral("14"));
        QCOMPARE(FileBytes(), exists ? QByteArray(" 0 \r\n") : QByteArray("<missing>"));
        // Yes after a No still closes.
        boxes.answer = true;
        QVERIFY(closeMainForm());
        QCOMPARE(FileBytes(), QByteArray(" 1 \r\n"));
    }

    // Root may write anywhere, so the failure comes from a directory that
    // holds the temporary file's name: it cannot be opened as a file.
    void failedWriteKeepsOldFileAndCloses() {
        WriteFile(QString::fromUtf8(FileNameBytes), " 1 \r\n");
        const QString temporary = QString::fromUtf8(FileNameBytes) + QStringLiteral(".tmp");
        QVERIFY(QDir().mkpath(temporary + QStringLiteral("/inside")));
        Main();
        ReplaceWithAnswer = 0;
        QCOMPARE(ConfirmCloseAndSave(), std::int16_t{0});
        QCOMPARE(FileBytes(), QByteArray(" 1 \r\n"));
        QVERIFY(closeMainForm());
        QCOMPARE(boxes.criticals, 0);
        QCOMPARE(FileBytes(), QByteArray(" 1 \r\n"));
    }

    void writerFailures() {
        QVERIFY(!WriteSettingsFile(QStringLiteral("нет/такой/папки/Тамбрель.ini"), 1));
        // The settings name taken by a directory: the rename fails and the
        // temporary file goes away.
        QVERIFY(QDir().mkdir(QString::fromUtf8(FileNameBytes)));
        QVERIFY(!WriteSettingsFile(QString::fromUtf8(FileNameBytes), 1));
        QVERIFY(!QFile::exists(QString::fromUtf8(FileNameBytes) + QStringLiteral(".tmp")));
    }

    void leftoverTemporaryFileIsReplaced() {
        const QString temporary = QString::fromUtf8(FileNameBytes) + QStringLiteral(".tmp");
        WriteFile(temporary, "half-writ");
        QVERIFY(WriteSettingsFile(QString::fromUtf8(FileNameBytes), 1));
        QCOMPARE(FileBytes(), QByteArray(" 1 \r\n"));
        QVERIFY(!QFile::exists(temporary));
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
