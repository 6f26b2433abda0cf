#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "engine_window.h"
#include "last_notebook.h"
#include "menu_table.h"
#include "primer_rules.h"

class QAction;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;

namespace tambrel {

class Announcer;
class FrmTetrad;
class KnopkaLabel;
class ListItemSize;
class PrimerBox;

// The notebook of the last solving, which tells the window when a solving
// has left a new one.
class FormNotebook : public notebook::LastNotebook {
public:
    explicit FormNotebook(std::function<void()> changed) : changed_(std::move(changed)) {}
    void ended(SolvingEnd end, std::u16string_view text) override {
        LastNotebook::ended(end, text);
        changed_();
    }

private:
    std::function<void()> changed_;
};

// The main window: the whole working surface of the calculator. It is also
// the window the engine writes its results into.
class FrmForma : public QMainWindow, public EngineWindow {
    Q_OBJECT

public:
    explicit FrmForma(QWidget* parent = nullptr);
    ~FrmForma() override;

    // Asked on every attempt to close the window; non-zero keeps it open.
    void setUnloadHandler(std::function<std::int16_t()> handler) { unloadHandler_ = std::move(handler); }

    // What start-up and the result lists work with; every control also
    // bears its name as its object name.
    // The banner strip along the top, where the banner panel goes.
    QWidget* bannerPanel() const { return usrReklamaX1; }
    QAction* helpCallHelpAction() const { return HelpCallHelp; }
    QAction* helpAboutAction() const { return HelpAbout; }
    QListWidget* resultList(ResultList list) const { return list == ResultList::DirC ? DirC : DirPr; }
    // The switch's item carries its check mark until start-up finds it off.
    void clearReplaceMark();
    // Spoken by a screen reader while the focus stays where it is.
    void announce(const QString& text);
    // Opens the notebook window «Решение», made on first use; at action N's
    // line (from 1) when N is given.
    void showNotebook(int action = 0);
    // Nullptr until the notebook was first shown.
    FrmTetrad* tetrad() const { return tetrad_; }
    const notebook::LastNotebook& lastNotebook() const { return notebook_; }
    // For the soak run's report.
    const EditHistory& editHistory() const { return rules_->history(); }

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
    StepListener* stepListener() override { return &notebook_; }

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    bool event(QEvent* e) override;

private:
    // frm_forma_layout.cpp
    void createControls();
    void createMenu();
    // The member that holds the command's item.
    QAction*& menuAction(MenuCommand command);
    QAction* menuAction(MenuCommand command) const;
    void arrangeTabOrder();

    // frm_forma_keypad.cpp
    void Knopka_MouseDown(int index);
    void Knopka_MouseUp(int index);

    // frm_forma_edit_menu.cpp
    void connectEditMenu();
    bool editItemAvailable(const QAction* item, bool clipboardHoldsText) const;
    QAction* editItemFor(const QKeyEvent* key) const;
    QAction* refreshEditItemFor(const QKeyEvent* key);
    void refreshMenu(std::string_view menu);
    void Edit_Click();
    void EditUndo_Click();
    void EditRedo_Click();
    void EditCopy_Click();
    void EditPaste_Click();
    void EditDelete_Click();
    void EditAll_Click();
    void EditSkopki_Click();
    void EditPrimerOtvet_Click();

    // frm_forma_reshenie_menu.cpp
    void connectReshenieMenu();
    // The notebook window follows every solving while it is open.
    void followNotebook();
    void Reshenie_Click();
    void ReshenieCopy_Click();
    void ResheniePrint_Click();

    // Controls and menu items the window's handlers work with; the captions,
    // the separator and the menus' titles are named children only.
    QWidget* usrReklamaX1 = nullptr;
    PrimerBox* Primer = nullptr;
    QLineEdit* txtOtvet = nullptr;
    QListWidget* DirC = nullptr;
    QListWidget* DirPr = nullptr;
    std::array<KnopkaLabel*, KeyCount> Knopka{};

    QMenu* Edit = nullptr;
    QAction* EditUndo = nullptr;
    QAction* EditRedo = nullptr;
    QAction* EditCopy = nullptr;
    QAction* EditPaste = nullptr;
    QAction* EditDelete = nullptr;
    QAction* EditAll = nullptr;
    QAction* EditSkopki = nullptr;
    QAction* EditPrimerOtvet = nullptr;
    QMenu* Reshenie = nullptr;
    QAction* ReshenieShow = nullptr;
    QAction* ReshenieCopy = nullptr;
    QAction* ResheniePrint = nullptr;
    QAction* HelpCallHelp = nullptr;
    QAction* HelpAbout = nullptr;

    // The index of the key last pressed down.
    std::int32_t LastPressedKey = 0;

    // The rules of Primer: keypad, key filter, change handler, history.
    std::unique_ptr<PrimerRules> rules_;
    // Speaks every new text of txtOtvet; the focus stays where it is.
    Announcer* announcer_ = nullptr;
    // Both lists have one font.
    std::unique_ptr<ListItemSize> listItemSize_;
    std::function<std::int16_t()> unloadHandler_;
    FormNotebook notebook_{[this] { followNotebook(); }};
    FrmTetrad* tetrad_ = nullptr;
    int tetradVersion_ = -1;  // of the notebook it shows
};

}  // namespace tambrel
