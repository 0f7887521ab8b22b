#pragma once

#include "document/format/EntryColumn.h"

#include <QString>

// The outcome of saving a document.
struct DocumentWriteResult {
    enum class Status {
        Written,
        UnencodableCell,  // nothing was written: see row, column and character
        WriteFailed,      // the file could not be created, written or closed: see error
    };

    Status status = Status::Written;
    int row = -1;                             // UnencodableCell: the entry's row
    EntryColumn column = EntryColumn::Title;  // UnencodableCell: the field
    int character = -1;                       // UnencodableCell: 0-based index in the cell
    QString error;                            // WriteFailed: the reason

    bool ok() const { return status == Status::Written; }
};
