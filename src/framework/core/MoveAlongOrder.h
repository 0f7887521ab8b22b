#pragma once

#include <cstddef>
#include <utility>
#include <vector>

// Puts items[order[i]] at i for every i from first to last, moving each item
// once along the cycles of the order: nothing is copied, so texts that share
// their data are neither counted nor touched. order must map first..last onto
// itself and leave every other index where it is.
template <class T>
void MoveAlongOrder(std::vector<T>& items, const std::vector<int>& order, int first, int last) {
    std::vector<char> placed(std::size_t(last - first + 1), 0);
    for (int start = first; start <= last; ++start) {
        if (placed[std::size_t(start - first)])
            continue;
        T held = std::move(items[std::size_t(start)]);
        int pos = start;
        for (int from = order[std::size_t(pos)]; from != start; pos = from, from = order[std::size_t(pos)]) {
            items[std::size_t(pos)] = std::move(items[std::size_t(from)]);
            placed[std::size_t(pos - first)] = 1;
        }
        items[std::size_t(pos)] = std::move(held);
        placed[std::size_t(pos - first)] = 1;
    }
}
