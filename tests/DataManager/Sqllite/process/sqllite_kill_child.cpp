// Signs in as "killed" in the folder given as the only argument and writes jobs of five
// today rows each, sessions "<job>-<row>". Every tenth job is awaited (mode 0), and its
// number is then printed: that job and every job before it are committed.
#include "DataManager/Sqllite/MySqllite.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <string>

namespace {
constexpr int kRowsPerJob = 5;
constexpr int kMaxJobs = 200000; // a bound in case nobody kills us

SqlliteItem* buildJob(int nJob)
{
    auto* pItem = new SqlliteItem;
    pItem->setTableName(MySqllite::GetInstance()->getTodayListTableName());
    for (int nRow = 0; nRow < kRowsPerJob; ++nRow) {
        Json::Value row(Json::objectValue);
        row["session"] = std::to_string(nJob) + "-" + std::to_string(nRow);
        row["port"] = nJob;
        row["line"] = std::string(200, 'x');
        pItem->addJsonValue(row);
    }
    return pItem;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    if (argc < 2 || !QDir::setCurrent(QString::fromLocal8Bit(argv[1])))
        return 2;
    MySqllite* pDb = MySqllite::GetInstance();
    pDb->createMySqllite(QStringLiteral("killed"), 0);
    for (int nJob = 0; nJob < kMaxJobs; ++nJob) {
        const bool bAwait = nJob % 10 == 9;
        pDb->addDataByType(buildJob(nJob), bAwait ? 0 : 1);
        if (bAwait) {
            std::printf("%d\n", nJob);
            std::fflush(stdout);
        }
    }
    return 0;
}
