#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include "edit_history.h"
#include "engine_window.h"

class QAction;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;

namespace tambrel {

class KnopkaLabel;
class ListItemSize;
class PrimerBox;

inline bool IsOneOf(char16_t c, std::u16string_view set) {
    return c != 0 && set.find(c) != std::u16string_view::npos;
}

// What key i inserts is character i + 1 of this string; key 17 inserts "K()".
inline constexpr char16_t KeypadChars[] = u"0123456789,+-*/\\^K()";
// The characters the input box accepts from the keyboard.
inline constexpr char16_t AllowedChars[] = u"01243456789,^-+*()/\\";
inline bool InAllowedChars(char16_t c) { return IsOneOf(c, AllowedChars); }
// The letters that stand for the root. A typed key is read as its key: Л
// shares the K key on a Russian keyboard, so either letter gives "K()".
// Pasted text is read as characters: the Cyrillic К looks like K and
// becomes a bare "K"; Л looks like nothing of an example and is dropped.
inline constexpr char16_t TypedRootLetters[] = u"KkЛл";
inline constexpr char16_t PastedRootLetters[] = u"KkКк";
inline constexpr int KeyCount = 21;
inline constexpr int SolveKey = 20;

// The main window: the whole working surface of the calculator. It is also
// the window the engine writes its results into.
class FrmForma : public QMainWindow, public EngineWindow {
    Q_OBJECT

public:
    explicit FrmForma(QWidget* parent = nullptr);
    ~FrmForma() override;

    // Asked on every attempt to close the window; non-zero keeps it open.
    void setUnloadHandler(std::function<std::int16_t()> handler) { unloadHandler_ = std::move(handler); }

    // The banner strip along the top; the banner panel takes its place.
    QWidget* bannerPanel() const { return usrReklamaX1; }
    // Puts the panel where the strip is, in the strip's place in the tab
    // order, and deletes the strip.
    void replaceBannerPanel(QWidget* panel);
    QAction* helpCallHelpAction() const { return HelpCallHelp; }
    QAction* helpAboutAction() const { return HelpAbout; }
    const EditHistory& editHistory() const { return editHistory_; }

    // EngineWindow
    std::u16string primerText() const override;
    void setPrimerText(const std::u16string& text) override;
    void setPrimerCaret(int caret) override;
    void focusPrimer() override;
    void setOtvetText(const std::u16string& text) override;
    void clearList(ResultList list) override;
    void setListTooltip(ResultList list, const std::u16string& text) override;
    void appendListItem(ResultList list, const std::u16string& item) override;
    int actionCount() const override;
    std::u16string caption() const override;
    void showCriticalError(const std::u16string& title, const std::u16string& text) override;

    // Controls and menu items under the names the whole program uses.
    QWidget* usrReklamaX1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* DirT = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    PrimerBox* Primer = nullptr;
    QLineEdit* txtOtvet = nullptr;
    QListWidget* DirC = nullptr;
    QListWidget* DirPr = nullptr;
    std::array<KnopkaLabel*, KeyCount> Knopka{};

    QAction* Exit = nullptr;
    QMenu* Edit = nullptr;
    QAction* EditUndo = nullptr;
    QAction* EditRedo = nullptr;
    QAction* EditCopy = nullptr;
    QAction* EditPaste = nullptr;
    QAction* EditDelete = nullptr;
    QAction* EditAll = nullptr;
    QAction* EditSkopki = nullptr;
    QAction* sep = nullptr;
    QAction* EditPrimerOtvet = nullptr;
    QMenu* Help = nullptr;
    QAction* HelpCallHelp = nullptr;
    QAction* HelpAbout = nullptr;

    // The index of the key last pressed down.
    std::int32_t LastPressedKey = 0;

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    bool event(QEvent* e) override;

private:
    // frm_forma_layout.cpp
    void createControls();
    void createMenu();
    void arrangeTabOrder();

    // frm_forma_keypad.cpp
    void Knopka_MouseDown(int index);
    void Knopka_MouseUp(int index);
    void insertAtCaret(const QString& inserted, int caretAfter);

    // frm_forma_key_filter.cpp
    void Primer_KeyPress(char16_t& code);
    void Primer_Change();
    void solveWhenChanged();

    // frm_forma_edit_menu.cpp
    void connectEditMenu();
    bool editItemAvailable(const QAction* item) const;
    QAction* editItemFor(const QKeyEvent* key) const;
    QAction* refreshEditItemFor(const QKeyEvent* key);
    void restoreHistoryState(EditHistory::State state);
    void Edit_Click();
    void EditUndo_Click();
    void EditRedo_Click();
    void EditCopy_Click();
    void EditPaste_Click();
    void EditDelete_Click();
    void EditAll_Click();
    void EditSkopki_Click();
    void EditPrimerOtvet_Click();

    QListWidget* listFor(ResultList list) const;

    EditHistory editHistory_;
    // Both lists have one font.
    std::unique_ptr<ListItemSize> listItemSize_;
    std::function<std::int16_t()> unloadHandler_;
};

}  // namespace tambrel
