#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

#include "PublicModule/HttpCurl/InterfaceBase/UiCodes.h"
#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/features/MD5.h"
#include "PublicModule/HttpCurl/globleBase/CppDataBase.h"
#include "PublicModule/HttpCurl/httpBase/CacheFolder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QSaveFile>
#include <QTextCodec>
#include <QUrl>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

WebRecv* g_pWebRecv = nullptr;

namespace {

using Lock = std::lock_guard<std::mutex>;

const char* const kProduceName = "QelProxy";
const char* const kFlagFile = "file_flag.ini";

// A text field that reads as `def` while empty; the default is stored on first read.
std::string withDefault(std::string& field, const char* def)
{
    if (field.empty())
        field = def;
    return field;
}

std::mt19937& threadGenerator()
{
    thread_local std::mt19937 generator(0);
    return generator;
}

} // namespace

// ---------------------------------------------------------------------------------------
// Start-up

void WebRecv::GetArguments()
{
    GetArguments(CppDataBase::GetInstance()->getArguments());
}

void WebRecv::GetArguments(const QStringList& arguments)
{
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg == QLatin1String("--equal"))
            SetEqual(true);
        if (arg == QLatin1String("--x"))
            SetTestServer(true);
        if (arg == QLatin1String("--debugging")) {
            const std::string strDir = GetCurrentExe();
            std::string strParam = "/a /t /g /s";
            if (IsHaveFile(StrToQstr(strDir) + "/Dbgview.exe"))
                SystemShellA("Dbgview.exe", strDir, strParam, false, false);
        }
        if (arg.contains(QLatin1String("--lang")))
            applyLanguageArgument(arguments, i);
    }
}

// "--lang_en" carries the code joined on; the update program is started with "--lang"
// and the code as two arguments, so a bare "--lang" takes the next one unless that is an
// option itself. No code sets no language.
void WebRecv::applyLanguageArgument(const QStringList& arguments, int nIndex)
{
    const QString& arg = arguments.at(nIndex);
    QString qstrCode = arg.mid(6);
    if (arg == QLatin1String("--lang") && nIndex + 1 < arguments.size() &&
        !arguments.at(nIndex + 1).startsWith(QLatin1String("--")))
        qstrCode = arguments.at(nIndex + 1);
    if (qstrCode.isEmpty())
        return;
    qDebug() << "language by cmd:" << qstrCode;
    SetLanguage(QstrToStr(qstrCode));
}

void WebRecv::InitStaticData()
{
    SetUpdateVersion("211");
    SetLinkName("Qel Proxy");
    SetProduceName(kProduceName);
    parseBaleTime();
}

bool WebRecv::parseBaleTime()
{
    std::string strText;
    if (!ReadFileText(strText, StrToQstr(GetCurrentExe()) + "/" + kFlagFile)) {
        qDebug() << kFlagFile << " is empty or lost";
        return false;
    }
    if (strText.empty())
        return true;
    Json::Value root;
    if (!JsonRead::parse(strText, root)) {
        qDebug() << kFlagFile << " parse error";
        return false;
    }
    qDebug() << kFlagFile << " parse success";
    if (root.isObject() && root.isMember("bale_time"))
        SetBaleTime(JsonRead::getText(root, "bale_time"));
    return true;
}

// ---------------------------------------------------------------------------------------
// Client state

void WebRecv::SetLoginDomian(const std::string& strValue)
{
    Lock lock(m_mutex);
    m_strLoginDomian = strValue;
}

std::string WebRecv::GetLoginDomian() const
{
    Lock lock(m_mutex);
    return m_strLoginDomian;
}

void WebRecv::SetLogDomian(const std::string& strValue)
{
    Lock lock(m_mutex);
    m_strLogDomian = strValue;
}

std::string WebRecv::GetLogDomian() const
{
    Lock lock(m_mutex);
    return m_strLogDomian;
}

void WebRecv::SetVipDomian(const std::string& strValue)
{
    Lock lock(m_mutex);
    m_strVipDomian = strValue;
}

std::string WebRecv::GetVipDomian() const
{
    Lock lock(m_mutex);
    return m_strVipDomian;
}

void WebRecv::SetActiveDomian(const std::string& strValue)
{
    Lock lock(m_mutex);
    m_strActiveDomain = strValue;
}

