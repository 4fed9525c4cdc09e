// Creation of the child controls.
#include "control/ChildControls.h"

#include "commands/edit/PointerCommands.h"
#include "control/ControlTexts.h"
#include "control/KeyToolTips.h"
#include "control/ToolbarBuilder.h"
#include "control/ToolbarDispatch.h"
#include "control/ToolbarTables.h"
#include "core/CommandKeys.h"
#include "core/CoreTexts.h"
#include "core/FileListView.h"
#include "core/ToolbarKeys.h"
#include "core/Twips.h"
#include "document/FileNavigation.h"
#include "platform/engine/ImageViewer.h"
#include "settings/Settings.h"
#include "viewer/PageNavigation.h"
#include "viewer/PointerTools.h"
#include "viewer/ViewerTexts.h"
#include "viewer/Zoom.h"

#include <QComboBox>
#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStatusBar>
#include <QTime>
#include <QTimer>

#include <initializer_list>

namespace scanvo {

namespace {

using Dispatcher = void (*)(ControlState&, const QString&);

constexpr int kStatusPanelCount = 5;
constexpr int kClockIntervalMs = 1000;

CommandToolBar* MakeToolbar(ControlState& state, const ToolbarTable& table, bool captions, QWidget* parent,
                            Dispatcher dispatch)
{
    auto* bar = new CommandToolBar(table, captions, parent);
    // Buttons and menu items share the toolbar's dispatcher: their keys never clash on one toolbar.
    QObject::connect(bar, &CommandToolBar::buttonClicked, bar, [&state, dispatch](const QString& key) {
        dispatch(state, key);
    });
    QObject::connect(bar, &CommandToolBar::menuItemClicked, bar, [&state, dispatch](const QString& key) {
        dispatch(state, key);
    });
    return bar;
}

// A number box over the placeholder buttons of toolbar. The placeholders stay buttons under the
// box, so a screen reader calls them what the box is.
QComboBox* MakeNumberBox(QToolBar* toolbar, const char* name, std::initializer_list<const char*> placeholders,
                         const QString& accessibleName)
{
    for (const char* key : placeholders) {
        if (QWidget* button = toolbar->widgetForAction(FindToolbarAction(toolbar, QString::fromLatin1(key))))
            button->setAccessibleName(accessibleName);
    }
    auto* box = new QComboBox(toolbar);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessibleName);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

void CreateScanPane(ControlState& state)
{
    QWidget* pane = state.widgets.picLeft;
    state.widgets.tbMain = MakeToolbar(state, toolbars::tbMain, true, pane, DispatchMainToolbar);
    state.widgets.tbFileNav = MakeToolbar(state, toolbars::tbFileNav, true, pane, DispatchFileNavToolbar);
    state.widgets.cboCurrentFile = MakeNumberBox(state.widgets.tbFileNav, "cboCurrentFile", {keys::miCurrentFile1, keys::miCurrentFile2},
                                         texts::kFileBoxName);
    state.widgets.tbFileOperate = MakeToolbar(state, toolbars::tbFileOperate, true, pane, DispatchFileOperateToolbar);
    state.widgets.lvwFileList = new FileListView(pane);
    state.widgets.lvwFileList->setObjectName(QStringLiteral("lvwFileList"));
    state.widgets.lvwFileList->setAccessibleName(texts::kFileListName);
}

QFrame* MakeGridLine(QWidget* viewer, int index)
{
    auto* line = new QFrame(viewer);
    line->setObjectName(QStringLiteral("linGrid%1").arg(index));
    line->setFrameShape(QFrame::Box);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    // A guide is a screen overlay: pointer events go on to the viewer below it.
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    line->hide();
    return line;
}

void CreateViewerOverlays(ChildWidgets& widgets)
{
    engine::ImageViewer* viewer = widgets.mtMain;
    for (int i = 0; i < static_cast<int>(widgets.linGrid.size()); ++i)
        widgets.linGrid[i] = MakeGridLine(viewer, i);

    widgets.lblColor = new QLabel(viewer);
    widgets.lblColor->setObjectName(QStringLiteral("lblColor"));
    widgets.lblColor->setAutoFillBackground(true);
    widgets.lblColor->setFrameShape(QFrame::Box);
    // A small sample in the viewer's top-left corner, shown while the colour picker is on.
    widgets.lblColor->setGeometry(Twips(60), Twips(60), Twips(360), Twips(240));
    widgets.lblColor->hide();

    widgets.txtPageNumber = new QLineEdit(viewer);
    widgets.txtPageNumber->setObjectName(QStringLiteral("txtPageNumber"));
    widgets.txtPageNumber->hide();

    widgets.cmdFont = new QPushButton(viewer);
    widgets.cmdFont->setObjectName(QStringLiteral("cmdFont"));
    widgets.cmdFont->setText(QStringLiteral("..."));
    widgets.cmdFont->hide();
}

void CreateMainPane(ControlState& state)
{
    QWidget* pane = state.widgets.picMain;
    state.widgets.tbCommon = MakeToolbar(state, toolbars::tbCommon, true, pane, DispatchCommonToolbar);
    state.widgets.cboCurrentPage = MakeNumberBox(state.widgets.tbCommon, "cboCurrentPage", {keys::miCurrentPage1, keys::miCurrentPage2},
                                         texts::kPageBoxName);
    state.widgets.cboZoomFactor = MakeNumberBox(state.widgets.tbCommon, "cboZoomFactor", {keys::miZoomFactor1, keys::miZoomFactor2},
                                        texts::kZoomBoxName);

    state.widgets.picImaging = new QWidget(pane);
    state.widgets.picImaging->setObjectName(QStringLiteral("picImaging"));
    state.widgets.tbImaging = MakeToolbar(state, toolbars::tbImaging, g_Settings.Layout.ImagingButtonCaption != 0,
                                  state.widgets.picImaging, DispatchImagingToolbar);

    state.widgets.mtMain = new engine::ImageViewer(pane);
    state.widgets.mtMain->setObjectName(QStringLiteral("mtMain"));
    state.widgets.mtMain->setAccessibleName(texts::kPageViewName);
    CreateViewerOverlays(state.widgets);
}

void CreateStatusBar(ControlState& state)
{
    auto* bar = new QStatusBar(state.widgets.control);
    bar->setObjectName(QStringLiteral("sbTotalInfo"));
    bar->setSizeGripEnabled(false);
    for (int n = 1; n <= kStatusPanelCount; ++n) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(StatusPanelName(n));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        bar->addWidget(panel);
    }
    state.widgets.sbTotalInfo = bar;
    if (auto* panel = bar->findChild<QLabel*>(StatusPanelName(1)))
        panel->setText(core_texts::kIdleStatus);
    UpdateClockPanels(state.widgets);

