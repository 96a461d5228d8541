// Downloads from the stand-in: progress, replacement of the target only on success,
// cancel and resume, overwrite from byte 0, redirects and missing files.
#include "SandboxClient.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <curl/curl.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {
const char* const kSample = QEL_BIN_DIR "/../sandbox/service/files/sample.bin";
const uid_t kNobody = 65534;

QByteArray readAll(const QString& qstrPath)
{
    QFile file(qstrPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class tst_DownloadE2E : public QObject
{
    Q_OBJECT

private:
    HTTPEvent_KX* downloadRecord(const QString& qstrPath, int nVariant = 2, int nMode = 1)
    {
        HTTPEvent_KX* pRecord = SandboxClient::record(REQUEST_FILE, "");
        pRecord->m_strInterface = (m_client->service.resUrl() + qstrPath).toStdString();
        pRecord->m_strRelFolder = (m_dir.path() + "/dl").toStdString();
        pRecord->m_strFilePath = m_strTarget.toStdString();
        pRecord->m_nParam10 = nVariant;
        pRecord->m_nParam2 = nMode;
        pRecord->m_nParam1 = 0; // answered or not, no error files
        return pRecord;
    }

private slots:
    void init()
    {
        m_client.reset(new SandboxClient);
        QVERIFY(m_client->start());
        QVERIFY(m_dir.isValid());
        m_strTarget = m_dir.path() + "/dl/target.bin";
    }
    void cleanup() { m_client.reset(); }

    void downloadReportsProgressAndReplacesTarget()
    {
        QDir().mkpath(m_dir.path() + "/dl");
        WebRecv::writeFileAtomically(m_strTarget, "old");
        const ReportCopy report = m_client->run(downloadRecord("/files/sample.bin?rate=8192"));
        QVERIFY(report.bSuccess);
        QCOMPARE(report.strResult, std::string("下载成功"));
        QCOMPARE(readAll(m_strTarget), readAll(kSample));
        QVERIFY(!QFile::exists(m_strTarget + ".part"));
        const std::vector<std::int64_t> progress = m_client->recv->progressCopy();
        QVERIFY(progress.size() > 2);
        QCOMPARE(progress.back(), 100);
        QVERIFY(std::is_sorted(progress.begin(), progress.end()));
    }

    void cancelledDownloadKeepsOldFileAndResumes()
    {
        QDir().mkpath(m_dir.path() + "/dl");
        WebRecv::writeFileAtomically(m_strTarget, "old");
        m_client->recv->cancelAtPercent = 25;
        QVERIFY(!m_client->run(downloadRecord("/files/sample.bin?rate=2048")).bSuccess);
        QCOMPARE(readAll(m_strTarget), QByteArray("old"));
        const qint64 nPart = QFileInfo(m_strTarget + ".part").size();
        QVERIFY(nPart > 0);
        QVERIFY(nPart < readAll(kSample).size());

        // Keep mode, with the target gone, continues the part file.
        QFile::remove(m_strTarget);
        m_client->recv->cancelAtPercent = -1;
        m_client->recv->progress.clear();
        QVERIFY(m_client->run(downloadRecord("/files/sample.bin?rate=8192", 2, 0)).bSuccess);
        QCOMPARE(readAll(m_strTarget), readAll(kSample));
        QVERIFY(m_client->recv->progressCopy().front() >= 25);
        const Json::Value entries = m_client->entries("/files/sample.bin");
        QCOMPARE(entries.size(), 2u);
        QCOMPARE(JsonRead::getString(JsonRead::getObject(entries[1], "headers"), "range"),
                 "bytes=" + std::to_string(nPart) + "-");
    }

    void overwriteDiscardsStalePart_data()
    {
        QTest::addColumn<int>("mode");        // 1 fetches again, 0 resumes a part file
        QTest::addColumn<QString>("planted"); // what stands as the part file
        QTest::newRow("stale part") << 1 << "file";
        QTest::newRow("planted link") << 1 << "link";
        QTest::newRow("planted link, resumed") << 0 << "link";
        // Opening a FIFO for writing would wait for a reader for ever.
        QTest::newRow("planted FIFO, resumed") << 0 << "fifo";
        QTest::newRow("planted folder, resumed") << 0 << "folder";
        QTest::newRow("another user's part, resumed") << 0 << "owner";
    }
    void overwriteDiscardsStalePart()
    {
        QFETCH(int, mode);
        QFETCH(QString, planted);
        if (planted == "owner" && ::getuid() != 0)
            QSKIP("only root can give a file to another user");
        QDir().mkpath(m_dir.path() + "/dl");
        QFile::remove(m_strTarget);
        const QString qstrPart = m_strTarget + ".part";
        const QByteArray part = QFile::encodeName(qstrPart);
        const QString qstrOther = m_dir.path() + "/other";
        QFile::remove(qstrOther);
        const bool link = planted == "link";
        if (planted == "fifo")
            QCOMPARE(::mkfifo(part.constData(), 0600), 0);
        else if (planted == "folder")
            QVERIFY(QDir().mkpath(qstrPart + "/inside"));
        else
            WebRecv::writeFileAtomically(link ? qstrOther : qstrPart, QByteArray(1000, 'x'));
        QVERIFY(!link || QFile::link(qstrOther, qstrPart));
        QVERIFY(planted != "owner" || ::chown(part.constData(), kNobody, kNobody) == 0);
        QVERIFY(m_client->run(downloadRecord("/files/sample.bin", 2, mode)).bSuccess);
        QCOMPARE(readAll(m_strTarget), readAll(kSample));
        QVERIFY(!QFileInfo(m_strTarget).isSymLink());
        QCOMPARE(QFile::permissions(m_strTarget) & 0x7077,
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(readAll(qstrOther), link ? QByteArray(1000, 'x') : QByteArray());
        const Json::Value entries = m_client->entries("/files/sample.bin");
        QCOMPARE(entries.size(), 1u);
        QVERIFY(!JsonRead::getObject(entries[0], "headers").isMember("range"));
    }

    // A body over the record's bound fails at once and is not fetched again: a picture
    // against the stand-in's 20 MiB answer, the update package's record with a small bound,
    // its length declared or not.
    void overBoundFailsAtOnce_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<qint64>("bound");
        QTest::addColumn<bool>("picture");
        QTest::newRow("picture") << "/files/large.png" << qint64(8 << 20) << true;
        QTest::newRow("package") << "/files/sample.bin" << qint64(1 << 20) << false;
        QTest::newRow("package, no length") << "/files/sample.bin?chunked=1" << qint64(1 << 20)
                                            << false;
    }
    void overBoundFailsAtOnce()
    {
        QFETCH(QString, path);
        QFETCH(qint64, bound);
        QFETCH(bool, picture);
        Json::Value script;
        script["route"] = "/files/large.png";
        script["mode"] = "large";
        QVERIFY(m_client->service.script(script));
        QFile::remove(m_strTarget);
        HTTPEvent_KX* pRecord = downloadRecord(path);
        pRecord->m_nParam1 = 3;
        pRecord->m_nMaxBytes = bound;
        pRecord->m_bImageOnly = picture;
        const ReportCopy report = m_client->run(pRecord);
        QVERIFY(!report.bSuccess);
        QCOMPARE(report.nRequestError, int(CURLE_FILESIZE_EXCEEDED));
        QCOMPARE(m_client->service.log().size(), 1u);
        QVERIFY(!QFile::exists(m_strTarget));
        QVERIFY(!QFile::exists(m_strTarget + ".part"));
        QFile::remove(QCoreApplication::applicationDirPath() + "/" +
                      QString::fromStdString(report.strInterface).replace('/', '_') + ".error");
    }

    void plainVariantFollowsRedirect()
    {
        const ReportCopy report = m_client->run(downloadRecord("/redirect/hello.txt", 1));
        QVERIFY(report.bSuccess);
        QCOMPARE(readAll(m_strTarget), readAll(QEL_SOURCE_DIR "/sandbox/service/files/hello.txt"));
        QVERIFY(QDir(m_dir.path() + "/dl").exists());
    }

    void missingFileFailsAndLeavesTargetAlone()
    {
        QDir().mkpath(m_dir.path() + "/dl");
        WebRecv::writeFileAtomically(m_strTarget, "old");
        const ReportCopy report = m_client->run(downloadRecord("/files/missing.bin"));
        QVERIFY(!report.bSuccess);
        QCOMPARE(report.nRequestError, int(CURLE_HTTP_RETURNED_ERROR));
        QCOMPARE(readAll(m_strTarget), QByteArray("old"));
        QVERIFY(!QFile::exists(m_strTarget + ".part"));

        QFile::remove(m_strTarget);
        QVERIFY(!m_client->run(downloadRecord("/files/missing.bin")).bSuccess);
        QVERIFY(!QFile::exists(m_strTarget)); // no empty file a later run would keep
    }

    void keepModeSkipsExistingFileOnly()
    {
        QDir().mkpath(m_dir.path() + "/dl");
        WebRecv::writeFileAtomically(m_strTarget, "x");
        QCOMPARE(m_client->run(downloadRecord("/files/hello.txt", 2, 0)).strResult,
                 std::string("已下载"));
        QCOMPARE(m_client->service.log().size(), 0u);
        const QByteArray hello = readAll(QEL_SOURCE_DIR "/sandbox/service/files/hello.txt");
        WebRecv::writeFileAtomically(m_strTarget, "");
        QVERIFY(m_client->run(downloadRecord("/files/hello.txt", 2, 0)).bSuccess);
        QCOMPARE(readAll(m_strTarget), hello);
        // A folder in its place is no file: it goes, and the file comes.
        QVERIFY(QFile::remove(m_strTarget) && QDir().mkpath(m_strTarget + "/inside"));
        QVERIFY(m_client->run(downloadRecord("/files/hello.txt", 2, 0)).bSuccess);
        QCOMPARE(readAll(m_strTarget), hello);
    }

private:
    std::unique_ptr<SandboxClient> m_client;
    QTemporaryDir m_dir;
    QString m_strTarget;
};

QTEST_GUILESS_MAIN(tst_DownloadE2E)
#include "tst_DownloadE2E.moc"
