#include <QtTest>

#include "emailcheck.h"

// The e-mail notice rules without the page: which fault an address shows
// first, in the order the checks run.
class TestEmailCheck : public QObject
{
    Q_OBJECT

private slots:
    void check_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("outcome");

        const int ok = EmailCheck::Accepted;
        const int format = EmailCheck::BadFormat;
        QTest::newRow("shortest") << "a@b.c" << ok;
        QTest::newRow("usual") << "first.last+tag@mail.example.org" << ok;
        QTest::newRow("range of the field's class") << "a,b/c:d;e<f=g>h?@x.y" << ok;
        QTest::newRow("empty") << "" << int(EmailCheck::Empty);
        QTest::newRow("double quote before anything") << "\"" << int(EmailCheck::DoubleQuote);
        QTest::newRow("double quote in a good one") << "a\"b@c.d" << int(EmailCheck::DoubleQuote);
        QTest::newRow("no @, with a blank: @ first") << "a b.c" << format;
        QTest::newRow("blank") << "a b@c.d" << int(EmailCheck::Spaces);
        QTest::newRow("accented letter") << QString::fromUtf8("r\xc3\xa9mi@c.d") << int(EmailCheck::NotAscii);
        QTest::newRow("blank before accent") << QString::fromUtf8("r\xc3\xa9 mi@c.d") << int(EmailCheck::Spaces);
        QTest::newRow("@ first") << "@b.c" << format;
        QTest::newRow("@ last") << "a.b@" << format;
        QTest::newRow("two @") << "a@b@c.d" << format;
        QTest::newRow("local part ends with dot") << "a.@b.c" << format;
        QTest::newRow("local part begins with dot") << ".a@b.c" << format;
        QTest::newRow("two dots") << "a@b..c" << format;
        QTest::newRow("no dot after @") << "a.b@c" << format;
        QTest::newRow("ends with dot") << "a@b.c." << format;
        // No fixed buffer: the whole text is judged, never a cut-off part of it.
        const QString local = QString(60, 'a');
        QTest::newRow("128 bytes") << local + "@" + QString(64, 'b') + ".cd" << ok;
        QTest::newRow("129 bytes") << local + "@" + QString(65, 'b') + ".cd" << format;
        QTest::newRow("long, fault past 128 bytes") << QString(200, 'a') + "@b" << format;
        QTest::newRow("long, quote past 128 bytes") << QString(200, 'a') + "\"@b.c" << int(EmailCheck::DoubleQuote);
        // 64 characters, but 128 bytes and more once in UTF-8.
        QTest::newRow("non-ASCII, 128 bytes") << QString(62, QChar(0xe9)) + "@b.c" << int(EmailCheck::NotAscii);
        QTest::newRow("non-ASCII, 130 bytes") << QString(63, QChar(0xe9)) + "@b.c" << format;
    }

    void check()
    {
        QFETCH(QString, address);
        QFETCH(int, outcome);
        QCOMPARE(int(EmailCheck::check(address)), outcome);
    }
};

QTEST_GUILESS_MAIN(TestEmailCheck)
#include "tst_emailcheck.moc"
