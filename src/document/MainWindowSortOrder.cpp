#include "document/MainWindowSortOrder.h"

#include <algorithm>
#include <deque>
#include <numeric>

// Pass i of the exchange sort carries the row at i forward and trades it for
// every strictly smaller key it meets, so the rows it moves are the strict
// running minima of the rest of the table, and the first of the smallest keys
// ends at i. Seen from one key v, with L the rows of smaller keys and E the
// rows of key v, a pass removes the first L; when an E comes before that L,
// the first E takes its place, passing the other E rows before it. So the E
// rows met before the first L are rotated by one each pass, then the E rows
// between the first and second L join them, and so on, until every L has
// gone and the E rows are taken out in the order reached.
std::vector<int> MainWindowSortOrder::Compute(const std::vector<QByteArray>& keys) {
    const int n = int(keys.size());
    std::vector<int> byKey(std::size_t(n), 0);
    std::iota(byKey.begin(), byKey.end(), 0);
    std::stable_sort(byKey.begin(), byKey.end(),
                     [&](int a, int b) { return keys[std::size_t(a)] < keys[std::size_t(b)]; });

    // Distinct keys numbered in order; where each key's block starts.
    std::vector<int> value(std::size_t(n), 0);
    std::vector<int> blockStart;
    for (int pos = 0; pos < n; ++pos) {
        const int row = byKey[std::size_t(pos)];
        if (pos == 0 || keys[std::size_t(byKey[std::size_t(pos - 1)])] < keys[std::size_t(row)])
            blockStart.push_back(pos);
        value[std::size_t(row)] = int(blockStart.size()) - 1;
    }
    const int distinct = int(blockStart.size());
    if (distinct == n)
        return byKey;  // no equal keys: the order is the sorted one

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

    std::vector<int> order = byKey;
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
        std::copy(reached.begin(), reached.end(), order.begin() + smaller);
    }
    return order;
}

bool MainWindowSortOrder::IsInOrder(const std::vector<QByteArray>& keys) {
    for (std::size_t i = 1; i < keys.size(); ++i)
        if (keys[i] < keys[i - 1])
            return false;
    return true;
}
