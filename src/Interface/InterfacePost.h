#pragma once

#include "PublicModule/HttpCurl/InterfaceBase/InterfaceRecvBase.h"
#include "PublicModule/HttpCurl/httpBase/HTTPEvent_KX.h"

#include <QVariantMap>

#include <cstdint>
#include <initializer_list>
#include <vector>

class ProxyDataBase;

// Command numbers of the program's own service calls; each names a call and its handler.
enum enmInterface
{
    NONE_RESULT = 100,
    REGISTER_RESULT = 101,
    VERSIONINFO_RESULT = 102,
    URL_RESULT = 103,
    CONFIG_RESULT = 104,
    MIDIMG_DOWNLOAD_RESULT = 105,
    COLUMN_RESULT = 106,
    COLUMN_DOWNLOAD_RESULT = 107,
    LOGIN_RESULT = 108,
    GOOGLE_LOGIN_RESULT = 109,
    SOCKS_GETIP_RESULT = 110,
    LOGOUT_RESULT = 111,
    GET_UNREAD_NUM = 112,
    GET_MSG_LIST = 113,
    SAVE_READ_MSG = 114,
    CHECK_LOCAL_IP = 115,
    GET_AREA_LIST_V2_RESULT = 116,
    RESULT_SAVEJSON = 117,
    GET_ISP_LIST_RESULT = 118,
    GET_ZIP_LIST_RESULT = 119,
    SN_IS_EXIST_RESULT = 120,
    FAVORITESN_IS_EXIST_RESULT = 121,
    EUIPMENTLINEHISTORY_IS_EXIST_RESULT = 122,
    GET_TODAY_LIST_RESULT = 123,
    GET_COLLCET_LIST_RESULT = 124,
    BATCH_SAVE_TODAYLIST_RESULT = 125,
    BATCH_SAVE_EQUIPMENTLISTHISTORY_RESULT = 126,
    BATCH_SAVE_COLLECTLIST_RESULT = 127,
    USER_FLOW_RESULT = 128,
    GET_LINE_LIST_RESULT = 129,
    GET_EQUIPMENT_LINE_LIST_RESULT = 130,
    CLIENT_GET_TODAYLIST_RESULT = 131,
    GET_STATICLINE_LIST_RESULT = 132,
    CHECKUSERSTATICIP_RESULT = 133,
    GET_PROGRAM_LINE_LIST_RESULT = 134,
    GET_SERVER_STATUS_RESULT = 135,
    SET_PORT_SESSION_RESULT = 136,
    SET_TODAYPORT_SESSION_RESULT = 137,
    ATTACH_PORT_SESSION_RESULT = 138,
    SET_USEDPORT_SESSION_RESULT = 139,
    FREE_PORT_SESSION_RESULT = 140,
    FREE_PORT_ALL_RESULT = 141,
    SET_PORT_SCOPE_RESULT = 142,
    SAVE_REPEAT_TIME_RESULT = 143,
    GET_CATA_RESULT = 144,
    PUSHPICTURE_UP_RESULT = 145,
    SUBMIT_UP_RESULT = 146,
    ACCESS_BIT_HEARLTH_RESULT = 147,
    ACCESS_BIT_LIST_RESULT = 148,
    ACCESS_BIT_UPDATEWND_RESULT = 149,
    ACCESS_CLOSEWND_RESULT = 150,
    ACCESS_OPENWND_RESULT = 151,
    BROWSER_BEHAVIOR_RESULT = 152,
    DOWNLOAD_LEFTPIC_RESULT = 153,
    CAROUSE_RESULT = 154,
    GET_CHECKIP_RESULT = 155,
    ATTACH_GET_CHECKIP_RESULT = 156,
    EN_LOCAL_IP_VERIFY = 157,
    EN_SOCKS_STATIC_AREA_LIST = 158,
    EN_SOCKS_STATIC_ISP_LIST = 159,
    EN_SOCKS_STATIC_ZIP_LIST = 160,
    WEB_USE_CDK_RESULT = 161,
    GET_DEVICE_LIST_RESULT = 162,
    BATCH_SAVE_DEVICE_RESULT = 163
};

