#include "DataManager/Search/SearchManager.h"

#include "Interface/GlobleParam.h"
#include "Interface/InterfaceRecv.h"
#include "Interface/MyThread.h"
#include "Interface/MyThreadPool.h"
#include "PublicModule/HttpCurl/InterfaceBase/UiCodes.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/httpBase/CacheFolder.h"
#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

#include <QCoreApplication>
#include <QDebug>
#include <QQmlEngine>
#include <QUrl>

#include <malloc.h>

#include <algorithm>
#include <iterator>

namespace {

SearchManager* s_pInstance = nullptr;

const QString kAnyCode = QStringLiteral("random");

using Level = CatalogueFile::Level;

int uiMessageOf(Level level)
{
    return kUiAreaReady + static_cast<int>(level);
}

int entryLevelOf(Level level)
{
    static const int kLevels[] = {Data_Country, Data_Isp, Data_Postal};
    return kLevels[level];
}

bool isAny(const QString& qstrCode)
{
    return qstrCode.isEmpty() || qstrCode == kAnyCode;
}

int planOf(int (GlobleParam::*pGet)() const)
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    return pParam ? (pParam->*pGet)() : 0;
}

// Borrowed by QML, never collected by it.
template <typename T> T* borrowed(T* pItem)
{
    QQmlEngine::setObjectOwnership(pItem, QQmlEngine::CppOwnership);
    return pItem;
}

// A string value as text, read in place; anything else reads as empty.
QString textOf(const Json::Value& value)
{
    const char* szBegin = nullptr;
    const char* szEnd = nullptr;
    if (!value.isString() || !value.getString(&szBegin, &szEnd))
        return QString();
    return QString::fromUtf8(szBegin, int(szEnd - szBegin));
}

Json::Value statusArray(const char* szSecondName, int nSecondStatus)
{
    Json::Value array(Json::arrayValue);
    Json::Value online;
    online["name"] = "Online";
    online["code"] = "1";
    online["status"] = 1;
    array.append(online);
    Json::Value second;
    second["name"] = szSecondName;
    second["code"] = "0";
    second["status"] = nSecondStatus;
    array.append(second);
    return array;
}

// A catalogue read handed to the job pool.
struct LoadJob
{
    std::vector<std::pair<Level, bool>> files;
    std::vector<int> messages;
};

} // namespace

SearchManager::SearchManager()
{
    s_pInstance = this;
    setCurrentCountryCode(kAnyCode);
    m_qstrCurrentStateCode = m_qstrCurrentCityCode = kAnyCode;
    m_qstrCurrentOperatorCode = m_qstrCurrentPostalCode = kAnyCode;
    setEquipmentCurrentCountryCode(kAnyCode);
    setEquipmentCurrentStateCode(kAnyCode);
    setEquipmentCurrentCityCode(kAnyCode);
    setEquipmentCurrentIspCode(kAnyCode);
    setEquipmentCurrentPostalCode(kAnyCode);
    setApiCurrentCountryCode(kAnyCode);
    setApiCurrentStateCode(kAnyCode);
    setApiCurrentCityCode(kAnyCode);
    setApiCurrentIspCode(kAnyCode);
    setApiCurrentPostalCode(kAnyCode);
    initApiParameter(0);
    initApiMeal(0);
}

// The QML engine owns the object it received and deletes it with itself; a later
// GetInstance() then builds a new one instead of handing out a dangling pointer.
SearchManager::~SearchManager()
{
    clearAllData();
    clearData(m_listDeviceCountry);
    clearData(m_listDeviceStatus);
    clearData(m_listDeviceLineStatus);
    for (EntryList& list : m_listIspTemp)
        clearData(list);
    for (EntryList& list : m_listZipTemp)
        clearData(list);
    clearData(m_listEquipmentIspTemp);
    clearData(m_listEquipmentZipTemp);
    clearData(m_listLoginViewImg);
    qDeleteAll(m_listApiParameter);
    qDeleteAll(m_listApiMeal);
    if (s_pInstance == this)
        s_pInstance = nullptr;
}

SearchManager* SearchManager::GetInstance()
{
    if (!s_pInstance)
        new SearchManager;
    return s_pInstance;
}

QObject* virtualSearchManager(QQmlEngine* engine, QJSEngine* scriptEngine)
{
    Q_UNUSED(scriptEngine);
    SearchManager* pManager = SearchManager::GetInstance();
    pManager->m_pEngine = engine;
    return pManager;
}

void SearchManager::sendUi(int nType, const QString& qstrValue, int nValue)
{
    if (g_pWebRecv)
        g_pWebRecv->setAppSendValue(nType, qstrValue, nValue);
}

// ---- tables and loading ----

SearchManager::RawSet SearchManager::rawSetForPlan(int nPlan)
{
    switch (nPlan) {
    case 1:
        return Raw_Plain;
    case 3:
        return Raw_Static;
    case 6:
        return Raw_Dedicated;
    default:
        return Raw_None;
    }
}

SearchManager::RawSet SearchManager::rawSetFor(PlanMap map, int nPlan)
{
    switch (map) {
    case Map_Main:
        return nPlan == 11 ? Raw_Plain : rawSetForPlan(nPlan);
    case Map_WithHundred:
        return nPlan == 11 || nPlan == 100 ? Raw_Plain : rawSetForPlan(nPlan);
    case Map_Second:
    case Map_SecondIsp:
        if (nPlan == 3 || nPlan == 6)
            return Raw_Static;
        if (nPlan == 1 || (nPlan == 11 && map == Map_Second))
            return Raw_Plain;
        return Raw_None;
    }
    return Raw_None;
}

std::mutex& SearchManager::levelMutex(Level level)
{
    switch (level) {
    case CatalogueFile::Area:
        return m_areaMutex;
    case CatalogueFile::Isp:
        return m_ispMutex;
    default:
        return m_postalMutex;
    }
}

