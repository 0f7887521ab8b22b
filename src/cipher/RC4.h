#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

#include <array>

// RC4 (ARCFOUR) with one keystream that runs on across calls until the object is keyed
// again. Text is enciphered in blocks of at most 255 bytes, each held length-prefixed in
// a fixed 256-byte work buffer; chunking never shows in the output. Enciphering and
// deciphering are the same operation. Keys and texts are raw bytes, never re-encoded.
class RC4 {
public:
    // Keyed with the empty key; callers key the object again before use.
    RC4();
    explicit RC4(const QByteArray& key);
    virtual ~RC4() = default;

    // Standard key schedule; restarts the keystream. An empty key has no byte to
    // repeat, so it is scheduled as the one-byte key 0x00.
    virtual void init(const QByteArray& key);

    // Returns s with each byte XORed with the next keystream byte. The empty text
    // returns empty and leaves the keystream where it is.
    virtual QByteArray crypt(const QByteArray& s);
    // The same into *out, whose room is used again: a reader or writer of many
    // records allocates nothing for each, and s (which must not lie in *out)
    // is read where it lies, in a stream's buffer.
    void crypt(QByteArrayView s, QByteArray* out);

    // crypt for one block of at most 255 bytes; a longer s is cut to its first 255.
    virtual QByteArray blockcrypt(const QByteArray& s);

protected:
    // Each of the n bytes at out becomes the byte at in XORed with the next
    // keystream byte; in may be out.
    void Keystream(const quint8* in, quint8* out, qsizetype n);

    qint32 x = 0;
    qint32 y = 0;
    QByteArray bitbucket;  // byte 0: block length n, bytes 1..n: the block, enciphered in place
    // The permutation S: entry k holds S[k], in a whole word rather than a byte,
    // which the generator runs markedly faster on.
    using Word = quint64;
    std::array<Word, 256> state{};
};
