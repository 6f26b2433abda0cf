// The input box's rules without any toolkit: the scenario lines of
// tests/core/input/scenarios/ run on the core's plain box, with keys as
// the core's tables read them, the Edit commands as every face runs them.
// The window and the page run the same lines through their own widgets.
// A line whose step or check this runner does not know fails.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "keypad_captions.h"
#include "menu_table.h"
#include "plain_box.h"
#include "primer_rules.h"
#include "scenario_text.h"
#include "shared_state.h"
#include "utf.h"

namespace tambrel {
namespace {

using testing::Marked;
using testing::ParseMarked;
using testing::SplitOn;
using testing::Text;

std::string U8(std::u16string_view s) { return Utf16ToUtf8(s); }
std::u16string U16(const std::string& s) { return Utf8ToUtf16(s).value_or(u"\uFFFD"); }

// One line's world: the box with the focus, its rules, the engine's window
// and the clipboard.
class Line {
public:
    Line() {
        box_.onChange = [this] { rules_.changed(); };
        SetEngineWindow(&window_);
        ExampleState = Solved;
        ReplaceWithAnswer = 0;
    }
    ~Line() { SetEngineWindow(nullptr); }

    // As the window's lines start: the text set as one change, the caret
    // at its end, and then the caret or selection the line marks.
    void start(const Marked& m) {
        const auto length = static_cast<int>(m.text.size());
        box_.sync(m.text, length, length, false);
        if (!m.text.empty()) rules_.changed();
        box_.sync(m.text, m.selection >= 0 ? m.selection : m.caret, m.caret, false);
    }
    void act(const std::string& step);
    void check(const std::string& key, const std::string& value);
    void checkExample(const Marked& m) const {
        EXPECT_EQ(U8(box_.text()), U8(m.text)) << "the example";
        EXPECT_EQ(U8(box_.tooltip), U8(box_.text())) << "its tooltip";
        EXPECT_EQ(box_.cursorPosition(), m.caret) << "the caret";
        EXPECT_EQ(box_.selectedText().size(),
                  static_cast<std::size_t>(m.selection >= 0 ? m.caret - m.selection : 0));
        EXPECT_EQ(box_.start(), m.selection >= 0 ? m.selection : m.caret) << "the selection";
    }
    bool critical() const { return window_.boxShown; }

private:
    void press(const std::string& name);
    void run(const MenuItem& item);
    bool offered(const MenuItem& item) const {
        return IsOffered(item, rules_, {!box_.selectedText().empty(), clipboard_.has_value(), false});
    }
    void moveCaret(int to, bool shift);

