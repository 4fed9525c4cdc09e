// The batch rename dialog and its preview.
#include "document/frmBatchRename.h"

#include "core/FormWidgets.h"
#include "core/IniNumber.h"
#include "core/Routines.h"
#include "document/DocumentNaming.h"
#include "document/FileOperationTexts.h"
#include "settings/Settings.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <limits>

namespace scanvo {

namespace T = file_operation_texts;

namespace {

const QString kDigits = QStringLiteral("0123456789");

QToolButton* ArrowButton(Qt::ArrowType arrow, const QString& name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFixedHeight(12);
    return button;
}

}  // namespace

frmBatchRename::frmBatchRename(QWidget* parent)
    : FormDialog(QStringLiteral("frmBatchRename"), T::kBatchRenameCaption, parent)
{
    framPage = new QGroupBox(this);
    framPage->setObjectName(QStringLiteral("framPage"));
    txtDocNameRule = new CaretAtEndLineEdit(framPage);
    txtDocNameRule->setObjectName(QStringLiteral("txtDocNameRule"));
    txtStart = new CaretAtEndLineEdit(framPage);
    txtStart->setObjectName(QStringLiteral("txtStart"));
    txtStart->installEventFilter(this);
    udStart = new QWidget(framPage);
    udStart->setObjectName(QStringLiteral("udStart"));
    auto* arrows = new QVBoxLayout(udStart);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    QToolButton* up = ArrowButton(Qt::UpArrow, QStringLiteral("up"), udStart);
    QToolButton* down = ArrowButton(Qt::DownArrow, QStringLiteral("down"), udStart);
    arrows->addWidget(up);
    arrows->addWidget(down);
    connect(up, &QToolButton::clicked, this, &frmBatchRename::udStart_Up);
    connect(down, &QToolButton::clicked, this, &frmBatchRename::udStart_Down);

    auto* start = new QHBoxLayout;
    start->setSpacing(0);
    start->addWidget(txtStart);
    start->addWidget(udStart);
    auto* form = new QFormLayout(framPage);
    form->addRow(T::kRuleLabel, txtDocNameRule);
    form->addRow(T::kStartLabel, start);

    lvwFileList = new QTreeWidget(this);
    lvwFileList->setObjectName(QStringLiteral("lvwFileList"));
    lvwFileList->setRootIsDecorated(false);
    lvwFileList->setColumnCount(2);
    lvwFileList->setHeaderLabels({T::kOldNameColumn, T::kNewNameColumn});
    lvwFileList->header()->setSectionResizeMode(QHeaderView::Stretch);
    lvwFileList->setMinimumSize(420, 240);

    auto* main = new QVBoxLayout(this);
    main->addWidget(framPage);
    main->addWidget(lvwFileList, 1);
    main->addLayout(ButtonRow());

    connect(txtDocNameRule, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!text.isEmpty())
            Preview();
    });
    connect(txtStart, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!text.isEmpty())
            Preview();
    });
}

void frmBatchRename::LoadForm()
{
    lvwFileList->clear();
    for (const QString& name : FileList) {
        auto* row = new QTreeWidgetItem(lvwFileList, {name, QString()});
        row->setData(0, Qt::UserRole, name);
    }
    txtStart->setText(QString::number(g_Settings.Scan.FileInitValue));
    txtDocNameRule->setText(DocNameRule);
    Preview();
}

void frmBatchRename::Preview()
{
    const NameRule rule = ParseNameRule(txtDocNameRule->text());
    // The same 32-bit value OK takes, so the preview names are the names the files get.
    qint64 k = IniNumber32(txtStart->text());
    for (int row = 0; row < lvwFileList->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = lvwFileList->topLevelItem(row);
        item->setText(1, RuleFileName(rule, k++, NameExtension(item->text(0))));
    }
}

void frmBatchRename::udStart_Up()
{
    const qint32 value = IniNumber32(txtStart->text());
    if (value < std::numeric_limits<qint32>::max())
        txtStart->setText(QString::number(value + 1));
}

void frmBatchRename::udStart_Down()
{
    const qint32 value = IniNumber32(txtStart->text());
    if (value > 0)
        txtStart->setText(QString::number(value - 1));
}

bool frmBatchRename::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtStart && event->type() == QEvent::KeyPress) {
        if (RefusedByKeyFilter(*static_cast<QKeyEvent*>(event), kDigits))
            return true;
    }
    return FormDialog::eventFilter(watched, event);
}

void frmBatchRename::cmdOK_Click()
{
    LoadOnce();
    DocNameRule = txtDocNameRule->text();
    FileNameInit = IniNumber32(txtStart->text());
    Accept();
}

}  // namespace scanvo
