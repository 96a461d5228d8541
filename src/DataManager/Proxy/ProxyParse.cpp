// Turning the JSON arrays of answers, database loads and extraction records into rows.
#include "ProxyManager.h"
#include "ProxyListModel.h"

#include "Interface/GlobleParam.h"
#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"
#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

#include <QDateTime>
#include <QDebug>
#include <QJsonDocument>
#include <QRandomGenerator>

#include <cstdlib>

namespace {

constexpr qint64 kTodaySeconds = 86400;
constexpr int kStaticPlan = 6;
constexpr int kTrafficPlan = 11;
const char* const kBuyTimeFormat = "yyyy-MM-dd hh:mm:ss";

QString textOf(const Json::Value& record, const char* szKey)
{
    return QString::fromStdString(JsonRead::getString(record, szKey));
}

int nowSeconds()
{
    return static_cast<int>(QDateTime::currentSecsSinceEpoch());
}

QString nowBuyTime()
{
    return QDateTime::currentDateTime().toString(QString::fromLatin1(kBuyTimeFormat));
}

// Seconds given as text or as a number; 0 when neither.
int secondsOf(const Json::Value& record, const char* szKey)
{
    return static_cast<int>(std::strtoll(JsonRead::getText(record, szKey).c_str(), nullptr, 10));
}

// The plan kind as a leading decimal number of the text; 0 when there is none.
int planFromText(const Json::Value& record)
{
    return static_cast<int>(
        std::strtol(JsonRead::getText(record, "ip_time_type").c_str(), nullptr, 10));
}

int planFromLine(const QJsonObject& line)
{
    const QJsonValue value = line.value(QStringLiteral("ip_time_type"));
    if (value.isString())
        return static_cast<int>(std::strtol(value.toString().toUtf8().constData(), nullptr, 10));
    return value.isDouble() ? value.toInt() : 1;
}

int mealType()
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    return pParam ? pParam->getMealType() : 0;
}

// The encoded text is base64, so Latin-1 reads it as UTF-8 would, only faster.
QString encodeText(const std::string& strPlain)
{
    const std::string strEncoded = Encryption::GetInstance()->encode(strPlain);
    return QString::fromLatin1(strEncoded.data(), static_cast<int>(strEncoded.size()));
}

// A stored line record: false when it does not decode to a JSON object.
bool decodeLine(const QString& qstrEncoded, QJsonObject& line)
{
    const std::string strPlain = Encryption::GetInstance()->decode(qstrEncoded.toStdString());
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(strPlain));
    line = document.object();
    return document.isObject();
}

// The record itself as the row's line, and its compact text encoded.
void encodeRecord(const Json::Value& record, QJsonObject& line, QString& qstrLine)
{
    const std::string strText = toNormalString(record);
    // The parser copies what it keeps, so the text is read where it stands.
    line = QJsonDocument::fromJson(
                QByteArray::fromRawData(strText.data(), static_cast<int>(strText.size())))
               .object();
    qstrLine = encodeText(strText);
}

// The keys lineKeys() reads from a line, read from the record the line is made from: as
// QJsonValue reads them, a member of another type counts as missing.
ProxyDataBase::LineKeys lineKeysOf(const Json::Value& record)
{
    const Json::Value& expire = JsonRead::member(record, "expire_time");
    return {textOf(record, "ip"),     textOf(record, "country"), textOf(record, "state"),
            textOf(record, "city"),   textOf(record, "postal"),  textOf(record, "isp"),
            expire.isNumeric() ? expire.asDouble() : 0.0};
}

// The device lists' "Random" entry: any exit the service picks.
Json::Value randomLine()
{
    const std::string strRandom = ProxyManager::tr("Random").toStdString();
    Json::Value line(Json::objectValue);
    for (const char* szKey : {"city", "continent", "country", "ip", "isp", "postal", "region",
                              "server", "server_port", "sn", "state", "buy_time"})
        line[szKey] = strRandom;
    line["ip_time_type"] = 0;
    return line;
}

// A device record as its row keeps it: with its remark decoded.
QJsonObject deviceLine(const Json::Value& record)
{
    QJsonObject line;
    QString qstrUnused;
    encodeRecord(record, line, qstrUnused);
    ProxyManager::setQJsonParamByString(
        line, QStringLiteral("remark_decode"),
        Encryption::GetInstance()->decode(JsonRead::getString(record, "remark")));
    return line;
}

