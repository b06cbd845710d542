// The root-password road with the real sudo and su: the recording writer
// stand-in (scripts/prepare-test-user.sh installs it with a sudoers entry
// and gives the test user the password kept in /etc/halvane-test/password)
// must run as root with the queue and the words exactly as given, and a
// wrong password must end in "Could not authorize.".
#include "boxrecorder.h"
#include "modalhelper.h"
#include "printertab.h"
#include "commandstandin.h"
#include "comboboxex.h"
#include "dialogsession.h"
#include "optionstore.h"
#include "paneldriver.h"
#include "panelusers.h"
#include "passwordprompt.h"
#include "processrunner.h"
#include "sessionstate.h"
#include "temporaryhome.h"
#include "zeldialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {
const QString passwordFile = QStringLiteral("/etc/halvane-test/password");
const QString writerRecord = QStringLiteral("/var/tmp/halvane-zelPPDWrite_F.record");
// A queue of the maker with one installable option, added for these tests;
// its name holds characters a shell would act on.
const QString rootRoadQueue = QStringLiteral("Root$Road`id`");
// The same kind of queue, removed under the open prompt or before it.
const QString fadingRootQueue = QStringLiteral("Root_Fading");

QString readPassword()
{
    QFile file(passwordFile);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// First line: the uid the writer ran as.
QString recordedUid()
{
    QFile file(writerRecord);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("<missing>");
    return QString::fromUtf8(file.readLine()).trimmed();
}
}

class PasswordPromptTest : public QObject
{
    Q_OBJECT

private:
    QString password;
    int serial = 0;
    PanelUsers users{QStringLiteral("tst-prompt")};

    // A queue name no earlier run of the writer has recorded.
    QString fresh(const QString &stem)
    {
        return stem + QStringLiteral("-%1-%2").arg(QCoreApplication::applicationPid()).arg(++serial);
    }

    void useFreshUser() { QVERIFY2(!users.freshUser().isEmpty(), PanelUsers::unwritable()); }

    static bool sudoHasCachedCredentials()
    {
        return ProcessRunner::run(QStringLiteral("sudo"), {"-n", "/usr/local/bin/zelPPDWrite_F", "probe"}).succeeded();
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(geteuid() != 0, "root is never asked for a password: run as the test user (CTest does)");
        password = readPassword();
        QVERIFY2(!password.isEmpty(), "no test password in /etc/halvane-test/password: run scripts/prepare-test-user.sh as root");
        QVERIFY2(QFileInfo(QStringLiteral("/usr/local/bin/zelPPDWrite_F")).isExecutable(),
                 "the writer stand-in is missing: run scripts/prepare-test-user.sh as root");
        if (!qEnvironmentVariableIsEmpty("CUPS_SERVER")) {
            const ProcessResult added = ProcessRunner::run(QStringLiteral("/usr/sbin/lpadmin"),
                {"-p", rootRoadQueue, "-E", "-v", "file:/dev/null", "-P", QStringLiteral(HALVANE_FIXTURES "/apply-keywords.ppd")});
            QVERIFY2(added.succeeded(), added.standardError.constData());
        }
    }

    void cleanup()
    {
        ProcessRunner::run(QStringLiteral("/usr/sbin/lpadmin"), {"-x", fadingRootQueue});
        DialogSession::forgetState();
    }

    void cleanupTestCase() { ProcessRunner::run(QStringLiteral("/usr/sbin/lpadmin"), {"-x", rootRoadQueue}); }

    void sudoRunsTheWriterAsRootWithTheWordsUnchanged_data()
    {
        QTest::addColumn<QString>("stem");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("plain") << "Quorvan_Office" << QStringList({"Option17=True", "Option8=False"});
        QTest::newRow("no installable options") << "Quorvan_Office" << QStringList();
        QTest::newRow("dollar sign") << "Cost$Center" << QStringList({"Option01=$(id)", "Option8=$HOME"});
        QTest::newRow("backquotes and quotes") << "q`id`x" << QStringList({"Option27=`id`", "Option19='a b'\"c\""});
        // sudo ends its own options at the program: the name is the writer's.
        QTest::newRow("leading dash") << "-Dash" << QStringList({"Option17=True"});
    }

    void sudoRunsTheWriterAsRootWithTheWordsUnchanged()
    {
        QFETCH(QString, stem);
        QFETCH(QStringList, words);
        const QString queue = fresh(stem);
        PasswordPrompt::clearSudoCredentials();
        QCOMPARE(PasswordPrompt::runPrivileged(password, QStringLiteral("sudo"), queue, words), 0);
        PasswordPrompt::clearSudoCredentials();
        QCOMPARE(recordedUid(), QStringLiteral("0"));
        QCOMPARE(readRecord(writerRecord, 1), QStringList(queue) + words);
    }

