// The panel while its CUPS goes away and comes back, as when an admin or a
// package upgrade restarts cupsd: a cupsd of this test's own (the shared one
// serves other tests meanwhile), stopped and started again on its port under
// the open panel. A moment without an answer is no change of printers: the
// list, the selection and what the user changed stay, Apply says CUPS cannot
// be reached, and works on the same queue once it is back. A panel started
// without CUPS says so and lists the queues by itself once CUPS answers. A
// CUPS that answers with no printers is a change. And a click highlights the
// queue it loads, also when the table is rebuilt inside the click. Runs in
// English and in German.
#include "boxrecorder.h"
#include "commandstandin.h"
#include "cupsdestinations.h"
#include "dialogsession.h"
#include "generaltab.h"
#include "koption.h"
#include "localecatalogue.h"
#include "lpoptionscommand.h"
#include "optionstore.h"
#include "paneldriver.h"
#include "printertab.h"
#include "processrunner.h"
#include "sessionstate.h"
#include "storedsettings.h"
#include "zeldialog.h"

#include <QLocale>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {
const QString script = QStringLiteral(HALVANE_HARNESS "/private-cups.sh");
const QStringList queues = {QStringLiteral("Outage_Color=cups-color.ppd"), QStringLiteral("Outage_Office=cups-office.ppd")};
const QString colorQueue = QStringLiteral("Outage_Color");
const QString officeQueue = QStringLiteral("Outage_Office");
// Sorted before the sample queues, so these move them down a row or two.
const QString firstAdded = QStringLiteral("Outage_Aaa");
const QString secondAdded = QStringLiteral("Outage_Abb");
}

class CupsOutageTest : public QObject
{
    Q_OBJECT

private:
    DialogSession session{QStringLiteral("tst-outage"), DialogSession::WithoutCups};
    QTranslator catalogue;
    bool german = false;
    QTemporaryDir cupsHome;
    QString cupsDir;
    bool cupsRunning = false;
    QByteArray savedPath;
    std::unique_ptr<QTemporaryDir> bin;
    QStringList addedQueues;

    // The boxes as this language shows them.
    QString unreachable() const
    {
        return german ? QString::fromUtf8("Fehler|Fehler: Das Drucksystem (CUPS) ist nicht erreichbar. Ihre \xc3\x84nderungen "
                                          "wurden nicht \xc3\xbc""bernommen und bleiben erhalten; klicken Sie gleich "
                                          "noch einmal auf \xc2\xbb\xc3\x9c""bernehmen\xc2\xab.")
                      : QStringLiteral("Error|Error: The printing system (CUPS) cannot be reached. Your changes were not "
                                       "applied and are kept; click Apply again in a moment.");
    }
    QString savedButNotTaken() const
    {
        return german ? QString::fromUtf8("Fehler|Fehler: Das Drucksystem (CUPS) ist nicht erreichbar. Ihre Einstellungen "
                                          "wurden gespeichert, aber vom Drucksystem nicht \xc3\xbc""bernommen; klicken Sie "
                                          "gleich noch einmal auf \xc2\xbb\xc3\x9c""bernehmen\xc2\xab.")
                      : QStringLiteral("Error|Error: The printing system (CUPS) cannot be reached. Your settings were saved, "
                                       "but the printing system did not take them; click Apply again in a moment.");
    }
    QString lpoptionsFailed() const
    {
        return german ? QStringLiteral("Fehler|Fehler: Der Drucker existiert nicht oder lpoptions ist fehlgeschlagen.")
                      : QStringLiteral("Error|Error: Printer does not exist or lpoptions failed.");
    }
    QString unreachableOnSelect() const
    {
        return german ? QString::fromUtf8("Fehler|Fehler: Das Drucksystem (CUPS) ist nicht erreichbar. W\xc3\xa4hlen Sie den "
                                          "Drucker gleich noch einmal aus.")
                      : QStringLiteral("Error|Error: The printing system (CUPS) cannot be reached. Select the printer again "
                                       "in a moment.");
    }
    QString unreachableAtStart() const
    {
        return german ? QStringLiteral("Fehler|Fehler: Das Drucksystem (CUPS) ist nicht erreichbar. Die Drucker werden "
                                       "aufgelistet, sobald es antwortet.")
                      : QStringLiteral("Error|Error: The printing system (CUPS) cannot be reached. The printers are "
                                       "listed as soon as it answers.");
    }
    QString applied() const
    {
        return german ? QString::fromUtf8("Erfolg|Einstellungen \xc3\xbc""bernommen.") : QStringLiteral("Success|Settings applied.");
    }
    QString printersChanged() const
    {
        return german ? QStringLiteral("Fehler|Ihre installierten Drucker haben sich anscheinend ge\u00e4ndert.\nDie Liste wird neu geladen.")
                      : QStringLiteral("Error|It looks like your installed printers have changed.\nReloading list now.");
    }

