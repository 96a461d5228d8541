#include "PublicModule/HttpCurl/httpBase/MyThreadPoolBase.h"

#include "PublicModule/HttpCurl/globleBase/PoolDrain.h"
#include "PublicModule/HttpCurl/httpBase/MyThreadBase.h"

namespace {
constexpr int kMaxWorkers = 10;
}

MyThreadPoolBase::MyThreadPoolBase()
{
    setMaxThreadCount(kMaxWorkers);
}

MyThreadPoolBase* MyThreadPoolBase::GetInstance()
{
    static MyThreadPoolBase* pPool = [] {
        static MyThreadPoolBase pool;
        registerPoolForDrain(&pool);
        return &pool;
    }();
    return pPool;
}

void MyThreadPoolBase::addThread(MyThreadBase* pTask, bool bAutoDelete)
{
    if (!pTask)
        return;
    pTask->setAutoDelete(bAutoDelete);
    start(pTask, 0);
}
