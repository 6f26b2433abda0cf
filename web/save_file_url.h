#pragma once

#include <QByteArray>
#include <QString>

namespace tambrel {

// Opens a web address in the user's browser by way of a redirect page n.html
// written in the program's folder (0.html in the ordinary case; the next
// number when a page cannot be written under one). When no page can be
// written under any of the first 100 numbers, the address itself is opened.
void SaveFileUrl(const QString& address);

// The redirect page for an address, as it is written to disk: one line in
// windows-1251, ended by CR LF.
QByteArray RedirectPage(const QString& address);

// How many page numbers are tried before the address is opened directly.
inline constexpr int RedirectPageTries = 100;

}  // namespace tambrel