    bool runScript(const QStringList &arguments)
    {
        const ProcessResult run = ProcessRunner::run(QStringLiteral("bash"), QStringList{script} + arguments, 120000);
        if (!run.succeeded())
            qWarning("private-cups.sh %s: %s", qPrintable(arguments.join(' ')), run.standardError.constData());
        return run.succeeded();
    }
    // A stand-in lpoptions first on PATH that stops the test's cupsd, then
    // goes on with the rest of its body.
    void putCupsStoppingLpoptions(const QByteArray &then)
    {
        QByteArray quotedDir = cupsDir.toUtf8();
        quotedDir.replace('\'', "'\\''");
        QVERIFY(writeStandIn(bin->path(), QStringLiteral("lpoptions"),
                             "bash '" HALVANE_HARNESS "/private-cups.sh' stop '" + quotedDir + "' >/dev/null\n" + then));
        qputenv("PATH", bin->path().toUtf8() + ':' + savedPath);
        cupsRunning = false; // from here on, whatever the stand-in does
    }
    void stopCups()
    {
        QVERIFY2(runScript({QStringLiteral("stop"), cupsDir}), "could not stop the test's cupsd");
        cupsRunning = false;
    }
    void restartCups()
    {
        QVERIFY2(runScript({QStringLiteral("restart"), cupsDir}), "could not start the test's cupsd again");
        cupsRunning = true;
    }