// The request methods that QML calls on the service object. Each builds one record,
// hands it to the request pool and returns at once; the trailing nValue comes back with
// the answer.
class InterfacePost : public InterfaceRecvBase
{
    Q_OBJECT
public:
    InterfacePost() = default;

    // The client version digits the service knows this build by.
    static constexpr const char* kClientVersion = "211";

    // Emits UI message 2 with the method's name; sends nothing.
    Q_INVOKABLE void Test();

    // Start-up chain.
    Q_INVOKABLE void pushVersionInfo(int nValue = 0);
    Q_INVOKABLE void mainLoadReady(int nValue = 0);
    void pushGetConfig(int nValue = 0);

    // Update package.
    Q_INVOKABLE void downloadUpdateExe(int nValue = 0);
    Q_INVOKABLE void cancelDownloadUpdateExe(int nValue = 0);

    // URL settings and the side bar.
    void pushGetUrl(int nValue = 0);
    Q_INVOKABLE void pushGetColumn(int nValue = 0);
    void pushDownloadSidePic(const QString& url, int nValue = 0);

    // Sign-in and session.
    Q_INVOKABLE void autoLogin(int nValue = 0);
    Q_INVOKABLE void pushLogin(QString qstrUserName, QString qstrPwd, int nValue = 0);
    void pushLoginByAccountAndPass(const QString& qstrUserName, const QString& qstrPwd,
                                   int nValue = 0);
    Q_INVOKABLE void pushCheckGoogleLogin(int nValue = 0);
    Q_INVOKABLE QString buildGoogleLoginUrl(const QString& qstrKey, int nValue = 0);
    Q_INVOKABLE void pushLogOut(int nValue = 0);
    Q_INVOKABLE void pushGetIpNum(int nValue = 0);

    // Notices.
    Q_INVOKABLE void pushGetMsgUnreadNum(int nValue = 0);
    Q_INVOKABLE void pushGetMsgList(int nValue = 0);
    Q_INVOKABLE void pushSaveReadMsg(QString qstrMsgID, int nValue = 0);

    // Feedback and redeem codes.
    Q_INVOKABLE void getFeedbackCategory(int nValue = 0);
    Q_INVOKABLE void uploadFeedbackPicture(QString qstrFilePath, int nValue = 0);
    Q_INVOKABLE void pushFeedbackInfo(QString qstrCategory, QString qstrEmail, QString qstrContent,
                                      QString qstrImages);
    Q_INVOKABLE void pushUseCDK(QString qstrCdk, int nValue = 0);

    // Line lists, serial checks, today and favourite sync.
    Q_INVOKABLE void pushGetLineList(int nValue = 0);
    Q_INVOKABLE void pushGetStaticLineList(int nValue = 0);
    Q_INVOKABLE void pushGetProgramLineList(const QString& country, const QString& state,
                                            const QString& city, const QString& isp,
                                            const QString& postal, int num, int nValue = 0);
    Q_INVOKABLE void pushSnIsExist(const QString& sn, int nValue = 0);
    Q_INVOKABLE void pushFavoriteSnIsExist(const QString& sn, int nValue = 0);
    void pushEquipmentLineHistorySnIsExist(const QString& sn, int nValue = 0);
    void pushGetTodaylist(int nValue = 0);
    void pushGetCollectlist(int nValue = 0);
    void pushBatchSaveTodaylist(const QString& data, int nValue = 0);
    void pushBatchSaveEquipmentlHistory(const QString& data, int nValue = 0);
    void pushBatchSaveCollectlist(const QString& data, int nValue = 0);
    Q_INVOKABLE void pushUserFlow(int nValue = 0);

