#pragma once

#include "document/format/DocumentFormat.h"
#include "document/format/EntryRow.h"
#include "document/format/GeometryRecord.h"

#include <QString>

#include <vector>

// What a document file holds, as read.
struct DocumentReadResult {
    DocumentFormat format = DocumentFormat::WrongPassword;
    bool hasGeometry = false;    // current format only
    GeometryRecord geometry;     // apply only when geometry.FitsScreen(...)
    std::vector<EntryRow> rows;  // every entry in the file, in file order
    QString error;               // Unreadable: why the file could not be read

    bool opened() const { return format == DocumentFormat::Current || format == DocumentFormat::Older; }
};
