#pragma once

#include <QObject>
#include <QRunnable>
#include <QString>

// One job of the job pool. Run type 2 hands its item to the procedure of the component that
// queued it, which does the work and frees the item; other run types join with their users.
class MyThread : public QObject, public QRunnable
{
    Q_OBJECT
public:
    using ItemProc = int (*)(void*);

    explicit MyThread(int nType);

    void setRunType(int nType) { m_nType = nType; }
    int getRunType() const { return m_nType; }
    void setVoid(void* pVoid) { m_pVoid = pVoid; }
    void* getVoid() const { return m_pVoid; }
    // The procedure that works on and frees a run-type-2 item.
    void setItemProc(ItemProc pProc) { m_pItemProc = pProc; }

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
