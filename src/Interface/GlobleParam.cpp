#include "GlobleParam.h"

#include "BuildConfig.h"
#include "Interface/CConfig.h"
#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/globleBase/CppDataBase.h"
#include "PublicModule/HttpCurl/httpBase/CacheFolder.h"
#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QStandardPaths>

namespace {

GlobleParam* s_pInstance = nullptr;

// Hosts behind the default web addresses; only their paths are fixed.
const QString kWebSite = QStringLiteral("https://www.qelproxy.com");
const QString kCheckoutHost = QStringLiteral("https://pay.qelproxy.com");
const QString kSignInHost = QStringLiteral("https://passport.qelproxy.com");

// The version digits the service knows this build by.
const QString kCompactVersion = QStringLiteral("211");

// "211" -> "2.1.1": a dot after the first digit and after every second one from there.
QString dottedVersion(QString qstrVersion)
{
    for (int nPos = 1; nPos < qstrVersion.length(); nPos += 2)
        qstrVersion.insert(nPos, QLatin1Char('.'));
    return qstrVersion;
}

QString sideBarFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/temp/column/");
}

// Adds "<prefix>_local" beside "<prefix>_url" when the address names a file, and hands
// that address to onIcon. The screens load the file by that name at once, so anything
// but a picture file of ours there is cleared first (a FIFO would stop them for good).
void addLocalIconName(QJsonObject& entry, const QString& qstrPrefix,
                      const std::function<void(const QString&)>& onIcon)
{
    const QString qstrUrl = entry.value(qstrPrefix + QStringLiteral("_url")).toString();
    const QString qstrName = CacheFolder::fileNameOf(qstrUrl);
    if (qstrName.isEmpty())
        return;
    WebRecv::keepCachedFile(sideBarFolder() + qstrName);
    entry.insert(qstrPrefix + QStringLiteral("_local"), qstrName);
    if (onIcon)
        onIcon(qstrUrl);
}

} // namespace

GlobleParam::GlobleParam()
    : m_qstrWebPayPopular(kWebSite + QStringLiteral("/pay")),
      m_qstrWebPayLong(kWebSite + QStringLiteral("/pay?paynavVal=3")),
      m_qstrWebPayStatic(kWebSite + QStringLiteral("/pay?paynavVal=9")),
      m_jsProgramList(Json::objectValue)
{
    qRegisterMetaType<Json::Value>("Json::Value");
    GetArguments();
    s_pInstance = this;
    InitParam();
}

// Releases the settings without saving: only clearConfig() writes the file.
GlobleParam::~GlobleParam()
{
    if (s_pInstance == this)
        s_pInstance = nullptr;
}

GlobleParam* GlobleParam::GetInstance()
{
    return s_pInstance;
}

QString GlobleParam::getLocalLangCode()
{
    const QLocale locale;
    qDebug() << "local:"
             << "Country" << locale.country() << "Language" << locale.language();
    switch (locale.language()) {
    case QLocale::Chinese:
        return QStringLiteral("_zh_hk");
    case QLocale::Japanese:
        return QStringLiteral("_ja");
    case QLocale::Spanish:
        return QStringLiteral("_es");
    case QLocale::Vietnamese:
        return QStringLiteral("_vi");
    case QLocale::Russian:
        return QStringLiteral("_ru");
    case QLocale::German:
        return QStringLiteral("_de");
    case QLocale::French:
        return QStringLiteral("_fa");
    default:
        return QStringLiteral("_en");
    }
}

QString GlobleParam::getLanguageCodeForWeb()
{
    const std::string strCode = g_pWebRecv ? g_pWebRecv->GetLanguage() : std::string("_en");
    QString qstrWeb = QStringLiteral("en");
    if (strCode == "_zh_hk")
        qstrWeb = QStringLiteral("hk");
    else if (strCode == "_ru")
        qstrWeb = QStringLiteral("ru");
    else if (strCode == "_vi")
        qstrWeb = QStringLiteral("vn");
    else if (strCode == "_es")
        qstrWeb = QStringLiteral("es");
    qDebug() << "getLanguageCodeForWeb:" << qstrWeb;
    return qstrWeb;
}

QString GlobleParam::getCurrentFolderPath()
{
    return QCoreApplication::applicationDirPath();
}

bool GlobleParam::checkFileExist(QString qstrPath)
{
    const QFileInfo info(qstrPath);
    return info.isFile() && info.size() > 0;
}

void GlobleParam::clearConfig(int nValue)
{
    Q_UNUSED(nValue);
    ExitParam();
}

int GlobleParam::getPushRepeatTime()
{
    return getRepeatProxyTime() * 3600;
}

void GlobleParam::GetArguments()
{
    GetArguments(CppDataBase::GetInstance()->getArguments());
}

void GlobleParam::GetArguments(const QStringList& arguments)
{
    qDebug() << "GlobleParam::GetArguments...";
    for (const QString& qstrArg : arguments) {
        qDebug() << qstrArg;
        setRunMode(qstrArg == QLatin1String("--flow") ? 1 : 0);
        // "--equipment" is accepted, but the device page is always offered.
        setEquipmentState(1);
    }
}

void GlobleParam::InitParam()
{
    InitQmlProperty();
    InitConfig();
}

