#include "DataManager/Proxy/ProxyManager.h"
#include "DataManager/Sqllite/MySqllite.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "StubWebRecv.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>
#include <vector>

namespace {
const QString kToday = "today_list";
const QString kFavourite = "favourite_list";
const QString kApiHistory = "api_history";

Json::Value row(std::initializer_list<std::pair<const char*, Json::Value>> members)
{
    Json::Value value(Json::objectValue);
    for (const auto& member : members)
        value[member.first] = member.second;
    return value;
}

SqlliteItem* job(const QString& qstrTable, std::initializer_list<Json::Value> rows)
{
    auto* pItem = new SqlliteItem;
    pItem->setTableName(qstrTable);
    for (Json::Value value : rows)
        pItem->addJsonValue(value);
    return pItem;
}

QList<int> uiCodes(const StubWebRecv& recv)
{
    QList<int> codes;
    for (const auto& message : recv.uiMessages)
        codes << message.first;
    return codes;
}
} // namespace

class tst_MySqllite : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { m_recv.uiMessages.clear(); }
    void createsTablesWithExactTexts();
    void completesOlderFileAndKeepsRows();
    void insertUpdateAndDeleteJobs();
    void runJobFollowsEachRowsType();
    void jobsThatWriteNothing();
    void hostileValuesNeverChangeAStatement();
    void thousandQueuedJobsFromTenThreadsLandInOrder();
    void updateAfterInsertAlwaysWins();
    void loadsHandStoredRowsOverAsStrings();
    void failedOpenLeavesNoDatabase();
    void secondAccountNeverSeesTheFirstsRows();
    void userNamesStayInsideTheDirectory();

private:
    // Reads a user's file with the sqlite3 command-line tool.
    Json::Value cli(const QString& qstrFile, const QString& qstrSql);
    void signIn(const QString& qstrUser);
    void loadAll();

    QTemporaryDir m_dir;
    StubWebRecv m_recv;
    MySqllite* m_pDb = nullptr;
};

void tst_MySqllite::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir::setCurrent(m_dir.path()));
    m_pDb = MySqllite::GetInstance();
}

Json::Value tst_MySqllite::cli(const QString& qstrFile, const QString& qstrSql)
{
    QProcess sqlite;
    sqlite.start("sqlite3", {"-json", m_dir.filePath(qstrFile), qstrSql});
    if (!sqlite.waitForFinished(10000) || sqlite.exitCode() != 0)
        qWarning() << "sqlite3 failed:" << sqlite.readAllStandardError();
    Json::Value rows(Json::arrayValue);
    const QByteArray output = sqlite.readAllStandardOutput().trimmed();
    if (!output.isEmpty() && !JsonRead::parse(output.toStdString(), rows))
        qWarning() << "sqlite3 output is no JSON:" << output;
    return rows;
}

void tst_MySqllite::signIn(const QString& qstrUser)
{
    m_pDb->createMySqllite(qstrUser, 0);
}

void tst_MySqllite::loadAll()
{
    m_pDb->getFavouriteAllData();
    m_pDb->getTodayAllData();
    m_pDb->getApiHistoryAllData();
    m_pDb->getPorgramHistoryAllData();
}

void tst_MySqllite::createsTablesWithExactTexts()
{
    signIn("fresh");
    QVERIFY(QFile::exists("fresh.db"));
    const Json::Value tables = cli("fresh.db", "select name, sql from sqlite_master where "
                                               "type='table' and name not like 'sqlite%' "
                                               "order by rowid");
    const std::string strList = "(id INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL, session TEXT "
                                "UNIQUE, port INT, line TEXT, create_time CHAR(255), "
                                "update_time CHAR(255))";
    const std::string strFavourite = "(id INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL, session "
                                     "TEXT UNIQUE, remark TEXT, line TEXT, create_time "
                                     "CHAR(255), update_time CHAR(255))";
    const char* names[] = {"today_list", "favourite_list", "api_history", "program_history"};
    QCOMPARE(tables.size(), 4u);
    for (Json::ArrayIndex i = 0; i < 4; ++i) {
        QCOMPARE(tables[i]["name"].asString(), std::string(names[i]));
        QCOMPARE(tables[i]["sql"].asString(),
                 "CREATE TABLE " + std::string(names[i]) + (i == 1 ? strFavourite : strList));
    }
    QCOMPARE(m_pDb->getTodayListTableName(), kToday);
    QCOMPARE(m_pDb->getFavouriteListTableName(), kFavourite);
    QCOMPARE(m_pDb->getApiHistoryTableName(), kApiHistory);
    QCOMPARE(m_pDb->getProgramHistoryTableName(), QString("program_history"));
}

