#include "Interface/CConfig.h"
#include "Interface/GlobleParam.h"
#include "StubWebRecv.h"

#include <QFile>
#include <QLocale>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>
#include <thread>
#include <vector>

// Records where and what the change signals deliver.
class Receiver : public QObject
{
    Q_OBJECT
public:
    QList<int> sizes;
    bool offGuiThread = false;

public slots:
    void onProgramList(Json::Value value)
    {
        sizes.append(static_cast<int>(value.size()));
        offGuiThread |= QThread::currentThread() != thread();
    }
};

class tst_GlobleParam : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove(CConfig::SettingsPath()); }
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void startUpValues()
    {
        QVERIFY(GlobleParam::GetInstance() == nullptr);
        {
            GlobleParam param;
            QCOMPARE(GlobleParam::GetInstance(), &param);
            QCOMPARE(param.getBeginPort(), 30000);
            QCOMPARE(param.getPortNumber(), 50);
            QCOMPARE(param.getApiPort(), 42333);
            QCOMPARE(param.getHttpServerPort(), 59303);
            QCOMPARE(param.getRefreshTime(), 300);
            QCOMPARE(param.getRefreshDevice(), 5);
            QCOMPARE(param.getRepeatProxyTime(), 2);
            QCOMPARE(param.getPushRepeatTime(), 7200);
            QCOMPARE(param.getMealType(), 1);
            QCOMPARE(param.getMealStaticType(), 6);
            QCOMPARE(param.getProgramSwitchTime(), 30);
            QCOMPARE(param.getHeadListState(), 1);
            QCOMPARE(param.getEquipmentState(), 1);
            QCOMPARE(param.getRunMode(), 0);
            QCOMPARE(param.getCurrentVersion(), QString("2.1.1"));
            QCOMPARE(param.getTrafficPlanUnit(), QString("KB"));
            QCOMPARE(param.getInternalNetIP(), QString("127.0.0.1"));
            QCOMPARE(param.getSocks5Param14(), QString("false"));
            QVERIFY(param.getEnableGoogle());
            QVERIFY(!param.getOtherProxy());
            QVERIFY(param.getRechargeInlineUrl().endsWith("/paypc/"));
            QVERIFY(param.getWebPayLong().endsWith("/pay?paynavVal=3"));
            QVERIFY(param.getVerifyUrl().endsWith("/?lang=en"));
            QVERIFY(param.getProgramList().isObject());
            QVERIFY(param.getSideBarColumn().isEmpty());
            QCOMPARE(param.getEmptyString(), QString(""));
        }
        QVERIFY(GlobleParam::GetInstance() == nullptr);
        QVERIFY(!QFile::exists(CConfig::SettingsPath())); // only clearConfig() saves
    }

    void settersNotifyOnlyChanges()
    {
        GlobleParam param;
        QSignalSpy ips(&param, &GlobleParam::listLocalIpChanged);
        QSignalSpy programs(&param, &GlobleParam::jsProgramListChanged);
        QSignalSpy plan(&param, &GlobleParam::fTrafficPlanNumsChanged);
        QSignalSpy token(&param, &GlobleParam::qstrTokenChanged);

        param.setListLocalIp({"10.0.0.2", "10.0.0.3"});
        param.setListLocalIp({"10.0.0.2", "10.0.0.3"});
        Json::Value list(Json::arrayValue);
        list.append("a");
        param.setProgramList(list);
        param.setProgramList(Json::Value(list));
        param.setTrafficPlanNums(1.5f);
        param.setTrafficPlanNums(1.5f);
        param.setToken("t");
        param.setToken("t");
        QCOMPARE(ips.count(), 1);
        QCOMPARE(programs.count(), 1);
        QCOMPARE(plan.count(), 1);
        QCOMPARE(plan.at(0).at(0).toFloat(), 1.5f);
        QCOMPARE(token.count(), 1);
        QCOMPARE(token.at(0).at(0).toString(), QString("t"));

        param.setProperty("nBeginPort", 40000); // what a QML assignment does
        QCOMPARE(param.getBeginPort(), 40000);
        QVERIFY(!param.setProperty("emptyString", "x"));
    }

    // Worker threads may write; the screens hear each change on the GUI thread.
    void writesFromWorkerThreads()
    {
        GlobleParam param;
        Receiver receiver;
        connect(&param, &GlobleParam::jsProgramListChanged, &receiver, &Receiver::onProgramList);
        std::atomic<int> arraysSeen{0};
        std::vector<std::thread> workers;
        for (int t = 0; t < 4; ++t) {
            workers.emplace_back([&param, &arraysSeen, t] {
                for (int i = 1; i <= 50; ++i) {
                    Json::Value list(Json::arrayValue);
                    list.resize(t * 100 + i);
                    param.setProgramList(list);
                    arraysSeen += param.getProgramList().isArray() ? 1 : 0;
                }
            });
        }
        for (std::thread& worker : workers)
            worker.join();
        QCOMPARE(arraysSeen.load(), 200);
        QTRY_COMPARE(receiver.sizes.size(), 200);
        QVERIFY(!receiver.offGuiThread);
    }

    // Begin 30000 and count 50 are the start values.
    void portRange_data()
    {
        QTest::addColumn<QString>("begin");
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("storedBegin");
        QTest::addColumn<int>("storedCount");
        QTest::addColumn<QStringList>("refused");
        QTest::addColumn<bool>("changed");
        QTest::newRow("unchanged") << "30000" << "50" << 30000 << 50 << QStringList() << false;
        QTest::newRow("both new") << "40000" << "200" << 40000 << 200 << QStringList() << true;
        QTest::newRow("begin 0") << "0" << "50" << 30000 << 50 << QStringList{"begin"} << false;
        QTest::newRow("begin 65535") << "65535" << "1" << 30000 << 1 << QStringList{"begin"}
                                     << true;
        QTest::newRow("letters") << "3a000" << "x" << 30000 << 50
                                 << QStringList{"begin", "count"} << false;
        QTest::newRow("count 201") << "30000" << "201" << 30000 << 50 << QStringList{"count"}
                                   << false;
        QTest::newRow("count 0") << "30000" << "0" << 30000 << 50 << QStringList{"count"} << false;
        QTest::newRow("new begin, count past 65535")
            << "65500" << "50" << 65500 << 50 << QStringList{"count"} << true;
        QTest::newRow("last fitting count") << "65335" << "200" << 65335 << 200 << QStringList()
                                            << true;
    }

    void portRange()
    {
        QFETCH(QString, begin);
        QFETCH(QString, count);
        GlobleParam param;
        const QVariantMap result = param.applyPortRange(begin, count);
        QTEST(param.getBeginPort(), "storedBegin");
        QTEST(param.getPortNumber(), "storedCount");
        QTEST(result.value("refused").toStringList(), "refused");
        QTEST(result.value("changed").toBool(), "changed");
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("runMode");
        QTest::newRow("program only") << QStringList{"/opt/QelProxy"} << 0;
        QTest::newRow("flow last") << QStringList{"/opt/QelProxy", "--print", "--flow"} << 1;
        QTest::newRow("flow not last") << QStringList{"/opt/QelProxy", "--flow", "--print"} << 0;
        QTest::newRow("case matters") << QStringList{"/opt/QelProxy", "--Flow"} << 0;
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, runMode);
        GlobleParam param;
        param.GetArguments(arguments);
        QCOMPARE(param.getRunMode(), runMode);
        QCOMPARE(param.getEquipmentState(), 1);
    }

    void testAccount_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("login");
        QTest::addColumn<bool>("replaced");
        const QStringList test{"/opt/QelProxy", "--x"};
        QTest::newRow("test run") << test << QByteArray("demo_user") << true;
        QTest::newRow("normal run")
            << QStringList{"/opt/QelProxy"} << QByteArray("demo_user") << false;
        QTest::newRow("no test login") << test << QByteArray() << false;
    }

    void testAccount()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, login);
        QFETCH(bool, replaced);
        QFile settings(CConfig::SettingsPath());
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(R"({"login": "saved_user", "auto_login": false})");
        settings.close();
        qputenv("QEL_TEST_LOGIN", login);
        qputenv("QEL_TEST_PASSWORD", "QelDemo#2024");
        GlobleParam param;
        param.ApplyTestAccount(arguments);
        qunsetenv("QEL_TEST_LOGIN");
        qunsetenv("QEL_TEST_PASSWORD");
        QCOMPARE(param.getLoginName(), replaced ? QString("demo_user") : QString("saved_user"));
        QCOMPARE(param.getLoginPass(), replaced ? QString("QelDemo#2024") : QString());
        QCOMPARE(param.GetAutoLogin(), replaced);
    }

    void languageCodes_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("code");
        QTest::newRow("zh_TW") << QLocale(QLocale::Chinese, QLocale::Taiwan) << "_zh_hk";
        QTest::newRow("zh_CN") << QLocale(QLocale::Chinese, QLocale::China) << "_zh_hk";
        QTest::newRow("fr") << QLocale(QLocale::French) << "_fa";
        QTest::newRow("de") << QLocale(QLocale::German) << "_de";
        QTest::newRow("pt") << QLocale(QLocale::Portuguese) << "_en";
    }

    void languageCodes()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, code);
        QLocale::setDefault(locale);
        GlobleParam param;
        QCOMPARE(param.getLocalLangCode(), code);
        QCOMPARE(param.getLangCode(), code); // the start-up language without a settings file
    }

    void webLanguageCodes()
    {
        GlobleParam param;
        QCOMPARE(param.getLanguageCodeForWeb(), QString("en")); // no service object yet
        StubWebRecv recv;
        const QList<QPair<std::string, QString>> cases = {
            {"_zh_hk", "hk"}, {"_vi", "vn"}, {"_ja", "en"}, {"_ru", "ru"}, {"_es", "es"}};
        for (const auto& item : cases) {
            recv.SetLanguage(item.first);
            QCOMPARE(param.getLanguageCodeForWeb(), item.second);
        }
    }

    void checkFileExist()
    {
        GlobleParam param;
        QTemporaryDir dir;
        QFile file(dir.filePath("f"));
        QVERIFY(!param.checkFileExist(file.fileName()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.flush();
        QVERIFY(!param.checkFileExist(file.fileName()));
        file.write("x");
        file.flush();
        QVERIFY(param.checkFileExist(file.fileName()));
        QVERIFY(!param.checkFileExist(dir.path()));
    }
};

QTEST_GUILESS_MAIN(tst_GlobleParam)
#include "tst_GlobleParam.moc"
