#pragma once
// The number boxes cboCurrentPage and cboCurrentFile: an editable box whose list holds "1" to the
// count, and which moves to the number picked from the list or typed and confirmed with Enter.

#include <functional>

class QComboBox;

namespace scanvo {

struct NumberBoxModel {
    std::function<int()> count;
    std::function<int()> current;
    // Makes n current and shows it, with the busy pointer and the status text of a move to n.
    std::function<void(int n)> moveTo;
};

// The list about to drop down: its items become "1" to the count, its text the current number.
void OnNumberBoxDropDown(QComboBox* box, const NumberBoxModel& model);
// An item picked: moves there unless it is the current one, which only puts the text back.
void OnNumberBoxPicked(QComboBox* box, const NumberBoxModel& model);
// Enter typed: a number outside 1 to the count falls back to the current one; then the move runs,
// also to the current number, so Enter reloads it.
void OnNumberBoxEnter(QComboBox* box, const NumberBoxModel& model);
// Connects the box's drop-down, Enter and pick events to the handlers above.
void ConnectNumberBox(QComboBox* box, NumberBoxModel model);

}  // namespace scanvo
