#include "DataManager/Language/LanguageManager.h"
#include "DataManager/Language/LanguageObject.h"
#include "Interface/GlobleParam.h"
#include "StubWebRecv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

class tst_LanguageManager : public QObject
{
    Q_OBJECT

private:
    LanguageManager* m_manager = nullptr;

    static void writeLanguageFile(const QByteArray& content)
    {
        QFile file(LanguageManager::translationDir() + "Language.trs");
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    static QString shown(QObject* entry) { return entry->property("qstrLanguageName").toString(); }

    static const QByteArray kFixture;

private slots:
    void initTestCase()
    {
        const QDir built(QStringLiteral(QEL_BIN_DIR) + "/translation");
        QDir().mkpath(LanguageManager::translationDir());
        for (const QString& qm : built.entryList({"*.qm"})) {
            QFile::remove(LanguageManager::translationDir() + qm);
            QVERIFY(QFile::copy(built.filePath(qm), LanguageManager::translationDir() + qm));
        }
        m_manager = LanguageManager::GetInstance();
        QCOMPARE(LanguageManager::GetInstance(), m_manager);
    }

    void init() { writeLanguageFile(kFixture); }

    void missingOrMalformedFileGivesAnEmptyList()
    {
        QFile::remove(LanguageManager::translationDir() + "Language.trs");
        QVERIFY(m_manager->getLanguageList().isEmpty());
        writeLanguageFile("[{\"la\": \"English\",");
        QVERIFY(m_manager->getLanguageList().isEmpty());
        writeLanguageFile("{\"la\": \"English\", \"name\": \"English\", \"code\": \"_en\"}");
        QVERIFY(m_manager->getLanguageList().isEmpty());
        writeLanguageFile(
            "[\"English\", 3, {\"la\": 5, \"name\": \"English\", \"code\": \"_en\"}]");
        const QList<QObject*> list = m_manager->getLanguageList();
        QCOMPARE(list.size(), 1);
        QCOMPARE(shown(list[0]), QString());
        QCOMPARE(m_manager->getLanguageNameByCode("_en"), QString("English"));
    }

    void listFollowsTheFileAndOldEntriesSurvive()
    {
        const QList<QObject*> first = m_manager->getLanguageList();
        QCOMPARE(first.size(), 6);
        auto* german = qobject_cast<LanguageObject*>(first[1]);
        QVERIFY(german);
        QCOMPARE(german->getLanguageName(), QString("Deutsch"));
        QCOMPARE(german->getFileName(), QString("German"));
        QCOMPARE(german->getFilePath(), QString("qrc:/flag/German.png"));
        QCOMPARE(german->getLanguageCode(), QString("_de"));
        QCOMPARE(shown(first[2]), QString::fromUtf8("Fran\xc3\xa7"
                                                    "ais"));

        QPointer<QObject> kept = first[0];
        const QList<QObject*> second = m_manager->getLanguageList();
        QCOMPARE(second.size(), first.size());
        for (int i = 0; i < first.size(); ++i) {
            QVERIFY(second[i] != first[i]);
            QCOMPARE(shown(second[i]), shown(first[i]));
        }
        QVERIFY(kept);
    }

    void lookupsUseTheFirstExactCode()
    {
        m_manager->getLanguageList();
        QCOMPARE(m_manager->getLanguageShowByCode("_de"), QString("Deutsch"));
        QCOMPARE(m_manager->getLanguageNameByCode("_de"), QString("German"));
        QCOMPARE(m_manager->getLanguageFlagByCode("_de"), QString("qrc:/flag/German.png"));
        QCOMPARE(m_manager->getLanguageShowByCode("_DE"), QString());
        QCOMPARE(m_manager->getLanguageFlagByCode("_none"), QString("qrc:/flag/.png"));
        QCOMPARE(m_manager->getLanguageNameByCode("_xx"), QString());
    }

    void switchingInstallsAndAnnouncesTheLanguage()
    {
        StubWebRecv client;
        GlobleParam param;
        m_manager->getLanguageList();
        QSignalSpy codeSpy(&param, &GlobleParam::qstrLangCodeChanged);
        QSignalSpy languageSpy(&param, &GlobleParam::languageChanged);
        QSignalSpy columnSpy(&param, &GlobleParam::jsonSideBarColumnChanged);

        m_manager->changeLanguage("_de");
        QCOMPARE(QCoreApplication::translate("main", "Exit"), QString("Beenden"));
        QCOMPARE(QString::fromStdString(client.GetLanguage()), QString("_de"));
        QCOMPARE(param.getLangCode(), QString("_de"));
        QCOMPARE(m_manager->getCurrentLanguageShow(), QString("Deutsch"));
        QCOMPARE(m_manager->getCurrentLanguageImg(), QString("qrc:/flag/German.png"));
        QCOMPARE(codeSpy.count(), 1);
        QCOMPARE(languageSpy.count(), 1);
        QCOMPARE(columnSpy.count(), 1);
        QVERIFY(columnSpy[0][0].toJsonArray().isEmpty());

        // The same code again still re-evaluates the texts but is no new code.
        m_manager->changeLanguage("_de");
        QCOMPARE(codeSpy.count(), 1);
        QCOMPARE(languageSpy.count(), 2);
        QCOMPARE(columnSpy.count(), 2);

        // The newest translator wins over the earlier ones.
        m_manager->changeLanguage("_fa");
        QCOMPARE(QCoreApplication::translate("main", "Exit"), QString("Quitter"));
        m_manager->changeLanguage("_en");
        QCOMPARE(QCoreApplication::translate("main", "Exit"), QString("Exit"));
    }

    void unknownCodesAndMissingFilesChangeNothing()
    {
        StubWebRecv client;
        GlobleParam param;
        m_manager->getLanguageList();
        m_manager->changeLanguage("_de");
        QSignalSpy languageSpy(&param, &GlobleParam::languageChanged);

        for (const char* code : {"_xx", "_DE", "_tlh", "_none", ""})
            m_manager->changeLanguage(code);
        QCOMPARE(languageSpy.count(), 0);
        QCOMPARE(param.getLangCode(), QString("_de"));
        QCOMPARE(QString::fromStdString(client.GetLanguage()), QString("_de"));
        QCOMPARE(QCoreApplication::translate("main", "Exit"), QString("Beenden"));
    }

    void switchingWithoutServiceObjectOrParameters()
    {
        m_manager->getLanguageList();
        m_manager->changeLanguage("_fa");
        QCOMPARE(QCoreApplication::translate("main", "Exit"), QString("Quitter"));
        QCOMPARE(m_manager->getCurrentLanguageShow(), QString());
    }

    void emptyListBeforeReadingFindsNothing()
    {
        QFile::remove(LanguageManager::translationDir() + "Language.trs");
        m_manager->getLanguageList();
        GlobleParam param;
        param.setLangCode("_de");
        QSignalSpy languageSpy(&param, &GlobleParam::languageChanged);
        m_manager->changeLanguage("_de");
        QCOMPARE(languageSpy.count(), 0);
        QCOMPARE(m_manager->getCurrentLanguageShow(), QString());
    }

    // The QML engine deletes the singleton it was given; the next use builds a new one.
    void deletedInstanceIsNotHandedOutAgain()
    {
        delete m_manager;
        m_manager = LanguageManager::GetInstance();
        QVERIFY(m_manager);
        m_manager->getLanguageList();
        QCOMPARE(m_manager->getLanguageShowByCode("_en"), QString("English"));
    }
};

const QByteArray tst_LanguageManager::kFixture = R"json([
    {"la": "English", "name": "English", "code": "_en"},
    {"la": "Deutsch", "name": "German", "code": "_de"},
    {"la": "Français", "name": "French", "code": "_fa", "extra": true},
    {"la": "Klingon", "name": "Klingon", "code": "_tlh"},
    {"la": "Deutsch (again)", "name": "French", "code": "_de"},
    {"la": "No name", "code": "_none"}
])json";

QTEST_MAIN(tst_LanguageManager)
#include "tst_LanguageManager.moc"
