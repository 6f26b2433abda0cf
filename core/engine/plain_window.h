#pragma once

#include <string>
#include <vector>

#include "engine_window.h"

namespace tambrel {

// The engine's window as plain fields: what the console front end prints
// and what the engine tests look at. Setting Primer's text behaves as the
// real input box does: caret to 0, then the change handler marks the
// example Changed.
class PlainWindow : public EngineWindow {
public:
    // A fresh window holding the example with the caret at 0.
    explicit PlainWindow(std::u16string example = {});

    std::u16string primerText() const override { return primer; }
    void setPrimerText(const std::u16string& text) override;
    void setPrimerCaret(int position) override { caret = position; }
    void focusPrimer() override { primerFocused = true; }
    void setOtvetText(const std::u16string& text) override { otvet = text; }
    void clearList(ResultList list) override { items(list).clear(); }
    void setListTooltip(ResultList list, const std::u16string& text) override;
    void appendListItem(ResultList list, const std::u16string& item) override;
    int actionCount() const override { return static_cast<int>(dirC.size()); }
    std::u16string caption() const override { return u"Тамбрель"; }
    void showCriticalError(const std::u16string& title, const std::u16string& text) override;
    StepListener* stepListener() override { return listener; }

    std::vector<std::u16string>& items(ResultList list) { return list == ResultList::DirC ? dirC : dirPr; }

    std::u16string primer;
    int caret = 0;
    bool primerFocused = false;
    int primerChanges = 0;  // times the change handler ran
    std::u16string otvet;
    std::vector<std::u16string> dirC;
    std::vector<std::u16string> dirPr;
    std::u16string dirCTooltip;
    std::u16string dirPrTooltip;
    std::u16string boxTitle;
    std::u16string boxText;
    bool boxShown = false;
    StepListener* listener = nullptr;  // the notebook's builder, when one is kept
};

}  // namespace tambrel
