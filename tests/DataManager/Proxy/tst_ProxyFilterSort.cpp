#include "DataManager/Proxy/ProxyListModel.h"
#include "DataManager/Proxy/ProxyManager.h"
#include "DataManager/Proxy/ViewKeys.h"
#include "DataManager/Search/SearchManager.h"
#include "Interface/GlobleParam.h"

#include <QMetaProperty>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <tuple>

namespace {

struct HandRow
{
    const char* szIp;
    const char* szCountry;
    const char* szState;
    const char* szCity;
    const char* szIsp;
    const char* szPostal;
    int nPlan;
};

const HandRow kHandRows[] = {
    {"10.0.0.1", "US", "CA", "LA", "att", "90001", 1},
    {"10.0.0.2", "RUS", "MOW", "Moscow", "mts", "101000", 1},
    {"20.0.0.3", "US", "NY", "NYC", "verizon", "10001", 6},
    {"20.0.0.4", "DE", "BE", "Berlin", "att", "10115", 3},
};

QJsonObject lineOf(const HandRow& row)
{
    return {{"ip", row.szIp},     {"country", row.szCountry}, {"state", row.szState},
            {"city", row.szCity}, {"isp", row.szIsp},         {"postal", row.szPostal}};
}

template <typename Row> Row* rowOf(const QString& qstrIp, const QJsonObject& line, int nPlan)
{
    auto* pRow = new Row;
    pRow->setIp(qstrIp);
    pRow->setSession(qstrIp);
    pRow->setqjsonLine(line);
    pRow->setIpTimeType(nPlan);
    return pRow;
}

QStringList ipsOf(const QList<QObject*>& rows)
{
    QStringList ips;
    for (QObject* pRow : rows)
        ips << static_cast<ProxyDataBase*>(pRow)->getIp();
    ips.sort();
    return ips;
}

void choose(const QString& qstrIp, const QString& qstrCountry, const QString& qstrState,
            const QString& qstrCity, const QString& qstrIsp, const QString& qstrPostal)
{
    SearchManager* pSearch = SearchManager::GetInstance();
    pSearch->setIpSearch(qstrIp);
    pSearch->setCurrentCountryCode(qstrCountry);
    pSearch->setCurrentStateCode(qstrState);
    pSearch->setCurrentCityCode(qstrCity);
    pSearch->setCurrentOperatorCode(qstrIsp);
    pSearch->setCurrentPostalCode(qstrPostal);
}

QString seededIp(QRandomGenerator& random)
{
    static const char* const kOdd[] = {"01", "1", "x", "", "007"};
    QStringList parts;
    const int nParts = 2 + random.bounded(3);
    for (int i = 0; i < nParts; ++i)
        parts << (random.bounded(8) == 0 ? QString(kOdd[random.bounded(5)])
                                         : QString::number(random.bounded(300)));
    return parts.join('.');
}

// Four rows that every sort column orders differently (the address by its numbers and as a
// text too), none in the order they are filed: a column sorting by another column's field
// shows them out of its order.
struct ColumnRow
{
    const char* szIp;
    int nPing;
    const char *szCountry, *szState, *szCity, *szPostal, *szIsp;
    int nExpire;
    const char* szBuyTime;
    int nCreateTime, nUpdateTime, nLoginTime;
};

const ColumnRow kColumnRows[] = {
    {"10.9.0.1", 20, "D", "A", "D", "C", "B", 1, "4", 3, 4, 2},
    {"10.10.0.1", 10, "B", "D", "C", "A", "D", 3, "2", 4, 1, 4},
    {"9.0.0.1", 40, "C", "B", "A", "B", "C", 4, "1", 2, 3, 1},
    {"10.100.0.1", 30, "A", "C", "B", "D", "A", 2, "3", 1, 2, 3},
};

// The row as one of the table's rows, with the fields that table's rows have.
ProxyDataBase* columnRowOf(int enumTable, const ColumnRow& values)
{
    const QJsonObject line{{"country", values.szCountry}, {"state", values.szState},
                           {"city", values.szCity},       {"postal", values.szPostal},
                           {"isp", values.szIsp},         {"expire_time", values.nExpire}};
    ProxyDataBase* pRow = nullptr;
    if (enumTable == Proxy_Favorite) {
        auto* pFavorite = rowOf<FavoriteList>(values.szIp, line, 1);
        pFavorite->setUpdateTime(values.nUpdateTime);
        pRow = pFavorite;
    } else if (enumTable == Proxy_Equipment) {
        auto* pDevice = rowOf<EquipmentList>(values.szIp, line, 1);
        pDevice->setLastLoginTime(values.nLoginTime);
        pRow = pDevice;
    } else {
        auto* pToday = rowOf<TodayList>(values.szIp, line, 1);
        pToday->setBuyTime(values.szBuyTime);
        pToday->setCreateTime(values.nCreateTime);
        pRow = pToday;
    }
    pRow->setPing(values.nPing);
    return pRow;
}

// A few sort types' keys, worked out here rather than taken from the manager: the parts of
// an address as numbers (not a number: 0), a number, then a text.
using SortKey = std::tuple<QList<qulonglong>, qint64, QString>;
const QMap<int, bool> kKeyedDescending{{1, false}, {4, true}, {5, false}, {16, false}, {22, true}};

SortKey keyOf(qint64 nNumber, const QString& qstrText = QString())
{
    return {QList<qulonglong>(), nNumber, qstrText};
}

SortKey independentKey(int nSortType, QObject* pObject)
{
    const auto* pRow = static_cast<ProxyDataBase*>(pObject);
    const auto* pToday = qobject_cast<TodayList*>(pObject);
    const auto* pDevice = qobject_cast<EquipmentList*>(pObject);
    switch (nSortType) {
    case 1: {
        QList<qulonglong> parts;
        for (const QString& part : pRow->getIp().split('.'))
            parts << part.toULongLong();
        return {parts, 0, pRow->getIp()};
    }
    case 4:
        return keyOf(pRow->getPing());
    case 5:
        return keyOf(0, pRow->getqjsonLine().value("country").toString());
    case 16:
        return keyOf(0, pToday ? pToday->getBuyTime() : QString());
    default:
        return keyOf(pDevice ? pDevice->getLastLoginTime() : 0);
    }
}

// A value of a row property's type that orders with n, for every type a key is read from.
QVariant orderedValue(int nType, int n)
{
    const QString qstrText = QString::number(n);
    switch (nType) {
    case QMetaType::QString:
        return qstrText;
    case QMetaType::QJsonObject:
        return QJsonObject{{"ip", qstrText},   {"country", qstrText}, {"state", qstrText},
                           {"city", qstrText}, {"postal", qstrText},  {"isp", qstrText},
                           {"expire_time", n}};
    default:
        return n;
    }
}

} // namespace

