#pragma once
// HelperProcess: one run of the helper program scanvo-sane-helper, seen from the scanner source:
// finding and starting it, the socket to it, and stopping it by its process id. Killing never
// waits long for a process the kernel cannot take down at once (one stuck in a USB call): such a
// process is reaped later.

#include "platform/scanner/HelperProtocol.h"

#include <QString>
#include <QStringList>

#include <sys/types.h>

#include <memory>
#include <vector>

namespace scanvo::scanner {

class HelperProcess {
public:
    // The helper program: $SCANVO_SANE_HELPER if set; else beside the library or program this
    // code is linked into; else, for a build tree, the one built there; else the installed one.
    // Empty when none exists, with the places looked at in *tried.
    static QString locate(QStringList* tried);

    // Starts the helper and waits up to startMs for its greeting. Null with *error set when it
    // cannot be found or started, or does not greet in time with this build's protocol version.
    static std::unique_ptr<HelperProcess> launch(int startMs, QString* error);

    ~HelperProcess();
    HelperProcess(const HelperProcess&) = delete;
    HelperProcess& operator=(const HelperProcess&) = delete;

    helper::MessageSocket& socket() { return m_socket; }
    // The frame buffers the helper writes the samples into, in turn; index below kFrameBuffers.
    helper::FrameBufferReader& frameBuffer(int index) { return *m_frameBuffers.at(std::size_t(index)); }
    pid_t pid() const { return m_pid; }

    // Asks the helper to leave and gives it up to ms to close its device; then kills it.
    void quit(int ms);
    // SIGKILL by process id, then a short wait to reap it.
    void kill();

private:
    HelperProcess(pid_t pid, int fd);

    pid_t m_pid;
    int m_fd;
    helper::MessageSocket m_socket;
    std::vector<std::unique_ptr<helper::FrameBufferReader>> m_frameBuffers;
};

}  // namespace scanvo::scanner
