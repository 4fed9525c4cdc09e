#include "LoopbackSaned.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

namespace scanvo::fixtures {

namespace {

constexpr int kReapMs = 5'000;
constexpr char kListening[] = "waiting for control connection";
constexpr char kScanStarted[] = "do_scan: start";
// A system bus address nothing listens on: the daemon announces itself to no one and the net
// backend browses for no other daemons.
constexpr char kNoBus[] = "/no-system-bus";

bool WriteText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}

// True once the process has ended and is reaped.
bool Reap(pid_t pid, int ms)
{
    const QDeadlineTimer deadline(ms);
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid || (done < 0 && errno != EINTR))
            return true;
        if (deadline.hasExpired())
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// The virtual device's pages come in reads of at most a few kilobytes, so a page of the sizes
// the tests scan takes many reads over the network and a daemon killed during a page dies in it.
QByteArray DeviceConfig()
{
    QFile shipped(QStringLiteral(SCANVO_DEMO_SANE_CONFIG "/test.conf"));
    if (!shipped.open(QIODevice::ReadOnly))
        return {};
    QByteArray config = shipped.readAll();
    config.replace("read-limit false", "read-limit true");
    config.replace("read-limit-size 1\n", "read-limit-size 8192\n");
    return config;
}

}  // namespace

LoopbackSaned::LoopbackSaned() = default;

LoopbackSaned::~LoopbackSaned()
{
    kill();
    for (const auto& [name, value] : m_savedEnvironment) {
        if (value)
            qputenv(name.constData(), *value);
        else
            qunsetenv(name.constData());
    }
}

bool LoopbackSaned::start(int ms, QString* error)
{
    const QString server = m_dir.path() + QStringLiteral("/server");
    const QByteArray device = DeviceConfig();
    if (!m_dir.isValid() || !QDir().mkpath(server) || device.isEmpty() ||
        !WriteText(server + QStringLiteral("/dll.conf"), "test\n") ||
        !WriteText(server + QStringLiteral("/test.conf"), device) ||
        !WriteText(server + QStringLiteral("/saned.conf"), "127.0.0.0/8\n")) {
        *error = QStringLiteral("cannot write the daemon's configuration below %1").arg(m_dir.path());
        return false;
    }
    const QString program =
        QStandardPaths::findExecutable(QStringLiteral("saned"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    if (program.isEmpty()) {
        *error = QStringLiteral("saned is not installed (sane-utils)");
        return false;
    }

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SANE_CONFIG_DIR"), server);
    environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"),
                       QStringLiteral("unix:path=") + m_dir.path() + QLatin1String(kNoBus));
    std::vector<QByteArray> variables;
    for (const QString& variable : environment.toStringList())
        variables.push_back(variable.toLocal8Bit());
    std::vector<char*> envp;
    for (QByteArray& variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);

    const QString logPath = m_dir.path() + QStringLiteral("/saned.log");
    const QDeadlineTimer deadline(ms);
    // Another daemon may hold the SANE port on the address drawn; then another address is tried.
    for (int attempt = 0; attempt < 5 && !deadline.hasExpired(); ++attempt) {
        QRandomGenerator* random = QRandomGenerator::global();
        m_address = QStringLiteral("127.%1.%2.%3")
                        .arg(random->bounded(2, 255))
                        .arg(random->bounded(0, 256))
                        .arg(random->bounded(2, 255));
        const QByteArray path = program.toLocal8Bit();
        const QByteArray bind = "--bind=" + m_address.toLatin1();
        const QByteArray logFile = logPath.toLocal8Bit();
        char listen[] = "--listen";
        char stderrOutput[] = "--stderr";
        char debug[] = "--debug=3";  // enough for listening and each scan, not each read
        char* arguments[] = {const_cast<char*>(path.constData()), listen, const_cast<char*>(bind.constData()),
                             stderrOutput, debug, nullptr};

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, logFile.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
        posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        posix_spawnattr_setpgroup(&attributes, 0);
        sigset_t mask;
        sigemptyset(&mask);
        posix_spawnattr_setsigmask(&attributes, &mask);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK);
        pid_t pid = 0;
        const int failed = posix_spawn(&pid, path.constData(), &actions, &attributes, arguments, envp.data());
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
        if (failed) {
            *error = QStringLiteral("saned cannot be started: %1").arg(QString::fromLocal8Bit(std::strerror(failed)));
            return false;
        }
        m_pid = pid;

        for (;;) {
            if (log().contains(QLatin1String(kListening)))
                return true;
            int status = 0;
            if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_pid = 0;
                break;
            }
            if (deadline.hasExpired()) {
                kill();
                *error = QStringLiteral("saned did not listen on %1 within %2 ms:\n%3").arg(m_address).arg(ms).arg(log());
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    *error = QStringLiteral("saned could not listen on the loopback network:\n%1").arg(log());
    return false;
}

void LoopbackSaned::useFromClient()
{
    const QString client = m_dir.path() + QStringLiteral("/client");
    QDir().mkpath(client);
    WriteText(client + QStringLiteral("/dll.conf"), "net\n");
    WriteText(client + QStringLiteral("/net.conf"), "connect_timeout = 5\n" + m_address.toLatin1() + '\n');
    const QByteArray bus = "unix:path=" + (m_dir.path() + QLatin1String(kNoBus)).toLocal8Bit();
    const std::pair<QByteArray, std::optional<QByteArray>> wanted[] = {
        {"SANE_CONFIG_DIR", client.toLocal8Bit()},
        {"DBUS_SYSTEM_BUS_ADDRESS", bus},
        {"SANE_NET_HOSTS", std::nullopt},
        {"SANE_NET_TIMEOUT", std::nullopt},
    };
    for (const auto& [name, value] : wanted) {
        if (std::none_of(m_savedEnvironment.begin(), m_savedEnvironment.end(),
                         [&](const auto& saved) { return saved.first == name; }))
            m_savedEnvironment.emplace_back(name, qEnvironmentVariableIsSet(name.constData())
                                                      ? std::optional(qgetenv(name.constData()))
                                                      : std::nullopt);
        if (value)
            qputenv(name.constData(), *value);
        else
            qunsetenv(name.constData());
    }
}

QString LoopbackSaned::deviceName() const
{
    return QStringLiteral("net:%1:test:0").arg(m_address);
}

QString LoopbackSaned::log() const
{
    QFile file(m_dir.path() + QStringLiteral("/saned.log"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

int LoopbackSaned::scansStarted() const
{
    return int(log().count(QLatin1String(kScanStarted)));
}

void LoopbackSaned::freeze()
{
    if (m_pid > 0)
        ::kill(-m_pid, SIGSTOP);
}

void LoopbackSaned::kill()
{
    if (m_pid <= 0)
        return;
    ::kill(-m_pid, SIGKILL);
    Reap(m_pid, kReapMs);
    m_pid = 0;
}

}  // namespace scanvo::fixtures
