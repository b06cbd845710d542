#include <algorithm>
#include <csignal>
#include <sys/types.h>
#include <unistd.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

// The real tpxui binary on a private system bus that this test starts, with
// the bus policy the project installs.
class tst_notifierbus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void detached();
    void reply_data();
    void reply();
    void classInfoNamesNoInterface();
    void publishedInterface();
    void debugLines();
    void secondCopy();
    void floodOfHugeNotices();
    void policyWithoutTheName();
    void noBus();

private:
    struct Started
    {
        int exitCode = -1;
        QString standardError;
    };

    QString startBus(const QString &name, const QStringList &policies);
    QDBusConnection client(const QString &address);
    Started startNotifier(const QString &address, const QString &user, const QString &errorFile);
    QDBusMessage call(const QString &interface, const QString &method, const QVariantList &arguments);
    QString readFile(const QString &path);

    QTemporaryDir dir;
    QList<QProcess *> buses;
    QString address;
    uint notifierPid = 0;
    QString firstErrors;
    int clients = 0;
};

namespace {

const QString service = QStringLiteral("com.quorvan.tpxui");
const QString defaultInterface = QStringLiteral("local.tpxui.tpxdbus");

} // namespace

QString tst_notifierbus::startBus(const QString &name, const QStringList &policies)
{
    auto *bus = new QProcess(this);
    buses << bus;
    bus->setStandardErrorFile(dir.filePath(name + QStringLiteral(".daemon-errors")));
    bus->start(QStringLiteral(HALVANE_HARNESS "/private-bus.sh"),
               QStringList{dir.filePath(name)} + policies);
    if (!bus->waitForStarted(10000))
        return QString();
    QElapsedTimer timer;
    timer.start();
    while (!bus->canReadLine() && timer.elapsed() < 10000)
        bus->waitForReadyRead(500);
    return QString::fromLocal8Bit(bus->readLine()).trimmed();
}

QDBusConnection tst_notifierbus::client(const QString &busAddress)
{
    return QDBusConnection::connectToBus(busAddress, QStringLiteral("client%1").arg(++clients));
}

tst_notifierbus::Started tst_notifierbus::startNotifier(const QString &busAddress, const QString &user,
                                                         const QString &errorFile)
{
    QProcess notifier;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), busAddress);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("USER"), user);
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    notifier.setProcessEnvironment(env);
    notifier.setWorkingDirectory(dir.path());
    // A file, not a pipe: the detached notifier keeps writing to it after
    // the starting process has ended.
    notifier.setStandardErrorFile(errorFile);
    notifier.setStandardOutputFile(QProcess::nullDevice());
    notifier.start(QStringLiteral(TPXUI_BINARY), QStringList());
    Started started;
    if (!notifier.waitForStarted(10000) || !notifier.waitForFinished(20000)) {
        notifier.kill();
        notifier.waitForFinished();
        return started;
    }
    started.exitCode = notifier.exitStatus() == QProcess::NormalExit ? notifier.exitCode() : -1;
    started.standardError = readFile(errorFile);
    return started;
}

QDBusMessage tst_notifierbus::call(const QString &interface, const QString &method,
                                   const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, QStringLiteral("/"), interface, method);
    message.setArguments(arguments);
    return client(address).call(message, QDBus::Block, 10000);
}

QString tst_notifierbus::readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(file.readAll());
}

void tst_notifierbus::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY2(QFile::exists(QStringLiteral(TPXUI_BINARY)), TPXUI_BINARY);
    address = startBus(QStringLiteral("system"), {QStringLiteral(TPXUI_POLICY)});
    QVERIFY2(address.startsWith(QLatin1String("unix:")),
             qPrintable(QStringLiteral("no private bus: ") + readFile(dir.filePath("system.daemon-errors"))));

    firstErrors = dir.filePath(QStringLiteral("first.errors"));
    const Started first = startNotifier(address, QStringLiteral("ann"), firstErrors);
    QVERIFY2(first.exitCode == 0, qPrintable(first.standardError));

    QDBusConnectionInterface *bus = client(address).interface();
    QVERIFY(bus->isServiceRegistered(service));
    const QDBusReply<uint> pid = bus->servicePid(service);
    QVERIFY2(pid.isValid(), qPrintable(pid.error().message()));
    notifierPid = pid.value();
    QVERIFY(notifierPid > 0);
}

void tst_notifierbus::cleanupTestCase()
{
    if (notifierPid > 0) {
        ::kill(static_cast<pid_t>(notifierPid), SIGTERM);
        QDBusConnectionInterface *bus = client(address).interface();
        QTRY_VERIFY_WITH_TIMEOUT(!bus->isServiceRegistered(service), 10000);
    }
    for (QProcess *bus : qAsConst(buses)) {
        bus->terminate();
        if (!bus->waitForFinished(5000)) {
            bus->kill();
            bus->waitForFinished();
        }
    }
}

void tst_notifierbus::detached()
{
    // The starting process has ended; what owns the name is a process of
    // its own session that kept the working directory it was started in.
    QCOMPARE(::getsid(static_cast<pid_t>(notifierPid)), static_cast<pid_t>(notifierPid));
    QCOMPARE(QFileInfo(QStringLiteral("/proc/%1/cwd").arg(notifierPid)).symLinkTarget(),
             QDir(dir.path()).canonicalPath());
}