void SearchManager::setTable(Level level, int nPlan, RawTable pTable)
{
    const RawSet set = rawSetForPlan(nPlan);
    if (set == Raw_None)
        return;
    std::lock_guard<std::mutex> lock(levelMutex(level));
    m_raw[level][set] = std::move(pTable);
}

void SearchManager::setRaw(Level level, int nPlan, const Json::Value& value)
{
    auto pTable = std::make_shared<CatalogueTable>(level == CatalogueFile::Area);
    if (value.isArray())
        pTable->add(value);
    setTable(level, nPlan, std::move(pTable));
}

SearchManager::RawTable SearchManager::raw(Level level, RawSet set)
{
    std::lock_guard<std::mutex> lock(levelMutex(level));
    return m_raw[level][set];
}

void SearchManager::setAreaDataJson(const Json::Value& value, int nPlan, int)
{
    setRaw(CatalogueFile::Area, nPlan, value);
}

void SearchManager::setIspDataJson(const Json::Value& value, int nPlan, int)
{
    setRaw(CatalogueFile::Isp, nPlan, value);
}

void SearchManager::setZipDataJson(const Json::Value& value, int nPlan, int)
{
    setRaw(CatalogueFile::Zip, nPlan, value);
}

void SearchManager::initAllData()
{
    m_valueDeviceStatusArray = statusArray("Offline", 0);
    m_valueDeviceLineStatusArray = statusArray("Dropped", 2);
    std::vector<std::pair<Level, bool>> files;
    for (const Level level : {CatalogueFile::Area, CatalogueFile::Isp, CatalogueFile::Zip})
        for (const bool bStatic : {false, true})
            files.emplace_back(level, bStatic);
    queueLoad(std::move(files), {kUiAreaReady, kUiIspReady, kUiZipReady});
}

void SearchManager::reloadEmptyLevel(int nKind)
{
    // The save kinds: 1, 2, 3 plain country, operator, postal; 11, 22, 33 the static ones.
    const bool bStatic = nKind >= 11;
    const int nLevel = (bStatic ? nKind / 11 : nKind) - 1;
    if (nLevel < 0 || nLevel > 2 || (bStatic && nKind % 11 != 0))
        return;
    const Level level = static_cast<Level>(nLevel);
    const RawTable current = raw(level, bStatic ? Raw_Static : Raw_Plain);
    if (current && current->elementCount() > 0)
        return;
    queueLoad({{level, bStatic}}, {uiMessageOf(level)});
}

void SearchManager::queueLoad(std::vector<std::pair<Level, bool>> files, std::vector<int> messages)
{
    auto* pJob = new MyThread(2);
    pJob->setVoid(new LoadJob{std::move(files), std::move(messages)});
    pJob->setItemProc(&SearchManager::ThreadProc);
    MyThreadPool::GetInstance()->addThread(pJob, true);
}

// Runs on the job pool: reads, decodes and parses each file into the entries of its level,
// and hands what loaded to the GUI thread. The catalogue is looked up again there, so a
// catalogue deleted meanwhile is never touched.
int SearchManager::ThreadProc(void* pItem)
{
    std::unique_ptr<LoadJob> pJob(static_cast<LoadJob*>(pItem));
    std::vector<LoadedFile> loaded;
    for (const auto& file : pJob->files) {
        const QString qstrPath = CatalogueFile::path(file.first, file.second);
        auto pTable = std::make_shared<CatalogueTable>();
        QString qstrWhy;
        if (!CatalogueFile::load(qstrPath, file.first, *pTable, qstrWhy)) {
            qDebug() << "catalogue file kept as it was:" << qstrPath << qstrWhy;
            continue;
        }
        qDebug() << "catalogue file read:" << qstrPath << pTable->elementCount() << "entries";
        loaded.push_back({file.first, file.second, std::move(pTable)});
    }
    std::vector<int> messages = std::move(pJob->messages);
    QCoreApplication* pApp = QCoreApplication::instance();
    if (!pApp)
        return 0;
    QMetaObject::invokeMethod(
        pApp,
        [loaded = std::move(loaded), messages = std::move(messages)]() {
            if (s_pInstance)
                s_pInstance->adoptLoaded(loaded, messages);
        },
        Qt::QueuedConnection);
    return 0;
}

void SearchManager::adoptLoaded(const std::vector<LoadedFile>& files,
                                const std::vector<int>& messages)
{
    for (const LoadedFile& file : files) {
        std::lock_guard<std::mutex> lock(levelMutex(file.level));
        RawTable* pSlots = m_raw[file.level];
        // A file read as its level already holds it (read again, or the other plan set's
        // twin) keeps that table, so that the catalogues built from it share their entries.
        const RawTable* pSame = std::find_if(pSlots, pSlots + 3, [&file](const RawTable& pTable) {
            return pTable && *pTable == *file.table;
        });
        const RawTable table = pSame != pSlots + 3 ? *pSame : file.table;
        // Plans 3 and 6 read the same file.
        if (file.bStatic)
            pSlots[Raw_Static] = pSlots[Raw_Dedicated] = table;
        else
            pSlots[Raw_Plain] = table;
    }
    for (const int nMessage : messages)
        sendUi(nMessage, QStringLiteral("init"), 0);
    collectDroppedLists();
}

// The screens take new lists as they handle the messages, and with a large catalogue the
// lists they drop hold hundreds of thousands of entries: collected right after, rather than
// whenever the engine next runs short, and what the load left free in the heaps goes back.
void SearchManager::collectDroppedLists()
{
    QQmlEngine* pEngine = m_pEngine;
    if (!pEngine)
        return;
    QMetaObject::invokeMethod(
        pEngine,
        [pEngine] {
            pEngine->collectGarbage();
            malloc_trim(0);
        },
        Qt::QueuedConnection);
}

void SearchManager::refershComboCountry(int nValue)
{
    for (const int nMessage : {kUiAreaReady, kUiIspReady, kUiZipReady})
        sendUi(nMessage, QStringLiteral("init"), nValue);
    collectDroppedLists();
}

