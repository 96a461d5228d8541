// The lists the pages show: picking, location filters and the one comparator.
#include "ProxyManager.h"

#include "DataManager/Proxy/ProxyListModel.h"
#include "DataManager/Proxy/ViewKeys.h"
#include "DataManager/Search/SearchManager.h"
#include "Interface/GlobleParam.h"

#include <QDebug>
#include <QStringList>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

constexpr int kStaticPlan = 6;
constexpr int kAppendedPage = 100;

const ProxyDataBase* asRow(QObject* pObject)
{
    return qobject_cast<ProxyDataBase*>(pObject);
}

std::vector<int> allPositions(int nCount)
{
    std::vector<int> positions(static_cast<size_t>(nCount));
    std::iota(positions.begin(), positions.end(), 0);
    return positions;
}

// The location choice of the search, "random" read as no choice.
struct LocationFilter
{
    QString qstrIp, qstrPostal, qstrIsp, qstrCountry, qstrState, qstrCity;

    // Codes are kept case-folded: the test ignores case.
    static QString chosen(const QString& qstrCode)
    {
        return qstrCode == QLatin1String("random") ? QString() : qstrCode.toCaseFolded();
    }

    static LocationFilter current()
    {
        SearchManager* pSearch = SearchManager::GetInstance();
        return {chosen(pSearch->getIpSearch()),
                chosen(pSearch->getCurrentPostalCode()),
                chosen(pSearch->getCurrentOperatorCode()),
                chosen(pSearch->getCurrentCountryCode()),
                chosen(pSearch->getCurrentStateCode()),
                chosen(pSearch->getCurrentCityCode())};
    }

    // The device line popup's own choice, which its history view follows.
    static LocationFilter equipment()
    {
        SearchManager* pSearch = SearchManager::GetInstance();
        return {chosen(pSearch->getEquipmentIpSearch()),
                chosen(pSearch->getEquipmentCurrentPostalCode()),
                chosen(pSearch->getEquipmentCurrentIspCode()),
                chosen(pSearch->getEquipmentCurrentCountryCode()),
                chosen(pSearch->getEquipmentCurrentStateCode()),
                chosen(pSearch->getEquipmentCurrentCityCode())};
    }

    bool isEmpty() const
    {
        return qstrIp.isEmpty() && qstrPostal.isEmpty() && qstrIsp.isEmpty() &&
               qstrCountry.isEmpty() && qstrState.isEmpty() && qstrCity.isEmpty();
    }

    bool passes(QObject* pObject) const
    {
        static const ProxyDataBase::LineKeys kNoKeys;
        const ProxyDataBase* pRow = asRow(pObject);
        const ProxyDataBase::LineKeys& keys = pRow ? pRow->lineKeys() : kNoKeys;
        const QString* const texts[] = {&keys.ip,      &keys.postal, &keys.isp,
                                        &keys.country, &keys.state,  &keys.city};
        return passesBy([&texts](ViewKeys::LineField field, const QString& qstrCode) {
            return texts[field]->contains(qstrCode, Qt::CaseInsensitive);
        });
    }

    // The same test on a view's kept keys, folded once, so a plain search does.
    bool passes(ViewKeys& keys, int nRow) const
    {
        return passesBy([&keys, nRow](ViewKeys::LineField field, const QString& qstrCode) {
            return keys.foldedText(nRow, field).contains(qstrCode);
        });
    }

    // Only the first rule that has a choice applies: IP text, postal, operator, places.
    template <typename Has> bool passesBy(Has has) const
    {
        if (!qstrIp.isEmpty())
            return has(ViewKeys::Field_Ip, qstrIp);
        if (!qstrPostal.isEmpty())
            return has(ViewKeys::Field_Postal, qstrPostal);
        if (!qstrIsp.isEmpty())
            return has(ViewKeys::Field_Isp, qstrIsp);
        return (qstrCountry.isEmpty() || has(ViewKeys::Field_Country, qstrCountry)) &&
               (qstrState.isEmpty() || has(ViewKeys::Field_State, qstrState)) &&
               (qstrCity.isEmpty() || has(ViewKeys::Field_City, qstrCity));
    }
};

