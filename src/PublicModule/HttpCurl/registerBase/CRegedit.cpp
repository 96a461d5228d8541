#include "CRegedit.h"

#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

#include <QDateTime>
#include <QDebug>
#include <QFileInfo>
#include <QSettings>

const QString CRegedit::kAutoStartStore =
    QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");

namespace {

const char* const kPublisher = "QelProxy Network Ltd.";

// The product name the install record is stored under.
QString productName()
{
    return g_pWebRecv ? QString::fromStdString(g_pWebRecv->GetProduceName())
                      : QStringLiteral("QelProxy");
}

// The names the install record is written with; the client state's values when the
// service object exists, its own defaults otherwise.
struct ProductNames
{
    QString installFolder = QStringLiteral("QelProxy_cata");
    QString displayName = QStringLiteral("Qel Proxy");
    QString displayVersion;
};

// Called after productName(): reading the product name also fills in the install
// folder's default.
ProductNames productNames()
{
    ProductNames names;
    if (!g_pWebRecv)
        return names;
    names.installFolder = QString::fromStdString(g_pWebRecv->GetInstallFolder());
    names.displayName = QString::fromStdString(g_pWebRecv->GetLinkName());
    names.displayVersion = QString::fromStdString(g_pWebRecv->GetShowUpdateVersion());
    return names;
}

} // namespace

CRegedit::CRegedit(QObject* parent) : QObject(parent) {}

void CRegedit::setInstallPath(const QString& qstrInstallPath)
{
    if (qstrInstallPath == m_qstrInstallPath)
        return;
    m_qstrInstallPath = qstrInstallPath;
    emit qstrInstallPathChanged(m_qstrInstallPath);
}

void CRegedit::setInstallTime(int nInstallTime)
{
    if (nInstallTime == m_nInstallTime)
        return;
    m_nInstallTime = nInstallTime;
    emit nInstallTimeChanged(m_nInstallTime);
}

QString CRegedit::installStoreName()
{
    const QString qstrPath =
        QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\"
                       "Uninstall\\") +
        productName();
    qDebug() << "reg_path..." + qstrPath;
    return qstrPath;
}

void CRegedit::reg_GetInstall()
{
    qDebug() << "reg_GetInstall...";
    QSettings settings(installStoreName(), QSettings::NativeFormat);
    const QString qstrPath = settings.value("InstallPath", QString()).toString();
    qDebug() << "InstallPath:" << qstrPath;
    if (!qstrPath.isEmpty())
        setInstallPath(qstrPath);
    setInstallTime(settings.value("InstallTime", 0).toInt());
}

void CRegedit::reg_SetInstall()
{
    qDebug() << "reg_SetInstall...";
    QSettings settings(installStoreName(), QSettings::NativeFormat);
    const ProductNames names = productNames();

    const QString qstrInstallPath = QString(m_qstrInstallPath).replace('/', '\\');
    settings.setValue("InstallPath", qstrInstallPath);
    qDebug() << "InstallPath:" << qstrInstallPath;
    const QString qstrCata = qstrInstallPath + "\\" + names.installFolder;
    settings.setValue("DisplayCata", qstrCata);
    qDebug() << "DisplayCata:" << qstrCata;
    settings.setValue("DisplayName", names.displayName);
    qDebug() << "DisplayName:" << names.displayName;
    settings.setValue("DisplayVersion", names.displayVersion);
    qDebug() << "DisplayVersion:" << names.displayVersion;
    settings.setValue("Publisher", QString::fromLatin1(kPublisher));

    const QString qstrUninstallExe = qstrCata + "\\uninstall.exe";
    settings.setValue("UninstallString", qstrUninstallExe);
    settings.setValue("DisplayIcon", qstrUninstallExe);
    qDebug() << "qstrUninstallExe:" << qstrUninstallExe;
    const QFileInfo uninstaller(qstrUninstallExe);
    const quint32 nSizeKiB = uninstaller.exists() ? quint32(uninstaller.size() / 1024) : 0;
    settings.setValue("EstimatedSize", nSizeKiB);
    qDebug() << "fileSize:" << nSizeKiB;
    settings.setValue("InstallTime", Install_GetTime());
}

void CRegedit::Reg_DelInstall()
{
    QSettings settings(installStoreName(), QSettings::NativeFormat);
    settings.clear();
}

void CRegedit::Reg_StartAuto(const QString& qstrAppPath)
{
    QSettings settings(kAutoStartStore, QSettings::NativeFormat);
    settings.setValue("appname", qstrAppPath);
}

quint64 CRegedit::Install_GetTime()
{
    return quint32(QDateTime::currentSecsSinceEpoch());
}