std::string WebRecv::GetActiveDomian() const
{
    Lock lock(m_mutex);
    return m_strActiveDomain;
}

void WebRecv::SetTestDomian(const std::string& strValue)
{
    Lock lock(m_mutex);
    m_strTestDomain = strValue;
}

std::string WebRecv::GetTestDomian() const
{
    Lock lock(m_mutex);
    return m_strTestDomain;
}

void WebRecv::SetLocalDomian(const std::string& strValue)
{
    Lock lock(m_mutex);
    m_strLocalDomian = strValue;
}

std::string WebRecv::GetLocalDomian() const
{
    Lock lock(m_mutex);
    return m_strLocalDomian;
}

// The program file and install folder names follow the product name.
void WebRecv::setProduceNameLocked(const std::string& strValue)
{
    m_strProduceName = strValue;
    m_strMainExeName = strValue + ".exe";
    m_strInstallFolder = strValue + "_cata";
}

void WebRecv::SetProduceName(const std::string& strValue)
{
    qDebug() << "SetProduceName:" << strValue.c_str();
    Lock lock(m_mutex);
    setProduceNameLocked(strValue);
}

std::string WebRecv::GetProduceName()
{
    Lock lock(m_mutex);
    if (m_strProduceName.empty())
        setProduceNameLocked(kProduceName);
    return m_strProduceName;
}

void WebRecv::SetMainExeName(const std::string& strValue)
{
    qDebug() << "SetMainExeName:" << strValue.c_str();
    Lock lock(m_mutex);
    m_strMainExeName = strValue;
}

std::string WebRecv::GetMainExeName() const
{
    Lock lock(m_mutex);
    return m_strMainExeName;
}

void WebRecv::SetInstallFolder(const std::string& strValue)
{
    qDebug() << "SetInstallFolder:" << strValue.c_str();
    Lock lock(m_mutex);
    m_strInstallFolder = strValue;
}

std::string WebRecv::GetInstallFolder() const
{
    Lock lock(m_mutex);
    return m_strInstallFolder;
}

void WebRecv::SetLinkName(const std::string& strValue)
{
    Lock lock(m_mutex);
    m_strLinkName = strValue;
}

std::string WebRecv::GetLinkName()
{
    Lock lock(m_mutex);
    return withDefault(m_strLinkName, "Qel Proxy");
}

void WebRecv::SetChannel(const std::string& strValue)
{
    Lock lock(m_mutex);
    m_strChannel = strValue;
}

std::string WebRecv::GetChannel()
{
    Lock lock(m_mutex);
    return withDefault(m_strChannel, "normal");
}

void WebRecv::SetLanguage(const std::string& strValue)
{
    Lock lock(m_mutex);
    m_strLanguage = strValue;
}

std::string WebRecv::GetLanguage()
{
    Lock lock(m_mutex);
    return withDefault(m_strLanguage, "_en");
}

void WebRecv::SetAuthorName(const std::string& strValue)
{
    qDebug() << "SetAuthorName:" << strValue.c_str();
    Lock lock(m_mutex);
    m_strAnthorName = strValue;
}

std::string WebRecv::GetAuthorName()
{
    Lock lock(m_mutex);
    return withDefault(m_strAnthorName, kProduceName);
}

void WebRecv::SetBaleTime(const std::string& strValue)
{
    qDebug() << "SetBaleTime:" << strValue.c_str();
    Lock lock(m_mutex);
    m_strBaleTime = strValue;
}

std::string WebRecv::GetBaleTime() const
{
    Lock lock(m_mutex);
    return m_strBaleTime;
}

void WebRecv::SetUpdateVersion(const std::string& strValue)
{
    Lock lock(m_mutex);
    m_strUpdateVersion = strValue;
}

std::string WebRecv::GetUpdateVersion() const
{
    Lock lock(m_mutex);
    return m_strUpdateVersion;
}

// "211" shows as "2.1.1". Built once and kept, even if the version changes later.
std::string WebRecv::GetShowUpdateVersion()
{
    Lock lock(m_mutex);
    withDefault(m_strUpdateVersion, "100");
    if (!m_strUpdateVersionShow.empty())
        return m_strUpdateVersionShow;
    std::string strShow = m_strUpdateVersion;
    const std::size_t nLength = strShow.size();
    for (std::size_t p = 1; p <= nLength; p += 2)
        strShow.insert(p, ".");
    m_strUpdateVersionShow = strShow;
    return strShow;
}

