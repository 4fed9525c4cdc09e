// Pane layout.
#include "control/PaneLayout.h"

#include "control/ChildControls.h"
#include "control/ToolbarBuilder.h"
#include "core/CommandKeys.h"
#include "core/DocumentType.h"
#include "core/FileListView.h"
#include "core/ToolbarKeys.h"
#include "platform/engine/ImageViewer.h"
#include "settings/Settings.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLayout>
#include <QLabel>
#include <QStatusBar>
#include <QToolBar>
#include <QWidget>

#include <algorithm>
#include <iterator>

namespace scanvo {

namespace {

constexpr int kScanPaneWidth = 3750;      // twips: room for tbMain's four buttons, captions under icons
constexpr int kPaneGap = 30;              // between the scan pane and the main pane
constexpr int kImagingBarWithCaptions = 1185;
constexpr int kImagingBarIconsOnly = 765;
constexpr int kImagingBarOverlap = 30;    // the right-hand bar reaches this far past the pane
constexpr int kImagingBarTopHeight = 540;
constexpr int kPageBoxOffset = 120;       // number boxes sit this far into their placeholders
constexpr int kZoomBoxOffset = 60;
constexpr int kNumberBoxDrop = 90;
constexpr int kWideStatusBar = 6000;
constexpr int kFixedPanelsWidth = 5100;
constexpr int kNarrowPanelOne = 900;

// Panels 2 to 5 (page position, image size and depth, date, time), together kFixedPanelsWidth.
constexpr int kFixedPanelWidths[] = {1500, 1500, 1200, 900};

// Width in pixels a number box spans over its two placeholder buttons.
constexpr int kNumberBoxWidth[] = {48, 64};  // page and file boxes, zoom box

enum ImagingBarSide : qint16 { BarTop = 1, BarLeft = 2, BarRight = 3 };

int Height(const QWidget* widget)
{
    return widget->sizeHint().height();
}

void Place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(left, top, std::max(0, width), std::max(0, height));
}

// Widens the two placeholders under a number box so that the box fits over them, and lays the
// box over them: offset twips in from the first one's left, kNumberBoxDrop twips down.
void PlaceNumberBox(QToolBar* toolbar, QComboBox* box, const char* firstKey, const char* secondKey,
                    int offsetTwips, int boxWidth)
{
    QAction* first = FindToolbarAction(toolbar, QString::fromLatin1(firstKey));
    QAction* second = FindToolbarAction(toolbar, QString::fromLatin1(secondKey));
    if (first == nullptr || second == nullptr)
        return;
    const int span = boxWidth + 2 * Twips(offsetTwips);
    for (QAction* placeholder : {first, second}) {
        if (QWidget* button = toolbar->widgetForAction(placeholder))
            button->setFixedWidth(span / 2);
    }
    // The toolbar lays its buttons out lazily; the box needs where they are now.
    if (QLayout* buttons = toolbar->layout())
        buttons->activate();
    const QRect at = toolbar->actionGeometry(first);
    box->setGeometry(at.left() + Twips(offsetTwips), at.top() + Twips(kNumberBoxDrop), boxWidth,
                     box->sizeHint().height());
    box->raise();
}

void ApplyImagingCaptions(ChildWidgets& widgets, bool vertical)
{
    // The editing bar is always one of ours (CreateChildControls).
    auto* bar = static_cast<CommandToolBar*>(widgets.tbImaging);
    bar->setOrientation(vertical ? Qt::Vertical : Qt::Horizontal);
    const bool captions = g_Settings.Layout.ImagingButtonCaption != 0;
    bar->setCaptionsShown(captions);
    // A bar along the top is one button high; captions go beside the icons there.
    if (captions && !vertical)
        bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->update();
}

}  // namespace

int ImagingBarWidthTwips(qint16 imagingButtonCaption)
{
    return imagingButtonCaption != 0 ? kImagingBarWithCaptions : kImagingBarIconsOnly;
}

int StatusPanelOneWidth(int barWidth)
{
    return barWidth > Twips(kWideStatusBar) ? barWidth - Twips(kFixedPanelsWidth) : Twips(kNarrowPanelOne);
}

void LayoutPanes(ControlProperties& props, ChildWidgets& widgets)
{
    const QRect area = widgets.control->contentsRect();
    const int statusHeight = Height(widgets.sbTotalInfo);
    const int paneHeight = std::max(0, area.height() - statusHeight);
    Place(widgets.sbTotalInfo, area.left(), area.top() + paneHeight, area.width(), statusHeight);

    const int scanWidth = std::min(Twips(kScanPaneWidth), area.width());
    if (g_Settings.Layout.ScanBarAlign == 2) {
        Place(widgets.picMain, area.left(), area.top(), area.width() - scanWidth, paneHeight);
        Place(widgets.picLeft, area.right() + 1 - scanWidth, area.top(), scanWidth, paneHeight);
    } else {
        const int mainLeft = scanWidth + Twips(kPaneGap);
        Place(widgets.picLeft, area.left(), area.top(), scanWidth, paneHeight);
        Place(widgets.picMain, area.left() + mainLeft, area.top(), area.width() - mainLeft, paneHeight);
    }
    ArrangeLeftPane(props, widgets);
    ArrangeMainPane(widgets);
    LayoutStatusPanels(widgets);
}

