// The Job page inside the real main dialog on the private cupsd's sample
// queue Quorvan_Job, as the ordinary user the panel needs: settings applied
// to the settings file and through real lpoptions and read back, invalid
// input keeping OK, Apply and "Save As..." off, and the print-accounting
// switch blocking the job features.
#include "boxrecorder.h"
#include "jobtab.h"
#include "kchoice.h"
#include "koption.h"
#include "optionstore.h"
#include "pages/dialogpagetest.h"
#include "paneldriver.h"
#include "sessionstate.h"
#include "storedsecret.h"
#include "storedsettings.h"
#include "zeldialog.h"
#include "zeltabwidget.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>

using paneldriver::queueDefaults;

namespace {
const QString applied = QStringLiteral("Success|Settings applied.");

void click(ZelCheckBoxButton *button)
{
    button->iconButton()->click();
}

void type(QLineEdit *edit, const QString &text)
{
    QVERIFY(edit->isEnabled());
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void pick(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setCurrentIndex(index);
}
}

class JobDialogTest : public DialogPageTest
{
    Q_OBJECT

public:
    JobDialogTest() : DialogPageTest(QStringLiteral("tst-jobdlg"), QStringLiteral("Quorvan_Job")) {}

private:
    JobTab *page() const { return dialog->jobTab; }
    Tab *pageUnderTest() const override { return page(); }

private slots:
    // A stored job with an access code and a custom job name, applied, then
    // found in the settings file, in lpoptions and on the page again.
    void storageAndJobNameApplied()
    {
        useFreshUser();
        BoxRecorder recorder;
        QVERIFY(openOnQueue());
        QCOMPARE(verdict(), paneldriver::verdictShowing(true));

        click(page()->storageButton);
        pick(page()->storageCombo, QStringLiteral("Job storage"));
        type(page()->accessCodeEdit, QStringLiteral("4711"));
        pick(page()->jobNameCombo, QStringLiteral("Custom"));
        type(page()->jobNameEdit, QStringLiteral("Quarterly"));
        QCOMPARE(verdict(), paneldriver::verdictShowing(true));

        dialog->slotButtonApply();
        QCOMPARE(recorder.boxes, QStringList{applied});
        const QHash<QString, QString> stored = storedsettings::read(cfgPath());
        QCOMPARE(stored.value("cJobStore"), QStringLiteral("True"));
        QCOMPARE(storedsettings::values(cfgPath(), "ZVCollate1"), QStringList{"JobStorage"});
        QCOMPARE(stored.value("JobStorage"), QStringLiteral("True"));
        QCOMPARE(stored.value("AccessCode"), QStringLiteral("4711"));
        QCOMPARE(stored.value("CustomJobName"), QStringLiteral("Quarterly"));
        QCOMPARE(stored.value("UserLogin"), QStringLiteral("False"));
        QVERIFY(!stored.contains("JobName"));
        const QHash<QString, QString> lpoptions = queueDefaults(queue);
        QCOMPARE(lpoptions.value("ZVCollate1"), QStringLiteral("JobStorage"));
        QCOMPARE(lpoptions.value("ZqManagment"), QStringLiteral("Default"));
        QCOMPARE(lpoptions.value("JobDate"), QStringLiteral("true"));
        // Page keys are not printer options.
        QVERIFY(!lpoptions.contains("AccessCode"));
        QVERIFY(!lpoptions.contains("CustomJobName"));

        // The next start shows them again.
        dialog.reset();
        QVERIFY(openOnQueue());
        QVERIFY(page()->storageButton->isChecked());
        QCOMPARE(page()->storageCombo->currentText(), QStringLiteral("Job storage"));
        QCOMPARE(page()->accessCodeEdit->text(), QStringLiteral("4711"));
        QVERIFY(page()->accessCodeEdit->isVisibleTo(page()));
        QCOMPARE(page()->jobNameCombo->currentText(), QStringLiteral("Custom"));
        QCOMPARE(page()->jobNameEdit->text(), QStringLiteral("Quarterly"));
        QCOMPARE(verdict(), paneldriver::verdictShowing(true));
    }

