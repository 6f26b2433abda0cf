#include "web_parts.h"

#include "help.h"
#include "usr_reklama_x.h"

#include <QAction>
#include <QVBoxLayout>

namespace tambrel {

void ConnectHelpMenu(QAction* helpCallHelp, QAction* helpAbout) {
    if (helpCallHelp != nullptr) QObject::connect(helpCallHelp, &QAction::triggered, [] { HelpCallHelp(); });
    if (helpAbout != nullptr) QObject::connect(helpAbout, &QAction::triggered, [] { HelpAbout(); });
}

usrReklamaX* FillBannerPanel(QWidget* host) {
    if (host == nullptr) return nullptr;
    auto* panel = new usrReklamaX(host);
    panel->setObjectName(QStringLiteral("usrReklamaX1"));
    auto* layout = new QVBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    // The strip is what Tab reaches; a reader names it by its page.
    host->setAccessibleName(panel->accessibleName());
    panel->show();
    return panel;
}

}  // namespace tambrel