// ---- building entries ----

void SearchManager::clearData(EntryList& list)
{
    qDeleteAll(list);
    list.clear();
}

void SearchManager::clearCatalogue(Catalogue& catalogue)
{
    for (std::shared_ptr<TableEntries>& pEntries : catalogue.files)
        pEntries.reset();
}

void SearchManager::clearAllData()
{
    clearCatalogue(m_list);
    clearCatalogue(m_api);
    clearCatalogue(m_equipment);
    clearData(m_listLocalIp);
    clearData(m_listCarouseImg);
    m_shownCarouseImg.clear();
}

std::shared_ptr<TableEntries> SearchManager::entriesOf(const RawTable& pTable, Level level)
{
    m_sharedEntries.erase(std::remove_if(m_sharedEntries.begin(), m_sharedEntries.end(),
                                         [](const std::weak_ptr<TableEntries>& pShared) {
                                             return pShared.expired();
                                         }),
                          m_sharedEntries.end());
    for (const std::weak_ptr<TableEntries>& pShared : m_sharedEntries) {
        std::shared_ptr<TableEntries> pEntries = pShared.lock();
        if (pEntries->table() == pTable)
            return pEntries;
    }
    auto pEntries = std::make_shared<TableEntries>(pTable, entryLevelOf(level));
    m_sharedEntries.push_back(pEntries);
    return pEntries;
}

void SearchManager::rebuild(Catalogue& catalogue, Level level, RawSet set, bool bSkipIfBuilt)
{
    std::lock_guard<std::mutex> lock(levelMutex(level));
    const int nEntryLevel = entryLevelOf(level);
    if (bSkipIfBuilt && m_list.size(nEntryLevel) > 0)
        return;
    catalogue.files[level].reset();
    if (set == Raw_None || !m_raw[level][set])
        return;
    // The same table keeps the entries already made of it, and QML the entries it holds.
    catalogue.files[level] = entriesOf(m_raw[level][set], level);
    // Indexed at load rather than by the first search.
    const int nLastList = level == CatalogueFile::Area ? CatalogueTable::Cities : 0;
    for (int nList = 0; nList <= nLastList; ++nList)
        catalogue.files[level]->names(nList);
}

SearchDataBase* SearchManager::makeChoice(const Json::Value& element, int level)
{
    if (!element.isString())
        return nullptr;
    SearchDataBase* pEntry =
        level == Data_Isp ? static_cast<SearchDataBase*>(new OperatorData) : new PostalData;
    const QString qstrText = textOf(element);
    pEntry->setCode(qstrText);
    pEntry->setName(qstrText);
    return borrowed(pEntry);
}

void SearchManager::addStatusEntries(EntryList& list, const Json::Value& array, int level)
{
    for (const Json::Value& element : array) {
        auto* pEntry = new CityData;
        QQmlEngine::setObjectOwnership(pEntry, QQmlEngine::CppOwnership);
        pEntry->setDataType(level);
        pEntry->setStatus(JsonRead::getInt(element, "status"));
        pEntry->setCode(QString::fromStdString(JsonRead::getString(element, "code")));
        pEntry->setName(QString::fromStdString(JsonRead::getString(element, "name")));
        list.append(pEntry);
    }
}

void SearchManager::beginRarseAreaData(bool bForce)
{
    rebuild(m_list, CatalogueFile::Area, rawSetFor(Map_Main, planOf(&GlobleParam::getMealType)),
            !bForce);
}

void SearchManager::beginRarseIspData(bool bForce)
{
    rebuild(m_list, CatalogueFile::Isp, rawSetFor(Map_Main, planOf(&GlobleParam::getMealType)),
            !bForce);
}

void SearchManager::beginRarseZipData(bool bForce)
{
    rebuild(m_list, CatalogueFile::Zip, rawSetFor(Map_Main, planOf(&GlobleParam::getMealType)),
            !bForce);
}

void SearchManager::beginRarseAreaDataSecond(bool bForce)
{
    rebuild(m_list, CatalogueFile::Area,
            rawSetFor(Map_Second, planOf(&GlobleParam::getMealStaticType)), !bForce);
}

void SearchManager::beginRarseIspDataSecond(bool bForce)
{
    rebuild(m_list, CatalogueFile::Isp,
            rawSetFor(Map_SecondIsp, planOf(&GlobleParam::getMealStaticType)), !bForce);
}

void SearchManager::beginRarseZipDataSecond(bool bForce)
{
    rebuild(m_list, CatalogueFile::Zip,
            rawSetFor(Map_Second, planOf(&GlobleParam::getMealStaticType)), !bForce);
}

void SearchManager::beginRarseEquipmentAreaData(int nMealType, bool)
{
    rebuild(m_equipment, CatalogueFile::Area, rawSetFor(Map_WithHundred, nMealType), false);
}

void SearchManager::beginRarseEquipmentIspData(int nMealType, bool)
{
    rebuild(m_equipment, CatalogueFile::Isp, rawSetFor(Map_WithHundred, nMealType), false);
}

void SearchManager::beginRarseEquipmentZipData(int nMealType, bool)
{
    rebuild(m_equipment, CatalogueFile::Zip, rawSetFor(Map_WithHundred, nMealType), false);
}

void SearchManager::beginParseApiAreaData(bool)
{
    rebuild(m_api, CatalogueFile::Area, rawSetFor(Map_Main, planOf(&GlobleParam::getApiMealType)),
            false);
}

void SearchManager::beginParseApiIspData(bool)
{
    rebuild(m_api, CatalogueFile::Isp, rawSetFor(Map_Main, planOf(&GlobleParam::getApiMealType)),
            false);
}

void SearchManager::beginParseApiZipData(bool)
{
    rebuild(m_api, CatalogueFile::Zip,
            rawSetFor(Map_WithHundred, planOf(&GlobleParam::getApiMealType)), false);
}

