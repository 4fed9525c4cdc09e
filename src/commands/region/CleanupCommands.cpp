// The cleanup filters.
#include "commands/region/CleanupCommands.h"

#include "commands/region/CleanupOptionForms.h"
#include "commands/CommandFrame.h"
#include "commands/CommandTexts.h"
#include "core/Prompter.h"
#include "core/StatusPanels.h"
#include "platform/engine/ImageViewer.h"
#include "settings/CleanupSettings.h"
#include "settings/Settings.h"

namespace scanvo {

namespace T = command_texts;

namespace {

// The text for a filter that left the page as it was; the command is an undo level all the
// same, as every command is.
QString NothingFoundText(void (*filter)(engine::Image&, const CleanupSettings&))
{
    if (filter == RunDespeckle)
        return T::kNoSpecksFound;
    if (filter == RunBorderRemoval)
        return T::kNoBordersFound;
    if (filter == RunLineRemoval)
        return T::kNoLinesFound;
    return T::kNoHolePunchesFound;
}

using Filter = void (*)(engine::Image& page, const CleanupSettings& settings);

void RunFilter(ControlState& state, const QString& status, const QString& notBitonal, Filter filter)
{
    if (!HasPage(state.widgets))
        return;
    if (!IsCleanupPage(state.widgets.mtMain->image())) {
        SetStatusPanelText(state.widgets, 1, notBitonal);
        return;
    }
    const CleanupSettings settings = CleanupSettingsOf(g_Settings);
    bool removed = false;
    const bool done = RunPageCommand(state, status, [&](engine::Image& page) {
        const engine::Image before = page;
        filter(page, settings);
        removed = !page.samePixels(before);
    });
    if (done && !removed)
        SetStatusPanelText(state.widgets, 1, NothingFoundText(filter));
}

template <typename Form>
void ShowForm(ChildWidgets& widgets)
{
    Form form(widgets.control);
    CurrentPrompter().runDialog(form);
}

}  // namespace

void DespecklePage(ControlState& state)
{
    RunFilter(state, T::kDespeckleStatus, T::kDespeckleNotBitonal, RunDespeckle);
}

void RemovePageBorders(ControlState& state)
{
    RunFilter(state, T::kRemoveBordersStatus, T::kRemoveBordersNotBitonal, RunBorderRemoval);
}

void RemovePageLines(ControlState& state)
{
    RunFilter(state, T::kRemoveLinesStatus, T::kRemoveLinesNotBitonal, RunLineRemoval);
}

void RemovePageHolePunches(ControlState& state)
{
    RunFilter(state, T::kRemoveHolePunchesStatus, T::kRemoveHolePunchesNotBitonal, RunHolePunchRemoval);
}

void ShowDotRemoveOptions(ControlState& state)
{
    ShowForm<frmDotRemoveOptions>(state.widgets);
}

void ShowBorderRemoveOptions(ControlState& state)
{
    ShowForm<frmBorderRemoveOptions>(state.widgets);
}

void ShowLineRemoveOptions(ControlState& state)
{
    ShowForm<frmLineRemoveOptions>(state.widgets);
}

void ShowHolePunchRemoveOptions(ControlState& state)
{
    ShowForm<frmHolePunchRemoveOptions>(state.widgets);
}

}  // namespace scanvo
