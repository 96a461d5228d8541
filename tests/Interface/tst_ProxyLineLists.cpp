// Line lists, serial checks and list uploads against the stand-in service, read back from
// its request log.
#include "ServiceClientFixture.h"

#include "DataManager/Proxy/ProxyManager.h"
#include "DataManager/Search/SearchManager.h"
#include "DataManager/Sqllite/MySqllite.h"
#include "Interface/GlobleParam.h"
#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {

const char* const kDemoUser = "demo_user";
const char* const kDemoPassword = "QelDemo#2024";
constexpr int kWaitMs = 10000 * QEL_TIME_FACTOR;

using Call = std::function<void(InterfaceRecv&)>;

QString formField(const Json::Value& entry, const char* szKey)
{
    return QString::fromStdString(JsonRead::getString(JsonRead::member(entry, "form"), szKey));
}

// The service's copy of one today row.
Json::Value remoteToday(const char* szSession, const char* szIp)
{
    Json::Value line;
    line["ip"] = szIp;
    line["ip_time_type"] = "1";
    line["buy_time"] = "2026-01-01 00:00:00";
    Json::Value row;
    row["session"] = szSession;
    row["line"] = Encryption::GetInstance()->encode(toNormalString(line));
    row["create_time"] = "7";
    return row;
}

// A fault answers every attempt (times -1); the good answer once.
Json::Value bodyScript(const char* szMode, const Json::Value& body, int nStatus = 200,
                       int nTimes = -1)
{
    Json::Value script;
    script["route"] = "/api/client/get_todaylist";
    script["mode"] = szMode;
    script["body"] = body;
    script["status"] = nStatus;
    script["times"] = nTimes;
    return script;
}

// A today row filed directly, so nothing is uploaded for it.
TodayList* todayOfPlan(const char* szSerial, const char* szPlan)
{
    auto* pRow = new TodayList;
    pRow->setSession(szSerial);
    pRow->setqjsonLine(
        {{"ip_time_type", szPlan},
         {"sn", QString::fromStdString(Encryption::GetInstance()->encode(szSerial))}});
    return pRow;
}

// The search's country, state, city and IP text, which the line requests read.
void choose(const QStringList& choice)
{
    SearchManager* pSearch = SearchManager::GetInstance();
    pSearch->setCurrentCountryCode(choice[0]);
    pSearch->setCurrentStateCode(choice[1]);
    pSearch->setCurrentCityCode(choice[2]);
    pSearch->setIpSearch(choice[3]);
}

QString textOf(const Json::Value& entry, const char* szKey)
{
    return QString::fromStdString(JsonRead::getString(entry, szKey));
}

} // namespace

Q_DECLARE_METATYPE(Call)

class tst_ProxyLineLists : public ServiceClientFixture
{
    Q_OBJECT

private:
    ProxyManager* manager() { return ProxyManager::GetInstance(); }

    Json::Value lastEntry()
    {
        const Json::Value log = m_service.log();
        return log.empty() ? Json::Value() : log[log.size() - 1];
    }

private slots:
    void initTestCase() { startSignedIn(); }
    void cleanupTestCase() { tearDown(); }

    void init()
    {
        QVERIFY(m_recv->settle(kWaitMs));
        m_service.reset();
        m_param->setMealType(1);
        m_param->setMealStaticType(6);
        m_param->setSocks5Globle(true);
        choose({"", "", "", ""});
    }

    void signInAsksForTheListsAfterTheNotices()
    {
        QVERIFY(m_recv->signInDemo(kWaitMs));
        const QStringList lists{"/api/client/get_todaylist", "/api/client/get_collect_line",
                                "/api/get_line_list"};
        QStringList paths;
        for (const Json::Value& entry : m_service.log()) {
            paths << textOf(entry, "path");
            if (lists.contains(paths.last()))
                QCOMPARE(textOf(JsonRead::member(entry, "headers"), "qv-username"),
                         QString(kDemoUser));
        }
        // The requests after the sign-in run in parallel, so they arrive in any order.
        QCOMPARE(paths.value(0), QString("/api/socks/login"));
        for (const char* szPath : {"/api/client/get_collect_line", "/api/client/get_msg_list",
                                   "/api/client/get_todaylist", "/api/client/get_unread_num",
                                   "/api/get_line_list"})
            QCOMPARE(paths.count(szPath), 1);
        QCOMPARE(m_param->GetUsername(), QString(kDemoUser));
    }

