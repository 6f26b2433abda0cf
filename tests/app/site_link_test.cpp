// A site link whose redirect page would be a named pipe: the page takes the
// pipe's place rather than wait for a reader that never comes.
#include <sys/stat.h>

#include "qt_fixture.h"
#include "recording_opener.h"
#include "save_file_url.h"

using namespace tambrel;
using namespace tambrel::testing;

class SiteLinkTest : public QObject {
    Q_OBJECT

private slots:
    void pageTakesThePipesPlace() {
        EmptyFolder folder;
        const QString page = QDir::current().filePath(QStringLiteral("0.html"));
        QCOMPARE(::mkfifo(QFile::encodeName(page).constData(), 0600), 0);
        test::FakeDesktop opener(QDir::currentPath());
        SaveFileUrl(QStringLiteral("http://tambrel.example/site/"));
        QCOMPARE(opener.calls.size(), 1);
        QCOMPARE(opener.calls[0].target, page);
        QCOMPARE(ReadFile(page), RedirectPage(QStringLiteral("http://tambrel.example/site/")));
    }
};

QTEST_MAIN(SiteLinkTest)
#include "site_link_test.moc"
