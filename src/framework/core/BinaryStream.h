#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <memory>

// Reading and writing of length-prefixed byte strings ("pstrings": one length
// byte, then that many bytes) and plain bytes, over any open QIODevice.
//
// Writing: the first failed write puts the stream in error; later writes are
// refused, and Close then fails. A stream over a file made by
// FolderItem::CreateBinaryFile replaces the file only when Close succeeds;
// on any failure (or when the stream is dropped without Close) the old file
// stays as it was.
class BinaryStream {
public:
    // Takes ownership of an already opened device.
    explicit BinaryStream(std::unique_ptr<QIODevice> device);
    ~BinaryStream();

    BinaryStream(const BinaryStream&) = delete;
    BinaryStream& operator=(const BinaryStream&) = delete;

    // A read-only stream over a copy of bytes.
    static std::unique_ptr<BinaryStream> FromBytes(const QByteArray& bytes);

    // One length byte, then that many bytes, returned unchanged. At the end of
    // the data, or when the record is cut short by the end, gives an empty byte
    // string (and consumes what was left). Never reads past the end.
    QByteArray ReadPString();

    // Writes one byte holding bytes.size(), then the bytes. More than 255 bytes
    // cannot be stored: refused, nothing written, returns false (the stream is
    // not put in error).
    bool WritePString(const QByteArray& bytes);

    // Writes the bytes as they are.
    bool Write(const QByteArray& bytes);

    // True once every byte has been read (always true for a closed stream).
    bool EndOfFile() const;

    // Ends the stream. For a written file: flushes and commits it; returns
    // false, with the reason in *error, when anything failed (a write, the
    // flush, the commit), and then commits nothing. For a read stream: closes.
    bool Close(QString* error = nullptr);

    bool HasError() const;
    // The reason of the first failure, "" when none.
    QString ErrorString() const;

private:
    void Fail(const QString& reason);

    std::unique_ptr<QIODevice> device_;
    QString error_;
    bool hasError_ = false;
    bool closed_ = false;
};