    void wrongPasswordIsRefused_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("typed");
        QTest::newRow("sudo") << "sudo" << "not-the-password";
        QTest::newRow("sudo, empty") << "sudo" << "";
        QTest::newRow("su") << "su" << "not-the-password";
    }

    void wrongPasswordIsRefused()
    {
        QFETCH(QString, method);
        QFETCH(QString, typed);
        const QString queue = fresh(QStringLiteral("refused"));
        PasswordPrompt::clearSudoCredentials();
        QVERIFY(PasswordPrompt::runPrivileged(typed, method, queue, {"Option17=True"}) != 0);
        QVERIFY(!readRecord(writerRecord, 1).contains(queue));
    }

    void failingWriterIsAFailure()
    {
        PasswordPrompt::clearSudoCredentials();
        QCOMPARE(PasswordPrompt::runPrivileged(password, QStringLiteral("sudo"), fresh(QStringLiteral("fail")), {}), 3);
        PasswordPrompt::clearSudoCredentials();
    }

    // What su hands to root's shell, run by the same shells as the test user,
    // with a recording zelPPDWrite_F first on PATH.
    void suTextKeepsEveryArgumentWhole_data()
    {
        QTest::addColumn<QString>("shell");
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QStringList>("words");
        const QStringList nasty = {"Option17=True", "Option8=$(touch pwned)", "Option01=`id`", "Option19=it's",
                                   "Option20=a b;c|d&e", "Option21=\\\"\\\\", "Option22=*"};
        for (const QString &shell : {QStringLiteral("sh"), QStringLiteral("bash")}) {
            QTest::newRow(qPrintable(shell + QStringLiteral(" plain"))) << shell << "office1" << QStringList({"Option17=True"});
            QTest::newRow(qPrintable(shell + QStringLiteral(" no words"))) << shell << "office1" << QStringList();
            QTest::newRow(qPrintable(shell + QStringLiteral(" shell characters"))) << shell << "Cost$Center`id`" << nasty;
            QTest::newRow(qPrintable(shell + QStringLiteral(" leading dash"))) << shell << "-Dash" << QStringList({"-o"});
        }
    }

    void suTextKeepsEveryArgumentWhole()
    {
        QFETCH(QString, shell);
        QFETCH(QString, queue);
        QFETCH(QStringList, words);
        QTemporaryDir bin;
        const QString record = bin.filePath(QStringLiteral("record"));
        QVERIFY(writeStandIn(bin.path(), QStringLiteral("zelPPDWrite_F"), recordingBody(record)));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8() + ':' + path);
        const ProcessResult run = ProcessRunner::run(shell, {"-c", PasswordPrompt::suCommandText(queue, words)});
        qputenv("PATH", path);
        QVERIFY(run.succeeded());
        QCOMPARE(readRecord(record), QStringList(queue) + words);
        QVERIFY(!QFileInfo::exists(QDir::current().filePath(QStringLiteral("pwned"))));
    }

    void promptAsBuilt()
    {
        useFreshUser();
        ZelDialog dialog;
        dialog.closeAfterApply = true;
        PasswordPrompt prompt(&dialog, {});
        QVERIFY(!dialog.closeAfterApply);
        QCOMPARE(prompt.windowTitle(), QStringLiteral("Password Prompt"));
        QCOMPARE(prompt.methodBox->count(), 2);
        QCOMPARE(prompt.methodBox->itemText(0), QStringLiteral("sudo"));
        QCOMPARE(prompt.methodBox->itemText(1), QStringLiteral("su"));
        QCOMPARE(prompt.methodBox->currentText(), QStringLiteral("sudo"));
        QCOMPARE(prompt.passwordEdit->echoMode(), QLineEdit::Password);
        QCOMPARE(prompt.okButton->text(), QStringLiteral("OK"));
        QVERIFY(!prompt.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
        QVERIFY(!prompt.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!prompt.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    }

    void cancelRunsNothing()
    {
        useFreshUser();
        ZelDialog dialog;
        currentOptionStore = new OptionStore;
        const QString queue = fresh(QStringLiteral("cancelled"));
        currentOptionStore->setPrinterName(queue);
        PasswordPrompt prompt(&dialog, {"Option17=True"});
        prompt.passwordEdit->setText(password);
        prompt.show();
        prompt.reject();
        QVERIFY(!prompt.isVisible());
        QVERIFY(!dialog.closeAfterApply);
        QVERIFY(!readRecord(writerRecord, 1).contains(queue));
    }

    void wrongPasswordThroughTheButton_data()
    {
        QTest::addColumn<int>("method");
        QTest::newRow("sudo") << 0;
        QTest::newRow("su") << 1;
    }

    void wrongPasswordThroughTheButton()
    {
        QFETCH(int, method);
        useFreshUser();
        ZelDialog dialog;
        currentOptionStore = new OptionStore;
        const QString queue = fresh(QStringLiteral("wrong"));
        currentOptionStore->setPrinterName(queue);
        PasswordPrompt prompt(&dialog, {"Option17=True"});
        prompt.methodBox->setCurrentIndex(method);
        prompt.passwordEdit->setText(password + QStringLiteral("x"));
        prompt.show();
        BoxRecorder recorder;
        QTest::mouseClick(prompt.okButton, Qt::LeftButton);
        QCOMPARE(recorder.boxes, QStringList{"Error|Could not authorize."});
        QVERIFY(!prompt.isVisible());
        QVERIFY(!dialog.closeAfterApply);
        QVERIFY(!readRecord(writerRecord, 1).contains(queue));
    }

    // A real queue of the private cupsd: the root write, then the settings
    // file and lpoptions, then the success box; sudo forgets the password.
    void rightPasswordFinishesTheApply()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("CUPS_SERVER"), "needs the private cupsd (CTest's cups fixture)");
        useFreshUser();
        TemporaryHome home;
        ZelDialog dialog;
        const QString queue = QStringLiteral("Cost$Center");
        currentOptionStore = new OptionStore;
        currentOptionStore->setPrinterName(queue);
        const QString token = QStringLiteral("Option17=") + fresh(QStringLiteral("True"));
        PasswordPrompt prompt(&dialog, {token});
        prompt.passwordEdit->setText(password);
        prompt.show();
        BoxRecorder recorder;
        QTest::mouseClick(prompt.okButton, Qt::LeftButton);
        QCOMPARE(recorder.boxes, QStringList{"Success|Settings applied."});
        QVERIFY(!prompt.isVisible());
        QVERIFY(dialog.closeAfterApply);
        QCOMPARE(recordedUid(), QStringLiteral("0"));
        QCOMPARE(readRecord(writerRecord, 1), QStringList({queue, token}));
        QVERIFY(QFileInfo::exists(userDataDir + queue + QStringLiteral(".cfg")));
        QVERIFY(!sudoHasCachedCredentials());
    }

    // Apply and OK on the main dialog with a changed installable option:
    // the prompt takes over; OK closes the panel only after a good root write.
    void installableOptionsThroughOk_data()
    {
        QTest::addColumn<QString>("answer");  // what the user does in the prompt
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("written");
        QTest::newRow("right password") << "right" << QStringList{"Success|Settings applied."} << true << true;
        QTest::newRow("wrong password") << "wrong" << QStringList{"Error|Could not authorize."} << false << false;
        QTest::newRow("cancelled") << "cancel" << QStringList() << false << false;
    }

    void installableOptionsThroughOk()
    {
        QFETCH(QString, answer);
        QFETCH(QStringList, boxes);
        QFETCH(bool, closed);
        QFETCH(bool, written);
        QVERIFY2(!qEnvironmentVariableIsEmpty("CUPS_SERVER"), "needs the private cupsd (CTest's cups fixture)");
        useFreshUser();
        TemporaryHome home;
        ZelDialog dialog;
        dialog.show();
        {
            // The first selection of a queue without settings file applies at once.
            BoxRecorder first;
            QVERIFY2(paneldriver::choosePrinter(dialog, rootRoadQueue), "the added queue is not listed");
            QVERIFY(first.boxes.isEmpty());
        }
        QVERIFY(currentOptionStore);
        QCOMPARE(currentOptionStore->printerName(), rootRoadQueue);
        QVERIFY(QFileInfo::exists(userDataDir + rootRoadQueue + QStringLiteral(".cfg")));
        QFile::remove(userDataDir + rootRoadQueue + QStringLiteral(".cfg"));

        QCheckBox *tray = nullptr;
        for (QCheckBox *box : dialog.printerTab->findChildren<QCheckBox *>()) {
            if (box->accessibleName() == QLatin1String("chkBxOption17"))
                tray = box;
        }
        QVERIFY(tray);
        tray->setChecked(!tray->isChecked());
        QVERIFY(dialog.printerTab->installedOptionsChanged());
        const QString word = QStringLiteral("Option17=") + (tray->isChecked() ? "True" : "False");

        QString promptTitle;
        onNextModal([&](QWidget *modal) {
            auto *prompt = qobject_cast<PasswordPrompt *>(modal);
            if (!prompt) {
                modal->close();
                return;
            }
            promptTitle = prompt->windowTitle();
            if (answer == QLatin1String("cancel")) {
                prompt->reject();
                return;
            }
            prompt->passwordEdit->setText(answer == QLatin1String("right") ? password : password + QStringLiteral("x"));
            prompt->okButton->click();
        }, &dialog);
        BoxRecorder recorder;
        // Another run's record must not pass for this one's.
        const QStringList before = readRecord(writerRecord, 1);
        dialog.accept();
        QCOMPARE(promptTitle, QStringLiteral("Password Prompt"));
        QCOMPARE(recorder.boxes, boxes);
        QCOMPARE(!dialog.isVisible(), closed);
        QCOMPARE(dialog.printerTab->installedOptionsChanged(), !written);
        // The settings file and lpoptions follow only a good root write.
        QCOMPARE(QFileInfo::exists(userDataDir + rootRoadQueue + QStringLiteral(".cfg")), written);
        if (written) {
            QCOMPARE(recordedUid(), QStringLiteral("0"));
            QCOMPARE(readRecord(writerRecord, 1), QStringList({rootRoadQueue, word}));
        } else {
            QCOMPARE(readRecord(writerRecord, 1), before);
        }
    }

    // The queue removed in CUPS before Apply, or while the password is
    // typed: the root write runs, then the Apply finds the queue gone and
    // clears the selection, whichever list refresh saw it go.
    void vanishedQueueOnTheRootRoad_data()
    {
        QTest::addColumn<bool>("whileTyping");
        QTest::newRow("removed before Apply") << false;
        QTest::newRow("removed while the password is typed") << true;
    }

    void vanishedQueueOnTheRootRoad()
    {
        QFETCH(bool, whileTyping);
        QVERIFY2(!qEnvironmentVariableIsEmpty("CUPS_SERVER"), "needs the private cupsd (CTest's cups fixture)");
        const ProcessResult added = ProcessRunner::run(QStringLiteral("/usr/sbin/lpadmin"),
            {"-p", fadingRootQueue, "-E", "-v", "file:/dev/null", "-P", QStringLiteral(HALVANE_FIXTURES "/apply-keywords.ppd")});
        QVERIFY2(added.succeeded(), added.standardError.constData());
        useFreshUser();
        TemporaryHome home;
        ZelDialog dialog;
        dialog.show();
        QVERIFY2(paneldriver::choosePrinter(dialog, fadingRootQueue), "the added queue is not listed");
        QCheckBox *tray = nullptr;
        for (QCheckBox *box : dialog.printerTab->findChildren<QCheckBox *>()) {
            if (box->accessibleName() == QLatin1String("chkBxOption17"))
                tray = box;
        }
        QVERIFY(tray);
        tray->setChecked(!tray->isChecked());

        const auto removeQueue = []() {
            ProcessRunner::run(QStringLiteral("/usr/sbin/lpadmin"), {"-x", fadingRootQueue});
        };
        if (!whileTyping)
            removeQueue();
        onNextModal([&](QWidget *modal) {
            auto *prompt = qobject_cast<PasswordPrompt *>(modal);
            if (!prompt) {
                modal->close();
                return;
            }
            if (whileTyping)
                removeQueue();
            prompt->passwordEdit->setText(password);
            prompt->okButton->click();
        }, &dialog);
        BoxRecorder recorder;
        dialog.slotButtonApply();
        QCOMPARE(recorder.boxes, QStringList({"Error|Error: Printer does not exist or lpoptions failed.",
                                              "Error|It looks like your installed printers have changed.\nReloading list now."}));
        QCOMPARE(readRecord(writerRecord, 1).value(0), fadingRootQueue);
        QVERIFY(!currentOptionStore);
        QTableWidget *table = paneldriver::printerTable(dialog);
        QCOMPARE(table->currentRow(), -1);
        QVERIFY(table->selectedItems().isEmpty());
        QVERIFY(!paneldriver::listedPrinters(dialog).contains(fadingRootQueue));
        for (int i = 1; i < dialog.tabs.size(); ++i)
            QVERIFY(!dialog.tabWidget->isTabEnabled(i));
        // Any queue can be picked again.
        QVERIFY(paneldriver::choosePrinter(dialog, QStringLiteral("Quorvan_Office")));
        QVERIFY(currentOptionStore);
    }
};

QTEST_MAIN(PasswordPromptTest)
#include "tst_passwordprompt.moc"
