// The real closing question: its look, and only its Yes and No answer it.
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

    // Asks as closing asks; `answer` gets the box once it is up. A box left
    // open is answered No after a few seconds rather than hang the test.
    std::int16_t ask(const std::function<void(QMessageBox*)>& answer) {
        int ticks = 0;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr && ticks++ == 0) answer(box);
            if (box != nullptr && ticks > 250) box->button(QMessageBox::No)->click();
        });
        poll.start(20);
        const std::int16_t result = ConfirmCloseAndSave();
        if (ticks == 0) qWarning("no question was shown");
        return result;
    }

private slots:
    void lookAndAnswers() {
        EmptyFolder folder;
        const std::int16_t kept = ask([](QMessageBox* box) {
            QCOMPARE(box->windowTitle(), QStringLiteral("Запрос"));
            QCOMPARE(box->text(), QStringLiteral("Закрыть программу?"));
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
            QVERIFY(!(box->windowFlags() & Qt::WindowCloseButtonHint));
            QCOMPARE(box->button(QMessageBox::Yes)->text(), QStringLiteral("Да"));
            QCOMPARE(box->button(QMessageBox::No)->text(), QStringLiteral("Нет"));
            box->button(QMessageBox::No)->click();
        });
        QCOMPARE(kept, std::int16_t{1});
        QCOMPARE(QDir().entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
        // Escape and the window's close leave it open; Enter is Yes, the default.
        bool stillOpen = false;
        const std::int16_t closed = ask([&](QMessageBox* box) {
            QTest::keyClick(box, Qt::Key_Escape);
            box->close();
            stillOpen = box->isVisible();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QCOMPARE(closed, std::int16_t{0});
        QVERIFY(stillOpen);
        QCOMPARE(ReadFile(QStringLiteral("Тамбрель.ini")), QByteArray(" 0 \r\n"));
    }
};

QTEST_MAIN(CloseQuestionTest)
#include "close_question_test.moc"
