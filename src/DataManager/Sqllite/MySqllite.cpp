#include "MySqllite.h"

#include "DataManager/Proxy/ProxyManager.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

#include <QCoreApplication>
#include <QDebug>

namespace {
const char* const kTodayTable = "today_list";
const char* const kFavouriteTable = "favourite_list";
const char* const kApiHistoryTable = "api_history";
const char* const kProgramHistoryTable = "program_history";

const char* const kListColumns =
    "(id INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL, session TEXT UNIQUE, port INT, line TEXT, "
    "create_time CHAR(255), update_time CHAR(255));";
const char* const kFavouriteColumns =
    "(id INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL, session TEXT UNIQUE, remark TEXT, line "
    "TEXT, create_time CHAR(255), update_time CHAR(255));";

// Kinds of addColumnByTableName.
constexpr int kVarcharColumn = 1;
constexpr int kIntColumn = 2;
constexpr int kTextColumn = 3;

bool isHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

bool looksEscaped(const QString& qstrText, int nPos)
{
    return nPos + 2 < qstrText.size() && isHexDigit(qstrText.at(nPos + 1)) &&
           isHexDigit(qstrText.at(nPos + 2));
}

QString sessionFilter(const Json::Value& row)
{
    const QString qstrSession = QString::fromStdString(JsonRead::getText(row, "session"));
    return QStringLiteral(" where session=") + MySqlliteBase::sqlLiteral(qstrSession);
}

void flushJobsAtExit()
{
    MySqllite::GetInstance()->waitForJobs();
}
} // namespace

MySqllite* MySqllite::GetInstance()
{
    // Never destroyed: jobs may still be queued while the process winds down. Queued jobs
    // are written before the application object goes away.
    static MySqllite* const pInstance = [] {
        qAddPostRoutine(flushJobsAtExit);
        return new MySqllite;
    }();
    return pInstance;
}

QString MySqllite::dbNameForUser(const QString& qstrUserName)
{
    if (qstrUserName == QLatin1String("."))
        return QStringLiteral("%2E");
    if (qstrUserName == QLatin1String(".."))
        return QStringLiteral("%2E%2E");
    // A "%" is escaped only where it could be read as an escape, so that most names stay
    // byte-identical and no two user names share a file.
    QString qstrName;
    for (int i = 0; i < qstrUserName.size(); ++i) {
        const QChar c = qstrUserName.at(i);
        if (c == QLatin1Char('/'))
            qstrName += QStringLiteral("%2F");
        else if (c == QChar(0))
            qstrName += QStringLiteral("%00");
        else if (c == QLatin1Char('%') && looksEscaped(qstrUserName, i))
            qstrName += QStringLiteral("%25");
        else
            qstrName += c;
    }
    return qstrName;
}

void MySqllite::createMySqllite(QString qstrUserName, int nValue)
{
    Q_UNUSED(nValue);
    qDebug() << "createMySqllite:" << qstrUserName;
    m_thread.runAndWait([this, qstrUserName] { openAccount(qstrUserName); });
}

void MySqllite::openAccount(const QString& qstrUserName)
{
    // The previous account's file is never left current: a failed open means no database.
    closeSql();
    const QString qstrDbName = dbNameForUser(qstrUserName);
    bool bOpen = false;
    if (!qstrDbName.isEmpty()) {
        bOpen = reOpenSql(qstrDbName);
        if (!bOpen) {
            creatDbFile(qstrDbName);
            bOpen = reOpenSql(qstrDbName);
        }
    }
    if (bOpen)
        createTable();
    else
        qDebug() << "open sqllite failed";
}

void MySqllite::createTable()
{
    buildTodayListTable();
    buildFavouriteListTable();
    buildApiHistoryTable();
    buildProgramHistoryTable();
}

void MySqllite::buildTodayListTable()
{
    setTodayListTableName(QLatin1String(kTodayTable));
    buildTable(getTodayListTableName(), false);
}

void MySqllite::buildFavouriteListTable()
{
    setFavouriteListTableName(QLatin1String(kFavouriteTable));
    buildTable(getFavouriteListTableName(), true);
}

void MySqllite::buildApiHistoryTable()
{
    setApiHistoryTableName(QLatin1String(kApiHistoryTable));
    buildTable(getApiHistoryTableName(), false);
}

void MySqllite::buildProgramHistoryTable()
{
    setProgramHistoryTableName(QLatin1String(kProgramHistoryTable));
    buildTable(getProgramHistoryTableName(), false);
}

void MySqllite::buildTable(const QString& qstrName, bool bFavourite)
{
    const QString qstrCreate = QStringLiteral("CREATE TABLE IF NOT EXISTS ") + qstrName +
                               QLatin1String(bFavourite ? kFavouriteColumns : kListColumns);
    if (!queryExec(getMsgDbName(), qstrCreate))
        qDebug() << getErrorSql();

    // Files written by older versions may lack columns; they are added in place.
    QHash<QString, bool> qHashColumn;
    getColumnByTableName(qstrName, qHashColumn);
    struct Column
    {
        const char* name;
        int nType;
        int nSize;
    };
    const Column columns[] = {{"session", kTextColumn, 0},
                              bFavourite ? Column{"remark", kTextColumn, 0}
                                         : Column{"port", kIntColumn, 0},
                              {"line", kTextColumn, 0},
                              {"create_time", kVarcharColumn, 255},
                              {"update_time", kVarcharColumn, 255}};
    for (const Column& column : columns) {
        if (!qHashColumn.contains(QLatin1String(column.name)))
            addColumnByTableName(qstrName, QLatin1String(column.name), column.nType, column.nSize);
    }
}

