#include "DataManager/Proxy/ProxyManager.h"
#include "Interface/GlobleParam.h"
#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QtTest>

Q_DECLARE_METATYPE(ProxyEnum)

namespace {

const char* const kUser = "demo_user";

QString md5Key(const QString& qstrIp)
{
    return QCryptographicHash::hash((QString::fromLatin1(kUser) + qstrIp).toUtf8(),
                                    QCryptographicHash::Md5)
        .toHex();
}

std::string encoded(const Json::Value& line)
{
    return Encryption::GetInstance()->encode(toNormalString(line));
}

Json::Value lineOf(const char* szIp, const QString& qstrBuyTime = QString(),
                   const char* szPlan = "1")
{
    Json::Value line(Json::objectValue);
    line["ip"] = szIp;
    line["ip_time_type"] = szPlan;
    line["buy_time"] = qstrBuyTime.toStdString();
    return line;
}

Json::Value storedRow(const char* szSession, const Json::Value& line, const char* szPort = "")
{
    Json::Value row(Json::objectValue);
    row["session"] = szSession;
    row["line"] = encoded(line);
    row["port"] = szPort;
    row["create_time"] = "100";
    row["update_time"] = 200;
    return row;
}

QString buyTimeAgo(qint64 nSeconds)
{
    return QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch() - nSeconds)
        .toString("yyyy-MM-dd hh:mm:ss");
}

Json::Value arrayOf(std::initializer_list<Json::Value> items)
{
    Json::Value array(Json::arrayValue);
    for (const Json::Value& item : items)
        array.append(item);
    return array;
}

Json::Value object(const char* szKey, const Json::Value& value)
{
    Json::Value result(Json::objectValue);
    result[szKey] = value;
    return result;
}

} // namespace

class tst_ProxyParse : public QObject
{
    Q_OBJECT

private:
    GlobleParam* m_pParam = nullptr;
    ProxyManager* manager() { return ProxyManager::GetInstance(); }

private slots:
    void initTestCase()
    {
        m_pParam = new GlobleParam;
        m_pParam->SetUsername(QString::fromLatin1(kUser));
    }
    void cleanupTestCase() { delete m_pParam; }
    void cleanup()
    {
        delete ProxyManager::GetInstance();
        m_pParam->setMealType(0);
    }

    // One good record among malformed ones for every recipe key.
    void goodRecordsAmongMalformed_data()
    {
        QTest::addColumn<ProxyEnum>("enumType");
        QTest::addColumn<int>("nMode");
        QTest::addColumn<QByteArray>("records");
        QTest::addColumn<QString>("qstrKey");
        QTest::addColumn<int>("nSkipped");

        const Json::Value noise =
            arrayOf({Json::Value(5), Json::Value("text"), object("port", "1"), object("ip", 7)});
        auto with = [&noise](const Json::Value& good, std::initializer_list<Json::Value> bad) {
            Json::Value array = noise;
            array.append(good);
            for (const Json::Value& item : bad)
                array.append(item);
            return QByteArray::fromStdString(toNormalString(array));
        };
        const Json::Value ip = object("ip", "10.0.0.1");
        const QString qstrIpKey = md5Key("10.0.0.1");
        const Json::Value fresh = lineOf("10.0.0.1", buyTimeAgo(10));
        const Json::Value badLine = object("session", "s2");
        Json::Value undecodable = storedRow("s3", fresh);
        undecodable["line"] = "not encoded";
        Json::Value favourite = object("line_ip", "10.0.0.1");
        favourite["line_info"] = encoded(fresh);

        QTest::newRow("online") << Proxy_Online << 0 << with(ip, {}) << qstrIpKey << 4;
        QTest::newRow("static") << Proxy_StaticOnline << 0 << with(ip, {}) << qstrIpKey << 4;
        QTest::newRow("program") << Proxy_ProgramLine << 0 << with(ip, {}) << qstrIpKey << 4;
        QTest::newRow("device line") << Proxy_EquipmentLine << 0 << with(ip, {}) << "10.0.0.1" << 4;
        QTest::newRow("extraction") << Proxy_Today << 2 << with(ip, {}) << qstrIpKey << 4;
        QTest::newRow("service favourite")
            << Proxy_Favorite << 1 << with(favourite, {object("line_info", "x")}) << qstrIpKey << 5;
        QTest::newRow("stored today")
            << Proxy_Today << 0 << with(storedRow("s1", fresh), {badLine, undecodable}) << "s1"
            << 6;
        QTest::newRow("service today")
            << Proxy_Today << 1 << with(storedRow("s1", fresh), {badLine, undecodable}) << "s1"
            << 6;
        QTest::newRow("stored favourite")
            << Proxy_Favorite << 0 << with(storedRow("s1", fresh), {badLine, undecodable}) << "s1"
            << 6;
        QTest::newRow("stored api history")
            << Proxy_ApiHistory << 0 << with(storedRow("s1", fresh), {badLine, undecodable}) << "s1"
            << 6;
        QTest::newRow("device") << Proxy_Equipment << 0
                                << with(object("device_sn", "d1"), {object("device_sn", "")})
                                << "d1" << 5;
    }

    void goodRecordsAmongMalformed()
    {
        QFETCH(ProxyEnum, enumType);
        QFETCH(int, nMode);
        QFETCH(QByteArray, records);
        QFETCH(QString, qstrKey);
        QFETCH(int, nSkipped);
        Json::Value array;
        QVERIFY(JsonRead::parse(records.toStdString(), array));
        int nCounted = -1;
        QCOMPARE(manager()->addDataByJsonArray(array, enumType, nMode, &nCounted), 1);
        QCOMPARE(nCounted, nSkipped);
        ProxyDataBase* pRow = manager()->getListDataByKey(qstrKey, enumType);
        QVERIFY(pRow);
        QCOMPARE(pRow->getSession(), qstrKey);
        QVERIFY(pRow->getPing() == 0 || (pRow->getPing() >= 21 && pRow->getPing() <= 87));
    }

