#pragma once

#include <QThreadPool>

class MyThread;

// The job pool: at most 10 workers beside the request pool, drained at exit like it.
class MyThreadPool : public QThreadPool
{
public:
    static MyThreadPool* GetInstance();

    // Null jobs are ignored; auto-delete is set before the job can start.
    void addThread(MyThread* pJob, bool bAutoDelete);

private:
    MyThreadPool();
};
