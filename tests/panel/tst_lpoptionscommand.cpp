// The lpoptions road on its own: which PPD options pass on and in what order,
// one argument per "-o" word, real lpoptions reading the values back, the
// failures of an lpoptions that fails, crashes, hangs or is missing, and the
// read-back that tells whether the queue took what lpoptions was given.
#include "commandstandin.h"
#include "lpoptionscommand.h"
#include "paneldriver.h"
#include "temporaryhome.h"

#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

Q_DECLARE_METATYPE(SettingsSnapshot)
Q_DECLARE_METATYPE(LpoptionsCommand::Outcome)

namespace {
const QString fixturePpd = QStringLiteral(HALVANE_FIXTURES "/apply-keywords.ppd");
// The Watermark page's printer form of the custom text A B!.
const QString quotedWatermark = QStringLiteral("\"A\\ B\\!\"");

SettingsSnapshot snapshotOf(const QList<QPair<QString, QString>> &entries)
{
    SettingsSnapshot snapshot;
    for (const auto &entry : entries)
        snapshot.insert(entry.first, entry.second);
    return snapshot;
}
}

class LpoptionsCommandTest : public QObject
{
    Q_OBJECT

private:
    QByteArray savedPath;

private slots:
    void initTestCase() { savedPath = qgetenv("PATH"); }
    void cleanup() { qputenv("PATH", savedPath); }

    void keywordsOfTheTopLevelGroupsInFileOrder()
    {
        QStringList keywords;
        QVERIFY(LpoptionsCommand::ppdFileKeywords(fixturePpd, &keywords));
        QCOMPARE(keywords, QStringList({"Option17", "PageSize", "Duplex", "Wtxt", "Wclr"}));
        QVERIFY(!LpoptionsCommand::ppdFileKeywords(QStringLiteral(HALVANE_FIXTURES "/no-such.ppd"), &keywords));
    }

    void argumentList_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QStringList>("keywords");
        QTest::addColumn<SettingsSnapshot>("snapshot");
        QTest::addColumn<QStringList>("expected");
        const QStringList ppd = {"Option17", "PageSize", "Duplex", "Wtxt", "Wclr"};

