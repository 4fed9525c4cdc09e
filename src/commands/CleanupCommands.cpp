// The cleanup filters.
#include "commands/CleanupCommands.h"

#include "commands/CleanupOptionForms.h"
#include "commands/CommandFrame.h"
#include "commands/CommandTexts.h"
#include "core/Prompter.h"
#include "platform/engine/ImageViewer.h"
#include "settings/CleanupSettings.h"
#include "settings/Settings.h"

namespace scanvo {

namespace T = command_texts;

namespace {

using Filter = void (*)(engine::Image& page, const CleanupSettings& settings);

void RunFilter(ControlState& state, const QString& status, Filter filter)
{
    if (!HasPage(state) || !IsCleanupPage(state.mtMain->image()))
        return;
    const CleanupSettings settings = CleanupSettingsOf(g_Settings);
    RunPageCommand(state, status, [&](engine::Image& page) { filter(page, settings); });
}

template <typename Form>
void ShowForm(ControlState& state)
{
    Form form(state.control);
    CurrentPrompter().runDialog(form);
}

}  // namespace

void DespecklePage(ControlState& state)
{
    RunFilter(state, T::kDespeckleStatus, RunDespeckle);
}

void RemovePageBorders(ControlState& state)
{
    RunFilter(state, T::kRemoveBordersStatus, RunBorderRemoval);
}

void RemovePageLines(ControlState& state)
{
    RunFilter(state, T::kRemoveLinesStatus, RunLineRemoval);
}

void RemovePageHolePunches(ControlState& state)
{
    RunFilter(state, T::kRemoveHolePunchesStatus, RunHolePunchRemoval);
}

void ShowDotRemoveOptions(ControlState& state)
{
    ShowForm<frmDotRemoveOptions>(state);
}

void ShowBorderRemoveOptions(ControlState& state)
{
    ShowForm<frmBorderRemoveOptions>(state);
}

void ShowLineRemoveOptions(ControlState& state)
{
    ShowForm<frmLineRemoveOptions>(state);
}

void ShowHolePunchRemoveOptions(ControlState& state)
{
    ShowForm<frmHolePunchRemoveOptions>(state);
}

}  // namespace scanvo
