#include "PublicModule/HttpCurl/globleBase/MySqlliteBase.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>

class tst_MySqlliteBase : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensOnlyExistingFilesAndDropsFailedConnections();
    void closeDropsConnectionEvenWhenFileVanished();
    void withoutDatabaseEverythingFailsAndLockIsReleased();
    void buildsExactStatementTexts();
    void hostileValuesAreStoredVerbatim_data();
    void hostileValuesAreStoredVerbatim();
    void readsRowsAsText();
    void addsColumnsByKind();
    void failedStatementInsideTransactionKeepsTheOthers();

private:
    MySqlliteBase::SqlRows select(const QString& queryStr);
    void openWithTable(const QString& dbName);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MySqlliteBase> m_db;
    QString m_qstrOldDir;
};

void tst_MySqlliteBase::init()
{
    m_qstrOldDir = QDir::currentPath();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(m_dir->path()));
    m_db = std::make_unique<MySqlliteBase>();
}

void tst_MySqlliteBase::cleanup()
{
    m_db.reset();
    for (const QString& qstrName : QSqlDatabase::connectionNames())
        QSqlDatabase::removeDatabase(qstrName);
    QDir::setCurrent(m_qstrOldDir);
    m_dir.reset();
}

MySqlliteBase::SqlRows tst_MySqlliteBase::select(const QString& queryStr)
{
    MySqlliteBase::SqlRows rows;
    if (!m_db->queryExec(m_db->getMsgDbName(), queryStr, rows))
        qWarning() << "query failed:" << queryStr;
    return rows;
}

void tst_MySqlliteBase::openWithTable(const QString& dbName)
{
    QVERIFY(m_db->creatDbFile(dbName));
    QVERIFY(m_db->reOpenSql(dbName));
    QVERIFY(m_db->queryExec(dbName, "CREATE TABLE t(id INTEGER PRIMARY KEY AUTOINCREMENT, "
                                    "session TEXT UNIQUE, port INT, remark TEXT)"));
}

