#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>

// Names for parameterised tests, so that ctest lists readable cases.

// A name made of free text: letters and digits stay, every other character
// becomes "_"; an empty text reads "Empty".
inline std::string TestName(const std::string& text) {
    if (text.empty())
        return "Empty";
    std::string name = text;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

// The name generator for cases that carry their own `name`.
struct CaseName {
    template <class Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const {
        return TestName(info.param.name);
    }
};
