// PDF export from tbMain and from the host: which pages, where, progress and cancel, failures, the
// export settings, and when the export is offered.
#include "ControlTestSupport.h"
#include "PdfTools.h"

#include "control/ExportCommands.h"
#include "control/ExportPages.h"
#include "core/CommandKeys.h"
#include "core/CoreTexts.h"
#include "core/FileListView.h"
#include "core/ToolbarKeys.h"
#include "fixtures/PageGenerator.h"
#include "platform/engine/Image.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/ImageViewer.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QImage>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>

namespace scanvo::fixtures {
namespace {

// Long enough for any export of these small documents on a busy machine; a hung export fails the
// test by cancelling it instead of blocking the run.
constexpr int kExportTimeoutMs = 60000;

class ExportTest : public ControlTest {
protected:
    QString docDir() const { return rootDir() + QStringLiteral("/doc"); }
    QString docFile(const QString& name) const { return docDir() + u'/' + name; }
    QString target() const { return areaDir() + QStringLiteral("/out.pdf"); }

    // A file of one page per width (TIFF, or one page of JPEG), told apart by their widths.
    static void writePages(const QString& path, const QList<int>& widths)
    {
        const bool jpeg = path.endsWith(QLatin1String(".jpg"));
        for (qsizetype i = 0; i < widths.size(); ++i) {
            engine::SaveOptions options;
            options.format = jpeg ? engine::FormatJpeg422 : engine::FormatTiffG4;
            options.mode = i == 0 ? engine::SaveNew : engine::SaveAppend;
            engine::SavePage(engine::Image::create(widths[i], 64, jpeg ? 8 : 1), path, options);
        }
    }

    // The control shown on document "doc" of docType, whose files are already written.
    ControlState& open(qint16 docType)
    {
        writeSaveDir(rootDir());
        m_Control = std::make_unique<Imaging>();
        m_Control->setDocName(QStringLiteral("doc"));
        m_Control->setDocType(docType);
        m_Control->resize(900, 700);
        m_Control->show();
        return m_Control->State();
    }
    ControlState& S() { return m_Control->State(); }

    // The page on view edited: width changed, stored as it was read.
    void editShownPage(int width)
    {
        engine::Image edited = engine::Image::create(width, 64, 1);
        edited.setLoadFormat(S().widgets.mtMain->image().loadFormat());
        S().widgets.mtMain->setImage(edited);
        S().doc.m_PageModified = true;
    }

    QAction* mainAction(const char* key) { return FindToolbarAction(S().widgets.tbMain, QString::fromLatin1(key)); }

    // Lets the progress form run until the export ends; cancels it once cancelAfter pages are
    // reported (never with 0).
    void runExport(int cancelAfter = 0)
    {
        prompter.dialogScripts.enqueue([this, cancelAfter](QDialog& dialog) {
            EXPECT_EQ(dialog.objectName(), QStringLiteral("frmExportProgress"));
            auto* pages = dialog.findChild<QProgressBar*>(QStringLiteral("prgPages"));
            auto* cancel = dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"));
            EXPECT_TRUE(pages && cancel);
            if (pages && cancel && cancelAfter > 0) {
                QDialog* form = &dialog;
                QObject::connect(pages, &QProgressBar::valueChanged, cancel, [=, this](int done) {
                    progressTexts.append(form->findChild<QLabel*>(QStringLiteral("lblProgress"))->text());
                    statusTexts.append(statusText());
                    if (done == cancelAfter)
                        cancel->click();
                });
            }
            QTimer::singleShot(kExportTimeoutMs, &dialog, [&dialog] {
                ADD_FAILURE() << "the export did not end in time";
                dialog.reject();
            });
            return dialog.exec();
        });
    }

    // The widths of a PDF file's page images, in page order.
    QList<int> pdfPageWidths(const QString& path) const
    {
        QList<int> widths;
        QTemporaryDir work;
        for (const QImage& image : pdftest::PdfDecodedImages(path, work.path()))
            widths.append(image.width());
        return widths;
    }

    QString statusText() const
    {
        return m_Control->State().widgets.sbTotalInfo->findChild<QLabel*>(QStringLiteral("sbTotalInfoPanel1"))->text();
    }

