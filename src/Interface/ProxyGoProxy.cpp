#include "Interface/ProxyGoProxy.h"

#include "HttpServer/WebServer.h"
#include "Interface/GlobleParam.h"
#include "PublicModule/HttpCurl/InterfaceBase/UiCodes.h"
#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <QHostAddress>
#include <QMetaEnum>
#include <QNetworkDatagram>
#include <QTcpServer>
#include <QUdpSocket>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

ProxyGoProxy* s_pInstance = nullptr;

constexpr int kFirstApiPort = 63303;
constexpr int kStopGraceMs = 3000;
constexpr int kKillWaitMs = 2000;
constexpr int kFirstRestartDelayMs = 1000;

const char* const kPasswordKey = "-pwd=";

// The signal goes to the group the engine leads; before the child has made its group the
// group does not exist yet, so the engine itself is signalled.
void signalGroup(qint64 nPid, int nSignal)
{
    if (nPid <= 0)
        return;
    if (::kill(-pid_t(nPid), nSignal) != 0)
        ::kill(pid_t(nPid), nSignal);
}

} // namespace

EngineProcess::EngineProcess() : m_nParentPid(::getpid()) {}

// Runs in the child between fork and exec: only async-signal-safe calls.
void EngineProcess::setupChildProcess()
{
    ::setpgid(0, 0);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // The client died before the line above took effect.
    if (::getppid() != pid_t(m_nParentPid))
        ::_exit(127);
}

ProxyGoProxy::ProxyGoProxy()
    : m_udpSocket(new QUdpSocket(this)), m_process(std::make_unique<EngineProcess>())
{
    s_pInstance = this;
    connect(m_udpSocket, &QUdpSocket::stateChanged, this, &ProxyGoProxy::onSocketStateChange);
    onSocketStateChange(m_udpSocket->state());
    // No shared bind: another program must not receive the engine's datagrams.
    m_udpSocket->bind(QHostAddress(QHostAddress::LocalHost), 0);
    m_nProxyUdpServerPort = m_udpSocket->localPort();
    qDebug() << "localPort:" << m_nProxyUdpServerPort;
    connect(m_udpSocket, &QUdpSocket::readyRead, this, &ProxyGoProxy::onSocketReadyRead);

    connect(m_process.get(), &QProcess::started, this, &ProxyGoProxy::onProcessStart);
    connect(m_process.get(), QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &ProxyGoProxy::onProcessFinished);
    connect(m_process.get(), &QProcess::readyReadStandardOutput, this,
            &ProxyGoProxy::readExeStandardOutPut);
    connect(m_process.get(), &QProcess::readyReadStandardError, this,
            &ProxyGoProxy::readExeErrorOutPut);
    connect(m_process.get(), &QProcess::errorOccurred, this, &ProxyGoProxy::onErrorOccurred);
    m_restartTimer.setSingleShot(true);
    connect(&m_restartTimer, &QTimer::timeout, this, &ProxyGoProxy::restartAfterCrash);

    getHostMacAddress();
    setApiPort(kFirstApiPort);
}

// The QML engine owns the object it received and deletes it with itself; the engine program
// goes with it, and a later GetInstance() builds a new controller.
ProxyGoProxy::~ProxyGoProxy()
{
    m_restartTimer.stop();
    terminateEngine();
    m_process->disconnect(this);
    m_udpSocket->abort();
    if (s_pInstance == this)
        s_pInstance = nullptr;
}

ProxyGoProxy* ProxyGoProxy::GetInstance()
{
    if (!s_pInstance)
        new ProxyGoProxy;
    return s_pInstance;
}

void ProxyGoProxy::setApiPort(int nPort)
{
    if (m_nApiPort == nPort)
        return;
    m_nApiPort = nPort;
    emit nApiPortChanged(nPort);
}

void ProxyGoProxy::sendUi(int nType, const QString& qstrValue, int nValue)
{
    if (g_pWebRecv)
        g_pWebRecv->setAppSendValue(nType, qstrValue, nValue);
}

bool ProxyGoProxy::startProxy(int nValue)
{
    m_restartTimer.stop();
    m_nRetryTime = 0;
    if (nValue == 1 || m_process->state() != QProcess::NotRunning) {
        qDebug() << "qeldrive" << " --restart";
        stopProxy(1);
    } else {
        qDebug() << "qeldrive" << "is not start";
    }
    if (launch())
        return true;
    reportStartFailure();
    return false;
}

