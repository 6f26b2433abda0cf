#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace tambrel {

// The file that keeps ReplaceWithAnswer between runs, in the working folder.
inline const QString SettingsFileName = QStringLiteral("Тамбрель.ini");

// The first number field of the file's bytes: leading blanks and line breaks
// skipped, the field ending at a blank, a comma, a line end or the end. A
// field that is not a whole number within 32 bits gives 0.
std::int32_t ReadNumberField(const QByteArray& bytes);

// The value read from the file, or nothing when the file cannot be opened.
std::optional<std::int32_t> ReadSettingsFile(const QString& path);

// The file's one line: the value with a blank (or its minus sign) before it,
// a blank after it, and CR LF.
QByteArray SettingsLine(std::int32_t value);

// Writes the line to a temporary file beside the settings file and renames
// it over it, so that the old file stays whole when anything fails. False
// when nothing was written.
bool WriteSettingsFile(const QString& path, std::int32_t value);

}  // namespace tambrel
