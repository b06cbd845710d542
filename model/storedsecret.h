#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

#include <openssl/evp.h>

// Login name and password as stored under "UserLoginName"/"UserLoginPass":
// the text with backslashes doubled, in UTF-8, plus a NUL,
// encrypted with AES-256-CBC (PKCS#7 padding) and written as lower-case hex.
// Key and IV come from EVP_BytesToKey (SHA-1, 5 rounds) over a fixed
// passphrase and salt, the same for every value and installation.

// The 8-byte salt and the passphrase; writer and reader use only these.
QByteArray storedSecretSalt();
QByteArray storedSecretPassphrase();

// Hex digits to bytes, each pair high half first; a non-hex digit counts as
// zero. False for missing, empty or odd-length text. On success *bytes is a
// new buffer of *length bytes plus a trailing NUL, owned by the caller.
bool hexDecode(const char *hex, std::unique_ptr<unsigned char[]> *bytes, int *length);

// Derives key and IV and sets up either context (a null context is skipped)
// for AES-256-CBC. False when the key derivation fails.
bool deriveCipherKeys(const unsigned char *passphrase, int passphraseLength,
                      const unsigned char *salt, EVP_CIPHER_CTX *encrypt,
                      EVP_CIPHER_CTX *decrypt);

// Decrypts *length bytes with a context set up by deriveCipherKeys. Answers a
// new NUL-terminated buffer and sets *length to the plain length, or answers
// null when the data does not decrypt (bad padding, a length that is not a
// whole number of blocks).
std::unique_ptr<unsigned char[]> decryptBuffer(EVP_CIPHER_CTX *decrypt, const unsigned char *bytes,
                                               int *length);
// Encrypts *length bytes; *length becomes the cipher length (a multiple of
// 16). Null on failure.
std::unique_ptr<unsigned char[]> encryptBuffer(EVP_CIPHER_CTX *encrypt, const unsigned char *bytes,
                                               int *length);

// The plain bytes of a stored value: decodes hex and decrypts its first
// byteCount bytes (callers pass half the hex length). Always NUL-terminated;
// null for missing, empty or odd-length hex, a byteCount beyond the decoded
// data, or a value whose last block does not decrypt.
std::unique_ptr<char[]> decryptStoredSecret(const char *hex, int byteCount);

// The cipher bytes of text up to and including its first NUL; *length gets
// their count. Null on failure.
std::unique_ptr<unsigned char[]> encryptString(const char *text, int *length);

// What the pages use: the stored value of a user's text, and the text of a
// stored value (empty when it does not decrypt).
QString encodeStoredSecret(const QString &text);
QString decodeStoredSecret(const QString &stored);
