#pragma once
// SaneScanWorker: one scan job read on its own thread. Each finished page leaves as an Image
// through pageRead, then finished carries the job's result; connect both queued to the
// user-interface thread, where they arrive in that order.

#include "platform/engine/Image.h"
#include "platform/scanner/SaneDevice.h"

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
    SaneScanWorker(SaneDevice& device, const ScanJob& job) : m_device(device), m_job(job) {}

    // Reads the job; call on the worker thread.
    void run();
    // Asks a running job to stop after the current read; safe from any thread.
    void cancel() { m_cancel = true; }

signals:
    void pageRead(const scanvo::engine::Image& page);
    void finished(int result);

private:
    int readPage(bool* feederEmpty);

    SaneDevice& m_device;
    ScanJob m_job;
    std::atomic<bool> m_cancel{false};
};

}  // namespace scanvo::scanner
