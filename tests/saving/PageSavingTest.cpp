// Writing the shown page back: in place inside a longer multi-page file, whole for one page and
// single-page documents, in the format it was read in, with the JPEG quality of the settings; a
// failed write logged, reported and kept modified.
#include "saving/PageSaving.h"

#include "fixtures/ControlSurface.h"
#include "fixtures/ScriptedPrompter.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/ImageViewer.h"
#include "saving/SaveErrorLog.h"
#include "settings/Settings.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace scanvo {
namespace {

using engine::Image;

// A white bitonal page with a black block whose place tells the pages apart.
Image BitonalPage(int mark)
{
    QImage page(120, 90, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter(&page).fillRect(10 + 20 * mark, 10, 15, 40, Qt::black);
    return Image::fromQImage(page.convertToFormat(QImage::Format_Mono));
}

// A colour page with gradients and fine detail, so JPEG quality shows in the file size.
Image PhotoPage()
{
    QImage page(240, 180, QImage::Format_RGB32);
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x)
            page.setPixel(x, y, qRgb((x * 7 + y * 3) % 256, (x * y) % 256, ((x ^ y) * 5) % 256));
    }
    return Image::fromQImage(page);
}

class PageSavingTest : public ::testing::Test, protected fixtures::ControlSurface {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        qputenv("SCANVO_CONFIG_DIR", (m_dir.path() + QStringLiteral("/config")).toLocal8Bit());
        g_Settings = SettingsRecord();
        buildSurface();
    }
    void TearDown() override
    {
        g_CurrentFilePath.clear();
        qunsetenv("SCANVO_CONFIG_DIR");
    }

    QString path(const char* name) const { return m_dir.path() + u'/' + QString::fromLatin1(name); }

    // A multi-page G4 TIFF of count pages, marked 0, 1, 2, ...
    QString multiPageFile(int count)
    {
        const QString file = path("doc.tif");
        for (int i = 0; i < count; ++i) {
            engine::SavePage(BitonalPage(i), file,
                             {engine::FormatTiffG4, 1, 128, i == 0 ? engine::SaveNew : engine::SaveAppend, 1});
        }
        return file;
    }

    // A file of three pages cut short after page two: pages 1 and 2 stay readable.
    QString damagedFile()
    {
        const QString file = multiPageFile(2);
        const qint64 twoPages = QFileInfo(file).size();
        engine::SavePage(BitonalPage(2), file, {engine::FormatTiffG4, 1, 128, engine::SaveAppend, 1});
        QFile cut(file);
        EXPECT_TRUE(cut.resize(twoPages + 40));
        return file;
    }

    static QByteArray bytesOf(const QString& file)
    {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    // Loads page n of file into the viewer as the shown page and edits it.
    Image showAndEdit(const QString& file, qint16 n, int newMark)
    {
        g_CurrentFilePath = file;
        state.doc.m_ShownPage = n;
        state.doc.m_CurrentPage = n;
        const Image loaded = engine::LoadPage(file, n);
        Image edited = BitonalPage(newMark);
        edited.setLoadFormat(loaded.loadFormat());
        state.widgets.mtMain->setImage(edited);
        state.doc.m_PageModified = true;
        return edited;
    }

    QString errorLog() const
    {
        QFile log(SaveErrorLogPath());
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    }

    fixtures::ScriptedPrompter prompter;

private:
    QTemporaryDir m_dir;
};

