#pragma once
// The key filter of the number boxes in the size dialogs.

#include "core/FormWidgets.h"

#include <QKeyEvent>

namespace scanvo {

// A character typed into a number box that is not one of allowed. Enter, Escape and Tab keep
// their meaning for the form; backspace always passes.
inline bool RefusedNumberKey(const QKeyEvent& key, const QString& allowed)
{
    const QString text = key.text();
    const bool control = !text.isEmpty() && text.at(0).unicode() < 0x20 && key.key() != Qt::Key_Backspace;
    return !control && RefusedByKeyFilter(key, allowed);
}

}  // namespace scanvo
