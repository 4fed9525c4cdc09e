// Paint tool options.
#include "commands/region/frmPaintRect.h"

#include "commands/CommandTexts.h"
#include "settings/Settings.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace scanvo {

namespace T = command_texts;

frmPaintRect::frmPaintRect(QWidget* parent) : OptionForm(QStringLiteral("frmPaintRect"), T::kPaintRectCaption, parent)
{
    QGridLayout* grid = nullptr;
    QGroupBox* frame = AddFrame(T::kPaintRectFrame, grid);
    AddValue(grid, 0, 0, T::kPaintRectWidth, T::kUnitPixels);
    AddValue(grid, 1, 1, T::kPaintRectHeight, T::kUnitPixels);
    auto* main = new QVBoxLayout(this);
    main->addWidget(frame);
    main->addLayout(ButtonRow());
    LoadOnce();
}

void frmPaintRect::LoadForm()
{
    txtValue[0]->setText(QString::number(g_Settings.Imaging.PaintRectWidth));
    txtValue[1]->setText(QString::number(g_Settings.Imaging.PaintRectHeight));
}

void frmPaintRect::cmdOK_Click()
{
    for (ValueBox* box : txtValue) {
        if (BoxValue(box) == 0) {
            Refuse(T::kNotZero, box);
            return;
        }
    }
    StoreSetting(g_Settings.Imaging.PaintRectWidth, BoxValue(txtValue[0]));
    StoreSetting(g_Settings.Imaging.PaintRectHeight, BoxValue(txtValue[1]));
    Accept();
}

}  // namespace scanvo
