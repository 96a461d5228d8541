#pragma once

#include <QByteArray>
#include <QFileDevice>

#include <QPixmap>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>
#include <mutex>
#include <string>

class HTTPEvent_KX;
class QDesktopServices;
class QUrl;
class QDir;
class QFileInfo;
struct stat;

// The process-wide client state (domains, product names, version, language, session)
// plus the small helpers the whole program uses, and the abstract receiver of finished
// requests. Exactly one lives inside the service object; everything reaches it through
// g_pWebRecv. The state is written on the GUI thread and read on request threads, so
// every accessor takes the lock and getters hand out copies.
class WebRecv
{
public:
    // Result of SecondCountToTimes (360-day years, 30-day months).
    struct times
    {
        int Year = 0;
        int Mon = 0;
        int Day = 0;
        int Hour = 0;
        int Min = 0;
        int Second = 0;
    };

    WebRecv() = default;
    virtual ~WebRecv() = default;
    WebRecv(const WebRecv&) = delete;
    WebRecv& operator=(const WebRecv&) = delete;

    // Receiving operations, implemented by the service object.
    virtual void PostEvent(HTTPEvent_KX* pEvent) = 0;
    virtual void PostEventError(HTTPEvent_KX* pEvent) = 0;
    virtual void SetDownloadProgress(long dlNow, long dlTotal, long dlSpeed, int nPos) = 0;
    virtual void SetDownloadEvent(HTTPEvent_KX* pEvent) = 0;
    virtual void ResetAppStateBase(int nState) = 0;
    virtual void setAppSendValue(int nType, QString qstrValue, int nValue) = 0;

    // Start-up: command line first, then the fixed values and the flag file.
    void GetArguments();
    void GetArguments(const QStringList& arguments);
    void InitStaticData();
    bool parseBaleTime();

    // Service domains.
    void SetLoginDomian(const std::string& strValue);
    std::string GetLoginDomian() const;
    void SetLogDomian(const std::string& strValue);
    std::string GetLogDomian() const;
    void SetVipDomian(const std::string& strValue);
    std::string GetVipDomian() const;
    void SetActiveDomian(const std::string& strValue);
    std::string GetActiveDomian() const;
    void SetTestDomian(const std::string& strValue);
    std::string GetTestDomian() const;
    void SetLocalDomian(const std::string& strValue);
    std::string GetLocalDomian() const;

    // Product and installer names.
    void SetProduceName(const std::string& strValue);
    std::string GetProduceName();
    void SetMainExeName(const std::string& strValue);
    std::string GetMainExeName() const;
    void SetInstallFolder(const std::string& strValue);
    std::string GetInstallFolder() const;
    void SetLinkName(const std::string& strValue);
    std::string GetLinkName();

    // Values sent with requests.
    void SetChannel(const std::string& strValue);
    std::string GetChannel();
    void SetLanguage(const std::string& strValue);
    std::string GetLanguage();
    void SetAuthorName(const std::string& strValue);
    std::string GetAuthorName();
    void SetBaleTime(const std::string& strValue);
    std::string GetBaleTime() const;
    void SetUpdateVersion(const std::string& strValue);
    std::string GetUpdateVersion() const;
    std::string GetShowUpdateVersion();
    void SetOemId(const std::string& strValue);
    std::string GetOemId();
    void SetUnionInfo(const std::string& strValue);
    std::string GetUnionInfo() const;

    // Signed-in session.
    void SetSessionId(const std::string& strValue);
    std::string GetSessionId() const;
    void SetUid(const std::string& strValue);
    std::string GetUid() const;
    void SetLoginUserName(const std::string& strValue);
    std::string GetLoginUserName() const;

    // Update download addresses.
    void SetUpdateExeUrl(const std::string& strValue);
    std::string GetUpdateExeUrl() const;
    void SetUpdateZipUrl(const std::string& strValue);
    std::string GetUpdateZipUrl() const;

