#pragma once

#include "document/format/DocumentWriteResult.h"
#include "document/format/EntryRow.h"

#include <QByteArray>
#include <vector>

// The cells of a document's entries in MacRoman, the encoding of its files.
class EntryEncoding {
public:
    // Encodes the cells of rows 0 to count - 1, row by row in column order,
    // into *cells (when given). Stops at the first cell holding a character
    // MacRoman lacks and reports it as UnencodableCell (row, column, character).
    static DocumentWriteResult Encode(const std::vector<EntryRow>& rows, int count,
                                      std::vector<QByteArray>* cells = nullptr);

    // The character the result names, "" when it names none.
    static QString BadCharacter(const std::vector<EntryRow>& rows, const DocumentWriteResult& result);
};
