#include "DataManager/Search/CatalogueAnswer.h"
#include "DataManager/Search/CatalogueFile.h"
#include "DataManager/Search/SearchManager.h"
#include "Interface/GlobleParam.h"
#include "Interface/InterfaceRecv.h"
#include "PublicModule/HttpCurl/InterfaceBase/UiCodes.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/httpBase/HTTPEvent_KX.h"
#include "PublicModule/HttpCurl/httpBase/WebInterface.h"

#include <QDebug>
#include <QUrl>

namespace {

// A catalogue request: command, log description, route, whether the oem id goes along,
// the tag of the cache file its answer is saved as, and the reader of its answer.
struct CatalogueRequest
{
    int nCmd;
    const char* szDescription;
    const char* szRoute;
    bool bOem;
    int nTag;
    AnswerReader pRead;
};

const CatalogueRequest kCatalogueRequests[] = {
    {GET_AREA_LIST_V2_RESULT, "获取在线地区列表", "/api/get_area_list_v2", true, 1,
     &CatalogueAnswer::readAreas},
    {GET_ISP_LIST_RESULT, "获取运营商列表", "/api/get_isp_list", false, 2,
     &CatalogueAnswer::readTexts},
    {GET_ZIP_LIST_RESULT, "获取邮编列表", "/api/get_zip_list", false, 3,
     &CatalogueAnswer::readTexts},
    {EN_SOCKS_STATIC_AREA_LIST, "获取在线地区列表", "/api/get_static_area_list", true, 11,
     &CatalogueAnswer::readAreas},
    {EN_SOCKS_STATIC_ISP_LIST, "获取运营商列表", "/api/get_static_isp_list", false, 22,
     &CatalogueAnswer::readTexts},
    {EN_SOCKS_STATIC_ZIP_LIST, "获取邮编列表", "/api/get_static_zip_list", false, 33,
     &CatalogueAnswer::readTexts},
};

const CatalogueRequest* catalogueRequest(int nCmd)
{
    for (const CatalogueRequest& request : kCatalogueRequests)
        if (request.nCmd == nCmd)
            return &request;
    return nullptr;
}

} // namespace

void InterfacePost::sendCatalogueRequest(int nCmd, int nValue)
{
    const CatalogueRequest* pRequest = catalogueRequest(nCmd);
    HTTPEvent_KX* pEvent = newRequest(nCmd, pRequest->szDescription, pRequest->szRoute, nValue);
    pEvent->m_DomainType = DOMAIN_VIP;
    pEvent->m_nMaxBytes = CatalogueFile::kMaxAnswerBytes;
    pEvent->m_pReadAnswer = pRequest->pRead;
    if (pRequest->bOem)
        sendRequest(pEvent, {{"oem", GetOemId()}});
    else
        sendRequest(pEvent);
}

void InterfacePost::pushGetAreaListV2(int nValue)
{
    sendCatalogueRequest(GET_AREA_LIST_V2_RESULT, nValue);
}

void InterfacePost::pushGetIspList(int nValue)
{
    sendCatalogueRequest(GET_ISP_LIST_RESULT, nValue);
}

void InterfacePost::pushGetZipList(int nValue)
{
    sendCatalogueRequest(GET_ZIP_LIST_RESULT, nValue);
}

void InterfacePost::pushGetStaticAreaList(int nValue)
{
    sendCatalogueRequest(EN_SOCKS_STATIC_AREA_LIST, nValue);
}

void InterfacePost::pushGetStaticISPList(int nValue)
{
    sendCatalogueRequest(EN_SOCKS_STATIC_ISP_LIST, nValue);
}

void InterfacePost::pushGetStaticPostalList(int nValue)
{
    sendCatalogueRequest(EN_SOCKS_STATIC_ZIP_LIST, nValue);
}

void InterfacePost::runSaveByJson(std::string strText, int nTag)
{
    auto* pEvent = new HTTPEvent_KX(RESULT_SAVEJSON);
    pEvent->m_nRequestType = REQUEST_SAVEJSON;
    pEvent->m_strInterDescription = "save json";
    pEvent->m_nParam1 = 1;
    pEvent->m_strValue = std::move(strText);
    pEvent->m_nParam6 = nTag;
    pEvent->m_nMaxBytes = CatalogueFile::kMaxTextBytes;
    qDebug() << "runSaveByJson:" << nTag;
    WebInterface::GetInstance()->StartThread(pEvent);
}

void InterfacePost::checkUserStaticIPExpire(QString qstrIp, int nValue)
{
    sendRequest(newRequest(CHECKUSERSTATICIP_RESULT, "CHECKUSERSTATICIP_RESULT",
                           "/api/client/static_ip_expire_time", nValue),
                {{"ip", QstrToStr(qstrIp)}});
}

void InterfacePost::pushSaveRepeatTime(int nValue)
{
    GlobleParam* pParam = GlobleParam::GetInstance();
    if (!pParam || pParam->getIsLogin() == 0)
        return;
    sendRequest(newRequest(SAVE_REPEAT_TIME_RESULT, "save ip repeat time",
                           "/api/client/save_ip_repeat_time", nValue),
                {{"time", IntToStr(pParam->getPushRepeatTime())}});
}

// An error answer never wipes a cache: with a code other than 0 only a non-empty array is
// saved; a code-0 empty array does empty it. The answer's reader laid the array out as the
// file's text.
void InterfaceRecv::slotGetCatalogue(HTTPEvent_KX* pEvent)
{
    const CatalogueRequest* pRequest = catalogueRequest(pEvent->m_nCmd);
    if (!pRequest || pEvent->m_nParam3 < 0)
        return;
    const int nCode = answerCode(pEvent);
    if (nCode != 0 && pEvent->m_nParam3 == 0) {
        qDebug() << "catalogue answer" << pEvent->m_nCmd << "code" << nCode
                 << "with no entries: cache kept";
        return;
    }
    runSaveByJson(std::move(pEvent->m_strValue), pRequest->nTag);
}

// A file written while its level is still empty (a first sign-in) is read at once.
void InterfaceRecv::slotRunSaveByJson(HTTPEvent_KX* pEvent)
{
    qDebug() << "slotRunSaveByJson success";
    SearchManager::GetInstance()->reloadEmptyLevel(static_cast<int>(pEvent->m_nParam6));
}

void InterfaceRecv::slotCheckUserStaticIPExpire(HTTPEvent_KX* pEvent)
{
    if (!pEvent->m_bResult) {
        emit signal_SetUiData(kUiExpiryUnreachable, QString(), 1);
        return;
    }
    const Json::Value& answer = pEvent->m_jsValue;
    const Json::Value& expired = JsonRead::member(answer, "is_expire");
    if (!expired.isBool())
        return;
    if (expired.asBool()) {
        emit signal_SetUiData(kUiExpiry, QString(), 0);
        return;
    }
    const std::string strEncoded = JsonRead::getText(answer, "renew_url");
    QString qstrUrl = strEncoded.empty() ? QString() : StrToQstr(Decode(strEncoded));
    // Only a web page may be opened from it.
    if (!WebRecv::isWebAddress(QUrl(qstrUrl)))
        qstrUrl.clear();
    emit signal_SetUiData(kUiExpiry, qstrUrl, 1);
}
