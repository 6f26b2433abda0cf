// «Печать…» through the print path to a PDF file, the printer chosen by the
// test instead of the dialog; what is printed read back by pdftotext: the
// example line and the answer, page by page.
//   notebook_print_test PDFTOTEXT [Qt Test options]
#include <QAction>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>

#include "qt_fixture.h"

using namespace tambrel;
using namespace tambrel::testing;

namespace {

QString PdfToText;

// The pages' lines as pdftotext reads them, every blank left out: the
// cells' characters stand apart on paper.
QList<QStringList> PrintedPages(const QString& pdf) {
    QProcess reader;
    reader.start(PdfToText, {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf,
                             QStringLiteral("-")});
    if (!reader.waitForFinished(30000) || reader.exitCode() != 0) return {};
    QList<QStringList> pages;
    for (const QString& page : QString::fromUtf8(reader.readAllStandardOutput()).split(u'\f')) {
        QStringList lines;
        for (QString line : page.split(u'\n')) {
            line.remove(QRegularExpression(QStringLiteral("\\s")));
            if (!line.isEmpty()) lines << line;
        }
        if (!lines.isEmpty()) pages << lines;
    }
    return pages;
}

void Print(QWidget* window) {
    auto* print = Find<QAction>(window, QStringLiteral("ResheniePrint"));
    print->setEnabled(true);
    print->trigger();
}

}  // namespace

class NotebookPrintTest : public QObject {
    Q_OBJECT

private slots:
    void printed_data() {
        QTest::addColumn<QString>("example");
        QTest::addColumn<QStringList>("lines");  // blanks left out
        QTest::addColumn<int>("pages");
        QTest::newRow("worked example")
            << QStringLiteral("2+3*4") << QStringList{QStringLiteral("2+3·4"), QStringLiteral("Ответ:14.")}
            << 1;
        QTest::newRow("columns and a corner")
            << QStringLiteral("1200-45*8+96/4")
            << QStringList{QStringLiteral("1200−45·8+96:4"), QStringLiteral("1)45·8=360"),
                           QStringLiteral("Ответ:864.")}
            << 1;
        QTest::newRow("a message ends it")
            << QStringLiteral("7/(3-3)") << QStringList{QStringLiteral("На ноль делить нельзя.").remove(u' ')}
            << 1;
    }

    void printed() {
        QFETCH(QString, example);
        QFETCH(QStringList, lines);
        QFETCH(int, pages);
        Program program;
        QWidget* window = program.openWindow();
        SolveInWindow(window, example);
        Print(window);
        QCOMPARE(program.printer.asked, 1);
        const QList<QStringList> printed = PrintedPages(QStringLiteral("Решение.pdf"));
        QCOMPARE(printed.size(), pages);
        for (const QString& line : lines)
            QVERIFY2(printed[0].contains(line), qPrintable(line + u'\n' + printed[0].join(u'\n')));
    }

    // Wider and longer than a page: pages in strips, the answer on one of
    // them.
    void longExample() {
        Program program;
        QWidget* window = program.openWindow();
        SolveInWindow(window, QStringLiteral("1") + QStringLiteral("+1").repeated(199));
        Print(window);
        const QList<QStringList> printed = PrintedPages(QStringLiteral("Решение.pdf"));
        QVERIFY2(printed.size() > 2, qPrintable(QString::number(printed.size())));
        QStringList all;
        for (const QStringList& page : printed) all << page;
        QVERIFY(all.contains(QStringLiteral("Ответ:200.")));
        QVERIFY(all.contains(QStringLiteral("199)199+1=200")));
    }

    void cancelledPrintsNothing() {
        Program program;
        program.printer.cancel = true;
        QWidget* window = program.openWindow();
        SolveInWindow(window, QStringLiteral("2+3*4"));
        Print(window);
        QCOMPARE(program.printer.asked, 1);
        QVERIFY(!QFile::exists(QStringLiteral("Решение.pdf")));
    }

    // Before a solving, and after one that failed its checks, there is no
    // notebook: nobody is asked for a printer.
    void nothingToPrint() {
        Program program;
        QWidget* window = program.openWindow();
        Print(window);
        SolveInWindow(window, QStringLiteral("(2+3"));
        Print(window);
        QCOMPARE(program.printer.asked, 0);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) qFatal("usage: notebook_print_test PDFTOTEXT [options]");
    PdfToText = args.takeAt(1);
    NotebookPrintTest test;
    return QTest::qExec(&test, args);
}

#include "notebook_print_test.moc"
