#include "Interface/GlobleParam.h"
#include "PublicModule/HttpCurl/features/Encryption.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The side bar filled from the previous run's column cache, and the outside browser's
// address found in its own config file.
class tst_SideBar : public QObject
{
    Q_OBJECT

private:
    static QString cachePath()
    {
        return QCoreApplication::applicationDirPath() + "/temp/column/columnArray.ini";
    }

    static void writeCache(const QByteArray& json)
    {
        QVERIFY(QDir().mkpath(QFileInfo(cachePath()).path()));
        QFile file(cachePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(
            QByteArray::fromStdString(Encryption::GetInstance()->encode(json.toStdString())));
    }

    static void writeBrowserConfig(const QString& home, const QByteArray& text)
    {
        QVERIFY(QDir().mkpath(home + "/bitbrowser"));
        QFile file(home + "/bitbrowser/config.json");
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    const QByteArray m_cache =
        R"([{"pos": 1, "left_img_url": "https://cdn.example/img/a.png",
             "right_img_url": "https://cdn.example/img/b.png", "jump_url": "j1"},
            {"pos": 2, "left_img_url": "c.png", "right_img_url": "https://cdn.example/d.png"},
            {"pos": 1, "left_img_url": "", "type": 4},
            {"pos": 3, "left_img_url": "https://cdn.example/e.png"},
            "not an object"])";

private slots:
    void cleanupTestCase()
    {
        QDir(QCoreApplication::applicationDirPath() + "/temp").removeRecursively();
    }

    void cacheSplitsIntoColumnsAndRows()
    {
        GlobleParam param;
        param.initSideBar(); // no cache yet: nothing changes
        QVERIFY(param.getSideBarColumn().isEmpty());

        writeCache(m_cache);
        param.initSideBar();
        const QJsonArray columns = param.getSideBarColumn();
        const QJsonArray rows = param.getSideBarRow();
        QCOMPARE(columns.size(), 2);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(columns.at(0)["left_img_local"].toString(), QString("a.png"));
        QCOMPARE(columns.at(0)["right_img_local"].toString(), QString("b.png"));
        QCOMPARE(columns.at(0)["jump_url"].toString(), QString("j1"));
        QVERIFY(!columns.at(1).toObject().contains("left_img_local"));
        QCOMPARE(rows.at(0)["left_img_local"].toString(), QString("c.png"));
        QVERIFY(!rows.at(0).toObject().contains("right_img_local"));

        QSignalSpy columnSpy(&param, &GlobleParam::jsonSideBarColumnChanged);
        param.initSideBar(); // same content: silent
        QCOMPARE(columnSpy.count(), 0);

        writeCache("this is not json");
        param.initSideBar();
        QVERIFY(param.getSideBarColumn().isEmpty() && param.getSideBarRow().isEmpty());
        QCOMPARE(columnSpy.count(), 1);
    }

    void browserAddressUnderConfigHome()
    {
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
        GlobleParam param;
        QCOMPARE(param.getBrowserUrl(), std::string()); // no config file yet

        writeBrowserConfig(home.path(), R"({"localServerAddress": 54345})");
        QCOMPARE(param.getBrowserUrl(), std::string()); // not text
        writeBrowserConfig(home.path(), R"({"localServerAddress": "http://127.0.0.1:54345)");
        QCOMPARE(param.getBrowserUrl(), std::string()); // malformed

        writeBrowserConfig(home.path(), R"({ // by the browser
            "localServerAddress": "http://127.0.0.1:54345/"})");
        QCOMPARE(param.getBrowserUrl(), std::string("http://127.0.0.1:54345/"));
        QVERIFY(QFile::remove(home.path() + "/bitbrowser/config.json"));
        QCOMPARE(param.getBrowserUrl(), std::string("http://127.0.0.1:54345/")); // cached
    }
};

QTEST_GUILESS_MAIN(tst_SideBar)
#include "tst_SideBar.moc"
