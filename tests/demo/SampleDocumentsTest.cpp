// The demo's sample generator, run as scanvo.sh runs it.
#include "platform/engine/ImageFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

int RunMakeSamples(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(SCANVO_MAKE_SAMPLES), arguments);
    if (!process.waitForFinished(120000))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QStringList Files(const QString& directory)
{
    return QDir(directory).entryList(QDir::Files, QDir::Name);
}

class SampleDocumentsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString root() const { return m_dir.filePath("root"); }
    QString config() const { return m_dir.filePath("config"); }

private:
    QTemporaryDir m_dir;
};

TEST_F(SampleDocumentsTest, EveryDocumentOfTheDemoTreeGetsPagesOfItsOwnKind)
{
    ASSERT_EQ(RunMakeSamples({root(), config()}), 0);

    EXPECT_EQ(Files(root() + "/test1/44"), QStringList{"44.tif"});
    EXPECT_EQ(scanvo::engine::PageCount(root() + "/test1/44/44.tif"), 4);

    const QStringList singleTiffs = Files(root() + "/test1/55");
    ASSERT_EQ(singleTiffs.size(), 3);
    for (const QString& name : singleTiffs) {
        EXPECT_TRUE(name.endsWith(".tif")) << name.toStdString();
        EXPECT_EQ(scanvo::engine::PageCount(root() + "/test1/55/" + name), 1);
    }
    EXPECT_EQ(Files(root() + "/test2/66").filter(".jpg").size(), 3);
    EXPECT_EQ(Files(root() + "/test2/66").size(), 3);

    const QStringList mixed = Files(root() + "/test2/77");
    EXPECT_EQ(mixed.filter(".tif").size(), 2);
    EXPECT_EQ(mixed.filter(".jpg").size(), 2);

    EXPECT_EQ(scanvo::engine::PageCount(root() + "/test2/88/88.tif"), 3);
    EXPECT_EQ(Files(root() + "/test2/99").filter(".jpg").size(), 2);

    // The scanned sheet for the cleanup commands: A4 at 300 dpi, bitonal then grey.
    const QString scan = root() + "/test1/33/33.tif";
    ASSERT_EQ(scanvo::engine::PageCount(scan), 2);
    const scanvo::engine::Image bitonal = scanvo::engine::LoadPage(scan, 1);
    EXPECT_EQ(bitonal.depth(), 1);
    EXPECT_EQ(bitonal.width(), 2480);
    EXPECT_EQ(bitonal.height(), 3508);
    EXPECT_EQ(bitonal.xResolution(), 300);
    EXPECT_EQ(scanvo::engine::LoadPage(scan, 2).depth(), 8);

    const scanvo::engine::Image page = scanvo::engine::LoadPage(root() + "/test1/44/44.tif", 2);
    EXPECT_EQ(page.depth(), 1);
    EXPECT_EQ(page.loadFormat(), scanvo::engine::FormatTiffG4);

    QFile ini(config() + "/scanvo.ini");
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(ini.readAll());
    EXPECT_TRUE(text.contains("[Scan]"));
    EXPECT_TRUE(text.contains("SaveDir=" + QDir(root()).absolutePath())) << text.toStdString();
    EXPECT_TRUE(text.contains("[Layout]")) << "a new settings file starts with the layout defaults";
    EXPECT_TRUE(text.contains("ImagingBarAlign=3"));
}

TEST_F(SampleDocumentsTest, AnExistingSettingsFileKeepsItsLayout)
{
    ASSERT_TRUE(QDir().mkpath(config()));
    QFile ini(config() + "/scanvo.ini");
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ASSERT_GT(ini.write("[Layout]\nImagingBarAlign=2\n"), 0);
    ini.close();

    ASSERT_EQ(RunMakeSamples({root(), config()}), 0);
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(ini.readAll());
    EXPECT_TRUE(text.contains("ImagingBarAlign=2"));
    EXPECT_FALSE(text.contains("ScanBarAlign")) << text.toStdString();
    EXPECT_TRUE(text.contains("SaveDir=")) << text.toStdString();
}

TEST_F(SampleDocumentsTest, ARerunLeavesDocumentsThatHoldFilesAlone)
{
    ASSERT_EQ(RunMakeSamples({root()}), 0);
    EXPECT_FALSE(QFile::exists(config() + "/scanvo.ini")) << "no settings without a settings directory";
    ASSERT_TRUE(QFile::remove(root() + "/test1/55/000002.tif"));
    ASSERT_TRUE(QDir(root() + "/test2/66").removeRecursively());

    ASSERT_EQ(RunMakeSamples({root()}), 0);
    EXPECT_EQ(Files(root() + "/test1/55").size(), 2) << "a user's document is not rewritten";
    EXPECT_EQ(Files(root() + "/test2/66").size(), 3) << "a missing document is written again";
}

TEST_F(SampleDocumentsTest, WrongArgumentsAreRefused)
{
    EXPECT_EQ(RunMakeSamples({}), 2);
    EXPECT_EQ(RunMakeSamples({root(), config(), "extra"}), 2);
}

}  // namespace
