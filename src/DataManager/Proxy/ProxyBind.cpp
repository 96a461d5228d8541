// Binding exits to local ports: the request, the confirmed pairing, releases, a block's
// batch and the answers of the callback server.
#include "ProxyManager.h"

#include "DataManager/Sqllite/MySqllite.h"
#include "Interface/GlobleParam.h"
#include "Interface/InterfaceRecv.h"
#include "PublicModule/HttpCurl/InterfaceBase/UiCodes.h"
#include "PublicModule/HttpCurl/features/Encryption.h"

#include <QDateTime>
#include <QDebug>

#include <algorithm>

namespace {

constexpr int kTrafficBlockLimit = 20;

int nowSeconds()
{
    return static_cast<int>(QDateTime::currentSecsSinceEpoch());
}

// Stamps the current time as the line's buy time and returns it.
QString stampBuyTime(QJsonObject& line)
{
    const QString qstrBuyTime =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    line.insert(QStringLiteral("buy_time"), qstrBuyTime);
    return qstrBuyTime;
}

QString encodedLine(const QJsonObject& line)
{
    return QString::fromStdString(
        Encryption::GetInstance()->encode(ProxyManager::JsonToQStr(line).toStdString()));
}

void setBought(TodayList& row, QJsonObject& line)
{
    row.setBuyTime(stampBuyTime(line));
    row.setqjsonLine(line);
    row.setLine(encodedLine(line));
    row.setBuyType(1);
}

QByteArray todayField(const QJsonObject& line, const char* szKey)
{
    return line.value(QLatin1String(szKey)).toVariant().toString().toUtf8();
}

QByteArray timeTypeValue(int nIpTimeType)
{
    if (nIpTimeType == 2)
        return "Business Plan";
    if (nIpTimeType == 3)
        return "Static IP Plan";
    return "Popular Plan";
}

QByteArray onlineValue(int nOnline)
{
    if (nOnline == 0)
        return "FALSE";
    return nOnline == 1 ? "TRUE" : "";
}

GlobleParam* param()
{
    return GlobleParam::GetInstance();
}

} // namespace

void ProxyManager::bindPortBySession(QString qstrKey, QString qstrPort, int enumType, int nRunType,
                                     int)
{
    if (qstrPort.isEmpty()) {
        sendUi(kUiBindFailed, tr("No free local port"), enumType);
        return;
    }
    if (InterfaceRecv* pRecv = InterfaceRecv::GetInstance())
        pRecv->pushSetPortSession(qstrKey, qstrPort, enumType, nRunType);
}

void ProxyManager::runBindPortBySession(const QString& qstrKey, const QString& qstrPort,
                                        int enumType, int nIpTimeType, int)
{
    freeEnginePortOf(qstrKey, qstrPort);
    releaseListBind(qstrKey, 0);
    releasePortBind(qstrPort, 0);
    updateListBind(qstrKey, qstrPort, enumType, nIpTimeType);
    sendUi(kUiRefresh, QStringLiteral("refresh"), enumType);
    sendUi(kUiListRefresh, QStringLiteral("refresh"), enumType);
}

// The engine has moved the exit to its new port yet still serves the old one, so the old
// port is freed there too, as the forward list does.
void ProxyManager::freeEnginePortOf(const QString& qstrKey, const QString& qstrNewPort)
{
    const auto* pToday = static_cast<TodayList*>(getListDataByKey(qstrKey, Proxy_Today));
    if (!pToday || pToday->getPort() == qstrNewPort || !m_hashPort.contains(pToday->getPort()))
        return;
    if (InterfaceRecv* pRecv = InterfaceRecv::GetInstance())
        pRecv->pushFreePortByKey(pToday->getPort());
}

// A new today row for an exit of another list, bought now, stored and sent to the service.
TodayList* ProxyManager::todayFromLine(const ProxyDataBase& source, const QString& qstrPort,
                                       int nIpTimeType)
{
    auto* pRow = new TodayList;
    pRow->setIp(source.getIp());
    pRow->setSession(source.getSession());
    pRow->setPing(source.getPing());
    pRow->setPort(qstrPort);
    pRow->setIpTimeType(nIpTimeType);
    pRow->setFavorite(isFavoriteKey(source.getSession()));
    QJsonObject line = source.getqjsonLine();
    setBought(*pRow, line);
    addData(pRow);
    runInsertSqlData(pRow);
    return pRow;
}

