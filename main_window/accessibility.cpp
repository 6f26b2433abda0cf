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

// Read-only text over the answer box's public face.
class AnswerAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AnswerAccessible(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.editable = false;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? box()->text() : QAccessibleWidget::text(t);
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
    QString attributes(int /*offset*/, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }
};

// A checkable item of a menu, with its check state; the toolkit shows the
// state but not that the item can be checked at all.
class SwitchItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    SwitchItemAccessible(QAction* action, QMenu* menu) : action_(action), menu_(menu) {
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
        if (t == QAccessible::Accelerator)
            return QKeySequence::mnemonic(caption).toString(QKeySequence::NativeText);
        return {};
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    QRect rect() const override {
        const QRect r = menu_->actionGeometry(action_);
        return {menu_->mapToGlobal(r.topLeft()), r.size()};
    }
    // The bridge here passes no "checkable" state on: a check box is what a
    // reader then speaks with its state, inside the menu as anywhere.
    QAccessible::Role role() const override { return QAccessible::CheckBox; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.checkable = true;
        s.checked = action_->isChecked();
        s.disabled = !action_->isEnabled();
        s.focusable = true;
        s.focused = menu_->isVisible() && menu_->activeAction() == action_;
        s.invisible = !menu_->isVisible();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction(), toggleAction()}; }
    void doAction(const QString& name) override {
        if ((name == pressAction() || name == toggleAction()) && action_->isEnabled()) action_->trigger();
    }
    QStringList keyBindingsForAction(const QString& /*name*/) const override { return {}; }

private:
    QPointer<QAction> action_;
    QPointer<QMenu> menu_;
};

QAccessibleInterface* CreateAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("tambrel::KnopkaLabel"))
        return new KeyAccessible(static_cast<KnopkaLabel*>(object));
    if (className == QLatin1String("tambrel::AnswerBox"))
        return new AnswerAccessible(static_cast<AnswerBox*>(object));
    if (className == QLatin1String("tambrel::Announcer")) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    if (className == QLatin1String("QAction")) {
        auto* action = static_cast<QAction*>(object);
        if (!action->isCheckable()) return nullptr;
        for (QObject* shown : action->associatedObjects()) {
            if (auto* menu = qobject_cast<QMenu*>(shown)) return new SwitchItemAccessible(action, menu);
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
