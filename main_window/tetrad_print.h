#pragma once

#include "notebook.h"

class QPrinter;
class QWidget;

namespace tambrel {

// Who chooses the printer: the print dialog, behind one interface so that
// tests can print to a file instead of asking a user.
class PrinterChoice {
public:
    virtual ~PrinterChoice() = default;
    // Sets the printer up; false when the user cancelled.
    virtual bool choose(QPrinter& printer, QWidget* parent) = 0;
};

// The choice in use: Qt's print dialog unless SetPrinterChoice replaced it.
PrinterChoice& Printers();
// nullptr brings the dialog back.
void SetPrinterChoice(PrinterChoice* choice);

// Prints the notebook on squared paper of 5 mm cells, as the window shows
// it, page after page; wider than a page, in strips side by side.
void PrintNotebook(const notebook::Notebook& notebook, QWidget* parent);

}  // namespace tambrel
