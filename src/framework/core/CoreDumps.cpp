#include "framework/core/CoreDumps.h"

#include <sys/prctl.h>
#include <sys/resource.h>

bool CoreDumps::Disable() {
    const rlimit none{0, 0};
    const bool limited = ::setrlimit(RLIMIT_CORE, &none) == 0;
    // The limit alone does not stop a core handed to a program (a "|" core pattern).
    const bool undumpable = ::prctl(PR_SET_DUMPABLE, 0, 0, 0, 0) == 0;
    return limited && undumpable;
}
