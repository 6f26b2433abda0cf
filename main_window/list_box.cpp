#include "list_box.h"

#include <QFocusEvent>
#include <QTimer>

#include "spoken_text.h"

namespace tambrel {

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    // The toolkit keeps its rows to itself on the accessibility bus: a
    // reader that keeps the list's children learns of none.
    connect(model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                tellRows(first, last, QAccessible::ObjectCreated);
            });
    connect(model(), &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) {
                tellRows(first, last, QAccessible::ObjectDestroyed);
            });
    connect(model(), &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { tellRows(0, count() - 1, QAccessible::ObjectDestroyed); });
}

// The list widget empties its model as it goes, when this part of it is
// gone already: nobody is told then.
ListBox::~ListBox() { disconnect(model(), nullptr, this, nullptr); }

void ListBox::tellRows(int first, int last, QAccessible::Event change) {
    if (!QAccessible::isActive() || first > last) return;
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(this);
    QAccessibleTableInterface* table = list != nullptr ? list->tableInterface() : nullptr;
    if (table == nullptr) return;
    for (int row = first; row <= last; ++row) {
        if (QAccessibleInterface* item = table->cellAt(row, 0)) {
            QAccessibleEvent event(item, change);
            QAccessible::updateAccessibility(&event);
        }
    }
}

void ListBox::focusInEvent(QFocusEvent* e) {
    QListWidget::focusInEvent(e);
    // The toolkit frames the first row as current; the user sees no
    // selection there, so no row is current either.
    if (selectedItems().isEmpty()) selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    // The toolkit tells a reader of the list alone, after this event: the
    // row the pupil was on is told once it has, or it goes unsaid.
    if (currentIndex().isValid()) QTimer::singleShot(0, this, &ListBox::tellCurrentRow);
}

void ListBox::tellCurrentRow() {
    if (!QAccessible::isActive() || !hasFocus() || !currentIndex().isValid()) return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(currentIndex().row());
    QAccessible::updateAccessibility(&event);
}

QVariant ResultItem::data(int role) const {
    if (role == Qt::AccessibleTextRole) {
        const std::u16string spoken = SpokenListItem(text().toStdU16String());
        return QString::fromStdU16String(spoken);
    }
    if (role == Qt::AccessibleDescriptionRole && isSelected()) return QStringLiteral("выбрано");
    return QListWidgetItem::data(role);
}

QModelIndex ListBox::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if (!currentIndex().isValid() && count() > 0) {
        return model()->index(action == MoveEnd ? count() - 1 : 0, 0);
    }
    return QListWidget::moveCursor(action, modifiers);
}

}  // namespace tambrel