std::vector<int> locationPositions(ViewKeys& keys, const LocationFilter& filter, bool bSkipStatic)
{
    std::vector<int> positions;
    for (int nRow = 0; nRow < keys.size(); ++nRow)
        if (!(bSkipStatic && keys.isStatic(nRow)) && filter.passes(keys, nRow))
            positions.push_back(nRow);
    return positions;
}

bool isStatic(QObject* pObject)
{
    const ProxyDataBase* pRow = asRow(pObject);
    return pRow && pRow->getIpTimeType() == kStaticPlan;
}

void setCount(void (GlobleParam::*setter)(const int&), int nCount)
{
    if (GlobleParam* pParam = GlobleParam::GetInstance())
        (pParam->*setter)(nCount);
}

} // namespace

bool ProxyManager::lessBy(int nSortType, QObject* a, QObject* b)
{
    return ViewKeys::lessBy(nSortType, a, b);
}

bool ProxyManager::CompareSort(QObject* a, QObject* b)
{
    return lessBy(GetInstance()->getDataSortType(), a, b);
}

// In filing order, as a shown list keeps rows with equal keys (one filed later goes after
// them): a fresh view then shows such rows where the shown list had them.
QList<QObject*> ProxyManager::rowsOf(int enumType,
                                     const std::function<bool(QObject*)>& accepts) const
{
    std::vector<ProxyDataBase*> filed;
    filed.reserve(size_t(table(enumType).size()));
    for (ProxyDataBase* pRow : table(enumType))
        if (!accepts || accepts(pRow))
            filed.push_back(pRow);
    std::sort(filed.begin(), filed.end(), [](const ProxyDataBase* a, const ProxyDataBase* b) {
        return a->filingOrder() < b->filingOrder();
    });
    return QList<QObject*>(filed.cbegin(), filed.cend());
}

// Kept until a row is filed in or taken from the table, following the rows' writes: views
// in a row (a filter typed, a column clicked, a ping between) then filter and sort without
// reading every row object again.
ViewKeys& ProxyManager::tableKeys(int enumType)
{
    KeptKeys& kept = m_keptKeys.at(static_cast<size_t>(enumType));
    if (kept.pKeys)
        kept.pKeys->followWrites();
    else
        kept.pKeys = std::make_unique<ViewKeys>(rowsOf(enumType, {}), enumType, &kept.nRebuilds);
    return *kept.pKeys;
}

void ProxyManager::forgetTableKeys(int enumType)
{
    if (enumType >= 0 && enumType < kProxyEnumCount)
        m_keptKeys[static_cast<size_t>(enumType)].pKeys.reset();
}

QList<QObject*> ProxyManager::finishView(int enumType, QList<QObject*> rows, int nSortType,
                                         const std::function<bool(QObject*)>& accepts)
{
    ViewKeys keys(std::move(rows));
    return finishView(enumType, keys, allPositions(keys.size()), nSortType, accepts);
}

// Sorts stably, logs, and loads the list type's model with the rows at the positions.
QList<QObject*> ProxyManager::finishView(int enumType, ViewKeys& keys, std::vector<int> positions,
                                         int nSortType,
                                         const std::function<bool(QObject*)>& accepts)
{
    setDataSortType(nSortType);
    const bool bSorted = ViewKeys::isSortType(nSortType);
    keys.sort(positions, nSortType);
    const QList<QObject*> rows = keys.rowsAt(positions);
    qDebug() << "enumValue:" << enumType;
    qDebug() << "nValue:" << nSortType;
    qDebug() << "proxylist size:" << rows.size();
    if (ProxyListModel* pModel = listModel(enumType)) {
        ProxyListModel::Less less;
        if (bSorted)
            less = [nSortType](QObject* a, QObject* b) { return lessBy(nSortType, a, b); };
        pModel->setRows(rows, accepts, less);
    }
    return rows;
}

