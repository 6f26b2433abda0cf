#include "notebook_speech.h"

#include <string_view>

#include "words.h"

namespace tambrel::notebook {

namespace {

using Text = std::u16string;

// A raised exponent as a pupil says it: «в квадрате», «в кубе», «в степени 4».
Text SpokenPower(const Text& exponent) {
    if (exponent == u"2") return u" в квадрате";
    if (exponent == u"3") return u" в кубе";
    return u" в степени " + exponent;
}

// The first row of a block as one line: the comma where a cell has one
// after it, a raised run as its power in words.
Text LineOf(const Block& block) {
    Text line;
    Text raised;
    const auto flush = [&] {
        if (!raised.empty()) line += SpokenPower(raised);
        raised.clear();
    };
    if (block.rows.empty()) return line;
    for (const Cell& cell : block.rows.front()) {
        if (cell.raised) {
            raised += cell.ch;
        } else {
            flush();
            line += cell.ch;
        }
        if (cell.commaAfter) (cell.raised ? raised : line) += words::Comma;
    }
    flush();
    return line;
}

bool IsNumberPart(char16_t c) { return (c >= u'0' && c <= u'9') || c == words::Comma || c == words::Minus; }

// A bracket round a lone number, as in 2 + (−6), is not said: «2 плюс минус
// 6»; round a power's base it is, for (−3)² is not −3².
Text WithoutNumberBrackets(const Text& line) {
    Text out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == u'(') {
            std::size_t end = i + 1;
            while (end < line.size() && IsNumberPart(line[end])) ++end;
            const bool base = line.compare(end + 1, 3, u" в ") == 0;
            if (end > i + 1 && end < line.size() && line[end] == u')' && !base) {
                out.append(line, i + 1, end - i - 1);
                i = end;
                continue;
            }
        }
        out += line[i];
    }
    return out;
}

// Every sign in words, an action's label «1)» kept; blanks collapsed.
Text InWords(const Text& line) {
    std::size_t label = 0;
    while (label < line.size() && line[label] >= u'0' && line[label] <= u'9') ++label;
    label = label > 0 && label < line.size() && line[label] == u')' ? label + 1 : 0;
    Text spoken = line.substr(0, label);
    const Text rest = WithoutNumberBrackets(line.substr(label));
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const char16_t c = rest[i];
        // A colon between blanks divides; one after a word ends it.
        const bool between = i > 0 && rest[i - 1] == u' ' && i + 1 < rest.size() && rest[i + 1] == u' ';
        switch (c) {
            case words::Times: spoken += u" умножить на "; break;
            case words::Divided: spoken += between ? u" разделить на " : u":"; break;
            case words::WholeDivided: spoken += u" целочисленно разделить на "; break;
            case words::Minus: spoken += u" минус "; break;
            case words::Plus: spoken += u" плюс "; break;
            case u'=': spoken += u" равно "; break;
            case u'≈': spoken += u" примерно равно "; break;
            case words::Root: spoken += u" корень из "; break;
            case u'(': spoken += u" открывающая скобка "; break;
            case u')': spoken += u" закрывающая скобка "; break;
            default: spoken += c;
        }
    }
    Text out;
    for (const char16_t c : spoken)
        if (c != u' ' || (!out.empty() && out.back() != u' ')) out += c;
    while (!out.empty() && out.back() == u' ') out.pop_back();
    // Blanks the signs brought before a punctuation mark of the line.
    for (const std::u16string_view mark : {u" ,", u" ;", u" ."})
        for (std::size_t at; (at = out.find(mark)) != Text::npos;) out.erase(at, 1);
    return out;
}

// "17 \ 5 = 3 (ост. 2)": the remainder said as a word, not as brackets.
Text WithRemainderSaid(Text line) {
    const std::size_t open = line.find(words::RemainderOpen);
    if (open == Text::npos || !line.ends_with(words::RemainderClose)) return line;
    const Text remainder =
        line.substr(open + words::RemainderOpen.size(),
                    line.size() - open - words::RemainderOpen.size() - words::RemainderClose.size());
    return line.substr(0, open) + u", остаток " + remainder;
}

}  // namespace

std::vector<SpokenLine> SpokenNotebook(const Notebook& notebook) {
    std::vector<SpokenLine> lines;
    for (std::size_t i = 0; i < notebook.blocks.size(); ++i) {
        const Block& block = notebook.blocks[i];
        Text line = LineOf(block);
        switch (block.kind) {
            case BlockKind::Column: continue;
            case BlockKind::Example: line = u"Пример: " + InWords(line); break;
            case BlockKind::Answer:
                // «Ответ: 29.» is said without its full stop.
                if (line.ends_with(words::FullStop)) line.resize(line.size() - words::FullStop.size());
                line = Text(words::Answer) + InWords(line.substr(words::Answer.size()));
                break;
            case BlockKind::Message: break;
            default: line = InWords(WithRemainderSaid(line));
        }
        lines.push_back({i, line});
    }
    return lines;
}

}  // namespace tambrel::notebook
