// The print-accounting page through the main dialog, as an ordinary user, on
// the sample queue with the accounting options of the private cupsd, logging
// in to the stand-in HTTPS server: the automatic login of a stored "ON"
// configuration, Verify and its results, stale replies, the server's
// policies on the Basic and Imaging pages, replies too large to take in,
// and the stored keys.
#include "generaltab.h"
#include "imagingtab.h"
#include "memorywatch.h"
#include "tpxpagefixture.h"

#include <QCheckBox>
#include <QRadioButton>

using fixturestore::markedName;
using tpxpage::Panel;
using tpxserver::Reply;

namespace {
const QString unreachable = QStringLiteral("Unable to connect to the server.");
const QString refused = QStringLiteral("Login failed. The user name or password you entered is incorrect.");
const QString mustVerify = QStringLiteral("You must click Verify after making changes.");
const QString accepted = QStringLiteral("Server and user credentials have been authenticated and policies have "
                                        "been applied.\n\nCredentials and policies will be checked again "
                                        "during printing.\n");
}

class TpxDialogTest : public QObject
{
    Q_OBJECT

    Panel panel;

    QStringList storedOn() const { return tpxpage::storedConfig("ON", "127.0.0.1", panel.server.portText()); }
    QStringList storedOff() const { return tpxpage::storedConfig("OFF", QString(), QString()); }

    // Switched on by hand and filled in; nothing verified yet.
    void switchOnAndFillIn()
    {
        panel.open(storedOff());
        panel.switchOn();
        panel.fillIn();
        QVERIFY(panel.blocked());
        QCOMPARE(panel.mark(), mustVerify);
        QVERIFY(panel.page()->verifyButton->isEnabled());
    }

private slots:
    void initTestCase() { panel.prepare(QStringLiteral("tst-tpx")); }
    void cleanupTestCase() { panel.finish(); }
    void init() { QVERIFY(panel.server.forget()); }
    void cleanup() { panel.close(); }

    // A stored "ON" configuration logs in with the stored values when the
    // queue is picked; until the answer comes the page holds its conflict.
    // The answer's policies then force colour, duplex and toner saving.
    void storedOnLogsInByItself_data()
    {
        QTest::addColumn<QString>("fullColor");
        QTest::addColumn<QString>("thriftink");
        QTest::addColumn<QString>("duplex");
        QTest::addColumn<QStringList>("forced"); // ColorModel, Duplex, Thft as marked
        QTest::newRow("no restriction") << "OFF" << "PV.Off" << "PV.Off" << QStringList{"CMYK", "None", "Off"};
        QTest::newRow("all three") << "ON" << "PV.On" << "PV.On" << QStringList{"Gray", "DuplexNoTumble", "Level3"};
        QTest::newRow("duplex only") << "OFF" << "PV.Off" << "PV.On" << QStringList{"CMYK", "DuplexNoTumble", "Off"};
    }

