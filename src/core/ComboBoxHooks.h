#pragma once
// The events of the number boxes (page box, file box, zoom box) that QComboBox has no signal for:
// the list about to drop down, Enter typed into the box, and the box getting the focus, which
// always selects its whole text.

#include <functional>

class QComboBox;

namespace scanvo {

struct ComboBoxHandlers {
    std::function<void()> dropDown;  // before the list opens; may refill it
    std::function<void()> enter;     // Enter typed into an editable box; the box does nothing else
};

// Installs the handlers on box for as long as it lives. Typed Enter no longer adds an entry.
void InstallComboBoxHandlers(QComboBox* box, ComboBoxHandlers handlers);

}  // namespace scanvo
