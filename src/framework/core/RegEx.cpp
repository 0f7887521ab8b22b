#include "framework/core/RegEx.h"

const QRegularExpression& RegEx::Compiled() {
    if (!haveCompiled_ || compiledPattern_ != SearchPattern || compiledOptions_ != Options) {
        QRegularExpression::PatternOptions flags = QRegularExpression::NoPatternOption;
        if (!Options.CaseSensitive)
            flags |= QRegularExpression::CaseInsensitiveOption;
        if (Options.DotMatchAll)
            flags |= QRegularExpression::DotMatchesEverythingOption;
        compiled_ = QRegularExpression(SearchPattern, flags);
        compiled_.optimize();
        compiledPattern_ = SearchPattern;
        compiledOptions_ = Options;
        haveCompiled_ = true;
    }
    return compiled_;
}

bool RegEx::IsValid() {
    return Compiled().isValid();
}

std::optional<RegExMatch> RegEx::Search(const QString& target) {
    const QRegularExpression& re = Compiled();
    if (!re.isValid())
        return std::nullopt;
    const QRegularExpressionMatch match = re.match(target);
    if (!match.hasMatch())
        return std::nullopt;
    return RegExMatch(match, target);
}

QString RegEx::ExpandReplacement(const QRegularExpressionMatch& match) const {
    QString out;
    const QString& p = ReplacementPattern;
    for (qsizetype i = 0; i < p.size(); ++i) {
        const QChar c = p.at(i);
        if (c == QLatin1Char('\\') && i + 1 < p.size()) {
            const QChar n = p.at(i + 1);
            if (n >= QLatin1Char('0') && n <= QLatin1Char('9')) {
                out += match.captured(n.digitValue());
                ++i;
                continue;
            }
            if (n == QLatin1Char('\\')) {
                out += n;
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

QString RegEx::Replace(const QString& target) {
    const QRegularExpression& re = Compiled();
    if (!re.isValid())
        return target;
    QString out;
    qsizetype copied = 0;
    QRegularExpressionMatchIterator it = re.globalMatch(target);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        out += QStringView(target).mid(copied, match.capturedStart(0) - copied);
        out += ExpandReplacement(match);
        copied = match.capturedEnd(0);
        if (!Options.ReplaceAllMatches)
            break;
    }
    out += QStringView(target).mid(copied);
    return out;
}
