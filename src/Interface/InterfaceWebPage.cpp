#include "Interface/InterfacePost.h"

#include "Interface/GlobleParam.h"

#include <QDebug>

namespace {

// The recharge page is reloaded when its address is older than a day.
constexpr std::uint32_t kWebPageLifeSeconds = 86400;

} // namespace

void InterfacePost::openUrlExternally(const QString& qstrUrl, int nValue)
{
    QString qstrAddress = qstrUrl;
    const GlobleParam* pParam = GlobleParam::GetInstance();
    if (pParam && pParam->getIsLogin() != 0 && nValue == 1) {
        qstrAddress += QStringLiteral("&s=") + pParam->getToken() +
                       QStringLiteral("&p=linux&c=normal&v=") + StrToQstr(GetUpdateVersion());
    }
    SystemBrowserA(QstrToStr(qstrAddress));
}

QString InterfacePost::getWebPageUrl(int)
{
    GlobleParam* pParam = GlobleParam::GetInstance();
    if (!pParam)
        return QString();
    const QString qstrAddress = pParam->getRechargeInlineUrl() + QStringLiteral("?s=") +
                                pParam->getToken() + QStringLiteral("&p=linux&t=3");
    pParam->setRefreshWebPageTime(GetTimeStamp_Uint());
    // Without the query: it carries the session token.
    qDebug() << "getWebPageUrl:" << pParam->getRechargeInlineUrl();
    return qstrAddress;
}

bool InterfacePost::checkRefershWebPage(int)
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    const std::uint32_t nStamp = pParam ? pParam->getRefreshWebPageTime() : 0;
    return GetTimeStamp_Uint() - nStamp > kWebPageLifeSeconds;
}

void InterfacePost::openCheckLocalIp(int nValue)
{
    if (GlobleParam* pParam = GlobleParam::GetInstance())
        pParam->setIpCheckState(nValue);
    if (m_pWebProcess->state() != QProcess::NotRunning) {
        qDebug() << "ip check still running; none started";
        return;
    }
    const QString qstrFileName = StrToQstr(GetCurrentExe()) + QStringLiteral("/update");
    qDebug() << "qstrFileName:" << qstrFileName;
    // The program's own path leads its arguments, as it does for every start of it.
    QStringList listParam{qstrFileName, QStringLiteral("--check_enable"), QStringLiteral("--lang"),
                          StrToQstr(GetLanguage())};
    // A test run's check goes to the same test service.
    if (IsTestServer())
        listParam << QStringLiteral("--x");
    openExeByProcess(qstrFileName, listParam, nValue);
}

// This platform has no program picker; there is nothing to add.
void InterfacePost::openDesktop(int) {}
