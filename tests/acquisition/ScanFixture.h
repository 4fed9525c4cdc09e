#pragma once
// What the scan and import tests share: a control on a document below a private root, a scripted
// scanner source (or the SANE one), the scripted prompter, and ways to look at the files made.

#include "acquisition/frmScanPara.h"
#include "control/Imaging.h"
#include "fixtures/ScriptedPrompter.h"
#include "platform/engine/Image.h"
#include "platform/scanner/ScriptedScannerSource.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace scanvo::fixtures {

class ScanTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Uses the SANE source instead of the scripted one for controls made from now on.
    void useSaneSource();

    QString rootDir() const { return m_area.path() + QStringLiteral("/root"); }
    QString docDir() const { return rootDir() + QStringLiteral("/doc"); }
    QString docFile(const QString& name) const { return docDir() + u'/' + name; }
    QString areaFile(const QString& name) const { return m_area.path() + u'/' + name; }

    // A page recognisable by its width.
    static engine::Image Page(int width, int depth = 8);
    // Writes a page file (one page, or one page per width for a TIFF) at path.
    static void WriteFile(const QString& path, const QList<int>& widths, int depth = 8);
    // Widths of every page of a file, or of the first page of every file named, in order.
    static QList<int> PageWidths(const QString& path);
    QList<int> FileWidths(const QStringList& names) const;
    // The document's file names in directory order (temporary files included, if any).
    QStringList DocFiles() const;

    // A control opened on document "doc" of type docType, shown; Scan settings as loaded with
    // Scan.ShowScanSetting 0 unless told.
    Imaging& Open(qint16 docType, bool showScanSetting = false);
    ControlState& S() { return m_Control->State(); }
    // Makes page n (or file n of a mixed document) current and shows it, as the page box does.
    void GoToPage(int n);
    void GoToFileNumber(int n);
    // Clicks a button or menu item of tbMain by its key.
    void Click(const char* key);
    bool ActionEnabled(const char* key);

    // A frmScanPara script: runs fill on the shown dialog, then clicks OK (or Cancel).
    static ScriptedPrompter::DialogScript ScanPara(std::function<void(frmScanPara&)> fill, bool ok = true);

    ScriptedPrompter prompter;
    std::unique_ptr<Imaging> m_Control;
    scanner::ScriptedScannerSource* scanner = nullptr;  // owned by the control

private:
    QTemporaryDir m_config;
    QTemporaryDir m_area;
    bool m_sane = false;
};

}  // namespace scanvo::fixtures
