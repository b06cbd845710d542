#include <QtTest>

#include "processrunner.h"

// Several runs of one program at once: each run's result as a run of its
// own gives it, in the order of the argument lists, and the runs really
// overlap. Real programs (sh, sleep, head), no stand-ins.
class TestProcessRunner : public QObject
{
    Q_OBJECT

private:
    static QStringList sh(const QString &script) { return {QStringLiteral("-c"), script}; }

    static void compareResults(const ProcessResult &actual, const ProcessResult &expected)
    {
        QCOMPARE(actual.started, expected.started);
        QCOMPARE(actual.finished, expected.finished);
        QCOMPARE(actual.crashed, expected.crashed);
        QCOMPARE(actual.exitCode, expected.exitCode);
        QCOMPARE(actual.standardOutput, expected.standardOutput);
        QCOMPARE(actual.standardError, expected.standardError);
    }

private slots:
    // Mixed runs in one call, each compared with run() on the same list.
    void eachRunAsRunAloneGivesIt_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<QList<QStringList>>("argumentLists");

        QTest::newRow("exit codes, output and error, in order")
            << "sh" << 10000
            << QList<QStringList>{sh("echo one"), sh("echo two >&2; exit 3"), sh("printf 'no line feed'"),
                                  sh("exit 0"), sh("echo five; echo err >&2; exit 1")};
        // The slower first ones end last: the results still follow the lists.
        QTest::newRow("ending in reverse order")
            << "sh" << 10000
            << QList<QStringList>{sh("sleep 0.6; echo a"), sh("sleep 0.4; echo b"), sh("sleep 0.2; echo c"),
                                  sh("echo d")};
        QTest::newRow("ended by a signal") << "sh" << 10000
                                           << QList<QStringList>{sh("echo before; kill -KILL $$"), sh("echo after")};
        QTest::newRow("past the time limit beside runs within it")
            << "sh" << 700
            << QList<QStringList>{sh("echo early; exec sleep 30"), sh("echo quick"), sh("exec sleep 30")};
        // sh ends at once; the sleep it leaves holds its output open.
        QTest::newRow("ended, its output held by a child of its own")
            << "sh" << 2000 << QList<QStringList>{sh("sleep 5 & echo x"), sh("echo y")};
        QTest::newRow("a pipe whose reader stops early")
            << "sh" << 10000 << QList<QStringList>{sh("yes | head -c 4"), sh("yes | head -c 2")};
        QTest::newRow("a program that cannot start") << "halvane-no-such-program" << 10000
                                                     << QList<QStringList>{{"a"}, {"b"}};
        QTest::newRow("no runs at all") << "sh" << 10000 << QList<QStringList>{};
    }

    void eachRunAsRunAloneGivesIt()
    {
        QFETCH(QString, program);
        QFETCH(int, timeoutMs);
        QFETCH(QList<QStringList>, argumentLists);
        const QList<ProcessResult> together = ProcessRunner::runAll(program, argumentLists, timeoutMs);
        QCOMPARE(together.size(), argumentLists.size());
        for (int i = 0; i < argumentLists.size(); ++i) {
            const ProcessResult alone = ProcessRunner::run(program, argumentLists.at(i), timeoutMs);
            compareResults(together.at(i), alone);
            if (QTest::currentTestFailed()) {
                qInfo("run %d: %s", i, qPrintable(argumentLists.at(i).join(' ')));
                return;
            }
        }
    }

    // Each run waits until every run has begun: one after another, the first
    // would wait out its time limit.
    void runsOverlap()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const int count = 6;
        QList<QStringList> lists;
        for (int i = 0; i < count; ++i)
            lists << sh(QStringLiteral("touch '%1/%2'; while [ $(ls '%1' | wc -l) -lt %3 ]; do sleep 0.02; done; echo %2")
                            .arg(dir.path()).arg(i).arg(count));
        const QList<ProcessResult> results = ProcessRunner::runAll(QStringLiteral("sh"), lists, 10000, count);
        for (int i = 0; i < count; ++i) {
            QVERIFY2(results.at(i).succeeded(), qPrintable(QString::number(i)));
            QCOMPARE(results.at(i).standardOutput, QByteArray::number(i) + "\n");
        }
    }

    // Never more than maxRunning alive at once; every run still gets its
    // turn. Each run counts the runs alive as it begins.
    void atMostMaxRunningAtOnce_data()
    {
        QTest::addColumn<int>("maxRunning");
        QTest::newRow("one at a time") << 1;
        QTest::newRow("three at a time") << 3;
    }

    void atMostMaxRunningAtOnce()
    {
        QFETCH(int, maxRunning);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QList<QStringList> lists;
        for (int i = 0; i < 10; ++i)
            lists << sh(QStringLiteral("touch '%1/%2'; ls '%1' | wc -l; sleep 0.1; rm '%1/%2'").arg(dir.path()).arg(i));
        const QList<ProcessResult> results = ProcessRunner::runAll(QStringLiteral("sh"), lists, 20000, maxRunning);
        QCOMPARE(results.size(), lists.size());
        for (const ProcessResult &result : results) {
            QVERIFY(result.succeeded());
            const int alive = result.standardOutput.trimmed().toInt();
            QVERIFY2(alive >= 1 && alive <= maxRunning, result.standardOutput.constData());
        }
    }

    // The time limit counts from a run's own start, not from the call: one
    // at a time, the third run begins 1.2 s after the call and ends past
    // 1.5 s, within its own limit.
    void timeLimitCountsFromEachRunsStart()
    {
        const QList<QStringList> lists{sh("sleep 0.6; echo 1"), sh("sleep 0.6; echo 2"), sh("sleep 0.6; echo 3")};
        const QList<ProcessResult> results = ProcessRunner::runAll(QStringLiteral("sh"), lists, 1500, 1);
        for (int i = 0; i < lists.size(); ++i) {
            QVERIFY2(results.at(i).succeeded(), qPrintable(QString::number(i)));
            QCOMPARE(results.at(i).standardOutput, QByteArray::number(i + 1) + "\n");
        }
    }

    // A run that writes more than a pipe holds is read while another still
    // runs: left unread, it would stall until its own limit killed it.
    void longOutputIsReadWhileAnotherRuns()
    {
        const QList<QStringList> lists{sh("exec sleep 4"), sh("head -c 1000000 /dev/zero"), sh("head -c 300000 /dev/zero >&2")};
        const QList<ProcessResult> results = ProcessRunner::runAll(QStringLiteral("sh"), lists, 2500);
        QVERIFY(results.at(0).started);
        QVERIFY(!results.at(0).finished);
        QVERIFY(results.at(1).succeeded());
        QCOMPARE(results.at(1).standardOutput.size(), 1000000);
        QVERIFY(results.at(2).succeeded());
        QCOMPARE(results.at(2).standardError.size(), 300000);
    }
};

QTEST_GUILESS_MAIN(TestProcessRunner)
#include "tst_processrunner.moc"
