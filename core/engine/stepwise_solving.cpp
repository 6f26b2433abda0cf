// The step loop of docs/how_it_works.md; "step N" in the comments below is
// step N of that loop.
#include "stepwise_solving.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "calculjator.h"
#include "example_text.h"
#include "messages.h"
#include "number_text.h"
#include "shared_state.h"

namespace tambrel {

using Text = std::u16string;
using View = std::u16string_view;

namespace {

// Step 8: " 1)" for an ordinary step, " 1) " for a square-root step.
Text StepLabel(int step, bool root) {
    return ListNumberText(static_cast<float>(step)) + (root ? u") " : u")");
}

// Step 1: supplies the multiplication signs left out before "(" and "K" and
// after ")": 2(3) is 2*(3), (2)3 is (2)*3, 2K(4) is 2*K(4).
Text WithImplicitMultiplication(View e) {
    Text out;
    out.reserve(e.size() + e.size() / 2);
    for (std::size_t i = 0; i < e.size(); ++i) {
        const char16_t c = e[i];
        // Only characters with a neighbour on both sides are looked at.
        const bool inner = i > 0 && i + 1 < e.size();
        const char16_t before = out.empty() ? u'\0' : out.back();
        const char16_t after = i + 1 < e.size() ? e[i + 1] : u'\0';
        const bool position3 = out.size() >= 2;  // ")" stands at least third
        if (inner && c == u'(' && before != u'K' && !IsOperator(before) && before != u'(') {
            out += u"*(";
        } else if (inner && position3 && c == u')' && !IsOperator(after) && after != u')') {
            out += u")*";
        } else if (inner && c == u'K' && IsNumberChar(before)) {
            out += u"*K";
        } else {
            out.push_back(c);
        }
    }
    return out;
}

// Where the next action is looked for (step 2): a bracket holding an action,
// the base of a power with everything after its "(", a root's lone number, or
// the whole example.
struct Region {
    enum Kind { Action, Root, Whole } kind;
    long offset;  // position k of the region is position offset + k of E
    long length;
    long close;  // for a root: the position of its ")"
};

// A "-" that is a sign, not a subtraction: at the start of the example,
// or right after "(" or an operator.
bool IsSignMinus(View e, long i) {
    return At(e, i) == u'-' && (i == 1 || At(e, i - 1) == u'(' || IsOperator(At(e, i - 1)));
}

// A "-" right after "(": the sign of a number, never an action.
bool IsBracketSign(View e, long i) { return At(e, i) == u'-' && At(e, i - 1) == u'('; }

// Step 3. Position (1-based in r) of the next action, or 0: powers first, then
// "*", "/", "\" and then "+", "-", leftmost first; the region's first
// character is a sign, never an action, and so is a "-" right after "(".
long ChooseAction(View r) {
    const long length = static_cast<long>(r.size());
    for (long k = 2; k <= length; ++k)
        if (At(r, k) == u'^') return k;
    long plusMinus = 0;
    for (long k = 2; k <= length - 1; ++k) {
        const char16_t c = At(r, k);
        if (InSet(ProductOperators, c)) return k;
        if (plusMinus == 0 && InSet(SumOperators, c) && !IsBracketSign(r, k)) plusMinus = k;
    }
    return plusMinus;
}

// A character ChooseAction could take when it stands inside a region.
bool MayBeAction(View e, long i) { return IsOperator(At(e, i)) && !IsBracketSign(e, i); }

// Step 2. Brackets are worked off from the last "(" backwards; each "(" is
// paired with the ")" that closes it. A running count of possible actions to
// the right keeps the scan linear in the length of the example.
Region ChooseRegion(View e) {
    const long n = static_cast<long>(e.size());
    struct Closer {
        long position;
        long actionsFromHere;
    };
    std::vector<Closer> closers;
    long fromNext = 0;       // possible actions in positions i+1..n
    long fromAfterNext = 0;  // possible actions in positions i+2..n
    for (long i = n; i >= 1; --i) {
        const long fromHere = fromNext + (MayBeAction(e, i) ? 1 : 0);
        const char16_t c = At(e, i);
        if (c == u')') {
            closers.push_back({i, fromHere});
        } else if (c == u'(' && !closers.empty()) {
            const Closer close = closers.back();
            closers.pop_back();
            const long m = i;
            const bool mayHoldAction = fromAfterNext - close.actionsFromHere > 0;
            if (m <= n - 1) {
                if (mayHoldAction && ChooseAction(Span(e, m + 1, close.position - 1)) != 0)
                    return {Region::Action, m, close.position - m - 1, 0};
                if (At(e, m - 1) == u'K') return {Region::Root, m, 0, close.position};
                if (At(e, close.position + 1) == u'^') return {Region::Action, m, n - m, 0};
            }
        }
        fromAfterNext = fromNext;
        fromNext = fromHere;
    }
    return {Region::Whole, 0, n, 0};
}

template <typename Number>
Number RoundHalfEven(Number x) {
    const Number down = std::floor(x);
    const Number rest = x - down;
    if (rest > Number(0.5)) return down + 1;
    if (rest < Number(0.5)) return down;
    return std::fmod(down, Number(2)) == 0 ? down : down + 1;
}

// An operand as it stands beside its action, and the edge of what is left
// of the example on its far side: for the left operand the last position
// of the left rest, for the right operand the first position of the right
// rest.
struct Operand {
    Text text;
    long restEdge = 0;
};

// Step 4. The left operand of the action at p: the digits and commas that end
// right before it, or right before the ")" that stands before it, together
// with the minus in front of them. Nothing when the example cannot be
// rewritten around it (no number there, or a bracket holding more than the
// number).
std::optional<Operand> LeftOperand(View e, long p) {
    const char16_t op = At(e, p);
    const bool bracketed = At(e, p - 1) == u')';
    long q = p - (bracketed ? 2 : 1);
    Text text;
    for (; IsNumberChar(At(e, q)); --q) text.push_back(At(e, q));
    // The minus in front goes with the number; before a power only a sign
    // does, and a subtraction's minus stays in the rest, so 5-3^2 is 5-9.
    if (At(e, q) == u'-' && (op != u'^' || IsSignMinus(e, q))) {
        text.push_back(u'-');
        --q;
    }
    std::reverse(text.begin(), text.end());
    if (text.empty()) return std::nullopt;
    if (!bracketed) return Operand{text, q};
    // A bracket next to the action must hold just the operand; one that
    // holds other characters too, as (1z2)*3, cannot be rewritten.
    if (At(e, q) != u'(') return std::nullopt;
    // A sign before a dropped bracket, as in -(2)+3, belongs to the operand.
    if (op != u'^' && IsSignMinus(e, q - 1)) {
        if (text.front() == u'-')
            text.erase(0, 1);
        else
            text.insert(0, 1, u'-');
        return Operand{text, q - 2};
    }
    return Operand{text, q - 1};
}

// Step 4. The right operand of the action at p: a minus or a digit or comma
// right after it (or after the "(" that stands after it), then digits and
// commas. Nothing when the example cannot be rewritten around it.
std::optional<Operand> RightOperand(View e, long p) {
    const bool bracketed = At(e, p + 1) == u'(';
    long r = p + (bracketed ? 2 : 1);
    Text text;
    if (At(e, r) == u'-') {
        text.push_back(u'-');
        ++r;
    }
    for (; IsNumberChar(At(e, r)); ++r) text.push_back(At(e, r));
    if (text.empty()) return std::nullopt;
    if (!bracketed) return Operand{text, r};
    if (At(e, r) != u')') return std::nullopt;
    return Operand{text, r + 1};
}

// Step 5. The message for operands beyond the number range, or nothing; a
// number below it is told before one above it.
std::optional<Text> OperandRangeFault(float a, float b) {
    using messages::Beyond;
    if (a < -NumberLimit || b < -NumberLimit) return messages::OperandOutOfRange(Beyond::Below);
    if (a > NumberLimit || b > NumberLimit) return messages::OperandOutOfRange(Beyond::Above);
    return std::nullopt;
}

// Step 5. A division, integer division or power that would divide by zero: the
// divisor, or the divisor rounded to a whole number, is 0, or 0 is raised
// to a negative power.
bool DividesByZero(char16_t op, float a, float b) {
    return (op == u'/' && b == 0.0f) || (op == u'\\' && RoundHalfEven(b) == 0.0f) ||
           (op == u'^' && a == 0.0f && b < 0.0f);
}

// A result rounded once to single precision; one beyond every float is an
// infinity of its sign, which the range check then tells.
float ToSingle(double value) {
    constexpr float Infinity = std::numeric_limits<float>::infinity();
    if (std::fabs(value) > std::numeric_limits<float>::max()) return value < 0 ? -Infinity : Infinity;
    return static_cast<float>(value);
}

// Step 6. a op b from the decimal values the operand texts stand for, in
// double precision, rounded once to single: the operands are not rounded to
// single first, so 39,9+25,7 is 65,6 and 5,24*18,3 is 95,892. Nothing when a
// power has no real value.
std::optional<float> Compute(char16_t op, double a, double b) {
    switch (op) {
        case u'^': {
            const double power = std::pow(a, b);
            if (std::isnan(power)) return std::nullopt;
            return ToSingle(power);
        }
        case u'*': return ToSingle(a * b);
        case u'/': return ToSingle(a / b);
        case u'+': return ToSingle(a + b);
        case u'-': return ToSingle(a - b);
        default: {
            // Integer division of the two rounded operands. A divisor that
            // rounds to 0 here rounds to 0 in single precision too, and the
            // zero check has already stopped it.
            const auto whole =
                static_cast<std::int64_t>(RoundHalfEven(a)) / static_cast<std::int64_t>(RoundHalfEven(b));
            return static_cast<float>(whole);
        }
    }
}

// Step 6. The message for a result beyond the number range, or nothing.
std::optional<Text> ResultRangeFault(float result) {
    using messages::Beyond;
    if (result < -NumberLimit) return messages::ResultOutOfRange(Beyond::Below);
    if (result > NumberLimit) return messages::ResultOutOfRange(Beyond::Above);
    return std::nullopt;
}

// Step 7. The example with the result written as t in place of the action and
// its operands, between the rest up to leftEnd and the rest from rightStart.
Text Rewritten(View e, long leftEnd, long rightStart, float result, Text t) {
    Text leftRest(Span(e, 1, leftEnd));
    Text rightRest(Span(e, rightStart, static_cast<long>(e.size())));
    if (!leftRest.empty() && leftRest.back() == u'(') {
        // The action stood alone in its bracket: the bracket goes, unless it
        // is a root's, or a power base that would hand its sign to the power.
        const long open = static_cast<long>(leftRest.size());
        const bool root = At(leftRest, open - 1) == u'K';
        const bool powerBase = At(rightRest, 2) == u'^' && (result < 0.0f || IsSignMinus(leftRest, open - 1));
        if (At(rightRest, 1) == u')' && !root && !powerBase) {
            leftRest.pop_back();
            rightRest.erase(0, 1);
        }
    } else if (result >= 0.0f && !leftRest.empty() && !IsOperatorButMinus(leftRest.back())) {
        // The left operand took a subtraction's minus with it: give it back
        // as a plus, also for a zero of either sign.
        t.insert(0, 1, u'+');
    }
    return NormaliseSigns(leftRest + t + rightRest);
}

class Solver {
public:
    Solver(EngineWindow& window, Text& example)
        : window_(window), e_(example), listener_(window.stepListener()) {}