void SearchManager::beginRarseDeviceCountryData(int nMealType, bool)
{
    const RawSet set = rawSetFor(Map_WithHundred, nMealType);
    const RawTable pTable = set == Raw_None ? nullptr : raw(CatalogueFile::Area, set);
    std::lock_guard<std::mutex> lock(m_deviceCountryMutex);
    clearData(m_listDeviceCountry);
    clearData(m_listDeviceStatus);
    clearData(m_listDeviceLineStatus);
    // A short list of its own, handed to QML as a whole.
    const EntryTexts* pCountries = pTable ? &pTable->list(CatalogueTable::Countries) : nullptr;
    for (int nRow = 0; pCountries && nRow < pCountries->size(); ++nRow) {
        auto* pCountry = borrowed(new CountryData);
        pCountry->setCode(pCountries->code(nRow));
        pCountry->setName(pCountries->name(nRow));
        pCountry->readArrays(pTable, nRow);
        m_listDeviceCountry.append(pCountry);
    }
    if (nMealType == 1) {
        addStatusEntries(m_listDeviceStatus, m_valueDeviceStatusArray, Data_DeviceStatus);
        addStatusEntries(m_listDeviceLineStatus, m_valueDeviceLineStatusArray,
                         Data_DeviceLineStatus);
    }
}

int SearchManager::getDataSizeByType(int enumValue)
{
    if (enumValue == Data_None) {
        int nTotal = 0;
        for (int level = Data_Country; level <= Data_Postal; ++level)
            nTotal += m_list.size(level);
        return nTotal;
    }
    return m_list.size(enumValue);
}

// ---- searches ----

namespace {

// `foldedKey` comes from foldedForSearch, once per search.
bool nameMatches(const SearchDataBase* pEntry, const QString& foldedKey)
{
    return pEntry && foldedForSearch(pEntry->getName()).contains(foldedKey);
}

// A parent fits the chosen code when any is chosen, when it has that code, or no code.
bool parentFits(const SearchDataBase* pParent, const QString& qstrChosen)
{
    if (isAny(qstrChosen) || !pParent)
        return true;
    return pParent->hasCode(QStringView()) || pParent->hasCode(qstrChosen);
}

} // namespace

TableEntries* SearchManager::Catalogue::entries(int level, int& nList) const
{
    if (level < Data_Country || level > Data_Postal)
        return nullptr;
    const Level file = level <= Data_City  ? CatalogueFile::Area
                       : level == Data_Isp ? CatalogueFile::Isp
                                           : CatalogueFile::Zip;
    nList = level <= Data_City ? level - Data_Country : 0;
    return files[file].get();
}

int SearchManager::Catalogue::size(int level) const
{
    int nList = 0;
    const TableEntries* pEntries = entries(level, nList);
    return pEntries ? pEntries->size(nList) : 0;
}

// Appends the entries of a catalogue level whose names contain the key and that `accepts`
// takes, in list order.
template <typename Accepts>
void SearchManager::collect(Catalogue& catalogue, int level, const QString& foldedKey,
                            QList<QObject*>& result, Accepts accepts)
{
    int nList = 0;
    TableEntries* pEntries = catalogue.entries(level, nList);
    if (!pEntries)
        return;
    // Entries are made, and marked as ours, when first handed to QML (or looked up) rather
    // than when the catalogue is loaded: the files of plans not shown make none.
    const auto take = [&result, &accepts, pEntries, nList](int nRow) {
        SearchDataBase* pEntry = pEntries->entry(nList, nRow);
        if (!accepts(pEntry))
            return;
        if (pEntries->handOut(nList, nRow))
            borrowed(pEntry);
        result.append(pEntry);
    };
    if (foldedKey.isEmpty()) { // every name contains it
        result.reserve(result.size() + pEntries->size(nList));
        for (int nRow = 0; nRow < pEntries->size(nList); ++nRow)
            take(nRow);
    } else {
        pEntries->names(nList).forEachMatch(foldedKey, take);
    }
}

QList<QObject*> SearchManager::searchChoices(const EntryList& page, Catalogue& catalogue, int level,
                                             bool bFallBack, const QString& current,
                                             const QString& foldedKey)
{
    const auto fits = [&current](const SearchDataBase* pEntry) {
        return isAny(current) || pEntry->hasCode(QStringView()) || pEntry->hasCode(current);
    };
    QList<QObject*> result;
    if (page.isEmpty() && bFallBack) {
        collect(catalogue, level, foldedKey, result, fits);
        return result;
    }
    for (SearchDataBase* pEntry : page)
        if (nameMatches(pEntry, foldedKey) && fits(pEntry))
            result.append(pEntry);
    return result;
}

QList<QObject*> SearchManager::searchCatalogue(Catalogue& catalogue, const QString& qstrKey,
                                               int level, const Choice& choice,
                                               const EntryList* pIspCandidates,
                                               const EntryList* pZipCandidates)
{
    static const EntryList kNone;
    const QString key = foldedForSearch(qstrKey);
    const auto any = [](const SearchDataBase*) { return true; };
    QList<QObject*> result;
    switch (level) {
    case Data_Country:
        collect(catalogue, level, key, result, any);
        break;
    case Data_State:
        if (isAny(choice.country))
            collect(catalogue, level, key, result, any);
        else
            collect(catalogue, level, key, result, [&choice](const SearchDataBase* pEntry) {
                return parentFits(pEntry->parentEntry(), choice.country);
            });
        break;
    case Data_City:
        if (isAny(choice.country) && isAny(choice.state))
            collect(catalogue, level, key, result, any);
        else
            collect(catalogue, level, key, result, [&choice](const SearchDataBase* pEntry) {
                const SearchDataBase* pState = pEntry->parentEntry();
                return parentFits(pState, choice.state) &&
                       parentFits(pState ? pState->parentEntry() : nullptr, choice.country);
            });
        break;
    case Data_Isp:
        result = searchChoices(pIspCandidates ? *pIspCandidates : kNone, catalogue, level,
                               isAny(choice.country), choice.isp, key);
        break;
    case Data_Postal:
        result = searchChoices(pZipCandidates ? *pZipCandidates : kNone, catalogue, level, true,
                               choice.postal, key);
        break;
    default:
        break;
    }
    return result;
}

