// The operations of the soak program and the checks after each.
#include "soak_driver.h"

#include <QAction>
#include <QClipboard>
#include <QMimeData>
#include <vector>

#include "frm_tetrad.h"
#include "shared_state.h"

namespace tambrel::soak {

using namespace testing;

namespace {

// A longer example is cut back after the operation, so that the run
// measures leaks and not ever-longer texts.
constexpr qsizetype MaxKept = 300;

QString NameOf(const QObject* o) { return o != nullptr ? o->objectName() : QStringLiteral("none"); }

QString KeyName(QKeyCombination key) { return QKeySequence(key).toString(); }

const QString AllowedPool = QStringLiteral("0123456789,^-+*()/\\=");
constexpr char16_t JunkChars[] = u"aAxzКкЭэё .;:?!_@#\"'[]{}<>|~`\t\0";
const QString JunkPool = QString::fromUtf16(JunkChars, std::size(JunkChars) - 1);
const QString RootLetters = QStringLiteral("KkЛл");

}  // namespace

QString Shown(const QString& text, qsizetype most) {
    QString r(u'"');
    for (qsizetype i = 0; i < text.size() && i < most; ++i) {
        const QChar c = text[i];
        if (c.isPrint() && c != u'"') {
            r += c;
        } else {
            r += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
        }
    }
    r += u'"';
    if (text.size() > most) r += QStringLiteral("…(%1 characters)").arg(text.size());
    return r;
}

const std::array<std::pair<int, Driver::Maker>, 17>& Driver::kinds() {
    static const std::array<std::pair<int, Maker>, 17> all{{
        {20, &Driver::anyKey},
        {12, &Driver::allowedCharacter},
        {4, &Driver::junkCharacter},
        {3, &Driver::rootLetter},
        {7, &Driver::typedExample},
        {11, &Driver::editingKey},
        {5, &Driver::enter},
        {12, &Driver::shortcut},
        {7, &Driver::trigger},
        {5, &Driver::paste},
        {5, &Driver::takeBack},
        {5, &Driver::focus},
        {1, &Driver::menuClick},
        {2, &Driver::solveKey},
        {2, &Driver::replaceSwitch},
        {1, &Driver::exitAnsweredNo},
        {2, &Driver::notebook},
    }};
    return all;
}

Driver::Driver(FrmForma& form, testing::FakeBoxes& boxes, std::uint32_t seed)
    : form_(form), boxes_(boxes), random_(seed), kind_([] {
          std::vector<int> weights;
          for (const auto& kind : kinds()) weights.push_back(kind.first);
          return std::discrete_distribution<int>(weights.begin(), weights.end());
      }()) {}

Operation Driver::pick() {
    fault_.clear();
    return (this->*kinds()[static_cast<std::size_t>(kind_(random_))].second)();
}

Operation Driver::keypad(int key) {
    return {QStringLiteral("keypad click on key %1 «%2»")
                .arg(key)
                .arg(Find<QLabel>(&form_, QStringLiteral("Knopka%1").arg(key))->text()),
            [this, key] { ClickThroughWindow(Find<QLabel>(&form_, QStringLiteral("Knopka%1").arg(key))); }};
}

Operation Driver::atFocus(const QString& what, std::function<void(QWidget*)> act) {
    QWidget* target = QApplication::focusWidget();
    PrimerBox* primer = Find<PrimerBox>(&form_, QStringLiteral("Primer"));
    if (target != primer && chance(70)) {
        const QPoint at = somewhereIn(primer);
        return {QStringLiteral("click Primer at (%1,%2), then %3").arg(at.x()).arg(at.y()).arg(what),
                [primer, at, act] {
                    QTest::mouseClick(primer, Qt::LeftButton, Qt::NoModifier, at);
                    act(primer);
                }};
    }
    if (target == nullptr) target = primer;
    return {what + QStringLiteral(" into ") + NameOf(target), [target, act] { act(target); }};
}

Operation Driver::typed(const QString& pool) {
    const QChar c = pool[below(pool.size())];
    return atFocus(QStringLiteral("type ") + Shown(c), [c](QWidget* w) { TypeChar(w, c); });
}

Operation Driver::allowedCharacter() { return typed(AllowedPool); }
Operation Driver::junkCharacter() { return typed(JunkPool); }
Operation Driver::rootLetter() { return typed(RootLetters); }

// Keystrokes of a well-formed example; → is the Right key that steps over
// the ")" typing "(" or "k" at the end put there already.
QString Driver::strokes(int depth) {
    QString r;
    for (int terms = 1 + below(depth > 0 ? 3 : 5); terms > 0; --terms) {
        const int kind = depth < 2 ? below(10) : 0;
        if (kind == 8) {
            r += QStringLiteral("k") + strokes(depth + 1) + u'→';
        } else if (kind == 9) {
            r += QStringLiteral("(") + strokes(depth + 1) + u'→';
        } else {
            r += QString::number(below(1000));
            if (chance(10)) r += QStringLiteral(",5");
        }
        if (terms > 1) r += QStringLiteral("+-*/^")[chance(95) ? below(4) : 4];
    }
    return r;
}

// Mostly a new example over an emptied box, then solved, as a pupil works.
Operation Driver::typedExample() {
    const bool fresh = chance(70);
    const QString keys = strokes(0);
    const bool solve = chance(60);
    QString what = QStringLiteral("type ") + Shown(keys);
    if (fresh) what = QStringLiteral("Ctrl+A, Backspace, ") + what;
    if (solve) what += QStringLiteral(", Return");
    return atFocus(what, [fresh, keys, solve](QWidget* w) {
        if (fresh) {
            QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(w, Qt::Key_Backspace);
        }
        for (const QChar c : keys) {
            if (c == u'→') {
                QTest::keyClick(w, Qt::Key_Right);
            } else {
                TypeChar(w, c);
            }
        }
        if (solve) QTest::keyClick(w, Qt::Key_Return);
    });
}

Operation Driver::editingKey() {
    static constexpr std::array keys{Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,
                                     Qt::Key_Right,     Qt::Key_Home,   Qt::Key_End};
    const Qt::Key key = keys[below(keys.size())];
    const Qt::KeyboardModifiers held = chance(25) ? Qt::ShiftModifier : Qt::NoModifier;
    return atFocus(QStringLiteral("key ") + KeyName(QKeyCombination(held, key)),
                   [key, held](QWidget* w) { QTest::keyClick(w, key, held); });
}

Operation Driver::enter() {
    switch (below(3)) {
        case 0: return atFocus(QStringLiteral("type \\r"), [](QWidget* w) { TypeChar(w, u'\r'); });
        case 1:
            return atFocus(QStringLiteral("key Return"),
                           [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
        default:
            return atFocus(QStringLiteral("keypad key Enter"),
                           [](QWidget* w) { QTest::keyClick(w, Qt::Key_Enter, Qt::KeypadModifier); });
    }
}

Operation Driver::shortcut() {
    // The Edit menu's own keys and the box's undo, redo and line keys.
    static const std::array keys{Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::Key_X,
                                 Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_V,
                                 Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::Key_S,
                                 Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z,
                                 Qt::CTRL | Qt::Key_K, Qt::CTRL | Qt::Key_Backspace};
    const QKeyCombination key = keys[below(keys.size())];
    return atFocus(QStringLiteral("key ") + KeyName(key),
                   [key](QWidget* w) { QTest::keyClick(w, key.key(), key.keyboardModifiers()); });
}

// Through the action, as a menu opened earlier may have left it; a stale
// menu can leave it enabled when there is nothing to do.
std::array<QAction*, 8> Driver::editItems() const {
    return {Find<QAction>(&form_, QStringLiteral("EditUndo")),
            Find<QAction>(&form_, QStringLiteral("EditRedo")),
            Find<QAction>(&form_, QStringLiteral("EditCopy")),
            Find<QAction>(&form_, QStringLiteral("EditPaste")),
            Find<QAction>(&form_, QStringLiteral("EditDelete")),
            Find<QAction>(&form_, QStringLiteral("EditAll")),
            Find<QAction>(&form_, QStringLiteral("EditSkopki")),
            Find<QAction>(&form_, QStringLiteral("EditPrimerOtvet"))};
}

Operation Driver::trigger() {
    const std::array items = editItems();
    QAction* item = items[below(items.size())];
    const bool stale = chance(50);
    return {QStringLiteral("trigger %1%2")
                .arg(NameOf(item), stale ? QStringLiteral(" (left enabled)") : QString()),
            [item, stale] {
                if (stale) item->setEnabled(true);
                item->trigger();
            }};
}

Operation Driver::replaceSwitch() {
    return {QStringLiteral("trigger EditPrimerOtvet"),
            [this] { Find<QAction>(&form_, QStringLiteral("EditPrimerOtvet"))->trigger(); }};
}

std::pair<QString, std::function<void()>> Driver::clipboard() {
    static const std::array examples{u"2+3*4", u"12-4*2", u"K(16)+2^3",       u"(1+2)*(3-4)/5",
                                     u"1,5*2", u"10/0",   u"9999999*9999999", u"((((1))))",
                                     u"-(-5)", u"2^0,5",  u"K(-4)",           u"3(4)"};
    // Whole pieces, so that a character outside the 16-bit range stays whole.
    static const std::array junk{u"1", u"+", u"*", u"(",  u")",    u"k", u"К",      u"к",      u"л", u" ",
                                 u".", u"=", u"x", u"\t", u"\r\n", u"😀", u"\u05d0", u"\u200f", u"Э", u";"};
    QString text;
    switch (below(6)) {
        case 0: text = QString::fromUtf16(examples[below(examples.size())]); break;
        case 1:
        case 2:
            for (int n = below(60); n > 0; --n) text += QString::fromUtf16(junk[below(junk.size())]);
            if (chance(20)) text.insert(below(text.size() + 1), QChar(u'\0'));
            break;
        case 3:
            for (int n = 100 + below(100); n > 0; --n) text += AllowedPool[below(AllowedPool.size() - 1)];
            break;
        case 4:
            return {QStringLiteral("clipboard holding only HTML"), [] {
                        auto* html = new QMimeData;
                        html->setHtml(QStringLiteral("<b>9</b>"));
                        html->removeFormat(QStringLiteral("text/plain"));
                        QApplication::clipboard()->setMimeData(html);
                    }};
        default: return {QStringLiteral("empty clipboard"), [] { QApplication::clipboard()->clear(); }};
    }
    return {QStringLiteral("clipboard ") + Shown(text), [text] { QApplication::clipboard()->setText(text); }};
}

Operation Driver::paste() {
    auto [held, fill] = clipboard();
    if (chance(60)) {
        return atFocus(held + QStringLiteral(", key Ctrl+V"), [fill](QWidget* w) {
            fill();
            QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
        });
    }
    QAction* item = Find<QAction>(&form_, QStringLiteral("EditPaste"));
    return {held + QStringLiteral(", trigger EditPaste (left enabled)"), [fill, item] {
                fill();
                item->setEnabled(true);
                item->trigger();
            }};
}

Operation Driver::takeBack() {
    QListWidget* list = Find<QListWidget>(&form_, QStringLiteral("DirPr"));
    if (list->count() == 0) return keypad(SolveKey);  // nothing to take back yet: solve instead
    const int row = below(list->count());
    const bool byEnter = chance(40);
    return {QStringLiteral("DirPr: click row %1, then %2").arg(row).arg(byEnter ? "Enter" : "double click"),
            [list, row, byEnter] {
                QListWidgetItem* item = list->item(row);
                list->scrollToItem(item);
                const QPoint at = list->visualItemRect(item).center();
                QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
                if (byEnter) {
                    QTest::keyClick(list, Qt::Key_Return);
                } else {
                    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
                }
            }};
}

Operation Driver::focus() {
    if (chance(10)) {
        return atFocus(QStringLiteral("key Tab"), [](QWidget* w) { QTest::keyClick(w, Qt::Key_Tab); });
    }
    const std::array<std::pair<const char*, QWidget*>, 6> places{
        {{"Primer", Find<PrimerBox>(&form_, QStringLiteral("Primer"))},
         {"Primer", Find<PrimerBox>(&form_, QStringLiteral("Primer"))},
         {"Primer", Find<PrimerBox>(&form_, QStringLiteral("Primer"))},
         {"txtOtvet", Find<QLineEdit>(&form_, QStringLiteral("txtOtvet"))},
         {"DirC", Find<QListWidget>(&form_, QStringLiteral("DirC"))->viewport()},
         {"DirPr", Find<QListWidget>(&form_, QStringLiteral("DirPr"))->viewport()}}};
    const auto [name, place] = places[below(places.size())];
    const QPoint at = somewhereIn(place);
    return {QStringLiteral("click %1 at (%2,%3)").arg(QLatin1String(name)).arg(at.x()).arg(at.y()),
            [place, at] { QTest::mouseClick(place, Qt::LeftButton, Qt::NoModifier, at); }};
}

// The Edit menu opened with the mouse, as the user does; an item clicked, or
// Escape. A disabled item leaves the menu open, and it is then closed.
Operation Driver::menuClick() {
    const std::array items = editItems();
    QAction* item = chance(15) ? nullptr : items[below(items.size())];
    return {QStringLiteral("Edit menu: ") +
                (item ? QStringLiteral("click ") + NameOf(item) : QStringLiteral("Escape")),
            [this, item] {
                QMenuBar* bar = form_.menuBar();
                QMenu* menu = Find<QMenu>(&form_, QStringLiteral("Edit"));
                QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                                  bar->actionGeometry(menu->menuAction()).center());
                if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000)) {
                    fault_ = QStringLiteral("the Edit menu did not open");
                    return;
                }
                if (item != nullptr) {
                    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier,
                                      menu->actionGeometry(item).center());
                } else {
                    QTest::keyClick(menu, Qt::Key_Escape);
                }
                menu->hide();
                if (!QTest::qWaitFor([menu] { return !menu->isVisible(); }, 2000))
                    fault_ = QStringLiteral("the Edit menu did not close");
                // The headless platform hands activation to the popup and
                // never back; a window system gives it back to the window.
                form_.activateWindow();
                if (!QTest::qWaitForWindowActive(&form_))
                    fault_ = QStringLiteral("the window stayed inactive");
            }};
}

