#pragma once

#include "DataManager/Search/ApiTables.h"
#include "DataManager/Search/CatalogueFile.h"
#include "DataManager/Search/SearchData.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <QString>
#include <json/json.h>

#include <memory>
#include <mutex>
#include <vector>

class QJSEngine;

// The location catalogue: countries with their states and cities, operators and postal
// codes, read from the cache files after each sign-in into compact tables (one per level and
// plan set) and built for four kinds of screens on request: the list pages, the extraction
// page (Api), the device line popup (Equipment) and the group-control page (Device). The
// screens built from one table share its entries, each made when first needed. Also the
// current choices of each, their cascade, and the promotional image arrays. Entries are
// created, changed and deleted on the GUI thread only.
class SearchManager : public QObject
{
    Q_OBJECT
    NOTIFY_PROPERTY(QString, qstrIpSearch, getIpSearch, setIpSearch)
    NOTIFY_PROPERTY(QString, qstrCurrentCountryCode, getCurrentCountryCode, setCurrentCountryCode)
    NOTIFY_PROPERTY(QString, qstrEquipmentCurrentCountryCode, getEquipmentCurrentCountryCode,
                    setEquipmentCurrentCountryCode)
    NOTIFY_PROPERTY(QString, qstrEquipmentCurrentStateCode, getEquipmentCurrentStateCode,
                    setEquipmentCurrentStateCode)
    NOTIFY_PROPERTY(QString, qstrEquipmentCurrentCityCode, getEquipmentCurrentCityCode,
                    setEquipmentCurrentCityCode)
    NOTIFY_PROPERTY(QString, qstrEquipmentCurrentIspCode, getEquipmentCurrentIspCode,
                    setEquipmentCurrentIspCode)
    NOTIFY_PROPERTY(QString, qstrEquipmentCurrentPostalCode, getEquipmentCurrentPostalCode,
                    setEquipmentCurrentPostalCode)
    NOTIFY_PROPERTY(QString, qstrEquipmentIpSearch, getEquipmentIpSearch, setEquipmentIpSearch)
    NOTIFY_PROPERTY(QString, qstrDeviceCurrentCountryCode, getDeviceCurrentCountryCode,
                    setDeviceCurrentCountryCode)
    NOTIFY_PROPERTY(QString, qstrDeviceCurrentStatusCode, getDeviceCurrentStatusCode,
                    setDeviceCurrentStatusCode)
    NOTIFY_PROPERTY(QString, qstrDeviceCurrentLineStatusCode, getDeviceCurrentLineStatusCode,
                    setDeviceCurrentLineStatusCode)
    NOTIFY_PROPERTY(QString, qstrApiCurrentCountryCode, getApiCurrentCountryCode,
                    setApiCurrentCountryCode)
    NOTIFY_PROPERTY(QString, qstrApiCurrentStateCode, getApiCurrentStateCode,
                    setApiCurrentStateCode)
    NOTIFY_PROPERTY(QString, qstrApiCurrentCityCode, getApiCurrentCityCode, setApiCurrentCityCode)
    NOTIFY_PROPERTY(QString, qstrApiCurrentIspCode, getApiCurrentIspCode, setApiCurrentIspCode)
    NOTIFY_PROPERTY(QString, qstrApiCurrentPostalCode, getApiCurrentPostalCode,
                    setApiCurrentPostalCode)
    NOTIFY_PROPERTY(QString, qstrApiIpSearch, getApiIpSearch, setApiIpSearch)
    // The slides of the main screen's and the sign-in window's carousels.
    Q_PROPERTY(QList<QObject*> carouselImages READ getCarouseData NOTIFY carouselImagesChanged)
    Q_PROPERTY(QList<QObject*> signInImages READ getLoginImgData NOTIFY signInImagesChanged)

public:
    // Which table of a level a plan reads: plan 1, 3 or 6's.
    enum RawSet
    {
        Raw_None = -1,
        Raw_Plain = 0,
        Raw_Static = 1,
        Raw_Dedicated = 2
    };

