// Takes the README's pictures from the real program under an X server:
// the main window after solving the worked example, its notebook in the
// window «Решение», the Edit menu, the same window with a message in the
// answer box, and the About window.
//   readme_screenshots OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "frm_forma.h"
#include "frm_oprog.h"
#include "frm_tetrad.h"
#include "help.h"
#include "knopka_label.h"
#include "main_m.h"
#include "primer_box.h"

namespace {

using namespace tambrel;

QString folder;
int failures = 0;

template <typename T = QWidget>
T* Named(const QObject* parent, const QString& name) {
    return parent->findChild<T*>(name);
}

// What the screen shows of the window, as a user would see it.
void Save(QWidget* window, const QString& name) {
    const QRect area = window->frameGeometry();
    const QPixmap shot = window->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    const QString path = QDir(folder).filePath(name);
    if (!shot.save(path)) {
        qWarning("could not write %s", qPrintable(path));
        ++failures;
    }
}

// Through the keypad, key by key, as a pupil would build it.
void ClickKeys(FrmForma& form, const QString& example) {
    const QString keys = QString::fromUtf16(KeypadChars);
    for (const QChar c : example) {
        QWidget* key = Named(&form, QStringLiteral("Knopka%1").arg(c == u'=' ? SolveKey : keys.indexOf(c)));
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          key->mapTo(&form, key->rect().center()));
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    folder = QString::fromLocal8Bit(argv[1]);
    // Start-up reads no settings from here, and closing writes none.
    if (!QDir::setCurrent(QDir::tempPath())) return 2;
    Main();
    FrmForma* form = MainForm();
    QTest::qWait(300);

    ClickKeys(*form, QStringLiteral("2+3*(4-1)^2="));
    Named<QListWidget>(form, QStringLiteral("DirPr"))->setCurrentRow(1);
    QTest::qWait(300);
    Save(form, QStringLiteral("main_window.png"));

    // Its notebook, opened as F2 opens it; closed again, for it would
    // cover the main window on a small screen.
    form->showNotebook();
    QTest::qWait(500);
    Save(form->tetrad(), QStringLiteral("notebook.png"));
    form->tetrad()->close();

    // The Edit menu as it drops down with part of the example selected.
    Named<PrimerBox>(form, QStringLiteral("Primer"))->setFocus();
    Named<PrimerBox>(form, QStringLiteral("Primer"))->setSelection(2, 3);
    QMenuBar* bar = form->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                      bar->actionGeometry(Named<QMenu>(form, QStringLiteral("Edit"))->menuAction()).center());
    QTest::qWait(500);
    Save(form, QStringLiteral("edit_menu.png"));
    Named<QMenu>(form, QStringLiteral("Edit"))->hide();

    Named<PrimerBox>(form, QStringLiteral("Primer"))->setWholeText(QStringLiteral("7/(3-3)"));
    ClickKeys(*form, QStringLiteral("="));
    QTest::qWait(300);
    Save(form, QStringLiteral("message.png"));

    SetAboutShownHook([](frmOprog& about) {
        QTest::qWait(500);
        Save(&about, QStringLiteral("about.png"));
        about.findChild<QPushButton*>(QStringLiteral("OK"))->click();
    });
    HelpAbout();
    return failures;
}