// Выход asks «Закрыть программу?»; answered Нет, the window stays.
Operation Driver::exitAnsweredNo() {
    const bool byMouse = chance(50);
    return {QStringLiteral("Выход %1, answered Нет").arg(byMouse ? "clicked" : "triggered"), [this, byMouse] {
                boxes_.answer = false;
                const int asked = boxes_.questions;
                if (byMouse) {
                    QMenuBar* bar = form_.menuBar();
                    QTest::mouseClick(
                        bar, Qt::LeftButton, Qt::NoModifier,
                        bar->actionGeometry(Find<QAction>(&form_, QStringLiteral("Exit"))).center());
                } else {
                    Find<QAction>(&form_, QStringLiteral("Exit"))->trigger();
                }
                if (boxes_.questions != asked + 1) fault_ = QStringLiteral("Выход asked no closing question");
            }};
}

// The notebook opened by F2 or a double click on an action, a key pressed
// in it; then closed by Esc, or left open while the pupil goes back to the
// main window, where it follows every solving; or copied, or printed.
Operation Driver::notebook() {
    static const std::array keys{Qt::Key_Down, Qt::Key_Up,   Qt::Key_PageDown, Qt::Key_PageUp,
                                 Qt::Key_End,  Qt::Key_Home, Qt::Key_Left,     Qt::Key_Right};
    QListWidget* actions = Find<QListWidget>(&form_, QStringLiteral("DirC"));
    const int row = actions->count() > 0 && chance(40) ? below(actions->count()) : -1;
    const Qt::Key key = keys[below(keys.size())];
    const int then = below(4);
    static const std::array<const char*, 4> thens{"Escape", "back to the main window", "copy", "print"};
    return {
        QStringLiteral("notebook by %1, key %2, then %3")
            .arg(row >= 0 ? QStringLiteral("double click on action %1").arg(row + 1) : QStringLiteral("F2"),
                 KeyName(key), QLatin1String(thens[static_cast<std::size_t>(then)])),
        [this, actions, row, key, then] {
            if (row >= 0) {
                actions->scrollToItem(actions->item(row));
                const QPoint at = actions->visualItemRect(actions->item(row)).center();
                QTest::mouseClick(actions->viewport(), Qt::LeftButton, Qt::NoModifier, at);
                QTest::mouseDClick(actions->viewport(), Qt::LeftButton, Qt::NoModifier, at);
            } else {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
            }
            FrmTetrad* tetrad = form_.tetrad();
            if (tetrad == nullptr ||
                !QTest::qWaitFor([tetrad] { return QApplication::activeWindow() == tetrad; })) {
                fault_ = QStringLiteral("the notebook did not open");
                return;
            }
            QTest::keyClick(QApplication::focusWidget(), key);
            notebookThen(then);
        }};
}

