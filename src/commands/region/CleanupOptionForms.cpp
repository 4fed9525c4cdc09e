// The cleanup filters' option forms.
#include "commands/region/CleanupOptionForms.h"

#include "commands/CommandTexts.h"
#include "settings/CleanupSettings.h"
#include "settings/Settings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace scanvo {

namespace T = command_texts;

namespace {

QString Text(qint16 value)
{
    return QString::number(value);
}

qint16 Ticked(const QCheckBox* box)
{
    return box->isChecked() ? 1 : 0;
}

}  // namespace

// ---- frmDotRemoveOptions

frmDotRemoveOptions::frmDotRemoveOptions(QWidget* parent)
    : OptionForm(QStringLiteral("frmDotRemoveOptions"), T::kDotCaption, parent)
{
    chkOnePixel = new QCheckBox(T::kDotOnePixel, this);
    chkOnePixel->setObjectName(QStringLiteral("chkOnePixel"));
    chkCustom = new QCheckBox(T::kDotCustom, this);
    chkCustom->setObjectName(QStringLiteral("chkCustom"));
    QGridLayout* grid = nullptr;
    QGroupBox* sizes = AddFrame(T::kDotFrame, grid);
    AddValue(grid, 0, 0, T::kDotMinWidth, T::kUnitPixels);
    AddValue(grid, 1, 1, T::kDotMinHeight, T::kUnitPixels);
    AddValue(grid, 2, 2, T::kDotMaxWidth, T::kUnitPixels);
    AddValue(grid, 3, 3, T::kDotMaxHeight, T::kUnitPixels);
    auto* main = new QVBoxLayout(this);
    main->addWidget(chkOnePixel);
    main->addWidget(chkCustom);
    main->addWidget(sizes);
    main->addLayout(ButtonRow());
    LoadOnce();
}

void frmDotRemoveOptions::LoadForm()
{
    const auto& s = g_Settings.Imaging;
    chkOnePixel->setChecked(s.Despeckle == 1);
    chkCustom->setChecked(s.Dot == 1);
    txtValue[0]->setText(Text(s.MinimumDotWidth));
    txtValue[1]->setText(Text(s.MinimumDotHeight));
    txtValue[2]->setText(Text(s.MaximumDotWidth));
    txtValue[3]->setText(Text(s.MaximumDotHeight));
}

void frmDotRemoveOptions::cmdOK_Click()
{
    if (!RequireFilled({0, 1, 2, 3}))
        return;
    auto& s = g_Settings.Imaging;
    StoreSetting(s.Despeckle, Ticked(chkOnePixel));
    StoreSetting(s.Dot, Ticked(chkCustom));
    StoreSetting(s.MinimumDotWidth, BoxValue(txtValue[0]));
    StoreSetting(s.MinimumDotHeight, BoxValue(txtValue[1]));
    StoreSetting(s.MaximumDotWidth, BoxValue(txtValue[2]));
    StoreSetting(s.MaximumDotHeight, BoxValue(txtValue[3]));
    Accept();
}

// ---- frmBorderRemoveOptions

frmBorderRemoveOptions::frmBorderRemoveOptions(QWidget* parent)
    : OptionForm(QStringLiteral("frmBorderRemoveOptions"), T::kBorderCaption, parent)
{
    QGridLayout* sides = nullptr;
    QGroupBox* location = AddFrame(T::kFrameLocation, sides);
    const QString captions[] = {T::kSideLeft, T::kSideRight, T::kSideTop, T::kSideBottom};
    for (int i = 0; i < 4; ++i) {
        chkLocation[i] = AddCheck(QStringLiteral("chkLocation"), i, captions[i]);
        sides->addWidget(chkLocation[i], i / 2, i % 2);
    }
    QGridLayout* grid = nullptr;
    QGroupBox* options = AddFrame(T::kFrameOptions, grid);
    AddValue(grid, 0, 0, T::kBorderPercent, T::kUnitPercent);
    AddValue(grid, 1, 1, T::kBorderWhiteNoise, T::kUnitPixels);
    AddValue(grid, 2, 2, T::kBorderVariance, T::kUnitPixels);
    auto* main = new QVBoxLayout(this);
    main->addWidget(location);
    main->addWidget(options);
    main->addLayout(ButtonRow());
    LoadOnce();
}

