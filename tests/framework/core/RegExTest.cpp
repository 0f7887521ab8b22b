#include "framework/core/RegEx.h"

#include <gtest/gtest.h>

namespace {

struct SearchCase {
    const char* name;
    const char* pattern;
    bool caseSensitive;
    const char* target;
    bool found;
};

TEST(RegEx, Search) {
    const SearchCase cases[] = {
        {"plain", "ban", false, "Alpha Banana", true},
        {"case ignored by default", " b", false, " Banana", true},
        {"case sensitive", " b", true, " Banana", false},
        {"case sensitive hit", "A", true, "xA", true},
        {"non-ASCII case", "\xC3\xA9", false, "\xC3\x89t\xC3\xA9", true},
        {"dot", "a.c", false, "abc", true},
        {"escaped dot is literal", "a\\.c", false, "abc", false},
        {"escaped dot hit", "a\\.c", false, "a.c", true},
        {"bracket class", "[\\r\\n]", false, "x\ny", true},
        {"bracket class miss", "[\\r\\n]", false, "x y", false},
        {"escaped metacharacters", " \\(\\[\\{\\*\\+\\?\\^\\$\\|\\\\\\-\\\"\\'\\}\\]\\)", false, " ([{*+?^$|\\-\"'}])",
         true},
        {".brimel anywhere", ".brimel", false, "Secrets.brimel", true},
        {".brimel missing", ".brimel", false, "Secrets", false},
        {"empty pattern matches", "", false, "abc", true},
        {"empty target", "a", false, "", false},
    };
    for (const SearchCase& c : cases) {
        RegEx re;
        re.Options.CaseSensitive = c.caseSensitive;
        re.SearchPattern = QString::fromUtf8(c.pattern);
        EXPECT_EQ(re.Search(QString::fromUtf8(c.target)).has_value(), c.found) << c.name;
    }
}

TEST(RegEx, DefaultsAreDocumented) {
    RegEx re;
    EXPECT_FALSE(re.Options.CaseSensitive);
    EXPECT_FALSE(re.Options.ReplaceAllMatches);
    EXPECT_FALSE(re.Options.DotMatchAll);
}

TEST(RegEx, DotMatchAll) {
    RegEx re;
    re.SearchPattern = QStringLiteral("a.b");
    EXPECT_FALSE(re.Search(QStringLiteral("a\nb")));
    re.Options.DotMatchAll = true;
    EXPECT_TRUE(re.Search(QStringLiteral("a\nb")));
}

TEST(RegEx, BadPatternFindsNothingAndReplacesNothing) {
    for (const char* pattern : {"(", "[a", "a{2,1}", "\\", "*", "(?<", "[[:foo:]]"}) {
        RegEx re;
        re.SearchPattern = QString::fromLatin1(pattern);
        re.ReplacementPattern = QStringLiteral("X");
        re.Options.ReplaceAllMatches = true;
        EXPECT_FALSE(re.IsValid()) << pattern;
        EXPECT_FALSE(re.Search(QStringLiteral("(a[*\\"))) << pattern;
        EXPECT_EQ(re.Replace(QStringLiteral("(a[*\\")), QStringLiteral("(a[*\\")) << pattern;
    }
}

TEST(RegEx, PatternChangesAreSeen) {
    RegEx re;
    re.SearchPattern = QStringLiteral("x");
    EXPECT_TRUE(re.Search(QStringLiteral("x")));
    re.SearchPattern = QStringLiteral("y");
    EXPECT_FALSE(re.Search(QStringLiteral("x")));
    re.Options.CaseSensitive = true;
    EXPECT_FALSE(re.Search(QStringLiteral("Y")));
    re.Options.CaseSensitive = false;
    EXPECT_TRUE(re.Search(QStringLiteral("Y")));
}

struct ReplaceCase {
    const char* name;
    const char* pattern;
    const char* replacement;
    bool all;
    const char* target;
    const char* expected;
};

TEST(RegEx, Replace) {
    const ReplaceCase cases[] = {
        {"first only", "[\\r\\n]", " ", false, "a\rb\nc", "a b\nc"},
        {"every match", "[\\r\\n]", " ", true, "a\rb\nc\r\n", "a b c  "},
        {"no match", "z", "y", true, "abc", "abc"},
        {"whole match ref", "b+", "<\\0>", true, "abbcb", "a<bb>c<b>"},
        {"group refs", "(\\w+)@(\\w+)", "\\2 at \\1", false, "me@host", "host at me"},
        {"unmatched group is empty", "a(x)?b", "[\\1]", false, "ab", "[]"},
        {"escaped backslash", "a", "\\\\1", false, "a", "\\1"},
        {"dollar is literal", "a", "$1$", false, "a", "$1$"},
        {"trailing backslash", "a", "x\\", false, "a", "x\\"},
        {"empty matches", "x*", "-", true, "ab", "-a-b-"},
        {"case ignored", "A", "z", true, "aA", "zz"},
        {"non-BMP kept whole", ".", "_", true,
         "\xF0\x9F\x98\x80"
         "a",
         "__"},
    };
    for (const ReplaceCase& c : cases) {
        RegEx re;
        re.SearchPattern = QString::fromUtf8(c.pattern);
        re.ReplacementPattern = QString::fromUtf8(c.replacement);
        re.Options.ReplaceAllMatches = c.all;
        EXPECT_EQ(re.Replace(QString::fromUtf8(c.target)), QString::fromUtf8(c.expected)) << c.name;
    }
}

TEST(RegEx, MatchGivesGroupsAndCharacterPositions) {
    RegEx re;
    re.SearchPattern = QStringLiteral("(b)(x)?(c)");
    const QString target = QString::fromUcs4(U"\U0001F600") + QStringLiteral("abc");
    const std::optional<RegExMatch> m = re.Search(target);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->SubExpressionCount(), 4);
    EXPECT_EQ(m->SubExpressionString(0), QStringLiteral("bc"));
    EXPECT_EQ(m->SubExpressionString(3), QStringLiteral("c"));
    EXPECT_EQ(m->SubExpressionStart(0), 2);  // the emoji is one character
    EXPECT_EQ(m->SubExpressionStart(2), -1);
    EXPECT_EQ(m->SubExpressionString(2), QString());
    EXPECT_EQ(m->SubExpressionString(9), QString());
    EXPECT_EQ(m->SubExpressionStart(-1), -1);
}

TEST(RegEx, InvalidUtf16TargetDoesNotCrash) {
    RegEx re;
    re.SearchPattern = QStringLiteral("a");
    re.ReplacementPattern = QStringLiteral("b");
    const QString target = QStringLiteral("a") + QChar(0xD800) + QStringLiteral("a");
    (void)re.Search(target);
    (void)re.Replace(target);
    SUCCEED();
}

}  // namespace
