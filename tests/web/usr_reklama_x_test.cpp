#include "usr_reklama_x.h"
#include "banner_browser.h"
#include "qt_fixture.h"
#include "web_parts.h"

#include <QPainter>
#include <QScrollBar>

using tambrel::BannerBrowser;
using tambrel::testing::FakeDesktop;

namespace {

// One link a row, Row pixels high across the whole page, named by its key
// in the tables; "off" is the blank below them.
constexpr int Row = 24;
const QStringList Links = {"web http://a.example/",         "secure https://s.example/",
                           "HTTP HTTP://UP.EXAMPLE/",       "htt htt",
                           "mail mailto:m@example",         "page about:next",
                           "web_blank http://new.example/", "page_blank about:popup"};

int Index(const QString& key) {
    for (int i = 0; i < Links.size(); ++i)
        if (Links[i].section(' ', 0, 0) == key) return i;
    return int(Links.size());
}
QString Href(const QString& key) { return Links.value(Index(key)).section(' ', 1, 1); }
QPoint At(const QString& key) { return QPoint(500, Index(key) * Row + Row / 2); }

QString LinkPage() {
    QString page = "about:<html><body style='margin:0'>";
    for (const QString& link : Links) {
        const QString key = link.section(' ', 0, 0);
        page += QString("<a href='%1' target='%2' style='display:block;height:%3px'>%1</a>")
                    .arg(Href(key), key.endsWith("_blank") ? "_blank" : "", QString::number(Row));
    }
    return page + "</body></html>";
}

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
    painter.drawText(10, 70, "Тамбрель");
    painter.end();
    return Ink(expected).size();
}

}  // namespace

class UsrReklamaXTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeDesktop> desktop_;
    std::unique_ptr<QWidget> main_;
    QWidget* host_ = nullptr;
    tambrel::usrReklamaX* panel_ = nullptr;
    BannerBrowser* browser_ = nullptr;

private slots:
    // A main window with the banner strip along its top.
    void init() {
        desktop_ = std::make_unique<FakeDesktop>();
        main_ = std::make_unique<QWidget>();
        main_->resize(746, 299);
        host_ = new QWidget(main_.get());
        host_->setGeometry(0, 0, 737, 73);
        panel_ = tambrel::FillBannerPanel(host_);
        browser_ = panel_->webBrowser();
        main_->show();
        QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
    }
    void cleanup() {
        main_.reset();
        desktop_.reset();
    }

    // The name's ink as the face and the size give it: the banner's centred
    // in Times New Roman (or its metric twin) at 32 pixels, and <font> on
    // other pages.
    void fonts_data() {
        QTest::addColumn<QString>("attributes");  // none: the banner
        QTest::addColumn<int>("pixels");
        QTest::addColumn<QString>("family");  // none: the browser's default face, Times New Roman
        QTest::newRow("banner") << QString() << 32 << QString();
        QTest::newRow("largest") << "size='7'" << 48 << QString();
        QTest::newRow("one up") << "size='+1'" << 18 << QString();
        QTest::newRow("two down") << "size='-2'" << 10 << QString();
        QTest::newRow("face") << "face='Arial' size='5'" << 24 << "Arial";
    }
    void fonts() {
        QFETCH(QString, attributes);
        QFETCH(int, pixels);
        QFETCH(QString, family);
        if (!attributes.isEmpty())
            browser_->Navigate(QString("about:<font %1>Тамбрель</font>").arg(attributes));
        const QRect ink = Ink(browser_->grab().toImage());
        QCOMPARE(ink.size(), ExpectedInk(family.isEmpty() ? "Times New Roman" : family, pixels));
        if (attributes.isEmpty()) QVERIFY(qAbs(ink.center().x() + 0.5 - 737 / 2.0) <= 1);
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
        QCOMPARE(browser_->size(), strip);
        const QImage shown = browser_->grab().toImage();
        QVERIFY(!Ink(shown).isEmpty());
        for (int y = edge.top(); y <= edge.bottom(); ++y)
            for (int x = edge.left(); x <= edge.right(); ++x)
                QCOMPARE(shown.pixel(x, y), qRgb(255, 255, 255));
        for (const QScrollBar* bar : main_->findChildren<QScrollBar*>()) QVERIFY(!bar->isVisible());
    }

    // The cases of banner_clicks.txt, with real mouse events.
    void clicks_data() {
        for (const char* column : {"pointed", "clicked", "opened", "shownAfter"})
            QTest::addColumn<QString>(column);
        QFile cases(QFINDTESTDATA("banner_clicks.txt"));
        QVERIFY(cases.open(QIODevice::ReadOnly | QIODevice::Text));
        for (const QString& line : QString::fromUtf8(cases.readAll()).split('\n')) {
            const QStringList field = line.split(' ', Qt::SkipEmptyParts);
            if (field.size() < 5 || line.startsWith('#')) continue;
            QTest::newRow(qPrintable(field.mid(4).join(' '))) << field[0] << field[1] << field[2] << field[3];
        }
    }
    void clicks() {
        QFETCH(QString, pointed);
        QFETCH(QString, clicked);
        QFETCH(QString, opened);
        QFETCH(QString, shownAfter);
        host_->resize(737, int(Links.size()) * Row + 40);
        browser_->Navigate(LinkPage());
        // Connected after the panel: they see the flag as the panel left it.
        QList<bool> navigations, windows;
        connect(browser_, &BannerBrowser::BeforeNavigate2,
                [&](const QString&, bool* cancel) { navigations << *cancel; });
        connect(browser_, &BannerBrowser::NewWindow2, [&](bool* cancel) { windows << *cancel; });
        for (const QString& key : pointed.split(',')) QTest::mouseMove(browser_, At(key));
        QTest::mouseMove(browser_, At(clicked));
        QTest::mouseClick(browser_, Qt::LeftButton, {}, At(clicked));
        const bool newWindow = clicked.endsWith("_blank");
        const bool out = opened != "-";
        QCOMPARE(windows, newWindow ? QList<bool>{true} : QList<bool>{});
        QCOMPARE(navigations, newWindow ? QList<bool>{} : QList<bool>{out});
        QCOMPARE(desktop_->targets, out ? QStringList{desktop_->path("0.html")} : QStringList{});
        if (out) QVERIFY(desktop_->read("0.html").contains("url=" + Href(opened).toUtf8() + "'"));
        QCOMPARE(browser_->LocationURL(), shownAfter == "-" ? LinkPage() : Href(shownAfter));
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);
    }

    void resizeWaitsWhileMinimised() {
        main_->showMinimized();
        host_->resize(600, 50);
        QCOMPARE(panel_->size(), QSize(600, 50));
        QCOMPARE(browser_->size(), QSize(737, 73));
        main_->showNormal();
        QCOMPARE(browser_->size(), QSize(737, 73));
        host_->resize(700, 60);
        QCOMPARE(browser_->geometry(), QRect(0, 0, 700, 60));
    }
};

QTEST_MAIN(UsrReklamaXTest)
#include "usr_reklama_x_test.moc"