void frmBorderRemoveOptions::LoadForm()
{
    const auto& s = g_Settings.Imaging;
    TickBoxes(chkLocation, TickedTokens(BorderTokens(), s.BorderLocation));
    txtValue[0]->setText(Text(s.BorderPercent));
    txtValue[1]->setText(Text(s.WhiteNoiseLength));
    txtValue[2]->setText(Text(s.BorderVariance));
}

void frmBorderRemoveOptions::cmdOK_Click()
{
    if (!RequireFilled({0, 1, 2}) || !RequireTicked(chkLocation))
        return;
    auto& s = g_Settings.Imaging;
    StoreSetting(s.BorderLocation, TokenListText(BorderTokens(), TickedBoxes(chkLocation)));
    StoreSetting(s.BorderPercent, BoxValue(txtValue[0]));
    StoreSetting(s.WhiteNoiseLength, BoxValue(txtValue[1]));
    StoreSetting(s.BorderVariance, BoxValue(txtValue[2]));
    Accept();
}

// ---- frmLineRemoveOptions

frmLineRemoveOptions::frmLineRemoveOptions(QWidget* parent)
    : OptionForm(QStringLiteral("frmLineRemoveOptions"), T::kLineCaption, parent)
{
    QGridLayout* directions = nullptr;
    QGroupBox* orientation = AddFrame(T::kLineDirectionFrame, directions);
    chkOrientation[0] = AddCheck(QStringLiteral("chkOrientation"), 0, T::kLineHorizontal);
    chkOrientation[1] = AddCheck(QStringLiteral("chkOrientation"), 1, T::kLineVertical);
    directions->addWidget(chkOrientation[0], 0, 0);
    directions->addWidget(chkOrientation[1], 0, 1);

    QGridLayout* sizeGrid = nullptr;
    QGroupBox* sizes = AddFrame(T::kLineSizeFrame, sizeGrid);
    AddValue(sizeGrid, 0, 0, T::kLineMinLength, T::kUnitPixels);
    AddValue(sizeGrid, 1, 1, T::kLineMaxWidth, T::kUnitPixels);
    AddValue(sizeGrid, 2, 2, T::kLineWallHeight, T::kUnitPixels);
    AddValue(sizeGrid, 3, 3, T::kLineMaxWallPercent, T::kUnitPercent);

    QGridLayout* optionalGrid = nullptr;
    QGroupBox* optional = AddFrame(T::kLineOptionalFrame, optionalGrid);
    chkOptional[0] = AddCheck(QStringLiteral("chkOptional"), 0, T::kLineVariance);
    chkOptional[1] = AddCheck(QStringLiteral("chkOptional"), 1, T::kLineMaxGap);
    chkOptional[2] = AddCheck(QStringLiteral("chkOptional"), 2, T::kLineRemoveEntire);
    // The two optional values have their check box for a label: the box sits beside it.
    QGridLayout* valueGrid = new QGridLayout;
    AddValue(valueGrid, 0, 4, QString(), T::kUnitPixels);
    AddValue(valueGrid, 1, 5, QString(), T::kUnitPixels);
    optionalGrid->addWidget(chkOptional[0], 0, 0);
    optionalGrid->addWidget(chkOptional[1], 1, 0);
    optionalGrid->addLayout(valueGrid, 0, 1, 2, 1);
    optionalGrid->addWidget(chkOptional[2], 2, 0);
    for (int i = 0; i < 2; ++i)
        connect(chkOptional[i], &QCheckBox::clicked, this, [this, i] { chkOptional_Click(i); });

    auto* main = new QVBoxLayout(this);
    main->addWidget(orientation);
    main->addWidget(sizes);
    main->addWidget(optional);
    main->addLayout(ButtonRow());
    LoadOnce();
}

