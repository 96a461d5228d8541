#include "PoolDrain.h"

#include <QDeadlineTimer>
#include <QMutex>
#include <QThreadPool>
#include <QVector>

namespace {
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
} // namespace

void registerPoolForDrain(QThreadPool* pPool)
{
    QMutexLocker locker(&drainLock());
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
