#include "DataManager/Search/SearchData.h"

#include <iterator>

namespace {

void foldInPlace(QChar* pChars, int nSize)
{
    for (int i = 0; i < nSize; ++i) {
        if (pChars[i].isHighSurrogate() && i + 1 < nSize && pChars[i + 1].isLowSurrogate()) {
            const uint ucs4 = QChar::toCaseFolded(QChar::surrogateToUcs4(pChars[i], pChars[i + 1]));
            pChars[i] = QChar(QChar::highSurrogate(ucs4));
            pChars[++i] = QChar(QChar::lowSurrogate(ucs4));
        } else if (pChars[i].unicode() < 0x80) { // most names are ASCII: fold without a lookup
            const ushort u = pChars[i].unicode();
            pChars[i] = QChar(ushort(u - 'A') < 26 ? u + ('a' - 'A') : u);
        } else {
            pChars[i] = pChars[i].toCaseFolded();
        }
    }
}

} // namespace

QString foldedForSearch(const QString& qstrText)
{
    QString qstrFolded = qstrText;
    foldInPlace(qstrFolded.data(), qstrFolded.size());
    return qstrFolded;
}

quint64 SearchDataBase::s_nIndexedNameChanges = 0;

SearchDataBase::SearchDataBase(QObject* parent) : QObject(parent), m_pOwn(nullptr) {}

SearchDataBase::~SearchDataBase()
{
    if (m_nRow < 0)
        delete m_pOwn;
}

void SearchDataBase::readTexts(const EntryTexts* pTexts, int nRow)
{
    if (m_nRow < 0)
        delete m_pOwn;
    m_pTexts = pTexts;
    m_nRow = nRow;
}

SearchDataBase::OwnTexts& SearchDataBase::own()
{
    if (m_nRow >= 0) {
        const EntryTexts* pTexts = m_pTexts;
        m_pOwn = new OwnTexts{pTexts->code(m_nRow), pTexts->name(m_nRow)};
        m_nRow = kOwnIndexed;
    } else if (!m_pOwn) {
        m_pOwn = new OwnTexts;
    }
    return *m_pOwn;
}

QString SearchDataBase::getCode() const
{
    if (m_nRow >= 0)
        return m_pTexts->code(m_nRow);
    return m_pOwn ? m_pOwn->qstrCode : QString();
}

QString SearchDataBase::getName() const
{
    if (m_nRow >= 0)
        return m_pTexts->name(m_nRow);
    return m_pOwn ? m_pOwn->qstrName : QString();
}

bool SearchDataBase::hasCode(QStringView code) const
{
    if (m_nRow >= 0)
        return m_pTexts->codeEquals(m_nRow, code);
    return m_pOwn ? QStringView(m_pOwn->qstrCode) == code : code.isEmpty();
}

void SearchDataBase::setCode(const QString& qstrCode)
{
    if (hasCode(qstrCode))
        return;
    own().qstrCode = qstrCode;
    emit qstrCodeChanged(qstrCode);
}

void SearchDataBase::setName(const QString& qstrName)
{
    if (getName() == qstrName)
        return;
    own().qstrName = qstrName;
    if (m_nRow == kOwnIndexed)
        ++s_nIndexedNameChanges;
    emit qstrNameChanged(qstrName);
}

void SearchDataBase::setDataType(int nDataType)
{
    if (m_nDataType == nDataType)
        return;
    m_nDataType = qint16(nDataType);
    emit enumDataTypeChanged(nDataType);
}

void SearchDataBase::setParentLink(void* pParent)
{
    if (m_pParent == pParent)
        return;
    m_pParent = pParent;
    emit pParentChanged(pParent);
}

namespace {

// What a country holds until an array is set: one empty object for them all.
const CountryData::SharedArray& emptyObject()
{
    static const CountryData::SharedArray pEmpty =
        std::make_shared<const Json::Value>(Json::objectValue);
    return pEmpty;
}

} // namespace

CountryData::CountryData(QObject* parent) : SearchDataBase(parent)
{
    setDataType(Data_Country);
}

void CountryData::readArrays(std::shared_ptr<const CatalogueTable> pTable, int nCountry)
{
    m_pTable = std::move(pTable);
    m_nCountry = nCountry;
}

CountryData::SharedArray& CountryData::slot(bool bIsp) const
{
    SharedArray& pSlot = bIsp ? m_pIspArray : m_pZipArray;
    if (!pSlot) {
        pSlot = m_pTable ? std::make_shared<const Json::Value>(CatalogueTable::parsedArray(
                               m_pTable->countryArray(m_nCountry, bIsp)))
                         : emptyObject();
    }
    return pSlot;
}

bool CountryData::replace(bool bIsp, SharedArray pValue)
{
    SharedArray& pSlot = slot(bIsp);
    if (*pSlot == *pValue)
        return false;
    pSlot = std::move(pValue);
    return true;
}

void CountryData::setIspArray(const Json::Value& value)
{
    if (getIspArray() != value)
        shareIspArray(std::make_shared<const Json::Value>(value));
}

void CountryData::setZipArray(const Json::Value& value)
{
    if (getZipArray() != value)
        shareZipArray(std::make_shared<const Json::Value>(value));
}

void CountryData::shareIspArray(SharedArray pValue)
{
    if (replace(true, std::move(pValue)))
        emit jsIspArrayChanged(*m_pIspArray);
}

void CountryData::shareZipArray(SharedArray pValue)
{
    if (replace(false, std::move(pValue)))
        emit jsZipArrayChanged(*m_pZipArray);
}

StateData::StateData(QObject* parent) : SearchDataBase(parent)
{
    setDataType(Data_State);
}

