#include "tetrad_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <algorithm>
#include <vector>

#include "tetrad_paper.h"

namespace tambrel {

namespace {

// A line of the notebook: its words are its name and its text.
class PaperLine : public QAccessibleInterface, public QAccessibleTextInterface {
public:
    PaperLine(TetradPaper* paper, int line) : paper_(paper), line_(line) {}

    bool isValid() const override { return !paper_.isNull() && line_ < paper_->lineCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return paper_.isNull() ? nullptr : paper_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(paper_); }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? words() : QString(); }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    QRect rect() const override {
        const QRect r = paper_->lineRect(line_);
        return {paper_->mapToGlobal(r.topLeft()), r.size()};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = true;
        s.focused = paper_->hasFocus() && paper_->currentLine() == line_;
        s.readOnly = true;
        s.offscreen = !paper_->visibleRegion().intersects(paper_->lineRect(line_));
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this) : nullptr;
    }

    void selection(int /*index*/, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int /*start*/, int /*end*/) override {}
    void removeSelection(int /*index*/) override {}
    void setSelection(int /*index*/, int /*start*/, int /*end*/) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    QString text(int start, int end) const override { return words().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(words().size()); }
    QRect characterRect(int /*offset*/) const override { return {}; }
    int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }
    void scrollToSubstring(int /*start*/, int /*end*/) override {}
    QString attributes(int /*offset*/, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QString words() const { return paper_.isNull() ? QString() : paper_->lineWords(line_); }

    QPointer<TetradPaper> paper_;
    int line_;
};

// The paper, a list of its lines. A line's interface is made when a reader
// first asks for it and kept until the notebook changes.
class PaperAccessible : public QAccessibleWidget {
public:
    explicit PaperAccessible(TetradPaper* paper) : QAccessibleWidget(paper, QAccessible::List) {
        QObject::connect(paper, &TetradPaper::linesChanged, paper, [this] { forgetLines(); });
    }
    ~PaperAccessible() override { forgetLines(); }
    PaperAccessible(const PaperAccessible&) = delete;
    PaperAccessible& operator=(const PaperAccessible&) = delete;

    int childCount() const override { return paper()->lineCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        if (lines_.size() < static_cast<std::size_t>(childCount()))
            lines_.resize(static_cast<std::size_t>(childCount()), 0);
        QAccessible::Id& id = lines_[static_cast<std::size_t>(index)];
        if (id == 0) id = QAccessible::registerAccessibleInterface(new PaperLine(paper(), index));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const QAccessible::Id id =
            child != nullptr ? QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child)) : 0;
        const auto found = std::find(lines_.begin(), lines_.end(), id);
        return id != 0 && found != lines_.end() ? static_cast<int>(found - lines_.begin()) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = paper()->mapFromGlobal(QPoint(x, y));
        for (int line = 0; line < childCount(); ++line)
            if (paper()->lineRect(line).contains(at)) return child(line);
        return nullptr;
    }

private:
    TetradPaper* paper() const { return static_cast<TetradPaper*>(widget()); }
    void forgetLines() {
        for (const QAccessible::Id id : lines_)
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
        lines_.clear();
    }

    mutable std::vector<QAccessible::Id> lines_;
};

}  // namespace

QAccessibleInterface* NewPaperAccessible(TetradPaper* paper) { return new PaperAccessible(paper); }

}  // namespace tambrel
