#pragma once
// A control surface without the control: a host widget with the two panes and every child
// control, its own settings directory and a fresh settings record.

#include "fixtures/ControlSurface.h"
#include "fixtures/ScriptedPrompter.h"

#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

class QAction;
class QToolBar;

namespace scanvo::fixtures {

class SurfaceTest : public ::testing::Test, protected ControlSurface {
protected:
    void SetUp() override;
    void TearDown() override;

    // The button or menu item key of toolbar; fails the test when it is missing.
    QAction* action(QToolBar* toolbar, const char* key) const;
    bool enabled(QToolBar* toolbar, const char* key) const;
    // Keys of the toolbar's buttons (not menu items) that are enabled, in toolbar order.
    QStringList enabledButtons(QToolBar* toolbar) const;
    QStringList allButtons(QToolBar* toolbar) const;

    QString configDir() const { return m_config.path(); }

    ScriptedPrompter prompter;

private:
    QTemporaryDir m_config;
};

}  // namespace scanvo::fixtures
