#include "atomicfile.h"

#include "userdatadir.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool writeAll(int fd, const QByteArray &data)
{
    const char *at = data.constData();
    qint64 left = data.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, at, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        at += written;
        left -= written;
    }
    return true;
}

// A new file beside the target, made by us alone (O_EXCL, no link followed),
// then renamed over the target: a link planted at the target is replaced,
// never written through.
bool replaceWithoutFollowing(const QString &path, const QByteArray &data)
{
    const QByteArray target = QFile::encodeName(path);
    struct stat old;
    const bool replacesRegular = ::lstat(target.constData(), &old) == 0 && S_ISREG(old.st_mode);

    // A short hidden name: the target's own name may already take all 255
    // bytes a name can have, and a hidden file is never listed or counted.
    const QByteArray folder = target.left(target.lastIndexOf('/') + 1);
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = folder + ".halvane-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    // A file that is replaced keeps its permissions, as QSaveFile does.
    bool ok = (!replacesRegular || ::fchmod(fd, old.st_mode & 07777) == 0) && writeAll(fd, data)
        && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok && ::rename(temporary.constData(), target.constData()) == 0)
        return true;
    ::unlink(temporary.constData());
    return false;
}

} // namespace

bool writeFileAtomically(const QString &path, const QByteArray &data)
{
    if (holdsNul(path))
        return false;
    if (isInUserDataDir(path)) {
        if (!userDataDirUsable())
            return false;
        return replaceWithoutFollowing(path, data);
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool renameWithoutReplacing(const QString &from, const QString &to)
{
    // QFile::rename falls back to copying into to when it cannot rename,
    // and that copy follows a link there. A hard link fails on anything
    // that stands at to.
    if (holdsNul(from) || holdsNul(to))
        return false;
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::link(source.constData(), target.constData()) != 0)
        return false;
    if (::unlink(source.constData()) == 0)
        return true;
    ::unlink(target.constData());
    return false;
}
