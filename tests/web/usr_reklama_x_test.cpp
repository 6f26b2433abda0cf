#include "usr_reklama_x.h"
#include "banner_browser.h"
#include "op_url.h"
#include "recording_opener.h"
#include "web_parts.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using tambrel::BannerBrowser;
using tambrel::usrReklamaX;
using tambrel::test::RecordingOpener;

namespace {

// One link a row, each row Row pixels high across the whole page.
constexpr int Row = 24;
const QStringList Links = {
    QStringLiteral("http://a.example/"),  QStringLiteral("https://s.example/"),
    QStringLiteral("HTTP://UP.EXAMPLE/"), QStringLiteral("htt"),
    QStringLiteral("ftp://f.example/"),   QStringLiteral("mailto:m@example"),
    QStringLiteral("about:next"),         QStringLiteral("http://new.example/ _blank"),
    QStringLiteral("about:popup _blank"),
};
enum Link { Web, Secure, Upper, Short, Ftp, Mail, About, WebWindow, AboutWindow, Nothing };

QString LinkPage() {
    QString page = QStringLiteral("about:<html><body style='margin:0'>");
    for (const QString& link : Links) {
        const QStringList parts = link.split(u' ');
        page += QStringLiteral("<a href='%1' target='%2' style='display:block;height:%3px'>%1</a>")
                    .arg(parts[0], parts.value(1), QString::number(Row));
    }
    return page + QStringLiteral("</body></html>");
}

QString Href(int link) { return Links.value(link).section(u' ', 0, 0); }

// Right of the example box, which the taller strip reaches down to.
QPoint At(int link) { return QPoint(500, link * Row + Row / 2); }

// The box around the dark pixels of a picture.
QRect Ink(const QImage& picture) {
    QRect ink;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qGray(picture.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
    return ink;
}

// The box around the name's ink when drawn straight in the font given.
QSize ExpectedInk(const QString& family, int pixels) {
    QImage expected(400, 100, QImage::Format_RGB32);
    expected.fill(Qt::white);
    QPainter painter(&expected);
    QFont font(family);
    font.setPixelSize(pixels);
    painter.setFont(font);
    painter.drawText(10, 70, QStringLiteral("Тамбрель"));
    painter.end();
    return Ink(expected).size();
}

}  // namespace

class UsrReklamaXTest : public QObject {
    Q_OBJECT

    BannerBrowser* Browser() const { return panel_->webBrowser(); }

    void Point(int link) {
        if (link != Nothing) QTest::mouseMove(Browser(), At(link));
    }

    QByteArray ReadPage() {
        QFile page(folder_.filePath(QStringLiteral("0.html")));
        return page.open(QIODevice::ReadOnly) ? page.readAll() : QByteArray();
    }

    QTemporaryDir folder_;
    std::unique_ptr<RecordingOpener> opener_;
    std::unique_ptr<QWidget> main_;
    QWidget* host_ = nullptr;
    QLineEdit* example_ = nullptr;
    usrReklamaX* panel_ = nullptr;

private slots:
    void init() {
        tambrel::SetProgramFolder(folder_.path());
        opener_ = std::make_unique<RecordingOpener>();
        main_ = std::make_unique<QWidget>();
        main_->resize(746, 299);
        host_ = new QWidget(main_.get());
        host_->setGeometry(0, 0, 737, 73);
        example_ = new QLineEdit(main_.get());
        example_->setGeometry(4, 100, 300, 28);
        panel_ = tambrel::FillBannerPanel(host_);
        main_->show();
        QVERIFY(QTest::qWaitForWindowActive(main_.get()));
        example_->setFocus();
    }
    void cleanup() {
        main_.reset();
        opener_.reset();
        tambrel::SetProgramFolder(QString());
    }

