// Tone, colour and binarisation commands.
#include "commands/tone/ToneCommands.h"

#include "commands/CommandFrame.h"
#include "commands/CommandTexts.h"
#include "commands/tone/ToneForms.h"
#include "commands/region/frmPaintRect.h"
#include "core/Prompter.h"
#include "core/StatusPanels.h"
#include "platform/engine/ImageViewer.h"
#include "platform/engine/ops/Canvas.h"
#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/Tone.h"
#include "settings/Settings.h"

namespace scanvo {

namespace T = command_texts;
namespace ops = engine::ops;

namespace {

// Runs a preview dialog on the page on view. The dialog leaves its last preview in the viewer;
// the background dialog says whether that counts as an edit, the others always keep it.
template <typename Form>
void RunToneDialog(ControlState& state, const QString& status, qint16 flag = 0)
{
    RunPreviewDialog(state, status, [&] {
        Form form(state.widgets.control);
        form.MainViewer = state.widgets.mtMain;
        if constexpr (std::is_same_v<Form, frmBackgroundSubtraction>) {
            form.Flag = flag;
            CurrentPrompter().runDialog(form);
            return form.Action == 1;
        } else {
            CurrentPrompter().runDialog(form);
            return true;
        }
    });
}

}  // namespace

void InvertPage(ControlState& state)
{
    if (!HasPage(state.widgets))
        return;
    if (state.widgets.mtMain->image().depth() > 1) {
        SetStatusPanelText(state.widgets, 1, T::kInvertNotBitonal);
        return;
    }
    RunPageCommand(state, T::kInvertStatus, [](engine::Image& page) { ops::Invert(page); });
}

void DarkenText(ControlState& state)
{
    // A page the filter cannot take stays as it is; the command is an edit all the same.
    RunPageCommand(
        state, T::kDarkenTextStatus, [](engine::Image& page) { ops::MorphologyFilter(page, ops::kMorphDilate); },
        OnEngineError::DoLess);
}

void LightenText(ControlState& state)
{
    RunPageCommand(state, T::kLightenTextStatus,
                   [](engine::Image& page) { ops::MorphologyFilter(page, ops::kMorphErode); });
}

void SmoothPageText(ControlState& state)
{
    RunPageCommand(state, T::kSmoothTextStatus,
                   [](engine::Image& page) { ops::SmoothText(page, ops::kSmoothDefaultLength, 0); });
}

void AdjustBrightContrast(ControlState& state)
{
    RunToneDialog<frmImageAdjust>(state, T::kBrightContrastStatus);
}

void AdjustSaturation(ControlState& state)
{
    RunToneDialog<frmSaturation>(state, T::kSaturationStatus);
}

void AdjustColorLevels(ControlState& state)
{
    RunToneDialog<frmBackgroundSubtraction>(state, T::kColorLevelsStatus, 2);
}

void RemovePageBackground(ControlState& state)
{
    RunToneDialog<frmBackgroundSubtraction>(state, T::kBackgroundStatus, 1);
}

void ConvertToBlackAndWhite(ControlState& state)
{
    RunPageCommand(state, T::kConvert2BWStatus, [](engine::Image& page) {
        ops::Binarize(page, ops::kBinarizeAdaptive, ops::kBinarizeAutoThreshold, ops::kBinarizeDespeckle);
    });
}

void ShowPaintRectOptions(ControlState& state)
{
    frmPaintRect form(state.widgets.control);
    CurrentPrompter().runDialog(form);
}

}  // namespace scanvo
