#pragma once

#include <QRegularExpressionMatch>
#include <QString>

// One match found by RegEx::Search. Sub-expression 0 is the whole match,
// 1..SubExpressionCount()-1 the parenthesised groups.
class RegExMatch {
public:
    RegExMatch(const QRegularExpressionMatch& match, const QString& target);

    // Number of sub-expressions, the whole match included (so at least 1).
    int SubExpressionCount() const;
    // Text of sub-expression i; "" when out of range or the group took no part.
    QString SubExpressionString(int i) const;
    // 0-based character (code point) position of sub-expression i in the
    // target; -1 when out of range or the group took no part.
    int SubExpressionStart(int i) const;

private:
    QRegularExpressionMatch match_;
    QString target_;
};
