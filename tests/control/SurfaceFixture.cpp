#include "SurfaceFixture.h"

#include "control/ChildControls.h"
#include "control/ToolbarBuilder.h"
#include "core/ToolbarKeys.h"
#include "settings/Settings.h"

#include <QAction>
#include <QToolBar>

namespace scanvo::fixtures {

void SurfaceTest::SetUp()
{
    ASSERT_TRUE(m_config.isValid());
    qputenv("SCANVO_CONFIG_DIR", m_config.path().toLocal8Bit());
    g_Settings = SettingsRecord();
    buildSurface();
}

void SurfaceTest::TearDown()
{
    host.reset();
    g_CurrentFilePath.clear();
    qunsetenv("SCANVO_CONFIG_DIR");
}

QAction* SurfaceTest::action(QToolBar* toolbar, const char* key) const
{
    QAction* found = FindToolbarAction(toolbar, QString::fromLatin1(key));
    EXPECT_NE(found, nullptr) << key;
    return found;
}

bool SurfaceTest::enabled(QToolBar* toolbar, const char* key) const
{
    QAction* found = action(toolbar, key);
    return found != nullptr && found->isEnabled();
}

QStringList SurfaceTest::enabledButtons(QToolBar* toolbar) const
{
    QStringList keys;
    for (QAction* button : toolbar->actions()) {
        if (!button->isSeparator() && button->isEnabled())
            keys << button->objectName();
    }
    return keys;
}

QStringList SurfaceTest::allButtons(QToolBar* toolbar) const
{
    QStringList keys;
    for (QAction* button : toolbar->actions()) {
        if (!button->isSeparator())
            keys << button->objectName();
    }
    return keys;
}

}  // namespace scanvo::fixtures
