#include "result_lists.h"

#include <QKeyEvent>
#include <QListWidget>

#include "frm_forma.h"
#include "spoken_text.h"
#include "take_back.h"

namespace tambrel {

namespace {

QString SelectedText(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}

// The tooltip follows the list's own selection, whatever its length.
void ShowSelectedAsTooltip(QListWidget* list) { list->setToolTip(SelectedText(list)); }

// With no item selected there is no remainder to take, and the example
// stays. The focus stays in the list: a reader is told the new example.
void DirPr_TakeBack(FrmForma* form) {
    const auto remainder = TakenBack(SelectedText(form->resultList(ResultList::DirPr)).toStdU16String());
    if (!remainder) return;
    form->setPrimerText(*remainder);
    form->announce(QStringLiteral("Пример ") + QString::fromStdU16String(SpokenExample(*remainder)));
}

// Enter released in DirPr, with any of Shift, Ctrl and Alt held.
class DirPrKeyUp : public QObject {
public:
    explicit DirPrKeyUp(FrmForma* form) : QObject(form), form_(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(e);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            if (enter && !key->isAutoRepeat()) DirPr_TakeBack(form_);
        }
        return QObject::eventFilter(watched, e);
    }

private:
    FrmForma* form_;
};

}  // namespace

void ConnectResultLists(FrmForma* form) {
    QListWidget* dirPr = form->resultList(ResultList::DirPr);
    for (QListWidget* list : {form->resultList(ResultList::DirC), dirPr}) {
        QObject::connect(list, &QListWidget::itemSelectionChanged, list,
                         [list] { ShowSelectedAsTooltip(list); });
    }
    QObject::connect(dirPr, &QListWidget::itemDoubleClicked, form, [form] { DirPr_TakeBack(form); });
    // An action opens the notebook at its line; Enter there still does nothing.
    QListWidget* dirC = form->resultList(ResultList::DirC);
    QObject::connect(dirC, &QListWidget::itemDoubleClicked, form,
                     [form, dirC](QListWidgetItem* item) { form->showNotebook(dirC->row(item) + 1); });
    dirPr->installEventFilter(new DirPrKeyUp(form));
}

}  // namespace tambrel
