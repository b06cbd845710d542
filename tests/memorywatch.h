#pragma once

// Waits for something while watching this process's resident memory, so a
// test of a reply that would grow without end fails once the growth passes a
// ceiling instead of running the machine out of memory.

#include <QFile>
#include <QList>
#include <QtTest>

#include <functional>
#include <unistd.h>

namespace memorywatch {

// The resident set size of this process in bytes, -1 when /proc does not
// tell.
inline qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().simplified().split(' ');
    bool ok = false;
    const qint64 pages = fields.size() > 1 ? fields.at(1).toLongLong(&ok) : 0;
    return ok ? pages * sysconf(_SC_PAGESIZE) : -1;
}

// Spins the event loop until done() or timeoutMs, and gives up early once
// the resident memory has grown by more than ceiling bytes since the call
// (or since the size given as since). Answers whether done() came true;
// growth gets the largest growth seen.
inline bool waitFor(const std::function<bool()> &done, qint64 ceiling, int timeoutMs, qint64 *growth,
                    qint64 since = -1)
{
    const qint64 start = since >= 0 ? since : residentBytes();
    *growth = 0;
    return QTest::qWaitFor([&]() {
        *growth = qMax(*growth, residentBytes() - start);
        return done() || *growth > ceiling;
    }, timeoutMs) && done();
}
}
