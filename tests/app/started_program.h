#pragma once

#include <QDir>
#include <QTemporaryDir>

#include "main_m.h"
#include "window_fixture.h"

namespace tambrel::testing {

// The program started as a user starts it, in an empty folder of its own
// where its settings file is read and written; each test gets the folder
// empty again and its modal boxes answered by `boxes`.
class StartedProgram {
public:
    FakeBoxes boxes;

    bool enterEmptyFolder() {
        ResetSharedState();
        boxes = FakeBoxes{};
        SetMessageBoxes(&boxes);
        QDir(folder_.path()).removeRecursively();
        return folder_.isValid() && QDir().mkpath(folder_.path()) && QDir::setCurrent(folder_.path());
    }
    void leave() {
        delete MainForm();
        SetMessageBoxes(nullptr);
        QDir::setCurrent(start_);
    }
    QString path() const { return folder_.path(); }

    // Closes the main window as the title bar's button would; true when it closed.
    static bool closeMainForm() {
        MainForm()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return MainForm() == nullptr;
    }

private:
    QTemporaryDir folder_;
    QString start_ = QDir::currentPath();
};

}  // namespace tambrel::testing
