// Writing today and favourite rows back to the account database.
#include "ProxyManager.h"

#include "DataManager/Sqllite/MySqllite.h"
#include "Interface/InterfaceRecv.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"

void ProxyManager::submitRows(const QString& qstrTable, const QList<Json::Value>& rows, int enumSql,
                              int nMode)
{
    if (rows.isEmpty())
        return;
    auto* pItem = new SqlliteItem;
    pItem->setTableName(qstrTable);
    for (Json::Value row : rows)
        pItem->addJsonValue(row);
    MySqllite* pDatabase = MySqllite::GetInstance();
    switch (enumSql) {
    case SQL_INSERT:
        pDatabase->addDataByType(pItem, nMode);
        break;
    case SQL_DELETE:
        pDatabase->deleteDataByType(pItem, nMode);
        break;
    case SQL_UPDATE:
        pDatabase->updateDataByType(pItem, nMode);
        break;
    default:
        pDatabase->runDataByType(pItem, nMode);
        break;
    }
}

void ProxyManager::runDeleteData()
{
    submitRows(MySqllite::GetInstance()->getTodayListTableName(), m_listDelete, SQL_DELETE, 1);
}

void ProxyManager::runAddData()
{
    submitRows(MySqllite::GetInstance()->getTodayListTableName(), m_listAdd, SQL_INSERT, 1);
}

void ProxyManager::runFavoriteAddData()
{
    submitRows(MySqllite::GetInstance()->getFavouriteListTableName(), m_listFavoriteAdd, SQL_INSERT,
               1);
}

namespace {

Json::Value todayObject(const TodayList& row)
{
    Json::Value object(Json::objectValue);
    object["session"] = row.getSession().toStdString();
    object["port"] = row.getPort().toStdString();
    object["line"] = row.getLine().toStdString();
    object["create_time"] = row.getCreateTime();
    object["update_time"] = row.getUpdateTime();
    return object;
}

Json::Value favoriteObject(const FavoriteList& row)
{
    Json::Value object(Json::objectValue);
    object["session"] = row.getSession().toStdString();
    object["remark"] = row.getRemark().toStdString();
    object["line"] = row.getLine().toStdString();
    object["create_time"] = row.getCreateTime();
    object["update_time"] = row.getUpdateTime();
    return object;
}

Json::Value favoriteItem(const FavoriteList& row, int nStatus)
{
    Json::Value item(Json::objectValue);
    item["remark"] = row.getRemark().toStdString();
    item["line_ip"] = row.getIp().toStdString();
    item["line_info"] = row.getLine().toStdString();
    item["status"] = nStatus;
    return item;
}

QString batchText(const Json::Value& items)
{
    return QString::fromStdString(toNormalString(items));
}

void sendTodayBatch(const Json::Value& items)
{
    if (InterfaceRecv* pRecv = InterfaceRecv::GetInstance())
        pRecv->pushBatchSaveTodaylist(batchText(items), 0);
}

void sendFavoriteBatch(const Json::Value& items)
{
    if (InterfaceRecv* pRecv = InterfaceRecv::GetInstance())
        pRecv->pushBatchSaveCollectlist(batchText(items), 0);
}

} // namespace

void ProxyManager::runTodaylistCache(int)
{
    if (m_listAdd.isEmpty())
        return;
    MySqllite* pDatabase = MySqllite::GetInstance();
    submitRows(pDatabase->getTodayListTableName(), m_listAdd, SQL_INSERT, 1);
    submitRows(pDatabase->getApiHistoryTableName(), m_listAdd, SQL_INSERT, 1);
    Json::Value items(Json::arrayValue);
    for (const Json::Value& object : qAsConst(m_listAdd))
        items.append(object);
    sendTodayBatch(items);
}

void ProxyManager::runInsertSqlData(ProxyDataBase* pRow)
{
    MySqllite* pDatabase = MySqllite::GetInstance();
    Json::Value items(Json::arrayValue);
    if (const auto* pToday = qobject_cast<TodayList*>(pRow);
        pToday && pRow->proxyType() == Proxy_Today) {
        Json::Value object = todayObject(*pToday);
        submitRows(pDatabase->getTodayListTableName(), {object}, SQL_INSERT, 0);
        object["ip"] = pRow->getIp().toStdString();
        items.append(object);
        sendTodayBatch(items);
    } else if (const auto* pFavorite = qobject_cast<FavoriteList*>(pRow)) {
        submitRows(pDatabase->getFavouriteListTableName(), {favoriteObject(*pFavorite)}, SQL_INSERT,
                   0);
        items.append(favoriteItem(*pFavorite, 1));
        sendFavoriteBatch(items);
    }
}

void ProxyManager::addProgramHistoryByToday(const QString& qstrPort)
{
    for (const ProxyDataBase* pRow : table(Proxy_Today)) {
        const auto* pToday = qobject_cast<const TodayList*>(pRow);
        if (!pToday || pToday->getPort() != qstrPort)
            continue;
        const Json::Value object = todayObject(*pToday);
        Json::Value array(Json::arrayValue);
        array.append(object);
        // An exit programs used before is already in the history.
        if (addDataByJsonArray(array, Proxy_ProgramHistory, 0) > 0)
            submitRows(MySqllite::GetInstance()->getProgramHistoryTableName(), {object}, SQL_INSERT,
                       0);
        return;
    }
}

void ProxyManager::runFavoriteCache(int)
{
    if (m_listFavoriteCache.isEmpty())
        return;
    const QList<FavoriteList*> cache = m_listFavoriteCache;
    m_listFavoriteCache.clear();
    QList<Json::Value> rows;
    Json::Value items(Json::arrayValue);
    for (FavoriteList* pRow : cache) {
        Json::Value object = favoriteObject(*pRow);
        object["sql_type"] = pRow->getSqlType().toStdString();
        rows.append(object);
        const bool bRemoved = pRow->getSqlType() == QLatin1String("delete");
        items.append(favoriteItem(*pRow, bRemoved ? 0 : 1));
        // A removed favourite is already out of every table; the flush was its last use.
        // A kept one is stored now, so its next edit is an update.
        if (bRemoved)
            delete pRow;
        else
            pRow->setSqlType(QString());
    }
    submitRows(MySqllite::GetInstance()->getFavouriteListTableName(), rows, SQL_RUN, 0);
    sendFavoriteBatch(items);
}

void ProxyManager::checkOperateQJsonObj(QJsonObject& object, int)
{
    static const std::pair<const char*, QJsonValue> kDefaults[] = {
        {"meal_type", 0},  {"combo_country", ""}, {"combo_state", ""}, {"combo_city", ""},
        {"combo_isp", ""}, {"combo_zip", ""},     {"edit_ip", ""},     {"enable_different", 0}};
    for (const auto& entry : kDefaults) {
        const QString qstrKey = QLatin1String(entry.first);
        if (!object.contains(qstrKey) || object.value(qstrKey).isNull())
            object.insert(qstrKey, entry.second);
    }
}

void ProxyManager::setQJsonParamByString(QJsonObject& object, const QString& qstrKey,
                                         const std::string& strValue, int)
{
    const QByteArray bytes = QByteArray::fromStdString(strValue);
    const QString qstrText =
        g_pWebRecv ? g_pWebRecv->GetCorrectUnicode(bytes) : QString::fromUtf8(bytes);
    object.insert(qstrKey, qstrText);
}

std::string ProxyManager::setRemarkConvert(const QString& qstrText, int)
{
    return qstrText.toLocal8Bit().toStdString();
}
