// Times the list catalogue on the stand-in's large generated set, one run each: loading the
// encoded cache files into searchable entries and rebuilding the area levels, both against
// JsonCpp's plain parse of the same text; one keystroke's city search with no country chosen
// against a plain case-insensitive contains loop; and choosing a country.
#include "CatalogueGenerator.h"
#include "DataManager/Search/SearchManager.h"
#include "Interface/GlobleParam.h"
#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

const CatalogueFile::Level kLevels[] = {CatalogueFile::Area, CatalogueFile::Isp,
                                        CatalogueFile::Zip};

double elapsedMs(const std::function<void()>& run)
{
    QElapsedTimer timer;
    timer.start();
    run();
    return timer.nsecsElapsed() / 1e6;
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

void load(SearchManager* pManager, CatalogueFile::Level level)
{
    Json::Value array;
    QString why;
    if (!CatalogueFile::read(CatalogueFile::path(level, false), array, why))
        std::fprintf(stderr, "unreadable: %s\n", qPrintable(why));
    if (level == CatalogueFile::Area) {
        pManager->setAreaDataJson(std::move(array), 1);
        pManager->beginRarseAreaData(true);
    } else if (level == CatalogueFile::Isp) {
        pManager->setIspDataJson(std::move(array), 1);
        pManager->beginRarseIspData(true);
    } else {
        pManager->setZipDataJson(std::move(array), 1);
        pManager->beginRarseZipData(true);
    }
}

void dropDebug(QtMsgType type, const QMessageLogContext&, const QString& qstrText)
{
    if (type != QtDebugMsg)
        std::fprintf(stderr, "%s\n", qPrintable(qstrText));
}

} // namespace

int main(int argc, char** argv)
{
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

    const double fParse = elapsedMs([&] {
        for (const std::string& text : decoded)
            parsePlain(text);
    });
    const double fLoad = elapsedMs([&] {
        for (CatalogueFile::Level level : kLevels)
            load(pManager, level);
    });
    const double fAreaParse = elapsedMs([&] { parsePlain(decoded[CatalogueFile::Area]); });
    const double fRebuild = elapsedMs([&] { pManager->beginRarseAreaData(true); });
    std::printf("load/jsoncpp %.2f (load %.1f ms, parse %.1f ms; target <= 1.5)\n",
                fLoad / fParse, fLoad, fParse);
    std::printf("rebuild/jsoncpp %.2f (rebuild %.1f ms, parse %.1f ms)\n", fRebuild / fAreaParse,
                fRebuild, fAreaParse);

    QStringList cityNames;
    for (QObject* pEntry : pManager->getDataByKeyAndType(QString(), Data_City, 1))
        cityNames.append(static_cast<SearchDataBase*>(pEntry)->getName());
    const QString qstrKey = QStringLiteral("é");
    int nFound = 0;
    const double fSearch = elapsedMs(
        [&] { nFound = pManager->getDataByKeyAndType(qstrKey, Data_City, 1).size(); });
    int nNaive = 0;
    const double fNaive = elapsedMs([&] {
        for (const QString& qstrName : cityNames)
            nNaive += qstrName.contains(qstrKey, Qt::CaseInsensitive);
    });
    std::printf("search_ms %.2f naive_ms %.2f (%d of %d cities, naive %d; target X <= 5 and "
                "X <= Y/4)\n",
                fSearch, fNaive, nFound, int(cityNames.size()), nNaive);

    const QString qstrCountry = QString::fromLatin1("CA");
    int nStates = 0;
    const double fCascade = elapsedMs([&] {
        pManager->setCurrentCode(qstrCountry, Data_Country, 1);
        pManager->refreshIspByCountry(1);
        pManager->refreshZipByCountry(1);
        nStates = pManager->getDataByKeyAndType(QString(), Data_State, 1).size();
    });
    std::printf("cascade_ms %.2f (%d states; target <= 2)\n", fCascade, nStates);

    for (CatalogueFile::Level level : kLevels)
        QFile::remove(CatalogueFile::path(level, false));
    return 0;
}
