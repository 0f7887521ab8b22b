#pragma once

// The application as the program starts it (file type, application object,
// menu bar and its handlers), with desktop services that answer the file
// dialogs and modal windows that answer as the user would: the document
// password typed and confirmed, Yes to deleting an entry.
class BenchApp {
public:
    static void Ensure();
    // Frees the application and every window, as the program does when it ends.
    static void Release();
    static bool Running();
    // Modal windows met that no answer was made for.
    static int UnexpectedModals();
};