bool ProxyGoProxy::stopProxy(int nValue)
{
    if (nValue == 0) {
        if (GlobleParam* pParam = GlobleParam::GetInstance())
            pParam->setProxyRun(false);
    }
    m_restartTimer.stop();
    qDebug() << "m_process->state(begin):" << m_process->state();
    terminateEngine();
    qDebug() << "m_process->state(end):" << m_process->state();
    return true;
}

bool ProxyGoProxy::resetApiPort(QString qstrValue, int)
{
    const int nPort = qstrValue.toInt();
    if (nPort == m_nApiPort)
        return false;
    if (nPort == 0) {
        emit signal_ResetApiPort(m_nApiPort);
        return false;
    }
    stopProxy(0);
    setApiPort(nPort);
    // signal_ResetApiPort follows once the engine runs, with the port it was given.
    startProxy(0);
    return false;
}

void ProxyGoProxy::startMonitorProxyProcess(int) {}

void ProxyGoProxy::stopMonitorProxyProcess(int) {}

void ProxyGoProxy::checkMonitorResult(int nValue)
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    if (nValue == 0 || !pParam || !pParam->getProxyRun())
        return;
    if (m_nRetryTime >= m_nRetryTimeLimit) {
        qDebug() << "proxy retry failed!";
        reportStartFailure();
        return;
    }
    ++m_nRetryTime;
    qDebug() << "proxy retry time:" << m_nRetryTime;
    // 1, 2, 4 s: an engine that dies at once must not spin.
    m_restartTimer.start(kFirstRestartDelayMs << (m_nRetryTime - 1));
}

void ProxyGoProxy::restartAfterCrash()
{
    if (!launch())
        reportStartFailure();
}

void ProxyGoProxy::reportStartFailure()
{
    if (GlobleParam* pParam = GlobleParam::GetInstance())
        pParam->setProxyRun(false);
    sendUi(kUiEngineStatus, QString(), 0);
}

void ProxyGoProxy::startHttpServer()
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    WebServer::GetInstance()->startWebServer(pParam ? pParam->getHttpServerPort() : 0);
}

bool ProxyGoProxy::CheckAPIPort(int nPort)
{
    if (nPort <= 0 || nPort > 65535)
        return false;
    QTcpServer probe;
    if (!probe.listen(QHostAddress(QHostAddress::LocalHost), quint16(nPort)))
        return false;
    qDebug() << "api port check success!";
    return true;
}

int ProxyGoProxy::GetAvaliablePort(int)
{
    QTcpServer probe;
    return probe.listen(QHostAddress(QHostAddress::LocalHost), 0) ? probe.serverPort() : 0;
}

QStringList ProxyGoProxy::engineArguments() const
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    if (!pParam)
        return {};
    return {QStringLiteral("-api_port=%1").arg(m_nApiPort),
            QStringLiteral("-user=") + pParam->GetUsername(),
            QLatin1String(kPasswordKey) + pParam->getRadiusPass(),
            QStringLiteral("-proxy_port_start=%1").arg(pParam->getBeginPort()),
            QStringLiteral("-proxy_port_num=%1").arg(pParam->getPortNumber()),
            QStringLiteral("-intranet_ip=") + qstrIntranetIP,
            QStringLiteral("-sync_udp_port=%1").arg(m_nProxyUdpServerPort),
            QStringLiteral("-mac_adds=") + qstrMacAddress,
            QStringLiteral("-client_api_port=%1").arg(pParam->getHttpServerPort())};
}

QString ProxyGoProxy::maskedCommandLine(const QStringList& arguments)
{
    QStringList shown;
    for (const QString& argument : arguments)
        shown.append(argument.startsWith(QLatin1String(kPasswordKey))
                         ? QLatin1String(kPasswordKey) + QStringLiteral("***")
                         : argument);
    return QStringLiteral("qeldrive ") + shown.join(QLatin1Char(' '));
}

bool ProxyGoProxy::launch()
{
    qDebug() << "startProxyByQt...";
    GlobleParam* pParam = GlobleParam::GetInstance();
    if (!pParam) {
        qDebug() << "drive start fail: no global parameters";
        return false;
    }
    if (!CheckAPIPort(m_nApiPort)) {
        const int nPort = GetAvaliablePort();
        if (nPort != m_nApiPort)
            setApiPort(nPort);
    }
    if (!CheckAPIPort(pParam->getHttpServerPort())) {
        const int nPort = GetAvaliablePort();
        if (nPort != pParam->getHttpServerPort())
            pParam->setHttpServerPort(nPort);
    }
    const QStringList arguments = engineArguments();
    qDebug().noquote() << "qstrParam:" << maskedCommandLine(arguments);

    const QString qstrDir = QCoreApplication::applicationDirPath() + QStringLiteral("/run/");
    const QString qstrProgram = qstrDir + QStringLiteral("qeldrive");
    const QFileInfo program(qstrProgram);
    if (!program.isFile() || !program.isExecutable()) {
        qDebug() << "drive start fail:" << qstrProgram << "missing";
        return false;
    }
    m_process->setWorkingDirectory(qstrDir);
    m_process->start(qstrProgram, arguments, QIODevice::ReadWrite);
    return true;
}

