#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "main_m.h"

int main(int argc, char** argv) {
    // The program reads no command-line arguments: Qt gets the name only.
    int qtArgc = 1;
    char name[] = "tambrel";
    char* qtArgv[] = {argc > 0 && argv[0] != nullptr ? argv[0] : name, nullptr};
    QApplication application(qtArgc, qtArgv);
    // The text boxes' context menus speak Russian too, when Qt's Russian
    // texts are installed; without them they stay as Qt has them.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    tambrel::Main();
    return QApplication::exec();
}
