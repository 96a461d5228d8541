// The signed header set, the signed form post and the reading of service answers.
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/httpBase/HttpCurl.h"
#include "PublicModule/HttpCurl/httpBase/WebInterface.h"
#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

#include <QDebug>

#include <cstdlib>
#include <map>

namespace {

// Shared with the service; the signature proves the header set with it.
const char* const kSignSalt = "K7q!vR2#pL9$wN4%tB6^yH8&mC3*xD5(";
const char* const kMissingMsg = "The Key Msg Is Not Existed!";

// A member with a text form: arrays and objects count as missing.
bool hasScalarMember(const Json::Value& answer, const char* szKey)
{
    if (!answer.isObject() || !answer.isMember(szKey))
        return false;
    const Json::Value& value = JsonRead::member(answer, szKey);
    return !value.isArray() && !value.isObject();
}

void markNotFound(const std::string& strUrl, HTTPEvent_KX* pRecord)
{
    pRecord->m_strParam = "-1";
    pRecord->m_nParam1 = -1;
    pRecord->m_strResult = strUrl + " 404 page not found";
}

void readCode(const Json::Value& answer, HTTPEvent_KX* pRecord)
{
    if (!hasScalarMember(answer, "code")) {
        pRecord->m_strParam = "-1";
        pRecord->m_nParam1 = -1;
        return;
    }
    pRecord->m_strParam = JsonRead::getText(answer, "code");
    pRecord->m_nParam1 = std::strtol(pRecord->m_strParam.c_str(), nullptr, 10);
}

} // namespace

void WebInterface::GetHttpHeader(std::vector<ParamItem>& headers)
{
    GetHttpHeaderFirst(headers, g_pWebRecv ? g_pWebRecv->GetTimeStamp_Str() : std::string());
}

void WebInterface::GetHttpHeaderFirst(std::vector<ParamItem>& headers,
                                      const std::string& strTimeStamp)
{
    WebRecv* pState = g_pWebRecv;
    auto value = [pState](auto getter) { return pState ? (pState->*getter)() : std::string(); };
    std::vector<ParamItem> pairs = {
        {"qv-auth-name", "sivo"},
        {"qv-platform", "linux"},
        {"qv-version", value(&WebRecv::GetUpdateVersion)},
        {"qv-version-show", value(&WebRecv::GetShowUpdateVersion)},
        {"qv-union-id", value(&WebRecv::GetUnionInfo)},
        {"qv-oem", "sivo"},
        {"qv-new-trial", "1"},
        {"qv-session-id", value(&WebRecv::GetSessionId)},
        {"qv-uid", value(&WebRecv::GetUid)},
        {"qv-username", value(&WebRecv::GetLoginUserName)},
        {"qv-timestamp", strTimeStamp},
        {"qv-language", value(&WebRecv::GetLanguage)},
        {"qv-channel", value(&WebRecv::GetChannel)},
    };
    pairs.push_back({"qv-sign", GetSign(pairs)});
    headers.insert(headers.end(), pairs.begin(), pairs.end());
}

std::string WebInterface::GetSign(std::vector<ParamItem>& pairs)
{
    std::map<std::string, std::string> sorted;
    for (const ParamItem& item : pairs)
        sorted.emplace(item.strKey, item.strValue); // the first occurrence wins
    std::string strText;
    for (const auto& entry : sorted) {
        if (entry.second.empty())
            continue;
        if (!strText.empty())
            strText += "&";
        strText += entry.first + "=" + entry.second;
    }
    strText += kSignSalt;
    return WebRecv::encode_to_md5(strText);
}

bool WebInterface::EncodeRequest(std::string& strRoute, std::vector<ParamItem>& params,
                                 HTTPEvent_KX* pRecord)
{
    pRecord->m_strDomain = _GetEncodeDomain(pRecord);
    std::string strBase = pRecord->m_strDomain;
    return _EncodeRequestNew(strBase, strRoute, params, pRecord);
}

bool WebInterface::_EncodeRequestNew(std::string& strBase, std::string& strRoute,
                                     std::vector<ParamItem>& params, HTTPEvent_KX* pRecord)
{
    HttpCurl curl(strBase.c_str(), strRoute.c_str());
    std::vector<ParamItem> headers;
    GetHttpHeader(headers);
    curl.SetHearderInfo(headers);
    curl.SetAnswerBound(pRecord->m_nMaxBytes);
    for (const ParamItem& item : params)
        curl.AddPostParam(item.strKey, item.strValue);
    std::string strBody;
    const bool bTransferred = curl.PostRequest(strBody);
    pRecord->m_nRequestError = curl.GetLastCode();
    if (!bTransferred) {
        qDebug() << ("Interface(_EncodeRequestNew):" + strRoute + " failed" +
                     " Return strResult:" + strBody)
                        .c_str();
        pRecord->m_strValue = strBody;
        return false;
    }
    if (pRecord->m_pReadAnswer)
        return pRecord->m_pReadAnswer(strBody, strRoute, pRecord);
    return ReadServiceAnswer(strBody, strRoute, pRecord);
}

bool WebInterface::ReadServiceAnswer(const std::string& strBody, const std::string& strUrl,
                                     HTTPEvent_KX* pRecord)
{
    pRecord->m_strValue = strBody;
    Json::Value answer;
    if (!JsonRead::parse(strBody, answer))
        return false;
    if (HttpCurl::IsNotFoundPage(strBody)) {
        markNotFound(strUrl, pRecord);
        return true;
    }
    readCode(answer, pRecord);
    pRecord->m_strResult =
        hasScalarMember(answer, "msg") ? JsonRead::getText(answer, "msg") : kMissingMsg;
    pRecord->m_jsValue.swap(answer); // the parsed tree moves over, no copy
    return true;
}

bool WebInterface::ReadPlainAnswer(const std::string& strBody, const std::string& strUrl,
                                   HTTPEvent_KX* pRecord)
{
    Json::Value answer;
    if (!JsonRead::parse(strBody, answer))
        return false;
    if (HttpCurl::IsNotFoundPage(strBody))
        markNotFound(strUrl, pRecord);
    else
        pRecord->m_jsValue.swap(answer);
    return true;
}
