#include "AppCustom.h"
#include "DataManager/Proxy/ProxyManager.h"
#include "DataManager/Search/SearchManager.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"

#include <QObject>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

// Leaves extraction records for the proxy store, as the engine's datagrams would.
class ProxyFixture : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE void storeExtractionRecords(const QStringList& ips)
    {
        for (const QString& qstrIp : ips) {
            Json::Value record;
            record["ip"] = qstrIp.toStdString();
            record["ip_time_type"] = "1";
            ProxyManager::GetInstance()->appendApiTodayData(record);
        }
    }
};

// Registers the native types exactly as the program does before it loads main.qml.
class QmlTestSetup : public QObject
{
    Q_OBJECT

public slots:
    void applicationAvailable() { CAppCustom().RegisterInit(); }

    // Each test file's engine gets the proxy fixture and a catalogue of its own with two
    // plain countries.
    void qmlEngineAvailable(QQmlEngine* engine)
    {
        engine->rootContext()->setContextProperty("proxyFixture", &m_proxyFixture);
        Json::Value countries;
        JsonRead::parse(R"([{"code": "US", "name": "United States"},
                            {"code": "FR", "name": "France"}])",
                        countries);
        SearchManager::GetInstance()->setAreaDataJson(countries, 1);
    }

private:
    ProxyFixture m_proxyFixture;
};

QUICK_TEST_MAIN_WITH_SETUP(qml, QmlTestSetup)

#include "tst_qml.moc"
