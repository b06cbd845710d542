#include <QtTest>

#include "secretoracle.h"
#include "sessionstate.h"
#include "settingsfile.h"
#include "storedsecret.h"

#include <cstring>

// Stored login secrets: round trip, and an oracle made by outside tools from
// the same passphrase, salt and count.
class TestStoredSecret : public QObject
{
    Q_OBJECT

private:
    static QByteArray plainOf(const char *hex)
    {
        std::unique_ptr<char[]> plain = decryptStoredSecret(hex, int(std::strlen(hex) / 2));
        return plain ? QByteArray(plain.get()) : QByteArray("<none>");
    }

private slots:
    void saltIsTheFixedOne()
    {
        QCOMPARE(storedSecretSalt().toHex(), secretoracle::expectedSaltHex());
        QCOMPARE(storedSecretPassphrase(), QByteArray("PLOVERBAY"));
    }

    void oracle_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<int>("digits");

        QTest::newRow("empty") << QString() << QByteArray("", 1) << 32;
        QTest::newRow("14 bytes: one block") << "abcdefghijklmn" << QByteArray("abcdefghijklmn", 15) << 32;
        QTest::newRow("15 bytes: two blocks") << "abcdefghijklmno" << QByteArray("abcdefghijklmno", 16) << 64;
        QTest::newRow("one backslash stored doubled") << "a\\b" << QByteArray("a\\\\b", 5) << 32;
        QTest::newRow("share path") << "\\\\srv\\scan$" << QByteArray("\\\\\\\\srv\\\\scan$", 15) << 32;
        QTest::newRow("non-ASCII")
            << QString::fromUtf8("Z\xc3\xbcrich \xe2\x82\xac pass")
            << QByteArray("Z\xc3\xbcrich \xe2\x82\xac pass", 17) << 64;
        QTest::newRow("31 bytes") << QString(31, 'q') << QByteArray(31, 'q') + QByteArray(1, '\0') << 96;
    }

    void oracle()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, plain);
        QFETCH(int, digits);

        const QString expected = secretoracle::oracleHex(plain);
        QVERIFY2(!expected.isEmpty(), "the oracle (python3, openssl) could not run");
        QCOMPARE(expected.size(), digits);

        const QString stored = encodeStoredSecret(text);
        QCOMPARE(stored, expected);
        QCOMPARE(decodeStoredSecret(expected), text);
        // The reader hands back the plain bytes with their NUL.
        QCOMPARE(plainOf(expected.toLatin1().constData()), QByteArray(plain.constData()));
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("16 bytes") << "0123456789abcdef";
        QTest::newRow("only backslashes") << "\\\\\\";
        QTest::newRow("trailing backslash") << "pass\\";
        QTest::newRow("equals and blanks") << " user=name ";
        QTest::newRow("Japanese") << QString::fromUtf8("\xe3\x83\x97\xe3\x83\xaa\xe3\x83\xb3\xe3\x82\xbf");
        QTest::newRow("long") << QString("correct horse battery staple ").repeated(40);
    }

    void roundTrip()
    {
        QFETCH(QString, text);
        const QString stored = encodeStoredSecret(text);
        QVERIFY(!stored.isEmpty());
        QCOMPARE(stored.size() % 32, 0);
        QCOMPARE(stored, stored.toLower());
        QCOMPARE(decodeStoredSecret(stored), text);
        // Same key and IV every time: the same text gives the same value.
        QCOMPARE(encodeStoredSecret(text), stored);
    }

    void longSecretThroughSettingsFile()
    {
        // Longer than 1024 hex digits: must come back whole from the file.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        userDataDir = dir.path() + "/u/";
        activeSettingsPath = userDataDir + "Office.cfg";
        const QString password = QString("p\\w=").repeated(200);
        SettingsSnapshot snapshot;
        snapshot.insert("UserLoginPass", encodeStoredSecret(password));
        snapshot.insert("UserLogin", "True");
        QVERIFY(writeProfileFile(activeSettingsPath, snapshot, true));
        const QString stored = readSettingValue("Office", "UserLoginPass");
        QVERIFY(stored.size() > 1024);
        QCOMPARE(decodeStoredSecret(stored), password);
    }

    void upperCaseDigits()
    {
        const QString stored = encodeStoredSecret("Secret1");
        QCOMPARE(plainOf(stored.toUpper().toLatin1().constData()), QByteArray("Secret1"));
    }

    void nonHexDigitsCountAsZero()
    {
        // "0" replaced by another non-digit decodes the same.
        const QString stored = encodeStoredSecret("abc");
        QVERIFY2(stored.contains('0'), qPrintable(stored));
        QString odd = stored;
        odd.replace('0', 'g');
        QCOMPARE(plainOf(odd.toLatin1().constData()), QByteArray("abc"));
    }

    void rejected_data()
    {
        QTest::addColumn<QByteArray>("hex");
        QTest::addColumn<int>("byteCount");

        const QByteArray good = encodeStoredSecret("abcdefghijklmno").toLatin1(); // 64 digits
        QByteArray badLast = good;
        badLast[63] = badLast[63] == '0' ? '1' : '0';
        QByteArray badPadBlock = good;
        badPadBlock[40] = badPadBlock[40] == 'f' ? 'e' : 'f';

        QTest::newRow("empty") << QByteArray("") << 0;
        QTest::newRow("odd length") << good.left(63) << 31;
        QTest::newRow("tampered last byte") << badLast << 32;
        QTest::newRow("tampered padding block") << badPadBlock << 32;
        QTest::newRow("cut to first block") << good.left(32) << 16;
        QTest::newRow("count not whole blocks") << good << 31;
        QTest::newRow("count short of a block") << good << 15;
        QTest::newRow("count zero") << good << 0;
        QTest::newRow("count beyond data") << good << 48;
        QTest::newRow("negative count") << good << -16;
        QTest::newRow("non-hex 32 digits") << QByteArray(32, 'z') << 16;
    }

    void rejected()
    {
        QFETCH(QByteArray, hex);
        QFETCH(int, byteCount);
        QVERIFY(!decryptStoredSecret(hex.constData(), byteCount));
    }

    void missingText()
    {
        QVERIFY(!decryptStoredSecret(nullptr, 16));
        QCOMPARE(decodeStoredSecret(QString()), QString());
        QCOMPARE(decodeStoredSecret("zz"), QString());
    }

    void garbledEarlyBlockStillTerminated()
    {
        // A first block changed in a three-block value: the last block still
        // decrypts, and the answer is garbage but NUL-terminated.
        const QString text(40, 'k');
        QByteArray hex = encodeStoredSecret(text).toLatin1();
        QCOMPARE(hex.size(), 96);
        hex[0] = hex[0] == '0' ? '1' : '0';
        std::unique_ptr<char[]> plain = decryptStoredSecret(hex.constData(), 48);
        QVERIFY(plain);
        QVERIFY(strnlen(plain.get(), 49) <= 48);
        QVERIFY(QByteArray(plain.get()) != text.toLatin1());
    }

    void lowLevelPieces()
    {
        std::unique_ptr<unsigned char[]> bytes;
        int length = -1;
        QVERIFY(hexDecode("00fFa1", &bytes, &length));
        QCOMPARE(length, 3);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(bytes.get()), 4), QByteArray("\x00\xff\xa1\x00", 4));
        QVERIFY(!hexDecode("abc", &bytes, &length));

        int cipherLength = 0;
        std::unique_ptr<unsigned char[]> cipher = encryptString("abcdefghijklmno", &cipherLength);
        QVERIFY(cipher);
        QCOMPARE(cipherLength, 32);
        // A text with a NUL inside ends there.
        std::unique_ptr<unsigned char[]> shortCipher = encryptString("ab\0cd", &cipherLength);
        QCOMPARE(cipherLength, 16);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(shortCipher.get()), 16).toHex(),
                 encodeStoredSecret("ab").toLatin1());
    }
};

QTEST_GUILESS_MAIN(TestStoredSecret)
#include "tst_storedsecret.moc"
