#include "op_url.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>

#include <utility>

namespace tambrel {

namespace {

QString& FolderOverride() {
    static QString folder;
    return folder;
}

DesktopOpener& OpenerOverride() {
    static DesktopOpener opener;
    return opener;
}

// "http://…", "mailto:…", "file:…": a scheme of two letters or more, so
// that nothing that looks like a drive letter counts as an address.
bool IsAddress(const QString& name) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(name).hasMatch();
}

}  // namespace

QString ProgramFolder() {
    if (!FolderOverride().isEmpty()) return FolderOverride();
    return QCoreApplication::applicationDirPath();
}

void SetProgramFolder(const QString& folder) { FolderOverride() = folder; }

void SetDesktopOpener(DesktopOpener opener) { OpenerOverride() = std::move(opener); }

bool OpenWithXdg(const QString& target, const QString& workingDir) {
    QProcess opener;
    opener.setProgram(QStringLiteral("xdg-open"));
    opener.setArguments({target});
    opener.setWorkingDirectory(workingDir);
    // Nothing of the opener's own belongs on the program's input.
    opener.setStandardInputFile(QProcess::nullDevice());
    return opener.startDetached();
}

void OpenURL(const QString& name) {
    if (name.isEmpty()) return;
    const QString folder = ProgramFolder();
    QString target = name;
    if (!IsAddress(name) && QDir::isRelativePath(name)) target = QDir(folder).absoluteFilePath(name);
    const DesktopOpener& opener = OpenerOverride();
    // The result is not looked at: a refusal is the desktop's business.
    if (opener) {
        opener(target, folder);
    } else {
        OpenWithXdg(target, folder);
    }
}

}  // namespace tambrel
