// The outside browser's requests through the client's own transport against the stand-in
// browser, whose address the client finds in the configuration file the stand-in writes.
#include "CountingInterfaceRecv.h"
#include "SandboxBrowser.h"

#include "Interface/GlobleParam.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

constexpr int kSettleMs = 15000 * QEL_TIME_FACTOR;
const std::string kShop = "5f0d3c2a9b7e4f61a2c8d4e6b1a30001";

using UiMessage = QList<QVariant>;
using UiMessages = QList<UiMessage>;

QStringList paths(const Json::Value& log)
{
    QStringList out;
    for (const Json::Value& entry : log)
        out.append(QString::fromStdString(entry["path"].asString()));
    return out;
}

Json::Value body(const Json::Value& entry)
{
    Json::Value parsed;
    JsonRead::parse(entry["body"].asString(), parsed);
    return parsed;
}

Json::Value parsed(const char* text)
{
    Json::Value value;
    JsonRead::parse(text, value);
    return value;
}

} // namespace

Q_DECLARE_METATYPE(std::string)

class tst_BrowserRequests : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;
    SandboxBrowser m_browser;
    std::unique_ptr<GlobleParam> m_param;
    std::unique_ptr<CountingInterfaceRecv> m_recv;

    void settle() { QVERIFY(m_recv->settle(kSettleMs)); }

    // What the binding hands over once its port is bound.
    void bind(const std::string& id, const std::string& port)
    {
        m_recv->pushUpdateBrowserWnd(id, port, 0);
        settle();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.path()));
        QVERIFY(m_browser.start({"--config-home", m_home.path()}));
        m_param.reset(new GlobleParam);
        m_recv.reset(new CountingInterfaceRecv);
    }

    void init()
    {
        m_browser.reset();
        m_param->setBrowserWndReStart(false);
        m_param->setClearBrowserCookie(false);
    }

    void cleanupTestCase()
    {
        m_recv.reset();
        m_param.reset();
    }

    void listReachesTheScreens()
    {
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        m_recv->pushGetBrowserList();
        settle();

        QCOMPARE(ui.count(), 1);
        QCOMPARE(ui.at(0).at(0).toInt(), 143);
        QCOMPARE(ui.at(0).at(2).toInt(), 0);
        Json::Value list;
        QVERIFY(JsonRead::parse(ui.at(0).at(1).toString().toStdString(), list));
        QCOMPARE(list.size(), 3u);
        QCOMPARE(list[0]["id"].asString(), kShop);
        QCOMPARE(list[2]["name"].asString(), std::string("Café Ads"));

        const Json::Value log = m_browser.log();
        QCOMPARE(paths(log), QStringList{"/browser/list"});
        QCOMPARE(log[0]["method"].asString(), std::string("POST"));
        QCOMPARE(log[0]["headers"]["content-type"].asString(), std::string("application/json"));
        QCOMPARE(body(log[0]), parsed(R"({"page": 0, "pageSize": 100})"));
        QVERIFY(log[0]["body"].asString().find('\n') != std::string::npos); // styled
    }

    void bindingChain_data()
    {
        QTest::addColumn<bool>("restart");
        QTest::addColumn<bool>("cookies");
        QTest::addColumn<QString>("portText");
        QTest::addColumn<int>("port");
        QTest::addColumn<QStringList>("sent");

        const QStringList chain{"/browser/update", "/browser/close", "/browser/open"};
        QTest::newRow("restart on") << true << false << "5001" << 5001 << chain;
        QTest::newRow("restart off") << false << true << "5001" << 5001
                                     << QStringList{"/browser/update"};
        QTest::newRow("digits then text") << false << false << "12ab" << 12
                                          << QStringList{"/browser/update"};
        QTest::newRow("no leading digit") << false << false << " 7" << 0
                                          << QStringList{"/browser/update"};
        QTest::newRow("beyond int") << false << false << "99999999999" << 2147483647
                                    << QStringList{"/browser/update"};
    }

    void bindingChain()
    {
        QFETCH(bool, restart);
        QFETCH(bool, cookies);
        QFETCH(QString, portText);
        QFETCH(int, port);
        QFETCH(QStringList, sent);
        m_param->setBrowserWndReStart(restart);
        m_param->setClearBrowserCookie(cookies);
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);

        bind(kShop, portText.toStdString());

        QCOMPARE(ui.count(), 0);
        const Json::Value log = m_browser.log();
        QCOMPARE(paths(log), sent);
        Json::Value update = parsed(R"({"browserFingerPrint": {}, "host": "127.0.0.1",
                                        "proxyMethod": 2, "proxyType": "socks5"})");
        update["clearCookiesBeforeLaunch"] = cookies;
        update["id"] = kShop;
        update["port"] = port;
        QCOMPARE(body(log[0]), update);
        Json::Value window;
        window["id"] = kShop;
        for (Json::ArrayIndex i = 1; i < log.size(); ++i)
            QCOMPARE(body(log[i]), window);
    }

    void refusalsReachTheUser_data()
    {
        QTest::addColumn<QString>("refused"); // the route scripted to refuse, empty for none
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<std::string>("id");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<UiMessages>("messages");

        const QByteArray busy = R"({"success": false, "msg": "Profile is busy"})";
        const QByteArray silent = R"({"success": false, "data": {"id": "x"}})";
        const UiMessages tip{{144, "Profile is busy", 1}};
        const QStringList chain{"/browser/update", "/browser/close", "/browser/open"};
        const QStringList first(chain.mid(0, 1));
        const QStringList two(chain.mid(0, 2));
        QTest::newRow("list") << "/browser/list" << busy << std::string() << QStringList() << tip;
        QTest::newRow("list, no msg") << "/browser/list" << silent << std::string()
                                      << QStringList() << UiMessages();
        QTest::newRow("update") << chain[0] << busy << kShop << first << tip;
        QTest::newRow("close") << chain[1] << busy << kShop << two << tip;
        QTest::newRow("open") << chain[2] << busy << kShop << chain << tip;
        QTest::newRow("close, no msg") << chain[1] << silent << kShop << two
                                       << UiMessages();
        QTest::newRow("success not a boolean")
            << chain[0] << QByteArray(R"({"success": "true", "msg": "odd", "data": {"id": "x"}})")
            << kShop << first << UiMessages{{144, "odd", 1}};
        QTest::newRow("unknown id, the browser's own check")
            << QString() << QByteArray() << std::string("nope") << first
            << UiMessages{{144, "unknown browser id nope", 1}};
    }

    void refusalsReachTheUser()
    {
        QFETCH(QString, refused);
        QFETCH(QByteArray, answer);
        QFETCH(std::string, id);
        QFETCH(QStringList, sent);
        QFETCH(UiMessages, messages);
        m_param->setBrowserWndReStart(true);
        if (!refused.isEmpty()) {
            Json::Value script;
            script["route"] = refused.toStdString();
            script["mode"] = "body";
            script["body"] = parsed(answer.constData());
            script["times"] = 1;
            QVERIFY(m_browser.script(script));
        }
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);

        if (id.empty())
            m_recv->pushGetBrowserList();
        else
            m_recv->pushUpdateBrowserWnd(id, "5001", 0);
        settle();

        QCOMPARE(UiMessages(ui.begin(), ui.end()), messages);
        if (!id.empty())
            QCOMPARE(paths(m_browser.log()), sent);
    }

    // Last: the stand-in is gone from here on.
    void stoppedBrowser()
    {
        m_param->setBrowserWndReStart(true);
        QVERIFY(m_browser.stop());
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        const int nFailed = m_recv->nFailed;

        m_recv->pushUpdateBrowserWnd(kShop, "5001", 0);
        m_recv->pushCloseBrowserWnd(kShop, 0);
        m_recv->pushOpenBrowserWnd(kShop, 0);
        settle();
        QCOMPARE(m_recv->nFailed - nFailed, 3);
        QCOMPARE(ui.count(), 0);

        m_recv->pushGetBrowserList();
        settle();
        QCOMPARE(UiMessages(ui.begin(), ui.end()),
                 (UiMessages{{144, "Please start BitBrowser first", 1}}));
    }
};

QTEST_GUILESS_MAIN(tst_BrowserRequests)
#include "tst_BrowserRequests.moc"
