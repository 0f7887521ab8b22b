#include "framework/core/MacRoman.h"

#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/unorm2.h>

#include <array>
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

// The character of every byte, taken once from the converter.
const std::array<char16_t, 256>& DecodeTable() {
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        ConverterPtr c = OpenConverter();
        for (int b = 0; b < 256; ++b) {
            t[size_t(b)] = char16_t(b < 0x80 ? b : 0xFFFD);
            if (!c || b < 0x80)
                continue;
            const char byte = char(b);
            UChar out[4];
            UErrorCode status = U_ZERO_ERROR;
            const int32_t n = ucnv_toUChars(c.get(), out, 4, &byte, 1, &status);
            if (U_SUCCESS(status) && n == 1)
                t[size_t(b)] = out[0];
        }
        return t;
    }();
    return table;
}

bool IsAscii(const QString& s) {
    // Or-ing every unit (no early exit) lets the compiler vectorise the scan.
    const char16_t* u = reinterpret_cast<const char16_t*>(s.utf16());
    char16_t all = 0;
    for (qsizetype i = 0; i < s.size(); ++i)
        all |= u[i];
    return all < 0x80;
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
        const std::array<char16_t, 256>& decode = DecodeTable();
        for (int b = 0; b < 256; ++b) {
            const char16_t c = decode[size_t(b)];
            status = U_ZERO_ERROR;
            if (c == 0xFFFD || QChar::isSurrogate(c) || u_getCombiningClass(c) != 0 ||
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
    const std::array<char16_t, 256>& table = DecodeTable();
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const uchar* in = reinterpret_cast<const uchar*>(bytes.constData());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = table[in[i]];
    return text;
}