// The per-page lists by page origin: proxy, today, favourite, extraction, program.
int SearchManager::pageIndex(int nOrigin)
{
    static const int kOrigins[] = {1, 2, 3, 4, 6};
    const int* pFound = std::find(std::begin(kOrigins), std::end(kOrigins), nOrigin);
    return pFound == std::end(kOrigins) ? -1 : int(pFound - std::begin(kOrigins));
}

SearchManager::EntryList* SearchManager::pageIspList(int nOrigin)
{
    // The traffic plan's list page searches the proxy page's operators.
    const int nIndex = pageIndex(nOrigin == 11 ? 1 : nOrigin);
    return nIndex < 0 ? nullptr : &m_listIspTemp[nIndex];
}

SearchManager::EntryList* SearchManager::pageZipList(int nOrigin)
{
    const int nIndex = pageIndex(nOrigin);
    return nIndex < 0 ? nullptr : &m_listZipTemp[nIndex];
}

QList<QObject*> SearchManager::findDataByKeyAndType(const QString& qstrKey, int enumValue,
                                                    int nValue)
{
    const Choice choice{getCurrentCountryCode(), getCurrentStateCode(), getCurrentOperatorCode(),
                        getCurrentPostalCode()};
    QList<QObject*> result = searchCatalogue(m_list, qstrKey, enumValue, choice,
                                             pageIspList(nValue), pageZipList(nValue));
    qDebug() << "Search Key:" << qstrKey << "enumValue:" << enumValue
             << "result size:" << result.size();
    return result;
}

QList<QObject*> SearchManager::findApiDataByKeyAndType(const QString& qstrKey, int enumValue,
                                                       int nValue)
{
    const Choice choice{getApiCurrentCountryCode(), getApiCurrentStateCode(),
                        getApiCurrentIspCode(), getApiCurrentPostalCode()};
    return searchCatalogue(m_api, qstrKey, enumValue, choice, pageIspList(nValue),
                           pageZipList(nValue));
}

QList<QObject*> SearchManager::findEquipmentDataByKeyAndType(const QString& qstrKey, int enumValue)
{
    const Choice choice{getEquipmentCurrentCountryCode(), getEquipmentCurrentStateCode(),
                        getEquipmentCurrentIspCode(), getEquipmentCurrentPostalCode()};
    return searchCatalogue(m_equipment, qstrKey, enumValue, choice, &m_listEquipmentIspTemp,
                           &m_listEquipmentZipTemp);
}

// Six screens show every city, operator and postal code of a large catalogue until one is
// chosen: sharing one array of a whole level spares each its own.
QJSValue SearchManager::forQml(Catalogue& catalogue, int level, const QList<QObject*>& found) const
{
    QQmlEngine* pEngine = m_pEngine;
    if (!pEngine)
        return QJSValue();
    int nList = 0;
    TableEntries* pEntries = catalogue.entries(level, nList);
    if (pEntries && pEntries->isWholeList(nList, found))
        return pEntries->sharedArray(nList, *pEngine, found);
    return pEngine->toScriptValue(found);
}

QJSValue SearchManager::getDataByKeyAndType(QString qstrKey, int enumValue, int nValue)
{
    return forQml(m_list, enumValue, findDataByKeyAndType(qstrKey, enumValue, nValue));
}

QJSValue SearchManager::getApiDataByKeyAndType(QString qstrKey, int enumValue, int nValue)
{
    return forQml(m_api, enumValue, findApiDataByKeyAndType(qstrKey, enumValue, nValue));
}

QJSValue SearchManager::getEquipmentDataByKeyAndType(QString qstrKey, int enumValue, int)
{
    return forQml(m_equipment, enumValue, findEquipmentDataByKeyAndType(qstrKey, enumValue));
}

QList<QObject*> SearchManager::getDeviceDataByKeyAndType(QString qstrKey, int enumValue, int)
{
    const EntryList* pList = enumValue == Data_Country            ? &m_listDeviceCountry
                             : enumValue == Data_DeviceStatus     ? &m_listDeviceStatus
                             : enumValue == Data_DeviceLineStatus ? &m_listDeviceLineStatus
                                                                  : nullptr;
    const QString qstrFoldedKey = foldedForSearch(qstrKey);
    QList<QObject*> result;
    if (pList)
        for (SearchDataBase* pEntry : *pList)
            if (nameMatches(pEntry, qstrFoldedKey))
                result.append(pEntry);
    return result;
}

SearchDataBase* SearchManager::findByCode(const Catalogue& catalogue, const QString& key, int level)
{
    int nList = 0;
    TableEntries* pEntries = key.isEmpty() ? nullptr : catalogue.entries(level, nList);
    const int nRow = pEntries ? pEntries->find(nList, key) : -1;
    return nRow < 0 ? nullptr : pEntries->entry(nList, nRow);
}

SearchDataBase* SearchManager::getDataByKey(const QString& key, int level, int)
{
    return findByCode(m_list, key, level);
}

SearchDataBase* SearchManager::getApiDataByKey(const QString& key, int level, int)
{
    return findByCode(m_api, key, level);
}

SearchDataBase* SearchManager::getEquipmentDataByKey(const QString& key, int level, int)
{
    return findByCode(m_equipment, key, level);
}

QString SearchManager::getEquipmentNameByKey(const QString& key, int level)
{
    const SearchDataBase* pEntry = getEquipmentDataByKey(key, level);
    return pEntry ? pEntry->getName() : QString();
}

// ---- current choices ----

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

void SearchManager::setCurrentStateCode(const QString& qstrValue)
{
    m_qstrCurrentStateCode = qstrValue;
}

