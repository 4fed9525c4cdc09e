// Zoom steps, zoom box and display styles.
#include "viewer/Zoom.h"

#include "core/BusyPointer.h"
#include "core/ComboBoxHooks.h"
#include "core/CommandKeys.h"
#include "core/IniNumber.h"
#include "core/StatusPanels.h"
#include "core/ToolbarKeys.h"
#include "core/ToolbarStates.h"
#include "platform/engine/ImageViewer.h"
#include "settings/Settings.h"
#include "viewer/ViewerTexts.h"

#include <QComboBox>

#include <algorithm>
#include <cmath>

namespace scanvo {

namespace T = viewer_texts;

namespace {

constexpr int kFixedZoomEntries = 8;

struct FitStyleItem {
    const char* key;
    FitStyle style;
};

// The items of the "miFitStyle" menu and the styles they choose.
constexpr FitStyleItem kFitStyleItems[] = {
    {keys::miActualSize, FitActualSize},
    {keys::miBestFit, FitWindow},
    {keys::miFitWidth, FitWidth},
    {keys::miFitHeight, FitHeight},
};

qint32 RoundedPercent(double percent)
{
    return static_cast<qint32>(std::lround(percent));
}

// The percentage the viewer paints at; 100 without a viewer.
double PaintedPercent(const ChildWidgets& widgets)
{
    const engine::ImageViewer* viewer = widgets.mtMain;
    return viewer ? viewer->displayPercent() : 100.0;
}

// Writing a zoom leaves any fit style: the page is then painted at that percentage.
void WriteViewerZoom(ChildWidgets& widgets, qint32 percent)
{
    widgets.mtMain->setPaintMode(engine::ImageViewer::PaintZoom);
    widgets.mtMain->setZoomPercent(percent);
}

void SetPaintMode(ChildWidgets& widgets, int mode)
{
    widgets.mtMain->setPaintMode(mode);
}

bool IsFitMode(int mode)
{
    return mode != engine::ImageViewer::PaintZoom && mode != engine::ImageViewer::PaintActualSize;
}

// In a fit style the scale follows the window and the page: a resize, a turned or cropped page
// or a new canvas changes it without any zoom command, and the box must not keep the old number.
void FollowFittedZoom(ViewerState& view, ChildWidgets& widgets)
{
    const engine::ImageViewer* viewer = widgets.mtMain;
    if (!viewer->hasImage() || !IsFitMode(viewer->paintMode()))
        return;
    const qint32 before = view.m_ZoomPercent;
    TakeZoomFromViewer(view, widgets);
    if (view.m_ZoomPercent == before)
        return;
    SyncZoomBox(view, widgets);
    UpdateZoomButtons(widgets);
}

}  // namespace

void TakeZoomFromViewer(ViewerState& view, ChildWidgets& widgets)
{
    const engine::ImageViewer* viewer = widgets.mtMain;
    // A fit style that enlarges a small page keeps its scale on screen while the box and the
    // steps start from 100. A zoom the user chose stays in force from page to page, so the box
    // keeps showing it.
    const double painted = viewer->displayPercent();
    const bool fitted = IsFitMode(viewer->paintMode());
    view.m_ZoomPercent = fitted && painted > 100.0 ? 100 : RoundedPercent(painted);
}

qint32 ZoomStepUp(qint32 z)
{
    return (z / 5) * 5 + 5;
}

qint32 ZoomStepDown(qint32 z)
{
    return z % 5 == 0 ? z - 5 : (z / 5) * 5;
}

qint16 QuarterStepsFor(qint32 percent)
{
    // The default rounding mode rounds halves to even.
    const double steps = std::nearbyint(percent / 25.0);
    return static_cast<qint16>(std::clamp(steps, -32768.0, 32767.0));
}

QString ZoomBoxText(qint32 percent)
{
    return QString::number(percent) + u'%';
}

void StepZoom(ViewerState& view, ChildWidgets& widgets, qint16 kind, qint16 value)
{
    qint32 z = view.m_ZoomPercent;
    switch (kind) {
    case ZoomStepIn:
        z = ZoomStepUp(z);
        break;
    case ZoomStepOut:
        z = ZoomStepDown(z);
        break;
    default:
        z = value;
        break;
    }
    view.m_ZoomPercent = z;
    WriteViewerZoom(widgets, z);
    SyncZoomBox(view, widgets);
    UpdateZoomButtons(widgets);
}

void ZoomIn(ControlState& state)
{
    BusyPointer busy;
    SetStatusText(state.widgets, T::kZoomIn);
    StepZoom(state.view, state.widgets, ZoomStepIn);
    SetIdleStatusText(state.tools, state.widgets);
}

void ZoomOut(ControlState& state)
{
    BusyPointer busy;
    SetStatusText(state.widgets, T::kZoomOut);
    StepZoom(state.view, state.widgets, ZoomStepOut);
    SetIdleStatusText(state.tools, state.widgets);
}

void ZoomToQuarterSteps(ViewerState& view, PointerToolState& tools, ChildWidgets& widgets, qint16 n)
{
    BusyPointer busy;
    SetStatusText(widgets, T::kZoomTo);
    // Computed in 32 bits: the ninth entry may hold a fit percentage far above 400.
    view.m_ZoomPercent = qint32(n) * 25;
    WriteViewerZoom(widgets, view.m_ZoomPercent);
    SyncZoomBox(view, widgets);
    UpdateZoomButtons(widgets);
    SetIdleStatusText(tools, widgets);
}

void ApplyFitStyle(ViewerState& view, ChildWidgets& widgets, qint16 style, qint16 value)
{
    switch (style) {
    case FitActualSize:
        view.m_ZoomPercent = 100;
        WriteViewerZoom(widgets, view.m_ZoomPercent);
        break;
    case FitWindow:
    case FitWidth:
    case FitHeight:
        // The viewer's paint modes 1 to 3 are the styles of the same numbers.
        SetPaintMode(widgets, style);
        view.m_ZoomPercent = RoundedPercent(PaintedPercent(widgets));
        break;
    case FitPercentage:
        view.m_ZoomPercent = value;
        WriteViewerZoom(widgets, view.m_ZoomPercent);
        break;
    default:
        SetPaintMode(widgets, engine::ImageViewer::PaintActualSize);
        widgets.mtMain->setZoomPercent(view.m_ZoomPercent);
        break;
    }
    SyncZoomBox(view, widgets);
}

bool ChooseFitStyle(ControlState& state, const QString& key)
{
    for (const FitStyleItem& item : kFitStyleItems) {
        if (key == QLatin1String(item.key)) {
            StoreSetting(g_Settings.Common.ImageFitStyle, item.style);
            ApplyFitStyle(state.view, state.widgets, item.style, 0);
            return true;
        }
    }
    return false;
}

void SyncZoomBox(ViewerState& view, ChildWidgets& widgets)
{
    QComboBox* box = widgets.cboZoomFactor;
    if (box->count() > kFixedZoomEntries)
        box->removeItem(kFixedZoomEntries);
    const QString text = ZoomBoxText(view.m_ZoomPercent);
    int index = box->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (index < 0) {
        box->addItem(text);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
    box->setEditText(text);
}

void OnZoomBoxPicked(ControlState& state, int index)
{
    QComboBox* box = state.widgets.cboZoomFactor;
    if (index < 0 || index >= box->count())
        return;
    QString entry = box->itemText(index);
    if (entry.isEmpty())
        return;
    entry.chop(1);  // the "%"
    ZoomToQuarterSteps(state.view, state.tools, state.widgets, QuarterStepsFor(IniNumber32(entry)));
}

void ConnectZoomBox(ControlState& state)
{
    QComboBox* box = state.widgets.cboZoomFactor;
    InstallComboBoxHandlers(box, {});
    QObject::connect(box, &QComboBox::activated, box, [&state](int index) { OnZoomBoxPicked(state, index); });
    const auto follow = [&state] { FollowFittedZoom(state.view, state.widgets); };
    QObject::connect(state.widgets.mtMain, &engine::ImageViewer::displayChanged, box, follow);
    QObject::connect(state.widgets.mtMain, &engine::ImageViewer::imageChanged, box, follow);
}

}  // namespace scanvo
