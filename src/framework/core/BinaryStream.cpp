#include "framework/core/BinaryStream.h"

#include <QBuffer>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// Written bytes are gathered up to this size before they go to the device, and
// read ones taken from it in blocks of this size, so that a large document
// takes few system calls.
constexpr qsizetype kBlockSize = 64 * 1024;

}  // namespace

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
    return NextPString().toByteArray();
}

QByteArrayView BinaryStream::NextPString() {
    if (hasError_ || closed_ || !device_->isReadable() || !Buffer(1))
        return QByteArrayView();
    const qsizetype length = uchar(readBuffer_.at(readAt_));
    // Cut short by the end: what was there is consumed, and nothing is given.
    if (!Buffer(1 + length)) {
        readAt_ = readBuffer_.size();
        return QByteArrayView();
    }
    const QByteArrayView bytes(readBuffer_.constData() + readAt_ + 1, length);
    readAt_ += 1 + length;
    return bytes;
}

// Records are cut out of blocks read from the device, so that a document
// takes a few large reads rather than two small ones per record.
bool BinaryStream::Buffer(qsizetype size) {
    while (readBuffer_.size() - readAt_ < size) {
        if (!ReadBlock())
            return false;
    }
    return true;
}

// Keeps the bytes not yet taken and reads a block after them. False at the
// end of the data, or when the read failed. A read that comes short is
// followed by another, so that a failing device gives its reason.
bool BinaryStream::ReadBlock() {
    // The tail is shorter than a record, so one block's room is all the buffer
    // ever takes.
    const qsizetype kept = readBuffer_.size() - readAt_;
    readBuffer_.reserve(kBlockSize);
    readBuffer_.resize(kBlockSize);
    std::memmove(readBuffer_.data(), readBuffer_.constData() + readAt_, size_t(kept));
    readAt_ = 0;
    const qint64 n = device_->read(readBuffer_.data() + kept, kBlockSize - kept);
    readBuffer_.resize(kept + std::max<qint64>(n, 0));
    if (n > 0)
        return true;
    if (!device_->atEnd())
        Fail(DeviceReason(QStringLiteral("the data could not be read.")));
    return false;
}

bool BinaryStream::WritePString(const QByteArray& bytes) {
    if (bytes.size() > 255)
        return false;
    const char length = char(uchar(bytes.size()));
    return Append(&length, 1) && Append(bytes.constData(), bytes.size());
}

bool BinaryStream::Write(const QByteArray& bytes) {
    return Append(bytes.constData(), bytes.size());
}

bool BinaryStream::Append(const char* data, qsizetype size) {
    if (hasError_ || closed_ || !device_->isWritable()) {
        if (!hasError_)
            Fail(closed_ ? QStringLiteral("The stream is closed.") : QStringLiteral("The stream is not writable."));
        return false;
    }
    pending_.append(data, size);
    return pending_.size() < kBlockSize || HandOver();
}

// A device that takes only part of the bytes (a disk that fills up takes what
// fits) is asked again for the rest, and that write fails with the system's
// reason.
bool BinaryStream::HandOver() {
    qsizetype done = 0;
    while (done < pending_.size()) {
        const qint64 written = device_->write(pending_.constData() + done, pending_.size() - done);
        if (written <= 0) {
            pending_.clear();
            Fail(DeviceReason(QStringLiteral("the data could not be written.")));
            return false;
        }
        done += written;
    }
    pending_.resize(0);
    return true;
}

bool BinaryStream::EndOfFile() const {
    return closed_ || hasError_ || (readAt_ == readBuffer_.size() && device_->atEnd());
}

qint64 BinaryStream::Length() const {
    return device_ ? device_->size() : 0;
}

bool BinaryStream::Close(QString* error) {
    if (!closed_ && device_) {
        if (device_->isWritable() && !hasError_ && HandOver())
            Sync();
        Finish();
    }
    closed_ = true;
    readBuffer_ = QByteArray();
    if (error)
        *error = error_;
    return !hasError_;
}

// A file system that allocates late (or a network one) may report a full disk
// only when the file goes to the disk, so the file is synced, and the result
// checked, before it replaces anything.
void BinaryStream::Sync() {
    auto* file = qobject_cast<QFileDevice*>(device_.get());
    if (!file)
        return;
    if (!file->flush()) {
        Fail(DeviceReason(QStringLiteral("the data could not be written.")));
        return;
    }
    if (file->handle() < 0)
        return;
    int synced = 0;
    do {
        synced = ::fdatasync(file->handle());
    } while (synced != 0 && errno == EINTR);
    // Files that cannot be synced at all have nothing to report.
    if (synced != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP)
        Fail(QString::fromLocal8Bit(std::strerror(errno)));
}

void BinaryStream::Finish() {
    auto* saveFile = qobject_cast<QSaveFile*>(device_.get());
    if (!saveFile) {
        device_->close();
        return;
    }
    if (hasError_) {
        saveFile->cancelWriting();
        saveFile->commit();  // discards the temporary file
    } else if (!saveFile->commit()) {
        Fail(DeviceReason(QStringLiteral("the file could not be replaced.")));
    }
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
    error_ = reason;
}

// The device's own reason; a device that gave none reads as Qt's "Unknown
// error", which tells the user nothing.
QString BinaryStream::DeviceReason(const QString& fallback) const {
    static const QString kUnset = QBuffer().errorString();
    const QString reason = device_->errorString();
    return reason.isEmpty() || reason == kUnset ? fallback : reason;
}
