#include "emailcheck.h"

#include <QByteArray>

EmailCheck::Outcome EmailCheck::check(const QString &address)
{
    if (address.contains(QLatin1Char('"')))
        return DoubleQuote;
    const QByteArray bytes = address.toUtf8();
    if (bytes.size() > maxBytes)
        return BadFormat;
    if (bytes.isEmpty())
        return Empty;
    const int at = bytes.indexOf('@');
    if (at < 0)
        return BadFormat;
    if (bytes.contains(' '))
        return Spaces;
    for (const char byte : bytes) {
        if (static_cast<unsigned char>(byte) > 0x7f)
            return NotAscii;
    }
    if (at == 0 || at == bytes.size() - 1)
        return BadFormat;
    if (bytes.indexOf('@', at + 1) >= 0)
        return BadFormat;
    const QByteArray local = bytes.left(at);
    if (local.endsWith('.') || local.startsWith('.'))
        return BadFormat;
    if (bytes.contains(".."))
        return BadFormat;
    if (!bytes.mid(at + 1).contains('.'))
        return BadFormat;
    if (bytes.endsWith('.'))
        return BadFormat;
    return Accepted;
}
