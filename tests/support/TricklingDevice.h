#pragma once

#include <QByteArray>
#include <QIODevice>

#include <algorithm>
#include <cstring>

// A read-only device over bytes that gives at most `step` bytes per read, as
// a slow disk or a network file system may: every short read is followed by
// another.
class TricklingDevice : public QIODevice {
public:
    TricklingDevice(const QByteArray& data, qint64 step) : data_(data), step_(step) { open(ReadOnly | Unbuffered); }

    qint64 size() const override { return data_.size(); }

protected:
    qint64 readData(char* out, qint64 max) override {
        const qint64 n = std::min({max, step_, qint64(data_.size()) - pos()});
        if (n <= 0)
            return 0;
        std::memcpy(out, data_.constData() + pos(), size_t(n));
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray data_;
    qint64 step_;
};
