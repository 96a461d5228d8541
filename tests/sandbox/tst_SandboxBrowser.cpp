// The stand-in outside browser: its start, the configuration file it writes, how it checks
// bodies, and what a reset restores.
#include "SandboxBrowser.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

Json::Value parsed(const QByteArray& text)
{
    Json::Value value;
    JsonRead::parse(text.toStdString(), value);
    return value;
}

} // namespace

class tst_SandboxBrowser : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;
    SandboxBrowser m_browser;

    Json::Value post(const QString& path, const QByteArray& body, int* status)
    {
        return parsed(m_browser.request("POST", path, body, status));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_browser.start({"--config-home", m_home.path()}));
    }

    void init() { m_browser.reset(); }

    void startsAndAnnouncesItsAddress()
    {
        QFile config(m_home.path() + "/bitbrowser/config.json");
        QVERIFY(config.open(QIODevice::ReadOnly));
        QCOMPARE(parsed(config.readAll())["localServerAddress"].asString(),
                 m_browser.url().toStdString());

        for (const QStringList& args :
             {QStringList{"--port", "70000"}, QStringList{"--bogus", "1"},
              QStringList{"--port", "0", "--profiles", m_home.path() + "/none.json"}}) {
            QProcess bad;
            bad.start(QEL_BIN_DIR "/sandbox-browser", args);
            QVERIFY(bad.waitForFinished(3000));
            QCOMPARE(bad.exitCode(), 2);
        }
    }

    void checksBodies_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("msg"); // empty: success

        const QByteArray update = R"({"browserFingerPrint": {}, "clearCookiesBeforeLaunch": false,
            "host": "127.0.0.1", "id": "5f0d3c2a9b7e4f61a2c8d4e6b1a30002", "port": 5001,
            "proxyMethod": 2, "proxyType": "socks5"})";
        QTest::newRow("health") << "/health" << QByteArray() << "";
        QTest::newRow("list") << "/browser/list" << QByteArray(R"({"page": 0, "pageSize": 100})")
                              << "";
        QTest::newRow("list, not JSON") << "/browser/list" << QByteArray("page=0")
                                        << "the body is not a JSON object";
        QTest::newRow("list, no pageSize") << "/browser/list" << QByteArray(R"({"page": 0})")
                                           << "missing field pageSize";
        QTest::newRow("update") << "/browser/update" << update << "";
        QTest::newRow("update, port as text")
            << "/browser/update" << QByteArray(update).replace("5001", "\"5001\"")
            << "missing field port";
        QTest::newRow("update, unknown id")
            << "/browser/update" << QByteArray(update).replace("30002", "39999")
            << "unknown browser id 5f0d3c2a9b7e4f61a2c8d4e6b1a39999";
        QTest::newRow("close") << "/browser/close"
                               << QByteArray(R"({"id": "5f0d3c2a9b7e4f61a2c8d4e6b1a30001"})") << "";
        QTest::newRow("open, no id") << "/browser/open" << QByteArray("{}") << "missing field id";
        QTest::newRow("open, unknown id") << "/browser/open" << QByteArray(R"({"id": "x"})")
                                          << "unknown browser id x";
    }

    void checksBodies()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, body);
        QFETCH(QString, msg);
        int status = 0;
        const Json::Value answer = post(path, body, &status);
        QCOMPARE(status, 200);
        QCOMPARE(answer["success"].asBool(), msg.isEmpty());
        QCOMPARE(answer["msg"].asString(), msg.toStdString());
        QCOMPARE(m_browser.log().size(), 1u);
    }

    void updateShowsInTheListUntilReset()
    {
        QTemporaryDir dir;
        QFile file(dir.path() + "/profiles.json");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"([{"id": "a", "seq": 1, "name": "A"}, {"id": "b", "seq": 2, "name": ""}])");
        file.close();
        SandboxBrowser browser;
        QVERIFY(browser.start({"--profiles", file.fileName()}));
        int status = 0;
        const auto list = [&](int page, int size) {
            const QByteArray body =
                QString(R"({"page": %1, "pageSize": %2})").arg(page).arg(size).toUtf8();
            return parsed(browser.request("POST", "/browser/list", body, &status))["data"]["list"];
        };
        QCOMPARE(list(0, 100).size(), 2u);
        QCOMPARE(list(1, 1)[0]["id"].asString(), std::string("b"));
        QCOMPARE(list(1, 100).size(), 0u);

        browser.request("POST", "/browser/update",
                        R"({"browserFingerPrint": {}, "clearCookiesBeforeLaunch": true,
                            "host": "127.0.0.1", "id": "b", "port": 6001, "proxyMethod": 2,
                            "proxyType": "socks5"})",
                        &status);
        QCOMPARE(list(0, 100)[1]["port"].asInt(), 6001);
        browser.reset();
        QVERIFY(!list(0, 100)[1].isMember("port"));
        QCOMPARE(browser.log().size(), 1u); // the list after the reset
        QVERIFY(browser.stop()); // SIGTERM: exit code 0
    }

    void scriptsAnswerFirst()
    {
        Json::Value script;
        script["route"] = "/browser/open";
        script["mode"] = "status";
        script["status"] = 503;
        script["body"] = "busy";
        script["times"] = 1;
        QVERIFY(m_browser.script(script));
        int status = 0;
        QCOMPARE(m_browser.request("POST", "/browser/open", "{}", &status), QByteArray("busy"));
        QCOMPARE(status, 503);
        post("/browser/open", "{}", &status);
        QCOMPARE(status, 200);
        m_browser.request("POST", "/browser/nothing", "{}", &status);
        QCOMPARE(status, 404);
    }
};

QTEST_GUILESS_MAIN(tst_SandboxBrowser)
#include "tst_SandboxBrowser.moc"
