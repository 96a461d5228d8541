#pragma once

#include <QString>
#include <json/json.h>

// The kind of a database job. SQL_READ is reserved: no writer issues it.
enum SqlOperate
{
    SQL_NONE = 0,
    SQL_INSERT = 1,
    SQL_DELETE = 2,
    SQL_UPDATE = 3,
    SQL_READ = 4,
    SQL_RUN = 5
};
using SqlType = SqlOperate;

// One database job: an operation, the rows it acts on and their table. The writer builds it
// with new and hands it to MySqllite, which deletes it once it has run.
class SqlliteItem
{
public:
    SqlliteItem() = default;

    void setTableName(const QString& qstrTableName) { m_qstrTableName = qstrTableName; }
    QString getTableName() const { return m_qstrTableName; }
    void addJsonValue(Json::Value& value) { m_jsonArray.append(value); }
    // Hands the rows over without copying them; the job leaves the item empty.
    Json::Value takeJsonArray()
    {
        Json::Value rows(Json::arrayValue);
        rows.swap(m_jsonArray);
        return rows;
    }
    void setSqlType(SqlOperate enumSql) { m_enumSql = enumSql; }
    SqlOperate getSqlType() const { return m_enumSql; }

private:
    SqlType m_enumSql = SQL_NONE;
    Json::Value m_jsonArray{Json::arrayValue};
    QString m_qstrTableName;
};
