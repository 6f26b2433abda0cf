#include "save_file_url.h"

#include "op_url.h"
#include "safe_address.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QStringEncoder>

namespace tambrel {

namespace {

const QString PagePrefix = QStringLiteral("<html><head><meta http-equiv='refresh' content='0; url=");
const QString PageSuffix = QStringLiteral(
    "'><meta http-equiv='Content-Type' content='text/html; charset=windows-1251'><title>WWW</title>"
    "</head><body></body></html>");

// The page is written in windows-1251; without the code page only Latin-1
// can be written.
QByteArray Cp1251(const QString& text) {
    QStringEncoder encoder("windows-1251");
    return encoder.isValid() ? encoder.encode(text) : text.toLatin1();
}

// Writes the whole page or nothing: a page that cannot be completed leaves
// whatever the file held before, and the number counts as taken.
bool WritePage(const QString& path, const QByteArray& page) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(page) != page.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

}  // namespace

QByteArray RedirectPage(const QString& address) {
    const QString safe = QString::fromStdU16String(SafeAddress(address.toStdU16String()));
    return Cp1251(PagePrefix + safe + PageSuffix + QStringLiteral("\r\n"));
}

void SaveFileUrl(const QString& address) {
    const QByteArray page = RedirectPage(address);
    const QDir folder(ProgramFolder());
    QString written;
    for (int n = 0; n < RedirectPageTries && written.isEmpty(); ++n) {
        const QString name = QStringLiteral("%1.html").arg(n);
        if (WritePage(folder.filePath(name), page)) written = name;
    }
    QCoreApplication::processEvents();
    // With no page on disk the link still opens, straight from the address.
    OpenURL(written.isEmpty() ? address : written);
}

}  // namespace tambrel