CityData::CityData(QObject* parent) : SearchDataBase(parent)
{
    setDataType(Data_City);
}

void CityData::setStatus(int nStatus)
{
    if (m_nStatus == nStatus)
        return;
    m_nStatus = qint16(nStatus);
    emit nStatusChanged(nStatus);
}

OperatorData::OperatorData(QObject* parent) : SearchDataBase(parent)
{
    setDataType(Data_Isp);
}

PostalData::PostalData(QObject* parent) : SearchDataBase(parent)
{
    setDataType(Data_Postal);
}

CarouseData::CarouseData(QObject* parent) : SearchDataBase(parent)
{
    setDataType(Data_CarouseData);
}

void FoldedNameIndex::update(const EntryTexts& texts, const std::vector<SearchDataBase*>& entries)
{
    if (m_pTexts == &texts && m_nNameChanges == SearchDataBase::indexedNameChanges())
        return;
    m_pTexts = &texts;
    m_nNameChanges = SearchDataBase::indexedNameChanges();
    m_text.clear();
    m_text.reserve(texts.names().size());
    m_ends.clear();
    m_ends.reserve(std::size_t(texts.size()));
    for (int nRow = 0; nRow < texts.size(); ++nRow) {
        const SearchDataBase* pEntry = entries[std::size_t(nRow)];
        if (pEntry && pEntry->ownsTexts()) {
            const QByteArray name = pEntry->getName().toUtf8();
            Utf8::appendFolded(m_text, std::string_view(name.constData(), std::size_t(name.size())));
        } else {
            Utf8::appendFolded(m_text, texts.nameUtf8(nRow));
        }
        m_ends.push_back(m_text.size());
    }
    // Names that folding leaves as they are (postal codes) are scanned where they are.
    if (m_text == texts.names())
        m_text = texts.names();
    m_text.squeeze();
    m_pEnds = &texts.nameEnds();
    if (m_ends == texts.nameEnds())
        m_ends = std::vector<int>();
    else
        m_pEnds = &m_ends;
}

bool FoldedNameIndex::toUtf8(const QString& key, QByteArray& out)
{
    for (int i = 0; i < key.size(); ++i) {
        if (key[i].isHighSurrogate() && i + 1 < key.size() && key[i + 1].isLowSurrogate())
            ++i;
        else if (key[i].isSurrogate())
            return false;
    }
    out = key.toUtf8();
    return true;
}

TableEntries::TableEntries(std::shared_ptr<const CatalogueTable> pTable, int nFirstLevel)
    : m_pTable(std::move(pTable)), m_nFirstLevel(nFirstLevel)
{
    for (int nList = 0; nList < 3; ++nList) {
        m_entries[nList].assign(std::size_t(m_pTable->list(nList).size()), nullptr);
        m_handedOut[nList].assign(m_entries[nList].size(), false);
    }
}

TableEntries::~TableEntries()
{
    for (std::vector<SearchDataBase*>& entries : m_entries)
        qDeleteAll(entries);
}

SearchDataBase* TableEntries::make(int nList, int nRow) const
{
    SearchDataBase* pEntry = nullptr;
    switch (m_nFirstLevel + nList) {
    case Data_Country: {
        auto* pCountry = new CountryData;
        pCountry->readArrays(m_pTable, nRow);
        pEntry = pCountry;
        break;
    }
    case Data_State:
        pEntry = new StateData;
        break;
    case Data_City:
        pEntry = new CityData;
        break;
    case Data_Isp:
        pEntry = new OperatorData;
        break;
    default:
        pEntry = new PostalData;
        break;
    }
    pEntry->readTexts(&m_pTable->list(nList), nRow);
    return pEntry;
}

SearchDataBase* TableEntries::entry(int nList, int nRow)
{
    SearchDataBase*& pEntry = m_entries[nList][std::size_t(nRow)];
    if (!pEntry) {
        pEntry = make(nList, nRow);
        const int nParent = m_pTable->list(nList).parent(nRow);
        if (nParent >= 0)
            pEntry->setParentLink(entry(nList - 1, nParent));
    }
    return pEntry;
}

int TableEntries::find(int nList, QStringView code) const
{
    const EntryTexts& texts = m_pTable->list(nList);
    const std::vector<SearchDataBase*>& entries = m_entries[nList];
    for (int nRow = 0; nRow < texts.size(); ++nRow) {
        const SearchDataBase* pEntry = entries[std::size_t(nRow)];
        if (pEntry ? pEntry->hasCode(code) : texts.codeEquals(nRow, code))
            return nRow;
    }
    return -1;
}

bool TableEntries::handOut(int nList, int nRow)
{
    std::vector<bool>::reference handedOut = m_handedOut[nList][std::size_t(nRow)];
    const bool bFirst = !handedOut;
    handedOut = true;
    return bFirst;
}

const FoldedNameIndex& TableEntries::names(int nList)
{
    m_names[nList].update(m_pTable->list(nList), m_entries[nList]);
    return m_names[nList];
}

bool TableEntries::isWholeList(int nList, const QList<QObject*>& found) const
{
    const std::vector<SearchDataBase*>& entries = m_entries[nList];
    return std::size_t(found.size()) == entries.size() &&
           (found.isEmpty() || found.constFirst() == entries.front());
}

QJSValue TableEntries::sharedArray(int nList, QJSEngine& engine, const QList<QObject*>& entries)
{
    if (m_pArrayEngine != &engine) {
        std::fill(std::begin(m_arrays), std::end(m_arrays), QJSValue());
        m_pArrayEngine = &engine;
    }
    QJSValue& array = m_arrays[nList];
    if (array.isUndefined())
        array = engine.toScriptValue(entries);
    return array;
}
