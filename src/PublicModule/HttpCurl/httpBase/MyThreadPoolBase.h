#pragma once

#include <QThreadPool>

class MyThreadBase;

// The request pool: at most 10 workers, queued work runs in arrival order.
class MyThreadPoolBase : public QThreadPool
{
public:
    static MyThreadPoolBase* GetInstance();

    // Null tasks are ignored; auto-delete is set before the task can start.
    void addThread(MyThreadBase* pTask, bool bAutoDelete);

private:
    MyThreadPoolBase();
};