void tst_notifierbus::reply_data()
{
    QTest::addColumn<QString>("interface");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("reply");

    QTest::newRow("no interface named")
        << QString() << "ann: Quota" << "ping(\"ann: Quota\") got called";
    QTest::newRow("default interface")
        << defaultInterface << "ann: Quota" << "ping(\"ann: Quota\") got called";
    QTest::newRow("empty argument") << QString() << "" << "ping(\"\") got called";
    QTest::newRow("notice for someone else") << QString() << "bob: Printer" << "ping(\"bob: Printer\") got called";
    QTest::newRow("place markers and quotes stay as sent")
        << defaultInterface << "%1 %2 \"ann\"" << "ping(\"%1 %2 \"ann\"\") got called";
    QTest::newRow("non-ASCII") << QString() << "ann: Crédit épuisé ✓" << "ping(\"ann: Crédit épuisé ✓\") got called";
}

void tst_notifierbus::reply()
{
    QFETCH(QString, interface);
    QFETCH(QString, argument);
    QFETCH(QString, reply);

    const QDBusMessage answer = call(interface, QStringLiteral("showMessage"), {argument});
    QVERIFY2(answer.type() == QDBusMessage::ReplyMessage, qPrintable(answer.errorMessage()));
    QCOMPARE(answer.signature(), QStringLiteral("s"));
    QCOMPARE(answer.arguments().value(0).toString(), reply);
}

void tst_notifierbus::classInfoNamesNoInterface()
{
    const QDBusMessage answer = call(QStringLiteral("com.quorvan.tpxdbus"), QStringLiteral("showMessage"),
                                     {QStringLiteral("ann: Quota")});
    QCOMPARE(answer.type(), QDBusMessage::ErrorMessage);
}

void tst_notifierbus::publishedInterface()
{
    const QDBusMessage answer = call(QStringLiteral("org.freedesktop.DBus.Introspectable"),
                                     QStringLiteral("Introspect"), {});
    QVERIFY2(answer.type() == QDBusMessage::ReplyMessage, qPrintable(answer.errorMessage()));
    const QString xml = answer.arguments().value(0).toString();

    // interface -> its members as "method name" / "signal name" / ..., and
    // the arguments of showMessage as "direction name type".
    QMap<QString, QStringList> members;
    QStringList showMessageArguments;
    QString interface, member;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        const auto attributes = reader.attributes();
        const QString element = reader.name().toString();
        if (element == QLatin1String("interface")) {
            interface = attributes.value(QLatin1String("name")).toString();
            members[interface];
        } else if (element == QLatin1String("method") || element == QLatin1String("signal")
                   || element == QLatin1String("property")) {
            member = attributes.value(QLatin1String("name")).toString();
            members[interface] << element + QLatin1Char(' ') + member;
        } else if (element == QLatin1String("arg") && interface == defaultInterface
                   && member == QLatin1String("showMessage")) {
            showMessageArguments << QStringLiteral("%1 %2 %3").arg(
                attributes.value(QLatin1String("direction")).toString(),
                attributes.value(QLatin1String("name")).toString(),
                attributes.value(QLatin1String("type")).toString());
        }
    }
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));

    QVERIFY2(members.contains(defaultInterface), qPrintable(xml));
    QVERIFY(!members.contains(QStringLiteral("com.quorvan.tpxdbus")));
    QCOMPARE(members.value(defaultInterface), QStringList{QStringLiteral("method showMessage")});
    showMessageArguments.sort();
    QCOMPARE(showMessageArguments, (QStringList{QStringLiteral("in arg s"), QStringLiteral("out  s")}));
    QVERIFY2(!xml.contains(QLatin1String("messageRecieved")), qPrintable(xml));
}

void tst_notifierbus::debugLines()
{
    const int before = readFile(firstErrors).size();
    QCOMPARE(call(QString(), QStringLiteral("showMessage"), {QStringLiteral("ann: No Credit")}).type(),
             QDBusMessage::ReplyMessage);
    QCOMPARE(call(QString(), QStringLiteral("showMessage"), {QStringLiteral("bob: Quota")}).type(),
             QDBusMessage::ReplyMessage);

    // The lines are written before each reply; other lines (the platform's)
    // may come between them.
    const QStringList lines = readFile(firstErrors).mid(before).split(QLatin1Char('\n'));
    const QStringList expected = {QStringLiteral("\"ann: No Credit\""), QStringLiteral("display message"),
                                  QStringLiteral("No Credit"), QStringLiteral("\"bob: Quota\"")};
    int at = 0;
    for (const QString &line : expected) {
        at = lines.indexOf(line, at);
        QVERIFY2(at >= 0, qPrintable(QStringLiteral("no line %1 in order in:\n%2").arg(line, lines.join('\n'))));
        ++at;
    }
    QCOMPARE(lines.count(QStringLiteral("display message")), 1);
}

