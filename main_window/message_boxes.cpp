#include "message_boxes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

namespace tambrel {

namespace {

// A Yes/No question the user must answer: Escape and the title bar's close
// button would otherwise count as No.
class YesNoBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->matches(QKeySequence::Cancel)) return;
        QMessageBox::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent* e) override {
        // done() of a button click hides the box without a close event, so
        // every close event here comes from outside the two buttons.
        e->ignore();
    }
};

class QtMessageBoxes : public MessageBoxes {
public:
    bool askYesNo(const QString& title, const QString& text) override {
        YesNoBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No,
                     QApplication::activeWindow());
        // The interface is Russian whatever the system's language.
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
        box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
        box.setDefaultButton(QMessageBox::Yes);
        box.setWindowFlags((box.windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint) &
                           ~Qt::WindowCloseButtonHint);
        return box.exec() == QMessageBox::Yes;
    }

    void showCritical(const QString& title, const QString& text) override {
        QMessageBox::critical(QApplication::activeWindow(), title, text, QMessageBox::Ok);
    }
};

QtMessageBoxes qtBoxes;
MessageBoxes* current = &qtBoxes;

}  // namespace

MessageBoxes& Boxes() { return *current; }

void SetMessageBoxes(MessageBoxes* boxes) { current = boxes != nullptr ? boxes : &qtBoxes; }

}  // namespace tambrel
