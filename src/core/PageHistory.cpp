// Undo and redo levels, packed off the user-interface thread.
#include "core/PageHistory.h"

#include "platform/engine/EngineError.h"
#include "platform/engine/ops/PackedImage.h"

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QThreadPool>

#include <utility>

namespace scanvo {

namespace {

std::size_t WorkingBytes(const engine::Image& page)
{
    const long long storedDepth = page.depth() == 24 ? 32 : page.depth();
    return static_cast<std::size_t>((page.width() * storedDepth + 31) / 32 * 4 * page.height());
}

}  // namespace

// One level: the page as handed in until the packer has packed it, then the packed page alone.
// The raw page is shared with the packing job, so dropping a level never waits for the job.
class PageHistory::Level {
public:
    explicit Level(engine::Image page) : m_Raw(std::make_shared<const engine::Image>(std::move(page))) {}

    std::shared_ptr<const engine::Image> Raw() const
    {
        QMutexLocker lock(&m_Mutex);
        return m_Raw;
    }

    void SetPacked(engine::ops::PackedImage packed)
    {
        QMutexLocker lock(&m_Mutex);
        m_Packed = std::move(packed);
        m_Raw.reset();
    }

    engine::Image Page() const
    {
        if (std::shared_ptr<const engine::Image> raw = Raw())
            return *raw;
        // Once the raw page is gone the packed one never changes again.
        return m_Packed.unpack();
    }

    std::size_t Bytes() const
    {
        QMutexLocker lock(&m_Mutex);
        return m_Raw ? WorkingBytes(*m_Raw) : m_Packed.bytes();
    }

private:
    mutable QMutex m_Mutex;
    std::shared_ptr<const engine::Image> m_Raw;
    engine::ops::PackedImage m_Packed;
};

PageHistory::PageHistory() : m_Packer(std::make_unique<QThreadPool>())
{
    // One packer: levels are packed in the order they arrive and a second core stays free.
    m_Packer->setMaxThreadCount(1);
}

PageHistory::~PageHistory()
{
    m_Packer->clear();
    m_Packer->waitForDone();
}

void PageHistory::Clear()
{
    m_Packer->clear();
    m_Undo.clear();
    m_Redo.clear();
}

void PageHistory::Push(Levels& levels, engine::Image page)
{
    auto level = std::make_shared<Level>(std::move(page));
    levels.push_back(level);
    std::weak_ptr<Level> weak = level;
    m_Packer->start([weak] {
        const std::shared_ptr<Level> kept = weak.lock();
        if (!kept)
            return;  // dropped before its turn
        const std::shared_ptr<const engine::Image> raw = kept->Raw();
        if (!raw)
            return;
        try {
            kept->SetPacked(engine::ops::PackedImage::pack(*raw));
        } catch (...) {
            // Out of memory while packing: the level keeps its page as it is.
        }
    });
}

void PageHistory::Record(engine::Image before)
{
    Push(m_Undo, std::move(before));
    m_Redo.clear();
}

engine::Image PageHistory::NewestOf(const Levels& levels)
{
    if (levels.empty())
        throw engine::EngineError(engine::ErrInvalidArgument, QCoreApplication::translate("CoreTexts", "没有可恢复的图像"));
    return levels.back()->Page();
}

engine::Image PageHistory::NewestUndo() const
{
    return NewestOf(m_Undo);
}

engine::Image PageHistory::NewestRedo() const
{
    return NewestOf(m_Redo);
}

void PageHistory::Undo(engine::Image current)
{
    if (m_Undo.empty())
        return;
    m_Undo.pop_back();
    Push(m_Redo, std::move(current));
}

void PageHistory::Redo(engine::Image current)
{
    if (m_Redo.empty())
        return;
    m_Redo.pop_back();
    Push(m_Undo, std::move(current));
}

std::size_t PageHistory::Bytes() const
{
    std::size_t total = 0;
    for (const Levels* levels : {&m_Undo, &m_Redo}) {
        for (const std::shared_ptr<Level>& level : *levels)
            total += level->Bytes();
    }
    return total;
}

void PageHistory::WaitForPacking()
{
    m_Packer->waitForDone();
}

}  // namespace scanvo