QString MySqllite::getTodayListTableName() const
{
    QMutexLocker locker(&m_nameMutex);
    return m_qstrTodayListTableName;
}

QString MySqllite::getFavouriteListTableName() const
{
    QMutexLocker locker(&m_nameMutex);
    return m_qstrFavouriteListTableName;
}

QString MySqllite::getApiHistoryTableName() const
{
    QMutexLocker locker(&m_nameMutex);
    return m_qstrApiHistoryTableName;
}

QString MySqllite::getProgramHistoryTableName() const
{
    QMutexLocker locker(&m_nameMutex);
    return m_qstrProgramHistoryTableName;
}

void MySqllite::setTodayListTableName(const QString& qstrName)
{
    QMutexLocker locker(&m_nameMutex);
    m_qstrTodayListTableName = qstrName;
}

void MySqllite::setFavouriteListTableName(const QString& qstrName)
{
    QMutexLocker locker(&m_nameMutex);
    m_qstrFavouriteListTableName = qstrName;
}

void MySqllite::setApiHistoryTableName(const QString& qstrName)
{
    QMutexLocker locker(&m_nameMutex);
    m_qstrApiHistoryTableName = qstrName;
}

void MySqllite::setProgramHistoryTableName(const QString& qstrName)
{
    QMutexLocker locker(&m_nameMutex);
    m_qstrProgramHistoryTableName = qstrName;
}

void MySqllite::addDataByType(SqlliteItem* pItem, int nMode)
{
    submitJob(pItem, SQL_INSERT, nMode);
}

void MySqllite::deleteDataByType(SqlliteItem* pItem, int nMode)
{
    submitJob(pItem, SQL_DELETE, nMode);
}

void MySqllite::updateDataByType(SqlliteItem* pItem, int nMode)
{
    submitJob(pItem, SQL_UPDATE, nMode);
}

void MySqllite::runDataByType(SqlliteItem* pItem, int nMode)
{
    submitJob(pItem, SQL_RUN, nMode);
}

void MySqllite::submitJob(SqlliteItem* pItem, SqlOperate enumSql, int nMode)
{
    if (!pItem || (nMode != 0 && nMode != 1))
        return;
    pItem->setSqlType(enumSql);
    if (nMode == 0)
        m_thread.runAndWait([pItem] { ThreadProc(pItem); });
    else
        StartThread(pItem);
}

void MySqllite::StartThread(SqlliteItem* pItem)
{
    m_thread.post([pItem] { ThreadProc(pItem); });
}

int MySqllite::ThreadProc(void* pVoid)
{
    auto* pItem = static_cast<SqlliteItem*>(pVoid);
    MySqllite* pDb = GetInstance();
    switch (pItem->getSqlType()) {
    case SQL_INSERT:
        pDb->addSql(pItem);
        break;
    case SQL_DELETE:
        pDb->deleteSql(pItem);
        break;
    case SQL_UPDATE:
        pDb->updateSql(pItem);
        break;
    case SQL_RUN:
        pDb->runSql(pItem);
        break;
    default:
        break;
    }
    delete pItem;
    return 0;
}

void MySqllite::waitForJobs()
{
    m_thread.runAndWait([] {});
}

MySqllite::RowColumns MySqllite::columnsFor(const QString& qstrTable, SqlOperate enumSql) const
{
    if (qstrTable.isEmpty())
        return {};
    const bool bFavourite = qstrTable == getFavouriteListTableName();
    if (!bFavourite && qstrTable != getTodayListTableName() &&
        qstrTable != getApiHistoryTableName() && qstrTable != getProgramHistoryTableName())
        return {};

    std::vector<const char*> keys;
    switch (enumSql) {
    case SQL_INSERT:
        keys = bFavourite ? std::vector<const char*>{"session", "remark", "line", "create_time",
                                                     "update_time"}
                          : std::vector<const char*>{"session", "port", "line", "create_time",
                                                     "update_time"};
        break;
    case SQL_UPDATE:
        keys = bFavourite ? std::vector<const char*>{"session", "remark", "update_time"}
                          : std::vector<const char*>{"session", "port", "line", "update_time"};
        break;
    case SQL_DELETE:
        keys = {"session"};
        break;
    default:
        break;
    }
    RowColumns columns;
    for (const char* szKey : keys)
        columns.emplace_back(QLatin1String(szKey), szKey);
    return columns;
}

