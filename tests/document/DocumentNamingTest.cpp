#include "document/DocumentNaming.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

namespace scanvo {
namespace {

struct RuleCase {
    const char* rule;
    const char* prefix;
    const char* counterTemplate;
    int width;
    const char* suffix;
};

TEST(DocumentNaming, ParsesNamingRules)
{
    const RuleCase cases[] = {
        {"IMG-###", "IMG-", "000", 3, ""},
        {"A##B", "A", "00", 2, "B"},
        {"doc", "doc", "000000", 6, ""},
        {"", "", "000000", 6, ""},
        {"#", "", "0", 1, ""},
        {"#-#", "", "0-0", 3, ""},
        {"p_####_a", "p_", "0000", 4, "_a"},
        {"a#b#c#d", "a", "0b0c0", 5, "d"},
        {"扫描####页", "扫描", "0000", 4, "页"},
        // A rule cannot reach outside the document's directory.
        {"../up##", ".._up", "00", 2, ""},
        {"x#\\#y/z", "x", "0_0", 3, "y_z"},
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.rule);
        const NameRule rule = ParseNameRule(QString::fromUtf8(c.rule));
        EXPECT_EQ(rule.prefix, QString::fromUtf8(c.prefix));
        EXPECT_EQ(rule.counterTemplate, QString::fromUtf8(c.counterTemplate));
        EXPECT_EQ(rule.counterWidth, c.width);
        EXPECT_EQ(rule.suffix, QString::fromUtf8(c.suffix));
    }
}

struct NamedCounterCase {
    const char* rule;
    qint64 n;
    const char* extension;
    const char* name;
};

TEST(DocumentNaming, BuildsFileNamesFromTheRule)
{
    const NamedCounterCase cases[] = {
        {"IMG-###", 7, "tif", "IMG-007.tif"},
        {"A##B", 3, "jpg", "A03B.jpg"},
        {"doc", 7, "tif", "doc000007.tif"},
        {"", 7, "tif", "000007.tif"},
        {"", 0, "tif", "000000.tif"},
        {"#-#", 5, "tif", "-05.tif"},
        {"#-#", 12, "tif", "012.tif"},
        // More digits than the counter's width: the counter widens instead of wrapping onto
        // names that are already in use.
        {"A##B", 123, "tif", "A123B.tif"},
        {"IMG-###", 1000, "tif", "IMG-1000.tif"},
        {"#", 10, "tif", "10.tif"},
        {"doc", 2147483647, "tif", "doc2147483647.tif"},
        {"doc", 2147483648LL, "tif", "doc2147483648.tif"},
        {"doc", -5, "tif", "doc000005.tif"},
    };
    for (const NamedCounterCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rule << " " << c.n);
        EXPECT_EQ(RuleFileName(ParseNameRule(QString::fromUtf8(c.rule)), c.n, QString::fromUtf8(c.extension)),
                  QString::fromUtf8(c.name));
    }
}

TEST(DocumentNaming, CountersNeverRepeatAcrossTheirWidth)
{
    const NameRule rule = ParseNameRule(QStringLiteral("s#"));
    QSet<QString> names;
    for (qint64 n = 0; n < 250; ++n)
        names.insert(RuleFileName(rule, n, QStringLiteral("tif")));
    EXPECT_EQ(names.size(), 250);
}

TEST(DocumentNaming, FormatsTheExtremesOfACounter)
{
    EXPECT_EQ(FormatCounter(QStringLiteral("000"), 3, std::numeric_limits<qint64>::min()),
              QStringLiteral("9223372036854775808"));
    EXPECT_EQ(FormatCounter(QStringLiteral("0000"), 4, 0), QStringLiteral("0000"));
    EXPECT_EQ(FormatCounter(QString(), 0, 42), QStringLiteral("42"));
}

struct DigitsCase {
    const char* digits;
    const char* next;
};

TEST(DocumentNaming, IncrementsDigitText)
{
    const DigitsCase cases[] = {
        {"", "1"},
        {"0", "1"},
        {"0009", "0010"},
        {"0099", "0100"},
        {"9999", "10000"},
        {"18446744073709551615", "18446744073709551616"},
        {"99999999999999999999", "100000000000000000000"},
    };
    for (const DigitsCase& c : cases) {
        SCOPED_TRACE(c.digits);
        EXPECT_EQ(IncrementDigits(QString::fromUtf8(c.digits)), QString::fromUtf8(c.next));
    }
}

struct ContinuationCase {
    const char* lastPath;
    int docType;
    const char* next;
};

