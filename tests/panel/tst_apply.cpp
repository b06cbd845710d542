// Apply on the main dialog against the private cupsd, as an ordinary user:
// the settings file, lpoptions (real, or a stand-in first on PATH that
// records its words and passes them on, fails, hangs or writes nothing) and
// other programs' print settings.
#include "boxrecorder.h"
#include "commandstandin.h"
#include "dialogsession.h"
#include "lpoptionscommand.h"
#include "optionstore.h"
#include "paneldriver.h"
#include "ppdimport.h"
#include "processrunner.h"
#include "sessionstate.h"
#include "settingsfile.h"
#include "storedsettings.h"
#include "temporaryhome.h"
#include "zeldialog.h"
#include "zeltabwidget.h"

#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <cups/cups.h>
#include <cups/ppd.h>
#include <memory>

namespace {
const QString lpoptionsFailed = QStringLiteral("Error|Error: Printer does not exist or lpoptions failed.");
const QString applied = QStringLiteral("Success|Settings applied.");
const QString printersChanged =
    QStringLiteral("Error|It looks like your installed printers have changed.\nReloading list now.");
// Added and removed by the test itself; sorted among the sample queues, so
// another queue takes its row when it goes.
const QString fadingQueue = QStringLiteral("Quorvan_Fading");

bool lpadmin(const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(
        QStringLiteral("lpadmin"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"), QStringLiteral("/sbin")});
    return !program.isEmpty() && ProcessRunner::run(program, arguments).succeeded();
}
}

class ApplyTest : public QObject
{
    Q_OBJECT

private:
    DialogSession session{QStringLiteral("tst-apply"), DialogSession::PrivateCups};
    QByteArray savedPath;
    // The stand-in's end that hands its words to the real lpoptions.
    QByteArray passOn;
    std::unique_ptr<TemporaryHome> home;
    std::unique_ptr<QTemporaryDir> bin;

    void useFreshUser() { QVERIFY2(session.freshUser(), session.whyNot()); }

    // The queue's PPD through CUPS into a new current store, and the pages
    // reloaded from it, as a change of printer leaves them.
    void selectQueue(ZelDialog &dialog, const QString &queue)
    {
        const char *copy = cupsGetPPD(queue.toUtf8().constData());
        QVERIFY2(copy, "the private cupsd has no PPD for the queue");
        ppd_file_t *ppd = ppdOpenFile(copy);
        QVERIFY(ppd);
        auto *store = new OptionStore;
        importPpd(ppd, store);
        ppdClose(ppd);
        QFile::remove(QString::fromLocal8Bit(copy));
        store->setPrinterName(queue);
        currentOptionStore = store;
        activeSettingsPath = userDataDir + queue + QStringLiteral(".cfg");
        knownPrinterNames = ZelDialog::installedPrinterNames();
        for (Tab *page : qAsConst(dialog.tabs))
            dialog.updateTabEnabled(page);
        dialog.changingPrinter = true;
        dialog.profileChanged();
        dialog.changingPrinter = false;
        dialog.setConstraints();
    }

    QString cfgPath(const QString &queue) const { return userDataDir + queue + QStringLiteral(".cfg"); }

    // gedit's print settings in the temporary home: gone after a good Apply.
    QString otherProgramFile() const { return home->filePath(QStringLiteral(".config/gedit/gedit-print-settings")); }

    void putLpoptionsStandIn(const QByteArray &then)
    {
        QVERIFY(writeStandIn(bin->path(), QStringLiteral("lpoptions"),
                             recordingBody(bin->filePath(QStringLiteral("record")), then)));
        qputenv("PATH", bin->path().toUtf8() + ':' + savedPath);
    }

    QStringList lpoptionsWords() const { return readRecord(bin->filePath(QStringLiteral("record"))); }

private slots:
    void initTestCase()
    {
        QVERIFY2(session.start(), session.whyNot());
        savedPath = qgetenv("PATH");
        QString lpoptions = QStandardPaths::findExecutable(QStringLiteral("lpoptions"));
        QVERIFY2(!lpoptions.isEmpty(), "no lpoptions on PATH");
        lpoptions.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
        passOn = "exec '" + QFile::encodeName(lpoptions) + "' \"$@\"\n";
    }

    // A HOME of each test's own: a good Apply removes the file planted there.
    void init()
    {
        home.reset(new TemporaryHome);
        bin.reset(new QTemporaryDir);
        QVERIFY(home->isValid() && bin->isValid());
        QDir().mkpath(QFileInfo(otherProgramFile()).path());
        QFile file(otherProgramFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Print Settings]\n");
    }

    void cleanup()
    {
        lpadmin({QStringLiteral("-x"), fadingQueue});
        DialogSession::forgetState();
        qputenv("PATH", savedPath);
        home.reset();
        bin.reset();
    }

    void noPrinterSelected()
    {
        useFreshUser();
        ZelDialog dialog;
        putLpoptionsStandIn("exit 0\n");
        BoxRecorder recorder;
        dialog.slotButtonApply();
        QCOMPARE(recorder.boxes, QStringList{"|Select a printer."});
        QCOMPARE(lpoptionsWords(), QStringList{"<missing>"});
    }

    // Real lpoptions: what the settings file holds for the PPD's options is
    // what lpoptions reads back for the queue.
    // Which options reach lpoptions depends on the pages that report them;
    // the colour queue's PPD has options every build of the pages reports.
    void applyReachesTheSettingsFileAndLpoptions_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<bool>("someOption");
        QTest::newRow("office") << "Quorvan_Office" << false;
        QTest::newRow("colour") << "Quorvan_Color" << true;
        QTest::newRow("dollar sign") << "Cost$Center" << false;
        QTest::newRow("leading dash") << "-Dash" << false;
    }

    void applyReachesTheSettingsFileAndLpoptions()
    {
        QFETCH(QString, queue);
        QFETCH(bool, someOption);
        useFreshUser();
        ZelDialog dialog;
        selectQueue(dialog, queue);
        BoxRecorder recorder;
        dialog.slotButtonApply();
        QCOMPARE(recorder.boxes, QStringList{applied});

        const QHash<QString, QString> stored = storedsettings::read(cfgPath(queue));
        QVERIFY(!stored.isEmpty());
        QStringList keywords;
        QVERIFY(LpoptionsCommand::queuePpdKeywords(queue, &keywords));
        const QHash<QString, QString> defaults = paneldriver::queueDefaults(queue);
        int passed = 0;
        for (const QString &keyword : qAsConst(keywords)) {
            if (stored.value(keyword).isEmpty())
                continue;
            QCOMPARE(defaults.value(keyword), stored.value(keyword));
            ++passed;
        }
        if (someOption)
            QVERIFY2(passed > 0, "no PPD option reached lpoptions");
        QVERIFY(!QFileInfo::exists(otherProgramFile()));
    }

    // The exact words: -p with the queue attached, then "-o" and one KEY=VALUE
    // argument per option, in the PPD's order.
    void lpoptionsGetsOneArgumentPerWordInPpdOrder_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<int>("least");
        QTest::newRow("colour") << "Quorvan_Color" << 3;
        QTest::newRow("dollar sign") << "Cost$Center" << 1;
        QTest::newRow("leading dash") << "-Dash" << 1;
    }

