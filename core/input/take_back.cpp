#include "take_back.h"

namespace tambrel {

std::optional<std::u16string> TakenBack(std::u16string_view item) {
    const std::size_t close = item.find(u')');
    const std::size_t from = close == std::u16string_view::npos ? 1 : close + 2;
    if (from > item.size()) return std::nullopt;
    return std::u16string(item.substr(from));
}

}  // namespace tambrel
