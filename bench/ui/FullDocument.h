#pragma once

#include <QString>
#include <vector>

#include "document/format/EntryRow.h"
#include "framework/core/FolderItem.h"

// Documents whose every field is 255 characters long, of 1000, 10001 (the
// size of the entry table) and 100,000 entries. Cell texts are unique, carry
// accented letters and a tab, and end in a plain letter so that a Backspace
// and that letter typed again give the cell back. Titles are in order and
// start with the row number, five digits wide, so that a search for "0" hits
// the first entry; only the last title has a word starting with "L".
class FullDocument {
public:
    static constexpr int kSizes[] = {1000, 10001, 100000};
    static constexpr int kFieldLength = 255;

    static QString Cell(int row, int column, int entries);
    static std::vector<EntryRow> Rows(int entries);
    static const QString& Password();
    // The document written once in a temporary folder that lives as long as the process.
    static const FolderItem& File(int entries);
    // Writes the document to path; false when it could not be written.
    static bool WriteTo(const QString& path, int entries);
};
