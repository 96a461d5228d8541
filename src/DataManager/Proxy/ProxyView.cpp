// The lists the pages show: picking, location filters and the one comparator.
#include "ProxyManager.h"

#include "DataManager/Proxy/ProxyListModel.h"
#include "DataManager/Search/SearchManager.h"
#include "Interface/GlobleParam.h"

#include <QDebug>
#include <QQmlEngine>
#include <QStringList>

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

constexpr int kStaticPlan = 6;
constexpr int kSortKeep = 0;
constexpr int kSortLatency = 3;
constexpr int kSortFirstText = 15;
constexpr int kSortBuyTime = 16;
constexpr int kSortFavoriteUpdate = 17;
constexpr int kSortDeviceLogin = 22;
constexpr int kSortNewest = 23;
constexpr int kAppendedPage = 100;

// The numbers of a dotted address, a part that is not a number counting 0.
std::vector<qulonglong> ipNumbers(const QString& qstrIp)
{
    std::vector<qulonglong> numbers;
    for (const QString& part : qstrIp.split(QLatin1Char('.'))) {
        bool bOk = false;
        const qulonglong nPart = part.toULongLong(&bOk);
        numbers.push_back(bOk ? nPart : 0);
    }
    return numbers;
}

const ProxyDataBase* asRow(QObject* pObject)
{
    return qobject_cast<ProxyDataBase*>(pObject);
}

QString ipOf(QObject* pObject)
{
    const ProxyDataBase* pRow = asRow(pObject);
    return pRow ? pRow->getIp() : QString();
}

QString lineText(QObject* pObject, const char* szKey)
{
    const ProxyDataBase* pRow = asRow(pObject);
    return pRow ? pRow->getqjsonLine().value(QLatin1String(szKey)).toString() : QString();
}

double lineNumber(QObject* pObject, const char* szKey)
{
    const ProxyDataBase* pRow = asRow(pObject);
    return pRow ? pRow->getqjsonLine().value(QLatin1String(szKey)).toDouble() : 0.0;
}

int pingOf(QObject* pObject)
{
    const ProxyDataBase* pRow = asRow(pObject);
    return pRow ? pRow->getPing() : 0;
}

QString firstTextOf(QObject* pObject)
{
    if (const auto* pPort = qobject_cast<Port*>(pObject))
        return pPort->getPort();
    return ipOf(pObject);
}

QString buyTimeOf(QObject* pObject)
{
    const auto* pRow = qobject_cast<TodayList*>(pObject);
    return pRow ? pRow->getBuyTime() : QString();
}

int createTimeOf(QObject* pObject)
{
    const auto* pRow = qobject_cast<TodayList*>(pObject);
    return pRow ? pRow->getCreateTime() : 0;
}

int favoriteUpdateOf(QObject* pObject)
{
    const auto* pRow = qobject_cast<FavoriteList*>(pObject);
    return pRow ? pRow->getUpdateTime() : 0;
}

int lastLoginOf(QObject* pObject)
{
    const auto* pRow = qobject_cast<EquipmentList*>(pObject);
    return pRow ? pRow->getLastLoginTime() : 0;
}

// What a row is ordered by under one sort type, compared as (numbers, number, text).
// Addresses: their numeric parts in turn, a shorter address before one it is a prefix
// of, then the text; so the order is a strict weak one and "01" and "1" keep one order.
struct SortKey
{
    std::vector<qulonglong> numbers;
    double number = 0;
    QString text;

    bool operator<(const SortKey& other) const
    {
        return std::tie(numbers, number, text) < std::tie(other.numbers, other.number, other.text);
    }
};

SortKey sortKeyOf(int nSortType, QObject* pRow)
{
    static const char* const kLineKeys[] = {"country", "state", "city", "postal", "isp"};
    SortKey key;
    switch (nSortType) {
    case 1:
    case 2:
        key.text = ipOf(pRow);
        key.numbers = ipNumbers(key.text);
        break;
    case 3:
    case 4:
        key.number = pingOf(pRow);
        break;
    case kSortFirstText:
        key.text = firstTextOf(pRow);
        break;
    case kSortBuyTime:
        key.text = buyTimeOf(pRow);
        break;
    case 17:
    case 18:
        key.number = favoriteUpdateOf(pRow);
        break;
    case 19:
    case 20:
        key.number = lineNumber(pRow, "expire_time");
        break;
    case 21:
    case 22:
        key.number = lastLoginOf(pRow);
        break;
    case kSortNewest:
        key.number = createTimeOf(pRow);
        break;
    default:
        if (nSortType >= 5 && nSortType <= 14)
            key.text = lineText(pRow, kLineKeys[(nSortType - 5) / 2]);
        break;
    }
    return key;
}

