#pragma once
// Every command key of the control, declared once. Toolbar buttons, their drop-down menu items,
// the toolbars' dispatch rows, the enabling rules and the keyboard name commands only through
// these constants, so a misspelt key does not compile. Placeholders (room for a number box over a
// toolbar) are keys too: they stand in the toolbar tables.

// X(key) for every key of the toolbar tables, menu items included,
// each once.
#define SCANVO_COMMAND_KEYS(X) \
    X(miAppend) X(miInsert) X(miReplace) X(miScanSetting) X(miUISetting) X(miSaveDir) \
    X(miCompressSetting) X(miFontSetting) X(miImagingChain) X(miAutoTrimSetting) X(miDeskewSetting) \
    X(miRemoveBordersSetting) X(miDespeckleSetting) X(miRemoveLinesSetting) \
    X(miRemoveHolePunchSetting) X(miPaintSetting) X(miScan) X(miImport) X(miSetting) X(miFirst) \
    X(miPrevious) X(miCurrentFile1) X(miCurrentFile2) X(miNext) X(miLast) X(miSelect) X(miDelete) \
    X(miRename) X(miBatchRename) X(miTwoLine) X(miFiveLine) X(miActualSize) X(miBestFit) \
    X(miFitWidth) X(miFitHeight) X(miCurrentPage1) X(miCurrentPage2) X(miZoomIn) X(miZoomFactor1) \
    X(miZoomFactor2) X(miZoomOut) X(miUndo) X(miRedo) X(miCut) X(miCopy) X(miPaste) X(miGetPixel) \
    X(miGrid) X(miTrimRegion) X(miFitStyle) X(miRotateLeft) X(miRotateRight) X(miRotate180) \
    X(miRotateAngle) X(miDeskewAuto) X(miDeskewByLine) X(miDeskewX) X(miCenterLR) X(miCenterTB) \
    X(miCenterAll) X(miMoveLT) X(miDilation) X(miErosion) X(miSmooth) X(miImageSize) X(miCanvasSize) \
    X(miBright) X(miSaturation) X(miColorGradation) X(miBackgroundSubtraction) X(miRotate) \
    X(miDeskew) X(miClear) X(miTrim) X(miCrop) X(miTrim2) X(miCenterImage) X(miRemoveBorders) \
    X(miDespeckle) X(miRemoveLines) X(miRemoveHolePunchs) X(miInvert) X(miText) X(miResize) \
    X(miImageAdjust) X(miPaintRect) X(miConvert2BW) X(miMove) X(miUnite) X(miDivide) \
    X(miInsertComment) X(miExport) X(miExportPdf) X(miExportPdfA) X(miExportSetting)

namespace scanvo::keys {

#define SCANVO_DECLARE_COMMAND_KEY(key) inline constexpr char key[] = #key;
SCANVO_COMMAND_KEYS(SCANVO_DECLARE_COMMAND_KEY)
#undef SCANVO_DECLARE_COMMAND_KEY

#define SCANVO_LIST_COMMAND_KEY(key) key,
// All keys, for checks over the whole set.
inline constexpr const char* kAll[] = {SCANVO_COMMAND_KEYS(SCANVO_LIST_COMMAND_KEY)};
#undef SCANVO_LIST_COMMAND_KEY

}  // namespace scanvo::keys