    std::unique_ptr<Imaging> m_Control;
    // The progress form's and panel 1's texts at each page reported while cancelling.
    QStringList progressTexts;
    QStringList statusTexts;
};

TEST_F(ExportTest, EveryPageInListOrderOrOnlyTheCheckedEntries)
{
    ASSERT_TRUE(QDir().mkpath(docDir()));
    writePages(docFile("a0001.tif"), {101, 102});
    writePages(docFile("a0002.jpg"), {103});
    writePages(docFile("a0003.tif"), {104});
    ControlState& state = open(0);
    ASSERT_EQ(state.widgets.lvwFileList->count(), 3);

    EXPECT_EQ(PlanExport(state.props, state.widgets), (QList<ExportItem>{{docFile("a0001.tif"), 0}, {docFile("a0002.jpg"), 0},
                                                     {docFile("a0003.tif"), 0}}));
    prompter.saveFileAnswers.enqueue(target());
    runExport();
    mainAction(keys::miExportPdf)->trigger();
    EXPECT_EQ(prompter.saveFileProposals, QStringList{rootDir() + QStringLiteral("/doc.pdf")});
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(pdfPageWidths(target()), QList<int>({101, 102, 103, 104}));
    EXPECT_EQ(statusText(), core_texts::kIdleStatus);

    // Checked entries alone, still in list order.
    state.widgets.lvwFileList->setChecked(2, true);
    state.widgets.lvwFileList->setChecked(0, true);
    EXPECT_EQ(PlanExport(state.props, state.widgets), (QList<ExportItem>{{docFile("a0001.tif"), 0}, {docFile("a0003.tif"), 0}}));
    runExport();
    EXPECT_TRUE(m_Control->ExportPdf(target()));
    EXPECT_EQ(pdfPageWidths(target()), QList<int>({101, 102, 104}));
}

TEST_F(ExportTest, PagesOfAMultiPageDocumentAndOfSinglePageFiles)
{
    ASSERT_TRUE(QDir().mkpath(docDir()));
    writePages(docFile("doc.tif"), {101, 102, 103});
    ControlState& multi = open(1);
    multi.widgets.lvwFileList->setChecked(1, true);
    EXPECT_EQ(PlanExport(multi.props, multi.widgets), (QList<ExportItem>{{docFile("doc.tif"), 2}}));
    multi.widgets.lvwFileList->setChecked(1, false);
    EXPECT_EQ(PlanExport(multi.props, multi.widgets).size(), 3);
    EXPECT_EQ(ExportPageRefs(PlanExport(multi.props, multi.widgets)).size(), 3u);
    ASSERT_TRUE(QFile::remove(docFile("doc.tif")));

    writePages(docFile("p0001.tif"), {104});
    writePages(docFile("p0002.tif"), {105, 106});  // a stray second page is not the document's
    ControlState& single = open(2);
    EXPECT_EQ(PlanExport(single.props, single.widgets), (QList<ExportItem>{{docFile("p0001.tif"), 1}, {docFile("p0002.tif"), 1}}));
    runExport();
    EXPECT_TRUE(m_Control->ExportPdf(target()));
    EXPECT_EQ(pdfPageWidths(target()), QList<int>({104, 105}));
}

TEST_F(ExportTest, AModifiedPageIsWrittenBackFirstAndAFailedWriteBackStopsTheExport)
{
    ASSERT_TRUE(QDir().mkpath(docDir()));
    writePages(docFile("p0001.tif"), {101});
    writePages(docFile("p0002.tif"), {102});
    ControlState& state = open(2);
    ASSERT_EQ(state.doc.m_CurrentPage, 2);

    editShownPage(77);
    runExport();
    EXPECT_TRUE(m_Control->ExportPdf(target()));
    EXPECT_FALSE(state.doc.m_PageModified);
    EXPECT_EQ(pdfPageWidths(target()), QList<int>({101, 77}));

    // The page's file can no longer be replaced: a directory stands under its name.
    ASSERT_TRUE(QFile::remove(target()));
    editShownPage(78);
    ASSERT_TRUE(QFile::remove(docFile("p0002.tif")));
    ASSERT_TRUE(QDir(docDir()).mkdir(QStringLiteral("p0002.tif")));
    EXPECT_FALSE(m_Control->ExportPdf(target()));
    EXPECT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.dialogsShown.size(), 1);  // the first export's progress form alone
    EXPECT_FALSE(QFileInfo::exists(target()));
}

TEST_F(ExportTest, ACancelledExportLeavesNoFileAndAnEarlierFileAsItWas)
{
    ASSERT_TRUE(QDir().mkpath(docDir()));
    writePages(docFile("doc.tif"), {101, 102, 103, 104});
    open(1);

    runExport(1);
    EXPECT_FALSE(m_Control->ExportPdf(target()));
    EXPECT_FALSE(QFileInfo::exists(target()));
    EXPECT_EQ(progressTexts, QStringList{QStringLiteral("导出 PDF... 第 1 页 共 4 页")});
    EXPECT_EQ(statusTexts, progressTexts);
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(statusText(), core_texts::kIdleStatus);

    QFile earlier(target());
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();
    runExport(3);
    EXPECT_FALSE(m_Control->ExportPdf(target()));
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), QByteArray("earlier"));

    // A prompter that closes the form at once cancels the export as well.
    QFile::remove(target());
    prompter.dialogScripts.enqueue([](QDialog& dialog) {
        dialog.reject();
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(m_Control->ExportPdf(target()));
    EXPECT_FALSE(QFileInfo::exists(target()));
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(ExportTest, AFailureIsReportedWithItsNumberAndLeavesNothing)
{
    ASSERT_TRUE(QDir().mkpath(docDir()));
    writePages(docFile("p0001.tif"), {101});
    writePages(docFile("p0002.tif"), {102});
    open(2);
    const QString unwritable = areaDir() + QStringLiteral("/missing/out.pdf");
    prompter.saveFileAnswers.enqueue(unwritable);
    runExport();
    mainAction(keys::miExportPdf)->trigger();
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].text.startsWith(QStringLiteral("20005,"))) << prompter.messages[0].text.toStdString();
    EXPECT_EQ(prompter.messages[0].title, core_texts::kTitleError);
    EXPECT_FALSE(QFileInfo::exists(unwritable));
    EXPECT_EQ(statusText(), core_texts::kIdleStatus);

    // A page that cannot be read stops the export: nothing under the target.
    QFile damaged(docFile("p0002.tif"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("II*\0garbage", 11);
    damaged.close();
    runExport();
    EXPECT_FALSE(m_Control->ExportPdf(target()));
    ASSERT_EQ(prompter.messages.size(), 2);
    EXPECT_EQ(prompter.messages[1].title, core_texts::kTitleError);
    EXPECT_FALSE(QFileInfo::exists(target()));
}

TEST_F(ExportTest, OfferedOnlyWithADocument)
{
    ASSERT_TRUE(QDir().mkpath(docDir()));
    auto control = shownControlWithRoot();
    ControlState& state = control->State();
    QAction* exportButton = FindToolbarAction(state.widgets.tbMain, QString::fromLatin1(keys::miExport));
    ASSERT_NE(exportButton, nullptr);
    EXPECT_FALSE(exportButton->isEnabled());
    // As a host calls it.
    bool written = true;
    ASSERT_TRUE(QMetaObject::invokeMethod(control.get(), "ExportPdf", Q_RETURN_ARG(bool, written), Q_ARG(QString, target())));
    EXPECT_FALSE(written);
    EXPECT_TRUE(prompter.dialogsShown.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(target()));
    control.reset();

    writePages(docFile("p0001.tif"), {101});
    open(2);
    EXPECT_TRUE(mainAction(keys::miExport)->isEnabled());
    // On the toolbar itself, not behind its overflow arrow.
    EXPECT_TRUE(S().widgets.tbMain->widgetForAction(mainAction(keys::miExport))->isVisible());
    // Cancelling the save dialog exports nothing.
    mainAction(keys::miExport)->trigger();
    EXPECT_EQ(prompter.saveFileProposals.size(), 1);
    EXPECT_TRUE(prompter.dialogsShown.isEmpty());
}

// Whether a PDF declares PDF/A, and the title it carries, as its XMP metadata says.
QString PdfMetadata(const QString& pdf)
{
    return QString::fromUtf8(pdftest::RunTool(QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), pdf}).out);
}

