// The group control page's devices against the stand-in service: the list, ticks, the
// filter, the saves and what the screen hears when a request fails.
#include "ServiceClientFixture.h"

#include "DataManager/Proxy/ProxyManager.h"
#include "DataManager/Search/SearchManager.h"
#include "Interface/GlobleParam.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {

constexpr int kWaitMs = 10000 * QEL_TIME_FACTOR;

using Call = std::function<void(InterfaceRecv&)>;

QString textOf(const Json::Value& object, const char* szKey)
{
    return QString::fromStdString(JsonRead::getText(object, szKey));
}

QStringList keysOf(const QList<QObject*>& rows)
{
    QStringList keys;
    for (QObject* pRow : rows)
        keys << static_cast<ProxyDataBase*>(pRow)->getSession();
    return keys;
}

// The device filter's combos; "random" is any.
void filterBy(const QString& qstrCountry, const QString& qstrStatus, const QString& qstrLine)
{
    SearchManager* pSearch = SearchManager::GetInstance();
    pSearch->setDeviceCurrentCountryCode(qstrCountry);
    pSearch->setDeviceCurrentStatusCode(qstrStatus);
    pSearch->setDeviceCurrentLineStatusCode(qstrLine);
}

ProxyManager* manager()
{
    return ProxyManager::GetInstance();
}

EquipmentList* device(const QString& qstrKey)
{
    return static_cast<EquipmentList*>(manager()->getListDataByKey(qstrKey, Proxy_Equipment));
}

Call saveOf(const QString& qstrKey, const QString& qstrName, const QString& qstrValue, int nCode)
{
    return [=](InterfaceRecv&) {
        manager()->setEquipmentInterfaceBySession(qstrKey, qstrName, qstrValue, nCode);
    };
}

} // namespace

Q_DECLARE_METATYPE(Call)

class tst_Devices : public ServiceClientFixture
{
    Q_OBJECT

private:
    // Asks for the list with `nValue` and builds or updates the rows as the main window does.
    void fetchDevices(int nValue)
    {
        QVERIFY(runAndWait([nValue](InterfaceRecv& r) { r.pushGetDeviceList(nValue); }));
        if (nValue == 1)
            manager()->modifyParseListDataByProxyType(Proxy_Equipment);
        else
            manager()->beginParseListDataByProxyType(Proxy_Equipment);
    }

    // The last request to `route`: a bind's history upload may arrive after it.
    Json::Value entryFor(const QString& route)
    {
        Json::Value found;
        for (const Json::Value& entry : m_service.log()) {
            if (textOf(entry, "path") == route)
                found = entry;
        }
        return found;
    }

private slots:
    void initTestCase() { startSignedIn(); }
    void cleanupTestCase() { tearDown(); }

    void init()
    {
        QVERIFY(m_recv->settle(kWaitMs));
        m_service.reset();
        filterBy("random", "random", "random");
        m_param->setEquipmentMealType(1);
        fetchDevices(0);
        m_service.reset();
    }