    static SearchManager* GetInstance();
    ~SearchManager() override;

    Q_INVOKABLE void initSearch() {}

    // Reads every catalogue file on the job pool; the loaded levels are swapped in on the
    // GUI thread, which then sends UI messages 110, 111 and 112.
    void initAllData();
    // After a cache file was written: reads that level again only when its table is
    // still empty (a first sign-in), then sends that level's message alone. `nKind` is the
    // file kind of the save (1, 2, 3, 11, 22, 33).
    void reloadEmptyLevel(int nKind);

    // Replace one level's table with the entries of an array: plan 1 plain, 3 static, 6
    // dedicated; other plans do nothing.
    void setAreaDataJson(const Json::Value& value, int nPlan, int nValue = 0);
    void setIspDataJson(const Json::Value& value, int nPlan, int nValue = 0);
    void setZipDataJson(const Json::Value& value, int nPlan, int nValue = 0);
    // The same for a table read by CatalogueFile::load.
    void setTable(CatalogueFile::Level level, int nPlan,
                  std::shared_ptr<const CatalogueTable> pTable);

    Q_INVOKABLE void refershComboCountry(int nValue = 0);

    // Rebuilds from the tables by the plan the screen shows (see rawSetFor).
    Q_INVOKABLE void beginRarseAreaData(bool bForce = false);
    Q_INVOKABLE void beginRarseIspData(bool bForce = false);
    Q_INVOKABLE void beginRarseZipData(bool bForce = false);
    Q_INVOKABLE void beginRarseAreaDataSecond(bool bForce = false);
    Q_INVOKABLE void beginRarseIspDataSecond(bool bForce = false);
    Q_INVOKABLE void beginRarseZipDataSecond(bool bForce = false);
    Q_INVOKABLE void beginRarseEquipmentAreaData(int nMealType, bool bForce = false);
    Q_INVOKABLE void beginRarseEquipmentIspData(int nMealType, bool bForce = false);
    Q_INVOKABLE void beginRarseEquipmentZipData(int nMealType, bool bForce = false);
    Q_INVOKABLE void beginParseApiAreaData(bool bForce = false);
    Q_INVOKABLE void beginParseApiIspData(bool bForce = false);
    Q_INVOKABLE void beginParseApiZipData(bool bForce = false);
    Q_INVOKABLE void beginRarseDeviceCountryData(int nMealType, bool bForce = false);

    void clearAllData();
    // The list catalogue's count of a level 1 to 5; all five together for 0.
    Q_INVOKABLE int getDataSizeByType(int enumValue = 0);

    // Name searches (case-insensitive substring) narrowed by the levels already chosen.
    QList<QObject*> findDataByKeyAndType(const QString& qstrKey, int enumValue = 0, int nValue = 0);
    QList<QObject*> findApiDataByKeyAndType(const QString& qstrKey, int enumValue = 0,
                                            int nValue = 0);
    QList<QObject*> findEquipmentDataByKeyAndType(const QString& qstrKey, int enumValue = 0);
    // The same for QML, as arrays; a whole level is one array that every screen shares.
    Q_INVOKABLE QJSValue getDataByKeyAndType(QString qstrKey, int enumValue = 0, int nValue = 0);
    Q_INVOKABLE QJSValue getApiDataByKeyAndType(QString qstrKey, int enumValue = 0, int nValue = 0);
    Q_INVOKABLE QJSValue getEquipmentDataByKeyAndType(QString qstrKey, int enumValue = 0,
                                                      int nValue = 0);
    Q_INVOKABLE QList<QObject*> getDeviceDataByKeyAndType(QString qstrKey, int enumValue = 0,
                                                          int nValue = 0);
    // The first entry of a level 1 to 5 whose code equals the key; null when none.
    SearchDataBase* getDataByKey(const QString& key, int level, int nValue = 0);
    SearchDataBase* getApiDataByKey(const QString& key, int level, int nValue = 0);
    SearchDataBase* getEquipmentDataByKey(const QString& key, int level, int nValue = 0);
    // The name of that entry, for a box that shows a code it is given; empty when none.
    Q_INVOKABLE QString getEquipmentNameByKey(const QString& key, int level);

