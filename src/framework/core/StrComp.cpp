#include "framework/core/StrComp.h"

#include <unicode/ucol.h>

#include <memory>

namespace {

struct CollatorCloser {
    void operator()(UCollator* c) const { ucol_close(c); }
};

// The root collator, opened once. Null only when ICU has no collation data;
// then texts are ordered by code points alone.
UCollator* Collator() {
    static const std::unique_ptr<UCollator, CollatorCloser> collator = [] {
        UErrorCode status = U_ZERO_ERROR;
        UCollator* c = ucol_open("", &status);
        if (U_FAILURE(status))
            return std::unique_ptr<UCollator, CollatorCloser>();
        // Order texts that are not in canonical form correctly too.
        ucol_setAttribute(c, UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
        ucol_setStrength(c, UCOL_TERTIARY);
        return std::unique_ptr<UCollator, CollatorCloser>(c);
    }();
    return collator.get();
}

const UChar* Units(const QString& s) {
    return reinterpret_cast<const UChar*>(s.utf16());
}

// The code point at i (a lone surrogate stands for itself); advances i.
char32_t NextCodePoint(const QString& s, qsizetype& i) {
    const char16_t u = s.at(i).unicode();
    if (QChar::isHighSurrogate(u) && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
        const char32_t cp = QChar::surrogateToUcs4(u, s.at(i + 1).unicode());
        i += 2;
        return cp;
    }
    ++i;
    return u;
}

// Code point order (which UTF-16 unit order is not, above U+D7FF).
int CompareCodePoints(const QString& a, const QString& b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t x = NextCodePoint(a, i);
        const char32_t y = NextCodePoint(b, j);
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (i < a.size())
        return 1;
    return j < b.size() ? -1 : 0;
}

}  // namespace

int StrComp(const QString& a, const QString& b) {
    if (a == b)
        return 0;
    if (UCollator* c = Collator()) {
        const UCollationResult r = ucol_strcoll(c, Units(a), int32_t(a.size()), Units(b), int32_t(b.size()));
        if (r != UCOL_EQUAL)
            return r == UCOL_LESS ? -1 : 1;
    }
    return CompareCodePoints(a, b);
}
