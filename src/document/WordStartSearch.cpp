#include "document/WordStartSearch.h"

#include "framework/core/RegEx.h"

namespace {

char16_t AsciiLower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

}  // namespace

WordStartSearch::WordStartSearch(RegEx& pattern, const QString& typed, std::function<QString(const QString&)> escape)
    : pattern_(pattern), escape_(std::move(escape)), valid_(pattern.IsValid()) {
    for (char32_t c : typed.toUcs4())
        typed_.push_back(c);
}

bool WordStartSearch::SameLetter(char32_t typed, char16_t c) const {
    if (typed == c)
        return true;
    if (typed < 0x80 && c < 0x80)
        return AsciiLower(char16_t(typed)) == AsciiLower(c);
    const quint64 pair = (quint64(typed) << 16) | c;
    auto it = sameLetter_.constFind(pair);
    if (it == sameLetter_.constEnd()) {
        RegEx one;
        one.Options = pattern_.Options;
        one.SearchPattern = escape_(QString::fromUcs4(&typed, 1));
        it = sameLetter_.insert(pair, one.Search(QString(QChar(c))).has_value());
    }
    return it.value();
}

bool WordStartSearch::FoundAt(const QString& title, qsizetype at, std::size_t from) const {
    if (title.size() - at < qsizetype(typed_.size()))
        return false;
    const char16_t* u = reinterpret_cast<const char16_t*>(title.utf16()) + at;
    for (std::size_t k = from; k < typed_.size(); ++k)
        if (!SameLetter(typed_[k], u[k]))
            return false;
    return true;
}

bool WordStartSearch::FoundByPattern(const QString& title) {
    return pattern_.Search(QStringLiteral(" ") + title.normalized(QString::NormalizationForm_C)).has_value();
}
