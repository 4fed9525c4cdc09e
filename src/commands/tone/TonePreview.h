#pragma once
// The live preview of the tone dialogs. The page as it was when the dialog opened (mtBack) is
// kept; each preview applies one edit to a fresh copy of it. While the user drags a slider the
// edit runs on a copy scaled to the viewer's size and is only painted, so the preview follows the
// slider on a large page; when the slider stops, the edit runs on the whole page, which the viewer
// then holds.

#include "platform/engine/Image.h"

#include <functional>
#include <optional>

namespace scanvo {

namespace engine {
class ImageViewer;
}

class TonePreview {
public:
    using Edit = std::function<void(engine::Image& page)>;

    // Keeps the page viewer holds now. Without a viewer or a page nothing is previewed.
    void Start(engine::ImageViewer* viewer);
    bool IsActive() const { return m_Viewer != nullptr && !m_Back.isNull(); }
    const engine::Image& Back() const { return m_Back; }

    // The page as opened with edit applied, into the viewer. A failed edit leaves the viewer as
    // it was.
    void ShowFull(const Edit& edit);
    // The same on the small copy, painted only; the page in the viewer stays as it is.
    void ShowQuick(const Edit& edit);
    // Puts the page as opened back into the viewer.
    void Restore();
    // Forgets both copies.
    void Clear();

    // The small copy for a page shown in a view of viewWidth x viewHeight pixels: the page
    // scaled to fit them (never enlarged).
    static engine::Image ScaledForView(const engine::Image& page, int viewWidth, int viewHeight);

private:
    engine::ImageViewer* m_Viewer = nullptr;
    engine::Image m_Back;
    engine::Image m_Small;
};

}  // namespace scanvo
