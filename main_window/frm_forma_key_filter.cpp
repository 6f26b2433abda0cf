// What the keyboard may type into Primer, and what every change of it does.
#include <QAction>

#include "frm_forma.h"
#include "primer_box.h"
#include "shared_state.h"

namespace tambrel {

void FrmForma::Primer_KeyPress(char16_t& code) {
    if (InSet(TypedRootLetters, code)) {
        // The root comes with its bracket pair, the caret between them.
        insertAtCaret(QStringLiteral("K()"), 2);
        code = 0;
        return;
    }
    if (code == u'(' && Primer->caret() == Primer->text().size()) {
        insertAtCaret(QStringLiteral("()"), 1);
        code = 0;
        return;
    }
    if (code == u'\r') solveWhenChanged();
    if (code == u'=') {
        code = u'+';
    } else if (!InAllowedChars(code) && code != u'\b') {
        code = 0;
    }
}

void FrmForma::Primer_Change() {
    if (ExampleState != Restoring) editHistory_.record(Primer->text(), Primer->cursorPosition());
    ExampleState = Changed;
    Primer->setToolTip(Primer->text());
}

}  // namespace tambrel
