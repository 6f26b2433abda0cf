#include "tetrad_print.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "tetrad_sheet.h"

namespace tambrel {

namespace {

constexpr qreal CellMillimetres = 5;
constexpr qreal MillimetresPerInch = 25.4;

class DialogChoice : public PrinterChoice {
public:
    bool choose(QPrinter& printer, QWidget* parent) override {
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(QStringLiteral("Печать"));
        // The whole notebook, to a printer or to a PDF file.
        dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
        return dialog.exec() == QDialog::Accepted;
    }
};

DialogChoice dialogChoice;
PrinterChoice* current = &dialogChoice;

// Pages of whole cells; a page does not end on a row of marks, which
// belong to the row under them.
void PrintSheet(const Sheet& sheet, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return;
    const qreal cell = printer.resolution() * CellMillimetres / MillimetresPerInch;
    const QRectF page(0, 0, printer.width(), printer.height());
    const int across = std::max(Sheet::FirstColumn + 1, static_cast<int>(page.width() / cell));
    const int down = std::max(2, static_cast<int>(page.height() / cell));
    bool first = true;
    for (int top = 0; top < sheet.rows();) {
        int bottom = std::min(sheet.rows(), top + down);
        if (bottom < sheet.rows() && sheet.marksRow(bottom - 1)) --bottom;
        for (int left = 0; left < sheet.columns(); left += across) {
            if (!first) printer.newPage();
            first = false;
            const QPointF origin(-left * cell, -top * cell);
            painter.save();
            painter.setClipRect(page);
            Sheet::drawPaper(painter, page, origin, cell);
            sheet.draw(painter, QRect(left, top, across, bottom - top), origin, cell, Sheet::face());
            painter.restore();
        }
        top = bottom;
    }
    painter.end();
}

}  // namespace

PrinterChoice& Printers() { return *current; }

void SetPrinterChoice(PrinterChoice* choice) { current = choice != nullptr ? choice : &dialogChoice; }

void PrintNotebook(const notebook::Notebook& notebook, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Решение"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (!Printers().choose(printer, parent)) return;
    PrintSheet(Sheet(notebook), printer);
}

}  // namespace tambrel