void GlobleParam::InitQmlProperty()
{
    setLangCode(getLocalLangCode());

    setDomain(QString());
    setRechargeUrl(QString());
    setInternalNetIP(QStringLiteral("127.0.0.1"));
    setRechargeInlineUrl(kCheckoutHost + QStringLiteral("/paypc/"));
    SetSelectFolder(QString());
    setBanProcess(QString());
    setSocks5Param14(QStringLiteral("false"));
    setBrowserBindHelpUrl(kWebSite + QStringLiteral("/userguide/fingerprintbrowser/59.html"));
    setGoogleLoginUrl(kSignInHost + QStringLiteral("/pc_google_login"));
    setProgramSettingUrl(kWebSite +
                         QStringLiteral("/userguide/basicfunctionintroduction/112.html"));
    setProxyIP(QString());
    setVerifyUrl(QStringLiteral(QEL_VERIFY_URL));
    setCdkHelpUrl(kWebSite + QStringLiteral("/userguide/basicfunctionintroduction/117.html"));
    setS5HelpUrl(kWebSite + QStringLiteral("/userguide/"));
    setTutorialHelpUrl(QString());
    setTrafficPlanUnit(QStringLiteral("KB"));
    setCurrentVersion(dottedVersion(kCompactVersion));

    setWindowsState(0);
    setRefreshTime(300);
    setMealType(1);
    setApiMealType(1);
    setEquipmentMealType(1);
    setMealStaticType(6);
    setIpCheckState(0);
    setRefreshDevice(5);
    setSelectedDevice(0);
    setBeginPort(30000);
    setPortNumber(50);
    setProgramSwitchTime(30);
    setApiPort(42333);
    setRepeatProxyTime(2);
    setIpNums(0);
    setDayIpNums(0);
    setStaticIpNums(0);
    setHttpServerPort(59303);
    setDataProxyIpNums(0);
    setTrafficPlanNums(0);
    setHeadListState(1);
    setRefreshWebPageTime(0);
    setTodayDataNumbs(0);
    setFavoriteDataNumbs(0);
    setEquipmentDataNumbs(0);
    setEquipmentLineHistoryDataNumbs(0);

    setProgramRestart(false);
    setProxyRun(false);
    setProxyS5Run(false);
    setSocks5Globle(false);
    setInterceptUdp(false);
    setOtherProxy(false);
    setChangeTimeZone(false);
    setBrowserBindOpen(false);
    setAttachList(false);
    setUpdateImmediately(false);
    setEnableGoogle(true);
}

void GlobleParam::InitConfig()
{
    m_pConfig = std::make_unique<CConfig>(this);
    m_pConfig->InitConfig();
    ApplyTestAccount(CppDataBase::GetInstance()->getArguments());
}

void GlobleParam::ApplyTestAccount(const QStringList& arguments)
{
    const QString qstrLogin = qEnvironmentVariable("QEL_TEST_LOGIN");
    if (!arguments.contains(QStringLiteral("--x")) || qstrLogin.isEmpty())
        return;
    setLoginName(qstrLogin);
    setLoginPass(qEnvironmentVariable("QEL_TEST_PASSWORD"));
    SetAutoLogin(true);
}

void GlobleParam::ExitParam()
{
    ExitConfig();
}

void GlobleParam::ExitConfig()
{
    if (!m_pConfig)
        return;
    m_pConfig->ExitConfig();
    m_pConfig.reset();
}

QString GlobleParam::sideBarCachePath()
{
    return sideBarFolder() + QStringLiteral("columnArray.ini");
}

void GlobleParam::initSideBar()
{
    const QString qstrPath = sideBarCachePath();
    qDebug() << "initSideBar:" << qstrPath;
    std::string strText;
    if (!CConfig::ReadFileText(qstrPath, strText))
        return;

    const std::string strJson = Encryption::GetInstance()->decode(strText);
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(strJson));
    if (doc.isNull())
        qDebug() << "数据解析有误";

    applySideBar(doc.array());
}

void GlobleParam::applySideBar(const QJsonArray& entries,
                               const std::function<void(const QString&)>& onIcon)
{
    QJsonArray columns;
    QJsonArray rows;
    for (const QJsonValue& value : entries) {
        QJsonObject entry = value.toObject();
        const int nPos = entry.value(QStringLiteral("pos")).toInt(0);
        addLocalIconName(entry, QStringLiteral("left_img"), onIcon);
        if (nPos == 1) {
            addLocalIconName(entry, QStringLiteral("right_img"), onIcon);
            columns.append(entry);
        } else if (nPos == 2) {
            rows.append(entry);
        }
    }
    setSideBarColumn(columns);
    setSideBarRow(rows);
}

std::string GlobleParam::getBrowserUrl()
{
    std::string strUrl = readLocked(m_strBrowserUrl);
    if (!strUrl.empty())
        return strUrl;

    const QString qstrConfigHome =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    qDebug() << "qstrAppDataPath:" << qstrConfigHome;
    if (qstrConfigHome.isEmpty())
        return strUrl;

    std::string strText;
    if (!CConfig::ReadFileText(qstrConfigHome + "/bitbrowser/config.json", strText))
        return strUrl;
    qDebug() << "Browser File Text:" << strText.c_str();

    Json::Value root;
    if (JsonRead::parse(strText, root))
        strUrl = JsonRead::getString(root, "localServerAddress");
    if (!strUrl.empty())
        storeLocked(m_strBrowserUrl, strUrl);
    return strUrl;
}
