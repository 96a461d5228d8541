#include "CConfig.h"

#include "Interface/GlobleParam.h"
#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>

#include <cstdio>
#include <memory>

namespace {

constexpr int kMaxAccounts = 10;

// Keys stored as integers and as Booleans, with the property each one carries.
struct IntKey
{
    const char* key;
    int (GlobleParam::*get)() const;
    void (GlobleParam::*set)(const int&);
};

struct BoolKey
{
    const char* key;
    bool (GlobleParam::*get)() const;
    void (GlobleParam::*set)(const bool&);
};

const IntKey kIntKeys[] = {
    {"port_begin", &GlobleParam::getBeginPort, &GlobleParam::setBeginPort},
    {"port_num", &GlobleParam::getPortNumber, &GlobleParam::setPortNumber},
    {"repeat_proxy_time", &GlobleParam::getRepeatProxyTime, &GlobleParam::setRepeatProxyTime},
    {"api_port", &GlobleParam::getApiPort, &GlobleParam::setApiPort},
    {"meal_type", &GlobleParam::getMealType, &GlobleParam::setMealType},
    {"meal_static_type", &GlobleParam::getMealStaticType, &GlobleParam::setMealStaticType},
};

const BoolKey kBoolKeys[] = {
    {"auto_start_client", &GlobleParam::getAutoStartClient, &GlobleParam::setAutoStartClient},
    {"dark_mode", &GlobleParam::getDarkMode, &GlobleParam::setDarkMode},
    {"repeat_proxy", &GlobleParam::getRepeatProxy, &GlobleParam::setRepeatProxy},
    {"browserbind", &GlobleParam::getBrowserBindOpen, &GlobleParam::setBrowserBindOpen},
    {"browserbind_restart", &GlobleParam::getBrowserWndReStart, &GlobleParam::setBrowserWndReStart},
    {"browserbind_clearcookie", &GlobleParam::getClearBrowserCookie,
     &GlobleParam::setClearBrowserCookie},
    {"program_restart", &GlobleParam::getProgramRestart, &GlobleParam::setProgramRestart},
    {"changed_zone", &GlobleParam::getChangeTimeZone, &GlobleParam::setChangeTimeZone},
    {"socks5_globle", &GlobleParam::getSocks5Globle, &GlobleParam::setSocks5Globle},
    {"intercept_udp", &GlobleParam::getInterceptUdp, &GlobleParam::setInterceptUdp},
    {"auto_login", &GlobleParam::GetAutoLogin, &GlobleParam::SetAutoLogin},
};

// The names tried for the copy of a damaged settings file: QelProxy.ini.damaged, then
// .damaged.1 and on, up to this many.
constexpr int kMaxDamagedCopies = 1000;

QString damagedCopyName(const QString& qstrPath, int nCopy)
{
    const QString qstrName = qstrPath + QStringLiteral(".damaged");
    return nCopy == 0 ? qstrName : qstrName + QLatin1Char('.') + QString::number(nCopy);
}

// Written under the first name nobody holds yet (never over an earlier copy), owner-only.
// The name used, or "" when none could be written.
QString writeDamagedCopy(const QString& qstrPath, const std::string& strText)
{
    for (int nCopy = 0; nCopy < kMaxDamagedCopies; ++nCopy) {
        QFile file(damagedCopyName(qstrPath, nCopy));
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            continue;
        const bool bWritten =
            file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
            file.write(strText.data(), qint64(strText.size())) == qint64(strText.size()) &&
            file.flush();
        if (bWritten)
            return file.fileName();
        file.remove();
        return QString();
    }
    return QString();
}

// The line is written whatever the message handler does: the user has to find the copy.
void tellStandardError(const QString& qstrLine)
{
    std::fputs((qstrLine + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

std::string encodePassword(const std::string& strPlain)
{
    return Encryption::GetInstance()->encode(strPlain);
}

std::string decodePassword(const std::string& strEncoded)
{
    return Encryption::GetInstance()->decode(strEncoded);
}

QString toQString(const std::string& strValue)
{
    return QString::fromStdString(strValue);
}

// One member per line, three-space indentation, " : " between key and value.
std::string styledText(const Json::Value& root)
{
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "   ";
    return Json::writeString(builder, root) + "\n";
}

} // namespace

CConfig::CConfig(GlobleParam* pParam) : m_pParam(pParam) {}

QString CConfig::SettingsPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/QelProxy.ini");
}

bool CConfig::ReadFileText(const QString& qstrPath, std::string& strText)
{
    QByteArray content;
    if (!WebRecv::readRegularFile(qstrPath, content))
        return false;
    strText = content.toStdString();
    return true;
}

void CConfig::InitConfig()
{
    qDebug() << "InitConfig...";
    if (m_bIsInitFile)
        return;
    const QString qstrPath = SettingsPath();
    qDebug() << qstrPath;
    std::string strText;
    if (ReadFileText(qstrPath, strText) && !ExeInitJson(strText))
        m_damagedText = std::move(strText);
    m_bIsInitFile = true;
}

bool CConfig::ExeInitJson(const std::string& strText)
{
    Json::Value root;
    if (!JsonRead::parse(strText, root) || !root.isObject()) {
        qDebug() << "Config file parse error...";
        return false;
    }
    loadAccounts(root);
    if (m_pParam)
        loadValues(root);
    qDebug() << "Config file parse success...";
    return true;
}

void CConfig::loadAccounts(const Json::Value& root)
{
    for (const Json::Value& entry : JsonRead::getArray(root, "accountlist")) {
        if (!entry.isObject())
            continue;
        m_listAccount.append({JsonRead::getString(entry, "account"),
                              decodePassword(JsonRead::getString(entry, "password"))});
    }
}

// A value of the wrong type keeps what the property holds.
void CConfig::loadValues(const Json::Value& root)
{
    GlobleParam& param = *m_pParam;
    param.setLoginName(toQString(JsonRead::getString(root, "login")));
    param.setLoginPass(toQString(decodePassword(JsonRead::getString(root, "pass"))));

    const Json::Value& language = JsonRead::member(root, "language");
    if (language.isString()) {
        qDebug() << "set config language...";
        param.setLangCode(toQString(language.asString()));
    }
    const int nBeginPort = param.getBeginPort();
    const int nPortNumber = param.getPortNumber();
    for (const IntKey& item : kIntKeys)
        (param.*item.set)(JsonRead::getInt(root, item.key, (param.*item.get)()));
    // A port value the settings page would refuse is not used either.
    param.restoreRefusedPorts(nBeginPort, nPortNumber);
    for (const BoolKey& item : kBoolKeys)
        (param.*item.set)(JsonRead::getBool(root, item.key, (param.*item.get)()));
    // Off unless it was saved on: nothing else turns it off, and it keeps programs apart.
    param.setOtherProxy(JsonRead::getBool(root, "other_proxy", false));

    const Json::Value& programs = JsonRead::member(root, "program_list");
    if (programs.isArray())
        param.setProgramList(programs);
}

Json::Value CConfig::ExeQuitJson()
{
    qDebug() << "ExeQuitJson...begin";
    Json::Value root;
    Encryption::GetInstance()->SetDefaultKey();
    root["accountlist"] = saveAccounts();
    if (m_pParam) {
        const GlobleParam& param = *m_pParam;
        root["login"] = param.getLoginName().toStdString();
        root["pass"] = encodePassword(param.getLoginPass().toStdString());
        root["language"] = param.getLangCode().toStdString();
        for (const IntKey& item : kIntKeys)
            root[item.key] = (param.*item.get)();
        for (const BoolKey& item : kBoolKeys)
            root[item.key] = (param.*item.get)();
        root["other_proxy"] = param.getOtherProxy();
        root["program_list"] = param.getProgramList();
    }
    qDebug() << "ExeQuitJson...end";
    return root;
}

// Null when there are no accounts, which the loader reads as an empty list.
Json::Value CConfig::saveAccounts() const
{
    Json::Value accounts;
    for (const _ACCOUNT_INFO& info : m_listAccount) {
        Json::Value entry;
        entry["account"] = info.strAccount;
        entry["password"] = encodePassword(info.strPassword);
        accounts.append(entry);
    }
    return accounts;
}

void CConfig::ExitConfig()
{
    qDebug() << "ExitConfig...";
    if (!m_bIsInitFile)
        return;
    const QString qstrPath = SettingsPath();
    if (m_damagedText && !keepDamagedText(qstrPath))
        return;
    const QByteArray text = QByteArray::fromStdString(styledText(ExeQuitJson()));
    if (!WebRecv::writeFileAtomically(qstrPath, text,
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        qWarning() << "ExitConfig: settings not saved:" << qstrPath;
}

// The refused file is kept before it is replaced; when no copy can be made it stays as it is.
bool CConfig::keepDamagedText(const QString& qstrPath)
{
    const QString qstrCopy = writeDamagedCopy(qstrPath, *m_damagedText);
    if (qstrCopy.isEmpty()) {
        tellStandardError(QStringLiteral("%1: the settings file %2 could not be read and no "
                                         "copy of it could be made; it is left unchanged")
                              .arg(QCoreApplication::applicationName(), qstrPath));
        return false;
    }
    tellStandardError(QStringLiteral("%1: the settings file could not be read; it was kept as %2")
                          .arg(QCoreApplication::applicationName(), qstrCopy));
    m_damagedText.reset();
    return true;
}

bool CConfig::IsEqualStr(const std::string& strLeft, const std::string& strRight)
{
    const bool bEqual = strLeft == strRight;
    qDebug() << "IsEqualStr:" << (bEqual ? "true" : "false");
    return bEqual;
}

void CConfig::AddAccount(const std::string& strAccount, const std::string& strPassword)
{
    int nFound = -1;
    for (int i = 0; i < m_listAccount.size() && nFound < 0; ++i) {
        if (IsEqualStr(m_listAccount.at(i).strAccount, strAccount))
            nFound = i;
    }
    if (nFound >= 0) {
        m_listAccount[nFound].strPassword = strPassword;
        m_listAccount.swapItemsAt(0, nFound);
    } else {
        m_listAccount.prepend({strAccount, strPassword});
    }
    while (m_listAccount.size() > kMaxAccounts)
        m_listAccount.removeLast();
}

void CConfig::RemoveAccount(const std::string& strAccount)
{
    for (int i = 0; i < m_listAccount.size(); ++i) {
        if (IsEqualStr(m_listAccount.at(i).strAccount, strAccount)) {
            m_listAccount.removeAt(i);
            return;
        }
    }
}

void CConfig::GetAccountList(QList<_ACCOUNT_INFO>& listAccount) const
{
    listAccount = m_listAccount;
}

int CConfig::GetAccountListSize() const
{
    return m_listAccount.size();
}

Json::Value CConfig::InitLanguageList()
{
    const QString qstrPath =
        QCoreApplication::applicationDirPath() + QStringLiteral("/translation/Language.trs");
    qDebug() << qstrPath;
    std::string strText;
    Json::Value list;
    if (ReadFileText(qstrPath, strText))
        JsonRead::parse(strText, list);
    return list;
}