void frmLineRemoveOptions::LoadForm()
{
    const auto& s = g_Settings.Imaging;
    TickBoxes(chkOrientation, TickedTokens(LineTokens(), s.LineLocation));
    txtValue[0]->setText(Text(s.MinimumLineLength));
    txtValue[1]->setText(Text(s.MaximumLineWidth));
    txtValue[2]->setText(Text(s.WallHeight));
    txtValue[3]->setText(Text(s.MaxWallPercent));
    const qint16 optionalValues[] = {s.LineVariance, s.MaximumGap};
    for (int i = 0; i < 2; ++i) {
        const bool used = optionalValues[i] != -1;
        chkOptional[i]->setChecked(used);
        txtValue[4 + i]->setEnabled(used);
        txtValue[4 + i]->setText(used ? Text(optionalValues[i]) : QString());
    }
    chkOptional[2]->setChecked(s.RemoveEntireLine == 1);
}

void frmLineRemoveOptions::chkOptional_Click(int index)
{
    ValueBox* box = txtValue[4 + index];
    box->setEnabled(!box->isEnabled());
    if (box->isEnabled())
        box->setFocus(Qt::OtherFocusReason);
}

void frmLineRemoveOptions::cmdOK_Click()
{
    if (!RequireFilled({0, 1, 2, 3}) || !RequireTicked(chkOrientation))
        return;
    for (int i = 0; i < 2; ++i) {
        if (chkOptional[i]->isChecked() && !RequireFilled({4 + i}))
            return;
    }
    auto& s = g_Settings.Imaging;
    const auto optionalValue = [this](int i) {
        return chkOptional[i]->isChecked() ? BoxValue(txtValue[4 + i]) : qint16(-1);
    };
    StoreSetting(s.LineLocation, TokenListText(LineTokens(), TickedBoxes(chkOrientation)));
    StoreSetting(s.MinimumLineLength, BoxValue(txtValue[0]));
    StoreSetting(s.MaximumLineWidth, BoxValue(txtValue[1]));
    StoreSetting(s.WallHeight, BoxValue(txtValue[2]));
    StoreSetting(s.MaxWallPercent, BoxValue(txtValue[3]));
    StoreSetting(s.LineVariance, optionalValue(0));
    StoreSetting(s.MaximumGap, optionalValue(1));
    StoreSetting(s.RemoveEntireLine, Ticked(chkOptional[2]));
    Accept();
}

// ---- frmHolePunchRemoveOptions

namespace {

// The option boxes in form order, with the token each stands for in HolePunchOptionTokens().
enum HoleOption { UseSize = 0, UseLocation = 1, UseCount = 2 };

}  // namespace

frmHolePunchRemoveOptions::frmHolePunchRemoveOptions(QWidget* parent)
    : OptionForm(QStringLiteral("frmHolePunchRemoveOptions"), T::kHoleCaption, parent)
{
    QGridLayout* optionGrid = nullptr;
    QGroupBox* options = AddFrame(T::kHoleOptionsFrame, optionGrid);
    const QString optionCaptions[] = {T::kHoleUseSize, T::kHoleUseLocation, T::kHoleUseCount};
    for (int i = 0; i < 3; ++i) {
        chkOptional[i] = AddCheck(QStringLiteral("chkOptional"), i, optionCaptions[i]);
        optionGrid->addWidget(chkOptional[i], i, 0);
        connect(chkOptional[i], &QCheckBox::clicked, this, [this, i] { EnableGroup(i); });
    }

    QGridLayout* sizeGrid = nullptr;
    QGroupBox* sizes = AddFrame(T::kHoleSizeFrame, sizeGrid);
    AddValue(sizeGrid, 0, 0, T::kHoleMinWidth, T::kUnitPixels);
    AddValue(sizeGrid, 1, 1, T::kHoleMinHeight, T::kUnitPixels);
    AddValue(sizeGrid, 2, 2, T::kHoleMaxWidth, T::kUnitPixels);
    AddValue(sizeGrid, 3, 3, T::kHoleMaxHeight, T::kUnitPixels);

    QGridLayout* sides = nullptr;
    QGroupBox* location = AddFrame(T::kHoleLocationFrame, sides);
    const QString sideCaptions[] = {T::kSideLeft, T::kSideRight, T::kSideTop, T::kSideBottom};
    for (int i = 0; i < 4; ++i) {
        chkLocation[i] = AddCheck(QStringLiteral("chkLocation"), i, sideCaptions[i]);
        sides->addWidget(chkLocation[i], i / 2, i % 2);
    }

    QGridLayout* countGrid = nullptr;
    QGroupBox* counts = AddFrame(T::kHoleCountFrame, countGrid);
    AddValue(countGrid, 0, 4, T::kHoleMinCount, T::kUnitCount);
    AddValue(countGrid, 1, 5, T::kHoleMaxCount, T::kUnitCount);

    auto* main = new QVBoxLayout(this);
    main->addWidget(options);
    main->addWidget(sizes);
    main->addWidget(location);
    main->addWidget(counts);
    main->addLayout(ButtonRow());
    LoadOnce();
}

