#include "PublicModule/HttpCurl/registerBase/LocalOnlyNetwork.h"
#include "PublicModule/HttpCurl/registerBase/MyAction.h"
#include "PublicModule/HttpCurl/registerBase/MyMenu.h"
#include "PublicModule/HttpCurl/registerBase/RegisterBase.h"
#include "PublicModule/HttpCurl/registerBase/SystemTrayIcon.h"
#include "PublicModule/HttpCurl/registerBase/TrayIconUrl.h"
#include "SandboxService.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMenu>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <memory>

class tst_SystemTray : public QObject
{
    Q_OBJECT

private:
    QQmlEngine m_engine;

    std::unique_ptr<QObject> create(const QByteArray& qml)
    {
        QQmlComponent component(&m_engine);
        component.setData("import QtQuick 2.15\nimport System.Tray 1.0\n" + qml, QUrl());
        std::unique_ptr<QObject> object(component.create());
        if (!object)
            qWarning() << component.errors();
        return object;
    }

private slots:
    void initTestCase() { CRegisterBase().RegisterTray(); }

    void menuIsAssembledFromDeclaredChildrenInOrder()
    {
        auto tray = create(R"(
            SystemTrayIcon {
                property int shown: 0
                property int exits: 0
                menu: MyMenu {
                    MyAction { text: "Show"; onTriggered: shown++ }
                    MySeparator {}
                    MyMenu { objectName: "MyMenu" }
                    MyAction { text: "Hidden"; objectName: "renamed" }
                    QtObject {}
                    MyAction { text: "Exit"; onTriggered: exits++ }
                }
            })");
        QVERIFY(tray);
        auto* trayIcon = qobject_cast<SystemTrayIcon*>(tray.get());
        QVERIFY(trayIcon->menu());
        QMenu* menu = trayIcon->menu()->menu();
        QCOMPARE(trayIcon->platformIcon()->contextMenu(), menu);

        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions.size(), 4);
        QCOMPARE(actions[0]->text(), QString("Show"));
        QVERIFY(actions[1]->isSeparator());
        QVERIFY(actions[2]->menu());
        QCOMPARE(actions[3]->text(), QString("Exit"));

