#pragma once

#include <QString>

class QKeyEvent;

// The key of a key press as the program's KeyDown handlers get it: the typed
// character, or the original platform's control character for editing and
// arrow keys. Empty for keys that type nothing (modifiers, shortcuts).
class KeyText {
public:
    static QString Of(const QKeyEvent& event);
    // Whether the key inserts its text into a field.
    static bool Inserts(const QKeyEvent& event);
};
