// Save-directory dialog.
#include "settings/frmImageDir.h"

#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/FormWidgets.h"
#include "core/Prompter.h"
#include "settings/BrowseForFolder.h"
#include "settings/DirectoryLevels.h"
#include "settings/Settings.h"
#include "settings/SettingsTexts.h"

namespace scanvo {

namespace T = settings_texts;

namespace {

QString DefaultSaveDir()
{
    return QDir::homePath() + QStringLiteral("/Scans");
}

}  // namespace

frmImageDir::frmImageDir(Prompter& prompter, QWidget* parent)
    : FormDialog(QStringLiteral("frmImageDir"), T::kImageDirCaption, parent), m_Prompter(prompter)
{
    framImageDir = new QGroupBox(this);
    framImageDir->setObjectName(QStringLiteral("framImageDir"));
    txtDirectory = new CaretAtEndLineEdit(framImageDir);
    txtDirectory->setObjectName(QStringLiteral("txtDirectory"));
    cmdDirectory = new QPushButton(T::kBrowseButton, framImageDir);
    cmdDirectory->setObjectName(QStringLiteral("cmdDirectory"));
    cmdDirectory->setAutoDefault(false);
    lblTitle = new QLabel(T::kImageDirHint, framImageDir);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setWordWrap(true);

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(txtDirectory, 1);
    pathRow->addWidget(cmdDirectory);
    auto* frameLayout = new QVBoxLayout(framImageDir);
    frameLayout->addLayout(pathRow);
    frameLayout->addWidget(lblTitle);

    connect(cmdDirectory, &QPushButton::clicked, this, &frmImageDir::cmdDirectory_Click);

    auto* main = new QVBoxLayout(this);
    main->addWidget(framImageDir);
    main->addLayout(ButtonRow());
    setMinimumWidth(420);
}

void frmImageDir::LoadForm()
{
    m_CallerSaveDir = SaveDir;
    txtDirectory->setText(SaveDir.isEmpty() ? DefaultSaveDir() : SaveDir);
}

void frmImageDir::cmdDirectory_Click()
{
    const QString chosen = BrowseForFolder(m_Prompter, this, T::kBrowseTitle);
    if (!chosen.isEmpty())
        txtDirectory->setText(chosen);
}

void frmImageDir::cmdOK_Click()
{
    SaveDir = SlashSeparatedPath(txtDirectory->text());
    DirectoryError error;
    if (!MakeDirectoryLevels(SaveDir, &error)) {
        Inform(this, T::kCreateDirFailed.arg(error.number).arg(error.text), MessageIcon::Warning, m_Prompter);
        return;
    }
    StoreSetting(g_Settings.Scan.SaveDir, SaveDir);
    Accept();
}

void frmImageDir::reject()
{
    // A directory typed but never created or stored is not handed back.
    SaveDir = IsLoaded() ? m_CallerSaveDir : SaveDir;
    FormDialog::reject();
}

}  // namespace scanvo
