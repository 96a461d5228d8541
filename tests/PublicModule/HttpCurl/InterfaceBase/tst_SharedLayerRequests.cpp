// The shared-layer requests against the stand-in service: what goes on the wire, what the
// answers make the UI see, and that refusals and server errors show nothing.
#include "RecordingInterfaceRecv.h"
#include "SandboxService.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class tst_SharedLayerRequests : public QObject
{
    Q_OBJECT

private:
    SandboxService m_service;
    std::unique_ptr<RecordingInterfaceRecv> m_recv;

    // Waits until the request's whole answer chain has run on this thread.
    bool waitForAnswers(int nCount)
    {
        return QTest::qWaitFor([&] { return m_recv->finished() >= nCount; }, 15000);
    }

    Json::Value onlyLogEntry()
    {
        const Json::Value log = m_service.log();
        return log.size() == 1 ? log[0] : Json::Value();
    }

private slots:
    void initTestCase() { QVERIFY(m_service.start()); }

    void init()
    {
        m_service.reset();
        m_recv.reset(new RecordingInterfaceRecv);
        m_recv->SetLoginDomian(m_service.apiUrl().toStdString());
        m_recv->SetOemId("377");
    }

    void cleanup() { m_recv.reset(); }

    void privacyAndCompanyTexts()
    {
        m_recv->getPrivacy();
        QVERIFY(waitForAnswers(1));
        m_recv->InformationAbout();
        QVERIFY(waitForAnswers(2));
        const Json::Value log = m_service.log();
        QCOMPARE(log.size(), 2u);
        QCOMPARE(JsonRead::getString(log[0], "path"), std::string("/agreement"));
        QCOMPARE(JsonRead::getString(log[1], "path"), std::string("/api/account/about"));
        QCOMPARE(JsonRead::getBool(log[1], "sign_ok"), true);
        QCOMPARE(m_recv->ui, (QList<QVariantList>{{11, "https://www.qelproxy.invalid/privacy", 0},
                                                  {10, "Qel Networks Ltd.", 0},
                                                  {11, "https://www.qelproxy.invalid/privacy", 0},
                                                  {12, "https://www.qelproxy.invalid/terms", 0}}));
    }

    void installRecordFields()
    {
        m_recv->pushInstallInfo(2, 9);
        QVERIFY(waitForAnswers(1));
        const Json::Value entry = onlyLogEntry();
        QCOMPARE(JsonRead::getString(entry, "path"), std::string("/install_log"));
        const Json::Value form = JsonRead::getObject(entry, "form");
        QCOMPARE(JsonRead::getString(form, "oem"), std::string("377"));
        QCOMPARE(JsonRead::getString(form, "platform"), std::string("1"));
        QCOMPARE(JsonRead::getString(form, "type"), std::string("2"));
        QCOMPARE(m_recv->calls, QStringList({"PostEventInterface:2"}));
        QVERIFY(m_recv->ui.isEmpty());
    }

    void abnormalLogUpload_data()
    {
        QTest::addColumn<QString>("upName");
        QTest::addColumn<QString>("expected");
        QTest::newRow("name from the path") << QString() << "crash.log";
        QTest::newRow("given name") << "update-2.1.1.log"
                                    << "update-2.1.1.log";
    }

    void abnormalLogUpload()
    {
        QFETCH(QString, upName);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString qstrPath = dir.filePath("crash.log");
        const QByteArray content = "update failed: 0x2\n" + QByteArray(5000, 'x');
        QFile file(qstrPath);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();

        m_recv->pushUpdateAbnormalLog(qstrPath, upName);
        QVERIFY(waitForAnswers(1));
        const Json::Value entry = onlyLogEntry();
        QCOMPARE(JsonRead::getString(entry, "path"), std::string("/update_abnormal_log"));
        QCOMPARE(JsonRead::getBool(entry, "sign_ok"), true);
        const Json::Value files = JsonRead::getArray(entry, "files");
        QCOMPARE(files.size(), 1u);
        QCOMPARE(JsonRead::getString(files[0], "name"), std::string("file"));
        QCOMPARE(QString::fromStdString(JsonRead::getString(files[0], "filename")), expected);
        QCOMPARE(QByteArray::fromStdString(JsonRead::getString(files[0], "sha256")),
                 QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex());
        QVERIFY(m_recv->ui.isEmpty());
    }

    void missingLogFileSendsNothing()
    {
        QTemporaryDir dir;
        m_recv->pushUpdateAbnormalLog(dir.filePath("absent.log"), "x.log");
        m_recv->pushUpdateAbnormalLog(dir.path(), "folder.log");
        m_recv->pushInstallInfo();
        QVERIFY(waitForAnswers(1));
        QCOMPARE(m_service.log().size(), 1u);
    }

    void refusalsAndServerErrorsShowNothing_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("body");
        QTest::addColumn<int>("status");
        QTest::newRow("privacy refused") << "/agreement"
                                         << "body"
                                         << R"({"code":0,"result":{"web_privacy":"t"}})" << 200;
        QTest::newRow("company refused") << "/api/account/about"
                                         << "body"
                                         << R"({"ret":3,"ret_data":{"user":"u"}})" << 200;
        QTest::newRow("privacy server error") << "/agreement"
                                              << "status"
                                              << "oops" << 500;
        QTest::newRow("company server error") << "/api/account/about"
                                              << "status"
                                              << "oops" << 500;
    }

    void refusalsAndServerErrorsShowNothing()
    {
        QFETCH(QString, route);
        QFETCH(QString, mode);
        QFETCH(QString, body);
        QFETCH(int, status);
        Json::Value script;
        script["route"] = route.toStdString();
        script["mode"] = mode.toStdString();
        script["status"] = status;
        if (!JsonRead::parse(body.toStdString(), script["body"]))
            script["body"] = body.toStdString();
        QVERIFY(m_service.script(script));
        if (route == QLatin1String("/agreement"))
            m_recv->getPrivacy();
        else
            m_recv->InformationAbout();
        QVERIFY(waitForAnswers(1));
        QVERIFY(m_service.log().size() >= 1);
        QVERIFY(m_recv->ui.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_SharedLayerRequests)
#include "tst_SharedLayerRequests.moc"