// The job always carries the row's current line, so an update never blanks it.
void ProxyManager::storeTodayRow(const TodayList& row)
{
    Json::Value object(Json::objectValue);
    object["session"] = row.getSession().toStdString();
    object["port"] = row.getPort().toStdString();
    object["update_time"] = row.getUpdateTime();
    object["line"] = row.getLine().toStdString();
    submitRows(MySqllite::GetInstance()->getTodayListTableName(), {object}, SQL_UPDATE, 0);
}

void ProxyManager::updateListBind(const QString& qstrKey, const QString& qstrPort, int enumType,
                                  int nIpTimeType)
{
    ProxyDataBase* pSource = getListDataByKey(qstrKey, enumType);
    auto* pToday = static_cast<TodayList*>(getListDataByKey(qstrKey, Proxy_Today));
    QJsonObject line;
    int nOnline = 0;
    switch (enumType) {
    case Proxy_Online:
    case Proxy_Favorite:
    case Proxy_StaticOnline:
    case Proxy_ProgramLine:
        if (!pSource)
            return;
        if (pToday) {
            pToday->setUpdateTime(nowSeconds());
            pToday->setPort(qstrPort);
            if (enumType != Proxy_ProgramLine) {
                nOnline = pToday->getOnline();
                line = pToday->getqjsonLine();
                if (pToday->getBuyType() == 0)
                    setBought(*pToday, line);
            }
            storeTodayRow(*pToday);
        } else {
            TodayList* pRow = todayFromLine(*pSource, qstrPort, nIpTimeType);
            nOnline = pRow->getOnline();
            line = pRow->getqjsonLine();
        }
        updatePortBind(qstrKey, qstrPort, line, nOnline);
        // Spent exits leave the list they were offered in.
        if (enumType == Proxy_ProgramLine ||
            (enumType == Proxy_Online &&
             (nIpTimeType == 1 || nIpTimeType == 3 || nIpTimeType == 11))) {
            takeData(pSource);
            pSource->deleteLater();
        }
        break;
    case Proxy_Today:
        if (!pToday) {
            qDebug() << "Line does not exist";
            return;
        }
        pToday->setUpdateTime(nowSeconds());
        pToday->setPort(qstrPort);
        if (!qstrPort.isEmpty() && qstrPort != QLatin1String("0")) {
            line = pToday->getqjsonLine();
            setBought(*pToday, line);
            nOnline = pToday->getOnline();
        }
        storeTodayRow(*pToday);
        updatePortBind(qstrKey, qstrPort, line, nOnline);
        break;
    default:
        break;
    }
}

void ProxyManager::releaseListBind(const QString& qstrKey, int nMode)
{
    auto* pToday = static_cast<TodayList*>(getListDataByKey(qstrKey, Proxy_Today));
    if (!pToday) {
        qDebug() << qstrKey << " associated line is empty";
        return;
    }
    if (Port* pPort = m_hashPort.value(pToday->getPort()))
        pPort->makeFree();
    pToday->setUpdateTime(nowSeconds());
    pToday->setPort(QString());
    if (nMode == 0)
        storeTodayRow(*pToday);
    else if (nMode == 1 && !m_listFreePortCache.contains(pToday))
        m_listFreePortCache.append(pToday);
}

QObject* ProxyManager::getProxyLineByKey(QString qstrKey)
{
    return getListDataByKey(qstrKey, Proxy_Online);
}

// A batch on the static page pairs static exits, so their IP is shown too.
QString ProxyManager::getCurIpByKey(QString qstrKey, int)
{
    const ProxyDataBase* pRow = getListDataByKey(qstrKey, Proxy_Online);
    if (!pRow)
        pRow = getListDataByKey(qstrKey, Proxy_StaticOnline);
    return pRow ? pRow->getIp() : QString();
}

TodayList* ProxyManager::getTodayByIp(const QString& qstrIp, int) const
{
    for (ProxyDataBase* pRow : table(Proxy_Today)) {
        if (pRow->getIp() == qstrIp)
            return static_cast<TodayList*>(pRow);
    }
    return nullptr;
}

void ProxyManager::clearAttach()
{
    qDeleteAll(m_listAttach);
    m_listAttach.clear();
}

