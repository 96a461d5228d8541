#include "SearchManager.h"

namespace {

SearchManager* s_pInstance = nullptr;

const QString kAnyCode = QStringLiteral("random");

} // namespace

SearchManager::SearchManager()
    : m_qstrCurrentCountryCode(kAnyCode),
      m_qstrCurrentStateCode(kAnyCode),
      m_qstrCurrentCityCode(kAnyCode),
      m_qstrCurrentOperatorCode(kAnyCode),
      m_qstrCurrentPostalCode(kAnyCode)
{
    s_pInstance = this;
}

// The QML engine owns the object it received and deletes it with itself; a later
// GetInstance() then builds a new one instead of handing out a dangling pointer.
SearchManager::~SearchManager()
{
    if (s_pInstance == this)
        s_pInstance = nullptr;
}

SearchManager* SearchManager::GetInstance()
{
    if (!s_pInstance)
        new SearchManager;
    return s_pInstance;
}

void SearchManager::setCurrentCountryCode(const QString& qstrValue)
{
    if (m_qstrCurrentCountryCode == qstrValue)
        return;
    m_qstrCurrentCountryCode = qstrValue;
    emit qstrCurrentCountryCodeChanged(qstrValue);
}

void SearchManager::setIpSearch(const QString& qstrValue)
{
    if (m_qstrIpSearch == qstrValue)
        return;
    m_qstrIpSearch = qstrValue;
    emit qstrIpSearchChanged(qstrValue);
}

QString SearchManager::randomIfEmpty(QString& qstrCode)
{
    if (qstrCode.isEmpty())
        qstrCode = kAnyCode;
    return qstrCode;
}

QString SearchManager::getCurrentStateCode()
{
    return randomIfEmpty(m_qstrCurrentStateCode);
}

QString SearchManager::getCurrentCityCode()
{
    return randomIfEmpty(m_qstrCurrentCityCode);
}

QString SearchManager::getCurrentOperatorCode()
{
    return randomIfEmpty(m_qstrCurrentOperatorCode);
}

QString SearchManager::getCurrentPostalCode()
{
    return randomIfEmpty(m_qstrCurrentPostalCode);
}

void SearchManager::setCurrentStateCode(QString qstrValue)
{
    m_qstrCurrentStateCode = qstrValue;
}

void SearchManager::setCurrentCityCode(QString qstrValue)
{
    m_qstrCurrentCityCode = qstrValue;
}

void SearchManager::setCurrentOperatorCode(QString qstrValue)
{
    m_qstrCurrentOperatorCode = qstrValue;
}

void SearchManager::setCurrentPostalCode(QString qstrValue)
{
    m_qstrCurrentPostalCode = qstrValue;
}

void SearchManager::setCarouselDataJson(const Json::Value& value, int)
{
    std::lock_guard<std::mutex> lock(m_imageMutex);
    m_valueCaouselArray = value;
}

void SearchManager::setLoginImgDataJson(const Json::Value& value, int)
{
    std::lock_guard<std::mutex> lock(m_imageMutex);
    m_valueLoginImgArray = value;
}

Json::Value SearchManager::getCarouselDataJson() const
{
    std::lock_guard<std::mutex> lock(m_imageMutex);
    return m_valueCaouselArray;
}

Json::Value SearchManager::getLoginImgDataJson() const
{
    std::lock_guard<std::mutex> lock(m_imageMutex);
    return m_valueLoginImgArray;
}
