#include "document/EntryEncoding.h"

#include "framework/core/MacRoman.h"
#include "framework/core/Strings.h"

#include <algorithm>

DocumentWriteResult EntryEncoding::Encode(const std::vector<EntryRow>& rows, int count,
                                          std::vector<QByteArray>* cells) {
    const int rowCount = std::clamp(count, 0, static_cast<int>(rows.size()));
    if (cells) {
        cells->clear();
        cells->reserve(static_cast<size_t>(rowCount) * kEntryColumnCount);
    }
    QByteArray bytes;
    for (int row = 0; row < rowCount; ++row) {
        for (int col = 0; col < kEntryColumnCount; ++col) {
            int bad = -1;
            if (!MacRoman::Encode(rows[size_t(row)][size_t(col)], &bytes, &bad)) {
                DocumentWriteResult result;
                result.status = DocumentWriteResult::Status::UnencodableCell;
                result.row = row;
                result.column = static_cast<EntryColumn>(col);
                result.character = bad;
                if (cells)
                    cells->clear();
                return result;
            }
            if (cells)
                cells->push_back(bytes);
        }
    }
    return {};
}

QString EntryEncoding::BadCharacter(const std::vector<EntryRow>& rows, const DocumentWriteResult& result) {
    if (result.status != DocumentWriteResult::Status::UnencodableCell || result.row < 0 ||
        size_t(result.row) >= rows.size())
        return QString();
    const QString& cell = rows[size_t(result.row)][size_t(result.column)];
    return Mid(cell, result.character + 1, 1);
}
