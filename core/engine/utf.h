#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tambrel {

// Strict UTF-8 to UTF-16: overlong forms, surrogates and truncated
// sequences are refused (nullopt).
std::optional<std::u16string> Utf8ToUtf16(std::string_view text);

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace tambrel
