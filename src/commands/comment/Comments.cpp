// Comments and the comment font.
#include "commands/comment/Comments.h"

#include "commands/CommandFrame.h"
#include "commands/comment/CommentTexts.h"
#include "commands/comment/frmFontOptions.h"
#include "core/Prompter.h"
#include "core/Twips.h"
#include "platform/engine/ImageViewer.h"
#include "settings/Settings.h"
#include "viewer/ToolModes.h"
#include "viewer/ViewerSetup.h"

#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace scanvo {

namespace T = comment_texts;
namespace ops = engine::ops;

namespace {

constexpr int kEntryBoxWidth = 1440;  // twips
constexpr quint32 kCommentColour = 0x000000;
constexpr float kTwipsPerPixel = 15.0f;

void HideEntryBox(ChildWidgets& widgets)
{
    widgets.txtPageNumber->hide();
    widgets.cmdFont->hide();
}

void SetEntryBoxFont(ChildWidgets& widgets)
{
    widgets.txtPageNumber->setFont(CommentScreenFont());
}

}  // namespace

ops::TextFont CommentFont()
{
    const auto& imaging = g_Settings.Imaging;
    ops::TextFont font;
    font.name = imaging.FontName;
    font.size = imaging.FontSize;
    font.bold = imaging.Bold != 0;
    font.italic = imaging.Italic != 0;
    font.underline = imaging.Underline != 0;
    font.strikethrough = imaging.Strikethrough != 0;
    return font;
}

QFont CommentScreenFont()
{
    const ops::TextFont font = CommentFont();
    QFont screen(font.name);
    if (font.size > 0)
        screen.setPointSize(font.size);
    screen.setBold(font.bold);
    screen.setItalic(font.italic);
    screen.setUnderline(font.underline);
    screen.setStrikeOut(font.strikethrough);
    return screen;
}

void ToggleCommentTool(ControlState& state)
{
    HideEntryBox(state.widgets);
    QLineEdit* box = state.widgets.txtPageNumber;
    box->resize(Twips(kEntryBoxWidth), box->height());
    box->setText(g_Settings.Imaging.WriteComment);
    SetEntryBoxFont(state.widgets);
    // A click must not also pick a colour, paint, or draw a deskew line: arming leaves them.
    TogglePointerTool(state, PointerTool::Comment);
    SetRegionShape(state.view, 1);
}

void DrawComment(ControlState& state, float x, float y, const QString& text)
{
    HideEntryBox(state.widgets);
    if (!HasPage(state.widgets) || text.isEmpty())
        return;
    const QPointF viewerPixel(x / kTwipsPerPixel, y / kTwipsPerPixel);
    const QPointF onPage = state.widgets.mtMain->widgetToImage(viewerPixel);
    const QPoint topLeft(int(std::floor(onPage.x())), int(std::floor(onPage.y())));
    const ops::TextFont font = CommentFont();
    const bool drawn = RunPageCommand(state, T::kCommentStatus, [&](engine::Image& page) {
        const QSize size = ops::MeasureText(page, font, text);
        ops::DrawText(page, font, QRect(topLeft, size), text, kCommentColour);
    });
    if (drawn && state.tools.m_CommentToolOn() == 1)
        StoreSetting(g_Settings.Imaging.WriteComment, text);
}

void DrawComment(ControlState& state, float x, float y)
{
    DrawComment(state, x, y, state.widgets.txtPageNumber->text());
}

void ChooseCommentFont(ControlState& state)
{
    ShowFontOptions(state);
    if (state.widgets.txtPageNumber->isVisible())
        state.widgets.txtPageNumber->setFocus();
}

void ShowFontOptions(ControlState& state)
{
    frmFontOptions dialog(state.widgets.control);
    CurrentPrompter().runDialog(dialog);
    SetEntryBoxFont(state.widgets);
}

}  // namespace scanvo
