// The page-uniting dialog.
#include "commands/structure/frmCombinePara.h"

#include "commands/structure/PageStructureTexts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include <algorithm>

namespace scanvo {

namespace T = page_structure_texts;

namespace {

QComboBox* PageList(QWidget* parent, const char* name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

// Selects page n (1-based) of a page list, clamped to its entries.
void SelectPage(QComboBox* box, int n)
{
    box->setCurrentIndex(std::clamp(n, 1, std::max(1, box->count())) - 1);
}

}  // namespace

frmCombinePara::frmCombinePara(QWidget* parent)
    : FormDialog(QStringLiteral("frmCombinePara"), T::kCombineCaption, parent)
{
    auto* framCombineOptions = new QGroupBox(this);
    framCombineOptions->setObjectName(QStringLiteral("framCombineOptions"));
    cboFirstPage = PageList(framCombineOptions, "cboFirstPage");
    cboSecondPage = PageList(framCombineOptions, "cboSecondPage");
    cboInsertPage = PageList(framCombineOptions, "cboInsertPage");
    cboOrientation = PageList(framCombineOptions, "cboOrientation");
    cboOrientation->addItems({T::kLeftRight, T::kTopBottom});

    auto* form = new QFormLayout(framCombineOptions);
    form->addRow(T::kFirstPageLabel, cboFirstPage);
    form->addRow(T::kSecondPageLabel, cboSecondPage);
    form->addRow(T::kCombineInsertLabel, cboInsertPage);
    form->addRow(T::kOrientationLabel, cboOrientation);
    auto* main = new QVBoxLayout(this);
    main->addWidget(framCombineOptions);
    main->addLayout(ButtonRow());
}

void frmCombinePara::LoadForm()
{
    for (QComboBox* box : {cboFirstPage, cboSecondPage, cboInsertPage}) {
        box->clear();
        for (int page = 1; page <= PageCount; ++page)
            box->addItem(QString::number(page));
    }
    SelectPage(cboFirstPage, CurrentPage);
    SelectPage(cboSecondPage, CurrentPage < PageCount ? CurrentPage + 1 : CurrentPage);
    SelectPage(cboInsertPage, CurrentPage + 1);
    cboOrientation->setCurrentIndex(0);
}

void frmCombinePara::cmdOK_Click()
{
    const int first = cboFirstPage->currentIndex() + 1;
    const int second = cboSecondPage->currentIndex() + 1;
    const int insert = cboInsertPage->currentIndex() + 1;
    if (first < 1 || first > PageCount - 1 || second < 1 || second > PageCount || insert < 1 || insert > PageCount)
        return;
    FirstPage = qint16(first);
    SecondPage = qint16(second);
    InsertPage = qint16(insert);
    Orientation = qint16(cboOrientation->currentIndex() == 1 ? 2 : 1);
    Accept();
}

void frmCombinePara::reject()
{
    FirstPage = SecondPage = InsertPage = Orientation = 0;
    FormDialog::reject();
}

}  // namespace scanvo
