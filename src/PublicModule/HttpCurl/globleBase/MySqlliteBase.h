#pragma once

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <memory>

class QMutex;

// Generic SQLite layer: one current database file by name, statements built as text from
// column maps, rows read back as texts. Every value is written as a quoted literal, so no
// value can change a statement's meaning; table and column names come from code only.
// All operations of one object must run on the thread that opened its connection.
class MySqlliteBase
{
public:
    using SqlRow = QHash<QString, QString>;
    using SqlRows = QList<SqlRow>;

    MySqlliteBase();
    ~MySqlliteBase();
    MySqlliteBase(const MySqlliteBase&) = delete;
    MySqlliteBase& operator=(const MySqlliteBase&) = delete;

    bool creatDbFile(QString dbName);
    bool reOpenSql(QString dbName);
    bool closeSql();
    QString getMsgDbName();
    QString getErrorSql();

    bool queryExec(QString dbName, QString queryStr);
    bool queryExec(QString dbName, QString queryStr, SqlRows& data);

    bool addDataReturnResult(QString tableName, SqlRow& qHashData, SqlRows& qlistData);
    bool updateData(QString tableName, SqlRow& data, QString sqlWhere);
    bool updateData(QString dbName, QString tableName, SqlRow& data, QString sqlWhere);
    bool delData(QString tableName, QString sqlWhere);
    bool delData(QString dbName, QString tableName, QString sqlWhere);
    bool getData(QString table, SqlRows& data, QString sqlWhere);
    bool getData(QString dbName, QString tableName, SqlRows& data, QString sqlWhere);

    void getColumnByTableName(const QString& qstrTableName, QHash<QString, bool>& qHashColumn);
    bool addColumnByTableName(const QString& qstrTableName, const QString& qstrColumnName,
                              int nType, int nSize);

    bool transaction();
    bool commit();

    // A value as an SQL string literal: quoted, inner single quotes doubled.
    static QString sqlLiteral(const QString& qstrValue);

private:
    QString dbFilePath(const QString& dbName) const;
    static void keepPrivate(const QString& qstrPath);
    bool hasCurrentDb() const { return !m_qstrDbName.isEmpty(); }
    bool runQuery(const QString& dbName, const QString& queryStr, SqlRows* pData);
    static SqlRow readRow(const class QSqlQuery& query, const class QSqlRecord& record);
    // Nothing for an empty text, else a blank and the text (clauses, assignment lists).
    static QString withLeadingBlank(const QString& qstrText);

    QSqlDatabase m_objDb;
    QString m_qstrDbFilePath;
    QString m_qstrDbDir;
    QString m_qstrDbName;
    QString m_qstrErrorSqlText;
    std::unique_ptr<QMutex> m_pSqlliteMutex;
};
