#include "DataManager/Proxy/ProxyManager.h"
#include "DataManager/Search/SearchManager.h"
#include "DataManager/Sqllite/MySqllite.h"
#include "Interface/GlobleParam.h"
#include "Interface/InterfaceRecv.h"
#include "PublicModule/HttpCurl/InterfaceBase/UiCodes.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/globleBase/CppDataBase.h"

#include <QDebug>

namespace {

constexpr int kShowFromAutoLogin = 1;
constexpr int kShowForEmptyPassword = 2;
constexpr std::int64_t kGoogleSignIn = 2;

const char* const kShowSignInText = "显示登录";
// Salt of the engine's proxy-account password.
const char* const kRadiusSalt = "trelmovask";

float floatOf(const Json::Value& object, const char* szKey)
{
    return static_cast<float>(JsonRead::getDouble(object, szKey));
}

// The service's own words when it gave any; never the raw answer.
QString signInFailureText(const std::string& strMsg)
{
    if (!strMsg.empty())
        return QString::fromStdString(strMsg);
    return InterfaceRecv::tr("Sign-in failed. Please check your account and try again.");
}

// The traffic balance in bytes, and its display amount and unit.
void storeTrafficPlan(InterfaceRecv& recv, GlobleParam& param, float fBalance)
{
    param.setRealTrafficPlanNums(fBalance);
    QString qstrUnit;
    param.setTrafficPlanNums(recv.flowTranslate(fBalance / 1000, qstrUnit, 0));
    param.setTrafficPlanUnit(qstrUnit);
}

} // namespace

void InterfacePost::autoLogin(int)
{
    const int nStartTimes = CppDataBase::GetInstance()->getStartTimes();
    qDebug() << "nStartTimes:" << nStartTimes;
    const GlobleParam* pParam = GlobleParam::GetInstance();
    // Only the first start fills the window in; a later one just shows it.
    const bool bFillIn = nStartTimes <= 1 && pParam;
    const QString qstrName = bFillIn ? pParam->getLoginName() : QString();
    // The saved account before the window opens, so that it opens in the password field.
    if (bFillIn)
        emit signal_SetUiData(kUiAccount, qstrName, 0);
    emit signal_SetUiData(kUiShowSignIn, QString::fromUtf8(kShowSignInText), kShowFromAutoLogin);
    if (!bFillIn)
        return;
    const QString qstrPass = pParam->getLoginPass();
    if (pParam->GetAutoLogin() && !qstrName.isEmpty() && !qstrPass.isEmpty()) {
        emit signal_SetUiData(kUiPassword, qstrPass, 0);
        emit signal_SetUiData(kUiPressSignIn, qstrName, 0);
    }
}

void InterfacePost::pushLogin(QString qstrUserName, QString qstrPwd, int nValue)
{
    qDebug() << "Login:";
    qDebug() << "qstrUserName->" << qstrUserName;
    pushLoginByAccountAndPass(qstrUserName, qstrPwd, nValue);
}

void InterfacePost::pushLoginByAccountAndPass(const QString& qstrUserName, const QString& qstrPwd,
                                              int nValue)
{
    if (qstrPwd.isEmpty()) {
        emit signal_SetUiData(kUiShowSignIn, QString::fromUtf8(kShowSignInText),
                              kShowForEmptyPassword);
        return;
    }
    HTTPEvent_KX* pEvent = newRequest(LOGIN_RESULT, "登录接口", "/api/socks/login", nValue);
    pEvent->m_bSecretAnswer = true;
    pEvent->m_strGbk = QstrToStr(qstrUserName);
    pEvent->m_strMd5 = QstrToStr(qstrPwd);
    sendRequest(pEvent, {{"username", pEvent->m_strGbk},
                         {"password", pEvent->m_strMd5},
                         {"mac", QstrToStr(getMacAddress())}});
}

QString InterfacePost::buildGoogleLoginUrl(const QString& qstrKey, int nValue)
{
    QString qstrToken = getMacAddress();
    if (nValue == 1)
        qstrToken = StrToQstr(Encode(QstrToStr(qstrToken)));
    const QChar separator = qstrKey.contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?');
    return qstrKey + separator + QStringLiteral("device_token=") + qstrToken;
}

