#pragma once

#include <QObject>
#include <json/json.h>

// The one store of every proxy list. For now it keeps the stored lists that the account
// database hands over at sign-in, until the list pages build their rows from them.
class ProxyManager : public QObject
{
    Q_OBJECT
public:
    static ProxyManager* GetInstance();

    void setLocalTodayListDataJson(Json::Value& value) { valueLocalTodayArray = value; }
    void setLocalFavouriteListDataJson(Json::Value& value) { m_jsonLocalFavouriteArray = value; }
    void setLocalApiHistoryDataJson(Json::Value& value) { m_jsonLocalApiHistoryArray = value; }
    void setLocalProgramHistoryDataJson(Json::Value& value)
    {
        m_jsonLocalProgramHistoryArray = value;
    }

    const Json::Value& getLocalTodayListDataJson() const { return valueLocalTodayArray; }
    const Json::Value& getLocalFavouriteListDataJson() const { return m_jsonLocalFavouriteArray; }
    const Json::Value& getLocalApiHistoryDataJson() const { return m_jsonLocalApiHistoryArray; }
    const Json::Value& getLocalProgramHistoryDataJson() const
    {
        return m_jsonLocalProgramHistoryArray;
    }

private:
    ProxyManager() = default;

    Json::Value valueLocalTodayArray;
    Json::Value m_jsonLocalFavouriteArray;
    Json::Value m_jsonLocalApiHistoryArray;
    Json::Value m_jsonLocalProgramHistoryArray;
};