    // Devices: their list, the device line popup's lines and history, and the saves
    // (nValue is the operation code the screen words its wait note by).
    Q_INVOKABLE void pushGetDeviceList(int nValue = 0);
    Q_INVOKABLE void pushGetEquipmentLineList(int nMeal, int nValue = 0);
    Q_INVOKABLE void pushGetEquipmentListHistory(int nMeal, int nValue = 0);
    Q_INVOKABLE void pushBatchSaveDevice(const QString& deviceSn, const QString& remark,
                                         const QString& outIp, const QString& countryCode,
                                         const QString& stCode, const QString& cityCode,
                                         const QString& ipSn, const QString& serverIp,
                                         const QString& proxyStatus, const QString& sessionId,
                                         const QString& ispCode, const QString& zipCode,
                                         const QString& continent, const QString& pcExtra,
                                         int nValue = 0);
    // `unused` is kept for the callers' argument order; the service takes no such field.
    void pushBatchSaveSessionId(const QString& data, const QString& outIp,
                                const QString& countryCode, const QString& stCode,
                                const QString& cityCode, const QString& ipSn,
                                const QString& serverIp, const QString& unused,
                                const QString& ispCode, const QString& zipCode,
                                const QString& continent, const QString& pcExtra, int nValue = 0);
    void pushBatchSaveEnableDifferent(const QString& data, const QString& pcExtra, int nValue = 0);

    // Web pages.
    Q_INVOKABLE void openUrlExternally(const QString& qstrUrl, int nValue = 0);
    Q_INVOKABLE QString getWebPageUrl(int nValue = 0);
    Q_INVOKABLE bool checkRefershWebPage(int nValue = 0);
    Q_INVOKABLE void openDesktop(int nValue = 0);
    // Starts the update program beside this one to check the IP address; its answer comes
    // back over the single-instance channel as UI message 3. Nothing starts while one runs.
    Q_INVOKABLE void openCheckLocalIp(int nValue = 0);

    // Screen helpers (InterfaceScreens.cpp).
    // "1.2.3.4" -> "1.2.***.***"; one dot only: cut once, no stars; no dot: unchanged.
    Q_INVOKABLE QString hideIPPart(const QString& qstrIp) const;
    // Local "yyyy-MM-dd hh:mm:ss"; a stamp above 10000000000 is in milliseconds.
    Q_INVOKABLE QString formatTimeFromTimeStamp(double dTimeStamp) const;
    // The local-IP check's reply: only a JSON object holding a "ret_data" object counts; it
    // sets the local IP and the mainland flag and gives {"code", "msg"}. Anything else
    // changes nothing and gives an empty map.
    Q_INVOKABLE QVariantMap applyLocalIpResult(const QString& qstrReply);
    // A web page opened from the client: checkOpenUrl(url) + "&la=" + the language code.
    Q_INVOKABLE QString languagePageUrl(const QString& qstrUrl);
    // The recharge page of a plan card (0 when there is none): plan types 1, 3, 6 and 11 of
    // the plan group, or 6 of the static group.
    Q_INVOKABLE QString rechargeUrl(int nMealType, bool bStaticGroup = false);

    // Location catalogues (saved as the cache files), static IP expiry and repeat time.
    Q_INVOKABLE void pushGetAreaListV2(int nValue = 0);
    Q_INVOKABLE void pushGetIspList(int nValue = 0);
    Q_INVOKABLE void pushGetZipList(int nValue = 0);
    void pushGetStaticAreaList(int nValue = 0);
    void pushGetStaticISPList(int nValue = 0);
    void pushGetStaticPostalList(int nValue = 0);
    void runSaveByJson(std::string strText, int nTag);
    Q_INVOKABLE void checkUserStaticIPExpire(QString qstrIp, int nValue = 0);
    Q_INVOKABLE void pushSaveRepeatTime(int nValue = 0);

