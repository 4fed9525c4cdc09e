// The rename dialog.
#include "document/frmRename.h"

#include "core/Prompter.h"
#include "document/FileOperationTexts.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace scanvo {

namespace T = file_operation_texts;

namespace {

// Selects the whole name however the box gets the focus, so typing replaces it.
class SelectAllLineEdit final : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        QLineEdit::focusInEvent(event);
        // A mouse press would place the caret after this; select once it has.
        QTimer::singleShot(0, this, &QLineEdit::selectAll);
    }
};

bool NameInUse(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

}  // namespace

frmRename::frmRename(QWidget* parent)
    : FormDialog(QStringLiteral("frmRename"), T::kRenameCaption, parent)
{
    framDirName = new QGroupBox(this);
    framDirName->setObjectName(QStringLiteral("framDirName"));
    lblTitle = new QLabel(T::kRenameLabel, framDirName);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    txtFileName = new SelectAllLineEdit(framDirName);
    txtFileName->setObjectName(QStringLiteral("txtFileName"));
    txtFileName->setMinimumWidth(260);
    auto* row = new QHBoxLayout(framDirName);
    row->addWidget(lblTitle);
    row->addWidget(txtFileName, 1);
    auto* main = new QVBoxLayout(this);
    main->addWidget(framDirName);
    main->addLayout(ButtonRow());
}

void frmRename::LoadForm()
{
    txtFileName->setText(FileName);
    txtFileName->setFocus();
    txtFileName->selectAll();
}

void frmRename::cmdOK_Click()
{
    LoadOnce();
    const QString typed = txtFileName->text();
    const QString name = typed.trimmed();
    // Blanks around the name are dropped when it is used, so the name in use is the trimmed one.
    if (NameInUse(FilePath + typed + u'.' + FileExt) || NameInUse(FilePath + name + u'.' + FileExt)) {
        Inform(this, T::kNameExists);
        return;
    }
    FileName = name;
    Accept();
}

void frmRename::reject()
{
    FileName.clear();
    FormDialog::reject();
}

}  // namespace scanvo
