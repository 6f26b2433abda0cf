#include "list_box.h"

#include <QFocusEvent>

namespace tambrel {

void ListBox::focusInEvent(QFocusEvent* e) {
    QListWidget::focusInEvent(e);
    // The toolkit frames the first row as current; the user sees no
    // selection there, so no row is current either.
    if (selectedItems().isEmpty()) selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
}

QModelIndex ListBox::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if (!currentIndex().isValid() && count() > 0) {
        return model()->index(action == MoveEnd ? count() - 1 : 0, 0);
    }
    return QListWidget::moveCursor(action, modifiers);
}

}  // namespace tambrel