void InterfacePost::pushCheckGoogleLogin(int nValue)
{
    emit signal_SetUiData(kUiGooglePollDisable, QStringLiteral("unable"), nValue);
    HTTPEvent_KX* pEvent =
        newRequest(GOOGLE_LOGIN_RESULT, "google login", "/api/check_google_login", nValue);
    pEvent->m_bSecretAnswer = true;
    sendRequest(pEvent, {{"device_token", QstrToStr(getMacAddress())}});
}

void InterfacePost::pushGetIpNum(int nValue)
{
    sendRequest(newRequest(SOCKS_GETIP_RESULT, "refresh ip nums", "/api/socks/get_ip", nValue));
}

void InterfacePost::pushLogOut(int nValue)
{
    // Favourite edits still waiting reach the service while the session is valid.
    ProxyManager::GetInstance()->runFavoriteCache();
    HTTPEvent_KX* pEvent = newRequest(LOGOUT_RESULT, "登出接口", "/api/socks/logout", nValue);
    pEvent->m_nParam3 = m_nSignInRun;
    sendRequest(pEvent);
}

void InterfaceRecv::slotLogin(HTTPEvent_KX* pEvent)
{
    GlobleParam* pParam = GlobleParam::GetInstance();
    const Json::Value& retData = JsonRead::member(pEvent->m_jsValue, "ret_data");
    const Json::Value& info = JsonRead::member(retData, "info");
    // An answer without the account's record signs nobody in and keeps nothing.
    if (!pParam || answerCode(pEvent) != 0 || !info.isObject()) {
        emit signal_SetUiData(kUiSignInResult, signInFailureText(answerMsg(pEvent)), 0);
        return;
    }
    QString qstrAccount = StrToQstr(pEvent->m_strGbk);
    QString qstrPassword = StrToQstr(pEvent->m_strMd5);
    const QString qstrUserName = answerText(info, "username");
    if (pEvent->m_nParam7 == kGoogleSignIn) {
        qstrAccount = qstrUserName;
        qstrPassword = StrToQstr(Decode(JsonRead::getText(info, "pwd")));
    }
    const QString qstrUsed = qstrUserName.isEmpty() ? qstrAccount : qstrUserName;
    const std::string strId = JsonRead::getText(info, "id");
    const std::string strRadius = encode_to_md5(strId + kRadiusSalt);

    pParam->setPayDeskUrl(answerText(retData, "pay_desk_url"));
    pParam->SetSession(answerText(retData, "session_id"));
    SetSessionId(JsonRead::getText(retData, "session_id"));
    pParam->setToken(answerText(retData, "s"));
    pParam->SetUsername(qstrUserName);
    pParam->setUsernameSession(StrToQstr(Encode(QstrToStr(qstrUsed))));
    pParam->setLoginName(qstrAccount);
    pParam->setLoginPass(qstrPassword);
    SetLoginUserName(QstrToStr(qstrUsed));
    SetUid(strId);
    pParam->setRadiusPass(StrToQstr(strRadius));
    pParam->setRadiusPassSession(StrToQstr(Encode(strRadius)));
    pParam->SetEmail(answerText(info, "email"));
    pParam->setPhone(answerText(info, "phone"));
    pParam->setIpNums(JsonRead::getInt(info, "ip_nums"));
    pParam->setDataProxyIpNums(JsonRead::getInt(info, "dc_ip_nums"));
    storeTrafficPlan(*this, *pParam, floatOf(info, "flow_balance"));
    pParam->setDayIpNums(JsonRead::getInt(info, "day_ip_nums"));
    pParam->setStaticIpNums(JsonRead::getInt(info, "static_ip_nums"));

    loginSuccess();
    emit signal_SetUiData(kUiSignInResult, QString(), 1);
}

void InterfaceRecv::loginSuccess()
{
    GlobleParam* pParam = GlobleParam::GetInstance();
    if (!pParam)
        return;
    ++m_nSignInRun;
    pParam->setIsLogin(1);
    SearchManager::GetInstance()->initAllData();
    MySqllite* pDatabase = MySqllite::GetInstance();
    pDatabase->createMySqllite(StrToQstr(GetLoginUserName()), 0);
    pDatabase->getFavouriteAllData();
    pDatabase->getTodayAllData();
    pDatabase->getApiHistoryAllData();
    pDatabase->getPorgramHistoryAllData();
    pushGetMsgUnreadNum(0);
    pushGetMsgList(0);
    pushGetTodaylist(0);
    pushGetCollectlist(0);
    pushGetLineList(0);
    if (pParam->getRunMode() == 1)
        pushGetStaticLineList(0);
    pushGetIspList(0);
    pushGetZipList(0);
    pushGetAreaListV2(0);
    pushGetStaticISPList(0);
    pushGetStaticPostalList(0);
    pushGetStaticAreaList(0);
}

