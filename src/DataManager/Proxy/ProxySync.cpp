// Existence checks of kept exits and the favourite operations.
#include "ProxyManager.h"

#include "Interface/InterfaceRecv.h"
#include "PublicModule/HttpCurl/InterfaceBase/UiCodes.h"
#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"

#include <cstdlib>

namespace {

constexpr int kEditAdded = 1;
constexpr int kEditRemoved = 2;
constexpr int kEditRemark = 3;

void setOnlineOf(ProxyDataBase* pRow, int nOnline)
{
    if (auto* pToday = qobject_cast<TodayList*>(pRow))
        pToday->setOnline(nOnline);
    else if (auto* pFavorite = qobject_cast<FavoriteList*>(pRow))
        pFavorite->setOnline(nOnline);
}

// Only exits of plan 1 (rotating IP count) are checked.
bool isCountedPlan(const ProxyDataBase* pRow)
{
    return pRow->getqjsonLine().value(QStringLiteral("ip_time_type")).toVariant().toString() ==
           QLatin1String("1");
}

QString decodedSerial(const ProxyDataBase* pRow)
{
    const std::string strEncoded =
        pRow->getqjsonLine().value(QStringLiteral("sn")).toString().toStdString();
    return QString::fromStdString(Encryption::GetInstance()->decode(strEncoded));
}

} // namespace

void ProxyManager::checkArraySn(int nValue)
{
    if (!checkSerials(Proxy_Today, m_hashSnTemp, &InterfacePost::pushSnIsExist, nValue))
        sendUi(kUiCheckState, QStringLiteral("enable"), nValue);
}

void ProxyManager::checkFavoriteArraySn(int nValue)
{
    if (!checkSerials(Proxy_Favorite, m_hashFavoriteSnTemp, &InterfacePost::pushFavoriteSnIsExist,
                      nValue))
        sendUi(kUiCheckState, QStringLiteral("enable"), nValue);
}

void ProxyManager::checkEquipmentLineHistoryArraySn(int nValue)
{
    sendUi(kUiDeviceCheckButton, QStringLiteral("disable"), 0);
    if (!checkSerials(Proxy_EquipmentLineHistory, m_hashEquipmentLineHistoryTemp,
                      &InterfacePost::pushEquipmentLineHistorySnIsExist, nValue))
        sendUi(kUiDeviceCheckButton, QStringLiteral("enable"), 1);
}

bool ProxyManager::checkSerials(int enumType, SnTable& serials,
                                void (InterfacePost::*pushCheck)(const QString&, int), int nValue)
{
    serials.clear();
    QStringList batch;
    for (ProxyDataBase* pRow : table(enumType)) {
        if (!isCountedPlan(pRow))
            continue;
        const QString qstrSerial = decodedSerial(pRow);
        serials.insert(qstrSerial, pRow);
        batch << qstrSerial;
    }
    InterfaceRecv* pRecv = InterfaceRecv::GetInstance();
    if (batch.isEmpty() || !pRecv)
        return false;
    (pRecv->*pushCheck)(batch.join(QLatin1Char(',')), nValue);
    return true;
}

void ProxyManager::applySerialStates(const SnTable& serials, const Json::Value& data)
{
    if (!data.isArray())
        return;
    for (const Json::Value& element : data) {
        const QString qstrSerial = QString::fromStdString(JsonRead::getText(element, "sn"));
        const int nExist =
            static_cast<int>(std::strtol(JsonRead::getText(element, "exist").c_str(), nullptr, 10));
        if (ProxyDataBase* pRow = serials.value(qstrSerial))
            setOnlineOf(pRow, nExist);
    }
}

void ProxyManager::setSnState(const Json::Value& data)
{
    applySerialStates(m_hashSnTemp, data);
}

void ProxyManager::setFavoriteSnState(const Json::Value& data)
{
    applySerialStates(m_hashFavoriteSnTemp, data);
}

