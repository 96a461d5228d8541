#include "PublicModule/HttpCurl/InterfaceBase/InterfaceProcBase.h"

#include "PublicModule/HttpCurl/httpBase/CacheFolder.h"
#include "PublicModule/HttpCurl/httpBase/HTTPEvent_KX.h"
#include "PublicModule/HttpCurl/httpBase/WebInterface.h"

#include <QDebug>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

namespace {

constexpr int kServiceAttempts = 3;
constexpr int kUploadAttempts = 10;
constexpr int kDownloadAgain = 1;
constexpr int kCancellableDownload = 2;
constexpr int kUploadKind = 20;

const char* const kUpdateFolder = "/temp/exe";
const char* const kUpdatePackage = "/updatepack.exe";

HTTPEvent_KX* downloadRecord(int nCmd, const char* szDescription, const std::string& strUrl,
                             const std::string& strFolder, const std::string& strFileName)
{
    auto* pEvent = new HTTPEvent_KX(nCmd);
    pEvent->m_nRequestType = REQUEST_FILE;
    pEvent->m_strInterDescription = szDescription;
    pEvent->m_strInterface = strUrl;
    pEvent->m_DomainType = DOMAIN_LOGIN;
    pEvent->m_nParam1 = kServiceAttempts;
    pEvent->m_nParam10 = kCancellableDownload;
    pEvent->m_nParam6 = 0;
    pEvent->m_strFileName = strFileName;
    pEvent->m_strRelFolder = strFolder;
    pEvent->m_strFilePath = strFolder + "/" + strFileName;
    pEvent->m_strUiFilePath = "file:///" + pEvent->m_strFilePath;
    return pEvent;
}

constexpr std::int64_t kPictureMaxBytes = 8LL * 1024 * 1024;
constexpr std::int64_t kUpdateMaxBytes = 512LL * 1024 * 1024;

// The text after the last "/", or the whole text when it has none.
std::string lastSegment(const std::string& strText)
{
    const std::size_t nSlash = strText.rfind('/');
    return nSlash == std::string::npos ? strText : strText.substr(nSlash + 1);
}

// Where the transport writes the file at the path, renamed to it only once complete.
QString partPathOf(const std::string& strPath)
{
    const QString qstrPath = QString::fromStdString(strPath);
    const int nSlash = qstrPath.lastIndexOf(QLatin1Char('/'));
    return qstrPath.left(nSlash + 1) + CacheFolder::partNameOf(qstrPath.mid(nSlash + 1));
}

} // namespace

HTTPEvent_KX* InterfaceProcBase::serviceRecord(int nCmd, const char* szDescription,
                                               const char* szRoute, int nAttempts)
{
    auto* pEvent = new HTTPEvent_KX(nCmd);
    pEvent->m_nRequestType = REQUEST_ENCODE;
    pEvent->m_strInterDescription = szDescription;
    pEvent->m_strInterface = szRoute;
    pEvent->m_DomainType = DOMAIN_LOGIN;
    pEvent->m_nParam1 = nAttempts;
    return pEvent;
}

InterfaceProcBase::InterfaceProcBase() : m_pWebProcess(new QProcess(this))
{
    connect(m_pWebProcess, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &InterfaceProcBase::onProcessFinished);
    readScreenSizes();
}

InterfaceProcBase::~InterfaceProcBase()
{
    if (m_pWebProcess && m_pWebProcess->state() != QProcess::NotRunning)
        m_pWebProcess->close();
    delete m_pWebProcess;
    m_pWebProcess = nullptr;
}

// Only a GUI application knows its screens; without one the sizes stay unknown (0).
void InterfaceProcBase::readScreenSizes()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    const QScreen* pScreen = QGuiApplication::primaryScreen();
    if (!pScreen)
        return;
    m_nDeskWidth = pScreen->availableGeometry().width();
    m_nDeskHeight = pScreen->availableGeometry().height();
    m_nScreenWidth = pScreen->geometry().width();
    m_nScreenHeight = pScreen->geometry().height();
}

