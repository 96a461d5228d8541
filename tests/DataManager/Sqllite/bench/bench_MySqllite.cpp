// 10,000 today rows written by one database job, against the same rows written with plain
// Qt SQL in one transaction on the calling thread: once with the job's own statement text per
// row, once with one prepared statement and bound values. Every iteration writes a fresh
// file. Wall time counts: the job runs on the database thread while the caller waits.
#include "DataManager/Sqllite/MySqllite.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <benchmark/benchmark.h>

#include <string>

namespace {
constexpr int kRows = 10000;

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

// A file name never used before in this process: Google Benchmark calls a benchmark function
// several times, and a counter of its own would hand out files already full of these rows.
QString freshName(const char* szPrefix)
{
    static int s_nFile = 0;
    return QLatin1String(szPrefix) + QString::number(s_nFile++);
}

void oneJob(benchmark::State& state)
{
    MySqllite* pDb = MySqllite::GetInstance();
    QString qstrPrevious;
    for (auto _ : state) {
        state.PauseTiming();
        const QString qstrName = freshName("job");
        pDb->createMySqllite(qstrName, 0); // closes the previous file, which can go
        if (!qstrPrevious.isEmpty())
            QFile::remove(qstrPrevious + ".db");
        qstrPrevious = qstrName;
        auto* pItem = new SqlliteItem;
        pItem->setTableName(pDb->getTodayListTableName());
        for (Json::Value row : rows())
            pItem->addJsonValue(row);
        state.ResumeTiming();
        pDb->addDataByType(pItem, 0);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
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
void plainQtSql(benchmark::State& state, void (*insertRows)(QSqlDatabase&))
{
    for (auto _ : state) {
        state.PauseTiming();
        const QString qstrName = freshName("plain");
        const QString qstrFile = QDir::current().filePath(qstrName + ".db");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), qstrName);
            db.setDatabaseName(qstrFile);
            db.open();
            QSqlQuery(db).exec(
                "CREATE TABLE IF NOT EXISTS today_list(id INTEGER PRIMARY KEY AUTOINCREMENT NOT "
                "NULL, session TEXT UNIQUE, port INT, line TEXT, create_time CHAR(255), "
                "update_time CHAR(255));");
            state.ResumeTiming();

            db.transaction();
            insertRows(db);
            db.commit();

            state.PauseTiming();
        }
        QSqlDatabase::removeDatabase(qstrName);
        QFile::remove(qstrFile);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

BENCHMARK(oneJob)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();
BENCHMARK_CAPTURE(plainQtSql, perRowText, &insertPerRowText)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3.0)
    ->UseRealTime();
BENCHMARK_CAPTURE(plainQtSql, prepared, &insertPrepared)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3.0)
    ->UseRealTime();
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    rows();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
