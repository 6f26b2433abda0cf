// The form as laid out: geometry in twips, captions, fonts, menu, tab order.
#include <QAction>
#include <QDir>
#include <QFontInfo>
#include <QMenuBar>

#include "window_fixture.h"

using namespace tambrel;
using namespace tambrel::testing;

namespace {

// Logical pixels of a twip measure; every measure of the form is a whole pixel.
int Px(int twips) { return twips / 15; }

}  // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FrmForma> form;

private slots:
    void init() { form = OpenForm(); }
    void cleanup() { form.reset(); }

    void window() {
        QCOMPARE(form->windowTitle(), QStringLiteral("Тамбрель"));
        QCOMPARE(form->centralWidget()->size(), QSize(Px(11190), Px(4485)));
        QCOMPARE(QApplication::focusWidget(), form->Primer);
        QCOMPARE(form->Primer->text(), QString());
        QCOMPARE(form->txtOtvet->text(), QString());
        QCOMPARE(form->DirC->count(), 0);
        QCOMPARE(form->DirPr->count(), 0);
    }

    void geometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<qreal>("points");
        const auto row = [](const char* name, QRect twips, const QString& caption, qreal points) {
            QTest::newRow(name) << QString::fromLatin1(name) << twips << caption << points;
        };
        row("usrReklamaX1", {0, 0, 11055, 1095}, {}, 0);
        row("Label1", {60, 1200, 1905, 240}, QStringLiteral("Введите пример:"), 9.75);
        row("DirT", {5280, 1200, 1980, 240}, QStringLiteral("Список действий:"), 9.75);
        row("Label2", {8160, 1200, 2010, 240}, QStringLiteral("Остаток примера:"), 9.75);
        row("Primer", {60, 1440, 5175, 420}, {}, 12);
        row("Label3", {60, 1920, 735, 240}, QStringLiteral("Ответ:"), 9.75);
        row("txtOtvet", {60, 2160, 5175, 420}, {}, 12);
        row("DirC", {5280, 1440, 2835, 2760}, {}, 12);
        row("DirPr", {8160, 1440, 2835, 2760}, {}, 12);
        const char* captions[] = {" 0", " 1", " 2", " 3", " 4",  " 5", " 6", " 7", " 8", " 9", "  ,",
                                  " +", " -", " *", " /", " \\", " ^", " K", " (", " )", " ="};
        for (int i = 0; i < KeyCount; ++i) {
            QTest::addRow("Knopka%d", i) << QStringLiteral("Knopka%1").arg(i)
                                         << QRect(60 + 600 * (i % 7), 2640 + 600 * (i / 7), 495, 495)
                                         << QString::fromLatin1(captions[i]) << 18.0;
        }
    }
    void geometry() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, caption);
        QFETCH(qreal, points);
        auto* control = form->findChild<QWidget*>(name);
        QVERIFY(control != nullptr);
        QCOMPARE(control->parentWidget(), form->centralWidget());
        QCOMPARE(control->geometry(),
                 QRect(Px(twips.x()), Px(twips.y()), Px(twips.width()), Px(twips.height())));
        if (auto* label = qobject_cast<QLabel*>(control)) QCOMPARE(label->text(), caption);
        if (points > 0) {
            QCOMPARE(control->font().pointSizeF(), points);
            QVERIFY(control->font().bold());
            // The fallback face must draw Cyrillic.
            QVERIFY(QFontMetrics(control->font()).inFont(u'Ж'));
        }
    }

    void bannerStrip() {
        QCOMPARE(form->bannerPanel(), form->usrReklamaX1);
        QCOMPARE(form->usrReklamaX1->palette().color(QPalette::Window), QColor(224, 224, 224));
        QVERIFY(form->usrReklamaX1->autoFillBackground());
    }

    void menu_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<bool>("enabled");
        const auto row = [](const char* name, const char* caption, const QKeySequence& shortcut,
                            bool enabled) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(caption) << shortcut
                                << enabled;
        };
        row("EditUndo", "Отменить", QKeySequence(QStringLiteral("Ctrl+Z")), false);
        row("EditRedo", "Повторить", QKeySequence(QStringLiteral("Ctrl+X")), false);
        row("EditCopy", "Копировать", QKeySequence(QStringLiteral("Ctrl+C")), false);
        row("EditPaste", "Вставить", QKeySequence(QStringLiteral("Ctrl+V")), false);
        row("EditDelete", "Удалить", QKeySequence(QStringLiteral("Del")), false);
        row("EditAll", "Выделить всё", QKeySequence(QStringLiteral("Ctrl+A")), true);
        row("EditSkopki", "Взять пример в скобки", QKeySequence(QStringLiteral("Ctrl+S")), true);
        row("sep", "", QKeySequence(), true);
        row("EditPrimerOtvet", "Заменять пример ответом", QKeySequence(), true);
        row("HelpCallHelp", "Вызов справки", QKeySequence(QStringLiteral("F1")), true);
        row("HelpAbout", "О программе", QKeySequence(), true);
    }
    void menu() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, shortcut);
        QFETCH(bool, enabled);
        auto* item = form->findChild<QAction*>(name);
        QVERIFY(item != nullptr);
        QCOMPARE(item->text(), caption);
        QCOMPARE(item->shortcut(), shortcut);
        QCOMPARE(item->isEnabled(), enabled);
    }

    void menuOrder() {
        const QList<QAction*> bar = form->menuBar()->actions();
        QCOMPARE(bar.size(), 3);
        QCOMPARE(bar[0], form->Exit);
        QCOMPARE(bar[0]->text(), QStringLiteral("Выход"));
        QVERIFY(bar[0]->menu() == nullptr);
        QCOMPARE(bar[1]->menu(), form->Edit);
        QCOMPARE(form->Edit->title(), QStringLiteral("Правка"));
        QCOMPARE(bar[2]->menu(), form->Help);
        QCOMPARE(form->Help->title(), QStringLiteral("Справка"));
        const QList<QAction*> edit{form->EditUndo,   form->EditRedo,   form->EditCopy,
                                   form->EditPaste,  form->EditDelete, form->EditAll,
                                   form->EditSkopki, form->sep,        form->EditPrimerOtvet};
        QCOMPARE(form->Edit->actions(), edit);
        QVERIFY(form->sep->isSeparator());
        QCOMPARE(form->Help->actions(), (QList<QAction*>{form->HelpCallHelp, form->HelpAbout}));
        // The window's definition carries the mark; start-up clears it.
        QVERIFY(form->EditPrimerOtvet->isCheckable());
        QVERIFY(form->EditPrimerOtvet->isChecked());
    }

    void tabOrder() {
        const QList<QWidget*> expected{form->DirC, form->DirPr, form->txtOtvet, form->Primer};
        for (QWidget* next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    // The banner panel of the web part takes the strip's place and tab stop.
    void bannerReplacement() {
        auto* panel = new QWidget;
        panel->setFocusPolicy(Qt::StrongFocus);
        form->replaceBannerPanel(panel);
        QCOMPARE(form->bannerPanel(), panel);
        QCOMPARE(panel->geometry(), QRect(0, 0, Px(11055), Px(1095)));
        form->DirPr->setFocus();
        QTest::keyClick(form->DirPr, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), panel);
        QTest::keyClick(panel, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->txtOtvet);
    }

    void screenshot() {
        const QString path =
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("frmForma.png"));
        QVERIFY(form->grab().save(path));
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
