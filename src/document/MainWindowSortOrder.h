#pragma once

#include <QByteArray>
#include <vector>

// Where the document window's exchange sort ("for i, for j > i: if key[j] <
// key[i], swap rows i and j") puts every row, computed without its quadratic
// work. Equal keys are never swapped directly, yet their order changes as
// smaller keys pass through them, and the result keeps exactly that order.
class MainWindowSortOrder {
public:
    // keys: the rows' sort keys (bytewise order). Returns for each final
    // position the index of the row that ends there.
    static std::vector<int> Compute(const std::vector<QByteArray>& keys);

    // Whether no key is smaller than one before it: then the sort swaps nothing.
    static bool IsInOrder(const std::vector<QByteArray>& keys);
};
