#pragma once
// ScriptedScannerSource: a ScannerSource that plays back a script, for tests of the scan job.
// Each acquire hands out the pages of the next queued scan, one pageAcquired each, on the calling
// thread while it runs, and returns that scan's result. Everything the caller sends is recorded.
// It keeps the rules of a real source: start before anything else, enable before each acquire.

#include "platform/scanner/ScannerSource.h"

#include <QHash>
#include <QList>

#include <functional>

namespace scanvo::scanner {

struct ScriptedScan {
    QList<engine::Image> pages;
    int result = ResultSuccess;  // returned after the pages, e.g. ResultCancelled or a failure
    // Runs after page n (from 1) is handed out and before the next, as the time a slow device
    // takes to feed the next sheet; a stop asked for meanwhile keeps the next page back.
    std::function<void(int n)> betweenPages;
};

struct CapabilityCall {
    int capability;
    int itemType;
    double value;  // kNoValue when sent without one
};

class ScriptedScannerSource final : public ScannerSource {
    Q_OBJECT
public:
    explicit ScriptedScannerSource(QObject* parent = nullptr);

    // The script. Sources default to one, "Scripted Scanner"; the default source to the first.
    void setSources(const QStringList& names, const QString& defaultName = {});
    void setStartResult(int code) { m_startResult = code; }
    // The answer to every later set of this capability (0 unless told).
    void setCapabilityAnswer(int capability, int code) { m_capabilityAnswers.insert(capability, code); }
    // Scans are handed out in queue order; with none left, acquire gives no page and
    // ResultNoDocuments, as an empty feeder would.
    void queueScan(ScriptedScan scan) { m_scans.append(std::move(scan)); }
    void queuePages(const QList<engine::Image>& pages, int result = ResultSuccess) { queueScan({pages, result, {}}); }

    // What the caller did.
    bool isStarted() const { return m_started; }
    int startCount() const { return m_startCount; }
    int endCount() const { return m_endCount; }
    const QString& selectedSource() const { return m_selected; }
    const QList<CapabilityCall>& capabilityCalls() const { return m_capabilityCalls; }
    int enableCount() const { return m_enableCount; }
    const QList<int>& acquireFlags() const { return m_acquireFlags; }  // one entry per acquire
    qsizetype scansLeft() const { return m_scans.size(); }

    int start(int option, QWidget* owner) override;
    void end() override;
    int sourceCount() override;
    QString sourceName(int index) override;
    QString defaultSource() override;
    int selectSource(const QString& name) override;
    QString currentSource() override;
    int setCapability(int capability, int itemType, double value) override;
    int enableAcquisition() override;
    int acquire(int flags) override;
    void stopAcquisition() override;
    // Pages of the running scan not handed out because the caller stopped it.
    int pagesHeldBack() const { return m_heldBack; }
    // Whether the caller asked the running scan to stop.
    bool stopRequested() const { return m_stopRequested; }

private:
    QStringList m_sources;
    QString m_defaultSource;
    int m_startResult = ResultSuccess;
    QHash<int, int> m_capabilityAnswers;
    QList<ScriptedScan> m_scans;

    bool m_started = false;
    bool m_enabled = false;
    bool m_acquiring = false;
    bool m_stopRequested = false;
    int m_heldBack = 0;
    int m_startCount = 0;
    int m_endCount = 0;
    int m_enableCount = 0;
    QString m_selected;
    QList<CapabilityCall> m_capabilityCalls;
    QList<int> m_acquireFlags;
};

}  // namespace scanvo::scanner
