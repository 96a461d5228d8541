#include "PublicModule/HttpCurl/registerBase/CRegedit.h"
#include "StubWebRecv.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The stores are INI files named after their registry paths, in the working directory,
// so every case runs in a fresh temporary one.
class tst_CRegedit : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;

    static QVariant stored(const QString& qstrKey)
    {
        return QSettings(CRegedit::installStoreName(), QSettings::NativeFormat).value(qstrKey);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(m_dir->path()));
    }

    void cleanup() { QDir::setCurrent(QDir::tempPath()); }

    void installRecordIsWrittenWithBackslashes()
    {
        CRegedit reg;
        reg.setInstallPath("/opt/qel");
        const quint64 nBefore = QDateTime::currentSecsSinceEpoch();
        reg.reg_SetInstall();

        QVERIFY(QFile::exists(
            "HKEY_LOCAL_"
            "MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QelProxy"));
        QCOMPARE(stored("InstallPath").toString(), QString("\\opt\\qel"));
        QCOMPARE(stored("DisplayCata").toString(), QString("\\opt\\qel\\QelProxy_cata"));
        QCOMPARE(stored("DisplayName").toString(), QString("Qel Proxy"));
        QCOMPARE(stored("UninstallString").toString(),
                 QString("\\opt\\qel\\QelProxy_cata\\uninstall.exe"));
        QCOMPARE(stored("DisplayIcon"), stored("UninstallString"));
        QCOMPARE(stored("EstimatedSize").toUInt(), 0u);
        QVERIFY(!stored("Publisher").toString().isEmpty());
        QVERIFY(stored("InstallTime").toULongLong() >= nBefore);
        QVERIFY(stored("InstallTime").toULongLong() <= reg.Install_GetTime());
    }

    // With an empty install path the uninstaller's name is relative to the working folder.
    void emptyPathAndUninstallerSize()
    {
        QFile uninstaller("\\QelProxy_cata\\uninstall.exe");
        QVERIFY(uninstaller.open(QIODevice::WriteOnly));
        uninstaller.write(QByteArray(3000, 'x'));
        uninstaller.close();

        CRegedit reg;
        reg.reg_SetInstall();
        QCOMPARE(stored("InstallPath").toString(), QString());
        QCOMPARE(stored("DisplayCata").toString(), QString("\\QelProxy_cata"));
        QCOMPARE(stored("EstimatedSize").toUInt(), 2u);
    }

    void recordReadsBackIntoProperties()
    {
        CRegedit writer;
        writer.setInstallPath("/opt/qel");
        writer.reg_SetInstall();

        CRegedit reader;
        QSignalSpy pathSpy(&reader, &CRegedit::qstrInstallPathChanged);
        QSignalSpy timeSpy(&reader, &CRegedit::nInstallTimeChanged);
        reader.reg_GetInstall();
        QCOMPARE(reader.getInstallPath(), QString("\\opt\\qel"));
        QCOMPARE(quint64(reader.getInstallTime()), stored("InstallTime").toULongLong());
        QCOMPARE(pathSpy.count(), 1);
        QCOMPARE(timeSpy.count(), 1);

        reader.reg_GetInstall();
        QCOMPARE(pathSpy.count(), 1);
        QCOMPARE(timeSpy.count(), 1);
    }

    void emptyStoreKeepsPathAndResetsTime()
    {
        CRegedit reg;
        reg.setInstallPath("/kept");
        reg.setInstallTime(5);
        QSignalSpy pathSpy(&reg, &CRegedit::qstrInstallPathChanged);
        QSignalSpy timeSpy(&reg, &CRegedit::nInstallTimeChanged);
        reg.reg_GetInstall();
        QCOMPARE(reg.getInstallPath(), QString("/kept"));
        QCOMPARE(reg.getInstallTime(), 0);
        QCOMPARE(pathSpy.count(), 0);
        QCOMPARE(timeSpy.count(), 1);
        reg.reg_GetInstall();
        QCOMPARE(timeSpy.count(), 1);
    }

    void deletingClearsTheRecord()
    {
        CRegedit reg;
        reg.setInstallPath("/opt/qel");
        reg.reg_SetInstall();
        reg.Reg_DelInstall();
        QVERIFY(
            QSettings(CRegedit::installStoreName(), QSettings::NativeFormat).allKeys().isEmpty());
    }

    void autostartKeepsOnlyTheLastPath()
    {
        CRegedit reg;
        reg.Reg_StartAuto("/opt/qel/first");
        reg.Reg_StartAuto("/opt/qel/QelProxy");
        QSettings autostart(CRegedit::kAutoStartStore, QSettings::NativeFormat);
        QCOMPARE(autostart.allKeys(), QStringList{"appname"});
        QCOMPARE(autostart.value("appname").toString(), QString("/opt/qel/QelProxy"));
    }

    void namesComeFromTheClientState()
    {
        StubWebRecv client;
        client.SetProduceName("Other");
        client.SetLinkName("Other Proxy");
        client.SetUpdateVersion("305");
        CRegedit reg;
        reg.setInstallPath("C:/P");
        reg.reg_SetInstall();
        QVERIFY(CRegedit::installStoreName().endsWith("\\Uninstall\\Other"));
        QCOMPARE(stored("DisplayCata").toString(), QString("C:\\P\\Other_cata"));
        QCOMPARE(stored("DisplayName").toString(), QString("Other Proxy"));
        QCOMPARE(stored("DisplayVersion").toString(), QString("3.0.5"));
    }
};

QTEST_GUILESS_MAIN(tst_CRegedit)
#include "tst_CRegedit.moc"
