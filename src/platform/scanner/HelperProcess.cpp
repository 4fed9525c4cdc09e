#include "platform/scanner/HelperProcess.h"

#include <QDir>
#include <QFileInfo>

#include <dlfcn.h>
#include <link.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

extern char** environ;

namespace scanvo::scanner {

using namespace helper;

namespace {

constexpr char kProgramName[] = "scanvo-sane-helper";
constexpr char kProgramVariable[] = "SCANVO_SANE_HELPER";
constexpr int kReapMs = 1000;

// Killed helpers the kernel had not yet taken down; reaped when the next helper starts.
std::mutex g_leftoverMutex;
std::vector<pid_t> g_leftovers;

// True once the process has ended and is reaped (or was never ours to reap).
bool Reap(pid_t pid, int ms)
{
    const QDeadlineTimer deadline(ms);
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid || (done < 0 && errno == ECHILD))
            return true;
        if (done < 0 && errno != EINTR)
            return true;
        if (deadline.hasExpired())
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

void ReapLeftovers()
{
    std::lock_guard lock(g_leftoverMutex);
    std::erase_if(g_leftovers, [](pid_t pid) { return Reap(pid, 0); });
}

// The library or program this code is linked into.
QString ModulePath()
{
    Dl_info info{};
    link_map* map = nullptr;
    if (dladdr1(reinterpret_cast<void*>(&ModulePath), &info, reinterpret_cast<void**>(&map), RTLD_DL_LINKMAP) == 0)
        return {};
    if (!map || !map->l_name || !*map->l_name)  // the main program has no name of its own here
        return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return QFileInfo(QString::fromLocal8Bit(map->l_name)).canonicalFilePath();
}

bool IsProgram(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

}  // namespace

QString HelperProcess::locate(QStringList* tried)
{
    const QString chosen = qEnvironmentVariable(kProgramVariable);
    if (!chosen.isEmpty()) {
        tried->append(chosen);
        return IsProgram(chosen) ? chosen : QString();
    }
    QStringList candidates;
    const QString module = ModulePath();
    if (!module.isEmpty()) {
        const QString folder = QFileInfo(module).absolutePath() + QLatin1Char('/');
        candidates.append(folder + QLatin1String(kProgramName));
        // An installed library finds the helper in the libexec folder of its own prefix, wherever
        // that prefix is.
        candidates.append(QDir::cleanPath(folder + QStringLiteral(SCANVO_SANE_HELPER_FROM_LIBDIR)) + QLatin1Char('/') +
                          QLatin1String(kProgramName));
    }
    // Code running from the build tree uses the helper built beside it, never an installed one.
    const QString buildRoot = QFileInfo(QStringLiteral(SCANVO_BUILD_ROOT)).canonicalFilePath();
    if (!buildRoot.isEmpty() && module.startsWith(buildRoot + QLatin1Char('/')))
        candidates.append(QStringLiteral(SCANVO_SANE_HELPER_BUILD_PATH));
    else
        candidates.append(QStringLiteral(SCANVO_SANE_HELPER_INSTALL_PATH));
    for (const QString& candidate : candidates) {
        tried->append(candidate);
        if (IsProgram(candidate))
            return candidate;
    }
    return {};
}

std::unique_ptr<HelperProcess> HelperProcess::launch(int startMs, QString* error)
{
    ReapLeftovers();
    QStringList tried;
    const QString program = locate(&tried);
    if (program.isEmpty()) {
        *error = QStringLiteral("scanner helper %1 not found (looked for %2)")
                     .arg(QLatin1String(kProgramName), tried.join(QStringLiteral(", ")));
        return nullptr;
    }

    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        *error = QStringLiteral("scanner helper: no socket (%1)").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return nullptr;
    }
    // The child gets its end as standard input and output, the default signal state, and none of
    // the host's other descriptors.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t mask;
    sigemptyset(&mask);
    posix_spawnattr_setsigmask(&attributes, &mask);
    sigfillset(&mask);
    posix_spawnattr_setsigdefault(&attributes, &mask);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    const QByteArray path = program.toLocal8Bit();
    const QByteArray parent = "--parent=" + QByteArray::number(getpid());
    char* arguments[] = {const_cast<char*>(path.constData()), const_cast<char*>(parent.constData()), nullptr};
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, path.constData(), &actions, &attributes, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    close(ends[1]);
    if (failed) {
        close(ends[0]);
        *error = QStringLiteral("scanner helper %1 cannot be started: %2")
                     .arg(program, QString::fromLocal8Bit(std::strerror(failed)));
        return nullptr;
    }

    std::unique_ptr<HelperProcess> process(new HelperProcess(pid, ends[0]));
    Message hello;
    QList<int> frameBuffers;
    const IoStatus status = process->m_socket.receive(&hello, QDeadlineTimer(startMs), &frameBuffers);
    for (int fd : frameBuffers)
        process->m_frameBuffers.push_back(std::make_unique<FrameBufferReader>(fd));
    QByteArray greeting;
    quint32 version = 0;
    if (status != IoStatus::Ok || hello.type != MessageType::Hello || !Unpack(hello.payload, greeting, version) ||
        greeting != kGreeting || frameBuffers.size() != kFrameBuffers) {
        *error = status == IoStatus::TimedOut
                     ? QStringLiteral("scanner helper %1 did not answer within %2 ms").arg(program).arg(startMs)
                     : QStringLiteral("scanner helper %1 ended or is not a scanner helper").arg(program);
        return nullptr;
    }
    if (version != kProtocolVersion) {
        *error = QStringLiteral("scanner helper %1 speaks protocol %2, this library %3")
                     .arg(program)
                     .arg(version)
                     .arg(kProtocolVersion);
        return nullptr;
    }
    return process;
}

HelperProcess::HelperProcess(pid_t pid, int fd) : m_pid(pid), m_fd(fd), m_socket(fd) {}

HelperProcess::~HelperProcess()
{
    kill();
    close(m_fd);
}

void HelperProcess::quit(int ms)
{
    if (m_pid <= 0)
        return;
    if (m_socket.send(MessageType::Quit, QByteArray(), QDeadlineTimer(ms)) == IoStatus::Ok && Reap(m_pid, ms)) {
        m_pid = 0;
        return;
    }
    kill();
}

void HelperProcess::kill()
{
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGKILL);
    if (!Reap(m_pid, kReapMs)) {
        std::lock_guard lock(g_leftoverMutex);
        g_leftovers.push_back(m_pid);
    }
    m_pid = 0;
}

}  // namespace scanvo::scanner
