#include "Interface/GlobleParam.h"
#include "Interface/InterfaceRecv.h"

#include <QDesktopServices>
#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>
#include <QUrl>

#include <memory>

// Stands in for the desktop's opener and records what it was given.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QStringList urls;
public slots:
    void open(const QUrl& url) { urls.append(url.toString()); }
};

// The link opener (web pages only, queued to the GUI thread) and the recharge page's
// address and age.
class tst_WebPage : public QObject
{
    Q_OBJECT

private:
    const QList<const char*> m_schemes{"http", "https", "file", "javascript"};
    UrlRecorder m_recorder;
    std::unique_ptr<GlobleParam> m_param;
    std::unique_ptr<InterfaceRecv> m_recv;

private slots:
    void initTestCase()
    {
        for (const char* szScheme : m_schemes)
            QDesktopServices::setUrlHandler(szScheme, &m_recorder, "open");
        m_param.reset(new GlobleParam);
        m_recv.reset(new InterfaceRecv);
    }

    void cleanupTestCase()
    {
        for (const char* szScheme : m_schemes)
            QDesktopServices::unsetUrlHandler(szScheme);
        m_recv.reset();
        m_param.reset();
    }

    void opener_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<int>("nValue");
        QTest::addColumn<bool>("signedIn");
        QTest::addColumn<bool>("fromPool");
        QTest::addColumn<QString>("opened"); // empty: nothing opens

        const QString page = "https://example.com/pay?a=1";
        QTest::newRow("http") << "http://example.com/a?b=1" << 0 << false << false
                              << "http://example.com/a?b=1";
        QTest::newRow("https from a pool thread")
            << "https://example.com/p?x=1#y" << 0 << true << true << "https://example.com/p?x=1#y";
        QTest::newRow("signed in, token asked for")
            << page << 1 << true << false << page + "&s=tok&p=linux&c=normal&v=211";
        QTest::newRow("signed out") << page << 1 << false << false << page;
        QTest::newRow("token not asked for") << page << 0 << true << false << page;
        QTest::newRow("file") << "file:///etc/passwd" << 0 << false << false << "";
        QTest::newRow("file from a pool thread") << "file:///tmp/x" << 0 << false << true << "";
        QTest::newRow("javascript") << "javascript:alert(1)" << 0 << false << false << "";
        QTest::newRow("empty") << "" << 0 << false << false << "";
        QTest::newRow("bare path") << "/usr/bin/xterm" << 0 << false << false << "";
        QTest::newRow("no host") << "https:///pay" << 0 << false << false << "";
    }

    void opener()
    {
        QFETCH(QString, url);
        QFETCH(int, nValue);
        QFETCH(bool, signedIn);
        QFETCH(bool, fromPool);
        QFETCH(QString, opened);
        m_recorder.urls.clear();
        m_param->setIsLogin(signedIn ? 1 : 0);
        m_param->setToken("tok");
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);

        if (fromPool) {
            QThreadPool pool;
            InterfaceRecv* pRecv = m_recv.get();
            pool.start([pRecv, url, nValue]() { pRecv->openUrlExternally(url, nValue); });
            QVERIFY(pool.waitForDone(5000 * QEL_TIME_FACTOR));
        } else {
            m_recv->openUrlExternally(url, nValue);
            QVERIFY(m_recorder.urls.isEmpty()); // queued, not waited for
        }
        QTest::qWait(20);
        QCOMPARE(m_recorder.urls, opened.isEmpty() ? QStringList() : QStringList{opened});
        if (opened.isEmpty()) {
            QCOMPARE(ui.count(), 1);
            QCOMPARE(ui.at(0).at(0).toInt(), 144);
            QVERIFY(!ui.at(0).at(1).toString().isEmpty());
        } else {
            QCOMPARE(ui.count(), 0);
        }
    }

    void rechargePageAddressAndAge()
    {
        m_param->setRechargeInlineUrl("https://pay.example/recharge");
        m_param->setToken("");
        m_param->setRefreshWebPageTime(0);
        QVERIFY(m_recv->checkRefershWebPage()); // never stamped

        QCOMPARE(m_recv->getWebPageUrl(), QString("https://pay.example/recharge?s=&p=linux&t=3"));
        QVERIFY(!m_recv->checkRefershWebPage());
        const uint nNow = m_recv->GetTimeStamp_Uint();
        m_param->setRefreshWebPageTime(nNow - 86000);
        QVERIFY(!m_recv->checkRefershWebPage());
        m_param->setRefreshWebPageTime(nNow - 86402);
        QVERIFY(m_recv->checkRefershWebPage());
    }
};

QTEST_MAIN(tst_WebPage)
#include "tst_WebPage.moc"
