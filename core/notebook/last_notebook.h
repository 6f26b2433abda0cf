#pragma once

#include <string>

#include "notebook.h"
#include "notebook_builder.h"
#include "step_listener.h"

namespace tambrel::notebook {

// The notebook of the last solving, kept by a face for as long as the
// lists show that solving: the face hands it to the engine as its step
// listener, and empties it when the engine empties the lists.
class LastNotebook : public StepListener {
public:
    void started(std::u16string_view example) override;
    void stepSolved(const SolvedStep& step) override { builder_.stepSolved(step); }
    void ended(SolvingEnd end, std::u16string_view text) override;

    // The lists were emptied: the notebook goes with them.
    void clear();

    // Whether there is a notebook to show, copy or print.
    bool ready() const { return !notebook_.blocks.empty(); }
    const Notebook& notebook() const { return notebook_; }
    // The notebook as plain text, as Copy puts it on the clipboard.
    std::u16string text() const { return NotebookText(notebook_); }
    // Counts up with every change, for a face that redraws on change.
    int version() const { return version_; }

private:
    NotebookBuilder builder_;
    Notebook notebook_;
    int version_ = 0;
};

}  // namespace tambrel::notebook
