#include "SandboxService.h"

#include "DataManager/Search/SearchManager.h"
#include "Interface/CConfig.h"
#include "Interface/GlobleParam.h"
#include "Interface/InterfaceRecv.h"
#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/httpBase/HTTPEvent_KX.h"
#include "PublicModule/HttpCurl/httpBase/MyThreadPoolBase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

constexpr int kWaitMs = 10000 * QEL_TIME_FACTOR;

// A finished request as the dispatch hands it to its handler; text that is not JSON
// arrives as a JSON string, like a "404 page".
std::unique_ptr<HTTPEvent_KX> answer(int nCmd, const QByteArray& text)
{
    std::unique_ptr<HTTPEvent_KX> pEvent(new HTTPEvent_KX(nCmd));
    if (!JsonRead::parse(text.toStdString(), pEvent->m_jsValue))
        pEvent->m_jsValue = Json::Value(text.toStdString());
    return pEvent;
}

// A small picture that names its file, as the stand-in's icons are.
std::string svgIcon(const char* szName)
{
    return std::string(R"(<svg xmlns="http://www.w3.org/2000/svg" width="8" height="8"><title>)") +
           szName + "</title></svg>";
}

QList<int> uiTypes(const QSignalSpy& spy)
{
    QList<int> types;
    for (const QList<QVariant>& args : spy)
        types.append(args.at(0).toInt());
    return types;
}

} // namespace

// The URL settings and side-bar column answers, the side bar filled from the previous
// run's column cache, and the outside browser's address found in its own config file.
class tst_SideBar : public QObject
{
    Q_OBJECT

private:
    static QString cachePath()
    {
        return QCoreApplication::applicationDirPath() + "/temp/column/columnArray.ini";
    }

    static void writeCache(const QByteArray& json)
    {
        QVERIFY(QDir().mkpath(QFileInfo(cachePath()).path()));
        QFile file(cachePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(
            QByteArray::fromStdString(Encryption::GetInstance()->encode(json.toStdString())));
    }

    static void writeBrowserConfig(const QString& home, const QByteArray& text)
    {
        QVERIFY(QDir().mkpath(home + "/bitbrowser"));
        QFile file(home + "/bitbrowser/config.json");
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    // "@" stands for the icon host: moc reads raw strings as plain ones, and a "//" that
    // falls outside its idea of a string hides every slot of the file.
    const QByteArray m_cache = QByteArray(R"([{"pos": 1, "left_img_url": "@img/a.png",
             "right_img_url": "@img/b.png", "jump_url": "j1"},
            {"pos": 2, "left_img_url": "c.png", "right_img_url": "@d.png"},
            {"pos": 1, "left_img_url": "", "type": 4},
            {"pos": 3, "left_img_url": "@e.png"},
            "not an object"])")
                                   .replace("@", "https://cdn.example/");

private slots:
    void init() { QDir(QCoreApplication::applicationDirPath() + "/temp").removeRecursively(); }

    void cleanupTestCase()
    {
        QDir(QCoreApplication::applicationDirPath() + "/temp").removeRecursively();
    }

    void cacheSplitsIntoColumnsAndRows()
    {
        GlobleParam param;
        param.initSideBar(); // no cache yet: nothing changes
        QVERIFY(param.getSideBarColumn().isEmpty());

        writeCache(m_cache);
        param.initSideBar();
        const QJsonArray columns = param.getSideBarColumn();
        const QJsonArray rows = param.getSideBarRow();
        QCOMPARE(columns.size(), 2);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(columns.at(0)["left_img_local"].toString(), QString("a.png"));
        QCOMPARE(columns.at(0)["right_img_local"].toString(), QString("b.png"));
        QCOMPARE(columns.at(0)["jump_url"].toString(), QString("j1"));
        QVERIFY(!columns.at(1).toObject().contains("left_img_local"));
        QVERIFY(!rows.at(0).toObject().contains("left_img_local")); // no "/": no file name
        QVERIFY(!rows.at(0).toObject().contains("right_img_local"));

        QSignalSpy columnSpy(&param, &GlobleParam::jsonSideBarColumnChanged);
        param.initSideBar(); // same content: silent
        QCOMPARE(columnSpy.count(), 0);

        writeCache("this is not json");
        param.initSideBar();
        QVERIFY(param.getSideBarColumn().isEmpty() && param.getSideBarRow().isEmpty());
        QCOMPARE(columnSpy.count(), 1);
    }

