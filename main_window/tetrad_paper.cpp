#include "tetrad_paper.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include "words.h"

namespace tambrel {

namespace {

constexpr qreal CellMillimetres = 5;
constexpr qreal MillimetresPerInch = 25.4;

QFont Sized(QFont font, int pixels) {
    font.setPixelSize(std::max(1, pixels));
    return font;
}

}  // namespace

QString TetradHint() {
    return QString::fromUtf16(notebook::words::NoSolvingYet.data(),
                              static_cast<qsizetype>(notebook::words::NoSolvingYet.size()));
}

TetradPaper::TetradPaper(QScrollArea* area, QWidget* parent) : QWidget(parent), area_(area) {
    setObjectName(QStringLiteral("paper"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Тетрадь"));
    setNotebook({});
}

// 5 mm at the screen's real resolution; a screen that tells no believable
// size of itself is taken at its logical resolution.
void TetradPaper::measure() {
    const QScreen* shown = screen();
    qreal dpi = shown != nullptr ? shown->physicalDotsPerInchY() : 96;
    if (!(dpi >= 50 && dpi <= 600)) dpi = shown != nullptr ? shown->logicalDotsPerInchY() : 96;
    const qreal ratio = shown != nullptr ? shown->devicePixelRatio() : 1;
    cell_ = std::max(8, qRound(CellMillimetres / MillimetresPerInch * dpi / ratio));
    const int hintWidth =
        QFontMetrics(Sized(font(), qRound(cell_ * Sheet::Writing))).horizontalAdvance(TetradHint());
    const int width = hasNotebook() ? sheet_.columns() * cell_ : (Sheet::FirstColumn + 1) * cell_ + hintWidth;
    // Blank paper under a notebook, as an exercise book goes on, so that
    // any line can stand at the top.
    const int written = sheet_.rows() * cell_;
    const int view = area_->maximumViewportSize().height();
    setMinimumSize(width, hasNotebook() ? std::max(written, written + view - 2 * cell_) : written);
    // At once, not at the next layout: the view may be scrolled right after.
    resize(minimumSize().expandedTo(area_->viewport()->size()));
    area_->verticalScrollBar()->setSingleStep(cell_);
    area_->horizontalScrollBar()->setSingleStep(cell_);
}

void TetradPaper::setNotebook(const notebook::Notebook& notebook) {
    sheet_ = Sheet(notebook);
    lines_ = notebook.blocks.empty() ? std::vector<notebook::SpokenLine>{{0, TetradHint().toStdU16String()}}
                                     : notebook::SpokenNotebook(notebook);
    current_ = 0;
    keyed_ = false;
    measure();
    update();
    emit linesChanged();
}

QString TetradPaper::lineWords(int line) const {
    if (line < 0 || line >= lineCount()) return {};
    return QString::fromStdU16String(lines_[static_cast<std::size_t>(line)].words);
}

QRect TetradPaper::lineRect(int line) const {
    if (line < 0 || line >= lineCount()) return {};
    const int left = Sheet::FirstColumn * cell_;
    if (!hasNotebook()) return {left, cell_, minimumWidth() - left, cell_};
    const std::size_t block = lines_[static_cast<std::size_t>(line)].block;
    const int top = sheet_.topOf(block) * cell_;
    const int width = std::max(1, sheet_.notebook().blocks[block].width()) * cell_;
    return {left, top, width, sheet_.bottomOf(block) * cell_ - top};
}

QRect TetradPaper::lineWithItsWork(int line) const {
    QRect work = lineRect(line);
    if (!hasNotebook()) return work;
    const std::size_t next = line + 1 < lineCount() ? lines_[static_cast<std::size_t>(line) + 1].block
                                                    : sheet_.notebook().blocks.size();
    for (std::size_t b = lines_[static_cast<std::size_t>(line)].block + 1; b < next; ++b) {
        const int top = sheet_.topOf(b) * cell_;
        work |= QRect(work.left(), top, sheet_.notebook().blocks[b].width() * cell_,
                      sheet_.bottomOf(b) * cell_ - top);
    }
    return work;
}

int TetradPaper::lineOfAction(int action) const {
    if (!hasNotebook() || action < 1) return -1;
    int seen = 0;
    for (int line = 0; line < lineCount(); ++line) {
        const std::size_t block = lines_[static_cast<std::size_t>(line)].block;
        if (sheet_.notebook().blocks[block].kind == notebook::BlockKind::Action && ++seen == action)
            return line;
    }
    return -1;
}

void TetradPaper::showLineAtTop(int line) {
    if (line < 0 || line >= lineCount()) return;
    current_ = line;
    area_->verticalScrollBar()->setValue(lineRect(line).top());
    area_->horizontalScrollBar()->setValue(0);
    update();
    tellCurrentLine();
}

void TetradPaper::goToLine(int line) {
    current_ = std::clamp(line, 0, lineCount() - 1);
    keyed_ = true;
    // The line and the work under it, as much as the view holds; its own
    // row above all.
    const QRect work = lineWithItsWork(current_);
    QScrollBar* down = area_->verticalScrollBar();
    const int height = area_->viewport()->height();
    if (work.top() < down->value()) {
        down->setValue(work.top());
    } else if (work.bottom() >= down->value() + height) {
        down->setValue(std::min(work.top(), work.bottom() + 1 - height));
    }
    QScrollBar* across = area_->horizontalScrollBar();
    if (work.left() < across->value() || work.left() >= across->value() + area_->viewport()->width())
        across->setValue(0);
    update();
    tellCurrentLine();
}

// The first line whose top is in view becomes the current one.
void TetradPaper::scrollByPage(int direction) {
    QScrollBar* down = area_->verticalScrollBar();
    down->setValue(down->value() + direction * down->pageStep());
    int line = lineCount() - 1;
    while (line > 0 && lineRect(line - 1).top() >= down->value()) --line;
    current_ = line;
    keyed_ = true;
    update();
    tellCurrentLine();
}

void TetradPaper::keyPressEvent(QKeyEvent* e) {
    if (e->modifiers() & ~Qt::KeypadModifier) return QWidget::keyPressEvent(e);
    switch (e->key()) {
        case Qt::Key_Up: return goToLine(current_ - 1);
        case Qt::Key_Down: return goToLine(current_ + 1);
        case Qt::Key_Home:
            // The top of the page, its margin too.
            goToLine(0);
            area_->verticalScrollBar()->setValue(0);
            return;
        case Qt::Key_End: return goToLine(lineCount() - 1);
        case Qt::Key_PageUp: return scrollByPage(-1);
        case Qt::Key_PageDown: return scrollByPage(1);
        case Qt::Key_Left:
            return area_->horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        case Qt::Key_Right:
            return area_->horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        default: QWidget::keyPressEvent(e);
    }
}

// The toolkit tells a reader of the paper after this event: the line is
// told once it has.
void TetradPaper::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    QTimer::singleShot(0, this, &TetradPaper::tellCurrentLine);
}

void TetradPaper::viewResized() { measure(); }

void TetradPaper::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::FontChange) measure();
}

void TetradPaper::tellCurrentLine() {
    if (!QAccessible::isActive() || !hasFocus()) return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(current_);
    QAccessible::updateAccessibility(&event);
}

void TetradPaper::paintEvent(QPaintEvent* e) {
    QPainter painter(this);
    const QRect area = e->rect();
    Sheet::drawPaper(painter, area, QPointF(0, 0), cell_);
    if (hasNotebook()) {
        const QRect cells(area.left() / cell_, area.top() / cell_, area.width() / cell_ + 2,
                          area.height() / cell_ + 2);
        sheet_.draw(painter, cells, QPointF(0, 0), cell_, font());
    } else {
        painter.setPen(Sheet::ink());
        painter.setFont(Sized(font(), qRound(cell_ * Sheet::Writing)));
        painter.drawText(lineRect(0), Qt::AlignLeft | Qt::AlignVCenter, TetradHint());
    }
    // Where the keyboard is, once it has moved.
    if (keyed_ && hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(lineRect(current_).adjusted(-cell_ / 4, 0, cell_ / 4, -1));
    }
}

}  // namespace tambrel
