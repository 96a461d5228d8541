#include "CppDataBase.h"

#include "PublicModule/HttpCurl/features/JsonRead.h"

#include <QCoreApplication>
#include <QDebug>
#include <QHostAddress>
#include <QUdpSocket>
#include <QWindow>

CppDataBase* CppDataBase::GetInstance()
{
    // Lives until the process ends; never deleted, so late users at exit stay safe.
    static CppDataBase* s_pInstance = new CppDataBase();
    return s_pInstance;
}

CppDataBase::~CppDataBase()
{
    unInit();
}

quintptr CppDataBase::getMainHwnd() const
{
    return m_pQWinddow ? static_cast<quintptr>(m_pQWinddow->winId()) : 0;
}

QStringList CppDataBase::getArguments()
{
    if (m_qstrList.isEmpty())
        m_qstrList = QCoreApplication::arguments();
    return m_qstrList;
}

QUdpSocket* CppDataBase::getUdp()
{
    if (!m_pUdpSocket) {
        m_pUdpSocket = new QUdpSocket();
        connect(m_pUdpSocket, &QUdpSocket::readyRead, this, &CppDataBase::onUdpReadyRead);
    }
    return m_pUdpSocket;
}

int CppDataBase::getUdpBindPort()
{
    // The hand-off only ever comes from this machine.
    QUdpSocket* pSocket = getUdp();
    pSocket->bind(QHostAddress(QHostAddress::LocalHost), 0);
    const int nPort = pSocket->localPort();
    qDebug() << "getUdpBindPort:" << nPort;
    return nPort;
}

void CppDataBase::conUdpServer(int nPort)
{
    getUdp()->connectToHost(QHostAddress::LocalHost, static_cast<quint16>(nPort & 0xFFFF),
                            QIODevice::ReadWrite);
}

void CppDataBase::sendUdpServer(const QString& qstrValue)
{
    QUdpSocket* pSocket = getUdp();
    pSocket->write(qstrValue.toUtf8());
    pSocket->abort();
}

void CppDataBase::unInit()
{
    if (m_pUdpSocket) {
        m_pUdpSocket->abort();
        delete m_pUdpSocket;
        m_pUdpSocket = nullptr;
    }
}

void CppDataBase::onUdpReadyRead()
{
    if (!m_pUdpSocket || !m_pUdpSocket->hasPendingDatagrams())
        return;
    QByteArray datagram;
    datagram.resize(static_cast<int>(qMax<qint64>(0, m_pUdpSocket->pendingDatagramSize())));
    m_pUdpSocket->readDatagram(datagram.data(), datagram.size());
    qDebug() << "onUdpReadyRead:" << datagram;

    Json::Value root;
    if (!JsonRead::parse(datagram.toStdString(), root))
        return;
    if (JsonRead::getString(root, "operate") != "recive_back")
        return;
    m_nRecvBack = 1;
    m_nStartTimes = JsonRead::getInt(root, "start_times");
}
