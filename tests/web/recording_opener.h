#pragma once

#include "op_url.h"

#include <QList>
#include <QString>

#include <functional>

namespace tambrel::test {

// Stands in for the desktop: records what it was asked to open and answers
// as told, so no browser starts during a test.
struct RecordingOpener {
    struct Call {
        QString target;
        QString workingDir;
    };
    QList<Call> calls;
    bool answer = true;
    std::function<void()> during;  // runs inside each call

    RecordingOpener() {
        SetDesktopOpener([this](const QString& target, const QString& workingDir) {
            calls.append({target, workingDir});
            if (during) during();
            return answer;
        });
    }
    ~RecordingOpener() { SetDesktopOpener({}); }
    RecordingOpener(const RecordingOpener&) = delete;
    RecordingOpener& operator=(const RecordingOpener&) = delete;
};

}  // namespace tambrel::test