QList<QObject*> ProxyManager::getDataType(int enumValue, int nValue)
{
    switch (enumValue) {
    case Proxy_Online:
    case Proxy_StaticOnline:
        if (nValue == kAppendedPage) {
            setDataSortType(kAppendedPage);
            return m_listAppendOnline;
        }
        return tableView(enumValue, nValue);
    case Proxy_Today:
        return todayView(nValue);
    case Proxy_Favorite:
        return favoriteView(nValue);
    case Proxy_Port: {
        QList<QObject*> ports;
        for (Port* pPort : qAsConst(m_hashPort))
            ports.append(pPort);
        return finishView(enumValue, ports, ViewKeys::Sort_FirstText, {});
    }
    case Proxy_Program: {
        QList<QObject*> programs;
        for (Program* pProgram : qAsConst(m_listProgram))
            programs.append(pProgram);
        programs.append(createProgramDefault());
        return finishView(enumValue, programs, ViewKeys::Sort_Keep, {});
    }
    case Proxy_ApiHistory:
    case Proxy_ProgramHistory: {
        const bool bAll = nValue == 0;
        return finishView(enumValue, bAll ? rowsOf(enumValue, {}) : QList<QObject*>(),
                          ViewKeys::Sort_BuyTime, [bAll](QObject*) { return bAll; });
    }
    case Proxy_Equipment: {
        QList<QObject*> devices =
            finishView(enumValue, rowsOf(enumValue, {}), ViewKeys::Sort_DeviceLogin, {});
        setCount(&GlobleParam::setEquipmentDataNumbs, devices.size());
        return devices;
    }
    case Proxy_EquipmentLine: {
        // The page's column sort when it gives one; latency order otherwise.
        const int nSortType =
            nValue >= 1 && nValue <= ViewKeys::Sort_Newest ? nValue : ViewKeys::Sort_Latency;
        if (nValue == kAppendedPage) {
            setDataSortType(ViewKeys::Sort_Latency);
            ViewKeys keys(m_listAppendOnline);
            std::vector<int> positions = allPositions(keys.size());
            keys.sort(positions, ViewKeys::Sort_Latency);
            return keys.rowsAt(positions);
        }
        return tableView(enumValue, nSortType);
    }
    case Proxy_EquipmentLineHistory:
        return equipmentLineHistoryView(false, 0);
    default:
        setDataSortType(nValue);
        return {};
    }
}

// Every row of the table, sorted.
QList<QObject*> ProxyManager::tableView(int enumType, int nSortType)
{
    ViewKeys& keys = tableKeys(enumType);
    return finishView(enumType, keys, allPositions(keys.size()), nSortType, {});
}

QList<QObject*> ProxyManager::todayView(int nValue)
{
    ViewKeys& keys = tableKeys(Proxy_Today);
    std::vector<int> positions;
    std::function<bool(QObject*)> accepts = [](QObject*) { return false; };
    int nCount = 0; // the rows the list has without a filter: all but static exits
    const LocationFilter filter = LocationFilter::current();
    if (nValue == 0 || (nValue == 1 && filter.isEmpty())) {
        for (int nRow = 0; nRow < keys.size(); ++nRow)
            if (!keys.isStatic(nRow))
                positions.push_back(nRow);
        nCount = int(positions.size());
        accepts = [](QObject* pRow) { return !isStatic(pRow); };
    } else if (nValue == 1) {
        // Counted in the same pass as the filter.
        for (int nRow = 0; nRow < keys.size(); ++nRow) {
            if (keys.isStatic(nRow))
                continue;
            ++nCount;
            if (filter.passes(keys, nRow))
                positions.push_back(nRow);
        }
        accepts = [filter](QObject* pRow) { return !isStatic(pRow) && filter.passes(pRow); };
    }
    const QList<QObject*> rows =
        finishView(Proxy_Today, keys, std::move(positions), ViewKeys::Sort_BuyTime, accepts);
    setCount(&GlobleParam::setTodayDataNumbs, nCount);
    return rows;
}

