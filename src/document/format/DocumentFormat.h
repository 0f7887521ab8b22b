#pragma once

// What the first record of a document file turned out to be.
enum class DocumentFormat {
    Current,        // "BRIMEL141": geometry record, then entries
    Older,          // "VUZIZEREV": entries right after the header
    WrongPassword,  // neither: wrong password, damaged file or not a document
    Unreadable,     // the file could not be opened or read, or is too large: see the reason
};