bool isSortType(int nSortType)
{
    return nSortType >= 1 && nSortType <= kSortNewest;
}

// Even types up to 22 and the newest-first type 23 run backwards; 16 is ascending.
bool isDescending(int nSortType)
{
    return nSortType == kSortNewest || (nSortType % 2 == 0 && nSortType != kSortBuyTime);
}

// A stable sort on keys taken once per row rather than once per comparison.
void sortRows(QList<QObject*>& rows, int nSortType)
{
    std::vector<std::pair<SortKey, QObject*>> keyed;
    keyed.reserve(static_cast<size_t>(rows.size()));
    for (QObject* pRow : qAsConst(rows))
        keyed.emplace_back(sortKeyOf(nSortType, pRow), pRow);
    const bool bDescending = isDescending(nSortType);
    std::stable_sort(keyed.begin(), keyed.end(), [bDescending](const auto& a, const auto& b) {
        return bDescending ? b.first < a.first : a.first < b.first;
    });
    for (int i = 0; i < rows.size(); ++i)
        rows[i] = keyed[static_cast<size_t>(i)].second;
}

// The location choice of the search, "random" read as no choice.
struct LocationFilter
{
    QString qstrIp, qstrPostal, qstrIsp, qstrCountry, qstrState, qstrCity;

    static QString chosen(const QString& qstrCode)
    {
        return qstrCode == QLatin1String("random") ? QString() : qstrCode;
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

    // Only the first rule that has a choice applies: IP text, postal, operator, places.
    bool passes(QObject* pObject) const
    {
        auto has = [pObject](const char* szKey, const QString& qstrCode) {
            return lineText(pObject, szKey).contains(qstrCode, Qt::CaseInsensitive);
        };
        if (!qstrIp.isEmpty())
            return has("ip", qstrIp);
        if (!qstrPostal.isEmpty())
            return has("postal", qstrPostal);
        if (!qstrIsp.isEmpty())
            return has("isp", qstrIsp);
        return has("country", qstrCountry) && has("state", qstrState) && has("city", qstrCity);
    }
};

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
    if (!isSortType(nSortType))
        return false;
    const SortKey keyA = sortKeyOf(nSortType, a);
    const SortKey keyB = sortKeyOf(nSortType, b);
    return isDescending(nSortType) ? keyB < keyA : keyA < keyB;
}

bool ProxyManager::CompareSort(QObject* a, QObject* b)
{
    return lessBy(GetInstance()->getDataSortType(), a, b);
}

QList<QObject*> ProxyManager::rowsOf(int enumType,
                                     const std::function<bool(QObject*)>& accepts) const
{
    QList<QObject*> rows;
    for (ProxyDataBase* pRow : table(enumType)) {
        if (!accepts || accepts(pRow))
            rows.append(pRow);
    }
    return rows;
}

