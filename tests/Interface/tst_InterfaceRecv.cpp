// The service object's answer handlers, fed fabricated answer records: codes, start-up
// chain, configuration, sign-in and session, failure dispatch, request timers and the job
// pool. Requests it sends on its own go to a closed local port.
#include "EngineTestKit.h"

#include "Interface/CConfig.h"
#include "Interface/GlobleParam.h"
#include "Interface/InterfaceRecv.h"
#include "Interface/MyThread.h"
#include "Interface/MyThreadPool.h"
#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/globleBase/CppDataBase.h"

#include <QCryptographicHash>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QDateTime>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <climits>
#include <memory>

namespace {

using Messages = QList<QVariantList>;

constexpr int kWaitMs = 10000 * QEL_TIME_FACTOR;
const QByteArray kNotFound = "404 page not found";

// The service object with its run count readable and its failed commands listed.
class ServiceObject : public InterfaceRecv
{
public:
    void PostEventInterfaceError(HTTPEvent_KX* pEvent) override
    {
        failedCmds.append(static_cast<int>(pEvent->m_nCmd));
        InterfaceRecv::PostEventInterfaceError(pEvent);
    }
    std::int64_t signInRun() const { return m_nSignInRun; }
    QList<int> failedCmds;
};

// Answers are written with ' for " to keep them readable here.
std::unique_ptr<HTTPEvent_KX> record(int nCmd, QByteArray answer, int nTag = 0)
{
    answer.replace('\'', '"');
    auto pEvent = std::make_unique<HTTPEvent_KX>(nCmd);
    JsonRead::parse(answer.toStdString(), pEvent->m_jsValue);
    pEvent->m_strValue = answer.toStdString();
    pEvent->m_nParam6 = nTag;
    return pEvent;
}

QByteArray signInAnswer(const QString& qstrUser, const QString& qstrPwd = QString())
{
    return QStringLiteral("{'code':0,'ret_data':{'pay_desk_url':'https://pay/d','session_id':"
                          "'s1','s':'tok','info':{'id':42,'username':'%1','pwd':'%2','ip_nums':3,"
                          "'flow_balance':5000000,'day_ip_nums':5}}}")
        .arg(qstrUser, qstrPwd)
        .toUtf8();
}

Messages messagesOf(const QSignalSpy& spy)
{
    return Messages(spy.begin(), spy.end());
}

QList<int> codesOf(const QSignalSpy& spy)
{
    QList<int> codes;
    for (const QVariantList& args : spy)
        codes.append(args.at(0).toInt());
    return codes;
}

} // namespace

