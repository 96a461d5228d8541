// The Qt Quick test runner: CTest runs it once per tst_*.qml file (-input FILE), each in a
// folder of its own. A test file asks for more with lines near its top:
//   //@mock <module> <Name>        registers tests/qml/mocks/<Name>.qml under that module
//                                  (as a singleton when the file says so), in place of
//                                  the native type
//   //@sandbox                     starts the stand-in web service for the file
// Any QML warning a test did not expect fails the CTest entry (see CMakeLists.txt).
#include "AppCustom.h"
#include "DataManager/Language/LanguageManager.h"
#include "DataManager/Proxy/ProxyManager.h"
#include "DataManager/Search/SearchManager.h"
#include "Interface/InterfaceRecv.h"
#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"
#include "SandboxService.h"
#include "TsFile.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QObject>
#include <QQmlContext>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QSet>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtQuickTest>

namespace {

// Every test file's location catalogue: two countries with their states, cities, operators
// and postal codes.
Json::Value testCatalogue()
{
    Json::Value countries;
    JsonRead::parse(R"([{"code": "US", "name": "United States", "isp_list": ["Comcast", "AT&T"],
                         "zip_list": ["10001"], "state_list": [
                            {"code": "CA", "name": "California", "city_list": [
                                {"code": "LAX", "name": "Los Angeles"},
                                {"code": "SFO", "name": "San Francisco"}]},
                            {"code": "NY", "name": "New York", "city_list": [
                                {"code": "NYC", "name": "New York City"}]}]},
                        {"code": "FR", "name": "France", "isp_list": ["Orange"],
                         "zip_list": ["75001"], "state_list": [
                            {"code": "IDF", "name": "Île-de-France", "city_list": [
                                {"code": "PAR", "name": "Paris"}]}]}])",
                    countries);
    return countries;
}

} // namespace

// Fixtures a test file fills the real proxy store and its files with.
class ProxyFixture : public QObject
{
    Q_OBJECT

public:
    // Extraction records, as the engine's datagrams would leave them.
    Q_INVOKABLE void storeExtractionRecords(const QStringList& ips)
    {
        for (const QString& qstrIp : ips) {
            Json::Value record;
            record["ip"] = qstrIp.toStdString();
            record["ip_time_type"] = "1";
            ProxyManager::GetInstance()->appendApiTodayData(record);
        }
    }

    // Leaves a service answer of the rotating (1), static (10) or device line (12) exit list,
    // or of the device list (11), in its cache, as the list request's answer handler would.
    Q_INVOKABLE void storeLineList(const QString& qstrJson, int nListType)
    {
        Json::Value array;
        JsonRead::parse(qstrJson.toStdString(), array);
        ProxyManager* pManager = ProxyManager::GetInstance();
        if (nListType == 10)
            pManager->setStaticProxyListDataJson(array);
        else if (nListType == 12)
            pManager->setEquipmentLineListDataJson(array);
        else if (nListType == 11)
            pManager->setDataJsonByProxyType(array, nListType);
        else
            pManager->setProxyListDataJson(array);
    }

    // Leaves the test catalogue for a plan (3 and 6 have none at first), as the read of its
    // cache file would when it comes late; a page learns of it by message 110.
    Q_INVOKABLE void storeAreaList(int nPlan)
    {
        SearchManager::GetInstance()->setAreaDataJson(testCatalogue(), nPlan);
    }

    // Leaves stored program-history (9) or device line history (13) rows, as the database's
    // load would; each line is an object with "ip", "country", "state" and "city".
    Q_INVOKABLE void storeHistory(const QVariantList& lines, int nListType)
    {
        Json::Value rows(Json::arrayValue);
        for (const QVariant& line : lines) {
            Json::Value record;
            JsonRead::parse(QJsonDocument::fromVariant(line).toJson().toStdString(), record);
            Json::Value row;
            row["session"] = "program-" + JsonRead::getString(record, "ip");
            row["line"] = Encryption::GetInstance()->encode(toNormalString(record));
            row["create_time"] = "1700000000";
            row["update_time"] = "1700000000";
            rows.append(row);
        }
        if (nListType == 13)
            ProxyManager::GetInstance()->setDataJsonByProxyType(rows, nListType);
        else
            ProxyManager::GetInstance()->setLocalProgramHistoryDataJson(rows);
    }

    // A small file under the run's own temporary folder (folders made as needed); its
    // absolute path. Executable files are shell scripts that end at once.
    Q_INVOKABLE QString writeFile(const QString& qstrName, bool bExecutable)
    {
        const QString qstrPath = m_folder.filePath(qstrName);
        QDir().mkpath(QFileInfo(qstrPath).absolutePath());
        QFile file(qstrPath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QString();
        file.write(bExecutable ? "#!/bin/sh\nexit 0\n" : "plain text\n");
        file.close();
        if (bExecutable)
            file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        return qstrPath;
    }

private:
    QTemporaryDir m_folder;
};

// Stands in for the desktop's opener in every test file ("openedUrls"): what reached it, in
// order. No test starts a real browser.
class UrlFixture : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE QStringList opened() const { return m_opened; }
    Q_INVOKABLE void clear() { m_opened.clear(); }

public slots:
    void open(const QUrl& url) { m_opened.append(url.toString()); }

private:
    QStringList m_opened;
};