class tst_ProxyFilterSort : public QObject
{
    Q_OBJECT

private:
    GlobleParam* m_pParam = nullptr;
    ProxyManager* manager() { return ProxyManager::GetInstance(); }

private slots:
    void initTestCase() { m_pParam = new GlobleParam; }
    void cleanupTestCase() { delete m_pParam; }
    void cleanup()
    {
        delete ProxyManager::GetInstance();
        choose({}, {}, {}, {}, {}, {});
    }

    void locationFilters_data()
    {
        QTest::addColumn<QStringList>("choice"); // ip, country, state, city, isp, postal
        QTest::addColumn<QStringList>("today");
        QTest::addColumn<QStringList>("favourites");
        const QStringList all{"10.0.0.1", "10.0.0.2", "20.0.0.3", "20.0.0.4"};
        const QStringList allToday{"10.0.0.1", "10.0.0.2", "20.0.0.4"};
        QTest::newRow("nothing chosen") << QStringList{"", "", "", "", "", ""} << allToday << all;
        QTest::newRow("random means any")
            << QStringList{"random", "random", "random", "", "random", "random"} << allToday << all;
        QTest::newRow("ip text beats country")
            << QStringList{"10.0", "DE", "", "", "", ""} << QStringList{"10.0.0.1", "10.0.0.2"}
            << QStringList{"10.0.0.1", "10.0.0.2"};
        QTest::newRow("country contains, any case")
            << QStringList{"", "us", "", "", "", ""} << QStringList{"10.0.0.1", "10.0.0.2"}
            << QStringList{"10.0.0.1", "10.0.0.2", "20.0.0.3"};
        QTest::newRow("postal beats operator")
            << QStringList{"", "", "", "", "att", "1000"} << QStringList{"10.0.0.2"}
            << QStringList{"10.0.0.2", "20.0.0.3"};
        QTest::newRow("operator beats country")
            << QStringList{"", "US", "", "", "ATT", ""} << QStringList{"10.0.0.1", "20.0.0.4"}
            << QStringList{"10.0.0.1", "20.0.0.4"};
        QTest::newRow("static only in favourites") << QStringList{"", "US", "NY", "random", "", ""}
                                                   << QStringList{} << QStringList{"20.0.0.3"};
    }