    // An ID from the queue's list and a login, through the list dialog over
    // the main dialog, applied.
    void listedAccountApplied()
    {
        useFreshUser();
        BoxRecorder recorder;
        QVERIFY(openOnQueue());
        click(page()->accountingButton);
        pick(page()->accountModeCombo, QStringLiteral("Select account ID"));
        QCOMPARE(verdict(), paneldriver::verdictShowing(false));
        QCOMPARE(page()->accountingLabel->toolTip(), QStringLiteral("You must add an account ID to the list."));

        page()->accountListButton->click();
        QVERIFY(page()->accountListDialog->isVisible());
        for (const QString &id : {QStringLiteral("9"), QStringLiteral("10")}) {
            page()->newAccountButton->click();
            QTest::keyClicks(page()->accountEditIdEdit, id);
            QTest::keyClicks(page()->accountEditDescriptionEdit, "Team " + id);
            page()->accountEditButtons->button(QDialogButtonBox::Ok)->click();
        }
        page()->accountListButtons->button(QDialogButtonBox::Ok)->click();
        QVERIFY(!page()->accountListDialog->isVisible());
        QCOMPARE(page()->accountIdCombo->currentText(), QStringLiteral("10"));
        QCOMPARE(verdict(), paneldriver::verdictShowing(true));

        dialog->slotButtonApply();
        QCOMPARE(recorder.boxes, QStringList{applied});
        QCOMPARE(storedsettings::values(cfgPath(), "CustomAccountIDStore"), QStringList({"10=Team 10", "9=Team 9"}));
        QCOMPARE(storedsettings::values(cfgPath(), "CustomAccountID"), QStringList{"10"});
        QCOMPARE(queueDefaults(queue).value("ZqManagment"), QStringLiteral("10"));
    }

    // Each kind of invalid input keeps OK, Apply and "Save As..." off until
    // it is put right.
    void invalidInputBlocksApply_data()
    {
        QTest::addColumn<QString>("breaking");
        QTest::newRow("e-mail notice without an address") << "email empty";
        QTest::newRow("e-mail address without @") << "email format";
        QTest::newRow("custom job name left empty") << "job name";
        QTest::newRow("private print with two digits") << "access code";
        QTest::newRow("custom box 0") << "box";
        QTest::newRow("user login without a name") << "login";
        QTest::newRow("typed account ID left empty") << "account";
    }

    void invalidInputBlocksApply()
    {
        QFETCH(QString, breaking);
        useFreshUser();
        BoxRecorder recorder;
        QVERIFY(openOnQueue());
        QCOMPARE(verdict(), paneldriver::verdictShowing(true));

        JobTab *p = page();
        QLabel *caption = nullptr;
        std::function<void()> mend;
        if (breaking.startsWith("email")) {
            click(p->emailButton);
            if (breaking == QLatin1String("email format"))
                type(p->emailEdit, QStringLiteral("ann.example.com"));
            caption = p->emailLabel;
            mend = [p]() { type(p->emailEdit, QStringLiteral("ann@example.com")); };
        } else if (breaking == QLatin1String("job name")) {
            pick(p->jobNameCombo, QStringLiteral("Custom"));
            caption = p->jobNameLabel;
            mend = [p]() { type(p->jobNameEdit, QStringLiteral("Report")); };
        } else if (breaking == QLatin1String("access code")) {
            click(p->storageButton);
            pick(p->storageCombo, QStringLiteral("Private print"));
            type(p->accessCodeEdit, QStringLiteral("12"));
            caption = p->jobSettingsLabel;
            mend = [p]() { QTest::keyClicks(p->accessCodeEdit, QStringLiteral("34")); };
        } else if (breaking == QLatin1String("box")) {
            click(p->storageButton);
            pick(p->storageCombo, QStringLiteral("Custom box"));
            type(p->boxNumberEdit, QStringLiteral("0"));
            caption = p->jobSettingsLabel;
            mend = [p]() { QTest::keyClicks(p->boxNumberEdit, QStringLiteral("1")); };
        } else if (breaking == QLatin1String("login")) {
            click(p->userLoginButton);
            caption = p->userLoginLabel;
            mend = [p]() { type(p->loginNameEdit, QStringLiteral("ann")); };
        } else if (breaking == QLatin1String("account")) {
            click(p->accountingButton);
            pick(p->accountModeCombo, QStringLiteral("Use specific account ID"));
            caption = p->accountingLabel;
            mend = [p]() { type(p->accountIdEdit, QStringLiteral("4711")); };
        }
        QVERIFY(caption);
        QCOMPARE(verdict(), paneldriver::verdictShowing(false));
        QVERIFY(p->hasConflict());
        QVERIFY(caption->text().contains("<img src=':/icons/error'>"));
        QVERIFY(!caption->toolTip().isEmpty());

        mend();
        QCOMPARE(verdict(), paneldriver::verdictShowing(true));
        QVERIFY(!caption->text().contains("<img src=':/icons/error'>"));
        QCOMPARE(recorder.boxes, QStringList());
    }

