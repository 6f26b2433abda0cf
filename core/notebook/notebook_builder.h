#pragma once

#include <string>
#include <vector>

#include "notebook.h"
#include "pupil_action.h"
#include "step_listener.h"

namespace tambrel::notebook {

// Listens to one solving and makes its notebook. It follows every sign of
// the example through the rewritten remainders, so that each action is
// written on the sign it stands on in the example, even where the program
// carried a subtraction's minus along with a number. One builder serves
// one solving: a solving that fails its checks tells it nothing.
class NotebookBuilder : public StepListener {
public:
    void started(std::u16string_view example) override;
    void stepSolved(const SolvedStep& step) override;
    void ended(SolvingEnd end, std::u16string_view text) override;

    // The notebook of the last solving; no blocks when it failed its checks.
    Notebook notebook() const;
    // Whether every action was found on its sign.
    bool tracked() const { return tracked_; }

private:
    // The action of a step, on the sign it stands on in the example.
    PupilAction actionOf(const SolvedStep& step, bool minusTaken, long minusOrigin) const;
    // Follows every sign of the example into the example after the step.
    void follow(const SolvedStep& step, long minusOrigin);

    bool solving_ = false;
    std::u16string example_;
    std::u16string current_;
    std::vector<long> origins_;  // of every character of current_: its position in example_, or -1
    std::vector<PupilAction> actions_;
    SolvingEnd end_ = SolvingEnd::Answer;
    std::u16string endText_;
    bool tracked_ = true;
};

}  // namespace tambrel::notebook