// Buy time text to seconds; -1 when it does not parse.
qint64 buyTimeSeconds(const QString& qstrBuyTime)
{
    const QDateTime dateTime =
        QDateTime::fromString(qstrBuyTime, QString::fromLatin1(kBuyTimeFormat));
    return dateTime.isValid() ? dateTime.toSecsSinceEpoch() : -1;
}

} // namespace

QString ProxyManager::userSession(const QString& qstrIp)
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    const QString qstrUser = pParam ? pParam->GetUsername() : QString();
    return QString::fromStdString(WebRecv::encode_to_md5((qstrUser + qstrIp).toStdString()));
}

void ProxyManager::beginRarseProxyListData(int)
{
    addDataByJsonArray(takeCache(Cache_ProxyList), Proxy_Online, 0);
}

void ProxyManager::appendRarseProxyListData(int)
{
    addDataByJsonArray(takeCache(Cache_ProxyList), Proxy_Online, 10);
}

void ProxyManager::beginRarseStaticProxyListData(int)
{
    addDataByJsonArray(takeCache(Cache_StaticProxyList), Proxy_StaticOnline, 0);
}

void ProxyManager::beginRarseEquipmentLineListData(int)
{
    addDataByJsonArray(takeCache(Cache_EquipmentLineList), Proxy_EquipmentLine, 0);
}

void ProxyManager::appendRarseEquipmentLineListData(int)
{
    addDataByJsonArray(takeCache(Cache_EquipmentLineList), Proxy_EquipmentLine, 10);
}

void ProxyManager::beginRarseLocalTodayListData(int)
{
    addDataByJsonArray(takeCache(Cache_LocalToday), Proxy_Today, 0);
}

void ProxyManager::beginRarseRemoteTodayListData(int)
{
    addDataByJsonArray(takeCache(Cache_RemoteToday), Proxy_Today, 1);
}

void ProxyManager::beginParseApiTodayListData(int)
{
    addDataByJsonArray(takeCache(Cache_ApiToday), Proxy_Today, 2);
}

void ProxyManager::beginRarseLocalFavouriteListData(int)
{
    addDataByJsonArray(takeCache(Cache_LocalFavourite), Proxy_Favorite, 0);
}

void ProxyManager::beginRarseRemoteFavoriteListData(int)
{
    addDataByJsonArray(takeCache(Cache_RemoteFavorite), Proxy_Favorite, 1);
}

void ProxyManager::beginRarseLocalApiHistoryData(int)
{
    addDataByJsonArray(takeCache(Cache_LocalApiHistory), Proxy_ApiHistory, 0);
}

void ProxyManager::beginRarseLocalProgramHistoryData(int)
{
    addDataByJsonArray(takeCache(Cache_LocalProgramHistory), Proxy_ProgramHistory, 0);
}

void ProxyManager::beginParseListDataByProxyType(int enumType, int)
{
    if (enumType == Proxy_Equipment || enumType == Proxy_EquipmentLineHistory) {
        const Json::Value array = getDataJsonByProxyType(enumType);
        clearDataJsonByProxyType(enumType);
        addDataByJsonArray(array, static_cast<ProxyEnum>(enumType), 0);
    }
    if (enumType == Proxy_Equipment)
        recountSelectedDevices();
}

void ProxyManager::modifyParseListDataByProxyType(int enumType, int)
{
    const Json::Value array = getDataJsonByProxyType(enumType);
    clearDataJsonByProxyType(enumType);
    if (enumType == Proxy_Equipment) {
        modifyDataByJsonArray(array, Proxy_Equipment, 0);
        recountSelectedDevices();
    }
}

int ProxyManager::addDataByJsonArray(const Json::Value& array, ProxyEnum enumType, int nMode,
                                     int* pSkipped)
{
    ProxyListModel* pModel = m_models[static_cast<size_t>(enumType)];
    if (pModel)
        pModel->holdOffers();
    beginPass(enumType, nMode);
    // Grown once instead of step by step through rehashes.
    if (RowTable* pTable = mutableTable(enumType); pTable && array.isArray())
        pTable->reserve(pTable->size() + static_cast<int>(array.size()));
    int nFiled = 0;
    int nMalformed = 0;
    if (array.isArray()) {
        for (const Json::Value& record : array) {
            const Outcome outcome = addDataByJsonObj(record, enumType, nMode);
            nFiled += outcome == Outcome::Filed ? 1 : 0;
            nMalformed += outcome == Outcome::Malformed ? 1 : 0;
            if (enumType == Proxy_Today && nMode == 2)
                addDataByJsonObj(record, Proxy_ApiHistory, 2);
        }
    }
    if (nMalformed > 0)
        qDebug() << "list" << enumType << "mode" << nMode << ": skipped" << nMalformed
                 << "malformed records";
    if (pSkipped)
        *pSkipped = nMalformed;
    endPass(enumType, nMode, nFiled);
    if (pModel)
        pModel->releaseOffers();
    return nFiled;
}

