// Pane layout.
#include "control/PaneLayout.h"

#include "settings/Settings.h"

#include <QWidget>

#include <algorithm>

namespace scanvo {

namespace {

constexpr int kScanPaneWidth = 2880;  // twips
constexpr int kPaneGap = 30;          // twips between the scan pane and the main pane

}  // namespace

void LayoutPanes(ControlState& state)
{
    if (state.control == nullptr || state.picLeft == nullptr || state.picMain == nullptr)
        return;
    const QRect area = state.control->contentsRect();
    const int scanWidth = std::min(Twips(kScanPaneWidth), area.width());
    if (g_Settings.Layout.ScanBarAlign == 2) {
        state.picMain->setGeometry(area.left(), area.top(), area.width() - scanWidth, area.height());
        state.picLeft->setGeometry(area.right() + 1 - scanWidth, area.top(), scanWidth, area.height());
    } else {
        const int mainLeft = scanWidth + Twips(kPaneGap);
        state.picLeft->setGeometry(area.left(), area.top(), scanWidth, area.height());
        state.picMain->setGeometry(area.left() + mainLeft, area.top(), std::max(0, area.width() - mainLeft),
                                   area.height());
    }
    // Will also place the toolbars, the list, the viewer, the status bar and the grid guides.
}

void ArrangeLeftPane(ControlState& state)
{
    // Will show or hide tbFileNav by m_DocType and fit lvwFileList between the toolbars.
    (void)state;
}

}  // namespace scanvo