// The translation sources as QML sees them ("translations"): which texts a screen may show
// in each language, so that a test walking the screens needs no list of its own.
class TranslationFixture : public QObject
{
    Q_OBJECT

public:
    // The codes of the language list, in its order.
    Q_INVOKABLE QStringList codes()
    {
        load();
        return m_codes;
    }

    // What is wrong with a text shown in one language after another: "untranslated" (a
    // source text this language translates otherwise), "left over from CODE" (the previous
    // language's text, or another language's), or "" for a text this language shows or a
    // text of no source.
    Q_INVOKABLE QString fault(const QString& qstrText, const QString& qstrCode,
                              const QString& qstrPrevious)
    {
        load();
        if (m_shown.value(qstrCode).contains(qstrText))
            return QString();
        if (m_sources.contains(qstrText))
            return QStringLiteral("untranslated");
        for (const QString& qstrOther : QStringList{qstrPrevious} + m_codes) {
            if (m_shown.value(qstrOther).contains(qstrText))
                return QStringLiteral("left over from ") + qstrOther;
        }
        return QString();
    }

    // Removes the translators the language switches installed, as in a process just started:
    // they accumulate, so a walk that starts over would otherwise see earlier languages.
    Q_INVOKABLE void uninstallTranslators()
    {
        for (QTranslator* pTranslator : LanguageManager::GetInstance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(pTranslator);
            delete pTranslator;
        }
    }

    // Whether the text is one this language shows for a source (a text of the screens, not
    // data).
    Q_INVOKABLE bool isUiText(const QString& qstrText, const QString& qstrCode)
    {
        load();
        return m_shown.value(qstrCode).contains(qstrText);
    }

private:
    void load()
    {
        if (!m_codes.isEmpty())
            return;
        QFile list(QStringLiteral(QEL_TRANSLATION_SOURCE_DIR "/Language.trs"));
        if (!list.open(QIODevice::ReadOnly))
            qFatal("the language list is missing");
        for (const QJsonValue& entry : QJsonDocument::fromJson(list.readAll()).array()) {
            const QString qstrCode = entry.toObject().value("code").toString();
            m_codes.append(qstrCode);
            readTs(qstrCode, entry.toObject().value("name").toString());
        }
    }

    // Each message adds its source, and what the language shows for it: a finished, non-empty
    // translation; an empty or unfinished one shows nothing of this language.
    void readTs(const QString& qstrCode, const QString& qstrName)
    {
        const QVector<TsMessage> messages =
            readTsFile(QStringLiteral(QEL_TRANSLATION_SOURCE_DIR "/") + qstrName + ".ts");
        if (messages.isEmpty())
            qFatal("a translation source is missing");
        QSet<QString>& shown = m_shown[qstrCode];
        for (const TsMessage& message : messages) {
            m_sources.insert(message.source);
            if (message.finished() && !message.translation.isEmpty())
                shown.insert(message.translation);
        }
    }

    QStringList m_codes;
    QHash<QString, QSet<QString>> m_shown;
    QSet<QString> m_sources;
};

// The stand-in web service as QML sees it ("sandbox"): its addresses, its request log,
// scripts and reset.
class SandboxFixture : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString apiUrl READ apiUrl CONSTANT)
    Q_PROPERTY(QString resUrl READ resUrl CONSTANT)

public:
    bool start() { return m_service.start(); }
    void stop() { m_service.stop(); }
    QString apiUrl() const { return m_service.apiUrl(); }
    QString resUrl() const { return m_service.resUrl(); }

    // Points a service object at the stand-in; engine requests go to 127.0.0.1 as in the
    // client, at the port the test gives ProxyGoProxy.
    Q_INVOKABLE void attach(QObject* pRecv)
    {
        if (auto* pInterface = qobject_cast<InterfaceRecv*>(pRecv)) {
            pInterface->SetLoginDomian(apiUrl().toStdString());
            pInterface->SetVipDomian(resUrl().toStdString());
            pInterface->SetLocalDomian("127.0.0.1");
        }
    }
    // The logged requests in arrival order, as JSON text.
    Q_INVOKABLE QString log() { return QString::fromStdString(toNormalString(m_service.log())); }
    Q_INVOKABLE void reset() { m_service.reset(); }
    Q_INVOKABLE bool script(const QString& qstrScript)
    {
        Json::Value value;
        return JsonRead::parse(qstrScript.toStdString(), value) && m_service.script(value);
    }

