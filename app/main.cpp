#include <QApplication>

#include "main_m.h"

int main(int argc, char** argv) {
    // The program reads no command-line arguments: Qt gets the name only.
    int qtArgc = 1;
    char name[] = "tambrel";
    char* qtArgv[] = {argc > 0 && argv[0] != nullptr ? argv[0] : name, nullptr};
    QApplication application(qtArgc, qtArgv);
    tambrel::Main();
    return QApplication::exec();
}
