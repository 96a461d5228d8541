#include "PoolDrain.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMutex>
#include <QThreadPool>
#include <QVector>

namespace {
constexpr int kExitDrainMs = 3000;

QMutex& drainLock()
{
    static QMutex lock;
    return lock;
}
QVector<QThreadPool*>& drainList()
{
    static QVector<QThreadPool*> pools;
    return pools;
}
void drainAtExit()
{
    drainPools(kExitDrainMs);
}
} // namespace

void registerPoolForDrain(QThreadPool* pPool)
{
    QMutexLocker locker(&drainLock());
    // Left to the pools' static destructors, worker threads would still be ending while
    // the libraries they used tear down at exit (a crash now and then); the application
    // object's destruction comes before that.
    if (drainList().isEmpty())
        qAddPostRoutine(drainAtExit);
    if (!drainList().contains(pPool))
        drainList().append(pPool);
}

void drainPools(int nMsecs)
{
    QVector<QThreadPool*> pools;
    {
        QMutexLocker locker(&drainLock());
        pools = drainList();
    }
    const QDeadlineTimer deadline(nMsecs);
    for (QThreadPool* pPool : pools) {
        pPool->clear(); // queued work that has not started is dropped
        pPool->waitForDone(static_cast<int>(qMax<qint64>(0, deadline.remainingTime())));
    }
}
