// The local port pool: one Port per port of the user's scope, its blocks for the picker,
// the free-port choice, freeing and copying.
#include "ProxyManager.h"

#include "DataManager/Proxy/ProxyListModel.h"
#include "DataManager/Proxy/ViewKeys.h"
#include "DataManager/Sqllite/MySqllite.h"
#include "Interface/GlobleParam.h"
#include "PublicModule/HttpCurl/InterfaceBase/UiCodes.h"

#include <QDebug>
#include <QQmlEngine>

#include <algorithm>

namespace {

constexpr int kBlockSize = 20;

Port* newFreePort(const QString& qstrPort)
{
    auto* pPort = new Port;
    QQmlEngine::setObjectOwnership(pPort, QQmlEngine::CppOwnership);
    pPort->setPort(qstrPort);
    pPort->makeFree();
    return pPort;
}

bool lessByPortText(QObject* a, QObject* b)
{
    return ProxyManager::lessBy(ViewKeys::Sort_FirstText, a, b);
}

struct PortScope
{
    int nBegin = 0;
    int nCount = 0;
};

PortScope currentScope()
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    return pParam ? PortScope{pParam->getBeginPort(), pParam->getPortNumber()} : PortScope{};
}

} // namespace

// The pool's model keeps text order for every port filed later.
ProxyListModel* ProxyManager::portModel()
{
    const bool bNew = !m_models[Proxy_Port];
    ProxyListModel* pModel = listModel(Proxy_Port);
    if (bNew)
        pModel->setRows({}, {}, lessByPortText);
    return pModel;
}

void ProxyManager::addPortBind(const QString& qstrPort, const QString& qstrSession)
{
    Port* pPort = newFreePort(qstrPort);
    pPort->setSession(qstrSession);
    m_hashPort.insert(qstrPort, pPort);
    portModel()->offerRow(pPort);
}

void ProxyManager::addPortData(int nBegin, int nSize)
{
    if (nBegin < 1 || nSize < 1)
        return;
    // The main screen may be loaded again in one process: a port already in the pool keeps
    // its row and its binding.
    for (int n = nBegin; n < nBegin + nSize; ++n) {
        const QString qstrPort = QString::number(n);
        if (!m_hashPort.contains(qstrPort))
            addPortBind(qstrPort, QString());
    }
}

// Ports in both the old and the new scope keep their exit; ports leaving it release theirs.
void ProxyManager::refreshPortByUser(int)
{
    const PortScope scope = currentScope();
    QList<Port*> kept;
    for (int n = scope.nBegin; n < scope.nBegin + scope.nCount; ++n) {
        const QString qstrPort = QString::number(n);
        Port* pPort = m_hashPort.value(qstrPort);
        if (pPort)
            pPort->setClearSkip(true);
        else
            pPort = newFreePort(qstrPort);
        kept.append(pPort);
    }
    clearDataByType(Proxy_Port);
    for (Port* pPort : qAsConst(kept)) {
        pPort->setClearSkip(false);
        m_hashPort.insert(pPort->getPort(), pPort);
        portModel()->offerRow(pPort);
    }
    sendUi(kUiResetPort, QStringLiteral("reset port"), 0);
}

QList<QObject*> ProxyManager::refreshPortList(int)
{
    clearDataByType(Proxy_PortList);
    const PortScope scope = currentScope();
    QList<QObject*> blocks;
    for (int nStart = scope.nBegin, nLeft = scope.nCount; nLeft > 0; nStart += kBlockSize) {
        const int nCount = std::min(nLeft, kBlockSize);
        nLeft -= nCount;
        auto* pBlock = new PortList;
        QQmlEngine::setObjectOwnership(pBlock, QQmlEngine::CppOwnership);
        pBlock->setBeginPort(nStart);
        pBlock->setPortCount(nCount);
        pBlock->setShow(QStringLiteral("%1-%2").arg(nStart).arg(nStart + nCount - 1));
        m_hashPortArray.insert(pBlock->getShow(), pBlock);
        blocks.append(pBlock);
    }
    listModel(Proxy_PortList)->setRows(blocks);
    return blocks;
}

