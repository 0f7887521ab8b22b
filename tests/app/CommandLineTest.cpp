#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using Request = CommandLine::Request;

struct LineCase {
    const char* name;
    QStringList arguments;
    Request requested;
    QStringList documents;
    const char* error;  // a part of the usage error; null when none
};

class CommandLines : public testing::TestWithParam<LineCase> {};

TEST_P(CommandLines, TellWhatTheLaunchAsksFor) {
    const LineCase& c = GetParam();
    const CommandLine line(c.arguments);
    EXPECT_EQ(line.Requested(), c.requested);
    EXPECT_EQ(line.Documents(), c.documents);
    if (c.error) {
        EXPECT_TRUE(line.Error().contains(QString::fromLatin1(c.error))) << line.Error().toStdString();
        EXPECT_TRUE(line.Error().contains("brimel --help"));
    } else {
        EXPECT_TRUE(line.Error().isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CommandLines,
    testing::Values(
        LineCase{"Nothing", {}, Request::OpenDocuments, {}, nullptr},
        LineCase{
            "Documents", {"a.brimel", "dir/b.brimel"}, Request::OpenDocuments, {"a.brimel", "dir/b.brimel"}, nullptr},
        LineCase{"EmptyArgumentsNameNoDocument", {"", "a.brimel", ""}, Request::OpenDocuments, {"a.brimel"}, nullptr},
        LineCase{"OnlyAnEmptyArgument", {""}, Request::OpenDocuments, {}, nullptr},
        LineCase{"ADashAloneIsADocument", {"-"}, Request::OpenDocuments, {"-"}, nullptr},
        LineCase{"Help", {"--help"}, Request::ShowUsage, {}, nullptr},
        LineCase{"ShortHelp", {"-h"}, Request::ShowUsage, {}, nullptr},
        LineCase{"HelpAfterADocument", {"a.brimel", "--help"}, Request::ShowUsage, {}, nullptr},
        LineCase{"HelpBesideAMistake", {"--bogus", "--help"}, Request::ShowUsage, {}, nullptr},
        LineCase{"Version", {"--version"}, Request::ShowVersion, {}, nullptr},
        LineCase{"ShortVersion", {"-v"}, Request::ShowVersion, {}, nullptr},
        LineCase{"UnknownOption", {"--bogus", "a.brimel"}, Request::UsageError, {}, "bogus"},
        LineCase{"SingleDashWordsAreNotLetters", {"-hv"}, Request::UsageError, {}, "hv"},
        LineCase{"DoubleDashEndsTheOptions",
                 {"a.brimel", "--", "--help", "-v", "", "-platform"},
                 Request::OpenDocuments,
                 {"a.brimel", "--help", "-v", "-platform"},
                 nullptr},
        LineCase{"ToolkitOptionsAreNoDocuments",
                 {"-platform", "xcb", "-display", ":1", "-style=Fusion", "-reverse", "a.brimel", "--geometry", "1x1"},
                 Request::OpenDocuments,
                 {"a.brimel"},
                 nullptr},
        LineCase{"ToolkitOptionWithoutItsValue", {"a.brimel", "-display"}, Request::UsageError, {}, "display"}),
    [](const testing::TestParamInfo<LineCase>& info) { return info.param.name; });

TEST(CommandLineTexts, VersionAndUsage) {
    EXPECT_EQ(CommandLine::Version(), "1.8.2\n");
    const QString usage = CommandLine::Usage();
    EXPECT_TRUE(usage.startsWith("Usage: brimel "));
    for (const char* option : {"--help", "--version", "--"})
        EXPECT_TRUE(usage.contains(QString::fromLatin1(option))) << option;
}

}  // namespace