void ProxyManager::setEquipmentLineHistorySnState(const Json::Value& data)
{
    applySerialStates(m_hashEquipmentLineHistoryTemp, data);
}

TodayList* ProxyManager::getTodayBySn(const QString& qstrSn) const
{
    return qobject_cast<TodayList*>(m_hashSnTemp.value(qstrSn));
}

FavoriteList* ProxyManager::getFavoriteBySn(const QString& qstrSn) const
{
    return qobject_cast<FavoriteList*>(m_hashFavoriteSnTemp.value(qstrSn));
}

void ProxyManager::setFavoriteByParam(QString qstrKey, int nOrigin, bool bCheck, int)
{
    const bool bFromList = nOrigin == Proxy_Online || nOrigin == Proxy_Today;
    if (!bFromList && nOrigin != Proxy_Favorite)
        return;
    if (!bCheck)
        delFavoriteData(qstrKey);
    else if (bFromList)
        addFavoriteData(qstrKey, nOrigin);
    // The online and today rows of the same exit show its star.
    const bool bFavorite = isFavoriteKey(qstrKey);
    for (int enumType : {Proxy_Online, Proxy_Today}) {
        if (ProxyDataBase* pRow = getListDataByKey(qstrKey, enumType))
            pRow->setFavorite(bFavorite);
    }
    sendUi(kUiFavoritesRefresh, QStringLiteral("refresh"), nOrigin);
}

void ProxyManager::addFavoriteData(const QString& qstrKey, int enumType)
{
    const ProxyDataBase* pSource = getListDataByKey(qstrKey, enumType);
    if (!pSource)
        return;
    // Already a favourite: a second row would be leaked and uploaded twice.
    if (ProxyDataBase* pKept = getListDataByKey(qstrKey, Proxy_Favorite)) {
        pKept->setFavorite(true);
        return;
    }
    auto* pRow = new FavoriteList;
    pRow->setIp(pSource->getIp());
    pRow->setSession(qstrKey);
    pRow->setLine(pSource->getLine());
    pRow->setqjsonLine(pSource->getqjsonLine());
    pRow->setPing(pSource->getPing());
    pRow->setIpTimeType(pSource->getIpTimeType());
    pRow->setFavorite(true);
    addData(pRow);
    pRow->setSqlType(QStringLiteral("insert"));
    addFavoriteCache(pRow);
    sendUi(kUiFavoriteEdited, QStringLiteral("trigger"), kEditAdded);
}

void ProxyManager::delFavoriteData(const QString& qstrKey)
{
    auto* pRow = qobject_cast<FavoriteList*>(getListDataByKey(qstrKey, Proxy_Favorite));
    if (!pRow)
        return;
    takeData(pRow);
    pRow->setSqlType(QStringLiteral("delete"));
    addFavoriteCache(pRow);
    sendUi(kUiFavoriteEdited, QStringLiteral("trigger"), kEditRemoved);
}

void ProxyManager::setFavoriteRemark(QString qstrKey, QString qstrRemark, int)
{
    auto* pRow = qobject_cast<FavoriteList*>(getListDataByKey(qstrKey, Proxy_Favorite));
    if (!pRow || pRow->getRemark() == qstrRemark)
        return;
    pRow->setRemark(qstrRemark);
    // A favourite not yet stored is still to be inserted, now with this remark.
    if (pRow->getSqlType() != QLatin1String("insert"))
        pRow->setSqlType(QStringLiteral("update"));
    addFavoriteCache(pRow);
    sendUi(kUiFavoriteEdited, QStringLiteral("trigger"), kEditRemark);
}

void ProxyManager::addFavoriteCache(FavoriteList* pRow, int)
{
    if (pRow && !m_listFavoriteCache.contains(pRow))
        m_listFavoriteCache.append(pRow);
}

void ProxyManager::favoriteOpreate(QString qstrKey, int enumType)
{
    if (ProxyDataBase* pRow = getListDataByKey(qstrKey, enumType))
        emit pRow->signal_ClickFavorite(pRow->getFavorite());
}
