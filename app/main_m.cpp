#include "main_m.h"

#include <QAction>
#include <QCoreApplication>
#include <QPointer>

#include "frm_forma.h"
#include "result_lists.h"
#include "save_ini_m.h"
#include "settings_file.h"
#include "shared_state.h"
#include "web_parts.h"

namespace tambrel {

namespace {
// Closing deletes the window, which clears this pointer.
QPointer<FrmForma> frmForma;
}  // namespace

FrmForma* MainForm() { return frmForma.data(); }

void Main() {
    if (const auto stored = ReadSettingsFile(SettingsFileName)) ReplaceWithAnswer = *stored;

    if (frmForma.isNull()) {
        frmForma = new FrmForma;
        frmForma->setAttribute(Qt::WA_DeleteOnClose);
        frmForma->setUnloadHandler(&ConfirmCloseAndSave);
        SetEngineWindow(frmForma);
        ConnectResultLists(frmForma);
        ConnectHelpMenu(frmForma->helpCallHelpAction(), frmForma->helpAboutAction());
        FillBannerPanel(frmForma->bannerPanel());
    }
    frmForma->show();
    QCoreApplication::processEvents();

    if (ReplaceWithAnswer == 0) frmForma->clearReplaceMark();
}

}  // namespace tambrel