void WebRecv::SetOemId(const std::string& strValue)
{
    qDebug() << "SetOemId:" << strValue.c_str();
    Lock lock(m_mutex);
    m_strOemId = strValue;
}

std::string WebRecv::GetOemId()
{
    Lock lock(m_mutex);
    return withDefault(m_strOemId, "100");
}

void WebRecv::SetUnionInfo(const std::string& strValue)
{
    Lock lock(m_mutex);
    m_strUnionInfo = strValue;
}

std::string WebRecv::GetUnionInfo() const
{
    Lock lock(m_mutex);
    return m_strUnionInfo;
}

void WebRecv::SetSessionId(const std::string& strValue)
{
    Lock lock(m_mutex);
    m_strSessionId = strValue;
}

std::string WebRecv::GetSessionId() const
{
    Lock lock(m_mutex);
    return m_strSessionId;
}

void WebRecv::SetUid(const std::string& strValue)
{
    Lock lock(m_mutex);
    m_strUid = strValue;
}

std::string WebRecv::GetUid() const
{
    Lock lock(m_mutex);
    return m_strUid;
}

void WebRecv::SetLoginUserName(const std::string& strValue)
{
    Lock lock(m_mutex);
    m_strUserName = strValue;
}

std::string WebRecv::GetLoginUserName() const
{
    Lock lock(m_mutex);
    return m_strUserName;
}

void WebRecv::SetUpdateExeUrl(const std::string& strValue)
{
    Lock lock(m_mutex);
    m_strUpdateExeUrl = strValue;
}

std::string WebRecv::GetUpdateExeUrl() const
{
    Lock lock(m_mutex);
    return m_strUpdateExeUrl;
}

void WebRecv::SetUpdateZipUrl(const std::string& strValue)
{
    Lock lock(m_mutex);
    m_strUpdateZipUrl = strValue;
}

std::string WebRecv::GetUpdateZipUrl() const
{
    Lock lock(m_mutex);
    return m_strUpdateZipUrl;
}

void WebRecv::SetTestServer(bool bValue)
{
    Lock lock(m_mutex);
    m_bTestServer = bValue;
}

bool WebRecv::IsTestServer() const
{
    Lock lock(m_mutex);
    return m_bTestServer;
}

void WebRecv::SetEqual(bool bValue)
{
    Lock lock(m_mutex);
    m_bEqual = bValue;
}

bool WebRecv::IsEqual() const
{
    Lock lock(m_mutex);
    return m_bEqual;
}

void WebRecv::SetShowDriver(bool bValue)
{
    Lock lock(m_mutex);
    m_bShowDriver = bValue;
}

bool WebRecv::IsShowDriver() const
{
    Lock lock(m_mutex);
    return m_bShowDriver;
}

void WebRecv::SetForceUpdateState(bool bValue)
{
    Lock lock(m_mutex);
    m_bForceUpdateState = bValue;
}

bool WebRecv::GetForceUpdateState() const
{
    Lock lock(m_mutex);
    return m_bForceUpdateState;
}

void WebRecv::SetIsExist(bool bValue)
{
    Lock lock(m_mutex);
    m_bIsExist = bValue;
}

bool WebRecv::GetIsExist() const
{
    Lock lock(m_mutex);
    return m_bIsExist;
}

void WebRecv::SetStartMode(int nValue)
{
    qDebug() << "SetStartMode:" << nValue;
    Lock lock(m_mutex);
    m_nStartMode = nValue;
}

int WebRecv::GetStartMode()
{
    Lock lock(m_mutex);
    if (m_nStartMode == 0)
        m_nStartMode = 9;
    return m_nStartMode;
}

// ---------------------------------------------------------------------------------------
// Encoding and digest

std::string WebRecv::Encode(const std::string& strValue)
{
    return Encryption::GetInstance()->encode(strValue);
}

std::string WebRecv::Decode(const std::string& strValue)
{
    return Encryption::GetInstance()->decode(strValue);
}

void WebRecv::SetKey(const std::string& strKey)
{
    Encryption::GetInstance()->SetKey(strKey);
}

