#pragma once
// SaneScanWorker: one scan job read from the helper on a thread of its own. Each finished page
// leaves as an Image through pageRead, then finished carries the job's result; connect both
// queued to the user-interface thread, where they arrive in that order. Pages already sent stay
// sent when a later one fails.

#include "platform/engine/Image.h"
#include "platform/scanner/SaneHelperClient.h"

#include <QObject>

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

signals:
    void pageRead(const scanvo::engine::Image& page);
    void finished(int result);

private:
    int readPage(bool* feederEmpty);

    SaneHelperClient& m_device;
    ScanJob m_job;
};

}  // namespace scanvo::scanner
