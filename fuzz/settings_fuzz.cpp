// Arbitrary bytes as the settings file: reading never crashes or waits, a
// file gives what its first 64 KB give, only a whole number within 32 bits
// reads as anything but 0, and every value written reads back as itself.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "settings_file.h"

namespace {

// What the reader looks at of a longer file.
constexpr qsizetype ReadLimit = qsizetype{64} * 1024;

void Check(bool holds) {
    if (!holds) __builtin_trap();
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The field as the reader's contract words it, spelt out on its own: after
// a byte-order mark and blanks, at most one sign and then only digits up to
// a blank, a comma or the end, within 32 bits; anything else is 0.
std::int32_t ExpectedField(const QByteArray& bytes) {
    qsizetype i = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < bytes.size() && IsBlank(bytes[i])) ++i;
    bool negative = false;
    if (i < bytes.size() && (bytes[i] == '+' || bytes[i] == '-')) negative = bytes[i++] == '-';
    std::int64_t value = 0;
    qsizetype digits = 0;
    for (; i < bytes.size() && bytes[i] >= '0' && bytes[i] <= '9'; ++i, ++digits) {
        value = value * 10 + (bytes[i] - '0');
        if (value > std::int64_t{INT32_MAX} + 1) return 0;
    }
    if (digits == 0) return 0;
    if (i < bytes.size() && !IsBlank(bytes[i]) && bytes[i] != ',') return 0;
    if (negative) value = -value;
    return value > INT32_MAX ? 0 : static_cast<std::int32_t>(value);
}

// A private folder for the run, gone again when the fuzzer ends.
const QTemporaryDir& Folder() {
    static const QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/tambrel-settings-fuzz-XXXXXX"));
    if (!folder.isValid()) std::abort();
    return folder;
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) std::abort();
    return file.readAll();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tambrel;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::int32_t field = ReadNumberField(bytes);
    Check(field == ExpectedField(bytes));

    // As a file: once as it is, and once behind blank lines that put the
    // end of what is read in the middle of the bytes.
    const QString path = Folder().filePath(SettingsFileName);
    const QByteArray padded = QByteArray(std::max(qsizetype{0}, ReadLimit - bytes.size() / 2), '\n') + bytes;
    for (const QByteArray& content : {bytes, padded}) {
        WriteAll(path, content);
        Check(ReadSettingsFile(path) == ReadNumberField(content.left(ReadLimit)));
    }

    // What a close writes is read back at the next start: the value just
    // read, and any 32 bits of the input.
    std::int32_t raw = 0;
    std::memcpy(&raw, data, std::min(size, sizeof raw));
    for (const std::int32_t value : {field, raw}) {
        const QByteArray line = SettingsLine(value);
        Check(line.startsWith(value < 0 ? '-' : ' ') && line.endsWith(" \r\n"));
        Check(ReadNumberField(line) == value);
        Check(WriteSettingsFile(path, value));
        Check(ReadAll(path) == line);
        Check(ReadSettingsFile(path) == value);
        Check(!QFile::exists(path + QStringLiteral(".tmp")));
    }
    return 0;
}
