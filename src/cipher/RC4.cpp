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
    state = QByteArray(kBufferSize, '\0');
    bitbucket = QByteArray(kBufferSize, '\0');
    auto* S = reinterpret_cast<unsigned char*>(state.data());
    for (int i = 0; i < kBufferSize; ++i)
        S[i] = static_cast<unsigned char>(i);
    x = 0;
    y = 0;

    static const char kEmptyKeyByte = '\0';
    const char* K = key.isEmpty() ? &kEmptyKeyByte : key.constData();
    const int keyLength = key.isEmpty() ? 1 : static_cast<int>(key.size());
    int j = 0;
    int k = 0;
    for (int i = 0; i < kBufferSize; ++i) {
        j = (static_cast<unsigned char>(K[k]) + S[i] + j) & 0xFF;
        std::swap(S[i], S[j]);
        k = (k + 1) % keyLength;
    }
}

QByteArray RC4::blockcrypt(const QByteArray& s) {
    const int n = static_cast<int>(std::min<qsizetype>(s.size(), kBlockSize));
    auto* buf = reinterpret_cast<unsigned char*>(bitbucket.data());
    auto* S = reinterpret_cast<unsigned char*>(state.data());
    buf[0] = static_cast<unsigned char>(n);
    std::copy_n(s.constData(), n, reinterpret_cast<char*>(buf + 1));

    int xi = x;
    int yi = y;
    for (int p = 1; p <= n; ++p) {
        xi = (xi + 1) & 0xFF;
        yi = (S[xi] + yi) & 0xFF;
        std::swap(S[xi], S[yi]);
        buf[p] ^= S[(S[xi] + S[yi]) & 0xFF];
    }
    x = xi;
    y = yi;
    return QByteArray(reinterpret_cast<const char*>(buf + 1), buf[0]);
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