TEST_F(ExportTest, TheSearchableExportIsPdfAWithTextAndTheHostsOptionsOverrideTheSettings)
{
    ASSERT_TRUE(QDir().mkpath(docDir()));
    testing::PageOptions text;
    text.width = 1240;
    text.height = 700;
    engine::SaveOptions g4;
    g4.format = engine::FormatTiffG4;
    engine::SavePage(testing::GeneratePage(text).page, docFile("p0001.tif"), g4);
    ASSERT_TRUE(WriteIniString(iniFile(), QStringLiteral("Export"), QStringLiteral("Languages"), QStringLiteral("eng")));
    ASSERT_TRUE(WriteIniString(iniFile(), QStringLiteral("Export"), QStringLiteral("PdfA"), QStringLiteral("0")));
    open(2);

    prompter.saveFileAnswers.enqueue(target());
    runExport();
    mainAction(keys::miExportPdfA)->trigger();
    ASSERT_TRUE(prompter.messages.isEmpty()) << prompter.messages.value(0).text.toStdString();
    EXPECT_FALSE(pdftest::Words(pdftest::PdfText(target())).isEmpty());
    EXPECT_TRUE(PdfMetadata(target()).contains(QStringLiteral("<pdfaid:part>2</pdfaid:part>")));
    EXPECT_TRUE(PdfMetadata(target()).contains(QStringLiteral(">doc<")));

    // The plain export follows the settings: no PDF/A, no text.
    prompter.saveFileAnswers.enqueue(target());
    runExport();
    mainAction(keys::miExportPdf)->trigger();
    EXPECT_FALSE(PdfMetadata(target()).contains(QStringLiteral("pdfaid")));
    EXPECT_TRUE(pdftest::Words(pdftest::PdfText(target())).isEmpty());

    // The host's options win over the settings.
    runExport();
    EXPECT_TRUE(m_Control->ExportPdf(target(), {{QStringLiteral("ocr"), true}, {QStringLiteral("pdfa"), true}}));
    EXPECT_TRUE(PdfMetadata(target()).contains(QStringLiteral("pdfaid")));
    EXPECT_FALSE(pdftest::Words(pdftest::PdfText(target())).isEmpty());

    // A language that is not installed is named with its package, and nothing is written.
    ASSERT_TRUE(QFile::remove(target()));
    runExport();
    EXPECT_FALSE(m_Control->ExportPdf(target(), {{QStringLiteral("ocr"), true}, {QStringLiteral("languages"), QStringLiteral("xyz")}}));
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("tesseract-ocr-xyz"))) << prompter.messages[0].text.toStdString();
    EXPECT_FALSE(QFileInfo::exists(target()));
}

