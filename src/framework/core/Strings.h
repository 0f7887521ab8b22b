#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

// Text functions of the framework. A "character" is a Unicode code point: a
// surrogate pair counts as one and is never cut in half. Positions given to
// Mid are 1-based.

// Number of characters in s.
int Len(const QString& s);

// The first n characters of s (all of s when n >= Len(s), "" when n <= 0).
QString Left(const QString& s, int n);

// length characters of s starting at the 1-based character start1; a negative
// length means "to the end". A start before 1 is taken as 1; a start past the
// end gives "".
QString Mid(const QString& s, int start1, int length = -1);

// The decimal number at the start of s, 0 when there is none. Accepts leading
// blanks (space, tab), an optional sign, digits, an optional fraction and an
// optional exponent ("1e9", "2.5E-3"); stops at the first character that does
// not fit. Decimal only. Never fails: "", "abc", "-", "." all give 0.
double Val(const QString& s);

// Decimal text of a number, "-" before a negative one. Whole numbers of up to
// 15 digits are written without a fraction ("14", "-3"); others in the
// shortest form that reads back to the same double ("2.5", "1e+20").
// Not-a-number gives "nan", infinities "inf" and "-inf".
QString Str(double value);
QString Str(qint64 value);
QString Str(int value);

// The n-th piece (counted from 1) of s cut at every occurrence of sep (exact,
// case-sensitive match). Out of range n gives "". An empty sep leaves s whole:
// field 1 is s.
QString NthField(const QString& s, const QString& sep, int n);

// Number of pieces NthField can return: occurrences of sep plus one (so 1 for
// an empty s).
int CountFields(const QString& s, const QString& sep);

// Every UTF-16 unit of s or-ed together: below a bound such as 0x80 (a power
// of two) only when every unit is, and it may be at or above one that is not
// (0x100 | 0x200 reaches 0x300). The quick first test of a text's characters.
char16_t OrOfUnits(QStringView s);

// The one rule that turns a Double into an Int32: round to nearest (halves
// away from zero), NaN gives 0, values outside the range are clamped to it.
qint32 DoubleToInt32(double value);
