#include "ProxyManager.h"

#include "DataManager/Proxy/ProxyListModel.h"
#include "DataManager/Proxy/ViewKeys.h"
#include "Interface/InterfaceRecv.h"
#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QQmlEngine>

#include <algorithm>
#include <vector>

namespace {

ProxyManager* s_pInstance = nullptr;

bool isRowListType(int enumType)
{
    switch (enumType) {
    case Proxy_Online:
    case Proxy_Today:
    case Proxy_Favorite:
    case Proxy_ProgramLine:
    case Proxy_ApiHistory:
    case Proxy_ProgramHistory:
    case Proxy_StaticOnline:
    case Proxy_Equipment:
    case Proxy_EquipmentLine:
    case Proxy_EquipmentLineHistory:
        return true;
    default:
        return false;
    }
}

// The class whose properties a list's model offers as roles.
const QMetaObject* rowClassOf(int enumType)
{
    switch (enumType) {
    case Proxy_Online:
    case Proxy_StaticOnline:
    case Proxy_EquipmentLine:
        return &ProxyList::staticMetaObject;
    case Proxy_Today:
    case Proxy_ApiHistory:
    case Proxy_ProgramHistory:
    case Proxy_EquipmentLineHistory:
        return &TodayList::staticMetaObject;
    case Proxy_Favorite:
        return &FavoriteList::staticMetaObject;
    case Proxy_ProgramLine:
        return &ProgramLine::staticMetaObject;
    case Proxy_Equipment:
        return &EquipmentList::staticMetaObject;
    case Proxy_Port:
        return &Port::staticMetaObject;
    case Proxy_PortList:
        return &PortList::staticMetaObject;
    case Proxy_Program:
        return &Program::staticMetaObject;
    default:
        return nullptr;
    }
}

template <typename Container> void deleteAll(Container& container)
{
    qDeleteAll(container);
    container.clear();
}

} // namespace

ProxyManager::ProxyManager()
{
    s_pInstance = this;
    clearAllData(0);
    if (QCoreApplication* pApp = QCoreApplication::instance())
        connect(pApp, &QCoreApplication::aboutToQuit, this, [this] { runFavoriteCache(); });
}

// The QML engine deletes the instance it received; the rows go with it, and a later
// GetInstance() builds a new store instead of handing out a dangling pointer.
ProxyManager::~ProxyManager()
{
    deleteModels();
    // Removed favourites wait in the cache outside every table.
    for (FavoriteList* pRow : qAsConst(m_listFavoriteCache)) {
        if (pRow->getSqlType() == QLatin1String("delete"))
            delete pRow;
    }
    for (RowTable& rows : m_tables)
        deleteAll(rows);
    deleteAll(m_hashPort);
    deleteAll(m_hashPortArray);
    clearAttach();
    deleteAll(m_listProgram);
    delete m_pProgramAddCell;
    if (s_pInstance == this)
        s_pInstance = nullptr;
}

ProxyManager* ProxyManager::GetInstance()
{
    if (!s_pInstance)
        new ProxyManager;
    return s_pInstance;
}

ProxyManager::RowTable* ProxyManager::mutableTable(int enumType)
{
    return isRowListType(enumType) ? &m_tables[static_cast<size_t>(enumType)] : nullptr;
}

const ProxyManager::RowTable& ProxyManager::table(int enumType) const
{
    static const RowTable kEmpty;
    return isRowListType(enumType) ? m_tables[static_cast<size_t>(enumType)] : kEmpty;
}