    void run();

private:
    // Steps 4 to 8 for the action at p.
    bool actionStep(long p);
    // The root step, for the bracket from m to c with "K" before it.
    bool rootStep(long m, long c);
    // Step 9.
    void finalAnswer();
    bool fail(View message) {
        window_.setOtvetText(Text(message));
        if (listener_ != nullptr) listener_->ended(SolvingEnd::Message, message);
        return false;
    }
    bool internalError() {
        window_.showCriticalError(window_.caption(), Text(messages::InternalError));
        if (listener_ != nullptr) listener_->ended(SolvingEnd::InternalError, messages::InternalError);
        return false;
    }
    // Step 8: the step label and the two list items.
    void record(bool root, const Text& action) {
        const Text label = StepLabel(window_.actionCount() + 1, root);
        window_.appendListItem(ResultList::DirC, label + action);
        window_.appendListItem(ResultList::DirPr, label + u" " + e_);
        if (listener_ != nullptr) lastAction_ = action;
    }
    // What the listener is told of a step: read from the example before the
    // step, completed after it.
    struct Watched {
        SolvedStep step;
        Text left;
        Text right;
    };
    Watched watchAction(long p) const;
    Watched watchRoot(long m, long c) const;
    void tell(Watched& watched);
    long length() const { return static_cast<long>(e_.size()); }