void tst_MySqlliteBase::opensOnlyExistingFilesAndDropsFailedConnections()
{
    QVERIFY(!m_db->reOpenSql("alice"));
    QVERIFY(!QSqlDatabase::contains("alice"));
    QVERIFY(!QFile::exists("alice.db"));

    const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    QVERIFY(m_db->creatDbFile("alice"));
    QCOMPARE(QFile::permissions("alice.db") & 0x7077, ownerOnly);
    QVERIFY(m_db->reOpenSql("alice"));
    QVERIFY(m_db->reOpenSql("alice"));
    QCOMPARE(QSqlDatabase::connectionNames(), QStringList{"alice"});

    // A file readable by others, left by an older version, is made private when opened.
    QFile older("bob.db");
    QVERIFY(older.open(QIODevice::WriteOnly));
    older.close();
    QVERIFY(older.setPermissions(ownerOnly | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    QVERIFY(m_db->creatDbFile("bob"));
    QVERIFY(m_db->reOpenSql("bob"));
    QCOMPARE(QFile::permissions("bob.db") & 0x7077, ownerOnly);
    QCOMPARE(m_db->getMsgDbName(), QString("bob"));
    QVERIFY(QSqlDatabase::contains("alice"));

    // A path the driver cannot open is reported as a failure and leaves nothing behind.
    QVERIFY(QDir().mkdir("broken.db"));
    QVERIFY(!m_db->reOpenSql("broken"));
    QVERIFY(!QSqlDatabase::contains("broken"));
    QCOMPARE(m_db->getMsgDbName(), QString("bob"));

    // Names that would leave the directory are refused outright.
    QVERIFY(!m_db->creatDbFile(""));
    QVERIFY(!m_db->creatDbFile("../escaped"));
    QVERIFY(!m_db->reOpenSql("../escaped"));
    QVERIFY(!QFile::exists("../escaped.db"));
    QVERIFY(!QFile::exists(".db"));
}

void tst_MySqlliteBase::closeDropsConnectionEvenWhenFileVanished()
{
    QVERIFY(m_db->closeSql());
    openWithTable("gone");
    QVERIFY(QFile::remove("gone.db"));
    QVERIFY(!m_db->closeSql());
    QCOMPARE(m_db->getMsgDbName(), QString());
    QVERIFY(!QSqlDatabase::contains("gone"));
}

void tst_MySqlliteBase::withoutDatabaseEverythingFailsAndLockIsReleased()
{
    MySqlliteBase::SqlRow row{{"session", "s1"}};
    MySqlliteBase::SqlRows rows{row};
    QCOMPARE(m_db->getErrorSql(), QString("db not setting"));
    QVERIFY(!m_db->delData("t", ""));
    QVERIFY(!m_db->updateData("t", row, ""));
    QVERIFY(!m_db->getData("t", rows, ""));
    QVERIFY(!m_db->addDataReturnResult("t", row, rows));
    QCOMPARE(m_db->getErrorSql(), QString("db not setting"));

    QVERIFY(!m_db->transaction());
    QVERIFY(!m_db->commit());
    bool bOtherResult = true;
    std::unique_ptr<QThread> other(QThread::create([&] {
        bOtherResult = m_db->transaction();
        m_db->commit();
    }));
    other->start();
    QVERIFY2(other->wait(5000), "lock was not released by commit()");
    QVERIFY(!bOtherResult);
}

void tst_MySqlliteBase::buildsExactStatementTexts()
{
    openWithTable("texts");
    MySqlliteBase::SqlRow row{{"session", "s1"}};
    MySqlliteBase::SqlRows rows{row};
    const QString qstrFilter = " where session=" + MySqlliteBase::sqlLiteral("s1");

    QTest::ignoreMessage(QtDebugMsg, "errorSql:insert into nosuch (session) values('s1')-->");
    QVERIFY(!m_db->addDataReturnResult("nosuch", row, rows));
    QCOMPARE(m_db->getErrorSql(), QString("insert into nosuch (session) values('s1')"));

    MySqlliteBase::SqlRow port{{"port", "5"}};
    QVERIFY(!m_db->updateData("nosuch", port, qstrFilter));
    QCOMPARE(m_db->getErrorSql(), QString("update nosuch set port='5'  where session='s1'"));

    MySqlliteBase::SqlRow empty;
    QVERIFY(!m_db->updateData("t", empty, qstrFilter));
    QCOMPARE(m_db->getErrorSql(), QString("update t set  where session='s1'"));

    QVERIFY(!m_db->delData("nosuch", ""));
    QCOMPARE(m_db->getErrorSql(), QString("delete from nosuch"));
    QVERIFY(!m_db->getData("nosuch", rows, ""));
    QCOMPARE(m_db->getErrorSql(), QString("select * from nosuch"));
    QVERIFY(rows.isEmpty());

    QVERIFY(!m_db->addColumnByTableName("t", "x", 4, 0));
    QCOMPARE(m_db->getErrorSql(), QString());
}

void tst_MySqlliteBase::hostileValuesAreStoredVerbatim_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("quote") << "Bob's line";
    QTest::newRow("closing statement") << "x'); drop table t; --";
    QTest::newRow("tautology") << "' or '1'='1";
    QTest::newRow("comment") << "a'/* c */--";
    QTest::newRow("placeholders") << "%1 %2 '%3'";
    QTest::newRow("backslash") << "\\'; delete from t; \\";
}

void tst_MySqlliteBase::hostileValuesAreStoredVerbatim()
{
    QFETCH(QString, value);
    openWithTable("hostile");
    MySqlliteBase::SqlRows rows;
    MySqlliteBase::SqlRow keep{{"session", "keep"}, {"remark", "untouched"}};
    MySqlliteBase::SqlRow hostile{{"session", value}, {"remark", value}};
    QVERIFY(m_db->addDataReturnResult("t", keep, rows));
    QVERIFY(m_db->addDataReturnResult("t", hostile, rows));

    const QString qstrFilter = " where session=" + MySqlliteBase::sqlLiteral(value);
    QVERIFY(m_db->getData("t", rows, qstrFilter));
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0]["remark"], value);

    MySqlliteBase::SqlRow change{{"remark", value + value}};
    QVERIFY(m_db->updateData("t", change, qstrFilter));
    QVERIFY(m_db->delData("t", " where session=" + MySqlliteBase::sqlLiteral(value + "x")));
    QVERIFY(m_db->getData("t", rows, " order by id"));
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0]["remark"], QString("untouched"));
    QCOMPARE(rows[1]["remark"], value + value);

    QVERIFY(m_db->delData("t", qstrFilter));
    QVERIFY(m_db->getData("t", rows, ""));
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0]["session"], QString("keep"));
}

