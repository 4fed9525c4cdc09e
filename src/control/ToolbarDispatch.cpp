// Toolbar dispatch tables.
#include "control/ToolbarDispatch.h"

#include "acquisition/ImportFiles.h"
#include "acquisition/ScanJob.h"
#include "commands/region/CleanupCommands.h"
#include "commands/comment/Comments.h"
#include "commands/edit/EditCommands.h"
#include "commands/structure/PageStructure.h"
#include "commands/region/RegionCommands.h"
#include "commands/size/Resize.h"
#include "commands/size/Rotation.h"
#include "commands/tone/ToneCommands.h"
#include "commands/edit/frmImageDefault.h"
#include "control/ExportCommands.h"
#include "control/PaneLayout.h"
#include "control/ToolbarTables.h"
#include "core/Prompter.h"
#include "core/CommandKeys.h"
#include "document/FileNavigation.h"
#include "document/FileOperations.h"
#include "saving/frmImageCompressOptions.h"
#include "settings/frmViewOptions.h"
#include "viewer/PageNavigation.h"
#include "viewer/ToolModes.h"
#include "viewer/TrimBox.h"
#include "viewer/Zoom.h"

#include <QWidget>

#include <algorithm>
#include <cstring>
#include <iterator>

namespace scanvo {

namespace {

void RunKey(std::span<const DispatchRow> table, ControlState& state, const QString& key)
{
    for (const DispatchRow& entry : table) {
        if (key == QLatin1String(entry.key)) {
            entry.run(state);
            return;
        }
    }
}

// The keys keep working after the mouse was used on a toolbar.
void FocusControl(ChildWidgets& widgets)
{
    widgets.control->setFocus(Qt::OtherFocusReason);
}

template <const char* Key>
void FitStyleCommand(ControlState& state)
{
    ChooseFitStyle(state, QString::fromLatin1(Key));
}

// A scan or an import that rebuilt the list may have given a document without files its type,
// which decides whether the file navigation bar shows.
template <bool (*Command)(ControlState&)>
void ListingCommand(ControlState& state)
{
    if (Command(state))
        ArrangeLeftPane(state.props, state.widgets);
}

// Runs the variant of the split button key that the image defaults chose; nothing for a choice
// out of range (a settings file edited by hand).
void RunSplitButton(ControlState& state, const char* key);

template <const char* Key>
void SplitButton(ControlState& state)
{
    RunSplitButton(state, Key);
}

using ImagingSettings = SettingsRecord::ImagingSection;

// Each split button's variants in the order of its setting's values (the image defaults dialog's
// lists), which is not always the order of its menu.
constexpr const char* kRotateVariants[] = {keys::miRotateRight, keys::miRotateLeft, keys::miRotate180,
                                           keys::miRotateAngle};
constexpr const char* kDeskewVariants[] = {keys::miDeskewAuto, keys::miDeskewByLine, keys::miDeskewX};
constexpr const char* kCentreVariants[] = {keys::miCenterLR, keys::miCenterTB, keys::miCenterAll, keys::miMoveLT};
constexpr const char* kTextVariants[] = {keys::miDilation, keys::miErosion, keys::miSmooth};
constexpr const char* kResizeVariants[] = {keys::miImageSize, keys::miCanvasSize};
constexpr const char* kAdjustVariants[] = {keys::miBright, keys::miSaturation, keys::miColorGradation,
                                           keys::miBackgroundSubtraction};

constexpr SplitButtonRow kSplitButtons[] = {
    {keys::miRotate, &ImagingSettings::RotateIndex, kRotateVariants},
    {keys::miDeskew, &ImagingSettings::DeskewIndex, kDeskewVariants},
    {keys::miCenterImage, &ImagingSettings::AlignIndex, kCentreVariants},
    {keys::miText, &ImagingSettings::TextIndex, kTextVariants},
    {keys::miResize, &ImagingSettings::ResizeIndex, kResizeVariants},
    {keys::miImageAdjust, &ImagingSettings::AdjustIndex, kAdjustVariants},
};

void ShowViewOptions(ControlState& state)
{
    Prompter& prompter = CurrentPrompter();
    frmViewOptions dialog(prompter, state.widgets.control);
    prompter.runDialog(dialog);
}

constexpr DispatchRow kMainCommands[] = {
    {keys::miScan, ListingCommand<AppendScan>},
    {keys::miAppend, ListingCommand<AppendScan>},
    {keys::miInsert, ListingCommand<InsertScan>},
    {keys::miReplace, ListingCommand<ReplaceScan>},
    {keys::miScanSetting, EditScanSettings},
    {keys::miImport, ListingCommand<ImportFiles>},
    {keys::miExport, ExportDocumentPdf},
    {keys::miExportPdf, ExportDocumentPdf},
    {keys::miExportPdfA, ExportSearchablePdfA},
    {keys::miExportSetting, ShowExportOptions},
    {keys::miUISetting, ShowViewOptions},
    {keys::miSaveDir, ChooseSaveDirectory},
    {keys::miCompressSetting, ShowCompressOptions},
    {keys::miFontSetting, ShowFontOptions},
    {keys::miImagingChain, ShowImageDefault},
    {keys::miAutoTrimSetting, ShowAutoTrimOptions},
    {keys::miDeskewSetting, ShowDeskewOptions},
    {keys::miRemoveBordersSetting, ShowBorderRemoveOptions},
    {keys::miDespeckleSetting, ShowDotRemoveOptions},
    {keys::miRemoveLinesSetting, ShowLineRemoveOptions},
    {keys::miRemoveHolePunchSetting, ShowHolePunchRemoveOptions},
    {keys::miPaintSetting, ShowPaintRectOptions},
};

constexpr DispatchRow kFileNavCommands[] = {
    {keys::miFirst, FirstFile},
    {keys::miPrevious, PreviousFile},
    {keys::miNext, NextFile},
    {keys::miLast, LastFile},
};

constexpr DispatchRow kFileOperateCommands[] = {
    {keys::miSelect, ToggleCheckAll},
    {keys::miDelete, ListingCommand<DeleteCheckedFiles>},
    {keys::miReplace, ReplaceFile},
    {keys::miRename, ListingCommand<RenameFile>},
    {keys::miBatchRename, ListingCommand<BatchRename>},
};

constexpr DispatchRow kCommonCommands[] = {
    {keys::miFirst, GoFirstPage},
    {keys::miPrevious, GoPreviousPage},
    {keys::miNext, GoNextPage},
    {keys::miLast, GoLastPage},
    {keys::miZoomIn, ZoomIn},
    {keys::miZoomOut, ZoomOut},
    {keys::miActualSize, FitStyleCommand<keys::miActualSize>},
    {keys::miBestFit, FitStyleCommand<keys::miBestFit>},
    {keys::miFitWidth, FitStyleCommand<keys::miFitWidth>},
    {keys::miFitHeight, FitStyleCommand<keys::miFitHeight>},
    {keys::miUndo, Undo},
    {keys::miRedo, Redo},
    {keys::miCut, Cut},
    {keys::miCopy, Copy},
    {keys::miPaste, Paste},
    {keys::miGetPixel, TogglePickColor},
    {keys::miGrid, HideGrid},
    {keys::miTwoLine, ShowGridTwoLines},
    {keys::miFiveLine, ShowGridFiveLines},
    {keys::miTrimRegion, ToggleTrimRegion},
};

constexpr DispatchRow kImagingCommands[] = {
    {keys::miRotate, SplitButton<keys::miRotate>},
    {keys::miRotateLeft, RotateLeft},
    {keys::miRotateRight, RotateRight},
    {keys::miRotate180, Rotate180},
    {keys::miRotateAngle, RotateAngle},
    {keys::miDeskew, SplitButton<keys::miDeskew>},
    {keys::miDeskewAuto, DeskewAutomatic},
    {keys::miDeskewByLine, ToggleDeskewLineMode},
    {keys::miDeskewX, DeskewManual},
    {keys::miClear, ToggleClearInside},
    {keys::miTrim, ToggleClearOutside},
    {keys::miCrop, ToggleCrop},
    {keys::miTrim2, ClearOutsideTrimBox},
    {keys::miCenterImage, SplitButton<keys::miCenterImage>},
    {keys::miCenterLR, CentreLeftRight},
    {keys::miCenterTB, CentreTopBottom},
    {keys::miCenterAll, CentreBoth},
    {keys::miMoveLT, MoveToTopLeft},
    {keys::miRemoveBorders, RemovePageBorders},
    {keys::miDespeckle, DespecklePage},
    {keys::miRemoveLines, RemovePageLines},
    {keys::miRemoveHolePunchs, RemovePageHolePunches},
    {keys::miInvert, InvertPage},
    {keys::miText, SplitButton<keys::miText>},
    {keys::miDilation, DarkenText},
    {keys::miErosion, LightenText},
    {keys::miSmooth, SmoothPageText},
    {keys::miResize, SplitButton<keys::miResize>},
    {keys::miImageSize, ResizeImage},
    {keys::miCanvasSize, ResizeCanvas},
    {keys::miImageAdjust, SplitButton<keys::miImageAdjust>},
    {keys::miBright, AdjustBrightContrast},
    {keys::miSaturation, AdjustSaturation},
    {keys::miColorGradation, AdjustColorLevels},
    {keys::miBackgroundSubtraction, RemovePageBackground},
    {keys::miPaintRect, TogglePaintTool},
    {keys::miConvert2BW, ConvertToBlackAndWhite},
    {keys::miDelete, DeleteCurrentPage},
    {keys::miMove, MovePage},
    {keys::miUnite, UnitePages},
    {keys::miDivide, DividePage},
    {keys::miInsertComment, ToggleCommentTool},
};

struct ToolbarDispatch {
    const ToolbarTable& toolbar;
    std::span<const DispatchRow> rows;
};

const ToolbarDispatch kDispatch[] = {
    {toolbars::tbMain, kMainCommands},
    {toolbars::tbFileNav, kFileNavCommands},
    {toolbars::tbFileOperate, kFileOperateCommands},
    {toolbars::tbCommon, kCommonCommands},
    {toolbars::tbImaging, kImagingCommands},
};

void RunSplitButton(ControlState& state, const char* key)
{
    const auto* button = std::ranges::find_if(kSplitButtons, [key](const SplitButtonRow& row) {
        return std::strcmp(row.key, key) == 0;
    });
    if (button == std::end(kSplitButtons))
        return;
    const qint16 choice = g_Settings.Imaging.*button->choice;
    if (choice >= 0 && choice < qint16(button->variants.size()))
        RunKey(kImagingCommands, state, QString::fromLatin1(button->variants[choice]));
}

}  // namespace

std::span<const SplitButtonRow> SplitButtonRows()
{
    return kSplitButtons;
}

std::span<const DispatchRow> DispatchRowsFor(const ToolbarTable& table)
{
    for (const ToolbarDispatch& dispatch : kDispatch) {
        if (std::strcmp(dispatch.toolbar.name, table.name) == 0)
            return dispatch.rows;
    }
    return {};
}

void DispatchMainToolbar(ControlState& state, const QString& key)
{
    RunKey(kMainCommands, state, key);
    FocusControl(state.widgets);
}

void DispatchFileNavToolbar(ControlState& state, const QString& key)
{
    RunKey(kFileNavCommands, state, key);
    FocusControl(state.widgets);
}

void DispatchFileOperateToolbar(ControlState& state, const QString& key)
{
    RunKey(kFileOperateCommands, state, key);
    FocusControl(state.widgets);
}

void DispatchCommonToolbar(ControlState& state, const QString& key)
{
    RunKey(kCommonCommands, state, key);
    FocusControl(state.widgets);
}

void DispatchImagingToolbar(ControlState& state, const QString& key)
{
    RunKey(kImagingCommands, state, key);
    FocusControl(state.widgets);
}

}  // namespace scanvo
