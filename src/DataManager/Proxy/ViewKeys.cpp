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

template <typename Row, auto getter> double numberOf(QObject* pObject)
{
    const Row* pRow = rowAs<Row>(pObject);
    return pRow ? (pRow->*getter)() : 0;
}

QString ipOf(QObject* pObject)
{
    const ProxyDataBase* pRow = asRow(pObject);
    return pRow ? pRow->getIp() : QString();
}

// The port list's own rows order by their port numbers.
QString firstTextOf(QObject* pObject)
{
    if (const auto* pPort = rowAs<Port>(pObject))
        return pPort->getPort();
    return ipOf(pObject);
}

QString buyTimeOf(QObject* pObject)
{
    const auto* pToday = rowAs<TodayList>(pObject);
    return pToday ? pToday->getBuyTime() : QString();
}

template <QString ProxyDataBase::LineKeys::*text> QString lineTextOf(QObject* pObject)
{
    const ProxyDataBase* pRow = asRow(pObject);
    return pRow ? pRow->lineKeys().*text : QString();
}

double expireTimeOf(QObject* pObject)
{
    const ProxyDataBase* pRow = asRow(pObject);
    return pRow ? pRow->lineKeys().expireTime : 0.0;
}

// What each key type reads from a row, a text or a number, and the property it is read
// from: kept keys of the type follow that property's writes. Ports are kept by no table,
// so their port numbers are read afresh for each view.
struct KeySource
{
    int nKeyType;
    std::string_view property;
    QString (*text)(QObject*);
    double (*number)(QObject*);
};

constexpr KeySource kKeySources[] = {
    {ViewKeys::Sort_Address, "qstrIp", ipOf, nullptr},
    {ViewKeys::Sort_Latency, "nPing", nullptr, numberOf<ProxyDataBase, &ProxyDataBase::getPing>},
    {5, "qjsonLine", lineTextOf<&ProxyDataBase::LineKeys::country>, nullptr},
    {7, "qjsonLine", lineTextOf<&ProxyDataBase::LineKeys::state>, nullptr},
    {9, "qjsonLine", lineTextOf<&ProxyDataBase::LineKeys::city>, nullptr},
    {11, "qjsonLine", lineTextOf<&ProxyDataBase::LineKeys::postal>, nullptr},
    {13, "qjsonLine", lineTextOf<&ProxyDataBase::LineKeys::isp>, nullptr},
    {ViewKeys::Sort_FirstText, "qstrIp", firstTextOf, nullptr},
    {ViewKeys::Sort_BuyTime, "qstrBuyTime", buyTimeOf, nullptr},
    {ViewKeys::Sort_FavoriteUpdate, "nUpdateTime", nullptr,
     numberOf<FavoriteList, &FavoriteList::getUpdateTime>},
    {19, "qjsonLine", nullptr, expireTimeOf},
    {21, "nLastLoginTime", nullptr, numberOf<EquipmentList, &EquipmentList::getLastLoginTime>},
    {ViewKeys::Sort_Newest, "nCreateTime", nullptr, numberOf<TodayList, &TodayList::getCreateTime>},
};

constexpr const KeySource* findKeySource(int nKeyType)
{
    for (const KeySource& source : kKeySources)
        if (source.nKeyType == nKeyType)
            return &source;
    return nullptr;
}

const KeySource& keySource(int nKeyType)
{
    return *findKeySource(nKeyType);
}

// Sort types in pairs share their keys: the odd one ascends, the even one descends. 15,
// 16 and 23 stand alone.
constexpr int keyTypeOf(int nSortType)
{
    const bool bPaired = nSortType != ViewKeys::Sort_FirstText &&
                         nSortType != ViewKeys::Sort_BuyTime && nSortType != ViewKeys::Sort_Newest;
    return bPaired && nSortType % 2 == 0 ? nSortType - 1 : nSortType;
}

