#include "decimal.h"

#include <algorithm>

#include "words.h"

namespace tambrel::notebook {

namespace {

std::string WithoutLeadingZeros(const std::string& s) {
    const std::size_t first = s.find_first_not_of('0');
    return first == std::string::npos ? "0" : s.substr(first);
}

bool IsAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

std::optional<Decimal> ReadDecimal(std::u16string_view text) {
    Decimal d;
    if (text.starts_with(u'-')) {
        d.negative = true;
        text.remove_prefix(1);
    }
    int exponent = 0;
    if (const auto e = text.find(u'E'); e != std::u16string_view::npos) {
        const std::u16string_view power = text.substr(e + 1);
        if (power.size() < 2 || (power[0] != u'-' && power[0] != u'+')) return std::nullopt;
        for (const char16_t c : power.substr(1)) {
            if (!IsAsciiDigit(c) || exponent > 1000) return std::nullopt;
            exponent = exponent * 10 + (c - u'0');
        }
        if (power[0] == u'-') exponent = -exponent;
        text = text.substr(0, e);
    }
    std::string digits;
    bool comma = false;
    for (const char16_t c : text) {
        if (IsAsciiDigit(c)) {
            digits.push_back(static_cast<char>(c));
            if (comma) ++d.scale;
        } else if (c == u',' && !comma) {
            comma = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits.empty() && (!comma || d.negative)) return std::nullopt;
    d.digits = WithoutLeadingZeros(digits);
    d.scale -= exponent;
    if (d.scale < 0) {
        d.digits = ShiftedLeft(d.digits, -d.scale);
        d.scale = 0;
    }
    return d;
}

Decimal Tidy(Decimal d) {
    while (d.scale > 0 && d.digits.size() > 1 && d.digits.back() == '0') {
        d.digits.pop_back();
        --d.scale;
    }
    if (d.isZero()) {
        d.scale = 0;
        d.negative = false;
    }
    return d;
}

Decimal WithScale(Decimal d, int scale) {
    if (scale > d.scale) {
        d.digits = ShiftedLeft(d.digits, scale - d.scale);
        d.scale = scale;
    }
    return d;
}

int SignificantDigits(const Decimal& d) { return d.isZero() ? 0 : static_cast<int>(d.digits.size()); }

Decimal Magnitude(Decimal d) {
    d.negative = false;
    return d;
}

Decimal Negated(Decimal d) {
    d.negative = !d.negative && !d.isZero();
    return d;
}

bool IsWhole(const Decimal& d) { return Tidy(d).scale == 0; }

std::optional<long long> SmallWhole(const Decimal& d) {
    if (d.digits.size() > 15) return std::nullopt;
    long long value = 0;
    for (const char c : d.digits) value = value * 10 + (c - '0');
    return value;
}

int CompareMagnitudes(const Decimal& a, const Decimal& b) {
    const int scale = std::max(a.scale, b.scale);
    const std::string x = WithScale(a, scale).digits;
    const std::string y = WithScale(b, scale).digits;
    if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
    const int c = x.compare(y);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

std::string SumOfDigits(const std::string& a, const std::string& b) {
    std::string out;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry != 0; ++i) {
        const int x = i < a.size() ? a[a.size() - 1 - i] - '0' : 0;
        const int y = i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
        const int s = x + y + carry;
        out.push_back(static_cast<char>('0' + s % 10));
        carry = s / 10;
    }
    std::reverse(out.begin(), out.end());
    return WithoutLeadingZeros(out);
}

Decimal AddMagnitudes(const Decimal& a, const Decimal& b) {
    const int scale = std::max(a.scale, b.scale);
    return {false, SumOfDigits(WithScale(a, scale).digits, WithScale(b, scale).digits), scale};
}

Decimal SubtractMagnitudes(const Decimal& a, const Decimal& b) {
    const int scale = std::max(a.scale, b.scale);
    const std::string x = WithScale(a, scale).digits;
    const std::string y = WithScale(b, scale).digits;
    std::string out;
    int borrow = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        int s = (x[x.size() - 1 - i] - '0') - borrow - (i < y.size() ? y[y.size() - 1 - i] - '0' : 0);
        borrow = s < 0 ? 1 : 0;
        if (s < 0) s += 10;
        out.push_back(static_cast<char>('0' + s));
    }
    std::reverse(out.begin(), out.end());
    return {false, WithoutLeadingZeros(out), scale};
}

std::string TimesDigit(const std::string& digits, int digit) {
    std::string out;
    int carry = 0;
    for (auto c = digits.rbegin(); c != digits.rend(); ++c) {
        const int p = (*c - '0') * digit + carry;
        out.push_back(static_cast<char>('0' + p % 10));
        carry = p / 10;
    }
    if (carry != 0) out.push_back(static_cast<char>('0' + carry));
    std::reverse(out.begin(), out.end());
    return WithoutLeadingZeros(out);
}

std::string ShiftedLeft(const std::string& digits, int places) {
    return digits == "0" ? digits : digits + std::string(static_cast<std::size_t>(places), '0');
}

Decimal MultiplyMagnitudes(const Decimal& a, const Decimal& b) {
    std::string product = "0";
    for (std::size_t i = 0; i < b.digits.size(); ++i) {
        const int digit = b.digits[b.digits.size() - 1 - i] - '0';
        if (digit != 0)
            product = SumOfDigits(product, ShiftedLeft(TimesDigit(a.digits, digit), static_cast<int>(i)));
    }
    return {false, product, a.scale + b.scale};
}

std::string PlainDigits(const Decimal& d) {
    std::string digits = d.digits;
    if (static_cast<int>(digits.size()) <= d.scale)
        digits.insert(0, static_cast<std::size_t>(d.scale) + 1 - digits.size(), '0');
    if (d.scale > 0) digits.insert(digits.size() - static_cast<std::size_t>(d.scale), 1, ',');
    return digits;
}

std::u16string SchoolText(const Decimal& d) {
    std::u16string text;
    if (d.negative && !d.isZero()) text += words::Minus;
    for (const char c : PlainDigits(d)) text.push_back(static_cast<char16_t>(c));
    return text;
}

}  // namespace tambrel::notebook