    void routesByPlan_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<int>("nPlan");
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("listener");
        QTest::addColumn<QString>("timeType");
        QTest::addColumn<QString>("size");
        const Call main = [](InterfaceRecv& r) { r.pushGetLineList(0); };
        const Call fixed = [](InterfaceRecv& r) { r.pushGetStaticLineList(0); };
        const Call program = [](InterfaceRecv& r) {
            r.pushGetProgramLineList("US", "random", "random", "random", "random", 50, 0);
        };
        QTest::newRow("main 1") << main << 1 << "/api/get_line_list"
                                << "res"
                                << "1"
                                << "";
        QTest::newRow("main 3") << main << 3 << "/api/get_static_ip_list"
                                << "res"
                                << "3"
                                << "";
        QTest::newRow("main 6") << main << 6 << "/api/client/user_static"
                                << "api"
                                << "6"
                                << "1000";
        QTest::newRow("main 11") << main << 11 << "/api/get_line_list"
                                 << "res"
                                 << "1"
                                 << "";
        QTest::newRow("static 6") << fixed << 6 << "/api/client/user_static"
                                  << "api"
                                  << "6"
                                  << "1000";
        QTest::newRow("static 12") << fixed << 12 << "/api/client/user_data_center"
                                   << "api"
                                   << "12"
                                   << "";
        QTest::newRow("program 11") << program << 11 << "/api/get_line_list"
                                    << "res"
                                    << "1"
                                    << "";
    }

    void routesByPlan()
    {
        QFETCH(Call, call);
        QFETCH(int, nPlan);
        m_param->setMealType(nPlan);
        m_param->setMealStaticType(nPlan);
        QVERIFY(runAndWait(call));
        const Json::Value entry = lastEntry();
        QTEST(textOf(entry, "path"), "route");
        QTEST(textOf(entry, "listener"), "listener");
        QTEST(formField(entry, "ip_time_type"), "timeType");
        QTEST(formField(entry, "size"), "size");
        QCOMPARE(formField(entry, "num"), QString("50"));
        QVERIFY(!formField(entry, "user").isEmpty());
    }

    void pagesThenTheEmptyPage()
    {
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        QVERIFY(runAndWait([](InterfaceRecv& r) { r.pushGetLineList(0); }));
        manager()->beginRarseProxyListData();
        QCOMPARE(manager()->table(Proxy_Online).size(), 50);
        for (int nExpected : {50, 20}) {
            QVERIFY(runAndWait([](InterfaceRecv& r) { r.pushGetLineList(10); }));
            manager()->appendRarseProxyListData();
            QCOMPARE(manager()->appendedRows().size(), nExpected);
        }
        QCOMPARE(manager()->table(Proxy_Online).size(), 120);
        ui.clear();
        QVERIFY(runAndWait([](InterfaceRecv& r) { r.pushGetLineList(10); }));
        QList<int> codes;
        for (const QVariantList& message : ui)
            codes << message.at(0).toInt();
        QCOMPARE(codes, (QList<int>{165, 168, 165}));
    }

    // Every refusal and failure ends the screen's wait with its reason (40, or 28 for the
    // program lines) and stores nothing; so does a static answer without a list, which found
    // nothing (168).
    void refusalKeepsTheList_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("mode"); // a script mode, or "body" with this body
        QTest::addColumn<QString>("body");
        QTest::addColumn<QList<QVariantList>>("messages");
        const Call main = [](InterfaceRecv& r) { r.pushGetLineList(0); };
        const Call fixed = [](InterfaceRecv& r) { r.pushGetStaticLineList(0); };
        const Call program = [](InterfaceRecv& r) {
            r.pushGetProgramLineList("US", "random", "random", "random", "random", 50, 3);
        };
        const QString refused = R"({"code":5,"msg":"No balance","data":[{"ip":"10.5.0.1"}]})";
        const QString unreachable = "The service could not be reached. Please try again.";
        const QVariantList mainBusy{165, "disable", 0}, mainDone{165, "enable", 1};
        const QVariantList staticBusy{169, "disable", 0}, staticDone{169, "enable", 1};
        QTest::newRow("main, not JSON")
            << main << "/api/get_line_list"
            << "nonjson" << QString() << QList<QVariantList>{mainBusy, {40, unreachable, 1}, mainDone};
        QTest::newRow("main, closed")
            << main << "/api/get_line_list"
            << "close" << QString()
            << QList<QVariantList>{mainBusy, {40, unreachable, 1}, mainDone};
        QTest::newRow("main, refused")
            << main << "/api/get_line_list"
            << "body" << refused
            << QList<QVariantList>{mainBusy, {40, "No balance", 1}, mainDone};
        QTest::newRow("main page, refused without a reason")
            << Call([](InterfaceRecv& r) { r.pushGetLineList(10); }) << "/api/get_line_list"
            << "body" << R"({"code":"9","data":[]})"
            << QList<QVariantList>{mainBusy, {40, "The line list could not be loaded.", 1},
                                   mainDone};
        QTest::newRow("static, closed")
            << fixed << "/api/client/user_static"
            << "close" << QString()
            << QList<QVariantList>{staticBusy, {40, unreachable, 10}, staticDone};
        QTest::newRow("static, refused")
            << fixed << "/api/client/user_static"
            << "body" << refused
            << QList<QVariantList>{staticBusy, {40, "No balance", 10}, staticDone};
        QTest::newRow("static, null")
            << fixed << "/api/client/user_static"
            << "body" << "null"
            << QList<QVariantList>{staticBusy, {167, "null", 10},
                                   {40, "The line list could not be loaded.", 10}, staticDone};
        QTest::newRow("static, not found page")
            << fixed << "/api/client/user_static"
            << "404" << QString()
            << QList<QVariantList>{staticBusy, {167, "null", 10},
                                   {40, "The line list could not be loaded.", 10}, staticDone};
        QTest::newRow("static, accepted without data")
            << fixed << "/api/client/user_static"
            << "body" << R"({"code":0,"msg":"None left"})"
            << QList<QVariantList>{staticBusy, {168, "None left", 10}, staticDone};
        QTest::newRow("static, accepted with null data")
            << fixed << "/api/client/user_static"
            << "body" << R"({"code":"0","data":null})"
            << QList<QVariantList>{staticBusy, {168, "", 10}, staticDone};
        QTest::newRow("static, not JSON")
            << fixed << "/api/client/user_static"
            << "nonjson" << QString()
            << QList<QVariantList>{staticBusy, {40, unreachable, 10}, staticDone};
        QTest::newRow("device lines, refused")
            << Call([](InterfaceRecv& r) { r.pushGetEquipmentLineList(1, 0); })
            << "/api/get_line_list"
            << "body" << refused
            << QList<QVariantList>{{171, "disable", 0}, {40, "No balance", 12}, {171, "enable", 1}};
        QTest::newRow("device lines, closed")
            << Call([](InterfaceRecv& r) { r.pushGetEquipmentLineList(1, 0); })
            << "/api/get_line_list"
            << "close" << QString()
            << QList<QVariantList>{{171, "disable", 0}, {40, unreachable, 12}, {171, "enable", 1}};
        QTest::newRow("program, refused") << program << "/api/get_line_list"
                                          << "body" << refused
                                          << QList<QVariantList>{{28, "No balance", 3}};
        QTest::newRow("program, closed") << program << "/api/get_line_list"
                                         << "close" << QString()
                                         << QList<QVariantList>{{28, unreachable, 3}};
        QTest::newRow("device serials, closed")
            << Call([](InterfaceRecv& r) { r.pushEquipmentLineHistorySnIsExist("SN0001"); })
            << "/api/sn_is_exist"
            << "close" << QString() << QList<QVariantList>{{187, "enable", 1}};
    }

    void refusalKeepsTheList()
    {
        QFETCH(Call, call);
        QFETCH(QString, route);
        QFETCH(QString, mode);
        QFETCH(QString, body);
        QFETCH(QList<QVariantList>, messages);
        QVERIFY(runAndWait([](InterfaceRecv& r) { r.pushGetLineList(0); }));
        manager()->beginRarseProxyListData();
        QCOMPARE(manager()->table(Proxy_Online).size(), 50);
        const int nProgramLines = manager()->table(Proxy_ProgramLine).size();
        Json::Value fault;
        fault["route"] = route.toStdString();
        fault["mode"] = mode.toStdString();
        fault["body"] = body.toStdString();
        fault["times"] = -1;
        QVERIFY(m_service.script(fault));
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        QVERIFY(runAndWait(call));
        QCOMPARE(QList<QVariantList>(ui), messages);
        QCOMPARE(manager()->table(Proxy_Online).size(), 50);
        QCOMPARE(manager()->table(Proxy_ProgramLine).size(), nProgramLines);
    }

    // The program lines replace the stored ones and start the program switch; none tell
    // the user. A switch time outside 5..720 minutes goes back to 30.
    void programLines_data()
    {
        QTest::addColumn<QString>("body"); // empty: the stand-in's own page
        QTest::addColumn<int>("nLines");
        QTest::addColumn<QVariantList>("message");
        QTest::addColumn<int>("nSwitch");
        QTest::addColumn<int>("nSwitchKept");
        const QVariantList started{145, "start program", 3};
        QTest::newRow("lines") << QString() << 50 << started << 5 << 5;
        QTest::newRow("none") << R"({"code":0,"msg":"No lines","data":[]})" << 0
                              << QVariantList{28, "No lines", 3} << 720 << 720;
        QTest::newRow("switch time 4") << QString() << 50 << started << 4 << 30;
        QTest::newRow("switch time 721") << QString() << 50 << started << 721 << 30;
    }

    void programLines()
    {
        QFETCH(QString, body);
        QFETCH(int, nLines);
        QFETCH(QVariantList, message);
        QFETCH(int, nSwitch);
        QFETCH(int, nSwitchKept);
        m_param->setProgramSwitchTime(nSwitch);
        manager()->clearDataByType(Proxy_ProgramLine);
        if (!body.isEmpty()) {
            Json::Value answer;
            answer["route"] = "/api/get_line_list";
            answer["mode"] = "body";
            answer["body"] = body.toStdString();
            answer["times"] = 1;
            QVERIFY(m_service.script(answer));
        }
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        QVERIFY(runAndWait([](InterfaceRecv& r) {
            r.pushGetProgramLineList("random", "random", "random", "random", "random", 50, 3);
        }));
        QCOMPARE(QList<QVariantList>(ui), QList<QVariantList>{message});
        QCOMPARE(manager()->table(Proxy_ProgramLine).size(), nLines);
        QCOMPARE(formField(lastEntry(), "ip_part"), QString());
        QCOMPARE(m_param->getProgramSwitchTime(), nSwitchKept);
    }

    void todayListMergesAndSurvivesBadAnswers_data()
    {
        QTest::addColumn<Json::Value>("fault");
        QTest::addColumn<int>("nAnswers"); // UI messages: only a code-0 array answer tells
        Json::Value refused;
        refused["code"] = 5;
        refused["ret_data"] = Json::Value(Json::arrayValue);
        Json::Value objectData;
        objectData["code"] = 0;
        objectData["ret_data"] = Json::Value(Json::objectValue);
        Json::Value empty = refused;
        empty["code"] = 0;
        QTest::newRow("error code") << bodyScript("body", refused) << 0;
        QTest::newRow("HTTP 500, not JSON")
            << bodyScript("status", "Internal Server Error", 500) << 0;
        QTest::newRow("closed connection") << bodyScript("close", Json::Value()) << 0;
        QTest::newRow("ret_data an object") << bodyScript("body", objectData) << 0;
        QTest::newRow("code 0, empty array") << bodyScript("body", empty) << 1;
    }

    void todayListMergesAndSurvivesBadAnswers()
    {
        QFETCH(Json::Value, fault);
        QFETCH(int, nAnswers);
        manager()->clearDataByType(Proxy_Today);
        Json::Value answer;
        answer["code"] = 0;
        answer["ret_data"].append(remoteToday("s1", "10.9.0.1"));
        answer["ret_data"].append(remoteToday("s2", "10.9.0.2"));
        for (int nPass = 0; nPass < 2; ++nPass) {
            QVERIFY(m_service.script(bodyScript("body", answer, 200, 1)));
            QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
            QVERIFY(runAndWait([](InterfaceRecv& r) { r.pushGetTodaylist(0); }));
            QCOMPARE(ui.count(), 1);
            manager()->beginRarseRemoteTodayListData();
            QCOMPARE(manager()->table(Proxy_Today).size(), 2);
        }
        MySqllite* pDatabase = MySqllite::GetInstance();
        pDatabase->waitForJobs();
        pDatabase->getTodayAllData();
        const Json::Value stored = manager()->getLocalTodayListDataJson();

        QVERIFY(m_service.script(fault));
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        QVERIFY(runAndWait([](InterfaceRecv& r) { r.pushGetTodaylist(0); }));
        QCOMPARE(ui.count(), nAnswers);
        manager()->beginRarseRemoteTodayListData();
        QCOMPARE(manager()->table(Proxy_Today).size(), 2);
        pDatabase->waitForJobs();
        pDatabase->getTodayAllData();
        QCOMPARE(manager()->getLocalTodayListDataJson(), stored);
    }

    void favouriteUploads_data()
    {
        QTest::addColumn<QStringList>("edits"); // "+" add, "-" remove, other: a remark
        QTest::addColumn<QList<int>>("statuses");
        QTest::addColumn<QString>("remark");
        QTest::newRow("add then remove") << QStringList{"+", "-"} << QList<int>{0} << "";
        QTest::newRow("remark edits") << QStringList{"+", "a", "b", "c"} << QList<int>{1} << "c";
        QTest::newRow("remove then add")
            << QStringList{"+", "!", "-", "+"} << QList<int>{0, 1} << "";
    }

    void favouriteUploads()
    {
        QFETCH(QStringList, edits);
        QFETCH(QList<int>, statuses);
        QFETCH(QString, remark);
        manager()->clearAllData(1);
        Json::Value records(Json::arrayValue);
        records.append(Json::Value(Json::objectValue));
        records[0]["ip"] = "10.8.0.1";
        manager()->addDataByJsonArray(records, Proxy_Online, 0);
        const QString qstrKey = manager()->table(Proxy_Online).keys().value(0);
        for (const QString& edit : edits) {
            if (edit == "+")
                manager()->setFavoriteByParam(qstrKey, Proxy_Online, true);
            else if (edit == "-")
                manager()->setFavoriteByParam(qstrKey, Proxy_Favorite, false);
            else if (edit == "!")
                QVERIFY(runAndWait(
                    [](InterfaceRecv&) { ProxyManager::GetInstance()->runFavoriteCache(); }));
            else
                manager()->setFavoriteRemark(qstrKey, edit);
        }
        m_service.reset();
        QVERIFY(
            runAndWait([](InterfaceRecv&) { ProxyManager::GetInstance()->runFavoriteCache(); }));
        const Json::Value upload = lastEntry();
        QCOMPARE(textOf(upload, "path"), QString("/api/client/batch_save_collect_line"));
        Json::Value items;
        QVERIFY(JsonRead::parse(formField(upload, "data").toStdString(), items));
        QList<int> received;
        for (const Json::Value& item : items) {
            received << JsonRead::getInt(item, "status");
            QCOMPARE(textOf(item, "line_ip"), QString("10.8.0.1"));
        }
        QCOMPARE(received, statuses);
        QCOMPARE(textOf(items[items.size() - 1], "remark"), remark);
    }

    void serialChecksAndUploads()
    {
        manager()->clearDataByType(Proxy_Today);
        Json::Value records(Json::arrayValue);
        for (const char* szSerial : {"SN0001", "SN9999"}) {
            Json::Value record;
            record["ip"] = szSerial;
            record["ip_time_type"] = "1";
            record["sn"] = Encryption::GetInstance()->encode(szSerial);
            records.append(record);
        }
        manager()->addDataByJsonArray(records, Proxy_Today, 2);
        MySqllite::GetInstance()->waitForJobs();
        QTRY_VERIFY_WITH_TIMEOUT(m_recv->nSucceeded > 0 && !m_service.log().empty(), kWaitMs);
        const Json::Value upload = lastEntry();
        QCOMPARE(textOf(upload, "path"), QString("/api/client/batch_save_todaylist"));
        QCOMPARE(formField(upload, "type"), QString("1"));
        QCOMPARE(formField(upload, "time_type"), QString("1"));
        Json::Value items;
        QVERIFY(JsonRead::parse(formField(upload, "data").toStdString(), items));
        QCOMPARE(items.size(), 2u);

        manager()->addData(todayOfPlan("SN0003", "3"));
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        const Call check = [](InterfaceRecv&) { ProxyManager::GetInstance()->checkArraySn(2); };
        QVERIFY(runAndWait(check));
        QStringList serials = formField(lastEntry(), "sn").split(',');
        serials.sort();
        QCOMPARE(serials, (QStringList{"SN0001", "SN9999"}));
        QCOMPARE(static_cast<TodayList*>(manager()->getTodayBySn("SN0001"))->getOnline(), 1);
        QCOMPARE(static_cast<TodayList*>(manager()->getTodayBySn("SN9999"))->getOnline(), 0);
        QCOMPARE(ui.last(), (QVariantList{113, "stop", 2}));

        // Without kind-1 rows only the screen hears back.
        manager()->clearDataByType(Proxy_Today);
        manager()->addData(todayOfPlan("SN0003", "3"));
        MySqllite::GetInstance()->waitForJobs();
        QVERIFY(m_recv->settle(kWaitMs));
        m_service.reset();
        ui.clear();
        QVERIFY(runAndWait(check));
        QCOMPARE(ui.count(), 1);
        QCOMPARE(ui.first(), (QVariantList{113, "enable", 2}));
        QCOMPARE(m_service.log().size(), 0u);
    }

    void favouritesMergeWithoutDuplicates()
    {
        manager()->clearAllData(1);
        Json::Value answer;
        answer["code"] = 0;
        for (const char* szIp : {"10.7.0.1", "10.7.0.1", "10.7.0.2"}) {
            Json::Value favourite;
            favourite["line_ip"] = szIp;
            favourite["line_info"] = remoteToday("s", szIp)["line"];
            answer["ret_data"].append(favourite);
        }
        Json::Value script = bodyScript("body", answer, 200, 1);
        script["route"] = "/api/client/get_collect_line";
        for (int nPass = 0; nPass < 2; ++nPass) {
            QVERIFY(m_service.script(script));
            QVERIFY(runAndWait([](InterfaceRecv& r) { r.pushGetCollectlist(0); }));
            manager()->beginRarseRemoteFavoriteListData();
            QCOMPARE(manager()->table(Proxy_Favorite).size(), 2);
        }
    }

    void linePoolFilters_data()
    {
        QTest::addColumn<QStringList>("choice"); // country, state, city, ip part
        QTest::addColumn<int>("nRows");
        QTest::newRow("any") << QStringList{"random", "random", "random", ""} << 120;
        QTest::newRow("country, any case") << QStringList{"us", "", "", ""} << 60;
        QTest::newRow("city") << QStringList{"US", "ny", "Nyc", ""} << 30;
        QTest::newRow("ip part") << QStringList{"", "", "", "172.18."} << 20;
        QTest::newRow("country and ip part") << QStringList{"FR", "", "", "172.18."} << 5;
        QTest::newRow("no match") << QStringList{"DE", "", "", ""} << 0;
    }

    // The whole-list route, so paging does not cap the count.
    void linePoolFilters()
    {
        QFETCH(QStringList, choice);
        QFETCH(int, nRows);
        choose(choice);
        m_param->setMealType(6);
        manager()->clearDataByType(Proxy_Online);
        QVERIFY(runAndWait([](InterfaceRecv& r) { r.pushGetLineList(0); }));
        QCOMPARE(textOf(lastEntry(), "path"), QString("/api/client/user_static"));
        manager()->beginRarseProxyListData();
        QCOMPARE(manager()->table(Proxy_Online).size(), nRows);
    }
};

QTEST_MAIN(tst_ProxyLineLists)
#include "tst_ProxyLineLists.moc"
