#pragma once

#include "document/EntryEncoding.h"
#include "document/format/EntryColumn.h"
#include "document/format/EntryRow.h"

#include <QString>
#include <vector>

// The texts that tell the user why a document or its cleartext export was not
// written.
class SaveMessages {
public:
    // The field as the window labels it ("Name of Entry", "URL", ...).
    static QString FieldName(EntryColumn column);

    // "The document “Bank.brimel” could not be saved: <reason>"
    static QString SaveFailed(const QString& fileName, const QString& reason);
    // "The cleartext export “Bank.tsv” could not be written: <reason>"
    static QString ExportFailed(const QString& fileName, const QString& reason);
    // Why the entries cannot be stored: each field that holds characters
    // MacRoman lacks, by its entry's title (rows give the titles) and its name,
    // with those characters; past the first kListedCells fields, how many more.
    // "" when cells is empty.
    static QString UnstorableCells(const std::vector<EntryEncoding::UnstorableCell>& cells,
                                   const std::vector<EntryRow>& rows);

    static constexpr int kListedCells = 10;
    static constexpr int kListedCharacters = 5;
    static constexpr int kShownTitleLength = 40;

private:
    static QString EntryName(const std::vector<EntryRow>& rows, int row);
    static QString CharacterList(const QStringList& characters);
};
