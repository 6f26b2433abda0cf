#include "knopka_label.h"

#include <QMouseEvent>

#include "key_spoken_names.h"

namespace tambrel {

KnopkaLabel::KnopkaLabel(int index, const QString& caption, QWidget* parent)
    : QLabel(caption, parent), index_(index) {
    setObjectName(QStringLiteral("Knopka%1").arg(index));
    const std::u16string_view spoken = KeySpokenNames.at(static_cast<std::size_t>(index));
    setAccessibleName(QString::fromUtf16(spoken.data(), static_cast<qsizetype>(spoken.size())));
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    // A thin frame shows where a key ends; it takes nothing from its size.
    setFrameShape(QFrame::Box);
    setLineWidth(1);
}

void KnopkaLabel::setBackground(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void KnopkaLabel::click() {
    emit pressed(index_);
    emit released(index_);
}

void KnopkaLabel::mousePressEvent(QMouseEvent* e) {
    e->accept();
    emit pressed(index_);
}

void KnopkaLabel::mouseDoubleClickEvent(QMouseEvent* e) { mousePressEvent(e); }

void KnopkaLabel::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    emit released(index_);
}

}  // namespace tambrel