    // Flags and start mode.
    void SetTestServer(bool bValue);
    bool IsTestServer() const;
    void SetEqual(bool bValue);
    bool IsEqual() const;
    void SetShowDriver(bool bValue);
    bool IsShowDriver() const;
    void SetForceUpdateState(bool bValue);
    bool GetForceUpdateState() const;
    void SetIsExist(bool bValue);
    bool GetIsExist() const;
    void SetStartMode(int nValue);
    int GetStartMode();

    // Reversible text encoding and digest.
    std::string Encode(const std::string& strValue);
    std::string Decode(const std::string& strValue);
    void SetKey(const std::string& strKey);
    // Lower-case hexadecimal MD5 of the text; holds no state, so usable without a receiver.
    static std::string encode_to_md5(const std::string& strValue);

    // Text and number conversions.
    QString StrToQstr(const std::string& strValue);
    std::string QstrToStr(const QString& qstrValue);
    int StrToInt(const std::string& strValue);
    std::string IntToStr(int nValue);
    QString IntToQstr(int nValue);
    int QstrToInt(const QString& qstrValue);
    QString DeleteSpaceInString(const QString& qstrParam);
    // UTF-8 (cut at the first zero byte) when the bytes are valid UTF-8, GBK otherwise.
    QString GetCorrectUnicode(const QByteArray& byteArray);
    std::string wstr_str(const std::wstring& wStr);
    std::wstring str_wstr(const std::string& Astr);
    int UnicodeToAscii(const std::wstring& wStr, std::string& Astr);

    // Files. The static ones hold no state, so they serve code that may run without a receiver.
    std::string GetCurrentExe();
    static bool IsHaveFile(const QString& path);
    // Whether `info` (from lstat or fstat) shows a regular file of this user.
    static bool isOwnRegularFile(const struct stat& info);
    // Removes whatever stands at the path through its CacheFolder, never following a link:
    // a folder goes with what it holds. A name CacheFolder::fileNameOf refuses (one that
    // would name the folder itself or the one above it) removes nothing.
    static void removeEntry(const QString& qstrPath);
    // A file cached at the path is used only when it is a non-empty regular file of this
    // user (a link is not followed). Anything else there is removed so that it is made
    // again: a FIFO, which blocks whoever opens it until a writer comes; a folder, which no
    // download can replace; a link; another user's file. True when the file is kept; a
    // refused name is never kept and removes nothing.
    static bool keepCachedFile(const QString& qstrPath);
    static qint64 getFileSize(const QString& qstrPath);
    static bool MakeDirectory(const std::string& strDirectory);
    bool DeleteFileSelf(const QString& path);
    bool CreateFileSelf(const QString& qstrFilePath, bool bIsDelete);
    bool SavePicByte(const QByteArray& byteBuffer, const QString& qstrFilePath);
    bool SaveFileChar(const char* szBuffer, const QString& qstrFilePath);
    bool ReadFileText(std::string& strBuffer, const QString& qstrFilePath);
    // The whole content of a regular file; anything else (folder, FIFO, device) counts as
    // missing and is never waited on.
    static bool readRegularFile(const QString& qstrFilePath, QByteArray& content);
    bool getFileNames(const QString& path, QStringList& filenamelist);
    bool CopyDirectoryFiles(const QString& fromDir, const QString& toDir, bool coverFileIfExist);

    // URLs and names.
    QString VerifyUrl(const QString& qstrValue, int nCheck = 0);
    QString getNameByHttpUrl(const QString& qstrValue);
    // An http or https address with a host.
    static bool isWebAddress(const QUrl& url);
    QString getHttpExeName(const QString& qstrUrl);

