#include "help.h"
#include "qt_fixture.h"
#include "save_file_url.h"
#include "web_parts.h"

#include <QTimer>

#include <sys/stat.h>

using namespace tambrel::testing;

namespace {

// The redirect page for an address as the page holds it.
QByteArray Page(const QByteArray& address) {
    return "<html><head><meta http-equiv='refresh' content='0; url=" + address +
           "'><meta http-equiv='Content-Type' content='text/html; charset=windows-1251'><title>WWW</title>"
           "</head><body></body></html>\r\n";
}

}  // namespace

class OpenerTest : public QObject {
    Q_OBJECT

    EmptyFolder elsewhere_;  // the current folder, never the program's folder

private slots:
    void openURL_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("inFolder");  // found in the program's folder, else handed over as it is
        QTest::newRow("bare name") << "Справка.html" << true;
        QTest::newRow("relative name") << "docs/a b.html" << true;
        QTest::newRow("one letter before a colon is a name") << "C:x.html" << true;
        QTest::newRow("full path") << "/usr/share/doc/x.html" << false;
        QTest::newRow("web address") << "http://tambrel.example/site/" << false;
        QTest::newRow("secure address") << "https://a.example/?q='1'" << false;
    }
    void openURL() {
        QFETCH(QString, name);
        QFETCH(bool, inFolder);
        FakeDesktop desktop;
        tambrel::OpenURL(name);
        QCOMPARE(desktop.targets, QStringList{inFolder ? desktop.path(name) : name});
        QCOMPARE(desktop.workingDirs, QStringList{desktop.folder.path()});
    }

    // "Вызов справки", with the program's folder where the program is.
    void helpPageBesideTheProgram() {
        FakeDesktop desktop;
        tambrel::SetProgramFolder({});
        QAction callHelp;
        tambrel::ConnectHelpMenu(&callHelp, nullptr);
        callHelp.trigger();
        QCOMPARE(desktop.targets, QStringList{QCoreApplication::applicationDirPath() + "/Справка.html"});
    }

    // No help page and a desktop that refuses it; no desktop opener at all:
    // the program shows nothing of its own.
    void failuresShowNothing() {
        {
            FakeDesktop desktop;
            desktop.answer = false;
            tambrel::HelpCallHelp();
            QCOMPARE(desktop.targets.size(), 1);
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "/nonexistent");
        tambrel::OpenURL("Справка.html");
        qputenv("PATH", path);
        QTest::qWait(50);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void redirectPage_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QByteArray>("written");  // the address as the page holds it
        QTest::newRow("plain") << "http://tambrel.example/site/"
                               << QByteArray("http://tambrel.example/site/");
        QTest::newRow("query and fragment")
            << "https://a.example/p?q=1&r=%20#top" << QByteArray("https://a.example/p?q=1&r=%20#top");
        QTest::newRow("single quote cannot end the attribute")
            << "http://a.example/'><script>alert(1)</script>"
            << QByteArray("http://a.example/%27%3E%3Cscript%3Ealert(1)%3C/script%3E");
        QTest::newRow("double quote and control characters")
            << "http://a.example/\"x\"\r\n\t" << QByteArray("http://a.example/%22x%22%0D%0A%09");
        QTest::newRow("Cyrillic as windows-1251")
            << "http://a.example/Тамбрель" << QByteArray("http://a.example/\xd2\xe0\xec\xe1\xf0\xe5\xeb\xfc");
        QTest::newRow("outside windows-1251 as UTF-8 bytes")
            << "http://a.example/€→😀" << QByteArray("http://a.example/\x88%E2%86%92%F0%9F%98%80");
        QTest::newRow("empty") << QString() << QByteArray();
    }
    // Written over a longer page, and on disk when the desktop is asked,
    // after the pending events have run.
    void redirectPage() {
        QFETCH(QString, address);
        QFETCH(QByteArray, written);
        FakeDesktop desktop;
        WriteFile(desktop.path("0.html"), QByteArray(400, 'x'));
        bool pending = true;
        QTimer::singleShot(0, this, [&pending] { pending = false; });
        QByteArray page;
        desktop.during = [&] { page = pending ? "<events still pending>" : desktop.read("0.html"); };
        tambrel::SaveFileUrl(address);
        QCOMPARE(page, Page(written));
        QCOMPARE(desktop.targets, QStringList{desktop.path("0.html")});
    }

    // A folder named 0.html stands in for a read-only or locked page, which
    // root could write over: 1.html is written, and later 0.html again.
    void takenNumber() {
        FakeDesktop desktop;
        QDir folder(desktop.folder.path());
        QVERIFY(folder.mkdir("0.html"));
        tambrel::SaveFileUrl("http://one.example/");
        QCOMPARE(desktop.read("1.html"), Page("http://one.example/"));
        QVERIFY(folder.rmdir("0.html"));
        tambrel::SaveFileUrl("http://two.example/");
        QCOMPARE(desktop.read("0.html"), Page("http://two.example/"));
        QCOMPARE(desktop.targets, (QStringList{desktop.path("1.html"), desktop.path("0.html")}));
    }

    // A named pipe in the page's place: the page takes its place rather
    // than wait for a reader that never comes.
    void pipeReplaced() {
        FakeDesktop desktop;
        QCOMPARE(::mkfifo(QFile::encodeName(desktop.path("0.html")).constData(), 0600), 0);
        tambrel::SaveFileUrl("http://tambrel.example/site/");
        QCOMPARE(desktop.targets, QStringList{desktop.path("0.html")});
        QCOMPARE(desktop.read("0.html"), Page("http://tambrel.example/site/"));
    }

    // Every number the program tries is taken: the address itself is opened.
    void noNumberLeft() {
        FakeDesktop desktop;
        for (int n = 0; n < tambrel::RedirectPageTries; ++n)
            QVERIFY(QDir(desktop.folder.path()).mkdir(QString("%1.html").arg(n)));
        tambrel::SaveFileUrl("http://a.example/it's");
        QCOMPARE(desktop.targets, QStringList{"http://a.example/it's"});
    }
};

QTEST_MAIN(OpenerTest)
#include "opener_test.moc"
