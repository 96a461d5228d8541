// The lists the pages show: picking, location filters and the one comparator.
#include "ProxyManager.h"

#include "DataManager/Proxy/ProxyListModel.h"
#include "DataManager/Search/SearchManager.h"
#include "Interface/GlobleParam.h"

#include <QDebug>
#include <QStringList>

#include <algorithm>
#include <cstring>
#include <numeric>
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

// Appends the numbers of a dotted address, a part that is not a number counting 0.
void appendIpNumbers(const QString& qstrIp, std::vector<qulonglong>& numbers)
{
    for (int nStart = 0;;) {
        const int nDot = qstrIp.indexOf(QLatin1Char('.'), nStart);
        bool bOk = false;
        const qulonglong nPart =
            qstrIp.midRef(nStart, nDot < 0 ? -1 : nDot - nStart).toULongLong(&bOk);
        numbers.push_back(bOk ? nPart : 0);
        if (nDot < 0)
            return;
        nStart = nDot + 1;
    }
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

// The line texts sort types 5 to 14 order by, in pairs.
QString lineSortText(QObject* pObject, int nSortType)
{
    const ProxyDataBase* pRow = asRow(pObject);
    if (!pRow)
        return QString();
    const ProxyDataBase::LineKeys& keys = pRow->lineKeys();
    switch ((nSortType - 5) / 2) {
    case 0:
        return keys.country;
    case 1:
        return keys.state;
    case 2:
        return keys.city;
    case 3:
        return keys.postal;
    default:
        return keys.isp;
    }
}

double expireTimeOf(QObject* pObject)
{
    const ProxyDataBase* pRow = asRow(pObject);
    return pRow ? pRow->lineKeys().expireTime : 0.0;
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

bool isSortType(int nSortType)
{
    return nSortType >= 1 && nSortType <= kSortNewest;
}

// Even types up to 22 and the newest-first type 23 run backwards; 16 is ascending.
bool isDescending(int nSortType)
{
    return nSortType == kSortNewest || (nSortType % 2 == 0 && nSortType != kSortBuyTime);
}

// QString's order (UTF-16 units, then length), inline: texts sharing a long start, such as
// the times of one purchase, are settled by one memcmp.
int compareKeys(QStringView a, QStringView b)
{
    const qsizetype nCommon = std::min(a.size(), b.size());
    if (nCommon > 0 && std::memcmp(a.data(), b.data(), size_t(nCommon) * sizeof(QChar)) != 0) {
        const auto differ = std::mismatch(a.begin(), a.begin() + nCommon, b.begin());
        return differ.first->unicode() < differ.second->unicode() ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (b.size() < a.size() ? 1 : 0);
}

// Addresses order by their numeric parts in turn, a shorter address before one it is a
// prefix of, then by the text; so the order is a strict weak one and "01" and "1" keep
// one order.
struct IpKey
{
    const qulonglong* pNumbers;
    size_t nNumbers;
    QStringView text;
};

int compareKeys(const IpKey& a, const IpKey& b)
{
    const auto differ =
        std::mismatch(a.pNumbers, a.pNumbers + a.nNumbers, b.pNumbers, b.pNumbers + b.nNumbers);
    if (differ.first != a.pNumbers + a.nNumbers && differ.second != b.pNumbers + b.nNumbers)
        return *differ.first < *differ.second ? -1 : 1;
    if (a.nNumbers != b.nNumbers)
        return a.nNumbers < b.nNumbers ? -1 : 1;
    return compareKeys(a.text, b.text);
}

// The addresses of rows side by side: their texts in one string, their numbers in one
// vector, so that keys cost no allocation each and comparisons read neighbouring memory.
class IpKeys
{
public:
    void add(const QString& qstrIp)
    {
        const size_t nFirst = m_numbers.size();
        appendIpNumbers(qstrIp, m_numbers);
        m_spans.push_back({m_qstrTexts.size(), qstrIp.size(), nFirst, m_numbers.size() - nFirst});
        m_qstrTexts += qstrIp;
    }

    // Valid while nothing is added.
    std::vector<IpKey> keys() const
    {
        std::vector<IpKey> keys;
        keys.reserve(m_spans.size());
        for (const Span& span : m_spans)
            keys.push_back({m_numbers.data() + span.nFirstNumber, span.nNumbers,
                            QStringView(m_qstrTexts.constData() + span.nText, span.nTextSize)});
        return keys;
    }

private:
    struct Span
    {
        int nText, nTextSize;
        size_t nFirstNumber, nNumbers;
    };
    QString m_qstrTexts;
    std::vector<qulonglong> m_numbers;
    std::vector<Span> m_spans;
};

// Texts side by side in one string, for the same reasons.
class TextKeys
{
public:
    void add(const QString& qstrText)
    {
        m_spans.emplace_back(m_qstrTexts.size(), qstrText.size());
        m_qstrTexts += qstrText;
    }

    // Valid while nothing is added.
    std::vector<QStringView> keys() const
    {
        std::vector<QStringView> keys;
        keys.reserve(m_spans.size());
        for (const auto& span : m_spans)
            keys.emplace_back(m_qstrTexts.constData() + span.first, span.second);
        return keys;
    }

private:
    QString m_qstrTexts;
    std::vector<std::pair<int, int>> m_spans;
};

double numberKeyOf(int nSortType, QObject* pRow)
{
    switch (nSortType) {
    case 3:
    case 4:
        return pingOf(pRow);
    case 17:
    case 18:
        return favoriteUpdateOf(pRow);
    case 19:
    case 20:
        return expireTimeOf(pRow);
    case 21:
    case 22:
        return lastLoginOf(pRow);
    default:
        return createTimeOf(pRow);
    }
}

QString textKeyOf(int nSortType, QObject* pRow)
{
    if (nSortType == kSortFirstText)
        return firstTextOf(pRow);
    if (nSortType == kSortBuyTime)
        return buyTimeOf(pRow);
    return lineSortText(pRow, nSortType);
}

// Calls `use` with the rows' keys under a sort type, in row order: addresses (1, 2),
// texts (5 to 16) or numbers (the rest). Each row's key is taken once.
template <typename Use> void withKeys(int nSortType, const QList<QObject*>& rows, Use use)
{
    if (nSortType <= 2) {
        IpKeys keys;
        for (QObject* pRow : rows)
            keys.add(ipOf(pRow));
        use(keys.keys());
    } else if (nSortType >= 5 && nSortType <= kSortBuyTime) {
        TextKeys keys;
        for (QObject* pRow : rows)
            keys.add(textKeyOf(nSortType, pRow));
        use(keys.keys());
    } else {
        std::vector<double> keys;
        keys.reserve(size_t(rows.size()));
        for (QObject* pRow : rows)
            keys.push_back(numberKeyOf(nSortType, pRow));
        use(keys);
    }
}

int compareKeys(double a, double b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// Orders the rows by their keys (one per row, in row order). Equal keys keep the rows'
// order through their positions, so the faster unstable sort gives the stable result.
template <typename Key>
void sortByKeys(QList<QObject*>& rows, const std::vector<Key>& keys, bool bDescending)
{
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&keys, bDescending](int a, int b) {
        const size_t nA = size_t(a), nB = size_t(b);
        const int nOrder =
            bDescending ? compareKeys(keys[nB], keys[nA]) : compareKeys(keys[nA], keys[nB]);
        return nOrder != 0 ? nOrder < 0 : a < b;
    });
    const QList<QObject*> unsorted = rows;
    for (size_t i = 0; i < order.size(); ++i)
        rows[int(i)] = unsorted.at(order[i]);
}

void sortRows(QList<QObject*>& rows, int nSortType)
{
    const bool bDescending = isDescending(nSortType);
    withKeys(nSortType, rows,
             [&rows, bDescending](const auto& keys) { sortByKeys(rows, keys, bDescending); });
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

    bool passes(const ProxyDataBase* pRow) const { return passes(pRow->lineKeys()); }

    bool passes(QObject* pObject) const
    {
        static const ProxyDataBase::LineKeys kNoKeys;
        const ProxyDataBase* pRow = asRow(pObject);
        return passes(pRow ? pRow->lineKeys() : kNoKeys);
    }

    // Only the first rule that has a choice applies: IP text, postal, operator, places.
    bool passes(const ProxyDataBase::LineKeys& keys) const
    {
        const auto has = [](const QString& qstrText, const QString& qstrCode) {
            return qstrText.contains(qstrCode, Qt::CaseInsensitive);
        };
        if (!qstrIp.isEmpty())
            return has(keys.ip, qstrIp);
        if (!qstrPostal.isEmpty())
            return has(keys.postal, qstrPostal);
        if (!qstrIsp.isEmpty())
            return has(keys.isp, qstrIsp);
        return has(keys.country, qstrCountry) && has(keys.state, qstrState) &&
               has(keys.city, qstrCity);
    }
};

bool isStatic(const ProxyDataBase* pRow)
{
    return pRow->getIpTimeType() == kStaticPlan;
}

bool isStatic(QObject* pObject)
{
    const ProxyDataBase* pRow = asRow(pObject);
    return pRow && isStatic(pRow);
}

// The rows of a table that `passes` takes, straight from the table.
template <typename Passes>
QList<QObject*> pickRows(const ProxyManager::RowTable& rows, Passes passes)
{
    QList<QObject*> picked;
    picked.reserve(rows.size());
    for (ProxyDataBase* pRow : rows)
        if (passes(pRow))
            picked.append(pRow);
    return picked;
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
    const bool bDescending = isDescending(nSortType);
    bool bLess = false;
    withKeys(nSortType, {a, b}, [&bLess, bDescending](const auto& keys) {
        const int nOrder = compareKeys(keys[0], keys[1]);
        bLess = bDescending ? nOrder > 0 : nOrder < 0;
    });
    return bLess;
}

bool ProxyManager::CompareSort(QObject* a, QObject* b)
{
    return lessBy(GetInstance()->getDataSortType(), a, b);
}

QList<QObject*> ProxyManager::rowsOf(int enumType,
                                     const std::function<bool(QObject*)>& accepts) const
{
    return pickRows(table(enumType),
                    [&accepts](QObject* pRow) { return !accepts || accepts(pRow); });
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
        programs.append(createProgramDefault());
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
    const auto notStatic = [](const ProxyDataBase* pRow) { return !isStatic(pRow); };
    QList<QObject*> rows;
    std::function<bool(QObject*)> accepts = [](QObject*) { return false; };
    int nCount = 0; // the rows the list has without a filter: all but static exits
    if (nValue == 0) {
        rows = pickRows(table(Proxy_Today), notStatic);
        nCount = rows.size();
        accepts = [](QObject* pRow) { return !isStatic(pRow); };
    } else if (nValue == 1) {
        const LocationFilter filter = LocationFilter::current();
        if (filter.isEmpty())
            return todayView(0);
        // Counted in the same pass as the filter.
        rows = pickRows(table(Proxy_Today), [&filter, &nCount](const ProxyDataBase* pRow) {
            if (isStatic(pRow))
                return false;
            ++nCount;
            return filter.passes(pRow);
        });
        accepts = [filter](QObject* pRow) { return !isStatic(pRow) && filter.passes(pRow); };
    }
    rows = finishView(Proxy_Today, rows, kSortBuyTime, accepts);
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
    return pickRows(table(enumType), [&filter, bSkipStatic](const ProxyDataBase* pRow) {
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
