// The print-accounting login client against a real HTTPS server on loopback
// (tests/harness/tpx-server.py): the request as it goes out, one signal per
// reply with the whole body, replies too large to take in, and certificate
// checks that fail the login.
#include "harness/tpxserver.h"
#include "kcurl.h"
#include "memorywatch.h"

#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

using tpxserver::Reply;

namespace {
// What one client reported, in order: "message|ID|TEXT" or "error|ID|TEXT".
class Reports
{
public:
    explicit Reports(kcurl &client)
    {
        QObject::connect(&client, &kcurl::messageReady, [this](const QString &text, int login) {
            entries << Entry{false, login, text};
        });
        QObject::connect(&client, &kcurl::errorReady, [this](const QString &text, int login) {
            entries << Entry{true, login, text};
        });
    }
    bool waitFor(int count, int timeoutMs = 20000)
    {
        return QTest::qWaitFor([&]() { return entries.size() >= count; }, timeoutMs);
    }

    struct Entry
    {
        bool error;
        int login;
        QString text;
    };
    QList<Entry> entries;
};

const QString path = QStringLiteral("/ws/user_manager/MobileAccess/MobileAccessRestService/loginPost");

// The text filled up with blanks to the largest reply the client takes.
QString paddedToTheBound(const QString &text)
{
    return text + QString(int(kcurl::maxReplySize) - text.toUtf8().size(), QLatin1Char(' '));
}
}

class KcurlTest : public QObject
{
    Q_OBJECT

    tpxserver::Server server;

