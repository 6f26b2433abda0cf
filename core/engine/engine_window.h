#pragma once

#include <string>

#include "step_listener.h"

namespace tambrel {

// The two result lists of the main window.
enum class ResultList { DirC, DirPr };

// Everything the engine may do to the main window, and nothing more.
// The Qt window implements it with real widgets; the console front end and
// the tests implement it with plain fields.
class EngineWindow {
public:
    virtual ~EngineWindow() = default;

    virtual std::u16string primerText() const = 0;
    // Replaces the whole text: clears the selection, leaves the caret at 0
    // and runs the change handler before returning.
    virtual void setPrimerText(const std::u16string& text) = 0;
    virtual void setPrimerCaret(int caret) = 0;
    virtual void focusPrimer() = 0;

    virtual void setOtvetText(const std::u16string& text) = 0;

    virtual void clearList(ResultList list) = 0;
    virtual void setListTooltip(ResultList list, const std::u16string& text) = 0;
    virtual void appendListItem(ResultList list, const std::u16string& item) = 0;
    virtual int actionCount() const = 0;  // items of DirC

    virtual std::u16string caption() const = 0;
    // Modal box with the critical-error icon and one OK button.
    virtual void showCriticalError(const std::u16string& title, const std::u16string& text) = 0;

    // Who is told of every step, for the notebook; nobody by default.
    virtual StepListener* stepListener() { return nullptr; }
};

// The window SolveExample works on; the front end sets it once at start.
void SetEngineWindow(EngineWindow* window);
EngineWindow* GetEngineWindow();

}  // namespace tambrel
