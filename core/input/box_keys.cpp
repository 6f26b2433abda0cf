#include "box_keys.h"

#include <algorithm>

namespace tambrel {

NamedKey NamedKeyCalled(std::u16string_view web) {
    const auto* found =
        std::find_if(KeyNames.begin(), KeyNames.end(), [web](const KeyName& n) { return n.web == web; });
    return found != KeyNames.end() ? found->key : NamedKey::None;
}

const KeyName& NameOf(NamedKey key) {
    static constexpr KeyName none{NamedKey::None, u"", u""};
    const auto* found =
        std::find_if(KeyNames.begin(), KeyNames.end(), [key](const KeyName& n) { return n.key == key; });
    return found != KeyNames.end() ? *found : none;
}

bool BoxEditsItself(const PressedKey& key) {
    if (key.altOrMeta) return false;
    return std::any_of(EditingKeys.begin(), EditingKeys.end(), [&key](const EditingKey& k) {
        return k.key == key.key && (k.withShift || !key.shift) && (k.withCtrl || !key.ctrl);
    });
}

std::u16string DeliveredCodes(const PressedKey& key) {
    if (key.altOrMeta) return {};
    if (key.ctrl) {
        if (key.letter >= u'A' && key.letter <= u'Z') return {static_cast<char16_t>(key.letter - u'A' + 1)};
        if (key.key == NamedKey::Backspace) return {u'\x7f'};
        if (key.key == NamedKey::Enter) return {u'\n'};
        return {};
    }
    switch (key.key) {
        case NamedKey::Backspace: return {u'\b'};
        case NamedKey::Enter: return {u'\r'};
        case NamedKey::Escape: return {u'\x1b'};
        case NamedKey::None: break;
        default: return {};
    }
    std::u16string typed;
    for (const char16_t c : key.text) {
        if (c >= 0x20 && c != 0x7f) typed += c;
    }
    return typed;
}

}  // namespace tambrel
