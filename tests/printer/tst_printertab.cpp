// The printer page against the private cupsd and its sample queues: which
// queues are listed, choosing one, its installable options, and queues that
// change or vanish under the panel.
#include "boxrecorder.h"
#include "dialogsession.h"
#include "kchoice.h"
#include "koption.h"
#include "optionstore.h"
#include "paneldriver.h"
#include "printertab.h"
#include "processrunner.h"
#include "queuepause.h"
#include "queuestate.h"
#include "retiredstore.h"
#include "sessionstate.h"
#include "zeldialog.h"
#include "zeltabwidget.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTranslator>
#include <QtTest>

#include <cups/cups.h>
#include <memory>

namespace {
QString lpadminPath()
{
    return QStandardPaths::findExecutable(QStringLiteral("lpadmin"),
                                          {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"), QStringLiteral("/sbin")});
}
}

class PrinterTabTest : public QObject
{
    Q_OBJECT

private:
    DialogSession session{QStringLiteral("tst-printer"), DialogSession::PrivateCups};
    QStringList addedQueues;
    QString ppdTempDir;
    std::unique_ptr<QTemporaryDir> tempDir;
    std::unique_ptr<ZelDialog> dialog;

    PrinterTab *page() const { return dialog->printerTab; }
    QTableWidget *table() const { return paneldriver::printerTable(*dialog); }
    QLabel *rootWarning() const
    {
        for (QLabel *label : page()->findChildren<QLabel *>()) {
            if (label->accessibleName() == QLatin1String("lblRootWarning"))
                return label;
        }
        return nullptr;
    }
    template<typename T> T *optionWidget(const QString &name) const
    {
        for (T *widget : page()->findChildren<T *>()) {
            if (widget->accessibleName() == name && !widget->isHidden())
                return widget;
        }
        return nullptr;
    }

    QStringList listedNames() const { return paneldriver::listedPrinters(*dialog); }
    int rowOf(const QString &queue) const { return paneldriver::printerRow(*dialog, queue); }

    void lpadmin(const QStringList &arguments)
    {
        const ProcessResult result = ProcessRunner::run(lpadminPath(), arguments);
        QVERIFY2(result.succeeded(), qPrintable(QString::fromUtf8(result.standardError)));
    }

    void addQueue(const QString &name, const QString &ppd)
    {
        lpadmin({QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"), QStringLiteral("file:/dev/null"),
                 QStringLiteral("-P"), QStringLiteral(HALVANE_FIXTURES "/") + ppd});
        addedQueues << name;
    }

    void removeQueue(const QString &name)
    {
        lpadmin({QStringLiteral("-x"), name});
        addedQueues.removeAll(name);
    }

    void checkTabsFollowSupport()
    {
        for (int i = 0; i < dialog->tabs.size(); ++i) {
            const bool supported = dialog->tabs.at(i)->isSupported();
            QCOMPARE(dialog->tabWidget->isTabEnabled(i), supported);
            // Disabled tabs collapse to nothing; an enabled one must get its
            // full size back, or it hides under its neighbour.
            QCOMPARE(dialog->tabWidget->bar()->tabRect(i).height() > 0, supported);
        }
    }

    void choose(const QString &queue)
    {
        QVERIFY2(paneldriver::choosePrinter(*dialog, queue), qPrintable(queue + " is not listed"));
    }

    QStringList tempPpdFiles() const
    {
        return QDir(ppdTempDir).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(session.start(), session.whyNot());
        QVERIFY2(!qEnvironmentVariableIsEmpty("HALVANE_CUPS_QUEUES"), "needs the private cupsd's list of queues (CTest's cups fixture)");
        QVERIFY2(!lpadminPath().isEmpty(), "lpadmin is not installed");
        QVERIFY2(session.freshUser(), session.whyNot());
        // libcups puts the fetched PPDs here: none may be left behind.
        tempDir.reset(new QTemporaryDir);
        QVERIFY(tempDir->isValid());
        ppdTempDir = tempDir->path();
        qputenv("TMPDIR", QFile::encodeName(ppdTempDir));
    }

    void cleanup()
    {
        dialog.reset();
        for (const QString &queue : QStringList(addedQueues))
            removeQueue(queue);
        DialogSession::forgetState();
        QCOMPARE(RetiredStore::pending(), 0);
        QCOMPARE(tempPpdFiles(), QStringList());
    }

    void listsTheMakersQueues_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<bool>("listed");
        QTest::newRow("Quorvan") << "Quorvan_Office" << true;
        QTest::newRow("RB_ZENT") << "RB_Fleet" << true;
        QTest::newRow("two maker filter lines") << "Quorvan_Color" << true;
        QTest::newRow("name for no shell") << "Cost$Center" << true;
        QTest::newRow("name like an option") << "-Dash" << true;
        QTest::newRow("non-ASCII name") << QString::fromUtf8("Quorvan_B\xc3\xbcro") << true;
        QTest::newRow("translated, with print accounting") << "Quorvan_Accounting" << true;
        QTest::newRow("foreign maker") << "Acme_Laser" << false;
        QTest::newRow("maker name in lower case") << "Lower_Maker" << false;
        QTest::newRow("maker name as a prefix") << "Prefixed_Maker" << false;
        QTest::newRow("device ID of another maker") << "Foreign_DeviceID" << false;
        QTest::newRow("filter of another maker") << "Other_Filter" << false;
        QTest::newRow("no PPD at all") << "Raw_Queue" << false;
    }

    void listsTheMakersQueues()
    {
        QFETCH(QString, queue);
        QFETCH(bool, listed);
        dialog.reset(new ZelDialog);
        QCOMPARE(listedNames().count(queue), listed ? 1 : 0);
        // Known whether listed or not, so the printer check sees no change.
        QVERIFY(knownPrinterNames.contains(queue));
        QCOMPARE(knownPrinterNames, ZelDialog::installedPrinterNames());
        const QStringList all = QString::fromUtf8(qgetenv("HALVANE_CUPS_QUEUES")).split(QLatin1Char(' '));
        QCOMPARE(knownPrinterNames, QSet<QString>(all.begin(), all.end()));
        if (!listed)
            return;
        const int row = rowOf(queue);
        QCOMPARE(table()->item(row, 1)->text(), QStringLiteral("file:/dev/null"));
        QCOMPARE(table()->item(row, 2)->text(), QStringLiteral("Idle"));
        QVERIFY(table()->selectedItems().isEmpty());
        QVERIFY(!currentOptionStore);
    }

    // Its own state, not that of the first queue lpstat would list when the
    // name were taken for options.
    void pausedQueueNamedLikeAnOption()
    {
        QString error;
        QVERIFY2(queuepause::setPaused(QStringLiteral("-Dash"), true, &error), qPrintable(error));
        dialog.reset(new ZelDialog);
        const QString paused = table()->item(rowOf(QStringLiteral("-Dash")), 2)->text();
        const QString office = table()->item(rowOf(QStringLiteral("Quorvan_Office")), 2)->text();
        QVERIFY2(queuepause::setPaused(QStringLiteral("-Dash"), false, &error), qPrintable(error));
        QCOMPARE(paused, QStringLiteral("Paused"));
        QCOMPARE(office, QStringLiteral("Idle"));
        dialog->printerTab->retranslateUi();
        QCOMPARE(table()->item(rowOf(QStringLiteral("-Dash")), 2)->text(), QStringLiteral("Idle"));
    }

    // Every row shows its own queue's state, whichever way the column was
    // filled: the states of all rows are asked at once.
    void statusColumnShowsEachRowsOwnState_data()
    {
        QTest::addColumn<QString>("fill");
        QTest::newRow("table built") << "build";
        QTest::newRow("table rebuilt") << "reload";
        QTest::newRow("page retranslated") << "retranslate";
    }

    void statusColumnShowsEachRowsOwnState()
    {
        QFETCH(QString, fill);
        const QStringList paused{QStringLiteral("-Dash"), QStringLiteral("Quorvan_Color")};
        if (fill != QLatin1String("build"))
            dialog.reset(new ZelDialog);
        QString error;
        for (const QString &queue : paused)
            QVERIFY2(queuepause::setPaused(queue, true, &error), qPrintable(error));
        if (fill == QLatin1String("build"))
            dialog.reset(new ZelDialog);
        else if (fill == QLatin1String("reload"))
            page()->reloadPrinters();
        else
            page()->retranslateUi();
        QStringList names, shown, own;
        for (int row = 0; row < table()->rowCount(); ++row) {
            names << table()->item(row, 0)->text();
            shown << table()->item(row, 2)->text();
            own << printerState(names.last());
        }
        for (const QString &queue : paused)
            QVERIFY2(queuepause::setPaused(queue, false, &error), qPrintable(error));
        QVERIFY(names.contains(QStringLiteral("-Dash")) && names.contains(QStringLiteral("Quorvan_Office")));
        QCOMPARE(shown, own);
        for (int row = 0; row < names.size(); ++row)
            QCOMPARE(shown.at(row), paused.contains(names.at(row)) ? QStringLiteral("Paused") : QStringLiteral("Idle"));
    }

    void tableLayout()
    {
        dialog.reset(new ZelDialog);
        QCOMPARE(table()->accessibleName(), QStringLiteral("tblPrinters"));
        QCOMPARE(table()->columnCount(), 3);
        const QStringList headers{"Printers", "Destination", "Status"};
        for (int column = 0; column < 3; ++column)
            QCOMPARE(table()->horizontalHeaderItem(column)->text(), headers.at(column));
        QCOMPARE(table()->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(table()->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(table()->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(rootWarning());
        QVERIFY(rootWarning()->isHidden());
        QCOMPARE(rootWarning()->text(), QStringLiteral("Root access is required to make changes to installable options"));
    }

    void noListedQueueKeepsItsHeaders()
    {
        // A CUPS that answers nothing.
        cupsSetServer("127.0.0.1:1");
        PrinterTab lonely;
        cupsSetServer(nullptr);
        auto *emptyTable = lonely.findChild<QTableWidget *>();
        QCOMPARE(emptyTable->rowCount(), 0);
        QCOMPARE(emptyTable->horizontalHeaderItem(2)->text(), QStringLiteral("Status"));
        QCOMPARE(emptyTable->columnWidth(0), 186);
        QCOMPARE(emptyTable->columnWidth(1), 186);
        QVERIFY(knownPrinterNames.isEmpty());
    }

    void choosingAQueue_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QString>("model");
        QTest::newRow("Quorvan") << "Quorvan_Office" << "Quorvan Office 4020";
        QTest::newRow("RB_ZENT") << "RB_Fleet" << "RB Fleet 300";
        QTest::newRow("name for no shell") << "Cost$Center" << "Quorvan Office 4020";
        QTest::newRow("name like an option") << "-Dash" << "Quorvan Office 4020";
        // Taken for a vanished queue when read as Latin-1 anywhere.
        QTest::newRow("non-ASCII name") << QString::fromUtf8("Quorvan_B\xc3\xbcro") << "Quorvan Office 4020";
    }

    void choosingAQueue()
    {
        QFETCH(QString, queue);
        QFETCH(QString, model);
        dialog.reset(new ZelDialog);
        BoxRecorder recorder;
        choose(queue);
        QVERIFY(currentOptionStore);
        QCOMPARE(currentOptionStore->printerName(), queue);
        QCOMPARE(currentOptionStore->modelName(), model);
        QVERIFY(currentOptionStore->option(QStringLiteral("PageSize")));
        QCOMPARE(activeSettingsPath, userDataDir + queue + QStringLiteral(".cfg"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Halvane - ") + queue);
        QVERIFY(dialog->tabWidget->isTabEnabled(0));
        checkTabsFollowSupport();
        QCOMPARE(tempPpdFiles(), QStringList());
        QCOMPARE(recorder.boxes, QStringList());
        QCOMPARE(knownPrinterNames, ZelDialog::installedPrinterNames());

        // Another cell of the same row changes nothing.
        OptionStore *store = currentOptionStore;
        table()->setCurrentCell(rowOf(queue), 2);
        QCOMPARE(currentOptionStore, store);

        // Another row: a new store; the old one is freed later, not at once.
        const QString other = queue == QLatin1String("Quorvan_Color") ? QStringLiteral("Quorvan_Office")
                                                                     : QStringLiteral("Quorvan_Color");
        const int pendingBefore = RetiredStore::pending();
        choose(other);
        QVERIFY(currentOptionStore && currentOptionStore != store);
        QCOMPARE(currentOptionStore->printerName(), other);
        checkTabsFollowSupport();
        QCOMPARE(RetiredStore::pending(), pendingBefore + 1);
        QTest::qWait(0);
        QCOMPARE(RetiredStore::pending(), 0);
    }

    void installableOptions()
    {
        dialog.reset(new ZelDialog);
        QCOMPARE(dialog->tabWidget->tabText(0), QStringLiteral("Printer"));
        choose(QStringLiteral("RB_Fleet"));
        QVERIFY(currentOptionStore);

        auto *finisher = optionWidget<QCheckBox>(QStringLiteral("chkBxOption17"));
        auto *disk = optionWidget<QCheckBox>(QStringLiteral("chkBxOption01"));
        auto *trays = optionWidget<ComboBoxEx>(QStringLiteral("cmbBxOption8"));
        auto *traysLabel = optionWidget<QLabel>(QStringLiteral("lblOption8"));
        QVERIFY(finisher && disk && trays && traysLabel);
        // Check boxes carry their own caption.
        QVERIFY(!optionWidget<QLabel>(QStringLiteral("lblOption17")));
        QCOMPARE(finisher->text(), QStringLiteral("Finisher"));
        QCOMPARE(traysLabel->text(), QStringLiteral("Paper Trays:"));
        QCOMPARE(page()->optionWidgets.size(), 3);

        // In the store's order, one row each, a list under its caption.
        auto *grid = qobject_cast<QGridLayout *>(finisher->parentWidget()->layout());
        QVERIFY(grid);
        const auto rowOfWidget = [grid](QWidget *widget) {
            int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(grid->indexOf(widget), &row, &column, &rowSpan, &columnSpan);
            return row;
        };
        QCOMPARE(rowOfWidget(finisher), 0);
        QCOMPARE(rowOfWidget(traysLabel), 1);
        QCOMPARE(rowOfWidget(trays), 2);
        QCOMPARE(rowOfWidget(disk), 3);

        // The PPD defaults, and they count as stored.
        QVERIFY(finisher->isChecked());
        QVERIFY(!disk->isChecked());
        QCOMPARE(trays->currentText(), QStringLiteral("One Tray"));
        QVERIFY(rootWarning()->isHidden());
        QVERIFY(!page()->installedOptionsChanged());
        QCOMPARE(page()->getOptions(),
                 (QHash<QString, QString>{{"Option17", "True"}, {"Option01", "False"}, {"Option8", "One"}}));

        // Any change shows the warning, undoing it hides it again.
        disk->setChecked(true);
        QVERIFY(!rootWarning()->isHidden());
        QVERIFY(page()->installedOptionsChanged());
        disk->setChecked(false);
        QVERIFY(rootWarning()->isHidden());
        QVERIFY(!page()->installedOptionsChanged());

        // A change marks the store: more trays free tray 4 on the page.
        kChoice *tray4 = currentOptionStore->option(QStringLiteral("InputSlot"))->choiceByName(QStringLiteral("Tray4"));
        QVERIFY(tray4->isConstrained());
        trays->setCurrentIndex(trays->findText(QStringLiteral("Four Trays")));
        QVERIFY(!tray4->isConstrained());
        QVERIFY(page()->installedOptionsChanged());
        QVERIFY(!rootWarning()->isHidden());

        // A loaded profile unmarks everything; the page marks its widgets'
        // values again without reloading them.
        trays->setCurrentIndex(trays->findText(QStringLiteral("Two Trays")));
        QVERIFY(tray4->isConstrained());
        dialog->profileChanged();
        QCOMPARE(trays->currentText(), QStringLiteral("Two Trays"));
        QCOMPARE(currentOptionStore->option(QStringLiteral("Option8"))->markedChoice()->name(), QStringLiteral("Two"));
        QVERIFY(tray4->isConstrained());
        QVERIFY(page()->installedOptionsChanged());

        // A root write stores them: the new values count as unchanged.
        dialog->storeInstalledOptions();
        QVERIFY(rootWarning()->isHidden());
        QVERIFY(!page()->installedOptionsChanged());

        // Unselecting empties the area and greys its caption.
        dialog->unselectPrinters();
        QVERIFY(page()->optionWidgets.isEmpty());
        QVERIFY(page()->labelWidgets.isEmpty());
        QVERIFY(!optionWidget<QCheckBox>(QStringLiteral("chkBxOption17")));
        QLabel *caption = nullptr;
        for (QLabel *label : page()->findChildren<QLabel *>()) {
            if (label->text() == QLatin1String("Installed options"))
                caption = label;
        }
        QVERIFY(caption);
        QVERIFY(!caption->isEnabled());
        QVERIFY(table()->selectedItems().isEmpty());
    }

    // The whole road as a user takes it: pick, lose the queue, pick again.
    void selectedQueueRemoved()
    {
        addQueue(QStringLiteral("Quorvan_Fading"), QStringLiteral("cups-office.ppd"));
        dialog.reset(new ZelDialog);
        choose(QStringLiteral("Quorvan_Fading"));
        QVERIFY(currentOptionStore);
        const int fadingRow = rowOf(QStringLiteral("Quorvan_Fading"));
        removeQueue(QStringLiteral("Quorvan_Fading"));

        // Any change runs the pass, which notices; from the event loop, as
        // a click would.
        BoxRecorder recorder;
        QList<int> pendingWhileShown;
        recorder.whileShown = [&pendingWhileShown]() { pendingWhileShown << RetiredStore::pending(); };
        QEventLoop loop;
        QTimer::singleShot(0, [&]() {
            dialog->setConstraints();
            loop.quit();
        });
        loop.exec();
        QCOMPARE(recorder.boxes,
                 QStringList{"Error|It looks like your installed printers have changed.\nReloading list now."});
        // The dropped store outlived the box: the pass was still running.
        QCOMPARE(pendingWhileShown, QList<int>{1});
        QVERIFY(!currentOptionStore);
        QVERIFY(table()->selectedItems().isEmpty());
        QCOMPARE(table()->currentRow(), -1);
        QCOMPARE(listedNames().count(QStringLiteral("Quorvan_Fading")), 0);
        QCOMPARE(knownPrinterNames, ZelDialog::installedPrinterNames());
        QTest::qWait(0);
        QCOMPARE(RetiredStore::pending(), 0);

        // The queue that took the vanished one's row can be picked, and its
        // pass finds nothing new.
        const QString successor = table()->item(fadingRow, 0)->text();
        choose(successor);
        QVERIFY(currentOptionStore);
        QCOMPARE(currentOptionStore->printerName(), successor);
        dialog->setConstraints();
        QCOMPARE(recorder.boxes.size(), 1);
    }

    // The printer check against the names the table last saw: a difference
    // rebuilds the table; the selection goes when it is among the vanished
    // names, or when nothing was selected.
    void printerCheck_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("extraKnown"); // known then, gone now
        QTest::addColumn<bool>("differs");
        QTest::addColumn<bool>("lost");
        QTest::newRow("same lists") << "Quorvan_Office" << QStringList{} << false << false;
        QTest::newRow("selected queue vanished") << "Gone_Queue" << QStringList{"Gone_Queue", "Other_Gone"} << true << true;
        QTest::newRow("another queue vanished") << "Quorvan_Office" << QStringList{"Other_Gone"} << true << false;
        QTest::newRow("no printer selected") << QString() << QStringList{"Other_Gone"} << true << true;
    }

    void printerCheck()
    {
        QFETCH(QString, selected);
        QFETCH(QStringList, extraKnown);
        QFETCH(bool, differs);
        QFETCH(bool, lost);
        dialog.reset(new ZelDialog);
        if (!selected.isEmpty()) {
            currentOptionStore = new OptionStore;
            currentOptionStore->setPrinterName(selected);
        }
        const QSet<QString> installed = ZelDialog::installedPrinterNames();
        knownPrinterNames = installed + QSet<QString>(extraKnown.begin(), extraKnown.end());

        BoxRecorder recorder;
        QCOMPARE(dialog->checkInstalledPrinters(), differs);
        const QStringList expected = lost
            ? QStringList{"Error|It looks like your installed printers have changed.\nReloading list now."}
            : QStringList{};
        QCOMPARE(recorder.boxes, expected);
        QCOMPARE(currentOptionStore == nullptr, lost || selected.isEmpty());
        QCOMPARE(knownPrinterNames, installed);
        QTest::qWait(0);
        QCOMPARE(RetiredStore::pending(), 0);
    }

    void queueWithoutReadablePpd()
    {
        addQueue(QStringLiteral("Quorvan_Turned_Raw"), QStringLiteral("cups-office.ppd"));
        dialog.reset(new ZelDialog);
        choose(QStringLiteral("RB_Fleet"));
        optionWidget<QCheckBox>(QStringLiteral("chkBxOption01"))->setChecked(true);
        QVERIFY(!rootWarning()->isHidden());

        // Listed while it had its PPD; CUPS hands out none now.
        lpadmin({QStringLiteral("-p"), QStringLiteral("Quorvan_Turned_Raw"), QStringLiteral("-m"), QStringLiteral("raw")});
        BoxRecorder recorder;
        choose(QStringLiteral("Quorvan_Turned_Raw"));
        QVERIFY(!currentOptionStore);
        QVERIFY(activeSettingsPath.isEmpty());
        QVERIFY(rootWarning()->isHidden());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Halvane"));
        QCOMPARE(tempPpdFiles(), QStringList());
        for (int i = 1; i < dialog->tabs.size(); ++i)
            QVERIFY(!dialog->tabWidget->isTabEnabled(i));
        QCOMPARE(recorder.boxes, QStringList());

        // The others stay usable.
        choose(QStringLiteral("Quorvan_Office"));
        QVERIFY(currentOptionStore);
    }

    void reloadKeepsTheQueueAndTheWidths()
    {
        dialog.reset(new ZelDialog);
        choose(QStringLiteral("Quorvan_Office"));
        OptionStore *store = currentOptionStore;
        const int before = rowOf(QStringLiteral("Quorvan_Office"));
        const int widths[3] = {91, 123, 77};
        for (int column = 0; column < 3; ++column)
            table()->setColumnWidth(column, widths[column]);

        // Sorted in front of it, so the selected queue moves down a row.
        addQueue(QStringLiteral("A_Quorvan_First"), QStringLiteral("cups-office.ppd"));
        page()->reloadPrinters();
        const int after = rowOf(QStringLiteral("Quorvan_Office"));
        QCOMPARE(after, before + 1);
        QCOMPARE(table()->currentRow(), after);
        QCOMPARE(table()->selectedItems().first()->text(), QStringLiteral("Quorvan_Office"));
        QCOMPARE(currentOptionStore, store); // no printer change ran
        for (int column = 0; column < 3; ++column)
            QCOMPARE(table()->columnWidth(column), widths[column]);
        QVERIFY(knownPrinterNames.contains(QStringLiteral("A_Quorvan_First")));

        // And back: the name is gone from the listing as well.
        removeQueue(QStringLiteral("A_Quorvan_First"));
        page()->reloadPrinters();
        QCOMPARE(table()->currentRow(), before);
        QVERIFY(!knownPrinterNames.contains(QStringLiteral("A_Quorvan_First")));
        QCOMPARE(currentOptionStore, store);
    }

    // The selected queue gone at a refresh: the queue that now stands in
    // its row is not the one the pages hold, so no row is selected, and a
    // click on that row is a change of printer.
    void reloadSelectsNoOtherQueueForAVanishedOne()
    {
        addQueue(QStringLiteral("Quorvan_Fading"), QStringLiteral("cups-office.ppd"));
        dialog.reset(new ZelDialog);
        choose(QStringLiteral("Quorvan_Fading"));
        OptionStore *store = currentOptionStore;
        const int row = rowOf(QStringLiteral("Quorvan_Fading"));
        QVERIFY(row + 1 < table()->rowCount());
        const QString successor = table()->item(row + 1, 0)->text();

        removeQueue(QStringLiteral("Quorvan_Fading"));
        QVERIFY(page()->reloadPrinters());
        QCOMPARE(table()->currentRow(), -1);
        QVERIFY(table()->selectedItems().isEmpty());
        QCOMPARE(currentOptionStore, store); // no printer change ran
        QCOMPARE(table()->item(row, 0)->text(), successor);

        choose(successor);
        QVERIFY(currentOptionStore);
        QCOMPARE(currentOptionStore->printerName(), successor);
    }

    // In a plain table a Ctrl+click on the picked row takes its highlight
    // away, while the pages still hold that queue.
    void ctrlClickKeepsThePickedRow()
    {
        dialog.reset(new ZelDialog);
        dialog->show();
        const QString office = QStringLiteral("Quorvan_Office");
        QVERIFY(paneldriver::clickPrinter(*dialog, office));
        QCOMPARE(paneldriver::pickedPrinter(*dialog), paneldriver::pickedShowing(office));
        QVERIFY(paneldriver::clickPrinter(*dialog, office, Qt::ControlModifier));
        QCOMPARE(paneldriver::pickedPrinter(*dialog), paneldriver::pickedShowing(office));
    }

    void retranslatesItsTexts()
    {
        dialog.reset(new ZelDialog);
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/strings/german")));
        QCoreApplication::installTranslator(&german);
        page()->retranslateUi();
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(page()->tabName(), QStringLiteral("Drucker"));
        QCOMPARE(table()->horizontalHeaderItem(1)->text(), QStringLiteral("Ziel"));
        QCOMPARE(rootWarning()->text(),
                 QString::fromUtf8("Zum \xc3\x84ndern der installierbaren Optionen sind Root-Rechte erforderlich"));
        page()->retranslateUi();
        QCOMPARE(table()->horizontalHeaderItem(1)->text(), QStringLiteral("Destination"));
        QCOMPARE(table()->item(rowOf(QStringLiteral("Quorvan_Office")), 2)->text(), QStringLiteral("Idle"));
    }

    void focusChoosesNoPrinter()
    {
        dialog.reset(new ZelDialog);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        table()->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(table()->hasFocus());
        QFocusEvent focusIn(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(table(), &focusIn);
        QVERIFY(!currentOptionStore);
        QCOMPARE(table()->currentRow(), -1);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Halvane"));
        // The user's pick still counts.
        choose(QStringLiteral("Quorvan_Color"));
        QVERIFY(currentOptionStore);
    }
};

QTEST_MAIN(PrinterTabTest)
#include "tst_printertab.moc"