    auto* clock = new QTimer(bar);
    clock->setObjectName(QStringLiteral("sbTotalInfoClock"));
    clock->setInterval(kClockIntervalMs);
    QObject::connect(clock, &QTimer::timeout, bar, [&state] { UpdateClockPanels(state.widgets); });
    clock->start();
}

void CreateChildControls(ControlState& state)
{
    CreateScanPane(state);
    CreateMainPane(state);
    CreateStatusBar(state);
    AddKeysToToolTips(state.widgets);
}

QWidget* MakePane(QWidget& control, const char* name)
{
    auto* pane = new QWidget(&control);
    pane->setObjectName(QString::fromLatin1(name));
    return pane;
}

}  // namespace

QString StatusPanelName(int n)
{
    return QStringLiteral("sbTotalInfoPanel%1").arg(n);
}

void UpdateClockPanels(ChildWidgets& widgets)
{
    const QLocale locale;
    if (auto* date = widgets.sbTotalInfo->findChild<QLabel*>(StatusPanelName(4)))
        date->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    if (auto* time = widgets.sbTotalInfo->findChild<QLabel*>(StatusPanelName(5)))
        time->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
}

void BuildControlSurface(ControlState& state, QWidget& control)
{
    state.widgets.control = &control;
    state.widgets.picLeft = MakePane(control, "picLeft");
    state.widgets.picMain = MakePane(control, "picMain");
    CreateChildControls(state);
    ConnectFileNavigation(state);
    ConnectPageBox(state);
    ConnectZoomBox(state);
    // The pointer tools hand their gestures to the editing commands; the control owns them.
    new PointerTools(state, CommandGestures(state), &control);
}

}  // namespace scanvo