PortList* ProxyManager::getPortListByKey(const QString& qstrKey) const
{
    return m_hashPortArray.value(qstrKey);
}

int ProxyManager::getIpCountByKey(QString qstrKey)
{
    const PortList* pBlock = getPortListByKey(qstrKey);
    return pBlock ? pBlock->getPortCount() : 0;
}

QString ProxyManager::getCurScopeByKey(QString qstrKey)
{
    const PortList* pBlock = getPortListByKey(qstrKey);
    return pBlock ? pBlock->getShow() : QString();
}

Port* ProxyManager::getPortDataByKey(const QString& qstrKey, int enumType) const
{
    return enumType == Proxy_Port ? m_hashPort.value(qstrKey) : nullptr;
}

// Never a used port: handing one out would take it from the exit it carries.
QString ProxyManager::getRandomEnablePort()
{
    QList<QObject*> ports;
    for (Port* pPort : qAsConst(m_hashPort)) {
        if (!pPort->getUsed())
            ports.append(pPort);
    }
    const auto first = std::min_element(ports.begin(), ports.end(), lessByPortText);
    m_qstrPortRand = first == ports.end() ? QString() : static_cast<Port*>(*first)->getPort();
    return m_qstrPortRand;
}

void ProxyManager::setRandomEnablePort(const QString& qstrPort)
{
    m_qstrPortRand = qstrPort;
}

void ProxyManager::updatePortBind(const QString& qstrKey, const QString& qstrPort,
                                  const QJsonObject& qjsonLine, int nOnline)
{
    Port* pPort = m_hashPort.value(qstrPort);
    if (!pPort)
        return;
    pPort->setSession(qstrKey);
    pPort->setUsed(true);
    pPort->setqjsonLine(qjsonLine);
    pPort->setOnline(nOnline);
}

void ProxyManager::releasePortBind(const QString& qstrPort, int)
{
    forgetProgramPort(qstrPort);
    Port* pPort = m_hashPort.value(qstrPort);
    if (!pPort) {
        qDebug() << "port:" << qstrPort << " not existed";
        return;
    }
    const QString qstrKey = pPort->getSession();
    if (qstrKey.isEmpty()) {
        qDebug() << "port:" << qstrPort << " associated line session is empty";
    } else {
        releaseListBind(qstrKey, 0);
        qDebug() << "port:" << qstrPort << "associated line:" << qstrKey;
    }
    pPort->makeFree();
}

void ProxyManager::freePortForwardList(QString qstrPort, int nAll)
{
    if (nAll == 0) {
        releasePortBind(qstrPort, 0);
        return;
    }
    const QList<Port*> ports = m_hashPort.values();
    for (Port* pPort : ports) {
        if (pPort->getUsed())
            releasePortBind(pPort->getPort(), 0);
    }
}

void ProxyManager::addFreePortData(const QString& qstrPort, int)
{
    releasePortBind(qstrPort, 0);
    sendUi(kUiFreeCache, QStringLiteral("free cache"), 0);
}

void ProxyManager::beginParseFreePortData()
{
    QList<Json::Value> rows;
    for (const TodayList* pRow : qAsConst(m_listFreePortCache)) {
        Json::Value object(Json::objectValue);
        object["session"] = pRow->getSession().toStdString();
        object["port"] = pRow->getPort().toStdString();
        object["update_time"] = pRow->getUpdateTime();
        object["line"] = pRow->getLine().toStdString();
        rows.append(object);
    }
    clearFreePortData();
    submitRows(MySqllite::GetInstance()->getTodayListTableName(), rows, SQL_UPDATE, 1);
}

QString ProxyManager::copyPortDataAll(int)
{
    QString qstrText;
    for (QObject* pObject : getDataType(Proxy_Port, 0))
        qstrText += QStringLiteral("127.0.0.1:") + static_cast<Port*>(pObject)->getPort() +
                    QLatin1Char('\n');
    return qstrText;
}

void ProxyManager::clearPortBindData(int)
{
    m_qstrProgramPort.clear();
    for (Port* pPort : qAsConst(m_hashPort)) {
        pPort->makeFree();
        pPort->setClearSkip(false);
    }
}
