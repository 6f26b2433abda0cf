#pragma once

class QAction;
class QWidget;

namespace tambrel {

class usrReklamaX;

// Connects the Help menu's commands: "Вызов справки" opens the user guide,
// "О программе" shows the About window.
void ConnectHelpMenu(QAction* helpCallHelp, QAction* helpAbout);

// Fills the strip kept for the banner with the banner panel, which follows
// the strip's size.
usrReklamaX* FillBannerPanel(QWidget* host);

}  // namespace tambrel
