// Today and favourite rows through the account database, the favourite cache, the serial
// checks and the line list answers. Answers are fabricated; requests go to a closed port.
#include "EngineTestKit.h"

#include "DataManager/Proxy/ProxyManager.h"
#include "DataManager/Sqllite/MySqllite.h"
#include "Interface/GlobleParam.h"
#include "Interface/InterfaceRecv.h"
#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"
#include "PublicModule/HttpCurl/httpBase/MyThreadPoolBase.h"

#include <QDateTime>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

constexpr int kWaitMs = 10000 * QEL_TIME_FACTOR;

QJsonObject lineOf(const QString& qstrIp, const char* szPlan, const QString& qstrSerial)
{
    return {
        {"ip", qstrIp},
        {"ip_time_type", szPlan},
        {"sn", QString::fromStdString(Encryption::GetInstance()->encode(qstrSerial.toStdString()))},
        {"buy_time", QDateTime::currentDateTime().toString("yyyy-MM-dd hh:mm:ss")}};
}

TodayList* todayRow(const QString& qstrKey, const char* szPlan, const QString& qstrSerial)
{
    auto* pRow = new TodayList;
    const QJsonObject line = lineOf(qstrKey, szPlan, qstrSerial);
    pRow->setIp(qstrKey);
    pRow->setSession(qstrKey);
    pRow->setqjsonLine(line);
    pRow->setLine(QString::fromStdString(Encryption::GetInstance()->encode(
        QJsonDocument(line).toJson(QJsonDocument::Compact).toStdString())));
    pRow->setPort("50001");
    pRow->setCreateTime(1000);
    pRow->setUpdateTime(2000);
    return pRow;
}

std::unique_ptr<HTTPEvent_KX> answer(int nCmd, const QByteArray& body, int nTag = 0)
{
    auto pEvent = std::make_unique<HTTPEvent_KX>(nCmd);
    JsonRead::parse(body.toStdString(), pEvent->m_jsValue);
    pEvent->m_strValue = body.toStdString();
    pEvent->m_nParam6 = nTag;
    return pEvent;
}

} // namespace