void SearchManager::setCurrentCityCode(const QString& qstrValue)
{
    m_qstrCurrentCityCode = qstrValue;
}

void SearchManager::setCurrentOperatorCode(const QString& qstrValue)
{
    m_qstrCurrentOperatorCode = qstrValue;
}

void SearchManager::setCurrentPostalCode(const QString& qstrValue)
{
    m_qstrCurrentPostalCode = qstrValue;
}

// ---- cascade ----

namespace {

constexpr int kReselect = 100;

} // namespace

bool SearchManager::isListPage(int nOrigin)
{
    return nOrigin == 10 || pageIndex(nOrigin) >= 0;
}

bool SearchManager::isApiPage(int nOrigin)
{
    return nOrigin == 4;
}

// The catalogue's own re-selection carries the page origin times 100.
bool SearchManager::isReselect(const Cascade& rules, int nOrigin)
{
    return nOrigin % kReselect == 0 && rules.isPage(nOrigin / kReselect);
}

void SearchManager::cascade(const Cascade& rules, const QString& value, int level, int nOrigin)
{
    switch (level) {
    case Data_Country:
        cascadeCountry(rules, value, nOrigin);
        break;
    case Data_State:
        cascadeState(rules, value, nOrigin);
        break;
    case Data_City:
        cascadeCity(rules, value, nOrigin);
        break;
    case Data_Isp:
        (this->*rules.setIsp)(value);
        break;
    case Data_Postal:
        (this->*rules.setPostal)(value);
        break;
    default:
        break;
    }
}

void SearchManager::cascadeCountry(const Cascade& rules, const QString& value, int nOrigin)
{
    qDebug() << "qstrPrevious:" << (this->*rules.getCountry)() << "qstrValue:" << value
             << "nValue:" << nOrigin;
    const bool bChanged = value != (this->*rules.getCountry)();
    if (bChanged) {
        (this->*rules.setState)(QString());
        (this->*rules.setCity)(QString());
    }
    (this->*rules.setCountry)(value);
    if (rules.isPage(nOrigin)) {
        if (bChanged)
            sendUi(kUiCountryChanged, QString(), nOrigin);
    } else if (isReselect(rules, nOrigin)) {
        const SearchDataBase* pCountry = findByCode(this->*rules.pCatalogue, value, Data_Country);
        sendUi(kUiCountryName, pCountry ? pCountry->getName() : QString(), nOrigin / kReselect);
        sendUi(kUiCountryCode, value, nOrigin / kReselect);
    }
}

void SearchManager::cascadeState(const Cascade& rules, const QString& value, int nOrigin)
{
    const SearchDataBase* pState = findByCode(this->*rules.pCatalogue, value, Data_State);
    const SearchDataBase* pCountry = pState ? pState->parentEntry() : nullptr;
    if (!pCountry) {
        (this->*rules.setState)(value);
        cascadeCountry(rules, (this->*rules.getCountry)(), nOrigin);
        return;
    }
    if (rules.isPage(nOrigin)) {
        cascadeCountry(rules, pCountry->getCode(), nOrigin * kReselect);
    } else if (isReselect(rules, nOrigin)) {
        sendUi(kUiStateName, pState->getName(), nOrigin / kReselect);
        sendUi(kUiStateCode, value, nOrigin / kReselect);
        cascadeCountry(rules, pCountry->getCode(), nOrigin);
    }
    (this->*rules.setState)(value);
}

void SearchManager::cascadeCity(const Cascade& rules, const QString& value, int nOrigin)
{
    const SearchDataBase* pCity = findByCode(this->*rules.pCatalogue, value, Data_City);
    const SearchDataBase* pState = pCity ? pCity->parentEntry() : nullptr;
    if (pState && rules.isPage(nOrigin))
        cascadeState(rules, pState->getCode(), nOrigin * kReselect);
    (this->*rules.setCity)(value);
}

void SearchManager::setCurrentCode(QString qstrValue, int enumValue, int nValue)
{
    static const Cascade kList{&SearchManager::m_list,
                               &SearchManager::getCurrentCountryCode,
                               &SearchManager::setCurrentCountryCode,
                               &SearchManager::setCurrentStateCode,
                               &SearchManager::setCurrentCityCode,
                               &SearchManager::setCurrentOperatorCode,
                               &SearchManager::setCurrentPostalCode,
                               &SearchManager::isListPage};
    cascade(kList, qstrValue, enumValue, nValue);
}

void SearchManager::setApiCurrentCode(QString qstrValue, int enumValue, int nValue)
{
    static const Cascade kApi{&SearchManager::m_api,
                              &SearchManager::getApiCurrentCountryCode,
                              &SearchManager::setApiCurrentCountryCode,
                              &SearchManager::setApiCurrentStateCode,
                              &SearchManager::setApiCurrentCityCode,
                              &SearchManager::setApiCurrentIspCode,
                              &SearchManager::setApiCurrentPostalCode,
                              &SearchManager::isApiPage};
    cascade(kApi, qstrValue, enumValue, nValue);
}

void SearchManager::setEquipmentCurrentCode(QString qstrValue, int enumValue, int nValue)
{
    qDebug() << "enumValue:" << enumValue << "nValue:" << nValue;
    switch (enumValue) {
    case Data_Country:
        setEquipmentCurrentCountryCode(qstrValue);
        break;
    case Data_State:
    case Data_City: {
        const SearchDataBase* pEntry = findByCode(m_equipment, qstrValue, enumValue);
        if (const SearchDataBase* pParent = pEntry ? pEntry->parentEntry() : nullptr)
            setEquipmentCurrentCode(pParent->getCode(), enumValue - 1, nValue);
        if (enumValue == Data_State)
            setEquipmentCurrentStateCode(qstrValue);
        else
            setEquipmentCurrentCityCode(qstrValue);
        break;
    }
    case Data_Isp:
        setEquipmentCurrentIspCode(qstrValue);
        break;
    case Data_Postal:
        setEquipmentCurrentPostalCode(qstrValue);
        break;
    default:
        break;
    }
}

