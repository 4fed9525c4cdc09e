#include "ScanFixture.h"

#include "control/ScannerFactory.h"
#include "document/FileList.h"
#include "platform/engine/ImageFile.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "viewer/PageDisplay.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QToolBar>

namespace scanvo::fixtures {

void ScanTest::SetUp()
{
    ASSERT_TRUE(m_config.isValid());
    ASSERT_TRUE(m_area.isValid());
    qputenv("SCANVO_CONFIG_DIR", m_config.path().toLocal8Bit());
    g_Settings = SettingsRecord();
    ASSERT_TRUE(QDir().mkpath(docDir()));
    ASSERT_TRUE(WriteIniString(m_config.path() + QStringLiteral("/scanvo.ini"), QStringLiteral("Scan"),
                               QStringLiteral("SaveDir"), rootDir()));
    SetScannerSourceFactory([this]() -> std::unique_ptr<scanner::ScannerSource> {
        if (m_sane)
            return nullptr;
        auto source = std::make_unique<scanner::ScriptedScannerSource>();
        scanner = source.get();
        return source;
    });
}

void ScanTest::TearDown()
{
    m_Control.reset();
    SetScannerSourceFactory({});
    qunsetenv("SCANVO_CONFIG_DIR");
}

void ScanTest::useSaneSource()
{
    m_sane = true;
    SetScannerSourceFactory({});
}

engine::Image ScanTest::Page(int width, int depth)
{
    return engine::Image::create(width, 40, depth, 300, 300);
}

void ScanTest::WriteFile(const QString& path, const QList<int>& widths, int depth)
{
    const bool jpeg = path.endsWith(QLatin1String(".jpg"));
    for (qsizetype i = 0; i < widths.size(); ++i) {
        engine::SaveOptions options;
        options.format = jpeg ? engine::FormatJpeg422 : (depth == 1 ? engine::FormatTiffG4 : engine::FormatTiffLzw);
        options.mode = i == 0 ? engine::SaveNew : engine::SaveAppend;
        engine::SavePage(Page(widths.at(i), depth), path, options);
    }
}

QList<int> ScanTest::PageWidths(const QString& path)
{
    QList<int> widths;
    const int count = engine::PageCount(path);
    for (int i = 1; i <= count; ++i)
        widths.append(engine::LoadPage(path, i).width());
    return widths;
}

QList<int> ScanTest::FileWidths(const QStringList& names) const
{
    QList<int> widths;
    for (const QString& name : names)
        widths.append(engine::LoadPage(docFile(name), 1).width());
    return widths;
}

QStringList ScanTest::DocFiles() const
{
    return QDir(docDir()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

Imaging& ScanTest::Open(qint16 docType, bool showScanSetting)
{
    m_Control = std::make_unique<Imaging>();
    m_Control->setDocName(QStringLiteral("doc"));
    m_Control->setDocType(docType);
    m_Control->resize(900, 700);
    m_Control->show();
    g_Settings.Scan.ShowScanSetting = showScanSetting ? 1 : 0;
    return *m_Control;
}

void ScanTest::GoToPage(int n)
{
    S().doc.m_CurrentPage = static_cast<qint16>(n);
    ShowPage(S(), static_cast<qint16>(n));
}

void ScanTest::GoToFileNumber(int n)
{
    S().doc.m_CurrentFile = n;
    GoToFile(S(), n);
}

void ScanTest::Click(const char* key)
{
    for (QAction* action : S().widgets.tbMain->findChildren<QAction*>()) {
        if (action->objectName() == QLatin1String(key)) {
            action->trigger();
            return;
        }
    }
    ADD_FAILURE() << "no action " << key << " on tbMain";
}

bool ScanTest::ActionEnabled(const char* key)
{
    for (QAction* action : S().widgets.tbMain->findChildren<QAction*>())
        if (action->objectName() == QLatin1String(key))
            return action->isEnabled();
    return false;
}

ScriptedPrompter::DialogScript ScanTest::ScanPara(std::function<void(frmScanPara&)> fill, bool ok)
{
    return [fill, ok](QDialog& dialog) {
        auto* form = qobject_cast<frmScanPara*>(&dialog);
        EXPECT_NE(form, nullptr);
        if (!form)
            return int(QDialog::Rejected);
        form->show();
        if (fill)
            fill(*form);
        form->findChild<QPushButton*>(ok ? QStringLiteral("cmdOK") : QStringLiteral("cmdCancel"))->click();
        form->hide();
        return form->result();
    };
}

}  // namespace scanvo::fixtures