    // Processes and desktop: this platform starts, ends and inspects nothing here.
    int CloseProcessA(const std::string& strProcess);
    int CloseProcess(const std::wstring& wstrProcess);
    int traverseProcesses(std::multimap<std::wstring, int>& processes);
    bool SystemCmd(const std::wstring& strCmd, const std::wstring& strDir, bool bShow);
    bool SystemCmdA(const std::string& strCmd, const std::string& strDir, bool bShow);
    bool SystemBrowser(const std::wstring& strURL, bool bAdmin = false);
    // The one exception: opens an http or https page in the desktop's browser (queued to
    // the GUI thread); anything else is refused with UI message 144. False when refused.
    bool SystemBrowserA(const std::string& strURL, bool bAdmin = false);
    bool SystemShell(const std::wstring& strAppName, const std::wstring& strPath,
                     std::wstring& strParam, bool bShow = false, bool bWait = false);
    bool SystemShellA(const std::string& strAppName, const std::string& strPath,
                      std::string& strParam, bool bShow = false, bool bWait = false);
    bool SystemOpenCata(const std::string& strParam);
    int GetParentProcessPid(int dwPid);
    std::wstring GetProcessName(int dwPid);
    std::string GetParentProcessName();
    QDesktopServices* getDeskService();
    bool OpenByDesktopServices(const QString& qstrValue);
    void ZQLogPrint(const std::string& strValue);
    void ZQLogPrint2(const char* pFmt, int nData);

    // Time and numbers.
    std::uint32_t GetTimeStamp_Uint();
    std::string GetTimeStamp_Str();
    QString GetTimeStamp_QStr();
    // Local time text in the given format to Unix seconds; 0xFFFFFFFF when it does not
    // parse or lies outside what 32 unsigned bits hold.
    std::uint32_t QStrToTimeStamp(const QString& qstrValue, const QString& qstrType);
    void SecondCountToTimes(unsigned int nCount, times& timeFormat);
    std::uint64_t getCpuCycle();
    void CreateMicrosecondsSrand();
    // Same bounds give the same number (the generator is reseeded each call); nEnd is
    // exclusive, and nBegin comes back when the range is empty.
    int generateRandomNumber(int nBegin, int nEnd, int nValue = 0);

    // Replaces the file (creating its folder, owner-only) only once every byte is written: a
    // failed write leaves the previous content. The permissions apply to the new file.
    static bool writeFileAtomically(const QString& qstrFilePath, const QByteArray& content,
                                    QFileDevice::Permissions permissions =
                                        QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // Encodes the picture and writes it as writeFileAtomically does (owner-only).
    static bool savePicture(const QPixmap& picture, const QString& qstrFilePath, const char* format);

private:
    void applyLanguageArgument(const QStringList& arguments, int nIndex);
    void setProduceNameLocked(const std::string& strValue);
    bool copyOneFile(const QFileInfo& fileInfo, const QDir& targetDir, bool coverFileIfExist);

    mutable std::mutex m_mutex;

    std::string m_strCurrentExeDir;
    std::string m_strLoginDomian;
    std::string m_strLogDomian;
    std::string m_strVipDomian;
    std::string m_strActiveDomain;
    std::string m_strTestDomain;
    std::string m_strLocalDomian;
    std::string m_strProduceName;
    std::string m_strMainExeName;
    std::string m_strInstallFolder;
    std::string m_strLinkName;
    std::string m_strChannel;
    std::string m_strLanguage;
    std::string m_strAnthorName;
    std::string m_strBaleTime;
    std::string m_strUpdateVersion;
    std::string m_strUpdateVersionShow;
    std::string m_strOemId;
    std::string m_strSessionId;
    std::string m_strUid;
    std::string m_strUserName;
    std::string m_strUnionInfo;
    std::string m_strUpdateExeUrl;
    std::string m_strUpdateZipUrl;
    bool m_bTestServer = false;
    bool m_bEqual = false;
    bool m_bShowDriver = false;
    bool m_bForceUpdateState = false;
    bool m_bIsExist = false;
    int m_nStartMode = 0;
    QDesktopServices* m_pDesktopServices = nullptr;
};

// The WebRecv part of the one service object; null until that object is built.
extern WebRecv* g_pWebRecv;
