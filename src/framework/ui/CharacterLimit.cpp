#include "CharacterLimit.h"

#include "framework/core/Strings.h"

QValidator::State CharacterLimit::validate(QString& input, int& pos) const {
    const int excess = Len(input) - limit_;
    if (excess <= 0)
        return Acceptable;
    // The cursor stands at the end of what was just put in: cut from there
    // backwards, or from the end when less than the excess lies before it.
    const QString before = input.left(pos);
    if (Len(before) >= excess) {
        const QString kept = Left(before, Len(before) - excess);
        input = kept + input.mid(pos);
        pos = int(kept.size());
    } else {
        input = Left(input, limit_);
        pos = int(input.size());
    }
    return Acceptable;
}
