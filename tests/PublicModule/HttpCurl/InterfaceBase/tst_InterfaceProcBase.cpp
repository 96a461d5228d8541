// Process, URL, machine identity, autostart, window-scaling and general download helpers.
#include "RecordingInterfaceRecv.h"
#include "SandboxService.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

namespace {

MacCandidate candidate(const char* szName, const char* szHardware,
                       const QList<QHostAddress>& addresses,
                       QNetworkInterface::InterfaceFlags flags = QNetworkInterface::IsUp |
                                                                 QNetworkInterface::IsRunning)
{
    return MacCandidate{szName, flags, szHardware, addresses};
}

QStringList filesUnder(const QString& qstrRoot)
{
    QStringList files;
    QDirIterator it(qstrRoot, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    return files;
}

} // namespace

class tst_InterfaceProcBase : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<RecordingInterfaceRecv> m_recv;
    QTemporaryDir m_home;

    QString programDir() const { return QCoreApplication::applicationDirPath(); }

private slots:
    void initTestCase()
    {
        // Everything the desktop helpers may touch lies under a temporary home.
        qputenv("HOME", m_home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", m_home.filePath("config").toUtf8());
        qputenv("XDG_DATA_HOME", m_home.filePath("data").toUtf8());
    }
    void init() { m_recv.reset(new RecordingInterfaceRecv); }
    void cleanup() { m_recv.reset(); }
    void cleanupTestCase() { QDir(programDir() + "/temp").removeRecursively(); }

    void webAddresses()
    {
        QCOMPARE(m_recv->additionalUrl(), QString("?p=linux&c=normal&qt=1"));
        QCOMPARE(m_recv->additionalUrl(1), QString("&p=linux&c=normal&qt=1"));
        QCOMPARE(m_recv->checkOpenUrl("https://a.b/pay"),
                 QString("https://a.b/pay?p=linux&c=normal&qt=1"));
        QCOMPARE(m_recv->checkOpenUrl("https://a.b/pay?x=1"),
                 QString("https://a.b/pay?x=1&p=linux&c=normal&qt=1"));
        QCOMPARE(m_recv->checkOpenUrl(""), QString("?p=linux&c=normal&qt=1"));
        QCOMPARE(m_recv->VerifyUrl("a/b"), QString("https://a/b"));
        QCOMPARE(m_recv->VerifyUrl("http://a"), QString("http://a"));
        QCOMPARE(m_recv->VerifyUrl("HTTPS://a"), QString("https://HTTPS://a"));
    }

    void machineIdentityChoice()
    {
        const QHostAddress v4("192.0.2.10");
        const QHostAddress v6("2001:db8::1");
        const QHostAddress local(QHostAddress::LocalHost);
        QString qstrName = "unchanged";
        const auto loopFlags =
            QNetworkInterface::IsUp | QNetworkInterface::IsRunning | QNetworkInterface::IsLoopBack;
        QVERIFY(InterfaceProcBase::chooseMacAddress(
                    {candidate("lo", "00:00:00:00:00:00", {local}, loopFlags)}, &qstrName)
                    .isEmpty());
        QCOMPARE(qstrName, QString("unchanged"));

        const QList<MacCandidate> machine = {
            candidate("VMware Network Adapter", "00:50:56:C0:00:01", {v4}),
            candidate("wlan0", "AA:00:00:00:00:01", {v4}, QNetworkInterface::IsUp),
            candidate("tun0", "", {v4}),
            candidate("wg0", "00:00:00:00:00:00", {v4}),
            candidate("eth1", "AA:00:00:00:00:02", {v6, local}),
            candidate("eth0", "AA:00:00:00:00:03", {v6, v4}),
            candidate("eth2", "AA:00:00:00:00:04", {v4})};
        QCOMPARE(InterfaceProcBase::chooseMacAddress(machine, &qstrName),
                 QString("AA:00:00:00:00:03"));
        QCOMPARE(qstrName, QString("eth0"));
    }

    void autostartEntry_data()
    {
        QTest::addColumn<QByteArray>("program"); // the bytes of the names on disk
        QTest::addColumn<QByteArray>("folder");  // the working directory, under the home
        QTest::addColumn<bool>("written");
        const QByteArray plain = "/opt/qelproxy/QelProxy";
        QTest::newRow("plain") << plain << QByteArray("work") << true;
        QTest::newRow("awkward") << QByteArray(R"(/opt/Qel Proxy/100% "new"/$HOME/a\b`c`/QelProxy)")
                                 << QByteArray(R"(Qel "data" 100%/$HOME/a\b)") << true;
        QTest::newRow("tab in the folder") << plain << QByteArray("a\tb") << true;
        QTest::newRow("tab in the program")
            << QByteArray("/opt/a\tb/QelProxy") << QByteArray("work") << true;
        // An entry is UTF-8 and holds no other control character: these cannot be named.
        QTest::newRow("folder not UTF-8") << plain
                                          << QByteArray("a\xff"
                                                        "b")
                                          << false;
        QTest::newRow("program not UTF-8")
            << QByteArray("/opt/a\xff/QelProxy") << QByteArray("work") << false;
        QTest::newRow("control character in the folder") << plain
                                                         << QByteArray("a\x01"
                                                                       "b")
                                                         << false;
    }

    // The entry starts the client where it was turned on, beside the accounts' databases.
    void autostartEntry()
    {
        QFETCH(QByteArray, program);
        QFETCH(QByteArray, folder);
        QFETCH(bool, written);
        const QString qstrEntry = m_home.filePath("config/autostart/QelProxy.desktop");
        QCOMPARE(m_recv->autoStartEntryPath(), qstrEntry);
        const QString qstrBefore = QDir::currentPath();
        const QByteArray dir = QFile::encodeName(m_home.path()) + "/" + folder;
        QVERIFY(::mkdir(dir.constData(), 0700) == 0 || QDir().mkpath(QFile::decodeName(dir)));
        QCOMPARE(::chdir(dir.constData()), 0);
        const bool bWritten = m_recv->autoStartClient(QFile::decodeName(program), true);
        QDir::setCurrent(qstrBefore);
        ::rmdir(dir.constData()); // a name that is not UTF-8 is out of QDir's reach
        QCOMPARE(bWritten, written);
        QFile file(qstrEntry);
        if (!written) {
            QVERIFY(!file.exists());
            return;
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray path = QByteArray(dir).replace("\\", "\\\\").replace("\t", "\\t");
        QVERIFY(file.readAll().contains("\nPath=" + path + "\n"));

        QProcess validate;
        validate.start("desktop-file-validate", {qstrEntry});
        QVERIFY(validate.waitForFinished(10000));
        const QByteArray report =
            validate.readAllStandardOutput() + validate.readAllStandardError();
        QVERIFY2(validate.exitCode() == 0 && !report.contains("error"), report.constData());

        QVERIFY(m_recv->autoStartClient(program, false));
        QVERIFY(!QFile::exists(qstrEntry));
        QVERIFY(m_recv->autoStartClient(program, false));
    }

    void autostartEntryForThisProgram()
    {
        const QString qstrEntry = m_recv->autoStartEntryPath();
        QVERIFY(m_recv->autoStartClient(QString(), true));
        QFile file(qstrEntry);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(
            text.contains("Exec=\"" + QCoreApplication::applicationFilePath().toUtf8() + "\"\n"));
        QVERIFY(text.contains("Name=Qel Proxy\n"));
        file.close();
        // A path that cannot be written on one line replaces nothing.
        QVERIFY(!m_recv->autoStartClient("/opt/a\nExec=/bin/evil", true));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), text);
        QVERIFY(m_recv->autoStartClient(QString(), false));
    }

