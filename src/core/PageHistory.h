#pragma once
// The undo and redo history of the shown page: whole-page snapshots, newest last. Showing another
// page forgets it. The counts (m_UndoCount, m_RedoCount) are the lists' lengths.
//
// Each level is packed losslessly on a thread of the history's own (a bitonal page to a few
// hundred kilobytes, a colour page never in its 4-byte working form), so twenty levels of an A4
// colour page hold well under the memory of three working copies. Until its packing is done a
// level holds the page as it was handed in; the user never waits for packing.

#include "platform/engine/Image.h"

#include <cstddef>
#include <memory>
#include <vector>

class QThreadPool;

namespace scanvo {

class PageHistory {
public:
    PageHistory();
    // Waits for the packing in flight (a few tens of milliseconds at most).
    ~PageHistory();
    PageHistory(const PageHistory&) = delete;
    PageHistory& operator=(const PageHistory&) = delete;

    int UndoCount() const { return static_cast<int>(m_Undo.size()); }
    int RedoCount() const { return static_cast<int>(m_Redo.size()); }
    void Clear();
    // A command changed the page: before goes onto the undo list and redo is forgotten.
    void Record(engine::Image before);
    // The page the newest undo (redo) level holds; the history is unchanged. Only with a count >= 1.
    // Throws EngineError when the level cannot be unpacked.
    engine::Image NewestUndo() const;
    engine::Image NewestRedo() const;
    // The newest undo (redo) level has been shown in place of current, which goes onto the other
    // list. Only with a count >= 1.
    void Undo(engine::Image current);
    void Redo(engine::Image current);

    // Memory the levels hold, in bytes.
    std::size_t Bytes() const;
    // Returns once every level handed in so far is packed.
    void WaitForPacking();

private:
    class Level;
    using Levels = std::vector<std::shared_ptr<Level>>;
    void Push(Levels& levels, engine::Image page);
    static engine::Image NewestOf(const Levels& levels);

    Levels m_Undo;
    Levels m_Redo;
    std::unique_ptr<QThreadPool> m_Packer;
};

}  // namespace scanvo
