#pragma once
// Comments: a line of text burnt into the page where the user clicked, in the comment font of the
// Imaging settings. The comment tool places the entry box on a click (the pointer tools do that);
// Enter in the box draws its text.

#include "core/ControlState.h"
#include "platform/engine/ops/Text.h"

#include <QFont>

namespace scanvo {

// The comment font of the settings, for drawing on the page and for the entry box.
engine::ops::TextFont CommentFont();
QFont CommentScreenFont();

// "miInsertComment": arms or disarms the comment tool. Arming it switches the other region tools,
// the colour tools and the deskew line off. Either way the entry box and its font button are
// hidden and the box is made ready: 1440 twips wide, the last comment as its text, the comment
// font.
void ToggleCommentTool(ControlState& state);

// Draws text in black at the entry box's place as one undoable edit: x, y are the box's left and
// top over the viewer's page area, in twips, 15 to the viewer pixel; the viewer pixel maps onto
// the page pixel under it, so the comment lands where the box was, whatever the zoom and scroll.
// While the comment tool is on, the text becomes Imaging.WriteComment. Empty text, or no page,
// changes nothing.
void DrawComment(ControlState& state, float x, float y, const QString& text);
// The same with the entry box's text.
void DrawComment(ControlState& state, float x, float y);

// The entry box's font button: frmFontOptions, then the box takes the font chosen. What is typed
// in the box stays.
void ChooseCommentFont(ControlState& state);
// The settings menu's "miFontSetting": frmFontOptions for the comment font.
void ShowFontOptions(ControlState& state);

}  // namespace scanvo