    QString tag(const QString &user) const { return QLatin1Char('<') + server.baseUrl() + QLatin1Char(' ') + user + QLatin1Char('>'); }

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(server.start(&error), qPrintable(error));
        QVERIFY(server.trustCa());
    }

    void init() { QVERIFY(server.forget()); }

    void requestGoesOutByteForByte_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("plain") << "alice" << "secret" << QByteArray("userID=alice&userPWD=secret");
        QTest::newRow("separators in the password")
            << "bob" << "a&b=c" << QByteArray("userID=bob&userPWD=a&b=c");
        // A typed "%41" stays "%41"; a "+" is no blank.
        QTest::newRow("escapes stay as typed") << "carol" << "+%41+%2B" << QByteArray("userID=carol&userPWD=+%41+%2B");
        QTest::newRow("blanks") << "dave smith" << "pass word" << QByteArray("userID=dave smith&userPWD=pass word");
        QTest::newRow("non-ASCII")
            << QString::fromUtf8("zo\xc3\xab") << QString::fromUtf8("p\xc3\xa4ss\xe2\x82\xac")
            << QByteArray("userID=zo\xc3\xab&userPWD=p\xc3\xa4ss\xe2\x82\xac");
    }

    void requestGoesOutByteForByte()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QByteArray, body);
        QVERIFY(server.queue(Reply::body(tpxserver::unrestrictedBody())));
        kcurl client;
        Reports reports(client);
        client.login(server.baseUrl(), user, password);
        QVERIFY(reports.waitFor(1));

        const QList<tpxserver::Request> requests = server.requests();
        QCOMPARE(requests.size(), 1);
        const tpxserver::Request &request = requests.first();
        QCOMPARE(request.method, QStringLiteral("POST"));
        QCOMPARE(request.path, path);
        QCOMPARE(request.body, body);
        for (const char *name : {"Content-Type", "charsets", "User-Agent"})
            QCOMPARE(request.headerCount(QLatin1String(name)), 1);
        QCOMPARE(request.header("Content-Type"), QStringLiteral("text/*"));
        QCOMPARE(request.header("charsets"), QStringLiteral("utf-8"));
        QCOMPARE(request.header("User-Agent"), QStringLiteral("ZTQ"));

        // The tag names the server and the user, never the password.
        QCOMPARE(reports.entries.size(), 1);
        QCOMPARE(reports.entries.first().text, tag(user) + tpxserver::unrestrictedBody());
        QVERIFY(!reports.entries.first().text.contains(password));
    }

    void oneSignalPerReply_data()
    {
        QTest::addColumn<Reply>("reply");
        QTest::addColumn<bool>("error");
        QTest::addColumn<QString>("body");
        const QString policies = tpxserver::policiesBody("ON", "PV.On", "PV.On");
        QTest::newRow("policies") << Reply::body(policies) << false << policies;
        QTest::newRow("refusal") << Reply::body(tpxserver::refusalBody()) << false << tpxserver::refusalBody();
        QTest::newRow("print ban") << Reply::body(tpxserver::printBanBody()) << false << tpxserver::printBanBody();
        // Put together, however it arrives.
        QTest::newRow("body in two pieces") << Reply::pieces({policies.left(20), policies.mid(20)}, 400) << false
                                            << policies;
        QTest::newRow("body up to a NUL byte")
            << Reply::body(QStringLiteral("{\"a\":1}") + QChar(0) + QStringLiteral("tail")) << false
            << QStringLiteral("{\"a\":1}");
        QTest::newRow("empty body") << Reply::body(QString()) << false << QString();
        // The largest reply still taken in, however it is framed.
        QTest::newRow("policies padded to the bound")
            << Reply::body(policies).paddedTo(int(kcurl::maxReplySize)) << false << paddedToTheBound(policies);
        QTest::newRow("policies padded to the bound, chunked")
            << Reply::body(policies).paddedTo(int(kcurl::maxReplySize)).chunked() << false
            << paddedToTheBound(policies);
        // Once, not once for the error and again for its body.
        QTest::newRow("HTTP 500 with a body") << Reply::body(QStringLiteral("{\"error\":\"down\"}"), 500) << true
                                              << QString();
    }

    void oneSignalPerReply()
    {
        QFETCH(Reply, reply);
        QFETCH(bool, error);
        QFETCH(QString, body);
        QVERIFY(server.queue(reply));
        kcurl client;
        Reports reports(client);
        const int login = client.login(server.baseUrl(), QStringLiteral("erin"), QStringLiteral("pw"));
        QVERIFY(reports.waitFor(1));
        // Long enough for a second signal of the same reply to show.
        QTest::qWait(300);
        QCOMPARE(reports.entries.size(), 1);
        const Reports::Entry &entry = reports.entries.first();
        QCOMPARE(entry.error, error);
        QCOMPARE(entry.login, login);
        QVERIFY2(entry.text.startsWith(tag(QStringLiteral("erin"))), qPrintable(entry.text));
        if (error)
            QVERIFY(entry.text.size() > tag(QStringLiteral("erin")).size()); // the reply's error text
        else
            QCOMPARE(entry.text, tag(QStringLiteral("erin")) + body);

        // Reported replies are let go.
        QVERIFY(QTest::qWaitFor([&]() { return client.findChildren<QNetworkReply *>().isEmpty(); }, 2000));
    }

    // A reply past the bound is broken off and fails the login, body or
    // error status alike; an endless one is cut off while it still flows,
    // and memory stays put meanwhile.
    void oversizedReplyFailsTheLogin_data()
    {
        QTest::addColumn<Reply>("reply");
        QTest::addColumn<bool>("endless");
        const Reply policies = Reply::body(tpxserver::policiesBody("ON", "PV.On", "PV.On"));
        const int over = int(kcurl::maxReplySize) + 1;
        QTest::newRow("one byte over the bound") << policies.paddedTo(over) << false;
        QTest::newRow("one byte over the bound, chunked") << policies.paddedTo(over).chunked() << false;
        QTest::newRow("endless body") << policies.endless() << true;
        QTest::newRow("endless body of an HTTP 500") << Reply::body("{\"error\":\"down\"}", 500).endless() << true;
    }

    void oversizedReplyFailsTheLogin()
    {
        QFETCH(Reply, reply);
        QFETCH(bool, endless);
        QVERIFY(memorywatch::residentBytes() > 0);
        QVERIFY(server.queue(reply));
        kcurl client;
        Reports reports(client);
        const int login = client.login(server.baseUrl(), QStringLiteral("heidi"), QStringLiteral("pw"));
        // Generous, against a bound of 1 MiB: a body taken in without end
        // passes it within a second or two.
        const qint64 ceiling = 256 * 1024 * 1024;
        qint64 growth = 0;
        const bool reported =
            memorywatch::waitFor([&]() { return !reports.entries.isEmpty(); }, ceiling, 20000, &growth);
        QVERIFY2(growth <= ceiling, qPrintable(QStringLiteral("grew by %1 bytes").arg(growth)));
        QVERIFY(reported);
        QTest::qWait(300);
        QCOMPARE(reports.entries.size(), 1);
        const Reports::Entry &entry = reports.entries.first();
        QVERIFY(entry.error);
        QCOMPARE(entry.login, login);
        QVERIFY2(entry.text.startsWith(tag(QStringLiteral("heidi"))), qPrintable(entry.text.left(200)));
        QVERIFY(entry.text.size() > tag(QStringLiteral("heidi")).size());
        // The client hung up: the server stopped streaming because of it.
        if (endless)
            QVERIFY(QTest::qWaitFor([&]() { return server.cutOffs() > 0; }, 5000));
        QVERIFY(QTest::qWaitFor([&]() { return client.findChildren<QNetworkReply *>().isEmpty(); }, 2000));
    }

    // The page's one client, after a login taken in whole and one broken
    // off, while its thread is busy: an endless body stays bounded there
    // too, and only the endless login fails.
    void endlessBodyAfterEarlierLoginsWhileBusy()
    {
        const Reply policies = Reply::body(tpxserver::policiesBody("ON", "PV.On", "PV.On"));
        kcurl client;
        Reports reports(client);
        QVERIFY(server.queue(policies.paddedTo(int(kcurl::maxReplySize))));
        client.login(server.baseUrl(), QStringLiteral("heidi"), QStringLiteral("pw"));
        QVERIFY(reports.waitFor(1));
        QVERIFY(server.queue(policies.paddedTo(int(kcurl::maxReplySize) + 1)));
        client.login(server.baseUrl(), QStringLiteral("heidi"), QStringLiteral("pw"));
        QVERIFY(reports.waitFor(2));

        QVERIFY(server.queue(policies.endless()));
        const int cutOffsBefore = server.cutOffs();
        const qint64 before = memorywatch::residentBytes();
        QVERIFY(before > 0);
        const int endless = client.login(server.baseUrl(), QStringLiteral("heidi"), QStringLiteral("pw"));
        // Busy from the moment the body begins to flow, as when the panel
        // starts a program meanwhile.
        QList<QNetworkReply *> open;
        for (QNetworkReply *reply : client.findChildren<QNetworkReply *>()) {
            if (!reply->isFinished())
                open << reply;
        }
        QCOMPARE(open.size(), 1);
        bool wasBusy = false;
        connect(open.first(), &QNetworkReply::metaDataChanged, [&wasBusy]() {
            QThread::msleep(2000);
            wasBusy = true;
        });
        const qint64 ceiling = 256 * 1024 * 1024;
        qint64 growth = 0;
        const bool reported =
            memorywatch::waitFor([&]() { return reports.entries.size() >= 3; }, ceiling, 20000, &growth, before);
        QVERIFY2(growth <= ceiling, qPrintable(QStringLiteral("grew by %1 bytes").arg(growth)));
        QVERIFY(reported);
        QVERIFY(wasBusy);
        QCOMPARE(QList<bool>({reports.entries.at(0).error, reports.entries.at(1).error, reports.entries.at(2).error}),
                 QList<bool>({false, true, true}));
        QCOMPARE(reports.entries.at(2).login, endless);
        QVERIFY(QTest::qWaitFor([&]() { return server.cutOffs() > cutOffsBefore; }, 5000));
    }

    // Two logins on their way at once: each reply comes with its own number
    // and tag, in the order the server answers.
    void overlappingLogins()
    {
        QVERIFY(server.queue(Reply::body(tpxserver::refusalBody()).heldAs("first")));
        QVERIFY(server.queue(Reply::body(tpxserver::unrestrictedBody())));
        kcurl client;
        Reports reports(client);
        const int first = client.login(server.baseUrl(), QStringLiteral("first"), QStringLiteral("one"));
        QVERIFY(server.waitForRequests(1));
        const int second = client.login(server.baseUrl(), QStringLiteral("second"), QStringLiteral("two"));
        QVERIFY(first != second);
        QVERIFY(reports.waitFor(1));
        QCOMPARE(reports.entries.at(0).login, second);
        QCOMPARE(reports.entries.at(0).text, tag("second") + tpxserver::unrestrictedBody());

        QVERIFY(server.release("first"));
        QVERIFY(reports.waitFor(2));
        QCOMPARE(reports.entries.at(1).login, first);
        QCOMPARE(reports.entries.at(1).text, tag("first") + tpxserver::refusalBody());
    }

    // No time-out: a server that never answers gives no signal.
    void silentServerGivesNoSignal()
    {
        QVERIFY(server.queue(Reply::silent()));
        kcurl client;
        Reports reports(client);
        client.login(server.baseUrl(), QStringLiteral("frank"), QStringLiteral("pw"));
        QVERIFY(server.waitForRequests(1));
        QTest::qWait(500);
        QCOMPARE(reports.entries.size(), 0);
    }

    // The password never reaches a server whose certificate does not verify.
    void unverifiedServerFailsTheLogin_data()
    {
        QTest::addColumn<QString>("why");
        QTest::addColumn<bool>("handshake"); // the server saw the TLS handshake fail
        QTest::newRow("unknown CA") << "ca" << true;
        QTest::newRow("name not in the certificate") << "name" << true;
        QTest::newRow("nobody listening") << "closed" << false;
    }

    void unverifiedServerFailsTheLogin()
    {
        QFETCH(QString, why);
        QFETCH(bool, handshake);
        tpxserver::Server untrusted;
        tpxserver::Server *target = &server;
        QString base = server.baseUrl();
        if (why == QLatin1String("ca")) {
            // Its own throw-away CA, which this process does not trust.
            QString error;
            QVERIFY2(untrusted.start(&error), qPrintable(error));
            target = &untrusted;
            base = untrusted.baseUrl();
        } else if (why == QLatin1String("name")) {
            base = QStringLiteral("https://localhost:") + server.portText();
        } else {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost));
            base = QStringLiteral("https://127.0.0.1:") + QString::number(probe.serverPort());
            probe.close();
        }
        QVERIFY(target->setDefault(Reply::body(tpxserver::unrestrictedBody())));

        kcurl client;
        Reports reports(client);
        const int login = client.login(base, QStringLiteral("grace"), QStringLiteral("hunter2"));
        QVERIFY(reports.waitFor(1));
        QTest::qWait(300);
        QCOMPARE(reports.entries.size(), 1);
        QVERIFY(reports.entries.first().error);
        QCOMPARE(reports.entries.first().login, login);
        QVERIFY(reports.entries.first().text.startsWith(QLatin1Char('<') + base + QStringLiteral(" grace>")));
        QCOMPARE(target->requests().size(), 0);
        if (handshake)
            QVERIFY(QTest::qWaitFor([&]() { return target->handshakeFailures() > 0; }, 5000));
    }
};

QTEST_GUILESS_MAIN(KcurlTest)
#include "tst_kcurl.moc"
