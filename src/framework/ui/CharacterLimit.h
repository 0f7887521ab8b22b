#pragma once

#include <QValidator>

// Keeps a line edit to at most limit characters (as Len counts them, a
// surrogate pair as one) for every edit the user makes: typing, a paste, a
// drop, an input method. What does not fit is cut from the end of the text
// just put in, as the field's own limit on the original platform does.
class CharacterLimit : public QValidator {
public:
    CharacterLimit(int limit, QObject* parent) : QValidator(parent), limit_(limit) {}

    State validate(QString& input, int& pos) const override;

private:
    int limit_;
};
