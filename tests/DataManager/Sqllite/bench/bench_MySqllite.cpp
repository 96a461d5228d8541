// 10,000 today rows written by one database job, against the same rows written with plain
// Qt SQL (one prepared statement with bound values) in one transaction on the calling thread.
// Wall time counts: the job runs on the database thread while the caller waits.
#include "DataManager/Sqllite/MySqllite.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
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

void oneJob(benchmark::State& state)
{
    MySqllite* pDb = MySqllite::GetInstance();
    int nRun = 0;
    for (auto _ : state) {
        state.PauseTiming();
        pDb->createMySqllite(QStringLiteral("job%1").arg(nRun++), 0);
        auto* pItem = new SqlliteItem;
        pItem->setTableName(pDb->getTodayListTableName());
        for (Json::Value row : rows())
            pItem->addJsonValue(row);
        state.ResumeTiming();
        pDb->addDataByType(pItem, 0);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void plainQtSql(benchmark::State& state)
{
    int nRun = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString qstrName = QStringLiteral("plain%1").arg(nRun++);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), qstrName);
            db.setDatabaseName(QDir::current().filePath(qstrName + ".db"));
            db.open();
            QSqlQuery(db).exec(
                "CREATE TABLE IF NOT EXISTS today_list(id INTEGER PRIMARY KEY AUTOINCREMENT NOT "
                "NULL, session TEXT UNIQUE, port INT, line TEXT, create_time CHAR(255), "
                "update_time CHAR(255));");
            state.ResumeTiming();

            db.transaction();
            QSqlQuery insert(db);
            insert.prepare("insert into today_list (session,port,line,create_time,update_time) "
                           "values(?,?,?,?,?)");
            for (const Json::Value& row : rows()) {
                insert.bindValue(0, QString::fromStdString(row["session"].asString()));
                insert.bindValue(1, row["port"].asInt());
                insert.bindValue(2, QString::fromStdString(row["line"].asString()));
                insert.bindValue(3, QString::fromStdString(row["create_time"].asString()));
                insert.bindValue(4, QString::fromStdString(row["update_time"].asString()));
                insert.exec();
            }
            db.commit();

            state.PauseTiming();
        }
        QSqlDatabase::removeDatabase(qstrName);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

BENCHMARK(oneJob)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();
BENCHMARK(plainQtSql)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();
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