    PlainBox box_;
    BoxWindow window_{box_};
    PrimerRules rules_{box_};
    std::optional<std::u16string> clipboard_;
};

const MenuItem* ItemNamed(const std::string& name) {
    for (const MenuItem& item : MenuItems)
        if (item.name == name) return &item;
    return nullptr;
}

// The Edit commands as the window's and the page's menus run them.
void Line::run(const MenuItem& item) {
    switch (item.command) {
        case MenuCommand::Undo: rules_.undo(); return;
        case MenuCommand::Redo: rules_.redo(); return;
        case MenuCommand::Copy: clipboard_ = box_.selectedText(); return;
        case MenuCommand::Paste: rules_.paste(clipboard_.value_or(u"")); return;
        case MenuCommand::Delete:
            if (!box_.selectedText().empty()) box_.insert({});
            return;
        case MenuCommand::All: rules_.selectAll(); return;
        case MenuCommand::Brackets: rules_.putInBrackets(); return;
        case MenuCommand::Switch: ReplaceWithAnswer = ToggledSwitch(ReplaceWithAnswer); return;
        default: ADD_FAILURE() << "not a command of the core: " << item.name;
    }
}

void Line::moveCaret(int to, bool shift) {
    const int caret = box_.cursorPosition();
    const int anchor =
        box_.selectedText().empty() ? caret : (caret == box_.start() ? box_.end() : box_.start());
    if (shift) {
        box_.select(anchor, to - anchor);
    } else {
        box_.setCursorPosition(to);
    }
}

// A key by its name as the window's lines write it ("ctrl+z", "Num+Enter",
// "BackSpace"): an offered Edit shortcut runs its command, a key that
// delivers characters types them, and the box's own editing keys edit.
void Line::press(const std::string& name) {
    PressedKey key;
    std::string rest = name;
    for (std::size_t plus; (plus = rest.find('+')) != std::string::npos && plus + 1 < rest.size();) {
        const std::string modifier = rest.substr(0, plus);
        rest.erase(0, plus + 1);
        if (modifier == "ctrl")
            key.ctrl = true;
        else if (modifier == "shift")
            key.shift = true;
        else if (modifier != "Num")
            return ADD_FAILURE() << "unknown modifier in " << name, void();
    }
    static const std::map<std::string, NamedKey> named = {
        {"Return", NamedKey::Enter},  {"Enter", NamedKey::Enter},   {"BackSpace", NamedKey::Backspace},
        {"Escape", NamedKey::Escape}, {"Delete", NamedKey::Delete}, {"Insert", NamedKey::None},
        {"Home", NamedKey::Home},     {"End", NamedKey::End}};
    std::u16string text;
    if (const auto found = named.find(rest); found != named.end()) {
        key.key = found->second;
    } else if (rest.size() == 1 && rest[0] >= 'a' && rest[0] <= 'z') {
        key.letter = static_cast<char16_t>(rest[0] - 'a' + 'A');
        text = key.ctrl ? std::u16string(1, static_cast<char16_t>(key.letter - u'A' + 1))
                        : std::u16string(1, key.shift ? key.letter : static_cast<char16_t>(rest[0]));
    } else {
        return ADD_FAILURE() << "a key the core's lines do not press: " << name, void();
    }
    key.text = text;
    const MenuItem* item = ItemForShortcut(key);
    if (item != nullptr && item->menu == "Edit" && offered(*item)) return run(*item);
    const std::u16string codes = DeliveredCodes(key);
    for (const char16_t code : codes) rules_.type(code);
    if (!codes.empty() || !BoxEditsItself(key)) return;
    const auto length = static_cast<int>(box_.text().size());
    if (key.ctrl) return ADD_FAILURE() << "word moves are the window's: " << name, void();
    if (key.key == NamedKey::Home) return moveCaret(0, key.shift);
    if (key.key == NamedKey::End) return moveCaret(length, key.shift);
    // Delete: the selection, or the character after the caret.
    if (box_.selectedText().empty() && box_.cursorPosition() < length) box_.select(box_.cursorPosition(), 1);
    if (!box_.selectedText().empty()) box_.insert({});
}

void Line::act(const std::string& step) {
    std::string what = step;
    int times = 1;
    static const std::regex repeat("\\s+×(\\d+)$");
    if (std::smatch m; std::regex_search(what, m, repeat)) {
        times = std::stoi(m[1]);
        what.erase(static_cast<std::size_t>(m.position(0)));
    }
    const std::string verb = what.substr(0, what.find(' '));
    const std::string rest = what.find(' ') == std::string::npos ? "" : what.substr(what.find(' ') + 1);
    for (int i = 0; i < times && !::testing::Test::HasFailure(); ++i) {
        if (verb == "type") {
            for (const char16_t c : Text(rest)) {
                if (c == u'\t') return ADD_FAILURE() << "Tab moves the focus, the window's: " << step, void();
                PressedKey key;
                const std::u16string one(1, c);
                key.key = c == u'\r' ? NamedKey::Enter : c == u'\b' ? NamedKey::Backspace : NamedKey::None;
                key.text = one;
                for (const char16_t code : DeliveredCodes(key)) rules_.type(code);
            }
        } else if (verb == "key") {
            std::istringstream keys(rest);
            for (std::string k; keys >> k;) press(k);
        } else if (verb == "click" || verb == "dclick") {
            for (const char16_t label : U16(rest)) {
                int index = -1;
                for (int k = 0; k < KeyCount; ++k)
                    if (std::u16string_view(KeyCaptions[static_cast<std::size_t>(k)]).back() == label)
                        index = k;
                if (index < 0) return ADD_FAILURE() << "not a key of the keypad: " << step, void();
                rules_.keypad(index);
                if (verb == "dclick") rules_.keypad(index);
            }
        } else if (verb == "menu" || verb == "fire") {
            const MenuItem* item = ItemNamed(rest);
            if (item == nullptr || item->menu != "Edit")
                return ADD_FAILURE() << "not an Edit item: " << step, void();
            if (verb == "fire" || offered(*item)) run(*item);
        } else if (verb == "clip") {
            clipboard_ = Text(rest);
        } else {
            return ADD_FAILURE() << "a step the core's lines do not take: " << step, void();
        }
    }
}

void Line::check(const std::string& key, const std::string& value) {
    if (key == "state") {
        if (value != "Solved" && value != "Changed")
            return ADD_FAILURE() << "unknown state: " << value, void();
        EXPECT_EQ(ExampleState, value == "Solved" ? Solved : Changed) << "the state";
    } else if (key == "answer") {
        EXPECT_EQ(U8(window_.otvet), U8(Text(value))) << "the answer";
    } else if (key == "message") {
        // Some message; the engine's own tests hold the wording.
        EXPECT_TRUE(value.empty() && !window_.otvet.empty() && window_.otvet[0] >= 0x400)
            << U8(window_.otvet);
    } else if (key == "offers") {
        std::string offers;
        for (const char* name : {"EditUndo", "EditRedo", "EditCopy", "EditPaste", "EditDelete"})
            offers += offered(*ItemNamed(name)) ? '+' : '-';
        EXPECT_EQ(offers, value) << "the Edit menu";
    } else if (key == "clip") {
        EXPECT_EQ(U8(clipboard_.value_or(u"")), U8(Text(value))) << "the clipboard";
    } else if (key == "switch") {
        if (value != "on" && value != "off") return ADD_FAILURE() << "unknown switch: " << value, void();
        EXPECT_EQ(ReplaceWithAnswer == 1, value == "on") << "the switch";
    } else if (key == "DirC" || key == "DirPr") {
        const auto& items = window_.items(key == "DirC" ? ResultList::DirC : ResultList::DirPr);
        if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos)
            return ADD_FAILURE() << "not a count: " << value, void();
        EXPECT_EQ(items.size(), std::stoul(value)) << key;
    } else if (key == "critical") {
        EXPECT_TRUE(window_.boxShown && U8(window_.boxTitle) == value) << "the error box";
    } else if (key == "focus") {
        EXPECT_EQ(value, "Primer") << "the core's lines keep the focus in the box";
    } else {
        ADD_FAILURE() << "a check the core's lines do not make: " << key;
    }
}

struct Scenario {
    std::string file, name, start, actions, example, checks;
};

std::vector<Scenario> Read() {
    std::vector<Scenario> all;
    for (const auto& entry : std::filesystem::directory_iterator(SCENARIO_DIR)) {
        std::ifstream in(entry.path());
        for (std::string line; std::getline(in, line);) {
            if (line.find_first_not_of(' ') == std::string::npos || line[line.find_first_not_of(' ')] == '#')
                continue;
            std::vector<std::string> c = SplitOn(line, '|');
            c.resize(std::max<std::size_t>(c.size(), 5));
            all.push_back({entry.path().filename().string(), c[0], c[1], c[2], c[3], c[4]});
        }
    }
    return all;
}

// A failing line is named by its file and name, not dumped as bytes.
void PrintTo(const Scenario& s, std::ostream* out) { *out << s.file << ": " << s.name; }

class CoreScenarios : public ::testing::TestWithParam<Scenario> {};

TEST_P(CoreScenarios, AsTheLineSays) {
    const Scenario& s = GetParam();
    Line line;
    line.start(ParseMarked(s.start));
    for (const std::string& step : SplitOn(s.actions, ';'))
        if (!step.empty() && !HasFailure()) line.act(step);
    if (HasFailure()) return;
    line.checkExample(ParseMarked(s.example));
    if (s.checks.find("critical=") == std::string::npos) {
        EXPECT_FALSE(line.critical()) << "an error box";
    }
    for (const std::string& c : SplitOn(s.checks, ';')) {
        if (c.empty()) continue;
        const std::size_t eq = c.find('=');
        line.check(c.substr(0, eq), eq == std::string::npos ? "" : c.substr(eq + 1));
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, CoreScenarios, ::testing::ValuesIn(Read()),
                         [](const ::testing::TestParamInfo<Scenario>& line) { return line.param.name; });

}  // namespace
}  // namespace tambrel