void ProxyManager::addData(ProxyDataBase* pRow)
{
    RowTable* pTable = pRow ? mutableTable(pRow->getProxyType()) : nullptr;
    if (!pTable) {
        delete pRow;
        return;
    }
    QQmlEngine::setObjectOwnership(pRow, QQmlEngine::CppOwnership);
    const bool bDeviceLine = pRow->getProxyType() == Proxy_EquipmentLine ||
                             pRow->getProxyType() == Proxy_EquipmentLineHistory;
    if (bDeviceLine && pRow->getIp() == tr("Random"))
        pRow->setPing(0);
    if (ProxyDataBase* pOld = pTable->value(pRow->getSession()); pOld && pOld != pRow)
        removeData(pOld);
    static quint64 s_nFilings = 0;
    pRow->setFilingOrder(++s_nFilings);
    pTable->insert(pRow->getSession(), pRow);
    forgetTableKeys(pRow->getProxyType());
    if (ProxyListModel* pModel = m_models[static_cast<size_t>(pRow->getProxyType())])
        pModel->offerRow(pRow);
}

void ProxyManager::takeData(ProxyDataBase* pRow)
{
    RowTable* pTable = mutableTable(pRow->getProxyType());
    if (pTable && pTable->value(pRow->getSession()) == pRow)
        pTable->remove(pRow->getSession());
    forgetTableKeys(pRow->getProxyType());
    forgetRow(pRow);
}

void ProxyManager::removeData(ProxyDataBase* pRow)
{
    takeData(pRow);
    delete pRow;
}

// Every place besides its table that may still refer to the row.
void ProxyManager::forgetRow(ProxyDataBase* pRow)
{
    if (ProxyListModel* pModel = m_models[static_cast<size_t>(pRow->getProxyType())])
        pModel->removeRowObject(pRow);
    forgetRowsWhere([pRow](const ProxyDataBase* pOther) { return pOther == pRow; });
}

// One pass over each place, whatever the number of rows forgotten.
void ProxyManager::forgetRowsWhere(const std::function<bool(const ProxyDataBase*)>& isGone)
{
    const auto removeFrom = [&isGone](auto& list) {
        list.erase(std::remove_if(list.begin(), list.end(),
                                  [&isGone](const QObject* pObject) {
                                      return isGone(static_cast<const ProxyDataBase*>(pObject));
                                  }),
                   list.end());
    };
    removeFrom(m_listAppendOnline);
    removeFrom(m_listEquipmentLineHistory);
    removeFrom(m_listFavoriteCache);
    removeFrom(m_listFreePortCache);
    for (SnTable* pTable : {&m_hashSnTemp, &m_hashFavoriteSnTemp, &m_hashEquipmentLineHistoryTemp,
                            &m_hashEquipmentAppend}) {
        for (auto it = pTable->begin(); it != pTable->end();) {
            if (isGone(it.value()))
                it = pTable->erase(it);
            else
                ++it;
        }
    }
}

ProxyDataBase* ProxyManager::getListDataByKey(const QString& qstrKey, int enumType) const
{
    return table(enumType).value(qstrKey);
}

bool ProxyManager::isExistByKey(const QString& qstrKey, int enumType) const
{
    if (enumType == Proxy_Port)
        return m_hashPort.contains(qstrKey);
    return table(enumType).contains(qstrKey);
}

QObject* ProxyManager::getListModel(int enumType)
{
    return listModel(enumType);
}

ProxyListModel* ProxyManager::listModel(int enumType)
{
    const QMetaObject* pRowClass = rowClassOf(enumType);
    if (!pRowClass)
        return nullptr;
    ProxyListModel*& pModel = m_models[static_cast<size_t>(enumType)];
    if (!pModel) {
        pModel = new ProxyListModel(pRowClass, this);
        QQmlEngine::setObjectOwnership(pModel, QQmlEngine::CppOwnership);
    }
    return pModel;
}

void ProxyManager::deleteModels()
{
    for (ProxyListModel*& pModel : m_models) {
        delete pModel;
        pModel = nullptr;
    }
}