void InterfaceProcBase::CurlDownloadFile(const std::string& urlHttp, std::string strFileName,
                                         const std::string& strRelFolder, int enumInter, int nType,
                                         const std::string& strJumpUrl, bool bPicture)
{
    if (urlHttp.empty()) {
        const std::string strError =
            GetCurrentExe() + "/" + strRelFolder + "_" + IntToStr(enumInter) + ".error";
        SaveFileChar("The Url Of CurlDownloadFile Is Empty", StrToQstr(strError));
        return;
    }
    if (strFileName.empty())
        strFileName = QstrToStr(CacheFolder::fileNameOf(StrToQstr(urlHttp)));
    if (!isWebAddress(QUrl(StrToQstr(urlHttp))) ||
        !CacheFolder::isFileName(StrToQstr(strFileName))) {
        qDebug() << "download refused:" << urlHttp.c_str();
        return;
    }
    const std::string strFolder = GetCurrentExe() + "/temp/" + strRelFolder;
    HTTPEvent_KX* pEvent = downloadRecord(enumInter, "文件下载", urlHttp, strFolder, strFileName);
    pEvent->m_strJumpUrl = strJumpUrl;
    pEvent->m_nParam2 = nType;
    if (bPicture) {
        pEvent->m_nMaxBytes = kPictureMaxBytes;
        pEvent->m_bImageOnly = true;
    }
    WebInterface::GetInstance()->StartThread(pEvent);
}

std::string InterfaceProcBase::updatePackagePath()
{
    return GetCurrentExe() + kUpdateFolder + kUpdatePackage;
}

void InterfaceProcBase::startUpdateDownload(const std::string& strUrl)
{
    SetCancelUpdate(false);
    const std::int64_t nRun = ++m_nUpdateRun;
    const std::string strPackage = updatePackagePath();
    // A new try always starts from byte 0: no resume from a cancelled try, no old package.
    removeEntry(StrToQstr(strPackage));
    removeEntry(partPathOf(strPackage));
    HTTPEvent_KX* pEvent = downloadRecord(DOWNLOAD_UPDATE_EXE, "download update exe", strUrl,
                                          GetCurrentExe() + kUpdateFolder,
                                          QstrToStr(CacheFolder::fileNameOf(kUpdatePackage)));
    pEvent->m_nParam2 = kDownloadAgain;
    pEvent->m_nParam9 = nRun;
    pEvent->m_nMaxBytes = kUpdateMaxBytes;
    WebInterface::GetInstance()->StartThread(pEvent);
}

void InterfaceProcBase::dropUpdateLeftover(std::int64_t nRun, const std::string& strPackage)
{
    if (nRun != m_nUpdateRun)
        return;
    removeEntry(partPathOf(strPackage));
}

void InterfaceProcBase::pushInstallInfo(int nOrigin, int nValue)
{
    HTTPEvent_KX* pEvent = serviceRecord(INSTALL_RECORD_RESULT, "上传安装记录", "/install_log", 1);
    pEvent->m_nParam6 = nValue;
    pEvent->m_vetParams.push_back({"oem", GetOemId()});
    pEvent->m_vetParams.push_back({"platform", "1"});
    pEvent->m_vetParams.push_back({"type", IntToStr(nOrigin)});
    WebInterface::GetInstance()->StartThread(pEvent);
}

void InterfaceProcBase::getPrivacy()
{
    WebInterface::GetInstance()->StartThread(
        serviceRecord(GET_PRIVACY, "获取隐私协议", "/agreement", kServiceAttempts));
}

void InterfaceProcBase::InformationAbout()
{
    HTTPEvent_KX* pEvent =
        serviceRecord(GET_ABOUTT, "获取公司信息", "/api/account/about", kServiceAttempts);
    qDebug() << pEvent->m_strInterface.c_str() << "m_valueUpload:Obtain service terms\n";
    WebInterface::GetInstance()->StartThread(pEvent);
}

QString InterfaceProcBase::VerifyUrl(QString qstrValue, int nCheck)
{
    return WebRecv::VerifyUrl(qstrValue, nCheck);
}

void InterfaceProcBase::pushUpdateAbnormalLog(QString qstrPath, QString qstrName, int nValue)
{
    if (!QFileInfo(qstrPath).isFile())
        return;
    const std::string strPath = QstrToStr(qstrPath);
    const std::string strUpName = qstrName.isEmpty() ? lastSegment(strPath) : QstrToStr(qstrName);
    qDebug() << "qstrPath:" << qstrPath << "qstrUpName:" << strUpName.c_str();
    HTTPEvent_KX* pEvent =
        serviceRecord(RECV_ABNORMAL_LOG, "上传崩溃文件", "/update_abnormal_log", kUploadAttempts);
    pEvent->m_nRequestType = REQUEST_UPLOAD;
    pEvent->m_strfilekey = "file";
    pEvent->m_strfileurl = strPath;
    pEvent->m_strfilename = strUpName;
    pEvent->m_nParam8 = kUploadKind;
    pEvent->m_nParam9 = nValue;
    WebInterface::GetInstance()->StartThread(pEvent);
}
