// Binding device lines: one device, the chosen devices on one line, or each chosen device
// on a line of its own; the line history each bind uploads.
#include "ProxyManager.h"

#include "DataManager/Proxy/DeviceJson.h"
#include "Interface/InterfaceRecv.h"
#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"

#include <QDateTime>
#include <QJsonDocument>

#include <algorithm>

namespace {

using DeviceJson::compact;
using DeviceJson::text;

constexpr int kOpBindOne = 2;
constexpr int kOpBindSelected = 6;
constexpr int kFromHistory = 2; // codes from here on pick from the line history
constexpr int kHistoryCodes = 100;
const char* const kBuyTimeFormat = "yyyy-MM-dd hh:mm:ss";

std::string utf8Field(const QJsonObject& object, const char* szKey)
{
    return text(object, szKey).toUtf8().toStdString();
}

// A history entry counts while the history view shows it and the service still has it; a
// line of the list while it is a real exit (the "Random" entry has latency 0).
bool isUsable(const ProxyDataBase* pLine)
{
    if (const auto* pHistory = qobject_cast<const TodayList*>(pLine))
        return pHistory->getIsShow() && pHistory->getOnline() != 0;
    return pLine && pLine->getPing() != 0;
}

QList<ProxyDataBase*> usableOnly(QList<ProxyDataBase*> lines)
{
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [](const ProxyDataBase* pLine) { return !isUsable(pLine); }),
                lines.end());
    return lines;
}

// The place keys every bind sends, taken from the line.
Json::Value placeOf(const QJsonObject& line)
{
    Json::Value place(Json::objectValue);
    place["out_ip"] = utf8Field(line, "ip");
    place["country_code"] = utf8Field(line, "country");
    place["st_code"] = utf8Field(line, "state");
    place["city_code"] = utf8Field(line, "city");
    place["ip_sn"] = utf8Field(line, "sn");
    place["server_ip"] = utf8Field(line, "server");
    place["isp_code"] = utf8Field(line, "isp");
    place["zip_code"] = utf8Field(line, "postal");
    place["continent"] = utf8Field(line, "continent");
    return place;
}

QString placeText(const Json::Value& place, const char* szKey)
{
    return QString::fromStdString(place[szKey].asString());
}

struct BindTime
{
    QString qstrText = QDateTime::currentDateTime().toString(QLatin1String(kBuyTimeFormat));
    int nStamp = static_cast<int>(QDateTime::currentSecsSinceEpoch());
};

} // namespace

void ProxyManager::bindEquipmentAndLine(QString qstrDeviceKey, QString qstrLineKey, int nValue)
{
    if (qstrDeviceKey.isEmpty())
        bindEquipmentArrayAndLine(qstrLineKey, nValue);
    else
        bindEquipmentParamAndLine(qstrDeviceKey, qstrLineKey, nValue);
}

void ProxyManager::bindEquipmentAndLineWidthEnable(QString qstrDeviceKey, QString qstrLineKey,
                                                   int nValue)
{
    if (qstrDeviceKey.isEmpty() && qstrLineKey.isEmpty())
        bindEquipmentAndLineRandom(nValue);
    else
        bindEquipmentAndLine(qstrDeviceKey, qstrLineKey, nValue);
}

void ProxyManager::bindEquipmentAndLineHistory(QString qstrDeviceKey, QString qstrLineKey,
                                               int nValue, int nDifferent)
{
    const int nCode = nValue + kHistoryCodes;
    if (nDifferent == 1 && qstrDeviceKey.isEmpty() && qstrLineKey.isEmpty())
        bindEquipmentAndLineRandom(nCode);
    else
        bindEquipmentAndLine(qstrDeviceKey, qstrLineKey, nCode);
}

// The usable lines in order: the device line list by key, or the history entries in the
// order the history view shows them.
QList<ProxyDataBase*> ProxyManager::equipmentLines(bool bHistory) const
{
    QList<ProxyDataBase*> lines;
    if (bHistory) {
        for (QObject* pRow : m_listEquipmentLineHistory)
            lines.append(static_cast<ProxyDataBase*>(pRow));
        return usableOnly(lines);
    }
    lines = table(Proxy_EquipmentLine).values();
    std::sort(lines.begin(), lines.end(), [](const ProxyDataBase* a, const ProxyDataBase* b) {
        return a->getSession() < b->getSession();
    });
    return usableOnly(lines);
}

// The named line, or the first usable one; the "Random" entry names no exit.
ProxyDataBase* ProxyManager::findEquipmentLine(const QString& qstrLineKey, bool bHistory) const
{
    ProxyDataBase* pLine =
        getListDataByKey(qstrLineKey, bHistory ? Proxy_EquipmentLineHistory : Proxy_EquipmentLine);
    if (pLine && pLine->getPing() != 0)
        return pLine;
    return equipmentLines(bHistory).value(0);
}