void ProxyManager::clearRows(int enumType)
{
    RowTable* pTable = mutableTable(enumType);
    if (!pTable)
        return;
    if (ProxyListModel* pModel = m_models[static_cast<size_t>(enumType)])
        pModel->clear();
    std::vector<ProxyDataBase*> rows(pTable->cbegin(), pTable->cend());
    pTable->clear();
    forgetTableKeys(enumType);
    // The model is empty already; the other places drop the rows in one pass each, by
    // address only.
    std::sort(rows.begin(), rows.end());
    forgetRowsWhere([&rows](const ProxyDataBase* pRow) {
        return std::binary_search(rows.cbegin(), rows.cend(), pRow);
    });
    qDeleteAll(rows);
}

// Ports marked to be kept are left alive for the pool rebuild that files them again; the
// exits of the others lose their port first.
void ProxyManager::clearPorts()
{
    if (ProxyListModel* pModel = m_models[Proxy_Port])
        pModel->clear();
    const QHash<QString, Port*> ports = m_hashPort;
    m_hashPort.clear();
    for (Port* pPort : ports) {
        if (pPort->getClearSkip())
            continue;
        if (!pPort->getSession().isEmpty())
            releaseListBind(pPort->getSession(), 0);
        delete pPort;
    }
}

void ProxyManager::clearDataByType(int enumType)
{
    switch (enumType) {
    case Proxy_Port:
        clearPorts();
        break;
    case Proxy_PortList:
        if (ProxyListModel* pModel = m_models[Proxy_PortList])
            pModel->clear();
        deleteAll(m_hashPortArray);
        break;
    case Proxy_Program:
        if (ProxyListModel* pModel = m_models[Proxy_Program])
            pModel->clear();
        deleteAll(m_listProgram);
        break;
    default:
        clearRows(enumType);
        break;
    }
}

// Pending favourite edits are saved first, into the account they were made in.
void ProxyManager::clearAllData(int nValue)
{
    runFavoriteCache();
    clearPortBindData();
    for (int enumType : {Proxy_Online, Proxy_StaticOnline, Proxy_Today, Proxy_Favorite,
                         Proxy_ProgramLine, Proxy_ApiHistory, Proxy_ProgramHistory, Proxy_Equipment,
                         Proxy_EquipmentLine, Proxy_EquipmentLineHistory})
        clearDataByType(enumType);
    clearApiData();
    if (nValue == 0) {
        clearDataByType(Proxy_Port);
        clearDataByType(Proxy_Program);
    }
}

void ProxyManager::clearApiData()
{
    storeCache(Cache_ApiToday, Json::Value(Json::arrayValue));
}

void ProxyManager::storeCache(CacheKind kind, const Json::Value& value)
{
    std::lock_guard<std::mutex> lock(m_cacheMutex);
    m_caches[kind] = value;
}

Json::Value ProxyManager::readCache(CacheKind kind) const
{
    std::lock_guard<std::mutex> lock(m_cacheMutex);
    return m_caches[kind];
}

Json::Value ProxyManager::takeCache(CacheKind kind)
{
    std::lock_guard<std::mutex> lock(m_cacheMutex);
    Json::Value value;
    value.swap(m_caches[kind]);
    if (kind == Cache_ApiToday)
        m_caches[kind] = Json::Value(Json::arrayValue);
    return value;
}

void ProxyManager::setProxyListDataJson(const Json::Value& value)
{
    storeCache(Cache_ProxyList, value);
}

void ProxyManager::setStaticProxyListDataJson(const Json::Value& value)
{
    storeCache(Cache_StaticProxyList, value);
}

void ProxyManager::setEquipmentLineListDataJson(const Json::Value& value)
{
    storeCache(Cache_EquipmentLineList, value);
}

void ProxyManager::setLocalTodayListDataJson(Json::Value& value)
{
    storeCache(Cache_LocalToday, value);
}

void ProxyManager::setLocalFavouriteListDataJson(Json::Value& value)
{
    storeCache(Cache_LocalFavourite, value);
}

void ProxyManager::setLocalApiHistoryDataJson(Json::Value& value)
{
    storeCache(Cache_LocalApiHistory, value);
}

void ProxyManager::setLocalProgramHistoryDataJson(Json::Value& value)
{
    storeCache(Cache_LocalProgramHistory, value);
}