// Sorts stably, logs, and loads the list type's model with the rows.
QList<QObject*> ProxyManager::finishView(int enumType, QList<QObject*> rows, int nSortType,
                                         const std::function<bool(QObject*)>& accepts)
{
    setDataSortType(nSortType);
    const bool bSorted = isSortType(nSortType);
    if (bSorted)
        sortRows(rows, nSortType);
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
        return finishView(enumValue, rowsOf(enumValue, {}), nValue, {});
    case Proxy_Today:
        return todayView(nValue);
    case Proxy_Favorite:
        return favoriteView(nValue);
    case Proxy_Port: {
        QList<QObject*> ports;
        for (Port* pPort : qAsConst(m_hashPort))
            ports.append(pPort);
        return finishView(enumValue, ports, kSortFirstText, {});
    }
    case Proxy_Program: {
        QList<QObject*> programs;
        for (Program* pProgram : qAsConst(m_listProgram))
            programs.append(pProgram);
        programs.append(programAddCell());
        return finishView(enumValue, programs, kSortKeep, {});
    }
    case Proxy_ApiHistory:
    case Proxy_ProgramHistory: {
        const bool bAll = nValue == 0;
        return finishView(enumValue, bAll ? rowsOf(enumValue, {}) : QList<QObject*>(), kSortBuyTime,
                          [bAll](QObject*) { return bAll; });
    }
    case Proxy_Equipment: {
        QList<QObject*> devices =
            finishView(enumValue, rowsOf(enumValue, {}), kSortDeviceLogin, {});
        setCount(&GlobleParam::setEquipmentDataNumbs, devices.size());
        return devices;
    }
    case Proxy_EquipmentLine: {
        // The page's column sort when it gives one; latency order otherwise.
        const int nSortType = nValue >= 1 && nValue <= kSortNewest ? nValue : kSortLatency;
        if (nValue == kAppendedPage) {
            QList<QObject*> rows = m_listAppendOnline;
            setDataSortType(kSortLatency);
            sortRows(rows, kSortLatency);
            return rows;
        }
        return finishView(enumValue, rowsOf(enumValue, {}), nSortType, {});
    }
    case Proxy_EquipmentLineHistory:
        return equipmentLineHistoryView(false, 0);
    default:
        setDataSortType(nValue);
        return {};
    }
}

QList<QObject*> ProxyManager::todayView(int nValue)
{
    const auto notStatic = [](QObject* pRow) { return !isStatic(pRow); };
    QList<QObject*> rows;
    std::function<bool(QObject*)> accepts = [](QObject*) { return false; };
    if (nValue == 0) {
        rows = rowsOf(Proxy_Today, notStatic);
        accepts = notStatic;
    } else if (nValue == 1) {
        const LocationFilter filter = LocationFilter::current();
        if (filter.isEmpty())
            return todayView(0);
        rows = refreshTodayList();
        accepts = [filter](QObject* pRow) { return !isStatic(pRow) && filter.passes(pRow); };
    }
    rows = finishView(Proxy_Today, rows, kSortBuyTime, accepts);
    const int nCount = nValue == 1 ? rowsOf(Proxy_Today, notStatic).size() : rows.size();
    setCount(&GlobleParam::setTodayDataNumbs, nCount);
    return rows;
}

QList<QObject*> ProxyManager::favoriteView(int nValue)
{
    QList<QObject*> rows;
    std::function<bool(QObject*)> accepts = [](QObject*) { return false; };
    if (nValue == 0) {
        rows = rowsOf(Proxy_Favorite, {});
        accepts = {};
    } else if (nValue == 1) {
        const LocationFilter filter = LocationFilter::current();
        if (filter.isEmpty())
            return favoriteView(0);
        rows = refreshFavoriteList();
        accepts = [filter](QObject* pRow) { return filter.passes(pRow); };
    }
    rows = finishView(Proxy_Favorite, rows, kSortFavoriteUpdate, accepts);
    const int nCount = nValue == 1 ? table(Proxy_Favorite).size() : rows.size();
    setCount(&GlobleParam::setFavoriteDataNumbs, nCount);
    return rows;
}

QList<QObject*> ProxyManager::locationView(int enumType, bool bSkipStatic)
{
    const LocationFilter filter = LocationFilter::current();
    if (filter.isEmpty())
        return getDataType(enumType, 0);
    return rowsOf(enumType, [&filter, bSkipStatic](QObject* pRow) {
        return !(bSkipStatic && isStatic(pRow)) && filter.passes(pRow);
    });
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
    rows =
        finishView(Proxy_EquipmentLineHistory, rows, kSortNewest, [](QObject*) { return false; });
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

// The program page's closing "add" cell: one object for every view.
Program* ProxyManager::programAddCell()
{
    if (!m_pProgramAddCell) {
        m_pProgramAddCell = new Program;
        QQmlEngine::setObjectOwnership(m_pProgramAddCell, QQmlEngine::CppOwnership);
    }
    return m_pProgramAddCell;
}
