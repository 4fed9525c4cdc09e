#include "EditFixture.h"

#include "control/ScannerFactory.h"
#include "core/DocumentType.h"
#include "core/StatusPanels.h"
#include "core/ToolbarKeys.h"
#include "platform/engine/ImageFile.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

#include <QAction>
#include <QLabel>
#include <QTest>

namespace scanvo::fixtures {

engine::Image PatternPage(int width, int height, int depth, int seed)
{
    QImage drawn(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int v = (x * 37 + y * 11 + seed * 5 + (x * y) % 7) & 255;
            drawn.setPixel(x, y, qRgb(v, (v * 3 + y) & 255, (x ^ (y + seed)) & 255));
        }
    if (depth == 1) {
        // A checker of uneven cells: black and white both, no symmetry a rotation could hide.
        QImage mono(width, height, QImage::Format_Mono);
        mono.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                mono.setPixel(x, y, ((x / 3 + y / 5 + seed) % 3 == 0) || (x == y) ? 1 : 0);
        return engine::Image::fromQImage(mono);
    }
    engine::Image page = engine::Image::fromQImage(depth == 8 ? drawn.convertToFormat(QImage::Format_Grayscale8) : drawn);
    page.setResolution(300, 300);
    return page;
}

void EditTest::SetUp()
{
    BrowseTest::SetUp();
    SetScannerSourceFactory([] { return std::unique_ptr<scanner::ScannerSource>(); });
    ASSERT_TRUE(WriteIniString(IniFilePath(), QStringLiteral("Scan"), QStringLiteral("SaveDir"), state.props.m_LocalPath));
}

void EditTest::TearDown()
{
    control.reset();
    SetScannerSourceFactory({});
    BrowseTest::TearDown();
}

ControlState& EditTest::open(const std::vector<engine::Image>& pages)
{
    documentDir();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        engine::SaveOptions options;
        options.format = pages[i].depth() == 1 ? engine::FormatTiffG4 : engine::FormatTiffLzw;
        engine::SavePage(pages[i], documentFile(QStringLiteral("scan%1.tif").arg(i + 1)), options);
    }
    return showControl(DocTypeSinglePageTiff);
}

ControlState& EditTest::showControl(qint16 docType)
{
    WriteImagePos(state.props.m_DocName, 1);
    control = std::make_unique<Imaging>();
    control->setDocType(docType);
    control->setDocName(state.props.m_DocName);
    control->resize(1000, 760);
    control->show();
    control->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(control.get(), 5000));
    return control->State();
}

void EditTest::click(QToolBar* toolbar, const char* key)
{
    ASSERT_TRUE(ClickToolbarKey(toolbar, QString::fromLatin1(key))) << key << " is disabled or missing";
}

bool EditTest::enabled(QToolBar* toolbar, const char* key)
{
    QAction* action = FindToolbarAction(toolbar, QString::fromLatin1(key));
    return action && action->isEnabled();
}

QString EditTest::statusText()
{
    QLabel* panel = StatusPanel(shown().widgets, 1);
    return panel ? panel->text() : QString();
}

}  // namespace scanvo::fixtures
