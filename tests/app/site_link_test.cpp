// The About window's site link when its redirect page would be a named
// pipe: the page takes the pipe's place rather than wait for a reader.
#include <sys/stat.h>

#include <QLabel>
#include <QPushButton>

#include "frm_oprog.h"
#include "help.h"
#include "op_url.h"
#include "qt_fixture.h"
#include "recording_opener.h"
#include "web_parts.h"

using namespace tambrel;
using namespace tambrel::testing;

class SiteLinkTest : public QObject {
    Q_OBJECT

private slots:
    void pageTakesThePipesPlace() {
        Program program;
        QVERIFY(QDir().mkdir(QStringLiteral("программа")));
        const QString page = QDir::current().filePath(QStringLiteral("программа/0.html"));
        QCOMPARE(::mkfifo(QFile::encodeName(page).constData(), 0600), 0);
        SetProgramFolder(QDir::current().filePath(QStringLiteral("программа")));
        test::RecordingOpener opener;
        SetAboutShownHook([](frmOprog& about) {
            QTest::mouseClick(about.findChild<QLabel*>(QStringLiteral("Label1")), Qt::LeftButton);
            about.findChild<QPushButton*>(QStringLiteral("OK"))->click();
        });
        QWidget* window = program.openWindow();
        ConnectHelpMenu(Find<QAction>(window, QStringLiteral("HelpCallHelp")),
                        Find<QAction>(window, QStringLiteral("HelpAbout")));
        ClickMenuItem(window, Find<QAction>(window, QStringLiteral("HelpAbout")));
        SetAboutShownHook({});
        SetProgramFolder(QString());
        QCOMPARE(opener.calls.size(), 1);
        QCOMPARE(opener.calls[0].target, page);
        QVERIFY(QFileInfo(page).isFile());
        QVERIFY(ReadFile(page).contains("url=" + SiteAddress.toLatin1() + "'"));
    }
};

QTEST_MAIN(SiteLinkTest)
#include "site_link_test.moc"
