// Status-bar panels.
#include "core/StatusPanels.h"

#include "core/CoreTexts.h"
#include "platform/engine/ImageViewer.h"

#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>

namespace scanvo {

QLabel* StatusPanel(const ChildWidgets& widgets, int n)
{
    return widgets.sbTotalInfo->findChild<QLabel*>(QStringLiteral("sbTotalInfoPanel%1").arg(n));
}

void SetStatusPanelText(ChildWidgets& widgets, int n, const QString& text)
{
    if (QLabel* panel = StatusPanel(widgets, n))
        panel->setText(text);
    // Panel 2 says which page is on view; the viewer carries the same words as its description,
    // so a screen reader on the page hears them.
    if (n == 2)
        widgets.mtMain->setAccessibleDescription(text);
}

void SetStatusText(ChildWidgets& widgets, const QString& text)
{
    SetStatusPanelText(widgets, 1, text);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void SetIdleStatusText(PointerToolState& tools, ChildWidgets& widgets)
{
    // An armed deskew line turns the next drag into a rotation; the user must not take it for a
    // selection, so the bar says so whenever it is not busy.
    SetStatusPanelText(widgets, 1, tools.m_DeskewLineMode() ? core_texts::kDeskewLineHint : core_texts::kIdleStatus);
}

}  // namespace scanvo
