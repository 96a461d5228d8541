#include "DataManager/Search/SearchData.h"

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

SearchDataBase::SearchDataBase(QObject* parent) : QObject(parent) {}

void SearchDataBase::setName(const QString& qstrName)
{
    if (m_qstrName == qstrName)
        return;
    m_qstrName = qstrName;
    if (m_bIndexed)
        ++s_nIndexedNameChanges;
    emit qstrNameChanged(qstrName);
}

const QString& SearchDataBase::foldedName() const
{
    if (m_qstrName.constData() != m_qstrFoldedFrom.constData()) {
        m_qstrFoldedFrom = m_qstrName;
        m_qstrFolded = foldedForSearch(m_qstrName);
    }
    return m_qstrFolded;
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

CountryData::CountryData(QObject* parent)
    : SearchDataBase(parent), m_pIspArray(emptyObject()), m_pZipArray(emptyObject())
{
    setDataType(Data_Country);
}

bool CountryData::replace(SharedArray& pSlot, SharedArray pValue)
{
    if (*pSlot == *pValue)
        return false;
    pSlot = std::move(pValue);
    return true;
}

void CountryData::setIspArray(const Json::Value& value)
{
    if (*m_pIspArray != value)
        shareIspArray(std::make_shared<const Json::Value>(value));
}

void CountryData::setZipArray(const Json::Value& value)
{
    if (*m_pZipArray != value)
        shareZipArray(std::make_shared<const Json::Value>(value));
}

void CountryData::shareIspArray(SharedArray pValue)
{
    if (replace(m_pIspArray, std::move(pValue)))
        emit jsIspArrayChanged(*m_pIspArray);
}

void CountryData::shareZipArray(SharedArray pValue)
{
    if (replace(m_pZipArray, std::move(pValue)))
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
    m_nStatus = nStatus;
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

void FoldedNameIndex::update(const QList<SearchDataBase*>& entries)
{
    if (size_t(entries.size()) == m_entries.size() &&
        m_nNameChanges == SearchDataBase::indexedNameChanges())
        return;
    clear();
    m_entries.assign(entries.cbegin(), entries.cend());
    m_handedOut.assign(m_entries.size(), false);
    m_nNameChanges = SearchDataBase::indexedNameChanges();
    m_ends.reserve(m_entries.size());
    int nLength = 0;
    for (const SearchDataBase* pEntry : m_entries)
        nLength += pEntry ? pEntry->m_qstrName.size() : 0;
    m_text.reserve(nLength);
    for (SearchDataBase* pEntry : m_entries) {
        const int nStart = m_text.size();
        if (pEntry) {
            pEntry->m_bIndexed = true;
            m_text += pEntry->m_qstrName;
        }
        // Each name on its own, as foldedForSearch folds it.
        foldInPlace(m_text.data() + nStart, m_text.size() - nStart);
        m_ends.push_back(m_text.size());
    }
}

void FoldedNameIndex::clear()
{
    m_entries.clear();
    m_handedOut.clear();
    m_text.clear();
    m_ends.clear();
}