        QTest::newRow("PPD order, not snapshot order") << "office1" << ppd
            << snapshotOf({{"Wclr", "Red"}, {"Duplex", "DuplexNoTumble"}, {"PageSize", "A4"}})
            << QStringList({"-poffice1", "-o", "PageSize=A4", "-o", "Duplex=DuplexNoTumble", "-o", "Wclr=Red"});
        QTest::newRow("empty and missing values add nothing") << "office1" << ppd
            << snapshotOf({{"PageSize", ""}, {"Duplex", "None"}})
            << QStringList({"-poffice1", "-o", "Duplex=None"});
        QTest::newRow("keys the PPD's top-level groups lack never pass") << "office1" << ppd
            << snapshotOf({{"Resolution", "1200dpi"}, {"cStpl", "True"}, {"Wtyp", "Text"}})
            << QStringList({"-poffice1"});
        QTest::newRow("no options: the queue alone") << "office1" << QStringList()
            << snapshotOf({{"PageSize", "A4"}}) << QStringList({"-poffice1"});
        QTest::newRow("a blank stays inside its argument") << "office1" << ppd
            << snapshotOf({{"Wtxt", quotedWatermark}, {"Wclr", "Dark Red"}})
            << QStringList({"-poffice1", "-o", "Wtxt=" + quotedWatermark, "-o", "Wclr=Dark Red"});
        QTest::newRow("the value added last counts") << "office1" << ppd
            << snapshotOf({{"PageSize", "Letter"}, {"PageSize", "A4"}})
            << QStringList({"-poffice1", "-o", "PageSize=A4"});
        QTest::newRow("shell characters are plain text") << "Cost$Center" << ppd
            << snapshotOf({{"Wtxt", "$(id)`id`;|&"}})
            << QStringList({"-pCost$Center", "-o", "Wtxt=$(id)`id`;|&"});
    }

    void argumentList()
    {
        QFETCH(QString, queue);
        QFETCH(QStringList, keywords);
        QFETCH(SettingsSnapshot, snapshot);
        QFETCH(QStringList, expected);
        QCOMPARE(LpoptionsCommand::arguments(queue, keywords, snapshot), expected);
    }

    // The real lpoptions, as an ordinary user, against the private cupsd.
    void realLpoptionsReadsTheValuesBack_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::newRow("plain name") << "Quorvan_Office";
        QTest::newRow("name with a dollar sign") << "Cost$Center";
    }

    void realLpoptionsReadsTheValuesBack()
    {
        QFETCH(QString, queue);
        QVERIFY2(geteuid() != 0, "as root lpoptions writes the system-wide file: run as an ordinary user (CTest does)");
        QVERIFY2(!qEnvironmentVariableIsEmpty("CUPS_SERVER"), "needs the private cupsd (CTest's cups fixture)");
        TemporaryHome home;

        QStringList keywords;
        QVERIFY(LpoptionsCommand::queuePpdKeywords(queue, &keywords));
        QVERIFY(keywords.contains(QStringLiteral("PageSize")));
        keywords << QStringLiteral("Wtxt");  // lpoptions stores what it is given
        const SettingsSnapshot snapshot = snapshotOf(
            {{"PageSize", "Letter"}, {"Duplex", "DuplexNoTumble"}, {"Wtxt", quotedWatermark}});
        const ProcessResult run = LpoptionsCommand::run(LpoptionsCommand::arguments(queue, keywords, snapshot));
        QVERIFY2(run.succeeded(), run.standardError.constData());
        QVERIFY(QFileInfo::exists(home.filePath(QStringLiteral(".cups/lpoptions"))));

        const QHash<QString, QString> values = paneldriver::queueDefaults(queue);
        QCOMPARE(values.value(QStringLiteral("PageSize")), QStringLiteral("Letter"));
        QCOMPARE(values.value(QStringLiteral("Duplex")), QStringLiteral("DuplexNoTumble"));
        QCOMPARE(values.value(QStringLiteral("Wtxt")), QStringLiteral("A B!"));
    }

    // Real lpoptions (or a stand-in), then the read-back of what the queue
    // holds, each row in a HOME of its own. lpoptions reads each "-o" text as
    // libcups parses options and leaves out a value the server has already
    // (number-up=1 and print-color-mode=monochrome on this queue, as an
    // admin's default would be), in any letters; the read-back follows it.
    void readBackFollowsWhatLpoptionsKept_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QByteArray>("standIn");
        QTest::addColumn<QByteArray>("leftOut");
        QTest::addColumn<LpoptionsCommand::Outcome>("outcome");
        const QString office = QStringLiteral("Quorvan_Office");
        const auto taken = LpoptionsCommand::Outcome::Taken;
        const auto notTaken = LpoptionsCommand::Outcome::NotTaken;

        QTest::newRow("plain values") << office << QStringList({"PageSize=Letter", "Duplex=DuplexNoTumble"})
                                      << QByteArray() << QByteArray() << taken;
        QTest::newRow("a quoted value with a blank") << office << QStringList({"Wtxt=" + quotedWatermark})
                                                     << QByteArray() << QByteArray() << taken;
        QTest::newRow("a bare blank: two options, as lpoptions reads it")
            << office << QStringList({"Wclr=Dark Red"}) << QByteArray() << QByteArray() << taken;
        QTest::newRow("the server's own value") << office << QStringList({"Duplex=None", "number-up=1"})
                                                << QByteArray() << QByteArray("number-up") << taken;
        QTest::newRow("the server's own value in other letters")
            << office << QStringList({"print-color-mode=MONOCHROME"}) << QByteArray() << QByteArray("print-color-mode")
            << taken;
        QTest::newRow("lpoptions exits 0 and writes nothing") << office << QStringList({"Duplex=DuplexNoTumble"})
                                                              << QByteArray("exit 0\n") << QByteArray() << notTaken;
        QTest::newRow("a queue CUPS does not know") << "No_Such_Queue" << QStringList({"Duplex=None"})
                                                    << QByteArray() << QByteArray() << notTaken;
    }

    void readBackFollowsWhatLpoptionsKept()
    {
        QFETCH(QString, queue);
        QFETCH(QStringList, words);
        QFETCH(QByteArray, standIn);
        QFETCH(QByteArray, leftOut);
        QFETCH(LpoptionsCommand::Outcome, outcome);
        QVERIFY2(geteuid() != 0, "as root lpoptions writes the system-wide file: run as an ordinary user (CTest does)");
        QVERIFY2(!qEnvironmentVariableIsEmpty("CUPS_SERVER"), "needs the private cupsd (CTest's cups fixture)");
        TemporaryHome home;
        QTemporaryDir bin;
        if (!standIn.isEmpty()) {
            QVERIFY(writeStandIn(bin.path(), QStringLiteral("lpoptions"), standIn));
            qputenv("PATH", bin.path().toUtf8() + ':' + savedPath);
        }

        QStringList arguments = {QStringLiteral("-p") + queue};
        for (const QString &word : qAsConst(words))
            arguments << QStringLiteral("-o") << word;
        LpoptionsCommand::run(arguments);
        QCOMPARE(LpoptionsCommand::readBack(queue, arguments), outcome);
        if (!leftOut.isEmpty()) {
            // No file at all leaves it out too.
            QFile file(home.filePath(QStringLiteral(".cups/lpoptions")));
            const QByteArray kept = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            QVERIFY2(!kept.contains(leftOut), kept.constData());
        }
    }

    void failuresAreFailures_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("started");
        QTest::addColumn<bool>("finished");
        QTest::newRow("exit status 1") << QByteArray("exit 1\n") << true << true;
        QTest::newRow("ended by a signal") << QByteArray("kill -SEGV $$\n") << true << true;
        QTest::newRow("hangs past the limit") << QByteArray("exec sleep 30\n") << true << false;
        QTest::newRow("not installed") << QByteArray() << false << false;
    }

    void failuresAreFailures()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, started);
        QFETCH(bool, finished);
        QTemporaryDir bin;
        if (!body.isEmpty()) {
            QVERIFY(writeStandIn(bin.path(), QStringLiteral("lpoptions"), body));
            qputenv("PATH", bin.path().toUtf8() + ':' + savedPath);
        } else {
            qputenv("PATH", bin.path().toUtf8());
        }
        const ProcessResult result = LpoptionsCommand::run({"-p", "office1"}, 1000);
        QCOMPARE(result.started, started);
        QCOMPARE(result.finished, finished);
        QVERIFY(!result.succeeded());
    }
};

QTEST_GUILESS_MAIN(LpoptionsCommandTest)
#include "tst_lpoptionscommand.moc"
