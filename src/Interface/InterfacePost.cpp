#include "Interface/InterfacePost.h"

#include "Interface/GlobleParam.h"
#include "PublicModule/HttpCurl/InterfaceBase/UiCodes.h"
#include "PublicModule/HttpCurl/httpBase/HTTPEvent_KX.h"
#include "PublicModule/HttpCurl/httpBase/WebInterface.h"

#include <QDebug>

namespace {

constexpr int kServiceAttempts = 3;

// Fields whose values never reach a log.
bool isSecretField(const std::string& strKey)
{
    return strKey == "password" || strKey == "pwd";
}

} // namespace

HTTPEvent_KX* InterfacePost::newRequest(int nCmd, const char* szDescription, const char* szRoute,
                                        int nValue)
{
    HTTPEvent_KX* pEvent = serviceRecord(nCmd, szDescription, szRoute, kServiceAttempts);
    pEvent->m_nParam6 = nValue;
    return pEvent;
}

void InterfacePost::logRequest(const HTTPEvent_KX* pEvent)
{
    qDebug() << "request" << pEvent->m_nCmd << pEvent->m_strInterDescription.c_str();
    for (const ParamItem& item : pEvent->m_vetParams) {
        qDebug() << "strKey: " << item.strKey.c_str();
        qDebug() << "strValue: " << (isSecretField(item.strKey) ? "***" : item.strValue.c_str());
    }
}

void InterfacePost::sendRequest(HTTPEvent_KX* pEvent, std::initializer_list<ParamItem> params)
{
    pEvent->m_vetParams.insert(pEvent->m_vetParams.end(), params.begin(), params.end());
    logRequest(pEvent);
    WebInterface::GetInstance()->StartThread(pEvent);
}

void InterfacePost::Test()
{
    emit signal_SetUiData(kUiMainReady, QStringLiteral("Test"), 0);
}

void InterfacePost::downloadUpdateExe(int)
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    const QString qstrUrl = pParam ? pParam->getUpdateExeUrl() : QString();
    if (qstrUrl.isEmpty()) {
        qDebug() << "download update exe: no package address";
        return;
    }
    startUpdateDownload(QstrToStr(qstrUrl));
}

void InterfacePost::cancelDownloadUpdateExe(int)
{
    SetCancelUpdate(true);
}
