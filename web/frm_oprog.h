#pragma once

#include <QDialog>
#include <QString>

#include "safe_address.h"

class QLabel;
class QPushButton;

namespace tambrel {

// The maker's site, opened by a click on the slogan.
inline const QString SiteAddress = QString::fromUtf16(SiteAddressText);
inline const QString SloganText = QString::fromUtf16(SloganWords);

class ClickableLabel;

// The About window: version, dates, the maker's emblem and flag, and the
// slogan that opens the maker's site. OK (or Enter, or Esc) closes it.
class frmOprog : public QDialog {
    Q_OBJECT

public:
    explicit frmOprog(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The underlined blue slogan that opens the maker's site.
    void addSlogan(const QFont& font);
    void Label1Click();

    ClickableLabel* Label1 = nullptr;
    QPushButton* OK = nullptr;
};

}  // namespace tambrel
