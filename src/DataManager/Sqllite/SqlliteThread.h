#pragma once

#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <deque>
#include <functional>

// The one thread that owns the account connection. Qt's SQLite driver refuses a connection
// on any thread but the one that opened it, so every open, load and job runs here, strictly
// in the order it was handed over.
class SqlliteThread : public QThread
{
public:
    SqlliteThread();
    ~SqlliteThread() override;

    // Queues the task and returns at once.
    void post(std::function<void()> task);
    // Queues the task and returns once it (and so everything queued before it) has run.
    void runAndWait(const std::function<void()>& task);

protected:
    void run() override;

private:
    QMutex m_mutex;
    QWaitCondition m_wakeWorker;
    std::deque<std::function<void()>> m_queue;
    bool m_bStopping = false;
};
