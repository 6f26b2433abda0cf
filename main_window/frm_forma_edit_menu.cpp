// The Edit menu: undo and redo over the edit history, the clipboard, delete,
// select all, brackets round the example and the replace-with-answer switch.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <limits>

#include "frm_forma.h"
#include "primer_box.h"
#include "shared_state.h"

namespace tambrel {

namespace {

constexpr char16_t PasteTooLong[] = u"Вставляемый текст не помещается в поле примера.";

// The clipboard's plain text; none when it holds no text or cannot be read.
const QMimeData* ClipboardData() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard != nullptr ? clipboard->mimeData() : nullptr;
}

bool ClipboardHoldsText() {
    const QMimeData* data = ClipboardData();
    return data != nullptr && data->hasText();
}

// Only what may stand in an example; every kind of K becomes a bare "K".
QString PastedText(const QString& t) {
    QString r;
    r.reserve(t.size());
    for (const QChar c : t) {
        if (InAllowedChars(c.unicode())) {
            r += c;
        } else if (InSet(PastedRootLetters, c.unicode())) {
            r += u'K';
        }
    }
    return r;
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

bool FrmForma::editItemAvailable(const QAction* item) const {
    if (item == EditUndo) return editHistory_.canUndo();
    if (item == EditRedo) return editHistory_.canRedo();
    if (item == EditCopy || item == EditDelete) return Primer->hasSelectedText();
    if (item == EditPaste) return ClipboardHoldsText();
    return true;
}

void FrmForma::Edit_Click() {
    for (QAction* item : {EditUndo, EditRedo, EditCopy, EditPaste, EditDelete})
        item->setEnabled(editItemAvailable(item));
}

QAction* FrmForma::editItemFor(const QKeyEvent* key) const {
    const QKeySequence pressed(key->keyCombination());
    for (QAction* item : {EditUndo, EditRedo, EditCopy, EditPaste, EditDelete, EditAll, EditSkopki}) {
        if (item->shortcut().matches(pressed) == QKeySequence::ExactMatch) return item;
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
    if (item != nullptr) item->setEnabled(editItemAvailable(item));
    return item;
}

void FrmForma::restoreHistoryState(EditHistory::State state) {
    // The change handler records nothing while the state is put back.
    ExampleState = Restoring;
    Primer->setWholeText(state.text);
    Primer->setCursorPosition(state.caret);
}

// Also reached through a shortcut whose availability may be out of date.
void FrmForma::EditUndo_Click() {
    if (editHistory_.canUndo()) restoreHistoryState(editHistory_.undo());
}

void FrmForma::EditRedo_Click() {
    if (editHistory_.canRedo()) restoreHistoryState(editHistory_.redo());
}

void FrmForma::EditCopy_Click() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(Primer->selectedText());
}

void FrmForma::EditPaste_Click() {
    const QMimeData* held = ClipboardData();
    const QString r = PastedText(held != nullptr && held->hasText() ? held->text() : QString());
    const qsizetype kept = Primer->text().size() - Primer->selectedText().size();
    if (kept + r.size() > Primer->maxLength()) {
        // Cut short it would be another example; the box keeps what it holds.
        setOtvetText(PasteTooLong);
        return;
    }
    Primer->insert(r);
}

void FrmForma::EditDelete_Click() {
    auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if ((box == Primer || box == txtOtvet) && box->hasSelectedText()) box->del();
}

void FrmForma::EditAll_Click() { Primer->setSelection(0, static_cast<int>(Primer->text().size())); }

void FrmForma::EditSkopki_Click() {
    const QString text = Primer->text();
    if (text.size() + 2 > Primer->maxLength()) return;
    const int a = Primer->caret();
    Primer->setWholeText(u'(' + text + u')');
    Primer->setCursorPosition(a + 1);
}

void FrmForma::EditPrimerOtvet_Click() {
    // 1 − value; the one value whose result would not fit keeps the largest.
    ReplaceWithAnswer = ReplaceWithAnswer == std::numeric_limits<std::int32_t>::min()
                            ? std::numeric_limits<std::int32_t>::max()
                            : 1 - ReplaceWithAnswer;
    EditPrimerOtvet->setChecked(ReplaceWithAnswer != 0);
}

}  // namespace tambrel
