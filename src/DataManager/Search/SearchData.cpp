#include "DataManager/Search/SearchData.h"

SearchDataBase::SearchDataBase(QObject* parent) : QObject(parent) {}

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
