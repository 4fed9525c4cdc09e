#include "control/ToolbarTables.h"
#include "core/CommandKeys.h"

#include <QCoreApplication>

namespace scanvo::toolbars {

namespace {

using enum ButtonStyle;
using enum ToolbarIcon;

constexpr std::span<const MenuItemRow> NoMenu;

constexpr ToolbarRow Gap{"", "", "", None, Separator, NoMenu};

// tbMain
constexpr MenuItemRow ScanMenu[] = {
    {QT_TRANSLATE_NOOP("Toolbars", "附加扫描"), keys::miAppend},
    {QT_TRANSLATE_NOOP("Toolbars", "插入扫描"), keys::miInsert},
    {QT_TRANSLATE_NOOP("Toolbars", "重新扫描"), keys::miReplace},
    {QT_TRANSLATE_NOOP("Toolbars", "扫描设置"), keys::miScanSetting},
};

constexpr MenuItemRow SettingMenu[] = {
    {QT_TRANSLATE_NOOP("Toolbars", "界面显示设置"), keys::miUISetting},
    {QT_TRANSLATE_NOOP("Toolbars", "存储目录设置"), keys::miSaveDir},
    {QT_TRANSLATE_NOOP("Toolbars", "图像压缩设置"), keys::miCompressSetting},
    {QT_TRANSLATE_NOOP("Toolbars", "签注字体设置"), keys::miFontSetting},
    {QT_TRANSLATE_NOOP("Toolbars", "图像处理操作"), keys::miImagingChain},
    {QT_TRANSLATE_NOOP("Toolbars", "自动裁剪设置"), keys::miAutoTrimSetting},
    {QT_TRANSLATE_NOOP("Toolbars", "纠斜设置"), keys::miDeskewSetting},
    {QT_TRANSLATE_NOOP("Toolbars", "去黑边设置"), keys::miRemoveBordersSetting},
    {QT_TRANSLATE_NOOP("Toolbars", "去噪点设置"), keys::miDespeckleSetting},
    {QT_TRANSLATE_NOOP("Toolbars", "去线条设置"), keys::miRemoveLinesSetting},
    {QT_TRANSLATE_NOOP("Toolbars", "去装订孔设置"), keys::miRemoveHolePunchSetting},
    {QT_TRANSLATE_NOOP("Toolbars", "底色绘制设置"), keys::miPaintSetting},
};

constexpr MenuItemRow ExportMenu[] = {
    {QT_TRANSLATE_NOOP("Toolbars", "导出 PDF"), keys::miExportPdf},
    {QT_TRANSLATE_NOOP("Toolbars", "导出可搜索 PDF/A"), keys::miExportPdfA},
    {QT_TRANSLATE_NOOP("Toolbars", "导出设置"), keys::miExportSetting},
};

constexpr ToolbarRow MainRows[] = {
    {keys::miScan, QT_TRANSLATE_NOOP("Toolbars", "扫描"), "", Scan, DropDown, ScanMenu},
    {keys::miImport, QT_TRANSLATE_NOOP("Toolbars", "导入"), "", Import, Plain, NoMenu},
    {keys::miExport, QT_TRANSLATE_NOOP("Toolbars", "导出"), "", Export, DropDown, ExportMenu},
    {keys::miSetting, QT_TRANSLATE_NOOP("Toolbars", "设置"), "", Settings, MenuOnly, SettingMenu},
};

// tbFileNav
constexpr ToolbarRow FileNavRows[] = {
    {keys::miFirst, "", QT_TRANSLATE_NOOP("Toolbars", "第一个图像"), First, Plain, NoMenu},
    {keys::miPrevious, "", QT_TRANSLATE_NOOP("Toolbars", "上一个图像"), Previous, Plain, NoMenu},
    {keys::miCurrentFile1, "", "", None, Placeholder, NoMenu},
    {keys::miCurrentFile2, "", "", None, Placeholder, NoMenu},
    {keys::miNext, "", QT_TRANSLATE_NOOP("Toolbars", "下一个图像"), Next, Plain, NoMenu},
    {keys::miLast, "", QT_TRANSLATE_NOOP("Toolbars", "最后一个图像"), Last, Plain, NoMenu},
};

// tbFileOperate
constexpr ToolbarRow FileOperateRows[] = {
    {keys::miSelect, "", QT_TRANSLATE_NOOP("Toolbars", "全选/不选"), SelectAll, Check, NoMenu},
    {keys::miDelete, "", QT_TRANSLATE_NOOP("Toolbars", "删除选中文件"), Delete, Plain, NoMenu},
    {keys::miReplace, "", QT_TRANSLATE_NOOP("Toolbars", "替换当前文件"), ReplaceFile, Plain, NoMenu},
    {keys::miRename, "", QT_TRANSLATE_NOOP("Toolbars", "重命名"), Rename, Plain, NoMenu},
    {keys::miBatchRename, "", QT_TRANSLATE_NOOP("Toolbars", "批量重命名"), BatchRename, Plain, NoMenu},
};

// tbCommon
constexpr MenuItemRow GridMenu[] = {
    {QT_TRANSLATE_NOOP("Toolbars", "两横两纵"), keys::miTwoLine},
    {QT_TRANSLATE_NOOP("Toolbars", "五横五纵"), keys::miFiveLine},
};

constexpr MenuItemRow FitStyleMenu[] = {
    {QT_TRANSLATE_NOOP("Toolbars", "实际大小"), keys::miActualSize},
    {QT_TRANSLATE_NOOP("Toolbars", "适应窗口"), keys::miBestFit},
    {QT_TRANSLATE_NOOP("Toolbars", "适应宽度"), keys::miFitWidth},
    {QT_TRANSLATE_NOOP("Toolbars", "适应高度"), keys::miFitHeight},
};

constexpr ToolbarRow CommonRows[] = {
    {keys::miFirst, "", QT_TRANSLATE_NOOP("Toolbars", "第一页图像"), First, Plain, NoMenu},
    {keys::miPrevious, "", QT_TRANSLATE_NOOP("Toolbars", "上一页图像"), Previous, Plain, NoMenu},
    {keys::miCurrentPage1, "", "", None, Placeholder, NoMenu},
    {keys::miCurrentPage2, "", "", None, Placeholder, NoMenu},
    {keys::miNext, "", QT_TRANSLATE_NOOP("Toolbars", "下一页图像"), Next, Plain, NoMenu},
    {keys::miLast, "", QT_TRANSLATE_NOOP("Toolbars", "最后一页图像"), Last, Plain, NoMenu},
    Gap,
    {keys::miZoomIn, "", QT_TRANSLATE_NOOP("Toolbars", "放大图像"), ZoomIn, Plain, NoMenu},
    {keys::miZoomFactor1, "", "", None, Placeholder, NoMenu},
    {keys::miZoomFactor2, "", "", None, Placeholder, NoMenu},
    {keys::miZoomOut, "", QT_TRANSLATE_NOOP("Toolbars", "缩小图像"), ZoomOut, Plain, NoMenu},
    Gap,
    {keys::miUndo, "", QT_TRANSLATE_NOOP("Toolbars", "恢复上一步操作"), Undo, Plain, NoMenu},
    {keys::miRedo, "", QT_TRANSLATE_NOOP("Toolbars", "重做操作"), Redo, Plain, NoMenu},
    Gap,
    {keys::miCut, "", QT_TRANSLATE_NOOP("Toolbars", "剪切"), Cut, Plain, NoMenu},
    {keys::miCopy, "", QT_TRANSLATE_NOOP("Toolbars", "拷贝"), Copy, Plain, NoMenu},
    {keys::miPaste, "", QT_TRANSLATE_NOOP("Toolbars", "粘贴"), Paste, Plain, NoMenu},
    Gap,
    {keys::miGetPixel, "", QT_TRANSLATE_NOOP("Toolbars", "选取颜色"), PickColor, Check, NoMenu},
    {keys::miGrid, "", QT_TRANSLATE_NOOP("Toolbars", "网格线"), Grid, CheckDropDown, GridMenu},
    {keys::miTrimRegion, "", QT_TRANSLATE_NOOP("Toolbars", "自动框选框"), TrimRegion, Check, NoMenu},
    {keys::miFitStyle, "", QT_TRANSLATE_NOOP("Toolbars", "图像显示方式"), FitStyle, MenuOnly, FitStyleMenu},
};

// tbImaging
constexpr MenuItemRow RotateMenu[] = {
    {QT_TRANSLATE_NOOP("Toolbars", "向左旋转"), keys::miRotateLeft},
    {QT_TRANSLATE_NOOP("Toolbars", "向右旋转"), keys::miRotateRight},
    {QT_TRANSLATE_NOOP("Toolbars", "旋转180°"), keys::miRotate180},
    {QT_TRANSLATE_NOOP("Toolbars", "任意角度"), keys::miRotateAngle},
};

constexpr MenuItemRow DeskewMenu[] = {
    {QT_TRANSLATE_NOOP("Toolbars", "自动纠斜"), keys::miDeskewAuto},
    {QT_TRANSLATE_NOOP("Toolbars", "拉线纠斜"), keys::miDeskewByLine},
    {QT_TRANSLATE_NOOP("Toolbars", "手动纠斜"), keys::miDeskewX},
};

constexpr MenuItemRow CenterMenu[] = {
    {QT_TRANSLATE_NOOP("Toolbars", "左右居中"), keys::miCenterLR},
    {QT_TRANSLATE_NOOP("Toolbars", "上下居中"), keys::miCenterTB},
    {QT_TRANSLATE_NOOP("Toolbars", "全部居中"), keys::miCenterAll},
    {QT_TRANSLATE_NOOP("Toolbars", "左上对齐"), keys::miMoveLT},
};

constexpr MenuItemRow TextMenu[] = {
    {QT_TRANSLATE_NOOP("Toolbars", "文字加深"), keys::miDilation},
    {QT_TRANSLATE_NOOP("Toolbars", "文字变浅"), keys::miErosion},
    {QT_TRANSLATE_NOOP("Toolbars", "平滑文字"), keys::miSmooth},
};

constexpr MenuItemRow ResizeMenu[] = {
    {QT_TRANSLATE_NOOP("Toolbars", "更改图像大小"), keys::miImageSize},
    {QT_TRANSLATE_NOOP("Toolbars", "更改画布大小"), keys::miCanvasSize},
};

constexpr MenuItemRow AdjustMenu[] = {
    {QT_TRANSLATE_NOOP("Toolbars", "亮度/对比度"), keys::miBright},
    {QT_TRANSLATE_NOOP("Toolbars", "饱和度"), keys::miSaturation},
    {QT_TRANSLATE_NOOP("Toolbars", "色阶"), keys::miColorGradation},
    {QT_TRANSLATE_NOOP("Toolbars", "背景优化"), keys::miBackgroundSubtraction},
};

constexpr ToolbarRow ImagingRows[] = {
    {keys::miRotate, QT_TRANSLATE_NOOP("Toolbars", "旋转"),
     QT_TRANSLATE_NOOP("Toolbars", "旋转图像"), Rotate, DropDown, RotateMenu},
    {keys::miDeskew, QT_TRANSLATE_NOOP("Toolbars", "纠斜"),
     QT_TRANSLATE_NOOP("Toolbars", "图像纠斜"), Deskew, DropDown, DeskewMenu},
    Gap,
    {keys::miClear, QT_TRANSLATE_NOOP("Toolbars", "框内"),
     QT_TRANSLATE_NOOP("Toolbars", "清除框内图像"), ClearInside, Check, NoMenu},
    {keys::miTrim, QT_TRANSLATE_NOOP("Toolbars", "框外"),
     QT_TRANSLATE_NOOP("Toolbars", "清除框外图像"), ClearOutside, Check, NoMenu},
    {keys::miCrop, QT_TRANSLATE_NOOP("Toolbars", "裁剪"), QT_TRANSLATE_NOOP("Toolbars", "裁剪图像"), Crop, Check, NoMenu},
    {keys::miTrim2, QT_TRANSLATE_NOOP("Toolbars", "自框"),
     QT_TRANSLATE_NOOP("Toolbars", "清除自动选择框外图像"), ClearOutsideAuto, Plain, NoMenu},
    {keys::miCenterImage, QT_TRANSLATE_NOOP("Toolbars", "对齐"),
     QT_TRANSLATE_NOOP("Toolbars", "图像对齐"), Align, DropDown, CenterMenu},
    Gap,
    {keys::miRemoveBorders, QT_TRANSLATE_NOOP("Toolbars", "黑边"),
     QT_TRANSLATE_NOOP("Toolbars", "去黑边"), RemoveBorders, Plain, NoMenu},
    {keys::miDespeckle, QT_TRANSLATE_NOOP("Toolbars", "噪点"),
     QT_TRANSLATE_NOOP("Toolbars", "去噪点"), Despeckle, Plain, NoMenu},
    {keys::miRemoveLines, QT_TRANSLATE_NOOP("Toolbars", "线条"),
     QT_TRANSLATE_NOOP("Toolbars", "去线条"), RemoveLines, Plain, NoMenu},
    {keys::miRemoveHolePunchs, QT_TRANSLATE_NOOP("Toolbars", "订孔"),
     QT_TRANSLATE_NOOP("Toolbars", "去装订孔"), RemoveHolePunches, Plain, NoMenu},
    Gap,
    {keys::miInvert, QT_TRANSLATE_NOOP("Toolbars", "反白"), QT_TRANSLATE_NOOP("Toolbars", "图像反白"), Invert, Plain, NoMenu},
    {keys::miText, QT_TRANSLATE_NOOP("Toolbars", "文字"),
     QT_TRANSLATE_NOOP("Toolbars", "文字优化"), Text, DropDown, TextMenu},
    {keys::miResize, QT_TRANSLATE_NOOP("Toolbars", "大小"),
     QT_TRANSLATE_NOOP("Toolbars", "更改大小"), Resize, DropDown, ResizeMenu},
    {keys::miImageAdjust, QT_TRANSLATE_NOOP("Toolbars", "调整"),
     QT_TRANSLATE_NOOP("Toolbars", "图像调整"), Adjust, DropDown, AdjustMenu},
    {keys::miPaintRect, QT_TRANSLATE_NOOP("Toolbars", "绘制"),
     QT_TRANSLATE_NOOP("Toolbars", "绘制指定颜色"), PaintRect, Check, NoMenu},
    {keys::miConvert2BW, QT_TRANSLATE_NOOP("Toolbars", "二值"),
     QT_TRANSLATE_NOOP("Toolbars", "图像二值化"), Binarize, Plain, NoMenu},
    Gap,
    {keys::miDelete, QT_TRANSLATE_NOOP("Toolbars", "删除"),
     QT_TRANSLATE_NOOP("Toolbars", "删除本图像"), Delete, Plain, NoMenu},
    {keys::miMove, QT_TRANSLATE_NOOP("Toolbars", "调序"), QT_TRANSLATE_NOOP("Toolbars", "调整顺序"), MovePage, Plain, NoMenu},
    {keys::miUnite, QT_TRANSLATE_NOOP("Toolbars", "拼接"), QT_TRANSLATE_NOOP("Toolbars", "图像拼接"), Unite, Plain, NoMenu},
    {keys::miDivide, QT_TRANSLATE_NOOP("Toolbars", "分割"), QT_TRANSLATE_NOOP("Toolbars", "图像分割"), Divide, Plain, NoMenu},
    Gap,
    {keys::miInsertComment, QT_TRANSLATE_NOOP("Toolbars", "签注"),
     QT_TRANSLATE_NOOP("Toolbars", "插入签注"), Comment, Check, NoMenu},
};

}  // namespace

QString TableText(const char* text)
{
    return QCoreApplication::translate("Toolbars", text);
}

const ToolbarTable tbMain{"tbMain", Qt::ToolButtonTextUnderIcon, MainRows};
const ToolbarTable tbFileNav{"tbFileNav", Qt::ToolButtonIconOnly, FileNavRows};
const ToolbarTable tbFileOperate{"tbFileOperate", Qt::ToolButtonIconOnly, FileOperateRows};
const ToolbarTable tbCommon{"tbCommon", Qt::ToolButtonIconOnly, CommonRows};
const ToolbarTable tbImaging{"tbImaging", Qt::ToolButtonTextUnderIcon, ImagingRows};

}  // namespace scanvo::toolbars
