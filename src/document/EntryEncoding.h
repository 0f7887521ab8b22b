#pragma once

#include "document/format/EntryColumn.h"
#include "document/format/EntryRow.h"

#include <QStringList>
#include <vector>

// Which cells of a document's entries MacRoman, the encoding of its files,
// cannot hold.
class EntryEncoding {
public:
    struct UnstorableCell {
        int row;
        EntryColumn column;
        QStringList characters;  // each one once, in the order they occur
    };

    // Every cell of rows 0 to count - 1 that holds a character MacRoman lacks,
    // row by row in column order; empty when all of them can be stored.
    static std::vector<UnstorableCell> Unstorable(const std::vector<EntryRow>& rows, int count);
};