    void locationFilters()
    {
        QFETCH(QStringList, choice);
        QFETCH(QStringList, today);
        QFETCH(QStringList, favourites);
        for (const HandRow& row : kHandRows) {
            manager()->addData(rowOf<TodayList>(row.szIp, lineOf(row), row.nPlan));
            manager()->addData(rowOf<FavoriteList>(row.szIp, lineOf(row), row.nPlan));
        }
        choose(choice[0], choice[1], choice[2], choice[3], choice[4], choice[5]);
        QCOMPARE(ipsOf(manager()->getDataType(Proxy_Today, 1)), today);
        QCOMPARE(m_pParam->getTodayDataNumbs(), 3);
        QCOMPARE(ipsOf(manager()->getDataType(Proxy_Favorite, 1)), favourites);
        QCOMPARE(m_pParam->getFavoriteDataNumbs(), 4);

        // A row filed while the view is shown joins the model only when it passes the filter.
        auto* pModel = manager()->listModel(Proxy_Today);
        QCOMPARE(pModel->rowCount(), today.size());
        const HandRow extra = {"10.0.0.9", "DE", "BE", "Berlin", "mts", "20000", 1};
        manager()->addData(rowOf<TodayList>(extra.szIp, lineOf(extra), extra.nPlan));
        const int nShown = pModel->rowCount();
        QCOMPARE(nShown, manager()->getDataType(Proxy_Today, 1).size());
    }

    // Views keep the rows' keys between calls; a change to a row or the table shows at once.
    void viewsFollowChanges()
    {
        for (const HandRow& row : kHandRows)
            manager()->addData(rowOf<TodayList>(row.szIp, lineOf(row), row.nPlan));
        const auto shown = [this] {
            QStringList ips;
            for (QObject* pRow : manager()->getDataType(Proxy_Today, 1))
                ips << static_cast<ProxyDataBase*>(pRow)->getIp();
            return ips;
        };
        const auto row = [this](const char* szIp) {
            return static_cast<TodayList*>(manager()->getListDataByKey(szIp, Proxy_Today));
        };
        choose({}, "de", {}, {}, {}, {});
        QCOMPARE(shown(), QStringList{"20.0.0.4"});
        row("10.0.0.1")->setqjsonLine(lineOf(kHandRows[3]));
        row("10.0.0.1")->setBuyTime("1");
        row("20.0.0.4")->setBuyTime("2");
        QCOMPARE(shown(), (QStringList{"10.0.0.1", "20.0.0.4"}));
        row("10.0.0.1")->setBuyTime("3");
        QCOMPARE(shown(), (QStringList{"20.0.0.4", "10.0.0.1"}));
        manager()->removeData(row("20.0.0.4"));
        QCOMPARE(shown(), QStringList{"10.0.0.1"});
        const HandRow extra = {"30.0.0.5", "DE", "BE", "Berlin", "mts", "20000", 1};
        manager()->addData(rowOf<TodayList>(extra.szIp, lineOf(extra), extra.nPlan));
        QCOMPARE(shown().size(), 2);
        choose({}, "\u00C6", {}, {}, {}, {});
        QVERIFY(shown().isEmpty());
        row("30.0.0.5")->setqjsonLine({{"country", "\u00E6r\u00F8"}});
        QCOMPARE(shown(), QStringList{"30.0.0.5"});
    }

