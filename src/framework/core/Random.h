#pragma once

#include <QtGlobal>

// Random whole numbers from the operating system's secure random source.
class Random {
public:
    // A number from min to max, both included, each equally likely (also over
    // the full 64-bit range). When max < min the two bounds are swapped.
    qint64 InRange(qint64 min, qint64 max);
};
