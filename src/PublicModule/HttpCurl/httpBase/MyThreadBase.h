#pragma once

#include <QObject>
#include <QRunnable>
#include <QString>

class HTTPEvent_KX;

// One queued request: carries its record until a pool worker hands it to the runner.
class MyThreadBase : public QObject, public QRunnable
{
    Q_OBJECT
public:
    explicit MyThreadBase(int nType);
    // A task dropped from the queue before it ran still owns its record and frees it.
    ~MyThreadBase() override;

    void setRunType(int nType) { m_nType = nType; }
    int getRunType() const { return m_nType; }
    void setPointer(HTTPEvent_KX* hEv) { m_hEv = hEv; }
    HTTPEvent_KX* getPointer() const { return m_hEv; }

    void run() override;

signals:
    void isDone(int nValue);
    void mySignal();

public slots:
    void recMsgFromMain(QString qstrValue);

private:
    int m_nType;
    HTTPEvent_KX* m_hEv = nullptr;
};
