#pragma once

// How the settings readers meet a file: the opens of it as the kernel counts
// them, and a rewrite in place by another program that leaves the file's
// size and times as they were, as "cp -p" or "rsync --inplace" restoring a
// backup can.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace settingsreads {

// The times the file at path is opened while work runs (the closes keep the
// kernel from merging repeated opens); -1 when it cannot be watched.
template<typename Work>
int opensOf(const QString &path, Work work)
{
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch < 0 || ::inotify_add_watch(watch, QFile::encodeName(path).constData(), IN_OPEN | IN_CLOSE_NOWRITE) < 0) {
        if (watch >= 0)
            ::close(watch);
        return -1;
    }
    work();
    int opens = 0;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t got; (got = ::read(watch, buffer, sizeof buffer)) > 0;) {
        for (char *at = buffer; at < buffer + got;) {
            const auto *event = reinterpret_cast<const inotify_event *>(at);
            opens += (event->mask & IN_OPEN) ? 1 : 0;
            at += sizeof(inotify_event) + event->len;
        }
    }
    ::close(watch);
    return opens;
}

// Another process writes data into the file at path, same inode, then sets
// its times back with touch. False unless the file then holds data and has
// its old size and modification time.
inline bool rewriteKeepingTimes(const QString &path, const QByteArray &data)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat before, after;
    if (::stat(name.constData(), &before) != 0 || before.st_size != data.size())
        return false;
    QProcess writer;
    writer.start(QStringLiteral("/bin/sh"),
                 {QStringLiteral("-c"),
                  QStringLiteral("touch -r \"$1\" \"$1.times\" && cat > \"$1\" && touch -r \"$1.times\" \"$1\" "
                                 "&& rm -f \"$1.times\""),
                  QStringLiteral("sh"), path});
    if (!writer.waitForStarted())
        return false;
    writer.write(data);
    writer.closeWriteChannel();
    if (!writer.waitForFinished() || writer.exitStatus() != QProcess::NormalExit || writer.exitCode() != 0)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.readAll() != data)
        return false;
    return ::stat(name.constData(), &after) == 0 && after.st_ino == before.st_ino && after.st_size == before.st_size
        && after.st_mtim.tv_sec == before.st_mtim.tv_sec && after.st_mtim.tv_nsec == before.st_mtim.tv_nsec;
}

} // namespace settingsreads
