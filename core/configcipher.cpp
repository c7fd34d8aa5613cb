#include "core/configcipher.h"

#include <QByteArray>

#include <openssl/crypto.h>
#include <openssl/evp.h>

#include <memory>

namespace {

constexpr int BlockSize = 16;

// 30 ASCII characters followed by two zero bytes.
const unsigned char CipherKey[32] = {
    'K', '7', 'm', '2', 'p', '9', 'Q', '4', 'w', '1', 'R', '8', 't', '6', 'Y',
    '3', 'u', '5', 'V', '0', 'o', '2', 'L', '7', 'x', '4', 'B', '9', 'c', 'v',
    0, 0
};

const unsigned char CipherIv[BlockSize] = { 0 };

struct ContextFree {
    void operator()(EVP_CIPHER_CTX *ctx) const { EVP_CIPHER_CTX_free(ctx); }
};
using ContextPtr = std::unique_ptr<EVP_CIPHER_CTX, ContextFree>;

// Value of one hex digit, -1 for any other character. Lower-case digits
// are accepted too; the writer only produces upper case.
int hexValue(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

// The settings' cipher, fetched once for the run. The crypto library's
// system configuration (providers, policies for network security) is not
// read: the settings need one fixed cipher of the built-in provider, and
// reading it would cost every start half a megabyte and some time.
const EVP_CIPHER *settingsCipher()
{
    static const EVP_CIPHER *const cipher = [] {
        OPENSSL_init_crypto(OPENSSL_INIT_NO_LOAD_CONFIG, nullptr);
        return EVP_CIPHER_fetch(nullptr, "AES-256-CBC", nullptr);
    }();
    return cipher;
}

// Runs the cipher over input in one go. Padding is left to the caller on
// deciphering so that the pad check is ours and exact.
bool runCipher(bool encipher, const QByteArray &input, QByteArray *output)
{
    const EVP_CIPHER *cipher = settingsCipher();
    ContextPtr ctx(cipher ? EVP_CIPHER_CTX_new() : nullptr);
    if (!ctx)
        return false;
    if (EVP_CipherInit_ex(ctx.get(), cipher, nullptr, CipherKey, CipherIv,
                          encipher ? 1 : 0) != 1)
        return false;
    if (!encipher)
        EVP_CIPHER_CTX_set_padding(ctx.get(), 0);

    QByteArray out(input.size() + BlockSize, Qt::Uninitialized);
    int written = 0;
    if (EVP_CipherUpdate(ctx.get(), reinterpret_cast<unsigned char *>(out.data()), &written,
                         reinterpret_cast<const unsigned char *>(input.constData()),
                         input.size()) != 1)
        return false;
    int tail = 0;
    if (EVP_CipherFinal_ex(ctx.get(), reinterpret_cast<unsigned char *>(out.data()) + written,
                           &tail) != 1)
        return false;
    out.resize(written + tail);
    *output = out;
    return true;
}

} // namespace

void ConfigCipher::warmUp()
{
    settingsCipher();
}

QString ConfigCipher::encipherText(const QString &text)
{
    QByteArray cipher;
    if (!runCipher(true, text.toUtf8(), &cipher))
        return QString();
    return QString::fromLatin1(cipher.toHex().toUpper());
}

QString ConfigCipher::decipherText(const QString &hex)
{
    const int pairs = hex.size() / 2;   // an odd last character is dropped
    QByteArray cipher(pairs, Qt::Uninitialized);
    for (int i = 0; i < pairs; ++i) {
        const int high = hexValue(hex.at(2 * i));
        const int low = hexValue(hex.at(2 * i + 1));
        if (high < 0 || low < 0)
            return QString();
        cipher[i] = char(high * 16 + low);
    }
    if (cipher.isEmpty() || cipher.size() % BlockSize != 0)
        return QString();

    QByteArray plain;
    if (!runCipher(false, cipher, &plain) || plain.size() != cipher.size())
        return QString();

    const int pad = static_cast<unsigned char>(plain.at(plain.size() - 1));
    if (pad < 1 || pad > BlockSize)
        return QString();
    for (int i = plain.size() - pad; i < plain.size(); ++i) {
        if (static_cast<unsigned char>(plain.at(i)) != pad)
            return QString();
    }
    plain.chop(pad);
    return QString::fromUtf8(plain);
}
