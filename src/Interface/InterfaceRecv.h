#pragma once

#include "Interface/InterfacePost.h"

class ProxyManager;
class QTimer;

// The service object QML creates as "CurlInterfaceRecv": the answer handlers of the
// program's own commands, the request timers and the dispatch by command number. Every
// handler runs on this object's thread; the record belongs to the request pool and is
// deleted when the handler returns, so handlers copy what they keep.
class InterfaceRecv : public InterfacePost
{
    Q_OBJECT
public:
    InterfaceRecv();

    // The object main.qml created; null before that.
    static InterfaceRecv* GetInstance();

    void PostEventInterface(HTTPEvent_KX* pEvent) override;
    void PostEventInterfaceError(HTTPEvent_KX* pEvent) override;
    void SetDownloadEventInterface(HTTPEvent_KX* pEvent) override;
    void ResetAppState(int nType) override;

    // Sets "mac" of the given object to the machine identity.
    void getClientMac(Json::Value& value);

    // The answer's code: -1 when the answer is not an object (a "404 page" too), 0 when it
    // has no "code", else the decimal value of its text, held within int.
    static int answerCode(const HTTPEvent_KX* pEvent);
    static std::string answerMsg(const HTTPEvent_KX* pEvent);
    // A text member of an answer object; empty when missing or not a text.
    static QString answerText(const Json::Value& object, const char* szKey);
    // The service's own words for a refusal; `qstrFallback` when it gave none (an answer
    // that is no object at all, for example).
    static QString refusalText(const HTTPEvent_KX* pEvent, const QString& qstrFallback);
    // What a screen that waited for a failed request shows.
    static QString unreachableText();

    // Start-up chain.
    void slotVersionInfo(HTTPEvent_KX* pEvent);
    void versionInfoSuccess(int nValue);
    void slotGetConfig(HTTPEvent_KX* pEvent);
    void getConfigSuccess();

    // URL settings and the side bar.
    void slotGetUrl(HTTPEvent_KX* pEvent);
    void parseBanProcess(Json::Value retData, int nValue);
    void slotGetColumn(HTTPEvent_KX* pEvent);
    void slotpushDownloadSidePic(HTTPEvent_KX* pEvent);
    void slotDownMidImage(HTTPEvent_KX* pEvent);
    void slotDownCarouselImage(HTTPEvent_KX* pEvent);

    // Sign-in and session.
    void slotLogin(HTTPEvent_KX* pEvent);
    void slotGoogleLogin(HTTPEvent_KX* pEvent);
    void slotGetIpNum(HTTPEvent_KX* pEvent);
    void slotLogOut(HTTPEvent_KX* pEvent);
    void loginSuccess();
    void logOutStep();
    float flowTranslate(float fValue, QString& qstrUnit, int nLevel);

    // Location catalogues and static IP expiry. The six catalogue answers share one handler:
    // they differ only in the file they save.
    void slotGetCatalogue(HTTPEvent_KX* pEvent);
    void slotRunSaveByJson(HTTPEvent_KX* pEvent);
    void slotCheckUserStaticIPExpire(HTTPEvent_KX* pEvent);

    // Notices.
    void slotGetMsgUnreadNum(HTTPEvent_KX* pEvent);
    void slotGetMsgList(HTTPEvent_KX* pEvent);
    void slotSaveReadMsg(HTTPEvent_KX* pEvent);

    // Feedback and redeem codes.
    void slotGetFeedbackCategory(HTTPEvent_KX* pEvent);
    void slotUploadFeedbackPicture(HTTPEvent_KX* pEvent);
    void slotPushFeedbackInfo(HTTPEvent_KX* pEvent);
    void slotUseCDK(HTTPEvent_KX* pEvent);

    // Line lists, serial checks, today and favourite sync.
    void slotGetLineList(HTTPEvent_KX* pEvent);
    void slotGetStaticLineList(HTTPEvent_KX* pEvent);
    void slotGetProgramLineList(HTTPEvent_KX* pEvent);
    void slotSnIsExist(HTTPEvent_KX* pEvent);
    void slotFavoriteSnIsExist(HTTPEvent_KX* pEvent);
    void slotEquipmentLineHistorySnIsExist(HTTPEvent_KX* pEvent);
    void slotGetTodaylist(HTTPEvent_KX* pEvent);
    void slotGetCollectlist(HTTPEvent_KX* pEvent);
    void slotBatchSaveTodaylist(HTTPEvent_KX* pEvent);
    void slotUserFlow(HTTPEvent_KX* pEvent);