// The UTF-8 round trip turns invalid sequences into U+FFFD before digesting; ASCII, the
// common case (every row key), comes back unchanged and skips it.
std::string WebRecv::encode_to_md5(const std::string& strValue)
{
    const bool bAscii = std::all_of(strValue.begin(), strValue.end(),
                                    [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    const QByteArray bytes = bAscii ? QByteArray::fromRawData(strValue.data(),
                                                              static_cast<int>(strValue.size()))
                                    : QString::fromStdString(strValue).toUtf8();
    MD5 digest;
    // GenerateMD5 only reads its input.
    digest.GenerateMD5(reinterpret_cast<unsigned char*>(const_cast<char*>(bytes.constData())),
                       bytes.size());
    return digest.ToString();
}

// ---------------------------------------------------------------------------------------
// Text and number conversions

QString WebRecv::StrToQstr(const std::string& strValue)
{
    return QString::fromUtf8(strValue.data(), static_cast<int>(strValue.size()));
}

std::string WebRecv::QstrToStr(const QString& qstrValue)
{
    return qstrValue.toUtf8().toStdString();
}

int WebRecv::StrToInt(const std::string& strValue)
{
    return static_cast<int>(std::strtol(strValue.c_str(), nullptr, 10));
}

std::string WebRecv::IntToStr(int nValue)
{
    return std::to_string(nValue);
}

QString WebRecv::IntToQstr(int nValue)
{
    return QString::number(nValue);
}

int WebRecv::QstrToInt(const QString& qstrValue)
{
    return qstrValue.toInt();
}

QString WebRecv::DeleteSpaceInString(const QString& qstrParam)
{
    QString qstrResult = qstrParam;
    return qstrResult.remove(QLatin1Char(' '));
}

QString WebRecv::GetCorrectUnicode(const QByteArray& byteArray)
{
    QTextCodec::ConverterState state;
    QTextCodec::codecForName("UTF-8")->toUnicode(byteArray.constData(), byteArray.size(), &state);
    if (state.invalidChars == 0)
        return QString::fromUtf8(byteArray.constData());
    const QTextCodec* pGbk = QTextCodec::codecForName("GBK");
    return pGbk ? pGbk->toUnicode(byteArray) : QString::fromLocal8Bit(byteArray);
}

// The platform's multibyte encoding is UTF-8; converting through Qt avoids touching the
// process-wide locale from worker threads.
std::string WebRecv::wstr_str(const std::wstring& wStr)
{
    return QstrToStr(QString::fromStdWString(wStr));
}

std::wstring WebRecv::str_wstr(const std::string& Astr)
{
    return StrToQstr(Astr).toStdWString();
}

int WebRecv::UnicodeToAscii(const std::wstring&, std::string&)
{
    return 1;
}

// ---------------------------------------------------------------------------------------
// Files

std::string WebRecv::GetCurrentExe()
{
    Lock lock(m_mutex);
    // Not cached while empty: before the application object exists Qt has no answer.
    if (m_strCurrentExeDir.empty())
        m_strCurrentExeDir = QCoreApplication::applicationDirPath().toUtf8().toStdString();
    return m_strCurrentExeDir;
}

bool WebRecv::IsHaveFile(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.size() > 0;
}

bool WebRecv::isOwnRegularFile(const struct stat& info)
{
    return S_ISREG(info.st_mode) && info.st_uid == ::getuid();
}

namespace {

// The folder part of a path whose name passed CacheFolder::fileNameOf.
QString folderOf(const QString& qstrPath)
{
    return qstrPath.left(qstrPath.lastIndexOf(QLatin1Char('/')));
}

mode_t modeOf(QFileDevice::Permissions permissions)
{
    const auto nBits = unsigned(permissions);
    return mode_t(((nBits >> 12) & 7) << 6 | ((nBits >> 4) & 7) << 3 | (nBits & 7));
}

} // namespace

void WebRecv::removeEntry(const QString& qstrPath)
{
    const QString qstrName = CacheFolder::fileNameOf(qstrPath);
    if (!qstrName.isEmpty())
        CacheFolder(folderOf(qstrPath)).remove(qstrName);
}

bool WebRecv::keepCachedFile(const QString& qstrPath)
{
    const QString qstrName = CacheFolder::fileNameOf(qstrPath);
    if (qstrName.isEmpty())
        return false;
    const CacheFolder folder(folderOf(qstrPath));
    struct stat info
    {
    };
    if (!folder.look(qstrName, info))
        return false;
    if (isOwnRegularFile(info) && info.st_size > 0)
        return true;
    folder.remove(qstrName);
    return false;
}

qint64 WebRecv::getFileSize(const QString& qstrPath)
{
    const QFileInfo info(qstrPath);
    return info.exists() ? info.size() : 0;
}

// Folders made here are this user's alone, so no one else can plant files in them.
bool WebRecv::MakeDirectory(const std::string& strDirectory)
{
    QStringList missing;
    for (QString qstrPath = QDir::cleanPath(QString::fromStdString(strDirectory));
         !QFileInfo::exists(qstrPath) && !missing.contains(qstrPath);
         qstrPath = QFileInfo(qstrPath).path())
        missing.prepend(qstrPath);
    for (const QString& qstrPath : missing)
        if (::mkdir(QFile::encodeName(qstrPath).constData(), S_IRWXU) != 0 && errno != EEXIST)
            return false;
    return QFileInfo(QString::fromStdString(strDirectory)).isDir();
}

bool WebRecv::DeleteFileSelf(const QString& path)
{
    return QFile::remove(path);
}

// Only the last path component decides whether the path names a file: a dot in a parent
// folder name ("v1.2/cache") must not turn a folder path into a file.
bool WebRecv::CreateFileSelf(const QString& qstrFilePath, bool bIsDelete)
{
    const int nSlash = qstrFilePath.lastIndexOf(QLatin1Char('/'));
    const bool bIsFile = qstrFilePath.mid(nSlash + 1).contains(QLatin1Char('.'));
    const QString qstrFolder = bIsFile ? QFileInfo(qstrFilePath).path() : qstrFilePath;
    if (!MakeDirectory(qstrFolder.toStdString())) {
        qWarning() << "<文件操作>:创建文件目录失败";
        return false;
    }
    if (!bIsFile)
        return true;
    if (bIsDelete && IsHaveFile(qstrFilePath) && !QFile::remove(qstrFilePath)) {
        qWarning() << "<文件操作>:删除文件<" << qstrFilePath << ">失败";
        return false;
    }
    const int fd = ::open(QFile::encodeName(qstrFilePath).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0) {
        qWarning() << "<文件操作>:创建文件失败";
        return false;
    }
    ::close(fd);
    return true;
}

bool WebRecv::savePicture(const QPixmap& picture, const QString& qstrFilePath, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    return buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, format) &&
           writeFileAtomically(qstrFilePath, bytes);
}

// Written to a temporary file beside the target and renamed over it, so a failed write
// leaves the previous content in place instead of a truncated file. A cache file goes
// through its folder held open, so that no link planted on its way or at its name takes
// the write elsewhere; anything else (the settings, the autostart entry) by its path, in
// the folders as the user laid them out.
bool WebRecv::writeFileAtomically(const QString& qstrFilePath, const QByteArray& content,
                                  QFileDevice::Permissions permissions)
{
    const QFileInfo target(qstrFilePath);
    if (CacheFolder::isBelowProgram(target.absolutePath()))
        return CacheFolder(target.absolutePath(), true)
            .write(target.fileName(), content, modeOf(permissions));
    if (!MakeDirectory(QFileInfo(qstrFilePath).absolutePath().toStdString()))
        return false;
    QSaveFile file(qstrFilePath);
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(permissions))
        return false;
    // Flushed by hand: Qt 5.15's commit() misses a short write during its own flush (disk
    // full, file size limit). Without a commit the temporary file is discarded.
    return file.write(content) == content.size() && file.flush() && file.commit();
}

