// The Job page on stores from cups-job.ppd and variants of it, behind a
// stand-in for the main dialog's pass: what the fields admit, the input
// checks, the sections each printer offers, the storage choices by storage
// device, stored settings read into the widgets and written back, the login
// encryption against an outside oracle, and the account-ID list.
#include "jobfixture.h"

#include "boxrecorder.h"
#include "secretoracle.h"
#include "storedsecret.h"

#include <QTextCodec>

using namespace jobfixture;
using namespace pagefixture;

namespace {
const QString msgAccessCode = QStringLiteral("Access code must be 4 numbers in length.");
const QString msgBox = QStringLiteral("Enter a custom box number between 1 and 1000.");
const QString msgQuote = QStringLiteral("Value cannot contain the double quote (\") character.");
const QString msgEmailEmpty = QStringLiteral("Enter a valid e-mail address.");
const QString msgSpaces = QStringLiteral("E-mail address cannot contain any spaces.");
const QString msgAscii = QStringLiteral("E-mail address should use only ASCII characters.");
const QString msgFormat =
    QStringLiteral("Enter the e-mail address in a valid format.\nFor example: name@example.com");
const QString msgJobName = QStringLiteral("The custom job name field requires a name within a 64 character limit.");
const QString msgAccountId = QStringLiteral("Account ID must be 1 to 8 numbers in length");
const QString msgAccountList = QStringLiteral("You must add an account ID to the list.");
const QString msgUserName = QStringLiteral("User name must be at least one character long.");

// A settings file as Apply writes it, section by section.
const Lines storageOff = {{"cJobStore", "False"}, {"ZVCollate1", "None"}};
const Lines accountingOff = {{"cJobAccount", "False"}, {"ZqManagment", "Default"}};
const Lines jobNameOff = {{"JobName", "off"}, {"JobDate", "true"}};
const Lines emailOff = {{"cEmail", "False"}, {"Email", "off"}, {"EMailNotification", "off"}};
const Lines loginOff = {{"cUserLogin", "False"}, {"UserLogin", "False"}};

Lines emailOn(const QString &address)
{
    return {{"cEmail", "True"}, {"Email", address}, {"EMailNotification", address}};
}

Lines accountingOn(const QString &id)
{
    return {{"cJobAccount", "True"}, {"ZqManagment", id}, {"CustomAccountID", id}};
}

Lines loginOn(const QString &name, const QString &password)
{
    return {{"cUserLogin", "True"},
            {"UserLogin", "True"},
            {"UserLoginName", encodeStoredSecret(name)},
            {"UserLoginPass", encodeStoredSecret(password)}};
}

QStringList asLines(const Lines &lines)
{
    QStringList texts;
    for (const auto &line : lines)
        texts << line.first + QLatin1Char('=') + line.second;
    texts.sort();
    return texts;
}

// The hex an outside tool makes of text as the stored-secret form holds it.
QString oracleFor(const QString &text)
{
    QString doubled = text;
    doubled.replace(QStringLiteral("\\"), QStringLiteral("\\\\"));
    return secretoracle::oracleHex(doubled.toUtf8() + QByteArray(1, '\0'));
}
}

class JobTabTest : public JobPageTest
{
    Q_OBJECT

    // What the page shows, section by section.
    QStringList state() const
    {
        const JobTab &p = *m_page;
        QStringList s;
        s << "storage=" + (p.storageButton->isChecked() ? p.storageCombo->currentText() : QStringLiteral("off"));
        if (p.accessCodeEdit->isVisibleTo(m_page))
            s << "code=" + p.accessCodeEdit->text();
        if (p.boxNumberEdit->isVisibleTo(m_page))
            s << "box=" + p.boxNumberEdit->text() + "/" + p.boxPasswordEdit->text();
        // Off, the list is what turning it on offers first.
        QString accounting = p.accountModeCombo->currentIndex() == 1 ? QStringLiteral("off")
                                                                     : QStringLiteral("off, typed mode");
        if (p.accountingButton->isChecked())
            accounting = p.accountModeCombo->currentIndex() == 0 ? "typed " + p.accountIdEdit->text()
                                                                 : "listed " + p.accountIdCombo->currentText();
        s << "accounting=" + accounting;
        s << "list=" + items(p.accountIdCombo).join(',');
        s << "name=" + p.jobNameCombo->currentText()
                 + (p.jobNameEdit->isEnabled() ? ":" + p.jobNameEdit->text() : QString());
        s << "date=" + p.overwriteCombo->currentText();
        s << "email=" + (p.emailButton->isChecked() ? p.emailEdit->text() : QStringLiteral("off"));
        s << "login="
                 + (p.userLoginButton->isChecked() ? p.loginNameEdit->text() + "/" + p.loginPasswordEdit->text()
                                                   : QStringLiteral("off"));
        return s;
    }

    void verifyMark(const QLabel *caption, const QString &message)
    {
        QCOMPARE(marked(caption), !message.isEmpty());
        QCOMPARE(caption->toolTip(), message);
    }

    QString markedName(const QString &keyword) const { return pagefixture::markedName(keyword); }

    // Job storage on with that item, as the user picks it.
    void storageOn(const QString &item)
    {
        if (!m_page->storageButton->isChecked())
            click(m_page->storageButton);
        QVERIFY(m_page->storageButton->isChecked());
        QVERIFY2(pick(m_page->storageCombo, item), qPrintable(item));
    }

    // Adds an entry through the account-ID dialog as a user does.
    void addAccount(const QString &id, const QString &description)
    {
        m_page->newAccountButton->click();
        QVERIFY(m_page->accountEditDialog->isVisible());
        QCOMPARE(m_page->accountEditDialog->windowTitle(), QStringLiteral("New Account ID"));
        QTest::keyClicks(m_page->accountEditIdEdit, id);
        QTest::keyClicks(m_page->accountEditDescriptionEdit, description);
        m_page->accountEditButtons->button(QDialogButtonBox::Ok)->click();
    }

    QStringList tableRows() const
    {
        QStringList rows;
        for (int row = 0; row < m_page->accountTable->rowCount(); ++row)
            rows << m_page->accountTable->item(row, 0)->text() + "=" + m_page->accountTable->item(row, 1)->text();
        return rows;
    }

    int rowOf(const QString &id) const
    {
        for (int row = 0; row < m_page->accountTable->rowCount(); ++row) {
            if (m_page->accountTable->item(row, 0)->text() == id)
                return row;
        }
        return -1;
    }

    QStringList storedList() const
    {
        QStringList values = extras().values("CustomAccountIDStore");
        values.sort();
        return values;
    }

private slots:
    void init() { newPage(); }

