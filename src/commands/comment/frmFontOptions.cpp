// The comment font dialog.
#include "commands/comment/frmFontOptions.h"

#include "commands/comment/CommentTexts.h"
#include "settings/Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace scanvo {

namespace T = comment_texts;

namespace {

QCheckBox* AddCheck(QWidget* frame, QGridLayout* grid, const QString& name, const QString& caption, int row,
                    int column)
{
    auto* check = new QCheckBox(caption, frame);
    check->setObjectName(name);
    grid->addWidget(check, row, column);
    return check;
}

qint16 Flag(const QCheckBox* check)
{
    return check->isChecked() ? 1 : 0;
}

}  // namespace

frmFontOptions::frmFontOptions(QWidget* parent)
    : FormDialog(QStringLiteral("frmFontOptions"), T::kFontCaption, parent)
{
    framFontOptions = new QGroupBox(this);
    framFontOptions->setObjectName(QStringLiteral("framFontOptions"));
    auto* grid = new QGridLayout(framFontOptions);

    lblFontName = new QLabel(T::kFontName, framFontOptions);
    cboFontName = new QComboBox(framFontOptions);
    cboFontName->setObjectName(QStringLiteral("cboFontName"));
    cboFontName->addItems(QFontDatabase::families());
    lblFontName->setBuddy(cboFontName);
    lblFontSize = new QLabel(T::kFontSize, framFontOptions);
    cboFontSize = new QComboBox(framFontOptions);
    cboFontSize->setObjectName(QStringLiteral("cboFontSize"));
    for (int size = kSmallestSize; size <= kLargestSize; ++size)
        cboFontSize->addItem(QString::number(size));
    lblFontSize->setBuddy(cboFontSize);
    grid->addWidget(lblFontName, 0, 0);
    grid->addWidget(cboFontName, 0, 1, 1, 3);
    grid->addWidget(lblFontSize, 1, 0);
    grid->addWidget(cboFontSize, 1, 1, 1, 3);
    chkBold = AddCheck(framFontOptions, grid, QStringLiteral("chkBold"), T::kBold, 2, 0);
    chkItalic = AddCheck(framFontOptions, grid, QStringLiteral("chkItalic"), T::kItalic, 2, 1);
    chkUnderline = AddCheck(framFontOptions, grid, QStringLiteral("chkUnderline"), T::kUnderline, 2, 2);
    chkStrikethrough = AddCheck(framFontOptions, grid, QStringLiteral("chkStrikethrough"), T::kStrikethrough, 2, 3);

    auto* main = new QVBoxLayout(this);
    main->addWidget(framFontOptions);
    main->addLayout(ButtonRow());
    LoadOnce();
}

void frmFontOptions::LoadForm()
{
    const auto& imaging = g_Settings.Imaging;
    // A font that is not installed, or a size the list does not offer, leaves its list without a
    // choice.
    cboFontName->setCurrentIndex(cboFontName->findText(imaging.FontName, Qt::MatchExactly));
    const int size = imaging.FontSize;
    cboFontSize->setCurrentIndex(size >= kSmallestSize && size <= kLargestSize ? size - kSmallestSize : -1);
    chkBold->setChecked(imaging.Bold != 0);
    chkItalic->setChecked(imaging.Italic != 0);
    chkUnderline->setChecked(imaging.Underline != 0);
    chkStrikethrough->setChecked(imaging.Strikethrough != 0);
}

void frmFontOptions::cmdOK_Click()
{
    auto& imaging = g_Settings.Imaging;
    // A list left without a choice keeps the stored value rather than storing nothing at all.
    const QString name = cboFontName->currentIndex() >= 0 ? cboFontName->currentText() : imaging.FontName;
    const qint16 size =
        cboFontSize->currentIndex() >= 0 ? qint16(cboFontSize->currentIndex() + kSmallestSize) : imaging.FontSize;
    StoreSetting(imaging.FontName, name);
    StoreSetting(imaging.FontSize, size);
    StoreSetting(imaging.Bold, Flag(chkBold));
    StoreSetting(imaging.Italic, Flag(chkItalic));
    StoreSetting(imaging.Underline, Flag(chkUnderline));
    StoreSetting(imaging.Strikethrough, Flag(chkStrikethrough));
    Accept();
}

}  // namespace scanvo