    void storedOnLogsInByItself()
    {
        QFETCH(QString, fullColor);
        QFETCH(QString, thriftink);
        QFETCH(QString, duplex);
        QFETCH(QStringList, forced);
        const QString hold = QString::fromLatin1(QTest::currentDataTag());
        QVERIFY(panel.server.queue(Reply::body(tpxserver::policiesBody(fullColor, thriftink, duplex)).heldAs(hold)));
        panel.open(storedOn());

        QVERIFY(panel.server.waitForRequests(1));
        QCOMPARE(panel.server.requests().first().body, QByteArray("userID=alice&userPWD=s3cret"));
        QVERIFY(panel.blocked());
        QCOMPARE(panel.mark(), unreachable);
        QCOMPARE(markedName("TPXToggle"), QString("On"));

        QSignalSpy colourPolicy(panel.page(), &TPXTab::colorchanged);
        QVERIFY(panel.server.release(hold));
        QVERIFY(panel.waitForReplies(1));
        QVERIFY(panel.applicable());
        QCOMPARE(panel.mark(), QString());
        // An automatic login that succeeds says nothing.
        QCOMPARE(panel.boxes->boxes, QStringList());
        // Monochrome only: the Imaging page drops its colour adjustment.
        QCOMPARE(colourPolicy.count(), fullColor == QLatin1String("ON") ? 1 : 0);

        QCOMPARE(QStringList({markedName("ColorModel"), markedName("Duplex"), markedName("Thft")}), forced);
        GeneralTab *basic = panel.dialog->generalTab;
        ImagingTab *imaging = panel.dialog->imagingTab;
        const bool mono = forced.at(0) == QLatin1String("Gray");
        QCOMPARE(basic->colorModeGroup()->checkedName(), mono ? QString("Black & white") : QString("Full color"));
        QCOMPARE(imaging->colorModeGroup()->checkedName(), basic->colorModeGroup()->checkedName());
        QCOMPARE(basic->colorModeGroup()->isEnabled(), !mono);
        QCOMPARE(basic->duplexGroup->checkedIndex(), forced.at(1) == QLatin1String("None") ? 0 : 1);
        QCOMPARE(imaging->thriftinkGroup()->checkedIndex(), forced.at(2) == QLatin1String("Off") ? 0 : 1);
        QCOMPARE(imaging->thriftinkGroup()->isEnabled(), forced.at(2) == QLatin1String("Off"));
        // What Apply would take over.
        QCOMPARE(basic->getOptions().value("ColorModel"), forced.at(0));
        QCOMPARE(basic->getOptions().value("Duplex"), forced.at(1));
    }

    // Switched on, the job and publishing features that clash with
    // accounting are blocked through the option model's rules.
    void switchingOnBlocksClashingFeatures()
    {
        panel.open(storedOff());
        const QStringList blocked{"cJobAccount", "cUserLogin", "cJobStore", "cCovBut", "cInsBut", "cIntBut"};
        for (const QString &keyword : blocked) {
            QVERIFY2(currentOptionStore->option(keyword), qPrintable(keyword));
            QVERIFY2(!currentOptionStore->option(keyword)->choiceByName("True")->isConstrained(), qPrintable(keyword));
        }
        panel.switchOn();
        QCOMPARE(markedName("TPXToggle"), QString("On"));
        for (const QString &keyword : blocked)
            QVERIFY2(currentOptionStore->option(keyword)->choiceByName("True")->isConstrained(), qPrintable(keyword));
        // The port gets its default; the box and "Continue printing" are chosen.
        QCOMPARE(panel.page()->portEdit->text(), QString("9094"));
        QVERIFY(panel.page()->notificationBox->isChecked());
        QVERIFY(panel.page()->continueButton->isChecked());
        QVERIFY(panel.page()->cancelButton->isEnabled());
        // Empty fields: Verify waits for them.
        QCOMPARE(panel.mark(), QString("Server, Port, and Login user information must be filled out."));
        QVERIFY(!panel.page()->verifyButton->isEnabled());
        QVERIFY(panel.blocked());

        panel.switchOff();
        QVERIFY(panel.applicable());
        QCOMPARE(panel.mark(), QString());
        QVERIFY(!panel.page()->serverEdit->isEnabled());
        QVERIFY(!panel.page()->cancelButton->isEnabled());
        for (const QString &keyword : blocked)
            QVERIFY(!currentOptionStore->option(keyword)->choiceByName("True")->isConstrained());
    }