class tst_InterfaceRecv : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<GlobleParam> m_param;
    std::unique_ptr<ServiceObject> m_recv;

    void signIn(const QString& qstrUser)
    {
        auto pEvent = record(LOGIN_RESULT, signInAnswer(qstrUser));
        pEvent->m_strGbk = "acct";
        pEvent->m_strMd5 = "pw";
        m_recv->slotLogin(pEvent.get());
    }

    void checkSignedOut()
    {
        QCOMPARE(m_param->getIsLogin(), 0);
        QCOMPARE(m_param->GetSession(), QString());
        QCOMPARE(m_recv->GetSessionId(), std::string());
        QCOMPARE(m_recv->GetLoginUserName(), std::string());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir::setCurrent(m_dir.path()));
        m_param.reset(new GlobleParam);
        m_recv.reset(new ServiceObject);
        m_recv->SetLoginDomian("http://127.0.0.1:" + std::to_string(freePort()));
    }

    void init() { m_recv->logOutStep(); }

    void answerCode_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("code");
        QTest::newRow("404 text") << kNotFound << -1;
        QTest::newRow("array") << QByteArray("[0]") << -1;
        QTest::newRow("no code") << QByteArray("{}") << 0;
        QTest::newRow("numeric text") << QByteArray("{'code':'7'}") << 7;
        QTest::newRow("number") << QByteArray("{'code':3}") << 3;
        QTest::newRow("other text") << QByteArray("{'code':'abc'}") << 0;
        QTest::newRow("beyond int") << QByteArray("{'code':'4294967296'}") << INT_MAX;
    }

    void answerCode()
    {
        QFETCH(QByteArray, answer);
        QTEST(InterfaceRecv::answerCode(record(VERSIONINFO_RESULT, answer).get()), "code");
    }

    void versionCheck_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("tag");
        QTest::addColumn<Messages>("ui");
        QTest::addColumn<QString>("latest");
        QTest::addColumn<bool>("before");
        QTest::addColumn<bool>("after");
        const QByteArray forced = "{'code':1,'ret_data':{'force_update':true,'show_version':'2.2',"
                                  "'website_domain':'https://w'}}";
        const QByteArray offered = "{'code':1,'ret_data':{'force_update':'false','desc':'Better',"
                                   "'show_version':'2.2','down_url':'https://d/p'}}";
        const QVariantList start0{100, "init success", 0};
        const QVariantList abnormal{12, "update abnormal", 0};
        QTest::newRow("1 forced, start")
            << forced << 0 << Messages{{10, "update", 1}, {100, "init success", 2}} << "2.2"
            << false << true;
        QTest::newRow("1 offered, start")
            << offered << 0 << Messages{{10, "Better", 0}, {100, "init success", 1}} << "2.2"
            << false << true;
        QTest::newRow("1 offered, banner")
            << offered << 2 << Messages{{10, "Better", 0}} << "2.2" << false << true;
        QTest::newRow("1 no payload, start") << QByteArray("{'code':1,'ret_data':[]}") << 0
                                             << Messages{start0} << "old" << false << false;
        QTest::newRow("2 start") << QByteArray("{'code':'2','ret_data':{}}") << 0
                                 << Messages{start0} << "2.1.1" << true << false;
        QTest::newRow("2 no payload, menu")
            << QByteArray("{'code':2}") << 1 << Messages{{11, "no update", 1}} << "old" << true
            << false;
        QTest::newRow("3 start") << QByteArray(
                                        "{'code':3,'ret_data':{'website_domain':'https://w'}}")
                                 << 0 << Messages{abnormal} << "old" << false << true;
        QTest::newRow("3 menu") << QByteArray("{'code':3}") << 1 << Messages{abnormal} << "old"
                                << false << true;
        QTest::newRow("non-object, start")
            << kNotFound << 0 << Messages{start0} << "old" << true << true;
        QTest::newRow("non-object, menu")
            << kNotFound << 1 << Messages{} << "old" << false << false;
    }

    void versionCheck()
    {
        QFETCH(QByteArray, answer);
        QFETCH(int, tag);
        QFETCH(bool, before);
        m_param->setUpdateImmediately(before);
        m_param->setLatestVersion("old");
        m_param->setUpdateExeUrl(QString());
        m_param->setDomain(QString());
        QSignalSpy spy(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        m_recv->PostEventInterface(record(VERSIONINFO_RESULT, answer, tag).get());
        QTEST(messagesOf(spy), "ui");
        QTEST(m_param->getUpdateImmediately(), "after");
        QTEST(m_param->getLatestVersion(), "latest");
        QCOMPARE(m_param->getDomain(), QString(answer.contains("domain") ? "https://w" : ""));
        QCOMPARE(m_param->getUpdateExeUrl(),
                 QString(answer.contains("down_") ? "https://d/p" : ""));
    }

    void config_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("guide");
        QTest::addColumn<int>("refresh");
        QTest::addColumn<QString>("payLong");
        QTest::newRow("time 60")
            << QByteArray("{'code':0,'ret_data':{'time':60,'guide_url':'g','web_pay_long':'L'}}")
            << "g" << 60 << "L";
        QTest::newRow("time 0") << QByteArray("{'code':0,'ret_data':{'time':0,'web_pay_long':''}}")
                                << "" << 300 << "keep";
        QTest::newRow("time -1") << QByteArray("{'code':0,'ret_data':{'time':-1}}") << "" << 300
                                 << "keep";
        QTest::newRow("time absent")
            << QByteArray("{'code':0,'ret_data':{}}") << "" << 300 << "keep";
        QTest::newRow("time as text")
            << QByteArray("{'code':0,'ret_data':{'time':'60'}}") << "" << 300 << "keep";
        QTest::newRow("refused") << QByteArray("{'code':1,'ret_data':{'time':60,'guide_url':'g'}}")
                                 << "old" << 300 << "keep";
        QTest::newRow("no payload") << QByteArray("{'code':0}") << "old" << 300 << "keep";
        QTest::newRow("non-object") << kNotFound << "old" << 300 << "keep";
    }

    void config()
    {
        QFETCH(QByteArray, answer);
        m_param->setRefreshTime(300);
        m_param->setGuideUrl("old");
        m_param->setWebPayLong("keep");
        m_recv->PostEventInterface(record(CONFIG_RESULT, answer).get());
        QTEST(m_param->getRefreshTime(), "refresh");
        QTEST(m_param->getGuideUrl(), "guide");
        QTEST(m_param->getWebPayLong(), "payLong");
    }

    void signInSuccess_data()
    {
        QTest::addColumn<QString>("username");
        QTest::addColumn<QString>("used");
        QTest::newRow("user name given") << QString("alice") << "alice";
        QTest::newRow("user name empty: the account") << QString() << "acct";
    }

    void signInSuccess()
    {
        QFETCH(QString, username);
        QFETCH(QString, used);
        QSignalSpy spy(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        signIn(username);
        // The four lists of the opened database, the line list request, then the result.
        QCOMPARE(codesOf(spy), (QList<int>{134, 114, 163, 164, 165, 22}));
        QCOMPARE(spy.last(), (QVariantList{22, "", 1}));
        QVERIFY(QFile::exists(m_dir.filePath(used + ".db")));
        const QByteArray radius =
            QCryptographicHash::hash("42trelmovask", QCryptographicHash::Md5).toHex();
        QCOMPARE(m_param->getIsLogin(), 1);
        QCOMPARE(m_param->GetUsername(), username);
        QCOMPARE(m_param->getLoginName(), QString("acct"));
        QCOMPARE(m_param->getLoginPass(), QString("pw"));
        QCOMPARE(m_param->getRadiusPass(), QString(radius));
        QCOMPARE(m_param->GetSession(), QString("s1"));
        QCOMPARE(m_param->getIpNums(), 3);
        QCOMPARE(m_param->getDayIpNums(), 5);
        QCOMPARE(m_param->getTrafficPlanNums(), 5.0f);
        QCOMPARE(m_param->getTrafficPlanUnit(), QString("MB"));
        QCOMPARE(m_recv->Decode(m_param->getUsernameSession().toStdString()), used.toStdString());
        QCOMPARE(m_recv->Decode(m_param->getRadiusPassSession().toStdString()),
                 radius.toStdString());
        QCOMPARE(m_recv->GetLoginUserName(), used.toStdString());
        QCOMPARE(m_recv->GetUid(), std::string("42"));
        QCOMPARE(m_recv->GetSessionId(), std::string("s1"));
    }

    void signInFailure_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("msg");
        QTest::newRow("refused with msg")
            << QByteArray("{'code':1,'msg':'Wrong password'}") << "Wrong password";
        QTest::newRow("refused without msg") << QByteArray("{'code':'5'}") << "";
        QTest::newRow("no info") << QByteArray("{'code':0,'ret_data':{'session_id':'s'}}") << "";
        QTest::newRow("info not an object")
            << QByteArray("{'code':0,'msg':'m','ret_data':{'session_id':'s','info':[1]}}") << "m";
        QTest::newRow("non-object") << kNotFound << "";
    }

    void signInFailure()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, msg);
        m_param->setLoginName("kept");
        QSignalSpy spy(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        m_recv->PostEventInterface(record(LOGIN_RESULT, answer).get());
        QCOMPARE(codesOf(spy), QList<int>{22});
        const QString qstrText = spy.at(0).at(1).toString();
        QCOMPARE(spy.at(0).at(2).toInt(), 0);
        if (!msg.isEmpty())
            QCOMPARE(qstrText, msg);
        else
            QVERIFY(!qstrText.isEmpty() && !answer.contains(qstrText.toUtf8()));
        checkSignedOut();
        QCOMPARE(m_param->getLoginName(), QString("kept"));
    }

    void googleSignIn_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<int>("isLogin");
        const QByteArray refused = "{'code':1,'msg':'wait'}";
        QTest::newRow("signed in")
            << QByteArray() << QList<int>{184, 134, 114, 163, 164, 165, 22, 183} << 1;
        QTest::newRow("not yet") << refused << QList<int>{183} << 0;
        QTest::newRow("non-object") << kNotFound << QList<int>{183} << 0;
    }

    void googleSignIn()
    {
        QFETCH(QByteArray, answer);
        if (answer.isEmpty())
            answer = signInAnswer("gina", QString::fromStdString(m_recv->Encode("secret")));
        QSignalSpy spy(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        m_recv->PostEventInterface(record(GOOGLE_LOGIN_RESULT, answer, 6).get());
        QTEST(codesOf(spy), "codes");
        QCOMPARE(spy.last(), (QVariantList{183, "enable", 6}));
        QTEST(m_param->getIsLogin(), "isLogin");
        if (m_param->getIsLogin()) {
            QCOMPARE(spy.first(), (QVariantList{184, "stop check", 6}));
            QCOMPARE(m_param->getLoginName(), QString("gina"));
            QCOMPARE(m_param->getLoginPass(), QString("secret"));
        }
    }

    void balances_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("ipNums");
        QTest::addColumn<QString>("six");
        QTest::addColumn<int>("dayIp");
        QTest::newRow("singular keys")
            << QByteArray("{'code':0,'ret_data':{'ip_num':3,"
                          "'six_ip_num':12,'day_ip_num':4,'static_ip_nums':5,'dc_ip_nums':6}}")
            << 3 << "12" << 4;
        QTest::newRow("sign-in keys not read")
            << QByteArray("{'code':0,'ret_data':{'ip_nums':3,'day_ip_nums':4,'six_ip_num':'7'}}")
            << 0 << "7" << 0;
        QTest::newRow("refused") << QByteArray("{'code':1,'ret_data':{'ip_num':3}}") << 9
                                 << QString("9") << 9;
        QTest::newRow("non-object") << kNotFound << 9 << "9" << 9;
    }

    void balances()
    {
        QFETCH(QByteArray, answer);
        m_param->setIpNums(9);
        m_param->setSixIpNums("9");
        m_param->setDayIpNums(9);
        QSignalSpy spy(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        m_recv->PostEventInterface(record(SOCKS_GETIP_RESULT, answer, 7).get());
        QCOMPARE(messagesOf(spy), (Messages{{155, "refresh", 7}}));
        QTEST(m_param->getIpNums(), "ipNums");
        QTEST(m_param->getSixIpNums(), "six");
        QTEST(m_param->getDayIpNums(), "dayIp");
    }

    void flowTranslate_data()
    {
        QTest::addColumn<double>("bytes");
        QTest::addColumn<float>("amount");
        QTest::addColumn<QString>("unit");
        QTest::newRow("5,000,000") << 5e6 << 5.0f << "MB";
        QTest::newRow("999") << 999.0 << 0.999f << "KB";
        QTest::newRow("2.5e15") << 2.5e15 << 2500.0f << "TB";
        QTest::newRow("beyond TB stays TB") << 1e21 << 1e9f << "TB";
    }

    void flowTranslate()
    {
        QFETCH(double, bytes);
        QFETCH(float, amount);
        auto pEvent = record(SOCKS_GETIP_RESULT, "{'code':0,'ret_data':{}}");
        pEvent->m_jsValue["ret_data"]["flow_balance"] = bytes;
        m_recv->slotGetIpNum(pEvent.get());
        QCOMPARE(m_param->getRealTrafficPlanNums(), static_cast<float>(bytes));
        QVERIFY2(qFuzzyCompare(m_param->getTrafficPlanNums(), amount),
                 qPrintable(QString::number(m_param->getTrafficPlanNums())));
        QTEST(m_param->getTrafficPlanUnit(), "unit");
    }

    void logOut_data()
    {
        QTest::addColumn<bool>("failed");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("runOffset");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("answer") << false << QByteArray("{'code':0}") << 0 << true;
        QTest::newRow("refusal still clears") << false << QByteArray("{'code':5}") << 0 << true;
        QTest::newRow("late after a newer sign-in") << false << QByteArray("{}") << -1 << false;
        QTest::newRow("transport failure") << true << QByteArray() << 0 << true;
        QTest::newRow("late transport failure") << true << QByteArray() << -1 << false;
    }

    void logOut()
    {
        QFETCH(bool, failed);
        QFETCH(QByteArray, answer);
        QFETCH(int, runOffset);
        m_param->SetAutoLogin(true);
        signIn("alice");
        auto pEvent = record(LOGOUT_RESULT, answer);
        pEvent->m_nParam3 = m_recv->signInRun() + runOffset;
        QSignalSpy spy(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        if (failed)
            m_recv->PostEventInterfaceError(pEvent.get());
        else
            m_recv->PostEventInterface(pEvent.get());
        QFETCH(bool, cleared);
        QCOMPARE(messagesOf(spy), (cleared ? Messages{{23, "", 0}} : Messages{}));
        if (cleared)
            checkSignedOut();
        else
            QCOMPARE(m_recv->GetLoginUserName(), std::string("alice"));
        // What quitting now would save: the password goes with the name; the tick stays.
        const Json::Value saved = CConfig(m_param.get()).ExeQuitJson();
        const std::string strPass = Encryption::GetInstance()->decode(saved["pass"].asString());
        QCOMPARE(strPass, cleared ? std::string() : std::string("pw"));
        QCOMPARE(saved["login"].asString(), cleared ? std::string() : std::string("acct"));
        QVERIFY(saved["auto_login"].asBool());
    }

    // The request carries the sign-in it was sent under; its failure comes back over a
    // closed port.
    void logOutRequestKnowsItsSignIn()
    {
        m_recv->failedCmds.clear();
        signIn("alice");
        m_recv->pushLogOut();
        signIn("bob");
        QTRY_VERIFY_WITH_TIMEOUT(m_recv->failedCmds.contains(LOGOUT_RESULT), kWaitMs);
        QCOMPARE(m_param->getIsLogin(), 1);
        QCOMPARE(m_recv->GetLoginUserName(), std::string("bob"));
        m_recv->failedCmds.clear();
        m_recv->pushLogOut();
        QTRY_VERIFY_WITH_TIMEOUT(m_recv->failedCmds.contains(LOGOUT_RESULT), kWaitMs);
        checkSignedOut();
    }

    void autoLogin_data()
    {
        QTest::addColumn<int>("startTimes");
        QTest::addColumn<bool>("autoOn");
        QTest::addColumn<QString>("pass");
        QTest::addColumn<Messages>("ui");
        const QVariantList show{21, QString::fromUtf8("显示登录"), 1};
        QTest::newRow("started again") << 2 << true << "p" << Messages{show};
        // The account comes before the window opens, which then opens in the password field.
        QTest::newRow("auto-login with password")
            << 1 << true << "p" << Messages{{7, "u", 0}, show, {8, "p", 0}, {9, "u", 0}};
        QTest::newRow("auto-login without password")
            << 1 << true << "" << Messages{{7, "u", 0}, show};
        QTest::newRow("auto-login off") << 1 << false << "p" << Messages{{7, "u", 0}, show};
    }

    void autoLogin()
    {
        QFETCH(int, startTimes);
        QFETCH(bool, autoOn);
        QFETCH(QString, pass);
        CppDataBase::GetInstance()->setStartTimes(startTimes);
        m_param->SetAutoLogin(autoOn);
        m_param->setLoginName("u");
        m_param->setLoginPass(pass);
        QSignalSpy spy(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        m_recv->autoLogin();
        CppDataBase::GetInstance()->setStartTimes(1);
        QTEST(messagesOf(spy), "ui");
    }

    void transportFailure_data()
    {
        QTest::addColumn<int>("cmd");
        QTest::addColumn<int>("tag");
        QTest::addColumn<Messages>("ui");
        // An empty text stands for a short reason of our own.
        QTest::newRow("102 start") << 102 << 0 << Messages{{100, "init success", 0}};
        QTest::newRow("102 menu") << 102 << 1 << Messages{};
        QTest::newRow("102 banner") << 102 << 2 << Messages{};
        QTest::newRow("104") << 104 << 0 << Messages{};
        QTest::newRow("108") << 108 << 3 << Messages{{22, "", 0}};
        QTest::newRow("109") << 109 << 4 << Messages{{183, "enable", 4}};
        QTest::newRow("110") << 110 << 5 << Messages{{155, "refresh", 5}};
        QTest::newRow("146") << 146 << 0 << Messages{{142, "", 1}};
        QTest::newRow("161") << 161 << 0 << Messages{{166, "", -1}};
        QTest::newRow("unknown") << 999 << 0 << Messages{};
    }

    void transportFailure()
    {
        QFETCH(int, cmd);
        QFETCH(int, tag);
        QFETCH(Messages, ui);
        const QByteArray body = "<html>502 Bad Gateway</html>";
        QSignalSpy spy(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        m_recv->PostEventInterfaceError(record(cmd, body, tag).get());
        Messages got = messagesOf(spy);
        QCOMPARE(got.size(), ui.size());
        for (int i = 0; i < got.size(); ++i) {
            if (!ui[i][1].toString().isEmpty())
                continue;
            const QString qstrText = got[i][1].toString();
            QVERIFY2(!qstrText.isEmpty() && !qstrText.contains("502"), qPrintable(qstrText));
            got[i][1] = QString();
        }
        QCOMPARE(got, ui);
    }

    void timers_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("intervalMs");
        QTest::newRow("engine status") << 100 << 2000;
        QTest::newRow("serial check") << 101 << 5000;
        QTest::newRow("start") << 102 << 300;
    }

    void timers()
    {
        QFETCH(int, id);
        QFETCH(int, intervalMs);
        emit m_recv->signal_StartCheckProxy(103, 1);
        for (const QTimer* pTimer : m_recv->findChildren<QTimer*>())
            QVERIFY(!pTimer->isActive());
        // Sent from a pool thread the timer still starts on the object's own thread.
        std::unique_ptr<QThread> sender(
            QThread::create([this, id] { emit m_recv->signal_StartCheckProxy(id, 1); }));
        sender->start();
        QVERIFY(sender->wait(kWaitMs));
        const QTimer* pTimer = id == 100   ? m_recv->getTimerCheckProxy()
                               : id == 101 ? m_recv->getTimerCheckSn()
                                           : m_recv->getTimerStart();
        QTRY_VERIFY_WITH_TIMEOUT(pTimer->isActive(), kWaitMs);
        QCOMPARE(pTimer->interval(), intervalMs);
        QVERIFY(!pTimer->isSingleShot());
        emit m_recv->signal_StartCheckProxy(id, 0);
        QVERIFY(!pTimer->isActive());
    }

    void hideIPPart_data()
    {
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("shown");
        QTest::newRow("IPv4") << "10.0.0.1" << "10.0.***.***";
        QTest::newRow("one dot: cut once") << "host.name" << "host";
        QTest::newRow("no dot") << "localhost" << "localhost";
        QTest::newRow("empty") << "" << "";
    }

    void hideIPPart()
    {
        QFETCH(QString, ip);
        QTEST(m_recv->hideIPPart(ip), "shown");
    }

    void formatTimeSecondsAndMilliseconds()
    {
        const QString qstrSeconds = m_recv->formatTimeFromTimeStamp(1700000000);
        QCOMPARE(qstrSeconds, QDateTime::fromSecsSinceEpoch(1700000000)
                                  .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
        QCOMPARE(m_recv->formatTimeFromTimeStamp(1700000000000.0), qstrSeconds);
    }

    // Only an object holding a "ret_data" object is a result; a failure reply of the check
    // program must not tell an offline user anything.
    void localIpResult_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("code"); // -2: not a result
        QTest::addColumn<QString>("ip");
        QTest::addColumn<bool>("china");
        QTest::newRow("abroad") << R"({"code":0,"msg":"ok","ret_data":{"ip":"8.8.4.4"}})" << 0
                                << "8.8.4.4" << false;
        QTest::newRow("mainland, code as text")
            << R"({"code":"1","msg":"cn","ret_data":{"ip":"1.2.3.4"}})" << 1 << "1.2.3.4" << true;
        QTest::newRow("failure reply") << R"({"code":1,"msg":"offline"})" << -2 << "" << false;
        QTest::newRow("ret_data not an object") << R"({"code":1,"ret_data":"x"})" << -2 << ""
                                                << false;
        QTest::newRow("not JSON") << "offline" << -2 << "" << false;
        QTest::newRow("array") << R"([{"ret_data":{}}])" << -2 << "" << false;
    }

    void localIpResult()
    {
        QFETCH(QString, reply);
        QFETCH(int, code);
        m_param->setLocalIP(QString());
        m_param->setChina(false);
        const QVariantMap result = m_recv->applyLocalIpResult(reply);
        QCOMPARE(result.isEmpty() ? -2 : result.value("code").toInt(), code);
        QTEST(m_param->getLocalIP(), "ip");
        QTEST(m_param->getChina(), "china");
    }

    void pageUrls()
    {
        m_param->setLangCode("_de");
        m_param->setToken("tok");
        m_param->setWebPayLong("https://w/pay?paynavVal=3");
        m_param->setWebsitePayUrl("https://w/flow?a=1");
        m_param->setPayStaticUrl("https://w/static");
        const QString qstrSuffix = m_recv->additionalUrl(1);
        QCOMPARE(m_recv->rechargeUrl(3), m_recv->checkOpenUrl("https://w/pay?paynavVal=3") + "&la=_de");
        QCOMPARE(m_recv->rechargeUrl(11), "https://w/flow?a=1&s=tok" + qstrSuffix);
        QCOMPARE(m_recv->rechargeUrl(6, true), "https://w/static?s=tok" + qstrSuffix);
        QCOMPARE(m_recv->rechargeUrl(12, true), QString());
        QCOMPARE(m_recv->rechargeUrl(100), QString());
    }

    void jobPool_data()
    {
        QTest::addColumn<int>("runType");
        QTest::addColumn<int>("calls");
        QTest::newRow("item work") << 2 << 1;
        QTest::newRow("type 0") << 0 << 0;
        QTest::newRow("unknown type 3") << 3 << 0;
    }

    void jobPool()
    {
        QFETCH(int, runType);
        std::atomic<int> nCalls{0};
        std::atomic<bool> bDeleted{false};
        auto* pJob = new MyThread(0);
        pJob->setRunType(runType);
        pJob->setVoid(&nCalls);
        pJob->setItemProc([](void* pItem) { return ++*static_cast<std::atomic<int>*>(pItem); });
        connect(pJob, &QObject::destroyed, [&bDeleted] { bDeleted = true; });
        MyThreadPool::GetInstance()->addThread(pJob, true);
        QTRY_VERIFY_WITH_TIMEOUT(bDeleted, kWaitMs);
        QTEST(nCalls.load(), "calls");
    }
};

QTEST_GUILESS_MAIN(tst_InterfaceRecv)
#include "tst_InterfaceRecv.moc"
