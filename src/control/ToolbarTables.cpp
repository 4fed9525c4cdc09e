#include "control/ToolbarTables.h"
#include "core/CommandKeys.h"

namespace scanvo::toolbars {

namespace {

using enum ButtonStyle;
using enum ToolbarIcon;

constexpr std::span<const MenuItemRow> NoMenu;

constexpr ToolbarRow Gap{"", "", "", None, Separator, NoMenu};

// tbMain
constexpr MenuItemRow ScanMenu[] = {
    {"附加扫描", keys::miAppend},
    {"插入扫描", keys::miInsert},
    {"重新扫描", keys::miReplace},
    {"扫描设置", keys::miScanSetting},
};

constexpr MenuItemRow SettingMenu[] = {
    {"界面显示设置", keys::miUISetting},
    {"存储目录设置", keys::miSaveDir},
    {"图像压缩设置", keys::miCompressSetting},
    {"签注字体设置", keys::miFontSetting},
    {"图像处理操作", keys::miImagingChain},
    {"自动裁剪设置", keys::miAutoTrimSetting},
    {"纠斜设置", keys::miDeskewSetting},
    {"去黑边设置", keys::miRemoveBordersSetting},
    {"去噪点设置", keys::miDespeckleSetting},
    {"去线条设置", keys::miRemoveLinesSetting},
    {"去装订孔设置", keys::miRemoveHolePunchSetting},
    {"底色绘制设置", keys::miPaintSetting},
};

constexpr MenuItemRow ExportMenu[] = {
    {"导出 PDF", keys::miExportPdf},
    {"导出可搜索 PDF/A", keys::miExportPdfA},
    {"导出设置", keys::miExportSetting},
};

constexpr ToolbarRow MainRows[] = {
    {keys::miScan, "扫描", "", Scan, DropDown, ScanMenu},
    {keys::miImport, "导入", "", Import, Plain, NoMenu},
    {keys::miExport, "导出", "", Export, DropDown, ExportMenu},
    {keys::miSetting, "设置", "", Settings, MenuOnly, SettingMenu},
};

// tbFileNav
constexpr ToolbarRow FileNavRows[] = {
    {keys::miFirst, "", "第一个图像", First, Plain, NoMenu},
    {keys::miPrevious, "", "上一个图像", Previous, Plain, NoMenu},
    {keys::miCurrentFile1, "", "", None, Placeholder, NoMenu},
    {keys::miCurrentFile2, "", "", None, Placeholder, NoMenu},
    {keys::miNext, "", "下一个图像", Next, Plain, NoMenu},
    {keys::miLast, "", "最后一个图像", Last, Plain, NoMenu},
};

// tbFileOperate
constexpr ToolbarRow FileOperateRows[] = {
    {keys::miSelect, "", "全选/不选", SelectAll, Check, NoMenu},
    {keys::miDelete, "", "删除选中文件", Delete, Plain, NoMenu},
    {keys::miReplace, "", "替换当前文件", ReplaceFile, Plain, NoMenu},
    {keys::miRename, "", "重命名", Rename, Plain, NoMenu},
    {keys::miBatchRename, "", "批量重命名", BatchRename, Plain, NoMenu},
};

// tbCommon
constexpr MenuItemRow GridMenu[] = {
    {"两横两纵", keys::miTwoLine},
    {"五横五纵", keys::miFiveLine},
};

constexpr MenuItemRow FitStyleMenu[] = {
    {"实际大小", keys::miActualSize},
    {"适应窗口", keys::miBestFit},
    {"适应宽度", keys::miFitWidth},
    {"适应高度", keys::miFitHeight},
};

constexpr ToolbarRow CommonRows[] = {
    {keys::miFirst, "", "第一页图像", First, Plain, NoMenu},
    {keys::miPrevious, "", "上一页图像", Previous, Plain, NoMenu},
    {keys::miCurrentPage1, "", "", None, Placeholder, NoMenu},
    {keys::miCurrentPage2, "", "", None, Placeholder, NoMenu},
    {keys::miNext, "", "下一页图像", Next, Plain, NoMenu},
    {keys::miLast, "", "最后一页图像", Last, Plain, NoMenu},
    Gap,
    {keys::miZoomIn, "", "放大图像", ZoomIn, Plain, NoMenu},
    {keys::miZoomFactor1, "", "", None, Placeholder, NoMenu},
    {keys::miZoomFactor2, "", "", None, Placeholder, NoMenu},
    {keys::miZoomOut, "", "缩小图像", ZoomOut, Plain, NoMenu},
    Gap,
    {keys::miUndo, "", "恢复上一步操作", Undo, Plain, NoMenu},
    {keys::miRedo, "", "重做操作", Redo, Plain, NoMenu},
    Gap,
    {keys::miCut, "", "剪切", Cut, Plain, NoMenu},
    {keys::miCopy, "", "拷贝", Copy, Plain, NoMenu},
    {keys::miPaste, "", "粘贴", Paste, Plain, NoMenu},
    Gap,
    {keys::miGetPixel, "", "选取颜色", PickColor, Check, NoMenu},
    {keys::miGrid, "", "网格线", Grid, CheckDropDown, GridMenu},
    {keys::miTrimRegion, "", "自动框选框", TrimRegion, Check, NoMenu},
    {keys::miFitStyle, "", "图像显示方式", FitStyle, MenuOnly, FitStyleMenu},
};

// tbImaging
constexpr MenuItemRow RotateMenu[] = {
    {"向左旋转", keys::miRotateLeft},
    {"向右旋转", keys::miRotateRight},
    {"旋转180°", keys::miRotate180},
    {"任意角度", keys::miRotateAngle},
};

constexpr MenuItemRow DeskewMenu[] = {
    {"自动纠斜", keys::miDeskewAuto},
    {"拉线纠斜", keys::miDeskewByLine},
    {"手动纠斜", keys::miDeskewX},
};

constexpr MenuItemRow CenterMenu[] = {
    {"左右居中", keys::miCenterLR},
    {"上下居中", keys::miCenterTB},
    {"全部居中", keys::miCenterAll},
    {"左上对齐", keys::miMoveLT},
};

constexpr MenuItemRow TextMenu[] = {
    {"文字加深", keys::miDilation},
    {"文字变浅", keys::miErosion},
    {"平滑文字", keys::miSmooth},
};

constexpr MenuItemRow ResizeMenu[] = {
    {"更改图像大小", keys::miImageSize},
    {"更改画布大小", keys::miCanvasSize},
};

constexpr MenuItemRow AdjustMenu[] = {
    {"亮度/对比度", keys::miBright},
    {"饱和度", keys::miSaturation},
    {"色阶", keys::miColorGradation},
    {"背景优化", keys::miBackgroundSubtraction},
};

constexpr ToolbarRow ImagingRows[] = {
    {keys::miRotate, "旋转", "旋转图像", Rotate, DropDown, RotateMenu},
    {keys::miDeskew, "纠斜", "图像纠斜", Deskew, DropDown, DeskewMenu},
    Gap,
    {keys::miClear, "框内", "清除框内图像", ClearInside, Check, NoMenu},
    {keys::miTrim, "框外", "清除框外图像", ClearOutside, Check, NoMenu},
    {keys::miCrop, "裁剪", "裁剪图像", Crop, Check, NoMenu},
    {keys::miTrim2, "自框", "清除自动选择框外图像", ClearOutsideAuto, Plain, NoMenu},
    {keys::miCenterImage, "对齐", "图像对齐", Align, DropDown, CenterMenu},
    Gap,
    {keys::miRemoveBorders, "黑边", "去黑边", RemoveBorders, Plain, NoMenu},
    {keys::miDespeckle, "噪点", "去噪点", Despeckle, Plain, NoMenu},
    {keys::miRemoveLines, "线条", "去线条", RemoveLines, Plain, NoMenu},
    {keys::miRemoveHolePunchs, "订孔", "去装订孔", RemoveHolePunches, Plain, NoMenu},
    Gap,
    {keys::miInvert, "反白", "图像反白", Invert, Plain, NoMenu},
    {keys::miText, "文字", "文字优化", Text, DropDown, TextMenu},
    {keys::miResize, "大小", "更改大小", Resize, DropDown, ResizeMenu},
    {keys::miImageAdjust, "调整", "图像调整", Adjust, DropDown, AdjustMenu},
    {keys::miPaintRect, "绘制", "绘制指定颜色", PaintRect, Check, NoMenu},
    {keys::miConvert2BW, "二值", "图像二值化", Binarize, Plain, NoMenu},
    Gap,
    {keys::miDelete, "删除", "删除本图像", Delete, Plain, NoMenu},
    {keys::miMove, "调序", "调整顺序", MovePage, Plain, NoMenu},
    {keys::miUnite, "拼接", "图像拼接", Unite, Plain, NoMenu},
    {keys::miDivide, "分割", "图像分割", Divide, Plain, NoMenu},
    Gap,
    {keys::miInsertComment, "签注", "插入签注", Comment, Check, NoMenu},
};

}  // namespace

const ToolbarTable tbMain{"tbMain", Qt::ToolButtonTextUnderIcon, MainRows};
const ToolbarTable tbFileNav{"tbFileNav", Qt::ToolButtonIconOnly, FileNavRows};
const ToolbarTable tbFileOperate{"tbFileOperate", Qt::ToolButtonIconOnly, FileOperateRows};
const ToolbarTable tbCommon{"tbCommon", Qt::ToolButtonIconOnly, CommonRows};
const ToolbarTable tbImaging{"tbImaging", Qt::ToolButtonTextUnderIcon, ImagingRows};

}  // namespace scanvo::toolbars
