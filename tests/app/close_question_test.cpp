// The real closing question: its look, and only its Yes and No answer it.
#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "qt_fixture.h"
#include "save_ini_m.h"

using namespace tambrel;
using namespace tambrel::testing;

class CloseQuestionTest : public QObject {
    Q_OBJECT

    // Asks as closing asks; `answer` gets the box once it is up. With no
    // box within a few seconds the test fails instead of hanging.
    std::int16_t ask(const std::function<void(QMessageBox*)>& answer) {
        bool seen = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || seen) return;
            seen = true;
            answer(box);
        });
        poll.start(20);
        QTimer giveUp;
        giveUp.setSingleShot(true);
        connect(&giveUp, &QTimer::timeout, this, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(QMessageBox::No)->click();
        });
        giveUp.start(5000);
        const std::int16_t result = ConfirmCloseAndSave();
        if (!seen) qWarning("no question was shown");
        return result;
    }

private slots:
    void questionAnsweredNo() {
        EmptyFolder folder;
        QCOMPARE(ask([](QMessageBox* box) {
                     QCOMPARE(box->windowTitle(), QStringLiteral("Запрос"));
                     QCOMPARE(box->text(), QStringLiteral("Закрыть программу?"));
                     QCOMPARE(box->icon(), QMessageBox::NoIcon);
                     QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
                     QVERIFY(!(box->windowFlags() & Qt::WindowCloseButtonHint));
                     QCOMPARE(box->button(QMessageBox::Yes)->text(), QStringLiteral("Да"));
                     QCOMPARE(box->button(QMessageBox::No)->text(), QStringLiteral("Нет"));
                     box->button(QMessageBox::No)->click();
                 }),
                 std::int16_t{1});
        QCOMPARE(QDir().entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    }

    // Escape and the window's close leave it open; Enter is Yes, the default.
    void onlyTheButtonsAnswer() {
        EmptyFolder folder;
        bool stillOpen = false;
        QCOMPARE(ask([&](QMessageBox* box) {
                     QTest::keyClick(box, Qt::Key_Escape);
                     box->close();
                     stillOpen = box->isVisible();
                     QTest::keyClick(box, Qt::Key_Return);
                 }),
                 std::int16_t{0});
        QVERIFY(stillOpen);
        QCOMPARE(ReadFile(QStringLiteral("Тамбрель.ini")), QByteArray(" 0 \r\n"));
    }
};

QTEST_MAIN(CloseQuestionTest)
#include "close_question_test.moc"