void ArrangeLeftPane(ControlProperties& props, ChildWidgets& widgets)
{
    const int width = widgets.picLeft->width();
    const int height = widgets.picLeft->height();
    const bool fileNavShown = props.m_DocType == DocTypeAllImages;

    const int mainHeight = Height(widgets.tbMain);
    Place(widgets.tbMain, 0, 0, width, mainHeight);
    int listTop = mainHeight;
    widgets.tbFileNav->setVisible(fileNavShown);
    if (fileNavShown) {
        const int navHeight = Height(widgets.tbFileNav);
        Place(widgets.tbFileNav, 0, listTop, width, navHeight);
        listTop += navHeight;
        PlaceNumberBox(widgets.tbFileNav, widgets.cboCurrentFile, keys::miCurrentFile1, keys::miCurrentFile2,
                       kPageBoxOffset, kNumberBoxWidth[0]);
    }
    const int operateHeight = Height(widgets.tbFileOperate);
    Place(widgets.tbFileOperate, 0, height - operateHeight, width, operateHeight);
    Place(widgets.lvwFileList, 0, listTop, width, height - operateHeight - listTop);
}

void ArrangeMainPane(ChildWidgets& widgets)
{
    const QRect inner = widgets.picMain->contentsRect();
    const int sw = inner.width();
    const int sh = inner.height();
    const int top = Height(widgets.tbCommon);
    Place(widgets.tbCommon, 0, 0, sw, top);
    PlaceNumberBox(widgets.tbCommon, widgets.cboCurrentPage, keys::miCurrentPage1, keys::miCurrentPage2, kPageBoxOffset,
                   kNumberBoxWidth[0]);
    PlaceNumberBox(widgets.tbCommon, widgets.cboZoomFactor, keys::miZoomFactor1, keys::miZoomFactor2, kZoomBoxOffset,
                   kNumberBoxWidth[1]);

    const int side = Twips(ImagingBarWidthTwips(g_Settings.Layout.ImagingButtonCaption));
    switch (g_Settings.Layout.ImagingBarAlign) {
    case BarTop: {
        const int barHeight = Twips(kImagingBarTopHeight);
        Place(widgets.picImaging, 0, top, sw, barHeight);
        Place(widgets.mtMain, 0, top + barHeight, sw, sh - top - barHeight);
        break;
    }
    case BarLeft:
        Place(widgets.picImaging, 0, top, side, sh - top);
        Place(widgets.mtMain, side, top, sw - side, sh - top);
        break;
    default:  // BarRight, the default side
        Place(widgets.picImaging, sw - side + Twips(kImagingBarOverlap), top, side, sh - top);
        Place(widgets.mtMain, 0, top, sw - side + Twips(kImagingBarOverlap), sh - top);
        break;
    }
    ApplyImagingCaptions(widgets, g_Settings.Layout.ImagingBarAlign != BarTop);
    Place(widgets.tbImaging, 0, 0, widgets.picImaging->width(), widgets.picImaging->height());
    // On a small screen the editing bar is shorter than its buttons; they shrink rather than go
    // into the overflow menu, where the last commands would be out of sight.
    static_cast<CommandToolBar*>(widgets.tbImaging)->fitInto(widgets.picImaging->size());
    PlaceGridLines(widgets);
}

void LayoutStatusPanels(ChildWidgets& widgets)
{
    if (auto* first = widgets.sbTotalInfo->findChild<QLabel*>(StatusPanelName(1)))
        first->setFixedWidth(StatusPanelOneWidth(widgets.sbTotalInfo->width()));
    for (int i = 0; i < static_cast<int>(std::size(kFixedPanelWidths)); ++i) {
        if (auto* panel = widgets.sbTotalInfo->findChild<QLabel*>(StatusPanelName(i + 2)))
            panel->setFixedWidth(Twips(kFixedPanelWidths[i]));
    }
}

void PlaceGridLines(ChildWidgets& widgets)
{
    const int w = widgets.mtMain->width();
    const int h = widgets.mtMain->height();
    for (int k = 1; k <= 5; ++k) {
        Place(widgets.linGrid[k - 1], 0, h * k / 6, w, 1);
        Place(widgets.linGrid[k + 4], w * k / 6, 0, 1, h);
    }
}

}  // namespace scanvo
