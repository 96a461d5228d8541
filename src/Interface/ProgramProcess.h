#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <sys/types.h>

// The programs the user runs through a local proxy port. Each is the client's own child,
// reaped here, so only these pids are ever signalled and a reused pid never is.
class ProgramProcess : public QObject
{
    Q_OBJECT
public:
    explicit ProgramProcess(QObject* parent = nullptr);
    // Children still running get SIGTERM and are left to end on their own.
    ~ProgramProcess() override;

    // True for an existing regular file that we may execute.
    static bool isRunnable(const QString& qstrPath);
    // The environment a program gets: ours, with every proxy variable pointing at the port.
    static QStringList proxyEnvironment(const QString& qstrPort);

    // Runs the file with no arguments in the folder, output discarded; the pid, or 0.
    pid_t start(const QString& qstrPath, const QString& qstrFolder, const QString& qstrPort);
    // SIGTERM to every child still running.
    void terminateAll();

private:
    void reap();

    QList<pid_t> m_listPid;
    QTimer m_reapTimer;
};
