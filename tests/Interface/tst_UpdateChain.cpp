// The update package download against the stand-in service: progress in whole percents,
// cancel without leftovers, a fresh second try, and a client that stays open afterwards.
#include "CountingInterfaceRecv.h"
#include "SandboxService.h"

#include "Interface/GlobleParam.h"
#include "Interface/InterfaceRecv.h"
#include "PublicModule/HttpCurl/httpBase/HTTPEvent_KX.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const char* const kSample = QEL_BIN_DIR "/../sandbox/service/files/sample.bin";

QByteArray sha256Of(const QString& qstrPath)
{
    QFile file(qstrPath);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result().toHex();
}

QList<int> progressOf(const QSignalSpy& spy)
{
    QList<int> percents;
    for (const QList<QVariant>& args : spy) {
        if (args.at(0).toInt() == 20) {
            if (args.at(1).toString() != QLatin1String("DOWNLOAD_UPDATE_EXE"))
                return {-1};
            percents.append(args.at(2).toInt());
        }
    }
    return percents;
}

bool strictlyRising(const QList<int>& percents)
{
    for (int i = 1; i < percents.size(); ++i) {
        if (percents[i] <= percents[i - 1])
            return false;
    }
    return !percents.isEmpty() && percents.first() > 0 && percents.last() <= 100;
}

} // namespace

class tst_UpdateChain : public QObject
{
    Q_OBJECT

private:
    SandboxService m_service;
    std::unique_ptr<GlobleParam> m_param;
    std::unique_ptr<CountingInterfaceRecv> m_recv;

    QString package() const { return QString::fromStdString(m_recv->updatePackagePath()); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_service.start());
        m_param.reset(new GlobleParam);
        m_recv.reset(new CountingInterfaceRecv);
    }

    void cleanupTestCase()
    {
        QFile::remove(package());
        m_recv.reset();
        m_param.reset();
    }

    void noAddressSendsNothing()
    {
        m_param->setUpdateExeUrl(QString());
        m_recv->downloadUpdateExe();
        QTest::qWait(200);
        QCOMPARE(m_recv->nSucceeded + m_recv->nFailed, 0);
        QCOMPARE(m_service.log().size(), 0u);
    }

    void cancelThenDownloadAgain()
    {
        QSignalSpy aboutToQuit(QCoreApplication::instance(), &QCoreApplication::aboutToQuit);
        m_param->setUpdateExeUrl(m_service.resUrl() + "/files/sample.bin?rate=1024");
        QSignalSpy first(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        m_recv->downloadUpdateExe();
        QTRY_VERIFY_WITH_TIMEOUT(progressOf(first).value(0, 0) > 0 && progressOf(first).last() >= 3,
                                 10000);
        m_recv->cancelDownloadUpdateExe();
        QTRY_COMPARE_WITH_TIMEOUT(m_recv->nFailed, 1, 10000);
        QCOMPARE(first.last(), (QList<QVariant>{18, "update failed", 0})); // the prompt stops
        const QList<int> cancelled = progressOf(first);
        QVERIFY2(strictlyRising(cancelled), qPrintable(QString::number(cancelled.size())));
        QVERIFY(cancelled.last() < 100);
        QVERIFY(!QFile::exists(package()));
        QVERIFY(!QFile::exists(package() + ".part"));

        // The second try starts from 0 again and keeps nothing of the cancelled one.
        m_param->setUpdateExeUrl(m_service.resUrl() + "/files/sample.bin?rate=4096");
        QSignalSpy second(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        m_recv->downloadUpdateExe();
        QTRY_COMPARE_WITH_TIMEOUT(m_recv->nSucceeded, 1, 20000);
        const QList<int> fresh = progressOf(second);
        QVERIFY(strictlyRising(fresh));
        QCOMPARE(fresh.last(), 100);
        QCOMPARE(sha256Of(package()), sha256Of(kSample));
        const Json::Value log = m_service.log();
        QVERIFY(log.size() >= 2);
        QVERIFY(!JsonRead::member(log[log.size() - 1], "headers").isMember("range"));

        // The client tells where the package is and does not close.
        QCOMPARE(second.last(), (QList<QVariant>{17, package(), 0}));
        for (const QList<QVariant>& args : second)
            QVERIFY(args.at(0).toInt() != 16);
        QTest::qWait(100);
        QCOMPARE(aboutToQuit.count(), 0);
    }

    // A link planted as the package's folder leads nowhere: what it points at stays as it
    // was, and the package goes into a real folder.
    void linkedFolderLeavesOutsideAlone()
    {
        QTemporaryDir outside;
        QVERIFY(WebRecv::writeFileAtomically(outside.filePath("updatepack.exe"), "kept"));
        const QString qstrFolder = QFileInfo(package()).path();
        QVERIFY(QDir(qstrFolder).removeRecursively() && QFile::link(outside.path(), qstrFolder));
        const int nSucceeded = m_recv->nSucceeded;
        m_param->setUpdateExeUrl(m_service.resUrl() + "/files/sample.bin");
        m_recv->downloadUpdateExe();
        QTRY_COMPARE_WITH_TIMEOUT(m_recv->nSucceeded, nSucceeded + 1, 20000);
        QCOMPARE(QDir(outside.path()).entryList(QDir::Files), QStringList{"updatepack.exe"});
        QFile kept(outside.filePath("updatepack.exe"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("kept"));
        QVERIFY(!QFileInfo(qstrFolder).isSymLink());
        QCOMPARE(sha256Of(package()), sha256Of(kSample));
    }
};

QTEST_GUILESS_MAIN(tst_UpdateChain)
#include "tst_UpdateChain.moc"