    // An empty choice reads, and is kept from then on, as "random".
    QString getCurrentStateCode();
    QString getCurrentCityCode();
    QString getCurrentOperatorCode();
    QString getCurrentPostalCode();

    // Stored unchanged, without a signal.
    Q_INVOKABLE void setCurrentStateCode(const QString& qstrValue);
    Q_INVOKABLE void setCurrentCityCode(const QString& qstrValue);
    Q_INVOKABLE void setCurrentOperatorCode(const QString& qstrValue);
    Q_INVOKABLE void setCurrentPostalCode(const QString& qstrValue);

    // A pick of a page (nValue its origin) keeps the levels consistent: a new country
    // forgets state and city (UI 122), a state or city also selects its parents and has the
    // page show them (UI 117, 119, 116, 118). Origin 0 stores without any message.
    Q_INVOKABLE void setCurrentCode(QString qstrValue, int enumValue = 0, int nValue = 0);
    Q_INVOKABLE void setApiCurrentCode(QString qstrValue, int enumValue = 0, int nValue = 0);
    // The device line popup: parents selected, no messages.
    Q_INVOKABLE void setEquipmentCurrentCode(QString qstrValue, int enumValue = 0, int nValue = 0);
    // The group-control page: always UI 188 with nValue.
    Q_INVOKABLE void setDeviceCurrentCode(QString qstrValue, int enumValue = 0, int nValue = 0);

    // The operator and postal choices of the chosen country for page nValue.
    Q_INVOKABLE void refreshIspByCountry(int nValue = 0);
    Q_INVOKABLE void refreshZipByCountry(int nValue = 0);
    Q_INVOKABLE void clearIspByProxyType(int nValue = 0);
    Q_INVOKABLE void clearZipByProxyType(int nValue = 0);
    Q_INVOKABLE void refreshEquipmentIspByCountry(int nValue = 0);
    Q_INVOKABLE void refreshEquipmentZipByCountry(int nValue = 0);
    Q_INVOKABLE void clearEquipmentIspByProxyType(int nValue = 0);
    Q_INVOKABLE void clearEquipmentZipByProxyType(int nValue = 0);
    Q_INVOKABLE void refreshEquipmentStateByCountry(int nValue = 0);
    Q_INVOKABLE void refreshEquipmentCityByCountry(int nValue = 0);

    // The extraction page's fixed tables: the parameter help rows and the plan choices.
    void initApiParameter(int nValue = 0);
    void initApiMeal(int nValue = 0);
    Q_INVOKABLE QList<QObject*> getApiParameterData(int nValue = 0);
    Q_INVOKABLE QList<QObject*> getApiMealData(int nValue = 0);

    // The machine's IPv4 addresses as entries; built once, at the first call that has any.
    Q_INVOKABLE QList<QObject*> getLocalIpData(int nValue = 0);

    // The main screen's and the sign-in window's image arrays; each set replaces the
    // stored array. Safe from any thread.
    void setCarouselDataJson(const Json::Value& value, int nValue = 0);
    void setLoginImgDataJson(const Json::Value& value, int nValue = 0);
    Json::Value getCarouselDataJson() const;
    Json::Value getLoginImgDataJson() const;

    // Replace the carousel's or the sign-in window's entries with the array last received,
    // which is used up; missing image files are fetched in the background.
    Q_INVOKABLE void beginRarseCarouselData(bool bForce = false);
    Q_INVOKABLE void beginParseLoginImgData(bool bForce = false);
    // The entries whose picture for the language in use is in the cache: a slide without
    // one would be blank.
    Q_INVOKABLE QList<QObject*> getCarouseData(int nValue = 0);
    Q_INVOKABLE QList<QObject*> getLoginImgData(int nValue = 0);
    // A picture was written to the cache, or the language changed: the slides follow.
    void refreshShownImages();

