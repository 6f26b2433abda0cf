#pragma once

#include <string_view>

namespace tambrel {

// One step of the step loop as the notebook needs it, beside the two list
// items: where the action stood in the example before the step, what it
// read and what it wrote. The views hold only while the listener is told.
struct SolvedStep {
    bool root = false;
    // 1-based, in the example before the step: the action's sign, or the
    // "K" of a root.
    long sign = 0;
    // What the step kept of the example before it: positions 1..leftEdge
    // and rightEdge..n.
    long leftEdge = 0;
    long rightEdge = 0;
    std::u16string_view left;  // operand texts as read; a root's number is right
    std::u16string_view right;
    std::u16string_view result;  // as written into the example
    std::u16string_view after;   // the example after the step
};

// How a solving ended: the answer, a message in txtOtvet, or the
// internal-error box.
enum class SolvingEnd { Answer, Message, InternalError };

// Told of every solving that passed the checks, step by step; the lists
// and the answer are written as they always are.
class StepListener {
public:
    virtual ~StepListener() = default;
    // The example as the step loop begins it, the supplied "*" written in.
    virtual void started(std::u16string_view example) = 0;
    virtual void stepSolved(const SolvedStep& step) = 0;
    // The answer or the message as txtOtvet shows it; the box's text.
    virtual void ended(SolvingEnd end, std::u16string_view text) = 0;
};

}  // namespace tambrel
