// What the keyboard may type into Primer, and what every change of it does.
#include <QAction>

#include "frm_forma.h"
#include "primer_box.h"
#include "shared_state.h"

namespace tambrel {

namespace {

bool Allowed(char16_t code) {
    for (const char16_t c : AllowedChars) {
        if (c != 0 && c == code) return true;
    }
    return false;
}

}  // namespace

void FrmForma::Primer_KeyPress(char16_t& code) {
    if (code == u'K' || code == u'k' || code == u'Л' || code == u'л') {
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
    } else if (!Allowed(code) && code != u'\b') {
        code = 0;
    }
}

void FrmForma::Primer_Change() {
    if (ExampleState != Restoring) recordEditHistoryStep();
    ExampleState = Changed;
    Primer->setToolTip(Primer->text());
}

void FrmForma::recordEditHistoryStep() {}

void FrmForma::EditPrimerOtvet_Click() {
    // The switch itself comes with the Edit menu; until then a click must not
    // leave a mark that disagrees with the value.
    EditPrimerOtvet->setChecked(ReplaceWithAnswer != 0);
}

}  // namespace tambrel
