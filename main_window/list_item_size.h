#pragma once

#include <QFontMetricsF>
#include <QSize>
#include <array>

class QListWidget;

namespace tambrel {

// The size of a result list's item, found without laying its text out: a
// long solving writes thousands of long remainders, and measuring each as
// laid-out text held the window up for seconds. Items are made of digits,
// signs and brackets, whose advances are summed from a table; a text with
// any other character is measured whole.
class ListItemSize {
public:
    // Takes the list's font and the height of its one-line rows.
    explicit ListItemSize(QListWidget* list);

    QSize of(const QString& text);

private:
    QFontMetricsF metrics_;
    int height_ = 0;
    int margin_ = 0;
    std::array<qreal, 128> advance_{};
};

}  // namespace tambrel