    // Kept keys follow writes field by field and table by table: one row's ping is read
    // from that row alone, pings of several rows re-rank that table's pings only.
    void keysFollowWrites()
    {
        int nPing = 40;
        for (const HandRow& row : kHandRows) {
            auto* pOnline = rowOf<ProxyList>(row.szIp, lineOf(row), row.nPlan);
            pOnline->setPing(nPing -= 10);
            manager()->addData(pOnline);
            manager()->addData(rowOf<TodayList>(row.szIp, lineOf(row), row.nPlan));
        }
        const auto byPing = [this] {
            QStringList ips;
            for (QObject* pRow : manager()->getDataType(Proxy_Online, ViewKeys::Sort_Latency))
                ips << static_cast<ProxyDataBase*>(pRow)->getIp();
            return ips;
        };
        const auto online = [this](const char* szIp) {
            return manager()->getListDataByKey(szIp, Proxy_Online);
        };
        QCOMPARE(byPing(), (QStringList{"20.0.0.4", "20.0.0.3", "10.0.0.2", "10.0.0.1"}));
        manager()->getDataType(Proxy_Today, 0);
        const int nOnline = manager()->keyRebuilds(Proxy_Online);
        const int nToday = manager()->keyRebuilds(Proxy_Today);
        online("10.0.0.1")->setPing(5);
        online("10.0.0.1")->setPing(15);
        QCOMPARE(byPing(), (QStringList{"20.0.0.4", "20.0.0.3", "10.0.0.1", "10.0.0.2"}));
        manager()->getDataType(Proxy_Today, 0);
        QCOMPARE(manager()->keyRebuilds(Proxy_Online), nOnline);
        QCOMPARE(manager()->keyRebuilds(Proxy_Today), nToday);
        online("20.0.0.4")->setPing(50);
        online("20.0.0.3")->setPing(1);
        QCOMPARE(byPing(), (QStringList{"20.0.0.3", "10.0.0.1", "10.0.0.2", "20.0.0.4"}));
        manager()->getDataType(Proxy_Today, 0);
        QCOMPARE(manager()->keyRebuilds(Proxy_Online), nOnline + 1);
        QCOMPARE(manager()->keyRebuilds(Proxy_Today), nToday);
    }

    void keptKeysFollowEveryWrite_data()
    {
        QTest::addColumn<int>("nSortType");
        for (int nSortType = 1; nSortType <= ViewKeys::Sort_Newest; ++nSortType)
            QTest::addRow("sort type %d", nSortType) << nSortType;
    }

    // Whichever property of a row a sort type reads, its kept keys follow a write to it: the
    // order after the write is the order read afresh.
    void keptKeysFollowEveryWrite()
    {
        QFETCH(int, nSortType);
        const std::function<ProxyDataBase*()> kinds[] = {
            [] { return new ProxyList; }, [] { return new TodayList; },
            [] { return new FavoriteList; }, [] { return new EquipmentList; }};
        for (const auto& make : kinds) {
            const QMetaObject* pMeta = std::unique_ptr<ProxyDataBase>(make())->metaObject();
            const int nFirst = QObject::staticMetaObject.propertyCount();
            for (int i = nFirst; i < pMeta->propertyCount(); ++i) {
                const QMetaProperty property = pMeta->property(i);
                if (qstrcmp(property.name(), "enumProxyType") == 0)
                    continue; // moves the row to another table
                std::unique_ptr<ProxyDataBase> a(make()), b(make());
                const auto write = [&property](ProxyDataBase* pRow, int n) {
                    pRow->setProperty(property.name(), orderedValue(property.userType(), n));
                };
                write(a.get(), 1);
                write(b.get(), 2);
                ViewKeys kept({a.get(), b.get()}, a->getProxyType());
                std::vector<int> keptOrder{0, 1}, freshOrder{0, 1};
                kept.sort(keptOrder, nSortType);
                write(a.get(), 3);
                kept.followWrites();
                keptOrder = {0, 1};
                kept.sort(keptOrder, nSortType);
                ViewKeys({a.get(), b.get()}).sort(freshOrder, nSortType);
                QVERIFY2(keptOrder == freshOrder,
                         qPrintable(QString("%1.%2").arg(pMeta->className(), property.name())));
            }
        }
    }

