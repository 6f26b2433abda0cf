#include "frm_oprog.h"

#include "form_style.h"
#include "save_file_url.h"

#include <QAccessibleWidget>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

// The pictures are compiled into this library; a static library's resources
// have to be asked for by name or the linker leaves them out.
static void LoadAboutPictures() { Q_INIT_RESOURCE(about); }

namespace tambrel {

// A label that reports a click: the button went down and came up over it.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) pressed_ = true;
        event->accept();
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        const bool click =
            pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
        pressed_ = false;
        event->accept();
        if (click) emit clicked();
    }

private:
    bool pressed_ = false;
};

namespace {

const QColor SloganBlue(0, 0, 192);

// The slogan is a link a reader can follow.
class SloganAccessible : public QAccessibleWidget {
public:
    explicit SloganAccessible(ClickableLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction()) emit static_cast<ClickableLabel*>(widget())->clicked();
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        return name == pressAction() ? QStringList{QStringLiteral("Alt+C")} : QStringList{};
    }
};

QAccessibleInterface* CreateSloganAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String("tambrel::ClickableLabel")) return nullptr;
    return new SloganAccessible(static_cast<ClickableLabel*>(object));
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, QRect where) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(where);
    return label;
}

// A picture of the form, named for a screen reader.
QLabel* AddPicture(QWidget* parent, const char* name, const QString& resource, QRect where,
                   const QString& spoken) {
    QLabel* picture = AddLabel(parent, name, QString(), where);
    picture->setPixmap(QPixmap(resource));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setAccessibleName(spoken);
    return picture;
}

QFrame* AddLine(QWidget* parent, const char* name, int top, const QColor& colour) {
    // A line from twip 120 to twip 5160, one pixel high.
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setGeometry(TwipsToPixels(120), TwipsToPixels(top), TwipsToPixels(5160 - 120), 1);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    return line;
}

}  // namespace

frmOprog::frmOprog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    LoadAboutPictures();
    static const bool accessible = [] {
        QAccessible::installFactory(&CreateSloganAccessible);
        return true;
    }();
    (void)accessible;
    setObjectName(QStringLiteral("frmOprog"));
    setWindowTitle(QStringLiteral("О программе"));
    setFixedSize(TwipsToPixels(5340), TwipsToPixels(3135));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, FaceGrey);
    palette.setColor(QPalette::Button, FaceGrey);
    setPalette(palette);

    const QFont font = FormFont(12);
    setFont(font);

    AddPicture(this, "Image1", QStringLiteral(":/about/emblem.png"), TwipRect(240, 120, 1065, 1890),
               QStringLiteral("Эмблема разработчика"));
    AddLabel(this, "Label2_5", QStringLiteral("Сайт:"), TwipRect(1560, 840, 720, 300));
    addSlogan(font);
    AddLabel(this, "Label2_6", QStringLiteral("Версия: v4.2"), TwipRect(1560, 1200, 1560, 300));
    AddLabel(this, "Label2_7", QStringLiteral("Дата: 19 февраля 2002 год -"),
             TwipRect(1560, 1560, 3690, 300));
    AddLabel(this, "Label2_0", QStringLiteral("22 сентября 2017 год"), TwipRect(2340, 1920, 2760, 300));

    // Dark over light: an etched groove across the window.
    AddLine(this, "Line1", 2280, palette.color(QPalette::WindowText));
    AddLine(this, "Line2", 2295, palette.color(QPalette::Base));

    QLabel* Picture1 = AddPicture(this, "Picture1", QStringLiteral(":/about/flag.png"),
                                  TwipRect(120, 2400, 1200, 675), QStringLiteral("Флаг России"));
    Picture1->setAutoFillBackground(true);
    QPalette white = Picture1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Picture1->setPalette(white);

    OK = new QPushButton(QStringLiteral("OK"), this);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setGeometry(TwipRect(3840, 2460, 1335, 495));
    OK->setDefault(true);
    connect(OK, &QPushButton::clicked, this, &QDialog::accept);
    OK->setFocus();
}

void frmOprog::addSlogan(const QFont& font) {
    Label1 = new ClickableLabel(SloganText, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(TwipRect(2280, 840, 2745, 300));
    QFont slogan = font;
    slogan.setUnderline(true);
    Label1->setFont(slogan);
    QPalette blue = Label1->palette();
    blue.setColor(QPalette::WindowText, SloganBlue);
    Label1->setPalette(blue);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setAccessibleName(SloganText);
    Label1->setAccessibleDescription(QStringLiteral("Сайт разработчика"));
    connect(Label1, &ClickableLabel::clicked, this, &frmOprog::Label1Click);
}

void frmOprog::keyPressEvent(QKeyEvent* event) {
    // Alt+C on a Latin layout, Alt+С on a Russian one: the same key.
    if (event->modifiers() == Qt::AltModifier && (event->key() == Qt::Key_C || event->key() == 0x0421)) {
        Label1Click();
        return;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape: OK->click(); return;
        default: QDialog::keyPressEvent(event);
    }
}

void frmOprog::Label1Click() {
    // The hourglass over the whole window, the slogan included, while the
    // redirect page is written and handed to the desktop.
    setCursor(Qt::WaitCursor);
    Label1->setCursor(Qt::WaitCursor);
    SaveFileUrl(SiteAddress);
    Label1->setCursor(Qt::PointingHandCursor);
    unsetCursor();
}

}  // namespace tambrel

#include "frm_oprog.moc"
