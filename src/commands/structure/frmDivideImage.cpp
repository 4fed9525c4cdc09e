// The page-dividing dialog.
#include "commands/structure/frmDivideImage.h"

#include "commands/structure/PageStructureTexts.h"
#include "core/FormWidgets.h"
#include "core/IniNumber.h"
#include "platform/engine/ImageViewer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace scanvo {

namespace T = page_structure_texts;

namespace {

constexpr int kDefaultPosition = 50;
const QString kDigits = QStringLiteral("0123456789");

}  // namespace

frmDivideImage::frmDivideImage(QWidget* parent)
    : FormDialog(QStringLiteral("frmDivideImage"), T::kDivideCaption, parent)
{
    cboDivideDirection = new QComboBox(this);
    cboDivideDirection->setObjectName(QStringLiteral("cboDivideDirection"));
    cboDivideDirection->addItems({T::kDivideLeftRight, T::kDivideTopBottom});
    txtDividePosition = new QLineEdit(this);
    txtDividePosition->setObjectName(QStringLiteral("txtDividePosition"));
    txtDividePosition->installEventFilter(this);
    udIncrent = new QSpinBox(this);
    udIncrent->setObjectName(QStringLiteral("udIncrent"));
    udIncrent->setRange(0, 100);
    udIncrent->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    udIncrent->setFixedWidth(udIncrent->sizeHint().height() + 4);
    cboInsertPage = new QComboBox(this);
    cboInsertPage->setObjectName(QStringLiteral("cboInsertPage"));
    chkDelete = new QCheckBox(T::kDeleteOriginal, this);
    chkDelete->setObjectName(QStringLiteral("chkDelete"));

    mtMain = new engine::ImageViewer(this);
    mtMain->setObjectName(QStringLiteral("mtMain"));
    mtMain->setPaintMode(engine::ImageViewer::PaintFitWindow);
    mtMain->setMinimumSize(260, 220);
    linDivide = new QFrame(mtMain->viewport());
    linDivide->setObjectName(QStringLiteral("linDivide"));
    linDivide->setStyleSheet(QStringLiteral("background-color: red;"));

    auto* positionRow = new QHBoxLayout;
    positionRow->addWidget(txtDividePosition);
    positionRow->addWidget(udIncrent);
    auto* form = new QFormLayout;
    form->addRow(T::kDivideDirectionLabel, cboDivideDirection);
    form->addRow(T::kDividePositionLabel, positionRow);
    form->addRow(T::kDivideInsertLabel, cboInsertPage);
    form->addRow(chkDelete);
    auto* options = new QVBoxLayout;
    options->addLayout(form);
    options->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(options);
    body->addWidget(mtMain, 1);
    auto* main = new QVBoxLayout(this);
    main->addLayout(body);
    main->addLayout(ButtonRow());

    connect(cboDivideDirection, &QComboBox::currentIndexChanged, this, &frmDivideImage::cboDivideDirection_Click);
    connect(udIncrent, &QSpinBox::valueChanged, this,
            [this](int value) { txtDividePosition->setText(QString::number(value)); });
    connect(txtDividePosition, &QLineEdit::textChanged, this, &frmDivideImage::txtDividePosition_Change);
    connect(mtMain, &engine::ImageViewer::displayChanged, this, &frmDivideImage::PlaceDivideLine);
    connect(mtMain, &engine::ImageViewer::imageChanged, this, &frmDivideImage::PlaceDivideLine);
}

void frmDivideImage::SetPage(engine::Image page)
{
    mtMain->setImage(std::move(page));
}

void frmDivideImage::LoadForm()
{
    cboInsertPage->clear();
    for (int page = 1; page <= PageCount; ++page)
        cboInsertPage->addItem(QString::number(page));
    cboInsertPage->setCurrentIndex(std::clamp(int(CurrentPage), 1, std::max(1, int(PageCount))) - 1);
    {
        const QSignalBlocker quiet(cboDivideDirection);
        cboDivideDirection->setCurrentIndex(0);
    }
    cboDivideDirection_Click(0);
}

void frmDivideImage::cboDivideDirection_Click(int)
{
    udIncrent->setValue(kDefaultPosition);
    txtDividePosition->setText(QString::number(kDefaultPosition));
    PlaceDivideLine();
}

void frmDivideImage::txtDividePosition_Change()
{
    const int position = std::clamp(int(IniNumber16(txtDividePosition->text())), 0, 100);
    const QSignalBlocker quiet(udIncrent);
    udIncrent->setValue(position);
    PlaceDivideLine();
}

void frmDivideImage::PlaceDivideLine()
{
    const QRect page = mtMain->displayRect();
    if (page.isEmpty()) {
        linDivide->hide();
        return;
    }
    const double fraction = std::clamp(int(IniNumber16(txtDividePosition->text())), 0, 100) / 100.0;
    if (cboDivideDirection->currentIndex() == 1)
        linDivide->setGeometry(page.left(), page.top() + int(page.height() * fraction), page.width(), 1);
    else
        linDivide->setGeometry(page.left() + int(page.width() * fraction), page.top(), 1, page.height());
    linDivide->show();
    linDivide->raise();
}

bool frmDivideImage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtDividePosition && event->type() == QEvent::KeyPress) {
        if (RefusedByKeyFilter(*static_cast<QKeyEvent*>(event), kDigits))
            return true;
    }
    return FormDialog::eventFilter(watched, event);
}

void frmDivideImage::cmdOK_Click()
{
    InserPage = qint16(cboInsertPage->currentIndex() + 1);
    Position = qint16(std::clamp(int(IniNumber16(txtDividePosition->text())), 0, 100));
    Direction = qint16(cboDivideDirection->currentIndex() == 1 ? 1 : 0);
    Delete = chkDelete->isChecked();
    Accept();
}

void frmDivideImage::reject()
{
    InserPage = 0;
    Position = 0;
    FormDialog::reject();
}

}  // namespace scanvo
