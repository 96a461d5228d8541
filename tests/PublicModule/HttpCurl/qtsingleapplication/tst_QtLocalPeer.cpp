// The primary's side of the local channel against raw clients that misbehave.
#include "PublicModule/HttpCurl/qtsingleapplication/QtLocalPeer.h"

#include <QDataStream>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <functional>
#include <memory>
#include <unistd.h>

namespace {
QByteArray frame(const QByteArray& body)
{
    QByteArray out;
    QDataStream ds(&out, QIODevice::WriteOnly);
    ds.writeBytes(body.constData(), static_cast<uint>(body.size()));
    return out;
}

// Runs a blocking client on its own thread while the primary's event loop keeps going.
QByteArray runClient(const QString& name, std::function<QByteArray(QLocalSocket&)> work)
{
    QByteArray result;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (socket.waitForConnected(2000))
            result = work(socket);
    }));
    thread->start();
    QElapsedTimer timer;
    timer.start();
    while (!thread->isFinished() && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    thread->wait();
    return result;
}

QByteArray sendFrame(QLocalSocket& socket, const QByteArray& bytes)
{
    socket.write(bytes);
    socket.waitForBytesWritten(2000);
    if (!socket.waitForReadyRead(3000))
        return QByteArray();
    return socket.readAll();
}
} // namespace

class TestQtLocalPeer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void namesFollowIdAndUser();
    void firstPeerIsPrimary();
    void deliversMessageAndAcknowledges();
    void messageIsCutAtZeroByte();
    void survivesClientThatClosesAtOnce();
    void survivesOversizedLength();
    void silentClientDoesNotBlockOthers();
    void stalledBodyIsAnsweredWithWhatArrived();
    void folderIsFirstUsableCandidate_data();
    void folderIsFirstUsableCandidate();

private:
    void expectResponsive();

    QTemporaryDir m_tmp;
    std::unique_ptr<QtLocalPeer> m_primary;
};

void TestQtLocalPeer::initTestCase()
{
    qputenv("TMPDIR", m_tmp.path().toUtf8());
    qputenv("XDG_RUNTIME_DIR", m_tmp.path().toUtf8());
    m_primary = std::make_unique<QtLocalPeer>(nullptr, QStringLiteral("tst_peer_app"));
    QVERIFY(!m_primary->isClient());
}

void TestQtLocalPeer::namesFollowIdAndUser()
{
    const QString uid = QString::number(::getuid(), 16);
    const QByteArray id = QByteArrayLiteral("ui_qelproxy_main_abcxyz");
    const QString sum = QString::number(qChecksum(id.constData(), id.size()), 16);
    QtLocalPeer peer(nullptr, QString::fromLatin1(id));
    QCOMPARE(peer.getSocketName(), QStringLiteral("qtsingleapp-uiqelp-%1-%2").arg(sum, uid));

    const QByteArray digits = QByteArrayLiteral("12345");
    QtLocalPeer noLetters(nullptr, QString::fromLatin1(digits));
    QCOMPARE(noLetters.getSocketName(),
             QStringLiteral("qtsingleapp--%1-%2")
                 .arg(QString::number(qChecksum(digits.constData(), digits.size()), 16), uid));
    QCOMPARE(peer.getSocketPath(), m_tmp.path() + "/qelproxy-" + QString::number(::getuid()) +
                                       "/" + peer.getSocketName());
    QVERIFY(QFile::exists(peer.getSocketPath() + "-lockfile"));
}

void TestQtLocalPeer::firstPeerIsPrimary()
{
    // The lock is per process: a second peer here is the same process, not a rival, and
    // a peer that already holds the lock stays primary on a second test.
    QVERIFY(!m_primary->isClient());
    QVERIFY(QFile::exists(m_primary->getSocketPath()));
}

void TestQtLocalPeer::expectResponsive()
{
    QSignalSpy spy(m_primary.get(), &QtLocalPeer::messageReceived);
    QElapsedTimer timer;
    timer.start();
    const QByteArray answer = runClient(m_primary->getSocketPath(), [](QLocalSocket& s) {
        return sendFrame(s, frame("still here"));
    });
    QCOMPARE(answer, QByteArray("ack"));
    QVERIFY2(timer.elapsed() < 1500 * QEL_TIME_FACTOR, "the primary took too long to answer");
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("still here"));
}

void TestQtLocalPeer::deliversMessageAndAcknowledges()
{
    QSignalSpy spy(m_primary.get(), &QtLocalPeer::messageReceived);
    const QByteArray text = QString::fromUtf8(R"({"operate":"x","v":"Ünïcode"})").toUtf8();
    const QByteArray answer = runClient(m_primary->getSocketPath(), [&](QLocalSocket& s) {
        // Length and body in separate writes: the primary must assemble them.
        QByteArray bytes = frame(text);
        s.write(bytes.left(2));
        s.waitForBytesWritten(1000);
        QThread::msleep(50);
        return sendFrame(s, bytes.mid(2));
    });
    QCOMPARE(answer, QByteArray("ack"));
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString().toUtf8(), text);
}