void InterfaceRecv::slotGoogleLogin(HTTPEvent_KX* pEvent)
{
    const int nTag = static_cast<int>(pEvent->m_nParam6);
    qDebug() << "nParam6:" << nTag;
    if (answerCode(pEvent) == 0) {
        emit signal_SetUiData(kUiGooglePollStop, QStringLiteral("stop check"), nTag);
        pEvent->m_nParam7 = kGoogleSignIn;
        slotLogin(pEvent);
    }
    emit signal_SetUiData(kUiGooglePollEnable, QStringLiteral("enable"), nTag);
}

void InterfaceRecv::slotGetIpNum(HTTPEvent_KX* pEvent)
{
    GlobleParam* pParam = GlobleParam::GetInstance();
    const Json::Value& retData = JsonRead::member(pEvent->m_jsValue, "ret_data");
    if (pParam && answerCode(pEvent) == 0 && retData.isObject()) {
        pParam->setIpNums(JsonRead::getInt(retData, "ip_num"));
        pParam->setSixIpNums(QString::fromStdString(JsonRead::getText(retData, "six_ip_num")));
        pParam->setDayIpNums(JsonRead::getInt(retData, "day_ip_num"));
        pParam->setStaticIpNums(JsonRead::getInt(retData, "static_ip_nums"));
        pParam->setDataProxyIpNums(JsonRead::getInt(retData, "dc_ip_nums"));
        storeTrafficPlan(*this, *pParam, floatOf(retData, "flow_balance"));
    }
    emit signal_SetUiData(kUiBalances, QStringLiteral("refresh"),
                          static_cast<int>(pEvent->m_nParam6));
}

float InterfaceRecv::flowTranslate(float fValue, QString& qstrUnit, int nLevel)
{
    static const char* const kUnits[] = {"KB", "MB", "GB", "TB"};
    qstrUnit = QStringLiteral("KB");
    qDebug() << "flowTranslate:" << fValue << qstrUnit << nLevel;
    if (fValue / 1000 < 1.0f) {
        if (nLevel >= 0 && nLevel <= 3)
            qstrUnit = QString::fromLatin1(kUnits[nLevel]);
        return fValue;
    }
    if (nLevel == 3) {
        qstrUnit = QStringLiteral("TB");
        return fValue;
    }
    return flowTranslate(fValue / 1000, qstrUnit, nLevel + 1);
}

// Only the session the sign-out was sent under ends; a late answer after a newer sign-in
// leaves that one alone. A failed sign-out ends the session all the same.
void InterfaceRecv::slotLogOut(HTTPEvent_KX* pEvent)
{
    if (pEvent->m_nParam3 != m_nSignInRun) {
        qDebug() << "sign-out answer for an earlier session ignored";
        return;
    }
    logOutStep();
}

void InterfaceRecv::logOutStep()
{
    emit signal_SetUiData(kUiSignedOut, QString(), 0);
    if (GlobleParam* pParam = GlobleParam::GetInstance()) {
        pParam->setIsLogin(0);
        pParam->setRadiusPass(QString());
        pParam->setLoginName(QString());
        pParam->setLoginPass(QString());
        pParam->SetEmail(QString());
        pParam->SetSession(QString());
        pParam->setIpNums(0);
        pParam->setStaticIpNums(0);
        pParam->setSixIpNums(QStringLiteral("0"));
        pParam->setDayIpNums(0);
        pParam->setDataProxyIpNums(0);
        pParam->setTrafficPlanNums(0);
        pParam->setRealTrafficPlanNums(0);
        pParam->setTrafficPlanUnit(QStringLiteral("KB"));
        pParam->setEquipmentLineHistoryDataNumbs(0);
    }
    SetSessionId(std::string());
    SetUid(std::string());
    SetLoginUserName(std::string());
    ProxyManager::GetInstance()->clearAllData(1);
}