void ProxyGoProxy::terminateEngine()
{
    if (m_process->state() == QProcess::NotRunning)
        return;
    m_bStopping = true;
    const qint64 nPid = m_process->processId();
    signalGroup(nPid, SIGTERM);
    if (!m_process->waitForFinished(kStopGraceMs)) {
        qDebug() << "engine ignored SIGTERM, killing its process group";
        signalGroup(nPid, SIGKILL);
        m_process->waitForFinished(kKillWaitMs);
    }
    m_bStopping = false;
}

qint64 ProxyGoProxy::getEnginePid() const
{
    return m_process->state() == QProcess::NotRunning ? 0 : m_process->processId();
}

void ProxyGoProxy::onProcessStart()
{
    if (m_bStopping)
        return;
    qDebug() << "qelproxy start success";
    if (GlobleParam* pParam = GlobleParam::GetInstance())
        pParam->setProxyRun(true);
    sendUi(kUiEngineStarted, QString(), 0);
    emit signal_ResetApiPort(m_nApiPort);
}

void ProxyGoProxy::onProcessFinished(int exitCode)
{
    qDebug() << "qelproxy finished:" << exitCode;
    readExeErrorOutPut();
    if (!m_bStopping)
        checkMonitorResult(1);
}

void ProxyGoProxy::onErrorOccurred(QProcess::ProcessError error)
{
    qDebug() << "process Error Occurred" << error;
    if (error == QProcess::FailedToStart && !m_bStopping) {
        qDebug() << "drive start fail";
        reportStartFailure();
    }
}

void ProxyGoProxy::readExeStandardOutPut()
{
    const QByteArray text = m_process->readAllStandardOutput();
    if (!text.isEmpty())
        qDebug().noquote() << QString::fromUtf8(text);
}

void ProxyGoProxy::readExeErrorOutPut()
{
    const QByteArray text = m_process->readAllStandardError();
    if (!text.isEmpty())
        qDebug().noquote() << QString::fromUtf8(text);
}

void ProxyGoProxy::onSocketStateChange(QAbstractSocket::SocketState state)
{
    const char* szName = QMetaEnum::fromType<QAbstractSocket::SocketState>().valueToKey(state);
    if (szName)
        qDebug() << "socket State：" << szName;
    else
        qDebug() << "socket State：Other UnknownState...";
}

void ProxyGoProxy::onSocketReadyRead()
{
    while (m_udpSocket->hasPendingDatagrams()) {
        const QByteArray data = m_udpSocket->receiveDatagram().data();
        const int nEnd = data.indexOf('\0');
        const QString qstrText = QString::fromUtf8(nEnd < 0 ? data : data.left(nEnd));
        qDebug() << "onSocketReadyRead:" << qstrText;
        sendUi(kUiEngineData, qstrText, 0);
    }
}

QString ProxyGoProxy::getHostMacAddress()
{
    if (!qstrMacAddress.isEmpty())
        return qstrMacAddress;
    return getHostMacAddress(systemInterfaces());
}

QString ProxyGoProxy::getHostMacAddress(const QList<LocalInterface>& interfaces)
{
    if (!qstrMacAddress.isEmpty())
        return qstrMacAddress;
    const int nChosen = chooseLocalInterface(interfaces);
    if (nChosen < 0) {
        qDebug() << "without enable QNetworkInterface";
        return QString();
    }
    const LocalInterface& chosen = interfaces.at(nChosen);
    qstrMacAddress = chosen.qstrHardwareAddress;
    m_qstrInterfaceName = chosen.qstrName;
    setLocalIpv4Entries(chosen.entries);
    return qstrMacAddress;
}

void ProxyGoProxy::setLocalIpv4Entries(const QList<QNetworkAddressEntry>& entries)
{
    qDebug() << "setLocalIpv4Entries:";
    const QStringList list = localIpv4List(entries);
    qDebug() << "listQStr:" << list;
    if (GlobleParam* pParam = GlobleParam::GetInstance())
        pParam->setListLocalIp(list);
}

QObject* virtualProxyGoProxy(QQmlEngine* engine, QJSEngine* scriptEngine)
{
    Q_UNUSED(engine);
    Q_UNUSED(scriptEngine);
    return ProxyGoProxy::GetInstance();
}
