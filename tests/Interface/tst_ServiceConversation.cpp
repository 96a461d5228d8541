// The service conversation against the stand-in service: every request as the service sees
// it, the treatment of broken answers, the start-up chain and the session.
#include "EngineTestKit.h"
#include "ServiceClientFixture.h"

#include "DataManager/Proxy/ProxyManager.h"
#include "DataManager/Sqllite/MySqllite.h"
#include "Interface/GlobleParam.h"
#include "Interface/InterfaceRecv.h"
#include "PublicModule/HttpCurl/httpBase/HTTPEvent_KX.h"
#include "PublicModule/HttpCurl/qtsingleapplication/CApp.h"

#include <QDir>
#include <QDirIterator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

const char* const kDemoUser = "demo_user";
const char* const kDemoPassword = "QelDemo#2024";

using Call = std::function<void(InterfaceRecv&)>;
using UiMessage = QList<QVariant>;

QList<int> typesOf(const QSignalSpy& spy)
{
    QList<int> types;
    for (const UiMessage& args : spy)
        types.append(args.at(0).toInt());
    return types;
}

Json::Value script(const char* szRoute, const char* szMode, int nTimes)
{
    Json::Value value;
    value["route"] = szRoute;
    value["mode"] = szMode;
    value["times"] = nTimes;
    return value;
}

} // namespace

Q_DECLARE_METATYPE(Call)

class tst_ServiceConversation : public ServiceClientFixture
{
    Q_OBJECT

private:
    bool settle() { return m_recv->settle(10000 * QEL_TIME_FACTOR); }

    Json::Value entriesOf(const QString& qstrPath)
    {
        Json::Value matching(Json::arrayValue);
        for (const Json::Value& entry : m_service.log())
            if (QString::fromStdString(JsonRead::getString(entry, "path")) == qstrPath)
                matching.append(entry);
        return matching;
    }

    void signIn()
    {
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        QVERIFY(m_recv->signInDemo(kWaitMs));
        QCOMPARE(firstUi(ui, 22), (UiMessage{22, QString(), 1}));
        QCOMPARE(m_param->getIsLogin(), 1);
    }

private slots:
    void initTestCase()
    {
        g_previousHandler = qInstallMessageHandler(recordMessage);
        bIsDebugging = true; // answers are written out as in a diagnostic run
        startClient();
    }

    // Answers still on their way from the previous test are taken in first, so that they
    // are not counted for this one.
    void init()
    {
        QVERIFY(settle());
        m_service.reset();
    }

    void cleanupTestCase()
    {
        m_recv.reset();
        m_param.reset();
        qInstallMessageHandler(g_previousHandler);
    }

    void requestsReachTheirRoutes_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QString>("route");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<int>("answerUi");

