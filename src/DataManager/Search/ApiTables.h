#pragma once

#include "DataManager/Search/SearchData.h"

// One row of the extraction address's parameter help table; a header row on nShowType 1.
class ApiParameter : public QObject
{
    Q_OBJECT
    SEARCH_PROPERTY(QString, qstrName, getName, setName)
    SEARCH_PROPERTY(QString, qstrRequired, getRequired, setRequired)
    SEARCH_PROPERTY(QString, qstrIllustrate, getIllustrate, setIllustrate)
    SEARCH_PROPERTY(QString, qstrClickText, getClickText, setClickText)
    SEARCH_PROPERTY(int, nShowType, getShowType, setShowType)
    SEARCH_PROPERTY(int, nTranslateNum, getTranslateNum, setTranslateNum)

public:
    using QObject::QObject;
};

// One plan the extraction address can draw from.
class ApiMeal : public QObject
{
    Q_OBJECT
    SEARCH_PROPERTY(QString, qstrName, getName, setName)
    SEARCH_PROPERTY(QString, qstrCode, getCode, setCode)
    Q_PROPERTY(int nMealData READ getMealData WRITE setMealData NOTIFY nMealDataChanged)

public:
    using QObject::QObject;
    int getMealData() const { return m_nMealData; }
    void setMealData(int nValue)
    {
        if (m_nMealData == nValue)
            return;
        m_nMealData = nValue;
        emit nMealDataChanged(nValue);
    }

signals:
    void nMealDataChanged(int nMealData);

private:
    int m_nMealData = 1;
};