    // Port binding: a single exit (reusing today's purchase when it is at most a day old),
    // one position of a block's batch, and the checks before the engine is told.
    void pushSetPortSession(const QString& key, const QString& port, int nType, int nValue);
    void pushSetPortSessionSecond(const QString& key, const QString& port, int nType, int nValue);
    void pushAttachPortSession(const QString& key, const QString& port, int nType, int nValue);
    // enmInterface: ATTACH_PORT_SESSION_RESULT for a batch position, else NONE_RESULT.
    void setPortSessionByProxy(const QString& key, const QString& port, enmInterface enumCmd,
                               int nType, int nValue);
    void setPortSessionByToday(const QString& key, const QString& port, int nType, int nValue);
    void pushSetPortTwentyFour(int nIpTimeType, ProxyDataBase* pRow, const QString& key,
                               const QString& port, enmInterface enumCmd, int nType, int nValue);
    void pushSetPortNormal(int nIpTimeType, ProxyDataBase* pRow, const QString& key,
                           const QString& port, enmInterface enumCmd, int nType, int nValue);
    static bool checkUseEnableByIpType(int nIpTimeType);
    // UI 29 with the text of the plan kind's balance.
    void reportBalanceShort(int nIpTimeType);
    // Whether a buy time ("yyyy-MM-dd hh:mm:ss", local) lies at most a day before nNow,
    // as an unsigned difference: a time in the future is not today's.
    static bool isBoughtWithinDay(const QString& qstrBuyTime, std::uint32_t nNow);

    // The engine's local API.
    Q_INVOKABLE void pushGetServerStatus(int nValue = 0);
    Q_INVOKABLE void pushFreePortByKey(const QString& qstrKey, int nValue = 0);
    Q_INVOKABLE void pushFreePortAll(int nValue = 0);
    Q_INVOKABLE void pushSetPortScope(int nValue = 0);
    // Announces a bound port again. The record is built here (the GUI thread) from the row
    // of list nType and only its transfer runs on the job pool; false when the row is gone.
    bool pushSetUsedPortSession(const QString& key, const QString& port, int nType,
                                int nValue = 0);
    // Two GETs through the freshly bound local port used as an HTTP proxy; answers unread.
    void pushLocalIpVerify(const QString& port, int nValue = 0);
    static QString getLocalHttpSimple(const QString& port);
    // The fields of "/api/set_port_session" for a row bound to qstrPort, in the engine's
    // order. nCmd is the command the record is sent under: 137 keeps an empty city and adds
    // "open_port", 139 adds "open_port", 136 and 138 neither.
    std::vector<ParamItem> setPortSessionParams(const ProxyDataBase& row, const QString& qstrPort,
                                                int nIpTimeType, int nCmd);

    // The outside browser's local API (nothing is sent while no browser is configured) and
    // the usage report. A port binding hands its waiting profile to pushUpdateBrowserWnd.
    Q_INVOKABLE void pushCheckBrowser(int nValue = 0);
    Q_INVOKABLE void pushGetBrowserList(int nValue = 0);
    void pushUpdateBrowserWnd(std::string qstrID, std::string qstrPort, int nValue = 0);
    void pushCloseBrowserWnd(std::string strid, int nValue = 0);
    void pushOpenBrowserWnd(std::string strid, int nValue = 0);
    Q_INVOKABLE void pushBrowserBehavior(int nValue = 0);

protected:
    // A signed form post to the main API host with 3 attempts; callers change what differs.
    static HTTPEvent_KX* newRequest(int nCmd, const char* szDescription, const char* szRoute,
                                    int nValue);
    // A signed form post to the engine's API port as it stands now. Built on the GUI thread,
    // where the engine controller lives.
    static HTTPEvent_KX* newEngineRequest(int nCmd, const char* szDescription,
                                          const char* szRoute, int nAttempts);
    // Logs the record's fields, secrets masked.
    static void logRequest(const HTTPEvent_KX* pEvent);
    // Appends the fields in order, logs them (secrets masked) and hands the record over.
    void sendRequest(HTTPEvent_KX* pEvent,
                     std::initializer_list<ParamItem> params = std::initializer_list<ParamItem>());
    // One of the six catalogue requests, by command number.
    void sendCatalogueRequest(int nCmd, int nValue);

    // Counts sign-ins, so that a sign-out answer only ends the session it was sent under.
    std::atomic<std::int64_t> m_nSignInRun{0};
};
