#include "document/format/GeometryRecord.h"

#include <gtest/gtest.h>

namespace {

TEST(GeometryRecord, TextJoinsFourDecimalsWithStars) {
    EXPECT_EQ(GeometryRecord::Text(40, 60, 639, 376), QByteArray("40*60*639*376"));
    EXPECT_EQ(GeometryRecord::Text(-3, 0, 0, -2147483647 - 1), QByteArray("-3*0*0*-2147483648"));
    // The longest possible text still fits a record with room to spare.
    EXPECT_EQ(GeometryRecord::Text(-2147483647 - 1, -2147483647 - 1, -2147483647 - 1, -2147483647 - 1).size(), 47);
}

TEST(GeometryRecord, ParseReadsPiecesAsNumbers) {
    struct Case {
        const char* text;
        double left, top, width, height;
    };
    const Case cases[] = {
        {"40*60*639*376", 40, 60, 639, 376},    {"-5*-1*10*20", -5, -1, 10, 20}, {"", 0, 0, 0, 0},   {"7", 7, 0, 0, 0},
        {"1e3*2.5*abc*12px", 1000, 2.5, 0, 12}, {"1*2*3*4*5", 1, 2, 3, 4},       {"**", 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const GeometryRecord g = GeometryRecord::Parse(c.text);
        EXPECT_EQ(g.left, c.left) << c.text;
        EXPECT_EQ(g.top, c.top) << c.text;
        EXPECT_EQ(g.width, c.width) << c.text;
        EXPECT_EQ(g.height, c.height) << c.text;
    }
}

TEST(GeometryRecord, FitsScreenTestsOnlyTheCornerAgainstTheMainScreen) {
    struct Case {
        const char* text;
        bool fits;
    };
    // Screen 1920 x 1080.
    const Case cases[] = {
        {"0*0*639*376", true},         {"-1*0*639*376", false},   {"0*-1*639*376", false},   {"-0.5*-0.5*1*1", true},
        {"1919*1079*5000*5000", true}, {"1920*0*639*376", false}, {"0*1080*639*376", false}, {"1919.5*0*1*1", true},
        {"1e3*1e3*1*1", true},         {"1e4*0*1*1", false},      {"100*100*-50*-50", true}, {"", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GeometryRecord::Parse(c.text).FitsScreen(1920, 1080), c.fits) << c.text;
}

TEST(GeometryRecord, PixelsRoundAndClamp) {
    const GeometryRecord g = GeometryRecord::Parse("2.5*-2.5*1e12*-1e12");
    EXPECT_EQ(g.LeftPixels(), 3);
    EXPECT_EQ(g.TopPixels(), -3);
    EXPECT_EQ(g.WidthPixels(), 2147483647);
    EXPECT_EQ(g.HeightPixels(), -2147483647 - 1);
}

}  // namespace