    void everyColumnSortsByItsOwnField_data()
    {
        QTest::addColumn<int>("nSortType");
        QTest::addColumn<int>("enumTable"); // whose rows have the field the type reads
        QTest::addColumn<QString>("shown"); // kColumnRows' indexes in the order shown
        const char* const shown[] = {"2013", "3102", "1032", "2301", "3120", "0213", "0231", "1320",
                                     "2310", "0132", "1203", "3021", "3021", "1203", "1302", "2130",
                                     "1320", "0231", "0312", "2130", "2031", "1302", "1023"};
        for (int nSortType = 1; nSortType <= ViewKeys::Sort_Newest; ++nSortType) {
            const int enumTable = nSortType == 17 || nSortType == 18   ? Proxy_Favorite
                                  : nSortType == 21 || nSortType == 22 ? Proxy_Equipment
                                                                       : Proxy_Today;
            QTest::addRow("sort type %d", nSortType)
                << nSortType << enumTable << QString(shown[nSortType - 1]);
        }
    }

    void everyColumnSortsByItsOwnField()
    {
        QFETCH(int, nSortType);
        QFETCH(int, enumTable);
        QFETCH(QString, shown);
        std::vector<std::unique_ptr<ProxyDataBase>> owned;
        QList<QObject*> rows;
        for (const ColumnRow& values : kColumnRows) {
            owned.emplace_back(columnRowOf(enumTable, values));
            rows << owned.back().get();
        }
        std::vector<int> positions{0, 1, 2, 3};
        ViewKeys(rows).sort(positions, nSortType);
        QString qstrShown;
        for (int nRow : positions)
            qstrShown += QString::number(nRow);
        QCOMPARE(qstrShown, shown);
    }

    void countsChangeWithOneSignal_data()
    {
        QTest::addColumn<int>("enumType");
        QTest::addColumn<QByteArray>("signal");
        QTest::newRow("today") << int(Proxy_Today)
                               << QByteArray(SIGNAL(nTodayDataNumbsChanged(int)));
        QTest::newRow("favourites")
            << int(Proxy_Favorite) << QByteArray(SIGNAL(nFavoriteDataNumbsChanged(int)));
        QTest::newRow("devices") << int(Proxy_Equipment)
                                 << QByteArray(SIGNAL(nEquipmentDataNumbsChanged(int)));
    }

