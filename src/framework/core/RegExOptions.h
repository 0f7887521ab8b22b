#pragma once

// Options of a RegEx. The defaults hold wherever a RegEx is made:
// case-insensitive, replace the first match only, "." does not match a line
// break (CR or LF).
struct RegExOptions {
    bool CaseSensitive = false;
    bool ReplaceAllMatches = false;
    bool DotMatchAll = false;

    bool operator==(const RegExOptions& o) const {
        return CaseSensitive == o.CaseSensitive && ReplaceAllMatches == o.ReplaceAllMatches &&
               DotMatchAll == o.DotMatchAll;
    }
    bool operator!=(const RegExOptions& o) const { return !(*this == o); }
};
