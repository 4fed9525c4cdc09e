#include <gtest/gtest.h>

#include "core/IniNumber.h"

namespace scanvo {
namespace {

struct NumberCase {
    const char* text;
    qint16 value;
    bool inRange;
};

TEST(IniNumber16, LeadingNumericPartRoundedHalfToEven)
{
    const NumberCase cases[] = {
        {"2.5", 2, true},      {"3.5", 4, true},      {"-2.5", -2, true},    {"0.5", 0, true},
        {"1.5", 2, true},      {"2.51", 3, true},     {"12abc", 12, true},   {"abc", 0, true},
        {"", 0, true},         {"  7", 7, true},      {"\t-3x", -3, true},   {"+8", 8, true},
        {".5", 0, true},       {"5.", 5, true},       {"1e3", 1000, true},   {"12e", 12, true},
        {"2E-1", 0, true},     {"1.2.3", 1, true},    {"-", 0, true},        {"x12", 0, true},
        {"32767", 32767, true}, {"-32768", -32768, true}, {"-32768.5", -32768, true},
    };
    for (const NumberCase& c : cases) {
        bool inRange = false;
        EXPECT_EQ(IniNumber16(QString::fromUtf8(c.text), &inRange), c.value) << c.text;
        EXPECT_EQ(inRange, c.inRange) << c.text;
    }
}

TEST(IniNumber16, OutOfRangeGivesZeroAndSaysSo)
{
    for (const char* text : {"32768", "32767.5", "-32769", "-32768.51", "1e400", "-1e400", "99999abc"}) {
        bool inRange = true;
        EXPECT_EQ(IniNumber16(QString::fromUtf8(text), &inRange), 0) << text;
        EXPECT_FALSE(inRange) << text;
    }
    // Without the flag the value is still 0.
    EXPECT_EQ(IniNumber16(QStringLiteral("40000")), 0);
}

TEST(IniNumber32, HoldsWhat16BitsCannot)
{
    bool inRange = false;
    EXPECT_EQ(IniNumber32(QStringLiteral("40000"), &inRange), 40000);
    EXPECT_TRUE(inRange);
    EXPECT_EQ(IniNumber32(QStringLiteral("2147483647"), &inRange), 2147483647);
    EXPECT_TRUE(inRange);
    EXPECT_EQ(IniNumber32(QStringLiteral("-2147483648"), &inRange), qint32(-2147483647 - 1));
    EXPECT_TRUE(inRange);
    EXPECT_EQ(IniNumber32(QStringLiteral("4.5"), &inRange), 4);
    EXPECT_EQ(IniNumber32(QStringLiteral("2147483648"), &inRange), 0);
    EXPECT_FALSE(inRange);
    EXPECT_EQ(IniNumber32(QStringLiteral("99999999999"), &inRange), 0);
    EXPECT_FALSE(inRange);
}

}  // namespace
}  // namespace scanvo
