#include "ViewKeys.h"

#include "DataManager/Proxy/ProxyRows.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace {

constexpr int kStaticPlan = 6;

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

// dynamic_cast reads only the object's type, where qobject_cast also reads its private
// data: one cache miss less for each of thousands of rows.
template <typename Row> const Row* rowAs(const QObject* pObject)
{
    return dynamic_cast<const Row*>(pObject);
}

const ProxyDataBase* asRow(const QObject* pObject)
{
    return rowAs<ProxyDataBase>(pObject);
}

// The line texts sort types 5 to 14 order by, in pairs.
QString lineSortText(const ProxyDataBase* pRow, int nKeyType)
{
    const ProxyDataBase::LineKeys& keys = pRow->lineKeys();
    switch ((nKeyType - 5) / 2) {
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

QString sortTextOf(int nKeyType, QObject* pObject)
{
    if (nKeyType == ViewKeys::Sort_FirstText) {
        if (const auto* pPort = rowAs<Port>(pObject))
            return pPort->getPort();
    }
    const ProxyDataBase* pRow = asRow(pObject);
    if (!pRow)
        return QString();
    if (nKeyType == ViewKeys::Sort_Address || nKeyType == ViewKeys::Sort_FirstText)
        return pRow->getIp();
    if (nKeyType == ViewKeys::Sort_BuyTime) {
        const auto* pToday = rowAs<TodayList>(pRow);
        return pToday ? pToday->getBuyTime() : QString();
    }
    return lineSortText(pRow, nKeyType);
}

template <typename Row, typename Getter> double numberOf(QObject* pObject, Getter getter)
{
    const Row* pRow = rowAs<Row>(pObject);
    return pRow ? (pRow->*getter)() : 0;
}

double sortNumberOf(int nKeyType, QObject* pObject)
{
    switch (nKeyType) {
    case 3:
        return numberOf<ProxyDataBase>(pObject, &ProxyDataBase::getPing);
    case 17:
        return numberOf<FavoriteList>(pObject, &FavoriteList::getUpdateTime);
    case 19: {
        const ProxyDataBase* pRow = asRow(pObject);
        return pRow ? pRow->lineKeys().expireTime : 0.0;
    }
    case 21:
        return numberOf<EquipmentList>(pObject, &EquipmentList::getLastLoginTime);
    default:
        return numberOf<TodayList>(pObject, &TodayList::getCreateTime);
    }
}

// Sort types in pairs share their keys: the odd one ascends, the even one descends. 15,
// 16 and 23 stand alone.
int keyTypeOf(int nSortType)
{
    const bool bPaired = nSortType != ViewKeys::Sort_FirstText &&
                         nSortType != ViewKeys::Sort_BuyTime && nSortType != ViewKeys::Sort_Newest;
    return bPaired && nSortType % 2 == 0 ? nSortType - 1 : nSortType;
}

bool isTextKey(int nKeyType)
{
    return nKeyType == ViewKeys::Sort_Address ||
           (nKeyType >= 5 && nKeyType <= ViewKeys::Sort_BuyTime);
}

// Even types up to 22 and the newest-first type 23 run backwards; 16 is ascending.
bool isDescending(int nSortType)
{
    return nSortType == ViewKeys::Sort_Newest ||
           (nSortType % 2 == 0 && nSortType != ViewKeys::Sort_BuyTime);
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

int compareKeys(double a, double b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
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

} // namespace

ViewKeys::ViewKeys(QList<QObject*> rows) : m_rows(std::move(rows)) {}

bool ViewKeys::isSortType(int nSortType)
{
    return nSortType >= 1 && nSortType <= ViewKeys::Sort_Newest;
}

void ViewKeys::Texts::reserve(int nCount, int nChars)
{
    m_spans.reserve(size_t(nCount));
    m_qstrTexts.reserve(nChars);
}

void ViewKeys::Texts::add(const QString& qstrText)
{
    m_spans.emplace_back(m_qstrTexts.size(), qstrText.size());
    m_qstrTexts += qstrText;
}

// Valid while nothing is added.
QStringView ViewKeys::Texts::at(size_t nIndex) const
{
    const auto& span = m_spans[nIndex];
    return QStringView(m_qstrTexts.constData() + span.first, span.second);
}

// Case folding keeps the length of every text Qt folds; should one ever change it, each
// text is folded alone.
void ViewKeys::Texts::foldCase()
{
    QString qstrFolded = m_qstrTexts.toCaseFolded();
    if (qstrFolded.size() == m_qstrTexts.size()) {
        m_qstrTexts = std::move(qstrFolded);
        return;
    }
    Texts folded;
    folded.reserve(int(m_spans.size()), m_qstrTexts.size());
    for (size_t i = 0; i < m_spans.size(); ++i)
        folded.add(at(i).toString().toCaseFolded());
    *this = std::move(folded);
}

void ViewKeys::Texts::clear()
{
    *this = Texts();
}

void ViewKeys::readLineTexts()
{
    if (m_bLineTexts)
        return;
    m_bLineTexts = true;
    m_lineTexts.reserve(m_rows.size() * Field_Count, m_rows.size() * 48);
    m_static.reserve(size_t(m_rows.size()));
    static const ProxyDataBase::LineKeys kNoKeys;
    for (QObject* pObject : qAsConst(m_rows)) {
        const ProxyDataBase* pRow = asRow(pObject);
        const ProxyDataBase::LineKeys& keys = pRow ? pRow->lineKeys() : kNoKeys;
        m_static.push_back(pRow && pRow->getIpTimeType() == kStaticPlan);
        for (const QString* pText :
             {&keys.ip, &keys.postal, &keys.isp, &keys.country, &keys.state, &keys.city})
            m_lineTexts.add(*pText);
    }
    m_lineTexts.foldCase();
}

bool ViewKeys::isStatic(int nRow)
{
    readLineTexts();
    return m_static[size_t(nRow)];
}

QStringView ViewKeys::foldedText(int nRow, LineField field)
{
    readLineTexts();
    return m_lineTexts.at(size_t(nRow) * Field_Count + field);
}

void ViewKeys::readSortKeys(int nKeyType)
{
    if (m_nKeyType == nKeyType)
        return;
    m_nKeyType = nKeyType;
    clearSortKeys();
    if (!isTextKey(nKeyType)) {
        m_sortNumbers.reserve(size_t(m_rows.size()));
        for (QObject* pRow : qAsConst(m_rows))
            m_sortNumbers.push_back(sortNumberOf(nKeyType, pRow));
        return;
    }
    m_sortTexts.reserve(m_rows.size(), m_rows.size() * 20);
    for (QObject* pRow : qAsConst(m_rows)) {
        const QString qstrText = sortTextOf(nKeyType, pRow);
        m_sortTexts.add(qstrText);
        if (nKeyType == ViewKeys::Sort_Address) {
            const size_t nFirst = m_ipNumbers.size();
            appendIpNumbers(qstrText, m_ipNumbers);
            m_ipNumberSpans.emplace_back(nFirst, m_ipNumbers.size() - nFirst);
        }
    }
}

void ViewKeys::clearSortKeys()
{
    m_sortTexts.clear();
    m_ipNumbers = {};
    m_ipNumberSpans = {};
    m_sortNumbers = {};
}

template <typename Use> void ViewKeys::withKey(Use use) const
{
    if (m_nKeyType == ViewKeys::Sort_Address)
        use([this](size_t nRow) {
            const auto& span = m_ipNumberSpans[nRow];
            return IpKey{m_ipNumbers.data() + span.first, span.second, m_sortTexts.at(nRow)};
        });
    else if (isTextKey(m_nKeyType))
        use([this](size_t nRow) { return m_sortTexts.at(nRow); });
    else
        use([this](size_t nRow) { return m_sortNumbers[nRow]; });
}

// Ranks once per key type, so that each view after sorts plain numbers: equal keys share a
// rank.
void ViewKeys::rankKeys(int nKeyType)
{
    if (m_nRankedKeyType == nKeyType)
        return;
    readSortKeys(nKeyType);
    std::vector<int> order(size_t(m_rows.size()));
    std::iota(order.begin(), order.end(), 0);
    m_ranks.assign(order.size(), 0);
    withKey([this, &order](const auto& key) {
        std::sort(order.begin(), order.end(),
                  [&key](int a, int b) { return compareKeys(key(size_t(a)), key(size_t(b))) < 0; });
        quint32 nRank = 0;
        for (size_t i = 1; i < order.size(); ++i) {
            if (compareKeys(key(size_t(order[i - 1])), key(size_t(order[i]))) < 0)
                ++nRank;
            m_ranks[size_t(order[i])] = nRank;
        }
    });
    m_nRankedKeyType = nKeyType;
    // Only the ranks are read from now on.
    m_nKeyType = 0;
    clearSortKeys();
}

void ViewKeys::sort(std::vector<int>& positions, int nSortType)
{
    if (!isSortType(nSortType))
        return;
    rankKeys(keyTypeOf(nSortType));
    // Rank above position in one number: equal ranks keep the positions' order.
    const bool bDescending = isDescending(nSortType);
    std::vector<quint64> order;
    order.reserve(positions.size());
    for (int nPosition : positions) {
        const quint32 nRank = m_ranks[size_t(nPosition)];
        order.push_back(quint64(bDescending ? ~nRank : nRank) << 32 | quint32(nPosition));
    }
    std::sort(order.begin(), order.end());
    for (size_t i = 0; i < order.size(); ++i)
        positions[i] = int(order[i] & 0xffffffffu);
}

QList<QObject*> ViewKeys::rowsAt(const std::vector<int>& positions) const
{
    QList<QObject*> rows;
    rows.reserve(int(positions.size()));
    for (int nPosition : positions)
        rows.append(m_rows.at(nPosition));
    return rows;
}

bool ViewKeys::lessBy(int nSortType, QObject* a, QObject* b)
{
    if (!isSortType(nSortType))
        return false;
    ViewKeys keys({a, b});
    keys.readSortKeys(keyTypeOf(nSortType));
    const bool bDescending = isDescending(nSortType);
    bool bLess = false;
    keys.withKey([&bLess, bDescending](const auto& key) {
        const int nOrder = compareKeys(key(0), key(1));
        bLess = bDescending ? nOrder > 0 : nOrder < 0;
    });
    return bLess;
}