bool WebRecv::SavePicByte(const QByteArray& byteBuffer, const QString& qstrFilePath)
{
    if (writeFileAtomically(qstrFilePath, byteBuffer))
        return true;
    qDebug() << "<文件操作>:文件创建失败！,path:" << qstrFilePath;
    return false;
}

bool WebRecv::SaveFileChar(const char* szBuffer, const QString& qstrFilePath)
{
    return writeFileAtomically(qstrFilePath, QByteArray(szBuffer));
}

bool WebRecv::ReadFileText(std::string& strBuffer, const QString& qstrFilePath)
{
    QByteArray bytes;
    if (!readRegularFile(qstrFilePath, bytes))
        return false;
    // Text mode: carriage returns are dropped.
    bytes.replace('\r', QByteArray());
    strBuffer = QstrToStr(GetCorrectUnicode(bytes));
    return true;
}

// Opened without blocking and checked on the open descriptor: a plain open of a FIFO
// waits for a writer, and a check by name before opening could meet another file.
bool WebRecv::readRegularFile(const QString& qstrFilePath, QByteArray& content)
{
    const int nFd =
        ::open(QFile::encodeName(qstrFilePath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (nFd < 0)
        return false;
    struct stat info
    {
    };
    QFile file;
    if (::fstat(nFd, &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(nFd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(nFd);
        return false;
    }
    content = file.readAll();
    return true;
}

bool WebRecv::getFileNames(const QString& path, QStringList& filenamelist)
{
    filenamelist = QDir(path).entryList(QStringList() << QStringLiteral("*.bi"),
                                        QDir::Files | QDir::Readable, QDir::Name);
    return true;
}

bool WebRecv::copyOneFile(const QFileInfo& fileInfo, const QDir& targetDir, bool coverFileIfExist)
{
    const QString qstrTarget = targetDir.filePath(fileInfo.fileName());
    if (coverFileIfExist && targetDir.exists(fileInfo.fileName()))
        QFile::remove(qstrTarget);
    if (QFile::copy(fileInfo.filePath(), qstrTarget))
        return true;
    qDebug() << "copy error:" << (coverFileIfExist ? "true" : "false");
    qDebug() << "fileInfo.filePath():" << fileInfo.filePath();
    qDebug() << "fileInfo.fileName():" << fileInfo.fileName() << "\n";
    return false;
}

// A failed file copy is logged and skipped; only a folder that cannot be made, or a
// target inside the source (which would copy itself without end), fails the walk.
bool WebRecv::CopyDirectoryFiles(const QString& fromDir, const QString& toDir,
                                 bool coverFileIfExist)
{
    const QDir sourceDir(fromDir);
    QDir targetDir(toDir);
    const QString qstrSource = QDir::cleanPath(sourceDir.absolutePath());
    const QString qstrTarget = QDir::cleanPath(targetDir.absolutePath());
    if (qstrTarget == qstrSource || qstrTarget.startsWith(qstrSource + "/"))
        return false;
    if (!targetDir.exists() && !targetDir.mkdir(targetDir.absolutePath()))
        return false;
    const QFileInfoList entries = sourceDir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot,
                                                          QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& fileInfo : entries) {
        if (!fileInfo.isDir()) {
            copyOneFile(fileInfo, targetDir, coverFileIfExist);
            continue;
        }
        if (!CopyDirectoryFiles(fileInfo.filePath(), targetDir.filePath(fileInfo.fileName()),
                                coverFileIfExist))
            return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------
// URLs and names

QString WebRecv::VerifyUrl(const QString& qstrValue, int)
{
    if (qstrValue.startsWith(QLatin1String("https://")) ||
        qstrValue.startsWith(QLatin1String("http://")))
        return qstrValue;
    return QStringLiteral("https://") + qstrValue;
}

QString WebRecv::getNameByHttpUrl(const QString& qstrValue)
{
    return qstrValue.mid(qstrValue.lastIndexOf(QLatin1Char('/')) + 1);
}

QString WebRecv::getHttpExeName(const QString& qstrUrl)
{
    const int nSlash = qstrUrl.lastIndexOf(QLatin1Char('/'));
    return nSlash < 0 ? QString() : qstrUrl.mid(nSlash + 1);
}

// ---------------------------------------------------------------------------------------
// Processes and desktop

// Ending processes by name could hit another user's or program's processes; the engine
// is ended through its own process object instead.
int WebRecv::CloseProcessA(const std::string&)
{
    return 1;
}

int WebRecv::CloseProcess(const std::wstring&)
{
    return 1;
}

int WebRecv::traverseProcesses(std::multimap<std::wstring, int>&)
{
    return 1;
}

bool WebRecv::SystemCmd(const std::wstring&, const std::wstring&, bool)
{
    return false;
}

bool WebRecv::SystemCmdA(const std::string&, const std::string&, bool)
{
    return false;
}

bool WebRecv::isWebAddress(const QUrl& url)
{
    return url.isValid() && !url.host().isEmpty() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

bool WebRecv::SystemBrowser(const std::wstring&, bool)
{
    return false;
}

// Only web pages reach the desktop's opener: a local file or script address would run or
// show something on this machine. The opener may block, and callers run on pool threads
// too, so it is queued to the GUI thread without waiting.
bool WebRecv::SystemBrowserA(const std::string& strURL, bool)
{
    const QUrl url(QString::fromStdString(strURL));
    const bool bWebPage = isWebAddress(url);
    QCoreApplication* pApp = QCoreApplication::instance();
    if (!bWebPage || !pApp) {
        // The query may carry the session token.
        qDebug() << "not opened in the browser:" << url.toString(QUrl::RemoveQuery);
        setAppSendValue(kUiBrowserTip,
                        QCoreApplication::translate("WebRecv", "Only web pages can be opened."), 1);
        return false;
    }
    QMetaObject::invokeMethod(
        pApp, [url]() { QDesktopServices::openUrl(url); }, Qt::QueuedConnection);
    return true;
}

bool WebRecv::SystemShell(const std::wstring&, const std::wstring&, std::wstring&, bool, bool)
{
    return false;
}

bool WebRecv::SystemShellA(const std::string&, const std::string&, std::string&, bool, bool)
{
    return false;
}

bool WebRecv::SystemOpenCata(const std::string&)
{
    return false;
}

int WebRecv::GetParentProcessPid(int)
{
    return 0;
}

std::wstring WebRecv::GetProcessName(int)
{
    return std::wstring();
}

std::string WebRecv::GetParentProcessName()
{
    return std::string();
}

QDesktopServices* WebRecv::getDeskService()
{
    Lock lock(m_mutex);
    if (!m_pDesktopServices)
        m_pDesktopServices = new QDesktopServices;
    return m_pDesktopServices;
}

bool WebRecv::OpenByDesktopServices(const QString& qstrValue)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(qstrValue));
}

void WebRecv::ZQLogPrint(const std::string& strValue)
{
    qDebug() << strValue.c_str();
}

void WebRecv::ZQLogPrint2(const char* pFmt, int)
{
    qDebug() << pFmt;
}

// ---------------------------------------------------------------------------------------
// Time and numbers

std::uint32_t WebRecv::GetTimeStamp_Uint()
{
    return static_cast<std::uint32_t>(QDateTime::currentSecsSinceEpoch());
}

std::string WebRecv::GetTimeStamp_Str()
{
    return std::to_string(GetTimeStamp_Uint());
}

QString WebRecv::GetTimeStamp_QStr()
{
    return QString::number(GetTimeStamp_Uint());
}

std::uint32_t WebRecv::QStrToTimeStamp(const QString& qstrValue, const QString& qstrType)
{
    const QDateTime dateTime = QDateTime::fromString(qstrValue, qstrType);
    const qint64 nSeconds = dateTime.isValid() ? dateTime.toSecsSinceEpoch() : -1;
    if (nSeconds < 0 || nSeconds > static_cast<qint64>(UINT32_MAX))
        return UINT32_MAX;
    return static_cast<std::uint32_t>(nSeconds);
}

void WebRecv::SecondCountToTimes(unsigned int nCount, times& timeFormat)
{
    const unsigned int kYear = 31104000;
    const unsigned int kMonth = 2592000;
    const unsigned int kDay = 86400;
    timeFormat.Year = static_cast<int>(nCount / kYear);
    nCount %= kYear;
    timeFormat.Mon = static_cast<int>(nCount / kMonth);
    nCount %= kMonth;
    timeFormat.Day = static_cast<int>(nCount / kDay);
    nCount %= kDay;
    timeFormat.Hour = static_cast<int>(nCount / 3600);
    nCount %= 3600;
    timeFormat.Min = static_cast<int>(nCount / 60);
    timeFormat.Second = static_cast<int>(nCount % 60);
}

std::uint64_t WebRecv::getCpuCycle()
{
    return 0;
}

void WebRecv::CreateMicrosecondsSrand()
{
    threadGenerator().seed(0);
}

int WebRecv::generateRandomNumber(int nBegin, int nEnd, int)
{
    CreateMicrosecondsSrand();
    const std::int64_t nValue = threadGenerator()() & 0x7fffffff;
    const std::int64_t nRange = static_cast<std::int64_t>(nEnd) - nBegin;
    if (nRange <= 0)
        return nBegin;
    return static_cast<int>(nBegin + nValue % nRange);
}
