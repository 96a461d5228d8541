#include "MySqlliteBase.h"

#include <QDate>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QTime>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

MySqlliteBase::MySqlliteBase()
    : m_qstrDbDir(QDir::currentPath()), m_pSqlliteMutex(std::make_unique<QMutex>())
{
    qDebug() << "MySqlliteBase:" << QSqlDatabase::drivers();
}

MySqlliteBase::~MySqlliteBase()
{
    closeSql();
}

QString MySqlliteBase::dbFilePath(const QString& dbName) const
{
    // The name becomes a file name: anything that could leave the directory is refused.
    if (dbName.isEmpty() || dbName.contains(QLatin1Char('/')) || dbName.contains(QChar(0)))
        return QString();
    return m_qstrDbDir + QLatin1Char('/') + dbName + QStringLiteral(".db");
}

bool MySqlliteBase::creatDbFile(QString dbName)
{
    const QString qstrPath = dbFilePath(dbName);
    qDebug() << "creatDbFile:" << qstrPath;
    if (qstrPath.isEmpty())
        return false;
    // The lists, histories and exits are this user's alone.
    const int fd = ::open(QFile::encodeName(qstrPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC,
                          S_IRUSR | S_IWUSR);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

// A file of an older version may still be readable by others.
void MySqlliteBase::keepPrivate(const QString& qstrPath)
{
    const QFileInfo info(qstrPath);
    if (info.isFile() && !info.isSymLink() && info.ownerId() == ::getuid())
        QFile::setPermissions(qstrPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

bool MySqlliteBase::reOpenSql(QString dbName)
{
    const QString qstrPath = dbFilePath(dbName);
    if (qstrPath.isEmpty() || !QFile::exists(qstrPath))
        return false;
    if (QSqlDatabase::contains(dbName)) {
        m_objDb = QSqlDatabase::database(dbName);
    } else {
        keepPrivate(qstrPath);
        m_objDb = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), dbName);
        m_objDb.setDatabaseName(qstrPath);
        m_objDb.open();
    }
    if (!m_objDb.isOpen()) {
        // A connection that cannot open is not kept: the next attempt starts afresh.
        m_objDb = hasCurrentDb() ? QSqlDatabase::database(m_qstrDbName, false) : QSqlDatabase();
        QSqlDatabase::removeDatabase(dbName);
        return false;
    }
    qDebug() << "fileName:" << qstrPath;
    qDebug() << "dbName:" << dbName;
    m_qstrDbFilePath = qstrPath;
    m_qstrDbName = dbName;
    return true;
}

bool MySqlliteBase::closeSql()
{
    if (!hasCurrentDb())
        return true;
    // A file deleted behind our back is reported, but its connection is dropped all the
    // same: writes into an unlinked file would vanish without trace.
    const bool bFileKept = QFile::exists(m_qstrDbFilePath);
    const QString qstrName = m_qstrDbName;
    m_objDb.close();
    m_objDb = QSqlDatabase();
    QSqlDatabase::removeDatabase(qstrName);
    m_qstrDbName.clear();
    m_qstrDbFilePath.clear();
    return bFileKept;
}

QString MySqlliteBase::getMsgDbName()
{
    return m_qstrDbName;
}

QString MySqlliteBase::getErrorSql()
{
    return hasCurrentDb() ? m_qstrErrorSqlText : QStringLiteral("db not setting");
}

bool MySqlliteBase::queryExec(QString dbName, QString queryStr)
{
    return runQuery(dbName, queryStr, nullptr);
}

bool MySqlliteBase::queryExec(QString dbName, QString queryStr, SqlRows& data)
{
    data.clear();
    return runQuery(dbName, queryStr, &data);
}

bool MySqlliteBase::runQuery(const QString& dbName, const QString& queryStr, SqlRows* pData)
{
    if (!hasCurrentDb() && !reOpenSql(dbName))
        return false;
    // The current connection as it is: a look-up by name takes Qt's global lock and checks
    // the connection for each statement.
    QSqlQuery query(dbName == m_qstrDbName ? m_objDb : QSqlDatabase::database(dbName));
    query.setForwardOnly(true);
    if (!query.exec(queryStr)) {
        m_qstrErrorSqlText = queryStr;
        qDebug().noquote() << QStringLiteral("errorSql:%1-->%2").arg(queryStr, QString());
        return false;
    }
    if (pData) {
        const QSqlRecord record = query.record();
        while (query.next())
            pData->append(readRow(query, record));
    }
    return true;
}

MySqlliteBase::SqlRow MySqlliteBase::readRow(const QSqlQuery& query, const QSqlRecord& record)
{
    SqlRow row;
    for (int i = 0; i < record.count(); ++i) {
        const QVariant value = query.value(i);
        QString qstrText;
        switch (value.type()) {
        case QVariant::Date:
            qstrText = value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
            break;
        case QVariant::Time:
            qstrText = value.toTime().toString(QStringLiteral("hh:mm:ss"));
            break;
        case QVariant::DateTime:
            qstrText = value.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
            break;
        default:
            qstrText = value.toString();
        }
        row.insert(record.fieldName(i), qstrText);
    }
    return row;
}

QString MySqlliteBase::sqlLiteral(const QString& qstrValue)
{
    QString qstrEscaped = qstrValue;
    qstrEscaped.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + qstrEscaped + QLatin1Char('\'');
}

QString MySqlliteBase::withLeadingBlank(const QString& qstrText)
{
    return qstrText.isEmpty() ? QString() : QLatin1Char(' ') + qstrText;
}

bool MySqlliteBase::addDataReturnResult(QString tableName, SqlRow& qHashData, SqlRows& qlistData)
{
    if (qHashData.isEmpty())
        return false;
    QStringList columns;
    QStringList values;
    for (auto it = qHashData.cbegin(); it != qHashData.cend(); ++it) {
        columns << it.key();
        values << sqlLiteral(it.value());
    }
    const QString queryStr = QStringLiteral("insert into ") + tableName + QStringLiteral(" (") +
                             columns.join(QLatin1Char(',')) + QStringLiteral(") values(") +
                             values.join(QLatin1Char(',')) + QLatin1Char(')');
    return queryExec(m_qstrDbName, queryStr, qlistData);
}

bool MySqlliteBase::updateData(QString tableName, SqlRow& data, QString sqlWhere)
{
    return hasCurrentDb() && updateData(m_qstrDbName, tableName, data, sqlWhere);
}

bool MySqlliteBase::updateData(QString dbName, QString tableName, SqlRow& data, QString sqlWhere)
{
    QStringList assignments;
    for (auto it = data.cbegin(); it != data.cend(); ++it)
        assignments << it.key() + QLatin1Char('=') + sqlLiteral(it.value());
    const QString queryStr = QStringLiteral("update ") + tableName + QStringLiteral(" set") +
                             withLeadingBlank(assignments.join(QLatin1Char(','))) +
                             withLeadingBlank(sqlWhere);
    return queryExec(dbName, queryStr);
}

bool MySqlliteBase::delData(QString tableName, QString sqlWhere)
{
    return hasCurrentDb() && delData(m_qstrDbName, tableName, sqlWhere);
}

bool MySqlliteBase::delData(QString dbName, QString tableName, QString sqlWhere)
{
    return queryExec(dbName,
                     QStringLiteral("delete from ") + tableName + withLeadingBlank(sqlWhere));
}

bool MySqlliteBase::getData(QString table, SqlRows& data, QString sqlWhere)
{
    return hasCurrentDb() && getData(m_qstrDbName, table, data, sqlWhere);
}

bool MySqlliteBase::getData(QString dbName, QString tableName, SqlRows& data, QString sqlWhere)
{
    return queryExec(
        dbName, QStringLiteral("select * from ") + tableName + withLeadingBlank(sqlWhere), data);
}

void MySqlliteBase::getColumnByTableName(const QString& qstrTableName,
                                         QHash<QString, bool>& qHashColumn)
{
    const QSqlRecord record = m_objDb.record(qstrTableName);
    for (int i = 0; i < record.count(); ++i)
        qHashColumn[record.fieldName(i)] = true;
}

bool MySqlliteBase::addColumnByTableName(const QString& qstrTableName,
                                         const QString& qstrColumnName, int nType, int nSize)
{
    const QString qstrSize = QString::number(nSize);
    QString queryStr; // an unknown kind stays empty, which the driver refuses
    if (nType == 1)
        queryStr = QStringLiteral("ALTER TABLE '%1' ADD COLUMN '%2' varchar(%3) NULL")
                       .arg(qstrTableName, qstrColumnName, qstrSize);
    else if (nType == 2)
        queryStr = QStringLiteral("ALTER TABLE '%1' ADD COLUMN '%2' INT DEFAULT %3")
                       .arg(qstrTableName, qstrColumnName, qstrSize);
    else if (nType == 3)
        queryStr = QStringLiteral("ALTER TABLE '%1' ADD COLUMN '%2' TEXT NULL")
                       .arg(qstrTableName, qstrColumnName);
    return queryExec(m_qstrDbName, queryStr);
}

bool MySqlliteBase::transaction()
{
    // Held until the matching commit(), whatever the answer.
    m_pSqlliteMutex->lock();
    return hasCurrentDb() && m_objDb.transaction();
}

bool MySqlliteBase::commit()
{
    bool bCommitted = false;
    if (hasCurrentDb()) {
        bCommitted = m_objDb.commit();
        // A transaction left open would swallow every later job's rows.
        if (!bCommitted)
            m_objDb.rollback();
    }
    m_pSqlliteMutex->unlock();
    return bCommitted;
}
