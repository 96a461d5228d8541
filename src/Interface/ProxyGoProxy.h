#pragma once

#include "Interface/LocalAddress.h"

#include <QAbstractSocket>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>

class QJSEngine;
class QQmlEngine;
class QUdpSocket;

// The engine program as a child of its own process group that dies with the thread that
// started it.
class EngineProcess : public QProcess
{
    Q_OBJECT
public:
    EngineProcess();

protected:
    void setupChildProcess() override;

private:
    qint64 m_nParentPid;
};

// Starts the engine program run/qeldrive beside the client with the account's ports,
// restarts it a few times when it dies, stops it, and passes its UDP datagrams to QML as UI
// message 4. Lives on the GUI thread; QML sees it as the singleton of "QelProxy.Param".
class ProxyGoProxy : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int nApiPort READ getApiPort WRITE setApiPort NOTIFY nApiPortChanged)
public:
    // The instance QML's engine owns; after it is gone the next call builds a new one.
    static ProxyGoProxy* GetInstance();
    ~ProxyGoProxy() override;

    int getApiPort() const { return m_nApiPort; }
    void setApiPort(int nPort);

    // Starts the engine (nValue 1: stops a running one first) and resets the restart count.
    // The outcome comes later: UI 27 when it runs, UI 50 (0) when it could not start.
    Q_INVOKABLE bool startProxy(int nValue = 0);
    // Stops the engine; nValue 0 also clears bProxyRun.
    Q_INVOKABLE bool stopProxy(int nValue = 0);
    // Restarts the engine on the API port in qstrValue; "0" only re-announces the current one.
    Q_INVOKABLE bool resetApiPort(QString qstrValue, int nValue = 0);
    Q_INVOKABLE void startMonitorProxyProcess(int nValue = 0);
    Q_INVOKABLE void stopMonitorProxyProcess(int nValue = 0);
    // Supervision after an unexpected exit (nValue non-zero).
    Q_INVOKABLE void checkMonitorResult(int nValue = 0);

    // The callback server is not started on this platform; the engine is told its port only.
    void startHttpServer();
    // True when nothing listens on 127.0.0.1:nPort over TCP.
    bool CheckAPIPort(int nPort);
    // A TCP port the system has free on 127.0.0.1; 0 when none.
    int GetAvaliablePort(int nValue = 0);

    QString getHostMacAddress();
    // The same from a given interface list (the system's by default).
    QString getHostMacAddress(const QList<LocalInterface>& interfaces);
    void setLocalIpv4Entries(const QList<QNetworkAddressEntry>& entries);

    // The nine engine arguments from the current settings, in the engine's order.
    QStringList engineArguments() const;
    // The command line as logged: the password after "-pwd=" is masked.
    static QString maskedCommandLine(const QStringList& arguments);
    int getDatagramPort() const { return m_nProxyUdpServerPort; }
    // The running engine's process id; 0 when none runs.
    qint64 getEnginePid() const;
    QString getMacAddress() const { return qstrMacAddress; }
    QString getInterfaceName() const { return m_qstrInterfaceName; }

signals:
    void nApiPortChanged(int nApiPort);
    void signal_ResetApiPort(int nPort);

private slots:
    void onSocketReadyRead();
    void onSocketStateChange(QAbstractSocket::SocketState state);
    void onProcessStart();
    void onProcessFinished(int exitCode);
    void readExeStandardOutPut();
    void readExeErrorOutPut();
    void onErrorOccurred(QProcess::ProcessError error);

private:
    ProxyGoProxy();
    // Checks the ports and starts the program; false when it cannot be started at all.
    bool launch();
    void restartAfterCrash();
    // bProxyRun false and UI 50 (0).
    void reportStartFailure();
    // SIGTERM to the engine's process group, SIGKILL after a bounded wait.
    void terminateEngine();
    void sendUi(int nType, const QString& qstrValue, int nValue);

    int m_nApiPort = 0;
    QUdpSocket* m_udpSocket;
    std::unique_ptr<EngineProcess> m_process;
    QString qstrMacAddress;
    QString m_qstrInterfaceName;
    const QString qstrIntranetIP = QStringLiteral("127.0.0.1");
    int m_nProxyUdpServerPort = 0;
    int m_nRetryTime = 0;
    const int m_nRetryTimeLimit = 3;
    QTimer m_restartTimer;
    // Set while the controller ends the engine itself, so that exit is no crash.
    bool m_bStopping = false;
};

// The QML singleton provider of "QelProxy.Param".
QObject* virtualProxyGoProxy(QQmlEngine* engine, QJSEngine* scriptEngine);
