#pragma once

#include <QAccessible>
#include <QListWidget>

namespace tambrel {

// A result list as a list box of the platform the calculator was made for
// behaves by keyboard: taking the focus with nothing selected makes no row
// current, so the first Down or Home selects the first item and End the
// last, and Enter then acts on what the user sees selected. Assistive
// technology is told of every row that comes or goes.
class ListBox : public QListWidget {
    Q_OBJECT

public:
    explicit ListBox(QWidget* parent);
    ~ListBox() override;

protected:
    void focusInEvent(QFocusEvent* e) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    void tellRows(int first, int last, QAccessible::Event change);
    void tellCurrentRow();
};

// An item of a result list. A reader is given it in words, not signs (see
// SpokenListItem), and the selected one is called «выбрано», the reader's
// own word for it: the toolkit's bridge here tells a reader nothing of a
// list's selection. Both are made only when a reader asks.
class ResultItem : public QListWidgetItem {
public:
    using QListWidgetItem::QListWidgetItem;

    QVariant data(int role) const override;
};

}  // namespace tambrel
