#include "storedsecret.h"

#include <QtEndian>

#include <climits>
#include <cstring>

namespace {

// Two constants laid side by side, little-endian. Changing them makes every
// stored login unreadable.
constexpr quint32 saltLow = 0x6b1d94c3u;
constexpr quint32 saltHigh = 0x2e58f07au;
constexpr int aesBlock = 16;

struct CipherContext
{
    EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
    ~CipherContext() { EVP_CIPHER_CTX_free(ctx); }
    CipherContext() = default;
    CipherContext(const CipherContext &) = delete;
    CipherContext &operator=(const CipherContext &) = delete;
};

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 0;
}

bool setUpContexts(EVP_CIPHER_CTX *encrypt, EVP_CIPHER_CTX *decrypt)
{
    const QByteArray pass = storedSecretPassphrase();
    const QByteArray salt = storedSecretSalt();
    return deriveCipherKeys(reinterpret_cast<const unsigned char *>(pass.constData()), pass.size(),
                            reinterpret_cast<const unsigned char *>(salt.constData()), encrypt, decrypt);
}

} // namespace

QByteArray storedSecretSalt()
{
    QByteArray salt(8, '\0');
    qToLittleEndian(saltLow, salt.data());
    qToLittleEndian(saltHigh, salt.data() + 4);
    return salt;
}

QByteArray storedSecretPassphrase()
{
    return QByteArrayLiteral("PLOVERBAY");
}

bool hexDecode(const char *hex, std::unique_ptr<unsigned char[]> *bytes, int *length)
{
    if (!hex || !bytes || !length)
        return false;
    const size_t digits = std::strlen(hex);
    if (digits == 0 || digits % 2 != 0 || digits / 2 > size_t(INT_MAX - 1))
        return false;
    const int count = int(digits / 2);
    std::unique_ptr<unsigned char[]> out(new unsigned char[count + 1]);
    for (int i = 0; i < count; ++i)
        out[i] = static_cast<unsigned char>(hexValue(hex[2 * i]) << 4 | hexValue(hex[2 * i + 1]));
    out[count] = 0;
    *bytes = std::move(out);
    *length = count;
    return true;
}

bool deriveCipherKeys(const unsigned char *passphrase, int passphraseLength,
                      const unsigned char *salt, EVP_CIPHER_CTX *encrypt,
                      EVP_CIPHER_CTX *decrypt)
{
    unsigned char key[32];
    unsigned char iv[16];
    const int keyLength = EVP_BytesToKey(EVP_aes_256_cbc(), EVP_sha1(), salt, passphrase,
                                         passphraseLength, 5, key, iv);
    if (keyLength != 32)
        return false;
    if (encrypt && EVP_EncryptInit_ex(encrypt, EVP_aes_256_cbc(), nullptr, key, iv) != 1)
        return false;
    if (decrypt && EVP_DecryptInit_ex(decrypt, EVP_aes_256_cbc(), nullptr, key, iv) != 1)
        return false;
    return true;
}

std::unique_ptr<unsigned char[]> decryptBuffer(EVP_CIPHER_CTX *decrypt, const unsigned char *bytes,
                                               int *length)
{
    if (!decrypt || !bytes || !length || *length < 0 || *length > INT_MAX - aesBlock - 1)
        return nullptr;
    // Restart with the key and IV already set up.
    if (EVP_DecryptInit_ex(decrypt, nullptr, nullptr, nullptr, nullptr) != 1)
        return nullptr;
    std::unique_ptr<unsigned char[]> plain(new unsigned char[*length + aesBlock + 1]);
    int updated = 0;
    int finished = 0;
    if (EVP_DecryptUpdate(decrypt, plain.get(), &updated, bytes, *length) != 1
        || EVP_DecryptFinal_ex(decrypt, plain.get() + updated, &finished) != 1)
        return nullptr;
    *length = updated + finished;
    plain[*length] = 0;
    return plain;
}

std::unique_ptr<unsigned char[]> encryptBuffer(EVP_CIPHER_CTX *encrypt, const unsigned char *bytes,
                                               int *length)
{
    if (!encrypt || !bytes || !length || *length < 0 || *length > INT_MAX - aesBlock)
        return nullptr;
    if (EVP_EncryptInit_ex(encrypt, nullptr, nullptr, nullptr, nullptr) != 1)
        return nullptr;
    std::unique_ptr<unsigned char[]> cipher(new unsigned char[*length + aesBlock]);
    int updated = 0;
    int finished = 0;
    if (EVP_EncryptUpdate(encrypt, cipher.get(), &updated, bytes, *length) != 1
        || EVP_EncryptFinal_ex(encrypt, cipher.get() + updated, &finished) != 1)
        return nullptr;
    *length = updated + finished;
    return cipher;
}

std::unique_ptr<char[]> decryptStoredSecret(const char *hex, int byteCount)
{
    std::unique_ptr<unsigned char[]> bytes;
    int decoded = 0;
    if (!hexDecode(hex, &bytes, &decoded))
        return nullptr;
    // Never read past what was decoded.
    if (byteCount < 0 || byteCount > decoded)
        return nullptr;
    CipherContext dec;
    if (!dec.ctx || !setUpContexts(nullptr, dec.ctx))
        return nullptr;
    int length = byteCount;
    std::unique_ptr<unsigned char[]> plain = decryptBuffer(dec.ctx, bytes.get(), &length);
    if (!plain)
        return nullptr;
    return std::unique_ptr<char[]>(reinterpret_cast<char *>(plain.release()));
}

std::unique_ptr<unsigned char[]> encryptString(const char *text, int *length)
{
    if (!text || !length)
        return nullptr;
    const size_t withNul = std::strlen(text) + 1;
    if (withNul > size_t(INT_MAX - aesBlock))
        return nullptr;
    CipherContext enc;
    if (!enc.ctx || !setUpContexts(enc.ctx, nullptr))
        return nullptr;
    int n = int(withNul);
    std::unique_ptr<unsigned char[]> cipher =
        encryptBuffer(enc.ctx, reinterpret_cast<const unsigned char *>(text), &n);
    if (!cipher)
        return nullptr;
    *length = n;
    return cipher;
}

QString encodeStoredSecret(const QString &text)
{
    QString doubled = text;
    doubled.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    // UTF-8, which the reader decodes, whatever the locale's encoding is.
    const QByteArray plain = doubled.toUtf8();
    int length = 0;
    std::unique_ptr<unsigned char[]> cipher = encryptString(plain.constData(), &length);
    if (!cipher)
        return QString();
    return QString::fromLatin1(
        QByteArray::fromRawData(reinterpret_cast<const char *>(cipher.get()), length).toHex());
}

QString decodeStoredSecret(const QString &stored)
{
    if (stored.isEmpty())
        return QString();
    const QByteArray hex = stored.toUtf8();
    std::unique_ptr<char[]> plain = decryptStoredSecret(hex.constData(), hex.size() / 2);
    if (!plain)
        return QString();
    QString text = QString::fromUtf8(plain.get());
    text.replace(QLatin1String("\\\\"), QLatin1String("\\"));
    return text;
}
