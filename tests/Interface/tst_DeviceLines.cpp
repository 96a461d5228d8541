// Binding lines to devices against the stand-in service: the three bind kinds, the history
// they upload, the history's existence check and its filter.
#include "ServiceClientFixture.h"

#include "DataManager/Proxy/ProxyManager.h"
#include "DataManager/Search/SearchManager.h"
#include "Interface/GlobleParam.h"
#include "PublicModule/HttpCurl/features/Encryption.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {

constexpr int kWaitMs = 10000 * QEL_TIME_FACTOR;
const char* const kLine1 = "172.16.0.10";
const char* const kLine2 = "172.16.1.11";
const QString kUpload = QStringLiteral("/api/client/batch_save_todaylist");

using Call = std::function<void(ProxyManager&)>;

QString textOf(const Json::Value& object, const char* szKey)
{
    return QString::fromStdString(JsonRead::getText(object, szKey));
}

const Json::Value& formOf(const Json::Value& entry)
{
    return JsonRead::member(entry, "form");
}

// "device>address" for every device a bind request names.
QStringList boundPairs(const Json::Value& entry)
{
    const Json::Value& form = formOf(entry);
    Json::Value devices;
    if (!JsonRead::parse(JsonRead::getString(form, "data"), devices))
        devices.append(form);
    QStringList pairs;
    for (const Json::Value& device : devices) {
        const Json::Value& place = device.isMember("out_ip") ? device : form;
        pairs << textOf(device, "device_sn") + ">" + textOf(place, "out_ip");
    }
    return pairs;
}

Json::Value lineRecord(const char* szIp, const char* szSerial)
{
    Json::Value line;
    line["ip"] = szIp;
    line["sn"] = Encryption::GetInstance()->encode(szSerial);
    line["country"] = "US";
    return line;
}

ProxyManager* manager()
{
    return ProxyManager::GetInstance();
}

QStringList shownHistory(const QList<QObject*>& rows)
{
    QStringList keys;
    for (QObject* pRow : rows) {
        const auto* pHistory = static_cast<TodayList*>(pRow);
        if (pHistory->getIsShow())
            keys << pHistory->getSession();
    }
    return keys;
}

} // namespace

Q_DECLARE_METATYPE(Call)

class tst_DeviceLines : public ServiceClientFixture
{
    Q_OBJECT

private:
    void fetchHistory()
    {
        QVERIFY(runAndWait([](InterfaceRecv& r) { r.pushGetEquipmentListHistory(1, 0); }));
        manager()->clearDataByType(Proxy_EquipmentLineHistory);
        manager()->beginParseListDataByProxyType(Proxy_EquipmentLineHistory);
    }

    QList<Json::Value> entriesFor(const QString& route)
    {
        QList<Json::Value> entries;
        for (const Json::Value& entry : m_service.log()) {
            if (textOf(entry, "path") == route)
                entries << entry;
        }
        return entries;
    }

private slots:
    void initTestCase() { startSignedIn(); }
    void cleanupTestCase() { tearDown(); }

    // Devices A to D with A, B and C ticked; lines 1 and 2 (and "Random"); the history.
    void init()
    {
        QVERIFY(m_recv->settle(kWaitMs));
        m_service.reset();
        m_param->setEquipmentMealType(1);
        SearchManager::GetInstance()->setEquipmentCurrentCountryCode("random");
        QVERIFY(runAndWait([](InterfaceRecv& r) { r.pushGetDeviceList(0); }));
        manager()->beginParseListDataByProxyType(Proxy_Equipment);
        for (const char* szKey : {"DEV-A", "DEV-B", "DEV-C"})
            manager()->setEquipmentStatus(szKey, true);
        Json::Value lines(Json::arrayValue);
        lines.append(lineRecord(kLine1, "SN0001"));
        lines.append(lineRecord(kLine2, "SN0002"));
        manager()->addDataByJsonArray(lines, Proxy_EquipmentLine, 0);
        fetchHistory();
        manager()->getDataType(Proxy_EquipmentLineHistory);
        m_service.reset();
    }

