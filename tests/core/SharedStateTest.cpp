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
            page = history.Undo(std::move(page));
            redo.push_back(shown);
            shown = undo.back();
            undo.pop_back();
        } else if (action == 2 && !redo.empty()) {
            page = history.Redo(std::move(page));
            undo.push_back(shown);
            shown = redo.back();
            redo.pop_back();
        }
        ASSERT_EQ(page.width(), shown);
        ASSERT_EQ(history.UndoCount(), int(undo.size()));
        ASSERT_EQ(history.RedoCount(), int(redo.size()));
    }
    history.Clear();
    EXPECT_EQ(history.UndoCount(), 0);
    EXPECT_EQ(history.RedoCount(), 0);
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