void ProxyManager::bindEquipmentParamAndLine(const QString& qstrDeviceKey,
                                             const QString& qstrLineKey, int nCode)
{
    auto* pDevice = static_cast<EquipmentList*>(getListDataByKey(qstrDeviceKey, Proxy_Equipment));
    const bool bHistory = nCode >= kFromHistory;
    const ProxyDataBase* pLine = pDevice ? findEquipmentLine(qstrLineKey, bHistory) : nullptr;
    InterfaceRecv* pRecv = InterfaceRecv::GetInstance();
    if (!pLine || !pRecv)
        return;
    const QJsonObject line = pLine->getqjsonLine();
    const QJsonObject device = pDevice->getqjsonLine();
    const Json::Value place = placeOf(line);
    const bool bProxyOn = nCode == 1 || nCode == kHistoryCodes + 1;
    pRecv->pushBatchSaveDevice(
        text(device, "device_sn"), text(device, "remark"), placeText(place, "out_ip"),
        placeText(place, "country_code"), placeText(place, "st_code"),
        placeText(place, "city_code"), placeText(place, "ip_sn"), placeText(place, "server_ip"),
        bProxyOn ? QStringLiteral("1") : text(device, "proxy_status"),
        buildRandSession(qstrDeviceKey + text(line, "sn")), placeText(place, "isp_code"),
        placeText(place, "zip_code"), placeText(place, "continent"),
        compact(pDevice->getJsonOperate()), kOpBindOne);
    if (!bHistory) {
        m_mapEquipmentHistory.clear();
        const BindTime now;
        addEquipmentLineHistoryCache(line, now.qstrText, now.nStamp);
        batchEquipmentLineHistory();
    }
}

void ProxyManager::bindEquipmentArrayAndLine(const QString& qstrLineKey, int nCode)
{
    const bool bHistory = nCode >= kFromHistory;
    const ProxyDataBase* pLine = findEquipmentLine(qstrLineKey, bHistory);
    InterfaceRecv* pRecv = InterfaceRecv::GetInstance();
    if (!pLine || !pRecv)
        return;
    const QJsonObject line = pLine->getqjsonLine();
    Json::Value devices(Json::arrayValue);
    for (const EquipmentList* pDevice : chosenDevices()) {
        Json::Value device(Json::objectValue);
        device["device_sn"] = pDevice->getSession().toStdString();
        device["session_id"] =
            buildRandSession(pDevice->getSession() + text(line, "sn")).toStdString();
        devices.append(device);
    }
    const Json::Value place = placeOf(line);
    pRecv->pushBatchSaveSessionId(
        QString::fromStdString(devices.toStyledString()), placeText(place, "out_ip"),
        placeText(place, "country_code"), placeText(place, "st_code"),
        placeText(place, "city_code"), placeText(place, "ip_sn"), placeText(place, "server_ip"),
        QString(), placeText(place, "isp_code"), placeText(place, "zip_code"),
        placeText(place, "continent"), compact(getBatchJsonOperate()), kOpBindSelected);
    if (!bHistory) {
        m_mapEquipmentHistory.clear();
        const BindTime now;
        addEquipmentLineHistoryCache(line, now.qstrText, now.nStamp);
        batchEquipmentLineHistory();
    }
}

// The usable lines are dealt out in turn to the chosen devices, from the second one on and
// wrapping round, so the placeholder or an offline entry never ends the deal early.
void ProxyManager::bindEquipmentAndLineRandom(int nCode)
{
    const bool bHistory = nCode >= kFromHistory;
    const QList<ProxyDataBase*> lines = equipmentLines(bHistory);
    InterfaceRecv* pRecv = InterfaceRecv::GetInstance();
    if (lines.isEmpty() || !pRecv)
        return;
    const BindTime now;
    if (!bHistory)
        m_mapEquipmentHistory.clear();
    Json::Value devices(Json::arrayValue);
    int nIndex = 1;
    for (const EquipmentList* pDevice : chosenDevices()) {
        const ProxyDataBase* pLine = lines.at(nIndex++ % lines.size());
        const QJsonObject line = pLine->getqjsonLine();
        Json::Value device = placeOf(line);
        device["device_sn"] = pDevice->getSession().toStdString();
        device["session_id"] =
            buildRandSession(pDevice->getSession() + text(line, "sn")).toStdString();
        devices.append(device);
        if (!bHistory)
            addEquipmentLineHistoryCache(line, now.qstrText, now.nStamp);
    }
    pRecv->pushBatchSaveEnableDifferent(QString::fromStdString(devices.toStyledString()),
                                        compact(getBatchJsonOperate()), kOpBindSelected);
    if (!bHistory)
        batchEquipmentLineHistory();
}

void ProxyManager::addEquipmentLineHistoryCache(const QJsonObject& qjsonLine,
                                                const QString& qstrBuyTime, int nStamp)
{
    QJsonObject line = qjsonLine;
    line.insert(QStringLiteral("buy_time"), qstrBuyTime);
    const QString qstrIp = text(qjsonLine, "ip");
    const QString qstrSession = userSession(qstrIp);
    Json::Value entry(Json::objectValue);
    entry["ip"] = qstrIp.toStdString();
    entry["session"] = qstrSession.toStdString();
    entry["line"] = Encryption::GetInstance()->encode(compact(line).toStdString());
    entry["create_time"] = nStamp;
    entry["update_time"] = nStamp;
    m_mapEquipmentHistory.insert(qstrSession, entry);
}

void ProxyManager::batchEquipmentLineHistory()
{
    InterfaceRecv* pRecv = InterfaceRecv::GetInstance();
    if (m_mapEquipmentHistory.isEmpty() || !pRecv)
        return;
    Json::Value entries(Json::arrayValue);
    for (const Json::Value& entry : qAsConst(m_mapEquipmentHistory))
        entries.append(entry);
    pRecv->pushBatchSaveEquipmentlHistory(QString::fromStdString(toNormalString(entries)), 0);
}