    void constructionState()
    {
        QCOMPARE(m_page->tabName(), QStringLiteral("Job"));
        QVERIFY(!m_page->isSupported());
        // Shown by the accounting mode and by a message only.
        QVERIFY(m_page->accountIdEdit->isHidden());
        QVERIFY(m_page->accountIdCombo->isHidden());
        QVERIFY(m_page->accountListButton->isHidden());
        QVERIFY(m_page->emailErrorLabel->isHidden());
        QVERIFY(!m_page->jobNameEdit->isEnabled());
        QVERIFY(m_page->accountListDialog->isHidden());
        QCOMPARE(m_page->accountListDialog->windowModality(), Qt::WindowModal);
        QCOMPARE(m_page->accountTable->columnCount(), 2);
        QVERIFY(m_page->emailErrorLabel->styleSheet().startsWith("QLabel{color: red;"));
        // Unchecked, storage stands for "None", which its list leaves out.
        QCOMPARE(m_page->storageButton->dependentValue(m_page->storageCombo), QStringLiteral("None"));
        QCOMPARE(QStringList(m_page->optionWidgets.keys()).size(), 9);
    }

    // What each field lets the user type.
    void typing_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");

        QTest::newRow("access code: any character, four") << "code" << "1a2b3" << "1a2b";
        QTest::newRow("box number: digits") << "box" << "1x2 3-45" << "1234";
        QTest::newRow("box password: sixteen") << "boxpw" << "abcdefghijklmnopq" << "abcdefghijklmnop";
        QTest::newRow("account ID: eight digits") << "id" << "12a34567890" << "12345678";
        QTest::newRow("job name: no leading blank") << "jobname" << " Report" << "Report";
        QTest::newRow("job name: no double quote") << "jobname" << "Q\"1 \"report" << "Q1 report";
        QTest::newRow("job name: sixty-four") << "jobname" << QString(65, 'n') << QString(64, 'n');
        QTest::newRow("login name: as the job name") << "login" << " \"ann\" b" << "ann b";
        QTest::newRow("login name: sixty-four") << "login" << QString(70, 'l') << QString(64, 'l');
        QTest::newRow("login password: anything, sixty-four")
            << "password" << "\" x" + QString(70, 'p') << "\" x" + QString(61, 'p');
        QTest::newRow("e-mail: no blank, no quote") << "email" << "a b\"c@d.e" << "abc@d.e";
        QTest::newRow("e-mail: the class's range") << "email" << ",/:;<=>?@" << ",/:;<=>?@";
        QTest::newRow("e-mail: no letters beyond ASCII")
            << "email" << QString::fromUtf8("r\xc3\xa9mi@x.y") << "rmi@x.y";
        QTest::newRow("e-mail: sixty-four") << "email" << QString(70, 'e') << QString(64, 'e');
        QTest::newRow("list ID: eight digits") << "listid" << "0123456789" << "01234567";
        QTest::newRow("description: thirty-one") << "description" << QString(40, 'd') << QString(31, 'd');
    }

    void typing()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        const QHash<QString, QLineEdit *> fields = {
            {"code", m_page->accessCodeEdit},        {"box", m_page->boxNumberEdit},
            {"boxpw", m_page->boxPasswordEdit},      {"id", m_page->accountIdEdit},
            {"jobname", m_page->jobNameEdit},        {"login", m_page->loginNameEdit},
            {"password", m_page->loginPasswordEdit}, {"email", m_page->emailEdit},
            {"listid", m_page->accountEditIdEdit},   {"description", m_page->accountEditDescriptionEdit}};
        QLineEdit *edit = fields.value(field);
        QVERIFY(edit);
        // Only what the field admits is under test here; with accounting
        // off the page empties a typed ID at once.
        edit->setEnabled(true);
        m_page->accountingButton->setChecked(true);
        for (const QChar c : typed) {
            if (c.unicode() < 0x80)
                QTest::keyClick(edit, c.toLatin1());
            else // QTest types ASCII alone
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QCOMPARE(edit->text(), shown);
    }

    // Which sections a printer offers, by the PPD's job features. A file
    // holding a section the printer lacks leaves that section off.
    void sectionsByPrinter_data()
    {
        QTest::addColumn<QStringList>("dropOptions");
        QTest::addColumn<QStringList>("dropLines");
        QTest::addColumn<Lines>("stored");
        QTest::addColumn<bool>("supported");
        QTest::addColumn<QStringList>("enabled"); // of storage, accounting, name, email, login

        const QStringList all = {"storage", "accounting", "name", "email", "login"};
        const Lines common = Lines{{"cJobStore", "True"}, {"ZVCollate1", "ProofHold"}, {"CustomJobName", "Report"}}
            + emailOn("a@b.cd");
        QTest::newRow("every feature") << QStringList() << QStringList() << common << true << all;
        QTest::newRow("no accounting") << QStringList{"ZqManagment"} << QStringList() << common + accountingOn("42")
                                       << true << QStringList{"storage", "name", "email", "login"};
        QTest::newRow("no storage") << QStringList{"ZVCollate1"} << QStringList() << common << true
                                    << QStringList{"accounting", "name", "email", "login"};
        QTest::newRow("no user login") << QStringList() << QStringList{"*SupportsUserLogin"}
                                       << common + loginOn("ann", "pw") << true
                                       << QStringList{"storage", "accounting", "name", "email"};
        QTest::newRow("no e-mail notice") << QStringList() << QStringList{"*JobFinishNotice"} << common << true
                                          << QStringList{"storage", "accounting", "name", "login"};
        QTest::newRow("no custom job name") << QStringList() << QStringList{"*SupportsCustomJobName"} << common
                                            << true << QStringList{"storage", "accounting", "email", "login"};
        QTest::newRow("no job features")
            << QStringList{"ZVCollate1", "ZqManagment"}
            << QStringList{"*SupportsUserLogin", "*JobFinishNotice", "*SupportsCustomJobName", "*SupportsCustomBox",
                           "*SupportsPrivatePrint"}
            << common << false << QStringList();
    }

    void sectionsByPrinter()
    {
        QFETCH(QStringList, dropOptions);
        QFETCH(QStringList, dropLines);
        QFETCH(Lines, stored);
        QFETCH(bool, supported);
        QFETCH(QStringList, enabled);
        load(stored, writeVariant(m_dir, jobPpd, dropOptions, dropLines));
        QCOMPARE(m_page->isSupported(), supported);
        if (!supported)
            return;
        const QList<QPair<QString, QWidget *>> sections = {{"storage", m_page->storageButton},
                                                           {"accounting", m_page->accountingButton},
                                                           {"name", m_page->jobNameCombo},
                                                           {"email", m_page->emailButton},
                                                           {"login", m_page->userLoginButton}};
        QStringList found;
        for (const auto &section : sections) {
            if (section.second->isEnabled())
                found << section.first;
        }
        QCOMPARE(found, enabled);
        if (!enabled.contains("accounting"))
            QVERIFY(!m_page->accountingButton->isChecked());
        if (!enabled.contains("login")) {
            QVERIFY(!m_page->userLoginButton->isChecked());
            QVERIFY(!m_page->loginNameEdit->isEnabled());
            QVERIFY(m_page->loginNameEdit->text().isEmpty());
        }
        if (!enabled.contains("email")) {
            QVERIFY(!m_page->emailButton->isChecked());
            QVERIFY(!m_page->emailEdit->isEnabled());
        }
        if (!enabled.contains("name"))
            QVERIFY(!m_page->overwriteCombo->isEnabled());
        QVERIFY(m_pass->consistent);
    }

    // The storage device on the printer page decides what may be stored.
    void storageChoicesByDevice_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("attributes"); // of the box and private print, which are kept
        QTest::addColumn<QStringList>("offered");

        const QStringList plain = {"Proof and hold", "Job storage"};
        const QStringList both = plain + QStringList{"Private print", "Custom box"};
        QTest::newRow("hard disk") << "HardDisk" << "both" << both;
        QTest::newRow("solid state drive") << "SSDrive" << "both" << both;
        QTest::newRow("another device") << "USBStick" << "both" << plain + QStringList{"Private print"};
        QTest::newRow("no device") << "None" << "both" << plain;
        QTest::newRow("no custom boxes") << "SSDrive" << "private" << plain + QStringList{"Private print"};
        QTest::newRow("private print not exactly True") << "SSDrive" << "box" << plain + QStringList{"Custom box"};
        QTest::newRow("private print not exactly True, another device") << "USBStick" << "box" << plain;
    }

    void storageChoicesByDevice()
    {
        QFETCH(QString, device);
        QFETCH(QString, attributes);
        QFETCH(QStringList, offered);
        Edits edits = {
            {"*Option18 SSDrive/Solid State Drive: \"\"",
             "*Option18 SSDrive/Solid State Drive: \"\"\n*Option18 USBStick/USB Stick: \"\""}};
        QStringList onHardDisk = {"Proof and hold", "Job storage", "Private print", "Custom box"};
        if (attributes == QLatin1String("private")) {
            edits << qMakePair(QStringLiteral("*SupportsCustomBox: True\n"), QString());
            onHardDisk.removeAll("Custom box");
        }
        if (attributes == QLatin1String("box")) {
            edits << qMakePair(QStringLiteral("*SupportsPrivatePrint: \"True\""),
                               QStringLiteral("*SupportsPrivatePrint: \"true\""));
            onHardDisk.removeAll("Private print");
        }
        load({}, writeEdited(m_dir, edits));
        QCOMPARE(markedName("Option18"), QStringLiteral("HardDisk"));
        QCOMPARE(items(m_page->storageCombo), onHardDisk);

        // Shown when the device changes: a withdrawn item gives way to the first.
        const QString shown = onHardDisk.last();
        storageOn(shown);
        currentOptionStore->selectChoice(QStringLiteral("Option18"), device);
        m_pass->setConstraints();
        QCOMPARE(items(m_page->storageCombo), offered);
        QCOMPARE(m_page->storageCombo->currentText(), offered.contains(shown) ? shown : offered.first());

        currentOptionStore->selectChoice(QStringLiteral("Option18"), QStringLiteral("HardDisk"));
        m_pass->setConstraints();
        QCOMPARE(items(m_page->storageCombo), onHardDisk);
    }

    // Each storage check: what is marked on "Job settings:" and whether OK
    // and Apply would be kept off.
    void storageChecks_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("conflict");

        QTest::newRow("stored job, no code") << "Job storage" << "" << "" << "" << false;
        QTest::newRow("stored job, two digits") << "Job storage" << "12" << "" << msgAccessCode << true;
        QTest::newRow("stored job, four digits") << "Job storage" << "1234" << "" << "" << false;
        QTest::newRow("stored job, letters go") << "Job storage" << "1a2b" << "" << msgAccessCode << true;
        QTest::newRow("private print, no code") << "Private print" << "" << "" << msgAccessCode << true;
        QTest::newRow("private print, three digits") << "Private print" << "123" << "" << msgAccessCode << true;
        QTest::newRow("private print, four digits") << "Private print" << "0000" << "" << "" << false;
        QTest::newRow("custom box, empty") << "Custom box" << "" << "" << msgBox << true;
        QTest::newRow("custom box 0") << "Custom box" << "" << "0" << msgBox << true;
        QTest::newRow("custom box 0000") << "Custom box" << "" << "0000" << msgBox << true;
        QTest::newRow("custom box 1") << "Custom box" << "" << "1" << "" << false;
        QTest::newRow("custom box 1000") << "Custom box" << "" << "1000" << "" << false;
        QTest::newRow("custom box 1001") << "Custom box" << "" << "1001" << msgBox << true;
        QTest::newRow("proof and hold asks nothing") << "Proof and hold" << "" << "" << "" << false;
    }

    void storageChecks()
    {
        QFETCH(QString, item);
        QFETCH(QString, code);
        QFETCH(QString, box);
        QFETCH(QString, message);
        QFETCH(bool, conflict);
        load();
        QVERIFY(m_pass->consistent);
        storageOn(item);
        const bool wantsCode = item == QLatin1String("Job storage") || item == QLatin1String("Private print");
        QCOMPARE(m_page->accessCodeEdit->isVisibleTo(m_page), wantsCode);
        QCOMPARE(m_page->boxNumberEdit->isVisibleTo(m_page), item == QLatin1String("Custom box"));
        if (!code.isEmpty())
            type(m_page->accessCodeEdit, code);
        if (!box.isEmpty())
            type(m_page->boxNumberEdit, box);
        // The pass keeps the code's digits alone.
        QCOMPARE(m_page->accessCodeEdit->text(), QString(code).remove(QRegularExpression("[^0-9]")));
        verifyMark(m_page->jobSettingsLabel, message);
        QCOMPARE(m_pass->consistent, !conflict);

        // Off, nothing is checked and the fields stay as typed, hidden.
        const QString typedCode = m_page->accessCodeEdit->text();
        click(m_page->storageButton);
        QCOMPARE(m_page->storageCombo->currentText(), QStringLiteral("Proof and hold"));
        QCOMPARE(markedName("ZVCollate1"), QStringLiteral("None"));
        QVERIFY(!m_page->accessCodeEdit->isVisibleTo(m_page));
        QVERIFY(!m_page->boxNumberEdit->isVisibleTo(m_page));
        QCOMPARE(m_page->accessCodeEdit->text(), typedCode);
        verifyMark(m_page->jobSettingsLabel, QString());
        QVERIFY(m_pass->consistent);
    }

    void emailChecks_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("message"); // on the caption
        QTest::addColumn<bool>("red");        // the double-quote message shown
        QTest::addColumn<bool>("conflict");

        QTest::newRow("empty") << "" << msgEmailEmpty << false << true;
        QTest::newRow("no @, with a blank") << "ann example" << msgFormat << false << true;
        QTest::newRow("blank") << "ann @example.com" << msgSpaces << false << true;
        QTest::newRow("accent") << QString::fromUtf8("ren\xc3\xa9@example.com") << msgAscii << false << true;
        QTest::newRow("@ first") << "@example.com" << msgFormat << false << true;
        QTest::newRow("@ last") << "ann@" << msgFormat << false << true;
        QTest::newRow("two @") << "ann@b@example.com" << msgFormat << false << true;
        QTest::newRow("dot before @") << "ann.@example.com" << msgFormat << false << true;
        QTest::newRow("dot first") << ".ann@example.com" << msgFormat << false << true;
        QTest::newRow("two dots") << "ann@example..com" << msgFormat << false << true;
        QTest::newRow("no dot after @") << "a.nn@example" << msgFormat << false << true;
        QTest::newRow("dot last") << "ann@example.com." << msgFormat << false << true;
        QTest::newRow("good") << "a@b.c" << "" << false << false;
        // A double quote is marked in red only, and is no conflict.
        QTest::newRow("double quote") << "a\"b@c.d" << "" << true << false;
        // The whole stored text is judged and kept, however long: its first
        // 128 bytes alone would pass.
        QTest::newRow("longer than 128 bytes")
            << "a@" + QString(122, 'b') + ".com" + QString(12, 'm') << msgFormat << false << true;
    }

    void emailChecks()
    {
        QFETCH(QString, address);
        QFETCH(QString, message);
        QFETCH(bool, red);
        QFETCH(bool, conflict);
        // Stored, as a hand-written file or an older panel may hold it; an
        // empty address is typed (stored empty, the notice reads as off).
        load(address.isEmpty() ? emailOff : emailOn(address));
        if (address.isEmpty()) {
            click(m_page->emailButton);
            QVERIFY(m_page->emailButton->isChecked());
        }
        QCOMPARE(m_page->emailEdit->text(), address);
        verifyMark(m_page->emailLabel, message);
        QCOMPARE(m_page->emailErrorLabel->isVisibleTo(m_page), red);
        if (red)
            QCOMPARE(m_page->emailErrorLabel->text(), msgQuote);
        QCOMPARE(m_pass->consistent, !conflict);
        QCOMPARE(extras().value("EMailNotification"), address);

        // Put right by hand: no mark, no red message.
        m_page->emailEdit->setText(QStringLiteral("ann@example.com"));
        verifyMark(m_page->emailLabel, QString());
        QVERIFY(!m_page->emailErrorLabel->isVisibleTo(m_page));
        QVERIFY(m_pass->consistent);
        // Switching the notice off or on empties the address.
        click(m_page->emailButton);
        QVERIFY(m_page->emailEdit->text().isEmpty());
        QVERIFY(!m_page->emailEdit->isEnabled());
        click(m_page->emailButton);
        QVERIFY(m_page->emailEdit->isEnabled());
        QVERIFY(m_page->emailEdit->text().isEmpty());
        verifyMark(m_page->emailLabel, msgEmailEmpty);
        QVERIFY(!m_pass->consistent);
    }

    void jobNameChecks_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("conflict");

        QTest::newRow("application defined") << 0 << "" << "" << false;
        QTest::newRow("custom, empty") << 1 << "" << msgJobName << true;
        QTest::newRow("custom, blanks only: no mark, still a conflict") << 1 << "   " << "" << true;
        QTest::newRow("custom, a name") << 1 << "Monthly report" << "" << false;
    }

    void jobNameChecks()
    {
        QFETCH(int, choice);
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(bool, conflict);
        load();
        m_page->jobNameCombo->setCurrentIndex(choice);
        QCOMPARE(m_page->jobNameEdit->isEnabled(), choice == 1);
        // Set, not typed: the field refuses a leading blank.
        m_page->jobNameEdit->setText(name);
        m_pass->setConstraints();
        verifyMark(m_page->jobNameLabel, message);
        QCOMPARE(m_pass->consistent, !conflict);
        m_page->jobNameCombo->setCurrentIndex(0);
        QVERIFY(!m_page->jobNameEdit->isEnabled());
        QVERIFY(m_page->jobNameEdit->text().isEmpty());
        verifyMark(m_page->jobNameLabel, QString());
        QVERIFY(m_pass->consistent);
    }

    void accountChecks_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("message");

        QTest::newRow("typed, empty") << 0 << "" << QStringList() << msgAccountId;
        QTest::newRow("typed") << 0 << "4711" << QStringList() << "";
        QTest::newRow("from an empty list") << 1 << "" << QStringList() << msgAccountList;
        QTest::newRow("from the list") << 1 << "" << QStringList{"CustomAccountIDStore=9=Nine"} << "";
    }

    void accountChecks()
    {
        QFETCH(int, mode);
        QFETCH(QString, typed);
        QFETCH(QStringList, listed);
        QFETCH(QString, message);
        Lines stored = accountingOff;
        for (const QString &line : listed)
            stored << qMakePair(line.section('=', 0, 0), line.section('=', 1));
        load(stored);
        QVERIFY(!m_page->accountingButton->isChecked());
        click(m_page->accountingButton);
        QVERIFY(m_page->accountingButton->isChecked());
        m_page->accountModeCombo->setCurrentIndex(1 - mode);
        m_page->accountModeCombo->setCurrentIndex(mode);
        QCOMPARE(m_page->accountIdEdit->isVisibleTo(m_page), mode == 0);
        QCOMPARE(m_page->accountIdCombo->isVisibleTo(m_page), mode == 1);
        QCOMPARE(m_page->accountListButton->isVisibleTo(m_page), mode == 1);
        if (!typed.isEmpty())
            type(m_page->accountIdEdit, typed);
        verifyMark(m_page->accountingLabel, message);
        QCOMPARE(m_pass->consistent, message.isEmpty());
        const QMultiHash<QString, QString> extra(m_page->getExtraOptions());
        // Without an ID neither key is written.
        QCOMPARE(extra.contains("ZqManagment"), message.isEmpty());
        QCOMPARE(extra.contains("CustomAccountID"), message.isEmpty());

        // Off, the typed ID goes and nothing is marked.
        if (mode == 1)
            m_page->accountModeCombo->setCurrentIndex(0);
        QTest::keyClicks(m_page->accountIdEdit, QStringLiteral("77"));
        click(m_page->accountingButton);
        QVERIFY(m_page->accountIdEdit->text().isEmpty());
        verifyMark(m_page->accountingLabel, QString());
        QVERIFY(m_pass->consistent);
        QCOMPARE(extras().values("ZqManagment"),
                 QStringList{"Default"});
    }

    void loginChecks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("conflict");

        QTest::newRow("empty name") << "" << "pw" << msgUserName << true;
        QTest::newRow("name, empty password") << "ann" << "" << "" << false;
        QTest::newRow("double quote in the name") << "an\"n" << "pw" << msgQuote << false;
        QTest::newRow("double quote in the password") << "ann" << "p\"w" << msgQuote << false;
        QTest::newRow("double quote and no name: a name is missing") << "" << "\"" << msgQuote << true;
    }

    void loginChecks()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, message);
        QFETCH(bool, conflict);
        load();
        QVERIFY(!m_page->loginNameEdit->isEnabled());
        click(m_page->userLoginButton);
        QVERIFY(m_page->loginNameEdit->isEnabled());
        QVERIFY(m_page->loginPasswordEdit->isEnabled());
        // The name is set (the field refuses a double quote as typed); the
        // password is typed, which checks the name again.
        m_page->loginNameEdit->setText(name);
        type(m_page->loginPasswordEdit, password);
        verifyMark(m_page->userLoginLabel, message);
        QCOMPARE(m_pass->consistent, !conflict);

        click(m_page->userLoginButton);
        QVERIFY(m_page->loginNameEdit->text().isEmpty());
        QVERIFY(m_page->loginPasswordEdit->text().isEmpty());
        QVERIFY(!m_page->loginNameEdit->isEnabled());
        verifyMark(m_page->userLoginLabel, QString());
        QVERIFY(m_pass->consistent);
        QCOMPARE(extras().values("UserLogin"), QStringList{"False"});
    }

    // Files as Apply writes them: read into the widgets, and written back the
    // same, line for line.
    void storedRoundTrip_data()
    {
        QTest::addColumn<Lines>("stored");
        QTest::addColumn<QStringList>("shown");

        QTest::newRow("everything off")
            << storageOff + accountingOff + jobNameOff + emailOff + loginOff
            << QStringList{"storage=off", "accounting=off", "list=", "name=Application defined",
                           "date=Use job name + date and time", "email=off", "login=off"};
        QTest::newRow("stored job with a code, typed ID, custom name, replace, notice")
            << Lines{{"cJobStore", "True"}, {"ZVCollate1", "JobStorage"}, {"JobStorage", "True"},
                     {"AccessCode", "4711"}}
                   + accountingOn("12345")
                   + Lines{{"CustomJobName", "Monthly report"}, {"ReplaceJob", "true"}, {"JobDate", "false"},
                           {"JobDate", "false"}}
                   + emailOn("ann@example.com") + loginOff
            << QStringList{"storage=Job storage", "code=4711", "accounting=typed 12345", "list=",
                           "name=Custom:Monthly report", "date=Replace existing file", "email=ann@example.com",
                           "login=off"};
        QTest::newRow("stored job without a code, ID from the list")
            << Lines{{"cJobStore", "True"}, {"ZVCollate1", "JobStorage"}, {"JobStorage", "True"}}
                   + accountingOn("9")
                   + Lines{{"CustomAccountIDStore", "10=Ten"}, {"CustomAccountIDStore", "9=Nine"},
                           {"CustomAccountIDStore", "100="}}
                   + jobNameOff + emailOff + loginOff
            << QStringList{"storage=Job storage", "code=", "accounting=listed 9", "list=10,100,9",
                           "name=Application defined", "date=Use job name + date and time", "email=off",
                           "login=off"};
        QTest::newRow("private print, login with backslashes")
            << Lines{{"cJobStore", "True"}, {"ZVCollate1", "Custom1"}, {"PrivatePrint", "True"},
                     {"AccessCode", "0815"}}
                   + accountingOff + jobNameOff + emailOff + loginOn("DOM\\ann", "a\\\\b")
            << QStringList{"storage=Private print", "code=0815", "accounting=off", "list=",
                           "name=Application defined", "date=Use job name + date and time", "email=off",
                           "login=DOM\\ann/a\\\\b"};
        QTest::newRow("custom box")
            << Lines{{"cJobStore", "True"}, {"ZVCollate1", "Custom2"}, {"CustomBox", "0007"},
                     {"CustomBoxPassword", "boxpw"}}
                   + accountingOff + jobNameOff + emailOff + loginOff
            << QStringList{"storage=Custom box", "box=0007/boxpw", "accounting=off", "list=",
                           "name=Application defined", "date=Use job name + date and time", "email=off",
                           "login=off"};
        QTest::newRow("proof and hold")
            << Lines{{"cJobStore", "True"}, {"ZVCollate1", "ProofHold"}} + accountingOff + jobNameOff + emailOff
                   + loginOff
            << QStringList{"storage=Proof and hold", "accounting=off", "list=", "name=Application defined",
                           "date=Use job name + date and time", "email=off", "login=off"};
    }

    void storedRoundTrip()
    {
        QFETCH(Lines, stored);
        QFETCH(QStringList, shown);
        load(stored);
        QCOMPARE(state(), shown);
        QVERIFY(m_pass->consistent);
        QCOMPARE(sortedLines(snapshotOf(*m_page)), asLines(stored));
        reloadFromSnapshot();
        QCOMPARE(state(), shown);
        QCOMPARE(sortedLines(snapshotOf(*m_page)), asLines(stored));
    }

    // The loaders' rules for files the panel does not write itself, and for
    // printers' own defaults.
    void loadingRules_data()
    {
        QTest::addColumn<Edits>("ppdEdits");
        QTest::addColumn<Lines>("stored");
        QTest::addColumn<QStringList>("shown");

        const QString rest = QStringLiteral("date=Use job name + date and time");
        QTest::newRow("no file") << Edits() << Lines()
                                 << QStringList{"storage=off", "accounting=off", "list=", "name=Application defined",
                                                rest, "email=off", "login=off"};
        QTest::newRow("notice stored off stays off")
            << Edits() << Lines{{"cEmail", "True"}, {"EMailNotification", "off"}}
            << QStringList{"storage=off", "accounting=off", "list=", "name=Application defined", rest, "email=off",
                           "login=off"};
        QTest::newRow("notice stored False stays off")
            << Edits() << Lines{{"cEmail", "True"}, {"EMailNotification", "False"}}
            << QStringList{"storage=off", "accounting=off", "list=", "name=Application defined", rest, "email=off",
                           "login=off"};
        QTest::newRow("accounting Default without an ID")
            << Edits() << Lines{{"cJobAccount", "True"}, {"ZqManagment", "Default"}}
            << QStringList{"storage=off", "accounting=off", "list=", "name=Application defined", rest, "email=off",
                           "login=off"};
        QTest::newRow("unlisted ID taken as typed, as it stands")
            << Edits() << Lines{{"ZqManagment", "12ab"}, {"CustomAccountID", "12ab"}}
            << QStringList{"storage=off", "accounting=typed 12ab", "list=", "name=Application defined", rest,
                           "email=off", "login=off"};
        QTest::newRow("list entries: no '=', '=' in a description, a repeated ID")
            << Edits()
            << Lines{{"CustomAccountIDStore", "5"}, {"CustomAccountIDStore", "6=a=b"}, {"CustomAccountIDStore", "7=x"},
                     {"CustomAccountIDStore", "7=y"}, {"CustomAccountID", "6"}}
            << QStringList{"storage=off", "accounting=listed 6", "list=5,6,7", "name=Application defined", rest,
                           "email=off", "login=off"};
        // libcups renames choices that start with "Custom." ("_Custom."), so
        // these defaults use other names; the first seven characters of a job
        // name default are dropped whatever they are.
        QTest::newRow("printer's accounting default names an ID")
            << Edits{{"*DefaultZqManagment: Default", "*DefaultZqManagment: MG4711"},
                     {"*ZqManagment Default/Off: \"\"", "*ZqManagment Default/Off: \"\"\n*ZqManagment MG4711/Account 4711: \"\""}}
            << Lines()
            << QStringList{"storage=off", "accounting=typed 4711", "list=", "name=Application defined", rest,
                           "email=off", "login=off"};
        QTest::newRow("printer's job name default")
            << Edits{{"*DefaultJobName: off", "*DefaultJobName: Report.Scans"},
                     {"*JobName off/Application defined: \"\"", "*JobName off/Application defined: \"\"\n*JobName Report.Scans/Scans: \"\""}}
            << Lines() << QStringList{"storage=off", "accounting=off", "list=", "name=Custom:Scans", rest, "email=off",
                                      "login=off"};
        QTest::newRow("printer's job name default, date stored")
            << Edits{{"*DefaultJobName: off", "*DefaultJobName: Report.Scans"},
                     {"*JobName off/Application defined: \"\"", "*JobName off/Application defined: \"\"\n*JobName Report.Scans/Scans: \"\""}}
            << Lines{{"JobDate", "true"}}
            << QStringList{"storage=off", "accounting=off", "list=", "name=Application defined", rest, "email=off",
                           "login=off"};
        QTest::newRow("printer replaces files by default")
            << Edits{{"*DefaultJobDate: true", "*DefaultJobDate: false"}} << Lines()
            << QStringList{"storage=off", "accounting=off", "list=", "name=Application defined",
                           "date=Replace existing file", "email=off", "login=off"};
        QTest::newRow("printer stores jobs by default")
            << Edits{{"*DefaultZVCollate1: None", "*DefaultZVCollate1: JobStorage"}} << Lines()
            << QStringList{"storage=Job storage", "code=", "accounting=off", "list=", "name=Application defined",
                           rest, "email=off", "login=off"};
        QTest::newRow("box number stored short")
            << Edits() << Lines{{"cJobStore", "True"}, {"ZVCollate1", "Custom2"}, {"CustomBox", "7"}}
            << QStringList{"storage=Custom box", "box=7/", "accounting=off", "list=", "name=Application defined",
                           rest, "email=off", "login=off"};
        QTest::newRow("login name without a password")
            << Edits() << Lines{{"UserLoginName", encodeStoredSecret("ann")}}
            << QStringList{"storage=off", "accounting=off", "list=", "name=Application defined", rest, "email=off",
                           "login=ann/"};
    }

    void loadingRules()
    {
        QFETCH(Edits, ppdEdits);
        QFETCH(Lines, stored);
        QFETCH(QStringList, shown);
        load(stored, ppdEdits.isEmpty() ? fixturePath(jobPpd) : writeEdited(m_dir, ppdEdits));
        QCOMPARE(state(), shown);
    }

    // The page's own keys for each storage state.
    void storageKeys_data()
    {
        QTest::addColumn<QString>("item"); // empty: storage off
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("keys");   // every storage key of the snapshot
        QTest::addColumn<QString>("boxShown");   // the box number field afterwards

        QTest::newRow("off") << "" << "" << "" << QStringList{"ZVCollate1=None", "cJobStore=False"} << "";
        QTest::newRow("stored job, no code")
            << "Job storage" << "" << ""
            << QStringList{"JobStorage=True", "ZVCollate1=JobStorage", "cJobStore=True"} << "";
        QTest::newRow("private print, no code: written empty")
            << "Private print" << "" << ""
            << QStringList{"AccessCode=", "PrivatePrint=True", "ZVCollate1=Custom1", "cJobStore=True"} << "";
        QTest::newRow("box 7 is written 0007")
            << "Custom box" << "" << "7"
            << QStringList{"CustomBox=0007", "CustomBoxPassword=", "ZVCollate1=Custom2", "cJobStore=True"} << "0007";
        QTest::newRow("empty box is written 0000")
            << "Custom box" << "" << ""
            << QStringList{"CustomBox=0000", "CustomBoxPassword=", "ZVCollate1=Custom2", "cJobStore=True"} << "0000";
    }

    void storageKeys()
    {
        QFETCH(QString, item);
        QFETCH(QString, code);
        QFETCH(QString, box);
        QFETCH(QStringList, keys);
        QFETCH(QString, boxShown);
        load();
        if (!item.isEmpty())
            storageOn(item);
        if (!code.isEmpty())
            type(m_page->accessCodeEdit, code);
        if (!box.isEmpty())
            type(m_page->boxNumberEdit, box);
        const QSet<QString> storageKeys = {"ZVCollate1", "cJobStore", "JobStorage", "PrivatePrint",
                                           "AccessCode", "CustomBox", "CustomBoxPassword"};
        QStringList found;
        const QMultiHash<QString, QString> snapshot = snapshotOf(*m_page);
        for (auto it = snapshot.constBegin(); it != snapshot.constEnd(); ++it) {
            if (storageKeys.contains(it.key()))
                found << it.key() + "=" + it.value();
        }
        found.sort();
        QCOMPARE(found, keys);
        QCOMPARE(m_page->boxNumberEdit->text(), boxShown);
    }

    // Another printer's or profile's storage fields do not show, nor get
    // saved, where the file holds none.
    void storageFieldsStartEmpty()
    {
        const Lines jobStorage = {{"cJobStore", "True"}, {"ZVCollate1", "JobStorage"}, {"JobStorage", "True"}};
        load(jobStorage + Lines{{"AccessCode", "4711"}});
        QCOMPARE(m_page->accessCodeEdit->text(), QStringLiteral("4711"));
        load(Lines{{"cJobStore", "True"}, {"ZVCollate1", "Custom2"}, {"CustomBox", "0012"},
                   {"CustomBoxPassword", "pw"}});
        load(jobStorage);
        QVERIFY(m_page->accessCodeEdit->text().isEmpty());
        QVERIFY(m_page->boxNumberEdit->text().isEmpty());
        QVERIFY(m_page->boxPasswordEdit->text().isEmpty());
        QVERIFY(!snapshotOf(*m_page).contains("AccessCode"));
    }

    // The login as stored: the outside tools' hex, and the same texts back.
    void loginEncryption_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("nameDigits");
        QTest::addColumn<int>("passwordDigits");

        QTest::newRow("plain") << "ann" << "s3cret" << 32 << 32;
        QTest::newRow("empty password") << "ann" << "" << 32 << 32;
        QTest::newRow("empty name") << "" << "pw" << 32 << 32;
        QTest::newRow("15 bytes: two blocks") << "abcdefghijklmno" << "abcdefghijklmn" << 64 << 32;
        QTest::newRow("a backslash") << "DOM\\ann" << "pa\\ss" << 32 << 32;
        QTest::newRow("two backslashes") << "\\\\server" << "\\\\" << 32 << 32;
        QTest::newRow("non-ASCII") << QString::fromUtf8("J\xc3\xbcrgen") << QString::fromUtf8("\xe2\x82\xac-pw") << 32
                                   << 32;
        QTest::newRow("blanks and equals") << " ann = b " << "=" << 32 << 32;
    }

    void loginEncryption()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(int, nameDigits);
        QFETCH(int, passwordDigits);
        load();
        click(m_page->userLoginButton);
        m_page->loginNameEdit->setText(name);
        m_page->loginPasswordEdit->setText(password);
        const QMultiHash<QString, QString> extra(m_page->getExtraOptions());
        const QString storedName = extra.value("UserLoginName");
        const QString storedPassword = extra.value("UserLoginPass");
        const QString expectedName = oracleFor(name);
        QVERIFY2(!expectedName.isEmpty(), "the oracle (python3, openssl) could not run");
        QCOMPARE(storedName, expectedName);
        QCOMPARE(storedPassword, oracleFor(password));
        QCOMPARE(storedName.size(), nameDigits);
        QCOMPARE(storedPassword.size(), passwordDigits);
        QCOMPARE(extra.values("UserLogin"), QStringList{"True"});

        reloadFromSnapshot();
        QVERIFY(m_page->userLoginButton->isChecked());
        QCOMPARE(m_page->loginNameEdit->text(), name);
        QCOMPARE(m_page->loginPasswordEdit->text(), password);
    }

    // The text's own UTF-8 is encrypted, not the locale's encoding of it,
    // since UTF-8 is what the reader decodes.
    void loginEncryptedAsUtf8InAnyLocale()
    {
        QTextCodec *before = QTextCodec::codecForLocale();
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
        load();
        click(m_page->userLoginButton);
        const QString name = QString::fromUtf8("Z\xc3\xbcrich");
        m_page->loginNameEdit->setText(name);
        const QString stored = extras().value("UserLoginName");
        QTextCodec::setCodecForLocale(before);
        QCOMPARE(stored, oracleFor(name));
        QCOMPARE(decodeStoredSecret(stored), name);
    }

    // Stored values that do not decrypt leave their field empty.
    void tamperedLogin_data()
    {
        QTest::addColumn<QString>("nameValue");
        QTest::addColumn<QString>("passwordValue");
        QTest::addColumn<QString>("shown");

        const QString name = encodeStoredSecret(QStringLiteral("abcdefghijklmno")); // 64 digits
        const QString password = encodeStoredSecret(QStringLiteral("pw"));
        QString lastByte = name;
        lastByte[63] = lastByte[63] == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');
        QTest::newRow("intact") << name << password << "abcdefghijklmno/pw";
        QTest::newRow("odd number of digits") << name.left(63) << password << "/pw";
        QTest::newRow("not whole blocks") << name + "00" << password << "/pw";
        QTest::newRow("half a block") << name.left(16) << password << "/pw";
        QTest::newRow("last byte changed: bad padding") << lastByte << password << "/pw";
        QTest::newRow("not hex") << QString(32, 'z') << password << "/pw";
        QTest::newRow("very long") << QString(4096, 'a') << password << "/pw";
        QTest::newRow("password tampered") << name << password.left(30) << "abcdefghijklmno/";
    }

    void tamperedLogin()
    {
        QFETCH(QString, nameValue);
        QFETCH(QString, passwordValue);
        QFETCH(QString, shown);
        load(Lines{{"cUserLogin", "True"}, {"UserLogin", "True"}, {"UserLoginName", nameValue},
                   {"UserLoginPass", passwordValue}});
        // On because a name is stored, whatever it decrypts to.
        QVERIFY(m_page->userLoginButton->isChecked());
        QCOMPARE(m_page->loginNameEdit->text() + "/" + m_page->loginPasswordEdit->text(), shown);
    }

    // Marks come off whole: captions do not grow pass by pass.
    void marksLeaveCaptionsAsTheyWere()
    {
        load();
        QList<QLabel *> captions = {m_page->accountingLabel, m_page->jobNameLabel, m_page->emailLabel,
                                    m_page->userLoginLabel};
        QStringList before;
        for (QLabel *caption : captions)
            before << caption->text();
        pick(m_page->jobNameCombo, QStringLiteral("Custom"));
        click(m_page->emailButton);
        click(m_page->userLoginButton);
        for (int pass = 0; pass < 3; ++pass)
            m_pass->setConstraints();
        QCOMPARE(m_page->userLoginLabel->text().count(errorImage), 1);
        // Login and accounting exclude each other.
        click(m_page->userLoginButton);
        QCOMPARE(m_page->userLoginLabel->text(), before.last());
        click(m_page->accountingButton);
        m_page->accountModeCombo->setCurrentIndex(0);
        for (int pass = 0; pass < 3; ++pass)
            m_pass->setConstraints();
        for (int i = 0; i < captions.size() - 1; ++i)
            QCOMPARE(captions.at(i)->text().count(errorImage), 1);
        m_page->clearConflictMarks();
        for (int i = 0; i < captions.size(); ++i)
            QCOMPARE(captions.at(i)->text(), before.at(i));
    }

    // The list dialog: entries added, refused, changed and deleted, sorted as
    // texts, committed only by OK.
    void accountIdList()
    {
        BoxRecorder boxes;
        load(Lines{{"CustomAccountIDStore", "20=Sales"}});
        click(m_page->accountingButton);
        m_page->accountModeCombo->setCurrentIndex(1);
        QVERIFY(m_page->accountListButton->isEnabled());
        m_page->accountListButton->click();
        QVERIFY(m_page->accountListDialog->isVisible());
        QCOMPARE(tableRows(), QStringList{"20=Sales"});
        QVERIFY(!m_page->editAccountButton->isEnabled());
        QVERIFY(!m_page->deleteAccountButton->isEnabled());
        QVERIFY(m_page->newAccountButton->isEnabled());

        addAccount("9", "Nine");
        QVERIFY(!m_page->accountEditDialog->isVisible());
        addAccount("100", "x=y");
        QCOMPARE(tableRows(), QStringList({"100=x=y", "20=Sales", "9=Nine"}));

        // Refused, with the dialog left open as it was.
        addAccount("9", "again");
        QCOMPARE(boxes.boxes, QStringList{"Account ID Error|This Account ID already exists."});
        QVERIFY(m_page->accountEditDialog->isVisible());
        QCOMPARE(m_page->accountEditIdEdit->text(), QStringLiteral("9"));
        m_page->accountEditButtons->button(QDialogButtonBox::Cancel)->click();
        addAccount("", "no ID");
        QCOMPARE(boxes.boxes.last(), QStringLiteral("Account ID Error|Account ID must be 1 to 8 numbers in length"));
        m_page->accountEditButtons->button(QDialogButtonBox::Cancel)->click();
        QCOMPARE(tableRows(), QStringList({"100=x=y", "20=Sales", "9=Nine"}));

        // Edit: a new description keeps the ID; a new ID replaces the entry;
        // an ID that is listed already is refused.
        m_page->accountTable->setCurrentCell(rowOf("20"), 0);
        QVERIFY(m_page->editAccountButton->isEnabled());
        m_page->editAccountButton->click();
        QCOMPARE(m_page->accountEditDialog->windowTitle(), QStringLiteral("Edit Account ID"));
        QCOMPARE(m_page->accountEditDescriptionEdit->text(), QStringLiteral("Sales"));
        type(m_page->accountEditDescriptionEdit, "Sales team");
        m_page->accountEditButtons->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(tableRows(), QStringList({"100=x=y", "20=Sales team", "9=Nine"}));
        m_page->accountTable->setCurrentCell(rowOf("9"), 1);
        emit m_page->accountTable->cellDoubleClicked(rowOf("9"), 1);
        type(m_page->accountEditIdEdit, "90");
        m_page->accountEditButtons->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(tableRows(), QStringList({"100=x=y", "20=Sales team", "90=Nine"}));
        m_page->accountTable->setCurrentCell(rowOf("90"), 0);
        m_page->editAccountButton->click();
        type(m_page->accountEditIdEdit, "100");
        m_page->accountEditButtons->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(boxes.boxes.last(), QStringLiteral("Account ID Error|This Account ID already exists."));
        m_page->accountEditButtons->button(QDialogButtonBox::Cancel)->click();

        // Nothing is committed before OK.
        QCOMPARE(storedList(), QStringList{"20=Sales"});
        m_page->accountListButtons->button(QDialogButtonBox::Ok)->click();
        QVERIFY(!m_page->accountListDialog->isVisible());
        QCOMPARE(storedList(), QStringList({"100=x=y", "20=Sales team", "90=Nine"}));
        QCOMPARE(items(m_page->accountIdCombo), QStringList({"100", "20", "90"}));
        QCOMPARE(m_page->accountIdCombo->currentText(), QStringLiteral("100"));
        QVERIFY(m_pass->consistent);

        // Delete, then Cancel: the committed list stays, the box shows its
        // first ID again.
        m_page->accountIdCombo->setCurrentIndex(2);
        m_page->accountListButton->click();
        m_page->accountTable->setCurrentCell(rowOf("20"), 0);
        m_page->deleteAccountButton->click();
        QCOMPARE(tableRows(), QStringList({"100=x=y", "90=Nine"}));
        QCOMPARE(m_page->accountIdCombo->currentText(), QStringLiteral("100"));
        m_page->accountListButtons->button(QDialogButtonBox::Cancel)->click();
        QCOMPARE(storedList(), QStringList({"100=x=y", "20=Sales team", "90=Nine"}));
        QCOMPARE(QStringList(boxes.boxes).size(), 3);

        // Saved and read back, description with "=" and all.
        reloadFromSnapshot();
        QCOMPARE(state().at(1), QStringLiteral("accounting=listed 100"));
        QCOMPARE(storedList(), QStringList({"100=x=y", "20=Sales team", "90=Nine"}));
    }

    // Edit and Delete with no row to act on: nothing happens.
    void accountIdListWithoutCurrentRow()
    {
        load(Lines{{"CustomAccountIDStore", "1=One"}, {"CustomAccountIDStore", "2=Two"}});
        click(m_page->accountingButton);
        m_page->accountModeCombo->setCurrentIndex(1);
        m_page->accountListButton->click();
        QCOMPARE(m_page->accountTable->currentRow(), -1);
        m_page->editCustomAccountID();
        m_page->deleteCustomAccountID();
        m_page->customAccountIDDoubleClicked(7, 3);
        QVERIFY(!m_page->accountEditDialog->isVisible());
        QCOMPARE(tableRows(), QStringList({"1=One", "2=Two"}));

        // After a delete the table is filled afresh and has no current row.
        m_page->accountTable->setCurrentCell(0, 0);
        m_page->deleteCustomAccountID();
        QCOMPARE(tableRows(), QStringList{"2=Two"});
        QVERIFY(!m_page->deleteAccountButton->isEnabled());
        m_page->deleteCustomAccountID();
        m_page->editCustomAccountID();
        QCOMPARE(tableRows(), QStringList{"2=Two"});
        QVERIFY(!m_page->accountEditDialog->isVisible());

        // An empty table.
        m_page->accountTable->setCurrentCell(0, 0);
        m_page->deleteCustomAccountID();
        QCOMPARE(m_page->accountTable->rowCount(), 0);
        m_page->deleteCustomAccountID();
        m_page->editCustomAccountID();
        QVERIFY(!m_page->editAccountButton->isEnabled());
        QVERIFY(!m_page->accountEditDialog->isVisible());
        m_page->accountListButtons->button(QDialogButtonBox::Ok)->click();
        QVERIFY(storedList().isEmpty());
        QVERIFY(!m_pass->consistent);
        QCOMPARE(m_page->accountingLabel->toolTip(), msgAccountList);
    }

    // A printer without accounting keeps writing the list it came with.
    void accountListKeptWithoutAccounting()
    {
        load(accountingOn("9") + Lines{{"CustomAccountIDStore", "9=Nine"}, {"CustomAccountIDStore", "10=Ten"}});
        QCOMPARE(storedList(), QStringList({"10=Ten", "9=Nine"}));
        load(Lines(), writeVariant(m_dir, jobPpd, {"ZqManagment"}));
        QVERIFY(!m_page->accountingButton->isEnabled());
        const QMultiHash<QString, QString> snapshot = snapshotOf(*m_page);
        QVERIFY(!snapshot.contains("ZqManagment"));
        QVERIFY(!snapshot.contains("CustomAccountID"));
        QCOMPARE(storedList(), QStringList({"10=Ten", "9=Nine"}));
        QVERIFY(m_page->accountIdCombo->count() == 0);
    }

    // A new translation pass leaves every combo box at its first item; the
    // job name field keeps its state until the next reload.
    void retranslateResetsTheLists()
    {
        load(Lines{{"CustomJobName", "Report"}, {"ReplaceJob", "true"}, {"JobDate", "false"}}
             + accountingOn("5"));
        QVERIFY(m_page->jobNameEdit->isEnabled());
        int passes = m_pass->passes;
        m_page->retranslateUi();
        QCOMPARE(m_pass->passes, passes);
        QCOMPARE(m_page->jobNameCombo->currentIndex(), 0);
        QCOMPARE(m_page->overwriteCombo->currentIndex(), 0);
        QCOMPARE(m_page->accountModeCombo->currentIndex(), 0);
        QVERIFY(m_page->jobNameEdit->isEnabled());
        QCOMPARE(m_page->accessCodeLabel->text(), QStringLiteral("Access code:"));
        m_page->reload();
        QCOMPARE(m_page->jobNameCombo->currentText(), QStringLiteral("Custom"));
        QCOMPARE(m_page->jobNameEdit->text(), QStringLiteral("Report"));
    }

    // The print-accounting switch on blocks storage, accounting and login.
    void printAccountingBlocksTheJobFeatures()
    {
        load(Lines{{"cJobStore", "True"}, {"ZVCollate1", "ProofHold"}} + accountingOn("5") + loginOn("ann", "pw"));
        QVERIFY(m_page->storageButton->isChecked());
        currentOptionStore->selectChoice(QStringLiteral("TPXToggle"), QStringLiteral("On"));
        m_pass->setConstraints();
        for (ZelCheckBoxButton *button : {m_page->storageButton, m_page->accountingButton, m_page->userLoginButton}) {
            QVERIFY2(!button->isChecked(), qPrintable(button->accessibleName()));
            QVERIFY2(!button->isEnabled(), qPrintable(button->accessibleName()));
        }
        QVERIFY(m_page->emailButton->isEnabled());
        const QMultiHash<QString, QString> snapshot = snapshotOf(*m_page);
        QCOMPARE(snapshot.values("cJobStore"), QStringList{"False"});
        QCOMPARE(snapshot.values("ZqManagment"), QStringList{"Default"});
        QCOMPARE(snapshot.values("UserLogin"), QStringList{"False"});
        QVERIFY(!snapshot.contains("UserLoginName"));
        QVERIFY(m_pass->consistent);
    }
};

QTEST_MAIN(JobTabTest)
#include "tst_jobtab.moc"
