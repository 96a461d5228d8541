#include "LanguageManager.h"

#include "Interface/CConfig.h"
#include "Interface/GlobleParam.h"
#include "LanguageObject.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTranslator>

#include <memory>

namespace {

LanguageManager* s_pInstance = nullptr;

QString jsonText(const Json::Value& entry, const char* key)
{
    return QString::fromStdString(JsonRead::getString(entry, key));
}

} // namespace

LanguageManager::LanguageManager()
{
    s_pInstance = this;
}

// The QML engine owns the object it received and deletes it with itself; a later
// GetInstance() then builds a new one instead of handing out a dangling pointer.
LanguageManager::~LanguageManager()
{
    if (s_pInstance == this)
        s_pInstance = nullptr;
}

LanguageManager* LanguageManager::GetInstance()
{
    if (!s_pInstance)
        new LanguageManager;
    return s_pInstance;
}

QString LanguageManager::translationDir()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/translation/");
}

QList<QObject*> LanguageManager::getLanguageList(int nValue)
{
    Q_UNUSED(nValue);
    CConfig config;
    Json::Value jsonLanguage = config.InitLanguageList();
    SetLanguageList(jsonLanguage);
    return m_listLanguage;
}

void LanguageManager::SetLanguageList(Json::Value& jsonLanguage)
{
    m_listLanguage.clear();
    if (!jsonLanguage.isArray())
        return;
    for (const Json::Value& entry : jsonLanguage) {
        if (!entry.isObject())
            continue;
        auto* language = new LanguageObject(this);
        const QString qstrFileName = jsonText(entry, "name");
        language->setLanguageName(jsonText(entry, "la"));
        language->setFileName(qstrFileName);
        language->setFilePath(QStringLiteral("qrc:/flag/") + qstrFileName + ".png");
        language->setLanguageCode(jsonText(entry, "code"));
        m_listLanguage.append(language);
    }
}

LanguageObject* LanguageManager::findByCode(const QString& qstrCode) const
{
    for (QObject* object : m_listLanguage) {
        auto* language = static_cast<LanguageObject*>(object);
        if (language->getLanguageCode() == qstrCode)
            return language;
    }
    return nullptr;
}

QString LanguageManager::getLanguageFlagByCode(QString qstrCode)
{
    const LanguageObject* language = findByCode(qstrCode);
    return language ? language->getFilePath() : QString();
}

QString LanguageManager::getLanguageShowByCode(QString qstrCode)
{
    const LanguageObject* language = findByCode(qstrCode);
    return language ? language->getLanguageName() : QString();
}

QString LanguageManager::getLanguageNameByCode(QString qstrCode)
{
    const LanguageObject* language = findByCode(qstrCode);
    return language ? language->getFileName() : QString();
}

void LanguageManager::changeLanguage(QString qstrLangCode)
{
    // An unknown code has no file; Qt's fallback search must not pick some other one.
    const QString qstrFileName = getLanguageNameByCode(qstrLangCode);
    if (qstrFileName.isEmpty())
        return;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(translationDir() + qstrFileName + ".qm"))
        return;
    translator->setParent(this);
    const bool bInstalled = QCoreApplication::installTranslator(translator.release());
    qDebug() << "language result:" << (bInstalled ? "true" : "false");
    announceLanguage(qstrLangCode);
}

// The newest translator takes precedence; the client state, the global parameters and
// every translated text on the screens follow the new code.
void LanguageManager::announceLanguage(const QString& qstrLangCode)
{
    if (g_pWebRecv)
        g_pWebRecv->SetLanguage(qstrLangCode.toStdString());
    GlobleParam* param = GlobleParam::GetInstance();
    if (!param)
        return;
    param->setLangCode(qstrLangCode);
    emit param->languageChanged();
    emit param->jsonSideBarColumnChanged(QJsonArray());
}

QString LanguageManager::currentLangCode()
{
    const GlobleParam* param = GlobleParam::GetInstance();
    return param ? param->getLangCode() : QString();
}

QString LanguageManager::getCurrentLanguageShow()
{
    return getLanguageShowByCode(currentLangCode());
}

QString LanguageManager::getCurrentLanguageImg()
{
    return getLanguageFlagByCode(currentLangCode());
}

QObject* virtualLanguageManager(QQmlEngine* engine, QJSEngine* scriptEngine)
{
    Q_UNUSED(engine);
    Q_UNUSED(scriptEngine);
    return LanguageManager::GetInstance();
}
