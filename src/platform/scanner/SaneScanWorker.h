#pragma once
// SaneScanWorker: one scan job read from the helper on a thread of its own. Each finished page
// waits in the worker and pageReady says so; then finished carries the job's result. Connect both
// queued to the user-interface thread, where they arrive in that order, and take the pages there:
// handing them over instead of passing them in the signal saves copying every page's pixels.
// Pages already read stay read when a later one fails.

#include "platform/engine/Image.h"
#include "platform/scanner/SaneHelperClient.h"

#include <QList>
#include <QMutex>
#include <QObject>

#include <atomic>

namespace scanvo::scanner {

struct ScanJob {
    bool feeder = false;     // read pages until the feeder is empty; otherwise one page
    int xDpi = 0;
    int yDpi = 0;
    bool threshold = false;  // grey pages become black and white
};

class SaneScanWorker : public QObject {
    Q_OBJECT
public:
    SaneScanWorker(SaneHelperClient& device, const ScanJob& job) : m_device(device), m_job(job) {}

    // Reads the job; call on the worker thread.
    void run();
    // The pages read since the last call, in scan order; from any thread.
    QList<engine::Image> takePages();
    // Ends the job after the page being read; from any thread.
    void stop() { m_stop.store(true); }
    bool stopped() const { return m_stop.load(); }

signals:
    void pageReady();
    void finished(int result);

private:
    int readPage(bool* feederEmpty);

    SaneHelperClient& m_device;
    ScanJob m_job;
    QMutex m_pagesMutex;
    QList<engine::Image> m_pages;
    std::atomic<bool> m_stop{false};
};

}  // namespace scanvo::scanner
