// Writing today and favourite rows back to the account database.
#include "ProxyManager.h"

#include "DataManager/Sqllite/MySqllite.h"

void ProxyManager::submitRows(const QString& qstrTable, const QList<Json::Value>& rows,
                              int enumSql, int nMode)
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
    submitRows(MySqllite::GetInstance()->getFavouriteListTableName(), m_listFavoriteAdd,
               SQL_INSERT, 1);
}

void ProxyManager::runTodaylistCache(int)
{
    MySqllite* pDatabase = MySqllite::GetInstance();
    submitRows(pDatabase->getTodayListTableName(), m_listAdd, SQL_INSERT, 1);
    submitRows(pDatabase->getApiHistoryTableName(), m_listAdd, SQL_INSERT, 1);
}
