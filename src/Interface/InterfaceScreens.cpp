#include "Interface/InterfacePost.h"

#include "Interface/GlobleParam.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"

#include <QDateTime>
#include <QDebug>

namespace {

// Stamps above this are taken as milliseconds (it is the year 2286 in seconds).
constexpr double kMillisecondStamps = 10000000000.0;

QString languageCode()
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    return pParam ? pParam->getLangCode() : QString();
}

} // namespace

QString InterfacePost::hideIPPart(const QString& qstrIp) const
{
    const int nLast = qstrIp.lastIndexOf(QLatin1Char('.'));
    if (nLast < 0)
        return qstrIp;
    const QString qstrOnce = qstrIp.left(nLast);
    const int nSecond = qstrOnce.lastIndexOf(QLatin1Char('.'));
    if (nSecond < 0)
        return qstrOnce;
    return qstrOnce.left(nSecond) + QStringLiteral(".***.***");
}

QString InterfacePost::formatTimeFromTimeStamp(double dTimeStamp) const
{
    const double dMs = dTimeStamp > kMillisecondStamps ? dTimeStamp : dTimeStamp * 1000.0;
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(dMs))
        .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QVariantMap InterfacePost::applyLocalIpResult(const QString& qstrReply)
{
    Json::Value reply;
    if (!JsonRead::parse(qstrReply.toStdString(), reply) || !reply.isObject() ||
        !JsonRead::member(reply, "ret_data").isObject())
        return {};
    const std::string strCode = JsonRead::getText(reply, "code");
    const int nCode = strCode.empty() ? -1 : StrToInt(strCode);
    if (GlobleParam* pParam = GlobleParam::GetInstance()) {
        pParam->setLocalIP(
            StrToQstr(JsonRead::getText(JsonRead::member(reply, "ret_data"), "ip")));
        pParam->setChina(nCode != 0);
    }
    return {{QStringLiteral("code"), nCode},
            {QStringLiteral("msg"), StrToQstr(JsonRead::getText(reply, "msg"))}};
}

QString InterfacePost::languagePageUrl(const QString& qstrUrl)
{
    return checkOpenUrl(qstrUrl) + QStringLiteral("&la=") + languageCode();
}

QString InterfacePost::rechargeUrl(int nMealType, bool bStaticGroup)
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    if (!pParam)
        return QString();
    const QString qstrToken = pParam->getToken();
    if (bStaticGroup)
        return nMealType == 6 ? pParam->getPayStaticUrl() + QStringLiteral("?s=") + qstrToken +
                                    additionalUrl(1)
                              : QString();
    switch (nMealType) {
    case 1:
        return languagePageUrl(pParam->getWebPayPopular());
    case 3:
        return languagePageUrl(pParam->getWebPayLong());
    case 6:
        return languagePageUrl(pParam->getWebPayStatic());
    case 11:
        return pParam->getWebsitePayUrl() + QStringLiteral("&s=") + qstrToken + additionalUrl(1);
    default:
        return QString();
    }
}
