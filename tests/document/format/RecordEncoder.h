#pragma once

// A straightforward document encoder of the tests' own, independent of the code
// under test: one RC4 pass over the concatenated record texts, length bytes in clear.

#include <QByteArray>
#include <QString>

#include <array>
#include <utility>
#include <vector>

namespace testdoc {

inline QByteArray encodeRecords(const QByteArray& key, const std::vector<QByteArray>& texts) {
    std::array<unsigned char, 256> S{};
    for (int i = 0; i < 256; ++i)
        S[i] = static_cast<unsigned char>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + S[i] + static_cast<unsigned char>(key[i % key.size()])) % 256;
        std::swap(S[i], S[j]);
    }
    QByteArray out;
    int i = 0;
    int j = 0;
    for (const QByteArray& text : texts) {
        out.append(static_cast<char>(text.size()));
        for (char c : text) {
            i = (i + 1) % 256;
            j = (j + S[i]) % 256;
            std::swap(S[i], S[j]);
            out.append(static_cast<char>(c ^ S[(S[i] + S[j]) % 256]));
        }
    }
    return out;
}

// MacRoman for ASCII and the few other characters the tests use.
inline QByteArray macRoman(const QString& s) {
    QByteArray out;
    for (QChar c : s) {
        switch (c.unicode()) {
            case 0x00E9:
                out.append('\x8E');
                break;  // é
            case 0x20AC:
                out.append('\xDB');
                break;  // €
            case 0x2122:
                out.append('\xAA');
                break;  // ™
            case 0x00FC:
                out.append('\x9F');
                break;  // ü
            default:
                out.append(static_cast<char>(c.unicode()));
                break;
        }
    }
    return out;
}

}  // namespace testdoc
