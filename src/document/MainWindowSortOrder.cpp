#include "document/MainWindowSortOrder.h"

#include <algorithm>
#include <deque>

std::vector<int> MainWindowSortOrder::Compute(int count, const Less& less, const Equal& equal) {
    std::vector<int> byKey = SortedOrder(count, less);
    std::vector<int> order = byKey;
    ExchangeEqualKeys(byKey, equal, &order);
    return order;
}

// One pass keeps the rows that are in order among themselves and sets aside
// the others: a row smaller than the last kept one either replaces it (when it
// still follows the one before) or is set aside itself. An entry moved up or
// down is the only row set aside. The rows set aside are then sorted and
// merged in, each found by a search that gallops from where the last one went.
std::vector<int> MainWindowSortOrder::SortedOrder(int count, const Less& less) {
    std::vector<int> kept;
    std::vector<int> aside;
    kept.reserve(std::size_t(count));
    for (int row = 0; row < count; ++row) {
        if (kept.empty() || !less(row, kept.back())) {
            kept.push_back(row);
        } else if (kept.size() == 1 || !less(row, kept[kept.size() - 2])) {
            aside.push_back(kept.back());
            kept.back() = row;
        } else {
            aside.push_back(row);
        }
    }
    if (aside.empty())
        return kept;

    std::sort(aside.begin(), aside.end(), less);
    std::vector<int> merged;
    merged.reserve(std::size_t(count));
    auto from = kept.begin();
    for (int d : aside) {
        // Gallop: probe 1, 2, 4 ... rows on until one does not come before d.
        auto lo = from;
        auto hi = from;
        for (std::ptrdiff_t step = 1; hi != kept.end() && less(*hi, d); step *= 2) {
            lo = hi + 1;
            hi = kept.end() - lo > step ? lo + step : kept.end();
        }
        const auto at = std::partition_point(lo, hi, [&](int k) { return less(k, d); });
        merged.insert(merged.end(), from, at);
        merged.push_back(d);
        from = at;
    }
    merged.insert(merged.end(), from, kept.end());
    return merged;
}

// Pass i of the exchange sort carries the row at i forward and trades it for
// every strictly smaller key it meets, so the rows it moves are the strict
// running minima of the rest of the table, and the first of the smallest keys
// ends at i. Seen from one key v, with L the rows of smaller keys and E the
// rows of key v, a pass removes the first L; when an E comes before that L,
// the first E takes its place, passing the other E rows before it. So the E
// rows met before the first L are rotated by one each pass, then the E rows
// between the first and second L join them, and so on, until every L has
// gone and the E rows are taken out in the order reached.
void MainWindowSortOrder::ExchangeEqualKeys(const std::vector<int>& byKey, const Equal& equal,
                                            std::vector<int>* order) {
    const int n = int(byKey.size());
    // Distinct keys numbered in order; where each key's block starts.
    std::vector<int> value(std::size_t(n), 0);
    std::vector<int> blockStart;
    for (int pos = 0; pos < n; ++pos) {
        const int row = byKey[std::size_t(pos)];
        if (pos == 0 || !equal(byKey[std::size_t(pos - 1)], row))
            blockStart.push_back(pos);
        value[std::size_t(row)] = int(blockStart.size()) - 1;
    }
    const int distinct = int(blockStart.size());
    if (distinct == n)
        return;  // no equal keys: the order is the sorted one

    std::vector<int> blockSize(std::size_t(distinct), 0);
    for (int v = 0; v < distinct; ++v)
        blockSize[std::size_t(v)] =
            (v + 1 < distinct ? blockStart[std::size_t(v + 1)] : n) - blockStart[std::size_t(v)];

    // Smaller keys before each row, counted with a Fenwick tree over the values.
    std::vector<int> tree(std::size_t(distinct) + 1, 0);
    std::vector<int> smallerBefore(std::size_t(n), 0);
    for (int row = 0; row < n; ++row) {
        const int v = value[std::size_t(row)];
        int count = 0;
        for (int k = v; k > 0; k -= k & -k)
            count += tree[std::size_t(k)];
        smallerBefore[std::size_t(row)] = count;
        for (int k = v + 1; k <= distinct; k += k & -k)
            ++tree[std::size_t(k)];
    }

    // Rows of each repeated key in table order.
    std::vector<std::vector<int>> members(static_cast<std::size_t>(distinct));
    for (int row = 0; row < n; ++row) {
        const int v = value[std::size_t(row)];
        if (blockSize[std::size_t(v)] > 1)
            members[std::size_t(v)].push_back(row);
    }

    std::deque<int> reached;
    for (int v = 0; v < distinct; ++v) {
        if (blockSize[std::size_t(v)] < 2)
            continue;
        const int smaller = blockStart[std::size_t(v)];
        reached.clear();
        int pass = 0;
        auto rotate = [&](int passes) {
            if (reached.empty())
                return;
            for (int r = passes % int(reached.size()); r > 0; --r) {
                reached.push_back(reached.front());
                reached.pop_front();
            }
        };
        for (int row : members[std::size_t(v)]) {
            const int at = smallerBefore[std::size_t(row)];
            rotate(at - pass);
            pass = at;
            reached.push_back(row);
        }
        rotate(smaller - pass);
        std::copy(reached.begin(), reached.end(), order->begin() + smaller);
    }
}
