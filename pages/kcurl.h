#pragma once

#include <QNetworkReply>
#include <QObject>
#include <QString>

class QNetworkAccessManager;

// The HTTPS client of the print-accounting login. One login is one POST; its
// outcome comes back later as exactly one messageReady or errorReady, once
// the reply has finished or was broken off. Every text handed on begins with
// the reply tag "<" + base URL + " " + user name + ">", followed by the whole
// body or the error text. The certificate must verify against the system's
// CAs: a login to a server that fails verification fails like any other
// connection. A reply that grows past maxReplySize is broken off and fails
// the login too.
class kcurl : public QObject
{
    Q_OBJECT

public:
    // Far above any real answer of the server, and low enough that an
    // endless or runaway body costs nothing worth noticing.
    static constexpr qint64 maxReplySize = 1024 * 1024;

    kcurl();

    // Sends the login and returns at once. The answer is a number, new for
    // every login, that the signals of its reply carry, so that a caller can
    // tell which of several logins on their way a reply belongs to.
    int login(const QString &baseUrl, const QString &user, const QString &password);

    // The request body exactly as it goes out: the UTF-8 bytes of the user
    // name and password, nothing percent-encoded.
    static QByteArray loginBody(const QString &user, const QString &password);
    static QString replyTag(const QString &baseUrl, const QString &user);

signals:
    void messageReady(const QString &message, int login);
    void errorReady(const QString &message, int login);

public slots:
    // Breaks a reply off once its body passes maxReplySize.
    void slotReadyRead();
    // Reports a reply once it has finished, and lets it go.
    void slotFinished();

private:
    void report(QNetworkReply *reply);

    QNetworkAccessManager *manager;
    int lastLogin = 0;
};
