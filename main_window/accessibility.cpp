#include "accessibility.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTimer>

#include "frm_forma.h"
#include "knopka_label.h"
#include "tetrad_accessible.h"
#include "tetrad_paper.h"

namespace tambrel {

namespace {

// A key is a push button whose press is a click: down, then up.
class KeyAccessible : public QAccessibleWidget {
public:
    explicit KeyAccessible(KnopkaLabel* key) : QAccessibleWidget(key, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        // A modal window keeps the mouse off the keys, and so the reader.
        const QWidget* modal = QApplication::activeModalWidget();
        if (name != pressAction() || (modal != nullptr && modal != widget()->window())) return;
        static_cast<KnopkaLabel*>(widget())->click();
    }
    // The keyboard's way to the same character.
    QStringList keyBindingsForAction(const QString& name) const override {
        if (name != pressAction()) return {};
        const int index = static_cast<KnopkaLabel*>(widget())->index();
        return {index == SolveKey ? QStringLiteral("Enter") : QString(QChar(KeypadChars[index]))};
    }
};

// A text box's line as a reader takes it. The toolkit's own interface
// answers a query for the attributes at an offset with an empty run, from
// which a reader builds the line short of its last character, and gives
// the tooltip, which only repeats the example, as a description that a
// reader reads after it.
class LineAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    LineAccessible(QLineEdit* box, bool readOnly)
        : QAccessibleWidget(box, QAccessible::EditableText), readOnly_(readOnly) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = readOnly_;
        s.editable = !readOnly_;
        s.selectableText = true;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return box()->text();
        if (t == QAccessible::Description) return {};
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    void selection(int index, int* start, int* end) const override {
        *start = index == 0 && box()->hasSelectedText() ? box()->selectionStart() : 0;
        *end = *start + (index == 0 ? box()->selectionLength() : 0);
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { box()->setSelection(start, end - start); }
    void removeSelection(int /*index*/) override { box()->deselect(); }
    void setSelection(int /*index*/, int start, int end) override { box()->setSelection(start, end - start); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int start, int end) const override { return box()->text().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(box()->text().size()); }
    // Where the character stands when the text is not scrolled.
    QRect characterRect(int offset) const override {
        const QString text = box()->text();
        if (offset < 0 || offset >= text.size()) return {};
        const QFontMetrics metrics(box()->font());
        const QRect inner = box()->contentsRect();
        const QRect r(inner.left() + 2 + metrics.horizontalAdvance(text.left(offset)),
                      inner.top() + (inner.height() - metrics.height()) / 2,
                      metrics.horizontalAdvance(text.at(offset)), metrics.height());
        return {box()->mapToGlobal(r.topLeft()), r.size()};
    }
    int offsetAtPoint(const QPoint& point) const override {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int /*start*/, int /*end*/) override {}
    // One run of no attributes over the whole line.
    QString attributes(int /*offset*/, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }

    bool readOnly_;
};

// The shortcut as a reader reads a key binding: "<Control>z", "Delete".
QString ReaderKey(const QKeySequence& shortcut) {
    if (shortcut.isEmpty()) return {};
    const QKeyCombination key = shortcut[0];
    QString text;
    if (key.keyboardModifiers() & Qt::ControlModifier) text += QStringLiteral("<Control>");
    if (key.keyboardModifiers() & Qt::ShiftModifier) text += QStringLiteral("<Shift>");
    if (key.keyboardModifiers() & Qt::AltModifier) text += QStringLiteral("<Alt>");
    if (key.key() == Qt::Key_Delete) return text + QStringLiteral("Delete");
    const QString name = QKeySequence(key.key()).toString(QKeySequence::PortableText);
    return text + (name.size() == 1 ? name.toLower() : name);
}

// An item of a drop-down menu. The toolkit's own menu counts only plain
// items and separators among its children: the switch, a check box, had no
// place in it, and a reader took it for an object already gone and said
// nothing. The toolkit also gives a reader no key binding in the form it
// reads ("mnemonic;;accelerator"), so the shortcuts went unsaid.
class MenuItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuItemAccessible(QAction* action, QMenu* menu) : action_(action), menu_(menu) {
        if (!action->isCheckable()) return;
        // A reader learns the new state without reading the item again.
        QObject::connect(action, &QAction::toggled, action, [action] {
            QAccessible::State changed;
            changed.checked = true;
            QAccessibleStateChangeEvent event(action, changed);
            QAccessible::updateAccessibility(&event);
        });
    }

