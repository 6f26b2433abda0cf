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
    // The minus right after the kept left rest went with the left operand;
    // the result's sign takes its place, and its origin.
    const bool minusTaken = step.leftEdge < n && current_[static_cast<std::size_t>(step.leftEdge)] == u'-';
    const long minusOrigin = minusTaken ? origins_[static_cast<std::size_t>(step.leftEdge)] : -1;
    actions_.push_back(actionOf(step, minusTaken, minusOrigin));
    if (actions_.back().sign < 0) tracked_ = false;
    follow(step, minusOrigin);
}

PupilAction NotebookBuilder::actionOf(const SolvedStep& step, bool minusTaken, long minusOrigin) const {
    const long origin = origins_[static_cast<std::size_t>(step.sign) - 1];
    PupilAction action;
    action.number = static_cast<int>(actions_.size()) + 1;
    action.carried = ReadDecimal(step.result).value_or(Decimal{});
    if (step.root) {
        action.op = u'K';
        action.right = ReadDecimal(step.right).value_or(Decimal{});
        if (origin >= 0 && example_[static_cast<std::size_t>(origin)] == u'K') action.sign = origin;
        return action;
    }
    action.op = current_[static_cast<std::size_t>(step.sign) - 1];
    action.left = ReadDecimal(step.left).value_or(Decimal{});
    action.right = ReadDecimal(step.right).value_or(Decimal{});
    const char16_t sign = origin >= 0 ? example_[static_cast<std::size_t>(origin)] : u'\0';
    // A subtraction's minus carried along with the left operand belongs
    // to the subtraction, not to this action.
    if (minusTaken && step.left.starts_with(u'-') && Subtracts(example_, minusOrigin) && action.op != u'+' &&
        action.op != u'-') {
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
    return action;
}

// The example after the step from what it kept, with the origins.
void NotebookBuilder::follow(const SolvedStep& step, long minusOrigin) {
    const std::u16string_view before = current_;
    const std::u16string_view left = before.substr(0, static_cast<std::size_t>(step.leftEdge));
    const std::u16string_view right = before.substr(static_cast<std::size_t>(step.rightEdge) - 1);
    const long* leftOrigins = origins_.data();
    const long* rightOrigins = origins_.data() + step.rightEdge - 1;
    const bool bracketed = left.ends_with(u'(') && right.starts_with(u')');
    const std::u16string_view result = step.result;
    const std::u16string_view after = step.after;
    for (int variant = 0; variant < 3; ++variant) {
        // 0: as it stands; 1: the action's bracket dropped; 2: a plus given back.
        if ((variant == 1 && !bracketed) || (variant == 2 && result.starts_with(u'-'))) continue;
        const std::size_t cut = variant == 1 ? 1 : 0;
        const std::u16string_view kept = left.substr(0, left.size() - cut);
        const std::u16string_view rest = right.substr(cut);
        // Only the signs where the kept rest meets the result fold: the
        // rests were folded already and the result ends in a digit.
        std::size_t keep = kept.size();
        while (keep > 0 && IsSign(kept[keep - 1])) --keep;
        bool signs = false;
        bool odd = false;
        long signOrigin = -1;
        const auto fold = [&](char16_t c, long from) {
            signs = true;
            odd ^= c == u'-';
            if (signOrigin < 0) signOrigin = from;
        };
        for (std::size_t i = keep; i < kept.size(); ++i) fold(kept[i], leftOrigins[i]);
        if (variant == 2) fold(u'+', minusOrigin);
        const std::size_t own = IsSign(result[0]) ? 1 : 0;  // the result's sign folds too
        if (own == 1) fold(result[0], minusOrigin);
        const bool sign = signs && (odd || keep > 0);  // a leading plus goes
        const std::u16string_view digits = result.substr(own);
        if (keep + (sign ? 1 : 0) + digits.size() + rest.size() != after.size()) continue;
        const std::size_t at = keep + (sign ? 1 : 0);
        if (after.substr(0, keep) != kept.substr(0, keep) || (sign && after[keep] != (odd ? u'-' : u'+')) ||
            after.substr(at, digits.size()) != digits || after.substr(at + digits.size()) != rest)
            continue;
        std::vector<long> origins;
        origins.reserve(after.size());
        origins.insert(origins.end(), leftOrigins, leftOrigins + keep);
        if (sign) origins.push_back(signOrigin);
        origins.insert(origins.end(), digits.size(), -1);
        origins.insert(origins.end(), rightOrigins + cut, rightOrigins + right.size());
        current_ = after;
        origins_ = std::move(origins);
        return;
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
