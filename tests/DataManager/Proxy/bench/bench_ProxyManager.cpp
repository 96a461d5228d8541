// Times the proxy store on 10,000 rows against plain baselines: the parse entry against
// JsonCpp reading the same text, each location filter (with sort and model load) against
// std::stable_partition then std::sort, and each sort type (the online view, with model
// load) against std::sort, all over pointers to plain structs. Prints medians. Views keep
// their rows' keys until a row or the table changes, so the first view after a change is
// timed as well.
#include "DataManager/Proxy/ProxyManager.h"
#include "DataManager/Search/SearchManager.h"
#include "Interface/GlobleParam.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kRows = 10000;
constexpr int kRuns = 5;

struct PlainRow
{
    std::string ip, country, state, city, isp, postal, buyTime;
    int ping = 0;
    int created = 0;
    double expire = 0;
};

double medianMs(const std::function<void()>& run)
{
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[kRuns / 2];
}

Json::Value records(std::vector<PlainRow>& plain)
{
    static const char* const kCountries[] = {"US", "GB", "DE", "FR"};
    QRandomGenerator random(7);
    Json::Value array(Json::arrayValue);
    for (int i = 0; i < kRows; ++i) {
        PlainRow row;
        row.ip = QStringLiteral("%1.%2.%3.%4")
                     .arg(random.bounded(256))
                     .arg(random.bounded(256))
                     .arg(random.bounded(256))
                     .arg(i % 256)
                     .toStdString();
        row.country = kCountries[i % 4];
        row.state = "S" + std::to_string(random.bounded(50));
        row.city = "C" + std::to_string(random.bounded(500));
        row.isp = "isp" + std::to_string(random.bounded(20));
        row.postal = std::to_string(10000 + random.bounded(80000));
        row.expire = random.bounded(100000);
        Json::Value record;
        record["ip"] = row.ip;
        record["country"] = row.country;
        record["state"] = row.state;
        record["city"] = row.city;
        record["isp"] = row.isp;
        record["postal"] = row.postal;
        record["expire_time"] = row.expire;
        record["ip_time_type"] = "1";
        record["sn"] = "c24gMTIzNDU2Nzg5";
        array.append(record);
        plain.push_back(row);
    }
    return array;
}

