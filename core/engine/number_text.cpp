#include "number_text.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "example_text.h"

namespace tambrel {

namespace {

// A positive number as d1,d2d3... times ten to the power exponent: d1 not
// 0, no trailing zeros. Reading and writing both work on this exact form,
// so neither the locale nor a library conversion has a say in them.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

int Compare(const Decimal& a, const Decimal& b) {
    if (a.exponent != b.exponent) return a.exponent < b.exponent ? -1 : 1;
    return a.digits.compare(b.digits);
}

// The exact decimal value of a positive finite double m × 2^e: m × 2^e
// itself, or m × 5^-e shifted -e places, worked out in limbs of nine
// decimal digits.
Decimal ExactDecimal(double value) {
    int e = 0;
    auto m = static_cast<std::uint64_t>(std::ldexp(std::frexp(value, &e), 53));
    const int zeros = std::countr_zero(m);
    m >>= zeros;
    e += zeros - 53;
    constexpr std::uint32_t Base = 1'000'000'000;
    std::vector<std::uint32_t> limbs{static_cast<std::uint32_t>(m % Base),
                                     static_cast<std::uint32_t>(m / Base % Base),
                                     static_cast<std::uint32_t>(m / Base / Base)};
    const auto multiply = [&limbs](std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs) {
            carry += std::uint64_t{limb} * factor;
            limb = static_cast<std::uint32_t>(carry % Base);
            carry /= Base;
        }
        if (carry != 0) limbs.push_back(static_cast<std::uint32_t>(carry));
    };
    for (int left = e; left > 0; left -= 29) multiply(std::uint32_t{1} << std::min(left, 29));
    for (int left = -e; left > 0; left -= 12) {
        std::uint32_t power = 1;  // 5^12 is the largest power of five below the base
        for (int i = 0; i < std::min(left, 12); ++i) power *= 5;
        multiply(power);
    }
    std::string text;
    for (auto limb = limbs.rbegin(); limb != limbs.rend(); ++limb)
        for (std::uint32_t unit = Base / 10; unit > 0; unit /= 10)
            text.push_back(static_cast<char>('0' + *limb / unit % 10));
    const std::size_t first = text.find_first_not_of('0');
    Decimal d{text.substr(first, text.find_last_not_of('0') + 1 - first), 0};
    d.exponent = static_cast<int>(text.size() - first) - 1 - std::max(-e, 0);
    return d;
}

// Whether the decimal lies above (> 0), on (0) or below (< 0) the point
// halfway between low and the next float up; past the largest float that
// next one is 2^128, where the rounding to infinity begins.
int AgainstHalfway(const Decimal& d, float low) {
    const float high = std::nextafter(low, std::numeric_limits<float>::infinity());
    const double halfway = (static_cast<double>(low) + (std::isinf(high) ? std::ldexp(1.0, 128) : high)) / 2;
    return Compare(d, ExactDecimal(halfway));
}

// The last bit of the float's encoding; std::bit_cast is not in every
// standard library the engine is built with.
bool OddMantissa(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return (bits & 1) != 0;
}

// The float nearest to a positive decimal, ties to the even mantissa:
// walked to from a close guess by comparing with the exact halfway points,
// so the guess's own rounding does not matter. Beyond the largest float it
// is infinity, below half the smallest it is 0.
float NearestFloat(const Decimal& d) {
    constexpr float Infinity = std::numeric_limits<float>::infinity();
    // Seven digits and a power of ten up to 10^10 are each exact in a float,
    // so one multiplication or division of them, rounded once, is already
    // the nearest float: the numbers of most examples never need the walk.
    const int shift = d.exponent + 1 - static_cast<int>(d.digits.size());
    if (d.digits.size() <= 7 && shift >= -10 && shift <= 10) {
        float whole = 0;
        for (const char digit : d.digits) whole = whole * 10 + static_cast<float>(digit - '0');
        float power = 1;
        for (int i = 0; i < std::abs(shift); ++i) power *= 10;
        return shift < 0 ? whole / power : whole * power;
    }
    const std::size_t used = std::min<std::size_t>(d.digits.size(), 17);
    double guess = 0;
    for (std::size_t i = 0; i < used; ++i) guess = guess * 10 + (d.digits[i] - '0');
    guess *= std::pow(10.0, d.exponent + 1 - static_cast<int>(used));
    float f = guess > std::numeric_limits<float>::max() ? Infinity : static_cast<float>(guess);
    while (!std::isinf(f)) {
        const int c = AgainstHalfway(d, f);
        if (c < 0 || (c == 0 && !OddMantissa(f))) break;
        f = std::nextafter(f, Infinity);
    }
    while (f > 0) {
        const int c = AgainstHalfway(d, std::nextafter(f, 0.0f));
        if (c > 0 || (c == 0 && !OddMantissa(f))) break;
        f = std::nextafter(f, 0.0f);
    }
    return f;
}

// A number's text as its sign and its exact decimal value; nothing when the
// text is not a number.
struct SignedDecimal {
    bool negative = false;
    Decimal value;  // no digits for zero
};

std::optional<SignedDecimal> ParseNumber(std::u16string_view text) {
    SignedDecimal read{text.starts_with(u'-'), {}};
    Decimal& d = read.value;
    bool comma = false;
    int count = 0;  // digits read
    int whole = 0;  // of them before the comma
    for (std::size_t i = read.negative ? 1 : 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (IsDigit(c)) {
            // The first significant digit: its exponent is the number of whole
            // digits less count + 1, once that number is known.
            if (d.digits.empty() && c != u'0') d.exponent = -count - 1;
            if (!d.digits.empty() || c != u'0') d.digits.push_back(static_cast<char>(c));
            ++count;
            if (!comma) ++whole;
        } else if (c == DecimalComma && !comma) {
            comma = true;
        } else {
            return std::nullopt;
        }
    }
    // A lone comma is a zero; a lone sign, or a sign with a comma, is not.
    if (count == 0) return comma && !read.negative ? std::optional(SignedDecimal{}) : std::nullopt;
    d.exponent += whole;
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    return read;
}

// The double nearest to a positive decimal. Fifteen digits and a power of
// ten up to 10^22 are each exact in a double, so one operation rounded once
// gives the nearest double for every number an example holds in practice;
// longer texts are scaled from their first nineteen digits, a few units in
// the last place of a double, far below the single-precision rounding that
// every result then gets.
double NearestDouble(const Decimal& d) {
    constexpr std::size_t ExactDigits = 15;
    constexpr int ExactPower = 22;
    const std::size_t used = std::min<std::size_t>(d.digits.size(), 19);
    std::uint64_t whole = 0;
    for (std::size_t i = 0; i < used; ++i) whole = whole * 10 + static_cast<std::uint64_t>(d.digits[i] - '0');
    int shift = d.exponent + 1 - static_cast<int>(used);
    auto value = static_cast<double>(whole);
    const auto power = [](int exponent) {
        double p = 1;
        for (int i = 0; i < exponent; ++i) p *= 10;
        return p;
    };
    if (d.digits.size() <= ExactDigits && std::abs(shift) <= ExactPower)
        return shift < 0 ? value / power(-shift) : value * power(shift);
    for (; shift > 0 && !std::isinf(value); shift -= std::min(shift, ExactPower))
        value *= power(std::min(shift, ExactPower));
    for (; shift < 0 && value != 0; shift += std::min(-shift, ExactPower))
        value /= power(std::min(-shift, ExactPower));
    return value;
}

}  // namespace