    // Port binding answers.
    void slotCheckIp(HTTPEvent_KX* pEvent);
    void slotAttachGetCheckIp(HTTPEvent_KX* pEvent);
    void slotSetPortSession(HTTPEvent_KX* pEvent);
    void slotSetTodayPortSession(HTTPEvent_KX* pEvent);
    void slotAttachPortSession(HTTPEvent_KX* pEvent);
    void minusIpNumByIpTimeType(int nIpTimeType, int nValue = 0);
    // The engine's local API.
    void slotGetServerStatus(HTTPEvent_KX* pEvent);
    void checkServerStatusSuccess();
    void slotSetUsedPortSession(HTTPEvent_KX* pEvent);
    void slotFreePortByKey(HTTPEvent_KX* pEvent);
    void slotFreePortAll(HTTPEvent_KX* pEvent);
    void slotSetPortScope(HTTPEvent_KX* pEvent);

    // Devices.
    void slotGetDeviceList(HTTPEvent_KX* pEvent);
    void slotGetEquipmentLineList(HTTPEvent_KX* pEvent);
    void slotGetEquipmentListHistory(HTTPEvent_KX* pEvent);
    void slotBatchSaveDevice(HTTPEvent_KX* pEvent);

    // The outside browser's answers, failed transfers included (each handler looks at
    // m_bResult). True for the browser's commands.
    bool answerBrowser(HTTPEvent_KX* pEvent);
    void slotPushCheckBrowser(HTTPEvent_KX* pEvent);
    void slotPushGetBrowserList(HTTPEvent_KX* pEvent);
    void slotPushUpdateBrowserWnd(HTTPEvent_KX* pEvent);
    void slotPushCloseBrowserWnd(HTTPEvent_KX* pEvent);
    void slotPushOpenBrowserWnd(HTTPEvent_KX* pEvent);

    // Request timers, created on first use.
    QTimer* getTimerCheckProxy();
    QTimer* getTimerCheckSn();
    QTimer* getTimerStart();

signals:
    // Drives the request timers on this object's thread: state 0 stops, 1 starts, 100 ticks.
    void signal_StartCheckProxy(int nTimerId, int nState);
    // A pairing the engine accepted; nValue 0 single, 1 today reuse, 2 batch.
    void signal_RunBindPort(QString qstrKey, QString qstrPort, int enumType, int nIpTimeType,
                            int nValue);

public slots:
    void slotTimerCheckProxy();
    void slotTimerCheckSn();
    void slotTimerStart();

private slots:
    void slot_TimerRecv(int nTimerId, int nState);
    void slot_RunBindPort(QString qstrKey, QString qstrPort, int enumType, int nIpTimeType,
                          int nValue);

private:
    QTimer* makeTimer(QTimer*& pTimer, void (InterfaceRecv::*pTick)());
    // Offers the update an answer describes; 1 offered, 2 forced and downloading.
    int offerUpdate(const Json::Value& retData);
    // Failures of the transport for the commands whose screens wait for an answer.
    void reportTransportFailure(HTTPEvent_KX* pEvent);
    // The same for the line-list and serial-check commands; false for any other.
    bool reportProxyListFailure(HTTPEvent_KX* pEvent);
    // The same for the binding commands; false for any other.
    bool reportBindFailure(HTTPEvent_KX* pEvent);
    void answerCheckIp(HTTPEvent_KX* pEvent, bool bBatch);
    // The same for the device commands; false for any other.
    bool reportDeviceFailure(HTTPEvent_KX* pEvent);
    // Stores a line list answer; the UI message value is the list's origin, and
    // `nStoredMessage` tells the screen a first page was stored. A refusal stores nothing
    // and gives the screen its reason.
    void storeLineList(HTTPEvent_KX* pEvent, void (ProxyManager::*setList)(const Json::Value&),
                       int nOrigin, int nStoredMessage = 113);
    void reportBrowserRefusal(HTTPEvent_KX* pEvent);
    void answerSerialCheck(HTTPEvent_KX* pEvent, void (ProxyManager::*setState)(const Json::Value&));

    QTimer* m_timerCheckProxy = nullptr;
    QTimer* m_timerCheckSn = nullptr;
    QTimer* m_timerStart = nullptr;
};