    void bindKindsPostTheirLinesAndUploads_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QString>("route");
        QTest::addColumn<QStringList>("pairs");
        QTest::addColumn<QString>("status"); // the proxy state a one-device bind sends
        QTest::addColumn<int>("nUploaded");  // lines in the history upload; 0: none sent
        const QString one = "/api/client/save_device";
        const QString selected = "/api/client/save_session_id";
        const QString each = "/api/client/batch_save_device";
        QTest::newRow("one device, proxy on")
            << Call([](ProxyManager& m) { m.bindEquipmentAndLine("DEV-B", kLine2, 1); }) << one
            << QStringList{"DEV-B>172.16.1.11"} << "1" << 1;
        QTest::newRow("one device, the Random entry")
            << Call([](ProxyManager& m) { m.bindEquipmentAndLine("DEV-B", "Random", 0); }) << one
            << QStringList{"DEV-B>172.16.0.10"} << "0" << 1;
        QTest::newRow("selected devices, one line")
            << Call([](ProxyManager& m) { m.bindEquipmentAndLine("", kLine2, 0); }) << selected
            << QStringList{"DEV-A>172.16.1.11", "DEV-B>172.16.1.11", "DEV-C>172.16.1.11"} << ""
            << 1;
        QTest::newRow("a line each, from the second")
            << Call([](ProxyManager& m) { m.bindEquipmentAndLineWidthEnable("", "", 0); }) << each
            << QStringList{"DEV-A>172.16.1.11", "DEV-B>172.16.0.10", "DEV-C>172.16.1.11"} << ""
            << 2;
        QTest::newRow("one device from the history") << Call([](ProxyManager& m) {
            m.bindEquipmentAndLineHistory("DEV-C", "history-1", 1, 0);
        }) << one << QStringList{"DEV-C>172.16.0.10"} << "1"
                                                     << 0;
        QTest::newRow("selected devices from the history")
            << Call([](ProxyManager& m) { m.bindEquipmentAndLineHistory("", "history-2", 0, 0); })
            << selected
            << QStringList{"DEV-A>172.16.1.11", "DEV-B>172.16.1.11", "DEV-C>172.16.1.11"} << ""
            << 0;
        // The history is dealt in the order shown: newest first.
        QTest::newRow("a history line each")
            << Call([](ProxyManager& m) { m.bindEquipmentAndLineHistory("", "", 0, 1); }) << each
            << QStringList{"DEV-A>172.16.2.99", "DEV-B>172.16.1.11", "DEV-C>172.16.0.10"} << ""
            << 0;
    }

    void bindKindsPostTheirLinesAndUploads()
    {
        QFETCH(Call, call);
        QFETCH(QString, route);
        QFETCH(QString, status);
        QFETCH(int, nUploaded);
        QVERIFY(runAndWait([&call](InterfaceRecv&) { call(*manager()); }));
        const QList<Json::Value> binds = entriesFor(route);
        QCOMPARE(binds.size(), 1);
        QTEST(boundPairs(binds[0]), "pairs");
        if (!status.isEmpty())
            QCOMPARE(textOf(formOf(binds[0]), "proxy_status"), status);

        const QList<Json::Value> uploads = entriesFor(kUpload);
        QCOMPARE(uploads.size(), nUploaded > 0 ? 1 : 0);
        if (nUploaded == 0)
            return;
        QCOMPARE(textOf(formOf(uploads[0]), "type"), QString("2"));
        Json::Value uploaded;
        QVERIFY(JsonRead::parse(JsonRead::getString(formOf(uploads[0]), "data"), uploaded));
        QCOMPARE(static_cast<int>(uploaded.size()), nUploaded);
        // The next history answer carries the uploaded lines.
        fetchHistory();
        for (const Json::Value& line : uploaded) {
            const QString qstrSession = ProxyManager::userSession(textOf(line, "ip"));
            QVERIFY(manager()->isExistByKey(qstrSession, Proxy_EquipmentLineHistory));
        }
    }

    void existenceCheckSetsOnline()
    {
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        QVERIFY(runAndWait([](InterfaceRecv&) { manager()->checkEquipmentLineHistoryArraySn(0); }));
        const QList<Json::Value> checks = entriesFor("/api/sn_is_exist");
        QCOMPARE(checks.size(), 1);
        QStringList serials = textOf(formOf(checks[0]), "sn").split(',');
        serials.sort();
        QCOMPARE(serials, (QStringList{"SN0001", "SN0002", "SN0999"}));
        const QList<std::pair<const char*, int>> expected{
            {"history-1", 1}, {"history-2", 1}, {"history-3", 0}, {"history-4", 1}};
        for (const auto& [szKey, nOnline] : expected) {
            const auto* pRow = static_cast<TodayList*>(
                manager()->getListDataByKey(szKey, Proxy_EquipmentLineHistory));
            QCOMPARE(pRow->getOnline(), nOnline);
        }
        QCOMPARE(ui.first(), (QVariantList{187, "disable", 0}));
        QCOMPARE(ui.last(), (QVariantList{187, "enable", 1}));
    }

    void historyViewFollowsThePopupsChoice_data()
    {
        QTest::addColumn<QString>("popupCountry");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("the popup's country") << "FR" << QStringList{"history-3"};
        QTest::newRow("any, static lines left out")
            << "random" << QStringList{"history-3", "history-2", "history-1"};
    }

    void historyViewFollowsThePopupsChoice()
    {
        QFETCH(QString, popupCountry);
        SearchManager* pSearch = SearchManager::GetInstance();
        pSearch->setCurrentCountryCode("BR"); // the list pages' choice plays no part
        pSearch->setEquipmentCurrentCountryCode(popupCountry);
        QTEST(shownHistory(manager()->searchDataType(Proxy_EquipmentLineHistory, 1)), "shown");
        pSearch->setCurrentCountryCode("random");
    }
};

QTEST_MAIN(tst_DeviceLines)
#include "tst_DeviceLines.moc"
