#include <QtTest>

#include "lpstatanswer.h"
#include "processrunner.h"
#include "queuepause.h"
#include "queuestate.h"
#include "rotatelabel.h"

#include <QTranslator>

#include <algorithm>
#include <cstdio>

namespace {

// A name of every kind beside its state with "-Dash" paused: idle, paused,
// one a shell would change, unknown, empty, non-ASCII, unknown with a
// leading "-".
QList<QPair<QString, QString>> sampleStates()
{
    const QString error = QStringLiteral("Error: Printer does not exist or lpstat failed.");
    return {{"Quorvan_Office", "Idle"}, {"-Dash", "Paused"}, {"Cost$Center", "Idle"}, {"NoSuchQueue", error},
            {"", error}, {QString::fromUtf8("Quorvan_B\xc3\xbcro"), "Idle"}, {"-NoSuchQueue", error}};
}

} // namespace

// Queue state words from lpstat, run for real against the private cupsd, and
// the rotate caption by locale.
class TestQueueState : public QObject
{
    Q_OBJECT

private:
    QString m_server;

    // Admin tools live in sbin, which an ordinary user's PATH may lack.
    static QString tool(const QString &name)
    {
        QStringList dirs = QString::fromLocal8Bit(qgetenv("PATH")).split(':', Qt::SkipEmptyParts);
        dirs << "/usr/sbin" << "/sbin" << "/usr/bin";
        return QStandardPaths::findExecutable(name, dirs);
    }

    static bool runTool(const QString &name, const QStringList &args, QByteArray *out = nullptr)
    {
        const QString path = tool(name);
        if (path.isEmpty()) {
            qWarning("%s is not installed", qPrintable(name));
            return false;
        }
        const ProcessResult result = ProcessRunner::run(path, args, 30000);
        if (out)
            *out = result.standardOutput;
        if (!result.succeeded())
            qWarning("%s %s failed: %s", qPrintable(name), qPrintable(args.join(' ')),
                     result.standardError.constData());
        return result.succeeded();
    }

    // A locale of our own, made with localedef, for lpstat to speak.
    static bool makeLocale(const QString &dir, const QString &name)
    {
        const QString localedef = tool("localedef");
        if (localedef.isEmpty()) {
            qWarning("localedef is not installed");
            return false;
        }
        const ProcessResult made = ProcessRunner::run(
            localedef, {"-i", name.section('.', 0, 0), "-f", "UTF-8", dir + '/' + name}, 120000);
        if (!made.succeeded())
            qWarning("localedef %s failed: %s", qPrintable(name), made.standardError.constData());
        return made.succeeded();
    }

    // Several locales made at once into dir.
    static bool makeLocales(const QString &dir, const QStringList &names)
    {
        const QString localedef = tool("localedef");
        if (localedef.isEmpty()) {
            qWarning("localedef is not installed");
            return false;
        }
        QList<QStringList> arguments;
        for (const QString &name : names)
            arguments.append({"-i", name.section('.', 0, 0), "-f", "UTF-8", dir + '/' + name});
        const QList<ProcessResult> made = ProcessRunner::runAll(localedef, arguments, 120000);
        for (int i = 0; i < made.size(); ++i) {
            if (!made.at(i).succeeded()) {
                qWarning("localedef %s failed: %s", qPrintable(names.at(i)), made.at(i).standardError.constData());
                return false;
            }
        }
        return true;
    }

    // The variables that have a child speak the locale made in dir.
    static QStringList localeEnvironment(const QString &dir, const QString &locale)
    {
        return {"LOCPATH=" + dir, "LANG=" + locale, "LC_ALL=" + locale, "LC_MESSAGES=" + locale, "LANGUAGE="};
    }

    // A stand-in lpstat in binDir that writes a line to $HALVANE_LPSTAT_LOG
    // for each run and then runs the real one.
    static bool writeCountingLpstat(const QString &binDir)
    {
        const QString lpstat = tool("lpstat");
        if (lpstat.isEmpty()) {
            qWarning("lpstat is not installed");
            return false;
        }
        QFile counting(binDir + "/lpstat");
        if (!QDir().mkpath(binDir) || !counting.open(QIODevice::WriteOnly))
            return false;
        counting.write("#!/bin/sh\necho run >>\"$HALVANE_LPSTAT_LOG\"\n");
        counting.write("exec '" + QFile::encodeName(lpstat) + "' \"$@\"\n");
        counting.close();
        return counting.setPermissions(counting.permissions() | QFileDevice::ExeOwner);
    }

    // Polls printerState until it answers want, for at most timeoutMs.
    static QString waitForState(const QString &queue, const QString &want, int timeoutMs)
    {
        QElapsedTimer timer;
        timer.start();
        QString state = printerState(queue);
        while (state != want && timer.elapsed() < timeoutMs) {
            QThread::msleep(200);
            state = printerState(queue);
        }
        return state;
    }

    // Puts the queues a test paused or gave a job back as the other tests
    // expect them, however the test ends: resumed, idle, without jobs.
    struct QueueRestorer
    {
        QStringList paused;
        QStringList printing;
        QStringList added; // removed again
        ~QueueRestorer()
        {
            QString error;
            for (const QString &queue : qAsConst(paused)) {
                if (!queuepause::setPaused(queue, false, &error))
                    qWarning("%s stays paused: %s", qPrintable(queue), qPrintable(error));
            }
            for (const QString &queue : qAsConst(printing)) {
                runTool("cancel", {"-a", queue});
                if (waitForState(queue, "Idle", 20000) != "Idle")
                    qWarning("%s is not idle again", qPrintable(queue));
            }
            for (const QString &queue : qAsConst(added))
                runTool("lpadmin", {"-x" + queue});
        }
    };

private slots:
    void initTestCase()
    {
        m_server = QString::fromLocal8Bit(qgetenv("CUPS_SERVER"));
        QVERIFY2(!m_server.isEmpty(), "CUPS_SERVER is not set: the private cupsd is not running");
        const QStringList queues = QString::fromLocal8Bit(qgetenv("HALVANE_CUPS_QUEUES")).split(' ');
        QVERIFY2(queues.contains("Quorvan_Office") && queues.contains("Cost$Center") && queues.contains("-Dash"),
                 "the private cupsd lacks the sample queues");
    }

    void stateText_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("expected");

