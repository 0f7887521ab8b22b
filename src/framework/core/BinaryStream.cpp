#include "framework/core/BinaryStream.h"

#include <QBuffer>
#include <QSaveFile>

BinaryStream::BinaryStream(std::unique_ptr<QIODevice> device) : device_(std::move(device)) {
    if (!device_ || !device_->isOpen())
        Fail(QStringLiteral("The stream has no open device."));
}

// A QSaveFile dropped without a successful Close discards its temporary file,
// so the file it was to replace stays untouched.
BinaryStream::~BinaryStream() = default;

std::unique_ptr<BinaryStream> BinaryStream::FromBytes(const QByteArray& bytes) {
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return std::make_unique<BinaryStream>(std::move(buffer));
}

QByteArray BinaryStream::ReadPString() {
    if (closed_ || !device_ || !device_->isReadable())
        return QByteArray();
    char length = 0;
    if (!device_->getChar(&length))
        return QByteArray();
    const qint64 wanted = uchar(length);
    // Read straight into a text of the record's size: no buffer made larger first.
    QByteArray bytes(wanted, Qt::Uninitialized);
    if (device_->read(bytes.data(), wanted) != wanted) {
        // Cut short by the end: what was there is consumed, and nothing is given.
        if (!device_->atEnd())
            Fail(device_->errorString());
        return QByteArray();
    }
    return bytes;
}

bool BinaryStream::WritePString(const QByteArray& bytes) {
    if (bytes.size() > 255)
        return false;
    QByteArray record;
    record.reserve(bytes.size() + 1);
    record.append(char(uchar(bytes.size())));
    record.append(bytes);
    return Write(record);
}

bool BinaryStream::Write(const QByteArray& bytes) {
    if (hasError_ || closed_ || !device_ || !device_->isWritable()) {
        if (!hasError_)
            Fail(closed_ ? QStringLiteral("The stream is closed.") : QStringLiteral("The stream is not writable."));
        return false;
    }
    const qint64 written = device_->write(bytes);
    if (written != bytes.size()) {
        const QString reason = device_->errorString();
        Fail(reason.isEmpty() ? QStringLiteral("The data could not be written.") : reason);
        return false;
    }
    return true;
}

bool BinaryStream::EndOfFile() const {
    return closed_ || !device_ || device_->atEnd();
}

bool BinaryStream::Close(QString* error) {
    if (closed_) {
        if (error)
            *error = error_;
        return !hasError_;
    }
    closed_ = true;
    if (device_) {
        if (auto* saveFile = qobject_cast<QSaveFile*>(device_.get())) {
            if (hasError_) {
                saveFile->cancelWriting();
                saveFile->commit();  // discards the temporary file
            } else if (!saveFile->commit()) {
                Fail(saveFile->errorString());
            }
        } else {
            if (auto* file = qobject_cast<QFileDevice*>(device_.get());
                file && file->isWritable() && !hasError_ && !file->flush())
                Fail(file->errorString());
            device_->close();
        }
    }
    if (error)
        *error = error_;
    return !hasError_;
}

bool BinaryStream::HasError() const {
    return hasError_;
}

QString BinaryStream::ErrorString() const {
    return error_;
}

void BinaryStream::Fail(const QString& reason) {
    if (hasError_)
        return;
    hasError_ = true;
    error_ = reason.isEmpty() ? QStringLiteral("Unknown error.") : reason;
}