TEST_F(PageSavingTest, PageOfALongerMultiPageFileIsReplacedInPlace)
{
    const QString file = multiPageFile(3);
    state.props.m_DocType = 1;
    state.doc.m_PageCount = 3;
    const Image edited = showAndEdit(file, 2, 5);

    SaveCurrentPage(state);

    EXPECT_FALSE(state.doc.m_PageModified);
    ASSERT_EQ(engine::PageCount(file), 3);
    EXPECT_TRUE(engine::LoadPage(file, 1).samePixels(BitonalPage(0)));
    EXPECT_TRUE(engine::LoadPage(file, 2).samePixels(edited));
    EXPECT_TRUE(engine::LoadPage(file, 3).samePixels(BitonalPage(2)));
    EXPECT_EQ(engine::LoadPage(file, 2).loadFormat(), engine::FormatTiffG4);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(PageSavingTest, MultiPageDocumentOfOnePageIsRewrittenWhole)
{
    const QString file = multiPageFile(1);
    state.props.m_DocType = 1;
    state.doc.m_PageCount = 1;
    showAndEdit(file, 1, 4);
    EXPECT_EQ(WriteBackOptions(state.props, state.doc, engine::FormatTiffG4, 1).mode, engine::SaveNew);

    SaveCurrentPage(state);

    ASSERT_EQ(engine::PageCount(file), 1);
    EXPECT_TRUE(engine::LoadPage(file, 1).samePixels(BitonalPage(4)));
}

TEST_F(PageSavingTest, SinglePageDocumentsAlwaysRewriteTheirFile)
{
    for (qint16 docType : {2, 3}) {
        state.props.m_DocType = docType;
        state.doc.m_PageCount = 8;
        state.doc.m_ShownPage = 5;
        const engine::SaveOptions options = WriteBackOptions(state.props, state.doc, engine::FormatTiffLzw, 8);
        EXPECT_EQ(options.mode, engine::SaveNew) << docType;
        EXPECT_EQ(options.format, engine::FormatTiffLzw);
        EXPECT_EQ(options.bits, 8);
    }
    state.props.m_DocType = 0;
    const engine::SaveOptions options = WriteBackOptions(state.props, state.doc, engine::FormatTiffLzw, 8);
    EXPECT_EQ(options.mode, engine::SaveReplace);
    EXPECT_EQ(options.page, 5);
}

TEST_F(PageSavingTest, JpegPageKeepsJpegAndTakesTheJpegQuality)
{
    const QString file = path("0001.jpg");
    engine::SavePage(PhotoPage(), file, {engine::FormatJpeg422, 24, 128, engine::SaveNew, 1});
    state.props.m_DocType = 3;
    state.doc.m_PageCount = 1;
    g_CurrentFilePath = file;

    auto saveWith = [&](qint16 jpgQuality, qint16 tif2Quality) {
        g_Settings.Save.JpgQuality = jpgQuality;
        g_Settings.Save.Tif2Quality = tif2Quality;
        state.widgets.mtMain->setImage(engine::LoadPage(file, 1));
        state.doc.m_PageModified = true;
        SaveCurrentPage(state);
        EXPECT_FALSE(state.doc.m_PageModified);
        return QFileInfo(file).size();
    };
    const qint64 best = saveWith(0, 2);
    const qint64 smallest = saveWith(2, 0);
    EXPECT_LT(smallest * 2, best);
    EXPECT_EQ(engine::LoadPage(file, 1).loadFormat(), engine::FormatJpeg422);
    EXPECT_EQ(WriteBackOptions(state.props, state.doc, engine::FormatJpeg422, 24).quality, 245);
}

TEST_F(PageSavingTest, FailedWriteIsLoggedReportedAndStaysModified)
{
    const QString file = multiPageFile(2);
    state.props.m_DocType = 1;
    state.doc.m_PageCount = 2;
    showAndEdit(file, 2, 6);
    g_CurrentFilePath = path("gone/doc.tif");

    SaveCurrentPage(state);
    SaveCurrentPage(state);

    EXPECT_TRUE(state.doc.m_PageModified);
    const QStringList lines = errorLog().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    const int colon = lines[0].indexOf(u':');
    ASSERT_GT(colon, 0);
    const QString number = lines[0].left(colon);
    const QString description = lines[0].mid(colon + 1);
    EXPECT_GT(number.toInt(), 0);
    EXPECT_FALSE(description.isEmpty());
    EXPECT_EQ(lines[1], lines[0]);

    ASSERT_EQ(prompter.messages.size(), 2);
    EXPECT_EQ(prompter.messages[0].text, QStringLiteral("存储错误，") + number + u',' + description + QStringLiteral("   "));
    EXPECT_EQ(prompter.messages[0].title, QStringLiteral("提示信息"));
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::Information);
    // The document file is untouched.
    EXPECT_TRUE(engine::LoadPage(file, 2).samePixels(BitonalPage(1)));
}

