#include "platform/scanner/SaneSession.h"

#include "platform/scanner/SaneStatus.h"
#include "platform/scanner/ScannerSource.h"

#include <sane/sane.h>

#include <mutex>

namespace scanvo::scanner {

namespace {

// Holders are counted under the mutex, so an exit and a new init never interleave.
std::mutex g_sessionMutex;
int g_holders = 0;

void Leave(SaneSession* session)
{
    std::lock_guard lock(g_sessionMutex);
    delete session;
    if (--g_holders == 0)
        sane_exit();
}

}  // namespace

std::shared_ptr<SaneSession> SaneSession::join(int* result)
{
    std::lock_guard lock(g_sessionMutex);
    if (g_holders == 0) {
        SANE_Int version = 0;
        const SANE_Status status = sane_init(&version, nullptr);
        if (status != SANE_STATUS_GOOD) {
            *result = ResultFromSaneStatus(status);
            return nullptr;
        }
    }
    ++g_holders;
    *result = ResultSuccess;
    return std::shared_ptr<SaneSession>(new SaneSession, Leave);
}

SaneSession::~SaneSession() = default;

QStringList SaneSession::deviceNames() const
{
    const SANE_Device** devices = nullptr;
    QStringList names;
    if (sane_get_devices(&devices, SANE_FALSE) != SANE_STATUS_GOOD || !devices)
        return names;
    for (const SANE_Device** device = devices; *device; ++device)
        names.append(QString::fromUtf8((*device)->name));
    return names;
}

}  // namespace scanvo::scanner
