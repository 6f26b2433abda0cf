#pragma once

#include "op_url.h"

#include <QFile>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

namespace tambrel::test {

// Stands in for the desktop: records what it was asked to open and answers
// as told, so that no browser starts during a test.
struct RecordingOpener {
    struct Call {
        QString target;
        QString workingDir;
    };
    QList<Call> calls;
    bool answer = true;            // what the desktop answers
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

    QStringList targets() const {
        QStringList targets;
        for (const Call& call : calls) targets << call.target;
        return targets;
    }
};

// The recording opener with a fresh temporary folder as the program's folder.
struct FakeDesktop : RecordingOpener {
    QTemporaryDir folder;

    FakeDesktop() { SetProgramFolder(folder.path()); }
    ~FakeDesktop() { SetProgramFolder({}); }

    QString path(const QString& name) const { return folder.filePath(name); }
    QByteArray read(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
};

}  // namespace tambrel::test
