// The menu «Решение»: the notebook of the last solving shown on squared
// paper in a window of its own, copied as text, printed.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

#include "frm_forma.h"
#include "frm_tetrad.h"
#include "tetrad_print.h"

namespace tambrel {

void FrmForma::connectReshenieMenu() {
    connect(Reshenie, &QMenu::aboutToShow, this, &FrmForma::Reshenie_Click);
    connect(ReshenieShow, &QAction::triggered, this, [this] { showNotebook(); });
    connect(ReshenieCopy, &QAction::triggered, this, &FrmForma::ReshenieCopy_Click);
    connect(ResheniePrint, &QAction::triggered, this, &FrmForma::ResheniePrint_Click);
}

void FrmForma::Reshenie_Click() { refreshMenu("Reshenie"); }

void FrmForma::showNotebook(int action) {
    if (tetrad_ == nullptr) tetrad_ = new FrmTetrad(this);
    if (tetradVersion_ != notebook_.version()) {
        tetrad_->showNotebook(notebook_.notebook());
        tetradVersion_ = notebook_.version();
    }
    tetrad_->open();
    if (action > 0) tetrad_->showAction(action);
}

// A closed window is given the notebook when it opens again.
void FrmForma::followNotebook() {
    if (tetrad_ == nullptr || !tetrad_->isVisible() || tetradVersion_ == notebook_.version()) return;
    tetrad_->showNotebook(notebook_.notebook());
    tetradVersion_ = notebook_.version();
}

void FrmForma::ReshenieCopy_Click() {
    if (!notebook_.ready()) return;
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(QString::fromStdU16String(notebook_.text()));
}

void FrmForma::ResheniePrint_Click() {
    if (notebook_.ready()) PrintNotebook(notebook_.notebook(), this);
}

}  // namespace tambrel