        auto row = [](const char* szName, Call call, const char* szRoute, QStringList fields,
                      int nUi) {
            QTest::newRow(szName) << call << QString(szRoute) << fields << nUi;
        };
        const QString mac = m_recv->getMacAddress();
        row("102 version", [](InterfaceRecv& r) { r.pushVersionInfo(1); },
            "/api/client/socks_check_update_v1", {"version=211", "is_qt=1"}, 11);
        row("104 config", [](InterfaceRecv& r) { r.pushGetConfig(); }, "/api/socks/config", {},
            0);
        row("108 sign-in", [](InterfaceRecv& r) { r.pushLogin(kDemoUser, kDemoPassword); },
            "/api/socks/login",
            {"username=demo_user", "password=QelDemo#2024", "mac=" + mac}, 22);
        row("109 web sign-in", [](InterfaceRecv& r) { r.pushCheckGoogleLogin(3); },
            "/api/check_google_login", {"device_token=" + mac}, 183);
        row("110 balances", [](InterfaceRecv& r) { r.pushGetIpNum(4); }, "/api/socks/get_ip", {},
            155);
        row("111 sign-out", [](InterfaceRecv& r) { r.pushLogOut(); }, "/api/socks/logout", {},
            23);
        row("112 unread", [](InterfaceRecv& r) { r.pushGetMsgUnreadNum(); },
            "/api/client/get_unread_num", {}, 0);
        row("113 notices", [](InterfaceRecv& r) { r.pushGetMsgList(); },
            "/api/client/get_msg_list", {}, 153);
        row("114 read", [](InterfaceRecv& r) { r.pushSaveReadMsg("7"); },
            "/api/client/save_read_msg", {"msg_id=7"}, 0);
        row("144 categories", [](InterfaceRecv& r) { r.getFeedbackCategory(); },
            "/api/client/fb_cate", {}, 140);
        row("146 feedback",
            [](InterfaceRecv& r) { r.pushFeedbackInfo("2", "a@b.example", "slow", "u1,"); },
            "/api/client/sub_fb",
            {"cate_id=2", "email=a@b.example", "content=slow", "images=u1,", "version=211"}, 142);
        row("161 redeem", [](InterfaceRecv& r) { r.pushUseCDK("CODE-1"); },
            "/api/client/use_cdk", {"cdk=CODE-1"}, 166);
    }

    void requestsReachTheirRoutes()
    {
        QFETCH(Call, call);
        QFETCH(QString, route);
        QFETCH(QStringList, fields);
        QFETCH(int, answerUi);
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        QVERIFY(runAndWait(call));
        const Json::Value entries = entriesOf(route);
        QCOMPARE(entries.size(), 1u);
        const Json::Value& entry = entries[0];
        QCOMPARE(JsonRead::getString(entry, "listener"), std::string("api"));
        QCOMPARE(JsonRead::getString(entry, "method"), std::string("POST"));
        QVERIFY(JsonRead::getBool(entry, "sign_ok"));
        QStringList sent;
        const Json::Value form = JsonRead::getObject(entry, "form");
        for (const std::string& strKey : form.getMemberNames())
            sent << QString::fromStdString(strKey + "=" + JsonRead::getString(form, strKey.c_str()));
        sent.sort();
        fields.sort();
        QCOMPARE(sent, fields);
        if (answerUi)
            QVERIFY2(typesOf(ui).contains(answerUi), qPrintable(route));
    }

    // Each broken answer (not JSON, members of the wrong types, a closed connection, HTTP 500
    // with a text page) ends in the treatment the screen waits for, or in silence.
    void brokenAnswersReachTheirTreatment_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QString>("route");
        QTest::addColumn<int>("expectedUi");
        QTest::addColumn<QString>("mode");

        struct Treatment
        {
            const char* szName;
            Call call;
            const char* szRoute;
            int nUi;
        };
        const Treatment treatments[] = {
            {"sign-in", [](InterfaceRecv& r) { r.pushLogin(kDemoUser, kDemoPassword); },
             "/api/socks/login", 22},
            {"start-up", [](InterfaceRecv& r) { r.pushVersionInfo(0); },
             "/api/client/socks_check_update_v1", 100},
            {"web sign-in", [](InterfaceRecv& r) { r.pushCheckGoogleLogin(); },
             "/api/check_google_login", 183},
            {"balances", [](InterfaceRecv& r) { r.pushGetIpNum(); }, "/api/socks/get_ip", 155},
            {"feedback", [](InterfaceRecv& r) { r.pushFeedbackInfo("1", "e", "c", ""); },
             "/api/client/sub_fb", 142},
            {"redeem", [](InterfaceRecv& r) { r.pushUseCDK("x"); }, "/api/client/use_cdk", 166},
            {"sign-out", [](InterfaceRecv& r) { r.pushLogOut(); }, "/api/socks/logout", 23},
            {"unread", [](InterfaceRecv& r) { r.pushGetMsgUnreadNum(); },
             "/api/client/get_unread_num", 0},
        };
        for (const Treatment& t : treatments)
            for (const char* szMode : {"nonjson", "wrongtypes", "close", "http500"})
                QTest::addRow("%s %s", t.szName, szMode)
                    << t.call << QString(t.szRoute) << t.nUi << QString(szMode);
    }

    void brokenAnswersReachTheirTreatment()
    {
        QFETCH(Call, call);
        QFETCH(QString, route);
        QFETCH(int, expectedUi);
        QFETCH(QString, mode);
        Json::Value fault = script(route.toUtf8().constData(), "body", -1);
        if (mode == "wrongtypes") {
            fault["body"] = R"({"code":1,"msg":{"a":1},"ret_data":"x","data":[7]})";
        } else if (mode == "http500") {
            fault["mode"] = "status";
            fault["status"] = 500;
            fault["body"] = "Internal Server Error";
        } else {
            fault["mode"] = mode.toStdString();
        }
        QVERIFY(m_service.script(fault));
        const int nUnread = m_param->getUnreadMsgNum();

        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        QVERIFY(runAndWait(call));
        QTest::qWait(50);
        if (expectedUi == 0) {
            QCOMPARE(ui.count(), 0);
            QCOMPARE(m_param->getUnreadMsgNum(), nUnread);
            return;
        }
        const UiMessage message = firstUi(ui, expectedUi);
        QVERIFY2(!message.isEmpty(), qPrintable(QString::number(expectedUi)));
        const int nValue = message.at(2).toInt();
        if (expectedUi == 22 || expectedUi == 100)
            QCOMPARE(nValue, 0);
        if (expectedUi == 142 || expectedUi == 166)
            QVERIFY(nValue != 0);
        if (expectedUi == 22)
            QVERIFY(!message.at(1).toString().contains(QLatin1Char('{')));
        QCOMPARE(m_param->getIsLogin(), 0);
    }

    void startUpChain_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("body");
        QTest::addColumn<int>("tag");
        QTest::addColumn<QList<int>>("types");
        QTest::addColumn<int>("startValue");

        const QString update = "/api/client/socks_check_update_v1.update";
        const QString forced = "/api/client/socks_check_update_v1.forced";
        QTest::newRow("no update") << QString() << QString() << 0 << QList<int>{100} << 0;
        QTest::newRow("offered") << update << QString() << 0 << QList<int>{10, 100} << 1;
        QTest::newRow("forced") << forced << QString() << 0 << QList<int>{10, 100} << 2;
        QTest::newRow("abnormal") << QString() << R"({"code":3,"ret_data":{}})" << 0
                                  << QList<int>{12} << -1;
        QTest::newRow("not an object") << QString() << "[1]" << 0 << QList<int>{100} << 0;
        QTest::newRow("menu, none") << QString() << QString() << 1 << QList<int>{11} << -1;
        QTest::newRow("banner, offered") << update << QString() << 2 << QList<int>{10} << -1;
        QTest::newRow("menu, failed") << QString() << "close" << 1 << QList<int>{} << -1;
        // A code this client does not know: the main screen loads, nothing else changes.
        const QString unknown =
            R"({"code":%1,"msg":"ok","ret_data":{"website_domain":"x.example","show_version":"9"}})";
        QTest::newRow("code 0 at start") << QString() << unknown.arg(0) << 0 << QList<int>{100} << 0;
        QTest::newRow("code 7 at start") << QString() << unknown.arg(7) << 0 << QList<int>{100} << 0;
        QTest::newRow("menu, code 0") << QString() << unknown.arg(0) << 1 << QList<int>{} << -1;
    }

    void startUpChain()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, body);
        QFETCH(int, tag);
        QFETCH(QList<int>, types);
        QFETCH(int, startValue);
        Json::Value answer = script("/api/client/socks_check_update_v1", "body", 1);
        if (!fixture.isEmpty())
            answer["fixture"] = fixture.toStdString();
        else if (body == "close")
            answer = script("/api/client/socks_check_update_v1", "close", -1);
        else if (!body.isEmpty())
            answer["body"] = body.toStdString();
        if (!fixture.isEmpty() || !body.isEmpty())
            QVERIFY(m_service.script(answer));

        const QStringList before{m_param->getDomain(), m_param->getLatestVersion(),
                                 QString::number(m_param->getUpdateImmediately())};
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        QVERIFY(runAndWait([tag](InterfaceRecv& r) { r.pushVersionInfo(tag); }));
        if (body.contains("x.example"))
            QCOMPARE((QStringList{m_param->getDomain(), m_param->getLatestVersion(),
                                  QString::number(m_param->getUpdateImmediately())}),
                     before);
        QList<int> seen = typesOf(ui);
        seen.removeAll(20); // a forced update's download progress
        seen.removeAll(17);
        QCOMPARE(seen, types);
        if (startValue >= 0)
            QCOMPARE(firstUi(ui, 100).at(2).toInt(), startValue);
        if (startValue == 2) // the forced package arrives from the stand-in
            QTRY_VERIFY_WITH_TIMEOUT(typesOf(ui).contains(17), 10000 * QEL_TIME_FACTOR);
    }

    void mainLoadReadyAsksForConfigurationAndOffersSignIn()
    {
        m_param->SetAutoLogin(false);
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        m_recv->mainLoadReady();
        QCOMPARE(typesOf(ui).value(0), 2);
        QVERIFY(typesOf(ui).contains(21));
        QTRY_VERIFY_WITH_TIMEOUT(entriesOf("/api/socks/config").size() == 1 &&
                                     entriesOf("/api/account/get_url").size() == 1 &&
                                     entriesOf("/api/client/get_column_v2").size() == 1,
                                 10000 * QEL_TIME_FACTOR);
        QTRY_COMPARE_WITH_TIMEOUT(m_param->getRefreshTime(), 300, 10000 * QEL_TIME_FACTOR);
        QTRY_VERIFY_WITH_TIMEOUT(!m_param->getGuideUrl().isEmpty(), 10000 * QEL_TIME_FACTOR);
    }

    void signInAsDemoUserLoadsTheAccountsFile()
    {
        MySqllite* pDatabase = MySqllite::GetInstance();
        pDatabase->createMySqllite(kDemoUser, 0);
        auto* pItem = new SqlliteItem;
        pItem->setTableName(pDatabase->getTodayListTableName());
        pItem->setSqlType(SQL_INSERT);
        Json::Value row;
        row["session"] = "kept-row";
        pItem->addJsonValue(row);
        pDatabase->addDataByType(pItem, 0);

        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        signIn();
        QVERIFY(QFile::exists(QDir::current().filePath("demo_user.db")));
        QVERIFY(typesOf(ui).contains(114));
        const Json::Value today = ProxyManager::GetInstance()->getLocalTodayListDataJson();
        QVERIFY(today.isArray() && today.size() == 1);
        QCOMPARE(JsonRead::getString(today[0], "session"), std::string("kept-row"));
        QCOMPARE(m_param->GetUsername(), QString(kDemoUser));
        QCOMPARE(m_param->getRadiusPass(),
                 QString::fromStdString(WebRecv::encode_to_md5("100234trelmovask")));

        QTRY_VERIFY_WITH_TIMEOUT(entriesOf("/api/client/get_msg_list").size() == 1,
                                 10000 * QEL_TIME_FACTOR);
        for (const char* szPath : {"/api/client/get_unread_num", "/api/client/get_msg_list"}) {
            const Json::Value entries = entriesOf(szPath);
            QCOMPARE(entries.size(), 1u);
            const Json::Value headers = JsonRead::getObject(entries[0], "headers");
            QCOMPARE(JsonRead::getString(headers, "qv-username"), std::string(kDemoUser));
            QVERIFY(!JsonRead::getString(headers, "qv-session-id").empty());
        }
    }

    void wrongPasswordShowsTheServicesMessage()
    {
        m_recv->logOutStep();
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        QVERIFY(runAndWait([](InterfaceRecv& r) { r.pushLogin(kDemoUser, "wrong"); }));
        QCOMPARE(firstUi(ui, 22), (UiMessage{22, QString("Wrong account or password"), 0}));
        QCOMPARE(m_param->getIsLogin(), 0);
    }

    void webSignInPollsUntilItStops()
    {
        m_recv->logOutStep();
        m_param->setLoginPass(QString());
        // A pending answer that still carries the account's record is logged without it.
        Json::Value pending = script("/api/check_google_login", "body", 1);
        Json::Value body;
        body["code"] = 1;
        body["msg"] = "pending";
        body["ret_data"]["info"]["pwd"] = m_recv->Encode(kDemoPassword);
        pending["body"] = toNormalString(body);
        QVERIFY(m_service.script(pending));
        QVERIFY(runAndWait([](InterfaceRecv& r) { r.pushCheckGoogleLogin(6); }));
        QCOMPARE(m_param->getIsLogin(), 0);

        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        QVERIFY(runAndWait([](InterfaceRecv& r) { r.pushCheckGoogleLogin(6); }));
        QCOMPARE(firstUi(ui, 182), (UiMessage{182, QString("unable"), 6}));
        QCOMPARE(firstUi(ui, 184), (UiMessage{184, QString("stop check"), 6}));
        QCOMPARE(firstUi(ui, 183), (UiMessage{183, QString("enable"), 6}));
        QCOMPARE(m_param->getLoginPass(), QString(kDemoPassword));
        QCOMPARE(m_param->getIsLogin(), 1);
    }

    void signOutEndsOnlyItsOwnSession()
    {
        signIn();
        QVERIFY(m_service.script(script("/api/socks/logout", "close", -1)));
        QVERIFY(runAndWait([](InterfaceRecv& r) { r.pushLogOut(); }));
        QCOMPARE(m_param->getIsLogin(), 0);
        QVERIFY(m_param->GetSession().isEmpty());
        QVERIFY(m_recv->GetSessionId().empty());

        m_service.reset();
        signIn();
        Json::Value slow = script("/api/socks/logout", "body", 1);
        slow["delay_ms"] = 800;
        slow["body"] = R"({"code":0})";
        QVERIFY(m_service.script(slow));
        m_recv->pushLogOut();
        signIn(); // a newer sign-in before the old sign-out answers, which settles both
        QCOMPARE(m_param->getIsLogin(), 1);
        QVERIFY(!m_param->GetSession().isEmpty());
    }

    // Last: nothing the program logged or saved carries the password.
    void thePasswordReachesNoLogOrFile()
    {
        // The encoded form changes with every encoding, so no "pwd" member may show at all.
        QMutexLocker lock(&g_loggedMutex);
        const QStringList logged = g_logged;
        lock.unlock();
        for (const QString& qstrLine : logged)
            QVERIFY2(!qstrLine.contains(kDemoPassword) && !qstrLine.contains("\"pwd\""),
                     qPrintable(qstrLine));
        QDirIterator files(QCoreApplication::applicationDirPath(), {"*.error"}, QDir::Files);
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY2(!file.readAll().contains(kDemoPassword), qPrintable(file.fileName()));
        }
    }
};

QTEST_GUILESS_MAIN(tst_ServiceConversation)
#include "tst_ServiceConversation.moc"