void SearchManager::setDeviceCurrentCode(QString qstrValue, int enumValue, int nValue)
{
    qDebug() << "enumValue:" << enumValue << "nValue:" << nValue;
    if (enumValue == Data_Country)
        setDeviceCurrentCountryCode(qstrValue);
    else if (enumValue == Data_DeviceStatus)
        setDeviceCurrentStatusCode(qstrValue);
    else if (enumValue == Data_DeviceLineStatus)
        setDeviceCurrentLineStatusCode(qstrValue);
    sendUi(kUiDeviceChoice, QString(), nValue);
}

SearchManager::EntryList SearchManager::countryChoices(Catalogue& catalogue,
                                                       const QString& qstrCountry, bool bIsp)
{
    EntryList result;
    const auto* pCountry =
        isAny(qstrCountry)
            ? nullptr
            : qobject_cast<CountryData*>(findByCode(catalogue, qstrCountry, Data_Country));
    if (!pCountry)
        return result;
    const Json::Value& texts = bIsp ? pCountry->getIspArray() : pCountry->getZipArray();
    if (!texts.isArray())
        return result;
    for (const Json::Value& text : texts)
        if (SearchDataBase* pEntry = makeChoice(text, bIsp ? Data_Isp : Data_Postal))
            result.append(pEntry);
    return result;
}

void SearchManager::refreshPage(EntryList* pList, Catalogue& catalogue, const QString& qstrCountry,
                                bool bIsp)
{
    if (!pList)
        return;
    clearData(*pList);
    *pList = countryChoices(catalogue, qstrCountry, bIsp);
}

// The extraction page chooses its country in the Api catalogue: its lists follow that one.
void SearchManager::refreshPage(EntryList* pList, int nOrigin, bool bIsp)
{
    if (isApiPage(nOrigin))
        refreshPage(pList, m_api, getApiCurrentCountryCode(), bIsp);
    else
        refreshPage(pList, m_list, getCurrentCountryCode(), bIsp);
}

void SearchManager::refreshIspByCountry(int nValue)
{
    refreshPage(pageIndex(nValue) < 0 ? nullptr : pageIspList(nValue), nValue, true);
    emit signal_RefreshIsp(nValue);
}

void SearchManager::refreshZipByCountry(int nValue)
{
    refreshPage(pageZipList(nValue), nValue, false);
    emit signal_RefreshZip(nValue);
}

void SearchManager::clearIspByProxyType(int nValue)
{
    if (pageIndex(nValue) >= 0)
        clearData(*pageIspList(nValue));
}

void SearchManager::clearZipByProxyType(int nValue)
{
    if (EntryList* pList = pageZipList(nValue))
        clearData(*pList);
}

void SearchManager::refreshEquipmentIspByCountry(int nValue)
{
    refreshPage(&m_listEquipmentIspTemp, m_equipment, getEquipmentCurrentCountryCode(), true);
    emit signal_RefreshEquipmentIsp(nValue);
}

void SearchManager::refreshEquipmentZipByCountry(int nValue)
{
    refreshPage(&m_listEquipmentZipTemp, m_equipment, getEquipmentCurrentCountryCode(), false);
    emit signal_RefreshEquipmentZip(nValue);
}

void SearchManager::clearEquipmentIspByProxyType(int)
{
    clearData(m_listEquipmentIspTemp);
}

void SearchManager::clearEquipmentZipByProxyType(int)
{
    clearData(m_listEquipmentZipTemp);
}

void SearchManager::refreshEquipmentStateByCountry(int nValue)
{
    emit signal_RefreshEquipmentState(nValue);
}

void SearchManager::refreshEquipmentCityByCountry(int nValue)
{
    emit signal_RefreshEquipmentCity(nValue);
}

QList<QObject*> SearchManager::getLocalIpData(int)
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    if (m_listLocalIp.isEmpty() && pParam) {
        for (const QString& qstrIp : pParam->getListLocalIp()) {
            auto* pEntry = new SearchDataBase;
            QQmlEngine::setObjectOwnership(pEntry, QQmlEngine::CppOwnership);
            pEntry->setCode(qstrIp);
            pEntry->setName(qstrIp);
            m_listLocalIp.append(pEntry);
        }
    }
    QList<QObject*> result;
    for (SearchDataBase* pEntry : m_listLocalIp)
        result.append(pEntry);
    return result;
}

// ---- extraction tables ----

namespace {

struct ParameterRow
{
    const char* szName;
    const char* szRequired;
    const char* szIllustrate;
    const char* szClickText;
    int nShowType;
};

// Two header rows: the page lays the rows out in two columns, filled row by row.
const ParameterRow kParameterRows[] = {
    {"NAME", "REQUIRED", "ILLUSTRATE", "", 1},
    {"NAME", "REQUIRED", "ILLUSTRATE", "", 1},
    {"num", "Yes", "Get the number of proxies, \u2264200", "", 0},
    {"country", "No", "Country, default is all, ", "country code", 0},
    {"state", "No", "State, default is all", "", 0},
    {"city", "No", "City, default is all", "", 0},
    {"zip", "No", "Zip, default is all", "", 0},
    {"isp", "No", "Isp, default is all", "", 0},
    {"ip_time", "No",
     "Package Type, default  is Popular Plan\n1=Popular Plan, 3= Long Acting ISP Plan", "", 0},
    {"t", "No", "Data Format\n1=txt, 2=json", "", 0},
    {"port", "No", "Start port, default port is 30000", "", 0},
};

template <typename T> QList<QObject*> asObjects(const QList<T*>& list)
{
    QList<QObject*> result;
    for (T* pItem : list)
        if (pItem)
            result.append(pItem);
    return result;
}

} // namespace