void tst_MySqllite::completesOlderFileAndKeepsRows()
{
    cli("older.db", "CREATE TABLE today_list(id INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL, "
                    "session TEXT, line TEXT, create_time CHAR(255));"
                    "INSERT INTO today_list(session, line, create_time) VALUES('s1','{}','t0');"
                    "CREATE TABLE favourite_list(id INTEGER PRIMARY KEY, session TEXT);");
    signIn("older");
    const Json::Value today = cli("older.db", "select * from today_list");
    QCOMPARE(today.size(), 1u);
    QCOMPARE(today[0]["session"].asString(), std::string("s1"));
    QCOMPARE(today[0]["create_time"].asString(), std::string("t0"));
    QCOMPARE(today[0]["port"].asInt(), 0);
    QVERIFY(today[0]["update_time"].isNull());
    QVERIFY(!today[0].isMember("remark"));

    const Json::Value favourite = cli("older.db", "select name, type from "
                                                  "pragma_table_info('favourite_list')");
    QStringList columns;
    for (const Json::Value& column : favourite)
        columns << QString::fromStdString(column["name"].asString() + " " +
                                          column["type"].asString());
    QCOMPARE(columns, QStringList({"id INTEGER", "session TEXT", "remark TEXT", "line TEXT",
                                   "create_time varchar(255)", "update_time varchar(255)"}));
}

void tst_MySqllite::insertUpdateAndDeleteJobs()
{
    signIn("jobs");
    m_pDb->addDataByType(job(kToday, {row({{"session", "a"},
                                           {"port", 10001},
                                           {"line", "{\"ip\":\"1.2.3.4\"}"},
                                           {"remark", "ignored"},
                                           {"create_time", "c1"},
                                           {"update_time", "u1"}}),
                                      row({{"session", "b"}, {"port", "10002"}})}),
                         0);
    Json::Value today = cli("jobs.db", "select session, port, line, create_time, update_time "
                                       "from today_list order by id");
    QCOMPARE(today.size(), 2u);
    QCOMPARE(today[0]["port"].asInt(), 10001);
    QCOMPARE(today[0]["line"].asString(), std::string("{\"ip\":\"1.2.3.4\"}"));
    QCOMPARE(today[0]["update_time"].asString(), std::string("u1"));
    QCOMPARE(today[1]["create_time"].asString(), std::string(""));

    // A today update rewrites port, line and update_time but never create_time.
    m_pDb->updateDataByType(
        job(kToday, {row({{"session", "a"}, {"port", 2}, {"line", "L"}, {"create_time", "x"}})}),
        0);
    today = cli("jobs.db", "select port, line, create_time from today_list where session='a'");
    QCOMPARE(today[0]["port"].asInt(), 2);
    QCOMPARE(today[0]["line"].asString(), std::string("L"));
    QCOMPARE(today[0]["create_time"].asString(), std::string("c1"));

    // A favourite update changes only its remark and update_time.
    m_pDb->addDataByType(
        job(kFavourite, {row({{"session", "f"}, {"remark", "r0"}, {"line", "l0"}})}), 0);
    m_pDb->updateDataByType(
        job(kFavourite,
            {row({{"session", "f"}, {"remark", "r1"}, {"line", "l1"}, {"update_time", "u2"}})}),
        0);
    const Json::Value favourite = cli("jobs.db", "select * from favourite_list");
    QCOMPARE(favourite[0]["remark"].asString(), std::string("r1"));
    QCOMPARE(favourite[0]["line"].asString(), std::string("l0"));
    QCOMPARE(favourite[0]["update_time"].asString(), std::string("u2"));

    // A duplicate session is refused alone; the job's other rows are written.
    m_pDb->addDataByType(
        job(kToday, {row({{"session", "a"}, {"port", 9}}), row({{"session", "c"}})}), 1);
    m_pDb->deleteDataByType(job(kToday, {row({{"session", "b"}, {"port", 1}})}), 1);
    m_pDb->waitForJobs();
    today = cli("jobs.db", "select session, port from today_list order by id");
    QCOMPARE(today.size(), 2u);
    QCOMPARE(today[0]["port"].asInt(), 2);
    QCOMPARE(today[1]["session"].asString(), std::string("c"));
}

