// The location catalogue requests against the stand-in service: the six lists saved as
// cache files and read into the catalogue on a first sign-in, error answers that keep a
// cache, the static IP expiry answers and the repeat time.
#include "ServiceClientFixture.h"

#include "DataManager/Search/CatalogueFile.h"
#include "DataManager/Search/SearchManager.h"
#include "Interface/GlobleParam.h"
#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"
#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <curl/curl.h>

#include <functional>
#include <memory>

namespace {

constexpr int kWaitMs = 10000 * QEL_TIME_FACTOR;

Json::Value fixtureData(const QString& qstrRoute)
{
    QFile file(QStringLiteral(QEL_SOURCE_DIR "/sandbox/service/fixtures") + qstrRoute + ".json");
    Json::Value answer;
    if (file.open(QIODevice::ReadOnly))
        JsonRead::parse(file.readAll().toStdString(), answer);
    return JsonRead::member(answer, "data");
}

// The cache file as the next start reads it; null when it would not be read.
Json::Value cacheFile(const QString& qstrName)
{
    Json::Value value;
    QString qstrWhy;
    CatalogueFile::read(QCoreApplication::applicationDirPath() + "/temp/data/" + qstrName, value,
                        qstrWhy);
    return value;
}

Json::Value script(const char* szRoute, const char* szMode, const std::string& strBody)
{
    Json::Value value;
    value["route"] = szRoute;
    value["mode"] = szMode;
    value["body"] = strBody;
    value["times"] = 1;
    return value;
}

// A successful list answer of `nElements` times the element's text.
QByteArray listOf(int nElements, const QByteArray& element)
{
    QByteArray elements = element;
    for (int i = 1; i < nElements; ++i)
        elements += "," + element;
    return R"({"code": 0, "data": [)" + elements + "]}";
}

// A successful list answer of `nNames` names of `nLength` characters: nLength + 3 bytes
// each in the answer, nLength + 7 in the saved text, whose arrays are laid out over lines.
QByteArray manyNames(int nNames, int nLength = 100)
{
    return listOf(nNames, "\"" + QByteArray(nLength, 'x') + "\"");
}

// A successful operator answer whose saved text is `nTextBytes` long: a name, then lists
// nested 20 deep, which hold no entries and take 41 bytes each in the answer, 30 times
// that saved.
QByteArray nestedLists(qint64 nTextBytes)
{
    const std::string strNested = std::string(20, '[') + "0" + std::string(20, ']');
    Json::Value oneList;
    JsonRead::parse("[" + strNested + "]", oneList);
    std::string strEach;
    appendNormalLines(strEach, oneList, false);
    Json::Value names(Json::arrayValue);
    names.append("");
    std::string strFirst;
    appendNormalLines(strFirst, names, true);
    // "[", the name's line, a line for each list, "\n]".
    const qint64 nRest = nTextBytes - 3 - qint64(strFirst.size());
    const qint64 nEach = qint64(strEach.size());
    const QByteArray name = "\"" + QByteArray(int(nRest % nEach), 'x') + "\"";
    QByteArray lists;
    for (qint64 i = nRest / nEach; i > 0; --i)
        lists += "," + QByteArray::fromStdString(strNested);
    return listOf(1, name + lists);
}

// A successful answer of `nBytes` whose bulk is a list in a member before its list.
QByteArray padBeforeList(int nBytes)
{
    const QByteArray tail = R"(], "code": 0, "data": ["A"]})";
    QByteArray body = R"({"pad": [0)";
    body.reserve(nBytes);
    while (body.size() + 2 + tail.size() <= nBytes)
        body += ",0";
    return body + QByteArray(nBytes - body.size() - tail.size(), ' ') + tail;
}

// A successful area answer of one country with one state of `nCities` cities whose codes
// and names are empty: 22 bytes a city in the answer, 96 in the saved text.
QByteArray emptyCities(int nCities)
{
    QByteArray cities = R"({"code":"","name":""})";
    for (int i = 1; i < nCities; ++i)
        cities += R"(,{"code":"","name":""})";
    return R"({"code": 0, "data": [{"code": "", "name": "", "state_list": [)"
           R"({"code": "", "name": "", "city_list": [)" +
           cities + "]}]}]}";
}

// The largest resident memory since resetPeak, in MiB.
qint64 peakMiB()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() / 1024;
    return -1;
}

