// The scan parameters and their capability values.
#include "acquisition/ScanParameters.h"

#include "settings/Settings.h"

#include <QtGlobal>

namespace scanvo {

namespace {

using namespace scanner;

// Captions are translated where the list shows them; those that need no translation are not marked.
constexpr ScanParameterEntry kSupply[] = {{QT_TRANSLATE_NOOP("ScanParameters", "平板"), 0},
                                          {QT_TRANSLATE_NOOP("ScanParameters", "高速"), 1}};
constexpr ScanParameterEntry kDuplex[] = {{QT_TRANSLATE_NOOP("ScanParameters", "单面"), 0},
                                          {QT_TRANSLATE_NOOP("ScanParameters", "双面"), 1}};
constexpr ScanParameterEntry kImageType[] = {{QT_TRANSLATE_NOOP("ScanParameters", "黑白"), PixelBlackWhite},
                                             {QT_TRANSLATE_NOOP("ScanParameters", "灰度"), PixelGrey},
                                             {QT_TRANSLATE_NOOP("ScanParameters", "彩色"), PixelColour}};
constexpr ScanParameterEntry kResolution[] = {{"100dpi", 100}, {"150dpi", 150}, {"200dpi", 200}, {"300dpi", 300},
                                              {"400dpi", 400}, {"500dpi", 500}, {"600dpi", 600}};
// The scanner source takes 1 as A4, 5 as B5 and 11 as A3 and lays the scan area out as that sheet.
constexpr ScanParameterEntry kPaperSize[] = {{"B5", 5}, {"A4", 1}, {"A3", 11}};
// The sheet lies as named: landscape (横向) is a quarter turn of the upright sheet, TWOR_LANDSCAPE,
// so the scan area is wider than tall; portrait (纵向) is TWOR_PORTRAIT.
constexpr ScanParameterEntry kDirection[] = {{QT_TRANSLATE_NOOP("ScanParameters", "横向"), 3},
                                             {QT_TRANSLATE_NOOP("ScanParameters", "纵向"), 0}};

const ScanParameter kParameters[] = {
    {&g_Settings.Scan.ScanSupply, QT_TRANSLATE_NOOP("ScanParameters", "扫描速度"), {CapFeederEnabled, 0}, ItemBool,
     kSupply},
    {&g_Settings.Scan.ScanDuplex, QT_TRANSLATE_NOOP("ScanParameters", "单/双面"), {CapDuplexEnabled, 0}, ItemBool,
     kDuplex},
    {&g_Settings.Scan.ImageType, QT_TRANSLATE_NOOP("ScanParameters", "图像类型"), {CapPixelType, 0}, ItemUInt16,
     kImageType},
    {&g_Settings.Scan.Resolution,
     QT_TRANSLATE_NOOP("ScanParameters", "分辨率"), {CapXResolution, CapYResolution}, ItemFix32,
     kResolution},
    {&g_Settings.Scan.PaperSize, QT_TRANSLATE_NOOP("ScanParameters", "纸张大小"), {CapSupportedSizes, 0}, ItemUInt16,
     kPaperSize},
    {&g_Settings.Scan.PaperDirection, QT_TRANSLATE_NOOP("ScanParameters", "纸张方向"), {CapOrientation, 0}, ItemUInt16,
     kDirection},
};

}  // namespace

std::span<const ScanParameter> ScanParameters()
{
    return kParameters;
}

}  // namespace scanvo