        actions[0]->trigger();
        actions[3]->trigger();
        actions[3]->trigger();
        QCOMPARE(tray->property("shown").toInt(), 1);
        QCOMPARE(tray->property("exits").toInt(), 2);
    }

    void entriesAddedLaterFollowTheDeclaredOnes()
    {
        MyMenu menu;
        MyAction action;
        action.setText("Later");
        menu.addAction(&action);
        menu.addSeparator();
        menu.addAction(nullptr);
        QCOMPARE(menu.menu()->actions().size(), 2);
        QCOMPARE(menu.menu()->actions().first(), &action);
    }

    void menuWidthAndHeightAreTheWidgets()
    {
        auto menu = create("MyMenu { width: 150; height: 90 }");
        QVERIFY(menu);
        auto* myMenu = qobject_cast<MyMenu*>(menu.get());
        QCOMPARE(myMenu->menu()->width(), 150);
        QCOMPARE(myMenu->menu()->height(), 90);
        QCOMPARE(menu->property("width").toInt(), 150);

        QSignalSpy widthSpy(myMenu, &QQuickItem::widthChanged);
        myMenu->setWidth(150);
        QCOMPARE(widthSpy.count(), 0);
        myMenu->setWidth(200);
        QCOMPARE(widthSpy.count(), 1);
        QCOMPARE(myMenu->menu()->width(), 200);
    }

    void iconUrlsResolveToPaths()
    {
        QCOMPARE(trayIconPath(QUrl("qrc:/Icon/small.ico")), QString(":/Icon/small.ico"));
        QCOMPARE(trayIconPath(QUrl::fromLocalFile("/tmp/a b.png")), QString("/tmp/a b.png"));
        QCOMPARE(trayIconPath(QUrl("../../Icon/small.ico")), QString("../../Icon/small.ico"));
        QCOMPARE(trayIconPath(QUrl()), QString());
    }

    void sameIconTwiceChangesOnceAndEmptyClears()
    {
        QTemporaryDir dir;
        const QString qstrFile = dir.filePath("tray.png");
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(Qt::blue);
        QVERIFY(image.save(qstrFile));

        SystemTrayIcon tray;
        QSignalSpy spy(&tray, &SystemTrayIcon::iconChanged);
        tray.setIcon(QUrl::fromLocalFile(qstrFile));
        tray.setIcon(QUrl::fromLocalFile(qstrFile));
        QCOMPARE(spy.count(), 1);
        QVERIFY(!tray.platformIcon()->icon().isNull());

        tray.setIcon(QUrl());
        QCOMPARE(spy.count(), 2);
        QVERIFY(tray.platformIcon()->icon().isNull());
        QCOMPARE(tray.icon(), QUrl());

        MyAction action;
        QSignalSpy actionSpy(&action, &MyAction::iconChanged);
        action.setIcon(QUrl::fromLocalFile(qstrFile));
        action.setIcon(QUrl::fromLocalFile(qstrFile));
        QCOMPARE(actionSpy.count(), 1);
        QVERIFY(!action.QAction::icon().isNull());
    }

    void toolTipAndVisibilityFollowTheItem()
    {
        SystemTrayIcon tray;
        QVERIFY(!tray.isVisible());
        QVERIFY(!tray.platformIcon()->isVisible());
        tray.setVisible(true);
        QVERIFY(tray.platformIcon()->isVisible());

        QSignalSpy spy(&tray, &SystemTrayIcon::toolTipChanged);
        tray.setToolTip("QelProxy");
        tray.setToolTip("QelProxy");
        QCOMPARE(spy.count(), 1);
        QCOMPARE(tray.toolTip(), QString("QelProxy"));
    }

    void onlyClicksAndDoubleClicksTrigger()
    {
        SystemTrayIcon tray;
        QSignalSpy spy(&tray, &SystemTrayIcon::trigger);
        tray.onActivated(QSystemTrayIcon::Context);
        tray.onActivated(QSystemTrayIcon::MiddleClick);
        tray.onActivated(QSystemTrayIcon::Unknown);
        QCOMPARE(spy.count(), 0);
        tray.onActivated(QSystemTrayIcon::Trigger);
        tray.onActivated(QSystemTrayIcon::DoubleClick);
        QCOMPARE(spy.count(), 2);
    }

    void menuCanBeDetachedOrDestroyed()
    {
        SystemTrayIcon tray;
        auto menu = std::make_unique<MyMenu>();
        QSignalSpy spy(&tray, &SystemTrayIcon::menuChanged);
        tray.setMenu(menu.get());
        tray.setMenu(menu.get());
        QCOMPARE(spy.count(), 1);

        tray.setMenu(nullptr);
        QVERIFY(!tray.platformIcon()->contextMenu());

        tray.setMenu(menu.get());
        menu.reset();
        QVERIFY(!tray.menu());
        QVERIFY(!tray.platformIcon()->contextMenu());
    }

    // × with a tray hides the last window and the client runs on, to be shown again from
    // the tray: its event loop ends only when told to.
    void hidingToTheTrayKeepsTheClientRunning()
    {
        QWindow window;
        window.show();
        SystemTrayIcon tray;
        QTimer::singleShot(0, &tray, [&] { tray.hideWindow(&window); });
        QTimer::singleShot(300, &tray, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 1);
        QVERIFY(!window.isVisible());
    }

    // The real client where no tray exists: "−" minimises, × ends it as the tray's Exit
    // does, with status 0 within a few seconds and its settings saved.
    void closeWithoutTrayEndsTheClient()
    {
        if (SystemTrayIcon::isAvailable())
            QSKIP("this desktop has a tray");
        SandboxService service;
        QVERIFY(service.start());
        QTemporaryDir dir;
        const QString qstrProgram = dir.filePath(QStringLiteral("QelProxy"));
        QVERIFY(QFile::copy(QStringLiteral(QEL_BIN_DIR "/QelProxy"), qstrProgram));
        for (const char* szFolder : {"home", "tmp", "runtime", "config"})
            QVERIFY(QDir(dir.path()).mkpath(QLatin1String(szFolder)));
        QFile::setPermissions(dir.filePath(QStringLiteral("runtime")), QFileDevice::ReadOwner |
                              QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QFile steps(dir.filePath(QStringLiteral("steps")));
        QVERIFY(steps.open(QIODevice::WriteOnly));
        steps.write("wait closeButton visible true\n"
                    "press minimiseButton\n"
                    "until window_main visibility === Window.Minimized\n"
                    "press closeButton\n"
                    "sleep 10000\n");
        steps.close();

        QProcess client;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QEL_TEST_API_URL"), service.apiUrl());
        env.insert(QStringLiteral("QEL_TEST_RES_URL"), service.resUrl());
        env.insert(QStringLiteral("QEL_UI_DRIVER"), steps.fileName());
        env.insert(QStringLiteral("TMPDIR"), dir.filePath(QStringLiteral("tmp")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.filePath(QStringLiteral("runtime")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        client.setProcessEnvironment(env);
        client.setWorkingDirectory(dir.filePath(QStringLiteral("home")));
        client.start(qstrProgram, {QStringLiteral("--x")});
        QVERIFY(client.waitForStarted());

        QByteArray output;
        QTRY_VERIFY_WITH_TIMEOUT((output += client.readAllStandardOutput())
                                     .contains("ok: press closeButton") ||
                                     client.state() == QProcess::NotRunning,
                                 30000 * QEL_TIME_FACTOR);
        QElapsedTimer closing;
        closing.start();
        const bool bEnded = client.waitForFinished(5000 * QEL_TIME_FACTOR);
        if (!bEnded)
            client.kill();
        client.waitForFinished();
        output += client.readAllStandardOutput();
        QVERIFY2(!output.contains("FAIL:"), output.constData());
        QVERIFY2(bEnded, output.constData());
        qInfo() << "ended" << closing.elapsed() << "ms after ×";
        QCOMPARE(client.exitStatus(), QProcess::NormalExit);
        QCOMPARE(client.exitCode(), 0);
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("QelProxy.ini"))));
    }
};