    EngineWindow& window_;
    Text& e_;
    StepListener* listener_;
    Text lastAction_;  // the last DirC item without its label, for the listener
};

Solver::Watched Solver::watchAction(long p) const {
    Watched w;
    if (listener_ == nullptr) return w;
    const std::optional<Operand> left = LeftOperand(e_, p);
    const std::optional<Operand> right = RightOperand(e_, p);
    if (!left || !right) return w;
    w.step.sign = p;
    w.step.leftEdge = left->restEdge;
    w.step.rightEdge = right->restEdge;
    w.left = left->text;
    w.right = right->text;
    return w;
}

Solver::Watched Solver::watchRoot(long m, long c) const {
    Watched w;
    if (listener_ == nullptr) return w;
    w.step = {true, m - 1, m - 2, c + 1, {}, {}, {}, {}};
    w.right = Span(e_, m + 1, c - 1);
    return w;
}

void Solver::tell(Watched& w) {
    if (listener_ == nullptr) return;
    w.step.left = w.left;
    w.step.right = w.right;
    // The result ends the action after its "=", behind one blank or none.
    const std::size_t equals = lastAction_.rfind(u'=');
    View result = View(lastAction_).substr(equals + 1);
    if (result.starts_with(u' ')) result.remove_prefix(1);
    w.step.result = result;
    w.step.after = e_;
    listener_->stepSolved(w.step);
}

void Solver::run() {
    e_ = WithImplicitMultiplication(e_);
    if (listener_ != nullptr) listener_->started(e_);
    // Every step takes away an operator or a root, bar a few that end in
    // the internal-error box; the bound only guards against a hang.
    const auto actions =
        std::count_if(e_.begin(), e_.end(), [](char16_t c) { return IsOperator(c) || c == u'K'; });
    // Steps 2 to 8, until step 3 finds no action.
    for (long steps = 0; steps <= 2 * actions + 16; ++steps) {
        if (HoldsExponentForm(e_)) {
            internalError();
            return;
        }
        const Region region = ChooseRegion(e_);
        if (region.kind == Region::Root) {
            Watched watched = watchRoot(region.offset, region.close);
            if (!rootStep(region.offset, region.close)) return;
            tell(watched);
            continue;
        }
        const long k = ChooseAction(Span(e_, region.offset + 1, region.offset + region.length));
        if (k == 0) {
            if (region.kind == Region::Whole)
                finalAnswer();
            else
                internalError();
            return;
        }
        Watched watched = watchAction(region.offset + k);
        if (!actionStep(region.offset + k)) return;
        tell(watched);
    }
    internalError();
}

bool Solver::actionStep(long p) {
    const char16_t op = At(e_, p);
    const std::optional<Operand> left = LeftOperand(e_, p);
    const std::optional<Operand> right = RightOperand(e_, p);
    if (!left || !right) return internalError();

    const std::optional<NumberReading> readA = ReadOperand(left->text);
    const std::optional<NumberReading> readB = ReadOperand(right->text);
    if (!readA || !readB) return fail(messages::BadNumber);
    // The checks and the step line see the operands in single precision;
    // the arithmetic takes their decimal values.
    const float a = readA->single;
    const float b = readB->single;
    if (const auto fault = OperandRangeFault(a, b)) return fail(*fault);
    if (DividesByZero(op, a, b)) return fail(messages::DivisionByZero);

    const std::optional<float> result = Compute(op, readA->value, readB->value);
    if (!result) return fail(messages::NoPower);
    if (const auto fault = ResultRangeFault(*result)) return fail(*fault);

    const Text t = NumberText(*result);
    const Text action = ListNumberText(a) + op + NumberText(b) + u"= " + t;
    e_ = Rewritten(e_, left->restEdge, right->restEdge, *result, t);
    record(false, action);
    return true;
}

bool Solver::rootStep(long m, long c) {
    using namespace messages;
    const std::optional<NumberReading> read = ReadOperand(Span(e_, m + 1, c - 1));
    if (!read) return fail(BadNumber);
    const float x = read->single;
    if (std::isinf(x)) return fail(OperandOutOfRange(x < 0 ? Beyond::Below : Beyond::Above));
    if (x < 0.0f) return fail(RootOfNegative(ListNumberText(x)));
    const float root = ToSingle(std::sqrt(read->value));
    if (const auto fault = ResultRangeFault(root)) return fail(*fault);
    const Text t = NumberText(root);
    const Text action = Text(Span(e_, m - 1, c)) + u"=" + t;
    e_ = NormaliseSigns(Text(Span(e_, 1, m - 2)) + t + Text(Span(e_, c + 1, length())));
    record(true, action);
    return true;
}

void Solver::finalAnswer() {
    // A lone number still in its bracket is unwrapped once: (5) is 5,
    // -(5) is -5, -(-5) is 5.
    if (const auto open = e_.find(u'('); open != Text::npos) {
        const long a = static_cast<long>(open) + 1;
        Text inner(Span(e_, a + 1, length() - 1));
        e_ = a == 2 ? u"-" + inner : inner;
    }
    if (e_.starts_with(u"--")) e_.erase(0, 2);
    if (e_ == u"-0") e_ = u"0";
    if (ReplaceWithAnswer == 1) {
        window_.setPrimerText(e_);
        window_.setPrimerCaret(static_cast<int>(e_.size()));
    }
    window_.setOtvetText(e_);
    ExampleState = Solved;
    if (listener_ != nullptr) listener_->ended(SolvingEnd::Answer, e_);
}

}  // namespace

void SolveSteps(EngineWindow& window) { Solver(window, WorkingExample).run(); }

}  // namespace tambrel
