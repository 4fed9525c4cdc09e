// Reading a document directory: which type its files make and which files a type lists, in what
// order.
#include "BrowseFixture.h"

#include "document/DirectoryListing.h"
#include "document/DocumentFiles.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <random>

namespace scanvo::fixtures {
namespace {

class DocumentTypeTest : public BrowseTest {
protected:
    qint16 detect() const { return DetectDocType(documentDir() + QStringLiteral("/*.*")); }
    void touch(const QString& name) const
    {
        QFile file(documentFile(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QStringList collected(qint16 type, const char* pattern)
    {
        state.props.m_DocType = type;
        CollectFiles(state.props, state.doc, documentDir() + u'/' + QString::fromLatin1(pattern));
        QStringList names;
        for (const QString& path : state.doc.m_Files.toList()) {
            EXPECT_TRUE(path.startsWith(documentDir() + u'/')) << path.toStdString();
            names.append(path.mid(documentDir().size() + 1));
        }
        return names;
    }
};

TEST_F(DocumentTypeTest, OneMultiPageTiffIsAMultiPageDocument)
{
    WriteTiff(documentFile(QStringLiteral("box1.tif")), 5);
    EXPECT_EQ(detect(), DocTypeMultiPageTiff);
}

TEST_F(DocumentTypeTest, OneSinglePageTiffIsASinglePageTiffDocument)
{
    WriteTiff(documentFile(QStringLiteral("scan0001.tif")), 1);
    EXPECT_EQ(detect(), DocTypeSinglePageTiff);
}

TEST_F(DocumentTypeTest, TiffAndJpegTogetherAreAMixedDocument)
{
    WriteTiff(documentFile(QStringLiteral("scan0001.tif")), 1);
    WriteJpeg(documentFile(QStringLiteral("scan0002.jpg")));
    EXPECT_EQ(detect(), DocTypeAllImages);
}

TEST_F(DocumentTypeTest, OnlyJpegFilesAreASinglePageJpegDocument)
{
    WriteJpeg(documentFile(QStringLiteral("a.jpg")));
    WriteJpeg(documentFile(QStringLiteral("b.JPG")));
    EXPECT_EQ(detect(), DocTypeSinglePageJpeg);
}

TEST_F(DocumentTypeTest, AnEmptyOrMissingDirectoryHasNoType)
{
    EXPECT_EQ(detect(), DocTypeDetect);
    EXPECT_EQ(DetectDocType(documentDir() + QStringLiteral("/nowhere/*.*")), DocTypeDetect);
}

TEST_F(DocumentTypeTest, FilesWithoutImagesMakeAMixedDocument)
{
    touch(QStringLiteral("notes.txt"));
    EXPECT_EQ(detect(), DocTypeAllImages);
}

TEST_F(DocumentTypeTest, ACorruptTiffCountsAsOnePage)
{
    WriteCorruptTiff(documentFile(QStringLiteral("box1.tif")));
    EXPECT_EQ(detect(), DocTypeSinglePageTiff);
}

TEST_F(DocumentTypeTest, SeveralMultiPageTiffsAreSinglePageTiffByName)
{
    // Only a lone file is looked into; several TIFF files make a type-2 document whatever they hold.
    WriteTiff(documentFile(QStringLiteral("a.tif")), 3);
    WriteTiff(documentFile(QStringLiteral("b.tif")), 2);
    EXPECT_EQ(detect(), DocTypeSinglePageTiff);
}

TEST_F(DocumentTypeTest, EachTypeCollectsItsOwnFilesByNameInAnyCase)
{
    for (const char* name : {"p1.tif", "P2.TIFF", "p3.jpg", "p4.JPG", "p5.png", "readme.txt"})
        touch(QString::fromLatin1(name));
    EXPECT_EQ(collected(DocTypeAllImages, "*.*"), QStringList({"p1.tif", "P2.TIFF", "p3.jpg", "p4.JPG"}));
    EXPECT_EQ(collected(DocTypeSinglePageTiff, "*.tif"), QStringList({"p1.tif", "P2.TIFF"}));
    EXPECT_EQ(collected(DocTypeSinglePageJpeg, "*.jpg"), QStringList({"p3.jpg", "p4.JPG"}));
    EXPECT_TRUE(collected(DocTypeMultiPageTiff, "*.*").isEmpty());
}

TEST_F(DocumentTypeTest, FilesComeInNumberingOrder)
{
    for (const char* name : {"scan10.tif", "Scan2.tif", "scan0003.tif", "scan1.tif", "cover.tif"})
        touch(QString::fromLatin1(name));
    EXPECT_EQ(collected(DocTypeSinglePageTiff, "*.tif"),
              QStringList({"cover.tif", "scan1.tif", "Scan2.tif", "scan0003.tif", "scan10.tif"}));
}

TEST_F(DocumentTypeTest, DirectoriesAndHiddenFilesAreNotListed)
{
    touch(QStringLiteral("page.tif"));
    touch(QStringLiteral(".page.tif.partial"));
    ASSERT_TRUE(QDir(documentDir()).mkdir(QStringLiteral("old.tif")));
    EXPECT_EQ(ListMatchingNames(documentDir() + QStringLiteral("/*.*")), QStringList({"page.tif"}));
    EXPECT_EQ(ListMatchingNames(documentDir() + QStringLiteral("/*.tif")), QStringList({"page.tif"}));
}

TEST_F(DocumentTypeTest, ANamedFileListsOnlyWhenItExists)
{
    EXPECT_TRUE(ListMatchingNames(documentDir() + QStringLiteral("/box1.tif")).isEmpty());
    touch(QStringLiteral("box1.tif"));
    EXPECT_EQ(ListMatchingNames(documentDir() + QStringLiteral("/box1.tif")), QStringList({"box1.tif"}));
}

TEST(NumberingOrder, ComparesDigitRunsByValueAndLettersWithoutCase)
{
    QStringList names = {"img-010.jpg", "IMG-009.jpg", "img-1000.jpg", "b.tif", "A.tif", "img-99.jpg"};
    SortInNumberingOrder(names);
    EXPECT_EQ(names, QStringList({"A.tif", "b.tif", "IMG-009.jpg", "img-010.jpg", "img-99.jpg", "img-1000.jpg"}));
}

TEST(NumberingOrder, TheSortKeysGiveTheComparisonsOrder)
{
    // Random names from pieces that meet at every kind of run boundary, sorted by the keys
    // against a plain sort by the comparison itself.
    const QStringList pieces = {"scan", "Scan", "SCAN", "a", "ab", "ab!", "-", ".", "_", " ", "图", "0", "00", "7",
                                "07", "10", "9", "123456789", "0123456789", "99999999999", ".tif", ".TIF", "x"};
    std::mt19937 random(13);
    for (int round = 0; round < 50; ++round) {
        QStringList names;
        for (int n = 0; n < 60; ++n) {
            QString name;
            const int parts = 1 + int(random() % 5);
            for (int p = 0; p < parts; ++p)
                name += pieces[qsizetype(random() % pieces.size())];
            names << name;
        }
        QStringList expected = names;
        std::stable_sort(expected.begin(), expected.end(),
                         [](const QString& a, const QString& b) { return CompareInNumberingOrder(a, b) < 0; });
        SortInNumberingOrder(names);
        ASSERT_EQ(names, expected) << "round " << round;
    }
}

TEST(NumberingOrder, TheNameBoundForAPlaceIsToldFirstAndTheOrderIsUnchanged)
{
    // Names equal but for case or padding included: the place told must be the sorted one.
    const QStringList pieces = {"scan", "SCAN", "0", "00", "7", "07", "10", ".tif", ".TIF", "x"};
    std::mt19937 random(29);
    for (int round = 0; round < 40; ++round) {
        QStringList names;
        const int count = 1 + int(random() % 30);
        for (int n = 0; n < count; ++n) {
            QString name;
            for (int p = 1 + int(random() % 4); p > 0; --p)
                name += pieces[qsizetype(random() % pieces.size())];
            names << name;
        }
        QStringList expected = names;
        SortInNumberingOrder(expected);
        for (qsizetype index : {qsizetype(0), names.size() / 2, names.size() - 1}) {
            QStringList sorted = names;
            QStringList told;
            SortInNumberingOrder(sorted, index, [&](const QString& name) { told << name; });
            ASSERT_EQ(sorted, expected) << "round " << round << ", index " << index;
            ASSERT_EQ(told, QStringList{expected.at(index)}) << "round " << round << ", index " << index;
        }
        // A place outside the list tells nothing and still sorts.
        QStringList sorted = names;
        int calls = 0;
        SortInNumberingOrder(sorted, names.size(), [&](const QString&) { ++calls; });
        EXPECT_EQ(sorted, expected);
        EXPECT_EQ(calls, 0);
    }
}

TEST(NameTests, ContainsIgnoringCaseAgreesWithQtsCaseInsensitiveSearch)
{
    // The Kelvin sign and the long s fold to ASCII letters; the dotted capital I does not.
    const QString kelvin = QString(QChar(0x212A));
    const QString longS = QString(QChar(0x017F));
    const QStringList texts = {QStringLiteral("scan0001.TIF"), QStringLiteral("a.Tif.jpg"), QStringLiteral("x.ti"),
                               QStringLiteral(".tif"), QString(), QStringLiteral("P.JPG"), QStringLiteral("a.") + kelvin + longS,
                               QStringLiteral("\u0130.tif"), QStringLiteral("第 1 页.tif")};
    const QStringList parts = {QStringLiteral(".tif"), QStringLiteral(".jpg"), QStringLiteral(".ks"), QStringLiteral(".i"),
                               QStringLiteral("页.TIF"), QString()};
    for (const QString& text : texts) {
        for (const QString& part : parts)
            EXPECT_EQ(ContainsIgnoringCase(text, part), text.contains(part, Qt::CaseInsensitive))
                << text.toStdString() << " / " << part.toStdString();
    }
}

}  // namespace
}  // namespace scanvo::fixtures
