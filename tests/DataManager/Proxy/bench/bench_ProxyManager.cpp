// Times the proxy store against plain baselines over alternating samples, printing each
// figure's median with its min-max: the parse entry against JsonCpp reading the same text;
// list views (four location filters on the today and favourite lists, every sort type on the
// online list) against std::stable_partition then std::sort over plain structs holding the
// same keys, folded the same way. Views are timed as users meet them: the first view after
// a parse, the first after a single-row change (a bind's writes and a ping on one row), and
// views in a row with nothing changed. Rows: 10,000, or the first argument.
#include "BenchFigure.h"
#include "DataManager/Proxy/ProxyManager.h"
#include "DataManager/Search/SearchManager.h"
#include "Interface/GlobleParam.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

using bench::Figure;

constexpr int kSamples = 7;

Json::Value records(int nRows)
{
    static const char* const kCountries[] = {"US", "GB", "DE", "FR"};
    QRandomGenerator random(7);
    Json::Value array(Json::arrayValue);
    for (int i = 0; i < nRows; ++i) {
        Json::Value record;
        record["ip"] = QStringLiteral("%1.%2.%3.%4")
                           .arg(random.bounded(256))
                           .arg(random.bounded(256))
                           .arg(random.bounded(256))
                           .arg(i % 256)
                           .toStdString();
        record["country"] = kCountries[i % 4];
        record["state"] = "S" + std::to_string(random.bounded(50));
        record["city"] = "C" + std::to_string(random.bounded(500));
        record["isp"] = "isp" + std::to_string(random.bounded(20));
        record["postal"] = std::to_string(10000 + random.bounded(80000));
        record["expire_time"] = random.bounded(100000);
        record["ip_time_type"] = "1";
        record["sn"] = "c24gMTIzNDU2Nzg5";
        array.append(record);
    }
    return array;
}

// A row's keys as plain values: the line texts case-folded as the views fold them.
struct PlainRow
{
    QString ip, country, state, city, isp, postal, buyTime;
    int ping = 0;
    int created = 0;
    double expire = 0;
    bool bStatic = false;

    explicit PlainRow(const ProxyDataBase* pRow)
    {
        const ProxyDataBase::LineKeys& keys = pRow->lineKeys();
        ip = keys.ip.toCaseFolded();
        country = keys.country.toCaseFolded();
        state = keys.state.toCaseFolded();
        city = keys.city.toCaseFolded();
        isp = keys.isp.toCaseFolded();
        postal = keys.postal.toCaseFolded();
        expire = keys.expireTime;
        ping = pRow->getPing();
        bStatic = pRow->getIpTimeType() == 6;
        if (const auto* pToday = qobject_cast<const TodayList*>(pRow)) {
            buyTime = pToday->getBuyTime();
            created = pToday->getCreateTime();
        }
    }
};

