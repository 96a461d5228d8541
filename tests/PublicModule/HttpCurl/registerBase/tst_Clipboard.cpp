#include "PublicModule/HttpCurl/registerBase/Clipboard.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

class tst_Clipboard : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString writePicture(const QString& qstrName, const char* format)
    {
        QImage image(24, 12, QImage::Format_RGB32);
        image.fill(QColor(0, 160, 0));
        const QString qstrPath = m_dir.filePath(qstrName);
        image.save(qstrPath, format);
        return qstrPath;
    }

    QString writeText(const QString& qstrName, const QByteArray& content)
    {
        const QString qstrPath = m_dir.filePath(qstrName);
        QFile file(qstrPath);
        file.open(QIODevice::WriteOnly);
        file.write(content);
        return qstrPath;
    }

private slots:
    void cleanup()
    {
        QDir(Clipboard::cutFolder()).removeRecursively();
        QGuiApplication::clipboard()->clear();
    }

    void textGoesOnAndComesBack()
    {
        Clipboard clip;
        clip.setText("127.0.0.1:20001");
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("127.0.0.1:20001"));
        QSignalSpy spy(&clip, &Clipboard::signal_ChatCopyResult);
        QCOMPARE(clip.getImage(), int(Clipboard::KindText));
        QCOMPARE(spy.count(), 0);

        clip.setText("");
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    }

    void pictureFileIsPutOnAndSavedUnderCut()
    {
        Clipboard clip;
        const QString qstrSource = writePicture("shot.png", "PNG");
        clip.setImageByPath(QUrl::fromLocalFile(qstrSource).toString(), 7);
        QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(24, 12));

        QSignalSpy spy(&clip, &Clipboard::signal_ChatCopyResult);
        QCOMPARE(clip.getImage(5), int(Clipboard::KindPicture));
        QCOMPARE(spy.count(), 1);
        const QList<QVariant> result = spy.takeFirst();
        const QString qstrSaved = result[2].toString();
        QCOMPARE(result[0].toInt(), int(Clipboard::KindPicture));
        QCOMPARE(QFileInfo(qstrSaved).absolutePath() + "/", Clipboard::cutFolder());
        QVERIFY(qstrSaved.endsWith(".jpg"));
        QCOMPARE(result[1].toString(), QFileInfo(qstrSaved).fileName());
        QCOMPARE(result[3].toInt(), 5);

        const QImage saved(qstrSaved);
        QCOMPARE(saved.size(), QSize(24, 12));
        QVERIFY(qAbs(QColor(saved.pixel(12, 6)).green() - 160) < 16);
    }

    void emptyClipboardAnswersNothing()
    {
        Clipboard clip;
        QGuiApplication::clipboard()->clear();
        QSignalSpy spy(&clip, &Clipboard::signal_ChatCopyResult);
        QCOMPARE(clip.getImage(), int(Clipboard::KindNone));
        QCOMPARE(spy.count(), 0);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("Cannot display data"));
    }

    void htmlIsRecognisedWithoutReport()
    {
        Clipboard clip;
        auto* mime = new QMimeData;
        mime->setHtml("<b>x</b>");
        QGuiApplication::clipboard()->setMimeData(mime);
        QSignalSpy spy(&clip, &Clipboard::signal_ChatCopyResult);
        QCOMPARE(clip.getImage(), int(Clipboard::KindHtml));
        QCOMPARE(spy.count(), 0);
    }

    // A file URL keeps the leading slash of its POSIX path and is percent-decoded.
    void fileUrlInTextNamesTheLocalFile()
    {
        Clipboard clip;
        const QString qstrPicture = writePicture("a picture.txt", "PNG");
        const QString qstrNote = writeText("note.png", "plain words");
        QSignalSpy spy(&clip, &Clipboard::signal_ChatCopyResult);

        clip.setText("see " + QUrl::fromLocalFile(qstrPicture).toString(QUrl::FullyEncoded) +
                     "\nnext line");
        QCOMPARE(clip.getImage(2), int(Clipboard::KindPicture));
        QCOMPARE(spy.last()[2].toString(), qstrPicture);
        QCOMPARE(spy.last()[1].toString(), QString("a picture.txt"));

        clip.setText(QUrl::fromLocalFile(qstrNote).toString());
        QCOMPARE(clip.getImage(), int(Clipboard::KindText));
        QCOMPARE(spy.last()[0].toInt(), int(Clipboard::KindText));
        QCOMPARE(spy.last()[2].toString(), qstrNote);
    }

    void kindsOfFilesJudgeTheContents()
    {
        Clipboard clip;
        const QString qstrEmpty = writeText("empty.png", "");
        const QString qstrPicture = writePicture("picture.txt", "PNG");
        const QString qstrText = writeText("words.jpg", "not a picture");
        QCOMPARE(clip.getTextType(qstrEmpty), int(Clipboard::KindMissingFile));
        QCOMPARE(clip.getTextType(m_dir.filePath("absent")), int(Clipboard::KindMissingFile));
        QCOMPARE(clip.getTextType(qstrPicture), int(Clipboard::KindPicture));
        QCOMPARE(clip.getTextType(qstrText), int(Clipboard::KindText));
        QVERIFY(!clip.isImage(m_dir.filePath("absent")));
    }

    void missingPictureFilePutsAnEmptyImage()
    {
        Clipboard clip;
        clip.setImageByPath(m_dir.filePath("absent.png"));
        QVERIFY(QGuiApplication::clipboard()->image().isNull());
    }
};

QTEST_MAIN(tst_Clipboard)
#include "tst_Clipboard.moc"
