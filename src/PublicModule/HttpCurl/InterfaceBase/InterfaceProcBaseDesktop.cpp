// Process, URL, machine identity, autostart and window-scaling helpers of the service object.
#include "PublicModule/HttpCurl/InterfaceBase/InterfaceProcBase.h"

#include "PublicModule/HttpCurl/InterfaceBase/UiCodes.h"
#include "PublicModule/HttpCurl/globleBase/CppDataBase.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace {

constexpr int kStartWaitMs = 30000;
constexpr int kDeskMargin = 20;
const char* const kWebSuffix = "p=linux&c=normal&qt=1";

// An address of zeros is what virtual and tunnel interfaces report when they have none.
bool hasHardwareAddress(const QString& qstrAddress)
{
    return std::any_of(qstrAddress.begin(), qstrAddress.end(),
                       [](QChar c) { return c != QLatin1Char('0') && c != QLatin1Char(':'); });
}

bool isUsable(const MacCandidate& candidate)
{
    if (candidate.qstrName.contains(QLatin1String("VMware")) ||
        candidate.qstrName.contains(QLatin1String("Loopback")))
        return false;
    const auto flags = candidate.flags;
    return flags.testFlag(QNetworkInterface::IsUp) &&
           flags.testFlag(QNetworkInterface::IsRunning) &&
           !flags.testFlag(QNetworkInterface::IsLoopBack) &&
           hasHardwareAddress(candidate.qstrHardwareAddress);
}

bool hasIpv4(const MacCandidate& candidate)
{
    return std::any_of(candidate.addresses.begin(), candidate.addresses.end(),
                       [](const QHostAddress& address) {
                           return address != QHostAddress(QHostAddress::LocalHost) &&
                                  address.protocol() == QAbstractSocket::IPv4Protocol;
                       });
}

QList<MacCandidate> systemInterfaces()
{
    QList<MacCandidate> candidates;
    for (const QNetworkInterface& item : QNetworkInterface::allInterfaces()) {
        MacCandidate candidate{item.humanReadableName(), item.flags(), item.hardwareAddress(), {}};
        for (const QNetworkAddressEntry& entry : item.addressEntries())
            candidate.addresses.append(entry.ip());
        candidates.append(candidate);
    }
    return candidates;
}

// A string value of a desktop entry, with the escapes every such value gets (an absolute
// path never starts with the space that would need one too).
QString stringValue(QString qstrText)
{
    return qstrText.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('\t'), QLatin1String("\\t"));
}

// One Exec argument of a desktop entry: quoted, with the quoting escapes, then the
// escapes every string value of the file gets, then "%" doubled for the field codes.
QString execArgument(const QString& qstrPath)
{
    QString qstrQuoted;
    for (const QChar c : qstrPath) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            qstrQuoted += QLatin1Char('\\');
        qstrQuoted += c;
    }
    return stringValue(QLatin1Char('"') + qstrQuoted + QLatin1Char('"'))
        .replace(QLatin1Char('%'), QLatin1String("%%"));
}

// Path: each account's database lies in the working directory, which a start at login would
// otherwise take from the session.
QByteArray autoStartEntry(const QString& qstrExe, const QString& qstrName,
                          const QString& qstrFolder)
{
    const QString qstrText = QStringLiteral("[Desktop Entry]\n"
                                            "Type=Application\n"
                                            "Version=1.0\n"
                                            "Name=%1\n"
                                            "Exec=%2\n"
                                            "Path=%3\n"
                                            "Terminal=false\n"
                                            "X-GNOME-Autostart-enabled=true\n")
                                 .arg(qstrName, execArgument(qstrExe), stringValue(qstrFolder));
    return qstrText.toUtf8();
}

// An entry holds no control character but the escaped tab; a line break is refused rather
// than escaped, so that no reader of the file can take it for the end of a line.
bool writableInEntry(const QString& qstrText)
{
    return std::none_of(qstrText.begin(), qstrText.end(), [](QChar c) {
        return c.category() == QChar::Other_Control && c != QLatin1Char('\t');
    });
}

// The entry is UTF-8: it names a file as it is on disk only when the system's bytes for the
// name are its UTF-8 ones. A name whose bytes are not UTF-8 reads with U+FFFD in their place
// and then names nothing on disk.
bool namesOnDisk(const QString& qstrPath)
{
    return writableInEntry(qstrPath) && QFile::encodeName(qstrPath) == qstrPath.toUtf8() &&
           (!qstrPath.contains(QChar::ReplacementCharacter) || QFileInfo::exists(qstrPath));
}

} // namespace

int InterfaceProcBase::openExeByProcessFirst(const QString& qstrExe, const QStringList& listParam,
                                             int)
{
    qDebug() << "listParam:" << listParam;
    if (!m_pWebProcess)
        return 0;
    m_pWebProcess->start(qstrExe, listParam, QIODevice::ReadWrite);
    m_pWebProcess->waitForStarted(kStartWaitMs);
    if (m_pWebProcess->state() != QProcess::NotRunning) {
        qDebug() << "exe start success";
        return 1;
    }
    qDebug() << "exe start fail";
    return 0;
}

int InterfaceProcBase::openExeByProcess(const QString& qstrExe, const QStringList& listParam,
                                        int nValue)
{
    openExeByProcessFirst(qstrExe, listParam, nValue);
    return 0;
}

void InterfaceProcBase::onProcessFinished(int exitCode)
{
    qDebug() << "exe finished:" << exitCode;
    if (m_pWebProcess)
        m_pWebProcess->close();
}