void SearchManager::initApiParameter(int)
{
    int nTranslateNum = 1;
    for (const ParameterRow& row : kParameterRows) {
        auto* pRow = borrowed(new ApiParameter);
        pRow->setName(&row == kParameterRows ? QObject::tr(row.szName)
                                             : QString::fromUtf8(row.szName));
        pRow->setRequired(QString::fromUtf8(row.szRequired));
        pRow->setIllustrate(QString::fromUtf8(row.szIllustrate));
        pRow->setClickText(QString::fromUtf8(row.szClickText));
        pRow->setShowType(row.nShowType);
        // Both header rows share the header words' translation.
        pRow->setTranslateNum(row.nShowType == 1 ? 1 : ++nTranslateNum);
        m_listApiParameter.append(pRow);
    }
}

void SearchManager::initApiMeal(int)
{
    const struct
    {
        const char* szName;
        int nPlan;
    } kMeals[] = {{QT_TR_NOOP("Popular Plan"), 1}, {QT_TR_NOOP("Long Acting ISP Plan"), 3}};
    for (const auto& meal : kMeals) {
        auto* pMeal = borrowed(new ApiMeal);
        pMeal->setName(QObject::tr(meal.szName));
        pMeal->setCode(QString::number(meal.nPlan));
        pMeal->setMealData(meal.nPlan);
        m_listApiMeal.append(pMeal);
    }
}

QList<QObject*> SearchManager::getApiParameterData(int)
{
    qDebug() << "getApiParameterData result size:" << m_listApiParameter.size();
    return asObjects(m_listApiParameter);
}

QList<QObject*> SearchManager::getApiMealData(int)
{
    return asObjects(m_listApiMeal);
}

// ---- promotional image arrays ----

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

// ---- carousel entries ----

// An address without a name a cache takes has no picture: nothing is fetched or removed.
QString SearchManager::cachedImage(const QString& qstrUrl, const char* szFolder)
{
    const QString qstrName = CacheFolder::fileNameOf(qstrUrl);
    if (qstrName.isEmpty())
        return QString();
    const QString qstrPath = QCoreApplication::applicationDirPath() + QStringLiteral("/temp/") +
                             QLatin1String(szFolder) + QLatin1Char('/') + qstrName;
    InterfaceRecv* pRecv = InterfaceRecv::GetInstance();
    if (pRecv && !WebRecv::keepCachedFile(qstrPath))
        pRecv->CurlDownloadFile(qstrUrl.toStdString(), qstrName.toStdString(), szFolder,
                                CAROUSE_RESULT, 0, std::string(), true);
    return QUrl::fromLocalFile(qstrPath).toString();
}

void SearchManager::rebuildImages(EntryList& list, Json::Value& array, const char* szFolder,
                                  int nType)
{
    clearData(list);
    for (const Json::Value& element : array) {
        if (!element.isObject())
            continue;
        auto* pEntry = new CarouseData;
        QQmlEngine::setObjectOwnership(pEntry, QQmlEngine::CppOwnership);
        pEntry->setDataType(nType);
        pEntry->setName(QString::fromStdString(JsonRead::getText(element, "img_url")));
        pEntry->setLocalPath(cachedImage(pEntry->getName(), szFolder));
        pEntry->setImgHkPath(QString::fromStdString(JsonRead::getText(element, "img_url_hk")));
        pEntry->setLocalHkPath(cachedImage(pEntry->getImgHkPath(), szFolder));
        pEntry->setCode(QString::fromStdString(JsonRead::getText(element, "jump_url")));
        list.append(pEntry);
    }
    array = Json::Value();
}

// The view shows the variant of the "_zh_hk" language in that language.
QList<QObject*> SearchManager::withCachedPicture(const EntryList& list)
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    const bool bHk = pParam && pParam->getLangCode() == QLatin1String("_zh_hk");
    QList<QObject*> shown;
    for (SearchDataBase* pEntry : list) {
        const auto* pImage = static_cast<const CarouseData*>(pEntry);
        const QUrl url(bHk ? pImage->getLocalHkPath() : pImage->getLocalPath());
        if (url.isLocalFile() && WebRecv::keepCachedFile(url.toLocalFile()))
            shown.append(pEntry);
    }
    return shown;
}

void SearchManager::showSlides(const EntryList& list, QList<QObject*>& shown,
                               void (SearchManager::*changed)(), bool bRebuilt)
{
    QList<QObject*> now = withCachedPicture(list);
    if (!bRebuilt && now == shown)
        return;
    shown = now;
    if (GlobleParam* pParam = GlobleParam::GetInstance())
        connect(pParam, &GlobleParam::qstrLangCodeChanged, this, &SearchManager::refreshShownImages,
                Qt::UniqueConnection);
    emit(this->*changed)();
}

void SearchManager::refreshShownImages()
{
    showSlides(m_listCarouseImg, m_shownCarouseImg, &SearchManager::carouselImagesChanged, false);
    showSlides(m_listLoginViewImg, m_shownLoginViewImg, &SearchManager::signInImagesChanged, false);
}

void SearchManager::beginRarseCarouselData(bool)
{
    {
        std::lock_guard<std::mutex> lock(m_imageMutex);
        rebuildImages(m_listCarouseImg, m_valueCaouselArray, "carousel", Data_CarouseData);
    }
    showSlides(m_listCarouseImg, m_shownCarouseImg, &SearchManager::carouselImagesChanged, true);
}

void SearchManager::beginParseLoginImgData(bool)
{
    {
        std::lock_guard<std::mutex> lock(m_imageMutex);
        rebuildImages(m_listLoginViewImg, m_valueLoginImgArray, "loginview", Data_LoginViewData);
    }
    showSlides(m_listLoginViewImg, m_shownLoginViewImg, &SearchManager::signInImagesChanged, true);
}

QList<QObject*> SearchManager::getCarouseData(int)
{
    return m_shownCarouseImg;
}

QList<QObject*> SearchManager::getLoginImgData(int)
{
    return m_shownLoginViewImg;
}
