#pragma once
// A SANE network daemon (saned) serving the virtual test device on a loopback address, owned by
// the test that starts it: it runs in a process group of its own, the connections it forks
// included, so stopping or killing that group takes the whole server away at once. Nothing leaves
// 127.0.0.0/8: the net backend knows no port but the SANE port, so each daemon binds that port on
// an address of the loopback network of its own instead, and neither side can reach the desktop's
// service discovery.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <sys/types.h>

#include <optional>
#include <utility>
#include <vector>

namespace scanvo::fixtures {

class LoopbackSaned {
public:
    LoopbackSaned();
    ~LoopbackSaned();  // kills the daemon
    LoopbackSaned(const LoopbackSaned&) = delete;
    LoopbackSaned& operator=(const LoopbackSaned&) = delete;

    // Starts saned and waits up to ms for it to listen. False, with *error set, when it could not.
    bool start(int ms, QString* error);
    // Points SANE at the daemon for helpers started from now on: the net backend alone, with this
    // daemon as its only host. Undone by the destructor.
    void useFromClient();

    // The first test device as the net backend names it.
    QString deviceName() const;
    // What saned wrote (its debug output).
    QString log() const;
    // Scans the daemon has begun sending, one a page; safe from any thread.
    int scansStarted() const;

    // The daemon stops answering, as a host that drops off the network.
    void freeze();
    // SIGKILL to the daemon and every connection it serves; waits a bounded time to reap it.
    void kill();

private:
    QTemporaryDir m_dir;
    QString m_address;
    pid_t m_pid = 0;
    // The client's variables as they were before useFromClient, unset where empty.
    std::vector<std::pair<QByteArray, std::optional<QByteArray>>> m_savedEnvironment;
};

}  // namespace scanvo::fixtures
