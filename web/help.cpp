#include "help.h"

#include "frm_oprog.h"
#include "op_url.h"

#include <QPointer>
#include <QTimer>

#include <utility>

namespace tambrel {

namespace {

AboutShownHook& ShownHook() {
    static AboutShownHook hook;
    return hook;
}

}  // namespace

void HelpCallHelp() { OpenURL(QStringLiteral("Справка.html")); }

void HelpAbout() {
    // No owner: the window stands on its own, and being modal it keeps the
    // main window from taking input until OK.
    frmOprog window;
    if (ShownHook()) {
        QPointer<frmOprog> shown(&window);
        QTimer::singleShot(0, &window, [shown] {
            if (shown && ShownHook()) ShownHook()(*shown);
        });
    }
    window.exec();
}

void SetAboutShownHook(AboutShownHook hook) { ShownHook() = std::move(hook); }

}  // namespace tambrel
