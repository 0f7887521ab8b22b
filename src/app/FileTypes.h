#pragma once

#include "app/FileType.h"

#include <memory>

// The program's document file types: one, the Brimel document.
class FileTypes {
public:
    // "Brimel Document", ".brimel", "TEXT", "ZOKA"; null before _Initialize
    // and after Release.
    static FileType* pBrimelDocument();

    // Makes the document type (start-up). The desktop itself learns of it
    // from the MIME type and desktop entry installed with the program.
    static void _Initialize();
    // Frees it (program end).
    static void Release();

private:
    static std::unique_ptr<FileType>& Storage();
};