bool plainLess(int nKeyType, const PlainRow* a, const PlainRow* b)
{
    switch (nKeyType) {
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

// Distinct pings and purchase times, as a list that was used for a while has.
void giveRealKeys(ProxyManager* pManager, int enumType, QRandomGenerator& random)
{
    for (ProxyDataBase* pRow : pManager->table(enumType)) {
        pRow->setPing(random.bounded(20, 900));
        if (auto* pToday = qobject_cast<TodayList*>(pRow))
            pToday->setBuyTime(QStringLiteral("2026-01-%1 %2:%3:%4")
                                   .arg(1 + random.bounded(28), 2, 10, QLatin1Char('0'))
                                   .arg(random.bounded(24), 2, 10, QLatin1Char('0'))
                                   .arg(random.bounded(60), 2, 10, QLatin1Char('0'))
                                   .arg(random.bounded(60), 2, 10, QLatin1Char('0')));
    }
}

std::vector<PlainRow> plainRowsOf(ProxyManager* pManager, int enumType)
{
    std::vector<PlainRow> rows;
    for (const ProxyDataBase* pRow : pManager->table(enumType))
        rows.emplace_back(pRow);
    return rows;
}

// What a bind writes to a row (its time, port, purchase time and line) and a new ping.
void changeOneRow(ProxyManager* pManager, int enumType, QRandomGenerator& random)
{
    const auto& rows = pManager->table(enumType);
    ProxyDataBase* pRow = *std::next(rows.cbegin(), random.bounded(rows.size()));
    pRow->setPing(random.bounded(20, 900));
    QJsonObject line = pRow->getqjsonLine();
    line.insert(QStringLiteral("city"), QStringLiteral("C%1").arg(random.bounded(500)));
    pRow->setqjsonLine(line);
    if (auto* pToday = qobject_cast<TodayList*>(pRow)) {
        pToday->setUpdateTime(pToday->getUpdateTime() + 1);
        pToday->setPort(QString::number(50000 + random.bounded(1000)));
        pToday->setBuyTime(pToday->getBuyTime() + QLatin1Char('.'));
    }
}

struct View
{
    const char* szName;
    int enumType;
    std::function<void()> ours;
    std::function<void()> reference;
};

struct Filter
{
    const char *szIp, *szCountry, *szIsp, *szPostal;
    std::function<bool(const PlainRow*)> passes;
};

void chooseFilter(const Filter& filter)
{
    SearchManager* pSearch = SearchManager::GetInstance();
    pSearch->setIpSearch(filter.szIp);
    pSearch->setCurrentCountryCode(filter.szCountry);
    pSearch->setCurrentOperatorCode(filter.szIsp);
    pSearch->setCurrentPostalCode(filter.szPostal);
}

// Per sample, the worst view's time and the worst ratio to its reference; `before` runs
// untimed ahead of each of our views. The sides alternate from sample to sample.
void timeViews(const std::vector<View>& views, const std::function<void(int)>& before,
               Figure& worstMs, Figure& worstRatio)
{
    for (int nSample = 0; nSample < kSamples; ++nSample) {
        double fWorst = 0;
        double fRatio = 0;
        for (const View& view : views) {
            double fOurs = 0;
            double fReference = 0;
            for (int nSide : {nSample % 2, 1 - nSample % 2}) {
                if (nSide == 0) {
                    fReference = bench::wallMs(view.reference);
                } else {
                    before(view.enumType);
                    fOurs = bench::wallMs(view.ours);
                }
            }
            fWorst = std::max(fWorst, fOurs);
            fRatio = std::max(fRatio, fOurs / std::max(fReference, 0.001));
        }
        worstMs.add(fWorst);
        worstRatio.add(fRatio);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int nRows = argc > 1 ? std::max(1, atoi(argv[1])) : 10000;
    GlobleParam param;
    param.SetUsername("bench");
    ProxyManager* pManager = ProxyManager::GetInstance();
    QRandomGenerator random(11);
    const Json::Value array = records(nRows);
    const std::string text = toNormalString(array);

    Figure parseMs, jsonCppMs, parseRatio;
    for (int nSample = 0; nSample < kSamples; ++nSample) {
        double fParse = 0;
        double fJsonCpp = 0;
        for (int nSide : {nSample % 2, 1 - nSample % 2}) {
            if (nSide == 0) {
                fJsonCpp = bench::wallMs([&] {
                    Json::CharReaderBuilder builder;
                    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
                    Json::Value value;
                    reader->parse(text.data(), text.data() + text.size(), &value, nullptr);
                });
            } else {
                pManager->setProxyListDataJson(array);
                fParse = bench::wallMs([&] { pManager->beginRarseProxyListData(); });
            }
        }
        parseMs.add(fParse);
        jsonCppMs.add(fJsonCpp);
        parseRatio.add(fParse / fJsonCpp);
    }

    // The same exits as today's rows (extraction records) and as favourites.
    pManager->addDataByJsonArray(array, Proxy_Today, 2);
    for (ProxyDataBase* pRow : pManager->table(Proxy_Today))
        pManager->setFavoriteByParam(pRow->getSession(), Proxy_Today, true);
    for (int enumType : {Proxy_Online, Proxy_Today, Proxy_Favorite})
        giveRealKeys(pManager, enumType, random);
    std::vector<PlainRow> plainRows[kProxyEnumCount];
    const auto readPlain = [&](int enumType) {
        plainRows[enumType] = plainRowsOf(pManager, enumType);
    };

    const Filter filters[] = {
        {"1", "", "", "", [](const PlainRow* p) { return p->ip.contains(QLatin1Char('1')); }},
        {"", "", "", "2", [](const PlainRow* p) { return p->postal.contains(QLatin1Char('2')); }},
        {"", "", "isp1", "",
         [](const PlainRow* p) { return p->isp.contains(QLatin1String("isp1")); }},
        {"", "us", "", "", [](const PlainRow* p) { return p->country.contains(QLatin1String("us")); }},
    };
    std::vector<View> filterViews;
    for (const Filter& filter : filters) {
        for (int enumType : {Proxy_Today, Proxy_Favorite}) {
            filterViews.push_back(
                {"filter", enumType,
                 [&filter, pManager, enumType] {
                     chooseFilter(filter);
                     pManager->getDataType(enumType, 1);
                 },
                 [&filter, &plainRows, enumType] {
                     std::vector<const PlainRow*> rows;
                     for (const PlainRow& row : plainRows[enumType])
                         rows.push_back(&row);
                     auto end = std::stable_partition(rows.begin(), rows.end(), [&](auto p) {
                         return !(enumType == Proxy_Today && p->bStatic) && filter.passes(p);
                     });
                     std::sort(rows.begin(), end,
                               [](auto a, auto b) { return plainLess(16, a, b); });
                 }});
        }
    }
    std::vector<View> sortViews;
    for (int nSortType = 1; nSortType <= 23; ++nSortType) {
        const int nKeyType = nSortType % 2 == 0 && nSortType < 23 ? nSortType - 1 : nSortType;
        sortViews.push_back({"sort", Proxy_Online,
                             [pManager, nSortType] {
                                 pManager->getDataType(Proxy_Online, nSortType);
                             },
                             [&plainRows, nKeyType] {
                                 std::vector<const PlainRow*> rows;
                                 for (const PlainRow& row : plainRows[Proxy_Online])
                                     rows.push_back(&row);
                                 std::sort(rows.begin(), rows.end(), [nKeyType](auto a, auto b) {
                                     return plainLess(nKeyType, a, b);
                                 });
                             }});
    }
    std::vector<View> allViews = filterViews;
    allViews.insert(allViews.end(), sortViews.cbegin(), sortViews.cend());
    for (int enumType : {Proxy_Online, Proxy_Today, Proxy_Favorite})
        readPlain(enumType);

    Figure warmMs, warmRatio, changedMs, changedRatio, parsedMs, parsedRatio;
    timeViews(allViews, [](int) {}, warmMs, warmRatio);
    // One changed key does not change what the references' sorts cost.
    timeViews(
        allViews, [&](int enumType) { changeOneRow(pManager, enumType, random); }, changedMs,
        changedRatio);
    // The online list parsed again before each view: every key is read anew. One sort type
    // of each kind of key: address, number, line text, first text, expiry.
    std::vector<View> parsedViews;
    for (int nSortType : {1, 3, 5, 15, 19})
        parsedViews.push_back(sortViews.at(size_t(nSortType - 1)));
    timeViews(
        parsedViews,
        [&](int) {
            pManager->setProxyListDataJson(array);
            pManager->beginRarseProxyListData();
            readPlain(Proxy_Online);
        },
        parsedMs, parsedRatio);

    std::printf("%d rows, %d samples, the sides alternating; median (min-max)\n", nRows, kSamples);
    parseMs.print("parse", " ms");
    jsonCppMs.print("JsonCpp reading the same text", " ms");
    parseRatio.print("parse/JsonCpp (target 2)", "x");
    changedMs.print("first view after a one-row change, worst", " ms");
    changedRatio.print("the same, worst ratio (target 3)", "x");
    parsedMs.print("first sort view after a parse, worst", " ms");
    parsedRatio.print("the same, worst ratio", "x");
    warmMs.print("views in a row, worst", " ms");
    warmRatio.print("the same, worst ratio", "x");
    pManager->clearAllData(1);
    delete pManager;
    return 0;
}
