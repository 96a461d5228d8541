// Times the list catalogue on the stand-in's large generated set over several samples, the
// sides alternating: loading the encoded cache files into searchable entries and rebuilding
// the area levels, both against JsonCpp's plain parse of the same text (wall and CPU time of
// all threads); the first keystroke's city search after a load, no country chosen and no
// search before it, then later keystrokes, against a plain case-insensitive contains loop;
// and choosing a country. Prints each figure's median with its min-max, and what the load
// takes of memory: its peak of resident memory and the heap it leaves in use, then the heap
// in use once every entry was handed out (as the screens are handed them all).
#include "BenchFigure.h"
#include "CatalogueGenerator.h"
#include "DataManager/Search/SearchManager.h"
#include "Interface/GlobleParam.h"
#include "PublicModule/HttpCurl/qtsingleapplication/CApp.h"
#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <malloc.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

namespace {

using bench::Figure;
using bench::timed;
using bench::Timed;

const CatalogueFile::Level kLevels[] = {CatalogueFile::Area, CatalogueFile::Isp,
                                        CatalogueFile::Zip};

constexpr int kSamples = 7;
constexpr int kLaterKeys = 5;

QStringList cityNamesOf(const std::string& areaText)
{
    Json::Value countries;
    JsonRead::parse(areaText, countries);
    QStringList names;
    for (const Json::Value& country : countries)
        for (const Json::Value& state : JsonRead::member(country, "state_list"))
            for (const Json::Value& city : JsonRead::member(state, "city_list"))
                names.append(QString::fromStdString(JsonRead::getString(city, "name")));
    return names;
}

// The "data" array of a generated answer, as the service layer stores it.
std::string dataText(const std::string& answer)
{
    Json::Value value;
    JsonRead::parse(answer, value);
    return toNormalString(JsonRead::getArray(value, "data"));
}

bool writeEncoded(const QString& qstrPath, const std::string& text)
{
    QDir().mkpath(QFileInfo(qstrPath).path());
    QFile file(qstrPath);
    const std::string encoded = Encryption::GetInstance()->encode(text);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(encoded.data(), qint64(encoded.size())) == qint64(encoded.size());
}

void parsePlain(const std::string& text)
{
    Json::CharReaderBuilder builder;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value value;
    reader->parse(text.data(), text.data() + text.size(), &value, nullptr);
}

// As the client loads a file after a sign-in: read on a job, the table swapped in, the
// level built.
void load(SearchManager* pManager, CatalogueFile::Level level)
{
    auto pTable = std::make_shared<CatalogueTable>();
    QString why;
    if (!CatalogueFile::load(CatalogueFile::path(level, false), level, *pTable, why))
        std::fprintf(stderr, "unreadable: %s\n", qPrintable(why));
    pManager->setTable(level, 1, std::move(pTable));
    if (level == CatalogueFile::Area)
        pManager->beginRarseAreaData(true);
    else if (level == CatalogueFile::Isp)
        pManager->beginRarseIspData(true);
    else
        pManager->beginRarseZipData(true);
}

// A line of /proc/self/status in MiB ("VmRSS", "VmHWM").
double statusMiB(const char* szField)
{
    std::ifstream status("/proc/self/status");
    const std::string field = std::string(szField) + ":";
    for (std::string line; std::getline(status, line);)
        if (line.compare(0, field.size(), field) == 0)
            return std::stod(line.substr(field.size())) / 1024;
    return 0;
}

// The heap in use, in MiB.
double heapMiB()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd) / (1024 * 1024);
}

// Starts a new peak of resident memory.
void resetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

void dropDebug(QtMsgType type, const QMessageLogContext&, const QString& qstrText)
{
    if (type != QtDebugMsg)
        std::fprintf(stderr, "%s\n", qPrintable(qstrText));
}

} // namespace