    // Job-pool procedure of a catalogue read (run type 2); frees its item.
    static int ThreadProc(void* pItem);

signals:
    void signal_RefreshIsp(int nRadioSel);
    void signal_RefreshZip(int nRadioSel);
    void signal_RefreshEquipmentIsp(int nOperate);
    void signal_RefreshEquipmentZip(int nOperate);
    void signal_RefreshEquipmentState(int nOperate);
    void signal_RefreshEquipmentCity(int nOperate);
    void carouselImagesChanged();
    void signInImagesChanged();

private:
    using EntryList = QList<SearchDataBase*>;
    using RawTable = std::shared_ptr<const CatalogueTable>;

    // Levels 1 to 5 of one catalogue: the entries of the files it shows, by file level.
    struct Catalogue
    {
        std::shared_ptr<TableEntries> files[3];
        // The entries that hold a level 1 to 5, with the level's list in them; null when
        // the level is not built.
        TableEntries* entries(int level, int& nList) const;
        int size(int level) const;
    };

    // How a rebuild maps a plan to a table.
    enum PlanMap
    {
        Map_Main,
        Map_Second,
        Map_SecondIsp,
        Map_WithHundred
    };

    struct LoadedFile
    {
        CatalogueFile::Level level;
        bool bStatic;
        RawTable table;
    };

    SearchManager();

    static RawSet rawSetFor(PlanMap map, int nPlan);
    static RawSet rawSetForPlan(int nPlan);
    void setRaw(CatalogueFile::Level level, int nPlan, const Json::Value& value);
    RawTable raw(CatalogueFile::Level level, RawSet set);
    std::mutex& levelMutex(CatalogueFile::Level level);

    void queueLoad(std::vector<std::pair<CatalogueFile::Level, bool>> files,
                   std::vector<int> messages);
    void adoptLoaded(const std::vector<LoadedFile>& files, const std::vector<int>& messages);
    void collectDroppedLists();

    void rebuild(Catalogue& catalogue, CatalogueFile::Level level, RawSet set, bool bSkipIfBuilt);
    // The entries of a table, shared with every catalogue that shows it.
    std::shared_ptr<TableEntries> entriesOf(const RawTable& pTable, CatalogueFile::Level level);
    static void clearData(EntryList& list);
    static void clearCatalogue(Catalogue& catalogue);
    // An operator or postal code of its own, from a string element; null for anything else.
    static SearchDataBase* makeChoice(const Json::Value& element, int level);
    static void addStatusEntries(EntryList& list, const Json::Value& array, int level);

    // The current choices a search narrows by; empty and "random" mean any.
    struct Choice
    {
        QString country, state, isp, postal;
    };
    static QList<QObject*> searchCatalogue(Catalogue& catalogue, const QString& key, int level,
                                           const Choice& choice, const EntryList* pIspCandidates,
                                           const EntryList* pZipCandidates);
    template <typename Accepts>
    static void collect(Catalogue& catalogue, int level, const QString& foldedKey,
                        QList<QObject*>& result, Accepts accepts);
    QJSValue forQml(Catalogue& catalogue, int level, const QList<QObject*>& found) const;
    static QList<QObject*> searchChoices(const EntryList& page, Catalogue& catalogue, int level,
                                         bool bFallBack, const QString& current,
                                         const QString& foldedKey);
    static SearchDataBase* findByCode(const Catalogue& catalogue, const QString& key, int level);
    static int pageIndex(int nOrigin);
    EntryList* pageIspList(int nOrigin);
    EntryList* pageZipList(int nOrigin);

