#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>
#include <memory>

// Reading and writing of length-prefixed byte strings ("pstrings": one length
// byte, then that many bytes) and plain bytes, over any open QIODevice.
//
// Writing: bytes are gathered and handed to the device in large blocks. The
// first failure (of any write, the flush, the sync to the disk or the commit)
// puts the stream in error with the system's reason; later writes are refused,
// and Close then fails. A stream over a file made by
// FolderItem::CreateBinaryFile replaces the file only when Close succeeds; on
// any failure (or when the stream is dropped without Close) the old file stays
// as it was and no temporary file is left.
//
// Reading: the device is read in large blocks, never whole. A failed read puts
// the stream in error too, and ends it: EndOfFile is then true, so that no
// reader loops on a failing disk.
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
    // string (and consumes what was left). Never reads past the end. A read
    // that fails before the end gives an empty byte string and puts the stream
    // in error.
    QByteArray ReadPString();
    // The same seen in the stream's own buffer, copied nowhere: valid until
    // the next read.
    QByteArrayView NextPString();

    // Writes one byte holding bytes.size(), then the bytes. More than 255 bytes
    // cannot be stored: refused, nothing written, returns false (the stream is
    // not put in error).
    bool WritePString(const QByteArray& bytes);

    // Writes the bytes as they are. False once the stream is in error.
    bool Write(const QByteArray& bytes);

    // True once every byte has been read, or reading has failed (always true
    // for a closed stream).
    bool EndOfFile() const;

    // The number of bytes of the data read (the size of the file).
    qint64 Length() const;

    // Ends the stream. For a written file: hands over the remaining bytes,
    // syncs the file to the disk and commits it; returns false, with the
    // reason in *error, when anything failed, and then commits nothing. For a
    // read stream: closes, and returns false when a read had failed.
    bool Close(QString* error = nullptr);

    bool HasError() const;
    // The reason of the first failure, "" when none.
    QString ErrorString() const;

private:
    bool Append(const char* data, qsizetype size);
    bool HandOver();
    void Sync();
    void Finish();
    // Reads blocks until at least size bytes not yet taken are in readBuffer_;
    // false when the data ends, or a read fails, first.
    bool Buffer(qsizetype size);
    bool ReadBlock();
    void Fail(const QString& reason);
    QString DeviceReason(const QString& fallback) const;

    std::unique_ptr<QIODevice> device_;
    QByteArray pending_;     // written, not yet handed to the device
    QByteArray readBuffer_;  // read from the device; taken up to readAt_
    qsizetype readAt_ = 0;
    QString error_;
    bool hasError_ = false;
    bool closed_ = false;
};
