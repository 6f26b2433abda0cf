#include "number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "example_text.h"

namespace tambrel {

std::optional<float> ReadNumber(std::u16string_view text) {
    std::string ascii;
    ascii.reserve(text.size() + 2);
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == u'-';
    if (negative) {
        ascii.push_back('-');
        i = 1;
    }
    bool comma = false;
    bool digits = false;
    bool wholeDigits = false;  // a non-zero digit before the comma
    for (; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (IsDigit(c)) {
            digits = true;
            wholeDigits = wholeDigits || (!comma && c != u'0');
            ascii.push_back(static_cast<char>(c));
        } else if (c == DecimalComma && !comma) {
            comma = true;
            if (!digits) ascii.push_back('0');
            ascii.push_back('.');
        } else {
            return std::nullopt;
        }
    }
    if (!digits) {
        // A lone comma is a zero; a lone sign, or a sign with a comma, is not.
        if (comma && !negative) return 0.0f;
        return std::nullopt;
    }
    float value = 0.0f;
    const auto [end, ec] =
        std::from_chars(ascii.data(), ascii.data() + ascii.size(), value, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range) {
        value = wholeDigits ? std::numeric_limits<float>::infinity() : 0.0f;
        if (negative) value = -value;
    } else if (ec != std::errc() || end != ascii.data() + ascii.size()) {
        return std::nullopt;
    }
    return value;
}

namespace {

// The letter between the digits and the exponent: "3,333333E-05".
constexpr char ExponentMark = 'E';

// The seven significant digits of |value| without trailing zeros, and the
// decimal exponent of the first one; ties are settled on the float's exact
// binary value, halves to even.
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits SignificantDigits(float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(static_cast<double>(value)),
                                      std::chars_format::scientific, 6);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    Digits d;
    d.digits.push_back(text[0]);
    const std::size_t e = text.find('e');
    d.digits.append(text.substr(2, e - 2));
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), d.exponent);
    return d;
}

std::u16string Widen(const std::string& s) { return std::u16string(s.begin(), s.end()); }

// Both renderings share the digits and the choice of form; they differ in
// the separator and in whether a whole part "0" is written.
std::string Render(float value, char separator, bool writeZeroWhole) {
    const Digits d = SignificantDigits(value);
    std::string out;
    if (d.exponent >= -4 && d.exponent <= 6) {
        std::string whole;
        std::string fraction;
        if (d.exponent >= 0) {
            const auto wholeLength = static_cast<std::size_t>(d.exponent) + 1;
            whole = d.digits.substr(0, std::min(wholeLength, d.digits.size()));
            whole.resize(wholeLength, '0');
            if (d.digits.size() > wholeLength) fraction = d.digits.substr(wholeLength);
        } else {
            whole = "0";
            fraction = std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
        }
        if (whole != "0" || writeZeroWhole || fraction.empty()) out = whole;
        if (!fraction.empty()) out += separator + fraction;
    } else {
        out.push_back(d.digits[0]);
        if (d.digits.size() > 1) out += separator + d.digits.substr(1);
        out.push_back(ExponentMark);
        out.push_back(d.exponent < 0 ? '-' : '+');
        const int magnitude = std::abs(d.exponent);
        if (magnitude < 10) out.push_back('0');
        out += std::to_string(magnitude);
    }
    return out;
}

// Values the range checks should have stopped; written so that no text of
// the engine ever says "nan" or "inf".
bool Unwritable(float value) { return !std::isfinite(value); }

}  // namespace

bool HoldsExponentForm(std::u16string_view text) {
    for (std::size_t i = 1; i + 1 < text.size(); ++i)
        if (text[i] == ExponentMark && IsDigit(text[i - 1]) && (text[i + 1] == u'-' || text[i + 1] == u'+'))
            return true;
    return false;
}

std::u16string NumberText(float value) {
    if (value == 0.0f || Unwritable(value)) return u"0";
    const std::string body = Render(value, static_cast<char>(DecimalComma), true);
    return Widen(value < 0 ? "-" + body : body);
}

std::u16string ListNumberText(float value) {
    if (value == 0.0f || Unwritable(value)) return u" 0";
    const std::string body = Render(value, '.', false);
    return Widen((value < 0 ? "-" : " ") + body);
}

}  // namespace tambrel
