#pragma once

#include <QString>

#include <functional>

namespace tambrel {

// Asks the desktop to open a document name or a web address with the
// program associated with it, and returns without waiting for that program.
// A bare or relative name is found in the program's folder, whatever the
// current directory is. Nothing is ever reported: what the desktop shows is
// its own.
void OpenURL(const QString& name);

// The folder of the executable, where the help page and the redirect pages
// lie. Tests point it elsewhere; an empty folder restores the default.
QString ProgramFolder();
void SetProgramFolder(const QString& folder);

// Hands a target (absolute path or address) to the desktop, with the working
// directory to start the opener in; false when the opener could not start.
using DesktopOpener = std::function<bool(const QString& target, const QString& workingDir)>;

// Replaces the desktop's opener (tests record the calls instead of starting
// a browser); an empty function restores xdg-open.
void SetDesktopOpener(DesktopOpener opener);

// Starts xdg-open detached on the target.
bool OpenWithXdg(const QString& target, const QString& workingDir);

}  // namespace tambrel
