#include "Interface/MyThreadPool.h"

#include "Interface/MyThread.h"
#include "PublicModule/HttpCurl/globleBase/PoolDrain.h"

namespace {
constexpr int kMaxWorkers = 10;
}

MyThreadPool::MyThreadPool()
{
    setMaxThreadCount(kMaxWorkers);
}

MyThreadPool* MyThreadPool::GetInstance()
{
    static MyThreadPool* pPool = [] {
        static MyThreadPool pool;
        registerPoolForDrain(&pool);
        return &pool;
    }();
    return pPool;
}

void MyThreadPool::addThread(MyThread* pJob, bool bAutoDelete)
{
    if (!pJob)
        return;
    pJob->setAutoDelete(bAutoDelete);
    start(pJob, 0);
}
