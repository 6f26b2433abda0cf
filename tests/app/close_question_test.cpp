// The real closing question: only its Yes and No buttons answer it.
#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "window_fixture.h"

using namespace tambrel;

class CloseQuestionTest : public QObject {
    Q_OBJECT

    // Runs `inspect` on the open box, then presses `answer`. If no box shows
    // up within a few seconds the test fails instead of hanging.
    bool ask(QMessageBox::StandardButton answer, const std::function<void(QMessageBox*)>& inspect) {
        auto* poll = new QTimer(this);
        int tries = 0;
        connect(poll, &QTimer::timeout, this, [&, poll] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr && ++tries < 100) return;
            poll->stop();
            poll->deleteLater();
            if (box == nullptr) return;
            inspect(box);
            box->button(answer)->click();
        });
        poll->start(20);
        return Boxes().askYesNo(QStringLiteral("Запрос"), QStringLiteral("Закрыть программу?"));
    }

private slots:
    void boxAsTheQuestionNeeds() {
        const bool yes = ask(QMessageBox::No, [](QMessageBox* box) {
            QCOMPARE(box->windowTitle(), QStringLiteral("Запрос"));
            QCOMPARE(box->text(), QStringLiteral("Закрыть программу?"));
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
            QVERIFY(static_cast<QAbstractButton*>(box->defaultButton()) == box->button(QMessageBox::Yes));
            QVERIFY(!(box->windowFlags() & Qt::WindowCloseButtonHint));
            QCOMPARE(box->button(QMessageBox::Yes)->text(), QStringLiteral("Да"));
            QCOMPARE(box->button(QMessageBox::No)->text(), QStringLiteral("Нет"));
        });
        QVERIFY(!yes);
    }

    void escapeAndCloseDoNotAnswer() {
        bool stillOpen = false;
        const bool yes = ask(QMessageBox::Yes, [&](QMessageBox* box) {
            QTest::keyClick(box, Qt::Key_Escape);
            box->close();
            stillOpen = box->isVisible();
        });
        QVERIFY(stillOpen);
        QVERIFY(yes);
    }

    void enterAnswersYes() {
        bool answered = false;
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [&, poll] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            poll->stop();
            poll->deleteLater();
            answered = true;
            QTest::keyClick(box, Qt::Key_Return);
        });
        poll->start(20);
        QTimer::singleShot(5000, this, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(QMessageBox::No)->click();
        });
        QVERIFY(Boxes().askYesNo(QStringLiteral("Запрос"), QStringLiteral("Закрыть программу?")));
        QVERIFY(answered);
    }
};

QTEST_MAIN(CloseQuestionTest)
#include "close_question_test.moc"
