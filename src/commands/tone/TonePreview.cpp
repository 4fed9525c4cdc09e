// Live preview of the tone dialogs.
#include "commands/tone/TonePreview.h"

#include "platform/engine/ImageViewer.h"
#include "platform/engine/ops/Geometry.h"
#include "platform/engine/ops/OpFlags.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace scanvo {

void TonePreview::Start(engine::ImageViewer* viewer)
{
    Clear();
    if (viewer == nullptr || !viewer->hasImage())
        return;
    m_Viewer = viewer;
    m_Back = viewer->image();
}

engine::Image TonePreview::ScaledForView(const engine::Image& page, int viewWidth, int viewHeight)
{
    const double scale = std::min({1.0, double(std::max(viewWidth, 1)) / page.width(),
                                   double(std::max(viewHeight, 1)) / page.height()});
    engine::Image small = page;
    if (scale < 1.0)
        engine::ops::Resize(small, std::max(1, int(std::lround(page.width() * scale))),
                            std::max(1, int(std::lround(page.height() * scale))), engine::ops::kResizeSmooth);
    return small;
}

void TonePreview::ShowFull(const Edit& edit)
{
    if (!IsActive())
        return;
    try {
        engine::Image preview = m_Back;
        edit(preview);
        m_Viewer->setImage(std::move(preview));
    } catch (...) {
        // The viewer keeps the last preview that could be made.
    }
}

void TonePreview::ShowQuick(const Edit& edit)
{
    if (!IsActive())
        return;
    try {
        if (m_Small.isNull())
            m_Small = ScaledForView(m_Back, m_Viewer->viewport()->width(), m_Viewer->viewport()->height());
        engine::Image preview = m_Small;
        edit(preview);
        m_Viewer->showPreview(preview);
    } catch (...) {
    }
}

void TonePreview::Restore()
{
    if (IsActive())
        m_Viewer->setImage(m_Back);
}

void TonePreview::Clear()
{
    m_Viewer = nullptr;
    m_Back = engine::Image();
    m_Small = engine::Image();
}

}  // namespace scanvo