    void rowsFromTheList_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("bIsProxy");
        QTest::addColumn<bool>("bIsBindLine");
        QTest::addColumn<int>("nLastLoginTime");
        QTest::addColumn<int>("nMealType");
        QTest::addColumn<QString>("country");
        QTest::newRow("bound, proxy on, partial operate")
            << "DEV-A" << true << true << 1767200000 << 3 << "US";
        QTest::newRow("session but no line, operate not JSON")
            << "DEV-B" << false << false << 1767300000 << 0 << "";
        QTest::newRow("no operate") << "DEV-C" << false << false << 1767100000 << 0 << "";
    }

    void rowsFromTheList()
    {
        QFETCH(QString, key);
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        fetchDevices(0);
        QCOMPARE(ui.at(0), (QVariantList{172, "unenable", 0}));
        QCOMPARE(ui.at(1), (QVariantList{173, "success", 11}));
        QCOMPARE(ui.at(2), (QVariantList{174, "enable", 0}));
        QCOMPARE(manager()->getEquipmentSize(), 5);
        const EquipmentList* pDevice = device(key);
        QVERIFY(pDevice);
        QTEST(pDevice->getIsProxy(), "bIsProxy");
        QTEST(pDevice->getIsBindLine(), "bIsBindLine");
        QTEST(pDevice->getLastLoginTime(), "nLastLoginTime");
        const QJsonObject operate = pDevice->getJsonOperate();
        QCOMPARE(operate.size(), 8);
        QTEST(operate.value("meal_type").toInt(), "nMealType");
        QTEST(operate.value("combo_country").toString(), "country");
        QCOMPARE(operate.value("combo_state").toString(), QString());
    }

    void refreshInPlaceKeepsRowsAndTicksRebuildRecounts()
    {
        manager()->setEquipmentStatus("DEV-A", true);
        manager()->setEquipmentStatus("DEV-A", true);
        manager()->setEquipmentStatus("DEV-C", true);
        QCOMPARE(m_param->getSelectedDevice(), 2);
        const EquipmentList* pBefore = device("DEV-C");
        QVERIFY(runAndWait(saveOf("DEV-C", "proxy_status", "1", 7)));

        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        fetchDevices(1);
        QCOMPARE(ui.at(1), (QVariantList{175, "success", 11}));
        QCOMPARE(device("DEV-C"), pBefore);
        QVERIFY(pBefore->getSelected());
        QVERIFY(pBefore->getIsProxy());
        QCOMPARE(m_param->getSelectedDevice(), 2);

        fetchDevices(2);
        QCOMPARE(manager()->getEquipmentSize(), 5);
        QVERIFY(!device("DEV-C")->getSelected());
        QCOMPARE(m_param->getSelectedDevice(), 0);
    }

    void selectAllUnderAFilterTicksShownRowsOnly_data()
    {
        QTest::addColumn<QStringList>("combos"); // country, online status, proxy status
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("shown");
        const QStringList any{"random", "random", "random"};
        QTest::newRow("any, newest sign-in first")
            << any << "" << QStringList{"DEV-D", "DEV-B", "DEV-E", "DEV-A", "DEV-C"};
        QTest::newRow("country") << QStringList{"US", "random", "random"} << ""
                                 << QStringList{"DEV-A", "DEV-C"};
        QTest::newRow("online") << QStringList{"random", "1", "random"} << ""
                                << QStringList{"DEV-D", "DEV-E", "DEV-A", "DEV-C"};
        QTest::newRow("proxy off")
            << QStringList{"random", "random", "0"} << "" << QStringList{"DEV-B", "DEV-E", "DEV-C"};
        QTest::newRow("name, any case") << any << "PIXEL" << QStringList{"DEV-A", "DEV-C"};
        QTest::newRow("address") << any << "198.51" << QStringList{"DEV-B"};
        QTest::newRow("nothing") << QStringList{"FR", "0", "random"} << "" << QStringList{};
    }

    void selectAllUnderAFilterTicksShownRowsOnly()
    {
        QFETCH(QStringList, combos);
        QFETCH(QString, text);
        QFETCH(QStringList, shown);
        manager()->setEquipmentStatus("DEV-B", true);
        filterBy(combos[0], combos[1], combos[2]);
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        QCOMPARE(keysOf(manager()->searchDeviceByKey(text)), shown);
        QCOMPARE(ui.value(0), (QVariantList{178, "unchecked", 0}));

        manager()->setAllEquipmentStatus(true);
        const int nTickedBefore = shown.contains("DEV-B") ? 0 : 1;
        QCOMPARE(m_param->getSelectedDevice(), shown.size() + nTickedBefore);
        for (const char* szKey : {"DEV-A", "DEV-C", "DEV-D"})
            QCOMPARE(device(szKey)->getSelected(), shown.contains(szKey));
        QVERIFY(device("DEV-B")->getSelected());
    }

    // Each change is sent with its own set of fields and changes what the list serves next.
    void savesSendTheirFieldsAndChangeTheList_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QString>("route");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<int>("nCode");
        QTest::addColumn<QString>("changed"); // device, then a field the list serves next
        QTest::addColumn<QString>("value");
        const QStringList all{"city_code",    "continent", "country_code", "device_sn",
                              "ip_sn",        "isp_code",  "out_ip",       "pc_extra",
                              "proxy_status", "remark",    "server_ip",    "session_id",
                              "st_code",      "time_type", "zip_code"};
        const QString save = "/api/client/save_device";
        QTest::newRow("remark of the selected")
            << saveOf("", "remark", "hello", 0) << save << QStringList{"device_sn", "remark"} << 4
            << "DEV-C remark_decode"
            << "hello";
        QTest::newRow("proxy on of the selected")
            << saveOf("", "proxy_status", "1", 0) << save
            << QStringList{"device_sn", "proxy_status"} << 8 << "DEV-C proxy_status"
            << "1";
        QTest::newRow("proxy off of the selected")
            << saveOf("", "proxy_status", "0", 8) << save
            << QStringList{"device_sn", "proxy_status"} << 5 << "DEV-A proxy_status"
            << "0";
        QTest::newRow("remark of one")
            << saveOf("DEV-B", "remark", "lab", 1) << save << all << 1 << "DEV-B remark_decode"
            << "lab";
        QTest::newRow("proxy off of one")
            << saveOf("DEV-D", "proxy_status", "0", 3) << save << all << 3 << "DEV-D proxy_status"
            << "0";
        QTest::newRow("one line for the selected")
            << Call([](InterfaceRecv&) { manager()->bindEquipmentAndLine("", "172.16.0.10", 0); })
            << "/api/client/save_session_id"
            << QStringList{"city_code", "continent", "country_code", "data",
                           "ip_sn",     "isp_code",  "out_ip",       "pc_extra",
                           "server_ip", "st_code",   "time_type",    "zip_code"}
            << 6 << "DEV-C out_ip"
            << "172.16.0.10";
        QTest::newRow("a line each")
            << Call([](InterfaceRecv&) { manager()->bindEquipmentAndLineWidthEnable("", "", 0); })
            << "/api/client/batch_save_device" << QStringList{"data", "pc_extra", "time_type"} << 6
            << "DEV-C out_ip"
            << "172.16.0.10";
    }

    void savesSendTheirFieldsAndChangeTheList()
    {
        QFETCH(Call, call);
        QFETCH(int, nCode);
        QFETCH(QString, changed);
        Json::Value lines(Json::arrayValue);
        for (const char* szIp : {"172.16.0.10", "172.16.1.11"}) {
            Json::Value line;
            line["ip"] = szIp;
            line["sn"] = "SN";
            lines.append(line);
        }
        manager()->addDataByJsonArray(lines, Proxy_EquipmentLine, 0);
        manager()->setEquipmentStatus("DEV-A", true);
        manager()->setEquipmentStatus("DEV-C", true);

        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        QVERIFY(runAndWait(call));
        QFETCH(QString, route);
        const Json::Value entry = entryFor(route);
        QStringList fields;
        for (const std::string& strName : JsonRead::member(entry, "form").getMemberNames())
            fields << QString::fromStdString(strName);
        fields.sort();
        QTEST(fields, "fields");
        QCOMPARE(ui.first(), (QVariantList{179, "start", nCode}));
        QCOMPARE(ui.at(ui.count() - 2), (QVariantList{176, "success", 0}));
        QCOMPARE(ui.last(), (QVariantList{177, "result", nCode}));

        fetchDevices(1);
        const QStringList target = changed.split(' ');
        QTEST(device(target[0])->getqjsonLine().value(target[1]).toVariant().toString(), "value");
    }

    void listErrorStopsThenEnables()
    {
        Json::Value script;
        script["route"] = "/api/client/get_device_list";
        script["mode"] = "body";
        script["body"]["code"] = 3;
        script["body"]["msg"] = "busy";
        QVERIFY(m_service.script(script));
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        QVERIFY(runAndWait([](InterfaceRecv& r) { r.pushGetDeviceList(2); }));
        QCOMPARE(ui.count(), 3);
        QCOMPARE(ui.at(1), (QVariantList{180, "stop", 11}));
        QCOMPARE(ui.at(2), (QVariantList{174, "enable", 2}));
        QCOMPARE(manager()->getEquipmentSize(), 5);
    }

    void lostRequestsUnlockTheScreens_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QString>("route");
        QTest::addColumn<QVariantList>("ends"); // the last messages: code, text, value ...
        QTest::newRow("device list")
            << Call([](InterfaceRecv& r) { r.pushGetDeviceList(2); })
            << "/api/client/get_device_list" << QVariantList{180, "stop", 11, 174, "enable", 2};
        QTest::newRow("device lines")
            << Call([](InterfaceRecv& r) { r.pushGetEquipmentLineList(1, 0); })
            << "/api/get_line_list" << QVariantList{171, "enable", 1};
        QTest::newRow("line history")
            << Call([](InterfaceRecv& r) { r.pushGetEquipmentListHistory(1, 0); })
            << "/api/client/get_todaylist" << QVariantList{186, "enable", 1};
        QTest::newRow("device save")
            << saveOf("DEV-A", "remark", "r", 1) << "/api/client/save_device"
            << QVariantList{176, "", -1, 177, "result", 1};
    }

    void lostRequestsUnlockTheScreens()
    {
        QFETCH(Call, call);
        QFETCH(QString, route);
        QFETCH(QVariantList, ends);
        Json::Value script;
        script["route"] = route.toStdString();
        script["mode"] = "close";
        script["times"] = -1;
        QVERIFY(m_service.script(script));
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        QVERIFY(runAndWait(call));
        const int nEnds = ends.size() / 3;
        QVERIFY(ui.count() >= nEnds);
        for (int i = 0; i < nEnds; ++i) {
            QVariantList message = ui.at(ui.count() - nEnds + i);
            // The failure text is translated; only that there is one matters.
            if (ends.at(i * 3).toInt() == 176) {
                QVERIFY(!message.at(1).toString().isEmpty());
                message[1] = "";
            }
            QCOMPARE(message, ends.mid(i * 3, 3));
        }
    }
};

QTEST_MAIN(tst_Devices)
#include "tst_Devices.moc"
