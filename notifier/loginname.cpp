#include "loginname.h"

#include <pwd.h>
#include <unistd.h>

#include <QtGlobal>

namespace {

// True when [at, at + length) lies inside an occurrence of a word longer
// than the stretch.
bool insideLongerWord(const QString &notice, int at, int length, const QStringList &words)
{
    for (const QString &word : words) {
        if (word.size() <= length)
            continue;
        for (int found = notice.indexOf(word, 0, Qt::CaseInsensitive); found >= 0;
             found = notice.indexOf(word, found + 1, Qt::CaseInsensitive)) {
            if (found <= at && at + length <= found + word.size())
                return true;
        }
    }
    return false;
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
    return !loginName.isEmpty() && notice.contains(loginName, Qt::CaseSensitive);
}

QString LoginName::blankedOut(const QString &notice, const QString &loginName, const QStringList &words)
{
    if (loginName.isEmpty())
        return notice;
    QString text = notice;
    for (int at = notice.indexOf(loginName, 0, Qt::CaseSensitive); at >= 0;
         at = notice.indexOf(loginName, at + 1, Qt::CaseSensitive)) {
        if (!insideLongerWord(notice, at, loginName.size(), words))
            text.replace(at, loginName.size(), QString(loginName.size(), QLatin1Char(' ')));
    }
    return text;
}
