// The main dialog as it starts: first-run question, the nine pages of which
// only the printer page is usable without a printer, the buttons, and its
// reactions to a printer change and to a CUPS that gives no answer.
#include "boxrecorder.h"
#include "comboboxex.h"
#include "dialogsession.h"
#include "generaltab.h"
#include "koption.h"
#include "modalhelper.h"
#include "optionstore.h"
#include "paneldriver.h"
#include "printertab.h"
#include "sessionstate.h"
#include "tab.h"
#include "userlogintab.h"
#include "zelbuttongroup.h"
#include "zeldialog.h"
#include "zeltabwidget.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

namespace {
const QString sharedRoot = PanelUsers::sharedRoot();

int tabWidgetsAlive()
{
    int count = 0;
    for (QWidget *widget : QApplication::allWidgets())
        count += widget->inherits("Tab") ? 1 : 0;
    return count;
}
}

class ZelDialogTest : public QObject
{
    Q_OBJECT

private:
    DialogSession session{QStringLiteral("tst-dialog"), DialogSession::WithoutCups};

    // Points USER at a per-user directory of its own, with or without a
    // stored data-collection answer.
    void useFreshUser(bool answered)
    {
        if (answered)
            QVERIFY2(session.freshUser(), session.whyNot());
        else
            qputenv("USER", session.users().freshName().toLatin1());
    }

    // No CUPS answers here, so the panel says so once its window is up; the
    // box is closed, so the test goes on. False, with the test failed, when
    // no such box came.
    [[nodiscard]] static bool showWithoutCups(ZelDialog &dialog)
    {
        BoxRecorder recorder;
        dialog.show();
        [&]() {
            QTRY_COMPARE_WITH_TIMEOUT(recorder.boxes,
                                      QStringList{"Error|Error: The printing system (CUPS) cannot be reached. The "
                                                  "printers are listed as soon as it answers."},
                                      2000);
        }();
        return !QTest::currentTestFailed();
    }

    static QPushButton *ok(ZelDialog &d) { return d.buttonBox->button(QDialogButtonBox::Ok); }
    static QPushButton *apply(ZelDialog &d) { return d.buttonBox->button(QDialogButtonBox::Apply); }

private slots:
    void initTestCase()
    {
        QVERIFY2(session.start(), session.whyNot());
        QVERIFY2(QFileInfo(sharedRoot).isWritable(), PanelUsers::unwritable());
    }

    void cleanup() { DialogSession::forgetState(); }

    void firstStartAsksBeforeAnyPageExists()
    {
        useFreshUser(false);
        QString asked;
        int pagesWhileAsking = -1;
        onNextModal([&](QWidget *modal) {
            asked = QString::fromLatin1(modal->metaObject()->className());
            pagesWhileAsking = tabWidgetsAlive();
            modal->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
        });
        ZelDialog dialog;
        QCOMPARE(asked, QStringLiteral("TelemetryDialog"));
        QCOMPARE(pagesWhileAsking, 0);
        QCOMPARE(userDataDir, sharedRoot + QString::fromLatin1(qgetenv("USER")) + QLatin1Char('/'));
        // Cancelled: nothing stored, so the next start asks again.
        QVERIFY(!QFile::exists(userDataDir + QStringLiteral("Settings")));
    }

