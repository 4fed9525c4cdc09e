#include "ControlTestSupport.h"

#include "control/ScannerFactory.h"
#include "platform/engine/Image.h"
#include "platform/engine/ImageFile.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

#include <QDir>

namespace scanvo::fixtures {

void MakeSinglePageDocument(const QString& directory, int count)
{
    ASSERT_TRUE(QDir().mkpath(directory));
    for (int n = 1; n <= count; ++n) {
        engine::SaveOptions options;
        options.format = engine::FormatTiffG4;
        const QString path = QStringLiteral("%1/%2.tif").arg(directory).arg(n, 6, 10, QLatin1Char('0'));
        engine::SavePage(engine::Image::create(64 + n, 48, 1), path, options);
    }
}

void ControlTest::SetUp()
{
    ASSERT_TRUE(m_config.isValid());
    ASSERT_TRUE(m_area.isValid());
    qputenv("SCANVO_CONFIG_DIR", m_config.path().toLocal8Bit());
    g_Settings = SettingsRecord();
    std::shared_ptr<RecordingScanner::Log> log = scannerLog;
    SetScannerSourceFactory([log] { return std::make_unique<RecordingScanner>(log); });
}

void ControlTest::TearDown()
{
    SetScannerSourceFactory({});
    qunsetenv("SCANVO_CONFIG_DIR");
}

QString ControlTest::iniFile() const
{
    return m_config.path() + QStringLiteral("/scanvo.ini");
}

void ControlTest::writeSaveDir(const QString& dir) const
{
    ASSERT_TRUE(WriteIniString(iniFile(), QStringLiteral("Scan"), QStringLiteral("SaveDir"), dir));
}

std::unique_ptr<Imaging> ControlTest::shownControlWithRoot()
{
    writeSaveDir(rootDir());
    auto control = std::make_unique<Imaging>();
    control->show();
    return control;
}

}  // namespace scanvo::fixtures
