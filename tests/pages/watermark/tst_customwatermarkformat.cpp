// The stored line of a custom watermark, read back from well-formed and
// broken lines, and the printer form of a custom text as libcups's option
// parser (the one lpoptions uses) reads it.
#include "customwatermarkformat.h"

#include <QtTest>

#include <cups/cups.h>

Q_DECLARE_METATYPE(CustomWatermark)

namespace {
CustomWatermark record(int font, int size, int color, int angle, int style, int fill, int repeat)
{
    return CustomWatermark{{"font", font},   {"size", size}, {"color", color}, {"angle", angle},
                           {"style", style}, {"fill", fill}, {"repeat", repeat}};
}
}

class CustomWatermarkFormatTest : public QObject
{
    Q_OBJECT

private slots:
    void storedLine_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<CustomWatermark>("fields");
        QTest::addColumn<QString>("line");
        QTest::newRow("plain") << "Memo" << record(0, 8, 3, 23, 0, 0, 1) << "Memo=0 8 3 23 0 0 1";
        QTest::newRow("no current item") << "Memo" << record(-1, 8, -1, 23, 0, 0, 0) << "Memo=-1 8 -1 23 0 0 0";
        QTest::newRow("a name holding =") << "a=b" << record(1, 2, 3, 4, 5, 6, 1) << "a=b=1 2 3 4 5 6 1";
        QTest::newRow("placeholders stay as typed") << "%1 %2" << record(0, 0, 0, 0, 0, 0, 0) << "%1 %2=0 0 0 0 0 0 0";
        QTest::newRow("absent fields are 0") << "Short" << CustomWatermark{{"size", 4}} << "Short=0 4 0 0 0 0 0";
    }

    void storedLine()
    {
        QFETCH(QString, name);
        QFETCH(CustomWatermark, fields);
        QFETCH(QString, line);
        QCOMPARE(CustomWatermarkFormat::storedLine(name, fields), line);
        // Whatever is written reads back as it was.
        QString readName;
        CustomWatermark readFields;
        QVERIFY(CustomWatermarkFormat::parseStoredLine(line, &readName, &readFields));
        QCOMPARE(readName, name);
        for (const QString &field : CustomWatermarkFormat::fieldNames())
            QCOMPARE(readFields.value(field), fields.value(field, 0));
    }

    void parseStoredLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("read");
        QTest::addColumn<QString>("name");
        QTest::addColumn<CustomWatermark>("fields");
        QTest::newRow("runs of blanks and leading blanks") << "Memo=  0   8 3  23 0 0  1" << true << "Memo"
                                                           << record(0, 8, 3, 23, 0, 0, 1);
        QTest::newRow("signs") << "Memo=+2 -3 1 2 3 4 0" << true << "Memo" << record(2, -3, 1, 2, 3, 4, 0);
        QTest::newRow("fewer numbers read 0") << "Memo=5 9" << true << "Memo" << record(5, 9, 0, 0, 0, 0, 0);
        QTest::newRow("no numbers at all") << "Memo=" << true << "Memo" << record(0, 0, 0, 0, 0, 0, 0);
        QTest::newRow("more numbers: the first seven") << "Memo=1 2 3 4 5 6 1 7 8" << true << "Memo"
                                                       << record(1, 2, 3, 4, 5, 6, 1);
        QTest::newRow("a field stops at its first non-digit") << "Memo=3x 8 abc 2.5 -  0 1" << true << "Memo"
                                                              << record(3, 8, 0, 2, 0, 0, 1);
        QTest::newRow("a tab before a number") << "Memo=\t4 8 3 23 0 0 1" << true << "Memo"
                                               << record(4, 8, 3, 23, 0, 0, 1);
        QTest::newRow("the name ends at the last =") << "x=y=z=1 2 3 4 5 6 0" << true << "x=y=z" << record(1, 2, 3, 4, 5, 6, 0);
        QTest::newRow("no = at all") << "Memo 0 8 3 23 0 0 1" << false << QString() << CustomWatermark();
        QTest::newRow("out of int's range") << "Memo=99999999999 -99999999999 0 0 0 0 0" << true << "Memo"
                                            << record(INT_MAX, INT_MIN, 0, 0, 0, 0, 0);
        // Far beyond 127 bytes: no fixed buffer cuts it short.
        QTest::newRow("a long numbers part") << "Memo=" + QString(200, ' ') + "7 6 5 4 3 2 1" << true << "Memo"
                                             << record(7, 6, 5, 4, 3, 2, 1);
        QTest::newRow("non-ASCII around the numbers") << QString::fromUtf8("Grüße=1 2 3 ä 5 6 1") << true
                                                      << QString::fromUtf8("Grüße") << record(1, 2, 3, 0, 5, 6, 1);
    }

    void parseStoredLine()
    {
        QFETCH(QString, line);
        QFETCH(bool, read);
        QFETCH(QString, name);
        QFETCH(CustomWatermark, fields);
        QString readName;
        CustomWatermark readFields;
        QCOMPARE(CustomWatermarkFormat::parseStoredLine(line, &readName, &readFields), read);
        if (!read)
            return;
        QCOMPARE(readName, name);
        QCOMPARE(readFields, fields);
    }

    void printerForm_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("form");
        QTest::newRow("a blank and !") << "A B!" << "\"A\\ B\\!\"";
        QTest::newRow("two words") << "My Text" << "\"My\\ Text\"";
        QTest::newRow("plain") << "Memo" << "\"Memo\"";
        QTest::newRow("# $ @") << "a#b$c@d" << "\"a\\#b\\$c\\@d\"";
        QTest::newRow("a double quote") << "say \"hi\"" << "\"say\\ \\\"hi\\\"\"";
        QTest::newRow("a backslash, once") << "C:\\dir" << "\"C:\\\\dir\"";
        QTest::newRow("a backslash before a blank") << "a\\ b" << "\"a\\\\\\ b\"";
        QTest::newRow("single quote and shell words") << "it's $(id)" << "\"it's\\ \\$(id)\"";
    }

    void printerForm()
    {
        QFETCH(QString, text);
        QFETCH(QString, form);
        QCOMPARE(CustomWatermarkFormat::printerForm(text), form);
        // lpoptions reads "-o" words with libcups's option parser: it must
        // give back the text exactly as typed.
        cups_option_t *options = nullptr;
        const QByteArray word = "Wtxt=" + form.toUtf8();
        const int count = cupsParseOptions(word.constData(), 0, &options);
        QCOMPARE(count, 1);
        const QString parsed = QString::fromUtf8(cupsGetOption("Wtxt", count, options));
        cupsFreeOptions(count, options);
        QCOMPARE(parsed, text);
    }
};

QTEST_GUILESS_MAIN(CustomWatermarkFormatTest)
#include "tst_customwatermarkformat.moc"