QList<QObject*> ProxyManager::favoriteView(int nValue)
{
    ViewKeys& keys = tableKeys(Proxy_Favorite);
    std::vector<int> positions;
    std::function<bool(QObject*)> accepts = [](QObject*) { return false; };
    const LocationFilter filter = LocationFilter::current();
    if (nValue == 0 || (nValue == 1 && filter.isEmpty())) {
        positions = allPositions(keys.size());
        accepts = {};
    } else if (nValue == 1) {
        positions = locationPositions(keys, filter, false);
        accepts = [filter](QObject* pRow) { return filter.passes(pRow); };
    }
    const QList<QObject*> rows = finishView(Proxy_Favorite, keys, std::move(positions),
                                            ViewKeys::Sort_FavoriteUpdate, accepts);
    const int nCount = nValue == 1 ? keys.size() : rows.size();
    setCount(&GlobleParam::setFavoriteDataNumbs, nCount);
    return rows;
}

QList<QObject*> ProxyManager::locationView(int enumType, bool bSkipStatic)
{
    const LocationFilter filter = LocationFilter::current();
    if (filter.isEmpty())
        return getDataType(enumType, 0);
    ViewKeys& keys = tableKeys(enumType);
    return keys.rowsAt(locationPositions(keys, filter, bSkipStatic));
}

QList<QObject*> ProxyManager::refreshTodayList(int)
{
    return locationView(Proxy_Today, true);
}

QList<QObject*> ProxyManager::refreshFavoriteList(int)
{
    return locationView(Proxy_Favorite, false);
}

// The "Random" placeholder (latency 0) is listed but never shown as a match or counted.
QList<QObject*> ProxyManager::equipmentLineHistoryView(bool bSearch, int nValue)
{
    m_listEquipmentLineHistory.clear();
    const LocationFilter filter = LocationFilter::equipment();
    const bool bFiltered = bSearch && nValue == 1 && !filter.isEmpty();
    QList<QObject*> rows;
    int nCount = 0;
    for (ProxyDataBase* pRow : table(Proxy_EquipmentLineHistory)) {
        auto* pHistory = static_cast<TodayList*>(pRow);
        const bool bPlaceholder = pHistory->getPing() == 0;
        const bool bMatch = !bPlaceholder && !(bSearch && isStatic(pHistory)) &&
                            (!bFiltered || filter.passes(pHistory));
        pHistory->setIsShow(bMatch);
        nCount += bMatch ? 1 : 0;
        if (bMatch || bPlaceholder)
            rows.append(pHistory);
    }
    // A search that matched nothing real shows nothing, not the placeholder alone.
    if (bSearch && nCount == 0)
        rows.clear();
    rows = finishView(Proxy_EquipmentLineHistory, rows, ViewKeys::Sort_Newest,
                      [](QObject*) { return false; });
    // Binds pick from the history in the order it is shown.
    for (QObject* pRow : qAsConst(rows)) {
        if (static_cast<TodayList*>(pRow)->getIsShow())
            m_listEquipmentLineHistory.append(pRow);
    }
    setCount(&GlobleParam::setEquipmentLineHistoryDataNumbs, nCount);
    return rows;
}

QList<QObject*> ProxyManager::searchDataType(int enumValue, int nValue)
{
    if (enumValue != Proxy_EquipmentLineHistory || (nValue != 0 && nValue != 1)) {
        setDataSortType(nValue);
        if (enumValue == Proxy_EquipmentLineHistory)
            setCount(&GlobleParam::setEquipmentLineHistoryDataNumbs, 0);
        return {};
    }
    return equipmentLineHistoryView(true, nValue);
}

void ProxyManager::appendDataType(int enumValue, int)
{
    if (enumValue != Proxy_Online)
        return;
    const QList<QObject*> rows = m_listAppendOnline;
    for (int i = 0; i < rows.size(); ++i)
        emit signal_AppendOnline(rows.at(i), i);
}

QObject* ProxyManager::getFavoirteListByKey(QString qstrKey)
{
    return getListDataByKey(qstrKey, Proxy_Favorite);
}
