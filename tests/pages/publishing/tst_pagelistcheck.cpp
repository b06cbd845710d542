#include <QtTest>

#include <limits>

#include "pagelistcheck.h"

Q_DECLARE_METATYPE(PageListCheck::Span)

// Counting the pages of overlapping and huge ranges without expanding them.
class TestPageListCheck : public QObject
{
    Q_OBJECT

    using Spans = QList<PageListCheck::Span>;

private slots:
    void distinctPageCount_data()
    {
        QTest::addColumn<Spans>("spans");
        QTest::addColumn<qint64>("expected");
        const qint64 top = std::numeric_limits<int>::max();
        QTest::newRow("none") << Spans() << qint64(0);
        QTest::newRow("repeated page") << Spans{{5, 5}, {5, 5}, {2, 2}} << qint64(2);
        QTest::newRow("overlapping ranges") << Spans{{2, 40}, {30, 51}} << qint64(50);
        QTest::newRow("range inside a range") << Spans{{2, 60}, {10, 12}} << qint64(59);
        QTest::newRow("touching ranges") << Spans{{2, 4}, {5, 7}} << qint64(6);
        QTest::newRow("unsorted with a gap") << Spans{{20, 22}, {2, 3}, {21, 25}} << qint64(8);
        QTest::newRow("page 0") << Spans{{0, 0}, {0, 2}} << qint64(3);
        // More pages than a signed 32-bit count can hold.
        QTest::newRow("whole 32-bit range") << Spans{{0, top}} << top + 1;
        QTest::newRow("whole range twice") << Spans{{0, top}, {0, top}, {top, top}} << top + 1;
    }
    void distinctPageCount()
    {
        QFETCH(Spans, spans);
        QFETCH(qint64, expected);
        QCOMPARE(PageListCheck::distinctPageCount(spans), expected);
    }

    // A naive check would build a list of two thousand million pages here.
    void hugeRangesAreCountedNotBuilt()
    {
        QElapsedTimer timer;
        timer.start();
        for (const char *text : {"2-2147483647", "2147483647-2", "0-2147483647,1-2147483647", "3,2-2147483647,7"}) {
            const PageListCheck::Result result = PageListCheck::check(QString::fromLatin1(text), false);
            QCOMPARE(int(result.outcome), int(PageListCheck::TooManyPages));
            QVERIFY(result.normalForm.isEmpty());
        }
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
    }
};

QTEST_APPLESS_MAIN(TestPageListCheck)
#include "tst_pagelistcheck.moc"