    bool isValid() const override { return !action_.isNull() && !menu_.isNull(); }
    QObject* object() const override { return action_; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(menu_); }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        const QString caption = action_->text();
        if (t == QAccessible::Name) return QString(caption).remove(u'&');
        if (t == QAccessible::Accelerator) return action_->shortcut().toString(QKeySequence::NativeText);
        return {};
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    QRect rect() const override {
        const QRect r = menu_->actionGeometry(action_);
        return {menu_->mapToGlobal(r.topLeft()), r.size()};
    }
    // The bridge here passes no "checkable" state on: a check box is what a
    // reader then speaks with its state, inside the menu as anywhere.
    QAccessible::Role role() const override {
        if (action_->isSeparator()) return QAccessible::Separator;
        return action_->isCheckable() ? QAccessible::CheckBox : QAccessible::MenuItem;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.checkable = action_->isCheckable();
        s.checked = action_->isChecked();
        s.disabled = !action_->isEnabled() || action_->isSeparator();
        s.focusable = !action_->isSeparator();
        s.focused = menu_->isVisible() && menu_->activeAction() == action_;
        s.invisible = !menu_->isVisible() || !action_->isVisible();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override {
        if (action_->isSeparator()) return {};
        if (action_->isCheckable()) return {pressAction(), toggleAction()};
        return {pressAction()};
    }
    void doAction(const QString& name) override {
        if ((name == pressAction() || name == toggleAction()) && action_->isEnabled()) action_->trigger();
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        if (name != pressAction()) return {};
        const QString mnemonic = QKeySequence::mnemonic(action_->text()).toString(QKeySequence::PortableText);
        const QString accelerator = ReaderKey(action_->shortcut());
        if (mnemonic.isEmpty() && accelerator.isEmpty()) return {};
        return {mnemonic.section(u'+', -1).toLower(), QString(), accelerator};
    }

private:
    QPointer<QAction> action_;
    QPointer<QMenu> menu_;
};

// A drop-down menu whose children are its items, every kind counted; see
// MenuItemAccessible. Its parent is the menu bar's item that opens it.
class MenuAccessible : public QAccessibleWidget {
public:
    explicit MenuAccessible(QMenu* menu) : QAccessibleWidget(menu, QAccessible::PopupMenu) {}

    int childCount() const override { return static_cast<int>(menu()->actions().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QAction*> actions = menu()->actions();
        return index >= 0 && index < actions.size() ? QAccessible::queryAccessibleInterface(actions.at(index))
                                                    : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child == nullptr
                   ? -1
                   : static_cast<int>(menu()->actions().indexOf(qobject_cast<QAction*>(child->object())));
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QAction* action = menu()->actionAt(menu()->mapFromGlobal(QPoint(x, y)));
        return action != nullptr ? QAccessible::queryAccessibleInterface(action) : nullptr;
    }
    QAccessibleInterface* parent() const override {
        for (QObject* shown : menu()->menuAction()->associatedObjects()) {
            auto* bar = qobject_cast<QMenuBar*>(shown);
            QAccessibleInterface* barInterface =
                bar != nullptr ? QAccessible::queryAccessibleInterface(bar) : nullptr;
            if (barInterface != nullptr)
                return barInterface->child(static_cast<int>(bar->actions().indexOf(menu()->menuAction())));
        }
        return QAccessibleWidget::parent();
    }

private:
    QMenu* menu() const { return static_cast<QMenu*>(widget()); }
};

QAccessibleInterface* CreateAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("tambrel::KnopkaLabel"))
        return new KeyAccessible(static_cast<KnopkaLabel*>(object));
    if (className == QLatin1String("tambrel::AnswerBox"))
        return new LineAccessible(static_cast<AnswerBox*>(object), true);
    if (className == QLatin1String("tambrel::PrimerBox"))
        return new LineAccessible(static_cast<QLineEdit*>(object), false);
    if (className == QLatin1String("tambrel::Announcer")) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    if (className == QLatin1String("tambrel::TetradPaper"))
        return NewPaperAccessible(static_cast<TetradPaper*>(object));
    if (className == QLatin1String("QMenu")) return new MenuAccessible(static_cast<QMenu*>(object));
    // The items of drop-down menus; those of the menu bar, and any item that
    // opens a menu (the menu bar's are also kept in a hidden overflow
    // menu), stay the toolkit's.
    if (className == QLatin1String("QAction") && static_cast<QAction*>(object)->menu() == nullptr) {
        auto* action = static_cast<QAction*>(object);
        for (QObject* shown : action->associatedObjects()) {
            auto* menu = qobject_cast<QMenu*>(shown);
            if (menu != nullptr) return new MenuItemAccessible(action, menu);
        }
    }
    return nullptr;
}

// Tells the widgets of the menus to hide their mnemonics unless the
// keyboard is at work there.
class MnemonicStyle : public QProxyStyle {
public:
    explicit MnemonicStyle(QMenuBar* bar)
        : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), bar_(bar) {
        QApplication::instance()->installEventFilter(this);
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_UnderlineShortcut && !shown_) return 0;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) {
            const int key = static_cast<QKeyEvent*>(e)->key();
            if (key == Qt::Key_Alt) altHeld_ = e->type() == QEvent::KeyPress;
            if (key == Qt::Key_Alt || key == Qt::Key_F10) byKeyboard_ = true;
            refreshSoon();
        } else if (e->type() == QEvent::MouseButtonPress) {
            byKeyboard_ = false;
            refreshSoon();
        }
        return QProxyStyle::eventFilter(watched, e);
    }

