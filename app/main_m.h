#pragma once

namespace tambrel {

class FrmForma;

// Start-up: loads the settings file, shows the main window, lets it draw
// once and sets the check mark of EditPrimerOtvet. Needs a QApplication.
void Main();

// The main window, nullptr before Main and once it has closed.
FrmForma* MainForm();

}  // namespace tambrel
