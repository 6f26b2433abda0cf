#include "save_file_url.h"
#include "op_url.h"
#include "recording_opener.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using tambrel::test::RecordingOpener;

namespace {

const QByteArray Prefix = "<html><head><meta http-equiv='refresh' content='0; url=";
const QByteArray Suffix =
    "'><meta http-equiv='Content-Type' content='text/html; charset=windows-1251'><title>WWW</title></head>"
    "<body></body></html>";

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "<unreadable>";
    return file.readAll();
}

}  // namespace

class SaveFileUrlTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

private slots:
    void init() {
        QVERIFY(folder_.isValid());
        tambrel::SetProgramFolder(folder_.path());
    }
    void cleanup() {
        tambrel::SetProgramFolder(QString());
        QDir(folder_.path()).removeRecursively();
        QDir().mkpath(folder_.path());
    }

    void pageBytes_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QByteArray>("inPage");
        QTest::newRow("plain address unchanged")
            << QStringLiteral("http://tambrel.example/site/") << QByteArray("http://tambrel.example/site/");
        QTest::newRow("query and fragment unchanged") << QStringLiteral("https://a.example/p?q=1&r=%20#top")
                                                      << QByteArray("https://a.example/p?q=1&r=%20#top");
        QTest::newRow("single quote cannot end the attribute")
            << QStringLiteral("http://a.example/'><script>alert(1)</script>")
            << QByteArray("http://a.example/%27%3E%3Cscript%3Ealert(1)%3C/script%3E");
        QTest::newRow("double quote and control characters")
            << QStringLiteral("http://a.example/\"x\"\r\n\t")
            << QByteArray("http://a.example/%22x%22%0D%0A%09");
        QTest::newRow("Cyrillic kept as one windows-1251 byte")
            << QStringLiteral("http://a.example/Тамбрель")
            << QByteArray("http://a.example/\xd2\xe0\xec\xe1\xf0\xe5\xeb\xfc");
        QTest::newRow("outside windows-1251 as UTF-8 bytes")
            << QStringLiteral("http://a.example/€→😀")
            << QByteArray("http://a.example/\x88%E2%86%92%F0%9F%98%80");
        QTest::newRow("empty address") << QString() << QByteArray();
    }
    void pageBytes() {
        QFETCH(QString, address);
        QFETCH(QByteArray, inPage);
        RecordingOpener opener;
        tambrel::SaveFileUrl(address);
        const QByteArray page = ReadAll(folder_.filePath(QStringLiteral("0.html")));
        QCOMPARE(page, Prefix + inPage + Suffix + "\r\n");
        QCOMPARE(page.size(), 55 + inPage.size() + 121 + 2);
        QCOMPARE(opener.calls.size(), 1);
        QCOMPARE(opener.calls[0].target, folder_.filePath(QStringLiteral("0.html")));
        QCOMPARE(opener.calls[0].workingDir, folder_.path());
    }

    void takenNumberMovesOnThenComesBack() {
        RecordingOpener opener;
        // Even root cannot write a file over a directory of that name.
        QVERIFY(QDir(folder_.path()).mkdir(QStringLiteral("0.html")));
        tambrel::SaveFileUrl(QStringLiteral("http://one.example/"));
        QCOMPARE(ReadAll(folder_.filePath(QStringLiteral("1.html"))),
                 Prefix + "http://one.example/" + Suffix + "\r\n");
        QVERIFY(QFileInfo(folder_.filePath(QStringLiteral("0.html"))).isDir());

        QVERIFY(QDir(folder_.path()).rmdir(QStringLiteral("0.html")));
        tambrel::SaveFileUrl(QStringLiteral("http://two.example/"));
        QCOMPARE(ReadAll(folder_.filePath(QStringLiteral("0.html"))),
                 Prefix + "http://two.example/" + Suffix + "\r\n");

        QCOMPARE(opener.calls.size(), 2);
        QCOMPARE(opener.calls[0].target, folder_.filePath(QStringLiteral("1.html")));
        QCOMPARE(opener.calls[1].target, folder_.filePath(QStringLiteral("0.html")));
    }

    void existingPageIsRewrittenWhole() {
        RecordingOpener opener;
        tambrel::SaveFileUrl(QStringLiteral("http://a-much-longer-address.example/with/a/path/"));
        tambrel::SaveFileUrl(QStringLiteral("http://b.example/"));
        QCOMPARE(ReadAll(folder_.filePath(QStringLiteral("0.html"))),
                 Prefix + "http://b.example/" + Suffix + "\r\n");
        QVERIFY(!QFileInfo::exists(folder_.filePath(QStringLiteral("1.html"))));
    }

    void unwritableFolderOpensTheAddressItself() {
        RecordingOpener opener;
        // Nothing can be made below a regular file, whoever asks.
        QFile plain(folder_.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        tambrel::SetProgramFolder(folder_.filePath(QStringLiteral("plain/program")));
        const QString address = QStringLiteral("http://a.example/it's");
        tambrel::SaveFileUrl(address);
        QCOMPARE(opener.calls.size(), 1);
        QCOMPARE(opener.calls[0].target, address);
    }

    void pendingEventsRunBeforeTheDesktopIsAsked() {
        RecordingOpener opener;
        bool ran = false;
        bool ranBeforeOpening = false;
        QTimer::singleShot(0, this, [&ran] { ran = true; });
        opener.during = [&] { ranBeforeOpening = ran; };
        tambrel::SaveFileUrl(QStringLiteral("http://a.example/"));
        QVERIFY(ranBeforeOpening);
    }
};

QTEST_GUILESS_MAIN(SaveFileUrlTest)
#include "save_file_url_test.moc"