void ProxyManager::setRemoteTodayListDataJson(const Json::Value& value)
{
    storeCache(Cache_RemoteToday, value);
}

void ProxyManager::setRemoteFavoriteListDataJson(const Json::Value& value)
{
    storeCache(Cache_RemoteFavorite, value);
}

void ProxyManager::appendApiTodayData(const Json::Value& record)
{
    std::lock_guard<std::mutex> lock(m_cacheMutex);
    m_caches[Cache_ApiToday].append(record);
}

namespace {

// The cache of the device list (11) and the device line history (13); -1 otherwise.
int deviceCacheOf(int enumType)
{
    if (enumType == Proxy_Equipment)
        return 0;
    if (enumType == Proxy_EquipmentLineHistory)
        return 1;
    return -1;
}

} // namespace

void ProxyManager::setDataJsonByProxyType(const Json::Value& value, int enumType, int)
{
    const int nDevice = deviceCacheOf(enumType);
    if (nDevice >= 0)
        storeCache(nDevice == 0 ? Cache_Equipment : Cache_EquipmentLineHistory, value);
}

Json::Value ProxyManager::getDataJsonByProxyType(int enumType, int) const
{
    const int nDevice = deviceCacheOf(enumType);
    if (nDevice < 0)
        return Json::Value();
    return readCache(nDevice == 0 ? Cache_Equipment : Cache_EquipmentLineHistory);
}

void ProxyManager::clearDataJsonByProxyType(int enumType, int)
{
    const int nDevice = deviceCacheOf(enumType);
    if (nDevice >= 0)
        takeCache(nDevice == 0 ? Cache_Equipment : Cache_EquipmentLineHistory);
}

Json::Value ProxyManager::getLocalTodayListDataJson() const
{
    return readCache(Cache_LocalToday);
}

Json::Value ProxyManager::getLocalFavouriteListDataJson() const
{
    return readCache(Cache_LocalFavourite);
}

Json::Value ProxyManager::getLocalApiHistoryDataJson() const
{
    return readCache(Cache_LocalApiHistory);
}

Json::Value ProxyManager::getLocalProgramHistoryDataJson() const
{
    return readCache(Cache_LocalProgramHistory);
}

QString ProxyManager::JsonToQStr(const QJsonObject& object)
{
    return StrToQstr(QJsonDocument(object).toJson(QJsonDocument::Indented).toStdString());
}

QJsonObject ProxyManager::StringToJson(const std::string& strText)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(strText)).object();
}

QString ProxyManager::StrToQstr(const std::string& strValue)
{
    return QString::fromUtf8(strValue.c_str());
}

std::string ProxyManager::QstrToStr(const QString& qstrValue)
{
    return qstrValue.toUtf8().toStdString();
}

QString ProxyManager::IntToQstr(int nValue)
{
    return QString::number(nValue);
}

QString ProxyManager::Int64ToQstr(qint64 nValue)
{
    return QString::number(nValue);
}

int ProxyManager::QstrToInt(const QString& qstrValue)
{
    return qstrValue.toInt();
}

void ProxyManager::sendUi(int nType, const QString& qstrValue, int nValue)
{
    if (InterfaceRecv* pRecv = InterfaceRecv::GetInstance())
        emit pRecv->signal_SetUiData(nType, qstrValue, nValue);
}

QString ProxyManager::buildRandSession(QString qstrKey, int)
{
    // The cycle counter reads 0 on this platform.
    return StrToQstr(WebRecv::encode_to_md5("0" + QstrToStr(qstrKey)));
}

int ProxyManager::getSizeEquipmentAppend(int enumType, int)
{
    return enumType == Proxy_Equipment ? m_hashEquipmentAppend.size() : 0;
}

QObject* virtualProxyManager(QQmlEngine* engine, QJSEngine* scriptEngine)
{
    Q_UNUSED(engine);
    Q_UNUSED(scriptEngine);
    return ProxyManager::GetInstance();
}
