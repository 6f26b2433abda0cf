#pragma once

#include <QWidget>

#include "notebook.h"

class QScrollArea;

namespace tambrel {

class TetradPaper;

// The window «Решение»: the notebook of the last solving on squared paper,
// beside the main window and modeless. The main window makes it on first
// use and hands it every new notebook while it is open. Esc closes it.
class FrmTetrad : public QWidget {
    Q_OBJECT

public:
    explicit FrmTetrad(QWidget* mainWindow);

    // Shows the notebook from its start; an empty one, the line that tells
    // how to get one.
    void showNotebook(const notebook::Notebook& notebook);
    // Opens beside the main window, or brings it to the front.
    void open();
    // Action N's line (from 1) at the top of the view.
    void showAction(int action);

    // What it shows: a notebook or the hint, its plain text, the place of
    // action N's line on the paper, the action whose line the keyboard and
    // a reader are on (0: another line).
    bool showsNotebook() const;
    QString text() const;
    QRect actionLineRect(int action) const;
    int currentAction() const;
    QScrollArea* paperArea() const { return area_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void placeBesideMainWindow();

    QScrollArea* area_;
    TetradPaper* paper_;
    bool placed_ = false;
};

}  // namespace tambrel
