#include "list_item_size.h"

#include <QListWidget>
#include <QStyle>
#include <QtMath>

namespace tambrel {

ListItemSize::ListItemSize(QListWidget* list) : metrics_(list->font()) {
    list->addItem(QStringLiteral("0"));
    height_ = list->sizeHintForRow(0);
    delete list->takeItem(0);
    // The text margin the list's items are drawn with, on either side.
    margin_ = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
}

QSize ListItemSize::of(const QString& text) {
    qreal width = 0;
    for (const QChar c : text) {
        if (c.unicode() >= advance_.size()) {
            width = metrics_.horizontalAdvance(text);
            break;
        }
        qreal& advance = advance_[c.unicode()];
        if (advance == 0) advance = metrics_.horizontalAdvance(c);
        width += advance;
    }
    return {qCeil(width) + 2 * margin_, height_};
}

}  // namespace tambrel