    void lpoptionsGetsOneArgumentPerWordInPpdOrder()
    {
        QFETCH(QString, queue);
        QFETCH(int, least);
        useFreshUser();
        ZelDialog dialog;
        selectQueue(dialog, queue);
        putLpoptionsStandIn(passOn);
        BoxRecorder recorder;
        dialog.slotButtonApply();
        QCOMPARE(recorder.boxes, QStringList{applied});

        const QStringList words = lpoptionsWords();
        QVERIFY(words.size() >= least);
        QCOMPARE(words.mid(0, 1), QStringList({"-p" + queue}));
        QVERIFY(words.size() % 2 == 1);
        QStringList keywords;
        QVERIFY(LpoptionsCommand::queuePpdKeywords(queue, &keywords));
        const QHash<QString, QString> stored = storedsettings::read(cfgPath(queue));
        QStringList expected = {"-p" + queue};
        for (const QString &keyword : qAsConst(keywords)) {
            if (!stored.value(keyword).isEmpty())
                expected << QStringLiteral("-o") << keyword + QLatin1Char('=') + stored.value(keyword);
        }
        QCOMPARE(words, expected);
    }

    // An lpoptions that fails, or leaves the queue without the settings, is
    // a failure: the error box, the printer page in front, no success box,
    // other programs untouched; the settings file was already written.
    void failingLpoptions_data()
    {
        QTest::addColumn<QByteArray>("then");
        QTest::newRow("exit status 1") << QByteArray("exit 1\n");
        QTest::newRow("ended by a signal") << QByteArray("kill -KILL $$\n");
        QTest::newRow("hangs for longer than 30 s") << QByteArray("exec sleep 40\n");
        QTest::newRow("exit status 0, nothing written") << QByteArray("exit 0\n");
    }

    void failingLpoptions()
    {
        QFETCH(QByteArray, then);
        useFreshUser();
        ZelDialog dialog;
        const QString queue = QStringLiteral("Quorvan_Office");
        selectQueue(dialog, queue);
        dialog.tabWidget->setCurrentIndex(1);
        putLpoptionsStandIn(then);
        BoxRecorder recorder;
        QVERIFY(!dialog.writeTolpoptions());
        QCOMPARE(recorder.boxes, QStringList{lpoptionsFailed});
        QCOMPARE(dialog.tabWidget->currentIndex(), 0);
        QVERIFY(QFileInfo::exists(cfgPath(queue)));
        QVERIFY(QFileInfo::exists(otherProgramFile()));
        QVERIFY(currentOptionStore);

        // The same through Apply: no "Settings applied." after the error.
        if (!then.contains("sleep")) {
            recorder.boxes.clear();
            dialog.slotButtonApply();
            QCOMPARE(recorder.boxes, QStringList{lpoptionsFailed});
        }
    }