    // What differs between the list and the Api cascade.
    struct Cascade
    {
        Catalogue SearchManager::*pCatalogue;
        QString (SearchManager::*getCountry)() const;
        void (SearchManager::*setCountry)(const QString&);
        void (SearchManager::*setState)(const QString&);
        void (SearchManager::*setCity)(const QString&);
        void (SearchManager::*setIsp)(const QString&);
        void (SearchManager::*setPostal)(const QString&);
        bool (*isPage)(int nOrigin);
    };
    void cascade(const Cascade& rules, const QString& value, int level, int nOrigin);
    void cascadeCountry(const Cascade& rules, const QString& value, int nOrigin);
    void cascadeState(const Cascade& rules, const QString& value, int nOrigin);
    void cascadeCity(const Cascade& rules, const QString& value, int nOrigin);
    static bool isListPage(int nOrigin);
    static bool isApiPage(int nOrigin);
    static bool isReselect(const Cascade& rules, int nOrigin);
    // New entries of a country's "isp_list" or "zip_list"; empty for any or an unknown code.
    EntryList countryChoices(Catalogue& catalogue, const QString& qstrCountry, bool bIsp);
    void refreshPage(EntryList* pList, Catalogue& catalogue, const QString& qstrCountry, bool bIsp);
    void refreshPage(EntryList* pList, int nOrigin, bool bIsp);

    void rebuildImages(EntryList& list, Json::Value& array, const char* szFolder, int nType);
    static QList<QObject*> withCachedPicture(const EntryList& list);
    // Takes the slides of a list anew; a rebuilt list's are new whatever they hold.
    void showSlides(const EntryList& list, QList<QObject*>& shown, void (SearchManager::*changed)(),
                    bool bRebuilt);
    // The file address of a picture's cached file; fetches the file when missing.
    static QString cachedImage(const QString& qstrUrl, const char* szFolder);

    static QString randomIfEmpty(QString& qstrCode);
    static void sendUi(int nType, const QString& qstrValue, int nValue);

    QString m_qstrCurrentStateCode;
    QString m_qstrCurrentCityCode;
    QString m_qstrCurrentOperatorCode;
    QString m_qstrCurrentPostalCode;

    // One per level, held by each rebuild for its run and by every swap of the level's raw
    // arrays; the device country rebuild has its own.
    std::mutex m_areaMutex;
    std::mutex m_ispMutex;
    std::mutex m_postalMutex;
    std::mutex m_deviceCountryMutex;
    RawTable m_raw[3][3];
    Json::Value m_valueDeviceStatusArray;
    Json::Value m_valueDeviceLineStatusArray;

    Catalogue m_list;
    Catalogue m_api;
    Catalogue m_equipment;
    std::vector<std::weak_ptr<TableEntries>> m_sharedEntries;
    EntryList m_listDeviceCountry;
    EntryList m_listDeviceStatus;
    EntryList m_listDeviceLineStatus;
    // The per-page operator and postal choices of the chosen country, by page (see
    // pageIspList) and for the device line popup.
    EntryList m_listIspTemp[5];
    EntryList m_listZipTemp[5];
    EntryList m_listEquipmentIspTemp;
    EntryList m_listEquipmentZipTemp;
    EntryList m_listLocalIp;
    EntryList m_listCarouseImg;
    EntryList m_listLoginViewImg;
    QList<QObject*> m_shownCarouseImg;
    QList<QObject*> m_shownLoginViewImg;
    QList<ApiParameter*> m_listApiParameter;
    QList<ApiMeal*> m_listApiMeal;

    // The engine of the screens, for collecting the lists they dropped and making theirs.
    QPointer<QQmlEngine> m_pEngine;
    friend QObject* virtualSearchManager(QQmlEngine* engine, QJSEngine* scriptEngine);

    mutable std::mutex m_imageMutex;
    Json::Value m_valueCaouselArray;
    Json::Value m_valueLoginImgArray;
};

// The QML singleton provider of "Search.Param".
QObject* virtualSearchManager(QQmlEngine* engine, QJSEngine* scriptEngine);
