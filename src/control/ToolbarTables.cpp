#include "control/ToolbarTables.h"

namespace scanvo::toolbars {

namespace {

using enum ButtonStyle;
using enum ToolbarIcon;

constexpr std::span<const MenuItemRow> NoMenu;

constexpr ToolbarRow Gap{"", "", "", None, Separator, NoMenu};

// tbMain
constexpr MenuItemRow ScanMenu[] = {
    {"附加扫描", "miAppend"},
    {"插入扫描", "miInsert"},
    {"重新扫描", "miReplace"},
    {"扫描设置", "miScanSetting"},
};

constexpr MenuItemRow SettingMenu[] = {
    {"界面显示设置", "miUISetting"},
    {"存储目录设置", "miSaveDir"},
    {"图像压缩设置", "miCompressSetting"},
    {"签注字体设置", "miFontSetting"},
    {"图像处理操作", "miImagingChain"},
    {"自动裁剪设置", "miAutoTrimSetting"},
    {"纠斜设置", "miDeskewSetting"},
    {"去黑边设置", "miRemoveBordersSetting"},
    {"去噪点设置", "miDespeckleSetting"},
    {"去线条设置", "miRemoveLinesSetting"},
    {"去装订孔设置", "miRemoveHolePunchSetting"},
    {"底色绘制设置", "miPaintSetting"},
};

constexpr ToolbarRow MainRows[] = {
    {"miScan", "扫描", "", Scan, DropDown, ScanMenu},
    {"miImport", "导入", "", Import, Plain, NoMenu},
    {"miSetting", "设置", "", Settings, MenuOnly, SettingMenu},
};

// tbFileNav
constexpr ToolbarRow FileNavRows[] = {
    {"miFirst", "", "第一个图像", First, Plain, NoMenu},
    {"miPrevious", "", "上一个图像", Previous, Plain, NoMenu},
    {"miCurrentFile1", "", "", None, Placeholder, NoMenu},
    {"miCurrentFile2", "", "", None, Placeholder, NoMenu},
    {"miNext", "", "下一个图像", Next, Plain, NoMenu},
    {"miLast", "", "最后一个图像", Last, Plain, NoMenu},
};

// tbFileOperate
constexpr ToolbarRow FileOperateRows[] = {
    {"miSelect", "", "全选/不选", SelectAll, Check, NoMenu},
    {"miDelete", "", "删除选中文件", Delete, Plain, NoMenu},
    {"miReplace", "", "替换当前文件", ReplaceFile, Plain, NoMenu},
    {"miRename", "", "重命名", Rename, Plain, NoMenu},
    {"miBatchRename", "", "批量重命名", BatchRename, Plain, NoMenu},
};

// tbCommon
constexpr MenuItemRow GridMenu[] = {
    {"两横两纵", "miTwoLine"},
    {"五横五纵", "miFiveLine"},
};

constexpr MenuItemRow FitStyleMenu[] = {
    {"实际大小", "miActualSize"},
    {"适应窗口", "miBestFit"},
    {"适应宽度", "miFitWidth"},
    {"适应高度", "miFitHeight"},
};

constexpr ToolbarRow CommonRows[] = {
    {"miFirst", "", "第一页图像", First, Plain, NoMenu},
    {"miPrevious", "", "上一页图像", Previous, Plain, NoMenu},
    {"miCurrentPage1", "", "", None, Placeholder, NoMenu},
    {"miCurrentPage2", "", "", None, Placeholder, NoMenu},
    {"miNext", "", "下一页图像", Next, Plain, NoMenu},
    {"miLast", "", "最后一页图像", Last, Plain, NoMenu},
    Gap,
    {"miZoomIn", "", "放大图像", ZoomIn, Plain, NoMenu},
    {"miZoomFactor1", "", "", None, Placeholder, NoMenu},
    {"miZoomFactor2", "", "", None, Placeholder, NoMenu},
    {"miZoomOut", "", "缩小图像", ZoomOut, Plain, NoMenu},
    Gap,
    {"miUndo", "", "恢复上一步操作", Undo, Plain, NoMenu},
    {"miRedo", "", "重做操作", Redo, Plain, NoMenu},
    Gap,
    {"miCut", "", "剪切", Cut, Plain, NoMenu},
    {"miCopy", "", "拷贝", Copy, Plain, NoMenu},
    {"miPaste", "", "粘贴", Paste, Plain, NoMenu},
    Gap,
    {"miGetPixel", "", "选取颜色", PickColor, Check, NoMenu},
    {"miGrid", "", "网格线", Grid, CheckDropDown, GridMenu},
    {"miTrimRegion", "", "自动框选框", TrimRegion, Check, NoMenu},
    {"miFitStyle", "", "图像显示方式", FitStyle, MenuOnly, FitStyleMenu},
};

// tbImaging
constexpr MenuItemRow RotateMenu[] = {
    {"向左旋转", "miRotateLeft"},
    {"向右旋转", "miRotateRight"},
    {"旋转180°", "miRotate180"},
    {"任意角度", "miRotateAngle"},
};

constexpr MenuItemRow DeskewMenu[] = {
    {"自动纠斜", "miDeskewAuto"},
    {"拉线纠斜", "miDeskewByLine"},
    {"手动纠斜", "miDeskewX"},
};

constexpr MenuItemRow CenterMenu[] = {
    {"左右居中", "miCenterLR"},
    {"上下居中", "miCenterTB"},
    {"全部居中", "miCenterAll"},
    {"左上对齐", "miMoveLT"},
};

constexpr MenuItemRow TextMenu[] = {
    {"文字加深", "miDilation"},
    {"文字变浅", "miErosion"},
    {"平滑文字", "miSmooth"},
};

constexpr MenuItemRow ResizeMenu[] = {
    {"更改图像大小", "miImageSize"},
    {"更改画布大小", "miCanvasSize"},
};

constexpr MenuItemRow AdjustMenu[] = {
    {"亮度/对比度", "miBright"},
    {"饱和度", "miSaturation"},
    {"色阶", "miColorGradation"},
    {"背景优化", "miBackgroundSubtraction"},
};

constexpr ToolbarRow ImagingRows[] = {
    {"miRotate", "旋转", "旋转图像", Rotate, DropDown, RotateMenu},
    {"miDeskew", "纠斜", "图像纠斜", Deskew, DropDown, DeskewMenu},
    Gap,
    {"miClear", "框内", "清除框内图像", ClearInside, Check, NoMenu},
    {"miTrim", "框外", "清除框外图像", ClearOutside, Check, NoMenu},
    {"miCrop", "裁剪", "裁剪图像", Crop, Check, NoMenu},
    {"miTrim2", "自框", "清除自动选择框外图像", ClearOutsideAuto, Plain, NoMenu},
    {"miCenterImage", "对齐", "图像对齐", Align, DropDown, CenterMenu},
    Gap,
    {"miRemoveBorders", "黑边", "去黑边", RemoveBorders, Plain, NoMenu},
    {"miDespeckle", "噪点", "去噪点", Despeckle, Plain, NoMenu},
    {"miRemoveLines", "线条", "去线条", RemoveLines, Plain, NoMenu},
    {"miRemoveHolePunchs", "订孔", "去装订孔", RemoveHolePunches, Plain, NoMenu},
    Gap,
    {"miInvert", "反白", "图像反白", Invert, Plain, NoMenu},
    {"miText", "文字", "文字优化", Text, DropDown, TextMenu},
    {"miResize", "大小", "更改大小", Resize, DropDown, ResizeMenu},
    {"miImageAdjust", "调整", "图像调整", Adjust, DropDown, AdjustMenu},
    {"miPaintRect", "绘制", "绘制指定颜色", PaintRect, Check, NoMenu},
    {"miConvert2BW", "二值", "图像二值化", Binarize, Plain, NoMenu},
    Gap,
    {"miDelete", "删除", "删除本图像", Delete, Plain, NoMenu},
    {"miMove", "调序", "调整顺序", MovePage, Plain, NoMenu},
    {"miUnite", "拼接", "图像拼接", Unite, Plain, NoMenu},
    {"miDivide", "分割", "图像分割", Divide, Plain, NoMenu},
    Gap,
    {"miInsertComment", "签注", "插入签注", Comment, Check, NoMenu},
};

}  // namespace

const ToolbarTable tbMain{"tbMain", Qt::ToolButtonTextBesideIcon, MainRows};
const ToolbarTable tbFileNav{"tbFileNav", Qt::ToolButtonIconOnly, FileNavRows};
const ToolbarTable tbFileOperate{"tbFileOperate", Qt::ToolButtonIconOnly, FileOperateRows};
const ToolbarTable tbCommon{"tbCommon", Qt::ToolButtonIconOnly, CommonRows};
const ToolbarTable tbImaging{"tbImaging", Qt::ToolButtonTextUnderIcon, ImagingRows};

}  // namespace scanvo::toolbars
