#include <algorithm>
#include <cmath>

#include "framework/core/Random.h"
#include "framework/core/RegEx.h"
#include "framework/core/StrComp.h"
#include "framework/core/Strings.h"
#include "framework/ui/CheckBox.h"
#include "framework/ui/DesktopServices.h"
#include "framework/ui/RadioButton.h"
#include "framework/ui/TextField.h"
#include "generator/GeneratePwd.h"

namespace {

const QString kLowerCase = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
const QString kUpperCase = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
const QString kDigits = QStringLiteral("0123456789");
const QString kHexDigits = QStringLiteral("0123456789ABCDEF");
const QString kConsonants = QStringLiteral("bcdfghjklmnpqrstvwxyz");
const QString kVowels = QStringLiteral("aeiou");

}  // namespace

const QString GeneratePwd::kCannotCreateMessage =
    QStringLiteral("Can't create password of selected type and length. Decrease length or select 'Allow Duplicates'.");

// Base set, then the upper-case letters, then the symbols, as the type allows.
QString GeneratePwd::CharacterPool() const {
    const bool mixedCase = CheckBox1()->Value();
    const bool symbols = CheckBox3()->Value();
    const QString symbolText = EditField3()->Text();
    QString pool;
    if (RadioButton1()->Value()) {
        pool = kLowerCase;
        if (mixedCase)
            pool += kUpperCase;
        if (symbols)
            pool += symbolText;
    } else if (RadioButton2()->Value()) {
        pool = kDigits;
        if (symbols)
            pool += symbolText;
    } else if (RadioButton3()->Value()) {
        pool = kLowerCase + kDigits;
        if (mixedCase)
            pool += kUpperCase;
        if (symbols)
            pool += symbolText;
    } else if (RadioButton4()->Value()) {
        pool = kHexDigits;
    } else if (RadioButton5()->Value()) {
        // Each consonant twice: the pool's length is then the longest speakable
        // password without duplicates (every consonant followed by a vowel).
        pool = kConsonants + kConsonants;
    }
    return pool;
}

double GeneratePwd::RequestedLength() const {
    const double length = Val(EditField1()->Text());
    if (std::isnan(length))
        return 0;
    return std::min(length, kMaxLength);
}

void GeneratePwd::PushButton1_Action() {
    Random random;
    RegEx regex;
    regex.Options.CaseSensitive = true;

    const QString pool = CharacterPool();
    const int poolLength = Len(pool);
    if (double(poolLength) < RequestedLength() && !CheckBox2()->Value()) {
        MsgBox(kCannotCreateMessage);
        return;
    }
    // No type selected (the radio buttons never allow it): nothing to draw from.
    if (poolLength == 0) {
        EditField2()->SetText(QString());
        return;
    }

    // Every character drawn is one code point, so counting them as they are
    // appended gives Len(password) without rescanning it on every pass.
    QString password;
    int length = 0;
    while (double(length) < RequestedLength()) {
        const QString c = Mid(pool, int(random.InRange(1, poolLength)), 1);
        bool accepted = true;
        if (!CheckBox2()->Value()) {
            regex.SearchPattern = EscapeSpecialCharacters(c);
            accepted = !regex.Search(password).has_value();
        }
        if (accepted) {
            password += c;
            ++length;
            if (RadioButton5()->Value() && double(length) < RequestedLength()) {
                password += Mid(kVowels, int(random.InRange(1, Len(kVowels))), 1);
                ++length;
            }
        }
    }
    EditField2()->SetText(password);
}

QString GeneratePwd::EscapeSpecialCharacters(const QString& s) {
    static const QString kSpecial[] = {QStringLiteral("!"), QStringLiteral("@"), QStringLiteral("#"),
                                       QStringLiteral("$"), QStringLiteral("%"), QStringLiteral("&")};
    QString result;
    const int length = Len(s);
    for (int i = 1; i <= length; ++i) {
        const QString c = Mid(s, i, 1);
        const bool special =
            std::any_of(std::begin(kSpecial), std::end(kSpecial), [&c](const QString& k) { return TextEquals(c, k); });
        if (special)
            result += QLatin1Char('\\');
        result += c;
    }
    return result;
}