bool plainLess(int nSortType, const PlainRow* a, const PlainRow* b)
{
    switch (nSortType) {
    case 3:
        return a->ping < b->ping;
    case 5:
        return a->country < b->country;
    case 7:
        return a->state < b->state;
    case 9:
        return a->city < b->city;
    case 11:
        return a->postal < b->postal;
    case 13:
        return a->isp < b->isp;
    case 16:
        return a->buyTime < b->buyTime;
    case 19:
        return a->expire < b->expire;
    case 23:
        return b->created < a->created;
    default:
        return a->ip < b->ip;
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    GlobleParam param;
    param.SetUsername("bench");
    ProxyManager* pManager = ProxyManager::GetInstance();
    std::vector<PlainRow> plain;
    const Json::Value array = records(plain);
    const std::string text = toNormalString(array);

    const double fJsonCpp = medianMs([&] {
        Json::CharReaderBuilder builder;
        std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
        Json::Value value;
        reader->parse(text.data(), text.data() + text.size(), &value, nullptr);
    });
    std::vector<double> parseTimes;
    for (int i = 0; i < kRuns; ++i) {
        pManager->setProxyListDataJson(array);
        QElapsedTimer timer;
        timer.start();
        pManager->beginRarseProxyListData();
        parseTimes.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(parseTimes.begin(), parseTimes.end());
    const double fParse = parseTimes[kRuns / 2];

    // The same exits as today's rows (extraction records) and as favourites.
    pManager->addDataByJsonArray(array, Proxy_Today, 2);
    for (ProxyDataBase* pRow : pManager->table(Proxy_Today))
        pManager->setFavoriteByParam(pRow->getSession(), Proxy_Today, true);
    std::vector<PlainRow*> plainRows;
    for (PlainRow& row : plain) {
        row.buyTime = "2026-01-01 00:00:00";
        plainRows.push_back(&row);
    }

    struct Filter
    {
        const char *szIp, *szCountry, *szIsp, *szPostal;
        std::function<bool(const PlainRow*)> plainPasses;
    };
    const Filter filters[] = {
        {"1", "", "", "", [](const PlainRow* p) { return p->ip.find('1') != std::string::npos; }},
        {"", "", "", "2",
         [](const PlainRow* p) { return p->postal.find('2') != std::string::npos; }},
        {"", "", "isp1", "",
         [](const PlainRow* p) { return p->isp.find("isp1") != std::string::npos; }},
        {"", "us", "", "", [](const PlainRow* p) { return p->country == "US"; }},
    };
    // One property write to a row of the table makes the next view read every row again.
    const auto touch = [pManager](int enumType) {
        ProxyDataBase* pRow = *pManager->table(enumType).cbegin();
        pRow->setPing(pRow->getPing() + 1);
    };
    double fFilterWorst = 0;
    double fFilterRatio = 0;
    double fFilterCold = 0;
    SearchManager* pSearch = SearchManager::GetInstance();
    for (const Filter& filter : filters) {
        pSearch->setIpSearch(filter.szIp);
        pSearch->setCurrentCountryCode(filter.szCountry);
        pSearch->setCurrentOperatorCode(filter.szIsp);
        pSearch->setCurrentPostalCode(filter.szPostal);
        const double fBase = medianMs([&] {
            std::vector<PlainRow*> rows = plainRows;
            auto end = std::stable_partition(rows.begin(), rows.end(), filter.plainPasses);
            std::sort(rows.begin(), end, [](auto a, auto b) { return plainLess(16, a, b); });
        });
        for (int enumType : {Proxy_Today, Proxy_Favorite}) {
            const double fOurs = medianMs([&] { pManager->getDataType(enumType, 1); });
            fFilterWorst = std::max(fFilterWorst, fOurs);
            fFilterRatio = std::max(fFilterRatio, fOurs / std::max(fBase, 0.001));
            fFilterCold = std::max(fFilterCold, medianMs([&] {
                                       touch(enumType);
                                       pManager->getDataType(enumType, 1);
                                   }));
        }
    }

    // The online list's view takes every sort type.
    pManager->setProxyListDataJson(array);
    pManager->beginRarseProxyListData();
    double fSortWorst = 0;
    double fSortRatio = 0;
    double fSortCold = 0;
    for (int nSortType = 1; nSortType <= 23; ++nSortType) {
        const int nPlainType = nSortType % 2 == 0 && nSortType < 23 ? nSortType - 1 : nSortType;
        const double fBase = medianMs([&] {
            std::vector<PlainRow*> copy = plainRows;
            std::sort(copy.begin(), copy.end(),
                      [nPlainType](auto a, auto b) { return plainLess(nPlainType, a, b); });
        });
        const double fOurs = medianMs([&] { pManager->getDataType(Proxy_Online, nSortType); });
        fSortWorst = std::max(fSortWorst, fOurs);
        fSortRatio = std::max(fSortRatio, fOurs / std::max(fBase, 0.001));
        fSortCold = std::max(fSortCold, medianMs([&] {
                                 touch(Proxy_Online);
                                 pManager->getDataType(Proxy_Online, nSortType);
                             }));
    }
    std::printf("first view after a row change: filter worst %.1f ms, sort worst %.1f ms\n",
                fFilterCold, fSortCold);
    std::printf("parse: %.1f ms, JsonCpp parse %.1f ms, ratio %.2f\n", fParse, fJsonCpp,
                fParse / fJsonCpp);
    std::printf("filter: worst %.1f ms, ratio %.2f\n", fFilterWorst, fFilterRatio);
    std::printf("sort: worst %.1f ms, ratio %.2f\n", fSortWorst, fSortRatio);
    pManager->clearAllData(1);
    delete pManager;
    return 0;
}