private:
    SandboxService m_service;
};

// A listener that counts the connections made to it: a screen showing service text must
// make none, whatever address the text names.
class ConnectionCounter : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int port READ port CONSTANT)

public:
    ConnectionCounter()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* pSocket = m_server.nextPendingConnection()) {
                ++m_nCount;
                pSocket->abort();
                pSocket->deleteLater();
            }
        });
    }
    int port() const { return m_server.serverPort(); }
    Q_INVOKABLE int count() const { return m_nCount; }

private:
    QTcpServer m_server;
    int m_nCount = 0;
};

namespace {

struct TestFileNeeds
{
    QList<QPair<QString, QString>> mocks; // module, singleton name
    bool bSandbox = false;
};

QString inputFile(const QStringList& args)
{
    const int nIndex = args.indexOf(QStringLiteral("-input"));
    return nIndex >= 0 && nIndex + 1 < args.size() ? args.at(nIndex + 1) : QString();
}

TestFileNeeds readNeeds(const QString& qstrFile)
{
    TestFileNeeds needs;
    QFile file(qstrFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return needs;
    const QRegularExpression mockLine(QStringLiteral("^//@mock\\s+(\\S+)\\s+(\\S+)"));
    while (!file.atEnd()) {
        const QString qstrLine = QString::fromUtf8(file.readLine()).trimmed();
        const QRegularExpressionMatch match = mockLine.match(qstrLine);
        if (match.hasMatch())
            needs.mocks.append({match.captured(1), match.captured(2)});
        else if (qstrLine == QLatin1String("//@sandbox"))
            needs.bSandbox = true;
    }
    return needs;
}

bool isSingletonFile(const QString& qstrFile)
{
    QFile file(qstrFile);
    return file.open(QIODevice::ReadOnly) && file.readAll().contains("pragma Singleton");
}

} // namespace

class QmlTestSetup : public QObject
{
    Q_OBJECT

public slots:
    // Mocks last: the type registered last under a name is the one QML finds.
    void applicationAvailable()
    {
        // Every run starts without the settings and the caches an earlier run left beside
        // the program.
        QFile::remove(QCoreApplication::applicationDirPath() + QStringLiteral("/QelProxy.ini"));
        QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/temp")).removeRecursively();
        m_needs = readNeeds(inputFile(QCoreApplication::arguments()));
        for (const char* szScheme : kOpenedSchemes)
            QDesktopServices::setUrlHandler(szScheme, &m_urlFixture, "open");
        CAppCustom().RegisterInit();
        for (const auto& mock : m_needs.mocks) {
            const QUrl url = QUrl::fromLocalFile(QStringLiteral(QUICK_TEST_SOURCE_DIR "/mocks/") +
                                                 mock.second + QStringLiteral(".qml"));
            const QByteArray uri = mock.first.toUtf8();
            const QByteArray name = mock.second.toUtf8();
            if (isSingletonFile(url.toLocalFile()))
                qmlRegisterSingletonType(url, uri.constData(), 1, 0, name.constData());
            else
                qmlRegisterType(url, uri.constData(), 1, 0, name.constData());
        }
        if (m_needs.bSandbox && !m_sandbox.start())
            qFatal("the stand-in web service did not start");
    }

    // Each test file's engine gets the fixtures and a catalogue of its own, the plain plan's.
    void qmlEngineAvailable(QQmlEngine* engine)
    {
        engine->rootContext()->setContextProperty("proxyFixture", &m_proxyFixture);
        engine->rootContext()->setContextProperty("openedUrls", &m_urlFixture);
        engine->rootContext()->setContextProperty("translations", &m_translations);
        engine->rootContext()->setContextProperty("connectionCounter", &m_connections);
        if (m_needs.bSandbox)
            engine->rootContext()->setContextProperty("sandbox", &m_sandbox);
        SearchManager::GetInstance()->setAreaDataJson(testCatalogue(), 1);
    }

    void cleanupTestCase()
    {
        m_sandbox.stop();
        for (const char* szScheme : kOpenedSchemes)
            QDesktopServices::unsetUrlHandler(szScheme);
    }

private:
    // A file address is caught too, so that a test sees one that got through.
    static constexpr const char* kOpenedSchemes[] = {"http", "https", "file"};

    TestFileNeeds m_needs;
    ProxyFixture m_proxyFixture;
    UrlFixture m_urlFixture;
    TranslationFixture m_translations;
    SandboxFixture m_sandbox;
    ConnectionCounter m_connections;
};

int main(int argc, char** argv)
{
    QTEST_SET_MAIN_SOURCE_PATH
    // The tray and its menu are widgets.
    QApplication app(argc, argv);
    QmlTestSetup setup;
    return quick_test_main_with_setup(argc, argv, "qml", QUICK_TEST_SOURCE_DIR, &setup);
}

#include "tst_qml.moc"
