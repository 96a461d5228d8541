#include "PublicModule/Config/UiConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QUrl>
#include <QtTest>

// Outside reload mode: the file lives in this test program's own "translation" folder.
class tst_UiConfig : public QObject
{
    Q_OBJECT

private:
    const QString m_qstrFileName = QStringLiteral("tst_ui.json");

    static QString translationDir()
    {
        return QCoreApplication::applicationDirPath() + "/translation";
    }

    void writeConfig(const QByteArray& content)
    {
        QDir().mkpath(translationDir());
        QFile file(translationDir() + "/" + m_qstrFileName);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    static QStringList reportedKeys(const QSignalSpy& spy)
    {
        QStringList keys;
        for (const QList<QVariant>& call : spy)
            keys << call[0].toString();
        return keys;
    }

    std::unique_ptr<UiConfig> makeConfig()
    {
        auto config = std::make_unique<UiConfig>();
        config->setFileName(m_qstrFileName);
        config->setFilderName("skin");
        return config;
    }

    QString pictureFolder() const
    {
        return QCoreApplication::applicationDirPath() + "/image/skin/";
    }

private slots:
    void cleanup() { QFile::remove(translationDir() + "/" + m_qstrFileName); }

    void everyValueIsReportedOnceThenAll()
    {
        writeConfig(R"({"btn": {"width": 80, "color": "red", "visible": true,
                               "nested": {"x": 1}, "list": [1, 2]},
                       "count": 3,
                       "a": {"source": "logo.png"}})");
        auto config = makeConfig();
        QVERIFY(!config->isUiReload());
        QSignalSpy updates(config.get(), &UiConfig::cplusSignalUpdateData);
        QSignalSpy reloads(config.get(), &UiConfig::cplusSignalUiReload);
        QSignalSpy timers(config.get(), &UiConfig::cplusSignalTimer);
        config->initConfig();

        QCOMPARE(reportedKeys(updates),
                 (QStringList{"asource", "btncolor", "btnlist", "btnvisible", "btnwidth"}));
        QCOMPARE(updates[0][1].toString(),
                 QUrl::fromLocalFile(pictureFolder() + "logo.png").toString());
        QCOMPARE(updates[0][2].toString(), pictureFolder());
        QCOMPARE(updates[4][1].toInt(), 80);
        QCOMPARE(updates[2][1].toList().size(), 2);
        QCOMPARE(reloads.count(), 1);
        QCOMPARE(reloads[0][0].toString(), QString("all"));
        QCOMPARE(reloads[0][1].toInt(), 1);
        QCOMPARE(timers.count(), 0);
    }

    void valuesAreLookedUpByGroupAndKey()
    {
        writeConfig(R"({"btn": {"width": 80, "nested": {"x": 1}}, "count": 3,
                       "imgGroup": {"name": "plain", "img_bg": "bg.png"}})");
        auto config = makeConfig();
        config->initConfig();

        QCOMPARE(config->getUiData("btn", "width").toInt(), 80);
        QCOMPARE(config->getUiData("btn", "nested").toMap().value("x").toInt(), 1);
        QVERIFY(!config->getUiData("btn", "missing").isValid());
        QVERIFY(!config->getUiData("count", "width").isValid());
        QVERIFY(!config->getUiData("nogroup", "width").isValid());
        // A picture key is a file URL in the picture folder; a missing one is nothing.
        QCOMPARE(config->getUiData("imgGroup", "img_bg").toString(),
                 QUrl::fromLocalFile(pictureFolder() + "bg.png").toString());
        QVERIFY(!config->getUiData("imgGroup", "img_none").isValid());
        // Only the member name decides at lookup; the group name counts when reporting.
        QCOMPARE(config->getUiData("imgGroup", "name").toString(), QString("plain"));
    }

    void groupNameWithImgMakesReportedValuesPictures()
    {
        writeConfig(R"({"imgGroup": {"name": "plain.png"}})");
        auto config = makeConfig();
        QSignalSpy updates(config.get(), &UiConfig::cplusSignalUpdateData);
        config->initConfig();
        QCOMPARE(updates.count(), 1);
        QCOMPARE(updates[0][1].toString(),
                 QUrl::fromLocalFile(pictureFolder() + "plain.png").toString());
    }

    void missingOrBrokenFileReportsNothingAndKeepsValues()
    {
        auto config = makeConfig();
        QSignalSpy updates(config.get(), &UiConfig::cplusSignalUpdateData);
        QSignalSpy reloads(config.get(), &UiConfig::cplusSignalUiReload);
        config->initConfig();
        QCOMPARE(updates.count() + reloads.count(), 0);

        writeConfig(R"({"btn": {"width": 80}})");
        config->loadUiConfig();
        QCOMPARE(updates.count(), 1);

        writeConfig(R"({"btn": {"width": 9)");
        config->loadUiConfig();
        QCOMPARE(updates.count(), 1);
        QCOMPARE(config->getUiData("btn", "width").toInt(), 80);
    }

    // Outside reload mode a later load compares against the adopted document.
    void laterLoadReportsEveryChangedValue()
    {
        writeConfig(R"({"a": {"x": 1, "y": 2}, "b": {"z": 3}})");
        auto config = makeConfig();
        config->initConfig();
        QSignalSpy updates(config.get(), &UiConfig::cplusSignalUpdateData);

        config->loadUiConfig();
        QCOMPARE(updates.count(), 0);

        writeConfig(R"({"a": {"x": 10, "y": 20, "w": 0}, "b": {"z": 30}})");
        config->loadUiConfig();
        QCOMPARE(reportedKeys(updates), (QStringList{"aw", "ax", "ay", "bz"}));
        QCOMPARE(config->getUiData("b", "z").toInt(), 30);
    }
};

QTEST_GUILESS_MAIN(tst_UiConfig)
#include "tst_UiConfig.moc"
