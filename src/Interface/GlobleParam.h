#pragma once

#include "PublicModule/HttpCurl/features/JsonMetaType.h"
#include "PublicModule/HttpCurl/globleBase/GlobleParamBase.h"

#include <QJsonArray>
#include <QStringList>
#include <QVariantMap>
#include <json/json.h>

#include <functional>
#include <memory>
#include <string>

class CConfig;

// The one process-wide record of account, balance, plan, port, proxy, program, browser,
// address, version and screen state. main.qml creates it (id globleParam) and binds to its
// properties; native code reaches it through GetInstance(). It holds values only.
class GlobleParam : public GlobleParamBase
{
    Q_OBJECT
    GLOBLE_PROPERTY(int, nIsLogin, getIsLogin, setIsLogin)
    GLOBLE_PROPERTY(int, nIpCheckState, getIpCheckState, setIpCheckState)
    GLOBLE_PROPERTY(bool, bAutoLogin, GetAutoLogin, SetAutoLogin)
    GLOBLE_PROPERTY(int, nWindowsState, getWindowsState, setWindowsState)
    GLOBLE_PROPERTY(int, nRunMode, getRunMode, setRunMode)
    GLOBLE_PROPERTY(int, nEquipmentState, getEquipmentState, setEquipmentState)
    GLOBLE_PROPERTY(int, nRefreshTime, getRefreshTime, setRefreshTime)
    GLOBLE_PROPERTY(int, nRefreshDevice, getRefreshDevice, setRefreshDevice)
    GLOBLE_PROPERTY(int, nSelectedDevice, getSelectedDevice, setSelectedDevice)
    GLOBLE_PROPERTY(int, nShowDevice, getShowDevice, setShowDevice)
    GLOBLE_PROPERTY(int, nMealType, getMealType, setMealType)
    GLOBLE_PROPERTY(int, nApiMealType, getApiMealType, setApiMealType)
    GLOBLE_PROPERTY(int, nEquipmentMealType, getEquipmentMealType, setEquipmentMealType)
    GLOBLE_PROPERTY(int, nMealStaticType, getMealStaticType, setMealStaticType)
    GLOBLE_PROPERTY(int, nBeginPort, getBeginPort, setBeginPort)
    GLOBLE_PROPERTY(int, nPortNumber, getPortNumber, setPortNumber)
    GLOBLE_PROPERTY(int, nProgramSwitchTime, getProgramSwitchTime, setProgramSwitchTime)
    GLOBLE_PROPERTY(int, nUnreadMsgNum, getUnreadMsgNum, setUnreadMsgNum)
    GLOBLE_PROPERTY(int, nHeadListState, getHeadListState, setHeadListState)
    GLOBLE_PROPERTY(QString, qstrLocalIP, getLocalIP, setLocalIP)
    GLOBLE_PROPERTY(QString, qstrInternalNetIP, getInternalNetIP, setInternalNetIP)
    GLOBLE_PROPERTY(QString, qstrBanProcess, getBanProcess, setBanProcess)
    GLOBLE_PROPERTY(QString, qstrSocks5Param14, getSocks5Param14, setSocks5Param14)
    GLOBLE_PROPERTY(QString, qstrProxyIP, getProxyIP, setProxyIP)
    GLOBLE_PROPERTY(bool, bChina, getChina, setChina)
    GLOBLE_PROPERTY(bool, bSocks5Globle, getSocks5Globle, setSocks5Globle)
    GLOBLE_PROPERTY(bool, bInterceptUdp, getInterceptUdp, setInterceptUdp)
    GLOBLE_PROPERTY(bool, bOtherProxy, getOtherProxy, setOtherProxy)
    GLOBLE_PROPERTY(bool, bAttachList, getAttachList, setAttachList)
    GLOBLE_PROPERTY(QString, qstrUsername, GetUsername, SetUsername)
    GLOBLE_PROPERTY(QString, qstrUsernameSession, getUsernameSession, setUsernameSession)
    GLOBLE_PROPERTY(QString, qstrLoginName, getLoginName, setLoginName)
    GLOBLE_PROPERTY(QString, qstrLoginPass, getLoginPass, setLoginPass)
    GLOBLE_PROPERTY(QString, qstrRadiusPass, getRadiusPass, setRadiusPass)
    GLOBLE_PROPERTY(QString, qstrRadiusPassSession, getRadiusPassSession, setRadiusPassSession)
    GLOBLE_PROPERTY(QString, qstrEmail, GetEmail, SetEmail)
    GLOBLE_PROPERTY(QString, qstrPhone, getPhone, setPhone)
    GLOBLE_PROPERTY(QString, qstrSession, GetSession, SetSession)
    GLOBLE_PROPERTY(QString, qstrToken, getToken, setToken)
    GLOBLE_PROPERTY(QString, qstrSelectFolder, GetSelectFolder, SetSelectFolder)
    GLOBLE_PROPERTY(bool, bProxyRun, getProxyRun, setProxyRun)
    GLOBLE_PROPERTY(bool, bProxyS5Run, getProxyS5Run, setProxyS5Run)
    GLOBLE_PROPERTY(bool, bProgramRestart, getProgramRestart, setProgramRestart)
    GLOBLE_PROPERTY(bool, bChangeTimeZone, getChangeTimeZone, setChangeTimeZone)
    GLOBLE_PROPERTY(QString, qstrLangCode, getLangCode, setLangCode)
    GLOBLE_PROPERTY(QString, qstrPayDeskUrl, getPayDeskUrl, setPayDeskUrl)
    GLOBLE_PROPERTY(int, nIpNums, getIpNums, setIpNums)
    GLOBLE_PROPERTY(int, nStaticIpNums, getStaticIpNums, setStaticIpNums)
    GLOBLE_PROPERTY(int, nTodayDataNumbs, getTodayDataNumbs, setTodayDataNumbs)
    GLOBLE_PROPERTY(int, nFavoriteDataNumbs, getFavoriteDataNumbs, setFavoriteDataNumbs)
    GLOBLE_PROPERTY(int, nEquipmentDataNumbs, getEquipmentDataNumbs, setEquipmentDataNumbs)
    GLOBLE_PROPERTY(int, nEquipmentLineHistoryDataNumbs, getEquipmentLineHistoryDataNumbs,
                    setEquipmentLineHistoryDataNumbs)
    GLOBLE_PROPERTY(int, nDayIpNums, getDayIpNums, setDayIpNums)
    GLOBLE_PROPERTY(int, nDataProxyIpNums, getDataProxyIpNums, setDataProxyIpNums)
    GLOBLE_PROPERTY(float, fRealTrafficPlan, getRealTrafficPlanNums, setRealTrafficPlanNums)
    GLOBLE_PROPERTY(float, fTrafficPlanNums, getTrafficPlanNums, setTrafficPlanNums)
    GLOBLE_PROPERTY(QString, qstrTrafficPlanUnit, getTrafficPlanUnit, setTrafficPlanUnit)
    GLOBLE_PROPERTY(QString, qstrSixIpNums, getSixIpNums, setSixIpNums)
    GLOBLE_PROPERTY(QString, qstrRechargeInlineUrl, getRechargeInlineUrl, setRechargeInlineUrl)
    GLOBLE_PROPERTY(uint, unRefreshWebPageTime, getRefreshWebPageTime, setRefreshWebPageTime)
    GLOBLE_PROPERTY(QString, qstrRegisterUrl, getRegisterUrl, setRegisterUrl)
    GLOBLE_PROPERTY(QString, qstrGuideUrl, getGuideUrl, setGuideUrl)
    GLOBLE_PROPERTY(QString, qstrForgetPassUrl, getForgetPassUrl, setForgetPassUrl)
    GLOBLE_PROPERTY(QString, qstrBrowserBindHelpUrl, getBrowserBindHelpUrl, setBrowserBindHelpUrl)
    GLOBLE_PROPERTY(QString, qstrGoogleLoginUrl, getGoogleLoginUrl, setGoogleLoginUrl)
    GLOBLE_PROPERTY(QString, qstrTutorialHelpUrl, getTutorialHelpUrl, setTutorialHelpUrl)
    GLOBLE_PROPERTY(QString, qstrWebPayPopular, getWebPayPopular, setWebPayPopular)
    GLOBLE_PROPERTY(QString, qstrWebPayLong, getWebPayLong, setWebPayLong)
    GLOBLE_PROPERTY(QString, qstrWebPayStatic, getWebPayStatic, setWebPayStatic)
    GLOBLE_PROPERTY(QString, qstrCountryCodeUrl, getCountryCodeUrl, setCountryCodeUrl)
    GLOBLE_PROPERTY(QString, qstrProgramSettingUrl, getProgramSettingUrl, setProgramSettingUrl)
    GLOBLE_PROPERTY(QString, qstrS5HelpUrl, getS5HelpUrl, setS5HelpUrl)
    GLOBLE_PROPERTY(QString, qstrUserStaticRenewUrl, getUserStaticRenewUrl, setUserStaticRenewUrl)
    GLOBLE_PROPERTY(QString, qstrWebsitePayUrl, getWebsitePayUrl, setWebsitePayUrl)
    GLOBLE_PROPERTY(QString, qstrPayStaticUrl, getPayStaticUrl, setPayStaticUrl)
    GLOBLE_PROPERTY(QString, qstrSelFolderImgPath, GetSelFolderImgPath, SetSelFolderImgPath)
    GLOBLE_PROPERTY(QString, qstrDomain, getDomain, setDomain)
    GLOBLE_PROPERTY(QString, qstrRechargeUrl, getRechargeUrl, setRechargeUrl)
    GLOBLE_PROPERTY(QString, qstrImgJumpUrl, getImgJumpUrl, setImgJumpUrl)
    GLOBLE_PROPERTY(QString, qstrCurrentVersion, getCurrentVersion, setCurrentVersion)
    GLOBLE_PROPERTY(QString, qstrLatestVersion, getLatestVersion, setLatestVersion)
    GLOBLE_PROPERTY(QString, qstrUpdateExeUrl, getUpdateExeUrl, setUpdateExeUrl)
    GLOBLE_PROPERTY(bool, bUpdateImmediately, getUpdateImmediately, setUpdateImmediately)
    GLOBLE_PROPERTY(bool, bEnableGoogle, getEnableGoogle, setEnableGoogle)
    GLOBLE_PROPERTY(QString, qstrLineTimeZoneCode, getLineTimeZoneCode, setLineTimeZoneCode)
    GLOBLE_PROPERTY(QStringList, listLocalIp, getListLocalIp, setListLocalIp)
    GLOBLE_PROPERTY(Json::Value, jsProgramList, getProgramList, setProgramList)
    GLOBLE_PROPERTY(QString, qstrMidImgUrl, getMidImgUrl, setMidImgUrl)
    GLOBLE_PROPERTY(QString, qstrMidImgPath, getMidImgPath, setMidImgPath)
    GLOBLE_PROPERTY(bool, bDarkMode, getDarkMode, setDarkMode)
    GLOBLE_PROPERTY(bool, bAutoStartClient, getAutoStartClient, setAutoStartClient)
    GLOBLE_PROPERTY(bool, bRepeatProxy, getRepeatProxy, setRepeatProxy)
    GLOBLE_PROPERTY(int, nRepeatProxyTime, getRepeatProxyTime, setRepeatProxyTime)
    GLOBLE_PROPERTY(int, nApiPort, getApiPort, setApiPort)
    GLOBLE_PROPERTY(int, nHttpServerPort, getHttpServerPort, setHttpServerPort)
    GLOBLE_PROPERTY(bool, bBrowserBindOpen, getBrowserBindOpen, setBrowserBindOpen)
    GLOBLE_PROPERTY(bool, bBrowserWndReStart, getBrowserWndReStart, setBrowserWndReStart)
    GLOBLE_PROPERTY(bool, bClearBrowserCookie, getClearBrowserCookie, setClearBrowserCookie)
    GLOBLE_PROPERTY(QString, qstrBrowserWndID, getBrowserWndID, setBrowserWndID)
    GLOBLE_PROPERTY(QString, qstrVerifyUrl, getVerifyUrl, setVerifyUrl)
    GLOBLE_PROPERTY(QString, qstrCdkHelpUrl, getCdkHelpUrl, setCdkHelpUrl)
    GLOBLE_PROPERTY(QJsonArray, jsonSideBarColumn, getSideBarColumn, setSideBarColumn)
    GLOBLE_PROPERTY(QJsonArray, jsonSideBarRow, getSideBarRow, setSideBarRow)
    // Always empty; every translated text on the screens appends it, so emitting
    // languageChanged() makes them all evaluate again under the new translator.
    Q_PROPERTY(QString emptyString READ getEmptyString NOTIFY languageChanged)

public:
    GlobleParam();
    ~GlobleParam() override;