void Driver::notebookThen(int then) {
    FrmTetrad* tetrad = form_.tetrad();
    if (then == 0) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        if (tetrad->isVisible()) fault_ = QStringLiteral("Esc left the notebook open");
    } else if (then >= 2) {
        // As a menu opened earlier may have left the item enabled.
        auto* item = Find<QAction>(
            &form_, then == 2 ? QStringLiteral("ReshenieCopy") : QStringLiteral("ResheniePrint"));
        item->setEnabled(true);
        item->trigger();
        const notebook::LastNotebook& last = form_.lastNotebook();
        if (then == 2 && last.ready() &&
            QApplication::clipboard()->text() != QString::fromStdU16String(last.text()))
            fault_ = QStringLiteral("«Копировать решение» copied something else");
    }
    form_.activateWindow();
    if (!QTest::qWaitFor([this] { return QApplication::activeWindow() == &form_; }))
        fault_ = QStringLiteral("the main window did not take the keyboard back");
}

QString Driver::trim() {
    PrimerBox* primer = Find<PrimerBox>(&form_, QStringLiteral("Primer"));
    const qsizetype before = primer->text().size();
    if (before <= MaxKept) return {};
    primer->setFocus();
    QString how = QStringLiteral("Ctrl+Z");
    const bool undo = chance(50);
    for (int i = 0; i < 20 && undo && primer->text().size() > MaxKept; ++i)
        QTest::keyClick(primer, Qt::Key_Z, Qt::ControlModifier);
    if (primer->text().size() > MaxKept) {
        how = QStringLiteral("Ctrl+A, Delete");
        QTest::keyClick(primer, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(primer, Qt::Key_Delete);
        if (!primer->text().isEmpty())
            fault_ =
                QStringLiteral("Ctrl+A and Delete left %1 characters in Primer").arg(primer->text().size());
    }
    return QStringLiteral(" (then %1 cut the example from %2 to %3 characters)")
        .arg(how)
        .arg(before)
        .arg(primer->text().size());
}

QString Driver::broken() const {
    if (!fault_.isEmpty()) return fault_;
    const PrimerBox* primer = Find<PrimerBox>(&form_, QStringLiteral("Primer"));
    if (primer->toolTip() != primer->text())
        return QStringLiteral("Primer's tooltip %1 is not its text").arg(Shown(primer->toolTip()));
    const EditHistory& h = form_.editHistory();
    // Undo followed by Redo must bring back what the box shows now.
    const QString current = QString::fromStdU16String(h.current().text);
    if (current != primer->text())
        return QStringLiteral("the history's current state %1 is not the example").arg(Shown(current));
    if (ExampleState != Solved && ExampleState != Changed)
        return QStringLiteral("ExampleState stayed %1").arg(ExampleState);
    if (Find<QAction>(&form_, QStringLiteral("EditPrimerOtvet"))->isChecked() != (ReplaceWithAnswer != 0))
        return QStringLiteral("«Заменять пример ответом» shows the switch wrong");
    if (!form_.isVisible() || QApplication::activeWindow() != &form_)
        return QStringLiteral("the main window is no longer open and active");
    // An open notebook window follows every solving.
    const FrmTetrad* tetrad = form_.tetrad();
    const notebook::LastNotebook& last = form_.lastNotebook();
    if (tetrad != nullptr && tetrad->isVisible() && tetrad->showsNotebook() != last.ready())
        return QStringLiteral(
            "the notebook window shows a notebook where there is none, or none where there is");
    if (tetrad != nullptr && tetrad->isVisible() && last.ready() &&
        tetrad->text() != QString::fromStdU16String(last.text()))
        return QStringLiteral("the notebook window shows an older notebook");
    return {};
}

QString Driver::state() const {
    const PrimerBox* primer = Find<PrimerBox>(&form_, QStringLiteral("Primer"));
    const EditHistory& h = form_.editHistory();
    return QStringLiteral(
               "Primer %1, caret %2, selection %3+%4; HistoryPos %5, HistoryTop %6; ExampleState %7; "
               "ReplaceWithAnswer %8; focus %9; DirC %10 items, DirPr %11 items; txtOtvet %12")
        .arg(Shown(primer->text(), 400))
        .arg(primer->cursorPosition())
        .arg(primer->selectionStart())
        .arg(primer->selectedText().size())
        .arg(h.position())
        .arg(h.top())
        .arg(ExampleState)
        .arg(ReplaceWithAnswer)
        .arg(NameOf(QApplication::focusWidget()))
        .arg(Find<QListWidget>(&form_, QStringLiteral("DirC"))->count())
        .arg(Find<QListWidget>(&form_, QStringLiteral("DirPr"))->count())
        .arg(Shown(Find<QLineEdit>(&form_, QStringLiteral("txtOtvet"))->text()));
}

}  // namespace tambrel::soak
