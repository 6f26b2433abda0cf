#pragma once

#include <QString>

#include "help.h"
#include "message_boxes.h"
#include "op_url.h"
#include "tetrad_print.h"

namespace tambrel {

// Everything the program lets a test put in place of the user and the
// desktop, in one place: who answers the modal boxes, who chooses the
// printer, what the desktop's opener is, where the program's folder is, and
// who is shown the About window. Made, it leaves the shared state as a fresh start leaves it; each
// setter replaces one seam; gone, it puts back the real ones it replaced
// and the fresh state.
class UseSeams {
public:
    UseSeams();
    ~UseSeams();
    UseSeams(const UseSeams&) = delete;
    UseSeams& operator=(const UseSeams&) = delete;

    UseSeams& boxes(MessageBoxes* boxes);
    UseSeams& printers(PrinterChoice* choice);
    UseSeams& opener(DesktopOpener opener);
    UseSeams& programFolder(const QString& folder);
    UseSeams& aboutShown(AboutShownHook hook);

private:
    struct {
        bool boxes = false;
        bool printers = false;
        bool opener = false;
        bool programFolder = false;
        bool aboutShown = false;
    } set_;
};

}  // namespace tambrel
