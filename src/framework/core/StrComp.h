#pragma once

#include <QString>

// The one string comparison of the program; "=", "<" and StrComp all follow it.
//
// Two texts are equal only when they are identical, letter case included.
// Order: the Unicode root collation (ICU, tertiary strength, the same on every
// machine), so letter differences come first and case and accent differences
// after them ("apple" < "Apple" < "banana"); texts the collation finds equal
// are ordered by their code points. StrComp(a, b) == 0 exactly when a == b.

// <0 when a sorts before b, 0 when a == b, >0 when a sorts after b.
int StrComp(const QString& a, const QString& b);

inline bool TextEquals(const QString& a, const QString& b) {
    return a == b;
}
inline bool TextLess(const QString& a, const QString& b) {
    return StrComp(a, b) < 0;
}
