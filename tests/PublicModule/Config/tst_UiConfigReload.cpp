#include "PublicModule/Config/UiConfig.h"
#include "PublicModule/HttpCurl/registerBase/RegisterBase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QUrl>
#include <QtTest>

// Reload mode, through the UiConfigDefault component and its one-second timer.
class tst_UiConfigReload : public QObject
{
    Q_OBJECT

private:
    const QString m_qstrFileName = QStringLiteral("tst_reload.json");
    QQmlEngine m_engine;

    QString configPath() const
    {
        return QCoreApplication::applicationDirPath() + "/translation/" + m_qstrFileName;
    }

    void writeConfig(const QByteArray& content)
    {
        QDir().mkpath(QFileInfo(configPath()).path());
        QFile file(configPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    std::unique_ptr<QObject> createDefault()
    {
        QQmlComponent component(&m_engine,
                                QUrl::fromLocalFile(QStringLiteral(QEL_SOURCE_DIR) +
                                                    "/src/qml/Config/UiConfigDefault.qml"));
        std::unique_ptr<QObject> object(
            component.createWithInitialProperties({{"strFileName", m_qstrFileName}}));
        if (!object)
            qWarning() << component.errors();
        return object;
    }

    static int s_failedParses;
    static void countFailedParses(QtMsgType, const QMessageLogContext&, const QString& qstrMsg)
    {
        if (qstrMsg == QLatin1String("json error!"))
            ++s_failedParses;
    }

    static QVariant property(QObject* object, const char* group, const char* key, int findType)
    {
        QVariant result;
        QMetaObject::invokeMethod(object, "getProperty", Q_RETURN_ARG(QVariant, result),
                                  Q_ARG(QVariant, group), Q_ARG(QVariant, key),
                                  Q_ARG(QVariant, findType));
        return result;
    }

private slots:
    void initTestCase() { CRegisterBase().RegisterQml(); }
    void cleanup() { QFile::remove(configPath()); }

    void missingFileStillStartsTheTimer()
    {
        UiConfig config;
        QVERIFY(config.isUiReload());
        config.setFileName("absent.json");
        QSignalSpy timers(&config, &UiConfig::cplusSignalTimer);
        QSignalSpy reloads(&config, &UiConfig::cplusSignalUiReload);
        config.initConfig();
        QCOMPARE(timers.count(), 1);
        QCOMPARE(timers[0][0].toInt(), 1);
        QCOMPARE(reloads.count(), 0);
    }

    // A parse that fails says so, which makes the parses of an unchanged file countable.
    void unchangedFileIsParsedAndReportedOnce_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("reports");
        QTest::addColumn<int>("failedParses");
        QTest::newRow("valid") << QByteArray(R"({"a": {"x": 1}})") << 1 << 0;
        QTest::newRow("malformed") << QByteArray(R"({"a": {"x": 1})") << 0 << 1;
    }
    void unchangedFileIsParsedAndReportedOnce()
    {
        QFETCH(QByteArray, content);
        writeConfig(content);
        UiConfig config;
        config.setFileName(m_qstrFileName);
        QSignalSpy updates(&config, &UiConfig::cplusSignalUpdateData);
        s_failedParses = 0;
        const QtMessageHandler previous = qInstallMessageHandler(countFailedParses);
        config.initConfig();
        config.loadUiConfig();
        config.loadUiConfig();
        qInstallMessageHandler(previous);
        QTEST(updates.count(), "reports");
        QTEST(s_failedParses, "failedParses");
    }

    void oneEditChangingTwoValuesReachesBothHolders()
    {
        writeConfig(R"({"a": {"x": 1, "y": 2, "label": "one"}, "b": {"img": "one.png"}})");
        auto view = createDefault();
        QVERIFY(view);
        auto* config = view->findChild<UiConfig*>();
        QVERIFY(config);
        const QString qstrFolder = QCoreApplication::applicationDirPath() + "/image/image/";

        QCOMPARE(property(view.get(), "a", "x", 0), QVariant(1.0));
        QCOMPARE(property(view.get(), "a", "y", 0), QVariant(2.0));
        QCOMPARE(property(view.get(), "a", "label", 0).toString(), QString("one"));
        QCOMPARE(property(view.get(), "b", "img", 1).toString(),
                 QUrl::fromLocalFile(qstrFolder + "one.png").toString());
        QVERIFY(!property(view.get(), "a", "absent", 0).isValid());

        QSignalSpy updates(config, &UiConfig::cplusSignalUpdateData);
        writeConfig(R"({"a": {"x": 10, "y": 20, "label": "one"}, "b": {"img": "two.png"}})");
        QTRY_VERIFY_WITH_TIMEOUT(updates.count() == 3, 1600);
        QCOMPARE(property(view.get(), "a", "x", 0), QVariant(10.0));
        QCOMPARE(property(view.get(), "a", "y", 0), QVariant(20.0));
        QCOMPARE(property(view.get(), "b", "img", 1).toString(),
                 QUrl::fromLocalFile(qstrFolder + "two.png").toString());

        // The next ticks see the same contents and stay quiet.
        QTest::qWait(1200);
        QCOMPARE(updates.count(), 3);
    }
};

int tst_UiConfigReload::s_failedParses = 0;

// Reload mode is read from the command line, so the application gets "--uireload" while
// the test runner sees only its own options.
int main(int argc, char** argv)
{
    QVector<char*> appArgs(argv, argv + argc);
    char reloadOption[] = "--uireload";
    appArgs.append(reloadOption);
    int nAppArgs = appArgs.size();
    QGuiApplication app(nAppArgs, appArgs.data());
    tst_UiConfigReload test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_UiConfigReload.moc"