std::optional<NumberReading> ReadOperand(std::u16string_view text) {
    const std::optional<SignedDecimal> read = ParseNumber(text);
    if (!read) return std::nullopt;
    const bool zero = read->value.digits.empty();
    const float single = zero ? 0.0f : NearestFloat(read->value);
    const double value = zero ? 0.0 : NearestDouble(read->value);
    return read->negative ? NumberReading{-single, -value} : NumberReading{single, value};
}

std::optional<float> ReadNumber(std::u16string_view text) {
    const std::optional<NumberReading> read = ReadOperand(text);
    return read ? std::optional(read->single) : std::nullopt;
}

namespace {

// The letter between the digits and the exponent: "3,333333E-05".
constexpr char ExponentMark = 'E';
constexpr std::size_t SignificantDigits = 7;

// The seven significant digits of |value| without trailing zeros, and the
// decimal exponent of the first one; ties are settled on the float's exact
// binary value, halves to even.
Decimal Rounded(float value) {
    Decimal d = ExactDecimal(std::fabs(static_cast<double>(value)));
    if (d.digits.size() <= SignificantDigits) return d;
    const char next = d.digits[SignificantDigits];
    const bool pastHalf = d.digits.size() > SignificantDigits + 1;  // a non-zero digit further on
    d.digits.resize(SignificantDigits);
    if (next > '5' || (next == '5' && (pastHalf || (d.digits.back() - '0') % 2 == 1))) {
        while (!d.digits.empty() && d.digits.back() == '9') d.digits.pop_back();
        if (d.digits.empty()) {
            d.digits = "1";
            ++d.exponent;
        } else {
            ++d.digits.back();
        }
    }
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    return d;
}

std::u16string Widen(const std::string& s) { return std::u16string(s.begin(), s.end()); }

// Both renderings share the digits and the choice of form; they differ in
// the separator and in whether a whole part "0" is written.
std::string Render(float value, char separator, bool writeZeroWhole) {
    const Decimal d = Rounded(value);
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
