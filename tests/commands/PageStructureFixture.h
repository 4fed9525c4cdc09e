#pragma once
// A control on a document whose pages are told apart by their width, for the page structure
// commands: single-page or multi-page documents, and the dialogs of delete, move, unite and divide
// answered as the user would.

#include "EditFixture.h"

#include "commands/structure/PageStructure.h"
#include "commands/structure/PageStructureTexts.h"
#include "core/CommandKeys.h"
#include "core/CoreTexts.h"
#include "core/DocumentType.h"
#include "document/DocumentNaming.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/ops/Canvas.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "viewer/PageDisplay.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace scanvo::fixtures {

namespace T = page_structure_texts;

// Every page is told apart by its width: page n of a test document is 100 + n pixels wide.
inline engine::Image NumberedPage(int n, int depth = 8)
{
    return PatternPage(100 + n, 60, depth, n);
}

inline int NumberOf(const engine::Image& page)
{
    return page.width() - 100;
}

class PageStructureTest : public EditTest {
protected:
    // Pages 1..count as single-page TIFF files scan1.tif ... (type 2).
    ControlState& openSinglePages(int count, int depth = 8)
    {
        std::vector<engine::Image> pages;
        for (int n = 1; n <= count; ++n)
            pages.push_back(NumberedPage(n, depth));
        return open(pages);
    }

    QString multiPagePath() { return MultiPageFilePath(documentDir() + u'/', state.props.m_DocName); }

    // Pages 1..count in one multi-page TIFF, opened as docType (1, or 0 for a mixed document).
    ControlState& openMultiPage(int count, qint16 docType, int depth = 1)
    {
        documentDir();
        for (int n = 1; n <= count; ++n) {
            engine::SaveOptions options;
            options.format = depth == 1 ? engine::FormatTiffG4 : engine::FormatTiffLzw;
            options.mode = engine::SaveAppend;
            engine::SavePage(NumberedPage(n, depth), multiPagePath(), options);
        }
        return showControl(docType);
    }

    // The page numbers a multi-page file holds, in order.
    static QList<int> PagesOf(const QString& path)
    {
        QList<int> numbers;
        for (int p = 1, n = engine::PageCount(path); p <= n; ++p)
            numbers << NumberOf(engine::LoadPage(path, p));
        return numbers;
    }

    // The page numbers of the document's single-page files, in list order.
    static QList<int> PagesOf(const ControlState& s)
    {
        QList<int> numbers;
        for (const QString& file : s.doc.m_Files.toList())
            numbers << NumberOf(engine::LoadPage(file));
        return numbers;
    }

    QStringList fileNames()
    {
        return QDir(documentDir()).entryList(QDir::Files, QDir::Name);
    }

    // Page n on view, as the page keys leave it.
    static void goTo(ControlState& s, qint16 n)
    {
        s.doc.m_CurrentPage = n;
        ShowPage(s, n);
    }

    void deleteConfirmed(ControlState& s)
    {
        prompter.yesNoAnswers.enqueue(true);
        click(s.widgets.tbImaging, keys::miDelete);
    }

    // Answers frmGoto with target (0 cancels).
    void moveTo(ControlState& s, int target)
    {
        prompter.dialogScripts.enqueue([target](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), T::kMoveCaption);
            if (target == 0) {
                dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
            } else {
                dialog.findChild<QComboBox*>(QStringLiteral("cboPages"))->setEditText(QString::number(target));
                dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
            }
            return dialog.result();
        });
        click(s.widgets.tbImaging, keys::miMove);
    }

    // Answers frmCombinePara: pages first and second united (orientation 1 left-right, 2 top-bottom)
    // after page insert; first 0 cancels.
    void unite(ControlState& s, int first, int second = 0, int insert = 0, int orientation = 1)
    {
        prompter.dialogScripts.enqueue([=](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), T::kCombineCaption);
            dialog.show();
            if (first == 0) {
                dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
                return dialog.result();
            }
            dialog.findChild<QComboBox*>(QStringLiteral("cboFirstPage"))->setCurrentIndex(first - 1);
            dialog.findChild<QComboBox*>(QStringLiteral("cboSecondPage"))->setCurrentIndex(second - 1);
            dialog.findChild<QComboBox*>(QStringLiteral("cboInsertPage"))->setCurrentIndex(insert - 1);
            dialog.findChild<QComboBox*>(QStringLiteral("cboOrientation"))->setCurrentIndex(orientation - 1);
            dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
            return dialog.result();
        });
        click(s.widgets.tbImaging, keys::miUnite);
    }

    // Answers frmDivideImage: the page on view cut at percent (direction 0 left-right, 1
    // top-bottom), the parts after page insert, the page itself deleted when asked; percent -1
    // cancels.
    void divide(ControlState& s, int percent, int direction = 0, int insert = 0, bool deleteOriginal = false)
    {
        prompter.dialogScripts.enqueue([=](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), T::kDivideCaption);
            dialog.show();
            if (percent < 0) {
                dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
                return dialog.result();
            }
            dialog.findChild<QComboBox*>(QStringLiteral("cboDivideDirection"))->setCurrentIndex(direction);
            dialog.findChild<QLineEdit*>(QStringLiteral("txtDividePosition"))->setText(QString::number(percent));
            if (insert > 0)
                dialog.findChild<QComboBox*>(QStringLiteral("cboInsertPage"))->setCurrentIndex(insert - 1);
            dialog.findChild<QCheckBox*>(QStringLiteral("chkDelete"))->setChecked(deleteOriginal);
            dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
            return dialog.result();
        });
        click(s.widgets.tbImaging, keys::miDivide);
    }
};

}  // namespace scanvo::fixtures
