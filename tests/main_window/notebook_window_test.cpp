// What scenario lines cannot say about the notebook window «Решение»: the
// size of its cells, ink where the notebook's characters are, its keys, the
// longest example, a notebook that changed while the window was closed.
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "frm_tetrad.h"
#include "qt_fixture.h"
#include "tetrad_paper.h"

using namespace tambrel;
using namespace tambrel::testing;

class NotebookWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Program> program;
    FrmForma* form = nullptr;

    void solve(const QString& example) { SolveInWindow(form, example); }
    FrmTetrad* opened() {
        form->showNotebook();
        QCoreApplication::processEvents();
        return form->tetrad();
    }
    TetradPaper* paper() const { return Find<TetradPaper>(form->tetrad(), QStringLiteral("paper")); }
    QScrollBar* down() const { return form->tetrad()->paperArea()->verticalScrollBar(); }
    void press(Qt::Key key) { QTest::keyClick(paper(), key); }

private slots:
    void init() {
        program = std::make_unique<Program>();
        form = static_cast<FrmForma*>(program->openWindow());
    }
    void cleanup() { program.reset(); }

    // 5 mm a cell, at the screen's resolution.
    void cellsOfFiveMillimetres() {
        solve(QStringLiteral("2+3*4"));
        opened();
        const QScreen* screen = paper()->screen();
        const qreal millimetres =
            paper()->cellSize() * screen->devicePixelRatio() / screen->physicalDotsPerInchY() * 25.4;
        QVERIFY2(millimetres > 4.5 && millimetres < 5.5, qPrintable(QString::number(millimetres)));
    }

    // The example's first digit in ink, the cell after it blank paper.
    void inkInTheCells() {
        solve(QStringLiteral("2+3*4"));
        opened();
        const QImage drawn = paper()->grab().toImage();
        const int cell = paper()->cellSize();
        const QRect digit = paper()->lineRect(0).adjusted(0, cell, 0, 0);  // under the marks' row
        auto inked = [&](int column) {
            int n = 0;
            for (int y = digit.top() + 2; y < digit.top() + cell - 2; ++y)
                for (int x = digit.left() + column * cell + 2; x < digit.left() + (column + 1) * cell - 2;
                     ++x)
                    n += drawn.pixelColor(x, y).blue() > drawn.pixelColor(x, y).red() + 60;
            return n;
        };
        QVERIFY2(inked(0) > 4, qPrintable(QString::number(inked(0))));
        QCOMPARE(inked(1), 0);
    }

    // Down goes line by line and scrolls its line into view; End reaches the
    // answer, Home the example, Page Down scrolls a page.
    void keysGoLineByLine() {
        solve(QStringLiteral("1") + QStringLiteral("+1").repeated(60));
        FrmTetrad* tetrad = opened();
        const int view = tetrad->paperArea()->viewport()->height();
        for (int i = 0; i < 40; ++i) press(Qt::Key_Down);
        QCOMPARE(tetrad->currentAction(), 40);
        const QRect line = tetrad->actionLineRect(40);
        QVERIFY(line.top() >= down()->value() && line.bottom() < down()->value() + view);
        press(Qt::Key_End);
        const QRect answer = paper()->lineRect(paper()->lineCount() - 1);
        QVERIFY(answer.top() >= down()->value() && answer.bottom() < down()->value() + view);
        press(Qt::Key_Home);
        QCOMPARE(down()->value(), 0);
        QCOMPARE(paper()->currentLine(), 0);
        press(Qt::Key_PageDown);
        QCOMPARE(down()->value(), down()->pageStep());
        QVERIFY(paper()->lineRect(paper()->currentLine()).top() >= down()->value());
    }

    // The longest example opens, reaches its answer, and closing and
    // solving again leave nothing behind.
    void longestExample() {
        solve(QStringLiteral("1") + QStringLiteral("+1").repeated(4999));
        FrmTetrad* tetrad = opened();
        QVERIFY(tetrad->text().endsWith(QStringLiteral("Ответ: 5000.\n")));
        press(Qt::Key_End);
        QCOMPARE(tetrad->currentAction(), 0);
        tetrad->close();
        solve(QStringLiteral("2+2"));
        QVERIFY(opened()->text().endsWith(QStringLiteral("Ответ: 4.\n")));
    }

    // A notebook that changed while the window was closed is the one it
    // opens with; one emptied by a failed check too.
    void changedWhileClosed() {
        solve(QStringLiteral("2+3*4"));
        opened()->close();
        solve(QStringLiteral("9-5"));
        QVERIFY(opened()->text().contains(QStringLiteral("1) 9 − 5 = 4\n")));
        form->tetrad()->close();
        solve(QStringLiteral("9-5+"));
        QVERIFY(!opened()->showsNotebook());
    }
};

QTEST_MAIN(NotebookWindowTest)
#include "notebook_window_test.moc"
