// 10,000 today rows written by one database job, against the same rows written with plain
// Qt SQL in one transaction on the calling thread: once with the job's own statement text per
// row, once with one prepared statement and bound values. Every sample writes fresh files,
// the three sides in turn from a different start. Times are the CPU time of the thread that
// writes (the database thread for the job) beside wall time; the figures are medians with
// their min-max.
#include "BenchFigure.h"
#include "DataManager/Sqllite/MySqllite.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <QDirIterator>

#include <cstdio>
#include <string>

namespace {
constexpr int kRows = 10000;
constexpr int kSamples = 7;

Json::Value todayRows()
{
    Json::Value rows(Json::arrayValue);
    for (int i = 0; i < kRows; ++i) {
        const QByteArray session =
            QCryptographicHash::hash(QByteArray::number(i), QCryptographicHash::Md5).toHex();
        Json::Value row(Json::objectValue);
        row["session"] = session.toStdString();
        row["port"] = 10000 + i;
        row["line"] = "{\"city\":\"Lisbon\",\"country\":\"PT\",\"ip\":\"10.0.0." +
                      std::to_string(i % 250) + "\",\"isp\":\"Example Telecom\",\"session\":\"" +
                      session.toStdString() +
                      "\",\"state\":\"Lisboa\",\"type\":1,\"zip\":\"1000-001\"}";
        row["create_time"] = "2024-05-01 12:00:00";
        row["update_time"] = "2024-05-01 12:00:00";
        rows.append(row);
    }
    return rows;
}

const Json::Value& rows()
{
    static const Json::Value value = todayRows();
    return value;
}

QString freshName(const char* szPrefix)
{
    static int s_nFile = 0;
    return QLatin1String(szPrefix) + QString::number(s_nFile++);
}

// The CPU clock of the database thread, found by its name: the kernel's clock of a thread
// given by its id (what pthread_getcpuclockid hands out for a thread of ours).
clockid_t databaseThreadClock()
{
    QDirIterator tasks(QStringLiteral("/proc/self/task"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (tasks.hasNext()) {
        const QString qstrTask = tasks.next();
        QFile comm(qstrTask + QStringLiteral("/comm"));
        if (comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == "SqlliteThread")
            return clockid_t(~QFileInfo(qstrTask).fileName().toInt() << 3 | 6);
    }
    return CLOCK_THREAD_CPUTIME_ID;
}

bench::Timed oneJob(MySqllite* pDb, clockid_t dbClock)
{
    const QString qstrName = freshName("job");
    pDb->createMySqllite(qstrName, 0); // closes the previous file
    auto* pItem = new SqlliteItem;
    pItem->setTableName(pDb->getTodayListTableName());
    for (Json::Value row : rows())
        pItem->addJsonValue(row);
    const double fCpu = bench::cpuMs(dbClock);
    const double fWall = bench::wallMs([&] { pDb->addDataByType(pItem, 0); });
    return {fWall, bench::cpuMs(dbClock) - fCpu};
}

QString text(const Json::Value& row, const char* szKey)
{
    return QString::fromStdString(row[szKey].asString());
}

// The job's statement for a row: every value a quoted literal.
QString insertText(const Json::Value& row)
{
    return QStringLiteral("insert into today_list (session,port,line,create_time,update_time) "
                          "values(") +
           MySqlliteBase::sqlLiteral(text(row, "session")) + ',' +
           MySqlliteBase::sqlLiteral(QString::number(row["port"].asInt())) + ',' +
           MySqlliteBase::sqlLiteral(text(row, "line")) + ',' +
           MySqlliteBase::sqlLiteral(text(row, "create_time")) + ',' +
           MySqlliteBase::sqlLiteral(text(row, "update_time")) + ')';
}

void insertPrepared(QSqlDatabase& db)
{
    QSqlQuery insert(db);
    insert.prepare("insert into today_list (session,port,line,create_time,update_time) "
                   "values(?,?,?,?,?)");
    for (const Json::Value& row : rows()) {
        insert.bindValue(0, text(row, "session"));
        insert.bindValue(1, row["port"].asInt());
        insert.bindValue(2, text(row, "line"));
        insert.bindValue(3, text(row, "create_time"));
        insert.bindValue(4, text(row, "update_time"));
        insert.exec();
    }
}

void insertPerRowText(QSqlDatabase& db)
{
    QSqlQuery insert(db);
    for (const Json::Value& row : rows())
        insert.exec(insertText(row));
}

// The rows written on the calling thread in one transaction into a fresh file.
bench::Timed plainQtSql(void (*insertRows)(QSqlDatabase&))
{
    const QString qstrName = freshName("plain");
    const QString qstrFile = QDir::current().filePath(qstrName + ".db");
    bench::Timed timed{};
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), qstrName);
        db.setDatabaseName(qstrFile);
        db.open();
        QSqlQuery(db).exec(
            "CREATE TABLE IF NOT EXISTS today_list(id INTEGER PRIMARY KEY AUTOINCREMENT NOT "
            "NULL, session TEXT UNIQUE, port INT, line TEXT, create_time CHAR(255), "
            "update_time CHAR(255));");
        const double fCpu = bench::cpuMs(CLOCK_THREAD_CPUTIME_ID);
        timed.wall = bench::wallMs([&] {
            db.transaction();
            insertRows(db);
            db.commit();
        });
        timed.cpu = bench::cpuMs(CLOCK_THREAD_CPUTIME_ID) - fCpu;
    }
    QSqlDatabase::removeDatabase(qstrName);
    QFile::remove(qstrFile);
    return timed;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    rows();
    MySqllite* pDb = MySqllite::GetInstance();
    pDb->createMySqllite(freshName("job"), 0);
    const clockid_t dbClock = databaseThreadClock();
    bench::Figure wall[3], cpu[3], wallRatio, cpuRatio;
    for (int nSample = 0; nSample < kSamples; ++nSample) {
        bench::Timed timed[3];
        for (int i = 0; i < 3; ++i) {
            const int nSide = (nSample + i) % 3;
            timed[nSide] = nSide == 0   ? oneJob(pDb, dbClock)
                           : nSide == 1 ? plainQtSql(&insertPerRowText)
                                        : plainQtSql(&insertPrepared);
        }
        for (int nSide = 0; nSide < 3; ++nSide) {
            wall[nSide].add(timed[nSide].wall);
            cpu[nSide].add(timed[nSide].cpu);
        }
        wallRatio.add(timed[0].wall / timed[1].wall);
        cpuRatio.add(timed[0].cpu / timed[1].cpu);
    }
    std::printf("%d rows, %d samples; median (min-max)%s\n", kRows, kSamples,
                dbClock == CLOCK_THREAD_CPUTIME_ID ? "; the database thread was not found" : "");
    cpu[0].print("job, database thread CPU", " ms");
    wall[0].print("job, wall", " ms");
    cpu[1].print("statement texts, plain Qt SQL, CPU", " ms");
    wall[1].print("statement texts, plain Qt SQL, wall", " ms");
    cpu[2].print("one prepared insert, CPU", " ms");
    wall[2].print("one prepared insert, wall", " ms");
    cpuRatio.print("job/statement texts, CPU (target 1.3)", "x");
    wallRatio.print("job/statement texts, wall", "x");
    return 0;
}
