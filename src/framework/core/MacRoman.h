#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Conversion between text and the MacRoman encoding (Apple's mapping: 0xDB is
// the euro sign, 0xF0 is U+F8FF). Text is normalised to NFC before encoding,
// so "e" followed by a combining acute accent becomes the single byte 0x8E.
// A character MacRoman lacks is reported, never replaced.
class MacRoman {
public:
    // Encodes text into *out. On success returns true and *firstBadChar is -1.
    // When some character has no MacRoman form, returns false, leaves *out
    // empty and sets *firstBadChar to that character's 0-based index in text,
    // counted in characters (code points) as Len counts them.
    static bool Encode(const QString& text, QByteArray* out, int* firstBadChar = nullptr);

    // Whether Encode would succeed.
    static bool CanEncode(const QString& text);

    // The characters of text that have no MacRoman form, each once, in the
    // order they first occur; a character with combining marks counts as one
    // ("q" with a combining acute accent). Empty when Encode would succeed.
    static QStringList Unencodable(const QString& text);

    // Every byte 0x00-0xFF has a character; Encode(Decode(b)) gives b back.
    static QString Decode(const QByteArray& bytes);
};
