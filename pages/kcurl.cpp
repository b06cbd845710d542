#include "kcurl.h"

#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QPointer>
#include <QUrl>
#include <QVariant>

namespace {
const char *const loginPath = "/ws/user_manager/MobileAccess/MobileAccessRestService/loginPost";
const char *const loginProperty = "kcurlLogin";
const char *const oversizedProperty = "kcurlOversized";
}

kcurl::kcurl()
    : QObject(nullptr),
      manager(new QNetworkAccessManager(this))
{
}

QByteArray kcurl::loginBody(const QString &user, const QString &password)
{
    // By hand: a query object would decode a typed "%41" to "A".
    return QByteArrayLiteral("userID=") + user.toUtf8() + QByteArrayLiteral("&userPWD=") + password.toUtf8();
}

QString kcurl::replyTag(const QString &baseUrl, const QString &user)
{
    return QLatin1Char('<') + baseUrl + QLatin1Char(' ') + user + QLatin1Char('>');
}

int kcurl::login(const QString &baseUrl, const QString &user, const QString &password)
{
    QNetworkRequest request(QUrl(baseUrl + QLatin1String(loginPath), QUrl::TolerantMode));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("text/*"));
    request.setRawHeader("charsets", "utf-8");
    request.setRawHeader("User-Agent", "ZTQ");

    QNetworkReply *reply = manager->post(request, loginBody(user, password));
    reply->setObjectName(replyTag(baseUrl, user));
    const int id = ++lastLogin;
    reply->setProperty(loginProperty, id);
    // The network thread stops reading once this much waits unread, so a
    // body cannot pile up while this thread is busy in a run of lpstat or
    // lpoptions; past maxReplySize, slotReadyRead breaks the reply off.
    // The reply hands the limit on only once it has started, which it does
    // from the event loop: queued behind that start, and again with the
    // headers should the start have waited.
    QPointer<QNetworkReply> started(reply);
    QMetaObject::invokeMethod(
        this, [started]() {
            if (started)
                started->setReadBufferSize(2 * maxReplySize);
        },
        Qt::QueuedConnection);
    connect(reply, &QNetworkReply::metaDataChanged, this, [reply]() { reply->setReadBufferSize(2 * maxReplySize); });
    connect(reply, &QNetworkReply::readyRead, this, &kcurl::slotReadyRead);
    connect(reply, &QNetworkReply::finished, this, &kcurl::slotFinished);
    return id;
}

void kcurl::slotReadyRead()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply || reply->bytesAvailable() <= maxReplySize)
        return;
    reply->setProperty(oversizedProperty, true);
    // Reported only once abort() has returned: it emits finished before it
    // stops the download, and a message box opened from the report would
    // otherwise keep the body flowing in for as long as it is open.
    disconnect(reply, nullptr, this, nullptr);
    reply->abort();
    QPointer<QNetworkReply> aborted(reply);
    QMetaObject::invokeMethod(
        this, [this, aborted]() {
            if (aborted)
                report(aborted);
        },
        Qt::QueuedConnection);
}

void kcurl::slotFinished()
{
    if (auto *reply = qobject_cast<QNetworkReply *>(sender()))
        report(reply);
}

void kcurl::report(QNetworkReply *reply)
{
    const int id = reply->property(loginProperty).toInt();
    if (reply->property(oversizedProperty).toBool() || reply->bytesAvailable() > maxReplySize) {
        emit errorReady(reply->objectName() + QStringLiteral("Reply larger than %1 bytes").arg(maxReplySize), id);
    } else if (reply->error() != QNetworkReply::NoError) {
        emit errorReady(reply->objectName() + reply->errorString(), id);
    } else {
        QByteArray body = reply->readAll();
        const int nul = body.indexOf('\0');
        if (nul >= 0)
            body.truncate(nul);
        emit messageReady(reply->objectName() + QString::fromUtf8(body), id);
    }
    reply->deleteLater();
}