    void browserAddressUnderConfigHome()
    {
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
        GlobleParam param;
        QCOMPARE(param.getBrowserUrl(), std::string()); // no config file yet

        writeBrowserConfig(home.path(), R"({"localServerAddress": 54345})");
        QCOMPARE(param.getBrowserUrl(), std::string()); // not text
        writeBrowserConfig(home.path(), "{\"localServerAddress\": \"http://127.0.0.1:54345");
        QCOMPARE(param.getBrowserUrl(), std::string()); // malformed

        writeBrowserConfig(home.path(), "{ // by the browser\n"
                                        "\"localServerAddress\": \"http://127.0.0.1:54345/\"}");
        QCOMPARE(param.getBrowserUrl(), std::string("http://127.0.0.1:54345/"));
        QVERIFY(QFile::remove(home.path() + "/bitbrowser/config.json"));
        QCOMPARE(param.getBrowserUrl(), std::string("http://127.0.0.1:54345/")); // cached
    }

    void urlSettings_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("urls"); // forgotten password, redeem help, settings, Google
        QTest::addColumn<QString>("banned");
        QTest::addColumn<QList<int>>("ui");
        QTest::addColumn<QByteArray>("carousel");
        const QStringList before{"f0", "c0", "s0", "g0"};

        QTest::newRow("full")
            << QByteArray(R"({"code": 0, "msg": "ok", "ret_data": {
                   "reset_pass_url": "f", "cdk_help_url": "c", "proxy_help_url": "s",
                   "google_login_url": "g",
                   "ban_process": [{"process": "a.exe"}, {"process": "b.exe"}],
                   "pc_qt_middle_img_rotation": [{"img": "m"}],
                   "pc_login_img_rotation": [{"img": "l"}]}})")
            << QStringList{"f", "c", "s", "g"} << "a.exe,b.exe" << QList<int>{125, 181}
            << QByteArray(R"([{"img":"m"}])");
        QTest::newRow("partial") << QByteArray(R"({"code": "0", "ret_data": {
                   "reset_pass_url": "f", "ban_process": [], "pc_qt_middle_img_rotation": {}}})")
                                 << QStringList{"f", "", "", "g0"} << "" << QList<int>{}
                                 << QByteArray("null");
        QTest::newRow("wrong member types")
            << QByteArray(R"({"code": 0, "ret_data": {"reset_pass_url": 7,
                   "google_login_url": ["g"], "ban_process": {"process": "x"},
                   "pc_login_img_rotation": "l"}})")
            << QStringList{"", "", "", "g0"} << "old" << QList<int>{} << QByteArray("null");
        QTest::newRow("refused") << QByteArray(R"({"code": 1, "msg": "no", "ret_data": {
                   "reset_pass_url": "f", "ban_process": [], "pc_login_img_rotation": []}})")
                                 << before << "old" << QList<int>{} << QByteArray("null");
        QTest::newRow("data not an object")
            << QByteArray(R"({"code": 0, "ret_data": [{"reset_pass_url": "f"}]})") << before
            << "old" << QList<int>{} << QByteArray("null");
        QTest::newRow("not an object") << QByteArray("404 page not found") << before << "old"
                                       << QList<int>{} << QByteArray("null");
    }

    void urlSettings()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, urls);
        QFETCH(QString, banned);
        QFETCH(QList<int>, ui);
        QFETCH(QByteArray, carousel);
        GlobleParam param;
        InterfaceRecv recv;
        delete SearchManager::GetInstance(); // a fresh store for every row
        param.setForgetPassUrl("f0");
        param.setCdkHelpUrl("c0");
        param.setProgramSettingUrl("s0");
        param.setGoogleLoginUrl("g0");
        param.setBanProcess("old");
        QSignalSpy spy(&recv, &InterfaceProcBase::signal_SetUiData);

        recv.slotGetUrl(answer(URL_RESULT, text).get());
        QCOMPARE((QStringList{param.getForgetPassUrl(), param.getCdkHelpUrl(),
                              param.getProgramSettingUrl(), param.getGoogleLoginUrl()}),
                 urls);
        QCOMPARE(param.getBanProcess(), banned);
        QCOMPARE(uiTypes(spy), ui);
        Json::Value expected;
        QVERIFY(JsonRead::parse(carousel.toStdString(), expected));
        QVERIFY(SearchManager::GetInstance()->getCarouselDataJson() == expected);
        QCOMPARE(SearchManager::GetInstance()->getLoginImgDataJson().isArray(), ui.contains(181));
    }

    // Icons come from the stand-in service; entries share one, some name no file, and one
    // is no picture at all.
    void columnAnswerFetchesEachIconOnceAndIsShownAtTheNextStart()
    {
        SandboxService service;
        QVERIFY(service.start());
        for (const char* szName : {"a.png", "b.png", "c.png", "d.png", "e.png"}) {
            Json::Value icon;
            icon["route"] = std::string("/icons/") + szName;
            icon["mode"] = "body";
            icon["body"] = std::string(szName) == "e.png" ? std::string("not a picture")
                                                          : svgIcon(szName);
            QVERIFY(service.script(icon));
        }
        const std::string strIcons = service.resUrl().toStdString() + "/icons/";
        Json::Value entries;
        const std::string strEntries = R"([
            {"pos": 1, "type": 1, "jump_url": "j1", "data": {"en": {"name": "A"}},
             "left_img_url": "@a.png", "right_img_url": "@b.png"},
            {"pos": 2, "left_img_url": "@c.png", "right_img_url": "@d.png"},
            {"pos": 3, "left_img_url": "@e.png"},
            {"pos": 1, "left_img_url": "@a.png", "right_img_url": "@.."},
            {"pos": 1, "left_img_url": "a.png", "right_img_url": "@."},
            {"pos": 2, "left_img_url": "@"}])";
        QVERIFY(JsonRead::parse(QString::fromStdString(strEntries)
                                    .replace("@", QString::fromStdString(strIcons))
                                    .toStdString(),
                                entries));
        Json::Value column;
        column["route"] = "/api/client/get_column_v2";
        column["mode"] = "body";
        column["body"]["code"] = 0;
        column["body"]["ret_data"] = entries;
        QVERIFY(service.script(column));

        GlobleParam param;
        InterfaceRecv recv;
        recv.InitStaticData();
        recv.SetLoginDomian(service.apiUrl().toStdString());
        QSignalSpy spy(&recv, &InterfaceProcBase::signal_SetUiData);
        recv.pushGetColumn();
        QTRY_COMPARE_WITH_TIMEOUT(uiTypes(spy).count(150), 3, kWaitMs);
        recv.pushGetColumn(); // the pictures are on disk now, the other is asked for again
        QTRY_COMPARE_WITH_TIMEOUT(uiTypes(spy).count(150), 6, kWaitMs);
        QVERIFY(MyThreadPoolBase::GetInstance()->waitForDone(kWaitMs));
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 6);

        QStringList paths;
        for (const Json::Value& entry : service.log())
            paths.append(QString::fromStdString(JsonRead::getString(entry, "path")));
        QVERIFY(paths.removeAll("/icons/e.png") >= 2);
        paths.sort();
        QCOMPARE(paths, (QStringList{"/api/client/get_column_v2", "/api/client/get_column_v2",
                                     "/icons/a.png", "/icons/b.png", "/icons/c.png"}));
        const QString qstrIcons = QCoreApplication::applicationDirPath() + "/temp/column/";
        QFile icon(qstrIcons + "a.png");
        QVERIFY(icon.open(QIODevice::ReadOnly));
        QCOMPARE(icon.readAll(), QByteArray::fromStdString(svgIcon("a.png")));
        QVERIFY(!QFile::exists(qstrIcons + "e.png"));
        QVERIFY(!QFile::exists(qstrIcons + "e.png.part"));

        const QJsonArray columns = param.getSideBarColumn();
        const QJsonArray rows = param.getSideBarRow();
        QCOMPARE(columns.size(), 3);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(columns.at(0)["left_img_local"].toString(), QString("a.png"));
        QCOMPARE(columns.at(0)["right_img_local"].toString(), QString("b.png"));
        QCOMPARE(columns.at(0)["jump_url"].toString(), QString("j1"));
        QCOMPARE(rows.at(0)["left_img_local"].toString(), QString("c.png"));
        QVERIFY(!rows.at(0).toObject().contains("right_img_local"));
        QVERIFY(!columns.at(1).toObject().contains("right_img_local"));
        QVERIFY(!columns.at(2).toObject().contains("left_img_local"));
        QVERIFY(!columns.at(2).toObject().contains("right_img_local"));
        QVERIFY(!rows.at(1).toObject().contains("left_img_local"));

        std::string strCache;
        QVERIFY(CConfig::ReadFileText(GlobleParam::sideBarCachePath(), strCache));
        Json::Value cached;
        QVERIFY(JsonRead::parse(Encryption::GetInstance()->decode(strCache), cached));
        QVERIFY(cached == entries); // as received, without the local names

        GlobleParam nextStart;
        nextStart.initSideBar();
        QCOMPARE(nextStart.getSideBarColumn(), columns);
        QCOMPARE(nextStart.getSideBarRow(), rows);
    }

    void refusedColumnAnswerChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("refused") << QByteArray(R"({"code": 1, "ret_data": [{"pos": 1}]})");
        QTest::newRow("data not an array") << QByteArray(R"({"code": 0, "ret_data": {"pos": 1}})");
        QTest::newRow("not an object") << QByteArray("404 page not found");
    }

    void refusedColumnAnswerChangesNothing()
    {
        QFETCH(QByteArray, text);
        writeCache(m_cache);
        GlobleParam param;
        param.initSideBar();
        InterfaceRecv recv;
        QSignalSpy spy(&param, &GlobleParam::jsonSideBarColumnChanged);

        recv.slotGetColumn(answer(COLUMN_RESULT, text).get());
        QCOMPARE(spy.count(), 0);
        QCOMPARE(param.getSideBarColumn().size(), 2);
        std::string strCache;
        QVERIFY(CConfig::ReadFileText(cachePath(), strCache));
        QCOMPARE(Encryption::GetInstance()->decode(strCache), m_cache.toStdString());
    }

    void middleImageShownOnlyOnceOnDisk()
    {
        QTemporaryDir folder;
        InterfaceRecv recv;
        QSignalSpy spy(&recv, &InterfaceProcBase::signal_SetUiData);
        auto pEvent = answer(MIDIMG_DOWNLOAD_RESULT, "");
        pEvent->m_strFilePath = folder.filePath("activity.png").toStdString();
        recv.slotDownMidImage(pEvent.get());
        QCOMPARE(spy.count(), 0);

        QFile file(folder.filePath("activity.png"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("png") == 3);
        file.close();
        recv.slotDownMidImage(pEvent.get());
        QCOMPARE(uiTypes(spy), QList<int>{152});
    }
};


QTEST_GUILESS_MAIN(tst_SideBar)
#include "tst_SideBar.moc"
