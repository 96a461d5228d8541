#include "LanguageObject.h"

void LanguageObject::setLanguageName(const QString& qstrValue)
{
    if (qstrValue == m_qstrLanguageName)
        return;
    m_qstrLanguageName = qstrValue;
    emit qstrLanguageNameChanged(qstrValue);
}

void LanguageObject::setFileName(const QString& qstrValue)
{
    if (qstrValue == m_qstrFileName)
        return;
    m_qstrFileName = qstrValue;
    emit qstrFileNameChanged(qstrValue);
}

void LanguageObject::setFilePath(const QString& qstrValue)
{
    if (qstrValue == m_qstrFilePath)
        return;
    m_qstrFilePath = qstrValue;
    emit qstrFilePathChanged(qstrValue);
}

void LanguageObject::setLanguageCode(const QString& qstrValue)
{
    if (qstrValue == m_qstrLanguageCode)
        return;
    m_qstrLanguageCode = qstrValue;
    emit qstrLanguageCodeChanged(qstrValue);
}
