#pragma once

// A crash must not write the passwords the program holds to a core file, and
// other programs of the same user must not read them from its memory.
class CoreDumps {
public:
    // Sets the core file size limit to 0 and marks the process as not
    // dumpable (which also keeps debuggers of the same user out); false when
    // either fails. Call first thing in main().
    static bool Disable();
};
