// Every request kind through real libcurl against the stand-in service, which checks the
// signature and logs what arrived.
#include "SandboxClient.h"

#include "PublicModule/HttpCurl/httpBase/HttpCurl.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_WebServiceE2E : public QObject
{
    Q_OBJECT

private:
    static Json::Value headersOf(const Json::Value& entry)
    {
        return JsonRead::getObject(entry, "headers");
    }

private slots:
    void init()
    {
        m_client.reset(new SandboxClient);
        QVERIFY(m_client->start());
    }
    void cleanup() { m_client.reset(); }

    void signedFormPostCarriesHeadersAndFieldsUnchanged()
    {
        m_client->recv->SetSessionId("abc123");
        m_client->recv->SetUid("42");
        HTTPEvent_KX* pRecord = SandboxClient::record(REQUEST_NORMAL, "/api/socks/login");
        pRecord->m_vetParams = {{"username", "alice"}, {"password", "p&a=ss ü"}};
        const ReportCopy& report = m_client->run(pRecord);
        QVERIFY(report.bSuccess);
        // The stand-in refuses every account but the demo one.
        QCOMPARE(report.nParam1, 1001);
        QCOMPARE(report.strParam, std::string("1001"));
        QCOMPARE(report.strResult, std::string("Wrong account or password"));
        QCOMPARE(report.strDomain, m_client->service.apiUrl().toStdString());

        const Json::Value entries = m_client->entries("/api/socks/login");
        QCOMPARE(entries.size(), 1u);
        const Json::Value& entry = entries[0];
        QCOMPARE(JsonRead::getString(entry, "method"), std::string("POST"));
        QVERIFY(JsonRead::getBool(entry, "sign_ok"));
        const Json::Value form = JsonRead::getObject(entry, "form");
        QCOMPARE(JsonRead::getString(form, "password"), std::string("p&a=ss ü"));
        QCOMPARE(form.size(), 2u); // no header value repeated in the body
        const Json::Value headers = headersOf(entry);
        QCOMPARE(JsonRead::getString(headers, "qv-session-id"), std::string("abc123"));
        QCOMPARE(JsonRead::getString(headers, "qv-platform"), std::string("linux"));
    }

    void notFoundRouteIsAnAnswerWithCodeMinusOne()
    {
        HTTPEvent_KX* pRecord = SandboxClient::record(REQUEST_ENCODE, "/api/none", 3);
        pRecord->m_vetParams = {{"a", "1"}};
        const ReportCopy& report = m_client->run(pRecord);
        QVERIFY(report.bSuccess);
        QCOMPARE(report.nParam1, -1);
        QCOMPARE(report.strParam, std::string("-1"));
        QCOMPARE(report.strResult, std::string("/api/none 404 page not found"));
        QCOMPARE(m_client->entries("/api/none").size(), 1u);
    }

    void getEncodesQueryAndKeepsUrlAsSent()
    {
        m_client->recv->SetSessionId("s/1");
        HTTPEvent_KX* pRecord = SandboxClient::record(REQUEST_GET, "/api/test/get", 2);
        pRecord->m_vetParams = {{"k", "a b&c"}, {"n", "1"}};
        const ReportCopy& report = m_client->run(pRecord);
        QVERIFY(report.bSuccess);
        const std::string strTarget = "/api/test/get?token=s%2F1&platform=client&k=a%20b%26c&n=1";
        QCOMPARE(report.strInterface, m_client->service.apiUrl().toStdString() + strTarget);
        QCOMPARE(JsonRead::getString(JsonRead::getObject(report.jsValue, "data"), "kind"),
                 std::string("get"));
        QVERIFY(!report.strValue.empty());
        const Json::Value entries = m_client->entries("/api/test/get");
        QCOMPARE(entries.size(), 1u);
        QCOMPARE(JsonRead::getString(entries[0], "target"), strTarget);
        QCOMPARE(JsonRead::getString(JsonRead::getObject(entries[0], "query"), "k"),
                 std::string("a b&c"));
        QVERIFY(!headersOf(entries[0]).isMember("qv-sign"));
    }

    void getRetryRebuildsTheUrlFromTheRoute()
    {
        Json::Value script;
        script["route"] = "/api/test/get";
        script["mode"] = "nonjson";
        script["times"] = 1;
        QVERIFY(m_client->service.script(script));
        const ReportCopy& report =
            m_client->run(SandboxClient::record(REQUEST_GET, "/api/test/get", 2));
        QVERIFY(report.bSuccess);
        const Json::Value entries = m_client->entries("/api/test/get");
        QCOMPARE(entries.size(), 2u);
        QCOMPARE(JsonRead::getString(entries[1], "target"),
                 JsonRead::getString(entries[0], "target"));
    }

    void jsonPostSendsBodyWithOneContentTypeHeader()
    {
        HTTPEvent_KX* pRecord = SandboxClient::record(REQUEST_JSON, "/api/test/json");
        pRecord->m_DomainType = DOMAIN_VIP;
        pRecord->m_strParam = R"({"a":1,"b":"x"})";
        const ReportCopy& report = m_client->run(pRecord);
        QVERIFY(report.bSuccess);
        QCOMPARE(report.nParam1, 1); // the plain reading leaves the code alone
        QCOMPARE(report.strDomain, m_client->service.resUrl().toStdString());
        const Json::Value entries = m_client->entries("/api/test/json");
        QCOMPARE(entries.size(), 1u);
        QCOMPARE(JsonRead::getString(entries[0], "listener"), std::string("res"));
        QCOMPARE(JsonRead::getString(entries[0], "body"), std::string(R"({"a":1,"b":"x"})"));
        QCOMPARE(JsonRead::getString(headersOf(entries[0]), "content-type"),
                 std::string("application/json"));
        QVERIFY(!headersOf(entries[0]).isMember("qv-sign"));
    }

    void deletePostsFormThenDeletesWithQuery()
    {
        HTTPEvent_KX* pRecord = SandboxClient::record(REQUEST_DELETE, "/api/test/delete");
        pRecord->m_vetParams = {{"a", "1"}, {"b", "x y"}};
        const ReportCopy& report = m_client->run(pRecord);
        QVERIFY(report.bSuccess);
        QCOMPARE(report.nParam1, 0);
        QCOMPARE(report.strInterface, std::string("/api/test/delete?a=1&b=x%20y"));
        const Json::Value entries = m_client->entries("/api/test/delete");
        QCOMPARE(entries.size(), 2u);
        QCOMPARE(JsonRead::getString(entries[0], "method"), std::string("POST"));
        QCOMPARE(JsonRead::getString(entries[1], "method"), std::string("DELETE"));
        QCOMPARE(JsonRead::getString(entries[1], "target"),
                 std::string("/api/test/delete?a=1&b=x%20y"));
        QVERIFY(JsonRead::getBool(entries[0], "sign_ok"));
        QVERIFY(JsonRead::getBool(entries[1], "sign_ok"));
    }

    void uploadSendsFilePartWithProgress()
    {
        QTemporaryDir dir;
        const QByteArray content(300 * 1024, 'z');
        QFile file(dir.filePath("log.zip"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        HTTPEvent_KX* pRecord = SandboxClient::record(REQUEST_UPLOAD, "/api/client/upload_log");
        pRecord->m_strfileurl = file.fileName().toStdString();
        pRecord->m_strfilekey = "file";
        pRecord->m_strfilename = "abnormal.zip";
        const ReportCopy& report = m_client->run(pRecord);
        QVERIFY(report.bSuccess);
        QCOMPARE(report.nParam1, 0);
        QCOMPARE(report.strResult, std::string("ok"));
        const std::vector<std::int64_t> progress = m_client->recv->progressCopy();
        QVERIFY(!progress.empty());
        QCOMPARE(progress.back(), 100);
        QVERIFY(std::is_sorted(progress.begin(), progress.end()));

        const Json::Value entries = m_client->entries("/api/client/upload_log");
        QCOMPARE(entries.size(), 1u);
        QVERIFY(JsonRead::getBool(entries[0], "sign_ok"));
        const Json::Value part = JsonRead::getArray(entries[0], "files")[0];
        QCOMPARE(JsonRead::getString(part, "name"), std::string("file"));
        QCOMPARE(JsonRead::getString(part, "filename"), std::string("abnormal.zip"));
        QCOMPARE(JsonRead::getInt(part, "size"), content.size());
        QCOMPARE(
            JsonRead::getString(part, "sha256"),
            QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex().toStdString());
    }

    void uploadOfUnreadableFileFailsWithoutTransfer()
    {
        HTTPEvent_KX* pRecord = SandboxClient::record(REQUEST_UPLOAD, "/api/client/upload_log");
        pRecord->m_strfileurl = "/nonexistent/qel/file.zip";
        pRecord->m_nParam1 = 0;
        QVERIFY(!m_client->run(pRecord).bSuccess);
        QCOMPARE(m_client->entries("/api/client/upload_log").size(), 0u);
    }

    void proxyGetThroughSocksRelayReadsRetAndMsg()
    {
        Json::Value script;
        script["route"] = "/api/client/check_ip";
        script["mode"] = "body";
        script["body"]["ret"] = "7";
        script["body"]["msg"] = "fine";
        QVERIFY(m_client->service.script(script));
        HTTPEvent_KX* pRecord = SandboxClient::record(REQUEST_VERIFY_HTTP, "");
        pRecord->m_strInterface = m_client->service.apiUrl().toStdString() + "/api/client/check_ip";
        pRecord->m_strUrl = "socks5://127.0.0.1:" + std::to_string(m_client->service.socksPort());
        pRecord->m_vetParams = {{"ip", "1.2.3.4"}};
        const ReportCopy& report = m_client->run(pRecord);
        QVERIFY(report.bSuccess);
        QCOMPARE(report.nParam1, 7);
        QCOMPARE(report.strResult, std::string("fine"));
        QCOMPARE(report.strValue, std::string(R"({"msg":"fine","ret":"7"})"));
        const Json::Value entries = m_client->entries("/api/client/check_ip");
        QCOMPARE(entries.size(), 1u);
        QCOMPARE(JsonRead::getString(JsonRead::getObject(entries[0], "query"), "ip"),
                 std::string("1.2.3.4"));
    }

    void proxyGetWithErrorMsgIsRetriedAndNotFoundIsKept()
    {
        Json::Value script;
        script["route"] = "/api/client/check_ip";
        script["mode"] = "body";
        script["body"] = R"({"errorMsg":"blocked"})";
        QVERIFY(m_client->service.script(script));
        HTTPEvent_KX* pRecord = SandboxClient::record(REQUEST_VERIFY_HTTP, "", 2);
        pRecord->m_strInterface = m_client->service.apiUrl().toStdString() + "/api/client/check_ip";
        pRecord->m_strUrl = "socks5://127.0.0.1:" + std::to_string(m_client->service.socksPort());
        QVERIFY(!m_client->run(pRecord).bSuccess);
        QCOMPARE(m_client->entries("/api/client/check_ip").size(), 2u);

        pRecord = SandboxClient::record(REQUEST_VERIFY_HTTP, "");
        pRecord->m_strInterface = m_client->service.apiUrl().toStdString() + "/api/none";
        pRecord->m_strUrl = "socks5://127.0.0.1:" + std::to_string(m_client->service.socksPort());
        const ReportCopy& report = m_client->run(pRecord);
        QVERIFY(report.bSuccess);
        QCOMPARE(report.strResult, std::string("404 page not found"));
        QVERIFY(report.strValue.empty());
    }

    void ipCheckProxyGetAnswersWithTransportCode()
    {
        HTTPEvent_KX record(115);
        record.m_strGbk = "ip_check";
        std::string strOut;
        HttpCurl curl("");
        QVERIFY(curl.GetSocks5Request(m_client->service.apiUrl().toStdString() + "/x",
                                      "socks5://127.0.0.1:1", strOut, &record));
        Json::Value answer;
        QVERIFY(JsonRead::parse(strOut, answer));
        QCOMPARE(JsonRead::getInt(answer, "code"), 7);
        QCOMPARE(JsonRead::getString(answer, "local"), std::string("socks5://127.0.0.1:1"));
    }

    void domainLookupPointsTheClientAtTheTestService()
    {
        qputenv("QEL_TEST_API_URL", m_client->service.apiUrl().toUtf8());
        qputenv("QEL_TEST_RES_URL", m_client->service.resUrl().toUtf8());
        m_client->recv->SetLoginDomian("");
        m_client->recv->SetTestServer(true);
        m_client->recv->getDomain();
        QVERIFY(m_client->recv->waitForReports(1));
        QCOMPARE(m_client->recv->GetVipDomian(), m_client->service.resUrl().toStdString());
        HTTPEvent_KX* pLogin = SandboxClient::record(REQUEST_NORMAL, "/api/socks/login");
        pLogin->m_vetParams = {{"username", "alice"}};
        QVERIFY(m_client->run(pLogin).bSuccess);
        QCOMPARE(m_client->entries("/api/socks/login").size(), 1u);
        QCOMPARE(m_client->service.log().size(), 1u); // the lookup itself sent nothing
    }

    void localRecordsMakeNoTraffic()
    {
        QVERIFY(m_client->run(SandboxClient::record(REQUEST_RUN, "/api/socks/login")).bSuccess);
        HTTPEvent_KX* pSave = SandboxClient::record(REQUEST_SAVEJSON, "");
        pSave->m_nParam6 = 3;
        pSave->m_strValue = R"(["10001"])";
        const ReportCopy& report = m_client->run(pSave);
        QVERIFY(report.bSuccess);
        QCOMPARE(report.nParam1, 0);
        QVERIFY(QFile::remove(QString::fromStdString(report.strFilePath)));
        QCOMPARE(m_client->service.log().size(), 0u);
    }

private:
    std::unique_ptr<SandboxClient> m_client;
};

QTEST_GUILESS_MAIN(tst_WebServiceE2E)
#include "tst_WebServiceE2E.moc"