    // A settings file that cannot be written: lpoptions and the other
    // programs still get the settings, and its error box takes the place of
    // "Settings applied.".
    void settingsFileThatCannotBeWritten_data()
    {
        QTest::addColumn<QByteArray>("then");
        QTest::addColumn<QStringList>("boxes");
        const QString fileError = QStringLiteral("Error|Error: The settings file could not be written.");
        QTest::newRow("lpoptions succeeds") << passOn << QStringList{fileError};
        QTest::newRow("lpoptions fails too") << QByteArray("exit 1\n") << QStringList{fileError, lpoptionsFailed};
    }

    void settingsFileThatCannotBeWritten()
    {
        QFETCH(QByteArray, then);
        QFETCH(QStringList, boxes);
        useFreshUser();
        ZelDialog dialog;
        const QString queue = QStringLiteral("Quorvan_Office");
        selectQueue(dialog, queue);
        // Even root cannot write a file where a folder is.
        QVERIFY(QDir().mkpath(cfgPath(queue)));
        putLpoptionsStandIn(then);
        BoxRecorder recorder;
        dialog.slotButtonApply();
        QCOMPARE(recorder.boxes, boxes);
        const QStringList words = lpoptionsWords();
        QCOMPARE(words.value(0), QStringLiteral("-p") + queue);
        QVERIFY2(words.contains(QStringLiteral("PageSize=A4")), qPrintable(words.join(' ')));
        // The other programs follow only a queue that took the settings.
        QCOMPARE(QFileInfo::exists(otherProgramFile()), boxes.contains(lpoptionsFailed));
        QVERIFY(QFileInfo(cfgPath(queue)).isDir());
    }

    // The selected queue removed in CUPS, then Apply or OK: Apply's own list
    // refresh already dropped it, yet the selection goes (no store, no row,
    // the pages off, the title back), the user is told, nothing is written;
    // then any queue can be picked, the one now in its row too.
    void vanishedQueueDropsTheSelection_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("Apply") << false;
        QTest::newRow("OK") << true;
    }

    void vanishedQueueDropsTheSelection()
    {
        QFETCH(bool, ok);
        useFreshUser();
        QVERIFY2(lpadmin({QStringLiteral("-p") + fadingQueue, QStringLiteral("-E"), QStringLiteral("-v"),
                          QStringLiteral("file:/dev/null"), QStringLiteral("-P"),
                          QStringLiteral(HALVANE_FIXTURES "/cups-office.ppd")}),
                 "lpadmin could not add the queue");
        ZelDialog dialog;
        dialog.show();
        QTableWidget *table = paneldriver::printerTable(dialog);
        QVERIFY(paneldriver::choosePrinter(dialog, fadingQueue));
        QVERIFY(currentOptionStore);
        const int row = paneldriver::printerRow(dialog, fadingQueue);
        QVERIFY2(row + 1 < table->rowCount(), "no queue below the added one to take its row");
        const QString successor = table->item(row + 1, 0)->text();
        const QHash<QString, QString> stored = storedsettings::read(cfgPath(fadingQueue));
        QVERIFY(!stored.isEmpty());

        QVERIFY(lpadmin({QStringLiteral("-x"), fadingQueue}));
        dialog.tabWidget->setCurrentIndex(2);
        putLpoptionsStandIn(passOn);
        BoxRecorder recorder;
        if (ok)
            dialog.accept();
        else
            dialog.slotButtonApply();
        QCOMPARE(recorder.boxes, QStringList({lpoptionsFailed, printersChanged}));
        QVERIFY(!currentOptionStore);
        QCOMPARE(table->currentRow(), -1);
        QVERIFY(table->selectedItems().isEmpty());
        QVERIFY(!paneldriver::listedPrinters(dialog).contains(fadingQueue));
        for (int i = 1; i < dialog.tabs.size(); ++i)
            QVERIFY2(!dialog.tabWidget->isTabEnabled(i), qPrintable(dialog.tabWidget->tabText(i)));
        QCOMPARE(dialog.tabWidget->currentIndex(), 0);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Halvane"));
        QCOMPARE(lpoptionsWords(), QStringList{"<missing>"});
        QCOMPARE(storedsettings::read(cfgPath(fadingQueue)), stored);
        // OK still closes after a failed Apply.
        QCOMPARE(dialog.isVisible(), !ok);

        recorder.boxes.clear();
        dialog.slotButtonApply();
        QCOMPARE(recorder.boxes, QStringList{"|Select a printer."});

        QVERIFY(paneldriver::choosePrinter(dialog, successor));
        QVERIFY(currentOptionStore);
        QCOMPARE(currentOptionStore->printerName(), successor);
        QCOMPARE(table->selectedItems().value(0) ? table->selectedItems().value(0)->text() : QString(), successor);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Halvane - ") + successor);
        recorder.boxes.clear();
        dialog.slotButtonApply();
        QCOMPARE(recorder.boxes, QStringList{applied});
        QCOMPARE(lpoptionsWords().value(0), QStringLiteral("-p") + successor);
    }
};

QTEST_MAIN(ApplyTest)
#include "tst_apply.moc"
