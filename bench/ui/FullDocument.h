#pragma once

#include <QString>
#include <vector>

#include "document/format/EntryRow.h"
#include "framework/core/FolderItem.h"

// The largest document the program holds: 10001 entries, every field 255
// characters long. Cell texts are unique, carry accented letters and a tab,
// and end in a plain letter so that a Backspace and that letter typed again
// give the cell back. Titles are in order and start with the row number, five
// digits wide, so that a search for "0" hits the first entry and one for "1"
// only the last.
class FullDocument {
public:
    static constexpr int kEntries = 10001;
    static constexpr int kFieldLength = 255;

    static QString Cell(int row, int column);
    static const std::vector<EntryRow>& Rows();
    static const QString& Password();
    // The document written once in a temporary folder that lives as long as the process.
    static const FolderItem& File();
    // Writes the document to path; false when it could not be written.
    static bool WriteTo(const QString& path);
};
