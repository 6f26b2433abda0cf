#pragma once

#include <QWidget>
#include <vector>

#include "notebook_speech.h"
#include "tetrad_sheet.h"

class QScrollArea;

namespace tambrel {

// The squared paper of the notebook window, inside its scroll area. It
// draws the sheet, or before any solving the one line that tells how to
// get one. By keyboard it goes from line to line as a reader reads them
// (each line in words, see SpokenNotebook), scrolling the line and the
// written work under it into view; Page Up and Page Down scroll by a page,
// Left and Right sideways.
class TetradPaper : public QWidget {
    Q_OBJECT

public:
    TetradPaper(QScrollArea* area, QWidget* parent);

    // An empty notebook shows the hint.
    void setNotebook(const notebook::Notebook& notebook);
    const Sheet& sheet() const { return sheet_; }
    bool hasNotebook() const { return !sheet_.notebook().blocks.empty(); }

    // The lines a reader is given, in order; the hint alone before a solving.
    int lineCount() const { return static_cast<int>(lines_.size()); }
    QString lineWords(int line) const;
    // Where the line stands on the paper: its block, its marks included.
    QRect lineRect(int line) const;
    int currentLine() const { return current_; }
    // The line of action N (from 1), or -1.
    int lineOfAction(int action) const;
    // Makes the line current, at the top of the view.
    void showLineAtTop(int line);

    // The scroll area was resized: the blank paper under a long notebook
    // follows the view's height.
    void viewResized();
    // A cell's side in pixels: 5 mm at the screen's real resolution.
    int cellSize() const { return cell_; }

signals:
    // Another notebook, or the hint: other lines.
    void linesChanged();

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void goToLine(int line);
    void scrollByPage(int direction);
    // The line and the work under it that no reader is given separately.
    QRect lineWithItsWork(int line) const;
    void tellCurrentLine();
    void measure();

    QScrollArea* area_;
    Sheet sheet_;
    std::vector<notebook::SpokenLine> lines_;
    int current_ = 0;
    int cell_ = 19;
    bool keyed_ = false;  // the keyboard has moved in it: the line is framed
};

// The one line shown before any solving.
QString TetradHint();

}  // namespace tambrel
