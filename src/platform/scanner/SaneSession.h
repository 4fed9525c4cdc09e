#pragma once
// SaneSession: the process's one use of libsane. The library is initialised when the first
// holder arrives and shut down after the last one leaves, however many sources are started.

#include <QStringList>

#include <memory>

namespace scanvo::scanner {

class SaneSession {
public:
    // The shared session; null with *result set when the library cannot be initialised.
    static std::shared_ptr<SaneSession> join(int* result);
    ~SaneSession();
    SaneSession(const SaneSession&) = delete;
    SaneSession& operator=(const SaneSession&) = delete;

    // Names of the devices the library finds now, in its own order.
    QStringList deviceNames() const;

private:
    SaneSession() = default;
};

}  // namespace scanvo::scanner