void TestQtLocalPeer::messageIsCutAtZeroByte()
{
    QSignalSpy spy(m_primary.get(), &QtLocalPeer::messageReceived);
    runClient(m_primary->getSocketPath(),
              [](QLocalSocket& s) { return sendFrame(s, frame(QByteArray("abc\0def", 7))); });
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("abc"));
}

void TestQtLocalPeer::survivesClientThatClosesAtOnce()
{
    QSignalSpy spy(m_primary.get(), &QtLocalPeer::messageReceived);
    for (int i = 0; i < 5; ++i)
        runClient(m_primary->getSocketPath(), [](QLocalSocket& s) {
            s.write("\x00\x00", 2); // half a length, then gone
            s.waitForBytesWritten(500);
            s.abort();
            return QByteArray();
        });
    QTest::qWait(100);
    QCOMPARE(spy.count(), 0);
    expectResponsive();
}

void TestQtLocalPeer::survivesOversizedLength()
{
    QSignalSpy spy(m_primary.get(), &QtLocalPeer::messageReceived);
    const QByteArray answer = runClient(m_primary->getSocketPath(), [](QLocalSocket& s) {
        s.write(QByteArray("\xff\xff\xff\xf0garbage", 11));
        s.waitForBytesWritten(1000);
        s.waitForReadyRead(1000);
        return s.readAll();
    });
    QVERIFY(answer.isEmpty());
    QCOMPARE(spy.count(), 0);
    expectResponsive();
}

void TestQtLocalPeer::silentClientDoesNotBlockOthers()
{
    QLocalSocket silent;
    silent.connectToServer(m_primary->getSocketPath());
    QVERIFY(silent.waitForConnected(1000));
    QCoreApplication::processEvents();
    expectResponsive();
    silent.abort();
}

void TestQtLocalPeer::stalledBodyIsAnsweredWithWhatArrived()
{
    QSignalSpy spy(m_primary.get(), &QtLocalPeer::messageReceived);
    QElapsedTimer timer;
    timer.start();
    const QByteArray answer = runClient(m_primary->getSocketPath(), [](QLocalSocket& s) {
        QByteArray bytes = frame("complete text");
        return sendFrame(s, bytes.left(bytes.size() - 5)); // "text" never comes
    });
    QCOMPARE(answer, QByteArray("ack"));
    QVERIFY(timer.elapsed() < QtLocalPeer::kBodyWaitMs + 2000);
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("complete"));
}

void TestQtLocalPeer::folderIsFirstUsableCandidate_data()
{
    QTest::addColumn<QStringList>("paths"); // under the test folder; empty stays empty
    QTest::addColumn<int>("chosen");
    const QString tooLong(100, QLatin1Char('x'));
    QTest::newRow("first usable") << QStringList{"a", "b"} << 0;
    QTest::newRow("unusable ones skipped") << QStringList{"", "missing", "file", tooLong, "b"} << 4;
    QTest::newRow("none usable") << QStringList{"", "missing", "file", tooLong} << -1;
    // This user's folder inside a candidate must be a private folder of this user.
    QTest::newRow("own folder open to others") << QStringList{"open", "b"} << 1;
    QTest::newRow("own folder a link") << QStringList{"linked", "b"} << 1;
    QTest::newRow("own folder a file") << QStringList{"filed", "b"} << 1;
}

void TestQtLocalPeer::folderIsFirstUsableCandidate()
{
    QFETCH(QStringList, paths);
    QFETCH(int, chosen);
    QList<QtLocalPeer::FolderCandidate> candidates;
    for (const QString& path : paths) {
        const QString full = path.isEmpty() ? path : m_tmp.filePath("folders/" + path);
        candidates.append({path, full});
    }
    QVERIFY(QDir().mkpath(m_tmp.filePath("folders/a")));
    QVERIFY(QDir().mkpath(m_tmp.filePath("folders/b")));
    QVERIFY(QDir().mkpath(m_tmp.filePath("folders/" + QString(100, QLatin1Char('x')))));
    QFile(m_tmp.filePath("folders/file")).open(QIODevice::WriteOnly);
    const QString own = "/qelproxy-" + QString::number(::getuid());
    QVERIFY(QDir().mkpath(m_tmp.filePath("folders/open" + own)));
    QVERIFY(QFile::setPermissions(m_tmp.filePath("folders/open" + own), QFileDevice::Permissions(0x7777)));
    QVERIFY(QDir().mkpath(m_tmp.filePath("folders/linked")));
    QFile::link(m_tmp.filePath("folders/a" + own), m_tmp.filePath("folders/linked" + own));
    QVERIFY(QDir().mkpath(m_tmp.filePath("folders/filed")));
    QFile(m_tmp.filePath("folders/filed" + own)).open(QIODevice::WriteOnly);

    QtLocalPeer peer(nullptr, QStringLiteral("tst_folder_app"), candidates);
    QCOMPARE(peer.hasFolder(), chosen >= 0);
    QCOMPARE(peer.getFolder(), chosen >= 0 ? candidates[chosen].qstrPath + own : QString());
    if (chosen >= 0)
        QVERIFY(QFile::exists(peer.getFolder() + "/" + peer.getSocketName() + "-lockfile"));
}

QTEST_GUILESS_MAIN(TestQtLocalPeer)
#include "tst_QtLocalPeer.moc"
