#pragma once

#include <QString>

namespace tambrel {

// The program's modal boxes, behind one interface so that tests can answer
// them instead of a user.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Yes/No question without an icon, Yes the default; only its two buttons
    // dismiss it. True when the answer is Yes.
    virtual bool askYesNo(const QString& title, const QString& text) = 0;
    // Critical-error icon and one OK button.
    virtual void showCritical(const QString& title, const QString& text) = 0;
};

// The boxes in use: the real Qt ones unless SetMessageBoxes replaced them.
MessageBoxes& Boxes();
// nullptr brings the real boxes back.
void SetMessageBoxes(MessageBoxes* boxes);

}  // namespace tambrel
