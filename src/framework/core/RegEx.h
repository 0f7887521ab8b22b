#pragma once

#include "framework/core/RegExMatch.h"
#include "framework/core/RegExOptions.h"

#include <QRegularExpression>
#include <QString>
#include <optional>

// A regular expression (Perl-compatible syntax). Set SearchPattern and Options,
// then Search or Replace. The pattern is compiled on first use and kept until
// SearchPattern or Options change, so repeated searches cost one compilation.
//
// A pattern that does not compile finds nothing: Search gives nothing and
// Replace returns the target unchanged.
//
// ReplacementPattern is literal text except for "\0".."\9", which stand for
// the whole match and groups 1 to 9 ("" for a group that took no part), and
// "\\", which stands for one backslash. "$" has no special meaning.
class RegEx {
public:
    QString SearchPattern;
    QString ReplacementPattern;
    RegExOptions Options;

    // The first match in target, or nothing.
    std::optional<RegExMatch> Search(const QString& target);

    // target with its first match (every match with Options.ReplaceAllMatches)
    // replaced by ReplacementPattern.
    QString Replace(const QString& target);

    // Whether SearchPattern compiles (with the current Options).
    bool IsValid();

private:
    const QRegularExpression& Compiled();
    QString ExpandReplacement(const QRegularExpressionMatch& match) const;

    QRegularExpression compiled_;
    QString compiledPattern_;
    RegExOptions compiledOptions_;
    bool haveCompiled_ = false;
};