        QTest::newRow("English idle") << "printer Office is idle.  enabled since Mon 01 Jan" << "Idle";
        QTest::newRow("German idle") << "Drucker Office ist im Leerlauf." << "Idle";
        QTest::newRow("Spanish idle") << "la impresora Office est\xc3\xa1 inactiva." << "Idle";
        QTest::newRow("Italian waiting") << "la stampante Office \xc3\xa8 in attesa." << "Idle";
        QTest::newRow("capital Idle matches nothing") << "printer Office Idle" << "printer Office Idle";
        QTest::newRow("disabled with Paused reason")
            << "printer Office disabled since Mon 01 Jan -\tPaused" << "Paused";
        QTest::newRow("French disabled")
            << QString::fromUtf8("l'imprimante Office est d\xc3\xa9sactiv\xc3\xa9" "e depuis") << "Paused";
        QTest::newRow("German disabled") << "Drucker Office deaktiviert seit" << "Paused";
        // Stopped with a reason of its own, as English, Spanish and
        // Brazilian lpstat say it (French uses the English line).
        QTest::newRow("English disabled with a reason")
            << "printer Office disabled since Mon 01 Jan -\tOut of paper" << "Paused";
        QTest::newRow("Spanish disabled")
            << QString::fromUtf8("la impresora Office est\xc3\xa1 deshabilitada desde lun -\tOut of paper") << "Paused";
        QTest::newRow("Portuguese disabled") << "impressora Office desabilitada desde seg -\tOut of paper" << "Paused";
        QTest::newRow("lower-case paused matches nothing") << "paused" << "paused";
        QTest::newRow("English printing")
            << "printer Office now printing Office-12.  enabled since Mon" << "Printing";
        QTest::newRow("Spanish printing") << "la impresora Office est\xc3\xa1 imprimiendo Office-3." << "Printing";
        QTest::newRow("printing word at the end needs its blank") << "Office imprimiendo" << "Office imprimiendo";
        QTest::newRow("idle wins over printing") << "printing ... idle" << "Idle";
        QTest::newRow("paused wins over printing") << "printing Paused" << "Paused";
        QTest::newRow("empty output") << "" << "";
        QTest::newRow("unexpected output kept") << "something else" << "something else";
    }

    void stateText()
    {
        QFETCH(QString, output);
        QFETCH(QString, expected);
        QCOMPARE(printerStateText(output), expected);
    }

    void outputHandling()
    {
        QCOMPARE(lpstatOutputText("printer A is\nidle.\n"), QString("printer A isidle."));
        // Cut to 1022 bytes once the line feeds are gone.
        const QByteArray longOutput = QByteArray(1000, 'a') + "\n" + QByteArray(30, 'b') + "\n" + " idle";
        QCOMPARE(lpstatOutputText(longOutput), QString(QByteArray(1000, 'a') + QByteArray(22, 'b')));
        QCOMPARE(printerStateText(lpstatOutputText(longOutput)), QString(QByteArray(1000, 'a') + QByteArray(22, 'b')));
        QCOMPARE(lpstatOutputText(QByteArray()), QString());
    }

    void rotateCaption_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("caption");
        const QString rotate = QString::fromUtf8("Rotate 180\xc2\xb0");
        QTest::newRow("en_US") << "en_US" << rotate;
        QTest::newRow("fr_FR") << "fr_FR" << QString::fromUtf8("Tourner 180\xc2\xb0");
        QTest::newRow("de_AT") << "de_AT" << QString::fromUtf8("Rotiert 180\xc2\xb0");
        QTest::newRow("it_IT") << "it_IT" << QString::fromUtf8("Ruotato 180\xc2\xb0");
        QTest::newRow("pt_BR") << "pt_BR" << QString::fromUtf8("Girar 180\xc2\xb0");
        QTest::newRow("pt_PT") << "pt_PT" << QString::fromUtf8("Girar 180\xc2\xb0");
        QTest::newRow("es_MX") << "es_MX" << QString::fromUtf8("Girado 180\xc2\xb0");
        QTest::newRow("language alone") << "de" << QString::fromUtf8("Rotiert 180\xc2\xb0");
        QTest::newRow("C") << "C" << rotate;
        QTest::newRow("ja_JP") << "ja_JP" << rotate;
        QTest::newRow("upper-case code") << "EN_US" << rotate;
        QTest::newRow("upper-case German") << "DE_DE" << rotate;
        QTest::newRow("empty") << "" << rotate;
    }

    void rotateCaption()
    {
        QFETCH(QString, locale);
        QFETCH(QString, caption);
        QCOMPARE(rotate180LabelFor(locale), caption);
    }

    void rotateCaptionFollowsSystemLocale_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("caption");
        QTest::newRow("German") << "de_DE.UTF-8" << QString::fromUtf8("Rotiert 180\xc2\xb0");
        QTest::newRow("Brazilian") << "pt_BR.UTF-8" << QString::fromUtf8("Girar 180\xc2\xb0");
        QTest::newRow("C") << "C" << QString::fromUtf8("Rotate 180\xc2\xb0");
    }

    void rotateCaptionFollowsSystemLocale()
    {
        // The system locale is read once per process: ask a child.
        QFETCH(QString, lang);
        QFETCH(QString, caption);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("LC_MESSAGES");
        env.insert("LC_ALL", lang);
        env.insert("LANG", lang);
        env.insert("HALVANE_ROTATE_PROBE", "1");
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()), caption);
    }

    void idleQueue()
    {
        QCOMPARE(printerState("Quorvan_Office"), QString("Idle"));
    }

    void nameWithDollar()
    {
        // Through a shell "$Center" would vanish and lpstat ask for "Cost".
        QCOMPARE(printerState("Cost$Center"), QString("Idle"));
    }

    void disabledQueue()
    {
        QVERIFY(runTool("cupsdisable", {"Cost$Center"}));
        const QString paused = printerState("Cost$Center");
        QVERIFY(runTool("cupsenable", {"Cost$Center"}));
        QCOMPARE(paused, QString("Paused"));
        QCOMPARE(printerState("Cost$Center"), QString("Idle"));
    }

    // A name that begins with "-" is a queue name, not options: alone after
    // "-p", lpstat listed every queue and the first one's state was shown.
    void nameWithLeadingDash()
    {
        QCOMPARE(printerState("-Dash"), QString("Idle"));
        QString error;
        QVERIFY2(queuepause::setPaused("-Dash", true, &error), qPrintable(error));
        const QString paused = printerState("-Dash");
        QVERIFY2(queuepause::setPaused("-Dash", false, &error), qPrintable(error));
        QCOMPARE(paused, QString("Paused"));
        QCOMPARE(printerState("-Dash"), QString("Idle"));
    }

    // lpstat takes the list "all" for every queue, whose first state word
    // then stood for the queue of that name: paused with a reason, it read
    // as the idle queue listed first, alone and in a list that asks it on
    // its own.
    void queueNamedAll_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("expected");
        const QString error = QStringLiteral("Error: Printer does not exist or lpstat failed.");
        QTest::newRow("one name") << QStringList{"all"} << QStringList{"Paused"};
        QTest::newRow("beside an idle queue") << QStringList{"-Dash", "all"} << QStringList{"Idle", "Paused"};
        QTest::newRow("first, beside an idle queue") << QStringList{"all", "-Dash"} << QStringList{"Paused", "Idle"};
        QTest::newRow("twice") << QStringList{"all", "all"} << QStringList{"Paused", "Paused"};
        // The failed list leaves each name to a run of its own.
        QTest::newRow("beside an unknown queue")
            << QStringList{"all", "NoSuchQueue"} << QStringList{"Paused", error};
    }

    void queueNamedAll()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, expected);
        QueueRestorer restorer;
        restorer.added << "all";
        QVERIFY(runTool("lpadmin", {"-pall", "-E", "-v", "file:/dev/null", "-P",
                                    QStringLiteral(HALVANE_FIXTURES "/cups-office.ppd")}));
        QString error;
        QVERIFY2(queuepause::setPaused("all", true, &error, "Out of paper"), qPrintable(error));
        // "-Dash" is listed before "all", and is idle.
        QCOMPARE(printerState("-Dash"), QString("Idle"));
        QCOMPARE(printerStates(names), expected);
        QStringList oneByOne;
        for (const QString &name : names)
            oneByOne << printerState(name);
        QCOMPARE(oneByOne, expected);
    }

    // lpstat lists a queue whose name joins consecutive names of the list by
    // their commas ("-pQ2,x" also lists "Q2,x", ignoring ASCII case; "-pall,all"
    // also "all,all"), and a name with a comma brings its pieces: each state
    // comes from the queue's own lines, in a list and asked alone.
    void commaNamesReadTheirOwnLines_data()
    {
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("paused");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("expected");
        const QStringList pieces{"Q2", "x", "Q2,x"};
        QTest::newRow("its pieces, idle between them")
            << pieces << QStringList{"Q2", "x"} << QStringList{"Q2", "x"} << QStringList{"Paused", "Paused"};
        QTest::newRow("its pieces the other way")
            << pieces << QStringList{"Q2", "x"} << QStringList{"x", "Q2"} << QStringList{"Paused", "Paused"};
        QTest::newRow("a piece twice around it")
            << pieces << QStringList{"Q2", "x"} << QStringList{"x", "Q2", "x"}
            << QStringList{"Paused", "Paused", "Paused"};
        QTest::newRow("alone, its pieces idle")
            << pieces << QStringList{"Q2,x"} << QStringList{"Q2,x"} << QStringList{"Paused"};
        QTest::newRow("beside its pieces")
            << pieces << QStringList{"Q2"} << QStringList{"Q2", "Q2,x", "x"} << QStringList{"Paused", "Idle", "Idle"};
        QTest::newRow("no queue, its pieces are")
            << QStringList{"Q2", "x"} << QStringList{"Q2"} << QStringList{"Q2,x", "x"}
            << QStringList{"Error: Printer does not exist or lpstat failed.", "Idle"};
        QTest::newRow("another case")
            << QStringList{"Q2", "x", "q2,X"} << QStringList{"Q2", "x"} << QStringList{"Q2", "x"}
            << QStringList{"Paused", "Paused"};
        const QStringList alls{"all", "all,all"};
        QTest::newRow("all beside all,all") << alls << QStringList{"all"} << QStringList{"all"} << QStringList{"Paused"};
        QTest::newRow("all,all alone")
            << alls << QStringList{"all,all"} << QStringList{"all,all"} << QStringList{"Paused"};
    }

    void commaNamesReadTheirOwnLines()
    {
        QFETCH(QStringList, added);
        QFETCH(QStringList, paused);
        QFETCH(QStringList, names);
        QFETCH(QStringList, expected);
        QueueRestorer restorer;
        for (const QString &name : added) {
            restorer.added << name;
            QVERIFY(runTool("lpadmin", {"-p" + name, "-E", "-v", "file:/dev/null", "-P",
                                        QStringLiteral(HALVANE_FIXTURES "/cups-office.ppd")}));
        }
        QString error;
        for (const QString &name : paused)
            QVERIFY2(queuepause::setPaused(name, true, &error), qPrintable(error));
        QStringList oneByOne;
        for (const QString &name : names)
            oneByOne << printerState(name);
        QCOMPARE(oneByOne, expected);
        QCOMPARE(printerStates(names), expected);
    }

    // Beside a queue that the list names by two of its names, the sample
    // queues and the two keep one lpstat run, each part what the queue's own
    // run prints. A stand-in first on the child's PATH counts the runs.
    void commaQueueKeepsTheListsRun_data()
    {
        QTest::addColumn<QString>("listed");
        QTest::newRow("Q2,x") << "Q2,x";
        QTest::newRow("another case") << "q2,X";
    }

    void commaQueueKeepsTheListsRun()
    {
        QFETCH(QString, listed);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(writeCountingLpstat(dir.path() + "/bin"));
        QueueRestorer restorer;
        for (const QString &name : QStringList{"Q2", "x", listed}) {
            restorer.added << name;
            QVERIFY(runTool("lpadmin", {"-p" + name, "-E", "-v", "file:/dev/null", "-P",
                                        QStringLiteral(HALVANE_FIXTURES "/cups-office.ppd")}));
        }
        QString error;
        QVERIFY2(queuepause::setPaused("Q2", true, &error), qPrintable(error));
        QVERIFY2(queuepause::setPaused("x", true, &error, "Out of paper"), qPrintable(error));

        const QStringList names =
            QString::fromLocal8Bit(qgetenv("HALVANE_CUPS_QUEUES")).split(' ', Qt::SkipEmptyParts) + QStringList{"Q2", "x"};
        const ProcessResult child = ProcessRunner::run(
            "env",
            {"PATH=" + dir.path() + "/bin:" + QString::fromLocal8Bit(qgetenv("PATH")),
             "HALVANE_LPSTAT_LOG=" + dir.path() + "/runs", "HALVANE_QUERY_PROBE=" + names.join(' '),
             QCoreApplication::applicationFilePath()},
            60000);
        QVERIFY2(child.succeeded(), child.standardError.constData());
        QHash<QString, QStringList> report;
        for (const QString &line : QString::fromUtf8(child.standardOutput).split('\n', Qt::SkipEmptyParts)) {
            const QStringList fields = line.split('\t');
            report.insert(fields.first(), fields.mid(1));
        }
        QCOMPARE(report.value("unresolved"), QStringList());
        QCOMPARE(report.value("runs"), QStringList{"1"});
        QCOMPARE(report.value("state Q2"), QStringList{"Paused"});
        QCOMPARE(report.value("state x"), QStringList{"Paused"});
    }

    // A list's states, with the runs together, are the states of the names
    // one by one, row by row; also past the runs that go at once.
    void statesOfAListAreThoseOneByOne_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("listRoom");
        QStringList names, expected;
        for (const auto &sample : sampleStates()) {
            names << sample.first;
            expected << sample.second;
        }
        QTest::newRow("sample names") << names << expected << lpstatListRoom();
        // A run with a queue that is gone falls back to runs of its own;
        // the others keep their one query. 30 bytes take two of the sample
        // names at a time, 40 three.
        QTest::newRow("lists of 30 bytes") << names << expected << 30;
        QTest::newRow("lists of 40 bytes") << names << expected << 40;
        // Rotated each time, so every kind stands at many places.
        QStringList manyNames, manyExpected;
        for (int round = 0; round < 6; ++round) {
            for (int i = 0; i < names.size(); ++i) {
                manyNames << names.at((i + round) % names.size());
                manyExpected << expected.at((i + round) % names.size());
            }
        }
        QTest::newRow("42 names") << manyNames << manyExpected << lpstatListRoom();
        QTest::newRow("no names") << QStringList() << QStringList() << lpstatListRoom();
    }

    void statesOfAListAreThoseOneByOne()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, expected);
        QFETCH(int, listRoom);
        QString error;
        QVERIFY2(queuepause::setPaused("-Dash", true, &error), qPrintable(error));
        const QStringList together = printerStates(names, listRoom);
        QStringList oneByOne;
        for (const QString &name : names)
            oneByOne << printerState(name);
        QVERIFY2(queuepause::setPaused("-Dash", false, &error), qPrintable(error));
        QCOMPARE(together, oneByOne);
        QCOMPARE(together, expected);
    }

    void splitByQueue_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<QByteArray>>("parts");
        // No part for any of n names: the answer fits no queue-by-queue layout.
        const auto none = [](int n) {
            QList<QByteArray> parts;
            for (int i = 0; i < n; ++i)
                parts << QByteArray();
            return parts;
        };
        QTest::newRow("in the order asked, with a state message")
            << QByteArray("printer B is idle.\nprinter A disabled since Mon -\n\tToner low\n") << QStringList{"A", "B"}
            << QList<QByteArray>{"printer A disabled since Mon -\n\tToner low\n", "printer B is idle.\n"};
        QTest::newRow("a name inside another")
            << QByteArray("printer A_B is idle.\nprinter A is idle.\n") << QStringList{"A", "A_B"}
            << QList<QByteArray>{"printer A is idle.\n", "printer A_B is idle.\n"};
        QTest::newRow("two names in one line")
            << QByteArray("printer A is idle.\n") << QStringList{"A", "is"} << none(2);
        QTest::newRow("a name without lines") << QByteArray("printer A is idle.\n") << QStringList{"A", "B"} << none(2);
        QTest::newRow("a name twice")
            << QByteArray("printer A is idle.\nprinter A is idle.\n") << QStringList{"A"} << none(1);
        QTest::newRow("a message before any queue")
            << QByteArray("\tPaused\nprinter A is idle.\n") << QStringList{"A"} << none(1);
        QTest::newRow("a line of no queue")
            << QByteArray("printer A is idle.\nsomething else\n") << QStringList{"A"} << none(1);
        QTest::newRow("another case") << QByteArray("printer a is idle.\n") << QStringList{"A"} << none(1);

        // Names that are words of lpstat's own sentence, in every line or
        // in some: a line that holds one name not placed elsewhere is that
        // queue's.
        QTest::newRow("a queue named printer")
            << QByteArray("printer A is idle.  enabled since Mon\nprinter printer is idle.  enabled since Mon\n")
            << QStringList{"printer", "A"}
            << QList<QByteArray>{"printer printer is idle.  enabled since Mon\n",
                                 "printer A is idle.  enabled since Mon\n"};
        QTest::newRow("a queue named Drucker")
            << QByteArray("Drucker B ist deaktiviert seit Fr -\n\tPaused\n"
                          "Drucker Drucker ist im Leerlauf.  Aktiviert seit Fr\n")
            << QStringList{"Drucker", "B"}
            << QList<QByteArray>{"Drucker Drucker ist im Leerlauf.  Aktiviert seit Fr\n",
                                 "Drucker B ist deaktiviert seit Fr -\n\tPaused\n"};
        QTest::newRow("a queue named la")
            << QString::fromUtf8("la impresora A est\xc3\xa1 inactiva.\n"
                                 "la impresora la est\xc3\xa1 inactiva.\n").toUtf8()
            << QStringList{"la", "A"}
            << QList<QByteArray>{QString::fromUtf8("la impresora la est\xc3\xa1 inactiva.\n").toUtf8(),
                                 QString::fromUtf8("la impresora A est\xc3\xa1 inactiva.\n").toUtf8()};
        QTest::newRow("a queue named after the weekday")
            << QByteArray("printer A is idle.  enabled since Fri 11 Dec\n"
                          "printer Fri is idle.  enabled since Fri 11 Dec\n")
            << QStringList{"A", "Fri"}
            << QList<QByteArray>{"printer A is idle.  enabled since Fri 11 Dec\n",
                                 "printer Fri is idle.  enabled since Fri 11 Dec\n"};
        // A state message's later lines begin with no tab.
        QTest::newRow("a reason over several lines")
            << QByteArray("printer A disabled since Mon -\n\tOut of paper\nLoad tray 2\n\nprinter B is idle.\n")
            << QStringList{"A", "B"}
            << QList<QByteArray>{"printer A disabled since Mon -\n\tOut of paper\nLoad tray 2\n\n",
                                 "printer B is idle.\n"};
        // Read as a header it would make the next line one too, and there is
        // one name left for both.
        QTest::newRow("a reason line naming a listed queue")
            << QByteArray("printer A disabled since Mon -\n\tOut of paper\nprinter door open\n"
                          "printer printer is idle.  enabled since Mon\n")
            << QStringList{"A", "printer"}
            << QList<QByteArray>{"printer A disabled since Mon -\n\tOut of paper\nprinter door open\n",
                                 "printer printer is idle.  enabled since Mon\n"};
        QTest::newRow("a name asked twice")
            << QByteArray("printer A is idle.\nprinter B is idle.\n") << QStringList{"A", "B", "A"}
            << QList<QByteArray>{"printer A is idle.\n", "printer B is idle.\n", "printer A is idle.\n"};

        // Queues the list names by more than one of its items, or a name
        // with a comma by its pieces: their lines are no asked queue's.
        const QByteArray paused = "disabled since Mon -\n\tPaused\n";
        QTest::newRow("a queue named by two items")
            << QByteArray("printer Q2 " + paused + "printer Q2,x is idle.\nprinter x " + paused)
            << QStringList{"Q2", "x"} << QList<QByteArray>{"printer Q2 " + paused, "printer x " + paused};
        QTest::newRow("in another case, among three")
            << QByteArray("printer A is idle.\nprinter Q2 " + paused + "printer q2,X is idle.\nprinter x " + paused)
            << QStringList{"A", "Q2", "x"}
            << QList<QByteArray>{"printer A is idle.\n", "printer Q2 " + paused, "printer x " + paused};
        QTest::newRow("a name with a comma asked alone")
            << QByteArray("printer Q2 " + paused + "printer Q2,x is idle.\nprinter x " + paused)
            << QStringList{"Q2,x"} << QList<QByteArray>{"printer Q2,x is idle.\n"};
        QTest::newRow("all, asked as all,all")
            << QByteArray("printer all " + paused + "printer all,all is idle.\n") << QStringList{"all"}
            << QList<QByteArray>{"printer all " + paused};
        // Followed by a line that cannot be a header, it cannot be one.
        QTest::newRow("a reason line naming such a queue")
            << QByteArray("printer Q2 disabled since Mon -\n\tOut of paper\nsee Q2,x\nthen tray 2\nprinter x is idle.\n")
            << QStringList{"Q2", "x"}
            << QList<QByteArray>{"printer Q2 disabled since Mon -\n\tOut of paper\nsee Q2,x\nthen tray 2\n",
                                 "printer x is idle.\n"};

        // Lines that more than one reading allows get no part; the others
        // keep theirs.
        QTest::newRow("two names in every line")
            << QByteArray("printer A is idle.  enabled since Fri\nprinter Fri is idle.  enabled since Fri\n"
                          "printer printer is idle.  enabled since Fri\n")
            << QStringList{"A", "Fri", "printer"}
            << QList<QByteArray>{"printer A is idle.  enabled since Fri\n", "", ""};
        QTest::newRow("a reason that reads like another queue's lines")
            << QByteArray("printer C is idle.\nprinter A disabled since Mon -\n\tx\nprinter B disabled since Mon -\n"
                          "\tPaused\nprinter B disabled since Mon -\n\tPaused\n")
            << QStringList{"A", "B", "C"} << QList<QByteArray>{"", "", "printer C is idle.\n"};
    }

    void splitByQueue()
    {
        QFETCH(QByteArray, output);
        QFETCH(QStringList, names);
        QFETCH(QList<QByteArray>, parts);
        QCOMPARE(lpstatOutputByQueue(output, names), parts);
    }

    // The real answer for every queue of the private cupsd, one paused with
    // a state message of its own, split into exactly what each queue's own
    // lpstat run prints; in English, German and Japanese (a child each, as
    // the locale is read once per process).
    void listedAnswerSplitsIntoEachQueuesOwn_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("English") << "";
        QTest::newRow("German") << "de_DE.UTF-8";
        QTest::newRow("Japanese") << "ja_JP.UTF-8";
    }

    void listedAnswerSplitsIntoEachQueuesOwn()
    {
        QFETCH(QString, locale);
        QTemporaryDir locales;
        QVERIFY(locales.isValid());
        QStringList env{"HALVANE_SPLIT_PROBE=1"};
        if (!locale.isEmpty()) {
            QVERIFY(makeLocale(locales.path(), locale));
            env << localeEnvironment(locales.path(), locale);
        }
        QString error;
        QVERIFY2(queuepause::setPaused("-Dash", true, &error), qPrintable(error));
        QVERIFY2(queuepause::setPaused("Quorvan_Color", true, &error, "Toner low"), qPrintable(error));
        const ProcessResult child =
            ProcessRunner::run("env", env + QStringList{QCoreApplication::applicationFilePath()}, 60000);
        QVERIFY2(queuepause::setPaused("-Dash", false, &error), qPrintable(error));
        QVERIFY2(queuepause::setPaused("Quorvan_Color", false, &error), qPrintable(error));
        QVERIFY2(child.succeeded(), child.standardError.constData());
        QCOMPARE(QString::fromUtf8(child.standardOutput), QString("split as each queue's own\n"));
    }

    // Queues named like words of lpstat's own sentence ("printer" in
    // English, "Drucker" in German, a weekday, "la") and a queue stopped
    // with a reason over two lines keep the one lpstat of their list: each
    // queue's part is what its own run prints, byte for byte, and only two
    // names that each stand in the other's line ("printer" and "Fri" in
    // English on a Friday) get runs of their own. A stand-in first on the
    // child's PATH counts the runs and runs the real lpstat.
    void sentenceWordNamesKeepTheirQuery_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("sentenceWord");
        QTest::newRow("English") << "en_US.UTF-8" << "printer";
        QTest::newRow("German") << "de_DE.UTF-8" << "Drucker";
    }

    void sentenceWordNamesKeepTheirQuery()
    {
        QFETCH(QString, locale);
        QFETCH(QString, sentenceWord);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(makeLocale(dir.path(), locale));
        QVERIFY(writeCountingLpstat(dir.path() + "/bin"));

        const QStringList wordNames{"printer", "Drucker", "Fri", "la"};
        QueueRestorer restorer;
        for (const QString &name : wordNames) {
            restorer.added << name;
            QVERIFY(runTool("lpadmin", {"-p" + name, "-E", "-v", "file:/dev/null", "-P",
                                        QStringLiteral(HALVANE_FIXTURES "/cups-office.ppd")}));
        }
        QString error;
        restorer.paused << "la";
        QVERIFY2(queuepause::setPaused("la", true, &error, "Out of paper\nLoad tray 2"), qPrintable(error));

        const QStringList names =
            QString::fromLocal8Bit(qgetenv("HALVANE_CUPS_QUEUES")).split(' ', Qt::SkipEmptyParts) + wordNames;
        const ProcessResult child = ProcessRunner::run(
            "env",
            localeEnvironment(dir.path(), locale)
                + QStringList{"PATH=" + dir.path() + "/bin:" + QString::fromLocal8Bit(qgetenv("PATH")),
                              "HALVANE_LPSTAT_LOG=" + dir.path() + "/runs", "HALVANE_QUERY_PROBE=" + names.join(' '),
                              QCoreApplication::applicationFilePath()},
            60000);
        QVERIFY2(child.succeeded(), child.standardError.constData());
        QHash<QString, QStringList> report;
        for (const QString &line : QString::fromUtf8(child.standardOutput).split('\n', Qt::SkipEmptyParts)) {
            const QStringList fields = line.split('\t');
            report.insert(fields.first(), fields.mid(1));
        }
        const QStringList everywhere = report.value("everywhere");
        QVERIFY2(everywhere.contains(sentenceWord), qPrintable(everywhere.join(' ')));
        const QStringList unresolved = report.value("unresolved");
        QCOMPARE(unresolved, report.value("twins"));
        QCOMPARE(report.value("runs"), QStringList{QString::number(1 + unresolved.size())});
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(report.value("state " + names.at(i)), QStringList{names.at(i) == "la" ? "Paused" : "Idle"});
    }

    // Each lpstat asks cupsd for every queue, so the whole list goes to one
    // run as long as the command line takes it (211 names gave two runs), and
    // a longer list to as few runs as the room for one allows, each of which
    // starts; a list 16 KiB past that room is too long to start, so the room
    // is near the limit. With the system's limits, and with a 512 KiB stack
    // and a 100 kB environment, which leave room for a few kilobytes. A
    // stand-in first on the child's PATH counts the runs.
    void longListsKeepOneRun_data()
    {
        QTest::addColumn<QString>("names"); // cycled
        QTest::addColumn<QString>("count"); // names, or rooms' worth with "r"
        QTest::addColumn<int>("stackKiB");  // 0: as it is
        QTest::addColumn<int>("fillBytes"); // environment added
        const QString samples = qEnvironmentVariable("HALVANE_CUPS_QUEUES");
        QTest::newRow("211 names") << samples << "211" << 0 << 0;
        // Names of one length, so the fewest runs are easy to count.
        QTest::newRow("past one argument's limit") << "Quorvan_Office" << "2.5r" << 0 << 0;
        QTest::newRow("small stack, large environment") << "Quorvan_Office" << "3.5r" << 512 << 100000;
    }

    void longListsKeepOneRun()
    {
        QFETCH(QString, names);
        QFETCH(QString, count);
        QFETCH(int, stackKiB);
        QFETCH(int, fillBytes);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(writeCountingLpstat(dir.path() + "/bin"));
        QStringList command{"env",
                            "PATH=" + dir.path() + "/bin:" + qEnvironmentVariable("PATH"),
                            "HALVANE_LPSTAT_LOG=" + dir.path() + "/runs",
                            "HALVANE_ROOM_PROBE=" + count,
                            "HALVANE_ROOM_NAMES=" + names,
                            "HALVANE_FILL=" + QString(fillBytes, 'x'),
                            QCoreApplication::applicationFilePath()};
        // No name goes through the shell: it only lowers the stack limit.
        if (stackKiB > 0)
            command = QStringList{"-c", "ulimit -s " + QString::number(stackKiB) + " && exec \"$@\"", "sh"} + command;
        const ProcessResult child = ProcessRunner::run(stackKiB > 0 ? "sh" : "env",
                                                       stackKiB > 0 ? command : command.mid(1), 120000);
        QVERIFY2(child.succeeded(), child.standardError.constData());
        QHash<QString, qint64> report;
        for (const QString &line : QString::fromUtf8(child.standardOutput).split('\n', Qt::SkipEmptyParts))
            report.insert(line.section(' ', 0, 0), line.section(' ', 1).toLongLong());
        const qint64 room = report.value("room");
        const qint64 listed = report.value("names");
        qInfo("room %lld bytes, %lld names, %lld runs", room, listed, report.value("runs"));
        QVERIFY(room > 1000);
        if (stackKiB > 0)
            QVERIFY2(room < 30000, "the stack limit made no difference");
        // Names of one length: each run takes as many as fit.
        const qint64 perRun = names.contains(' ') ? listed : (room + 1) / (names.toUtf8().size() + 1);
        QCOMPARE(report.value("runs"), (listed + perRun - 1) / perRun);
        QCOMPARE(report.value("wrong"), 0);
        QCOMPARE(report.value("over"), 0);
    }

    // lpstat in German: the list's states are still the names' own, word
    // for word. The locale is read once per process: a child asks.
    void statesOfAListUnderAnotherLocale()
    {
        QTemporaryDir locales;
        QVERIFY(locales.isValid());
        const QString german = QStringLiteral("de_DE.UTF-8");
        QVERIFY(makeLocale(locales.path(), german));
        const QStringList env = localeEnvironment(locales.path(), german);
        // Else the child would test English once more.
        const ProcessResult spoken = ProcessRunner::run("env", env + QStringList{tool("lpstat"), "-pQuorvan_Office"});
        QVERIFY2(spoken.standardOutput.contains("Leerlauf"), spoken.standardOutput.constData());

        QString error;
        QVERIFY2(queuepause::setPaused("-Dash", true, &error), qPrintable(error));
        const ProcessResult child = ProcessRunner::run(
            "env", env + QStringList{"HALVANE_STATES_PROBE=1", QCoreApplication::applicationFilePath()}, 60000);
        QVERIFY2(queuepause::setPaused("-Dash", false, &error), qPrintable(error));
        QVERIFY2(child.succeeded(), child.standardError.constData());

        const QStringList rows = QString::fromUtf8(child.standardOutput).split('\n', Qt::SkipEmptyParts);
        const QList<QPair<QString, QString>> samples = sampleStates();
        QCOMPARE(rows.size(), samples.size());
        for (int i = 0; i < samples.size(); ++i) {
            const QStringList states = rows.at(i).split('\t');
            QCOMPARE(states.size(), 2);
            QCOMPARE(states.at(0), states.at(1));
            QCOMPARE(states.at(0), samples.at(i).second);
        }
    }

    // lpstat ends with status 1 for a queue it does not know: that is the
    // error text, not an empty state.
    void unknownQueueAnswersTheErrorText_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::newRow("plain name") << "NoSuchQueue";
        QTest::newRow("leading dash") << "-NoSuchQueue";
        QTest::newRow("empty name") << "";
    }

    void unknownQueueAnswersTheErrorText()
    {
        QFETCH(QString, queue);
        QCOMPARE(printerState(queue), QString("Error: Printer does not exist or lpstat failed."));
    }

    void nameIsNeverRunByAShell()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString oldCwd = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        const QString state = printerState("Q`touch${IFS}pwned`;touch${IFS}pwned2;$(touch${IFS}pwned3)");
        QDir::setCurrent(oldCwd);
        QCOMPARE(state, QString("Error: Printer does not exist or lpstat failed."));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }

    void printingQueue()
    {
        // The stub filter holds a job with this title, so the queue prints.
        QTemporaryFile job;
        QVERIFY(job.open());
        job.write("hello\n");
        job.flush();
        QVERIFY(job.setPermissions(job.permissions() | QFileDevice::ReadOther | QFileDevice::ReadGroup));
        QVERIFY(runTool("lp", {"-d", "Quorvan_Office", "-t", "hold-printing-state", job.fileName()}));
        const QString state = waitForState("Quorvan_Office", "Printing", 20000);
        QVERIFY(runTool("cancel", {"-a", "Quorvan_Office"}));
        QCOMPARE(state, QString("Printing"));
        QCOMPARE(waitForState("Quorvan_Office", "Idle", 20000), QString("Idle"));
    }

    // A queue stopped with a reason of its own, one stopped without, an idle
    // and a printing one read as the panel's words in each of its languages,
    // one by one and as a list, whatever lpstat says there: French and
    // European Portuguese lpstat speaks English, Brazilian Portuguese its
    // own words. A child per locale, with the language's catalogue.
    void stateWordsInEveryLanguage()
    {
        struct Language
        {
            QString locale;
            QString catalogue;
            QStringList words; // idle, paused, printing
        };
        const QList<Language> languages = {
            {"en_US.UTF-8", ":/strings/english", {"Idle", "Paused", "Printing"}},
            {"fr_FR.UTF-8", ":/strings/french", {"Inactive", "En pause", "Impression en cours"}},
            {"de_DE.UTF-8", ":/strings/german", {"Bereit", "Angehalten", "Druckt"}},
            {"it_IT.UTF-8", ":/strings/italian", {"Inattiva", "In pausa", "In stampa"}},
            {"pt_PT.UTF-8", ":/strings/portuguese", {"Inativa", "Em pausa", "A imprimir"}},
            {"pt_BR.UTF-8", ":/strings/portuguese", {"Inativa", "Em pausa", "A imprimir"}},
            {"es_ES.UTF-8", ":/strings/spanish", {"Inactiva", "En pausa", "Imprimiendo"}},
        };
        // Queue, then the index of its word.
        const QList<QPair<QString, int>> queues = {
            {"Quorvan_Office", 0}, {"Quorvan_Color", 1}, {"Cost$Center", 1}, {"Quorvan_Finisher", 2}};
        QTemporaryDir locales;
        QVERIFY(locales.isValid());
        QStringList localeNames;
        for (const Language &language : languages)
            localeNames << language.locale;
        QVERIFY(makeLocales(locales.path(), localeNames));

        QueueRestorer restorer;
        QString error;
        restorer.paused << "Quorvan_Color";
        QVERIFY2(queuepause::setPaused("Quorvan_Color", true, &error, "Out of paper"), qPrintable(error));
        restorer.paused << "Cost$Center";
        QVERIFY2(queuepause::setPaused("Cost$Center", true, &error), qPrintable(error));
        QTemporaryFile job;
        QVERIFY(job.open());
        job.write("hello\n");
        job.flush();
        QVERIFY(job.setPermissions(job.permissions() | QFileDevice::ReadOther | QFileDevice::ReadGroup));
        restorer.printing << "Quorvan_Finisher";
        // The stub filter holds a job with this title, so the queue prints.
        QVERIFY(runTool("lp", {"-d", "Quorvan_Finisher", "-t", "hold-printing-words", job.fileName()}));
        QCOMPARE(waitForState("Quorvan_Finisher", "Printing", 20000), QString("Printing"));

        QStringList names, wrong;
        for (const auto &queue : queues)
            names << queue.first;
        for (const Language &language : languages) {
            const ProcessResult child = ProcessRunner::run(
                "env",
                localeEnvironment(locales.path(), language.locale)
                    + QStringList{"HALVANE_WORDS_PROBE=" + language.catalogue,
                                  "HALVANE_WORDS_QUEUES=" + names.join(' '), QCoreApplication::applicationFilePath()},
                60000);
            QVERIFY2(child.succeeded(), qPrintable(language.locale + ": " + child.standardError));
            const QStringList rows = QString::fromUtf8(child.standardOutput).split('\n', Qt::SkipEmptyParts);
            QCOMPARE(rows.size(), queues.size());
            for (int i = 0; i < queues.size(); ++i) {
                const QString want = language.words.at(queues.at(i).second);
                if (rows.at(i) != names.at(i) + '\t' + want + '\t' + want)
                    wrong << language.locale + ": " + rows.at(i) + " (want " + want + ")";
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join('\n')));
    }

    void lpstatMissingGivesErrorText()
    {
        QTemporaryDir empty;
        QVERIFY(empty.isValid());
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(empty.path()));
        const QString state = printerState("Quorvan_Office");
        qputenv("PATH", oldPath);
        QCOMPARE(state, QString("Error: Printer does not exist or lpstat failed."));
    }
};

