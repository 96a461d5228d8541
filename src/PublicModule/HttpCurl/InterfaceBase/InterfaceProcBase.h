#pragma once

#include "PublicModule/HttpCurl/httpBase/HttpRecv.h"

#include <QHostAddress>
#include <QList>
#include <QNetworkInterface>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <string>

// Command numbers of the shared service layer; each names a call and its answer handler.
enum enmInterfaceBase
{
    WEB_NONE = 0,
    WEB_GET_URL = 1,
    INSTALL_RECORD_RESULT = 2,
    RECV_GETDOMAIN = HttpProc::kDomainLookupCmd,
    RECV_OPENPIC = 4,
    DOWNLOAD_OPENPIC = 5,
    RECV_UPDATE = 6,
    DOWNLOAD_UPDATE_EXE = 7,
    DOWNLOAD_UPDATE_ZIP = 8,
    DOWNLOAD_UPDATE_ZIP_SILENT = 9,
    DRIVER_UPDATE = 10,
    GET_PRIVACY = 11,
    GET_INSTALL_RESULT = 12,
    GET_ABOUTT = 13,
    UPLOAD_FILE = 14,
    RECV_ABNORMAL_LOG = 15
};

// What the machine identity is chosen from: one network interface as the system reports it.
struct MacCandidate
{
    QString qstrName;
    QNetworkInterface::InterfaceFlags flags;
    QString qstrHardwareAddress;
    QList<QHostAddress> addresses;
};

// The shared layer of the service object: the UI message channel, the shared-layer
// requests, downloads and the update package, and the process, URL and desktop helpers.
// Abstract: the receiver operations are completed by InterfaceRecvBase.
class InterfaceProcBase : public HttpRecv
{
    Q_OBJECT
public:
    InterfaceProcBase();
    ~InterfaceProcBase() override;

    // One download into "<program>/temp/<strRelFolder>/<file>" on the request pool; its
    // answer goes through the normal dispatch as command enumInter. nType 0 keeps a file
    // already there, 1 fetches it again. Only http and https addresses are fetched, and never
    // into an empty, "." or ".." name. A picture (promotional or side-bar icon) is bounded to
    // 8 MiB and kept only when it is an image.
    void CurlDownloadFile(const std::string& urlHttp, std::string strFileName,
                          const std::string& strRelFolder, int enumInter, int nType,
                          const std::string& strJumpUrl = std::string(), bool bPicture = false);

    // Starts the update package download from the start (old package and leftovers go).
    void startUpdateDownload(const std::string& strUrl);
    // Where the update package is written.
    std::string updatePackagePath();

    void SetCancelUpdate(bool bCancel) { m_bCancelUpdate = bCancel; }
    bool GetCancelUpdate() const { return m_bCancelUpdate; }

    // Child programs run in the one owned process object; 1 when it runs.
    int openExeByProcessFirst(const QString& qstrExe, const QStringList& listParam, int nValue = 0);
    // Same start; callers do not use the result, which is always 0.
    int openExeByProcess(const QString& qstrExe, const QStringList& listParam, int nValue = 0);

    // The machine identity: the hardware address of the first usable interface; cached
    // once found, searched again while empty.
    QString getMacAddress();
    static QString chooseMacAddress(const QList<MacCandidate>& candidates, QString* pInterfaceName);
    int getSystemBit() const { return 64; }

    // Writes (bStart) or removes the desktop's autostart entry for qstrTargetPath.
    bool AutoStartClientTaskschd(const QString& qstrTargetPath, bool bStart);
    // "$XDG_CONFIG_HOME/autostart/QelProxy.desktop" (default config home ~/.config).
    QString autoStartEntryPath();

    // Shared-layer requests.
    Q_INVOKABLE void pushInstallInfo(int nOrigin = 1, int nValue = 0);
    Q_INVOKABLE void getPrivacy();
    Q_INVOKABLE void InformationAbout();
    Q_INVOKABLE QString VerifyUrl(QString qstrValue, int nCheck = -1);
    Q_INVOKABLE void pushUpdateAbnormalLog(QString qstrPath, QString qstrName, int nValue = 4);

    // Processes and desktop.
    Q_INVOKABLE void StartExe(QString qstrValue, int nValue = 0);
    Q_INVOKABLE void closeExe(QString qstrValue, int nValue = 0);
    Q_INVOKABLE void createLnk(QString qstrValue, int nValue = 0);
    Q_INVOKABLE void createAutoStart(QString qstrValue, int nValue = 0);
    Q_INVOKABLE bool autoStartClient(QString qstrTargetPath, bool bStart);
    Q_INVOKABLE int getRecvBack();
    Q_INVOKABLE int getStartTimes();

    // Window scaling against the desktop's available size.
    Q_INVOKABLE bool getDpi(int nValue = 0);
    Q_INVOKABLE int getDpiWidth(int nWidth, int nValue = 0);
    Q_INVOKABLE int getDpiHeight(int nHeight, int nValue = 0);
    Q_INVOKABLE float getDpiByWidHei(int nWidth, int nHeight, int nValue = 0);

    // The query suffix that marks pages opened from the client.
    Q_INVOKABLE QString additionalUrl(int nValue = 0);
    Q_INVOKABLE QString checkOpenUrl(QString qstrUrl, int nValue = 0);

signals:
    // The one push channel to QML; the two-argument form sends nValue 0.
    void signal_SetUiData(int nType, QString qstrValue, int nValue = 0);
    void listview_AddData(QString mainname, int mainid, QString nextname, int nextid);

public slots:
    void onProcessFinished(int exitCode);
    void getProState(QProcess::ProcessState state);

protected:
    // A signed form post to the main API host.
    static HTTPEvent_KX* serviceRecord(int nCmd, const char* szDescription, const char* szRoute,
                                       int nAttempts);
    // Removes the partial package of update run nRun unless a newer run has started.
    void dropUpdateLeftover(std::int64_t nRun, const std::string& strPackage);

    QString m_qstrMacAddress;
    QString m_qstrInterfaceName;
    QProcess* m_pWebProcess = nullptr;
    // Written on the GUI thread, read by the download's progress hook on a pool thread.
    std::atomic<bool> m_bCancelUpdate{false};
    int m_nDeskWidth = 0;
    int m_nDeskHeight = 0;
    int m_nScreenWidth = 0;
    int m_nScreenHeight = 0;

private:
    void readScreenSizes();

    // Numbers each update download so a late failure report of an older one is ignored.
    std::atomic<std::int64_t> m_nUpdateRun{0};
};
