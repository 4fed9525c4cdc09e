// The canvas-size dialog.
#include "commands/size/frmResizeCanvas.h"

#include "commands/DialogKeys.h"
#include "commands/size/SizeTexts.h"
#include "core/IniNumber.h"
#include "core/Prompter.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace scanvo {

namespace T = size_texts;

namespace {

struct Paper {
    UiText name;
    int width;   // millimetres
    int height;
};

// The list's entries in order; the last one is the custom size.
const Paper kPapers[] = {
    {T::kOriginalSize, 0, 0}, {T::kPaperB5, 176, 250}, {T::kPaperA4, 210, 297},
    {T::kPaperA3, 297, 420},  {T::kCustomSize, 0, 0},
};
constexpr int kCustom = 4;

const QString kNumberCharacters = QStringLiteral("0123456789.");

}  // namespace

frmResizeCanvas::frmResizeCanvas(QWidget* parent)
    : FormDialog(QStringLiteral("frmResizeCanvas"), T::kCanvasCaption, parent)
{
    cboImageSize = new QComboBox(this);
    cboImageSize->setObjectName(QStringLiteral("cboImageSize"));
    for (const Paper& paper : kPapers)
        cboImageSize->addItem(paper.name);
    txtWidth = new QLineEdit(this);
    txtWidth->setObjectName(QStringLiteral("txtWidth"));
    txtHeight = new QLineEdit(this);
    txtHeight->setObjectName(QStringLiteral("txtHeight"));

    auto* grid = new QGridLayout;
    grid->addWidget(cboImageSize, 0, 0, 1, 3);
    int row = 1;
    for (QLineEdit* box : {txtWidth, txtHeight}) {
        box->installEventFilter(this);
        auto* caption = new QLabel(row == 1 ? T::kWidth : T::kHeight, this);
        caption->setBuddy(box);
        grid->addWidget(caption, row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(new QLabel(T::kMillimetres, this), row, 2);
        ++row;
    }
    auto* main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addLayout(ButtonRow());
    connect(cboImageSize, &QComboBox::currentIndexChanged, this, &frmResizeCanvas::cboImageSize_Click);
}

void frmResizeCanvas::LoadForm()
{
    const int index = CanvasIndex >= 0 && CanvasIndex <= kCustom ? CanvasIndex : 0;
    {
        const QSignalBlocker quiet(cboImageSize);
        cboImageSize->setCurrentIndex(index);
    }
    cboImageSize_Click(index);
}

void frmResizeCanvas::cboImageSize_Click(int index)
{
    if (index < 0 || index > kCustom)
        return;
    const Paper& paper = kPapers[index];
    txtWidth->setText(QString::number(paper.width));
    txtHeight->setText(QString::number(paper.height));
    txtWidth->setEnabled(index == kCustom);
    txtHeight->setEnabled(index == kCustom);
}

void frmResizeCanvas::cmdOK_Click()
{
    const auto refuse = [this](const QString& text, QLineEdit* box) {
        Inform(this, text);
        if (box->isEnabled())
            box->setFocus();
    };
    for (QLineEdit* box : {txtWidth, txtHeight}) {
        if (box->text().trimmed().isEmpty())
            return refuse(T::kSizeEmpty, box);
    }
    const int index = cboImageSize->currentIndex();
    const double width = LeadingNumber(txtWidth->text());
    const double height = LeadingNumber(txtHeight->text());
    if (index == kCustom) {
        // A negative size reads as no size at all.
        if (width <= 0)
            return refuse(T::kSizeZero, txtWidth);
        if (height <= 0)
            return refuse(T::kSizeZero, txtHeight);
    }
    CanvasIndex = qint16(index);
    CanvasWidth = float(width);
    CanvasHeight = float(height);
    Accept();
}

bool frmResizeCanvas::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && (watched == txtWidth || watched == txtHeight)) {
        if (RefusedNumberKey(*static_cast<QKeyEvent*>(event), kNumberCharacters))
            return true;
    }
    return FormDialog::eventFilter(watched, event);
}

}  // namespace scanvo