void frmHolePunchRemoveOptions::LoadForm()
{
    const auto& s = g_Settings.Imaging;
    TickBoxes(chkOptional, TickedTokens(HolePunchOptionTokens(), s.HolePunchRemovalFlag));
    TickBoxes(chkLocation, TickedTokens(HolePunchSideTokens(), s.HolePunchLocation));
    txtValue[0]->setText(Text(s.MinimumHolePunchWidth));
    txtValue[1]->setText(Text(s.MinimumHolePunchHeight));
    txtValue[2]->setText(Text(s.MaximumHolePunchWidth));
    txtValue[3]->setText(Text(s.MaximumHolePunchHeight));
    txtValue[4]->setText(Text(s.MinimumHolePunchs));
    txtValue[5]->setText(Text(s.MaximumHolePunchs));
    for (int i = 0; i < 3; ++i)
        EnableGroup(i);
}

void frmHolePunchRemoveOptions::EnableGroup(int option)
{
    const bool on = chkOptional[option]->isChecked();
    switch (option) {
    case UseSize:
        for (int i = 0; i < 4; ++i)
            txtValue[i]->setEnabled(on);
        break;
    case UseLocation:
        for (QCheckBox* side : chkLocation)
            side->setEnabled(on);
        break;
    default:
        txtValue[4]->setEnabled(on);
        txtValue[5]->setEnabled(on);
        break;
    }
}

void frmHolePunchRemoveOptions::cmdOK_Click()
{
    const bool size = chkOptional[UseSize]->isChecked();
    const bool location = chkOptional[UseLocation]->isChecked();
    const bool count = chkOptional[UseCount]->isChecked();
    if (size && !RequireFilled({0, 1, 2, 3}))
        return;
    if (location && !RequireTicked(chkLocation))
        return;
    if (count) {
        if (!RequireFilled({4}))
            return;
        if (BoxValue(txtValue[4]) < 2) {
            Refuse(T::kHoleCountTooSmall, txtValue[4]);
            return;
        }
        if (!RequireFilled({5}))
            return;
    }
    // A group whose option is clear keeps its stored values; every key is written all the same.
    auto& s = g_Settings.Imaging;
    StoreSetting(s.HolePunchRemovalFlag, TokenListText(HolePunchOptionTokens(), TickedBoxes(chkOptional)));
    StoreSetting(s.HolePunchLocation,
                 location ? TokenListText(HolePunchSideTokens(), TickedBoxes(chkLocation)) : s.HolePunchLocation);
    const auto value = [this](bool used, int i, qint16 stored) { return used ? BoxValue(txtValue[i]) : stored; };
    StoreSetting(s.MinimumHolePunchWidth, value(size, 0, s.MinimumHolePunchWidth));
    StoreSetting(s.MinimumHolePunchHeight, value(size, 1, s.MinimumHolePunchHeight));
    StoreSetting(s.MaximumHolePunchWidth, value(size, 2, s.MaximumHolePunchWidth));
    StoreSetting(s.MaximumHolePunchHeight, value(size, 3, s.MaximumHolePunchHeight));
    StoreSetting(s.MinimumHolePunchs, value(count, 4, s.MinimumHolePunchs));
    StoreSetting(s.MaximumHolePunchs, value(count, 5, s.MaximumHolePunchs));
    Accept();
}

}  // namespace scanvo
