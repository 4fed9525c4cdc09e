// The shared members' own rules and the failure messages every part builds.
#include "core/CaughtFailure.h"
#include "core/ControlState.h"
#include "platform/engine/EngineError.h"

#include <gtest/gtest.h>

#include <new>
#include <random>
#include <stdexcept>
#include <vector>

namespace scanvo {
namespace {

// A page told apart by its width.
engine::Image PageOfWidth(int width)
{
    return engine::Image::create(width, 4, 8);
}

TEST(PageHistory, RandomCommandsUndosAndRedosMatchAListModel)
{
    PageHistory history;
    std::vector<int> undo;  // widths, newest last
    std::vector<int> redo;
    int shown = 1;
    engine::Image page = PageOfWidth(shown);
    std::mt19937 random(7);
    for (int step = 0; step < 400; ++step) {
        SCOPED_TRACE(step);
        const int action = std::uniform_int_distribution<int>(0, 2)(random);
        if (action == 0) {  // a command: the page before it is recorded, redo is gone
            history.Record(page);
            undo.push_back(shown);
            redo.clear();
            shown = step + 2;
            page = PageOfWidth(shown);
        } else if (action == 1 && !undo.empty()) {
            engine::Image restored = history.NewestUndo();
            history.Undo(std::move(page));
            page = std::move(restored);
            redo.push_back(shown);
            shown = undo.back();
            undo.pop_back();
        } else if (action == 2 && !redo.empty()) {
            engine::Image restored = history.NewestRedo();
            history.Redo(std::move(page));
            page = std::move(restored);
            undo.push_back(shown);
            shown = redo.back();
            redo.pop_back();
        }
        ASSERT_EQ(page.width(), shown);
        ASSERT_EQ(history.UndoCount(), int(undo.size()));
        ASSERT_EQ(history.RedoCount(), int(redo.size()));
        if (step % 50 == 0)
            history.WaitForPacking();  // some levels come back packed, others as handed in
    }
    history.Clear();
    EXPECT_EQ(history.UndoCount(), 0);
    EXPECT_EQ(history.RedoCount(), 0);
}

// Pages of every kind the history keeps, with pixels that differ everywhere.
std::vector<engine::Image> PagesOfEveryKind()
{
    std::vector<engine::Image> pages;
    for (int depth : {1, 8, 24}) {
        QImage drawn(203, 97, QImage::Format_RGB32);
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                drawn.setPixel(x, y, qRgb((x * 7 + y) & 255, (y * 13) & 255, (x ^ y) & 255));
        const QImage converted = depth == 1   ? drawn.convertToFormat(QImage::Format_Mono)
                                 : depth == 8 ? drawn.convertToFormat(QImage::Format_Grayscale8)
                                              : drawn;
        engine::Image page = engine::Image::fromQImage(converted);
        page.setResolution(200 + depth, 300 - depth);
        page.setLoadFormat(engine::FormatTiffLzw);
        pages.push_back(std::move(page));
    }
    QImage indexed(64, 33, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(255, 0, 0), qRgb(0, 128, 0), qRgb(1, 2, 3)});
    for (int y = 0; y < indexed.height(); ++y)
        for (int x = 0; x < indexed.width(); ++x)
            indexed.setPixel(x, y, (x + y) % 3);
    pages.push_back(engine::Image::fromQImage(indexed));
    return pages;
}

TEST(PageHistory, PackedLevelsGiveBackEveryKindOfPageBitForBit)
{
    PageHistory history;
    const std::vector<engine::Image> pages = PagesOfEveryKind();
    for (const engine::Image& page : pages)
        history.Record(page);
    history.WaitForPacking();
    for (auto page = pages.rbegin(); page != pages.rend(); ++page) {
        const engine::Image restored = history.NewestUndo();
        EXPECT_TRUE(restored.samePixels(*page));
        EXPECT_EQ(restored.depth(), page->depth());
        EXPECT_EQ(restored.hasPalette(), page->hasPalette());
        EXPECT_EQ(restored.xResolution(), page->xResolution());
        EXPECT_EQ(restored.yResolution(), page->yResolution());
        EXPECT_EQ(restored.loadFormat(), page->loadFormat());
        history.Undo(restored);
    }
    EXPECT_EQ(history.RedoCount(), int(pages.size()));
}

TEST(PageHistory, APackedColourLevelHoldsLessThanItsWorkingForm)
{
    PageHistory history;
    history.Record(engine::Image::create(1000, 800, 24));
    history.WaitForPacking();
    const std::size_t working = 1000 * 800 * 4;  // 4 bytes a pixel
    EXPECT_GT(history.Bytes(), std::size_t(0));
    EXPECT_LT(history.Bytes(), working / 4);
}

TEST(DocumentPosition, TheFileCountIsTheLengthOfTheFileList)
{
    DocumentPosition position;
    EXPECT_EQ(position.FileCount(), 0);
    position.m_Files.append(QStringLiteral("/d/1.tif"));
    position.m_Files.append(QStringLiteral("/d/3.tif"));
    position.m_Files.insert(2, QStringLiteral("/d/2.tif"));
    EXPECT_EQ(position.FileCount(), 3);
    EXPECT_EQ(position.m_Files.at(2), QStringLiteral("/d/2.tif"));
    position.m_Files.remove(1);
    EXPECT_EQ(position.FileCount(), 2);
    position.m_Files.clear();
    EXPECT_EQ(position.FileCount(), 0);
}

Failure FailureOf(void (*raise)())
{
    try {
        raise();
    } catch (...) {
        return CaughtFailure(engine::ErrOperation);
    }
    return {};
}

TEST(CaughtFailure, EveryKindOfExceptionBecomesANumberAndADescription)
{
    const Failure engineError = FailureOf([] { throw engine::EngineError(engine::ErrFileRead, QStringLiteral("坏文件")); });
    EXPECT_EQ(engineError.number, engine::ErrFileRead);
    EXPECT_EQ(engineError.description, QStringLiteral("坏文件"));
    EXPECT_EQ(NumberedDescription(engineError), QStringLiteral("20004,坏文件"));

    const Failure memory = FailureOf([] { throw std::bad_alloc(); });
    EXPECT_EQ(memory.number, engine::ErrOutOfMemory);
    EXPECT_EQ(memory.description, QStringLiteral("内存不足"));

    const Failure library = FailureOf([] { throw std::runtime_error("disk gone"); });
    EXPECT_EQ(library.number, engine::ErrOperation);
    EXPECT_EQ(library.description, QStringLiteral("disk gone"));

    const Failure unknown = FailureOf([] { throw 42; });
    EXPECT_EQ(unknown.number, engine::ErrOperation);
    EXPECT_EQ(unknown.description, QStringLiteral("未知错误"));
}

}  // namespace
}  // namespace scanvo
