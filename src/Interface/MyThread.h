#pragma once

#include <QObject>
#include <QRunnable>
#include <QString>

class HTTPEvent_KX;

// One job of the job pool. Run type 1 runs the transfer of a request record built by its
// caller (the answer is queued to the service object like any other); run type 2 hands its
// item to the procedure of the component that queued it, which does the work and frees it.
class MyThread : public QObject, public QRunnable
{
    Q_OBJECT
public:
    using ItemProc = int (*)(void*);

    explicit MyThread(int nType);
    // A run-type-1 job dropped before it ran frees its record.
    ~MyThread() override;

    void setRunType(int nType) { m_nType = nType; }
    int getRunType() const { return m_nType; }
    void setVoid(void* pVoid) { m_pVoid = pVoid; }
    void* getVoid() const { return m_pVoid; }
    // The procedure that works on and frees a run-type-2 item.
    void setItemProc(ItemProc pProc) { m_pItemProc = pProc; }
    // Run type 1 and its record, owned by the job until the transfer takes it.
    void setRecord(HTTPEvent_KX* pRecord);

    void run() override;

signals:
    void isDone(int nValue);
    void mySignal();

public slots:
    void recMsgFromMain(QString qstrValue);

private:
    int m_nType;
    void* m_pVoid = nullptr;
    ItemProc m_pItemProc = nullptr;
};