void InterfaceProcBase::getProState(QProcess::ProcessState state)
{
    switch (state) {
    case QProcess::NotRunning:
        qDebug() << "exe程序未运行！";
        break;
    case QProcess::Starting:
        qDebug() << "exe程序启动中！";
        break;
    case QProcess::Running:
        qDebug() << "exe程序运行中！";
        break;
    default:
        qDebug() << "exe程序其他状态！";
        break;
    }
}

void InterfaceProcBase::StartExe(QString qstrValue, int)
{
    qDebug() << "StartExe:" << qstrValue;
    QProcess::startDetached(qstrValue, QStringList());
    emit signal_SetUiData(kUiStartExe, QStringLiteral("关闭程序"), -1);
}

void InterfaceProcBase::closeExe(QString, int)
{
    CloseProcessA(GetMainExeName());
}

// Desktop links and registry stores have no counterpart here; nothing is written.
void InterfaceProcBase::createLnk(QString qstrValue, int)
{
    qDebug() << "createLnk: no desktop link on this platform" << qstrValue;
}

void InterfaceProcBase::createAutoStart(QString qstrValue, int)
{
    qDebug() << "createAutoStart: no registry store on this platform" << qstrValue;
}

bool InterfaceProcBase::autoStartClient(QString qstrTargetPath, bool bStart)
{
    if (qstrTargetPath.isEmpty())
        qstrTargetPath = QCoreApplication::applicationFilePath();
    return AutoStartClientTaskschd(qstrTargetPath, bStart);
}

QString InterfaceProcBase::autoStartEntryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/") + StrToQstr(GetProduceName()) + QStringLiteral(".desktop");
}

bool InterfaceProcBase::AutoStartClientTaskschd(const QString& qstrTargetPath, bool bStart)
{
    const QString qstrEntry = autoStartEntryPath();
    if (!bStart) {
        QFile::remove(qstrEntry);
        return !QFile::exists(qstrEntry);
    }
    const QString qstrName = StrToQstr(GetLinkName());
    const QString qstrFolder = QDir::currentPath();
    if (qstrTargetPath.isEmpty() || !namesOnDisk(qstrTargetPath) || !writableInEntry(qstrName) ||
        !namesOnDisk(qstrFolder)) {
        qDebug() << "autostart refused: an entry cannot name" << qstrTargetPath << qstrFolder;
        return false;
    }
    const bool bSaved =
        writeFileAtomically(qstrEntry, autoStartEntry(qstrTargetPath, qstrName, qstrFolder));
    qDebug() << "autostart entry" << qstrEntry << (bSaved ? "written" : "not written");
    return bSaved;
}

int InterfaceProcBase::getRecvBack()
{
    return CppDataBase::GetInstance()->getRecvBack();
}

int InterfaceProcBase::getStartTimes()
{
    return CppDataBase::GetInstance()->getStartTimes();
}

QString InterfaceProcBase::additionalUrl(int nValue)
{
    return (nValue == 0 ? QStringLiteral("?") : QStringLiteral("&")) + QLatin1String(kWebSuffix);
}

QString InterfaceProcBase::checkOpenUrl(QString qstrUrl, int)
{
    return qstrUrl + additionalUrl(qstrUrl.contains(QLatin1Char('?')) ? 1 : 0);
}

QString InterfaceProcBase::chooseMacAddress(const QList<MacCandidate>& candidates,
                                            QString* pInterfaceName)
{
    for (const MacCandidate& candidate : candidates) {
        if (!isUsable(candidate) || !hasIpv4(candidate))
            continue;
        if (pInterfaceName)
            *pInterfaceName = candidate.qstrName;
        return candidate.qstrHardwareAddress;
    }
    return QString();
}

QString InterfaceProcBase::getMacAddress()
{
    if (!m_qstrMacAddress.isEmpty())
        return m_qstrMacAddress;
    QString qstrName;
    const QString qstrAddress = chooseMacAddress(systemInterfaces(), &qstrName);
    if (qstrAddress.isEmpty()) {
        qDebug() << "without enable QNetworkInterface";
        return QString();
    }
    m_qstrMacAddress = qstrAddress;
    m_qstrInterfaceName = qstrName;
    return m_qstrMacAddress;
}

bool InterfaceProcBase::getDpi(int)
{
    return false;
}

// An unknown desktop size (no screen) limits nothing.
int InterfaceProcBase::getDpiWidth(int nWidth, int)
{
    if (m_nDeskWidth <= 0 || m_nDeskWidth > nWidth)
        return nWidth;
    return m_nDeskWidth - kDeskMargin;
}

int InterfaceProcBase::getDpiHeight(int nHeight, int)
{
    if (m_nDeskHeight <= 0 || m_nDeskHeight > nHeight)
        return nHeight;
    return m_nDeskHeight - kDeskMargin;
}

float InterfaceProcBase::getDpiByWidHei(int nWidth, int nHeight, int)
{
    const bool bWideEnough = m_nDeskWidth <= 0 || nWidth <= 0 || m_nDeskWidth > nWidth;
    const bool bHighEnough = m_nDeskHeight <= 0 || nHeight <= 0 || nHeight < m_nDeskHeight;
    const float fWid = bWideEnough ? 1.0f : static_cast<float>(m_nDeskWidth) / nWidth;
    const float fHei = bHighEnough ? 1.0f : static_cast<float>(m_nDeskHeight) / nHeight;
    float fBack = 1.0f;
    if (fWid != 1.0f || fHei != 1.0f) {
        fBack = std::min(fWid, fHei);
        if (static_cast<double>(fBack) > 0.63)
            fBack = 0.73f;
    }
    qDebug() << "fWid:" << fWid << "fHei:" << fHei << "fBack:" << fBack;
    return fBack;
}
