// Save-directory dialog.
#include "settings/frmImageDir.h"

#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "control/FormWidgets.h"
#include "control/Prompter.h"
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
    : QDialog(parent), m_Prompter(prompter)
{
    setObjectName(QStringLiteral("frmImageDir"));
    setWindowTitle(T::kImageDirCaption);

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

    cmdOK = new QPushButton(T::kOK, this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(T::kCancel, this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);
    connect(cmdDirectory, &QPushButton::clicked, this, &frmImageDir::cmdDirectory_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmImageDir::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmImageDir::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* main = new QVBoxLayout(this);
    main->addWidget(framImageDir);
    main->addLayout(buttons);
    setMinimumWidth(420);
}

void frmImageDir::showEvent(QShowEvent* event)
{
    // The caller sets SaveDir between construction and showing, so the form is filled here.
    if (!m_Loaded) {
        m_Loaded = true;
        LoadForm();
    }
    QDialog::showEvent(event);
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
        m_Prompter.showMessage(this, T::kCreateDirFailed.arg(error.number).arg(error.text), T::kMessageTitle,
                               MessageIcon::Warning);
        return;
    }
    StoreSetting(g_Settings.Scan.SaveDir, SaveDir);
    accept();
}

void frmImageDir::reject()
{
    // A directory typed but never created or stored is not handed back.
    SaveDir = m_Loaded ? m_CallerSaveDir : SaveDir;
    QDialog::reject();
}

}  // namespace scanvo
