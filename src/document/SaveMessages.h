#pragma once

#include "document/format/EntryColumn.h"

#include <QString>

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
    // Why a cell cannot be stored: names the entry by its title, the field and
    // the character.
    static QString UnencodableCell(const QString& entryTitle, int row, EntryColumn column, const QString& character);
};