private:
    // Once the menu bar has taken the key: it enters or leaves its
    // keyboard mode on the same event.
    void refreshSoon() {
        if (refreshPending_) return;
        refreshPending_ = true;
        QTimer::singleShot(0, this, [this] {
            refreshPending_ = false;
            if (bar_.isNull()) return;
            const bool menuInUse =
                bar_->activeAction() != nullptr || QApplication::activePopupWidget() != nullptr;
            if (!menuInUse && !altHeld_) byKeyboard_ = false;
            const bool shown = altHeld_ || (byKeyboard_ && menuInUse);
            if (shown == shown_) return;
            shown_ = shown;
            bar_->update();
            for (QMenu* menu : bar_->findChildren<QMenu*>()) menu->update();
        });
    }

    QPointer<QMenuBar> bar_;
    bool altHeld_ = false;
    bool byKeyboard_ = false;
    bool shown_ = false;
    bool refreshPending_ = false;
};

}  // namespace

void InstallAccessibleControls() {
    static const bool installed = [] {
        QAccessible::installFactory(&CreateAccessible);
        return true;
    }();
    (void)installed;
}

bool SelectOnceReaderKnowsFocus(QLineEdit* box, const QFocusEvent* e) {
    const Qt::FocusReason reason = e->reason();
    const bool selects =
        reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    if (!QAccessible::isActive() || !selects || box->hasSelectedText() || !box->inputMask().isEmpty())
        return false;
    QTimer::singleShot(0, box, [box] {
        if (box->hasFocus() && !box->hasSelectedText()) box->selectAll();
    });
    return true;
}

void AnswerBox::focusInEvent(QFocusEvent* e) {
    if (!SelectOnceReaderKnowsFocus(this, e)) {
        QLineEdit::focusInEvent(e);
        return;
    }
    QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&plain);
}

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // One pixel under its siblings: it draws nothing and is never seen.
    setGeometry(0, 0, 1, 1);
    lower();
    hide();
}

void Announcer::say(const QString& text) {
    if (text.isEmpty()) return;
    hide();
    setAccessibleName(text);
    show();
}

void UnderlineMnemonicsOnlyByKeyboard(QMenuBar* bar) {
    auto* style = new MnemonicStyle(bar);
    style->setParent(bar);
    bar->setStyle(style);
    for (QMenu* menu : bar->findChildren<QMenu*>()) menu->setStyle(style);
}

void ToggleMenuBarByKeyboard(QMenuBar* bar) {
    // The menu bar enters and leaves its keyboard mode on a lone Alt, which
    // it watches for on its window: it is shown one. An Alt key event
    // reports Alt as its modifier by itself.
    QObject* watcher = bar;
    QWidget* window = bar->window();
    QKeyEvent alt(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
    watcher->eventFilter(window, &alt);
    QKeyEvent released(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    watcher->eventFilter(window, &released);
}

}  // namespace tambrel
