// The controls and the menu of frmForma, where the form places them.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include "accessibility.h"
#include "form_style.h"
#include "frm_forma.h"
#include "key_spoken_names.h"
#include "keypad_captions.h"
#include "knopka_label.h"
#include "list_box.h"
#include "list_item_size.h"
#include "primer_box.h"
#include "qt_keys.h"

namespace tambrel {

namespace {

constexpr int ClientWidth = 11190;
constexpr int ClientHeight = 4485;

static_assert(KeySpokenNames.size() == KeyCount);

QLabel* Caption(QWidget* parent, const char* name, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(FormFont(9.75));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(place);
    return label;
}

// A reader names the control by its caption, without the colon it would
// speak («Введите пример двоеточие»); the caption shown keeps it.
void Tie(QLabel* caption, QWidget* control) {
    caption->setBuddy(control);
    QString name = caption->text();
    if (name.endsWith(u':')) name.chop(1);
    caption->setAccessibleName(name);
    control->setAccessibleName(name);
}

template <typename Control>
Control* Placed(Control* control, const char* name, const QRect& place) {
    control->setObjectName(QString::fromLatin1(name));
    control->setFont(FormFont(12));
    control->setGeometry(place);
    return control;
}

// An item of the core's menu table, enabled at start when it is always
// offered.
QAction* Item(QMenu* menu, const MenuItem& entry) {
    QAction* action = menu->addAction(
        QString::fromUtf16(entry.caption.data(), static_cast<qsizetype>(entry.caption.size())));
    action->setObjectName(QString::fromLatin1(entry.name.data(), static_cast<qsizetype>(entry.name.size())));
    action->setShortcut(ShortcutSequence(entry.shortcut));
    action->setEnabled(entry.offered == Offered::Always);
    action->setCheckable(entry.isSwitch);
    return action;
}

}  // namespace

void FrmForma::createControls() {
    InstallAccessibleControls();
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    usrReklamaX1 = new QWidget(client);
    usrReklamaX1->setObjectName(QStringLiteral("usrReklamaX1"));
    usrReklamaX1->setGeometry(TwipRect(0, 0, 11055, 1095));
    usrReklamaX1->setAutoFillBackground(true);
    QPalette banner = usrReklamaX1->palette();
    banner.setColor(QPalette::Window, FaceGrey);
    usrReklamaX1->setPalette(banner);
    // Tab reaches the banner between the lists and the answer; it shows no
    // focus and does nothing, but a reader names it by its page.
    usrReklamaX1->setFocusPolicy(Qt::TabFocus);

    QLabel* Label1 =
        Caption(client, "Label1", QStringLiteral("Введите пример:"), TwipRect(60, 1200, 1905, 240));
    QLabel* DirT =
        Caption(client, "DirT", QStringLiteral("Список действий:"), TwipRect(5280, 1200, 1980, 240));
    QLabel* Label2 =
        Caption(client, "Label2", QStringLiteral("Остаток примера:"), TwipRect(8160, 1200, 2010, 240));
    Primer = Placed(new PrimerBox(client), "Primer", TwipRect(60, 1440, 5175, 420));
    QLabel* Label3 = Caption(client, "Label3", QStringLiteral("Ответ:"), TwipRect(60, 1920, 735, 240));
    txtOtvet = Placed(new AnswerBox(client), "txtOtvet", TwipRect(60, 2160, 5175, 420));
    DirC = Placed(new ListBox(client), "DirC", TwipRect(5280, 1440, 2835, 2760));
    DirPr = Placed(new ListBox(client), "DirPr", TwipRect(8160, 1440, 2835, 2760));
    listItemSize_ = std::make_unique<ListItemSize>(DirC);
    Tie(Label1, Primer);
    Tie(Label3, txtOtvet);
    Tie(DirT, DirC);
    Tie(Label2, DirPr);
    announcer_ = new Announcer(client);

    const QColor menuColour = QApplication::palette("QMenu").color(QPalette::Window);
    const QColor textColour = palette().color(QPalette::WindowText);
    for (int i = 0; i < KeyCount; ++i) {
        auto* key = new KnopkaLabel(i, QString::fromUtf16(KeyCaptions[static_cast<std::size_t>(i)]), client);
        key->setFont(FormFont(18));
        key->setGeometry(TwipRect(60 + 600 * (i % 7), 2640 + 600 * (i / 7), 495, 495));
        key->setBackground(menuColour);
        QPalette p = key->palette();
        p.setColor(QPalette::WindowText, textColour);
        key->setPalette(p);
        connect(key, &KnopkaLabel::pressed, this, &FrmForma::Knopka_MouseDown);
        connect(key, &KnopkaLabel::released, this, &FrmForma::Knopka_MouseUp);
        Knopka[static_cast<std::size_t>(i)] = key;
    }

    rules_ = std::make_unique<PrimerRules>(Primer->example());
    Primer->setCharacterHook([this](char16_t code) { rules_->type(code); });
    connect(Primer, &PrimerBox::changed, this, [this] { rules_->changed(); });

    // The client area is the form's size; nothing moves when the window is resized.
    client->setMinimumSize(TwipsToPixels(ClientWidth), TwipsToPixels(ClientHeight));
}

void FrmForma::createMenu() {
    QMenuBar* bar = menuBar();
    QAction* Exit = bar->addAction(QStringLiteral("&Выход"));
    Exit->setObjectName(QStringLiteral("Exit"));
    connect(Exit, &QAction::triggered, this, &QWidget::close);

    Edit = bar->addMenu(QStringLiteral("&Правка"));
    Edit->setObjectName(QStringLiteral("Edit"));
    Reshenie = bar->addMenu(QStringLiteral("&Решение"));
    Reshenie->setObjectName(QStringLiteral("Reshenie"));
    QMenu* Help = bar->addMenu(QStringLiteral("&Справка"));
    Help->setObjectName(QStringLiteral("Help"));
    for (const MenuItem& entry : MenuItems) {
        QMenu* menu = entry.menu == "Edit" ? Edit : entry.menu == "Reshenie" ? Reshenie : Help;
        if (entry.separatorBefore) menu->addSeparator()->setObjectName(QStringLiteral("sep"));
        menuAction(entry.command) = Item(menu, entry);
    }
    EditPrimerOtvet->setChecked(true);  // start-up clears it when the switch is off

    // The mnemonics are underlined while the keyboard works the menus; F10
    // takes the menu bar as a lone Alt does.
    UnderlineMnemonicsOnlyByKeyboard(bar);
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, bar, [bar] { ToggleMenuBarByKeyboard(bar); });

