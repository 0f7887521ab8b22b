#include "framework/core/MacRoman.h"

#include "framework/core/Strings.h"

#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/unorm2.h>

#include <QtAlgorithms>

#include <array>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

ConverterPtr OpenConverter() {
    UErrorCode status = U_ZERO_ERROR;
    ConverterPtr c(ucnv_open("macintosh", &status));
    if (U_FAILURE(status))
        return ConverterPtr();
    // Unmappable characters stop the conversion instead of becoming "?".
    ucnv_setFromUCallBack(c.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    ucnv_setFallback(c.get(), false);
    return U_FAILURE(status) ? ConverterPtr() : std::move(c);
}

UConverter* Converter() {
    static thread_local ConverterPtr converter = OpenConverter();
    return converter.get();
}

// The characters of bytes 0x80-0xFF, as the converter maps them (a test holds
// the two to each other). Decoding with it needs no converter at all.
constexpr std::array<char16_t, 128> kHighHalf = {
    u'\u00C4', u'\u00C5', u'\u00C7', u'\u00C9', u'\u00D1', u'\u00D6', u'\u00DC', u'\u00E1', u'\u00E0', u'\u00E2',
    u'\u00E4', u'\u00E3', u'\u00E5', u'\u00E7', u'\u00E9', u'\u00E8', u'\u00EA', u'\u00EB', u'\u00ED', u'\u00EC',
    u'\u00EE', u'\u00EF', u'\u00F1', u'\u00F3', u'\u00F2', u'\u00F4', u'\u00F6', u'\u00F5', u'\u00FA', u'\u00F9',
    u'\u00FB', u'\u00FC', u'\u2020', u'\u00B0', u'\u00A2', u'\u00A3', u'\u00A7', u'\u2022', u'\u00B6', u'\u00DF',
    u'\u00AE', u'\u00A9', u'\u2122', u'\u00B4', u'\u00A8', u'\u2260', u'\u00C6', u'\u00D8', u'\u221E', u'\u00B1',
    u'\u2264', u'\u2265', u'\u00A5', u'\u00B5', u'\u2202', u'\u2211', u'\u220F', u'\u03C0', u'\u222B', u'\u00AA',
    u'\u00BA', u'\u03A9', u'\u00E6', u'\u00F8', u'\u00BF', u'\u00A1', u'\u00AC', u'\u221A', u'\u0192', u'\u2248',
    u'\u2206', u'\u00AB', u'\u00BB', u'\u2026', u'\u00A0', u'\u00C0', u'\u00C3', u'\u00D5', u'\u0152', u'\u0153',
    u'\u2013', u'\u2014', u'\u201C', u'\u201D', u'\u2018', u'\u2019', u'\u00F7', u'\u25CA', u'\u00FF', u'\u0178',
    u'\u2044', u'\u20AC', u'\u2039', u'\u203A', u'\uFB01', u'\uFB02', u'\u2021', u'\u00B7', u'\u201A', u'\u201E',
    u'\u2030', u'\u00C2', u'\u00CA', u'\u00C1', u'\u00CB', u'\u00C8', u'\u00CD', u'\u00CE', u'\u00CF', u'\u00CC',
    u'\u00D3', u'\u00D4', u'\uF8FF', u'\u00D2', u'\u00DA', u'\u00DB', u'\u00D9', u'\u0131', u'\u02C6', u'\u02DC',
    u'\u00AF', u'\u02D8', u'\u02D9', u'\u02DA', u'\u00B8', u'\u02DD', u'\u02DB', u'\u02C7',
};

constexpr char16_t CharOf(uchar byte) {
    return byte < 0x80 ? char16_t(byte) : kHighHalf[byte - 0x80];
}

bool IsAscii(const QString& s) {
    return OrOfUnits(s) < 0x80;
}

// Byte of each character that MacRoman has and that NFC leaves alone in any
// text (quick check "yes", combining class 0: a text of only such characters
// is in NFC already); -1 for the rest, which go through normalisation and the
// converter.
const std::vector<qint16>& FastEncodeTable() {
    static const std::vector<qint16> table = [] {
        std::vector<qint16> t(0x10000, -1);
        UErrorCode status = U_ZERO_ERROR;
        const UNormalizer2* nfc = unorm2_getNFCInstance(&status);
        if (U_FAILURE(status))
            return t;
        for (int b = 0; b < 256; ++b) {
            const char16_t c = CharOf(uchar(b));
            status = U_ZERO_ERROR;
            if (u_getCombiningClass(c) != 0 ||
                unorm2_quickCheck(nfc, reinterpret_cast<const UChar*>(&c), 1, &status) != UNORM_YES ||
                U_FAILURE(status))
                continue;
            t[c] = qint16(b);
        }
        return t;
    }();
    return table;
}

bool EncodeByTable(const QString& text, QByteArray* out) {
    const qint16* table = FastEncodeTable().data();
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* dst = bytes.data();
    const char16_t* u = reinterpret_cast<const char16_t*>(text.utf16());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qint16 b = table[u[i]];
        if (b < 0)
            return false;
        dst[i] = char(b);
    }
    *out = bytes;
    return true;
}

const UNormalizer2* Nfc() {
    UErrorCode status = U_ZERO_ERROR;
    const UNormalizer2* n = unorm2_getNFCInstance(&status);
    return U_SUCCESS(status) ? n : nullptr;
}

