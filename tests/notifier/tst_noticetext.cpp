#include "loginname.h"
#include "mainwindow.h"

#include <pwd.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QScopeGuard>
#include <QTranslator>
#include <QtTest>

// What the window says for a notice, which notices reach it, and how it
// comes and goes; with the English catalogue, as the notifier runs it.
class tst_noticetext : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void displayText_data();
    void displayText();
    void userFilter_data();
    void userFilter();
    void windowLifecycle();

private:
    QTranslator english;
};

namespace {

const QString connection = QStringLiteral("Unable to connect to the server.\nPrinting is canceled.");
const QString login = QStringLiteral(
    "Login failed. The user name or password you entered is incorrect.\nPrinting is canceled.");
const QString permission = QStringLiteral("You do not have permission to print.");
const QString quota = QStringLiteral(
    "This job will be canceled because you have reached one or more of your quotas.\n"
    "Contact your administrator for further information.");
const QString credit = QStringLiteral(
    "Not enough credit is available to print this job. Recharge your credit.");

QString restrictions(const QStringList &lines)
{
    QString text = QStringLiteral("You have the following print restrictions:\n");
    for (const QString &line : lines)
        text += QStringLiteral("- ") + line + QLatin1Char('\n');
    return text + QStringLiteral("\nPrinting is canceled.");
}

QStringList debugLines;

void collectDebugLines(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg)
        debugLines << message;
}

QString accountName()
{
    const passwd *account = getpwuid(getuid());
    return account ? QString::fromLocal8Bit(account->pw_name) : QString();
}

QLabel *labelOf(MainWindow &window)
{
    const auto labels = window.findChildren<QLabel *>();
    return labels.size() == 1 ? labels.first() : nullptr;
}

} // namespace

void tst_noticetext::initTestCase()
{
    QVERIFY(english.load(QStringLiteral(":/strings/english")));
    QCoreApplication::installTranslator(&english);
}

void tst_noticetext::init()
{
    debugLines.clear();
    qInstallMessageHandler(collectDebugLines);
}

void tst_noticetext::cleanup()
{
    qInstallMessageHandler(nullptr);
}

void tst_noticetext::displayText_data()
{
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QString>("text");

    QTest::newRow("Connection") << "ann: Connection refused" << connection;
    QTest::newRow("Connection beats every other word")
        << "Quota Credit Printer Login Duplex Connection" << connection;
    QTest::newRow("connection in lower case is no row 1") << "connection lost, quota" << quota;
    QTest::newRow("CONNECTION alone selects nothing") << "CONNECTION" << QString();
    QTest::newRow("Login") << "Login for ann" << login;
    QTest::newRow("Login beats Quota") << "Quota reached after Login" << login;
    QTest::newRow("LOGIN in capitals is no row 2") << "LOGIN refused, no credit" << credit;
    QTest::newRow("printer in any case") << "pRiNtEr denied" << permission;
    QTest::newRow("Printer beats Quota") << "quota on printer" << permission;
    QTest::newRow("QUOTA") << "QUOTA" << quota;
    QTest::newRow("Quota beats Credit") << "credit and quota" << quota;
    QTest::newRow("credit") << "credit" << credit;
    QTest::newRow("No Credit") << "No Credit" << credit;
    QTest::newRow("Credit beats restrictions") << "Duplex Color Credit" << credit;
    QTest::newRow("duplex and COLOR")
        << "ann: duplex COLOR" << restrictions({QStringLiteral("Duplex"), QStringLiteral("Color")});
    QTest::newRow("Thriftink alone") << "thriftink" << restrictions({QStringLiteral("Thriftink")});
    QTest::newRow("listed in fixed order, not the notice's")
        << "THRIFTINK color Duplex"
        << restrictions({QStringLiteral("Duplex"), QStringLiteral("Color"), QStringLiteral("Thriftink")});
    QTest::newRow("keyword inside a word") << "Multicolored" << restrictions({QStringLiteral("Color")});
    QTest::newRow("no keyword") << "ann: job 12 held" << QString();
    QTest::newRow("empty notice") << "" << QString();
}

void tst_noticetext::displayText()
{
    QFETCH(QString, notice);
    QFETCH(QString, text);

    MainWindow window;
    QCOMPARE(window.generateDisplayMessage(notice), text);
    QVERIFY(debugLines.contains(QStringLiteral("display message")));
    QCOMPARE(debugLines.contains(QStringLiteral("No Credit")), text == credit);
}

