// Header signing, base addresses, answer reading, domain failover and the local kinds of
// the request runner; no network.
#include "StubWebRecv.h"

#include "DataManager/Search/CatalogueAnswer.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"
#include "PublicModule/HttpCurl/httpBase/HTTPEvent_KX.h"
#include "PublicModule/HttpCurl/httpBase/WebInterface.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_WebInterface : public QObject
{
    Q_OBJECT

private:
    static std::vector<ParamItem> headersAt(const char* szTimeStamp)
    {
        std::vector<ParamItem> headers;
        WebInterface::GetInstance()->GetHttpHeaderFirst(headers, szTimeStamp);
        return headers;
    }
    static std::string headerValue(const std::vector<ParamItem>& headers, const char* szKey)
    {
        for (const ParamItem& item : headers)
            if (item.strKey == szKey)
                return item.strValue;
        return "<absent>";
    }
    static QByteArray readAll(const QString& qstrPath)
    {
        QFile file(qstrPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init() { m_state.reset(new StubWebRecv); }
    void cleanup() { m_state.reset(); }

    void signsKnownVectors()
    {
        m_state->InitStaticData();
        QCOMPARE(headerValue(headersAt("1700000000"), "qv-sign"),
                 std::string("a3d07954c4e08cd464b29b4ab7f85f37"));
        m_state->SetSessionId("abc123");
        m_state->SetUid("42");
        m_state->SetLoginUserName("alice");
        QCOMPARE(headerValue(headersAt("1700000000"), "qv-sign"),
                 std::string("f43ff085d6f801b427cb671f5fd06b1e"));
        QVERIFY(headerValue(headersAt("1700000001"), "qv-sign") !=
                headerValue(headersAt("1700000000"), "qv-sign"));
    }

    void headerSetKeepsOrderAndEmptyNames()
    {
        m_state->InitStaticData();
        std::vector<ParamItem> headers = {{"existing", "1"}};
        WebInterface::GetInstance()->GetHttpHeader(headers);
        const std::vector<std::string> expected = {
            "existing",    "qv-auth-name", "qv-platform",  "qv-version",    "qv-version-show",
            "qv-union-id", "qv-oem",       "qv-new-trial", "qv-session-id", "qv-uid",
            "qv-username", "qv-timestamp", "qv-language",  "qv-channel",    "qv-sign"};
        QCOMPARE(headers.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            QCOMPARE(headers[i].strKey, expected[i]);
        QCOMPARE(headerValue(headers, "qv-session-id"), std::string());
        QCOMPARE(headerValue(headers, "qv-timestamp"), m_state->GetTimeStamp_Str());
    }

    void signSkipsEmptyValuesAndKeepsFirstDuplicate()
    {
        WebInterface* pRunner = WebInterface::GetInstance();
        std::vector<ParamItem> plain = {{"b", "2"}, {"a", "1"}};
        std::vector<ParamItem> noisy = {{"b", "2"}, {"c", ""}, {"a", "1"}, {"a", "9"}};
        QCOMPARE(pRunner->GetSign(noisy), pRunner->GetSign(plain));
        std::vector<ParamItem> salted = {{"a", "1"}};
        QCOMPARE(pRunner->GetSign(salted),
                 m_state->encode_to_md5("a=1K7q!vR2#pL9$wN4%tB6^yH8&mC3*xD5("));
    }

    void baseAddressFollowsDomainType_data()
    {
        QTest::addColumn<int>("domainType");
        QTest::addColumn<QString>("expected");
        QTest::newRow("login") << int(DOMAIN_LOGIN) << "L";
        QTest::newRow("log") << int(DOMAIN_LOG) << "G";
        QTest::newRow("vip") << int(DOMAIN_VIP) << "V";
        QTest::newRow("test") << int(DOMAIN_TEST) << "T";
        QTest::newRow("active") << int(DOMAIN_ACTIVE) << "A";
        QTest::newRow("empty") << int(DOMAIN_EMPTY) << "";
        QTest::newRow("local") << int(DOMAIN_LOCAL) << "127.0.0.1:8090";
        QTest::newRow("unknown") << 9 << "";
    }
    void baseAddressFollowsDomainType()
    {
        QFETCH(int, domainType);
        QFETCH(QString, expected);
        m_state->SetLoginDomian("L");
        m_state->SetLogDomian("G");
        m_state->SetVipDomian("V");
        m_state->SetTestDomian("T");
        m_state->SetActiveDomian("A");
        m_state->SetLocalDomian("127.0.0.1");
        HTTPEvent_KX record(1);
        record.m_DomainType = static_cast<_DomainType>(domainType);
        record.m_strApiPort = "8090";
        QCOMPARE(QString::fromStdString(WebInterface::GetInstance()->_GetEncodeDomain(&record)),
                 expected);
    }

    void serviceAnswerReading_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<qint64>("code");
        QTest::addColumn<QString>("codeText");
        QTest::addColumn<QString>("msg");
        const QString missing = "The Key Msg Is Not Existed!";
        QTest::newRow("code and msg") << R"({"code":0,"msg":"ok"})" << true << 0LL << "0"
                                      << "ok";
        QTest::newRow("text code") << R"({"code":"abc"})" << true << 0LL << "abc" << missing;
        QTest::newRow("signed text code")
            << R"({"code":" -12x","msg":1})" << true << -12LL << " -12x"
            << "1";
        QTest::newRow("bool code") << R"({"code":true,"msg":null})" << true << 0LL << "true"
                                   << "";
        QTest::newRow("null code") << R"({"code":null})" << true << 0LL << "" << missing;
        QTest::newRow("object code")
            << R"({"code":{"a":1},"msg":[1]})" << true << -1LL << "-1" << missing;
        QTest::newRow("no code") << R"({"msg":"m"})" << true << -1LL << "-1"
                                 << "m";
        QTest::newRow("bare array") << "[1,2]" << true << -1LL << "-1" << missing;
        QTest::newRow("trailing text") << R"({"code":5} tail)" << true << 5LL << "5" << missing;
        QTest::newRow("words inside json")
            << R"({"code":3,"msg":"404 page gone"})" << true << 3LL << "3"
            << "404 page gone";
        QTest::newRow("not found page") << "404 page not found" << true << -1LL << "-1"
                                        << "/r 404 page not found";
        QTest::newRow("html") << "<html>not json</html>" << false << 7LL << "keep"
                              << "keep";
        QTest::newRow("empty") << "" << false << 7LL << "keep"
                               << "keep";
        QTest::newRow("truncated") << "{\"code\":0,\"msg\":\"o" << false << 7LL << "keep"
                                   << "keep";
        // Deeper than any answer needs: refused at once instead of read for seconds.
        QStringList zeros;
        for (int i = 0; i < 20000; ++i)
            zeros << "0";
        QTest::newRow("too deep") << "{\"code\":1,\"a\":" + QString(998, '[') + zeros.join(',') +
                                         QString(998, ']') + "}"
                                  << false << 7LL << "keep"
                                  << "keep";
    }
    void serviceAnswerReading()
    {
        QFETCH(QString, body);
        QFETCH(bool, ok);
        QFETCH(qint64, code);
        QFETCH(QString, codeText);
        QFETCH(QString, msg);
        HTTPEvent_KX record(1);
        record.m_nParam1 = 7;
        record.m_strParam = "keep";
        record.m_strResult = "keep";
        QCOMPARE(WebInterface::ReadServiceAnswer(body.toStdString(), "/r", &record), ok);
        QCOMPARE(record.m_strValue, body.toStdString());
        QCOMPARE(record.m_nParam1, code);
        QCOMPARE(QString::fromStdString(record.m_strParam), codeText);
        QCOMPARE(QString::fromStdString(record.m_strResult), msg);
    }

    void plainAnswerReadingLeavesCodeAlone()
    {
        HTTPEvent_KX record(1);
        record.m_nParam1 = 7;
        QVERIFY(WebInterface::ReadPlainAnswer(R"({"code":1,"x":[2]})", "/r", &record));
        QCOMPARE(record.m_nParam1, 7);
        QCOMPARE(JsonRead::getArray(record.m_jsValue, "x").size(), 1u);
        QVERIFY(WebInterface::ReadPlainAnswer("404 page not found", "http://h/r", &record));
        QCOMPARE(record.m_nParam1, -1);
        QCOMPARE(record.m_strResult, std::string("http://h/r 404 page not found"));
        QVERIFY(record.m_jsValue.isObject()); // left as it was
        QVERIFY(!WebInterface::ReadPlainAnswer("nope", "/r", &record));
    }

    void failoverMovesToStandbyOnlyForLookupAndTlsFailures()
    {
        WebInterface* pRunner = WebInterface::GetInstance();
        pRunner->SetStandbyDomains(DOMAIN_LOGIN, {"http://s1", "http://s2"});
        pRunner->SetStandbyDomains(DOMAIN_VIP, {"https://r1"});
        m_state->SetLoginDomian("http://main");
        m_state->SetVipDomian("https://vip");
        HTTPEvent_KX record(1);
        record.m_nRequestError = 7; // refused: no switch
        pRunner->checkDomianChange(&record, "http://main");
        QCOMPARE(m_state->GetLoginDomian(), std::string("http://main"));
        record.m_nRequestError = 6;
        pRunner->checkDomianChange(&record, "http://main");
        QCOMPARE(m_state->GetLoginDomian(), std::string("http://s1"));
        // A failure on a domain that is no longer current must not use up a standby.
        pRunner->checkDomianChange(&record, "http://main");
        QCOMPARE(m_state->GetLoginDomian(), std::string("http://s1"));
        QCOMPARE(pRunner->GetStandbyDomains(DOMAIN_LOGIN), std::vector<std::string>{"http://s2"});
        record.m_DomainType = DOMAIN_VIP;
        record.m_nRequestError = 35;
        pRunner->checkDomianChange(&record, "https://vip");
        pRunner->checkDomianChange(&record, "https://r1"); // list empty: stays
        QCOMPARE(m_state->GetVipDomian(), std::string("https://r1"));
        record.m_DomainType = DOMAIN_LOG;
        pRunner->checkDomianChange(&record, "");
        QCOMPARE(pRunner->GetStandbyDomains(DOMAIN_LOGIN).size(), 1u);
    }

    void savesCatalogueCacheFiles_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("data"); // the answer without its comments
        QTest::newRow("plain") << R"({"code":0,"data":[{"b":1,"a":"x"},{"c":[1,2]}]})"
                               << R"({"code":0,"data":[{"b":1,"a":"x"},{"c":[1,2]}]})";
        QTest::newRow("line comment") << "{\"code\":0,\"data\":[\"us\",\"de\"] // list\n}"
                                      << R"({"code":0,"data":["us","de"]})";
        QTest::newRow("block comments")
            << R"(/* head */{"code":0,/* c */"data":["us" /* u */,"de"]})"
            << R"({"code":0,"data":["us","de"]})";
    }
    void savesCatalogueCacheFiles()
    {
        QFETCH(QString, answer);
        QFETCH(QString, data);
        WebInterface* pRunner = WebInterface::GetInstance();
        const QString qstrDir = QCoreApplication::applicationDirPath() + "/temp/data/";
        QDir(qstrDir).removeRecursively();
        HTTPEvent_KX record(117);
        record.m_nParam6 = 22;
        QVERIFY(CatalogueAnswer::readTexts(answer.toStdString(), "", &record));
        QVERIFY(pRunner->SaveJson(&record));
        QCOMPARE(QString::fromStdString(record.m_strFilePath), qstrDir + "isp_static.json");
        const std::string strText =
            m_state->Decode(readAll(qstrDir + "isp_static.json").toStdString());
        Json::Value expected;
        QVERIFY(JsonRead::parse(data.toStdString(), expected));
        QCOMPARE(strText, toNormalString(expected["data"]));
        Json::Value stored;
        QVERIFY(JsonRead::parse(strText, stored));
        QCOMPARE(stored, expected["data"]);
        QDir(qstrDir).removeRecursively();
    }

    void savesEmptyCacheAndRefusesUnknownOne()
    {
        WebInterface* pRunner = WebInterface::GetInstance();
        const QString qstrDir = QCoreApplication::applicationDirPath() + "/temp/data/";
        QDir(qstrDir).removeRecursively();
        HTTPEvent_KX record(117);
        record.m_nParam6 = 22;
        record.m_strValue = "[]";
        QVERIFY(pRunner->SaveJson(&record));
        QCOMPARE(m_state->Decode(readAll(qstrDir + "isp_static.json").toStdString()),
                 std::string("[]"));
        record.m_nParam6 = 4;
        QVERIFY(!pRunner->SaveJson(&record));
        QCOMPARE(QDir(qstrDir).entryList(QDir::Files), QStringList{"isp_static.json"});
        QDir(qstrDir).removeRecursively();
    }

    void downloadModesDecideBeforeTheNetwork()
    {
        QTemporaryDir dir;
        HTTPEvent_KX record(9);
        record.m_strInterface = "http://127.0.0.1:1/never";
        record.m_strRelFolder = (dir.path() + "/made").toStdString();
        record.m_strFilePath = (dir.path() + "/made/f.bin").toStdString();
        QVERIFY(!WebInterface::GetInstance()->DownloadFile(&record, 2));
        QVERIFY(!QDir(dir.path() + "/made").exists());
        QDir().mkpath(dir.path() + "/made");
        QFile file(dir.path() + "/made/f.bin");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("x") == 1);
        file.close();
        QVERIFY(WebInterface::GetInstance()->DownloadFile(&record, 0));
        QCOMPARE(record.m_strResult, std::string("已下载"));
    }

    void installCopiesProgramFolder()
    {
        m_state->InitStaticData();
        QTemporaryDir dir;
        HTTPEvent_KX record(12);
        QDir().mkpath(dir.path() + "/app");
        record.m_strInterface = (dir.path() + "/app").toStdString();
        QVERIFY(WebInterface::GetInstance()->InstallFile(&record));
        const QString qstrTarget =
            dir.path() + "/app/" + QString::fromStdString(m_state->GetInstallFolder());
        QCOMPARE(record.m_nParam1, 1);
        QCOMPARE(QString::fromStdString(record.m_strFilePath),
                 qstrTarget + "/" + QString::fromStdString(m_state->GetMainExeName()));
        QVERIFY(QFile::exists(qstrTarget + "/" + QCoreApplication::applicationName()));
        record.m_strInterface = (dir.path() + "/own_cata").toStdString();
        QVERIFY(WebInterface::GetInstance()->InstallFile(&record));
        QVERIFY(QFile::exists(dir.path() + "/own_cata/" + QCoreApplication::applicationName()));
    }

private:
    std::unique_ptr<StubWebRecv> m_state;
};

QTEST_GUILESS_MAIN(tst_WebInterface)
#include "tst_WebInterface.moc"
