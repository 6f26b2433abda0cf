#pragma once

#include <QLabel>

namespace tambrel {

// One key of the keypad: a label that never takes the focus and reports
// button-down and button-up with its index. The label that got the
// button-down keeps the mouse until the button-up, wherever the pointer is.
// A screen reader hears it by its spoken name and presses it by click().
class KnopkaLabel : public QLabel {
    Q_OBJECT

public:
    KnopkaLabel(int index, const QString& caption, QWidget* parent);

    void setBackground(const QColor& colour);
    int index() const { return index_; }
    // A press and a release, as a mouse click brings them.
    void click();

signals:
    void pressed(int index);
    void released(int index);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    // The second press of a double click is a press like any other.
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    int index_;
};

}  // namespace tambrel
