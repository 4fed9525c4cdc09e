// The scan parameters and their capability values.
#include "acquisition/ScanParameters.h"

#include "settings/Settings.h"

namespace scanvo {

namespace {

using namespace scanner;

constexpr ScanParameterEntry kSupply[] = {{"平板", 0}, {"高速", 1}};
constexpr ScanParameterEntry kDuplex[] = {{"单面", 0}, {"双面", 1}};
constexpr ScanParameterEntry kImageType[] = {
    {"黑白", PixelBlackWhite}, {"灰度", PixelGrey}, {"彩色", PixelColour}};
constexpr ScanParameterEntry kResolution[] = {{"100dpi", 100}, {"150dpi", 150}, {"200dpi", 200}, {"300dpi", 300},
                                              {"400dpi", 400}, {"500dpi", 500}, {"600dpi", 600}};
// The scanner source takes 1 as A4, 5 as B5 and 11 as A3 and lays the scan area out as that sheet.
constexpr ScanParameterEntry kPaperSize[] = {{"B5", 5}, {"A4", 1}, {"A3", 11}};
// The sheet lies as named: landscape (横向) is a quarter turn of the upright sheet, TWOR_LANDSCAPE,
// so the scan area is wider than tall; portrait (纵向) is TWOR_PORTRAIT.
constexpr ScanParameterEntry kDirection[] = {{"横向", 3}, {"纵向", 0}};

const ScanParameter kParameters[] = {
    {&g_Settings.Scan.ScanSupply, "扫描速度", {CapFeederEnabled, 0}, ItemBool, kSupply},
    {&g_Settings.Scan.ScanDuplex, "单/双面", {CapDuplexEnabled, 0}, ItemBool, kDuplex},
    {&g_Settings.Scan.ImageType, "图像类型", {CapPixelType, 0}, ItemUInt16, kImageType},
    {&g_Settings.Scan.Resolution, "分辨率", {CapXResolution, CapYResolution}, ItemFix32, kResolution},
    {&g_Settings.Scan.PaperSize, "纸张大小", {CapSupportedSizes, 0}, ItemUInt16, kPaperSize},
    {&g_Settings.Scan.PaperDirection, "纸张方向", {CapOrientation, 0}, ItemUInt16, kDirection},
};

}  // namespace

std::span<const ScanParameter> ScanParameters()
{
    return kParameters;
}

}  // namespace scanvo