void tst_MySqllite::runJobFollowsEachRowsType()
{
    signIn("runjob");
    m_pDb->addDataByType(
        job(kFavourite, {row({{"session", "old"}, {"remark", "x"}}), row({{"session", "gone"}})}),
        0);
    m_pDb->runDataByType(
        job(kFavourite,
            {row({{"sql_type", "insert"}, {"session", "new"}}),
             row({{"sql_type", "delete"}, {"session", "gone"}}),
             row({{"sql_type", "update"}, {"session", "old"}, {"remark", "y"}}),
             row({{"sql_type", "INSERT"}, {"session", "skip"}}), row({{"session", "untyped"}})}),
        0);
    const Json::Value rows = cli("runjob.db", "select session, remark from favourite_list "
                                              "order by id");
    QCOMPARE(rows.size(), 2u);
    QCOMPARE(rows[0]["session"].asString(), std::string("old"));
    QCOMPARE(rows[0]["remark"].asString(), std::string("y"));
    QCOMPARE(rows[1]["session"].asString(), std::string("new"));
}

void tst_MySqllite::jobsThatWriteNothing()
{
    signIn("nothing");
    // Mode 2 leaves the job alone and the caller's.
    auto* pKept = job(kToday, {row({{"session", "m2"}})});
    pKept->setSqlType(SQL_UPDATE);
    m_pDb->addDataByType(pKept, 2);
    QCOMPARE(pKept->getSqlType(), SQL_UPDATE);
    delete pKept;

    m_pDb->addDataByType(job(kToday, {}), 0);
    m_pDb->addDataByType(job("other_table", {row({{"session", "o"}})}), 0);
    m_pDb->deleteDataByType(job("other_table", {row({{"session", "o"}})}), 0);
    m_pDb->addDataByType(nullptr, 0);
    QCOMPARE(cli("nothing.db", "select count(*) AS n from today_list")[0]["n"].asInt(), 0);

    // The lock was released each time: a real job still lands.
    m_pDb->addDataByType(job(kToday, {row({{"session", "real"}})}), 0);
    QCOMPARE(cli("nothing.db", "select count(*) AS n from today_list")[0]["n"].asInt(), 1);
}

void tst_MySqllite::hostileValuesNeverChangeAStatement()
{
    signIn("hostile");
    const char* values[] = {"x'); drop table today_list; --", "' or '1'='1",
                            "a'; delete from today_list; /*", "Bob's line"};
    m_pDb->addDataByType(job(kToday, {row({{"session", "keep"}, {"line", "k"}})}), 0);
    for (const char* value : values)
        m_pDb->addDataByType(job(kToday, {row({{"session", value}, {"line", value}})}), 0);
    for (const char* value : values) {
        m_pDb->updateDataByType(job(kToday, {row({{"session", value}, {"line", "changed"}})}), 0);
        m_pDb->deleteDataByType(job(kToday, {row({{"session", std::string(value) + "'--"}})}), 0);
    }
    const Json::Value rows = cli("hostile.db", "select session, line from today_list order by id");
    QCOMPARE(rows.size(), 5u);
    QCOMPARE(rows[0]["line"].asString(), std::string("k"));
    for (Json::ArrayIndex i = 1; i < 5; ++i) {
        QCOMPARE(rows[i]["session"].asString(), std::string(values[i - 1]));
        QCOMPARE(rows[i]["line"].asString(), std::string("changed"));
    }
    for (const char* value : values)
        m_pDb->deleteDataByType(job(kToday, {row({{"session", value}})}), 0);
    QCOMPARE(cli("hostile.db", "select session from today_list").size(), 1u);
}

