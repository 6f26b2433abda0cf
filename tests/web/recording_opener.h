#pragma once

#include <QFile>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

#include "seams.h"

namespace tambrel::test {

// Stands in for the desktop: records what it was asked to open and answers
// as told, so that no browser starts during a test. The program's folder is
// a fresh temporary one unless a folder is given.
struct FakeDesktop {
    struct Call {
        QString target;
        QString workingDir;
    };
    QList<Call> calls;
    bool answer = true;            // what the desktop answers
    std::function<void()> during;  // runs inside each call
    QTemporaryDir folder;

    explicit FakeDesktop(const QString& programFolder = {}) {
        seams_.programFolder(programFolder.isEmpty() ? folder.path() : programFolder)
            .opener([this](const QString& target, const QString& workingDir) {
                calls.append({target, workingDir});
                if (during) during();
                return answer;
            });
    }

    QStringList targets() const {
        QStringList targets;
        for (const Call& call : calls) targets << call.target;
        return targets;
    }
    QString path(const QString& name) const { return folder.filePath(name); }
    QByteArray read(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

private:
    UseSeams seams_;
};

}  // namespace tambrel::test