    void linksAndRegistryStoresWriteNothing()
    {
        const QStringList before = filesUnder(m_home.path());
        m_recv->createLnk(QCoreApplication::applicationFilePath());
        m_recv->createAutoStart(QCoreApplication::applicationFilePath());
        m_recv->closeExe(QString());
        QCOMPARE(filesUnder(m_home.path()), before);
    }

    void childProgram()
    {
        QCOMPARE(m_recv->openExeByProcessFirst("/bin/sh", {"-c", "exit 3"}), 1);
        QTRY_COMPARE(m_recv->findChild<QProcess*>()->state(), QProcess::NotRunning);
        // The same process object starts the next program; the plain form always gives 0.
        QCOMPARE(m_recv->openExeByProcess("/bin/sh", {"-c", "exit 0"}), 0);
        QTRY_COMPARE(m_recv->findChild<QProcess*>()->state(), QProcess::NotRunning);
        QCOMPARE(m_recv->openExeByProcessFirst(programDir() + "/no-such-program", {}), 0);

        // A child still running when the object goes is stopped through its own handle.
        QCOMPARE(m_recv->openExeByProcessFirst("/bin/sleep", {"30"}), 1);
        const qint64 nPid = m_recv->findChild<QProcess*>()->processId();
        m_recv.reset();
        QVERIFY(nPid > 0);
        QVERIFY(!QFile::exists(QStringLiteral("/proc/%1").arg(nPid)));
        m_recv.reset(new RecordingInterfaceRecv);

        m_recv->StartExe("/bin/true");
        QCOMPARE(m_recv->ui.value(0), (QVariantList{4, "关闭程序", -1}));
    }

    void windowScaling()
    {
        // Without a screen nothing limits the window.
        QCOMPARE(m_recv->getDpiWidth(1200), 1200);
        QCOMPARE(m_recv->getDpiHeight(900), 900);
        QCOMPARE(m_recv->getDpiByWidHei(5000, 5000), 1.0f);
        QCOMPARE(m_recv->getDpi(), false);
    }

    void generalDownload()
    {
        SandboxService service;
        QVERIFY(service.start());
        const std::string strUrl = service.resUrl().toStdString() + "/files/hello.txt";
        const QString qstrTarget = programDir() + "/temp/activity/hello.txt";
        QFile::remove(qstrTarget);

        // No name: the URL's last segment; then a kept file is done without traffic.
        m_recv->CurlDownloadFile(strUrl, "", "activity", 154, 0);
        QTRY_COMPARE_WITH_TIMEOUT(m_recv->finished(), 1, 10000);
        QVERIFY(QFile(qstrTarget).size() > 0);
        m_recv->CurlDownloadFile(strUrl, "", "activity", 154, 0);
        QTRY_COMPARE_WITH_TIMEOUT(m_recv->finished(), 2, 10000);
        QCOMPARE(service.log().size(), 1u);
        m_recv->CurlDownloadFile(strUrl, "hello.txt", "activity", 105, 1);
        QTRY_COMPARE_WITH_TIMEOUT(m_recv->finished(), 3, 10000);
        QCOMPARE(service.log().size(), 2u);
        QCOMPARE(m_recv->calls.last(), QString("PostEventInterface:105"));

        const QString qstrError = programDir() + "/column_107.error";
        m_recv->CurlDownloadFile("", "x.png", "column", 107, 0);
        QFile error(qstrError);
        QVERIFY(error.open(QIODevice::ReadOnly));
        QCOMPARE(error.readAll(), QByteArray("The Url Of CurlDownloadFile Is Empty"));
        error.remove();
        QTest::qWait(100);
        QCOMPARE(m_recv->finished(), 3);
        QVERIFY(m_recv->ui.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_InterfaceProcBase)
#include "tst_InterfaceProcBase.moc"
