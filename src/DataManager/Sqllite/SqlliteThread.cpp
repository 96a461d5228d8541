#include "SqlliteThread.h"

#include <QSemaphore>

SqlliteThread::SqlliteThread()
{
    setObjectName(QStringLiteral("SqlliteThread"));
    start();
}

SqlliteThread::~SqlliteThread()
{
    {
        QMutexLocker locker(&m_mutex);
        m_bStopping = true; // queued work still runs first
        m_wakeWorker.wakeOne();
    }
    wait();
}

void SqlliteThread::post(std::function<void()> task)
{
    QMutexLocker locker(&m_mutex);
    m_queue.push_back(std::move(task));
    m_wakeWorker.wakeOne();
}

void SqlliteThread::runAndWait(const std::function<void()>& task)
{
    // Waiting on our own queue from inside a task would never end.
    if (QThread::currentThread() == this) {
        task();
        return;
    }
    QSemaphore done;
    post([&task, &done] {
        task();
        done.release();
    });
    done.acquire();
}

void SqlliteThread::run()
{
    for (;;) {
        std::function<void()> task;
        {
            QMutexLocker locker(&m_mutex);
            while (m_queue.empty() && !m_bStopping)
                m_wakeWorker.wait(&m_mutex);
            if (m_queue.empty())
                return;
            task = std::move(m_queue.front());
            m_queue.pop_front();
        }
        task();
    }
}
