// The engine's datagrams, the API history and the extraction link of the engine's API.
#include "ProxyManager.h"

#include "DataManager/Sqllite/MySqllite.h"
#include "Interface/GlobleParam.h"
#include "PublicModule/HttpCurl/InterfaceBase/UiCodes.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"

#include <QDebug>
#include <QUrl>

#include <algorithm>

namespace {

constexpr int kDatagramExtraction = 1;
constexpr int kDatagramFreedPort = 2;
constexpr int kDefaultBeginPort = 30000;

// A freed port as the engine names it: decimal text or a whole number.
QString portOf(const Json::Value& data)
{
    if (data.isString() || (data.isIntegral() && !data.isBool()))
        return QString::fromStdString(JsonRead::toText(data));
    return QString();
}

// The engine serves only the configured ports: a record naming another port did not come
// from it. This fences forgeries from local processes, it cannot stop them.
bool inPortRange(const Json::Value& data)
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    bool bNumber = false;
    const int nPort = portOf(JsonRead::member(data, "port")).toInt(&bNumber);
    return pParam && bNumber && nPort >= pParam->getBeginPort() &&
           nPort < pParam->getBeginPort() + pParam->getPortNumber();
}

// Location codes go out percent-encoded; no choice means any.
QByteArray locationValue(const QString& qstrCode)
{
    if (qstrCode.isEmpty() || qstrCode == QLatin1String("random"))
        return "all";
    return QUrl::toPercentEncoding(qstrCode);
}

QByteArray planPart(int nMealType)
{
    if (nMealType == 4)
        return "use_type=1";
    if (nMealType == 11)
        return "use_type=3&ip_time=1";
    return "ip_time=" + QByteArray::number(nMealType);
}

// The line count within 1 and the pool's size; text that is no number asks for one.
int lineCount(const QString& qstrLineNum, int nPortNumber)
{
    return std::max(1, std::min(qstrLineNum.toInt(), nPortNumber));
}

} // namespace

// Only well-formed datagrams act: code 1 with an exit that has an address and one of our
// ports, code 2 with a port; anything else from the socket is dropped.
void ProxyManager::parseApiRecv(QString qstrValue, int)
{
    Json::Value datagram;
    if (!JsonRead::parse(qstrValue.toStdString(), datagram, false))
        return;
    const Json::Value& data = JsonRead::member(datagram, "data");
    switch (JsonRead::getInt(datagram, "code", 0)) {
    case kDatagramExtraction:
        if (data.isObject() && !inPortRange(data)) {
            qDebug() << "extraction record for a port outside the range dropped";
            break;
        }
        if (data.isObject() && !JsonRead::getString(data, "ip").empty()) {
            appendApiTodayData(data);
            sendUi(kUiApiCache, QStringLiteral("api cache"), 0);
        }
        break;
    case kDatagramFreedPort: {
        const QString qstrPort = portOf(data);
        if (!qstrPort.isEmpty())
            addFreePortData(qstrPort);
        break;
    }
    default:
        break;
    }
}

void ProxyManager::clearApiHistoryData(int)
{
    QList<Json::Value> rows;
    for (const ProxyDataBase* pRow : table(Proxy_ApiHistory)) {
        Json::Value object(Json::objectValue);
        object["session"] = pRow->getSession().toStdString();
        object["line"] = pRow->getLine().toStdString();
        rows.append(object);
    }
    clearDataByType(Proxy_ApiHistory);
    submitRows(MySqllite::GetInstance()->getApiHistoryTableName(), rows, SQL_DELETE, 1);
}

QString ProxyManager::setCopyUrlByParam(int nMealType, QString qstrLineNum, QString qstrCountry,
                                        QString qstrState, QString qstrCity, QString qstrIsp,
                                        QString qstrZip, QString qstrIp, int)
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    if (!pParam || !pParam->getProxyRun()) {
        emit signal_ResetApiUrl(QString(), 0);
        return QString();
    }
    const int nBeginPort = pParam->getBeginPort();
    QByteArray link = "http://" + pParam->getInternalNetIP().toUtf8() + ':' +
                      QByteArray::number(pParam->getApiPort()) + "/api/get_ip_list?num=" +
                      QByteArray::number(lineCount(qstrLineNum, pParam->getPortNumber()));
    link += "&country=" + locationValue(qstrCountry) + "&state=" + locationValue(qstrState) +
            "&city=" + locationValue(qstrCity) + "&zip=" + locationValue(qstrZip) +
            "&isp=" + locationValue(qstrIsp);
    link += '&' + planPart(nMealType) +
            "&t=1&port=" + QByteArray::number(nBeginPort == 0 ? kDefaultBeginPort : nBeginPort);
    if (!qstrIp.isEmpty())
        link += "&ip_part=" + QUrl::toPercentEncoding(qstrIp);
    emit signal_ResetApiUrl(QString::fromUtf8(link), 1);
    return QString();
}
