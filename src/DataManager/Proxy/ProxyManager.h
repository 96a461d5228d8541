#pragma once

#include "DataManager/Proxy/ProxyRows.h"

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <json/json.h>

#include <array>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class InterfacePost;
class ProgramProcess;
class ProxyListModel;
class QJSEngine;
class QQmlEngine;
class ViewKeys;

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
    // How many rows that table holds, whatever a view of it shows.
    Q_INVOKABLE int rowCount(int enumType) const { return table(enumType).size(); }
    // How often the views of the table read a key field from all of its rows.
    int keyRebuilds(int enumType) const { return m_keptKeys.at(size_t(enumType)).nRebuilds; }

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
    // A UI message through the service object, when there is one.
    static void sendUi(int nType, const QString& qstrValue, int nValue);
    // The key of an exit: MD5 of the signed-in user name followed by its IP text.
    static QString userSession(const QString& qstrIp);

    // Parse entries: each files its cache's records as rows and empties the cache.
    Q_INVOKABLE void beginRarseProxyListData(int nValue = 0);
    Q_INVOKABLE void appendRarseProxyListData(int nValue = 0);
    Q_INVOKABLE void beginRarseStaticProxyListData(int nValue = 0);
    Q_INVOKABLE void beginRarseEquipmentLineListData(int nValue = 0);
    Q_INVOKABLE void appendRarseEquipmentLineListData(int nValue = 0);
    Q_INVOKABLE void beginRarseLocalTodayListData(int nValue = 0);
    Q_INVOKABLE void beginRarseRemoteTodayListData(int nValue = 0);
    Q_INVOKABLE void beginParseApiTodayListData(int nValue = 0);
    Q_INVOKABLE void beginRarseLocalFavouriteListData(int nValue = 0);
    Q_INVOKABLE void beginRarseRemoteFavoriteListData(int nValue = 0);
    Q_INVOKABLE void beginRarseLocalApiHistoryData(int nValue = 0);
    Q_INVOKABLE void beginRarseLocalProgramHistoryData(int nValue = 0);
    Q_INVOKABLE void beginParseListDataByProxyType(int enumType, int nValue = 0);
    Q_INVOKABLE void modifyParseListDataByProxyType(int enumType, int nValue = 0);

    // Files the array's records as rows of a list (mode: 0 stored, 1 service, 2 extraction
    // records, 10 a further page); returns the rows filed. Elements that are not objects or
    // lack their key are skipped and counted in *pSkipped.
    int addDataByJsonArray(const Json::Value& array, ProxyEnum enumType, int nMode,
                           int* pSkipped = nullptr);
    // Device updates (type 11 only): changes known devices, files and notes new ones.
    void modifyDataByJsonArray(const Json::Value& array, ProxyEnum enumType, int nMode);
    // The rows of the last further page of the online, static or device line list.
    const QList<QObject*>& appendedRows() const { return m_listAppendOnline; }

    // Views: a fresh list of rows picked, filtered and sorted for a page; the list type's
    // model is loaded with the same rows and places rows filed later by the same rules.
    Q_INVOKABLE QList<QObject*> getDataType(int enumValue, int nValue = 0);
    // The same view shown through the model alone: a page that reads its model gets no
    // script array of every row (a wrapper per row, each kept by the script engine).
    Q_INVOKABLE void showView(int enumValue, int nValue = 0) { getDataType(enumValue, nValue); }
    Q_INVOKABLE QList<QObject*> searchDataType(int enumValue, int nValue = 0);
    Q_INVOKABLE void appendDataType(int enumValue, int nValue = 0);
    // The location-filtered today (never static rows) and favourite rows, unsorted.
    Q_INVOKABLE QList<QObject*> refreshTodayList(int nValue = 0);
    Q_INVOKABLE QList<QObject*> refreshFavoriteList(int nValue = 0);
    Q_INVOKABLE QObject* getFavoirteListByKey(QString qstrKey);
    void setDataSortType(int nSortType) { m_nDataSortType = nSortType; }
    int getDataSortType() const { return m_nDataSortType; }
    // True when a goes before b under the current sort type.
    static bool CompareSort(QObject* a, QObject* b);
    // The same under a given sort type; 0 and types above 23 order nothing.
    static bool lessBy(int nSortType, QObject* a, QObject* b);

    // Database and service write-back queues, filled while a today or favourite list loads.
    void addDeleteData(const Json::Value& record) { m_listDelete.append(record); }
    void addAddData(const Json::Value& record) { m_listAdd.append(record); }
    void addFavoriteAddData(const Json::Value& record) { m_listFavoriteAdd.append(record); }
    void clearDelete() { m_listDelete.clear(); }
    void clearAdd() { m_listAdd.clear(); }
    void clearFavoriteAdd() { m_listFavoriteAdd.clear(); }
    void getDeleteData(QList<Json::Value>& list) const { list = m_listDelete; }
    void getAddData(QList<Json::Value>& list) const { list = m_listAdd; }
    void getFavoriteAddData(QList<Json::Value>& list) const { list = m_listFavoriteAdd; }
    void runDeleteData();
    void runAddData();
    void runFavoriteAddData();
    void runTodaylistCache(int nValue = 0);
    // Stores one new today or favourite row and sends it to the service.
    void runInsertSqlData(ProxyDataBase* pRow);

    // Existence checks of today's rows and the favourites: the decoded serials of the
    // rows of plan 1 go to the service in one request; the answer marks them.
    Q_INVOKABLE void checkArraySn(int nValue = 0);
    Q_INVOKABLE void checkFavoriteArraySn(int nValue = 0);
    void setSnState(const Json::Value& data);
    void setFavoriteSnState(const Json::Value& data);
    void setEquipmentLineHistorySnState(const Json::Value& data);
    void clearSn() { m_hashSnTemp.clear(); }
    void clearFavoriteSn() { m_hashFavoriteSnTemp.clear(); }
    void clearEquipmentLineHistorySn() { m_hashEquipmentLineHistoryTemp.clear(); }
    void addSnData(const QString& qstrSn, TodayList* pRow) { m_hashSnTemp.insert(qstrSn, pRow); }
    void addFavoriteSnData(const QString& qstrSn, FavoriteList* pRow)
    {
        m_hashFavoriteSnTemp.insert(qstrSn, pRow);
    }
    TodayList* getTodayBySn(const QString& qstrSn) const;
    FavoriteList* getFavoriteBySn(const QString& qstrSn) const;

    // Favourite edits apply at once and are saved by the cache flush.
    Q_INVOKABLE void setFavoriteByParam(QString qstrKey, int nOrigin, bool bCheck, int nValue = 0);
    void addFavoriteData(const QString& qstrKey, int enumType);
    void delFavoriteData(const QString& qstrKey);
    Q_INVOKABLE void setFavoriteRemark(QString qstrKey, QString qstrRemark, int nValue = 0);
    void addFavoriteCache(FavoriteList* pRow, int nValue = 0);
    Q_INVOKABLE void runFavoriteCache(int nValue = 0);
    Q_INVOKABLE void favoriteOpreate(QString qstrKey, int enumType);
    const QList<FavoriteList*>& favoriteCache() const { return m_listFavoriteCache; }

    // Programs run through a bound port (ProxyProgram.cpp).
    Q_INVOKABLE void initProgram();
    Q_INVOKABLE void addProgram(QString qstrPath, QString qstrName, int nValue = 0);
    Q_INVOKABLE void deleteProgram(QString qstrPath, int nValue = 0);
    // The file a chooser's address names; empty for anything but a local file.
    Q_INVOKABLE QString programPathOf(const QUrl& url) const;
    Program* getProgramByPath(const QString& qstrPath, int nValue = 0) const;
    Json::Value getProgramList() const;
    // "A|null|B|null" for programs A and B; empty without programs.
    QString getTargetName() const;
    Program* createProgramDefault();
    Q_INVOKABLE void startProgramByThis(QObject* pThis, int nValue = 0);
    Q_INVOKABLE void programConnect(QString qstrKey, int enumType = 1, int nValue = 1);
    Q_INVOKABLE void autoProgramConnect(int nValue = 0);
    Q_INVOKABLE void clearProgramHistoryData(int nValue = 0);
    // A binding made for programs (tags 100 and 200) gives the port they are started with;
    // freeing that port leaves them none.
    void noteProgramBinding(const QString& qstrPort, int nTag);
    void forgetProgramPort(const QString& qstrPort);
    QString programPort() const { return m_qstrProgramPort; }

    // Conversions of row JSON.
    static void checkOperateQJsonObj(QJsonObject& object, int nValue = 0);
    static void setQJsonParamByString(QJsonObject& object, const QString& qstrKey,
                                      const std::string& strValue, int nValue = 0);
    static std::string setRemarkConvert(const QString& qstrText, int nValue = 0);

    // Seams the port pool and the device operations fill.
    void updatePortBind(const QString& qstrKey, const QString& qstrPort,
                        const QJsonObject& qjsonLine, int nOnline);
    void releasePortBind(const QString& qstrPort, int nValue);
    void setEquipmentByJson(EquipmentList* pRow, const QJsonObject& record, int nMode);
    void setRandomEnablePort(const QString& qstrPort);
    // After the engine answered its first status: re-announces every bound port (job pool),
    // then asks the extraction page for a fresh link.
    void initStartSuccess(int nValue = 0);

    // The local port pool, keyed by port text, and its blocks of at most 20 for the picker.
    Q_INVOKABLE void addPortData(int nBegin, int nSize);
    Q_INVOKABLE void refreshPortByUser(int nValue = 0);
    Q_INVOKABLE QList<QObject*> refreshPortList(int nValue = 0);
    Q_INVOKABLE int getIpCountByKey(QString qstrKey);
    Q_INVOKABLE QString getCurScopeByKey(QString qstrKey);
    PortList* getPortListByKey(const QString& qstrKey) const;
    Port* getPortDataByKey(const QString& qstrKey, int enumType) const;
    // The lowest free port in text order; "" when none is free.
    QString getRandomEnablePort();
    Q_INVOKABLE void freePortForwardList(QString qstrPort, int nAll = 0);
    void addFreePortData(const QString& qstrPort, int nValue = 0);
    Q_INVOKABLE void beginParseFreePortData();
    Q_INVOKABLE QString copyPortDataAll(int nValue = 0);
    void clearPortBindData(int nValue = 0);
    void clearFreePortData() { m_listFreePortCache.clear(); }
    void addPortBind(const QString& qstrPort, const QString& qstrSession);

    // Binding exits to ports: the request goes out through the service object; the
    // confirmed pairing comes back to runBindPortBySession on the GUI thread.
    Q_INVOKABLE void bindPortBySession(QString qstrKey, QString qstrPort, int enumType = 1,
                                       int nRunType = 0, int nValue = 0);
    void runBindPortBySession(const QString& qstrKey, const QString& qstrPort, int enumType,
                              int nIpTimeType, int nValue = 0);
    // nMode 0 stores the today row at once, 1 leaves it for beginParseFreePortData.
    void releaseListBind(const QString& qstrKey, int nMode);
    Q_INVOKABLE QObject* getProxyLineByKey(QString qstrKey);
    Q_INVOKABLE QString getCurIpByKey(QString qstrKey, int nValue = 0);
    TodayList* getTodayByIp(const QString& qstrIp, int nValue = 0) const;

    // A block's batch, one pairing at a time.
    Q_INVOKABLE void setPortArrayAllocByKey(QString qstrKey, int nIpTimeType, int nValue = 0);
    Q_INVOKABLE void allotPortArray(int nAll, int nValue = 0, int nProxyType = 1);
    Q_INVOKABLE void attachPortAndSession(QString qstrKey, QString qstrPort, int enumType = 1,
                                          int nCurIndex = 0);
    // Answers of the callback server.
    void getTodayListJson(Json::Value& out);
    int modifyTodayBySessionAndPort(const std::string& strIp, const std::string& strPort);

    // Engine datagrams, the API history and the extraction link.
    Q_INVOKABLE void parseApiRecv(QString qstrValue, int nValue = 0);
    Q_INVOKABLE void clearApiHistoryData(int nValue = 0);
    Q_INVOKABLE QString setCopyUrlByParam(int nMealType, QString qstrLineNum, QString qstrCountry,
                                          QString qstrState, QString qstrCity, QString qstrIsp,
                                          QString qstrZip, QString qstrIp, int nValue = 0);

    // MD5 of the cycle counter's text (0 here) followed by the key.
    Q_INVOKABLE QString buildRandSession(QString qstrKey, int nValue = 0);
    Q_INVOKABLE int getSizeEquipmentAppend(int enumType, int nValue = 0);

    // Devices of the group control page (keyed by "device_sn"): ticks, operate objects,
    // changes sent to the service and the page's filter.
    Q_INVOKABLE void setEquipmentStatus(QString qstrKey, bool bStatus);
    Q_INVOKABLE void setAllEquipmentStatus(bool bStatus);
    void autoEquipmentCount(int nCount, bool bAdd);
    Q_INVOKABLE void setEquipmentKeyValueBySession(QString qstrKey, QString qstrName,
                                                   QString qstrValue);
    Q_INVOKABLE void setEquipmentKeyValueBySession(QString qstrKey, QString qstrName, int nValue);
    Q_INVOKABLE void setEquipmentOperateBySession(QString qstrKey, QString qstrName,
                                                  QString qstrValue);
    Q_INVOKABLE void setEquipmentOperateBySession(QString qstrKey, QString qstrName, int nValue);
    Q_INVOKABLE void setEquipmentInterfaceBySession(QString qstrKey, QString qstrName,
                                                    QString qstrValue, int nValue);
    QJsonObject getBatchJsonOperate() const;
    Q_INVOKABLE QList<QObject*> searchDeviceByKey(QString qstrText, int nValue = 0);
    Q_INVOKABLE QList<QObject*> getDataEquipmentAppend(int enumValue, int nValue = 0);
    Q_INVOKABLE int getEquipmentSize();
    Q_INVOKABLE void getDeviceByKey(QString qstrKey, int nValue = 0);

    // Binding device lines (codes 0/1 from the line list, 100/101 from the history).
    Q_INVOKABLE void bindEquipmentAndLine(QString qstrDeviceKey, QString qstrLineKey, int nValue);
    Q_INVOKABLE void bindEquipmentAndLineWidthEnable(QString qstrDeviceKey, QString qstrLineKey,
                                                     int nValue);
    Q_INVOKABLE void bindEquipmentAndLineHistory(QString qstrDeviceKey, QString qstrLineKey,
                                                 int nValue, int nDifferent);
    Q_INVOKABLE void checkEquipmentLineHistoryArraySn(int nValue = 0);

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
    // Before a confirmed move: the engine's pairing of the exit's old pool port is dropped.
    void freeEnginePortOf(const QString& qstrKey, const QString& qstrNewPort);
    using SnTable = QHash<QString, ProxyDataBase*>;
    RowTable* mutableTable(int enumType);
    // False when no row takes part, so nothing was sent.
    bool checkSerials(int enumType, SnTable& serials,
                      void (InterfacePost::*pushCheck)(const QString&, int), int nValue);
    static void applySerialStates(const SnTable& serials, const Json::Value& data);
    void storeCache(CacheKind kind, const Json::Value& value);
    Json::Value readCache(CacheKind kind) const;
    Json::Value takeCache(CacheKind kind);
    void forgetRow(ProxyDataBase* pRow);
    void forgetRowsWhere(const std::function<bool(const ProxyDataBase*)>& isGone);
    void clearRows(int enumType);
    void clearPorts();
    void deleteModels();
    ProxyListModel* portModel();
    void updateListBind(const QString& qstrKey, const QString& qstrPort, int enumType,
                        int nIpTimeType);
    TodayList* todayFromLine(const ProxyDataBase& source, const QString& qstrPort, int nIpTimeType);
    void storeTodayRow(const TodayList& row);
    void clearAttach();

    QList<QObject*> rowsOf(int enumType, const std::function<bool(QObject*)>& accepts) const;
    QList<QObject*> locationView(int enumType, bool bSkipStatic);
    ViewKeys& tableKeys(int enumType);
    void forgetTableKeys(int enumType);
    QList<QObject*> finishView(int enumType, QList<QObject*> rows, int nSortType,
                               const std::function<bool(QObject*)>& accepts);
    QList<QObject*> finishView(int enumType, ViewKeys& keys, std::vector<int> positions,
                               int nSortType, const std::function<bool(QObject*)>& accepts);
    QList<QObject*> tableView(int enumType, int nSortType);
    QList<QObject*> todayView(int nValue);
    QList<QObject*> favoriteView(int nValue);
    QList<QObject*> equipmentLineHistoryView(bool bSearch, int nValue);
    void buildProgramLocalPath(Program* pProgram);
    void saveProgramList();
    // The port programs start with from now on; a switch may end those running.
    void useProgramPort(const QString& qstrPort);
    // The today exit bound to the port joins the program history (stored), once per exit.
    void addProgramHistoryByToday(const QString& qstrPort);
    ProgramProcess* programProcess();

    enum class Outcome
    {
        Filed,
        Present,
        Malformed
    };
    // Devices and their lines (ProxyDevice.cpp, ProxyDeviceLine.cpp).
    QList<EquipmentList*> devicesInOrder() const;
    QList<EquipmentList*> chosenDevices() const;
    void recountSelectedDevices();
    void setEquipmentOperate(const QString& qstrKey, const QString& qstrName,
                             const QJsonValue& value);
    void setEquipmentParamBySession(const QString& qstrKey, const QString& qstrName,
                                    const QString& qstrValue, int nValue);
    void setEquipmentParamArray(const QString& qstrName, const QString& qstrValue);
    void bindEquipmentParamAndLine(const QString& qstrDeviceKey, const QString& qstrLineKey,
                                   int nCode);
    void bindEquipmentArrayAndLine(const QString& qstrLineKey, int nCode);
    void bindEquipmentAndLineRandom(int nCode);
    QList<ProxyDataBase*> equipmentLines(bool bHistory) const;
    ProxyDataBase* findEquipmentLine(const QString& qstrLineKey, bool bHistory) const;
    void addEquipmentLineHistoryCache(const QJsonObject& qjsonLine, const QString& qstrBuyTime,
                                      int nStamp);
    void batchEquipmentLineHistory();

    void beginPass(ProxyEnum enumType, int nMode);
    void endPass(ProxyEnum enumType, int nMode, int nFiled);
    Outcome addDataByJsonObj(const Json::Value& record, ProxyEnum enumType, int nMode);
    Outcome addLineRow(const Json::Value& record, ProxyEnum enumType, int nMode);
    Outcome addStoredHistory(const Json::Value& record, ProxyEnum enumType);
    Outcome addExtractHistory(const Json::Value& record);
    Outcome addRandomHistory(const Json::Value& record);
    Outcome addDevice(const Json::Value& record);
    Outcome addStoredToday(const Json::Value& record);
    Outcome addServiceToday(const Json::Value& record);
    Outcome addExtractToday(const Json::Value& record);
    Outcome addStoredFavorite(const Json::Value& record);
    Outcome addServiceFavorite(const Json::Value& record);
    void modifyDevice(const Json::Value& record);
    // Fills the fields every new row has and files it; `pRecord` is the record the line was
    // made from, when there is one.
    void completeRow(ProxyDataBase* pRow, const QString& qstrIp, int nIpTimeType,
                     const QString& qstrKey, const QString& qstrLine, const QJsonObject& qjsonLine,
                     const Json::Value* pRecord = nullptr);
    bool isFavoriteKey(const QString& qstrKey) const;
    void submitRows(const QString& qstrTable, const QList<Json::Value>& rows, int enumSql,
                    int nMode);

    std::array<RowTable, kProxyEnumCount> m_tables;
    std::array<ProxyListModel*, kProxyEnumCount> m_models{};
    struct KeptKeys
    {
        std::unique_ptr<ViewKeys> pKeys;
        int nRebuilds = 0;
    };
    std::array<KeptKeys, kProxyEnumCount> m_keptKeys;
    RowTable m_hashEquipmentAppend;
    QHash<QString, Port*> m_hashPort;
    QHash<QString, PortList*> m_hashPortArray;
    QList<Program*> m_listProgram;
    QList<QObject*> m_listAppendOnline;
    QList<QObject*> m_listEquipmentLineHistory; // the history rows a device view shows
    Program* m_pProgramAddCell = nullptr;
    ProgramProcess* m_pProgramProcess = nullptr; // a child object
    QString m_qstrProgramPort;
    int m_nDataSortType = 0;
    QString m_qstrPortRand; // the port picked for program lines
    QList<Json::Value> m_listDelete;
    QList<Json::Value> m_listAdd;
    QList<Json::Value> m_listFavoriteAdd;
    QList<FavoriteList*> m_listFavoriteCache;
    SnTable m_hashSnTemp;
    SnTable m_hashFavoriteSnTemp;
    SnTable m_hashEquipmentLineHistoryTemp;
    QList<LineAttachPort*> m_listAttach;
    QList<TodayList*> m_listFreePortCache; // not owned
    QJsonObject m_jsonBatchOperate;                   // the device line popup's batch choice
    QMap<QString, Json::Value> m_mapEquipmentHistory; // lines of the last bind, by session

    mutable std::mutex m_cacheMutex;
    std::array<Json::Value, Cache_Count> m_caches;
};

// The QML singleton provider of "Proxy.Param".
QObject* virtualProxyManager(QQmlEngine* engine, QJSEngine* scriptEngine);
