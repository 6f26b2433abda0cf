#include "spoken_text.h"

#include <cstddef>

#include "key_spoken_names.h"

namespace tambrel {

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// A number as the engine writes it: digits and commas, perhaps in exponent
// form ("3,333333E-05").
bool IsNumberChar(char16_t c) { return IsDigit(c) || c == u','; }

std::u16string_view SignWord(char16_t c) {
    switch (c) {
        case u'+': return u"плюс";
        case u'-': return u"минус";
        case u'*': return u"умножить на";
        case u'/': return u"разделить на";
        case u'\\': return u"целочисленно разделить на";
        case u'^': return u"в степени";
        case u'=': return u"равно";
        // As the keys that type them are named.
        case u'(': return KeySpokenNames[18];
        case u')': return KeySpokenNames[19];
        default: return {};
    }
}

class Words {
public:
    void add(std::u16string_view word) {
        if (word.empty()) return;
        if (!text_.empty()) text_ += u' ';
        text_ += word;
    }
    std::u16string take() { return std::move(text_); }

private:
    std::u16string text_;
};

// The number that starts at i; i moves past it. An exponent is read out:
// "1E-05" is «1 умножить на 10 в степени минус 5».
void AddNumber(std::u16string_view text, std::size_t& i, Words& words) {
    const std::size_t start = i;
    while (i < text.size() && IsNumberChar(text[i])) ++i;
    words.add(text.substr(start, i - start));
    if (i + 1 >= text.size() || (text[i] != u'E' && text[i] != u'e')) return;
    std::size_t at = i + 1;
    const bool negative = text[at] == u'-';
    if (text[at] == u'-' || text[at] == u'+') ++at;
    if (at >= text.size() || !IsDigit(text[at])) return;
    while (at + 1 < text.size() && text[at] == u'0' && IsDigit(text[at + 1])) ++at;
    const std::size_t digits = at;
    while (at < text.size() && IsDigit(text[at])) ++at;
    words.add(u"умножить на 10 в степени");
    if (negative) words.add(u"минус");
    words.add(text.substr(digits, at - digits));
    i = at;
}

// The length of a lone number, perhaps negative, from i up to a ")"; 0 if
// something else stands there.
std::size_t LoneNumberBeforeBracket(std::u16string_view text, std::size_t i) {
    std::size_t at = i;
    if (at < text.size() && text[at] == u'-') ++at;
    const std::size_t digits = at;
    while (at < text.size() && IsNumberChar(text[at])) ++at;
    if (at == digits || at >= text.size() || text[at] != u')') return 0;
    return at - i;
}

}  // namespace

std::u16string SpokenExample(std::u16string_view example) {
    Words words;
    std::size_t i = 0;
    while (i < example.size()) {
        const char16_t c = example[i];
        if (IsNumberChar(c)) {
            AddNumber(example, i, words);
            continue;
        }
        if (c == u'K') {
            // A root of a lone number needs no brackets in words: «корень
            // из 16»; anything longer keeps them, to tell where it ends.
            words.add(u"корень из");
            ++i;
            if (i < example.size() && example[i] == u'(') {
                if (const std::size_t length = LoneNumberBeforeBracket(example, i + 1); length > 0) {
                    const std::u16string inner = SpokenExample(example.substr(i + 1, length));
                    words.add(inner);
                    i += length + 2;
                }
            }
            continue;
        }
        if (const std::u16string_view word = SignWord(c); !word.empty()) {
            words.add(word);
        } else if (c != u' ') {
            words.add(example.substr(i, 1));
        }
        ++i;
    }
    return words.take();
}

std::u16string SpokenListItem(std::u16string_view item) {
    std::size_t start = 0;
    while (start < item.size() && item[start] == u' ') ++start;
    std::size_t label = start;
    while (label < item.size() && IsDigit(item[label])) ++label;
    if (label == start || label >= item.size() || item[label] != u')') return SpokenExample(item);
    ++label;
    Words words;
    words.add(item.substr(start, label - start));
    words.add(SpokenExample(item.substr(label)));
    return words.take();
}

}  // namespace tambrel
