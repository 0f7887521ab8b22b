#pragma once

#include <functional>
#include <vector>

// Where the document window's exchange sort ("for i, for j > i: if key[j] <
// key[i], swap rows i and j") puts every row, computed without its quadratic
// work. Equal keys are never swapped directly, yet their order changes as
// smaller keys pass through them, and the result keeps exactly that order.
//
// Keys are compared as few times as the table's disorder needs: a table in
// order costs one comparison per row, one entry out of place a few more.
class MainWindowSortOrder {
public:
    // Whether the key of row a sorts before that of row b (a strict total order).
    using Less = std::function<bool(int a, int b)>;
    // Whether rows a and b have the same key.
    using Equal = std::function<bool(int a, int b)>;

    // For each final position, the index of the row that ends there.
    static std::vector<int> Compute(int count, const Less& less, const Equal& equal);

private:
    // The rows ordered by key (equal keys in any order).
    static std::vector<int> SortedOrder(int count, const Less& less);
    // Puts the runs of equal keys in the order the exchange sort leaves them.
    static void ExchangeEqualKeys(const std::vector<int>& byKey, const Equal& equal, std::vector<int>* order);
};