TEST_F(ExportTest, TheSettingsDialogStoresLanguagesAndPdfAWhichTheExportsUse)
{
    // Loading the settings adds nothing of the export's to the file.
    auto control = shownControlWithRoot();
    EXPECT_TRUE(GetIniString(iniFile(), QStringLiteral("Export"), QStringLiteral("PdfA")).isEmpty());
    EXPECT_EQ(StoredExportOptions(false).languages, QStringLiteral("chi_sim+eng"));
    EXPECT_TRUE(StoredExportOptions(false).pdfa);

    prompter.dialogScripts.enqueue([](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("frmExportOptions"));
        dialog.show();
        EXPECT_TRUE(dialog.findChild<QRadioButton*>(QStringLiteral("optChineseEnglish"))->isChecked());
        EXPECT_TRUE(dialog.findChild<QCheckBox*>(QStringLiteral("chkPdfA"))->isChecked());
        dialog.findChild<QRadioButton*>(QStringLiteral("optEnglish"))->setChecked(true);
        dialog.findChild<QCheckBox*>(QStringLiteral("chkPdfA"))->setChecked(false);
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        return dialog.result();
    });
    FindToolbarAction(control->State().widgets.tbMain, QString::fromLatin1(keys::miExportSetting))->trigger();
    EXPECT_EQ(GetIniString(iniFile(), QStringLiteral("Export"), QStringLiteral("Languages")), QStringLiteral("eng"));
    EXPECT_EQ(GetIniString(iniFile(), QStringLiteral("Export"), QStringLiteral("PdfA")), QStringLiteral("0"));
    const pdf::PdfOptions plain = StoredExportOptions(false);
    EXPECT_FALSE(plain.ocr);
    EXPECT_FALSE(plain.pdfa);
    const pdf::PdfOptions searchable = StoredExportOptions(true);
    EXPECT_TRUE(searchable.ocr);
    EXPECT_TRUE(searchable.pdfa);
    EXPECT_EQ(searchable.languages, QStringLiteral("eng"));

    // A value that is not a choice reads as the default.
    ASSERT_TRUE(WriteIniString(iniFile(), QStringLiteral("Export"), QStringLiteral("Languages"), QStringLiteral("klingon")));
    EXPECT_EQ(StoredExportOptions(true).languages, QStringLiteral("chi_sim+eng"));
}

}  // namespace
}  // namespace scanvo::fixtures
