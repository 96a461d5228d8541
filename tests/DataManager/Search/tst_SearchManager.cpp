#include "CountingInterfaceRecv.h"
#include "RunsAgainstWhole.h"

#include "DataManager/Search/SearchManager.h"
#include "Interface/GlobleParam.h"
#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <sys/stat.h>

#include <iterator>
#include <memory>
#include <random>
#include <thread>

namespace {

constexpr int kWaitMs = 10000 * QEL_TIME_FACTOR;

QString dataPath(const QString& qstrName)
{
    return QCoreApplication::applicationDirPath() + "/temp/data/" + qstrName;
}

void writeRaw(const QString& qstrName, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(dataPath(qstrName)).path());
    QFile::remove(dataPath(qstrName));
    QFile file(dataPath(qstrName));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray encoded(const QByteArray& json)
{
    return QByteArray::fromStdString(Encryption::GetInstance()->encode(json.toStdString()));
}

void writeEncoded(const QString& qstrName, const QByteArray& json)
{
    writeRaw(qstrName, encoded(json));
}

// Two countries of the plain set, one of the static set.
const QByteArray kCountries = R"([
 {"code": "US", "name": "United States", "isp_list": ["Comcast", "AT&T"],
  "zip_list": ["90001", "10001"],
  "state_list": [
   {"code": "CA", "name": "California",
    "city_list": [{"code": "LA", "name": "Los Angeles"}, {"code": "SF", "name": "San Francisco"}]},
   {"code": "NY", "name": "New York", "city_list": [{"code": "NYC", "name": "New York City"}]}]},
 {"code": "FR", "name": "France", "isp_list": ["Orange"],
  "state_list": [{"code": "IDF", "name": "\u00CEle-de-France",
                  "city_list": [{"code": "PAR", "name": "Paris"}]}]}])";

QStringList names(const QList<QObject*>& entries)
{
    QStringList result;
    for (QObject* pEntry : entries)
        result.append(static_cast<SearchDataBase*>(pEntry)->getName());
    return result;
}

} // namespace

// The location choices' defaults and change signals, a catalogue that its owner deleted,
// and the image arrays written by one thread while another reads them.
class tst_SearchManager : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<GlobleParam> m_pParam;
    std::unique_ptr<CountingInterfaceRecv> m_pRecv;

    static void writeCatalogue()
    {
        writeEncoded("country.json", kCountries);
        writeEncoded("country_static.json", R"([{"code": "DE", "name": "Germany"}])");
        writeEncoded("isp.json", R"(["Comcast", "AT&T", "Orange"])");
        writeEncoded("isp_static.json", R"(["Telekom"])");
        writeEncoded("zip.json", R"(["90001"])");
        writeEncoded("zip_static.json", R"(["10115", "10117"])");
    }

    // Reads the files on the job pool and waits for the last level's message.
    void load()
    {
        QSignalSpy ui(m_pRecv.get(), &InterfaceRecv::signal_SetUiData);
        SearchManager::GetInstance()->initAllData();
        QTRY_VERIFY_WITH_TIMEOUT(!ui.isEmpty() && ui.last().at(0).toInt() == 112, kWaitMs);
        QCOMPARE(ui.count(), 3);
    }

    static QList<int> sizes()
    {
        SearchManager* pSearch = SearchManager::GetInstance();
        QList<int> result;
        for (int level = Data_Country; level <= Data_Postal; ++level)
            result.append(pSearch->getDataSizeByType(level));
        return result;
    }

    static void rebuildList()
    {
        SearchManager* pSearch = SearchManager::GetInstance();
        pSearch->beginRarseAreaData(true);
        pSearch->beginRarseIspData(true);
        pSearch->beginRarseZipData(true);
    }