    // The print-accounting switch marked On (as its page does) takes away
    // job storage, job accounting and the user login.
    void printAccountingBlocksTheJobFeatures_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("keptOn"); // storage goes with either
        const QStringList storage = {"cJobStore=True", "ZVCollate1=ProofHold"};
        QTest::newRow("storage and user login")
            << storage + QStringList{"cUserLogin=True", "UserLogin=True", "UserLoginName=" + encodeStoredSecret("ann"),
                                     "UserLoginPass=" + encodeStoredSecret("pw")}
            << "chkButUserLogin";
        QTest::newRow("storage and job accounting")
            << storage + QStringList{"cJobAccount=True", "ZqManagment=42", "CustomAccountID=42"} << "chkButZqManagment";
    }

    void printAccountingBlocksTheJobFeatures()
    {
        QFETCH(QStringList, stored);
        QFETCH(QString, keptOn);
        useFreshUser(stored);
        BoxRecorder recorder;
        QVERIFY(openOnQueue());
        JobTab *p = page();
        const QList<ZelCheckBoxButton *> blocked = {p->storageButton, p->accountingButton, p->userLoginButton};
        QVERIFY(p->storageButton->isChecked());
        for (ZelCheckBoxButton *button : blocked)
            QCOMPARE(button->isChecked(), button == p->storageButton || button->accessibleName() == keptOn);
        QCOMPARE(verdict(), paneldriver::verdictShowing(true));

        currentOptionStore->selectChoice(QStringLiteral("TPXToggle"), QStringLiteral("On"));
        dialog->setConstraints();
        for (ZelCheckBoxButton *button : blocked) {
            QVERIFY2(!button->isChecked(), qPrintable(button->accessibleName()));
            QVERIFY2(!button->isEnabled(), qPrintable(button->accessibleName()));
        }
        QVERIFY(p->emailButton->isEnabled());
        QVERIFY(!p->loginNameEdit->isEnabled());
        QVERIFY(p->loginNameEdit->text().isEmpty());
        QCOMPARE(p->storageCombo->currentText(), QStringLiteral("Proof and hold"));
        QCOMPARE(verdict(), paneldriver::verdictShowing(true));

        dialog->slotButtonApply();
        QCOMPARE(recorder.boxes, QStringList{applied});
        const QHash<QString, QString> file = storedsettings::read(cfgPath());
        QCOMPARE(file.value("cJobStore"), QStringLiteral("False"));
        QCOMPARE(file.value("cJobAccount"), QStringLiteral("False"));
        QCOMPARE(file.value("UserLogin"), QStringLiteral("False"));
        QCOMPARE(file.value("ZqManagment"), QStringLiteral("Default"));
        QVERIFY(!file.contains("UserLoginName"));
        QCOMPARE(queueDefaults(queue).value("ZVCollate1"), QStringLiteral("None"));

        // Switched off again, the features come back.
        currentOptionStore->selectChoice(QStringLiteral("TPXToggle"), QStringLiteral("Off"));
        dialog->setConstraints();
        QVERIFY(p->storageButton->isEnabled());
        QVERIFY(p->userLoginButton->isEnabled());
        QVERIFY(p->accountingButton->isEnabled());
    }
};

QTEST_MAIN(JobDialogTest)
#include "tst_jobdialog.moc"
