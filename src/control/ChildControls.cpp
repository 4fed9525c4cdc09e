// Creation of the child controls.
#include "control/ChildControls.h"

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
#include "platform/engine/ImageViewer.h"
#include "settings/Settings.h"
#include "viewer/ViewerTexts.h"

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
    QWidget* pane = state.picLeft;
    state.tbMain = MakeToolbar(state, toolbars::tbMain, true, pane, DispatchMainToolbar);
    state.tbFileNav = MakeToolbar(state, toolbars::tbFileNav, true, pane, DispatchFileNavToolbar);
    state.cboCurrentFile = MakeNumberBox(state.tbFileNav, "cboCurrentFile", {keys::miCurrentFile1, keys::miCurrentFile2},
                                         texts::kFileBoxName);
    state.tbFileOperate = MakeToolbar(state, toolbars::tbFileOperate, true, pane, DispatchFileOperateToolbar);
    state.lvwFileList = new FileListView(pane);
    state.lvwFileList->setObjectName(QStringLiteral("lvwFileList"));
    state.lvwFileList->setAccessibleName(texts::kFileListName);
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

void CreateViewerOverlays(ControlState& state)
{
    engine::ImageViewer* viewer = state.mtMain;
    for (int i = 0; i < static_cast<int>(state.linGrid.size()); ++i)
        state.linGrid[i] = MakeGridLine(viewer, i);

    state.lblColor = new QLabel(viewer);
    state.lblColor->setObjectName(QStringLiteral("lblColor"));
    state.lblColor->setAutoFillBackground(true);
    state.lblColor->setFrameShape(QFrame::Box);
    // A small sample in the viewer's top-left corner, shown while the colour picker is on.
    state.lblColor->setGeometry(Twips(60), Twips(60), Twips(360), Twips(240));
    state.lblColor->hide();

    state.txtPageNumber = new QLineEdit(viewer);
    state.txtPageNumber->setObjectName(QStringLiteral("txtPageNumber"));
    state.txtPageNumber->hide();

    state.cmdFont = new QPushButton(viewer);
    state.cmdFont->setObjectName(QStringLiteral("cmdFont"));
    state.cmdFont->setText(QStringLiteral("..."));
    state.cmdFont->hide();
}

void CreateMainPane(ControlState& state)
{
    QWidget* pane = state.picMain;
    state.tbCommon = MakeToolbar(state, toolbars::tbCommon, true, pane, DispatchCommonToolbar);
    state.cboCurrentPage = MakeNumberBox(state.tbCommon, "cboCurrentPage", {keys::miCurrentPage1, keys::miCurrentPage2},
                                         texts::kPageBoxName);
    state.cboZoomFactor = MakeNumberBox(state.tbCommon, "cboZoomFactor", {keys::miZoomFactor1, keys::miZoomFactor2},
                                        texts::kZoomBoxName);

    state.picImaging = new QWidget(pane);
    state.picImaging->setObjectName(QStringLiteral("picImaging"));
    state.tbImaging = MakeToolbar(state, toolbars::tbImaging, g_Settings.Layout.ImagingButtonCaption != 0,
                                  state.picImaging, DispatchImagingToolbar);

    state.mtMain = new engine::ImageViewer(pane);
    state.mtMain->setObjectName(QStringLiteral("mtMain"));
    state.mtMain->setAccessibleName(texts::kPageViewName);
    CreateViewerOverlays(state);
}

void CreateStatusBar(ControlState& state)
{
    auto* bar = new QStatusBar(state.control);
    bar->setObjectName(QStringLiteral("sbTotalInfo"));
    bar->setSizeGripEnabled(false);
    for (int n = 1; n <= kStatusPanelCount; ++n) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(StatusPanelName(n));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        bar->addWidget(panel);
    }
    state.sbTotalInfo = bar;
    if (auto* panel = bar->findChild<QLabel*>(StatusPanelName(1)))
        panel->setText(core_texts::kIdleStatus);
    UpdateClockPanels(state);

    auto* clock = new QTimer(bar);
    clock->setObjectName(QStringLiteral("sbTotalInfoClock"));
    clock->setInterval(kClockIntervalMs);
    QObject::connect(clock, &QTimer::timeout, bar, [&state] { UpdateClockPanels(state); });
    clock->start();
}

}  // namespace

QString StatusPanelName(int n)
{
    return QStringLiteral("sbTotalInfoPanel%1").arg(n);
}

void UpdateClockPanels(ControlState& state)
{
    if (state.sbTotalInfo == nullptr)
        return;
    const QLocale locale;
    if (auto* date = state.sbTotalInfo->findChild<QLabel*>(StatusPanelName(4)))
        date->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    if (auto* time = state.sbTotalInfo->findChild<QLabel*>(StatusPanelName(5)))
        time->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
}

void CreateChildControls(ControlState& state)
{
    if (state.control == nullptr || state.picLeft == nullptr || state.picMain == nullptr)
        return;
    CreateScanPane(state);
    CreateMainPane(state);
    CreateStatusBar(state);
    AddKeysToToolTips(state);
}

}  // namespace scanvo
