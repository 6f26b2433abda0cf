#include "save_file_url.h"

#include "op_url.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace tambrel {

namespace {

const QString PagePrefix = QStringLiteral("<html><head><meta http-equiv='refresh' content='0; url=");
const QString PageSuffix = QStringLiteral(
    "'><meta http-equiv='Content-Type' content='text/html; charset=windows-1251'><title>WWW</title>"
    "</head><body></body></html>");

// The characters windows-1251 holds above ASCII, taken from the code page
// itself; without it only ASCII counts as representable.
class CodePage {
public:
    CodePage() {
        QStringDecoder decoder("windows-1251");
        if (!decoder.isValid()) return;
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            const char one = static_cast<char>(byte);
            const QString decoded = decoder.decode(QByteArrayView(&one, 1));
            if (decoded.size() == 1 && decoded[0] != QChar::ReplacementCharacter) {
                high_[static_cast<size_t>(byte - 0x80)] = decoded[0].unicode();
            }
        }
        valid_ = true;
    }

    bool Holds(char32_t c) const {
        if (c < 0x80) return true;
        if (!valid_) return false;
        for (char16_t h : high_) {
            if (h != 0 && h == c) return true;
        }
        return false;
    }

    QByteArray Encode(const QString& text) const {
        if (!valid_) return text.toLatin1();
        QStringEncoder encoder("windows-1251");
        return encoder.encode(text);
    }

private:
    std::array<char16_t, 128> high_{};
    bool valid_ = false;
};

const CodePage& Cp1251() {
    static const CodePage page;
    return page;
}

// The address comes from web content: a quote would end the attribute and a
// '<' would open markup in a page the browser runs from a local file.
bool EndsAttributeOrOpensMarkup(char32_t c) {
    return c == U'\'' || c == U'"' || c == U'<' || c == U'>' || c < 0x20 || c == 0x7F;
}

void AppendPercentEncoded(QString& out, char32_t c) {
    const QString one = QString::fromUcs4(&c, 1);
    for (char byte : one.toUtf8()) {
        out += QStringLiteral("%%1").arg(static_cast<unsigned char>(byte), 2, 16, QChar(u'0')).toUpper();
    }
}

QString SafeAddress(const QString& address) {
    QString out;
    out.reserve(address.size());
    for (char32_t c : address.toUcs4()) {
        if (EndsAttributeOrOpensMarkup(c) || !Cp1251().Holds(c)) {
            AppendPercentEncoded(out, c);
        } else {
            out += QString::fromUcs4(&c, 1);
        }
    }
    return out;
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
    return Cp1251().Encode(PagePrefix + SafeAddress(address) + PageSuffix + QStringLiteral("\r\n"));
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