// Asks lpstat once for every queue of the private cupsd and once for each;
// prints which way the split went.
static int splitProbe()
{
    const QStringList queues = QString::fromLocal8Bit(qgetenv("HALVANE_CUPS_QUEUES")).split(' ', Qt::SkipEmptyParts);
    const ProcessResult listed = ProcessRunner::run("lpstat", {"-p" + queues.join(',')});
    if (!listed.succeeded()) {
        std::fprintf(stderr, "lpstat for all failed: %s\n", listed.standardError.constData());
        return 1;
    }
    const QList<QByteArray> parts = lpstatOutputByQueue(listed.standardOutput, queues);
    if (parts.size() != queues.size() || parts.contains(QByteArray())) {
        std::fprintf(stderr, "no clean split of:\n%s\n", listed.standardOutput.constData());
        return 1;
    }
    bool sawMessage = false;
    for (int i = 0; i < queues.size(); ++i) {
        const ProcessResult own = ProcessRunner::run("lpstat", {"-p" + queues.at(i)});
        if (!own.succeeded() || own.standardOutput != parts.at(i)) {
            std::fprintf(stderr, "%s: own run\n%s\nsplit\n%s\n", qPrintable(queues.at(i)), own.standardOutput.constData(),
                         parts.at(i).constData());
            return 1;
        }
        sawMessage = sawMessage || parts.at(i).contains("\tToner low");
    }
    std::fputs(sawMessage ? "split as each queue's own\n" : "no state message seen\n", stdout);
    return 0;
}