void tst_MySqllite::thousandQueuedJobsFromTenThreadsLandInOrder()
{
    signIn("parallel");
    std::vector<std::unique_ptr<QThread>> threads;
    for (int nThread = 0; nThread < 10; ++nThread) {
        threads.emplace_back(QThread::create([this, nThread] {
            for (int i = 0; i < 100; ++i) {
                const std::string strSession =
                    std::to_string(nThread) + "-" + std::to_string(1000 + i);
                m_pDb->addDataByType(job(kApiHistory, {row({{"session", strSession}})}), 1);
            }
        }));
        threads.back()->start();
    }
    for (auto& thread : threads)
        QVERIFY(thread->wait(30000));
    m_pDb->waitForJobs();

    const Json::Value rows = cli("parallel.db", "select session from api_history order by id");
    QCOMPARE(rows.size(), 1000u);
    QMap<QString, QStringList> bySubmitter;
    for (const Json::Value& value : rows) {
        const QStringList parts = QString::fromStdString(value["session"].asString()).split('-');
        bySubmitter[parts[0]] << parts[1];
    }
    QCOMPARE(bySubmitter.size(), 10);
    for (const QStringList& sessions : bySubmitter) {
        QStringList sorted = sessions;
        sorted.sort();
        QCOMPARE(sessions, sorted);
        QCOMPARE(sessions.size(), 100);
    }
}

void tst_MySqllite::updateAfterInsertAlwaysWins()
{
    signIn("ordered");
    for (int i = 0; i < 200; ++i) {
        const std::string strSession = "s" + std::to_string(i);
        m_pDb->addDataByType(job(kToday, {row({{"session", strSession}, {"port", 1}})}), 1);
        m_pDb->updateDataByType(job(kToday, {row({{"session", strSession}, {"port", 2}})}), i % 2);
    }
    m_pDb->waitForJobs();
    const Json::Value rows = cli("ordered.db", "select port, count(*) AS n from today_list "
                                               "group by port");
    QCOMPARE(rows.size(), 1u);
    QCOMPARE(rows[0]["port"].asInt(), 2);
    QCOMPARE(rows[0]["n"].asInt(), 200);
}

void tst_MySqllite::loadsHandStoredRowsOverAsStrings()
{
    cli("loads.db", "CREATE TABLE api_history(id INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL, "
                    "session TEXT UNIQUE, port INT, line TEXT, create_time CHAR(255), "
                    "update_time CHAR(255), extra TEXT);");
    signIn("loads");
    m_pDb->addDataByType(job(kToday, {row({{"session", "t"}, {"port", 10001}})}), 1);
    m_pDb->addDataByType(job(kFavourite, {row({{"session", "f"}, {"remark", "note"}})}), 1);
    m_pDb->addDataByType(job(kApiHistory, {row({{"session", "h"}})}), 1);
    loadAll(); // the queued jobs are written before the loads read

    QCOMPARE(uiCodes(m_recv), QList<int>({134, 114, 163, 164}));
    ProxyManager* pManager = ProxyManager::GetInstance();
    const Json::Value& today = pManager->getLocalTodayListDataJson();
    QCOMPARE(today.size(), 1u);
    QVERIFY(today[0]["port"].isString() && today[0]["id"].isString());
    QCOMPARE(today[0]["port"].asString(), std::string("10001"));
    QCOMPARE(today[0]["id"].asString(), std::string("1"));
    QVERIFY(!today[0].isMember("remark"));

    const Json::Value& favourite = pManager->getLocalFavouriteListDataJson();
    QCOMPARE(favourite[0]["remark"].asString(), std::string("note"));
    QVERIFY(!favourite[0].isMember("port"));

    const Json::Value& history = pManager->getLocalApiHistoryDataJson();
    QCOMPARE(history[0].getMemberNames().size(), 7u);
    QVERIFY(history[0]["extra"].isString());
    QCOMPARE(history[0]["extra"].asString(), std::string(""));

    const Json::Value& programs = pManager->getLocalProgramHistoryDataJson();
    QVERIFY(programs.isArray());
    QCOMPARE(programs.size(), 0u);
}

