#pragma once

#include <functional>

namespace tambrel {

class frmOprog;

// Opens the user guide "Справка.html" beside the program in the user's browser.
void HelpCallHelp();

// Shows the About window modally and returns when it has been closed; each
// call makes the window afresh.
void HelpAbout();

// Called with the About window once it is up and modal. Tests answer the
// window through it, so that no test is left waiting on it.
using AboutShownHook = std::function<void(frmOprog& window)>;
void SetAboutShownHook(AboutShownHook hook);

}  // namespace tambrel