    void countsChangeWithOneSignal()
    {
        QFETCH(int, enumType);
        QFETCH(QByteArray, signal);
        manager()->getDataType(enumType, 0);
        QSignalSpy spy(m_pParam, signal.constData());
        ProxyDataBase* pRow = nullptr;
        if (enumType == Proxy_Today)
            pRow = rowOf<TodayList>("10.0.0.1", lineOf(kHandRows[0]), 1);
        else if (enumType == Proxy_Favorite)
            pRow = rowOf<FavoriteList>("10.0.0.1", lineOf(kHandRows[0]), 1);
        else
            pRow = rowOf<EquipmentList>("10.0.0.1", lineOf(kHandRows[0]), 1);
        manager()->addData(pRow);
        manager()->getDataType(enumType, 0);
        manager()->getDataType(enumType, 0);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.last().value(0).toInt(), 1);
        manager()->clearDataByType(enumType);
        manager()->getDataType(enumType, 0);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.last().value(0).toInt(), 0);
    }

    void addressOrder_data()
    {
        QTest::addColumn<int>("nSortType");
        QTest::addColumn<QString>("qstrFirst");
        QTest::addColumn<QString>("qstrSecond");
        QTest::newRow("numeric parts") << 1 << "10.2.3.4"
                                       << "10.10.3.4";
        QTest::newRow("numeric, descending") << 2 << "10.10.3.4"
                                             << "10.2.3.4";
        QTest::newRow("text") << 15 << "10.10.3.4"
                              << "10.2.3.4";
        QTest::newRow("prefix first") << 1 << "10.2"
                                      << "10.2.0";
        QTest::newRow("equal numbers, then text") << 1 << "10.01"
                                                  << "10.1";
    }

    void addressOrder()
    {
        QFETCH(int, nSortType);
        QFETCH(QString, qstrFirst);
        QFETCH(QString, qstrSecond);
        ProxyList first, second;
        first.setIp(qstrFirst);
        second.setIp(qstrSecond);
        QVERIFY(ProxyManager::lessBy(nSortType, &first, &second));
        QVERIFY(!ProxyManager::lessBy(nSortType, &second, &first));
    }

    // Every sort type on seeded rows: a permutation, ordered, by a strict weak ordering.
    void everySortTypeOrdersSeededRows()
    {
        QRandomGenerator random(20261209);
        std::vector<std::unique_ptr<ProxyDataBase>> owned;
        QList<QObject*> rows;
        for (int i = 0; i < 2000; ++i) {
            ProxyDataBase* pRow = nullptr;
            if (i % 3 == 0) {
                auto* pToday = new TodayList;
                pToday->setBuyTime(QString::number(random.bounded(50)));
                pToday->setCreateTime(random.bounded(50));
                pRow = pToday;
            } else if (i % 3 == 1) {
                auto* pFavorite = new FavoriteList;
                pFavorite->setUpdateTime(random.bounded(50));
                pRow = pFavorite;
            } else {
                auto* pDevice = new EquipmentList;
                pDevice->setLastLoginTime(random.bounded(50));
                pRow = pDevice;
            }
            pRow->setIp(seededIp(random));
            pRow->setPing(random.bounded(21, 88));
            pRow->setqjsonLine({{"country", QString(QChar('A' + random.bounded(5)))},
                                {"state", QString::number(random.bounded(9))},
                                {"city", QString::number(random.bounded(9))},
                                {"postal", QString::number(random.bounded(9))},
                                {"isp", QString::number(random.bounded(9))},
                                {"expire_time", random.bounded(50)}});
            owned.emplace_back(pRow);
            rows << pRow;
        }
        for (int nSortType = 1; nSortType <= 23; ++nSortType) {
            const auto less = [nSortType](QObject* a, QObject* b) {
                return ProxyManager::lessBy(nSortType, a, b);
            };
            QList<QObject*> sorted = rows;
            manager()->setDataSortType(nSortType);
            std::stable_sort(sorted.begin(), sorted.end(), ProxyManager::CompareSort);
            QList<QObject*> a = sorted, b = rows;
            std::sort(a.begin(), a.end());
            std::sort(b.begin(), b.end());
            QCOMPARE(a, b);
            for (int i = 1; i < sorted.size(); ++i)
                QVERIFY2(!less(sorted[i], sorted[i - 1]), qPrintable(QString::number(nSortType)));
            for (int i = 1; kKeyedDescending.contains(nSortType) && i < sorted.size(); ++i) {
                const SortKey previous = independentKey(nSortType, sorted[i - 1]);
                const SortKey current = independentKey(nSortType, sorted[i]);
                QVERIFY2(kKeyedDescending[nSortType] ? !(previous < current) : !(current < previous),
                         qPrintable(QString::number(nSortType)));
            }
            for (int i = 0; i + 2 < rows.size(); i += 3) {
                QObject *x = rows[i], *y = rows[i + 1], *z = rows[i + 2];
                QVERIFY(!less(x, x));
                const bool bXY = !less(x, y) && !less(y, x);
                const bool bYZ = !less(y, z) && !less(z, y);
                if (bXY && bYZ)
                    QVERIFY(!less(x, z) && !less(z, x));
            }
        }
    }

    void unsortedViews()
    {
        QVERIFY(manager()->getDataType(Proxy_ApiHistory, 1).isEmpty());
        manager()->getDataType(Proxy_Online, 100);
        QCOMPARE(manager()->getDataSortType(), 100);
        const QList<QObject*> programs = manager()->getDataType(Proxy_Program, 0);
        QCOMPARE(programs.size(), 1);
        QCOMPARE(manager()->getDataType(Proxy_Program, 0), programs);
    }
};

QTEST_MAIN(tst_ProxyFilterSort)
#include "tst_ProxyFilterSort.moc"
