// A stand-in for the main window: the banner strip and the Help menu,
// wired as the program wires them. For looking at the parts by eye and for
// bench/web_startup.sh before the real window is at hand.
//   web_preview [about]   ("about" opens the About window after start-up)
#include "help.h"
#include "web_parts.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Тамбрель"));
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("Справка"));
    QAction* callHelp = help->addAction(QStringLiteral("Вызов справки"));
    callHelp->setShortcut(Qt::Key_F1);
    QAction* about = help->addAction(QStringLiteral("О программе"));
    tambrel::ConnectHelpMenu(callHelp, about);

    auto* central = new QWidget;
    central->setFixedSize(746, 299);
    auto* strip = new QWidget(central);
    strip->setGeometry(0, 0, 737, 73);
    window.setCentralWidget(central);
    window.show();
    QCoreApplication::processEvents();
    tambrel::FillBannerPanel(strip);
    if (argc > 1 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("about")) {
        QTimer::singleShot(1500, about, &QAction::trigger);
    }
    return QApplication::exec();
}
