// The page chooser: what it offers and what it hands back.
#include "BrowseFixture.h"

#include "viewer/frmGoto.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace scanvo::fixtures {
namespace {

class frmGotoTest : public ::testing::Test {
protected:
    frmGoto dialog;
    QComboBox* pages() const { return dialog.findChild<QComboBox*>(QStringLiteral("cboPages")); }
    QStringList items() const
    {
        QStringList texts;
        for (int i = 0; i < pages()->count(); ++i)
            texts.append(pages()->itemText(i));
        return texts;
    }
    void click(const char* button) { dialog.findChild<QPushButton*>(QString::fromLatin1(button))->click(); }
};

TEST_F(frmGotoTest, AMultiPageFileOffersPageNumbers)
{
    dialog.DocType = 1;
    dialog.PageCount = 3;
    dialog.CurrentPage = 2;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("翻到..."));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lblTitle"))->text(),
              QStringLiteral("翻到第                               页"));
    EXPECT_EQ(items(), QStringList({"1", "2", "3"}));
    EXPECT_EQ(pages()->currentText(), QStringLiteral("2"));
}

TEST_F(frmGotoTest, OtherDocumentsOfferNumberAndFileName)
{
    dialog.DocType = 2;
    dialog.PageCount = 2;
    dialog.CurrentPage = 2;
    dialog.FileList = {"/root/doc/scan0001.tif", "/root/doc/scan0002.tif"};
    dialog.show();
    EXPECT_EQ(items(), QStringList({"1/scan0001.tif", "2/scan0002.tif"}));
    EXPECT_EQ(pages()->currentText(), QStringLiteral("2/scan0002.tif"));

    pages()->setCurrentIndex(0);
    click("cmdOK");
    EXPECT_EQ(dialog.CurrentPage, 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(frmGotoTest, CancelAndTheCloseBoxReturnZero)
{
    dialog.DocType = 1;
    dialog.PageCount = 4;
    dialog.CurrentPage = 3;
    dialog.show();
    click("cmdCancel");
    EXPECT_EQ(dialog.CurrentPage, 0);

    frmGoto closed;
    closed.DocType = 1;
    closed.PageCount = 4;
    closed.CurrentPage = 3;
    closed.show();
    closed.close();
    EXPECT_EQ(closed.CurrentPage, 0);
    EXPECT_FALSE(closed.isVisible());
}

TEST_F(frmGotoTest, OnlyDigitsCanBeTyped)
{
    dialog.DocType = 1;
    dialog.PageCount = 20;
    dialog.CurrentPage = 1;
    dialog.show();
    pages()->lineEdit()->clear();
    QTest::keyClicks(pages()->lineEdit(), QStringLiteral("1a/2-"));
    EXPECT_EQ(pages()->currentText(), QStringLiteral("12"));
    QTest::keyClick(pages()->lineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(pages()->currentText(), QStringLiteral("1"));
    click("cmdOK");
    EXPECT_EQ(dialog.CurrentPage, 1);
}

TEST_F(frmGotoTest, ThePageMoveCommandRelabelsIt)
{
    dialog.SetTexts(QStringLiteral("改到..."), QStringLiteral("改到第                               页"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("改到..."));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lblTitle"))->text(),
              QStringLiteral("改到第                               页"));
}

}  // namespace
}  // namespace scanvo::fixtures
