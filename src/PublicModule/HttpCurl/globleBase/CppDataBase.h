#pragma once

#include <QObject>
#include <QStringList>

class QUdpSocket;
class QWindow;

// What the shell learns about this run before QML and the service object exist:
// the instance count, the start-up hand-shake, the main window and the arguments.
class CppDataBase : public QObject
{
    Q_OBJECT
public:
    static CppDataBase* GetInstance();

    void setStartTimes(int nStartTimes) { m_nStartTimes = nStartTimes; }
    int getStartTimes() const { return m_nStartTimes; }
    void setRecvBack(int nRecvBack) { m_nRecvBack = nRecvBack; }
    int getRecvBack() const { return m_nRecvBack; }
    void setMainQWindow(QWindow* pWindow) { m_pQWinddow = pWindow; }
    QWindow* getMainQWindow() const { return m_pQWinddow; }
    quintptr getMainHwnd() const;
    void setSendValue(const QString& qstrValue) { m_qstrSendValue = qstrValue; }
    QString getSendValue() const { return m_qstrSendValue; }

    QStringList getArguments();

    QUdpSocket* getUdp();
    int getUdpBindPort();
    void conUdpServer(int nPort);
    void sendUdpServer(const QString& qstrValue);
    void unInit();

public slots:
    void onUdpReadyRead();

private:
    CppDataBase() = default;
    ~CppDataBase() override;

    QString m_qstrSendValue;
    QWindow* m_pQWinddow = nullptr;
    QUdpSocket* m_pUdpSocket = nullptr;
    QStringList m_qstrList;
    int m_nStartTimes = 1;
    int m_nRecvBack = 0;
};