TEST_F(PageSavingTest, DamagedFileIsWrittenOverOnlyWhenTheUserAgrees)
{
    const QString file = damagedFile();
    ASSERT_TRUE(engine::InspectPages(file).damaged);
    const QByteArray damaged = bytesOf(file);
    state.props.m_DocType = 1;
    state.doc.m_PageCount = 2;
    const Image edited = showAndEdit(file, 2, 5);

    // Declined: the file stays as it was, the edit unsaved, and nothing counts as a failure.
    prompter.yesNoAnswers.enqueue(false);
    SaveCurrentPage(state);
    ASSERT_EQ(prompter.questions.size(), 1);
    EXPECT_TRUE(prompter.questions[0].contains(file)) << prompter.questions[0].toStdString();
    EXPECT_TRUE(prompter.questions[0].endsWith(QStringLiteral("保存后文件只保留可读出的页面。　　")));
    EXPECT_EQ(bytesOf(file), damaged);
    EXPECT_TRUE(state.doc.m_PageModified);
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(SaveErrorLogPath()));

    // Agreed: the readable pages remain, with the edit, and the file is whole again.
    prompter.yesNoAnswers.enqueue(true);
    SaveCurrentPage(state);
    EXPECT_EQ(prompter.questions.size(), 2);
    EXPECT_FALSE(state.doc.m_PageModified);
    const engine::PageInventory after = engine::InspectPages(file);
    EXPECT_FALSE(after.damaged);
    ASSERT_EQ(after.readablePages, 2);
    EXPECT_TRUE(engine::LoadPage(file, 1).samePixels(BitonalPage(0)));
    EXPECT_TRUE(engine::LoadPage(file, 2).samePixels(edited));
    EXPECT_TRUE(prompter.messages.isEmpty());

    // Whole again, the next write-back asks nothing.
    showAndEdit(file, 1, 3);
    SaveCurrentPage(state);
    EXPECT_EQ(prompter.questions.size(), 2);
    EXPECT_FALSE(state.doc.m_PageModified);
}

TEST_F(PageSavingTest, DamagedFileWithOneReadablePageKeepsThatPageOnlyWithConsent)
{
    // A single readable page is written back whole, which drops the damaged rest: asked too.
    const QString file = multiPageFile(1);
    const qint64 onePage = QFileInfo(file).size();
    engine::SavePage(BitonalPage(1), file, {engine::FormatTiffG4, 1, 128, engine::SaveAppend, 1});
    ASSERT_TRUE(QFile(file).resize(onePage + 40));
    const QByteArray damaged = bytesOf(file);
    state.props.m_DocType = 1;
    state.doc.m_PageCount = 1;
    showAndEdit(file, 1, 4);

    SaveCurrentPage(state);  // no answer queued: the user says no
    EXPECT_EQ(prompter.questions.size(), 1);
    EXPECT_EQ(bytesOf(file), damaged);
    EXPECT_TRUE(state.doc.m_PageModified);

    prompter.yesNoAnswers.enqueue(true);
    SaveCurrentPage(state);
    EXPECT_FALSE(engine::InspectPages(file).damaged);
    EXPECT_TRUE(engine::LoadPage(file, 1).samePixels(BitonalPage(4)));
}

TEST_F(PageSavingTest, EmptyViewerIsANoOperation)
{
    g_CurrentFilePath = path("never.tif");
    state.props.m_DocType = 1;
    state.doc.m_PageCount = 3;
    state.doc.m_PageModified = true;

    SaveCurrentPage(state);

    EXPECT_TRUE(state.doc.m_PageModified);
    EXPECT_FALSE(QFileInfo::exists(g_CurrentFilePath));
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(SaveErrorLogPath()));
}

}  // namespace
}  // namespace scanvo
