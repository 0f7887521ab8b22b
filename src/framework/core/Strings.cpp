#include "framework/core/Strings.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace {

bool IsPairAt(const QString& s, qsizetype i) {
    return i + 1 < s.size() && s.at(i).isHighSurrogate() && s.at(i + 1).isLowSurrogate();
}

// UTF-16 offset of the character with 0-based index charIndex (s.size() when
// the text has fewer characters).
qsizetype OffsetOfChar(const QString& s, qsizetype charIndex) {
    qsizetype i = 0;
    for (qsizetype c = 0; c < charIndex && i < s.size(); ++c)
        i += IsPairAt(s, i) ? 2 : 1;
    return i;
}

bool IsDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

qsizetype SkipDigits(const QString& s, qsizetype i) {
    while (i < s.size() && IsDigit(s.at(i)))
        ++i;
    return i;
}

}  // namespace

int Len(const QString& s) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < s.size(); ++count)
        i += IsPairAt(s, i) ? 2 : 1;
    return int(count);
}

QString Left(const QString& s, int n) {
    if (n <= 0)
        return QString();
    return s.left(OffsetOfChar(s, n));
}

QString Mid(const QString& s, int start1, int length) {
    const qsizetype from = OffsetOfChar(s, start1 < 1 ? 0 : start1 - 1);
    if (length < 0)
        return s.mid(from);
    qsizetype to = from;
    for (int c = 0; c < length && to < s.size(); ++c)
        to += IsPairAt(s, to) ? 2 : 1;
    return s.mid(from, to - from);
}

double Val(const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && (s.at(i) == QLatin1Char(' ') || s.at(i) == QLatin1Char('\t')))
        ++i;
    const qsizetype start = i;
    bool negative = false;
    if (i < s.size() && (s.at(i) == QLatin1Char('+') || s.at(i) == QLatin1Char('-'))) {
        negative = s.at(i) == QLatin1Char('-');
        ++i;
    }
    const qsizetype intStart = i;
    i = SkipDigits(s, i);
    bool anyDigit = i > intStart;
    if (i < s.size() && s.at(i) == QLatin1Char('.')) {
        const qsizetype fracStart = i + 1;
        const qsizetype fracEnd = SkipDigits(s, fracStart);
        if (anyDigit || fracEnd > fracStart) {
            anyDigit = true;
            i = fracEnd;
        }
    }
    if (!anyDigit)
        return 0.0;
    if (i < s.size() && (s.at(i) == QLatin1Char('e') || s.at(i) == QLatin1Char('E'))) {
        qsizetype e = i + 1;
        if (e < s.size() && (s.at(e) == QLatin1Char('+') || s.at(e) == QLatin1Char('-')))
            ++e;
        const qsizetype expEnd = SkipDigits(s, e);
        if (expEnd > e)
            i = expEnd;
    }

    // Only ASCII is left in [start, i), so Latin-1 is exact; the sign is
    // applied afterwards because from_chars takes no "+".
    std::string text = s.mid(start, i - start).toLatin1().toStdString();
    if (!text.empty() && (text[0] == '+' || text[0] == '-'))
        text.erase(0, 1);
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large gives infinity, too small gives 0, as the nearest values.
        const auto e = text.find_first_of("eE");
        const bool tiny = e != std::string::npos && text.find('-', e) != std::string::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (result.ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

QString Str(double value) {
    if (std::isnan(value))
        return QStringLiteral("nan");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-inf") : QStringLiteral("inf");
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return Str(qint64(value));
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString Str(qint64 value) {
    return QString::number(value);
}

QString Str(int value) {
    return QString::number(value);
}

QString NthField(const QString& s, const QString& sep, int n) {
    if (n < 1)
        return QString();
    if (sep.isEmpty())
        return n == 1 ? s : QString();
    qsizetype from = 0;
    for (int field = 1; field < n; ++field) {
        const qsizetype at = s.indexOf(sep, from);
        if (at < 0)
            return QString();
        from = at + sep.size();
    }
    const qsizetype end = s.indexOf(sep, from);
    return end < 0 ? s.mid(from) : s.mid(from, end - from);
}

int CountFields(const QString& s, const QString& sep) {
    if (sep.isEmpty())
        return 1;
    // Not QString::count, which also counts overlapping occurrences.
    int fields = 1;
    for (qsizetype at = s.indexOf(sep); at >= 0; at = s.indexOf(sep, at + sep.size()))
        ++fields;
    return fields;
}

char16_t OrOfUnits(QStringView s) {
    // Four units at a time in a word, with no early exit: a few instructions
    // per word, where a unit at a time costs several per unit.
    const char16_t* u = s.utf16();
    const qsizetype n = s.size();
    quint64 all = 0;
    qsizetype i = 0;
    for (; i + 4 <= n; i += 4) {
        quint64 word = 0;
        std::memcpy(&word, u + i, sizeof word);
        all |= word;
    }
    for (; i < n; ++i)
        all |= u[i];
    return char16_t(all | all >> 16 | all >> 32 | all >> 48);
}

qint32 DoubleToInt32(double value) {
    if (std::isnan(value))
        return 0;
    constexpr double lowest = std::numeric_limits<qint32>::min();
    constexpr double highest = std::numeric_limits<qint32>::max();
    const double rounded = std::round(value);
    if (rounded <= lowest)
        return std::numeric_limits<qint32>::min();
    if (rounded >= highest)
        return std::numeric_limits<qint32>::max();
    return qint32(rounded);
}
