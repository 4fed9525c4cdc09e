#pragma once
// Colours as hosts pass them: 0x00BBGGRR, or 0x80000000 | n for the system colour n.

#include <QColor>
#include <QPalette>

namespace scanvo {

// The colour oleColor stands for; system colours are taken from palette.
QColor OleColorToQColor(quint32 oleColor, const QPalette& palette);

}  // namespace scanvo