    static bool lpadmin(const QStringList &arguments)
    {
        const QString program = QStandardPaths::findExecutable(
            QStringLiteral("lpadmin"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"), QStringLiteral("/sbin")});
        return !program.isEmpty() && ProcessRunner::run(program, arguments).succeeded();
    }

    // A maker queue added under the panel; cleanup() removes it.
    void addQueue(const QString &name)
    {
        QVERIFY2(lpadmin({QStringLiteral("-p") + name, QStringLiteral("-E"), QStringLiteral("-v"),
                          QStringLiteral("file:/dev/null"), QStringLiteral("-P"),
                          QStringLiteral(HALVANE_FIXTURES "/cups-office.ppd")}),
                 qPrintable(QStringLiteral("lpadmin could not add ") + name));
        addedQueues << name;
    }

    QString cfgPath(const QString &queue) const { return userDataDir + queue + QStringLiteral(".cfg"); }

    // What the user sees of the printer page: the rows, the selected one.
    static QString shownTable(ZelDialog &dialog)
    {
        QTableWidget *table = paneldriver::printerTable(dialog);
        const QList<QTableWidgetItem *> selected = table->selectedItems();
        return paneldriver::listedPrinters(dialog).join(QLatin1Char(' ')) + QStringLiteral("; selected: ")
            + (selected.isEmpty() ? QStringLiteral("none") : selected.first()->text());
    }

    // The user's lpoptions file as it stands; "<none>" while there is none.
    static QByteArray userLpoptions()
    {
        QFile file(QDir::homePath() + QStringLiteral("/.cups/lpoptions"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArrayLiteral("<none>");
    }

    static QString markedDuplex()
    {
        kOption *duplex = currentOptionStore ? currentOptionStore->option(QStringLiteral("Duplex")) : nullptr;
        return duplex && duplex->markedChoice() ? duplex->markedChoice()->name() : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(session.start(), session.whyNot());
        QVERIFY(cupsHome.isValid());
        // As the program does: the catalogue of the locale, before any dialog.
        QVERIFY(catalogue.load(catalogueForLocaleName(QLocale::system().name())));
        QCoreApplication::installTranslator(&catalogue);
        german = QLocale::system().language() == QLocale::German;
        savedPath = qgetenv("PATH");

        cupsDir = cupsHome.filePath(QStringLiteral("cups"));
        const ProcessResult started =
            ProcessRunner::run(QStringLiteral("bash"), QStringList{script, QStringLiteral("start"), cupsDir} + queues, 120000);
        QVERIFY2(started.succeeded(), started.standardError.constData());
        cupsRunning = true;
        // Before any libcups call: libcups reads it once.
        qputenv("CUPS_SERVER", started.standardOutput.trimmed());
    }

    void init()
    {
        bin.reset(new QTemporaryDir);
        QVERIFY(bin->isValid());
    }

    void cleanup()
    {
        DialogSession::forgetState();
        qputenv("PATH", savedPath);
        bin.reset();
        if (!cupsRunning)
            restartCups();
        for (const QString &queue : QStringList(addedQueues)) {
            QVERIFY2(lpadmin({QStringLiteral("-x"), queue}), qPrintable(QStringLiteral("lpadmin could not remove ") + queue));
            addedQueues.removeAll(queue);
        }
    }

    void cleanupTestCase() { runScript({QStringLiteral("stop"), cupsDir}); }

    // A failed fetch of a PPD, and the list of destinations, tell "no
    // answer" from the server's "not found".
    void failedCallsTellNoAnswerFromNotFound()
    {
        QStringList keywords;
        QVERIFY(!LpoptionsCommand::queuePpdKeywords(QStringLiteral("No_Such_Queue"), &keywords));
        QVERIFY(!CupsDestinations::lastCallUnanswered());
        QVERIFY(CupsDestinations().answered());
        stopCups();
        QVERIFY(!LpoptionsCommand::queuePpdKeywords(colorQueue, &keywords));
        QVERIFY(CupsDestinations::lastCallUnanswered());
        const CupsDestinations dests;
        QVERIFY(!dests.answered());
        QCOMPARE(dests.count(), 0);
        restartCups();
        QVERIFY(CupsDestinations().answered());
    }

    // After a visit to another queue, a change on the Basic page; CUPS goes:
    // a further change and Apply (or OK) keep the list, the selection and the
    // changes, say CUPS cannot be reached, write nothing and leave the panel
    // open; CUPS back, the same Apply lands on the same queue.
    void outageKeepsTheQueueAndTheChanges_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("Apply") << false;
        QTest::newRow("OK") << true;
    }

    void outageKeepsTheQueueAndTheChanges()
    {
        QFETCH(bool, ok);
        QVERIFY2(session.freshUser(), session.whyNot());
        ZelDialog dialog;
        dialog.show();
        BoxRecorder recorder;
        QVERIFY(paneldriver::choosePrinter(dialog, officeQueue));
        QVERIFY(paneldriver::choosePrinterAndPage(dialog, colorQueue, dialog.generalTab));
        paneldriver::clickChoice(dialog.generalTab->duplexGroup, QStringLiteral("Duplex"), QStringLiteral("DuplexNoTumble"));
        QCOMPARE(recorder.boxes, QStringList());
        const QString table = shownTable(dialog);
        QCOMPARE(table, colorQueue + QLatin1Char(' ') + officeQueue + QStringLiteral("; selected: ") + colorQueue);
        OptionStore *store = currentOptionStore;
        const QSet<QString> known = knownPrinterNames;
        const QString title = dialog.windowTitle();
        const QHash<QString, QString> stored = storedsettings::read(cfgPath(colorQueue));
        QCOMPARE(stored.value(QStringLiteral("Duplex")), QStringLiteral("None"));

        stopCups();
        // The change runs the pass and its printer check.
        paneldriver::clickChoice(dialog.generalTab->duplexGroup, QStringLiteral("Duplex"), QStringLiteral("DuplexTumble"));
        QCOMPARE(recorder.boxes, QStringList());
        QCOMPARE(shownTable(dialog), table);
        QCOMPARE(currentOptionStore, store);
        QCOMPARE(knownPrinterNames, known);

        for (int press = 0; press < 2; ++press) {
            recorder.boxes.clear();
            if (ok)
                dialog.accept();
            else
                dialog.slotButtonApply();
            QCOMPARE(recorder.boxes, QStringList{unreachable()});
            QVERIFY(dialog.isVisible());
            QCOMPARE(shownTable(dialog), table);
            QCOMPARE(currentOptionStore, store);
            QCOMPARE(knownPrinterNames, known);
            QCOMPARE(dialog.windowTitle(), title);
            QCOMPARE(dialog.tabWidget->currentWidget(), static_cast<QWidget *>(dialog.generalTab));
            QCOMPARE(markedDuplex(), QStringLiteral("DuplexTumble"));
            QCOMPARE(storedsettings::read(cfgPath(colorQueue)), stored);
        }

        restartCups();
        recorder.boxes.clear();
        if (ok)
            dialog.accept();
        else
            dialog.slotButtonApply();
        QCOMPARE(recorder.boxes, QStringList{applied()});
        QCOMPARE(dialog.isVisible(), !ok);
        QCOMPARE(currentOptionStore, store);
        QCOMPARE(storedsettings::read(cfgPath(colorQueue)).value(QStringLiteral("Duplex")), QStringLiteral("DuplexTumble"));
        QCOMPARE(paneldriver::queueDefaults(colorQueue).value(QStringLiteral("Duplex")), QStringLiteral("DuplexTumble"));
    }

    // An lpoptions that exits 0 and writes nothing, as when CUPS goes away
    // under it: no success. Without an answer from CUPS the box says the
    // settings were saved and not taken, and OK keeps the panel open; while
    // CUPS answers, the lpoptions box and the Printer page. The settings file
    // holds the change, the queue does not; the next Apply gives it to it.
    void lpoptionsThatTakesNothing_data()
    {
        QTest::addColumn<bool>("cupsGoes");
        QTest::addColumn<bool>("ok");
        QTest::newRow("CUPS gone under it, Apply") << true << false;
        QTest::newRow("CUPS gone under it, OK") << true << true;
        QTest::newRow("CUPS answering, Apply") << false << false;
        QTest::newRow("CUPS answering, OK") << false << true;
    }

    void lpoptionsThatTakesNothing()
    {
        QFETCH(bool, cupsGoes);
        QFETCH(bool, ok);
        QVERIFY2(session.freshUser(), session.whyNot());
        ZelDialog dialog;
        dialog.show();
        BoxRecorder recorder;
        QVERIFY(paneldriver::choosePrinterAndPage(dialog, colorQueue, dialog.generalTab));
        QCOMPARE(paneldriver::queueDefaults(colorQueue).value(QStringLiteral("Duplex")), QStringLiteral("None"));
        const QByteArray userFile = userLpoptions();
        paneldriver::clickChoice(dialog.generalTab->duplexGroup, QStringLiteral("Duplex"), QStringLiteral("DuplexTumble"));
        QCOMPARE(recorder.boxes, QStringList());
        const QString table = shownTable(dialog);
        OptionStore *store = currentOptionStore;

        if (cupsGoes) {
            putCupsStoppingLpoptions("exit 0\n");
        } else {
            QVERIFY(writeStandIn(bin->path(), QStringLiteral("lpoptions"), "exit 0\n"));
            qputenv("PATH", bin->path().toUtf8() + ':' + savedPath);
        }
        if (ok)
            dialog.accept();
        else
            dialog.slotButtonApply();
        QCOMPARE(recorder.boxes, QStringList{cupsGoes ? savedButNotTaken() : lpoptionsFailed()});
        // OK closes after a failed Apply, but not while CUPS gives no answer.
        QCOMPARE(dialog.isVisible(), cupsGoes || !ok);
        QCOMPARE(dialog.tabWidget->currentWidget(),
                 cupsGoes ? static_cast<QWidget *>(dialog.generalTab) : static_cast<QWidget *>(dialog.printerTab));
        QCOMPARE(shownTable(dialog), table);
        QCOMPARE(currentOptionStore, store);
        QCOMPARE(markedDuplex(), QStringLiteral("DuplexTumble"));
        QCOMPARE(storedsettings::read(cfgPath(colorQueue)).value(QStringLiteral("Duplex")), QStringLiteral("DuplexTumble"));
        QCOMPARE(userLpoptions(), userFile);

        qputenv("PATH", savedPath);
        if (cupsGoes)
            restartCups();
        recorder.boxes.clear();
        dialog.slotButtonApply();
        QCOMPARE(recorder.boxes, QStringList{applied()});
        QCOMPARE(paneldriver::queueDefaults(colorQueue).value(QStringLiteral("Duplex")), QStringLiteral("DuplexTumble"));
    }

    // A queue picked while CUPS gives no answer cannot be read: the user is
    // told, no row stays selected and no page of the earlier queue stays
    // usable; the same row picked again once CUPS is back works.
    void queuePickedWithoutCups()
    {
        QVERIFY2(session.freshUser(), session.whyNot());
        ZelDialog dialog;
        dialog.show();
        BoxRecorder recorder;
        QVERIFY(paneldriver::choosePrinterAndPage(dialog, officeQueue, dialog.generalTab));
        const QStringList listed = paneldriver::listedPrinters(dialog);

        stopCups();
        QVERIFY(paneldriver::choosePrinter(dialog, colorQueue));
        QCOMPARE(recorder.boxes, QStringList{unreachableOnSelect()});
        QVERIFY(!currentOptionStore);
        QCOMPARE(shownTable(dialog), listed.join(QLatin1Char(' ')) + QStringLiteral("; selected: none"));
        QCOMPARE(dialog.windowTitle(), QCoreApplication::translate("ZelDialog", "Halvane"));
        for (int index = 1; index < dialog.tabWidget->count(); ++index)
            QVERIFY(!dialog.tabWidget->isTabEnabled(index));

        restartCups();
        recorder.boxes.clear();
        QVERIFY(paneldriver::choosePrinterAndPage(dialog, colorQueue, dialog.generalTab));
        QCOMPARE(recorder.boxes, QStringList());
        QCOMPARE(shownTable(dialog), listed.join(QLatin1Char(' ')) + QStringLiteral("; selected: ") + colorQueue);
    }

    // CUPS gone between the PPD and lpoptions: lpoptions fails, and the box
    // says why; nothing else changes.
    void cupsGoneWhileLpoptionsRuns()
    {
        QVERIFY2(session.freshUser(), session.whyNot());
        ZelDialog dialog;
        dialog.show();
        QVERIFY(paneldriver::choosePrinter(dialog, colorQueue));
        const QString table = shownTable(dialog);
        OptionStore *store = currentOptionStore;
        QByteArray quotedDir = cupsDir.toUtf8();
        quotedDir.replace('\'', "'\\''");
        QVERIFY(writeStandIn(bin->path(), QStringLiteral("lpoptions"),
                             "bash '" HALVANE_HARNESS "/private-cups.sh' stop '" + quotedDir + "' >/dev/null\nexit 1\n"));
        qputenv("PATH", bin->path().toUtf8() + ':' + savedPath);
        cupsRunning = false; // from here on, whatever the stand-in does

        BoxRecorder recorder;
        dialog.slotButtonApply();
        QCOMPARE(recorder.boxes, QStringList{savedButNotTaken()});
        QCOMPARE(shownTable(dialog), table);
        QCOMPARE(currentOptionStore, store);

        qputenv("PATH", savedPath);
        restartCups();
        recorder.boxes.clear();
        dialog.slotButtonApply();
        QCOMPARE(recorder.boxes, QStringList{applied()});
    }

    // Started without CUPS: once the window is up the user is told, once,
    // however often the page asks again. Once CUPS answers the queues come
    // by themselves, as no change of printers, and the page stops asking:
    // a queue added after that shows only through the printer check.
    void startWithoutCups()
    {
        QVERIFY2(session.freshUser(), session.whyNot());
        stopCups();
        BoxRecorder recorder;
        ZelDialog dialog;
        QCOMPARE(recorder.boxes, QStringList()); // none before the window
        QCOMPARE(paneldriver::listedPrinters(dialog), QStringList());
        QVERIFY(knownPrinterNames.isEmpty());
        QVERIFY(!dialog.checkInstalledPrinters());
        dialog.show();
        QTRY_COMPARE_WITH_TIMEOUT(recorder.boxes, QStringList{unreachableAtStart()}, 2000);
        QTest::qWait(PrinterTab::cupsRetryMs * 5 / 2);
        QCOMPARE(recorder.boxes, QStringList{unreachableAtStart()});
        QCOMPARE(paneldriver::listedPrinters(dialog), QStringList());

        restartCups();
        QTRY_COMPARE_WITH_TIMEOUT(paneldriver::listedPrinters(dialog), QStringList({colorQueue, officeQueue}),
                                  PrinterTab::cupsRetryMs * 2);
        QCOMPARE(knownPrinterNames, ZelDialog::installedPrinterNames());
        QCOMPARE(recorder.boxes, QStringList{unreachableAtStart()});
        QCOMPARE(paneldriver::pickedPrinter(dialog), paneldriver::pickedShowing(QString()));
        QVERIFY(paneldriver::clickPrinter(dialog, officeQueue));
        QCOMPARE(paneldriver::pickedPrinter(dialog), paneldriver::pickedShowing(officeQueue));

        addQueue(firstAdded);
        QTest::qWait(PrinterTab::cupsRetryMs * 5 / 2);
        QCOMPARE(paneldriver::listedPrinters(dialog), QStringList({colorQueue, officeQueue}));
        QCOMPARE(recorder.boxes, QStringList{unreachableAtStart()});
    }

    // Two queues added under the open panel, sorted before the picked one:
    // the pick's printer check rebuilds the table inside the click (or key),
    // and the row now at the old place must not be the one highlighted. The
    // row that was highlighted wrongly is then a queue of its own to click.
    void pickAfterQueuesWereAdded_data()
    {
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("click") << false;
        QTest::newRow("arrow key") << true;
    }

    void pickAfterQueuesWereAdded()
    {
        QFETCH(bool, byKeyboard);
        QVERIFY2(session.freshUser(), session.whyNot());
        ZelDialog dialog;
        dialog.show();
        BoxRecorder recorder;
        QVERIFY(paneldriver::clickPrinter(dialog, officeQueue));
        QCOMPARE(paneldriver::pickedPrinter(dialog), paneldriver::pickedShowing(officeQueue));

        addQueue(firstAdded);
        addQueue(secondAdded);
        if (byKeyboard) {
            // The row above the office queue.
            QTableWidget *table = paneldriver::printerTable(dialog);
            QCOMPARE(paneldriver::printerRow(dialog, colorQueue) + 1, table->currentRow());
            QTest::keyClick(table, Qt::Key_Up);
        } else {
            QVERIFY(paneldriver::clickPrinter(dialog, colorQueue));
        }
        QCOMPARE(paneldriver::listedPrinters(dialog), QStringList({firstAdded, secondAdded, colorQueue, officeQueue}));
        QCOMPARE(paneldriver::pickedPrinter(dialog), paneldriver::pickedShowing(colorQueue));

        QVERIFY(paneldriver::clickPrinter(dialog, firstAdded));
        QCOMPARE(paneldriver::pickedPrinter(dialog), paneldriver::pickedShowing(firstAdded));
        QCOMPARE(recorder.boxes, QStringList());
    }

    // A row clicked while CUPS gives no answer: after the box nothing is
    // highlighted, as nothing is loaded; the same row clicked once CUPS is
    // back loads its queue.
    void rowClickedWithoutCups()
    {
        QVERIFY2(session.freshUser(), session.whyNot());
        ZelDialog dialog;
        dialog.show();
        BoxRecorder recorder;
        QVERIFY(paneldriver::clickPrinter(dialog, officeQueue));

        stopCups();
        QVERIFY(paneldriver::clickPrinter(dialog, colorQueue));
        QCOMPARE(recorder.boxes, QStringList{unreachableOnSelect()});
        QCOMPARE(paneldriver::pickedPrinter(dialog), paneldriver::pickedShowing(QString()));

        restartCups();
        recorder.boxes.clear();
        QVERIFY(paneldriver::clickPrinter(dialog, colorQueue));
        QCOMPARE(paneldriver::pickedPrinter(dialog), paneldriver::pickedShowing(colorQueue));
        QCOMPARE(recorder.boxes, QStringList());
    }

    // An answer with no printers is a change: the list empties and the
    // selection goes.
    void answerWithoutPrintersIsAChange()
    {
        QVERIFY2(session.freshUser(), session.whyNot());
        ZelDialog dialog;
        dialog.show();
        QVERIFY(paneldriver::choosePrinterAndPage(dialog, colorQueue, dialog.generalTab));
        QVERIFY(lpadmin({QStringLiteral("-x"), colorQueue}));
        QVERIFY(lpadmin({QStringLiteral("-x"), officeQueue}));
        bool answered = false;
        QCOMPARE(ZelDialog::installedPrinterNames(&answered), QSet<QString>());
        QVERIFY(answered);

        BoxRecorder recorder;
        paneldriver::clickChoice(dialog.generalTab->duplexGroup, QStringLiteral("Duplex"), QStringLiteral("DuplexTumble"));
        QCOMPARE(recorder.boxes, QStringList{printersChanged()});
        QVERIFY(!currentOptionStore);
        QCOMPARE(shownTable(dialog), QStringLiteral("; selected: none"));

        for (const QString &queue : queues) {
            QVERIFY(lpadmin({QStringLiteral("-p") + queue.section('=', 0, 0), QStringLiteral("-E"), QStringLiteral("-v"),
                             QStringLiteral("file:/dev/null"), QStringLiteral("-P"),
                             QStringLiteral(HALVANE_FIXTURES "/") + queue.section('=', 1)}));
        }
    }
};

QTEST_MAIN(CupsOutageTest)
#include "tst_cupsoutage.moc"
