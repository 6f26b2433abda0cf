#include "frm_forma.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>

#include "accessibility.h"
#include "list_box.h"
#include "list_item_size.h"
#include "message_boxes.h"
#include "primer_box.h"

namespace tambrel {

FrmForma::FrmForma(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmForma"));
    setWindowTitle(QStringLiteral("Тамбрель"));
    createControls();
    createMenu();
    connectEditMenu();
    connectReshenieMenu();
    arrangeTabOrder();
    Primer->setFocus();
}

FrmForma::~FrmForma() {
    if (GetEngineWindow() == this) SetEngineWindow(nullptr);
}

void FrmForma::announce(const QString& text) { announcer_->say(text); }

void FrmForma::clearReplaceMark() { EditPrimerOtvet->setChecked(false); }

void FrmForma::closeEvent(QCloseEvent* e) {
    if (unloadHandler_ && unloadHandler_() != 0) {
        e->ignore();
        return;
    }
    e->accept();
}

std::u16string FrmForma::primerText() const { return Primer->text().toStdU16String(); }

void FrmForma::setPrimerText(const std::u16string& text) {
    Primer->setWholeText(QString::fromStdU16String(text));
}

void FrmForma::setPrimerCaret(int caret) { Primer->setCursorPosition(caret); }

void FrmForma::focusPrimer() { Primer->setFocus(); }

void FrmForma::setOtvetText(const std::u16string& text) {
    txtOtvet->setText(QString::fromStdU16String(text));
    // A message longer than the box is read from its beginning.
    txtOtvet->setCursorPosition(0);
    announcer_->say(txtOtvet->text());
}

void FrmForma::clearList(ResultList list) {
    resultList(list)->clear();
    // The notebook goes with the actions' list.
    if (list == ResultList::DirC) {
        notebook_.clear();
        followNotebook();
    }
}

void FrmForma::setListTooltip(ResultList list, const std::u16string& text) {
    resultList(list)->setToolTip(QString::fromStdU16String(text));
}

void FrmForma::appendListItem(ResultList list, const std::u16string& item) {
    auto* entry = new ResultItem(QString::fromStdU16String(item));
    entry->setSizeHint(listItemSize_->of(entry->text()));
    resultList(list)->addItem(entry);
}

int FrmForma::actionCount() const { return DirC->count(); }

std::u16string FrmForma::caption() const { return windowTitle().toStdU16String(); }

void FrmForma::showCriticalError(const std::u16string& title, const std::u16string& text) {
    Boxes().showCritical(QString::fromStdU16String(title), QString::fromStdU16String(text));
}

}  // namespace tambrel