const UChar* Units(const QString& s) {
    return reinterpret_cast<const UChar*>(s.utf16());
}

QString ToNfc(const QString& s) {
    const UNormalizer2* nfc = Nfc();
    if (!nfc)
        return s;
    UErrorCode status = U_ZERO_ERROR;
    if (unorm2_isNormalized(nfc, Units(s), int32_t(s.size()), &status) && U_SUCCESS(status))
        return s;
    // NFC can grow a text (a few characters decompose and recompose longer).
    QString out;
    out.resize(s.size() * 3 + 8);
    status = U_ZERO_ERROR;
    const int32_t n = unorm2_normalize(nfc, Units(s), int32_t(s.size()), reinterpret_cast<UChar*>(out.data()),
                                       int32_t(out.size()), &status);
    if (U_FAILURE(status))
        return s;
    out.resize(n);
    return out;
}

// Converts text already in NFC; false when some character has no MacRoman form.
bool EncodeNormalized(const QString& text, QByteArray* out) {
    UConverter* c = Converter();
    if (!c)
        return false;
    ucnv_resetFromUnicode(c);
    QByteArray bytes(text.size() + 1, Qt::Uninitialized);
    UErrorCode status = U_ZERO_ERROR;
    const int32_t n =
        ucnv_fromUChars(c, bytes.data(), int32_t(bytes.size()), Units(text), int32_t(text.size()), &status);
    // One byte per character: fewer means the converter dropped one it lacks
    // (it skips invisible ones such as U+200B).
    if (U_FAILURE(status) || n != text.size())
        return false;
    bytes.resize(n);
    *out = bytes;
    return true;
}

// Calls bad(charIndex, sequence) for each sequence that NFC treats on its own
// (a character with its combining marks) and that has no MacRoman form, in
// order, while bad returns true. charIndex counts characters as Len does.
template <class Visit>
void ForEachBadSequence(const QString& text, Visit bad) {
    const UNormalizer2* nfc = Nfc();
    QByteArray scratch;
    int charIndex = 0;
    int segmentCharIndex = 0;
    qsizetype segmentStart = 0;
    for (qsizetype i = 0; i <= text.size();) {
        const bool atEnd = i == text.size();
        char32_t cp = 0;
        qsizetype next = i + 1;
        if (!atEnd) {
            cp = text.at(i).unicode();
            if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
                cp = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
                next = i + 2;
            }
        }
        const bool boundary = atEnd || !nfc || unorm2_hasBoundaryBefore(nfc, UChar32(cp));
        if (boundary && i > segmentStart) {
            const QString sequence = text.mid(segmentStart, i - segmentStart);
            if (!EncodeNormalized(ToNfc(sequence), &scratch) && !bad(segmentCharIndex, sequence))
                return;
            segmentStart = i;
            segmentCharIndex = charIndex;
        }
        if (atEnd)
            break;
        i = next;
        ++charIndex;
    }
}

// 0-based character index of the first character, or combining sequence,
// that has no MacRoman form; -1 when there is none.
int FirstBadChar(const QString& text) {
    int first = -1;
    ForEachBadSequence(text, [&first](int charIndex, const QString&) {
        first = charIndex;
        return false;
    });
    return first;
}

}  // namespace

bool MacRoman::Encode(const QString& text, QByteArray* out, int* firstBadChar) {
    if (firstBadChar)
        *firstBadChar = -1;
    QByteArray scratch;
    QByteArray& bytes = out ? *out : scratch;
    if (IsAscii(text)) {
        bytes = text.toLatin1();
        return true;
    }
    if (EncodeByTable(text, &bytes) || EncodeNormalized(ToNfc(text), &bytes))
        return true;
    bytes.clear();
    if (firstBadChar) {
        *firstBadChar = FirstBadChar(text);
        if (*firstBadChar < 0)  // only when ICU itself is unusable
            *firstBadChar = 0;
    }
    return false;
}

QStringList MacRoman::Unencodable(const QString& text) {
    QStringList found;
    if (CanEncode(text))
        return found;
    ForEachBadSequence(text, [&found](int, const QString& sequence) {
        if (!found.contains(sequence))
            found.append(sequence);
        return true;
    });
    return found;
}

bool MacRoman::CanEncode(const QString& text) {
    QByteArray scratch;
    return Encode(text, &scratch);
}

QString MacRoman::Decode(const QByteArray& bytes) {
    // Bytes below 0x80 are their ASCII characters, as Latin-1 widens them (many
    // at a time); only the others, found eight bytes at a time, are looked up.
    QString text = QString::fromLatin1(bytes);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const char* in = bytes.constData();
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    for (; i + 8 <= n; i += 8) {
        quint64 word = 0;
        std::memcpy(&word, in + i, sizeof word);
        for (quint64 high = word & 0x8080808080808080u; high != 0; high &= high - 1) {
            const qsizetype at = i + qCountTrailingZeroBits(high) / 8;
            out[at] = kHighHalf[uchar(in[at]) - 0x80];
        }
    }
    for (; i < n; ++i)
        if (uchar(in[i]) >= 0x80)
            out[i] = kHighHalf[uchar(in[i]) - 0x80];
    return text;
}
