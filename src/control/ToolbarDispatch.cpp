// Toolbar dispatch tables.
#include "control/ToolbarDispatch.h"

#include "acquisition/frmImageCompressOptions.h"
#include "document/FileNavigation.h"
#include "viewer/PageNavigation.h"
#include "viewer/Zoom.h"

#include <span>

namespace scanvo {

namespace {

using Command = void (*)(ControlState&);

// A key and the operation it runs. NotBuiltYet marks a key whose command comes with a later
// part of the control: the key is listed so every button of the toolbar is accounted for.
struct KeyCommand {
    const char* key;
    Command run;
};

constexpr Command NotBuiltYet = nullptr;

void RunKey(std::span<const KeyCommand> table, ControlState& state, const QString& key)
{
    for (const KeyCommand& entry : table) {
        if (key == QLatin1String(entry.key)) {
            if (entry.run != NotBuiltYet)
                entry.run(state);
            return;
        }
    }
}

template <const char* Key>
void FitStyleCommand(ControlState& state)
{
    ChooseFitStyle(state, QString::fromLatin1(Key));
}

constexpr char kActualSize[] = "miActualSize";
constexpr char kBestFit[] = "miBestFit";
constexpr char kFitWidth[] = "miFitWidth";
constexpr char kFitHeight[] = "miFitHeight";

const KeyCommand kMainCommands[] = {
    {"miScan", NotBuiltYet},
    {"miAppend", NotBuiltYet},
    {"miInsert", NotBuiltYet},
    {"miReplace", NotBuiltYet},
    {"miScanSetting", NotBuiltYet},
    {"miImport", NotBuiltYet},
    {"miUISetting", NotBuiltYet},
    {"miSaveDir", NotBuiltYet},
    {"miCompressSetting", ShowCompressOptions},
    {"miFontSetting", NotBuiltYet},
    {"miImagingChain", NotBuiltYet},
    {"miAutoTrimSetting", NotBuiltYet},
    {"miDeskewSetting", NotBuiltYet},
    {"miRemoveBordersSetting", NotBuiltYet},
    {"miDespeckleSetting", NotBuiltYet},
    {"miRemoveLinesSetting", NotBuiltYet},
    {"miRemoveHolePunchSetting", NotBuiltYet},
    {"miPaintSetting", NotBuiltYet},
};

const KeyCommand kFileOperateCommands[] = {
    {"miSelect", NotBuiltYet},
    {"miDelete", NotBuiltYet},
    {"miReplace", NotBuiltYet},
    {"miRename", NotBuiltYet},
    {"miBatchRename", NotBuiltYet},
};

const KeyCommand kCommonCommands[] = {
    {"miFirst", GoFirstPage},
    {"miPrevious", GoPreviousPage},
    {"miNext", GoNextPage},
    {"miLast", GoLastPage},
    {"miZoomIn", ZoomIn},
    {"miZoomOut", ZoomOut},
    {"miActualSize", FitStyleCommand<kActualSize>},
    {"miBestFit", FitStyleCommand<kBestFit>},
    {"miFitWidth", FitStyleCommand<kFitWidth>},
    {"miFitHeight", FitStyleCommand<kFitHeight>},
    {"miUndo", NotBuiltYet},
    {"miRedo", NotBuiltYet},
    {"miCut", NotBuiltYet},
    {"miCopy", NotBuiltYet},
    {"miPaste", NotBuiltYet},
    {"miGetPixel", NotBuiltYet},
    {"miGrid", NotBuiltYet},
    {"miTwoLine", NotBuiltYet},
    {"miFiveLine", NotBuiltYet},
    {"miTrimRegion", NotBuiltYet},
};

const KeyCommand kImagingCommands[] = {
    {"miRotate", NotBuiltYet},        {"miRotateLeft", NotBuiltYet},    {"miRotateRight", NotBuiltYet},
    {"miRotate180", NotBuiltYet},     {"miRotateAngle", NotBuiltYet},   {"miDeskew", NotBuiltYet},
    {"miDeskewAuto", NotBuiltYet},    {"miDeskewByLine", NotBuiltYet},  {"miDeskewX", NotBuiltYet},
    {"miClear", NotBuiltYet},         {"miTrim", NotBuiltYet},          {"miCrop", NotBuiltYet},
    {"miTrim2", NotBuiltYet},         {"miCenterImage", NotBuiltYet},   {"miCenterLR", NotBuiltYet},
    {"miCenterTB", NotBuiltYet},      {"miCenterAll", NotBuiltYet},     {"miMoveLT", NotBuiltYet},
    {"miRemoveBorders", NotBuiltYet}, {"miDespeckle", NotBuiltYet},     {"miRemoveLines", NotBuiltYet},
    {"miRemoveHolePunchs", NotBuiltYet}, {"miInvert", NotBuiltYet},     {"miText", NotBuiltYet},
    {"miDilation", NotBuiltYet},      {"miErosion", NotBuiltYet},       {"miSmooth", NotBuiltYet},
    {"miResize", NotBuiltYet},        {"miImageSize", NotBuiltYet},     {"miCanvasSize", NotBuiltYet},
    {"miImageAdjust", NotBuiltYet},   {"miBright", NotBuiltYet},        {"miSaturation", NotBuiltYet},
    {"miColorGradation", NotBuiltYet}, {"miBackgroundSubtraction", NotBuiltYet},
    {"miPaintRect", NotBuiltYet},     {"miConvert2BW", NotBuiltYet},    {"miDelete", NotBuiltYet},
    {"miMove", NotBuiltYet},          {"miUnite", NotBuiltYet},         {"miDivide", NotBuiltYet},
    {"miInsertComment", NotBuiltYet},
};

}  // namespace

void DispatchMainToolbar(ControlState& state, const QString& key)
{
    RunKey(kMainCommands, state, key);
}

void DispatchFileNavToolbar(ControlState& state, const QString& key)
{
    DispatchFileNav(state, key);
}

void DispatchFileOperateToolbar(ControlState& state, const QString& key)
{
    RunKey(kFileOperateCommands, state, key);
}

void DispatchCommonToolbar(ControlState& state, const QString& key)
{
    RunKey(kCommonCommands, state, key);
}

void DispatchImagingToolbar(ControlState& state, const QString& key)
{
    RunKey(kImagingCommands, state, key);
}

}  // namespace scanvo