// Asks for the states of the names the variable lists, as the Status column
// does, and reports how many lpstat runs that took; then checks every part
// the split of the list's answer gives against the queue's own run.
static int queryProbe()
{
    const QStringList names = qEnvironmentVariable("HALVANE_QUERY_PROBE").split(' ', Qt::SkipEmptyParts);
    const QStringList together = printerStates(names);
    QFile log(qEnvironmentVariable("HALVANE_LPSTAT_LOG"));
    const int runs = log.open(QIODevice::ReadOnly) ? log.readAll().count('\n') : 0;
    const ProcessResult listed = ProcessRunner::run("lpstat", {"-p" + names.join(',')});
    if (!listed.succeeded()) {
        std::fprintf(stderr, "lpstat for all failed: %s\n", listed.standardError.constData());
        return 1;
    }
    const QList<QByteArray> parts = lpstatOutputByQueue(listed.standardOutput, names);
    QStringList unresolved;
    QList<QList<QByteArray>> ownWords;
    QString report;
    for (int i = 0; i < names.size(); ++i) {
        const ProcessResult own = ProcessRunner::run("lpstat", {"-p" + names.at(i)});
        const QByteArray part = parts.value(i);
        if (!own.succeeded() || (!part.isEmpty() && part != own.standardOutput)) {
            std::fprintf(stderr, "%s: own run\n%s\nsplit\n%s\n", qPrintable(names.at(i)),
                         own.standardOutput.constData(), part.constData());
            return 1;
        }
        if (part.isEmpty())
            unresolved << names.at(i);
        const QString state = printerState(names.at(i));
        if (together.at(i) != state) {
            std::fprintf(stderr, "%s: %s in the list, %s alone\n", qPrintable(names.at(i)), qPrintable(together.at(i)),
                         qPrintable(state));
            return 1;
        }
        report += "state " + names.at(i) + '\t' + state + '\n';
        ownWords << own.standardOutput.left(own.standardOutput.indexOf('\n')).split(' ');
    }
    // Names that stand in every queue's line; and names that stand in
    // another's line while that one stands in theirs, so that no word tells
    // the two lines apart ("printer" and "Fri" in English on a Friday).
    QStringList everywhere, twins;
    for (int i = 0; i < names.size(); ++i) {
        const QByteArray name = names.at(i).toUtf8();
        if (std::all_of(ownWords.cbegin(), ownWords.cend(),
                        [&name](const QList<QByteArray> &words) { return words.contains(name); }))
            everywhere << names.at(i);
        for (int j = 0; j < names.size(); ++j) {
            if (j != i && ownWords.at(j).contains(name) && ownWords.at(i).contains(names.at(j).toUtf8())) {
                twins << names.at(i);
                break;
            }
        }
    }
    report += "runs\t" + QString::number(runs) + '\n';
    report += QStringList(QStringList{"unresolved"} + unresolved).join('\t') + '\n';
    report += QStringList(QStringList{"everywhere"} + everywhere).join('\t') + '\n';
    report += QStringList(QStringList{"twins"} + twins).join('\t') + '\n';
    std::fputs(report.toUtf8().constData(), stdout);
    return 0;
}

