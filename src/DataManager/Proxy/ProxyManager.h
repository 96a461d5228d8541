#pragma once

#include "DataManager/Proxy/ProxyRows.h"

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <json/json.h>

#include <array>
#include <mutex>

class ProxyListModel;
class QJSEngine;
class QQmlEngine;

// The one store of every proxy list: the rows of each list type keyed by their session,
// the JSON arrays that answers and database loads leave until QML has them parsed, and
// one list model per type for the screens. Rows, tables and models live on the GUI
// thread; only the cache setters are called from other threads.
class ProxyManager : public QObject
{
    Q_OBJECT
public:
    using RowTable = QHash<QString, ProxyDataBase*>;

    // The instance QML's engine owns; after it is gone the next call builds a new one.
    static ProxyManager* GetInstance();
    ~ProxyManager() override;

    // Rows. A row filed under a key already in its table displaces (and deletes) the old one.
    void addData(ProxyDataBase* pRow);
    // Takes the row out of its table, the models and the check tables; the caller owns it.
    void takeData(ProxyDataBase* pRow);
    // Takes the row out as above and deletes it.
    void removeData(ProxyDataBase* pRow);
    ProxyDataBase* getListDataByKey(const QString& qstrKey, int enumType) const;
    bool isExistByKey(const QString& qstrKey, int enumType) const;
    // The table of a row list type (1-3, 7-13); an empty one for any other type.
    const RowTable& table(int enumType) const;

    // One model per list type, owned here; null outside 1-13.
    Q_INVOKABLE QObject* getListModel(int enumType);
    ProxyListModel* listModel(int enumType);

    Q_INVOKABLE void clearDataByType(int enumType);
    // 0 clears everything; any other value keeps the port pool and the programs.
    void clearAllData(int nValue);
    void clearApiData();

    // JSON caches: each setter stores a copy (safe from any thread); each take returns the
    // cache and empties it.
    void setProxyListDataJson(const Json::Value& value);
    void setStaticProxyListDataJson(const Json::Value& value);
    void setEquipmentLineListDataJson(const Json::Value& value);
    void setLocalTodayListDataJson(Json::Value& value);
    void setLocalFavouriteListDataJson(Json::Value& value);
    void setLocalApiHistoryDataJson(Json::Value& value);
    void setLocalProgramHistoryDataJson(Json::Value& value);
    void setRemoteTodayListDataJson(const Json::Value& value);
    void setRemoteFavoriteListDataJson(const Json::Value& value);
    void appendApiTodayData(const Json::Value& record);
    // Types 11 and 13 only; other types are ignored (and read as null).
    void setDataJsonByProxyType(const Json::Value& value, int enumType, int nValue = 0);
    Json::Value getDataJsonByProxyType(int enumType, int nValue = 0) const;
    void clearDataJsonByProxyType(int enumType, int nValue = 0);

    Json::Value getLocalTodayListDataJson() const;
    Json::Value getLocalFavouriteListDataJson() const;
    Json::Value getLocalApiHistoryDataJson() const;
    Json::Value getLocalProgramHistoryDataJson() const;

    // Converters shared by the proxy code.
    static QString JsonToQStr(const QJsonObject& object);
    static QJsonObject StringToJson(const std::string& strText);
    static QString StrToQstr(const std::string& strValue);
    static std::string QstrToStr(const QString& qstrValue);
    static QString IntToQstr(int nValue);
    static QString Int64ToQstr(qint64 nValue);
    static int QstrToInt(const QString& qstrValue);

    // MD5 of the cycle counter's text (0 here) followed by the key.
    Q_INVOKABLE QString buildRandSession(QString qstrKey, int nValue = 0);
    Q_INVOKABLE int getSizeEquipmentAppend(int enumType, int nValue = 0);

signals:
    void signal_ResetApiUrl(QString qstrValue, int nValue = 0);
    void signal_InitApiUrl(int nValue = 0);
    void signal_AppendOnline(QObject* objData, int nValue = 0);

private:
    enum CacheKind
    {
        Cache_ProxyList,
        Cache_StaticProxyList,
        Cache_EquipmentLineList,
        Cache_LocalToday,
        Cache_LocalFavourite,
        Cache_LocalApiHistory,
        Cache_LocalProgramHistory,
        Cache_RemoteToday,
        Cache_RemoteFavorite,
        Cache_ApiToday,
        Cache_Equipment,
        Cache_EquipmentLineHistory,
        Cache_Count
    };

    ProxyManager();
    RowTable* mutableTable(int enumType);
    void storeCache(CacheKind kind, const Json::Value& value);
    Json::Value readCache(CacheKind kind) const;
    Json::Value takeCache(CacheKind kind);
    void forgetRow(ProxyDataBase* pRow);
    void clearRows(int enumType);
    void clearPorts();
    void deleteModels();

    std::array<RowTable, kProxyEnumCount> m_tables;
    std::array<ProxyListModel*, kProxyEnumCount> m_models{};
    RowTable m_hashEquipmentAppend;
    QHash<QString, Port*> m_hashPort;
    QHash<QString, PortList*> m_hashPortArray;
    QList<Program*> m_listProgram;

    mutable std::mutex m_cacheMutex;
    std::array<Json::Value, Cache_Count> m_caches;
};

// The QML singleton provider of "Proxy.Param".
QObject* virtualProxyManager(QQmlEngine* engine, QJSEngine* scriptEngine);
