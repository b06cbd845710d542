#pragma once

// Starts, steers and reads tests/harness/tpx-server.py, the stand-in
// print-accounting server: HTTPS on a free loopback port with a throw-away
// CA. trustCa() makes this test process (and only it) trust that CA through
// Qt's default SSL configuration; the program under test adds no trust of
// its own.

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QMetaType>
#include <QPair>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace tpxserver {

struct Request
{
    QString method;
    QString path;
    QList<QPair<QString, QString>> headers;
    QByteArray body;

    // The value of the first header of that name (case-insensitive), null
    // when there is none.
    QString header(const QString &name) const
    {
        for (const auto &header : headers) {
            if (header.first.compare(name, Qt::CaseInsensitive) == 0)
                return header.second;
        }
        return QString();
    }
    int headerCount(const QString &name) const
    {
        int count = 0;
        for (const auto &header : headers)
            count += header.first.compare(name, Qt::CaseInsensitive) == 0 ? 1 : 0;
        return count;
    }
};

// How the server answers one request.
class Reply
{
public:
    static Reply body(const QString &text, int status = 200)
    {
        Reply reply;
        reply.m_spec.insert(QStringLiteral("status"), status);
        reply.m_spec.insert(QStringLiteral("body"), text);
        return reply;
    }
    // The body in pieces, with a pause between them.
    static Reply pieces(const QStringList &parts, int pauseMs)
    {
        Reply reply = body(parts.join(QString()));
        reply.m_spec.insert(QStringLiteral("pieces"), QJsonArray::fromStringList(parts));
        reply.m_spec.insert(QStringLiteral("pause_ms"), pauseMs);
        return reply;
    }
    // Reads the request and never answers.
    static Reply silent()
    {
        Reply reply;
        reply.m_spec.insert(QStringLiteral("silent"), true);
        return reply;
    }
    // The body filled up with blanks to a length of bytes.
    Reply paddedTo(int bytes) const
    {
        Reply reply = *this;
        reply.m_spec.insert(QStringLiteral("pad_to"), bytes);
        return reply;
    }
    // Sent in chunks, without a length.
    Reply chunked() const
    {
        Reply reply = *this;
        reply.m_spec.insert(QStringLiteral("chunked"), true);
        return reply;
    }
    // The body, chunked, and then blanks without end until the client goes
    // or forget() is called.
    Reply endless() const
    {
        Reply reply = *this;
        reply.m_spec.insert(QStringLiteral("endless"), true);
        return reply;
    }
    // Kept back until release(name).
    Reply heldAs(const QString &name) const
    {
        Reply reply = *this;
        reply.m_spec.insert(QStringLiteral("hold"), name);
        return reply;
    }
    QJsonObject spec() const { return m_spec; }

private:
    QJsonObject m_spec;
};

// Bodies the way the print-accounting server answers.
inline QString policiesBody(const QString &fullColor, const QString &thriftink, const QString &duplex)
{
    return QStringLiteral("{\"ResultCode\":\"OK\",\"Policies\":{\"JE.FullColorPrint\":\"%1\","
                          "\"DR.ThriftinkRestriction\":\"%2\",\"DR.DuplexRestriction\":\"%3\"}}")
        .arg(fullColor, thriftink, duplex);
}
inline QString unrestrictedBody()
{
    return policiesBody(QStringLiteral("OFF"), QStringLiteral("PV.Off"), QStringLiteral("PV.Off"));
}
inline QString refusalBody()
{
    return QStringLiteral("{\"ResultCode\":\"INVALID_USER_NAME_OR_PASSWORD\"}");
}
inline QString printBanBody()
{
    return QStringLiteral("{\"ResultCode\":\"OK\",\"Policies\":{\"JE.MonoPrint\":\"ON\","
                          "\"JE.FullColorPrint\":\"OFF\"}}");
}

class Server
{
public:
    Server() = default;
    Server(const Server &) = delete;
    Server &operator=(const Server &) = delete;
    ~Server() { stop(); }

    // Starts the server; false (with the reason in error) when it did not
    // come up. Making the certificates takes a moment on a busy machine.
    bool start(QString *error)
    {
        m_dir.reset(new QTemporaryDir);
        if (!m_dir->isValid())
            return fail(error, QStringLiteral("no temporary folder"));
        m_process.reset(new QProcess);
        m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process->start(QStringLiteral("python3"),
                         {QStringLiteral(HALVANE_HARNESS "/tpx-server.py"), m_dir->path() + QStringLiteral("/tls")});
        if (!m_process->waitForStarted(10000))
            return fail(error, QStringLiteral("python3 could not be started: ") + m_process->errorString());
        QJsonObject ready;
        if (!waitForEvent(QStringLiteral("ready"), 60000, &ready))
            return fail(error, QStringLiteral("tpx-server.py did not report ready"));
        m_port = ready.value(QStringLiteral("port")).toInt();
        m_caPath = ready.value(QStringLiteral("ca")).toString();
        return m_port > 0 ? true : fail(error, QStringLiteral("tpx-server.py reported no port"));
    }

    void stop()
    {
        if (!m_process)
            return;
        if (m_process->state() == QProcess::Running) {
            command(QJsonObject{{QStringLiteral("cmd"), QStringLiteral("quit")}});
            m_process->closeWriteChannel();
            if (!m_process->waitForFinished(5000)) {
                m_process->kill();
                m_process->waitForFinished(5000);
            }
        }
        m_process.reset();
    }