TEST(DocumentNaming, ContinuesAfterTheLastFile)
{
    const NameTaken nothingTaken = [](const QString&) { return false; };
    const ContinuationCase cases[] = {
        {"/d/doc/scan0009.tif", 2, "scan0010.tif"},
        {"/d/doc/p_0099_a.tif", 2, "p_0100_a.tif"},
        {"/d/doc/scan9999.tif", 2, "scan10000.tif"},
        {"/d/doc/scan0009.jpg", 3, "scan0010.jpg"},
        {"/d/doc/scan0009.tif", 3, "scan0010.jpg"},
        {"d\\doc\\IMG-007.tif", 2, "IMG-008.tif"},
        {"scan0009.tif", 2, "scan0010.tif"},
        // A name without digits gets a counter rather than repeating itself.
        {"/d/doc/cover.tif", 2, "cover000001.tif"},
        {"/d/doc/.tif", 2, "000001.tif"},
        // Extensions other than three letters, and digits inside them, stay out of the counter.
        {"/d/doc/scan0009.tiff", 2, "scan0010.tif"},
        {"/d/doc/scan0009.jpeg", 3, "scan0010.jpg"},
        {"/d/doc/scan0009.jp2", 0, "scan0010.jp2"},
        {"/d/doc/scan0009", 2, "scan0010.tif"},
        // Mixed documents keep the last file's own extension.
        {"/d/doc/scan0009.png", 0, "scan0010.png"},
        {"/d/doc/scan0009.PNG", -1, "scan0010.PNG"},
        // A digit run too long for any integer still counts on.
        {"/d/doc/s20241231235959123456789.tif", 2, "s20241231235959123456790.tif"},
    };
    for (const ContinuationCase& c : cases) {
        SCOPED_TRACE(c.lastPath);
        EXPECT_EQ(NextFileName(QString::fromUtf8(c.lastPath), c.docType, nothingTaken),
                  QString::fromUtf8(c.next));
    }
}

TEST(DocumentNaming, ContinuationSkipsNamesInUse)
{
    const QSet<QString> inUse{QStringLiteral("scan0010.tif"), QStringLiteral("scan0011.tif"),
                              QStringLiteral("cover000001.tif")};
    const NameTaken taken = [&inUse](const QString& name) { return inUse.contains(name); };
    EXPECT_EQ(NextFileName(QStringLiteral("/d/scan0009.tif"), 2, taken), QStringLiteral("scan0012.tif"));
    EXPECT_EQ(NextFileName(QStringLiteral("/d/cover.tif"), 2, taken), QStringLiteral("cover000002.tif"));
    // Another extension does not count as in use.
    EXPECT_EQ(NextFileName(QStringLiteral("/d/scan0009.jpg"), 3, taken), QStringLiteral("scan0010.jpg"));
}

TEST(DocumentNaming, ContinuationGivesUpOnlyWhenEverythingIsTaken)
{
    const NameTaken everything = [](const QString&) { return true; };
    EXPECT_TRUE(NextFileName(QStringLiteral("/d/scan0009.tif"), 2, everything).isEmpty());
}

void Touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

TEST(DocumentNaming, ContinuationChecksTheLastFilesDirectory)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    // Sorted by name, scan10000 lists before scan9999, so the last listed file is scan9999 while
    // its successor already exists.
    Touch(root.filePath(QStringLiteral("scan9999.tif")));
    Touch(root.filePath(QStringLiteral("scan10000.tif")));
    EXPECT_EQ(NextFileName(root.filePath(QStringLiteral("scan9999.tif")), 2), QStringLiteral("scan10001.tif"));
    EXPECT_EQ(NextFileName(root.filePath(QStringLiteral("scan10000.tif")), 2), QStringLiteral("scan10001.tif"));

    const QString backslashed = root.path() + QStringLiteral("\\scan9999.tif");
    EXPECT_EQ(NextFileName(backslashed, 2), QStringLiteral("scan10001.tif"));
}

TEST(DocumentNaming, NamesTheMultiPageFileAfterTheDocument)
{
    EXPECT_EQ(MultiPageFilePath(QStringLiteral("/home/u/Scans/2024/合同"), QStringLiteral("2024\\合同")),
              QStringLiteral("/home/u/Scans/2024/合同/合同.tif"));
    EXPECT_EQ(MultiPageFilePath(QStringLiteral("/s/a/b/"), QStringLiteral("a/b/")), QStringLiteral("/s/a/b/b.tif"));
    EXPECT_EQ(MultiPageFilePath(QStringLiteral("/s/box"), QStringLiteral("box")), QStringLiteral("/s/box/box.tif"));
}

TEST(DocumentNaming, EnsureDirectoryCreatesEveryMissingLevel)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString deep = root.path() + QStringLiteral("/2024\\box1/合同");
    EXPECT_TRUE(EnsureDirectory(deep));
    EXPECT_TRUE(QFileInfo(root.filePath(QStringLiteral("2024/box1/合同"))).isDir());
    EXPECT_FALSE(QFileInfo::exists(root.filePath(QStringLiteral("2024\\box1"))));
}

TEST(DocumentNaming, EnsureDirectoryLeavesExistingLevelsAlone)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("a/b")));
    Touch(root.filePath(QStringLiteral("a/b/keep.tif")));
    EXPECT_TRUE(EnsureDirectory(root.filePath(QStringLiteral("a/b"))));
    EXPECT_TRUE(EnsureDirectory(root.filePath(QStringLiteral("a/b/"))));
    const QStringList entries = QDir(root.filePath(QStringLiteral("a/b")))
                                    .entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    EXPECT_EQ(entries, QStringList{QStringLiteral("keep.tif")});
    EXPECT_EQ(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{QStringLiteral("a")});
}

TEST(DocumentNaming, EnsureDirectoryReportsFailure)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    Touch(root.filePath(QStringLiteral("file")));
    EXPECT_FALSE(EnsureDirectory(root.filePath(QStringLiteral("file"))));
    EXPECT_FALSE(EnsureDirectory(root.filePath(QStringLiteral("file/below"))));
    EXPECT_FALSE(EnsureDirectory(QString()));
}

}  // namespace
}  // namespace scanvo