class tst_ProxySync : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<GlobleParam> m_param;
    std::unique_ptr<InterfaceRecv> m_recv;
    QString m_qstrAccount;
    QString m_qstrOther;
    int m_nRun = 0;
    ProxyManager* manager() { return ProxyManager::GetInstance(); }

    void openAccount(const QString& qstrUser)
    {
        m_param->SetUsername(qstrUser);
        MySqllite::GetInstance()->createMySqllite(qstrUser, 0);
    }

    // Reads the account's stored lists back into the manager.
    void reload()
    {
        manager()->clearAllData(1);
        MySqllite::GetInstance()->waitForJobs();
        MySqllite::GetInstance()->getFavouriteAllData();
        MySqllite::GetInstance()->getTodayAllData();
        manager()->beginRarseLocalFavouriteListData();
        manager()->beginRarseLocalTodayListData();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(m_dir.path()));
        m_param.reset(new GlobleParam);
        m_recv.reset(new InterfaceRecv);
        m_recv->SetLoginDomian("http://127.0.0.1:" + std::to_string(freePort()));
        m_recv->SetVipDomian("http://127.0.0.1:" + std::to_string(freePort()));
    }
    // The uploads the edits sent finish, and their workers end, before the test does.
    void cleanupTestCase()
    {
        MyThreadPoolBase::GetInstance()->waitForDone(kWaitMs);
        QCoreApplication::processEvents();
        m_recv.reset();
        delete ProxyManager::GetInstance();
    }
    // Each test has accounts of its own.
    void init()
    {
        ++m_nRun;
        m_qstrAccount = QStringLiteral("alice%1").arg(m_nRun);
        m_qstrOther = QStringLiteral("bob%1").arg(m_nRun);
        openAccount(m_qstrAccount);
    }
    void cleanup() { manager()->clearAllData(0); }

    void rowsReturnAfterAnotherAccount()
    {
        TodayList* pRow = todayRow("k1", "1", "sn1");
        manager()->addData(pRow);
        manager()->runInsertSqlData(pRow);
        manager()->setFavoriteByParam("k1", Proxy_Today, true);
        manager()->runFavoriteCache();
        openAccount(m_qstrOther);
        reload();
        QVERIFY(manager()->table(Proxy_Today).isEmpty());
        QVERIFY(manager()->table(Proxy_Favorite).isEmpty());
        openAccount(m_qstrAccount);
        reload();
        auto* pBack = static_cast<TodayList*>(manager()->getListDataByKey("k1", Proxy_Today));
        QVERIFY(pBack);
        QCOMPARE(pBack->getPort(), QString("50001"));
        QCOMPARE(pBack->getCreateTime(), 1000);
        QCOMPARE(pBack->getUpdateTime(), 2000);
        QCOMPARE(pBack->getqjsonLine().value("ip").toString(), QString("k1"));
        QVERIFY(pBack->getFavorite());
        QVERIFY(manager()->getListDataByKey("k1", Proxy_Favorite));
    }

    void favouriteEditsBeforeTheFlush_data()
    {
        QTest::addColumn<QStringList>("edits"); // "+" add, "-" remove, other: a remark
        QTest::addColumn<QString>("qstrAction");
        QTest::addColumn<bool>("bStored");
        QTest::addColumn<QString>("qstrRemark");
        QTest::newRow("add then remove") << QStringList{"+", "-"} << "delete" << false << "";
        QTest::newRow("add then edit") << QStringList{"+", "r1"} << "insert" << true << "r1";
        QTest::newRow("three remark edits")
            << QStringList{"+", "!", "r1", "r2", "r3"} << "update" << true << "r3";
        QTest::newRow("adding twice") << QStringList{"+", "+"} << "insert" << true << "";
    }

    void favouriteEditsBeforeTheFlush()
    {
        QFETCH(QStringList, edits);
        QFETCH(QString, qstrAction);
        QFETCH(bool, bStored);
        QFETCH(QString, qstrRemark);
        manager()->addData(todayRow("k1", "1", "sn1"));
        QSignalSpy spy(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        for (const QString& edit : edits) {
            if (edit == "+")
                manager()->setFavoriteByParam("k1", Proxy_Today, true);
            else if (edit == "-")
                manager()->setFavoriteByParam("k1", Proxy_Favorite, false);
            else if (edit == "!") // saved before the remark edits
                manager()->runFavoriteCache();
            else
                manager()->setFavoriteRemark("k1", edit);
        }
        QCOMPARE(manager()->favoriteCache().size(), 1);
        QCOMPARE(manager()->favoriteCache().first()->getSqlType(), qstrAction);
        manager()->runFavoriteCache();
        QVERIFY(manager()->favoriteCache().isEmpty());
        reload();
        auto* pStored =
            static_cast<FavoriteList*>(manager()->getListDataByKey("k1", Proxy_Favorite));
        QCOMPARE(pStored != nullptr, bStored);
        if (pStored)
            QCOMPARE(pStored->getRemark(), qstrRemark);
    }

    // A repeat add only refreshes the lists: no second row, job or upload.
    void favouriteAddedTwice()
    {
        manager()->addData(todayRow("k1", "1", "sn1"));
        manager()->setFavoriteByParam("k1", Proxy_Today, true);
        QVERIFY(manager()->getListDataByKey("k1", Proxy_Today)->getFavorite());
        manager()->runFavoriteCache();
        QSignalSpy spy(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        manager()->setFavoriteByParam("k1", Proxy_Today, true);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first(), (QVariantList{135, "refresh", int(Proxy_Today)}));
        QVERIFY(manager()->favoriteCache().isEmpty());
        QCOMPARE(manager()->table(Proxy_Favorite).size(), 1);
    }

    void editsBeforeSignOutStayInThatAccount_data()
    {
        QTest::addColumn<QString>("qstrPath");
        QTest::newRow("sign-out request") << "request";
        QTest::newRow("sign-out answer") << "answer";
        QTest::newRow("clear all") << "clear";
        QTest::newRow("quit") << "quit";
    }

    void editsBeforeSignOutStayInThatAccount()
    {
        QFETCH(QString, qstrPath);
        manager()->addData(todayRow("k1", "1", "sn1"));
        manager()->setFavoriteByParam("k1", Proxy_Today, true);
        QSignalSpy spy(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        const auto signedOut = [](const QVariantList& message) { return message.first() == 23; };
        if (qstrPath == "request")
            m_recv->pushLogOut();
        else if (qstrPath == "answer")
            m_recv->logOutStep();
        else if (qstrPath == "clear")
            manager()->clearAllData(1);
        else
            QVERIFY(QMetaObject::invokeMethod(qApp, "aboutToQuit"));
        QVERIFY(manager()->favoriteCache().isEmpty());
        // The request to the closed port fails and ends the session within this row.
        if (qstrPath == "request")
            QTRY_VERIFY_WITH_TIMEOUT(std::any_of(spy.cbegin(), spy.cend(), signedOut), kWaitMs);
        openAccount(m_qstrOther);
        reload();
        QVERIFY(manager()->table(Proxy_Favorite).isEmpty());
        openAccount(m_qstrAccount);
        reload();
        QVERIFY(manager()->getListDataByKey("k1", Proxy_Favorite));
    }

    void serialChecks()
    {
        manager()->addData(todayRow("k1", "1", "sn1"));
        manager()->addData(todayRow("k3", "3", "sn3"));
        QSignalSpy spyUi(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        manager()->checkArraySn(7);
        QVERIFY(manager()->getTodayBySn("sn1"));
        QVERIFY(!manager()->getTodayBySn("sn3"));
        auto* pRow = static_cast<TodayList*>(manager()->getListDataByKey("k1", Proxy_Today));
        QSignalSpy spyOnline(pRow, &TodayList::nOnlineChanged);
        const QByteArray body =
            R"({"code":0,"data":[{"sn":"sn1","exist":0},{"sn":"zz","exist":1}]})";
        m_recv->PostEventInterface(answer(SN_IS_EXIST_RESULT, body, 7).get());
        m_recv->PostEventInterface(answer(SN_IS_EXIST_RESULT, body, 7).get());
        QCOMPARE(spyOnline.count(), 1);
        QCOMPARE(pRow->getOnline(), 0);
        // The request itself went to a closed port: its failure still ends the wait.
        QTRY_VERIFY_WITH_TIMEOUT(spyUi.count() >= 3, kWaitMs);
        for (const QVariantList& message : spyUi)
            QCOMPARE(message, (QVariantList{113, "stop", 7}));

        manager()->clearDataByType(Proxy_Today);
        QVERIFY(!manager()->getTodayBySn("sn1"));
        spyUi.clear();
        manager()->checkArraySn(2);
        QCOMPARE(spyUi.count(), 1);
        QCOMPARE(spyUi.first(), (QVariantList{113, "enable", 2}));
    }

    void lineListAnswers_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("nTag");
        QTest::addColumn<int>("nRows");
        QTest::addColumn<QList<int>>("codes");
        QTest::newRow("list") << QByteArray(R"({"code":0,"data":[{"ip":"1.1.1.1"}]})") << 0 << 1
                              << QList<int>{113, 165};
        QTest::newRow("object empties")
            << QByteArray(R"({"code":0,"data":{}})") << 0 << 0 << QList<int>{113, 165};
        QTest::newRow("refusal keeps")
            << QByteArray(R"({"code":3,"data":[]})") << 0 << 2 << QList<int>{40, 165};
        QTest::newRow("not JSON keeps")
            << QByteArray("Internal Server Error") << 0 << 2 << QList<int>{40, 165};
        QTest::newRow("page object keeps")
            << QByteArray(R"({"code":0,"data":{}})") << 10 << 2 << QList<int>{165};
        QTest::newRow("empty page")
            << QByteArray(R"({"code":0,"data":[]})") << 10 << 2 << QList<int>{168, 165};
    }

    void lineListAnswers()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, nTag);
        QFETCH(int, nRows);
        QFETCH(QList<int>, codes);
        manager()->addDataByJsonArray(
            answer(0, R"([{"ip":"2.2.2.2"},{"ip":"3.3.3.3"}])")->m_jsValue, Proxy_Online, 0);
        QSignalSpy spy(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        m_recv->PostEventInterface(answer(GET_LINE_LIST_RESULT, body, nTag).get());
        QList<int> received;
        for (const QVariantList& message : spy)
            received << message.at(0).toInt();
        QCOMPARE(received, codes);
        if (received.first() == 113)
            manager()->beginRarseProxyListData();
        else if (received.first() == 168)
            manager()->appendRarseProxyListData();
        QCOMPARE(manager()->table(Proxy_Online).size(), nRows);
    }
};

QTEST_MAIN(tst_ProxySync)
#include "tst_ProxySync.moc"
