#include "op_url.h"
#include "help.h"
#include "recording_opener.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using tambrel::test::RecordingOpener;

class OpURLTest : public QObject {
    Q_OBJECT

    QString startDir_ = QDir::currentPath();

private slots:
    void cleanup() {
        tambrel::SetProgramFolder(QString());
        QDir::setCurrent(startDir_);
    }

    void namesAndAddresses_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("target");  // "{folder}" stands for the program's folder
        QTest::newRow("bare name") << QStringLiteral("Справка.html")
                                   << QStringLiteral("{folder}/Справка.html");
        QTest::newRow("relative name")
            << QStringLiteral("docs/a b.html") << QStringLiteral("{folder}/docs/a b.html");
        QTest::newRow("full path") << QStringLiteral("/usr/share/doc/x.html")
                                   << QStringLiteral("/usr/share/doc/x.html");
        QTest::newRow("web address") << QStringLiteral("http://tambrel.example/site/")
                                     << QStringLiteral("http://tambrel.example/site/");
        QTest::newRow("secure address")
            << QStringLiteral("https://a.example/?q='1'") << QStringLiteral("https://a.example/?q='1'");
        QTest::newRow("one letter before a colon is a name")
            << QStringLiteral("C:x.html") << QStringLiteral("{folder}/C:x.html");
    }
    void namesAndAddresses() {
        QFETCH(QString, name);
        QFETCH(QString, target);
        QTemporaryDir program;
        QTemporaryDir elsewhere;
        tambrel::SetProgramFolder(program.path());
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        RecordingOpener opener;
        tambrel::OpenURL(name);
        QCOMPARE(opener.calls.size(), 1);
        QCOMPARE(opener.calls[0].target, target.replace(QStringLiteral("{folder}"), program.path()));
        QCOMPARE(opener.calls[0].workingDir, program.path());
    }

    void helpPageBesideTheProgram() {
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        RecordingOpener opener;
        tambrel::HelpCallHelp();
        QCOMPARE(opener.calls.size(), 1);
        QCOMPARE(opener.calls[0].target,
                 QCoreApplication::applicationDirPath() + QStringLiteral("/Справка.html"));
    }

    void refusedOpenShowsNothing() {
        RecordingOpener opener;
        opener.answer = false;
        tambrel::SetProgramFolder(QStringLiteral("/nonexistent/folder"));
        tambrel::HelpCallHelp();
        QCOMPARE(opener.calls.size(), 1);
        QTest::qWait(50);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void missingDesktopOpenerShowsNothing() {
        // The real opener with no xdg-open to be found: it is refused at once.
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "/nonexistent");
        QVERIFY(!tambrel::OpenWithXdg(QStringLiteral("/tmp/x.html"), QStringLiteral("/tmp")));
        tambrel::OpenURL(QStringLiteral("Справка.html"));
        qputenv("PATH", path);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }
};

QTEST_MAIN(OpURLTest)
#include "op_url_test.moc"
