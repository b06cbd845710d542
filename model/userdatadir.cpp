#include "userdatadir.h"

#include "sessionstate.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString loginName()
{
    const QString user = QString::fromLatin1(qgetenv("USER"));
    if (!user.isEmpty())
        return user;
    if (const passwd *account = getpwuid(getuid()))
        return QFile::decodeName(account->pw_name);
    return QString();
}

QString cleanedUserDataDir()
{
    return userDataDir.isEmpty() ? QString() : QDir::cleanPath(userDataDir);
}

} // namespace

QString currentUserDataDir()
{
    return QStringLiteral("/usr/share/quorvan/%1/").arg(loginName());
}

UserDataDirState userDataDirState()
{
    const QString dir = cleanedUserDataDir();
    if (dir.isEmpty() || holdsNul(dir))
        return UserDataDirState::Refused;
    struct stat info;
    if (::lstat(QFile::encodeName(dir).constData(), &info) != 0)
        return errno == ENOENT ? UserDataDirState::Absent : UserDataDirState::Refused;
    // Group write stays allowed: the folder is made 0775 on purpose.
    if (!S_ISDIR(info.st_mode) || info.st_uid != geteuid() || (info.st_mode & S_IWOTH))
        return UserDataDirState::Refused;
    return UserDataDirState::Usable;
}

bool userDataDirUsable()
{
    return userDataDirState() == UserDataDirState::Usable;
}

bool holdsNul(const QString &path)
{
    return path.contains(QChar(0));
}

bool isInUserDataDir(const QString &path)
{
    const QString dir = cleanedUserDataDir();
    if (dir.isEmpty() || path.isEmpty())
        return false;
    const QString cleaned = QDir::cleanPath(QDir::isAbsolutePath(path) ? path : QDir::current().absoluteFilePath(path));
    return cleaned == dir || cleaned.startsWith(dir + QLatin1Char('/'));
}

namespace {

bool mayReadAt(const QString &path)
{
    return !path.isEmpty() && !holdsNul(path) && !(isInUserDataDir(path) && !userDataDirUsable());
}

} // namespace

bool openUserFileForReading(QFile &file, const QString &path)
{
    file.close();
    if (!mayReadAt(path))
        return false;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file.setFileName(path);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}
