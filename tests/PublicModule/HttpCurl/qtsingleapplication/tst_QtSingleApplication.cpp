// Control messages handled by the primary, in-process: the test's QApplication is the
// single-instance application itself.
#include "PublicModule/HttpCurl/globleBase/CppDataBase.h"
#include "PublicModule/HttpCurl/qtsingleapplication/QtSingleApplication.h"
#include "StubWebRecv.h"

#include <QHostAddress>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtTest>

class TestQtSingleApplication : public QObject
{
    Q_OBJECT
public:
    explicit TestQtSingleApplication(QtSingleApplication* app) : m_app(app) {}

private slots:
    void raiseAsksServiceToShowWindow();
    void noticeHandsTextToUi();
    void buildAnswersOverUdpWithCount();
    void deleteNeverGoesBelowZero();
    void hostileMessagesAreIgnored();

private:
    QByteArray receiveDatagram(QUdpSocket& socket);

    QtSingleApplication* m_app;
    StubWebRecv m_recv;
};

void TestQtSingleApplication::raiseAsksServiceToShowWindow()
{
    m_recv.resets.clear();
    m_app->externMessageReceived(R"({"operate":"raise_window_noop","socket":"","type":2})");
    m_app->externMessageReceived(R"({"operate":"raise_window_noop","socket":77,"type":9})");
    QCOMPARE(m_recv.resets, (QList<int>{1, 1}));
}

void TestQtSingleApplication::noticeHandsTextToUi()
{
    m_recv.uiMessages.clear();
    m_app->externMessageReceived(QString::fromUtf8(
        R"({"objvalue":"1.2.3.4 Zürich","operate":"notice_window_noop","type":3})"));
    // Only the IP check's notice is handed on: a peer cannot show other screens' messages.
    m_app->externMessageReceived(R"({"operate":"notice_window_noop"})");
    m_app->externMessageReceived(
        R"({"objvalue":"/tmp/x","operate":"notice_window_noop","type":17})");
    QCOMPARE(m_recv.uiMessages, (QList<QPair<int, QString>>{
                                    qMakePair(3, QString::fromUtf8("1.2.3.4 Zürich"))}));
}

QByteArray TestQtSingleApplication::receiveDatagram(QUdpSocket& socket)
{
    if (!socket.hasPendingDatagrams() && !socket.waitForReadyRead(2000))
        return QByteArray();
    QByteArray data(static_cast<int>(socket.pendingDatagramSize()), '\0');
    socket.readDatagram(data.data(), data.size());
    return data;
}

void TestQtSingleApplication::buildAnswersOverUdpWithCount()
{
    QUdpSocket socket;
    QVERIFY(socket.bind(QHostAddress(QHostAddress::LocalHost), 0));
    const QString msg =
        QtSingleApplication::controlMessage(2, "build_window_noop", socket.localPort());
    QVERIFY(msg.contains(QStringLiteral("\"socket\":%1").arg(socket.localPort())));
    const int before = m_app->startTimes();

    m_app->externMessageReceived(msg);
    QCOMPARE(receiveDatagram(socket), QByteArray(R"({"operate":"recive_back","start_times":)") +
                                          QByteArray::number(before + 1) + ",\"type\":2}");
    // A socket given as text works too: its leading number is the port.
    m_app->externMessageReceived(QtSingleApplication::controlMessage(
        2, "build_window_noop", QString::number(socket.localPort()).toStdString() + "xyz"));
    QCOMPARE(receiveDatagram(socket), QByteArray(R"({"operate":"recive_back","start_times":)") +
                                          QByteArray::number(before + 2) + ",\"type\":2}");
    QCOMPARE(CppDataBase::GetInstance()->getStartTimes(), before + 2);
    QVERIFY(g_pWebRecv->GetIsExist());
}

void TestQtSingleApplication::deleteNeverGoesBelowZero()
{
    const QString del = QtSingleApplication::controlMessage(10, "delete_window_noop");
    for (int i = m_app->startTimes() + 2; i > 0; --i)
        m_app->externMessageReceived(del);
    QCOMPARE(m_app->startTimes(), 0);
    CppDataBase::GetInstance()->setStartTimes(42);
    m_app->externMessageReceived(del);
    QCOMPARE(CppDataBase::GetInstance()->getStartTimes(), 0);
}

void TestQtSingleApplication::hostileMessagesAreIgnored()
{
    m_recv.resets.clear();
    m_recv.uiMessages.clear();
    const int count = m_app->startTimes();
    const char* hostile[] = {
        "",
        "not json",
        "[1,2,3]",
        "42",
        "null",
        R"({"operate":"RAISE_WINDOW_NOOP","type":2})",
        R"({"operate":["raise_window_noop"],"type":2})",
        R"({"operate":"notice_window_noop","type":"3","objvalue":{"a":1}})",
        R"({"operate":"build_window_noop","socket":{"x":1}})",
        R"({"operate":"delete_window_noop","type":[]})",
    };
    for (const char* text : hostile)
        m_app->externMessageReceived(QString::fromUtf8(text));
    QVERIFY(m_recv.resets.isEmpty());
    // Wrong member types read as missing: a notice without its type goes nowhere.
    QVERIFY(m_recv.uiMessages.isEmpty());
    // The build with an object as socket still counts; the delete counts down again.
    QCOMPARE(m_app->startTimes(), count);
}

int main(int argc, char** argv)
{
    QTemporaryDir tmp;
    qputenv("TMPDIR", tmp.path().toUtf8());
    QtSingleApplication app(QStringLiteral("tst_qtsingleapplication"), argc, argv);
    if (app.isRunning())
        return 1;
    TestQtSingleApplication test(&app);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_QtSingleApplication.moc"