// The states of HALVANE_ROOM_NAMES cycled to HALVANE_ROOM_PROBE names (or to
// that many times the room of one run, with "r"), as the Status column asks
// them; reports the room, the names, the lpstat runs, the states that are not
// "Idle", and whether a list 16 KiB longer than the room starts at all.
static int roomProbe()
{
    const int room = lpstatListRoom();
    const QStringList cycle = qEnvironmentVariable("HALVANE_ROOM_NAMES").split(' ', Qt::SkipEmptyParts);
    const QString count = qEnvironmentVariable("HALVANE_ROOM_PROBE");
    qint64 wanted = count.toLongLong();
    if (count.endsWith('r'))
        wanted = qint64(count.chopped(1).toDouble() * room / (cycle.first().toUtf8().size() + 1));
    QStringList names;
    for (qint64 i = 0; i < wanted; ++i)
        names << cycle.at(i % cycle.size());
    const QStringList states = printerStates(names);
    QFile log(qEnvironmentVariable("HALVANE_LPSTAT_LOG"));
    const int runs = log.open(QIODevice::ReadOnly) ? log.readAll().count('\n') : 0;
    const int wrong = names.size() - states.count("Idle");
    const bool over = ProcessRunner::run("lpstat", {"-p" + QString(room + 16384, 'x')}).started;
    std::printf("room %d\nnames %d\nruns %d\nwrong %d\nover %d\n", room, int(names.size()), runs, wrong, int(over));
    return 0;
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet("HALVANE_ROOM_PROBE")) {
        QCoreApplication app(argc, argv);
        return roomProbe();
    }
    if (qEnvironmentVariableIsSet("HALVANE_SPLIT_PROBE")) {
        QCoreApplication app(argc, argv);
        return splitProbe();
    }
    if (qEnvironmentVariableIsSet("HALVANE_QUERY_PROBE")) {
        QCoreApplication app(argc, argv);
        return queryProbe();
    }
    if (qEnvironmentVariableIsSet("HALVANE_STATES_PROBE")) {
        // One line per sample name: the list's state, a tab, the name's own.
        QCoreApplication app(argc, argv);
        QStringList names;
        for (const auto &sample : sampleStates())
            names << sample.first;
        const QStringList together = printerStates(names);
        for (int i = 0; i < names.size(); ++i)
            std::fputs((together.at(i) + '\t' + printerState(names.at(i)) + '\n').toUtf8().constData(), stdout);
        return 0;
    }
    if (qEnvironmentVariableIsSet("HALVANE_WORDS_PROBE")) {
        // One line per queue: its name, its own state and its state in the
        // list, in the words of the catalogue the variable names.
        QCoreApplication app(argc, argv);
        QTranslator catalogue;
        if (!catalogue.load(qEnvironmentVariable("HALVANE_WORDS_PROBE"))) {
            std::fputs("cannot load the catalogue\n", stderr);
            return 1;
        }
        QCoreApplication::installTranslator(&catalogue);
        const QStringList names = qEnvironmentVariable("HALVANE_WORDS_QUEUES").split(' ', Qt::SkipEmptyParts);
        const QStringList together = printerStates(names);
        for (int i = 0; i < names.size(); ++i) {
            const QString row = names.at(i) + '\t' + printerState(names.at(i)) + '\t' + together.at(i) + '\n';
            std::fputs(row.toUtf8().constData(), stdout);
        }
        return 0;
    }
    if (qEnvironmentVariableIsSet("HALVANE_ROTATE_PROBE")) {
        QCoreApplication app(argc, argv);
        std::fputs(rotate180Label().toUtf8().constData(), stdout);
        return 0;
    }
    QCoreApplication app(argc, argv);
    TestQueueState test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_queuestate.moc"