void tst_MySqlliteBase::readsRowsAsText()
{
    openWithTable("rows");
    MySqlliteBase::SqlRow empty;
    MySqlliteBase::SqlRows rows{MySqlliteBase::SqlRow{{"sentinel", "1"}}};
    QVERIFY(!m_db->addDataReturnResult("t", empty, rows));
    QCOMPARE(rows.size(), 1); // an empty map executes nothing and leaves the list alone

    MySqlliteBase::SqlRow row{{"session", "s1"}};
    QVERIFY(m_db->addDataReturnResult("t", row, rows));
    QVERIFY(rows.isEmpty());
    QVERIFY(m_db->queryExec("rows", "update t set port=42"));

    rows = select("select id, port, remark, 2.5 AS r, 1 AS dup, 2 AS dup from t");
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0]["id"], QString("1"));
    QCOMPARE(rows[0]["port"], QString("42"));
    QCOMPARE(rows[0]["remark"], QString(""));
    QVERIFY(rows[0].contains("remark"));
    QCOMPARE(rows[0]["r"], QString("2.5"));
    QCOMPARE(rows[0]["dup"], QString("2"));

    QVERIFY(m_db->delData("t", ""));
    QVERIFY(select("select * from t").isEmpty());
}

void tst_MySqlliteBase::addsColumnsByKind()
{
    openWithTable("columns");
    QVERIFY(m_db->queryExec("columns", "insert into t (session) values('old')"));

    QHash<QString, bool> columns{{"kept", false}};
    m_db->getColumnByTableName("missing", columns);
    QCOMPARE(columns.size(), 1);
    m_db->getColumnByTableName("t", columns);
    QCOMPARE(columns.keys().size(), 5);
    QVERIFY(columns.value("id") && columns.value("remark") && !columns.value("kept"));

    QVERIFY(m_db->addColumnByTableName("t", "count", 2, 0));
    QVERIFY(m_db->addColumnByTableName("t", "stamp", 1, 255));
    QVERIFY(m_db->addColumnByTableName("t", "note", 3, 99));
    QVERIFY(!m_db->addColumnByTableName("t", "other", 4, 0));
    const MySqlliteBase::SqlRows rows = select("select count, stamp, note from t");
    QCOMPARE(rows[0]["count"], QString("0"));
    QCOMPARE(rows[0]["stamp"], QString(""));
    const QString qstrSchema = select("select sql from sqlite_master where name='t'")[0]["sql"];
    QVERIFY2(
        qstrSchema.endsWith("'count' INT DEFAULT 0, 'stamp' varchar(255) NULL, 'note' TEXT NULL)"),
        qPrintable(qstrSchema));
}

void tst_MySqlliteBase::failedStatementInsideTransactionKeepsTheOthers()
{
    openWithTable("tx");
    MySqlliteBase::SqlRows rows;
    MySqlliteBase::SqlRow first{{"session", "a"}};
    MySqlliteBase::SqlRow second{{"session", "b"}};
    QVERIFY(m_db->transaction());
    QVERIFY(m_db->addDataReturnResult("t", first, rows));
    QVERIFY(!m_db->addDataReturnResult("t", first, rows)); // unique session refuses it
    QVERIFY(m_db->addDataReturnResult("t", second, rows));
    QVERIFY(m_db->commit());
    QCOMPARE(select("select session from t order by id").size(), 2);
    // The lock is free again: another transaction starts at once.
    QVERIFY(m_db->transaction());
    QVERIFY(m_db->commit());
}

QTEST_GUILESS_MAIN(tst_MySqlliteBase)
#include "tst_MySqlliteBase.moc"