void ProxyManager::beginPass(ProxyEnum enumType, int nMode)
{
    switch (enumType) {
    case Proxy_Online:
    case Proxy_StaticOnline:
    case Proxy_EquipmentLine:
        if (nMode == 10)
            m_listAppendOnline.clear();
        else
            clearDataByType(enumType);
        break;
    case Proxy_Today:
        clearDelete();
        clearAdd();
        break;
    case Proxy_Favorite:
        clearFavoriteAdd();
        break;
    case Proxy_ProgramLine:
    case Proxy_Equipment:
        clearDataByType(enumType);
        break;
    default:
        break;
    }
}

void ProxyManager::endPass(ProxyEnum enumType, int nMode, int nFiled)
{
    switch (enumType) {
    case Proxy_EquipmentLine:
        if (nMode != 10 && nFiled > 0)
            addDataByJsonObj(randomLine(), enumType, 0);
        break;
    case Proxy_EquipmentLineHistory:
        if (!table(enumType).isEmpty())
            addDataByJsonObj(randomLine(), enumType, 1);
        break;
    case Proxy_Today:
        if (nMode == 0)
            runDeleteData();
        else if (nMode == 1)
            runAddData();
        else if (nMode == 2)
            runTodaylistCache(0);
        break;
    case Proxy_Favorite:
        if (nMode == 1)
            runFavoriteAddData();
        break;
    case Proxy_ProgramLine:
        setRandomEnablePort(QString());
        break;
    default:
        break;
    }
}

ProxyManager::Outcome ProxyManager::addDataByJsonObj(const Json::Value& record, ProxyEnum enumType,
                                                     int nMode)
{
    if (!record.isObject())
        return Outcome::Malformed;
    switch (enumType) {
    case Proxy_Online:
    case Proxy_StaticOnline:
    case Proxy_EquipmentLine:
    case Proxy_ProgramLine:
        return addLineRow(record, enumType, nMode);
    case Proxy_Equipment:
        return addDevice(record);
    case Proxy_Today:
        if (nMode == 0)
            return addStoredToday(record);
        if (nMode == 1)
            return addServiceToday(record);
        return nMode == 2 ? addExtractToday(record) : Outcome::Present;
    case Proxy_Favorite:
        if (nMode == 0)
            return addStoredFavorite(record);
        return nMode == 1 ? addServiceFavorite(record) : Outcome::Present;
    case Proxy_ApiHistory:
        if (nMode == 2)
            return addExtractHistory(record);
        return nMode == 0 ? addStoredHistory(record, enumType) : Outcome::Present;
    case Proxy_ProgramHistory:
        return nMode == 0 ? addStoredHistory(record, enumType) : Outcome::Present;
    case Proxy_EquipmentLineHistory:
        if (nMode == 1)
            return addRandomHistory(record);
        return nMode == 0 ? addStoredHistory(record, enumType) : Outcome::Present;
    default:
        return Outcome::Present;
    }
}

void ProxyManager::completeRow(ProxyDataBase* pRow, const QString& qstrIp, int nIpTimeType,
                               const QString& qstrKey, const QString& qstrLine,
                               const QJsonObject& qjsonLine, const Json::Value* pRecord)
{
    pRow->setIp(qstrIp);
    pRow->setIpTimeType(nIpTimeType);
    pRow->setSession(qstrKey);
    pRow->setLine(qstrLine);
    pRow->setqjsonLine(qjsonLine);
    if (pRecord)
        pRow->setLineKeys(lineKeysOf(*pRecord));
    pRow->setPing(QRandomGenerator::global()->bounded(21, 88));
    addData(pRow);
}

bool ProxyManager::isFavoriteKey(const QString& qstrKey) const
{
    return table(Proxy_Favorite).contains(qstrKey);
}

