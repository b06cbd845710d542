#pragma once

// The stored-secret form made by outside tools, for the tests that check the
// writer and reader against something that is not the code under test.

#include "processrunner.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace secretoracle {

// Fixed here on purpose, apart from the code: a changed salt would make
// every stored login unreadable, so the oracle must not follow it.
inline QByteArray expectedSaltHex()
{
    return "c3941d6b7af0582e";
}

// Key and IV by EVP_BytesToKey (SHA-1, 5 rounds) worked out in Python, once
// per process: the hex of both, empty when Python could not run.
inline QList<QByteArray> oracleKeyIv()
{
    static QList<QByteArray> keyIv;
    if (!keyIv.isEmpty())
        return keyIv;
    const QByteArray script =
        "import hashlib, sys\n"
        "data = b'PLOVERBAY'\n"
        "salt = bytes.fromhex(sys.argv[1])\n"
        "out, prev = b'', b''\n"
        "while len(out) < 48:\n"
        "    h = hashlib.sha1(prev + data + salt).digest()\n"
        "    for _ in range(4):\n"
        "        h = hashlib.sha1(h).digest()\n"
        "    out += h\n"
        "    prev = h\n"
        "print(out[:32].hex(), out[32:48].hex())\n";
    const ProcessResult derive =
        ProcessRunner::run("python3", {"-c", QString::fromLatin1(script), QString::fromLatin1(expectedSaltHex())});
    if (!derive.succeeded()) {
        qWarning("python3 failed: %s", derive.standardError.constData());
        return keyIv;
    }
    const QList<QByteArray> words = derive.standardOutput.trimmed().split(' ');
    if (words.size() == 2)
        keyIv = words;
    return keyIv;
}

// AES-256-CBC by the openssl command line over exactly the bytes given (the
// NUL included when the caller adds it). Empty when a tool could not run.
inline QString oracleHex(const QByteArray &plain)
{
    const QList<QByteArray> keyIv = oracleKeyIv();
    if (keyIv.size() != 2)
        return QString();
    const ProcessResult enc = ProcessRunner::run(
        "openssl", {"enc", "-aes-256-cbc", "-nosalt", "-K", QString::fromLatin1(keyIv[0]), "-iv",
                    QString::fromLatin1(keyIv[1])},
        30000, plain);
    if (!enc.succeeded()) {
        qWarning("openssl enc failed: %s", enc.standardError.constData());
        return QString();
    }
    return QString::fromLatin1(enc.standardOutput.toHex());
}
}
