// The Edit menu: undo and redo over the edit history, the clipboard, delete,
// select all, brackets round the example and the replace-with-answer switch.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTimer>

#include "frm_forma.h"
#include "primer_box.h"
#include "shared_state.h"

namespace tambrel {

namespace {

// The clipboard's plain text; none when it holds no text or cannot be read.
const QMimeData* ClipboardData() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard != nullptr ? clipboard->mimeData() : nullptr;
}

bool ClipboardHoldsText() {
    const QMimeData* data = ClipboardData();
    return data != nullptr && data->hasText();
}

}  // namespace

void FrmForma::connectEditMenu() {
    connect(Edit, &QMenu::aboutToShow, this, &FrmForma::Edit_Click);
    connect(EditUndo, &QAction::triggered, this, &FrmForma::EditUndo_Click);
    connect(EditRedo, &QAction::triggered, this, &FrmForma::EditRedo_Click);
    connect(EditCopy, &QAction::triggered, this, &FrmForma::EditCopy_Click);
    connect(EditPaste, &QAction::triggered, this, &FrmForma::EditPaste_Click);
    connect(EditDelete, &QAction::triggered, this, &FrmForma::EditDelete_Click);
    connect(EditAll, &QAction::triggered, this, &FrmForma::EditAll_Click);
    connect(EditSkopki, &QAction::triggered, this, &FrmForma::EditSkopki_Click);
    connect(EditPrimerOtvet, &QAction::triggered, this, &FrmForma::EditPrimerOtvet_Click);
    // Shortcuts reach the text boxes first as ShortcutOverride.
    Primer->installEventFilter(this);
    txtOtvet->installEventFilter(this);
}

// When an item is offered is the core's menu table.
bool FrmForma::editItemAvailable(const QAction* item, bool clipboardHoldsText) const {
    for (const MenuItem& entry : MenuItems) {
        if (menuAction(entry.command) == item)
            return IsOffered(entry, *rules_,
                             {Primer->hasSelectedText(), clipboardHoldsText, notebook_.ready()});
    }
    return true;
}

void FrmForma::Edit_Click() { refreshMenu("Edit"); }

// Every item of the menu as offered now, as it opens.
void FrmForma::refreshMenu(std::string_view menu) {
    const bool clipboardHoldsText = menu == "Edit" && ClipboardHoldsText();
    for (const MenuItem& entry : MenuItems) {
        QAction* item = menuAction(entry.command);
        if (entry.menu == menu) item->setEnabled(editItemAvailable(item, clipboardHoldsText));
    }
}

// The item of «Правка» or «Решение» whose shortcut the key is.
QAction* FrmForma::editItemFor(const QKeyEvent* key) const {
    const QKeySequence pressed(key->keyCombination());
    for (const MenuItem& entry : MenuItems) {
        QAction* item = menuAction(entry.command);
        if ((entry.menu == "Edit" || entry.menu == "Reshenie") && !item->shortcut().isEmpty() &&
            item->shortcut().matches(pressed) == QKeySequence::ExactMatch)
            return item;
    }
    return nullptr;
}

// A text box claims its editing keys before any shortcut sees them; an
// available Edit command takes its key from the box instead.
bool FrmForma::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::ShortcutOverride || (watched != Primer && watched != txtOtvet))
        return QMainWindow::eventFilter(watched, e);
    QAction* item = refreshEditItemFor(static_cast<QKeyEvent*>(e));
    if (item == nullptr || !item->isEnabled()) return false;
    // Not overridden: the item's shortcut fires and the box does nothing.
    e->ignore();
    return true;
}

// Every other control lets the key come up to the window, still ahead of
// the shortcut.
bool FrmForma::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride) refreshEditItemFor(static_cast<QKeyEvent*>(e));
    return QMainWindow::event(e);
}

// A shortcut sees the availability of now, not of the last opening.
QAction* FrmForma::refreshEditItemFor(const QKeyEvent* key) {
    QAction* item = editItemFor(key);
    if (item != nullptr) item->setEnabled(editItemAvailable(item, ClipboardHoldsText()));
    return item;
}

void FrmForma::EditUndo_Click() { rules_->undo(); }

void FrmForma::EditRedo_Click() { rules_->redo(); }

void FrmForma::EditCopy_Click() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(Primer->selectedText());
}

void FrmForma::EditPaste_Click() {
    const QMimeData* held = ClipboardData();
    rules_->paste((held != nullptr && held->hasText() ? held->text() : QString()).toStdU16String());
}

void FrmForma::EditDelete_Click() {
    auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if ((box == Primer || box == txtOtvet) && box->hasSelectedText()) box->del();
}

void FrmForma::EditAll_Click() { rules_->selectAll(); }

void FrmForma::EditSkopki_Click() { rules_->putInBrackets(); }

void FrmForma::EditPrimerOtvet_Click() {
    ReplaceWithAnswer = ToggledSwitch(ReplaceWithAnswer);
    EditPrimerOtvet->setChecked(ReplaceWithAnswer != 0);
    // The menu is closed by now and the focus goes back: a reader would
    // not speak the item's new state, so it is told once the focus is
    // back.
    const QString said = QStringLiteral("Заменять пример ответом ") +
                         (ReplaceWithAnswer != 0 ? QStringLiteral("включено") : QStringLiteral("выключено"));
    QTimer::singleShot(0, this, [this, said] { announce(said); });
}

}  // namespace tambrel
