#include "DataManager/Search/SearchData.h"

QString foldedForSearch(const QString& qstrText)
{
    QString qstrFolded = qstrText;
    QChar* pChars = qstrFolded.data();
    const int nSize = qstrFolded.size();
    for (int i = 0; i < nSize; ++i) {
        if (pChars[i].isHighSurrogate() && i + 1 < nSize && pChars[i + 1].isLowSurrogate()) {
            const uint ucs4 = QChar::toCaseFolded(QChar::surrogateToUcs4(pChars[i], pChars[i + 1]));
            pChars[i] = QChar(QChar::highSurrogate(ucs4));
            pChars[++i] = QChar(QChar::lowSurrogate(ucs4));
        } else {
            pChars[i] = pChars[i].toCaseFolded();
        }
    }
    return qstrFolded;
}

SearchDataBase::SearchDataBase(QObject* parent) : QObject(parent) {}

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

CountryData::CountryData(QObject* parent) : SearchDataBase(parent)
{
    setDataType(Data_Country);
}

void CountryData::setIspArray(const Json::Value& value)
{
    if (m_jsIspArray == value)
        return;
    m_jsIspArray = value;
    emit jsIspArrayChanged(value);
}

void CountryData::setZipArray(const Json::Value& value)
{
    if (m_jsZipArray == value)
        return;
    m_jsZipArray = value;
    emit jsZipArrayChanged(value);
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
