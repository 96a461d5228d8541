// Without the outside browser's configuration the client sends it nothing. Its own program:
// once found, the browser's address is kept for the rest of the run.
#include "CountingInterfaceRecv.h"
#include "SandboxBrowser.h"

#include "Interface/GlobleParam.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class tst_BrowserNoConfig : public QObject
{
    Q_OBJECT

private slots:
    void nothingIsSent_data()
    {
        QTest::addColumn<QByteArray>("config"); // the client's config.json, empty for none
        QTest::newRow("no file") << QByteArray();
        QTest::newRow("no address") << QByteArray(R"({"localServerPort": 54345})");
        QTest::newRow("address not text") << QByteArray(R"({"localServerAddress": ["x"]})");
        QTest::newRow("not JSON") << QByteArray("localServerAddress=http://127.0.0.1:1");
    }

    void nothingIsSent()
    {
        QFETCH(QByteArray, config);
        // A running browser whose configuration the client cannot see.
        QTemporaryDir browserHome;
        QTemporaryDir clientHome;
        SandboxBrowser browser;
        QVERIFY(browser.start({"--config-home", browserHome.path()}));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(clientHome.path()));
        if (!config.isEmpty()) {
            QVERIFY(QDir(clientHome.path()).mkpath("bitbrowser"));
            QFile file(clientHome.path() + "/bitbrowser/config.json");
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(config);
        }
        GlobleParam param;
        param.setBrowserWndReStart(true);
        CountingInterfaceRecv recv;
        QSignalSpy ui(&recv, &InterfaceProcBase::signal_SetUiData);

        recv.pushCheckBrowser();
        recv.pushGetBrowserList();
        recv.pushUpdateBrowserWnd("5f0d3c2a9b7e4f61a2c8d4e6b1a30001", "5001", 0);
        recv.pushCloseBrowserWnd("5f0d3c2a9b7e4f61a2c8d4e6b1a30001", 0);
        recv.pushOpenBrowserWnd("5f0d3c2a9b7e4f61a2c8d4e6b1a30001", 0);
        QVERIFY(recv.settle(5000 * QEL_TIME_FACTOR));

        QCOMPARE(recv.finished(), 0);
        QCOMPARE(ui.count(), 0);
        QCOMPARE(browser.log().size(), 0u);
    }
};

QTEST_GUILESS_MAIN(tst_BrowserNoConfig)
#include "tst_BrowserNoConfig.moc"
