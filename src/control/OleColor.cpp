// Host colour values.
#include "control/OleColor.h"

namespace scanvo {

namespace {

constexpr quint32 kSystemColorFlag = 0x80000000u;

struct SystemColor {
    quint32 index;
    QPalette::ColorRole role;
};

// The system colour indices hosts use, mapped onto the palette roles that play the same part.
constexpr SystemColor kSystemColors[] = {
    {5, QPalette::Base},              // window background
    {8, QPalette::WindowText},        // window text
    {13, QPalette::Highlight},        // selection
    {14, QPalette::HighlightedText},  // selected text
    {15, QPalette::Button},           // button face
    {18, QPalette::ButtonText},       // button text
};

}  // namespace

QColor OleColorToQColor(quint32 oleColor, const QPalette& palette)
{
    if ((oleColor & kSystemColorFlag) == 0)
        return QColor(int(oleColor & 0xFF), int((oleColor >> 8) & 0xFF), int((oleColor >> 16) & 0xFF));
    const quint32 index = oleColor & 0xFFFFu;
    for (const SystemColor& entry : kSystemColors) {
        if (entry.index == index)
            return palette.color(entry.role);
    }
    return palette.color(QPalette::WindowText);
}

}  // namespace scanvo