void tst_noticetext::userFilter_data()
{
    // user: the USER value, or "<unset>"; "%account%" in the notice stands
    // for the account name of whoever runs the test.
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("text");

    QTest::newRow("name at the start") << "ann" << "ann: Quota" << true << quota;
    QTest::newRow("name at a sentence end") << "ann" << "Printer refused for ann." << true << permission;
    QTest::newRow("name in a mail address") << "ann" << "ann@example.org Credit" << true << credit;
    QTest::newRow("name after someone else's") << "ann" << "joanna, ann: Quota" << true << quota;
    // The sender's format is not known: the name counts wherever it stands.
    QTest::newRow("inside a longer name") << "ann" << "joanna: Quota" << true << quota;
    QTest::newRow("first part of a dotted name") << "ann" << "ann.lee: Quota" << true << quota;
    QTest::newRow("last part of a dotted name") << "ann" << "lee.ann: Quota" << true << quota;
    QTest::newRow("with an underscore") << "ann" << "ann_7: Quota" << true << quota;
    QTest::newRow("with a dash before") << "ann" << "x-ann: Quota" << true << quota;
    QTest::newRow("job number joined by a dash") << "ann" << "ann-job12 Duplex" << true
                                                 << restrictions({QStringLiteral("Duplex")});
    QTest::newRow("other case") << "ann" << "Ann: Quota" << false << QString();
    QTest::newRow("name in capitals") << "ann" << "ANN-job12: Quota" << false << QString();
    QTest::newRow("empty notice") << "ann" << "" << false << QString();
    QTest::newRow("dotted login name") << "ann.lee" << "ann.lee: Quota" << true << quota;
    QTest::newRow("no keyword still shows") << "ann" << "ann: job held" << true << QString();
    QTest::newRow("name holds a restriction word") << "colorado" << "colorado" << true << QString();
    QTest::newRow("name holds a restriction word, notice another")
        << "colorado" << "colorado: Duplex" << true << restrictions({QStringLiteral("Duplex")});
    QTest::newRow("name holds a reason word") << "credito" << "credito: Color" << true
                                              << restrictions({QStringLiteral("Color")});
    QTest::newRow("name is a reason word") << "color" << "color: Duplex" << true
                                           << restrictions({QStringLiteral("Duplex")});
    // A short name inside a reason word leaves the word whole.
    QTest::newRow("reason word holds the name") << "ed" << "ed: No Credit" << true << credit;
    QTest::newRow("reason word holds the name, name only there") << "in" << "Printer" << true << permission;
    QTest::newRow("reason word holds the name, and the name stands alone")
        << "or" << "or-7: Color" << true << restrictions({QStringLiteral("Color")});
    QTest::newRow("USER unset: the account's own notice")
        << "<unset>" << "%account%: Quota" << true << quota;
    QTest::newRow("USER unset: someone else's notice")
        << "<unset>" << "somebodyelse: Quota" << false << QString();
    QTest::newRow("USER empty: the account's own notice") << "" << "%account%: Credit" << true << credit;
    QTest::newRow("USER empty: someone else's notice") << "" << "somebodyelse: Credit" << false << QString();
}

void tst_noticetext::userFilter()
{
    QFETCH(QString, user);
    QFETCH(QString, notice);
    QFETCH(bool, shown);
    QFETCH(QString, text);

    const QByteArray savedUser = qgetenv("USER");
    const bool hadUser = qEnvironmentVariableIsSet("USER");
    if (user == QLatin1String("<unset>"))
        qunsetenv("USER");
    else
        qputenv("USER", user.toLocal8Bit());
    const QString account = accountName();
    QVERIFY2(!account.isEmpty(), "the test's account has no name");
    notice.replace(QLatin1String("%account%"), account);

    MainWindow window;
    QLabel *label = labelOf(window);
    QVERIFY(label);
    const QString before = label->text();
    window.displayMessage(notice);

    if (hadUser)
        qputenv("USER", savedUser);
    else
        qunsetenv("USER");

    QCOMPARE(window.isVisible(), shown);
    QCOMPARE(label->text(), shown ? text : before);
    QCOMPARE(debugLines.contains(QStringLiteral("display message")), shown);
}

void tst_noticetext::windowLifecycle()
{
    const QByteArray savedUser = qgetenv("USER");
    const bool hadUser = qEnvironmentVariableIsSet("USER");
    qputenv("USER", "ann");
    const auto restoreUser = qScopeGuard([&] {
        if (hadUser)
            qputenv("USER", savedUser);
        else
            qunsetenv("USER");
    });
    MainWindow window;
    QLabel *label = labelOf(window);
    QVERIFY(label);
    QCOMPARE(window.windowTitle(), QStringLiteral("Ondrix"));
    QVERIFY(!window.isVisible());
    QVERIFY(!window.isModal());
    const QString initial = label->text();
    QVERIFY(!initial.isEmpty());

    window.displayMessage(QStringLiteral("bob: Quota"));
    QVERIFY(!window.isVisible());
    QCOMPARE(label->text(), initial);

    window.displayMessage(QStringLiteral("ann: Quota"));
    QVERIFY(window.isVisible());
    QCOMPARE(label->text(), quota);

    // A later notice replaces the text of the window already on screen.
    window.displayMessage(QStringLiteral("ann: Credit"));
    QVERIFY(window.isVisible());
    QCOMPARE(label->text(), credit);

    // Escape rejects the dialog: it is only hidden, and comes back.
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    window.displayMessage(QStringLiteral("bob: Printer"));
    QVERIFY(!window.isVisible());
    window.displayMessage(QStringLiteral("ann: Printer"));
    QVERIFY(window.isVisible());
    QCOMPARE(label->text(), permission);

    window.close();
    QVERIFY(!window.isVisible());
    window.displayMessage(QStringLiteral("ann: nothing to say"));
    QVERIFY(window.isVisible());
    QCOMPARE(label->text(), QString());
}

QTEST_MAIN(tst_noticetext)
#include "tst_noticetext.moc"