// Every sort type reads its key from a property whose writes are noted.
constexpr bool everySortTypeTracked()
{
    for (int nSortType = 1; nSortType <= ViewKeys::Sort_Newest; ++nSortType) {
        const KeySource* pSource = findKeySource(keyTypeOf(nSortType));
        if (!pSource || keyFieldOf(pSource->property) == Key_Count)
            return false;
    }
    return true;
}
static_assert(everySortTypeTracked(), "a sort key read from a property whose writes go unseen");

bool isTextKey(int nKeyType)
{
    return keySource(nKeyType).text != nullptr;
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

ViewKeys::ViewKeys(QList<QObject*> rows, int enumTable, int* pRebuilds)
    : m_rows(std::move(rows)), m_enumTable(enumTable), m_pRebuilds(pRebuilds)
{
    if (enumTable < 0 || enumTable >= kProxyEnumCount)
        return;
    for (int nField = 0; nField < Key_Count; ++nField)
        m_writesSeen.push_back(ProxyDataBase::keyWrites(enumTable, nField).nCount);
}

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

// In place when the text fits where the old one was.
void ViewKeys::Texts::set(size_t nIndex, const QString& qstrText)
{
    auto& span = m_spans[nIndex];
    if (qstrText.size() <= span.second) {
        std::copy(qstrText.cbegin(), qstrText.cend(), m_qstrTexts.begin() + span.first);
        span.second = qstrText.size();
        return;
    }
    span = {m_qstrTexts.size(), qstrText.size()};
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
    if (m_pRebuilds)
        ++*m_pRebuilds;
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

void ViewKeys::setLineTexts(int nRow, const ProxyDataBase* pRow)
{
    const ProxyDataBase::LineKeys& keys = pRow->lineKeys();
    m_static[size_t(nRow)] = pRow->getIpTimeType() == kStaticPlan;
    size_t nIndex = size_t(nRow) * Field_Count;
    for (const QString* pText :
         {&keys.ip, &keys.postal, &keys.isp, &keys.country, &keys.state, &keys.city})
        m_lineTexts.set(nIndex++, pText->toCaseFolded());
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

void ViewKeys::SortKeys::read(int nKeyType, const QList<QObject*>& rows)
{
    *this = SortKeys();
    m_nKeyType = nKeyType;
    const KeySource& source = keySource(nKeyType);
    if (!source.text) {
        m_numbers.reserve(size_t(rows.size()));
        for (QObject* pRow : rows)
            m_numbers.push_back(source.number(pRow));
        return;
    }
    m_texts.reserve(rows.size(), rows.size() * 20);
    for (QObject* pRow : rows) {
        const QString qstrText = source.text(pRow);
        m_texts.add(qstrText);
        if (nKeyType == ViewKeys::Sort_Address) {
            m_ipNumberSpans.emplace_back();
            setIp(m_ipNumberSpans.size() - 1, qstrText);
        }
    }
}

void ViewKeys::SortKeys::setIp(size_t nRow, const QString& qstrIp)
{
    const size_t nFirst = m_ipNumbers.size();
    appendIpNumbers(qstrIp, m_ipNumbers);
    m_ipNumberSpans[nRow] = {nFirst, m_ipNumbers.size() - nFirst};
}

void ViewKeys::SortKeys::set(size_t nRow, QObject* pRow)
{
    const KeySource& source = keySource(m_nKeyType);
    if (!source.text) {
        m_numbers[nRow] = source.number(pRow);
        return;
    }
    const QString qstrText = source.text(pRow);
    m_texts.set(nRow, qstrText);
    if (m_nKeyType == ViewKeys::Sort_Address)
        setIp(nRow, qstrText);
}

template <typename Use> void ViewKeys::SortKeys::withKey(Use use) const
{
    if (m_nKeyType == ViewKeys::Sort_Address)
        use([this](size_t nRow) {
            const auto& span = m_ipNumberSpans[nRow];
            return IpKey{m_ipNumbers.data() + span.first, span.second, m_texts.at(nRow)};
        });
    else if (isTextKey(m_nKeyType))
        use([this](size_t nRow) { return m_texts.at(nRow); });
    else
        use([this](size_t nRow) { return m_numbers[nRow]; });
}

void ViewKeys::Ranking::rank(int nKeyType, const QList<QObject*>& rows)
{
    keys.read(nKeyType, rows);
    order.resize(size_t(rows.size()));
    std::iota(order.begin(), order.end(), 0);
    keys.withKey([this](const auto& key) {
        std::sort(order.begin(), order.end(),
                  [&key](int a, int b) { return compareKeys(key(size_t(a)), key(size_t(b))) < 0; });
    });
    numberRanks();
}

// One row's key changed: the row moves to its new place in the order.
void ViewKeys::Ranking::move(int nRow, QObject* pRow)
{
    keys.set(size_t(nRow), pRow);
    order.erase(std::find(order.begin(), order.end(), nRow));
    keys.withKey([this, nRow](const auto& key) {
        const auto place =
            std::lower_bound(order.begin(), order.end(), nRow, [&key](int a, int b) {
                return compareKeys(key(size_t(a)), key(size_t(b))) < 0;
            });
        order.insert(place, nRow);
    });
    numberRanks();
}

// Each view after sorts plain numbers.
void ViewKeys::Ranking::numberRanks()
{
    ranks.assign(order.size(), 0);
    keys.withKey([this](const auto& key) {
        quint32 nRank = 0;
        for (size_t i = 1; i < order.size(); ++i) {
            if (compareKeys(key(size_t(order[i - 1])), key(size_t(order[i]))) < 0)
                ++nRank;
            ranks[size_t(order[i])] = nRank;
        }
    });
}

const ViewKeys::Ranking& ViewKeys::ranking(int nKeyType)
{
    auto [it, bNew] = m_rankings.try_emplace(nKeyType);
    if (bNew) {
        it->second.rank(nKeyType, m_rows);
        if (m_pRebuilds)
            ++*m_pRebuilds;
    }
    return it->second;
}

void ViewKeys::followWrites()
{
    for (size_t nField = 0; nField < m_writesSeen.size(); ++nField) {
        const ProxyDataBase::KeyWrites& writes =
            ProxyDataBase::keyWrites(m_enumTable, int(nField));
        if (writes.nCount == m_writesSeen[nField])
            continue;
        const bool bOneRow = writes.nRowSince <= m_writesSeen[nField] + 1;
        m_writesSeen[nField] = writes.nCount;
        follow(int(nField), bOneRow ? writes.pRow : nullptr);
    }
}

// pRow is the one row that wrote the field, or null for several; it is only compared, as it
// may be gone.
void ViewKeys::follow(int nField, const ProxyDataBase* pRow)
{
    const int nRow = pRow ? m_rows.indexOf(const_cast<ProxyDataBase*>(pRow)) : -1;
    if (pRow && nRow < 0)
        return;
    if (m_bLineTexts && (nField == Key_Line || nField == Key_Static)) {
        if (nRow >= 0) {
            setLineTexts(nRow, pRow);
        } else {
            m_bLineTexts = false;
            m_lineTexts.clear();
            m_static = {};
        }
    }
    for (auto it = m_rankings.begin(); it != m_rankings.end();) {
        if (keyFieldOf(keySource(it->first).property) != nField)
            ++it;
        else if (nRow >= 0)
            (it++)->second.move(nRow, m_rows.at(nRow));
        else
            it = m_rankings.erase(it);
    }
}

void ViewKeys::sort(std::vector<int>& positions, int nSortType)
{
    if (!isSortType(nSortType))
        return;
    const std::vector<quint32>& ranks = ranking(keyTypeOf(nSortType)).ranks;
    // Rank above position in one number: equal ranks keep the positions' order.
    const bool bDescending = isDescending(nSortType);
    std::vector<quint64> order;
    order.reserve(positions.size());
    for (int nPosition : positions) {
        const quint32 nRank = ranks[size_t(nPosition)];
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
    SortKeys keys;
    keys.read(keyTypeOf(nSortType), {a, b});
    const bool bDescending = isDescending(nSortType);
    bool bLess = false;
    keys.withKey([&bLess, bDescending](const auto& key) {
        const int nOrder = compareKeys(key(0), key(1));
        bLess = bDescending ? nOrder > 0 : nOrder < 0;
    });
    return bLess;
}
