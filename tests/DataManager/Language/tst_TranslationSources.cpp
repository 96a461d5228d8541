#include "TsFile.h"

#include <QDir>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

// Every text that lupdate finds in src/ (QML and C++) is a message of every .ts file, with a
// finished, non-empty translation: a text left out shows the source, and since translators
// accumulate in one process, possibly the previous language's text.
class tst_TranslationSources : public QObject
{
    Q_OBJECT

private:
    // A file's messages, each as "context | source (disambiguation)", and those of them
    // without a finished, non-empty translation.
    struct Messages
    {
        QSet<QString> all;
        QStringList untranslated;
    };

    static Messages read(const QString& qstrPath)
    {
        Messages messages;
        for (const TsMessage& message : readTsFile(qstrPath)) {
            if (!message.current())
                continue;
            const QString qstrKey = message.context + " | " + message.source
                                    + (message.comment.isEmpty() ? "" : " (" + message.comment + ")");
            messages.all.insert(qstrKey);
            if (!message.finished() || message.translation.isEmpty())
                messages.untranslated.append(qstrKey);
        }
        return messages;
    }

    QSet<QString> m_found;

private slots:
    void initTestCase()
    {
        QTemporaryDir folder;
        QProcess lupdate;
        lupdate.start(QStringLiteral(QEL_LUPDATE),
                      {"-silent", QStringLiteral(QEL_SOURCE_DIR "/src"), "-ts", folder.filePath("found.ts")});
        QVERIFY(lupdate.waitForFinished(120000 * QEL_TIME_FACTOR));
        QCOMPARE(lupdate.exitCode(), 0);
        m_found = read(folder.filePath("found.ts")).all;
        QVERIFY(m_found.size() > 100);
    }

    void everySourceIsTranslated_data()
    {
        QTest::addColumn<QString>("path");
        const QDir sources(QStringLiteral(QEL_SOURCE_DIR "/src/translation"));
        for (const QString& qstrName : sources.entryList({"*.ts"}))
            QTest::newRow(qPrintable(qstrName)) << sources.filePath(qstrName);
    }

    void everySourceIsTranslated()
    {
        QFETCH(QString, path);
        const Messages messages = read(path);
        QStringList missing = (m_found - messages.all).values();
        missing.sort();
        QVERIFY2(missing.isEmpty(), qPrintable("not in the file: " + missing.join("; ")));
        QVERIFY2(messages.untranslated.isEmpty(),
                 qPrintable("empty or unfinished: " + messages.untranslated.join("; ")));
    }
};

QTEST_GUILESS_MAIN(tst_TranslationSources)
#include "tst_TranslationSources.moc"