void tst_notifierbus::secondCopy()
{
    const Started second = startNotifier(address, QStringLiteral("bob"), dir.filePath(QStringLiteral("second.errors")));
    QCOMPARE(second.exitCode, 1);
    QVERIFY2(second.standardError.contains(QLatin1String("cannot own the name com.quorvan.tpxui")),
             qPrintable(second.standardError));
    QVERIFY2(second.standardError.contains(QLatin1String("another process owns it")),
             qPrintable(second.standardError));

    const QDBusReply<uint> pid = client(address).interface()->servicePid(service);
    QVERIFY(pid.isValid());
    QCOMPARE(pid.value(), notifierPid);
    const QDBusMessage answer = call(QString(), QStringLiteral("showMessage"), {QStringLiteral("ann")});
    QCOMPARE(answer.arguments().value(0).toString(), QStringLiteral("ping(\"ann\") got called"));
}

void tst_notifierbus::floodOfHugeNotices()
{
    // One client floods the notifier with notices of 1 MB; each is refused
    // at once, and the next ordinary notice is still answered and shown.
    const int before = readFile(firstErrors).size();
    QDBusConnection flooder = client(address);
    const QString huge = QStringLiteral("ann: Quota ") + QString(1024 * 1024, QLatin1Char('x'));
    QList<QDBusPendingCall> pending;
    for (int i = 0; i < 200; ++i) {
        QDBusMessage message = QDBusMessage::createMethodCall(service, QStringLiteral("/"), QString(),
                                                              QStringLiteral("showMessage"));
        message << huge;
        pending << flooder.asyncCall(message, 60000);
    }
    // Just over the limit is refused too, just within it is answered.
    const QString limit = QStringLiteral("ann: Quota ").leftJustified(64 * 1024, QLatin1Char('y'));
    const QDBusMessage within = call(QString(), QStringLiteral("showMessage"), {limit});
    QVERIFY2(within.type() == QDBusMessage::ReplyMessage, qPrintable(within.errorMessage()));
    QCOMPARE(within.arguments().value(0).toString(), QStringLiteral("ping(\"%1\") got called").arg(limit));
    const QDBusMessage over = call(QString(), QStringLiteral("showMessage"), {limit + QLatin1Char('y')});
    QCOMPARE(over.type(), QDBusMessage::ErrorMessage);
    QCOMPARE(over.errorName(), QStringLiteral("org.freedesktop.DBus.Error.LimitsExceeded"));

    const QDBusMessage ordinary = call(QString(), QStringLiteral("showMessage"), {QStringLiteral("ann: No Credit")});
    QVERIFY2(ordinary.type() == QDBusMessage::ReplyMessage, qPrintable(ordinary.errorMessage()));
    QCOMPARE(ordinary.arguments().value(0).toString(), QStringLiteral("ping(\"ann: No Credit\") got called"));

    for (QDBusPendingCall &call : pending) {
        call.waitForFinished();
        QVERIFY(call.isError());
        QCOMPARE(call.error().type(), QDBusError::LimitsExceeded);
    }

    // The refused notices left one short line each and showed nothing.
    const QString written = readFile(firstErrors).mid(before);
    QVERIFY2(written.size() < 200 * 200 + 2 * 64 * 1024 + 4096, qPrintable(QString::number(written.size())));
    const QStringList lines = written.split(QLatin1Char('\n'));
    QCOMPARE(lines.count(QStringLiteral("display message")), 2);
    QVERIFY(lines.contains(QStringLiteral("\"ann: No Credit\"")));
    QVERIFY(lines.contains(QStringLiteral("No Credit")));
    // The notifier itself refused them all, not the bus on its way.
    const int refusals = int(std::count_if(lines.cbegin(), lines.cend(), [](const QString &line) {
        return line.startsWith(QLatin1String("refused a notice of "));
    }));
    QCOMPARE(refusals, 200 + 1);
}

void tst_notifierbus::policyWithoutTheName()
{
    const QString strictAddress = startBus(QStringLiteral("strict"), {});
    QVERIFY(strictAddress.startsWith(QLatin1String("unix:")));
    const Started refused = startNotifier(strictAddress, QStringLiteral("ann"),
                                          dir.filePath(QStringLiteral("strict.errors")));
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.standardError.contains(QLatin1String("cannot own the name com.quorvan.tpxui")),
             qPrintable(refused.standardError));
    // The bus's own reason, not an empty line.
    QVERIFY2(refused.standardError.contains(QLatin1String("not allowed to own")),
             qPrintable(refused.standardError));
    QVERIFY(!client(strictAddress).interface()->isServiceRegistered(service));
}

void tst_notifierbus::noBus()
{
    const Started lonely = startNotifier(QStringLiteral("unix:path=") + dir.filePath(QStringLiteral("nobus")),
                                         QStringLiteral("ann"), dir.filePath(QStringLiteral("nobus.errors")));
    QCOMPARE(lonely.exitCode, 1);
    QVERIFY2(lonely.standardError.contains(QLatin1String("cannot connect to the system bus")),
             qPrintable(lonely.standardError));
}

QTEST_GUILESS_MAIN(tst_notifierbus)
#include "tst_notifierbus.moc"
