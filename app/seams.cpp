#include "seams.h"

#include "engine_window.h"
#include "shared_state.h"

namespace tambrel {

UseSeams::UseSeams() {
    ExampleState = Solved;
    ReplaceWithAnswer = 0;
}

UseSeams::~UseSeams() {
    if (set_.boxes) SetMessageBoxes(nullptr);
    if (set_.printers) SetPrinterChoice(nullptr);
    if (set_.opener) SetDesktopOpener({});
    if (set_.programFolder) SetProgramFolder({});
    if (set_.aboutShown) SetAboutShownHook({});
    ExampleState = Solved;
    ReplaceWithAnswer = 0;
    SetEngineWindow(nullptr);
}

UseSeams& UseSeams::boxes(MessageBoxes* boxes) {
    SetMessageBoxes(boxes);
    set_.boxes = true;
    return *this;
}

UseSeams& UseSeams::printers(PrinterChoice* choice) {
    SetPrinterChoice(choice);
    set_.printers = true;
    return *this;
}

UseSeams& UseSeams::opener(DesktopOpener opener) {
    SetDesktopOpener(std::move(opener));
    set_.opener = true;
    return *this;
}

UseSeams& UseSeams::programFolder(const QString& folder) {
    SetProgramFolder(folder);
    set_.programFolder = true;
    return *this;
}

UseSeams& UseSeams::aboutShown(AboutShownHook hook) {
    SetAboutShownHook(std::move(hook));
    set_.aboutShown = true;
    return *this;
}

}  // namespace tambrel