    resize(TwipsToPixels(ClientWidth), TwipsToPixels(ClientHeight) + bar->sizeHint().height());
}

QAction*& FrmForma::menuAction(MenuCommand command) {
    switch (command) {
        case MenuCommand::Undo: return EditUndo;
        case MenuCommand::Redo: return EditRedo;
        case MenuCommand::Copy: return EditCopy;
        case MenuCommand::Paste: return EditPaste;
        case MenuCommand::Delete: return EditDelete;
        case MenuCommand::All: return EditAll;
        case MenuCommand::Brackets: return EditSkopki;
        case MenuCommand::Switch: return EditPrimerOtvet;
        case MenuCommand::NotebookShow: return ReshenieShow;
        case MenuCommand::NotebookCopy: return ReshenieCopy;
        case MenuCommand::NotebookPrint: return ResheniePrint;
        case MenuCommand::CallHelp: return HelpCallHelp;
        case MenuCommand::About: break;
    }
    return HelpAbout;
}

QAction* FrmForma::menuAction(MenuCommand command) const {
    return const_cast<FrmForma*>(this)->menuAction(command);
}

void FrmForma::arrangeTabOrder() {
    QWidget::setTabOrder(Primer, DirC);
    QWidget::setTabOrder(DirC, DirPr);
    QWidget::setTabOrder(DirPr, usrReklamaX1);
    QWidget::setTabOrder(usrReklamaX1, txtOtvet);
}

}  // namespace tambrel
