#include "framework/core/RegExMatch.h"

#include "framework/core/Strings.h"

RegExMatch::RegExMatch(const QRegularExpressionMatch& match, const QString& target) : match_(match), target_(target) {}

int RegExMatch::SubExpressionCount() const {
    return match_.lastCapturedIndex() + 1;
}

QString RegExMatch::SubExpressionString(int i) const {
    if (i < 0 || i > match_.lastCapturedIndex())
        return QString();
    return match_.captured(i);
}

int RegExMatch::SubExpressionStart(int i) const {
    if (i < 0 || i > match_.lastCapturedIndex() || !match_.hasCaptured(i))
        return -1;
    return Len(target_.left(match_.capturedStart(i)));
}
