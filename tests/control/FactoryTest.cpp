// Creating the control from libscanvo by its ProgID, as a host does.
#include "ScanvoFactory.h"

#include <QMetaObject>
#include <QLibrary>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

class FactoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_config.isValid());
        qputenv("SCANVO_CONFIG_DIR", m_config.path().toLocal8Bit());
        // The control opens its scanner source; only the virtual test device is configured.
        qputenv("SANE_CONFIG_DIR", QByteArray(SCANVO_TEST_SANE_DIR));
    }
    void TearDown() override
    {
        qunsetenv("SCANVO_CONFIG_DIR");
        qunsetenv("SANE_CONFIG_DIR");
    }

private:
    QTemporaryDir m_config;
};

TEST_F(FactoryTest, TheImagingProgIdGivesAControlDrivenByItsProperties)
{
    QWidget host;
    QWidget* control = ScanvoCreateControl("Scanvo.Imaging", &host);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->parentWidget(), &host);
    EXPECT_EQ(control->property("DocType").toInt(), 2);
    EXPECT_TRUE(control->setProperty("DocName", "test1\\44"));
    EXPECT_EQ(control->property("DocName").toString(), "test1\\44");
    EXPECT_GE(control->metaObject()->indexOfMethod("SetDocument()"), 0);
    EXPECT_GE(control->metaObject()->indexOfMethod("Refresh()"), 0);
}

TEST_F(FactoryTest, ProgIdsAreMatchedIgnoringCase)
{
    QWidget host;
    QWidget* control = ScanvoCreateControl("scanvo.IMAGING", &host);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->property("ScanBarAlign").toInt(), 1);
}

TEST_F(FactoryTest, UnknownProgIdsGiveNull)
{
    for (const char* progId : {"", "Scanvo.Imaging2", " Scanvo.Imaging", "Scanvo", "Other.Control"})
        EXPECT_EQ(ScanvoCreateControl(progId, nullptr), nullptr) << progId;
    EXPECT_EQ(ScanvoCreateControl(nullptr, nullptr), nullptr);
}

TEST(LibraryInterface, OnlyTheEntryPointsAreExported)
{
    QLibrary library(QStringLiteral(SCANVO_LIBRARY_PATH));
    ASSERT_TRUE(library.load()) << library.errorString().toStdString();
    EXPECT_NE(library.resolve("ScanvoCreateControl"), nullptr);
    EXPECT_NE(library.resolve("ScanvoSetPrompter"), nullptr);
    EXPECT_NE(library.resolve("ScanvoSetLanguage"), nullptr);
    // The C++ functions behind them stay inside the library.
    EXPECT_EQ(library.resolve("_ZN6scanvo11SetPrompterEPNS_8PrompterE"), nullptr);
    EXPECT_EQ(library.resolve("_ZN6scanvo15CurrentPrompterEv"), nullptr);
}

}  // namespace