    void listParsedTwiceKeepsOneRowPerExit()
    {
        const Json::Value array =
            arrayOf({object("ip", "10.0.0.1"), object("ip", "10.0.0.1"), object("ip", "10.0.0.2")});
        for (int nPass = 0; nPass < 2; ++nPass) {
            manager()->setProxyListDataJson(array);
            manager()->beginRarseProxyListData();
            QCOMPARE(manager()->table(Proxy_Online).size(), 2);
        }
        QVERIFY(manager()->getListDataByKey(md5Key("10.0.0.2"), Proxy_Online));
    }

    void storedTodayRowsAgeOut()
    {
        // Start early in a second so that the ages below hold while the pass runs.
        QTRY_VERIFY_WITH_TIMEOUT(QDateTime::currentMSecsSinceEpoch() % 1000 < 300, 2000);
        const Json::Value old = storedRow("old", lineOf("10.0.0.2", buyTimeAgo(86401)));
        // Skipped as malformed, so never queued for deletion however old.
        const Json::Value keyless = storedRow("", lineOf("10.0.0.4", buyTimeAgo(86401)));
        const Json::Value array =
            arrayOf({storedRow("edge", lineOf("10.0.0.1", buyTimeAgo(86400)), "0"), old,
                     storedRow("static", lineOf("10.0.0.3", buyTimeAgo(2 * 86400), "6"), "50001"),
                     keyless, object("session", "lineless")});
        manager()->setLocalTodayListDataJson(const_cast<Json::Value&>(array));
        manager()->beginRarseLocalTodayListData();

        const ProxyManager::RowTable& today = manager()->table(Proxy_Today);
        QCOMPARE(today.size(), 2);
        QVERIFY(!today.contains("old"));
        auto* pEdge = static_cast<TodayList*>(today.value("edge"));
        QVERIFY(pEdge);
        QCOMPARE(pEdge->getPort(), QString());
        QCOMPARE(pEdge->getCreateTime(), 100);
        QCOMPARE(pEdge->getUpdateTime(), 200);
        QCOMPARE(static_cast<TodayList*>(today.value("static"))->getPort(), QString("50001"));
        QList<Json::Value> deletions;
        manager()->getDeleteData(deletions);
        QCOMPARE(deletions.size(), 1);
        QCOMPARE(deletions.first()["session"].asString(), std::string("old"));
        QVERIFY(manager()->getLocalTodayListDataJson().isNull());
    }

    void programLinesKeepTheLaterRecord()
    {
        Json::Value later = object("ip", "10.0.0.1");
        later["ip_time_type"] = "3";
        manager()->addDataByJsonArray(arrayOf({object("ip", "10.0.0.1"), later}),
                                      Proxy_ProgramLine, 0);
        QCOMPARE(manager()->table(Proxy_ProgramLine).size(), 1);
        QCOMPARE(manager()->getListDataByKey(md5Key("10.0.0.1"), Proxy_ProgramLine)->getIpTimeType(),
                 3);
    }

    // Online rows under the traffic plan, and an extraction the engine made for it (its
    // today row and its API history row alike).
    void trafficPlanRowsTakePlanEleven_data()
    {
        QTest::addColumn<int>("nMealType");
        QTest::addColumn<int>("nMode");
        QTest::addColumn<QString>("qstrUseType");
        QTest::addColumn<QList<ProxyEnum>>("lists");
        QTest::newRow("online") << 11 << 0 << "" << QList<ProxyEnum>{Proxy_Online};
        QTest::newRow("extraction, use_type 3")
            << 0 << 2 << "3" << QList<ProxyEnum>{Proxy_Today, Proxy_ApiHistory};
    }

    void trafficPlanRowsTakePlanEleven()
    {
        QFETCH(int, nMealType);
        QFETCH(int, nMode);
        QFETCH(QString, qstrUseType);
        QFETCH(QList<ProxyEnum>, lists);
        m_pParam->setMealType(nMealType);
        Json::Value record = object("ip", "10.0.0.1");
        record["ip_time_type"] = nMode == 2 ? "1" : "3"; // as the engine reports a traffic exit
        if (!qstrUseType.isEmpty())
            record["use_type"] = qstrUseType.toStdString();
        manager()->addDataByJsonArray(arrayOf({record}), lists.first(), nMode);
        for (ProxyEnum enumType : lists) {
            const ProxyDataBase* pRow = manager()->getListDataByKey(md5Key("10.0.0.1"), enumType);
            QVERIFY2(pRow, qPrintable(QString::number(enumType)));
            QCOMPARE(pRow->getIpTimeType(), 11);
        }
    }

    void deviceLinesGainTheRandomEntry()
    {
        manager()->addDataByJsonArray(arrayOf({object("ip", "10.0.0.1")}), Proxy_EquipmentLine, 0);
        QCOMPARE(manager()->table(Proxy_EquipmentLine).size(), 2);
        QCOMPARE(manager()->getListDataByKey("Random", Proxy_EquipmentLine)->getPing(), 0);
        manager()->addDataByJsonArray(Json::Value(Json::arrayValue), Proxy_EquipmentLine, 0);
        QVERIFY(manager()->table(Proxy_EquipmentLine).isEmpty());
    }
};

QTEST_MAIN(tst_ProxyParse)
#include "tst_ProxyParse.moc"