// Exits of the online (1), static (10), device line (12) and program line (7) lists.
ProxyManager::Outcome ProxyManager::addLineRow(const Json::Value& record, ProxyEnum enumType,
                                               int nMode)
{
    const QString qstrIp = textOf(record, "ip");
    if (qstrIp.isEmpty())
        return Outcome::Malformed;
    const QString qstrKey = enumType == Proxy_EquipmentLine ? qstrIp : userSession(qstrIp);
    // Program lines: a later record replaces the earlier one.
    if (enumType != Proxy_ProgramLine && isExistByKey(qstrKey, enumType))
        return Outcome::Present;
    // The record is copied only when the plan rule changes it.
    const bool bPlanRule = enumType == Proxy_Online || enumType == Proxy_EquipmentLine;
    Json::Value traffic;
    if (bPlanRule && mealType() == kTrafficPlan) {
        traffic = record;
        traffic["ip_time_type"] = "11";
    }
    const Json::Value& line = traffic.isNull() ? record : traffic;
    QJsonObject qjsonLine;
    QString qstrLine;
    encodeRecord(line, qjsonLine, qstrLine);
    ProxyDataBase* pRow = enumType == Proxy_ProgramLine
                              ? static_cast<ProxyDataBase*>(new ProgramLine)
                              : new ProxyList;
    pRow->setProxyType(enumType);
    if (enumType == Proxy_Online || enumType == Proxy_StaticOnline)
        pRow->setFavorite(isFavoriteKey(qstrKey));
    completeRow(pRow, qstrIp, planFromText(line), qstrKey, qstrLine, qjsonLine, &line);
    if (nMode == 10 && enumType != Proxy_ProgramLine)
        m_listAppendOnline.append(pRow);
    return Outcome::Filed;
}

ProxyManager::Outcome ProxyManager::addDevice(const Json::Value& record)
{
    const QString qstrKey = textOf(record, "device_sn");
    if (qstrKey.isEmpty())
        return Outcome::Malformed;
    if (isExistByKey(qstrKey, Proxy_Equipment))
        return Outcome::Present;
    const QJsonObject qjsonLine = deviceLine(record);
    auto* pRow = new EquipmentList;
    setEquipmentByJson(pRow, qjsonLine, 1);
    completeRow(pRow, QString(), 1, qstrKey, QString(), qjsonLine);
    return Outcome::Filed;
}

void ProxyManager::modifyDataByJsonArray(const Json::Value& array, ProxyEnum enumType, int)
{
    if (enumType != Proxy_Equipment)
        return;
    m_hashEquipmentAppend.clear();
    if (!array.isArray())
        return;
    for (const Json::Value& record : array)
        modifyDevice(record);
}

void ProxyManager::modifyDevice(const Json::Value& record)
{
    const QString qstrKey = textOf(record, "device_sn");
    if (!record.isObject() || qstrKey.isEmpty())
        return;
    const QJsonObject qjsonLine = deviceLine(record);
    if (auto* pRow = static_cast<EquipmentList*>(getListDataByKey(qstrKey, Proxy_Equipment))) {
        pRow->setqjsonLine(qjsonLine);
        setEquipmentByJson(pRow, qjsonLine, 2);
        return;
    }
    auto* pRow = new EquipmentList;
    setEquipmentByJson(pRow, qjsonLine, 3);
    pRow->setSession(qstrKey);
    pRow->setqjsonLine(qjsonLine);
    addData(pRow);
    m_hashEquipmentAppend.insert(qstrKey, pRow);
}

// Stored history rows (API 8, program 9, device lines 13) from the database.
ProxyManager::Outcome ProxyManager::addStoredHistory(const Json::Value& record, ProxyEnum enumType)
{
    const QString qstrKey = textOf(record, "session");
    QJsonObject qjsonLine;
    if (qstrKey.isEmpty() || !decodeLine(textOf(record, "line"), qjsonLine))
        return Outcome::Malformed;
    if (isExistByKey(qstrKey, enumType))
        return Outcome::Present;
    auto* pRow = new TodayList;
    pRow->setProxyType(enumType);
    pRow->setBuyTime(qjsonLine.value(QStringLiteral("buy_time")).toString());
    pRow->setCreateTime(secondsOf(record, "create_time"));
    pRow->setUpdateTime(secondsOf(record, "update_time"));
    completeRow(pRow, qjsonLine.value(QStringLiteral("ip")).toString(), planFromLine(qjsonLine),
                qstrKey, textOf(record, "line"), qjsonLine);
    return Outcome::Filed;
}

