// The main window on long texts: a paste of a long clipboard, undo and redo
// over a full history of long examples, a solving whose actions and
// remainders fill the lists, and the notebook window «Решение» of the
// longest example. Runs headless.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <memory>

#include "calculjator.h"
#include "frm_forma.h"
#include "frm_tetrad.h"
#include "primer_box.h"
#include "shared_state.h"

namespace {

using namespace tambrel;

// A clipboard of `length` characters, every other one kept by the filter.
QString Clipboard(int length) {
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i) text += i % 2 ? u' ' : u"0123456789+-*/kК"[i % 16];
    return text;
}

void PasteFromClipboard(benchmark::State& state) {
    const auto length = static_cast<int>(state.range(0));
    QApplication::clipboard()->setText(Clipboard(length));
    for (auto _ : state) {
        state.PauseTiming();
        ExampleState = Solved;
        FrmForma form;
        form.show();
        form.findChild<QAction*>(QStringLiteral("EditPaste"))->setEnabled(true);
        state.ResumeTiming();
        form.findChild<QAction*>(QStringLiteral("EditPaste"))->trigger();
        state.PauseTiming();
        // A filtered text past the box's room is refused, not cut short.
        state.counters["pasted"] =
            static_cast<double>(form.findChild<PrimerBox*>(QStringLiteral("Primer"))->text().size());
        state.ResumeTiming();
    }
    state.SetLabel(std::to_string(length) + " clipboard characters");
}
BENCHMARK(PasteFromClipboard)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Undo and redo across 100 states of a 10 000-character example.
void UndoRedoLongExample(benchmark::State& state) {
    ExampleState = Solved;
    FrmForma form;
    form.show();
    form.findChild<PrimerBox*>(QStringLiteral("Primer"))->setWholeText(QString(10000, u'1'));
    for (int i = 0; i < 100; ++i)
        QTest::keyClick(form.findChild<PrimerBox*>(QStringLiteral("Primer")), Qt::Key_2);
    form.findChild<QAction*>(QStringLiteral("EditUndo"))->setEnabled(true);
    form.findChild<QAction*>(QStringLiteral("EditRedo"))->setEnabled(true);
    for (auto _ : state) {
        for (int i = 0; i < 100; ++i) form.findChild<QAction*>(QStringLiteral("EditUndo"))->trigger();
        for (int i = 0; i < 100; ++i) form.findChild<QAction*>(QStringLiteral("EditRedo"))->trigger();
    }
    if (form.findChild<PrimerBox*>(QStringLiteral("Primer"))->text().size() != 10100)
        state.SkipWithError("history lost");
    state.SetItemsProcessed(state.iterations() * 200);
}
BENCHMARK(UndoRedoLongExample)->Unit(benchmark::kMillisecond);

// "1+1+…" of the given length through Enter: the engine's work and the
// window's, lists included.
void SolveInWindow(benchmark::State& state) {
    const auto length = static_cast<int>(state.range(0));
    const QString example = QStringLiteral("1") + QStringLiteral("+1").repeated((length - 1) / 2);
    FrmForma form;
    SetEngineWindow(&form);
    form.show();
    for (auto _ : state) {
        form.findChild<PrimerBox*>(QStringLiteral("Primer"))->setWholeText(example);
        QTest::keyClick(form.findChild<PrimerBox*>(QStringLiteral("Primer")), Qt::Key_Return);
        QCoreApplication::processEvents();  // the lists lay their items out
    }
    SetEngineWindow(nullptr);
    if (form.findChild<QLineEdit*>(QStringLiteral("txtOtvet"))->text() != QString::number((length + 1) / 2))
        state.SkipWithError("not solved");
    state.SetLabel(std::to_string(example.size()) + " characters");
}
BENCHMARK(SolveInWindow)->Arg(101)->Arg(1001)->Arg(10000)->Unit(benchmark::kMillisecond);

// The longest example the engine takes, as bench_notebook makes it: groups
// of five actions joined by "+" and "-" in turn up to 10 000 characters.
QString Longest() {
    const QString groups[] = {QStringLiteral("(3+4)*2-9/3"), QStringLiteral("(5-1)^2\\3+K(16)"),
                              QStringLiteral("7*(2-(1+1))+6,5")};
    QString example = groups[0];
    for (int g = 1;; ++g) {
        const QString next = (g % 2 ? u'-' : u'+') + groups[g % 3];
        if (example.size() + next.size() > MaxExampleLength) return example;
        example += next;
    }
}

void Solve(FrmForma& form, const QString& example) {
    form.findChild<PrimerBox*>(QStringLiteral("Primer"))->setWholeText(example);
    QTest::keyClick(form.findChild<PrimerBox*>(QStringLiteral("Primer")), Qt::Key_Return);
    QCoreApplication::processEvents();
}

// F2 after solving the longest example: the window made on first use, the
// notebook laid out on its paper and drawn.
void OpenNotebookOfLongest(benchmark::State& state) {
    const QString example = Longest();
    for (auto _ : state) {
        state.PauseTiming();
        auto form = std::make_unique<FrmForma>();
        SetEngineWindow(form.get());
        form->show();
        Solve(*form, example);
        state.ResumeTiming();
        form->showNotebook();
        form->tetrad()->repaint();
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (!form->tetrad()->isVisible() || !form->tetrad()->showsNotebook())
            state.SkipWithError("not shown");
        SetEngineWindow(nullptr);
        form.reset();
        state.ResumeTiming();
    }
    state.SetLabel(std::to_string(example.size()) + " characters");
}
BENCHMARK(OpenNotebookOfLongest)->Unit(benchmark::kMillisecond);

// The longest example solved again while its notebook is open: the window
// follows the solving.
void SolveWithNotebookOpen(benchmark::State& state) {
    const QString example = Longest();
    FrmForma form;
    SetEngineWindow(&form);
    form.show();
    form.showNotebook();
    for (auto _ : state) {
        Solve(form, example);
        form.tetrad()->repaint();
    }
    if (!form.tetrad()->showsNotebook()) state.SkipWithError("not followed");
    SetEngineWindow(nullptr);
}
BENCHMARK(SolveWithNotebookOpen)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