    quint16 port() const { return quint16(m_port); }
    QString portText() const { return QString::number(m_port); }
    QString baseUrl() const { return QStringLiteral("https://127.0.0.1:") + portText(); }
    QString caPath() const { return m_caPath; }

    // Adds this server's CA to the process's default SSL configuration.
    bool trustCa() const
    {
        QFile file(m_caPath);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QList<QSslCertificate> certificates = QSslCertificate::fromData(file.readAll(), QSsl::Pem);
        if (certificates.isEmpty())
            return false;
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        QList<QSslCertificate> trusted = configuration.caCertificates();
        trusted << certificates;
        configuration.setCaCertificates(trusted);
        QSslConfiguration::setDefaultConfiguration(configuration);
        return true;
    }

    // The next request without a queued reply gets this one.
    bool queue(const Reply &reply) { return command(replyCommand(QStringLiteral("reply"), reply)); }
    // Requests with no queued reply get this one.
    bool setDefault(const Reply &reply) { return command(replyCommand(QStringLiteral("default"), reply)); }
    bool release(const QString &name)
    {
        return command(QJsonObject{{QStringLiteral("cmd"), QStringLiteral("release")},
                                   {QStringLiteral("name"), name}});
    }

    // Every request the server received so far.
    QList<Request> requests()
    {
        readEvents();
        return m_requests;
    }
    // Spins the event loop until count requests came in, at most timeoutMs.
    bool waitForRequests(int count, int timeoutMs = 20000)
    {
        return QTest::qWaitFor([&]() { return requests().size() >= count; }, timeoutMs);
    }
    int handshakeFailures()
    {
        readEvents();
        return m_handshakeFailures;
    }
    // Replies the client broke off by closing the connection while they
    // were still being sent.
    int cutOffs()
    {
        readEvents();
        return m_cutOffs;
    }
    // Forgets what came in, drops the replies still queued and ends endless
    // ones still flowing, so one test leaves nothing behind for the next.
    bool forget()
    {
        readEvents();
        m_requests.clear();
        m_handshakeFailures = 0;
        m_cutOffs = 0;
        return command(QJsonObject{{QStringLiteral("cmd"), QStringLiteral("clear")}});
    }

private:
    static bool fail(QString *error, const QString &reason)
    {
        if (error)
            *error = reason;
        return false;
    }

    static QJsonObject replyCommand(const QString &kind, const Reply &reply)
    {
        return QJsonObject{{QStringLiteral("cmd"), kind}, {QStringLiteral("reply"), reply.spec()}};
    }

    // Sends a command and waits until the server took it, so a request sent
    // afterwards sees it.
    bool command(QJsonObject object)
    {
        if (!m_process || m_process->state() != QProcess::Running)
            return false;
        const int id = ++m_lastId;
        object.insert(QStringLiteral("id"), id);
        m_process->write(QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n');
        m_process->waitForBytesWritten(5000);
        QElapsedTimer clock;
        clock.start();
        while (!m_acknowledged.contains(id)) {
            if (clock.elapsed() > 20000 || m_process->state() != QProcess::Running)
                return false;
            m_process->waitForReadyRead(100);
            readEvents();
        }
        return true;
    }

    bool waitForEvent(const QString &name, int timeoutMs, QJsonObject *found)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            if (m_process->state() != QProcess::Running && !m_process->bytesAvailable())
                return false;
            m_process->waitForReadyRead(100);
            while (m_process->canReadLine()) {
                const QJsonObject event = QJsonDocument::fromJson(m_process->readLine()).object();
                if (event.value(QStringLiteral("event")).toString() == name) {
                    *found = event;
                    return true;
                }
            }
        }
        return false;
    }

    void readEvents()
    {
        if (!m_process)
            return;
        while (m_process->canReadLine()) {
            const QJsonObject event = QJsonDocument::fromJson(m_process->readLine()).object();
            const QString kind = event.value(QStringLiteral("event")).toString();
            if (kind == QLatin1String("ok")) {
                m_acknowledged << event.value(QStringLiteral("id")).toInt();
            } else if (kind == QLatin1String("handshake-failed")) {
                ++m_handshakeFailures;
            } else if (kind == QLatin1String("cut-off")) {
                ++m_cutOffs;
            } else if (kind == QLatin1String("request")) {
                Request request;
                request.method = event.value(QStringLiteral("method")).toString();
                request.path = event.value(QStringLiteral("path")).toString();
                for (const QJsonValue &header : event.value(QStringLiteral("headers")).toArray()) {
                    const QJsonArray pair = header.toArray();
                    request.headers.append({pair.at(0).toString(), pair.at(1).toString()});
                }
                request.body = QByteArray::fromBase64(event.value(QStringLiteral("body")).toString().toLatin1());
                m_requests << request;
            }
        }
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QProcess> m_process;
    int m_port = 0;
    QString m_caPath;
    int m_lastId = 0;
    QList<int> m_acknowledged;
    QList<Request> m_requests;
    int m_handshakeFailures = 0;
    int m_cutOffs = 0;
};
}

// So a table of cases can hold replies.
Q_DECLARE_METATYPE(tpxserver::Reply)
