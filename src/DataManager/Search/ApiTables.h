#pragma once

#include "DataManager/Search/SearchData.h"

// One row of the extraction address's parameter help table; a header row on nShowType 1.
class ApiParameter : public QObject
{
    Q_OBJECT
    NOTIFY_PROPERTY(QString, qstrName, getName, setName)
    NOTIFY_PROPERTY(QString, qstrRequired, getRequired, setRequired)
    NOTIFY_PROPERTY(QString, qstrIllustrate, getIllustrate, setIllustrate)
    NOTIFY_PROPERTY(QString, qstrClickText, getClickText, setClickText)
    NOTIFY_PROPERTY(int, nShowType, getShowType, setShowType)
    NOTIFY_PROPERTY(int, nTranslateNum, getTranslateNum, setTranslateNum)

public:
    using QObject::QObject;
};

// One plan the extraction address can draw from.
class ApiMeal : public QObject
{
    Q_OBJECT
    NOTIFY_PROPERTY(QString, qstrName, getName, setName)
    NOTIFY_PROPERTY(QString, qstrCode, getCode, setCode)
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
