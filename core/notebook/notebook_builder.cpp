#include "notebook_builder.h"

#include "cells.h"
#include "words.h"

namespace tambrel::notebook {

namespace {

bool IsSign(char16_t c) { return c == u'+' || c == u'-'; }
bool IsActionChar(char16_t c) {
    return c == u'+' || c == u'-' || c == u'*' || c == u'/' || c == u'\\' || c == u'^';
}

// A minus of the example that subtracts: it follows a number or ")".
bool Subtracts(std::u16string_view example, long i) {
    if (i <= 0 || i >= static_cast<long>(example.size()) || example[static_cast<std::size_t>(i)] != u'-')
        return false;
    const char16_t before = example[static_cast<std::size_t>(i) - 1];
    return before != u'(' && !IsActionChar(before);
}

// A text with the origin of every character.
struct Traced {
    std::u16string text;
    std::vector<long> origins;

    void add(std::u16string_view more, const long* from) {
        text += more;
        for (std::size_t i = 0; i < more.size(); ++i) origins.push_back(from != nullptr ? from[i] : -1);
    }
    void add(char16_t c, long origin) {
        text.push_back(c);
        origins.push_back(origin);
    }
};

// The engine's folding of sign pairs, every run of signs to one, keeping
// the origin of the run's first sign: that is the sign between two
// numbers, the others were a number's own.
Traced Folded(const Traced& in) {
    Traced out;
    out.text.reserve(in.text.size());
    out.origins.reserve(in.text.size());
    for (std::size_t i = 0; i < in.text.size();) {
        if (!IsSign(in.text[i])) {
            out.add(in.text[i], in.origins[i]);
            ++i;
            continue;
        }
        bool odd = false;
        long origin = -1;
        for (; i < in.text.size() && IsSign(in.text[i]); ++i) {
            odd ^= in.text[i] == u'-';
            if (origin < 0) origin = in.origins[i];
        }
        out.add(odd ? u'-' : u'+', origin);
    }
    if (!out.text.empty() && out.text.front() == u'+') {
        out.text.erase(0, 1);
        out.origins.erase(out.origins.begin());
    }
    return out;
}

}  // namespace

void NotebookBuilder::started(std::u16string_view example) {
    solving_ = true;
    example_ = example;
    current_ = example;
    origins_.resize(example.size());
    for (std::size_t i = 0; i < origins_.size(); ++i) origins_[i] = static_cast<long>(i);
    actions_.clear();
    endText_.clear();
    tracked_ = true;
}

void NotebookBuilder::stepSolved(const SolvedStep& step) {
    const auto n = static_cast<long>(current_.size());
    if (step.sign < 1 || step.sign > n || step.leftEdge < 0 || step.leftEdge > n || step.rightEdge < 1 ||
        step.rightEdge > n + 1 || step.result.empty()) {
        tracked_ = false;
        return;
    }
    const long origin = origins_[static_cast<std::size_t>(step.sign) - 1];
    PupilAction action;
    action.number = static_cast<int>(actions_.size()) + 1;
    action.carried = ReadDecimal(step.result).value_or(Decimal{});
    // The minus right after the kept left rest went with the left operand;
    // the result's sign takes its place, and its origin.
    const bool minusTaken = step.leftEdge < n && current_[static_cast<std::size_t>(step.leftEdge)] == u'-';
    const long minusOrigin = minusTaken ? origins_[static_cast<std::size_t>(step.leftEdge)] : -1;
    if (step.root) {
        action.op = u'K';
        action.right = ReadDecimal(step.right).value_or(Decimal{});
        if (origin >= 0 && example_[static_cast<std::size_t>(origin)] == u'K') action.sign = origin;
    } else {
        action.op = current_[static_cast<std::size_t>(step.sign) - 1];
        action.left = ReadDecimal(step.left).value_or(Decimal{});
        action.right = ReadDecimal(step.right).value_or(Decimal{});
        const char16_t sign = origin >= 0 ? example_[static_cast<std::size_t>(origin)] : u'\0';
        // A subtraction's minus carried along with the left operand belongs
        // to the subtraction, not to this action.
        if (minusTaken && step.left.starts_with(u'-') && Subtracts(example_, minusOrigin) &&
            action.op != u'+' && action.op != u'-') {
            action.left = Negated(action.left);
            action.carried = Negated(action.carried);
        }
        // The program may stand on the other sign of the two: 2+(-6) is
        // solved as 2-6.
        if (IsSign(action.op) && IsSign(sign) && sign != action.op) {
            action.right = Negated(action.right);
            action.op = sign;
        }
        if (sign == action.op) action.sign = origin;
    }
    if (action.sign < 0) tracked_ = false;
    actions_.push_back(action);

    // The example after the step from what it kept, with the origins.
    const std::u16string_view before = current_;
    const std::u16string_view left = before.substr(0, static_cast<std::size_t>(step.leftEdge));
    const std::u16string_view right = before.substr(static_cast<std::size_t>(step.rightEdge) - 1);
    const long* leftOrigins = origins_.data();
    const long* rightOrigins = origins_.data() + step.rightEdge - 1;
    const bool bracketed = left.ends_with(u'(') && right.starts_with(u')');
    for (int variant = 0; variant < 3; ++variant) {
        // 0: as it stands; 1: the action's bracket dropped; 2: a plus given back.
        if ((variant == 1 && !bracketed) || (variant == 2 && step.result.starts_with(u'-'))) continue;
        const std::size_t cut = variant == 1 ? 1 : 0;
        Traced joined;
        joined.text.reserve(before.size() + step.result.size() + 1);
        joined.add(left.substr(0, left.size() - cut), leftOrigins);
        if (variant == 2) joined.add(u'+', minusOrigin);
        joined.add(step.result.substr(0, 1), nullptr);
        if (!step.result.empty() && variant != 2 && IsSign(step.result[0]))
            joined.origins.back() = minusOrigin;
        joined.add(step.result.substr(1), nullptr);
        joined.add(right.substr(cut), rightOrigins + cut);
        Traced folded = Folded(joined);
        if (folded.text == step.after) {
            current_ = std::move(folded.text);
            origins_ = std::move(folded.origins);
            return;
        }
    }
    // Never expected: the example goes on without its origins.
    tracked_ = false;
    current_ = step.after;
    origins_.assign(current_.size(), -1);
}

void NotebookBuilder::ended(SolvingEnd end, std::u16string_view text) {
    end_ = end;
    endText_ = text;
}

Notebook NotebookBuilder::notebook() const {
    Notebook book;
    if (!solving_) return book;
    book.blocks.push_back(ExampleLine(example_, actions_));
    for (const PupilAction& action : actions_) WriteAction(action, book.blocks);
    switch (end_) {
        case SolvingEnd::Answer: {
            const std::optional<Decimal> number = ReadDecimal(endText_);
            std::u16string answer;
            if (number) {
                answer = SchoolText(Tidy(*number));
            } else {
                for (const char16_t c : endText_) answer.push_back(c == u'-' ? words::Minus : c);
            }
            book.blocks.push_back(OneLine(
                BlockKind::Answer, std::u16string(words::Answer) + answer + std::u16string(words::FullStop)));
            break;
        }
        case SolvingEnd::Message: book.blocks.push_back(OneLine(BlockKind::Message, endText_)); break;
        case SolvingEnd::InternalError:
            book.blocks.push_back(OneLine(BlockKind::Message, words::Unfinished));
            break;
    }
    return book;
}

}  // namespace tambrel::notebook