int main(int argc, char** argv)
{
    CApp::KeepLargeBlocksMapped(); // as the client does
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(dropDebug); // the search logs every call
    GlobleParam param;
    param.SetUsername("bench");
    SearchManager* pManager = SearchManager::GetInstance();

    const CatalogueGenerator::Texts& texts = CatalogueGenerator::texts();
    const std::string decoded[] = {dataText(texts.area), dataText(texts.isp),
                                   dataText(texts.zip)};
    for (CatalogueFile::Level level : kLevels)
        if (!writeEncoded(CatalogueFile::path(level, false), decoded[level]))
            return 1;

    // Memory first, from a fresh process, before the timed samples fill the heap.
    malloc_trim(0);
    const double fHeapBefore = heapMiB();
    const double fResidentBefore = statusMiB("VmRSS");
    resetPeak();
    for (CatalogueFile::Level level : kLevels)
        load(pManager, level);
    const double fLoadPeak = statusMiB("VmHWM") - fResidentBefore;
    const double fLoadHeap = heapMiB() - fHeapBefore;
    for (int level = Data_Country; level <= Data_Postal; ++level)
        pManager->findDataByKeyAndType(QString(), level, 1);
    const double fHandedHeap = heapMiB() - fHeapBefore;

    const QStringList cityNames = cityNamesOf(decoded[CatalogueFile::Area]);
    const QString qstrKey = QStringLiteral("\u00e9");
    Figure loadWall, loadCpu, parseWall, parseCpu, loadRatio, loadCpuRatio;
    Figure firstKey, laterKey, naive, firstRatio, laterRatio, rebuildRatio;
    int nFound = 0;
    int nNaive = 0;
    const auto parseAll = [&] {
        const Timed parse = timed([&] {
            for (const std::string& text : decoded)
                parsePlain(text);
        });
        parseWall.add(parse.wall);
        parseCpu.add(parse.cpu);
        return parse;
    };
    const auto naiveLoop = [&] {
        const double fNaive = bench::wallMs([&] {
            nNaive = 0;
            for (const QString& qstrName : cityNames)
                nNaive += qstrName.contains(qstrKey, Qt::CaseInsensitive);
        });
        naive.add(fNaive);
        return fNaive;
    };
    const auto search = [&] {
        return bench::wallMs(
            [&] { nFound = pManager->findDataByKeyAndType(qstrKey, Data_City, 1).size(); });
    };
    for (int nSample = 0; nSample < kSamples; ++nSample) {
        // Even samples time the baselines first, odd ones after.
        const bool bBaseFirst = nSample % 2 == 0;
        Timed parse{};
        double fNaive = 0;
        if (bBaseFirst) {
            parse = parseAll();
            fNaive = naiveLoop();
        }
        const Timed loaded = timed([&] {
            for (CatalogueFile::Level level : kLevels)
                load(pManager, level);
        });
        const double fFirst = search();
        double fLater = 0;
        for (int i = 0; i < kLaterKeys; ++i)
            fLater += search() / kLaterKeys;
        if (!bBaseFirst) {
            fNaive = naiveLoop();
            parse = parseAll();
        }
        loadWall.add(loaded.wall);
        loadCpu.add(loaded.cpu);
        loadRatio.add(loaded.wall / parse.wall);
        loadCpuRatio.add(loaded.cpu / parse.cpu);
        firstKey.add(fFirst);
        laterKey.add(fLater);
        firstRatio.add(fFirst / fNaive);
        laterRatio.add(fLater / fNaive);
        const double fAreaParse = bench::wallMs([&] { parsePlain(decoded[CatalogueFile::Area]); });
        rebuildRatio.add(bench::wallMs([&] { pManager->beginRarseAreaData(true); }) / fAreaParse);
    }
    std::printf("%d samples, baselines first in the even ones; median (min-max)\n", kSamples);
    loadWall.print("load wall", " ms");
    loadCpu.print("load cpu, all threads", " ms");
    parseWall.print("jsoncpp parse wall", " ms");
    parseCpu.print("jsoncpp parse cpu", " ms");
    loadRatio.print("load/jsoncpp wall (target 1.5)", "x");
    loadCpuRatio.print("load/jsoncpp cpu (at most 1.9)", "x");
    rebuildRatio.print("area rebuild/area parse wall", "x");
    firstKey.print("first keystroke (target 16)", " ms");
    laterKey.print("later keystrokes (target 5)", " ms");
    naive.print("naive contains loop", " ms");
    firstRatio.print("first/naive (target 1)", "x");
    laterRatio.print("later/naive (target 0.25)", "x");
    std::printf("%d of %d cities found, naive %d\n", nFound, int(cityNames.size()), nNaive);

    const QString qstrCountry = QString::fromLatin1("CA");
    int nStates = 0;
    const double fCascade = bench::wallMs([&] {
        pManager->setCurrentCode(qstrCountry, Data_Country, 1);
        pManager->refreshIspByCountry(1);
        pManager->refreshZipByCountry(1);
        nStates = pManager->findDataByKeyAndType(QString(), Data_State, 1).size();
    });
    std::printf("choosing a country %.2f ms (%d states; target 2)\n", fCascade, nStates);
    std::printf("the first load: peak resident memory +%.1f MiB, heap left in use +%.1f MiB; "
                "+%.1f MiB once every entry was handed out\n",
                fLoadPeak, fLoadHeap, fHandedHeap);

    for (CatalogueFile::Level level : kLevels)
        QFile::remove(CatalogueFile::path(level, false));
    return 0;
}
