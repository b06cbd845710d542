#include "kcurl.h"

#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QUrl>
#include <QVariant>

namespace {
const char *const loginPath = "/ws/user_manager/MobileAccess/MobileAccessRestService/loginPost";
const char *const loginProperty = "kcurlLogin";
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
    connect(reply, &QNetworkReply::finished, this, &kcurl::slotFinished);
    return id;
}

void kcurl::slotFinished()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply)
        return;
    const int id = reply->property(loginProperty).toInt();
    if (reply->error() != QNetworkReply::NoError) {
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