    // Verify always answers with a box. Only a reply with the server's
    // policies clears the conflict; a failed login of new values leaves them
    // new, still to be verified.
    void verifyShowsItsResult_data()
    {
        QTest::addColumn<Reply>("reply");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("policies") << Reply::body(tpxserver::unrestrictedBody()) << accepted << true;
        // A JSON refusal is no success, whatever the "{" in it.
        QTest::newRow("refusal") << Reply::body(tpxserver::refusalBody()) << refused << false;
        QTest::newRow("print ban") << Reply::body(tpxserver::printBanBody())
                                   << "You do not have permission to print." << true;
        QTest::newRow("HTTP 500") << Reply::body("{\"error\":\"down\"}", 500) << unreachable << false;
        QTest::newRow("JSON without policies")
            << Reply::body("{\"ResultCode\":\"SERVER_BUSY\"}") << "An unspecified error occured." << false;
        QTest::newRow("not JSON") << Reply::body("Service unavailable") << "An unspecified error occured." << false;
        // Only the leading tag goes before the body is read: "<" and ">"
        // inside the server's texts are its own.
        QTest::newRow("angle brackets in the body")
            << Reply::body("{\"Note\":\"a<b\",\"Policies\":{\"JE.FullColorPrint\":\"OFF\"},\"Other\":\"c>d\"}")
            << accepted << true;
    }

    void verifyShowsItsResult()
    {
        QFETCH(Reply, reply);
        QFETCH(QString, box);
        QFETCH(bool, accepted);
        switchOnAndFillIn();
        QVERIFY(panel.server.queue(reply));
        panel.page()->verifyButton->click();
        QVERIFY(panel.waitForReplies(1));
        QCOMPARE(panel.boxes->boxes, QStringList{"Ondrix|" + box});
        QCOMPARE(panel.mark(), accepted ? QString() : mustVerify);
        QCOMPARE(panel.applicable(), accepted);
        QCOMPARE(panel.blocked(), !accepted);
        QCOMPARE(panel.server.requests().first().body, QByteArray("userID=alice&userPWD=s3cret"));
    }

    // The automatic login of the stored values: a box only for a refusal,
    // a print ban or a failure, and the mark says what went wrong.
    void automaticLoginResults_data()
    {
        QTest::addColumn<Reply>("reply");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("leftMark"); // empty: no conflict
        QTest::newRow("policies") << Reply::body(tpxserver::unrestrictedBody()) << QStringList() << QString();
        QTest::newRow("refusal") << Reply::body(tpxserver::refusalBody()) << QStringList{"Ondrix|" + refused}
                                 << refused;
        QTest::newRow("print ban") << Reply::body(tpxserver::printBanBody())
                                   << QStringList{"Ondrix|You do not have permission to print."} << QString();
        QTest::newRow("HTTP 500") << Reply::body("{\"error\":\"down\"}", 500)
                                  << QStringList{"Ondrix|" + unreachable} << unreachable;
        QTest::newRow("not JSON") << Reply::body("Service unavailable") << QStringList() << refused;
    }

    void automaticLoginResults()
    {
        QFETCH(Reply, reply);
        QFETCH(QStringList, boxes);
        QFETCH(QString, leftMark);
        QVERIFY(panel.server.queue(reply));
        panel.open(storedOn());
        QVERIFY(panel.waitForReplies(1));
        QCOMPARE(panel.boxes->boxes, boxes);
        QCOMPARE(panel.mark(), leftMark);
        QCOMPARE(panel.applicable(), leftMark.isEmpty());
        QCOMPARE(panel.blocked(), !leftMark.isEmpty());
    }

    // Picking a queue whose stored login is on, a reply too large to be a
    // real answer is a connection failure: the page says so and forces no
    // policy from it, and an endless one stops flowing before the box opens.
    // The largest reply still taken in is a login like any other.
    void oversizedReplyIsAFailedLogin_data()
    {
        QTest::addColumn<Reply>("reply");
        QTest::addColumn<bool>("endless");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("forced"); // ColorModel, Duplex, Thft as marked
        const Reply restricted = Reply::body(tpxserver::policiesBody("ON", "PV.On", "PV.On"));
        const QStringList policiesForced{"Gray", "DuplexNoTumble", "Level3"};
        const QStringList noneForced{"CMYK", "None", "Off"};
        QTest::newRow("policies padded to the bound")
            << restricted.paddedTo(int(kcurl::maxReplySize)) << false << QStringList() << policiesForced;
        QTest::newRow("one byte over the bound") << restricted.paddedTo(int(kcurl::maxReplySize) + 1) << false
                                                 << QStringList{"Ondrix|" + unreachable} << noneForced;
        QTest::newRow("endless") << restricted.endless() << true << QStringList{"Ondrix|" + unreachable}
                                 << noneForced;
    }