// Queues up to a block's count of exits of the page for the block's ports. Every ending
// tells the popup: a refusal closes it, anything else starts it (with 0 it ends at 0 / 0).
void ProxyManager::setPortArrayAllocByKey(QString qstrKey, int nIpTimeType, int)
{
    InterfaceRecv* pRecv = InterfaceRecv::GetInstance();
    GlobleParam* pParam = param();
    if (!pRecv || !pParam)
        return;
    auto refuse = [&] {
        pRecv->reportBalanceShort(nIpTimeType);
        sendUi(kUiClosePopup, QStringLiteral("close"), 0);
    };
    if (!InterfacePost::checkUseEnableByIpType(nIpTimeType))
        return refuse();
    clearAttach();
    const PortList* pBlock = getPortListByKey(qstrKey);
    const int nCount = pBlock ? pBlock->getPortCount() : 0;
    int nLimit = 0;
    int enumSource = Proxy_Online;
    switch (nIpTimeType) {
    case 1:
        nLimit = pParam->getIpNums();
        break;
    case 3:
        nLimit = pParam->getDayIpNums();
        break;
    case 6:
        nLimit = pParam->getStaticIpNums();
        enumSource = Proxy_StaticOnline;
        break;
    case 11:
        nLimit = kTrafficBlockLimit;
        break;
    default:
        break;
    }
    if (nCount > nLimit)
        return refuse();
    const QList<QObject*> candidates = pBlock ? getDataType(enumSource, 0) : QList<QObject*>();
    const int nSize = std::min(static_cast<int>(candidates.size()), nCount);
    for (int i = 0; i < nSize; ++i) {
        auto* pPair = new LineAttachPort;
        pPair->setSession(static_cast<ProxyDataBase*>(candidates[i])->getSession());
        pPair->setPort(QString::number(pBlock->getBeginPort() + i));
        pPair->setSizeAttach(nSize);
        m_listAttach.append(pPair);
    }
    if (nSize > 0)
        pParam->setAttachList(true);
    sendUi(kUiAttach, QStringLiteral("attach"), nSize);
}

void ProxyManager::allotPortArray(int nAll, int nValue, int nProxyType)
{
    const GlobleParam* pParam = param();
    if (nValue < 0 || nValue >= nAll || nValue >= m_listAttach.size() || !pParam ||
        !pParam->getAttachList())
        return;
    const LineAttachPort* pPair = m_listAttach.at(nValue);
    attachPortAndSession(pPair->getSession(), pPair->getPort(),
                         nProxyType == Proxy_StaticOnline ? Proxy_StaticOnline : Proxy_Online,
                         nValue);
}

void ProxyManager::attachPortAndSession(QString qstrKey, QString qstrPort, int enumType,
                                        int nCurIndex)
{
    sendUi(kUiAttachSession, qstrKey, 0);
    sendUi(kUiAttachPort, qstrPort, 0);
    sendUi(kUiAttachIndex, QStringLiteral("index"), nCurIndex + 1);
    if (InterfaceRecv* pRecv = InterfaceRecv::GetInstance())
        pRecv->pushAttachPortSession(qstrKey, qstrPort, enumType, nCurIndex + 1);
}

void ProxyManager::getTodayListJson(Json::Value& out)
{
    for (QObject* pObject : getDataType(Proxy_Today, 0)) {
        const auto* pRow = qobject_cast<TodayList*>(pObject);
        if (!pRow)
            continue;
        const QJsonObject line = pRow->getqjsonLine();
        Json::Value item(Json::objectValue);
        item["ip"] = pRow->getIp().toStdString();
        item["time_type"] = timeTypeValue(pRow->getIpTimeType()).toStdString();
        item["country"] = todayField(line, "country").toStdString();
        item["state"] = todayField(line, "state").toStdString();
        item["city"] = todayField(line, "city").toStdString();
        item["isp"] = todayField(line, "isp").toStdString();
        item["zip"] = todayField(line, "postal").toStdString();
        item["port"] = pRow->getPort().toStdString();
        item["buy_time"] = pRow->getBuyTime().toStdString();
        item["online"] = onlineValue(pRow->getOnline()).toStdString();
        out.append(item);
    }
}

int ProxyManager::modifyTodayBySessionAndPort(const std::string& strIp, const std::string& strPort)
{
    const QString qstrPort = QString::fromStdString(strPort);
    if (!m_hashPort.contains(qstrPort))
        return 1;
    const TodayList* pRow = getTodayByIp(QString::fromStdString(strIp));
    if (!pRow)
        return 2;
    bindPortBySession(pRow->getSession(), qstrPort, Proxy_Today, 0, 0);
    return 0;
}
