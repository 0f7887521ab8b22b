#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <cstring>

// A device that fails once `limit` bytes have gone through it, like a disk that
// fills up (writing) or one that fails (reading): the call that reaches the
// limit takes or gives what fits, the next one fails with the reason. For
// reading it holds a file of data.size() bytes.
class FailingDevice : public QIODevice {
public:
    FailingDevice(qint64 limit, OpenMode mode, const QByteArray& file = QByteArray(), const QString& reason = QString())
        : data(file), limit_(limit), reason_(reason) {
        open(mode | Unbuffered);
    }
    QByteArray data;

    qint64 size() const override { return data.size(); }

protected:
    qint64 readData(char* out, qint64 max) override {
        const qint64 at = pos();
        const qint64 n = qMin(max, qMin(limit_, qint64(data.size())) - at);
        if (n > 0) {
            std::memcpy(out, data.constData() + at, size_t(n));
            return n;
        }
        return at < data.size() ? Failed() : 0;
    }
    qint64 writeData(const char* bytes, qint64 size) override {
        const qint64 n = qMin(size, limit_ - qint64(data.size()));
        if (n <= 0)
            return Failed();
        data.append(bytes, n);
        return n;
    }

private:
    qint64 Failed() {
        if (!reason_.isEmpty())
            setErrorString(reason_);
        return -1;
    }

    qint64 limit_;
    QString reason_;
};
