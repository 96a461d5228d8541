#include "AppCustom.h"
#include "DataManager/Search/SearchManager.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"

#include <QObject>
#include <QQmlEngine>
#include <QtQuickTest>

// Registers the native types exactly as the program does before it loads main.qml.
class QmlTestSetup : public QObject
{
    Q_OBJECT

public slots:
    void applicationAvailable() { CAppCustom().RegisterInit(); }

    // Each test file's engine gets a catalogue of its own with two plain countries.
    void qmlEngineAvailable(QQmlEngine*)
    {
        Json::Value countries;
        JsonRead::parse(R"([{"code": "US", "name": "United States"},
                            {"code": "FR", "name": "France"}])",
                        countries);
        SearchManager::GetInstance()->setAreaDataJson(countries, 1);
    }
};

QUICK_TEST_MAIN_WITH_SETUP(qml, QmlTestSetup)

#include "tst_qml.moc"
