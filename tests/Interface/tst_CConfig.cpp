#include "Interface/CConfig.h"
#include "Interface/GlobleParam.h"
#include "PublicModule/HttpCurl/features/Encryption.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

class tst_CConfig : public QObject
{
    Q_OBJECT

private:
    static void writeSettings(const QByteArray& text)
    {
        QFile file(CConfig::SettingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    static QByteArray readSettings()
    {
        QFile file(CConfig::SettingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QByteArray encoded(const std::string& plain)
    {
        return QByteArray::fromStdString(Encryption::GetInstance()->encode(plain));
    }

    // What the call writes to standard error, the message handler's lines included.
    static QByteArray standardErrorOf(const std::function<void()>& call)
    {
        QTemporaryFile file;
        if (!file.open())
            return "<no file>";
        std::fflush(stderr);
        const int nSaved = ::dup(STDERR_FILENO);
        ::dup2(file.handle(), STDERR_FILENO);
        call();
        std::fflush(stderr);
        ::dup2(nSaved, STDERR_FILENO);
        ::close(nSaved);
        file.seek(0);
        return file.readAll();
    }

    static QStringList damagedCopies()
    {
        return QDir(QCoreApplication::applicationDirPath())
            .entryList({"QelProxy.ini.damaged*"}, QDir::Files | QDir::System, QDir::Name);
    }

private slots:
    void init()
    {
        QFile::remove(CConfig::SettingsPath());
        for (const QString& qstrCopy : damagedCopies())
            QFile::remove(QCoreApplication::applicationDirPath() + "/" + qstrCopy);
    }
    void cleanupTestCase() { QFile::remove(CConfig::SettingsPath()); }

    // Everything the program saves comes back on the next start, and the file is laid out
    // one member per line in key order.
    void savedFileReadsBack()
    {
        {
            GlobleParam param;
            QVERIFY(!param.getOtherProxy()); // no file yet
            param.setLoginName("user@example.org");
            param.setLoginPass(QString::fromUtf8("pä ss:\"1\""));
            param.setLangCode("_de");
            param.setBeginPort(41000);
            param.setPortNumber(77);
            param.setRepeatProxyTime(5);
            param.setApiPort(43000);
            param.setMealType(3);
            param.setMealStaticType(9);
            param.setAutoStartClient(true);
            param.setDarkMode(true);
            param.setRepeatProxy(true);
            param.setBrowserBindOpen(true);
            param.setBrowserWndReStart(true);
            param.setClearBrowserCookie(true);
            param.setProgramRestart(true);
            param.setChangeTimeZone(true);
            param.setSocks5Globle(true);
            param.setInterceptUdp(true);
            param.SetAutoLogin(true);
            param.setOtherProxy(true);
            Json::Value programs(Json::arrayValue);
            programs[0]["name"] = "curl";
            programs[0]["path"] = "/usr/bin/curl";
            param.setProgramList(programs);
            param.clearConfig();
        }
        const QByteArray text = readSettings();
        QVERIFY(text.startsWith("{\n   \"accountlist\" : null,\n   \"api_port\" : 43000,\n"));
        QVERIFY(text.endsWith("   \"socks5_globle\" : true\n}\n"));
        QVERIFY(!text.contains("pä"));

        GlobleParam param;
        QCOMPARE(param.getLoginName(), QString("user@example.org"));
        QCOMPARE(param.getLoginPass(), QString::fromUtf8("pä ss:\"1\""));
        QCOMPARE(param.getLangCode(), QString("_de"));
        QCOMPARE(param.getBeginPort(), 41000);
        QCOMPARE(param.getPortNumber(), 77);
        QCOMPARE(param.getRepeatProxyTime(), 5);
        QCOMPARE(param.getApiPort(), 43000);
        QCOMPARE(param.getMealType(), 3);
        QCOMPARE(param.getMealStaticType(), 9);
        QVERIFY(param.getAutoStartClient() && param.getDarkMode() && param.getRepeatProxy());
        QVERIFY(param.getBrowserBindOpen() && param.getBrowserWndReStart());
        QVERIFY(param.getClearBrowserCookie() && param.getProgramRestart());
        QVERIFY(param.getChangeTimeZone() && param.getSocks5Globle() && param.getInterceptUdp());
        QVERIFY(param.GetAutoLogin() && param.getOtherProxy());
        QCOMPARE(param.getProgramList()[0]["path"].asString(), std::string("/usr/bin/curl"));
    }

    void savedFileIsOwnerOnlyAndWrittenOnce()
    {
        writeSettings("{}");
        QFile::setPermissions(CConfig::SettingsPath(), QFileDevice::ReadOwner |
                                                           QFileDevice::WriteOwner |
                                                           QFileDevice::ReadOther);
        GlobleParam param;
        param.clearConfig();
        struct stat info
        {
        };
        QCOMPARE(::stat(QFile::encodeName(CConfig::SettingsPath()).constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, 0600u);

        writeSettings("{\"port_begin\": 1}");
        param.setBeginPort(2);
        param.clearConfig();
        QCOMPARE(readSettings(), QByteArray("{\"port_begin\": 1}"));
    }

    void handMadeFileLoads()
    {
        writeSettings("// written by hand\n{\n"
                      "  \"accountlist\": [ {\"account\": \"a1\", \"password\": \"" +
                      encoded("secret-1") +
                      "\"},\n"
                      "                   {\"account\": \"a2\"} ],\n"
                      "  \"login\": \"a1\", \"pass\": \"" +
                      encoded("secret-1") +
                      "\", /* the user's choice */ \"language\": \"_ru\",\n"
                      "  \"other_proxy\": false,\n"
                      "  \"program_list\": [{\"name\": \"ff\", \"path\": \"/opt/ff/ff\"}]\n}\n");
        GlobleParam param;
        QCOMPARE(param.getLoginPass(), QString("secret-1"));
        QCOMPARE(param.getLangCode(), QString("_ru"));
        QVERIFY(!param.getOtherProxy()); // as saved
        QCOMPARE(param.getProgramList().size(), 1u);

        CConfig config(&param);
        config.InitConfig();
        QList<_ACCOUNT_INFO> accounts;
        config.GetAccountList(accounts);
        QCOMPARE(accounts.size(), 2);
        QCOMPARE(accounts.at(0).strPassword, std::string("secret-1"));
        QCOMPARE(accounts.at(1).strAccount, std::string("a2"));
        QCOMPARE(accounts.at(1).strPassword, std::string());
    }

    void badFilesKeepStartUpValues_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<int>("begin");
        QTest::addColumn<int>("count");
        QTest::newRow("truncated")
            << QByteArray("{\"port_begin\": 40000, \"dark_mo") << true << 30000 << 50;
        QTest::newRow("not an object")
            << QByteArray("[{\"port_begin\": 40000}]") << true << 30000 << 50;
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe{", 4) << true << 30000 << 50;
        QTest::newRow("wrong types")
            << QByteArray("{\"port_begin\": \"40000\", \"port_num\": 1.5, \"dark_mode\": 1,"
                          " \"api_port\": 99999999999, \"language\": 7, \"login\": [],"
                          " \"program_list\": \"x\", \"accountlist\": {\"a\": 1},"
                          " \"auto_login\": null, \"other_proxy\": \"true\"}")
            << false << 30000 << 50;
        // The begin port kept does not fit the start-up count either.
        QTest::newRow("range past 65535")
            << QByteArray("{\"port_begin\": 65500, \"port_num\": 100}") << false << 30000 << 50;
        QTest::newRow("count past 65535")
            << QByteArray("{\"port_begin\": 65480, \"port_num\": 100}") << false << 65480 << 50;
        QTest::newRow("negative count") << QByteArray("{\"port_num\": -7}") << false << 30000 << 50;
        QTest::newRow("count over 200")
            << QByteArray("{\"port_begin\": 40000, \"port_num\": 201}") << false << 40000 << 50;
        QTest::newRow("begin 0") << QByteArray("{\"port_begin\": 0, \"port_num\": 77}") << false
                                 << 30000 << 77;
    }

    // A file that does not parse is kept beside the saved one, each time under a new name.
    void badFilesKeepStartUpValues()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, damaged);
        QFETCH(int, begin);
        QFETCH(int, count);
        writeSettings(text);
        GlobleParam param;
        QCOMPARE(param.getBeginPort(), begin);
        QCOMPARE(param.getPortNumber(), count);
        QCOMPARE(param.getApiPort(), 42333);
        QVERIFY(!param.getDarkMode() && !param.GetAutoLogin());
        QCOMPARE(param.getLangCode(), param.getLocalLangCode());
        QCOMPARE(param.getLoginName(), QString());
        QVERIFY(param.getProgramList().isObject() && param.getProgramList().empty());
        QVERIFY(!param.getOtherProxy());

        param.clearConfig();
        QVERIFY(readSettings().contains("\"port_num\" : " + QByteArray::number(count) + ","));
        writeSettings(text);
        const QByteArray errors = standardErrorOf([] { GlobleParam().clearConfig(); });
        const QString qstrKept = QCoreApplication::applicationDirPath() + "/QelProxy.ini.damaged.1";
        QCOMPARE(errors.contains("tst_CConfig: the settings file could not be read; it was kept as " +
                                 qstrKept.toLocal8Bit() + "\n"),
                 damaged);
        const QStringList copies = damagedCopies();
        QCOMPARE(copies, damaged ? QStringList({"QelProxy.ini.damaged", "QelProxy.ini.damaged.1"})
                                 : QStringList());
        for (const QString& qstrCopy : copies) {
            QFile copy(QCoreApplication::applicationDirPath() + "/" + qstrCopy);
            QVERIFY(copy.open(QIODevice::ReadOnly));
            QCOMPARE(copy.readAll(), text);
            QVERIFY(!(copy.permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup)));
        }
    }

    // Loading over live values announces only what changed, once.
    void loadNotifiesOnlyChanges()
    {
        GlobleParam param;
        QSignalSpy beginPort(&param, &GlobleParam::nBeginPortChanged);
        QSignalSpy portNumber(&param, &GlobleParam::nPortNumberChanged);
        CConfig config(&param);
        config.ExeInitJson("{\"port_begin\": 40000, \"port_num\": 50}");
        QCOMPARE(beginPort.count(), 1);
        QCOMPARE(beginPort.at(0).at(0).toInt(), 40000);
        QCOMPARE(portNumber.count(), 0);
    }

    // A FIFO in place of the file reads as no file, without waiting for a writer, and the
    // save puts a regular file there.
    void fifoCountsAsMissing()
    {
        QCOMPARE(::mkfifo(QFile::encodeName(CConfig::SettingsPath()).constData(), 0600), 0);
        GlobleParam param;
        QVERIFY(!param.getOtherProxy());
        param.setBeginPort(41000);
        param.clearConfig();
        QVERIFY(QFileInfo(CConfig::SettingsPath()).isFile());
        QVERIFY(readSettings().contains("\"port_begin\" : 41000"));
    }

    // The size limit makes the write fail after the temporary file was started.
    void failedSaveKeepsPreviousFile()
    {
        const QByteArray previous = "{ \"port_begin\" : 40000 }\n";
        writeSettings(previous);
        GlobleParam param;
        param.setLoginName(QString(4096, QLatin1Char('x')));

        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 512;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        param.clearConfig();
        setrlimit(RLIMIT_FSIZE, &saved);

        QCOMPARE(readSettings(), previous);
        const QStringList left = QDir(QCoreApplication::applicationDirPath())
                                     .entryList({"QelProxy.ini*"}, QDir::Files | QDir::Hidden);
        QCOMPARE(left, QStringList{"QelProxy.ini"});
    }

    void accountList()
    {
        CConfig config;
        for (int i = 1; i <= 11; ++i)
            config.AddAccount("u" + std::to_string(i), "p");
        QCOMPARE(config.GetAccountListSize(), 10);
        QList<_ACCOUNT_INFO> accounts;
        config.GetAccountList(accounts);
        QCOMPARE(accounts.first().strAccount, std::string("u11"));
        QCOMPARE(accounts.last().strAccount, std::string("u2")); // u1 fell off the end

        config.AddAccount("u8", "new"); // position 3: exchanged with the first
        config.GetAccountList(accounts);
        QCOMPARE(accounts.at(0).strAccount, std::string("u8"));
        QCOMPARE(accounts.at(0).strPassword, std::string("new"));
        QCOMPARE(accounts.at(3).strAccount, std::string("u11"));

        config.RemoveAccount("u8");
        config.RemoveAccount("nobody");
        QCOMPARE(config.GetAccountListSize(), 9);
        config.ExitConfig(); // never loaded: writes nothing
        QVERIFY(!QFile::exists(CConfig::SettingsPath()));
    }

    void languageList()
    {
        const QString qstrPath = QCoreApplication::applicationDirPath() + "/translation";
        QDir(qstrPath).removeRecursively();
        QVERIFY(CConfig().InitLanguageList().isNull());

        QVERIFY(QDir().mkpath(qstrPath));
        QFile file(qstrPath + "/Language.trs");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[ // shown in the settings page\n"
                   " {\"la\": \"English\", \"name\": \"en\", \"code\": \"_en\"} ]");
        file.close();
        const Json::Value list = CConfig().InitLanguageList();
        QCOMPARE(list[0]["code"].asString(), std::string("_en"));

        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[ {\"la\": ");
        file.close();
        QVERIFY(CConfig().InitLanguageList().isNull());
        QDir(qstrPath).removeRecursively();
    }
};

QTEST_GUILESS_MAIN(tst_CConfig)
#include "tst_CConfig.moc"