// Markup in service text names any address; the screens' engine loads only qrc: and file:.
class tst_LocalOnlyNetwork : public QObject
{
    Q_OBJECT

private slots:
    void screensLoadNothingFromTheNetwork_data()
    {
        QTest::addColumn<QByteArray>("qml"); // PORT stands for a listener's port
        QTest::newRow("picture") << QByteArray("Image { source: \"http://127.0.0.1:PORT/a.png\" }");
        QTest::newRow("rich text") << QByteArray("Text { textFormat: Text.RichText; text: "
                                                 "'<img src=\"http://127.0.0.1:PORT/b.png\">' }");
    }
    void screensLoadNothingFromTheNetwork()
    {
        QFETCH(QByteArray, qml);
        QTcpServer listener;
        QVERIFY(listener.listen(QHostAddress::LocalHost, 0));
        int nConnections = 0;
        connect(&listener, &QTcpServer::newConnection, [&] {
            nConnections += listener.nextPendingConnection() != nullptr;
        });
        LocalOnlyNetwork network;
        QQmlEngine engine;
        engine.setNetworkAccessManagerFactory(&network);
        QQmlComponent component(&engine);
        component.setData("import QtQuick 2.15\n" +
                              qml.replace("PORT", QByteArray::number(listener.serverPort())),
                          QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY(object);
        QTest::qWait(500);
        QCOMPARE(nConnections, 0);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tst_SystemTray tray;
    tst_LocalOnlyNetwork network;
    return QTest::qExec(&tray, argc, argv) | QTest::qExec(&network, argc, argv);
}
#include "tst_SystemTray.moc"
