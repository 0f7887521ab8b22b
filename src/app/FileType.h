#pragma once

#include <QString>

// A kind of document the program makes and opens. On Linux the type is made
// known to the desktop by the MIME type and desktop entry installed with the
// program, and files carry no type or creator codes: MacType and MacCreator
// are kept only as the document's description.
class FileType {
public:
    QString Name;
    QString Extensions;
    QString MacType;
    QString MacCreator;
};
