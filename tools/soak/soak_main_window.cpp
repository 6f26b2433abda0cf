// The soak program: the real main window driven by many random operations
// a user could make (keypad clicks, typed keys, Edit commands, solving,
// remainders taken back), checking after each that the example, its tooltip
// and the edit history agree and that the window still answers, then
// comparing resident memory once 10 000 operations have warmed it up.
//
//   soak_main_window [operations [seed]] [--hang-limit SECONDS] [--trace]

#include <QClipboard>
#include <QElapsedTimer>
#include <deque>
#include <iostream>
#include <random>

#include "save_ini_m.h"
#include "soak_driver.h"
#include "soak_support.h"

using namespace tambrel;
using namespace tambrel::testing;
using soak::Operation;
using soak::Shown;

namespace {

// Memory is compared from here on; before it Qt's caches are still filling.
constexpr long WarmUp = 10000;
constexpr long GrowthLimitKb = 5 * 1024;
#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's quarantine holds freed memory back, so resident memory
// says nothing about leaks there; the sanitizer reports those itself.
constexpr bool RssShowsLeaks = false;
#else
constexpr bool RssShowsLeaks = true;
#endif
// Operations remembered for the report of a failure.
constexpr std::size_t Remembered = 30;

// The headless platform notes every popup it cannot raise or grab for; a
// thousand menu openings would bury the report.
QtMessageHandler standardHandler = nullptr;
void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
    if (standardHandler != nullptr) standardHandler(type, context, message);
}

void Say(const QString& line) { std::cout << line.toStdString() << std::endl; }

struct Options {
    long operations = 100000;
    std::uint32_t seed = std::random_device{}();
    int hangLimit = 5;   // seconds one operation may take before the run fails
    bool trace = false;  // every operation and the state after it
};

bool Parse(const QStringList& args, Options& o) {
    int positional = 0;
    for (qsizetype i = 1; i < args.size(); ++i) {
        bool ok = false;
        if (args[i] == QStringLiteral("--trace")) {
            o.trace = ok = true;
        } else if (args[i] == QStringLiteral("--hang-limit") && i + 1 < args.size()) {
            o.hangLimit = args[++i].toInt(&ok);
            ok = ok && o.hangLimit > 0;
        } else if (positional == 0) {
            o.operations = args[i].toLong(&ok);
            ok = ok && o.operations > 0;
            ++positional;
        } else if (positional == 1) {
            o.seed = args[i].toUInt(&ok);
            ++positional;
        }
        if (!ok) return false;
    }
    return true;
}

int Run(FrmForma& form, FakeBoxes& boxes, const Options& o) {
    Say(QStringLiteral("seed %1, %2 operations").arg(o.seed).arg(o.operations));
    soak::Driver driver(form, boxes, o.seed);
    soak::Watchdog watchdog{std::chrono::seconds(o.hangLimit)};
    std::deque<QString> recent;
    QStringList unsolved;
    long answered = 0;
    const long warmAt = std::min(WarmUp, o.operations / 2);
    long warmRss = soak::RssKb();
    QElapsedTimer total;
    total.start();
    for (long i = 1; i <= o.operations; ++i) {
        Operation op = driver.pick();
        const QString before = driver.state();
        const QString where =
            QStringLiteral("seed %1, operation %2: %3\nbefore: %4").arg(o.seed).arg(i).arg(op.what, before);
        watchdog.begin(where.toStdString());
        QElapsedTimer took;
        took.start();
        const int criticals = boxes.criticals;
        op.run();
        // A few examples end in the engine's internal-error box; the first are listed.
        if (boxes.criticals != criticals && unsolved.size() < 10)
            unsolved.push_back(testing::Find<PrimerBox>(&form, QStringLiteral("Primer"))->text());
        op.what += driver.trim();
        // A posted call that arrives shows the event loop still turns.
        QMetaObject::invokeMethod(
            qApp, [&answered] { ++answered; }, Qt::QueuedConnection);
        QCoreApplication::processEvents();
        const qint64 ms = took.elapsed();
        watchdog.end();
        recent.push_back(op.what);
        if (recent.size() > Remembered) recent.pop_front();

        QString fault = driver.broken();
        if (fault.isEmpty() && answered != i) fault = QStringLiteral("a posted event was never delivered");
        if (fault.isEmpty() && ms > o.hangLimit * 1000LL)
            fault = QStringLiteral("the operation took %1 ms").arg(ms);
        if (!fault.isEmpty()) {
            Say(QStringLiteral("FAIL: %1\n%2\nafter: %3\nthe last operations, oldest first:")
                    .arg(fault, where, driver.state()));
            for (const QString& line : recent) Say(QStringLiteral("  ") + line);
            Say(QStringLiteral("rerun: soak_main_window %1 %2").arg(i).arg(o.seed));
            return 1;
        }
        if (o.trace) Say(QStringLiteral("%1: %2\n    %3").arg(i).arg(op.what, driver.state()));
        if (i == warmAt) warmRss = soak::RssKb();
        if (i % 10000 == 0) {
            Say(QStringLiteral("%1 operations, %2 s, RSS %3 kB")
                    .arg(i)
                    .arg(static_cast<double>(total.elapsed()) / 1000.0, 0, 'f', 1)
                    .arg(soak::RssKb()));
        }
    }
    const double seconds = static_cast<double>(total.elapsed()) / 1000.0;
    const long endRss = soak::RssKb();
    const long growth = endRss - warmRss;
    Say(QStringLiteral("%1 operations in %2 s, %3 operations/s")
            .arg(o.operations)
            .arg(seconds, 0, 'f', 1)
            .arg(static_cast<double>(o.operations) / seconds, 0, 'f', 0));
    Say(QStringLiteral("RSS after %1 operations %2 kB, at the end %3 kB, growth %4 kB")
            .arg(warmAt)
            .arg(warmRss)
            .arg(endRss)
            .arg(growth));
    Say(QStringLiteral("internal-error boxes %1, closing questions %2")
            .arg(boxes.criticals)
            .arg(boxes.questions));
    for (const QString& example : unsolved) Say(QStringLiteral("  internal error on ") + Shown(example, 400));
    if (RssShowsLeaks && o.operations >= 2 * WarmUp && growth >= GrowthLimitKb) {
        Say(QStringLiteral("FAIL: memory grew by %1 kB after the first %2 operations (limit %3 kB), seed %4")
                .arg(growth)
                .arg(WarmUp)
                .arg(GrowthLimitKb)
                .arg(o.seed));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    standardHandler = qInstallMessageHandler(QuietPlatform);
    QApplication app(argc, argv);
    Options options;
    if (!Parse(QCoreApplication::arguments(), options)) {
        std::cerr << "usage: soak_main_window [operations [seed]] [--hang-limit SECONDS] [--trace]\n";
        return 2;
    }
    QApplication::clipboard()->clear();
    // In an empty folder of its own, as start-up leaves the window with the
    // switch off; closing asks the boxes the driver answers.
    Program program;
    auto* form = static_cast<FrmForma*>(program.openWindow());
    form->setUnloadHandler(&ConfirmCloseAndSave);
    return Run(*form, program.boxes, options);
}