    void answeredStartAsksNothing()
    {
        useFreshUser(true);
        bool asked = false;
        QTimer probe;
        connect(&probe, &QTimer::timeout, [&]() {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                asked = true;
                modal->close();
            }
        });
        probe.start(20);
        ZelDialog dialog;
        QApplication::processEvents();
        QVERIFY(!asked);
    }

    // With USER unset or empty every such user shared the shared root itself;
    // the account name of the real user id names the folder instead.
    void withoutUserTheAccountNamesTheFolder_data()
    {
        QTest::addColumn<bool>("set");
        QTest::newRow("USER unset") << false;
        QTest::newRow("USER empty") << true;
    }

    void withoutUserTheAccountNamesTheFolder()
    {
        QFETCH(bool, set);
        const passwd *account = getpwuid(getuid());
        QVERIFY(account);
        const QString dir = sharedRoot + QFile::decodeName(account->pw_name) + QLatin1Char('/');
        const bool existed = QFileInfo::exists(dir);
        if (set)
            qputenv("USER", QByteArray());
        else
            qunsetenv("USER");
        // The first-run question, when the account has no answer stored yet.
        QTimer probe;
        connect(&probe, &QTimer::timeout, [&]() {
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
        probe.start(20);
        {
            ZelDialog dialog;
            QCOMPARE(userDataDir, dir);
        }
        if (!existed)
            QDir().rmdir(dir);
    }

    void withoutPrinterOnlyThePrinterPageIsUsable()
    {
        useFreshUser(true);
        ZelDialog dialog;
        QVERIFY(showWithoutCups(dialog));
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        QCOMPARE(dialog.windowTitle(), QStringLiteral("Halvane"));
        QCOMPARE(dialog.size(), QSize(800, 735));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());

        const QStringList titles{"Printer", "Basic", "Layout", "Finishing", "Imaging",
                                 "Publishing", "Job", "Watermark", "Ondrix"};
        QCOMPARE(dialog.tabs.size(), titles.size());
        QCOMPARE(dialog.tabWidget->count(), titles.size());
        QCOMPARE(dialog.tabWidget->tabPosition(), QTabWidget::West);
        for (int i = 0; i < titles.size(); ++i) {
            QCOMPARE(dialog.tabWidget->tabText(i), titles.at(i));
            QCOMPARE(dialog.tabWidget->widget(i), static_cast<QWidget *>(dialog.tabs.at(i)));
            QCOMPARE(dialog.tabWidget->isTabEnabled(i), i == 0);
            QVERIFY2(!dialog.tabWidget->tabIcon(i).isNull(), qPrintable(titles.at(i)));
            // Disabled tabs take no room on the bar.
            const QRect rect = dialog.tabWidget->bar()->tabRect(i);
            QVERIFY2(i == 0 ? rect.height() > 0 : rect.height() == 0, qPrintable(titles.at(i)));
        }
        QVERIFY(qobject_cast<PrinterTab *>(dialog.tabs.first()));

        QCOMPARE(paneldriver::shownButtons(dialog), paneldriver::buttonsShowing(false));
        QVERIFY(!dialog.profilesButton->isEnabled());
        QVERIFY(dialog.aboutButton->isEnabled());

        // Built and kept, but never a page and never painted over the dialog.
        QVERIFY(dialog.userLoginTab);
        QCOMPARE(dialog.userLoginTab->parentWidget(), static_cast<QWidget *>(&dialog));
        QVERIFY(!dialog.tabs.contains(dialog.userLoginTab));
        QCOMPARE(dialog.tabWidget->indexOf(dialog.userLoginTab), -1);
        QVERIFY(!dialog.userLoginTab->isVisible());
    }

    void returnAndTabKeysDoNothing()
    {
        useFreshUser(true);
        ZelDialog dialog;
        QVERIFY(showWithoutCups(dialog));
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // OK and Apply must be usable for Return to matter.
        ok(dialog)->setEnabled(true);
        apply(dialog)->setEnabled(true);
        QWidget *focused = QApplication::focusWidget();
        QTest::keyClick(&dialog, Qt::Key_Tab);
        QTest::keyClick(&dialog, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), focused);
        QTest::keyClick(&dialog, Qt::Key_Return);
        QTest::keyClick(&dialog, Qt::Key_Enter);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.closeAfterApply); // Apply did not run either
    }

    // Qt gives the default-button role back to the dialog's first default
    // button whenever a focused button loses the focus, as it does while an
    // inner dialog is open: Return must still press none of OK, Apply and
    // Cancel, and none of them may look like the default.
    void returnPressesNothingAfterAnInnerDialog()
    {
        useFreshUser(true);
        ZelDialog dialog;
        auto *store = new OptionStore;
        store->setPrinterName(QStringLiteral("Queue1"));
        auto *duplex = new kOption(QStringLiteral("Duplex"), QStringLiteral("Two-sided"));
        duplex->addChoice(QStringLiteral("None"), QStringLiteral("Off"));
        duplex->addChoice(QStringLiteral("DuplexNoTumble"), QStringLiteral("Long edge"));
        duplex->setDefault(duplex->choiceByName(QStringLiteral("None")));
        store->addOption(duplex);
        auto *pageSize = new kOption(QStringLiteral("PageSize"), QStringLiteral("Page size"));
        pageSize->addChoice(QStringLiteral("A4"), QStringLiteral("A4"));
        pageSize->addChoice(QStringLiteral("Letter"), QStringLiteral("Letter"));
        pageSize->setDefault(pageSize->choiceByName(QStringLiteral("A4")));
        store->addOption(pageSize);
        currentOptionStore = store;
        QFile cfg(userDataDir + QStringLiteral("Queue1.cfg"));
        QVERIFY(cfg.open(QIODevice::WriteOnly)); // no first-time lpoptions run
        cfg.close();
        dialog.printerChanged(0, 0, -1, -1);
        QVERIFY(showWithoutCups(dialog));
        // The offscreen platform activates nothing once that box is gone.
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.tabWidget->setCurrentIndex(1);
        QVERIFY(ok(dialog)->isEnabled());

        // A button of the page takes the focus, an inner dialog comes and
        // goes, and the focus moves on to a list that leaves Return alone.
        ZelButtonGroup *group = dialog.generalTab->duplexGroup;
        QTest::mouseClick(group->button(1), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), group->button(1));
        onNextModal([](QWidget *modal) { modal->close(); });
        dialog.aboutButton->click();
        // The offscreen platform gives the activation back to nobody.
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QComboBox *list = dialog.generalTab->pageSizeBox;
        list->setFocus();
        QCOMPARE(QApplication::focusWidget(), list);

        QDialogButtonBox *box = dialog.buttonBox;
        for (QDialogButtonBox::StandardButton which :
             {QDialogButtonBox::Ok, QDialogButtonBox::Apply, QDialogButtonBox::Cancel})
            QVERIFY2(!box->button(which)->isDefault(), qPrintable(box->button(which)->text()));
        BoxRecorder recorder; // an Apply that ran would show its boxes
        QTest::keyClick(list, Qt::Key_Return);
        QTest::keyClick(list, Qt::Key_Enter);
        QCOMPARE(recorder.boxes, QStringList());
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.closeAfterApply); // neither OK nor Apply ran
    }

    // A message box sets its own size when shown; this one must still be
    // at least 100 pixels each way.
    void settingsAppliedBoxIsLargeEnough()
    {
        useFreshUser(true);
        ZelDialog dialog;
        QString seen;
        QSize size;
        onNextModal([&](QWidget *modal) {
            if (auto *box = qobject_cast<QMessageBox *>(modal))
                seen = box->windowTitle() + QLatin1Char('|') + box->text();
            size = modal->size();
            modal->close();
        });
        dialog.showSettingsApplied();
        QCOMPARE(seen, QStringLiteral("Success|Settings applied."));
        QVERIFY2(size.width() >= 100 && size.height() >= 100,
                 qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
    }

    void aboutButtonOpensTheAboutBox()
    {
        useFreshUser(true);
        ZelDialog dialog;
        QVERIFY(showWithoutCups(dialog));
        QString title;
        onNextModal([&](QWidget *modal) {
            title = modal->windowTitle();
            modal->close();
        });
        dialog.aboutButton->click();
        QCOMPARE(title, QStringLiteral("About"));
    }

    // A conflicting set must not be appliable right after a printer change:
    // OK, Apply and "Save As..." are what the constraint pass left them.
    void printerChangeLeavesOkApplySaveAsToThePass()
    {
        useFreshUser(true);
        ZelDialog dialog;
        currentOptionStore = new OptionStore;
        currentOptionStore->setPrinterName(QStringLiteral("Queue1"));
        QFile cfg(userDataDir + QStringLiteral("Queue1.cfg"));
        QVERIFY(cfg.open(QIODevice::WriteOnly)); // no first-time lpoptions run
        cfg.close();
        optionsConsistent = false;
        ok(dialog)->setEnabled(true);
        apply(dialog)->setEnabled(true);
        dialog.saveAsButton->setEnabled(true);

        dialog.printerChanged(0, 0, -1, -1);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Halvane - Queue1"));
        QVERIFY(dialog.profilesButton->isEnabled());
        QCOMPARE(paneldriver::shownButtons(dialog), paneldriver::buttonsShowing(optionsConsistent));
        QVERIFY(!dialog.changingPrinter);
    }

    void changeWithinTheSameRowDoesNothing()
    {
        useFreshUser(true);
        ZelDialog dialog;
        currentOptionStore = new OptionStore;
        currentOptionStore->setPrinterName(QStringLiteral("Queue1"));
        dialog.profilesButton->setEnabled(true);
        dialog.printerChanged(2, 1, 2, 0);
        QVERIFY(dialog.profilesButton->isEnabled());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Halvane"));
    }

    void changeToNoPrinterDisablesTheButtons()
    {
        useFreshUser(true);
        ZelDialog dialog;
        for (QPushButton *button : {ok(dialog), apply(dialog), dialog.saveAsButton, dialog.profilesButton})
            button->setEnabled(true);
        dialog.setWindowTitle(QStringLiteral("Halvane - Old"));
        dialog.printerChanged(-1, -1, 0, 0);
        for (QPushButton *button : {ok(dialog), apply(dialog), dialog.saveAsButton, dialog.profilesButton})
            QVERIFY(!button->isEnabled());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Halvane"));
    }

    // CUPS gives no answer in this test: that is no change of printers, so
    // the check keeps the selection and the names it knew, whatever they
    // were (the check against an answering CUPS: tst_printertab).
    void noAnswerFromCupsChangesNothing_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("known");
        QTest::newRow("nothing known") << "Queue1" << QStringList{};
        QTest::newRow("selected queue known") << "Queue1" << QStringList{"Queue1", "Other"};
        QTest::newRow("another queue known") << "Queue1" << QStringList{"Other"};
        QTest::newRow("no printer selected") << QString() << QStringList{"Other"};
    }

    void noAnswerFromCupsChangesNothing()
    {
        QFETCH(QString, selected);
        QFETCH(QStringList, known);
        useFreshUser(true);
        ZelDialog dialog;
        bool answered = true;
        QCOMPARE(ZelDialog::installedPrinterNames(&answered), QSet<QString>());
        QVERIFY(!answered);
        OptionStore *store = nullptr;
        if (!selected.isEmpty()) {
            store = new OptionStore;
            store->setPrinterName(selected);
            currentOptionStore = store;
        }
        const QSet<QString> knownBefore(known.begin(), known.end());
        knownPrinterNames = knownBefore;

        BoxRecorder recorder;
        QVERIFY(!dialog.checkInstalledPrinters());
        QCOMPARE(recorder.boxes, QStringList());
        QCOMPARE(currentOptionStore, store);
        QCOMPARE(knownPrinterNames, knownBefore);
    }
};

QTEST_MAIN(ZelDialogTest)
#include "tst_zeldialog.moc"
