#include "document/EntryEncoding.h"

#include "framework/core/MacRoman.h"

#include <algorithm>

std::vector<EntryEncoding::UnstorableCell> EntryEncoding::Unstorable(const std::vector<EntryRow>& rows, int count) {
    std::vector<UnstorableCell> found;
    const int rowCount = std::clamp(count, 0, static_cast<int>(rows.size()));
    for (int row = 0; row < rowCount; ++row) {
        for (int col = 0; col < kEntryColumnCount; ++col) {
            const QStringList characters = MacRoman::Unencodable(rows[size_t(row)][size_t(col)]);
            if (!characters.isEmpty())
                found.push_back({row, static_cast<EntryColumn>(col), characters});
        }
    }
    return found;
}