// Every row of a job shares its table, so its columns are looked up once per job and kind.
const MySqllite::RowColumns& MySqllite::jobColumns(const SqlliteItem* pItem)
{
    if (pItem != m_pColumnsJob) {
        m_jobColumns.clear();
        m_pColumnsJob = pItem;
    }
    const SqlOperate enumSql = pItem->getSqlType();
    auto found = m_jobColumns.find(enumSql);
    if (found == m_jobColumns.end())
        found = m_jobColumns.emplace(enumSql, columnsFor(pItem->getTableName(), enumSql)).first;
    return found->second;
}

void MySqllite::buildHashByJson(Json::Value& row, SqlRow& qHashData, SqlliteItem* pItem)
{
    qHashData.clear();
    for (const auto& column : jobColumns(pItem))
        qHashData.insert(column.first,
                         QString::fromStdString(JsonRead::getText(row, column.second)));
}

void MySqllite::runRows(SqlliteItem* pItem, const std::function<void(Json::Value&)>& rowAction)
{
    Json::Value rows = pItem->takeJsonArray();
    m_pColumnsJob = nullptr; // this job may have been given an earlier one's address
    // One transaction per job: the file is written once, and a job lands whole or not at all.
    transaction();
    if (rows.isArray()) {
        for (Json::Value& row : rows)
            rowAction(row);
    }
    commit();
}

// A row of a table that is none of the four yields no columns and is not written.
void MySqllite::insertRow(SqlliteItem* pItem, Json::Value& row)
{
    SqlRow qHashData;
    SqlRows qlistResult;
    buildHashByJson(row, qHashData, pItem);
    if (!qHashData.isEmpty())
        addDataReturnResult(pItem->getTableName(), qHashData, qlistResult);
}

void MySqllite::deleteRow(SqlliteItem* pItem, Json::Value& row)
{
    SqlRow qHashData;
    buildHashByJson(row, qHashData, pItem);
    if (!qHashData.isEmpty())
        delData(pItem->getTableName(), sessionFilter(row));
}

void MySqllite::updateRow(SqlliteItem* pItem, Json::Value& row)
{
    SqlRow qHashData;
    buildHashByJson(row, qHashData, pItem);
    if (!qHashData.isEmpty())
        updateData(pItem->getTableName(), qHashData, sessionFilter(row));
}

void MySqllite::addSql(SqlliteItem* pItem)
{
    runRows(pItem, [this, pItem](Json::Value& row) { insertRow(pItem, row); });
}

void MySqllite::deleteSql(SqlliteItem* pItem)
{
    runRows(pItem, [this, pItem](Json::Value& row) { deleteRow(pItem, row); });
}

void MySqllite::updateSql(SqlliteItem* pItem)
{
    runRows(pItem, [this, pItem](Json::Value& row) { updateRow(pItem, row); });
}

void MySqllite::runSql(SqlliteItem* pItem)
{
    runRows(pItem, [this, pItem](Json::Value& row) {
        const std::string strType = JsonRead::getText(row, "sql_type");
        if (strType == "insert") {
            pItem->setSqlType(SQL_INSERT);
            insertRow(pItem, row);
        } else if (strType == "delete") {
            pItem->setSqlType(SQL_DELETE);
            deleteRow(pItem, row);
        } else if (strType == "update") {
            pItem->setSqlType(SQL_UPDATE);
            updateRow(pItem, row);
        }
    });
}

void MySqllite::getTodayAllData()
{
    loadTable(&MySqllite::getTodayListTableName, &ProxyManager::setLocalTodayListDataJson, 114);
}

void MySqllite::getFavouriteAllData()
{
    loadTable(&MySqllite::getFavouriteListTableName, &ProxyManager::setLocalFavouriteListDataJson,
              134);
}

void MySqllite::getApiHistoryAllData()
{
    loadTable(&MySqllite::getApiHistoryTableName, &ProxyManager::setLocalApiHistoryDataJson, 163);
}

void MySqllite::getPorgramHistoryAllData()
{
    loadTable(&MySqllite::getProgramHistoryTableName, &ProxyManager::setLocalProgramHistoryDataJson,
              164);
}

void MySqllite::loadTable(QString (MySqllite::*getName)() const,
                          void (ProxyManager::*setList)(Json::Value&), int nUiCode)
{
    SqlRows rows;
    bool bRead = false;
    QString qstrError;
    m_thread.runAndWait([&] {
        bRead = getData((this->*getName)(), rows, QString());
        if (!bRead)
            qstrError = getErrorSql();
    });
    if (!bRead) {
        qDebug().noquote() << qstrError;
        return;
    }
    Json::Value array(Json::arrayValue);
    for (const SqlRow& row : rows) {
        Json::Value object(Json::objectValue);
        for (auto it = row.cbegin(); it != row.cend(); ++it)
            object[it.key().toStdString()] = it.value().toStdString();
        array.append(object);
    }
    (ProxyManager::GetInstance()->*setList)(array);
    sendUiMessage(nUiCode);
}

void MySqllite::sendUiMessage(int nUiCode)
{
    if (g_pWebRecv)
        g_pWebRecv->setAppSendValue(nUiCode, QString(), 0);
}
