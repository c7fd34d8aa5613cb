#ifndef CONFIGCIPHER_H
#define CONFIGCIPHER_H

#include <QString>

// The cipher of "App.cnf": AES-256 in CBC mode with a fixed key and a zero
// IV, PKCS#7 padding, the cipher text written as uppercase hexadecimal.
// The parameters are fixed so that a file written by one copy of the
// program loads in any other.
class ConfigCipher
{
public:
    // UTF-8 bytes of text, padded and enciphered, as uppercase hex (two
    // digits per byte). Empty only if the cipher itself fails.
    static QString encipherText(const QString &text);

    // The reverse of encipherText(). An odd last character is ignored.
    // Empty when the text holds a character that is not a hex digit, when
    // the cipher text is not a positive multiple of 16 bytes, or when the
    // padding of the last block is wrong.
    static QString decipherText(const QString &hex);

    // Fetches the cipher ahead of the first use (a few milliseconds), e.g.
    // on a thread beside the start.
    static void warmUp();
};

#endif // CONFIGCIPHER_H
