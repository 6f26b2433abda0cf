#include "settings_file.h"

#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <charconv>
#include <cstdio>

namespace tambrel {

namespace {

// Enough for any blank lines a hand-edited file puts before the number; the
// rest of the file is never looked at.
constexpr qint64 ReadLimit = qint64{64} * 1024;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool EndsField(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n'; }

}  // namespace

std::int32_t ReadNumberField(const QByteArray& bytes) {
    const char* p = bytes.constData();
    const char* end = p + bytes.size();
    // A byte-order mark left by an editor is no part of the number.
    if (bytes.startsWith("\xEF\xBB\xBF")) p += 3;
    while (p != end && IsBlank(*p)) ++p;
    const char* fieldEnd = p;
    while (fieldEnd != end && !EndsField(*fieldEnd)) ++fieldEnd;
    // One sign at most: a plus is skipped here, so a minus must not follow it.
    if (p != fieldEnd && *p == '+' && ++p != fieldEnd && *p == '-') return 0;
    std::int32_t value = 0;
    const auto [stop, error] = std::from_chars(p, fieldEnd, value);
    if (error != std::errc{} || stop != fieldEnd) return 0;
    return value;
}

std::optional<std::int32_t> ReadSettingsFile(const QString& path) {
    // Only a plain file: opening a pipe or a device could wait for ever.
    if (!QFileInfo(path).isFile()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return ReadNumberField(file.read(ReadLimit));
}

QByteArray SettingsLine(std::int32_t value) {
    QByteArray line = QByteArray::number(value);
    if (value >= 0) line.prepend(' ');
    return line + " \r\n";
}

bool WriteSettingsFile(const QString& path, std::int32_t value) {
    const QString temporary = path + QStringLiteral(".tmp");
    // A leftover of a close that was cut short; a directory of that name stays
    // and makes the writing fail below.
    QFile::remove(temporary);
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return false;
    const QByteArray line = SettingsLine(value);
    const bool written = file.write(line) == line.size() && file.flush() && ::fsync(file.handle()) == 0;
    file.close();
    // rename() replaces the old file in one step; QFile::rename would refuse.
    if (!written ||
        std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(temporary);
        return false;
    }
    return true;
}

}  // namespace tambrel
