// A fifth grader's homework, thousands of times over: seeded examples with
// decimals of one or two places, the four operations, squares and cubes and
// brackets, whose every action has an exact result of at most seven
// significant digits. Each answer must be the exact decimal one, worked out
// here with fractions of whole numbers.

#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <random>
#include <utility>

#include "console.h"

namespace tambrel::testing {
namespace {

// Products of two seven-digit fractions outgrow 64 bits.
__extension__ typedef __int128 Whole;

// A fraction in lowest terms, denominator positive.
struct Fraction {
    Whole num = 0;
    Whole den = 1;
};

Whole Gcd(Whole a, Whole b) {
    if (a < 0) a = -a;
    while (b != 0) a = std::exchange(b, a % b);
    return a;
}

Fraction Reduced(Whole num, Whole den) {
    if (den < 0) num = -num, den = -den;
    const Whole g = Gcd(num, den);
    return g == 0 ? Fraction{0, 1} : Fraction{num / g, den / g};
}

// The decimal text of a fraction, as the answer box writes it; nothing when
// it has no finite decimal form of at most seven significant digits from
// 0,0001 up, the numbers the program writes without rounding.
std::optional<std::string> SchoolText(Fraction f) {
    if (f.num == 0) return "0";
    std::size_t places = 0;
    for (; f.den % 10 == 0; f.den /= 10) ++places;
    for (; f.den % 2 == 0; f.den /= 2, f.num *= 5) ++places;
    for (; f.den % 5 == 0; f.den /= 5, f.num *= 2) ++places;
    if (f.den != 1) return std::nullopt;
    std::string digits;
    for (Whole m = f.num < 0 ? -f.num : f.num; m > 0; m /= 10)
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(m % 10)));
    if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
    std::string whole = digits.substr(0, digits.size() - places);
    std::string fraction = digits.substr(digits.size() - places);
    fraction.erase(fraction.find_last_not_of('0') + 1);
    const std::string all = whole + fraction;
    const std::size_t significant = all.size() - all.find_first_not_of('0');
    if (whole.size() > 7 || significant > 7 || (whole == "0" && fraction.find_first_not_of('0') > 3))
        return std::nullopt;
    if (!fraction.empty()) whole += "," + fraction;
    return (f.num < 0 ? "-" : "") + whole;
}

struct Term {
    std::string text;
    Fraction value;
    int rank;  // 3 a number or bracket, 2 a power, 1 a product, 0 a sum
};

class Homework {
public:
    explicit Homework(unsigned seed) : random_(seed) {}

    // An example of up to `depth` levels, or nothing when one of its
    // actions has no exact seven-digit result.
    std::optional<Term> example(int depth) {
        if (depth == 0 || pick(4) == 0) return number();
        if (pick(6) == 0) return power(depth);
        const char op = "+-*/"[pick(4)];
        const int rank = op == '+' || op == '-' ? 0 : 1;
        auto left = example(depth - 1);
        auto right = example(depth - 1);
        if (!left || !right) return std::nullopt;
        const Fraction a = left->value, b = right->value;
        Fraction r;
        switch (op) {
            case '+': r = Reduced(a.num * b.den + b.num * a.den, a.den * b.den); break;
            case '-': r = Reduced(a.num * b.den - b.num * a.den, a.den * b.den); break;
            case '*': r = Reduced(a.num * b.num, a.den * b.den); break;
            default:
                if (b.num == 0) return std::nullopt;
                r = Reduced(a.num * b.den, a.den * b.num);
        }
        if (!SchoolText(r)) return std::nullopt;
        // Left to right at one rank, as the program and the pupil both go.
        return Term{bracket(*left, left->rank < rank) + op + bracket(*right, right->rank <= rank), r, rank};
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    // A number of up to three whole digits, or two with one or two places.
    Term number() {
        const int scale = std::array{1, 10, 100}[static_cast<std::size_t>(pick(3))];
        const Fraction value = Reduced(pick(scale == 1 ? 1000 : 100 * scale), scale);
        return {*SchoolText(value), value, 3};
    }

    std::optional<Term> power(int depth) {
        auto base = depth > 1 && pick(2) == 0 ? example(depth - 1) : std::optional(number());
        if (!base) return std::nullopt;
        const int exponent = 2 + pick(2);
        Fraction r{1, 1};
        for (int i = 0; i < exponent; ++i) r = Reduced(r.num * base->value.num, r.den * base->value.den);
        if (!SchoolText(r)) return std::nullopt;
        return Term{bracket(*base, base->rank < 3) + "^" + std::to_string(exponent), r, 2};
    }

    static std::string bracket(const Term& t, bool needed) { return needed ? "(" + t.text + ")" : t.text; }

    std::mt19937 random_;
};

TEST(DecimalAnswers, AgreeWithExactArithmetic) {
    Homework homework(20261208);
    std::vector<std::string> examples, answers;
    while (examples.size() < 3000) {
        const auto term = homework.example(3);
        if (!term || term->rank == 3) continue;
        examples.push_back(term->text);
        answers.push_back(*SchoolText(term->value));
    }
    const std::vector<Block> solved = SolveAll(examples);
    ASSERT_EQ(solved.size(), examples.size());
    int wrong = 0;
    for (std::size_t i = 0; i < examples.size(); ++i) {
        const auto answer = solved[i].values("txtOtvet");
        if (answer.size() == 1 && answer[0] == answers[i]) continue;
        if (++wrong <= 10)
            ADD_FAILURE() << examples[i] << " is " << answers[i] << ", not " << solved[i].text();
    }
    EXPECT_EQ(wrong, 0) << "of " << examples.size();
}

}  // namespace
}  // namespace tambrel::testing
