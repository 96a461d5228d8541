#include "ProgramProcess.h"

#include <QDebug>
#include <QFile>
#include <QProcessEnvironment>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

namespace {

constexpr int kReapIntervalMs = 1000;

// Owns the C strings of an argument or environment vector.
class CStringArray
{
public:
    explicit CStringArray(const QStringList& items)
    {
        for (const QString& item : items)
            m_items.push_back(QFile::encodeName(item));
        for (QByteArray& item : m_items)
            m_pointers.push_back(item.data());
        m_pointers.push_back(nullptr);
    }
    char* const* data() { return m_pointers.data(); }

private:
    std::vector<QByteArray> m_items;
    std::vector<char*> m_pointers;
};

} // namespace

ProgramProcess::ProgramProcess(QObject* parent) : QObject(parent)
{
    m_reapTimer.setInterval(kReapIntervalMs);
    connect(&m_reapTimer, &QTimer::timeout, this, &ProgramProcess::reap);
}

ProgramProcess::~ProgramProcess()
{
    terminateAll();
}

bool ProgramProcess::isRunnable(const QString& qstrPath)
{
    const QByteArray path = QFile::encodeName(qstrPath);
    struct stat info
    {
    };
    return !path.isEmpty() && ::stat(path.constData(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.constData(), X_OK) == 0;
}

QStringList ProgramProcess::proxyEnvironment(const QString& qstrPort)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // A bypass list inherited from the desktop would let some hosts skip the proxy.
    environment.remove(QStringLiteral("no_proxy"));
    environment.remove(QStringLiteral("NO_PROXY"));
    const QString qstrHttp = QStringLiteral("http://127.0.0.1:") + qstrPort;
    // socks5h: names are resolved by the exit, not locally.
    const QString qstrSocks = QStringLiteral("socks5h://127.0.0.1:") + qstrPort;
    for (const char* szName : {"http_proxy", "https_proxy"}) {
        environment.insert(QLatin1String(szName), qstrHttp);
        environment.insert(QString::fromLatin1(szName).toUpper(), qstrHttp);
    }
    environment.insert(QStringLiteral("all_proxy"), qstrSocks);
    environment.insert(QStringLiteral("ALL_PROXY"), qstrSocks);
    return environment.toStringList();
}

pid_t ProgramProcess::start(const QString& qstrPath, const QString& qstrFolder,
                            const QString& qstrPort)
{
    CStringArray arguments({qstrPath});
    CStringArray environment(proxyEnvironment(qstrPort));
    const QByteArray path = QFile::encodeName(qstrPath);
    const QByteArray folder = QFile::encodeName(qstrFolder);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    // Our sockets and files are none of the program's business.
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    posix_spawn_file_actions_addchdir_np(&actions, folder.constData());

    // Signals start at their defaults, unblocked, whatever the client set for itself.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t all;
    sigset_t none;
    sigfillset(&all);
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);

    pid_t pid = 0;
    const int nError = posix_spawn(&pid, path.constData(), &actions, &attributes, arguments.data(),
                                   environment.data());
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (nError != 0) {
        qWarning() << "program" << qstrPath << "not started:" << strerror(nError);
        return 0;
    }
    qDebug() << "program" << qstrPath << "started as" << pid << "through port" << qstrPort;
    m_listPid.append(pid);
    m_reapTimer.start();
    return pid;
}

void ProgramProcess::terminateAll()
{
    reap();
    for (pid_t pid : qAsConst(m_listPid)) {
        qDebug() << "program" << pid << "asked to end";
        ::kill(pid, SIGTERM);
    }
}

// Until a child is reaped its pid cannot be reused, so a pid still listed is ours.
void ProgramProcess::reap()
{
    for (auto it = m_listPid.begin(); it != m_listPid.end();) {
        int nStatus = 0;
        const pid_t result = ::waitpid(*it, &nStatus, WNOHANG);
        if (result == 0 || (result < 0 && errno == EINTR)) {
            ++it;
            continue;
        }
        qDebug() << "program" << *it << "ended";
        it = m_listPid.erase(it);
    }
    if (m_listPid.isEmpty())
        m_reapTimer.stop();
}