ProxyManager::Outcome ProxyManager::addExtractHistory(const Json::Value& record)
{
    const QString qstrIp = textOf(record, "ip");
    if (qstrIp.isEmpty())
        return Outcome::Malformed;
    const QString qstrKey = userSession(qstrIp);
    if (isExistByKey(qstrKey, Proxy_ApiHistory))
        return Outcome::Present;
    Json::Value line = record;
    if (JsonRead::getText(record, "use_type") == "3")
        line["ip_time_type"] = "11";
    const QString qstrBuyTime = nowBuyTime();
    line["buy_time"] = qstrBuyTime.toStdString();
    QJsonObject qjsonLine;
    QString qstrLine;
    encodeRecord(line, qjsonLine, qstrLine);
    auto* pRow = new TodayList;
    pRow->setProxyType(Proxy_ApiHistory);
    pRow->setPort(textOf(record, "port"));
    pRow->setBuyTime(qstrBuyTime);
    completeRow(pRow, qstrIp, planFromText(line), qstrKey, qstrLine, qjsonLine, &line);
    return Outcome::Filed;
}

// The device line history's "Random" entry, dated a day ahead so that it sorts first.
ProxyManager::Outcome ProxyManager::addRandomHistory(const Json::Value& record)
{
    const QString qstrIp = textOf(record, "ip");
    if (qstrIp.isEmpty())
        return Outcome::Malformed;
    const QString qstrKey = userSession(qstrIp);
    if (isExistByKey(qstrKey, Proxy_EquipmentLineHistory))
        return Outcome::Present;
    QJsonObject qjsonLine;
    QString qstrLine;
    encodeRecord(record, qjsonLine, qstrLine);
    auto* pRow = new TodayList;
    pRow->setProxyType(Proxy_EquipmentLineHistory);
    pRow->setBuyTime(textOf(record, "buy_time"));
    pRow->setCreateTime(nowSeconds() + static_cast<int>(kTodaySeconds));
    pRow->setUpdateTime(pRow->getCreateTime());
    completeRow(pRow, qstrIp, planFromText(record), qstrKey, qstrLine, qjsonLine, &record);
    return Outcome::Filed;
}

ProxyManager::Outcome ProxyManager::addStoredToday(const Json::Value& record)
{
    const QString qstrKey = textOf(record, "session");
    QJsonObject qjsonLine;
    if (qstrKey.isEmpty() || !decodeLine(textOf(record, "line"), qjsonLine))
        return Outcome::Malformed;
    if (ProxyDataBase* pOld = getListDataByKey(qstrKey, Proxy_Today)) {
        pOld->setFavorite(isFavoriteKey(qstrKey));
        return Outcome::Present;
    }
    const int nPlan = planFromLine(qjsonLine);
    const QString qstrBuyTime = qjsonLine.value(QStringLiteral("buy_time")).toString();
    const qint64 nBought = buyTimeSeconds(qstrBuyTime);
    // Static exits stay whatever their age; a renewal keeps the old expiry.
    if (nPlan != kStaticPlan && (nBought < 0 || nowSeconds() - nBought > kTodaySeconds)) {
        addDeleteData(record);
        return Outcome::Present;
    }
    auto* pRow = new TodayList;
    pRow->setBuyTime(qstrBuyTime);
    pRow->setCreateTime(secondsOf(record, "create_time"));
    pRow->setUpdateTime(secondsOf(record, "update_time"));
    QString qstrPort = QString::fromStdString(JsonRead::getText(record, "port"));
    if (qstrPort == QLatin1String("0"))
        qstrPort.clear();
    pRow->setPort(qstrPort);
    pRow->setFavorite(isFavoriteKey(qstrKey));
    updatePortBind(qstrKey, qstrPort, qjsonLine, pRow->getOnline());
    completeRow(pRow, qjsonLine.value(QStringLiteral("ip")).toString(), nPlan, qstrKey,
                textOf(record, "line"), qjsonLine);
    return Outcome::Filed;
}

ProxyManager::Outcome ProxyManager::addServiceToday(const Json::Value& record)
{
    const QString qstrKey = textOf(record, "session");
    QJsonObject qjsonLine;
    if (qstrKey.isEmpty() || !decodeLine(textOf(record, "line"), qjsonLine))
        return Outcome::Malformed;
    if (ProxyDataBase* pOld = getListDataByKey(qstrKey, Proxy_Today)) {
        pOld->setFavorite(isFavoriteKey(qstrKey));
        return Outcome::Present;
    }
    qjsonLine.insert(QStringLiteral("buy_time"), QString());
    const QString qstrLine = encodeText(JsonToQStr(qjsonLine).toStdString());
    auto* pRow = new TodayList;
    pRow->setFavorite(isFavoriteKey(qstrKey));
    updatePortBind(qstrKey, QString(), qjsonLine, pRow->getOnline());
    completeRow(pRow, qjsonLine.value(QStringLiteral("ip")).toString(), planFromLine(qjsonLine),
                qstrKey, qstrLine, qjsonLine);
    Json::Value stored(Json::objectValue);
    stored["session"] = qstrKey.toStdString();
    stored["port"] = "";
    stored["line"] = qstrLine.toStdString();
    stored["create_time"] = JsonRead::member(record, "create_time");
    stored["update_time"] = pRow->getUpdateTime();
    addAddData(stored);
    return Outcome::Filed;
}

