#pragma once

#include <QByteArray>
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

// A byte key for s: comparing two keys bytewise (QByteArray's operator<, or
// memcmp over the shorter length then the length) gives exactly StrComp's order,
// and two keys are equal exactly when the texts are.
QByteArray StrCompSortKey(const QString& s);

inline bool TextEquals(const QString& a, const QString& b) {
    return a == b;
}
inline bool TextLess(const QString& a, const QString& b) {
    return StrComp(a, b) < 0;
}
