#pragma once
// What the control's tests share: a private settings directory and root, the scripted prompter,
// and a scanner source that records how the control uses it.

#include "control/Imaging.h"
#include "fixtures/ScriptedPrompter.h"
#include "platform/scanner/ScannerSource.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace scanvo::fixtures {

class RecordingScanner final : public scanner::ScannerSource {
public:
    struct Log {
        int starts = 0;
        int ends = 0;
        int startOption = -1;
        QWidget* owner = nullptr;
    };
    explicit RecordingScanner(std::shared_ptr<Log> log) : m_log(std::move(log)) {}

    int start(int option, QWidget* owner) override
    {
        ++m_log->starts;
        m_log->startOption = option;
        m_log->owner = owner;
        return scanner::ResultSuccess;
    }
    void end() override { ++m_log->ends; }
    int sourceCount() override { return 0; }
    QString sourceName(int) override { return {}; }
    QString defaultSource() override { return {}; }
    int selectSource(const QString&) override { return scanner::ResultNoSource; }
    int setCapability(int, int, double) override { return scanner::ResultNotOpen; }
    int enableAcquisition() override { return scanner::ResultNotOpen; }
    int acquire(int) override { return scanner::ResultNotOpen; }
    void stopAcquisition() override {}
    // What a device dialog does: runs through the source's dialog runner.
    int showDeviceDialog(QDialog& dialog) { return runDialog(dialog); }

private:
    std::shared_ptr<Log> m_log;
};

// A document of count single-page TIFFs (000001.tif ...), each page 64 + n pixels wide.
void MakeSinglePageDocument(const QString& directory, int count);

// Every test runs with an empty settings directory, an empty document root, a fresh settings
// record and a recording scanner.
class ControlTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString configDir() const { return m_config.path(); }
    QString iniFile() const;
    // A root directory below the temporary area that does not exist yet.
    QString rootDir() const { return m_area.path() + QStringLiteral("/root"); }
    QString areaDir() const { return m_area.path(); }
    void writeSaveDir(const QString& dir) const;
    // A control with a document root already known (Scan.SaveDir set), shown once.
    std::unique_ptr<Imaging> shownControlWithRoot();

    ScriptedPrompter prompter;
    std::shared_ptr<RecordingScanner::Log> scannerLog = std::make_shared<RecordingScanner::Log>();

private:
    QTemporaryDir m_config;
    QTemporaryDir m_area;
};

}  // namespace scanvo::fixtures
