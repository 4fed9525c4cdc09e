#pragma once
// One dispatcher per toolbar: each runs the command its toolbar means by a clicked button's or
// menu item's key. One key may mean different things on two toolbars ("miFirst" is the first page
// on tbCommon and the first file on tbFileNav). The rows are data, one table per toolbar, naming
// their keys through the command key list.

#include "core/ControlState.h"
#include "settings/Settings.h"

#include <QString>

#include <span>

namespace scanvo {

struct ToolbarTable;

// A key and the operation it runs.
struct DispatchRow {
    const char* key;
    void (*run)(ControlState& state);
};

// A split button of tbImaging: a click on it runs one of its menu's entries, the one its setting
// (an index into variants, kept by the image defaults dialog) chooses.
struct SplitButtonRow {
    const char* key;
    qint16 SettingsRecord::ImagingSection::*choice;
    std::span<const char* const> variants;
};

std::span<const SplitButtonRow> SplitButtonRows();

// The dispatch rows of the toolbar a table describes (by its name); empty for another table.
std::span<const DispatchRow> DispatchRowsFor(const ToolbarTable& table);

// tbMain: scanning, import, export and the settings dialogs.
void DispatchMainToolbar(ControlState& state, const QString& key);
// Every dispatcher gives the keyboard focus back to the control after the command.
// tbFileNav: moving between the files of a mixed document.
void DispatchFileNavToolbar(ControlState& state, const QString& key);
// tbFileOperate: selecting, deleting, replacing and renaming files.
void DispatchFileOperateToolbar(ControlState& state, const QString& key);
// tbCommon: page steps, zoom and fit, undo, clipboard and the pointer tools.
void DispatchCommonToolbar(ControlState& state, const QString& key);
// tbImaging: the image-editing commands.
void DispatchImagingToolbar(ControlState& state, const QString& key);

}  // namespace scanvo