ProxyManager::Outcome ProxyManager::addExtractToday(const Json::Value& record)
{
    const QString qstrIp = textOf(record, "ip");
    if (qstrIp.isEmpty())
        return Outcome::Malformed;
    const QString qstrKey = userSession(qstrIp);
    if (ProxyDataBase* pOld = getListDataByKey(qstrKey, Proxy_Today)) {
        pOld->setFavorite(isFavoriteKey(qstrKey));
        return Outcome::Present;
    }
    Json::Value line = record;
    if (JsonRead::getText(record, "use_type") == "3")
        line["ip_time_type"] = "11";
    const QString qstrBuyTime = nowBuyTime();
    line["buy_time"] = qstrBuyTime.toStdString();
    QJsonObject qjsonLine;
    QString qstrLine;
    encodeRecord(line, qjsonLine, qstrLine);
    const QString qstrPort = textOf(record, "port");
    auto* pRow = new TodayList;
    pRow->setPort(qstrPort);
    pRow->setBuyTime(qstrBuyTime);
    pRow->setFavorite(isFavoriteKey(qstrKey));
    releasePortBind(qstrPort, 0);
    updatePortBind(qstrKey, qstrPort, qjsonLine, pRow->getOnline());
    completeRow(pRow, qstrIp, planFromText(line), qstrKey, qstrLine, qjsonLine, &line);
    Json::Value stored(Json::objectValue);
    stored["ip"] = qstrIp.toStdString();
    stored["session"] = qstrKey.toStdString();
    stored["port"] = qstrPort.toStdString();
    stored["line"] = qstrLine.toStdString();
    stored["create_time"] = pRow->getCreateTime();
    stored["update_time"] = pRow->getUpdateTime();
    addAddData(stored);
    return Outcome::Filed;
}

ProxyManager::Outcome ProxyManager::addStoredFavorite(const Json::Value& record)
{
    const QString qstrKey = textOf(record, "session");
    QJsonObject qjsonLine;
    if (qstrKey.isEmpty() || !decodeLine(textOf(record, "line"), qjsonLine))
        return Outcome::Malformed;
    if (isExistByKey(qstrKey, Proxy_Favorite))
        return Outcome::Present;
    auto* pRow = new FavoriteList;
    pRow->setRemark(textOf(record, "remark"));
    pRow->setFavorite(true);
    pRow->setCreateTime(secondsOf(record, "create_time"));
    pRow->setUpdateTime(secondsOf(record, "update_time"));
    completeRow(pRow, qjsonLine.value(QStringLiteral("ip")).toString(), planFromLine(qjsonLine),
                qstrKey, textOf(record, "line"), qjsonLine);
    return Outcome::Filed;
}

ProxyManager::Outcome ProxyManager::addServiceFavorite(const Json::Value& record)
{
    const QString qstrIp = textOf(record, "line_ip");
    if (qstrIp.isEmpty())
        return Outcome::Malformed;
    const QString qstrKey = userSession(qstrIp);
    if (isExistByKey(qstrKey, Proxy_Favorite))
        return Outcome::Present;
    const QString qstrLine = textOf(record, "line_info");
    QJsonObject qjsonLine;
    decodeLine(qstrLine, qjsonLine);
    auto* pRow = new FavoriteList;
    pRow->setRemark(textOf(record, "remark"));
    pRow->setFavorite(true);
    completeRow(pRow, qstrIp, planFromLine(qjsonLine), qstrKey, qstrLine, qjsonLine);
    Json::Value stored(Json::objectValue);
    stored["session"] = qstrKey.toStdString();
    stored["line"] = qstrLine.toStdString();
    stored["remark"] = pRow->getRemark().toStdString();
    stored["create_time"] = JsonRead::member(record, "create_time");
    stored["update_time"] = pRow->getUpdateTime();
    addFavoriteAddData(stored);
    return Outcome::Filed;
}
