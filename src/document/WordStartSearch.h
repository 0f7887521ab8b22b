#pragma once

#include <QHash>
#include <QString>
#include <functional>
#include <vector>

class RegEx;

// The typed text of one type-to-search and how it is found in a title: at
// the title's start or right after a blank, letter case ignored, as the search
// pattern (" " and the escaped text) finds it in " " and the title's stored
// form. Whether two characters are one letter in either case is asked of the
// pattern's engine once per pair and remembered.
class WordStartSearch {
public:
    // pattern: " " followed by escape(typed), case-insensitive.
    WordStartSearch(RegEx& pattern, const QString& typed, std::function<QString(const QString&)> escape);

    // Whether the pattern compiles; one that does not finds nothing.
    bool Valid() const { return valid_; }
    // The typed text's characters.
    const std::vector<char32_t>& Typed() const { return typed_; }
    // Whether the typed character and c are one letter (or the same character).
    bool SameLetter(char32_t typed, char16_t c) const;
    // Whether the typed text starts at position at of a title that no
    // normalisation changes, comparing from its character from on.
    bool FoundAt(const QString& title, qsizetype at, std::size_t from = 0) const;
    // The pattern itself, for a title of other characters.
    bool FoundByPattern(const QString& title);

private:
    RegEx& pattern_;
    std::function<QString(const QString&)> escape_;
    std::vector<char32_t> typed_;
    bool valid_;
    mutable QHash<quint64, bool> sameLetter_;
};