    // The object main.qml created; null before that and after it is gone.
    static GlobleParam* GetInstance();

    QString getEmptyString() const { return QString(); }

    Q_INVOKABLE QString getLocalLangCode();
    Q_INVOKABLE QString getLanguageCodeForWeb();
    Q_INVOKABLE QString getCurrentFolderPath();
    Q_INVOKABLE bool checkFileExist(QString qstrPath);
    // Saves the settings file and lets the settings go; later calls do nothing.
    Q_INVOKABLE void clearConfig(int nValue = 0);

    // The settings page's port range, as typed: a begin port within 1..65534 and a count
    // within 1..200 that stays within 65535 from the begin port (the one just stored) are
    // stored; the others are refused and nothing of them is stored. Gives
    // {"changed": bool, "refused": ["begin"|"count"...]}.
    Q_INVOKABLE QVariantMap applyPortRange(const QString& qstrBegin, const QString& qstrCount);
    // After loading the port range: each of the two that breaks that rule goes back to the
    // value given (the begin port first, then the count against the begin port kept).
    void restoreRefusedPorts(int nBegin, int nCount);

    // The repeat-proxy time in seconds (the property holds hours).
    int getPushRepeatTime();

    // Applies the command-line switches: "--flow" as the last argument selects run mode 1.
    void GetArguments();
    void GetArguments(const QStringList& arguments);
    void InitParam();
    void InitQmlProperty();
    void InitConfig();
    // Test runs only ("--x"): QEL_TEST_LOGIN and QEL_TEST_PASSWORD replace the saved
    // login name and password, and auto-login is turned on.
    void ApplyTestAccount(const QStringList& arguments);
    void ExitParam();
    void ExitConfig();

    // Where the column answer is kept, encoded, for the next start.
    static QString sideBarCachePath();
    // Fills the side bar from the encoded cache of the previous run's column answer.
    void initSideBar();
    // Splits side-bar entries into columns ("pos" 1) and rows ("pos" 2), names their icons'
    // local files ("left_img_local", "right_img_local") and stores both lists. onIcon gets
    // the address of every icon that has a file name, in entry order.
    void applySideBar(const QJsonArray& entries,
                      const std::function<void(const QString&)>& onIcon = {});
    // The outside browser's local API address from its own config file; cached once found.
    std::string getBrowserUrl();

signals:
    void languageChanged();

private:
    std::unique_ptr<CConfig> m_pConfig;
    std::string m_strBrowserUrl;
};
