#include "loginname.h"

#include <pwd.h>
#include <unistd.h>

#include <QtGlobal>

namespace {

bool isNameCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('-');
}

// A dot joins two name parts ("ann.lee") but ends a sentence ("ann.").
bool continuesBefore(const QString &text, int position)
{
    if (position <= 0)
        return false;
    const QChar c = text.at(position - 1);
    if (isNameCharacter(c))
        return true;
    return c == QLatin1Char('.') && position >= 2 && isNameCharacter(text.at(position - 2));
}

bool continuesAfter(const QString &text, int end)
{
    if (end >= text.size())
        return false;
    const QChar c = text.at(end);
    if (isNameCharacter(c))
        return true;
    return c == QLatin1Char('.') && end + 1 < text.size() && isNameCharacter(text.at(end + 1));
}

// Position of the next standalone occurrence at or after from, or -1.
int nextStandalone(const QString &notice, const QString &loginName, int from)
{
    for (int at = notice.indexOf(loginName, from, Qt::CaseSensitive); at >= 0;
         at = notice.indexOf(loginName, at + 1, Qt::CaseSensitive)) {
        if (!continuesBefore(notice, at) && !continuesAfter(notice, at + loginName.size()))
            return at;
    }
    return -1;
}

} // namespace

QString LoginName::current()
{
    const QString user = qEnvironmentVariable("USER");
    if (!user.isEmpty())
        return user;
    if (const passwd *account = getpwuid(getuid()))
        return QString::fromLocal8Bit(account->pw_name);
    return QString();
}

bool LoginName::isNamedIn(const QString &notice, const QString &loginName)
{
    return !loginName.isEmpty() && nextStandalone(notice, loginName, 0) >= 0;
}

QString LoginName::blankedOut(const QString &notice, const QString &loginName)
{
    if (loginName.isEmpty())
        return notice;
    QString text = notice;
    for (int at = nextStandalone(text, loginName, 0); at >= 0;
         at = nextStandalone(text, loginName, at + loginName.size()))
        text.replace(at, loginName.size(), QString(loginName.size(), QLatin1Char(' ')));
    return text;
}