void tst_MySqllite::failedOpenLeavesNoDatabase()
{
    signIn("before");
    m_pDb->addDataByType(job(kToday, {row({{"session", "mine"}})}), 0);
    loadAll();
    m_recv.uiMessages.clear();

    QVERIFY(QDir().mkdir("blocked.db"));
    QTest::ignoreMessage(QtDebugMsg, "open sqllite failed");
    signIn("blocked");
    for (int i = 0; i < 4; ++i)
        QTest::ignoreMessage(QtDebugMsg, "db not setting");
    loadAll();
    QVERIFY(m_recv.uiMessages.isEmpty());
    QCOMPARE(ProxyManager::GetInstance()->getLocalTodayListDataJson()[0]["session"].asString(),
             std::string("mine"));

    // Jobs now fail instead of reaching the previous account's file.
    m_pDb->addDataByType(job(kToday, {row({{"session", "leak"}})}), 0);
    QCOMPARE(cli("before.db", "select session from today_list").size(), 1u);

    QTest::ignoreMessage(QtDebugMsg, "open sqllite failed");
    signIn("");
    QVERIFY(!QFile::exists(".db"));
}

void tst_MySqllite::secondAccountNeverSeesTheFirstsRows()
{
    signIn("alice");
    m_pDb->addDataByType(job(kToday, {row({{"session", "alice-1"}})}), 0);
    m_pDb->addDataByType(job(kFavourite, {row({{"session", "alice-f"}})}), 0);
    signIn("bob");
    loadAll();
    QCOMPARE(uiCodes(m_recv), QList<int>({134, 114, 163, 164}));
    QCOMPARE(ProxyManager::GetInstance()->getLocalTodayListDataJson().size(), 0u);
    QCOMPARE(ProxyManager::GetInstance()->getLocalFavouriteListDataJson().size(), 0u);

    m_pDb->addDataByType(job(kToday, {row({{"session", "bob-1"}})}), 0);
    QCOMPARE(cli("alice.db", "select session from today_list").size(), 1u);
    QCOMPARE(cli("bob.db", "select session from today_list")[0]["session"].asString(),
             std::string("bob-1"));
}

void tst_MySqllite::userNamesStayInsideTheDirectory()
{
    const QStringList users{"a/b", "a%2Fb", ".", "..", "50%off", "x@y.z", "../up"};
    const QStringList files{"a%2Fb.db",  "a%252Fb.db", "%2E.db",    "%2E%2E.db",
                            "50%off.db", "x@y.z.db",   "..%2Fup.db"};
    for (int i = 0; i < users.size(); ++i) {
        QCOMPARE(MySqllite::dbNameForUser(users[i]) + ".db", files[i]);
        signIn(users[i]);
        QVERIFY2(QFile::exists(files[i]), qPrintable(files[i]));
        m_pDb->addDataByType(job(kToday, {row({{"session", users[i].toStdString()}})}), 0);
    }
    // Every user has a file of its own.
    for (int i = 0; i < users.size(); ++i)
        QCOMPARE(cli(files[i], "select session from today_list")[0]["session"].asString(),
                 users[i].toStdString());
    QVERIFY(!QFile::exists("../up.db"));
    QCOMPARE(MySqllite::dbNameForUser(QString("n") + QChar(0) + "ul"), QString("n%00ul"));
    QCOMPARE(MySqllite::dbNameForUser(""), QString());
}

QTEST_GUILESS_MAIN(tst_MySqllite)
#include "tst_MySqllite.moc"
