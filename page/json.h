#pragma once

#include <string>
#include <string_view>

namespace tambrel {

// JSON written by hand, as UTF-16, for what the page's script reads: the
// core's tables (facts.cpp) and the notebook (page.cpp).
class Json {
public:
    // An object or an array as a value: "{" or "[" opens it, "}" or "]"
    // closes it.
    Json& open(char16_t bracket) {
        separate();
        text_ += bracket;
        first_ = true;
        return *this;
    }
    Json& close(char16_t bracket) {
        text_ += bracket;
        first_ = false;
        return *this;
    }
    Json& field(std::u16string_view name) {
        separate();
        quote(name);
        text_ += u':';
        first_ = true;
        return *this;
    }
    Json& value(std::u16string_view s) {
        separate();
        quote(s);
        return *this;
    }
    Json& value(std::string_view s) { return value(std::u16string(s.begin(), s.end())); }
    Json& value(int n) {
        separate();
        const std::string digits = std::to_string(n);
        text_.append(digits.begin(), digits.end());
        return *this;
    }
    Json& value(bool b) {
        separate();
        text_ += b ? u"true" : u"false";
        return *this;
    }
    const std::u16string& text() const { return text_; }

private:
    void separate() {
        if (!first_) text_ += u',';
        first_ = false;
    }
    void quote(std::u16string_view s) {
        static constexpr std::u16string_view Hex = u"0123456789abcdef";
        text_ += u'"';
        for (const char16_t c : s) {
            if (c < u' ') {
                text_ += u"\\u00";
                text_ += Hex[c >> 4];
                text_ += Hex[c & 15];
                continue;
            }
            if (c == u'"' || c == u'\\') text_ += u'\\';
            text_ += c;
        }
        text_ += u'"';
    }

    std::u16string text_;
    bool first_ = true;
};

}  // namespace tambrel
