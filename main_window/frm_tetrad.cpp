#include "frm_tetrad.h"

#include <QKeyEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "tetrad_paper.h"

namespace tambrel {

namespace {

// The window's first size, in cells of the paper: the notebook it opens
// with and a free cell round it, between a few words and a page of a small
// exercise book.
constexpr int FewestAcross = 24;
constexpr int MostAcross = 40;
constexpr int FewestDown = 10;
constexpr int MostDown = 28;

}  // namespace

FrmTetrad::FrmTetrad(QWidget* mainWindow) : QWidget(mainWindow, Qt::Window) {
    setObjectName(QStringLiteral("frmTetrad"));
    setWindowTitle(QStringLiteral("Решение"));
    setFont(Sheet::face());
    area_ = new QScrollArea(this);
    area_->setObjectName(QStringLiteral("paperArea"));
    area_->setFrameShape(QFrame::NoFrame);
    area_->setWidgetResizable(true);
    area_->setFocusPolicy(Qt::NoFocus);
    paper_ = new TetradPaper(area_, area_);
    area_->setWidget(paper_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area_);
    paper_->setFocus();
}

void FrmTetrad::showNotebook(const notebook::Notebook& notebook) {
    paper_->setNotebook(notebook);
    area_->verticalScrollBar()->setValue(0);
    area_->horizontalScrollBar()->setValue(0);
}

void FrmTetrad::open() {
    if (!placed_) {
        const int cell = paper_->cellSize();
        const int across = std::clamp(paper_->minimumWidth() / cell + 1, FewestAcross, MostAcross);
        const int down = std::clamp(paper_->minimumHeight() / cell + 1, FewestDown, MostDown);
        resize(across * cell + area_->verticalScrollBar()->sizeHint().width(), down * cell);
        placeBesideMainWindow();
    }
    placed_ = true;
    show();
    raise();
    activateWindow();
    paper_->setFocus();
}

// To the right of the main window where the screen has room, else to its
// left, else as far right as the screen goes.
void FrmTetrad::placeBesideMainWindow() {
    const QWidget* main = parentWidget();
    const QScreen* shown = main != nullptr ? main->screen() : screen();
    if (main == nullptr || shown == nullptr) return;
    const QRect room = shown->availableGeometry();
    const QRect beside = main->frameGeometry();
    constexpr int Gap = 8;
    QPoint at(beside.right() + 1 + Gap, beside.top());
    if (at.x() + width() > room.right()) at.setX(beside.left() - Gap - width());
    if (at.x() < room.left()) at.setX(std::max(room.left(), room.right() + 1 - width()));
    at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - height())));
    move(at);
}

void FrmTetrad::showAction(int action) { paper_->showLineAtTop(paper_->lineOfAction(action)); }

bool FrmTetrad::showsNotebook() const { return paper_->hasNotebook(); }

QString FrmTetrad::text() const {
    if (!paper_->hasNotebook()) return TetradHint() + u'\n';
    return QString::fromStdU16String(notebook::NotebookText(paper_->sheet().notebook()));
}

QRect FrmTetrad::actionLineRect(int action) const { return paper_->lineRect(paper_->lineOfAction(action)); }

int FrmTetrad::currentAction() const {
    for (int action = 1;; ++action) {
        const int line = paper_->lineOfAction(action);
        if (line < 0) return 0;
        if (line == paper_->currentLine()) return action;
    }
}

// The keyboard goes back to the main window, where the pupil came from.
void FrmTetrad::closeEvent(QCloseEvent* e) {
    QWidget::closeEvent(e);
    if (parentWidget() != nullptr && parentWidget()->isVisible()) parentWidget()->activateWindow();
}

void FrmTetrad::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    paper_->viewResized();
}

void FrmTetrad::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && (e->modifiers() & ~Qt::KeypadModifier) == 0) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

}  // namespace tambrel