    void oversizedReplyIsAFailedLogin()
    {
        QFETCH(Reply, reply);
        QFETCH(bool, endless);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, forced);
        QVERIFY(memorywatch::residentBytes() > 0);
        QVERIFY(panel.server.queue(reply));
        panel.open(storedOn());
        bool cutOffBeforeTheBox = false;
        panel.boxes->whileShown = [&]() {
            cutOffBeforeTheBox = QTest::qWaitFor([&]() { return panel.server.cutOffs() > 0; }, 5000);
        };
        // Generous, against a bound of 1 MiB: a body taken in without end
        // passes it within a second or two.
        const qint64 ceiling = 256 * 1024 * 1024;
        qint64 growth = 0;
        const bool answered = memorywatch::waitFor([&]() { return panel.replies() >= 1; }, ceiling, 20000, &growth);
        QVERIFY2(growth <= ceiling, qPrintable(QStringLiteral("grew by %1 bytes").arg(growth)));
        QVERIFY(answered);

        QCOMPARE(panel.boxes->boxes, boxes);
        QCOMPARE(panel.mark(), boxes.isEmpty() ? QString() : unreachable);
        QCOMPARE(panel.applicable(), boxes.isEmpty());
        QCOMPARE(QStringList({markedName("ColorModel"), markedName("Duplex"), markedName("Thft")}), forced);
        if (endless)
            QVERIFY(cutOffBeforeTheBox);
    }

    // A reply for values the user has changed since is dropped, also when
    // only the password changed: its success is not one for the new values.
    void editedFieldMakesHeldReplyStale_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("added");
        QTest::newRow("server") << "server" << "x";
        QTest::newRow("port") << "port" << "1";
        QTest::newRow("user") << "user" << "x";
        QTest::newRow("password") << "password" << "x";
    }

    void editedFieldMakesHeldReplyStale()
    {
        QFETCH(QString, field);
        QFETCH(QString, added);
        switchOnAndFillIn();
        const QString hold = QStringLiteral("stale-") + field;
        QVERIFY(panel.server.queue(Reply::body(tpxserver::policiesBody("ON", "PV.On", "PV.On")).heldAs(hold)));
        panel.page()->verifyButton->click();
        QVERIFY(panel.server.waitForRequests(1));

        TPXTab *page = panel.page();
        QLineEdit *edited = field == "server" ? page->serverEdit
            : field == "port"                 ? page->portEdit
            : field == "user"                 ? page->userEdit
                                              : page->passwordEdit;
        Panel::type(edited, added, false);
        QVERIFY(panel.server.release(hold));
        QVERIFY(panel.waitForReplies(1));

        QCOMPARE(panel.boxes->boxes, QStringList());
        QCOMPARE(panel.mark(), mustVerify);
        QVERIFY(panel.blocked());
        QCOMPARE(markedName("TPXColorMode"), QString("Off"));
        QCOMPARE(markedName("ColorModel"), QString("CMYK"));
    }

    // Two logins on their way, the second for a changed password: each reply
    // is matched with the values its own login was sent with, so the first
    // one's success does not count for the password shown now.
    void overlappingLoginsAnswerForTheirOwnValues()
    {
        switchOnAndFillIn();
        QVERIFY(panel.server.queue(Reply::body(tpxserver::policiesBody("ON", "PV.On", "PV.On")).heldAs("old")));
        QVERIFY(panel.server.queue(Reply::body(tpxserver::refusalBody()).heldAs("new")));
        panel.page()->verifyButton->click();
        QVERIFY(panel.server.waitForRequests(1));
        Panel::type(panel.page()->passwordEdit, QStringLiteral("2"), false);
        panel.page()->verifyButton->click();
        QVERIFY(panel.server.waitForRequests(2));
        QCOMPARE(panel.server.requests().at(1).body, QByteArray("userID=alice&userPWD=s3cret2"));

        QVERIFY(panel.server.release("old"));
        QVERIFY(panel.waitForReplies(1));
        QCOMPARE(panel.boxes->boxes, QStringList());
        QCOMPARE(panel.mark(), mustVerify);
        QVERIFY(panel.blocked());
        QCOMPARE(markedName("TPXColorMode"), QString("Off"));

        QVERIFY(panel.server.release("new"));
        QVERIFY(panel.waitForReplies(2));
        QCOMPARE(panel.boxes->boxes, QStringList{"Ondrix|" + refused});
        QCOMPARE(panel.mark(), mustVerify);
        QVERIFY(panel.blocked());
    }

    // A reply is matched with the values it was sent with, not with what the
    // tag reads: a server text with ":" in it (an IPv6 address) gets its
    // answers. Nothing listens on port 1, so the answer is a failure.
    void serverTextWithColons()
    {
        panel.open(storedOff());
        panel.switchOn();
        Panel::type(panel.page()->serverEdit, QStringLiteral("[::1]"));
        Panel::type(panel.page()->portEdit, QStringLiteral("1"));
        Panel::type(panel.page()->userEdit, tpxpage::user);
        Panel::type(panel.page()->passwordEdit, tpxpage::password);
        panel.page()->verifyButton->click();
        QVERIFY(panel.waitForReplies(1));
        QCOMPARE(panel.boxes->boxes, QStringList{"Ondrix|" + unreachable});
        QVERIFY(panel.blocked());
    }

    // Switched off while a login is on its way: its answer, success or
    // failure, forces nothing and shows nothing.
    void switchedOffWhileReplyPending_data()
    {
        QTest::addColumn<bool>("fromVerify");
        QTest::addColumn<Reply>("reply");
        const Reply restricted = Reply::body(tpxserver::policiesBody("ON", "PV.On", "PV.On"));
        QTest::newRow("automatic, policies") << false << restricted;
        QTest::newRow("automatic, HTTP 500") << false << Reply::body("{\"error\":\"down\"}", 500);
        QTest::newRow("Verify, policies") << true << restricted;
        QTest::newRow("Verify, refusal") << true << Reply::body(tpxserver::refusalBody());
    }

    void switchedOffWhileReplyPending()
    {
        QFETCH(bool, fromVerify);
        QFETCH(Reply, reply);
        const QString hold = QStringLiteral("off-") + QString::fromLatin1(QTest::currentDataTag());
        QVERIFY(panel.server.queue(reply.heldAs(hold)));
        if (fromVerify) {
            switchOnAndFillIn();
            panel.page()->verifyButton->click();
        } else {
            panel.open(storedOn());
        }
        QVERIFY(panel.server.waitForRequests(1));
        panel.switchOff();
        QVERIFY(panel.applicable());

        QVERIFY(panel.server.release(hold));
        QVERIFY(panel.waitForReplies(1));
        QCOMPARE(panel.boxes->boxes, QStringList());
        for (const char *keyword : {"TPXColorMode", "TPXThriftink", "TPXDuplex"})
            QCOMPARE(markedName(keyword), QString("Off"));
        QCOMPARE(markedName("ColorModel"), QString("CMYK"));
        QCOMPARE(markedName("Duplex"), QString("None"));
        QCOMPARE(panel.dialog->generalTab->colorModeGroup()->checkedName(), QString("Full color"));
        QVERIFY(panel.applicable());
    }

    // Off and on again with the values the server accepted: no new login is
    // needed, and its policies hold again.
    void backOnWithAcceptedValuesForcesThePolicies()
    {
        QVERIFY(panel.server.queue(Reply::body(tpxserver::policiesBody("ON", "PV.Off", "PV.Off"))));
        panel.open(storedOn());
        QVERIFY(panel.waitForReplies(1));
        QCOMPARE(markedName("TPXColorMode"), QString("On"));
        panel.switchOff();
        QCOMPARE(markedName("TPXColorMode"), QString("Off"));
        QVERIFY(panel.dialog->generalTab->colorModeGroup()->isEnabled());

        panel.switchOn();
        QVERIFY(panel.applicable());
        QCOMPARE(markedName("TPXColorMode"), QString("On"));
        QCOMPARE(markedName("ColorModel"), QString("Gray"));
        QVERIFY(!panel.dialog->generalTab->colorModeGroup()->isEnabled());
        QCOMPARE(panel.server.requests().size(), 1);
    }

    // Stored values as they load.
    void storedValuesLoad()
    {
        // "on" is not "ON": off, and no login.
        panel.open(tpxpage::storedConfig("on", "127.0.0.1", panel.server.portText()));
        QCOMPARE(panel.page()->toggleGroup->checkedIndex(), 0);
        QVERIFY(!panel.page()->userEdit->isEnabled());
        QCOMPARE(panel.page()->userEdit->text(), tpxpage::user);
        QVERIFY(panel.applicable());
        QTest::qWait(300);
        QCOMPARE(panel.server.requests().size(), 0);
        QCOMPARE(panel.replies(), 0);

        // "ON" with an empty port: the field shows the default, the login
        // goes to the stored (empty) port, and its answer is for other values.
        panel.open(tpxpage::storedConfig("ON", "127.0.0.1", QString()));
        QCOMPARE(panel.page()->portEdit->text(), QString("9094"));
        QVERIFY(panel.waitForReplies(1));
        QCOMPARE(panel.boxes->boxes, QStringList());
        QCOMPARE(panel.mark(), mustVerify);
        QVERIFY(panel.blocked());
    }

    // The seven keys reach the settings file at Apply, the password as typed.
    void applyWritesTheSevenKeys()
    {
        QVERIFY(panel.server.queue(Reply::body(tpxserver::unrestrictedBody())));
        panel.open(storedOn());
        QVERIFY(panel.waitForReplies(1));
        QVERIFY(panel.applicable());
        panel.page()->cancelButton->click();
        panel.dialog->buttonBox->button(QDialogButtonBox::Apply)->click();
        QVERIFY(QTest::qWaitFor([&]() { return !panel.boxes->boxes.isEmpty(); }, 20000));
        QCOMPARE(panel.boxes->boxes, QStringList{"Success|Settings applied."});
        QHash<QString, QString> stored = storedsettings::read(panel.settingsPath());
        QCOMPARE(stored.value("TPX_enabled"), QString("ON"));
        QCOMPARE(stored.value("TPX_notify"), QString("ON"));
        QCOMPARE(stored.value("TPX_blocking"), QString("ON"));
        QCOMPARE(stored.value("TPX_server"), QString("127.0.0.1"));
        QCOMPARE(stored.value("TPX_port"), panel.server.portText());
        QCOMPARE(stored.value("TPX_username"), tpxpage::user);
        QCOMPARE(stored.value("TPX_password"), tpxpage::password);

        // Off, the keys are written all the same; the box comes back checked
        // with "Continue printing".
        panel.switchOff();
        panel.boxes->boxes.clear();
        panel.dialog->buttonBox->button(QDialogButtonBox::Apply)->click();
        QVERIFY(QTest::qWaitFor([&]() { return !panel.boxes->boxes.isEmpty(); }, 20000));
        stored = storedsettings::read(panel.settingsPath());
        QCOMPARE(stored.value("TPX_enabled"), QString("OFF"));
        QCOMPARE(stored.value("TPX_notify"), QString("ON"));
        QCOMPARE(stored.value("TPX_blocking"), QString("OFF"));
        QCOMPARE(stored.value("TPX_username"), tpxpage::user);
        QCOMPARE(stored.value("TPX_password"), tpxpage::password);
    }
};

QTEST_MAIN(TpxDialogTest)
#include "tst_tpxdialog.moc"
