// The settings file's reader; start-up and closing with every kind of
// file are scenario lines in scenarios/start_and_close.txt.
#include <QTest>
#include <climits>

#include "settings_file.h"

using namespace tambrel;

Q_DECLARE_METATYPE(std::int32_t)

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void numberField_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<std::int32_t>("value");
        QTest::newRow("written off") << QByteArray(" 0 \r\n") << 0;
        QTest::newRow("written on") << QByteArray(" 1 \r\n") << 1;
        QTest::newRow("tabs and LF only") << QByteArray("\t\n1\t") << 1;
        QTest::newRow("comma ends the field") << QByteArray("1,5") << 1;
        QTest::newRow("rest of the file ignored") << QByteArray(" 1 junk\r\n0") << 1;
        QTest::newRow("plus sign") << QByteArray("+7") << 7;
        QTest::newRow("plus then minus") << QByteArray("+-7") << 0;
        QTest::newRow("lone plus") << QByteArray("+ 1") << 0;
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF 1 \r\n") << 1;
        QTest::newRow("lowest") << QByteArray("-2147483648 ") << INT_MIN;
        QTest::newRow("highest") << QByteArray(" 2147483647 ") << INT_MAX;
        QTest::newRow("beyond 32 bits") << QByteArray(" 2147483648 ") << 0;
        QTest::newRow("decimal point") << QByteArray("1.5") << 0;
        QTest::newRow("digits then letters") << QByteArray("1abc") << 0;
        QTest::newRow("lone minus") << QByteArray("- 1") << 0;
        QTest::newRow("NUL byte") << QByteArray("\0 1", 3) << 0;
        QTest::newRow("only blanks") << QByteArray(" \r\n \r\n") << 0;
    }
    void numberField() {
        QFETCH(QByteArray, bytes);
        QFETCH(std::int32_t, value);
        QCOMPARE(ReadNumberField(bytes), value);
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
