#include "framework/core/Random.h"

#include <QRandomGenerator>

#include <limits>

qint64 Random::InRange(qint64 min, qint64 max) {
    if (max < min)
        std::swap(min, max);
    const quint64 span = quint64(max) - quint64(min);  // number of values minus one
    QRandomGenerator* source = QRandomGenerator::system();
    quint64 draw = 0;
    if (span == std::numeric_limits<quint64>::max()) {
        draw = source->generate64();
    } else {
        // Rejection sampling under the smallest all-ones mask that covers the
        // span: unbiased, and fewer than two draws on average.
        quint64 mask = span;
        for (int shift = 1; shift < 64; shift <<= 1)
            mask |= mask >> shift;
        do {
            draw = source->generate64() & mask;
        } while (draw > span);
    }
    return qint64(quint64(min) + draw);
}
