// Thousands of seeded random actions solved, their notebooks printed as
// text, and the text read back here, with arithmetic of its own: every
// column must add up, place by place. A column this reader does not
// understand fails the test, as does one whose numbers do not agree.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "calculjator.h"
#include "notebook_builder.h"
#include "plain_window.h"
#include "shared_state.h"
#include "utf.h"

namespace tambrel::testing {
namespace {

using Text = std::u16string;

// Whole numbers as digit strings, without leading zeros.
std::string Trim(std::string s) {
    s.erase(0, std::min(s.find_first_not_of('0'), s.size() - (s.empty() ? 0 : 1)));
    return s.empty() ? "0" : s;
}
int Compare(const std::string& a, const std::string& b) {
    const std::string x = Trim(a), y = Trim(b);
    if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
    return x.compare(y) < 0 ? -1 : (x == y ? 0 : 1);
}
std::string Add(const std::string& a, const std::string& b) {
    std::string out;
    int carry = 0;
    for (std::size_t i = 0; i < a.size() || i < b.size() || carry; ++i) {
        const int s = carry + (i < a.size() ? a[a.size() - 1 - i] - '0' : 0) +
                      (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
        out.insert(out.begin(), static_cast<char>('0' + s % 10));
        carry = s / 10;
    }
    return Trim(out);
}
std::string Sub(const std::string& a, const std::string& b) {  // a >= b
    std::string out;
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        int s = a[a.size() - 1 - i] - '0' - borrow - (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
        borrow = s < 0;
        out.insert(out.begin(), static_cast<char>('0' + (s + 10) % 10));
    }
    return Trim(out);
}
std::string Mul(const std::string& a, const std::string& b) {
    std::string out = "0";
    for (std::size_t i = 0; i < b.size(); ++i)
        for (int k = 0; k < b[b.size() - 1 - i] - '0'; ++k) out = Add(out, a + std::string(i, '0'));
    return out;
}

// A number read off a row: its digits, places after the comma, the cell of
// its last digit.
struct Number {
    std::string digits;
    int scale = 0;
    int end = -1;
    int begin = -1;
    std::map<int, char> cells;  // cell -> digit
};

// One column as printed: its lines, and the text columns that stand
// between cells (a comma's, the corner's).
struct Column {
    std::vector<Text> lines;
    std::vector<bool> between;

    int width() const {
        std::size_t w = 0;
        for (const Text& l : lines) w = std::max(w, l.size());
        return static_cast<int>(w);
    }
    void findBetween() {
        between.assign(static_cast<std::size_t>(width()) + 1, false);
        for (const Text& l : lines)
            for (std::size_t t = 0; t < l.size(); ++t)
                if (Text(u",│├┼┤").find(l[t]) != Text::npos) between[t] = true;
    }
    int cellOf(std::size_t t) const {
        return static_cast<int>(t) -
               static_cast<int>(std::count(between.begin(), between.begin() + static_cast<long>(t), true));
    }
    // The digits of a line between text columns from and to.
    Number read(const Text& line, std::size_t from = 0, std::size_t to = Text::npos) const {
        Number n;
        bool comma = false;
        for (std::size_t t = from; t < std::min(to, line.size()); ++t) {
            const char16_t c = line[t];
            if (c >= u'0' && c <= u'9') {
                n.digits.push_back(static_cast<char>(c));
                n.end = cellOf(t);
                if (n.begin < 0) n.begin = n.end;
                n.cells[n.end] = static_cast<char>(c);
                if (comma) ++n.scale;
            } else if (c == u',') {
                comma = true;
            }
        }
        return n;
    }
};

bool Only(const Text& line, std::u16string_view chars) {
    return !line.empty() && line.find_first_not_of(chars) == Text::npos;
}
char16_t First(const Text& line) {
    const auto i = line.find_first_not_of(u' ');
    return i == Text::npos ? u'\0' : line[i];
}
bool IsRule(const Text& line) { return Only(line, u" ─├┼┤│") && line.find(u'─') != Text::npos; }
bool IsColumnLine(const Text& line) { return Only(line, u" 0123456789,·+−×─│├┼┤"); }

struct Tally {
    int sums = 0, differences = 0, products = 0, partials = 0, divisions = 0, subtractions = 0, actions = 0;
};

class Reader {
public:
    Reader(const std::string& example, Tally& tally) : example_(example), tally_(tally) {}

    void check(const std::vector<Text>& lines) {
        std::size_t i = 0;
        while (i < lines.size() && !IsAction(lines[i])) ++i;
        while (i < lines.size()) {
            if (IsAction(lines[i])) {
                settle();
                action_ = lines[i++];
                ++tally_.actions;
                continue;
            }
            if (!IsColumnLine(lines[i])) {
                ++i;
                continue;
            }
            std::size_t end = i;
            while (end < lines.size() && IsColumnLine(lines[end])) ++end;
            while (i < end) i = column(lines, i, end);
        }
        settle();
    }

private:
    static bool IsAction(const Text& line) {
        const auto paren = line.find(u") ");
        return paren != Text::npos && paren > 0 && line.find_first_not_of(u"0123456789") == paren;
    }
    void fail(const std::string& why) {
        ADD_FAILURE() << why << " in «" << example_ << "» under «" << Utf16ToUtf8(action_) << "»";
    }
    // The value the action line says is carried on, when it says "=".
    std::optional<std::string> stated(int& scale, std::optional<std::string>& remainder) const {
        if (action_.find(u'≈') != Text::npos || action_.find(u"так как") != Text::npos) return std::nullopt;
        const auto at = action_.rfind(u" = ");
        if (at == Text::npos) return std::nullopt;
        Text value = action_.substr(at + 3);
        if (const auto r = value.find(u" (ост. "); r != Text::npos) {
            remainder = Utf16ToUtf8(value.substr(r + 7, value.size() - r - 8));
            value.resize(r);
        }
        if (!value.empty() && value[0] == u'−') value.erase(0, 1);
        std::string digits;
        scale = 0;
        bool comma = false;
        for (const char16_t c : value) {
            if (c == u',')
                comma = true;
            else if (c >= u'0' && c <= u'9') {
                digits.push_back(static_cast<char>(c));
                scale += comma;
            } else
                return std::nullopt;
        }
        return digits;
    }
    // Equal values, whatever zeros end the fraction.
    static bool Same(std::string a, int sa, std::string b, int sb) {
        while (sa < sb) {
            a += '0';
            ++sa;
        }
        while (sb < sa) {
            b += '0';
            ++sb;
        }
        return Compare(a, b) == 0;
    }
    // The last column of an action ends with what its line says, when it
    // says "=" (a power's first product is only on the way).
    void result(const std::string& digits, int scale, const std::string* remainder = nullptr) {
        last_ = {digits, scale, remainder != nullptr ? *remainder : std::string(), remainder != nullptr};
    }
    void settle() {
        if (!last_) return;
        const Last l = *last_;
        last_.reset();
        const std::string* remainder = l.hasRemainder ? &l.remainder : nullptr;
        const std::string digits = l.digits;
        const int scale = l.scale;
        int s = 0;
        std::optional<std::string> r;
        const auto value = stated(s, r);
        if (!value) return;
        if (!Same(digits, scale, *value, s)) fail("the column's result is not the line's");
        if (r && remainder != nullptr && Compare(*r, *remainder) != 0)
            fail("the remainder is not the line's");
    }

    std::size_t column(const std::vector<Text>& lines, std::size_t i, std::size_t end) {
        Column c;
        std::size_t j = i;
        Text marks;
        if (Only(lines[j], u" ·")) marks = lines[j++];
        if (j >= end) {
            fail("a column of marks alone");
            return end;
        }
        if (lines[j].find(u'│') != Text::npos) return division(lines, j, end);
        if (j + 3 >= end + 1 || !IsRule(lines[j + 2])) {
            fail("a column without its line");
            return end;
        }
        const char16_t sign = First(lines[j + 1]);
        if (sign == u'+' || sign == u'−') {
            c.lines = {marks, lines[j], lines[j + 1], lines[j + 3]};
            c.findBetween();
            sum(c, sign == u'−');
            return j + 4;
        }
        if (sign != u'×') {
            fail("a column with no sign");
            return end;
        }
        std::size_t k = j + 3;
        std::vector<Text> partials;
        if (k + 1 < end && First(lines[k + 1]) == u'+') {
            while (k < end && !IsRule(lines[k])) partials.push_back(lines[k++]);
            ++k;
        }
        if (k >= end) {
            fail("a product without its result");
            return end;
        }
        c.lines = {lines[j], lines[j + 1]};
        for (const Text& p : partials) c.lines.push_back(p);
        c.lines.push_back(lines[k]);
        c.findBetween();
        product(c, partials.size());
        return k + 1;
    }

    void sum(const Column& c, bool subtract) {
        const Number x = c.read(c.lines[1]);
        const Number y = c.read(c.lines[2]);
        const Number r = c.read(c.lines[3]);
        if (x.end != y.end || x.end != r.end || x.scale != y.scale || x.scale != r.scale)
            return fail("places not under each other");
        if (subtract ? Compare(Sub(x.digits, y.digits), r.digits) != 0 || Compare(x.digits, y.digits) < 0
                     : Compare(Add(x.digits, y.digits), r.digits) != 0)
            return fail("a wrong sum or difference");
        // Carries and borrows, place by place, against the dots.
        const Number dots = [&] {
            Number d;
            for (std::size_t t = 0; t < c.lines[0].size(); ++t)
                if (c.lines[0][t] == u'·') d.cells[c.cellOf(t)] = '.';
            return d;
        }();
        int carry = 0;
        std::map<int, char> expected;
        for (int cell = x.end; cell >= std::min(x.begin, y.begin); --cell) {
            const int a = x.cells.count(cell) ? x.cells.at(cell) - '0' : 0;
            const int b = y.cells.count(cell) ? y.cells.at(cell) - '0' : 0;
            const int s = subtract ? a - carry - b : a + carry + b;
            carry = subtract ? s < 0 : s / 10;
            if (carry) expected[cell - 1] = '.';
        }
        if (dots.cells != expected) fail(subtract ? "borrows marked wrong" : "carries marked wrong");
        ++(subtract ? tally_.differences : tally_.sums);
        result(r.digits, r.scale);
    }

    void product(const Column& c, std::size_t partialCount) {
        const Number top = c.read(c.lines[0]);
        const Number lower = c.read(c.lines[1]);
        const Number p = c.read(c.lines.back());
        if (Trim(top.digits).size() < Trim(lower.digits).size()) fail("the shorter factor on top");
        if (top.end != lower.end || p.end != top.end) return fail("factors not right-aligned");
        if (p.scale != top.scale + lower.scale) return fail("the product's comma misplaced");
        std::string sum = "0";
        std::vector<int> shifts;
        for (std::size_t i = 0; i < partialCount; ++i) {
            const Number part = c.read(c.lines[2 + i]);
            const int shift = top.end - part.end;
            const std::string low = Trim(lower.digits);
            if (shift < 0 || shift >= static_cast<int>(low.size()))
                return fail("a partial product out of place");
            const char digit = low[low.size() - 1 - static_cast<std::size_t>(shift)];
            if (digit == '0' || Compare(Mul(Trim(top.digits), std::string(1, digit)), part.digits) != 0)
                return fail("a wrong partial product");
            shifts.push_back(shift);
            sum = Add(sum, part.digits + std::string(static_cast<std::size_t>(shift), '0'));
            ++tally_.partials;
        }
        const std::string low = Trim(lower.digits);
        const auto nonZero =
            static_cast<std::size_t>(std::count_if(low.begin(), low.end(), [](char d) { return d != '0'; }));
        if (partialCount > 0 &&
            (nonZero != partialCount || std::set<int>(shifts.begin(), shifts.end()).size() != partialCount))
            return fail("a digit of the lower factor without its partial product");
        if (partialCount == 1 || (partialCount == 0 && nonZero != 1))
            return fail("partial products where one is the product");
        if (partialCount > 0 && Compare(sum, p.digits) != 0)
            return fail("partial products that do not add up");
        if (Compare(Mul(Trim(top.digits), low), p.digits) != 0) return fail("a wrong product");
        ++tally_.products;
        result(p.digits, p.scale);
    }

    std::size_t division(const std::vector<Text>& lines, std::size_t i, std::size_t end) {
        std::size_t k = i + 3;
        // Rule, remainder, and again while a product follows.
        while (k + 1 < end && IsRule(lines[k]) && First(lines[k + 1]) != u'\0') {
            k += 2;
            if (!(k + 1 < end && First(lines[k]) == u'−' && IsRule(lines[k + 1]))) break;
            ++k;
        }
        Column c;
        c.lines.assign(lines.begin() + static_cast<long>(i), lines.begin() + static_cast<long>(k));
        c.findBetween();
        if (c.lines.size() < 5 || c.lines[1].find(u'├') == Text::npos) {
            fail("a division without its corner");
            return k;
        }
        const std::size_t bar = c.lines[0].find(u'│');
        const Number dividend = c.read(c.lines[0], 0, bar);
        const Number divisor = c.read(c.lines[0], bar);
        const Number quotient = c.read(c.lines[2], bar);
        if (divisor.scale != 0 || Trim(divisor.digits) == "0") fail("a divisor not whole");
        std::string partial;
        int partialEnd = -1;
        const auto prefix = [&](int last) {
            std::string d;
            for (const auto& [cell, digit] : dividend.cells)
                if (cell <= last) d.push_back(digit);
            return d;
        };
        Number rest;
        for (std::size_t row = 2; row < c.lines.size(); row += 3) {
            const Number product = c.read(c.lines[row], 0, row == 2 ? bar : Text::npos);
            if (First(c.lines[row]) != u'−' || row + 2 >= c.lines.size()) {
                fail("a product without its remainder");
                return k;
            }
            if (row == 2) {
                partial = prefix(product.end);
                if (Compare(prefix(product.end - 1), divisor.digits) >= 0)
                    fail("the first partial dividend too long");
            } else if (partialEnd != product.end) {
                fail("a product not under its partial dividend");
            }
            rest = c.read(c.lines[row + 2]);
            std::string kept, brought;
            for (const auto& [cell, digit] : rest.cells)
                (cell <= product.end ? kept : brought).push_back(digit);
            const std::string difference =
                Compare(partial, product.digits) >= 0 ? Sub(partial, product.digits) : "-";
            bool productOk = false;
            for (char d = '1'; d <= '9'; ++d)
                productOk |= Compare(Mul(Trim(divisor.digits), std::string(1, d)), product.digits) == 0;
            if (!productOk) fail("a product that is not a digit times the divisor");
            if (difference == "-" || Compare(difference, Trim(kept)) != 0 ||
                Compare(difference, divisor.digits) >= 0)
                fail("a wrong remainder");
            for (const auto& [cell, digit] : rest.cells)
                if (cell > product.end && (!dividend.cells.count(cell) || dividend.cells.at(cell) != digit))
                    fail("a digit brought down that the dividend does not hold there");
            partial = rest.digits;
            partialEnd = rest.end;
            ++tally_.subtractions;
        }
        // The whole: quotient times divisor and the last remainder make the
        // dividend as far as it was used, the comma in its place.
        const std::string used = prefix(rest.end);
        if (Compare(Add(Mul(Trim(quotient.digits), Trim(divisor.digits)), rest.digits), used) != 0)
            fail("quotient, divisor and remainder do not make the dividend");
        int usedPlaces = 0;
        for (const auto& [cell, digit] : dividend.cells)
            usedPlaces += cell <= rest.end && cell > dividend.end - dividend.scale;
        if (quotient.scale != usedPlaces) fail("the quotient's comma misplaced");
        const bool withRemainder = action_.find(u'\\') != Text::npos;
        const std::string significant = Trim(quotient.digits);
        if (!withRemainder && Trim(rest.digits) != "0" && significant.size() < 7)
            fail("a division stopped early");
        ++tally_.divisions;
        result(quotient.digits, quotient.scale, &rest.digits);
        return k;
    }

    struct Last {
        std::string digits;
        int scale;
        std::string remainder;
        bool hasRemainder;
    };
    std::string example_;
    Tally& tally_;
    Text action_;
    std::optional<Last> last_;
};

// Numbers a pupil meets: whole or with a few places, zeros among the
// digits, sometimes negative (then in brackets).
class Examples {
public:
    explicit Examples(unsigned seed) : random_(seed) {}

    std::string number(int maxDigits, bool sign = true) {
        const int digits = pick(1, maxDigits);
        std::string n;
        for (int i = 0; i < digits; ++i)
            n.push_back(static_cast<char>('0' + (pick(0, 3) == 0 ? 0 : pick(0, 9))));
        n = Trim(n);
        if (pick(0, 2) == 0 && n.size() < 7) {
            const int places = pick(1, 3);
            std::string fraction;
            for (int i = 0; i < places; ++i) fraction.push_back(static_cast<char>('0' + pick(0, 9)));
            n += "," + fraction;
        }
        return sign && pick(0, 5) == 0 ? "(-" + n + ")" : n;
    }
    std::string next() {
        static const char ops[] = {'+', '-', '*', '/', '\\', '^', 'K'};
        const char op = ops[pick(0, 6)];
        switch (op) {
            case '^': return number(3) + "^" + (pick(0, 1) ? "2" : "3");
            case 'K': return "K(" + number(7, false) + ")";
            case '*': return number(5) + "*" + number(4);
            case '/':
            case '\\': return number(7) + op + number(3);
            default:
                return number(7) + op + number(7) + (pick(0, 3) == 0 ? std::string(1, op) + number(6) : "");
        }
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    std::mt19937 random_;
};

std::vector<Text> Lines(const Text& text) {
    std::vector<Text> lines;
    for (std::size_t from = 0; from < text.size();) {
        const std::size_t end = text.find(u'\n', from);
        lines.push_back(text.substr(from, end - from));
        from = end + 1;
    }
    return lines;
}

TEST(NotebookColumns, AddUpWhenReadBack) {
    Examples examples(20251208);
    Tally tally;
    for (int n = 0; tally.actions < 12000; ++n) {
        const std::string example = examples.next();
        PlainWindow window(Utf8ToUtf16(example).value());
        notebook::NotebookBuilder builder;
        window.listener = &builder;
        SolveOn(window);
        if (!builder.tracked()) ADD_FAILURE() << "an action not found on its sign in «" << example << "»";
        Reader(example, tally).check(Lines(notebook::NotebookText(builder.notebook())));
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << Utf16ToUtf8(notebook::NotebookText(builder.notebook()));
            break;
        }
    }
    // Every method is met often enough for the seed to prove something.
    EXPECT_GT(tally.sums, 1000);
    EXPECT_GT(tally.differences, 1000);
    EXPECT_GT(tally.products, 1000);
    EXPECT_GT(tally.partials, 3000);
    EXPECT_GT(tally.divisions, 1000);
    EXPECT_GT(tally.subtractions, 5000);
    std::printf(
        "actions %d, sums %d, differences %d, products %d (%d partial), divisions %d (%d subtractions)\n",
        tally.actions, tally.sums, tally.differences, tally.products, tally.partials, tally.divisions,
        tally.subtractions);
}

}  // namespace
}  // namespace tambrel::testing