private slots:
    void initTestCase()
    {
        m_pParam = std::make_unique<GlobleParam>();
        m_pRecv = std::make_unique<CountingInterfaceRecv>();
    }

    void init()
    {
        QDir(QCoreApplication::applicationDirPath() + "/temp").removeRecursively();
        m_pParam->setMealType(1);
    }

    void cleanup() { delete SearchManager::GetInstance(); }

    void cleanupTestCase()
    {
        QDir(QCoreApplication::applicationDirPath() + "/temp").removeRecursively();
    }

    // Counts of countries, states, cities, operators and postal codes by plan.
    void plansBuildTheirSets_data()
    {
        QTest::addColumn<int>("nPlan");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("plain") << 1 << QList<int>{2, 3, 4, 3, 1};
        QTest::newRow("24-hour") << 3 << QList<int>{1, 0, 0, 1, 2};
        QTest::newRow("static") << 6 << QList<int>{1, 0, 0, 1, 2};
        QTest::newRow("no set") << 12 << QList<int>{0, 0, 0, 0, 0};
    }

    void plansBuildTheirSets()
    {
        QFETCH(int, nPlan);
        QFETCH(QList<int>, expected);
        writeCatalogue();
        load();
        m_pParam->setMealType(nPlan);
        rebuildList();
        QCOMPARE(sizes(), expected);
    }

    void entriesKeepTheirChain()
    {
        writeCatalogue();
        load();
        rebuildList();
        SearchManager* pSearch = SearchManager::GetInstance();
        SearchDataBase* pCity = pSearch->getDataByKey("SF", Data_City);
        QVERIFY(pCity);
        QCOMPARE(pCity->parentEntry()->getCode(), QString("CA"));
        QCOMPARE(pCity->parentEntry()->parentEntry()->getCode(), QString("US"));
        auto* pCountry = qobject_cast<CountryData*>(pSearch->getDataByKey("US", Data_Country));
        QVERIFY(pCountry);
        QCOMPARE(pCountry->getZipArray().size(), 2u);
        QCOMPARE(pSearch->getDataByKey("us", Data_Country), nullptr);

        // Not forced: kept as built.
        m_pParam->setMealType(3);
        pSearch->beginRarseAreaData();
        QCOMPARE(pSearch->getDataByKey("US", Data_Country), pCountry);

        pSearch->beginRarseDeviceCountryData(1, true);
        QCOMPARE(names(pSearch->getDeviceDataByKeyAndType("", Data_DeviceStatus)),
                 QStringList({"Online", "Offline"}));
        pSearch->beginRarseDeviceCountryData(11, true);
        QCOMPARE(pSearch->getDeviceDataByKeyAndType("", Data_Country).size(), 2);
        QVERIFY(pSearch->getDeviceDataByKeyAndType("", Data_DeviceLineStatus).isEmpty());

        // A built country keeps the arrays it shares with a raw array replaced since.
        pSearch->setAreaDataJson(Json::Value(Json::arrayValue), 1);
        QCOMPARE(pCountry->getZipArray()[1].asString(), std::string("10001"));
    }

    void badFileKeepsEarlierCatalogue_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("why");
        QTest::newRow("truncated") << encoded(kCountries).left(200) << "does not decode or parse";
        QTest::newRow("object") << encoded(R"({"code": "US"})") << "not an array";
        QTest::newRow("empty") << QByteArray() << "empty";
        QTest::newRow("fifo") << QByteArray() << "not a regular file";
    }

    void badFileKeepsEarlierCatalogue()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, why);
        writeCatalogue();
        load();
        if (why == "not a regular file") {
            QFile::remove(dataPath("country.json"));
            QCOMPARE(::mkfifo(QFile::encodeName(dataPath("country.json")).constData(), 0600), 0);
        } else {
            writeRaw("country.json", bytes);
        }
        QTest::ignoreMessage(
            QtDebugMsg, QRegularExpression("country\\.json.*" + QRegularExpression::escape(why)));
        load();
        rebuildList();
        QCOMPARE(sizes(), QList<int>({2, 3, 4, 3, 1}));
    }

    // A file large enough to be parsed in runs on several threads reads as the whole parse
    // does: names with quotes, brackets and backslashes (one at their end), a bad element in
    // the last run, the array closed by a brace, an empty element, and white space JSON does
    // not allow.
    void largeFileReadsAsParsedWhole_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QByteArray>("tail");
        QTest::newRow("whole") << QByteArray() << QByteArray("]");
        QTest::newRow("bad last element") << QByteArray() << QByteArray(",{\"code\": tru}]");
        QTest::newRow("closed by a brace, then junk") << QByteArray() << QByteArray("}, junk]");
        // Blanks longer than a run put a cut on the empty element's second comma, or, with
        // blanks before it too, on both its commas.
        const QByteArray blanks(1 << 20, ' ');
        QTest::newRow("empty element on a cut") << QByteArray() << "," + blanks + ",{}]";
        QTest::newRow("empty element between cuts")
            << QByteArray() << blanks + "," + blanks + ",{}]";
        QTest::newRow("form feed before") << QByteArray(" \f") << QByteArray("]");
        QTest::newRow("vertical tab before") << QByteArray("\v") << QByteArray("]");
    }

    void largeFileReadsAsParsedWhole()
    {
        QFETCH(QByteArray, head);
        QFETCH(QByteArray, tail);
        Json::Value countries(Json::arrayValue);
        for (int nCountry = 0; nCountry < 100; ++nCountry) {
            Json::Value country;
            country["code"] = "C" + std::to_string(nCountry);
            country["name"] = "Land \"" + std::to_string(nCountry) + "\" \\,]}[{\\";
            Json::Value& cities = country["state_list"][0]["city_list"];
            for (int nCity = 0; nCity < 500; ++nCity)
                cities.append(Json::Value("Stadt \\\" " + std::to_string(nCity) + " \u00e9,]"));
            countries.append(country);
        }
        QByteArray text =
            QByteArray::fromStdString(Json::writeString(Json::StreamWriterBuilder(), countries));
        text.chop(text.size() - text.lastIndexOf(']'));
        text = head + text + tail;
        writeEncoded("country.json", text);

        Json::Value expected;
        const bool bExpected = JsonRead::parse(text.toStdString(), expected, false);
        Json::Value read;
        QString qstrWhy;
        QCOMPARE(CatalogueFile::read(dataPath("country.json"), read, qstrWhy), bExpected);
        QVERIFY(read == (bExpected ? expected : Json::Value()));
        QCOMPARE(bExpected, tail == "]" && head.isEmpty());
    }

    // Generated arrays, cut at each separator and at their ends, read in runs as the whole
    // parse reads them: comments holding commas next to the cut, escapes, names ending in a
    // backslash, empty elements, trailing commas, and elements the parse refuses.
    void runsReadAsParsedWhole_data()
    {
        QTest::addColumn<bool>("bComments");
        QTest::newRow("comments allowed") << true;
        QTest::newRow("no comments") << false;
    }

    void runsReadAsParsedWhole()
    {
        QFETCH(bool, bComments);
        const char* const elements[] = {"\"a\"",
                                        "\"a\\\\\"",
                                        "\"\\\"\"",
                                        "\"a,]\"",
                                        "1",
                                        "-2.5e3",
                                        "null",
                                        "[]",
                                        "{}",
                                        "[1,\"x\\\\\"]",
                                        "{\"k\":\"v\\\\\",\"l\":[{}]}",
                                        "tru",
                                        "\"open",
                                        "}",
                                        "\f1",
                                        ""};
        const char* const separators[] = {",",      " , ",    " #c,\n,", "#c\n,", "/*,*/,",
                                          ",/*c*/", ",#c,\n", "\r\n,",   ",,"};
        const char* const tails[] = {"]", ",]", ", ]", ",/*c*/]", " #c,\n]", "#c]", "]junk", "}"};
        // Enough to have the text read in runs, cut at the first top-level comma after it.
        const std::string padding(512 * 1024, ' ');
        std::mt19937 random(50);
        // '#' stands for the two slashes of a line comment: moc takes them in a string for one.
        const auto pick = [&random](const auto& choices) {
            std::string text = choices[random() % std::size(choices)];
            const std::size_t nHash = text.find('#');
            return nHash == std::string::npos ? text : text.replace(nHash, 1, std::string(2, '/'));
        };
        for (int nInput = 0; nInput < 120; ++nInput) {
            std::string text = random() % 4 ? "[" : "[/*,*/";
            std::vector<std::size_t> cuts{text.size()};
            for (int i = 1 + int(random() % 4); i > 0; --i) {
                text += pick(elements);
                cuts.push_back(text.size());
                text += i > 1 ? pick(separators) : pick(tails);
            }
            for (const std::size_t nCut : cuts) {
                std::string padded = text;
                padded.insert(nCut, padding);
                QVERIFY2(RunsAgainstWhole::agree(padded, bComments), text.c_str());
            }
        }
    }

    // The values an element may hold are counted for each element, not for the whole file.
    void valuesAddUpPastTheElementBound()
    {
        QByteArray text = "[[0,0,0,0,0,0,0,0,0]";
        for (int i = 1; i < 250000; ++i)
            text += ",[0,0,0,0,0,0,0,0,0]";
        writeEncoded("country.json", text + "]");
        CatalogueTable table(true);
        QString qstrWhy;
        QVERIFY2(CatalogueFile::load(dataPath("country.json"), CatalogueFile::Area, table, qstrWhy),
                 qPrintable(qstrWhy));
    }

    void wrongMemberTypesReadAsMissing()
    {
        writeEncoded("country.json", R"([{"code": 5, "name": ["x"], "state_list": "CA",
                                          "isp_list": "Comcast"}, "not an object",
                                         {"code": "FR", "name": "France", "state_list": [7]}])");
        writeEncoded("isp.json", R"(["Comcast", 3, null])");
        load();
        rebuildList();
        QCOMPARE(sizes(), QList<int>({2, 0, 0, 1, 0}));
        SearchManager* pSearch = SearchManager::GetInstance();
        auto* pFirst = qobject_cast<CountryData*>(pSearch->findDataByKeyAndType("", 1).first());
        QCOMPARE(pFirst->getCode(), QString());
        QCOMPARE(pFirst->getName(), QString());
        QVERIFY(pFirst->getIspArray().isObject() && pFirst->getIspArray().empty());
    }

    void searchByNameAndParent_data()
    {
        QTest::addColumn<QString>("country");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("case") << "random" << 2 << "CAL" << QStringList{"California"};
        QTest::newRow("position") << "random" << 3 << "an"
                                  << QStringList{"Los Angeles", "San Francisco"};
        QTest::newRow("accent kept")
            << "random" << 2 << "\u00EEle" << QStringList{"\u00CEle-de-France"};
        QTest::newRow("parent") << "FR" << 3 << "" << QStringList{"Paris"};
        QTest::newRow("all countries") << "FR" << 1 << "" << QStringList{"United States", "France"};
    }

    void searchByNameAndParent()
    {
        QFETCH(QString, country);
        QFETCH(int, level);
        QFETCH(QString, key);
        QFETCH(QStringList, expected);
        writeCatalogue();
        load();
        rebuildList();
        SearchManager* pSearch = SearchManager::GetInstance();
        pSearch->setCurrentCountryCode(country);
        QCOMPARE(names(pSearch->findDataByKeyAndType(key, level, 1)), expected);
    }

    // Names folded at load find what a case-insensitive contains finds, in the same order,
    // also for letters whose folding is not plain lower case (final sigma, dotted and
    // dotless i, Kelvin and Angstrom signs, title-case digraphs, a surrogate pair).
    void foldedSearchEqualsContains()
    {
        const QStringList parts = {
            "\u00C9", "\u00E9",     "\u00DF",     "\u0130", "\u0131", "i",      "I",      "\u03A3",
            "\u03C3", "\u03C2",     "\u212A",     "k",      "\u212B", "\u00E5", "\u01C4", "\u01C5",
            "\u01C6", "\U00010400", "\U00010428", "a",      "B",      "-",      " "};
        QRandomGenerator random(11);
        QStringList cities;
        Json::Value cityList(Json::arrayValue);
        for (int i = 0; i < 400; ++i) {
            QString qstrName;
            for (int n = 1 + random.bounded(6); n > 0; --n)
                qstrName += parts[random.bounded(parts.size())];
            cities.append(qstrName);
            Json::Value city;
            city["code"] = "C" + std::to_string(i);
            city["name"] = qstrName.toStdString();
            cityList.append(city);
        }
        Json::Value state;
        state["code"] = "S";
        state["name"] = "State";
        state["city_list"] = cityList;
        Json::Value country;
        country["code"] = "XX";
        country["name"] = "Country";
        country["state_list"].append(state);
        Json::Value countries(Json::arrayValue);
        countries.append(country);

        SearchManager* pSearch = SearchManager::GetInstance();
        pSearch->setAreaDataJson(countries, 1);
        pSearch->beginRarseAreaData(true);
        for (int i = 0; i < 60; ++i) {
            const QString key = parts[random.bounded(parts.size())] +
                                (i % 2 ? parts[random.bounded(parts.size())] : QString());
            QStringList expected;
            for (const QString& qstrName : cities)
                if (qstrName.contains(key, Qt::CaseInsensitive))
                    expected.append(qstrName);
            QCOMPARE(names(pSearch->findDataByKeyAndType(key, Data_City, 1)), expected);
        }
        // A name changed after the load is found under its new text only.
        auto* pCity = static_cast<SearchDataBase*>(
            pSearch->findDataByKeyAndType(QString(), Data_City, 1).first());
        const QString qstrOld = pCity->getName();
        pCity->setName(QStringLiteral("Zzq"));
        QCOMPARE(names(pSearch->findDataByKeyAndType("zZQ", Data_City, 1)), QStringList{"Zzq"});
        QVERIFY(!pSearch->findDataByKeyAndType(qstrOld, Data_City, 1).contains(pCity));
    }

    // One pick per catalogue: the messages sent, the chain of codes it leaves, and the
    // page's operator and postal choices of the chain's country.
    void cascade_data()
    {
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("origin");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("chain");
        QTest::addColumn<QStringList>("choices");
        QTest::newRow("list city")
            << "list"
            << "SF" << 3 << 1
            << QStringList{"117 California 1", "119 CA 1", "116 United States 1", "118 US 1"}
            << QStringList{"US", "CA", "SF"} << QStringList{"Comcast", "AT&T", "90001", "10001"};
        QTest::newRow("list state, stored only")
            << "list"
            << "NY" << 2 << 0 << QStringList() << QStringList{"random", "NY", "LA"}
            << QStringList{"Comcast", "AT&T", "Orange", "90001"};
        QTest::newRow("list new country")
            << "list"
            << "FR" << 1 << 1 << QStringList{"122  1"} << QStringList{"FR", "random", "random"}
            << QStringList{"Orange", "90001"};
        QTest::newRow("api city") << "api"
                                  << "PAR" << 3 << 4
                                  << QStringList{"117 \u00CEle-de-France 4", "119 IDF 4",
                                                 "116 France 4", "118 FR 4"}
                                  << QStringList{"FR", "IDF", "PAR"} << QStringList{"Orange"};
        QTest::newRow("api country, other page")
            << "api"
            << "FR" << 1 << 1 << QStringList() << QStringList{"FR", "", ""}
            << QStringList{"Orange"};
        QTest::newRow("equipment city")
            << "equipment"
            << "NYC" << 3 << 12 << QStringList() << QStringList{"US", "NY", "NYC"}
            << QStringList{"Comcast", "AT&T", "90001", "10001"};
        QTest::newRow("device status")
            << "device"
            << "1" << 8 << 5 << QStringList{"188  5"} << QStringList{"", "1", ""} << QStringList();
    }

    void cascade()
    {
        QFETCH(QString, catalogue);
        QFETCH(QString, code);
        QFETCH(int, level);
        QFETCH(int, origin);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, chain);
        QFETCH(QStringList, choices);
        writeCatalogue();
        load();
        SearchManager* pSearch = SearchManager::GetInstance();
        rebuildList();
        pSearch->beginParseApiAreaData(true);
        pSearch->beginRarseEquipmentAreaData(1, true);
        pSearch->beginRarseEquipmentZipData(1, true);

        pSearch->setCurrentStateCode("CA");
        pSearch->setCurrentCityCode("LA");
        QSignalSpy ui(m_pRecv.get(), &InterfaceRecv::signal_SetUiData);
        QStringList sent;
        QStringList codes;
        QStringList offered;
        if (catalogue == "list") {
            pSearch->setCurrentCode(code, level, origin);
            pSearch->setCurrentCode(pSearch->getCurrentCountryCode(), 1, origin); // same: silent
            codes = QStringList{pSearch->getCurrentCountryCode(), pSearch->getCurrentStateCode(),
                                pSearch->getCurrentCityCode()};
            pSearch->refreshIspByCountry(1);
            pSearch->refreshZipByCountry(1);
            offered = names(pSearch->findDataByKeyAndType("", 4, 1)) +
                      names(pSearch->findDataByKeyAndType("", 5, 1));
        } else if (catalogue == "api") {
            pSearch->setApiCurrentCode(code, level, origin);
            codes =
                QStringList{pSearch->getApiCurrentCountryCode(), pSearch->getApiCurrentStateCode(),
                            pSearch->getApiCurrentCityCode()};
            pSearch->refreshIspByCountry(4);
            pSearch->refreshZipByCountry(4);
            offered = names(pSearch->findApiDataByKeyAndType("", 4, 4)) +
                      names(pSearch->findApiDataByKeyAndType("", 5, 4));
        } else if (catalogue == "equipment") {
            pSearch->setEquipmentCurrentCode(code, level, origin);
            codes = QStringList{pSearch->getEquipmentCurrentCountryCode(),
                                pSearch->getEquipmentCurrentStateCode(),
                                pSearch->getEquipmentCurrentCityCode()};
            pSearch->refreshEquipmentIspByCountry(0);
            pSearch->refreshEquipmentZipByCountry(0);
            offered = names(pSearch->findEquipmentDataByKeyAndType("", 4)) +
                      names(pSearch->findEquipmentDataByKeyAndType("", 5));
        } else {
            pSearch->setDeviceCurrentCode(code, level, origin);
            codes = QStringList{pSearch->getDeviceCurrentCountryCode(),
                                pSearch->getDeviceCurrentStatusCode(),
                                pSearch->getDeviceCurrentLineStatusCode()};
        }
        for (const QList<QVariant>& args : ui)
            sent.append(QString("%1 %2 %3")
                            .arg(args.at(0).toInt())
                            .arg(args.at(1).toString())
                            .arg(args.at(2).toInt()));
        QCOMPARE(sent, messages);
        QCOMPARE(codes, chain);
        QCOMPARE(offered, choices);
    }

    void extractionTables()
    {
        SearchManager* pSearch = SearchManager::GetInstance();
        const QList<QObject*> rows = pSearch->getApiParameterData(5);
        QCOMPARE(rows.size(), 11);
        QStringList shown;
        for (QObject* pRow : rows) {
            auto* pParameter = static_cast<ApiParameter*>(pRow);
            shown.append(QString("%1 %2 %3 %4")
                             .arg(pParameter->getName())
                             .arg(pParameter->getShowType())
                             .arg(pParameter->getTranslateNum())
                             .arg(pParameter->getClickText()));
        }
        QCOMPARE(shown.mid(0, 4),
                 QStringList({"NAME 1 1 ", "NAME 1 1 ", "num 0 2 ", "country 0 3 country code"}));
        QCOMPARE(shown.last(), QString("port 0 10 "));
        QCOMPARE(pSearch->getApiParameterData(0), rows);

        QStringList meals;
        for (QObject* pMeal : pSearch->getApiMealData())
            meals.append(static_cast<ApiMeal*>(pMeal)->getCode());
        QCOMPARE(meals, QStringList({"1", "3"}));
    }

    void choices()
    {
        SearchManager* pSearch = SearchManager::GetInstance();
        QCOMPARE(pSearch->getCurrentCountryCode(), QString("random"));
        QCOMPARE(pSearch->getIpSearch(), QString());
        QSignalSpy country(pSearch, &SearchManager::qstrCurrentCountryCodeChanged);
        QSignalSpy search(pSearch, &SearchManager::qstrIpSearchChanged);
        pSearch->setCurrentCountryCode("US");
        pSearch->setCurrentCountryCode("US");
        pSearch->setIpSearch("1.2");
        QCOMPARE(country.count(), 1);
        QCOMPARE(search.count(), 1);

        using Set = void (SearchManager::*)(const QString&);
        using Get = QString (SearchManager::*)();
        const QList<QPair<Set, Get>> codes{
            {&SearchManager::setCurrentStateCode, &SearchManager::getCurrentStateCode},
            {&SearchManager::setCurrentCityCode, &SearchManager::getCurrentCityCode},
            {&SearchManager::setCurrentOperatorCode, &SearchManager::getCurrentOperatorCode},
            {&SearchManager::setCurrentPostalCode, &SearchManager::getCurrentPostalCode}};
        for (const auto& code : codes) {
            QCOMPARE((pSearch->*code.second)(), QString("random"));
            (pSearch->*code.first)("CA");
            QCOMPARE((pSearch->*code.second)(), QString("CA"));
            (pSearch->*code.first)("");
            QCOMPARE((pSearch->*code.second)(), QString("random"));
        }
    }

    void deletedCatalogueIsBuiltAgain()
    {
        SearchManager* pFirst = SearchManager::GetInstance();
        pFirst->setCurrentCountryCode("US");
        delete pFirst;
        SearchManager* pSecond = SearchManager::GetInstance();
        QCOMPARE(pSecond->getCurrentCountryCode(), QString("random"));
        QCOMPARE(SearchManager::GetInstance(), pSecond);
    }

    // Every read sees one whole array: n elements, each n.
    void imageArraysWrittenWhileRead()
    {
        SearchManager* pSearch = SearchManager::GetInstance();
        std::thread writer([pSearch]() {
            for (int n = 1; n <= 300; ++n) {
                Json::Value images(Json::arrayValue);
                for (int i = 0; i < n; ++i)
                    images.append(n);
                pSearch->setCarouselDataJson(images, 0);
                pSearch->setLoginImgDataJson(images, 0);
            }
        });
        bool bWhole = true;
        for (int i = 0; i < 2000 && bWhole; ++i) {
            const Json::Value images = pSearch->getCarouselDataJson();
            for (const Json::Value& image : images)
                bWhole = bWhole && image.asUInt() == images.size();
        }
        writer.join();
        QVERIFY(bWhole);
        QCOMPARE(pSearch->getLoginImgDataJson().size(), 300u);
    }
};

QTEST_GUILESS_MAIN(tst_SearchManager)
#include "tst_SearchManager.moc"
