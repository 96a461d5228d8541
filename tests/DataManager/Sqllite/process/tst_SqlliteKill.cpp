#include "PublicModule/HttpCurl/features/JsonRead.h"

#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

class tst_SqlliteKill : public QObject
{
    Q_OBJECT

private slots:
    void killedWriterLeavesEveryCommittedJob_data();
    void killedWriterLeavesEveryCommittedJob();
};

namespace {
QByteArray sqlite(const QString& qstrFile, const QString& qstrSql)
{
    QProcess process;
    process.start("sqlite3", {"-json", qstrFile, qstrSql});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        qWarning() << "sqlite3 failed:" << process.readAllStandardError();
    return process.readAllStandardOutput().trimmed();
}
} // namespace

void tst_SqlliteKill::killedWriterLeavesEveryCommittedJob_data()
{
    QTest::addColumn<int>("confirmations");
    QTest::newRow("early") << 2;
    QTest::newRow("later") << 25;
    QTest::newRow("late") << 80;
}

void tst_SqlliteKill::killedWriterLeavesEveryCommittedJob()
{
    QFETCH(int, confirmations);
    QTemporaryDir dir;
    QProcess child;
    child.start(QStringLiteral(QEL_BIN_DIR "/sqllite_kill_child"), {dir.path()});
    QVERIFY(child.waitForStarted());
    int nLastConfirmed = -1;
    for (int nSeen = 0; nSeen < confirmations;) {
        if (!child.canReadLine() && !child.waitForReadyRead(30000))
            break;
        while (child.canReadLine() && nSeen < confirmations) {
            nLastConfirmed = child.readLine().trimmed().toInt();
            ++nSeen;
        }
    }
    child.kill();
    QVERIFY(child.waitForFinished(10000));
    QVERIFY2(nLastConfirmed >= 0, "the child confirmed no job");

    const QString qstrFile = dir.filePath("killed.db");
    QCOMPARE(sqlite(qstrFile, "pragma integrity_check"),
             QByteArray("[{\"integrity_check\":\"ok\"}]"));
    Json::Value rows;
    QVERIFY(
        JsonRead::parse(sqlite(qstrFile, "select session from today_list").toStdString(), rows));
    QHash<int, int> rowsPerJob;
    for (const Json::Value& row : rows)
        ++rowsPerJob[QString::fromStdString(row["session"].asString()).section('-', 0, 0).toInt()];

    // Jobs land whole and in order: exactly the jobs 0..n-1, n past the last confirmed one.
    const int nJobs = rowsPerJob.size();
    QVERIFY2(nJobs > nLastConfirmed,
             qPrintable(QString("%1 jobs, confirmed %2").arg(nJobs).arg(nLastConfirmed)));
    for (int nJob = 0; nJob < nJobs; ++nJob)
        QCOMPARE(rowsPerJob.value(nJob), 5);
}

QTEST_GUILESS_MAIN(tst_SqlliteKill)
#include "tst_SqlliteKill.moc"