    // The program's name, centred, in Times New Roman (or its metric twin)
    // at 32 pixels, on a white page filling the panel.
    void bannerShownInsideThePanel() {
        BannerBrowser* browser = Browser();
        QCOMPARE(browser->parentWidget(), panel_);
        QCOMPARE(browser->objectName(), QStringLiteral("WebBrowser1"));
        QCOMPARE(browser->geometry(), QRect(0, 0, 737, 73));
        QCOMPARE(browser->LocationURL(), tambrel::BannerAddress);
        QVERIFY(opener_->calls.isEmpty());
        QVERIFY(panel_->lastLinkUrl().isEmpty());
        QCOMPARE(QApplication::focusWidget(), example_);

        const QImage shown = browser->grab().toImage();
        QCOMPARE(shown.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(shown.pixel(736, 72), qRgb(255, 255, 255));
        const QRect ink = Ink(shown);
        QVERIFY2(qAbs(ink.center().x() + 0.5 - 737 / 2.0) <= 1,
                 qPrintable(QString::number(ink.center().x())));
        QCOMPARE(ink.size(), ExpectedInk(QStringLiteral("Times New Roman"), 32));
    }

    // Faces and sizes of <font>, on pages other than the banner.
    void fontTags_data() {
        QTest::addColumn<QString>("attributes");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixels");
        QTest::newRow("largest") << QStringLiteral("size='7'") << QStringLiteral("Times New Roman") << 48;
        QTest::newRow("one up") << QStringLiteral("size='+1'") << QStringLiteral("Times New Roman") << 18;
        QTest::newRow("two down") << QStringLiteral("size='-2'") << QStringLiteral("Times New Roman") << 10;
        QTest::newRow("face") << QStringLiteral("face='Arial' size='5'") << QStringLiteral("Arial") << 24;
    }
    void fontTags() {
        QFETCH(QString, attributes);
        QFETCH(QString, family);
        QFETCH(int, pixels);
        host_->resize(737, 100);
        Browser()->Navigate(QStringLiteral("about:<font %1>Тамбрель</font>").arg(attributes));
        QCOMPARE(Ink(Browser()->grab().toImage()).size(), ExpectedInk(family, pixels));
    }

    // Smaller than the page, the strip cuts it off: no scroll bar appears
    // at the right or the bottom edge.
    void noScrollBars_data() {
        QTest::addColumn<QSize>("strip");
        QTest::addColumn<QRect>("edge");
        QTest::newRow("lower than the page") << QSize(737, 30) << QRect(700, 0, 37, 30);
        QTest::newRow("narrower than the page") << QSize(100, 73) << QRect(0, 50, 100, 23);
    }
    void noScrollBars() {
        QFETCH(QSize, strip);
        QFETCH(QRect, edge);
        host_->resize(strip);
        QCOMPARE(Browser()->size(), strip);
        const QImage shown = Browser()->grab().toImage();
        QVERIFY(!Ink(shown).isEmpty());
        for (int y = edge.top(); y <= edge.bottom(); ++y)
            for (int x = edge.left(); x <= edge.right(); ++x)
                QCOMPARE(shown.pixel(x, y), qRgb(255, 255, 255));
        for (const QScrollBar* bar : main_->findChildren<QScrollBar*>()) QVERIFY(!bar->isVisible());
    }

    // Only a status text whose first four characters are "http" is kept.
    void statusTexts_data() {
        QTest::addColumn<int>("link");
        QTest::addColumn<bool>("stored");
        QTest::newRow("web link") << int(Secure) << true;
        QTest::newRow("upper case") << int(Upper) << false;
        QTest::newRow("too short") << int(Short) << false;
        QTest::newRow("other scheme") << int(Ftp) << false;
        QTest::newRow("mail") << int(Mail) << false;
        QTest::newRow("page") << int(About) << false;
    }
    void statusTexts() {
        QFETCH(int, link);
        QFETCH(bool, stored);
        host_->resize(737, int(Nothing) * Row + 40);
        Browser()->Navigate(LinkPage());
        QStringList reported;
        connect(Browser(), &BannerBrowser::StatusTextChange, [&](const QString& text) { reported << text; });
        Point(Web);
        Point(link);
        QTest::mouseMove(Browser(), QPoint(500, int(Nothing) * Row + 20));  // below every link
        QCOMPARE(reported, (QStringList{Href(Web), Href(link), QString()}));
        QCOMPARE(panel_->lastLinkUrl(), stored ? Href(link) : Href(Web));
    }

    // A click: the last web link pointed at decides whether the panel lets
    // the navigation go on, and is what opens in the user's browser.
    void clicks_data() {
        QTest::addColumn<int>("pointedBefore");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("shownAfter");
        const QString same = LinkPage();
        QTest::newRow("web link") << int(Nothing) << int(Web) << Href(Web) << same;
        QTest::newRow("mail link after a web link") << int(Secure) << int(Mail) << Href(Secure) << same;
        QTest::newRow("page link after a web link") << int(Web) << int(About) << Href(Web) << same;
        QTest::newRow("page link, no web link yet") << int(Mail) << int(About) << QString() << Href(About);
        QTest::newRow("mail link, no web link yet") << int(Nothing) << int(Mail) << QString() << same;
        QTest::newRow("new window for a web link")
            << int(Nothing) << int(WebWindow) << Href(WebWindow) << same;
        QTest::newRow("new window after a web link") << int(Web) << int(AboutWindow) << Href(Web) << same;
        QTest::newRow("new window, no web link yet") << int(Nothing) << int(AboutWindow) << QString() << same;
    }
    void clicks() {
        QFETCH(int, pointedBefore);
        QFETCH(int, clicked);
        QFETCH(QString, opened);
        QFETCH(QString, shownAfter);
        host_->resize(737, int(Nothing) * Row + 40);
        BannerBrowser* browser = Browser();
        browser->Navigate(LinkPage());
        // Connected after the panel: sees the flag as the panel left it.
        QList<bool> navigations, windows;
        connect(browser, &BannerBrowser::BeforeNavigate2,
                [&](const QString&, bool* cancel) { navigations << *cancel; });
        connect(browser, &BannerBrowser::NewWindow2, [&](bool* cancel) { windows << *cancel; });

        Point(pointedBefore);
        Point(clicked);
        QTest::mouseClick(browser, Qt::LeftButton, {}, At(clicked));
        const bool newWindow = clicked == WebWindow || clicked == AboutWindow;
        QCOMPARE(windows, newWindow ? QList<bool>{true} : QList<bool>{});
        QCOMPARE(navigations, newWindow ? QList<bool>{} : QList<bool>{!opened.isEmpty()});
        QCOMPARE(opener_->calls.size(), opened.isEmpty() ? 0 : 1);
        if (!opened.isEmpty()) {
            QCOMPARE(opener_->calls[0].target, folder_.filePath(QStringLiteral("0.html")));
            QVERIFY(ReadPage().contains("url=" + opened.toUtf8() + "'"));
        }
        QCOMPARE(browser->LocationURL(), shownAfter);
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);
    }

    void resizeWaitsWhileMinimised() {
        BannerBrowser* browser = Browser();
        main_->showMinimized();
        QVERIFY(main_->isMinimized());
        host_->resize(600, 50);
        QCOMPARE(panel_->size(), QSize(600, 50));
        QCOMPARE(browser->size(), QSize(737, 73));
        main_->showNormal();
        QVERIFY(!main_->isMinimized());
        QCOMPARE(browser->size(), QSize(737, 73));
        host_->resize(700, 60);
        QCOMPARE(browser->geometry(), QRect(0, 0, 700, 60));
    }
};

QTEST_MAIN(UsrReklamaXTest)
#include "usr_reklama_x_test.moc"
