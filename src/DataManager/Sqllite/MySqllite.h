#pragma once

#include "DataManager/Sqllite/SqlliteItem.h"
#include "DataManager/Sqllite/SqlliteThread.h"
#include "PublicModule/HttpCurl/globleBase/MySqlliteBase.h"

#include <QMutex>
#include <QString>
#include <json/json.h>

#include <map>
#include <utility>
#include <vector>

class ProxyManager;

// The signed-in account's database: today, favourite, API-history and program-history lists
// in a SQLite file named after the user. The connection lives on one database thread; every
// open, load and job is run there in the order it was handed over, so a job queued earlier is
// always written before one queued later, and a load sees every job queued before it.
class MySqllite : public MySqlliteBase
{
public:
    static MySqllite* GetInstance();

    // Opens (or creates) the user's file and builds its tables; the integer is unused.
    void createMySqllite(QString qstrUserName, int nValue);
    void createTable();

    QString getTodayListTableName() const;
    QString getFavouriteListTableName() const;
    QString getApiHistoryTableName() const;
    QString getProgramHistoryTableName() const;
    void setTodayListTableName(const QString& qstrName);
    void setFavouriteListTableName(const QString& qstrName);
    void setApiHistoryTableName(const QString& qstrName);
    void setProgramHistoryTableName(const QString& qstrName);

    // Mode 0 returns once the job is written; mode 1 queues it and returns at once; any
    // other mode leaves the job untouched and the caller's.
    void addDataByType(SqlliteItem* pItem, int nMode);
    void deleteDataByType(SqlliteItem* pItem, int nMode);
    void updateDataByType(SqlliteItem* pItem, int nMode);
    void runDataByType(SqlliteItem* pItem, int nMode);
    void StartThread(SqlliteItem* pItem);
    static int ThreadProc(void* pVoid);
    // Returns once every job handed over so far has been written.
    void waitForJobs();

    // Runs on the database thread only, as part of the job `pItem`.
    void buildHashByJson(Json::Value& row, SqlRow& qHashData, SqlliteItem* pItem);
    void addSql(SqlliteItem* pItem);
    void deleteSql(SqlliteItem* pItem);
    void updateSql(SqlliteItem* pItem);
    void runSql(SqlliteItem* pItem);

    // The stored lists at sign-in: each goes to ProxyManager, then QML hears of it.
    void getTodayAllData();
    void getFavouriteAllData();
    void getApiHistoryAllData();
    void getPorgramHistoryAllData();

    // The file's base name for a user name: ordinary names unchanged, "/", NUL, a "%" that
    // looks like an escape, and the names "." and ".." percent-escaped; empty when refused.
    static QString dbNameForUser(const QString& qstrUserName);

private:
    MySqllite() = default;

    void openAccount(const QString& qstrUserName);
    void buildTodayListTable();
    void buildFavouriteListTable();
    void buildApiHistoryTable();
    void buildProgramHistoryTable();
    void buildTable(const QString& qstrName, bool bFavourite);
    void submitJob(SqlliteItem* pItem, SqlOperate enumSql, int nMode);
    void runRows(SqlliteItem* pItem, const std::function<void(Json::Value&)>& rowAction);
    void insertRow(SqlliteItem* pItem, Json::Value& row);
    void deleteRow(SqlliteItem* pItem, Json::Value& row);
    void updateRow(SqlliteItem* pItem, Json::Value& row);
    void loadTable(QString (MySqllite::*getName)() const,
                   void (ProxyManager::*setList)(Json::Value&), int nUiCode);
    static void sendUiMessage(int nUiCode);

    // The columns a row of a table writes with one kind of statement, each with the member
    // it is read from; none for a table that is not one of the four.
    using RowColumns = std::vector<std::pair<QString, const char*>>;
    RowColumns columnsFor(const QString& qstrTable, SqlOperate enumSql) const;
    const RowColumns& jobColumns(const SqlliteItem* pItem);

    mutable QMutex m_nameMutex; // the names are read by writers on any thread
    QString m_qstrTodayListTableName;
    QString m_qstrFavouriteListTableName;
    QString m_qstrApiHistoryTableName;
    QString m_qstrProgramHistoryTableName;
    SqlliteThread m_thread;
    // The column lists of the job being written, by kind (database thread only).
    const SqlliteItem* m_pColumnsJob = nullptr;
    std::map<SqlOperate, RowColumns> m_jobColumns;
};
