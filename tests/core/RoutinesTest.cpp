#include "core/Routines.h"

#include <gtest/gtest.h>

namespace scanvo {
namespace {

struct PathCase {
    const char* path;
    const char* dir;
    const char* file;
};

TEST(Routines, SplitsPathsAtEitherSeparator)
{
    const PathCase cases[] = {
        {"", "", ""},
        {"scan0001.tif", "", "scan0001.tif"},
        {"/home/u/Scans/doc/scan0001.tif", "/home/u/Scans/doc/", "scan0001.tif"},
        {"2024\\box1\\scan0001.tif", "2024\\box1\\", "scan0001.tif"},
        {"/root/2024\\box1", "/root/2024\\", "box1"},
        {"a\\b/c", "a\\b/", "c"},
        {"trailing/", "trailing/", ""},
        {"/", "/", ""},
    };
    for (const PathCase& c : cases) {
        const QString path = QString::fromUtf8(c.path);
        SCOPED_TRACE(c.path);
        EXPECT_EQ(PathDirPart(path), QString::fromUtf8(c.dir));
        EXPECT_EQ(PathFilePart(path), QString::fromUtf8(c.file));
        EXPECT_EQ(PathComponent(path, 1), QString::fromUtf8(c.dir));
        EXPECT_EQ(PathComponent(path, 2), QString::fromUtf8(c.file));
        EXPECT_EQ(PathComponent(path, 0), QString::fromUtf8(c.file));
        EXPECT_EQ(PathDirPart(path) + PathFilePart(path), path);
    }
}

struct NameCase {
    const char* name;
    const char* extension;
    const char* withoutExtension;
};

TEST(Routines, SplitsNamesAtTheLastDot)
{
    const NameCase cases[] = {
        {"", "", ""},
        {"scan0001.tif", "tif", "scan0001"},
        {"archive.tar.gz", "gz", "archive.tar"},
        {"noext", "noext", "noext"},
        {".hidden", "hidden", ""},
        {"dot.", "", "dot"},
        {"页面0001.jpg", "jpg", "页面0001"},
    };
    for (const NameCase& c : cases) {
        const QString name = QString::fromUtf8(c.name);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NameExtension(name), QString::fromUtf8(c.extension));
        EXPECT_EQ(NameWithoutExtension(name), QString::fromUtf8(c.withoutExtension));
    }
}

struct DigitCase {
    const char* name;
    const char* before;
    const char* run;
    const char* after;
};

TEST(Routines, FindsTheLastDigitRun)
{
    const DigitCase cases[] = {
        {"", "", "", ""},
        {"cover.tif", "", "", "cover.tif"},
        {"scan0009.tif", "scan", "0009", ".tif"},
        {"p_0099_a.tif", "p_", "0099", "_a.tif"},
        {"12ab345", "12ab", "345", ""},
        {"2024-box7-page", "2024-box", "7", "-page"},
        {"007", "", "007", ""},
        {"文档12号", "文档", "12", "号"},
        // Only ASCII digits count: a full-width digit is plain text.
        {"a１２b3", "a１２b", "3", ""},
    };
    for (const DigitCase& c : cases) {
        const QString name = QString::fromUtf8(c.name);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TextBeforeDigitRun(name), QString::fromUtf8(c.before));
        EXPECT_EQ(DigitRun(name), QString::fromUtf8(c.run));
        EXPECT_EQ(TextAfterDigitRun(name), QString::fromUtf8(c.after));
        if (!DigitRun(name).isEmpty()) {
            EXPECT_EQ(TextBeforeDigitRun(name) + DigitRun(name) + TextAfterDigitRun(name), name);
        }
    }
}

TEST(Routines, LastPositionOfIsOneBasedText)
{
    EXPECT_EQ(LastPositionOf(QString(), u'.'), QStringLiteral("0"));
    EXPECT_EQ(LastPositionOf(QStringLiteral("abc"), u'.'), QStringLiteral("0"));
    EXPECT_EQ(LastPositionOf(QStringLiteral(".abc"), u'.'), QStringLiteral("1"));
    EXPECT_EQ(LastPositionOf(QStringLiteral("a.b.c"), u'.'), QStringLiteral("4"));
    EXPECT_EQ(LastPositionOf(QStringLiteral("abc."), u'.'), QStringLiteral("4"));
}

struct KeyCase {
    int key;
    const char* allowed;
    bool backspace;
    int expected;
};

TEST(Routines, FilterKeyPassesOnlyAllowedKeys)
{
    const char* digits = "0123456789";
    const char* signedNumber = "-0123456789.";
    const KeyCase cases[] = {
        {'a', digits, true, 0},
        {'7', digits, true, '7'},
        {13, digits, true, 13},
        {13, "", false, 13},
        {8, digits, true, 8},
        {8, digits, false, 0},
        {'-', digits, true, 0},
        {'-', signedNumber, true, '-'},
        {'.', signedNumber, true, '.'},
        {',', signedNumber, true, 0},
        {' ', digits, true, 0},
        {0, digits, true, 0},
        // Letters compare upper-cased, and an accepted key comes back unchanged.
        {'x', "ABCX", true, 'x'},
        {'X', "abcx", true, 'X'},
        {-1, digits, true, 0},
        {0x10041, "A", true, 0},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key << " allowed " << c.allowed);
        EXPECT_EQ(FilterKey(c.key, QString::fromUtf8(c.allowed), c.backspace), c.expected);
    }
}

}  // namespace
}  // namespace scanvo
