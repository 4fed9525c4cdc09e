// The shared members' own rules.
#include "core/ControlState.h"

#include <utility>

namespace scanvo {

QString g_CurrentFilePath;

void PageHistory::Clear()
{
    m_Undo.clear();
    m_Redo.clear();
}

void PageHistory::Record(engine::Image before)
{
    m_Undo.push_back(std::move(before));
    m_Redo.clear();
}

namespace {

// Moves current onto to and hands back the newest entry of from.
engine::Image Swap(std::vector<engine::Image>& from, std::vector<engine::Image>& to, engine::Image current)
{
    engine::Image restored = std::move(from.back());
    from.pop_back();
    to.push_back(std::move(current));
    return restored;
}

}  // namespace

engine::Image PageHistory::Undo(engine::Image current)
{
    return Swap(m_Undo, m_Redo, std::move(current));
}

engine::Image PageHistory::Redo(engine::Image current)
{
    return Swap(m_Redo, m_Undo, std::move(current));
}

}  // namespace scanvo