void resetPeak()
{
    QFile refs("/proc/self/clear_refs");
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

// Every file a start, a sign-in, an update and a pasted picture keep under temp/.
const QStringList kCacheFiles{"data/country.json",
                              "data/isp.json",
                              "data/zip.json",
                              "data/country_static.json",
                              "data/isp_static.json",
                              "data/zip_static.json",
                              "column/columnArray.ini",
                              "column/side-pricing.svg",
                              "column/side-guide.svg",
                              "carousel/banner-main.svg",
                              "loginview/banner-login.svg",
                              "activity/activity.svg",
                              "exe/updatepack.exe",
                              "exe/updatepack.exe.part",
                              "cut/pasted.jpg"};

QByteArray readAll(const QString& qstrPath)
{
    QFile file(qstrPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class tst_CatalogueRequests : public ServiceClientFixture
{
    Q_OBJECT

private:
    Json::Value formOf(const char* szPath)
    {
        for (const Json::Value& entry : m_service.log())
            if (JsonRead::getString(entry, "path") == szPath)
                return JsonRead::getObject(entry, "form");
        return Json::Value();
    }

private slots:
    void initTestCase()
    {
        QDir(QCoreApplication::applicationDirPath() + "/temp").removeRecursively();
        startClient();
    }

    void init() { m_service.reset(); }

    void cleanupTestCase()
    {
        delete SearchManager::GetInstance();
        m_recv.reset();
        m_param.reset();
        QDir(QCoreApplication::applicationDirPath() + "/temp").removeRecursively();
    }

    // Runs first: no cache files yet.
    void firstSignInFillsTheCatalogue()
    {
        QVERIFY(m_recv->signInDemo(kWaitMs));
        const QList<QPair<QString, QString>> files{
            {"country.json", "/api/get_area_list_v2"},
            {"isp.json", "/api/get_isp_list"},
            {"zip.json", "/api/get_zip_list"},
            {"country_static.json", "/api/get_static_area_list"},
            {"isp_static.json", "/api/get_static_isp_list"},
            {"zip_static.json", "/api/get_static_zip_list"}};
        for (const auto& file : files) {
            QVERIFY2(fixtureData(file.second).size() > 0, qPrintable(file.second));
            QCOMPARE(cacheFile(file.first), fixtureData(file.second));
        }
        QVERIFY(formOf("/api/get_area_list_v2").isMember("oem"));

        // The levels were empty, so the fresh files are read at once.
        SearchManager* pSearch = SearchManager::GetInstance();
        m_param->setMealType(1);
        QTRY_VERIFY_WITH_TIMEOUT(
            (pSearch->beginRarseAreaData(true), pSearch->beginRarseIspData(true),
             pSearch->beginRarseZipData(true), pSearch->getDataSizeByType(0) == 3 + 4 + 8 + 7 + 5),
            kWaitMs);
        m_param->setMealType(6);
        QTRY_VERIFY_WITH_TIMEOUT(
            (pSearch->beginRarseAreaData(true), pSearch->getDataSizeByType(Data_Country) == 2),
            kWaitMs);
    }

    void errorAnswerKeepsTheCache_data()
    {
        QTest::addColumn<bool>("bArea");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("kept");
        QTest::addColumn<bool>("refused"); // failed as an answer over its size bound
        QTest::newRow("error, empty")
            << false << QByteArray(R"({"code": 5, "data": []})") << 7 << false;
        QTest::newRow("not an array")
            << false << QByteArray(R"({"code": 0, "data": {}})") << 7 << false;
        QTest::newRow("error with entries")
            << false << QByteArray(R"({"code": 5, "data": ["A"]})") << 1 << false;
        QTest::newRow("success, empty")
            << false << QByteArray(R"({"code": 0, "data": []})") << 0 << false;
        // Just over and just under the answer cap (about 36 MiB): refused, or saved and
        // read back although its saved text is larger than the answer.
        QTest::newRow("answer over the cap") << false << manyNames(370000) << 7 << true;
        QTest::newRow("answer under the cap") << false << manyNames(360000) << 360000 << false;
        // Under the cap, but its saved text would pass what a file may hold, or it makes
        // more entries than a catalogue takes, or the rest of the answer would be held as
        // one tree of millions of values: refused as an answer over the cap is.
        QTest::newRow("saved text over the file's bound")
            << true << emptyCities(1700000) << 3 << true;
        QTest::newRow("saved text a byte over the file's bound, few entries")
            << false << nestedLists(CatalogueFile::kMaxTextBytes + 1) << 7 << true;
        QTest::newRow("over a million entries") << false << manyNames(1000001, 2) << 7 << true;
        QTest::newRow("a million entries") << false << manyNames(1000000, 2) << 1000000 << false;
        QTest::newRow("another member of the cap's size")
            << false << padBeforeList(int(CatalogueFile::kMaxAnswerBytes) - 8) << 7 << true;
        // Elements just within the value bound whose trees weigh the most for their text.
        // Minutes under the sanitizers, whose memory says nothing of the client's.
        if (QEL_TIME_FACTOR == 1)
            QTest::newRow("elements of empty lists just under the value bound")
                << true << listOf(12, "[" + QByteArray("[],").repeated(999000) + "[]]") << 12
                << false;
        // Read in runs: a name ending in a backslash ends its string.
        QTest::newRow("names ending in a backslash")
            << false << listOf(200000, "\"a\\\\\"") << 200000 << false;
    }

    void errorAnswerKeepsTheCache()
    {
        QFETCH(bool, bArea);
        QFETCH(QByteArray, body);
        QFETCH(int, kept);
        QFETCH(bool, refused);
        const char* const szRoute = bArea ? "/api/get_area_list_v2" : "/api/get_isp_list";
        const QString qstrFile = bArea ? "country.json" : "isp.json";
        const unsigned nFixture = fixtureData(szRoute).size();
        // A 36 MiB answer is parsed and encoded in about half a minute under the sanitizers.
        const auto askAndSettle = [this, bArea] {
            return m_recv->runAndSettle(
                [bArea](InterfaceRecv& r) { bArea ? r.pushGetAreaListV2() : r.pushGetIspList(); },
                4 * kWaitMs);
        };
        QVERIFY(askAndSettle());
        QTRY_COMPARE_WITH_TIMEOUT(cacheFile(qstrFile).size(), nFixture, kWaitMs);
        QVERIFY(m_service.script(script(szRoute, "body", body.toStdString())));
        body.clear();
        resetPeak();
        const qint64 nBefore = peakMiB();
        m_recv->nLastError = 0;
        QVERIFY(askAndSettle());
        // Taken before the file is read back here as one tree. Taking any answer under the
        // cap keeps a client holding the large catalogue (about 250 MiB) well within a gigabyte.
        const qint64 nRise = peakMiB() - nBefore;
        QCOMPARE(int(cacheFile(qstrFile).size()), kept);
        QCOMPARE(m_recv->nLastError == CURLE_FILESIZE_EXCEEDED, refused);
        QVERIFY2(nRise < 600 * QEL_TIME_FACTOR, qPrintable(QString("%1 MiB").arg(nRise)));
    }

    void staticIpExpiry_data()
    {
        // Addresses are built: moc takes a double slash inside a string for a comment.
        const std::string strSlashes(2, '/');
        const std::string strRenew = "https:" + strSlashes + "renew.example/a";
        const std::string strEncoded = Encryption::GetInstance()->encode(strRenew);
        const std::string strLocal =
            Encryption::GetInstance()->encode("file:" + strSlashes + "/etc/passwd");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("type");
        QTest::newRow("expired") << ""
                                 << ""
                                 << "" << 0 << 159;
        QTest::newRow("renewable")
            << "body"
            << QString::fromStdString("{\"code\":0,\"is_expire\":false,\"renew_url\":\"" +
                                      strEncoded + "\"}")
            << QString::fromStdString(strRenew) << 1 << 159;
        QTest::newRow("no address") << "body"
                                    << R"({"code":0,"is_expire":false})"
                                    << "" << 1 << 159;
        QTest::newRow("not a web address")
            << "body"
            << QString::fromStdString("{\"code\":0,\"is_expire\":false,\"renew_url\":\"" +
                                      strLocal + "\"}")
            << "" << 1 << 159;
        QTest::newRow("unreachable") << "close"
                                     << ""
                                     << "" << 1 << 158;
    }

    void staticIpExpiry()
    {
        QFETCH(QString, mode);
        QFETCH(QString, body);
        QFETCH(QString, text);
        QFETCH(int, value);
        QFETCH(int, type);
        if (!mode.isEmpty()) {
            Json::Value rule =
                script("/api/client/static_ip_expire_time", qPrintable(mode), body.toStdString());
            rule["times"] = -1;
            QVERIFY(m_service.script(rule));
        }
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        QVERIFY(runAndWait([](InterfaceRecv& r) { r.checkUserStaticIPExpire("1.2.3.4"); }));
        QCOMPARE(ui.count(), 1);
        QCOMPARE(ui.first(), (QList<QVariant>{type, text, value}));
        if (mode != "close")
            QCOMPARE(JsonRead::getString(formOf("/api/client/static_ip_expire_time"), "ip"),
                     std::string("1.2.3.4"));
    }

    // Links planted at the cache folders or at the cache files lead nowhere:
    // a signed-in start still saves and shows the catalogue, the side bar and the pictures,
    // in folders of the program, and what the links lead to stays as it was.
    void linksAtTheCachesLeadNowhere_data()
    {
        QTest::addColumn<QString>("planted");
        QTest::newRow("each folder a link") << "folders";
        QTest::newRow("each file a link") << "files";
    }

    void linksAtTheCachesLeadNowhere()
    {
        QFETCH(QString, planted);
        const QString qstrTemp = QCoreApplication::applicationDirPath() + "/temp";
        QVERIFY(QDir(qstrTemp).removeRecursively());
        QTemporaryDir outside;
        QStringList folders;
        for (const QString& qstrName : kCacheFiles) {
            QVERIFY(QDir().mkpath(QFileInfo(outside.filePath(qstrName)).path()));
            QFile decoy(outside.filePath(qstrName));
            QVERIFY(decoy.open(QIODevice::WriteOnly) && decoy.write(qstrName.toUtf8()) > 0);
            folders.append(QFileInfo(qstrName).path());
        }
        folders.removeDuplicates();
        const auto plant = [&](const QStringList& names) {
            for (const QString& qstrName : names)
                QVERIFY(QDir().mkpath(QFileInfo(qstrTemp + "/" + qstrName).path()) &&
                        QFile::link(outside.filePath(qstrName), qstrTemp + "/" + qstrName));
        };
        plant(planted == "files" ? kCacheFiles : folders);
        const std::string strPackage = m_service.resUrl().toStdString() + "/files/hello.txt";
        QVERIFY(runAndWait([&strPackage](InterfaceRecv& r) {
            r.mainLoadReady(0);
            r.pushLogin(SandboxService::kDemoUser, SandboxService::kDemoPassword);
            r.startUpdateDownload(strPackage);
        }));
        // What the screens do with the pictures the start handed them, and a paste's write.
        SearchManager::GetInstance()->beginRarseCarouselData();
        SearchManager::GetInstance()->beginParseLoginImgData();
        QVERIFY(WebRecv::writeFileAtomically(qstrTemp + "/cut/pasted.jpg", "jpg"));
        QVERIFY(m_recv->settle(kWaitMs));

        for (const QString& qstrFolder : folders) {
            QStringList decoys = kCacheFiles.filter(QRegularExpression("^" + qstrFolder + "/"));
            decoys.replaceInStrings(qstrFolder + "/", "").sort();
            QCOMPARE(QDir(outside.filePath(qstrFolder))
                         .entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                    QDir::NoDotAndDotDot),
                     decoys);
        }
        for (const QString& qstrName : kCacheFiles) {
            QCOMPARE(readAll(outside.filePath(qstrName)), qstrName.toUtf8());
            const QFileInfo cached(qstrTemp + "/" + qstrName);
            QVERIFY2(qstrName.endsWith(".part") || (cached.isFile() && !cached.isSymLink()),
                     qPrintable(qstrName));
        }
        QCOMPARE(cacheFile("country.json"), fixtureData("/api/get_area_list_v2"));
        QCOMPARE(cacheFile("zip_static.json"), fixtureData("/api/get_static_zip_list"));
        const QJsonArray columns = m_param->getSideBarColumn();
        QVERIFY(!columns.isEmpty());
        m_param->initSideBar(); // as the next start reads it
        QCOMPARE(m_param->getSideBarColumn(), columns);
    }

    void repeatTimeInSeconds()
    {
        m_param->setRepeatProxyTime(24);
        QVERIFY(runAndWait([](InterfaceRecv& r) { r.pushSaveRepeatTime(); }));
        QCOMPARE(JsonRead::getString(formOf("/api/client/save_ip_repeat_time"), "time"),
                 std::string("86400"));

        m_service.reset();
        m_param->setIsLogin(0);
        m_recv->pushSaveRepeatTime();
        QTest::qWait(200);
        QVERIFY(formOf("/api/client/save_ip_repeat_time").isNull());
    }
};

QTEST_GUILESS_MAIN(tst_CatalogueRequests)
#include "tst_CatalogueRequests.moc"
