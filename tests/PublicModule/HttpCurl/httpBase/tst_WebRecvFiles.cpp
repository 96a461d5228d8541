#include "StubWebRecv.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

// File helpers, each test in a fresh temporary folder.
class tst_WebRecvFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir* m_pDir = nullptr;
    StubWebRecv m_recv;

    QString path(const QString& relative) const { return m_pDir->filePath(relative); }

    static void writeFile(const QString& filePath, const QByteArray& content)
    {
        QDir().mkpath(QFileInfo(filePath).path());
        QFile file(filePath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    static uint modeOf(const QString& filePath)
    {
        struct stat info
        {
        };
        return ::stat(QFile::encodeName(filePath).constData(), &info) == 0 ? info.st_mode & 0777
                                                                           : 0;
    }

    static QByteArray readFile(const QString& filePath)
    {
        QFile file(filePath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

private slots:
    void init()
    {
        m_pDir = new QTemporaryDir;
        QVERIFY(m_pDir->isValid());
    }

    void cleanup()
    {
        delete m_pDir;
        m_pDir = nullptr;
    }

    void fileExistenceNeedsContent()
    {
        writeFile(path("empty.txt"), QByteArray());
        writeFile(path("full.txt"), "x");
        QVERIFY(!m_recv.IsHaveFile(path("missing.txt")));
        QVERIFY(!m_recv.IsHaveFile(path("empty.txt")));
        QVERIFY(m_recv.IsHaveFile(path("full.txt")));
        QCOMPARE(m_recv.getFileSize(path("missing.txt")), qint64(0));
    }

    void createFileSelfFoldersAndFiles()
    {
        QVERIFY(m_recv.CreateFileSelf(path("a/b/c"), false));
        QVERIFY(QFileInfo(path("a/b/c")).isDir());

        // A dot in a parent folder name does not make the last component a file.
        QVERIFY(m_recv.CreateFileSelf(path("v1.2/cache"), false));
        QVERIFY(QFileInfo(path("v1.2/cache")).isDir());

        QVERIFY(m_recv.CreateFileSelf(path("d/e/new.txt"), false));
        QVERIFY(QFileInfo(path("d/e/new.txt")).isFile());
        // Like every folder and file the program keeps, the user's alone.
        QCOMPARE(modeOf(path("d")), 0700u);
        QCOMPARE(modeOf(path("d/e")), 0700u);
        QCOMPARE(modeOf(path("d/e/new.txt")), 0600u);

        writeFile(path("keep.txt"), "old");
        QVERIFY(m_recv.CreateFileSelf(path("keep.txt"), false));
        QCOMPARE(readFile(path("keep.txt")), QByteArray("old"));
        QVERIFY(m_recv.CreateFileSelf(path("keep.txt"), true));
        QCOMPARE(readFile(path("keep.txt")), QByteArray());

        // A regular file standing where a folder is needed.
        writeFile(path("plain"), "x");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("创建文件目录失败"));
        QVERIFY(!m_recv.CreateFileSelf(path("plain/sub/f.txt"), false));
    }

    void saveReplacesWholeContent()
    {
        const QString target = path("deep/er/out.txt");
        QVERIFY(m_recv.SaveFileChar("a much longer first text", target));
        QVERIFY(m_recv.SaveFileChar("short", target));
        QCOMPARE(readFile(target), QByteArray("short"));
        QCOMPARE(modeOf(path("deep")), 0700u);
        QCOMPARE(modeOf(path("deep/er")), 0700u);
        QCOMPARE(modeOf(target), 0600u);

        const QByteArray binary("\x00\x01\xff\x00", 4);
        QVERIFY(m_recv.SavePicByte(binary, target));
        QCOMPARE(readFile(target), binary);

        QVERIFY(m_recv.SaveFileChar(nullptr, target));
        QCOMPARE(readFile(target), QByteArray());

        // Clipboard pictures are kept as privately as the rest.
        QPixmap picture(2, 2);
        picture.fill(Qt::red);
        QVERIFY(WebRecv::savePicture(picture, path("pictures/icon.png"), "PNG"));
        QCOMPARE(modeOf(path("pictures")), 0700u);
        QCOMPARE(modeOf(path("pictures/icon.png")), 0600u);
        QCOMPARE(QImage(path("pictures/icon.png")).size(), QSize(2, 2));
    }

    void failedSaveKeepsOldContent()
    {
        const QString target = path("kept.txt");
        writeFile(target, "old");

        // Limit file size so the write itself fails part-way.
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = previous;
        limited.rlim_cur = 16;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const bool bSaved = m_recv.SaveFileChar(QByteArray(4096, 'n').constData(), target);
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("文件创建失败"));
        const bool bSavedPic = m_recv.SavePicByte(QByteArray(4096, 'p'), target);
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!bSaved);
        QVERIFY(!bSavedPic);
        QCOMPARE(readFile(target), QByteArray("old"));
        QCOMPARE(QDir(m_pDir->path()).entryList(QDir::Files), QStringList{"kept.txt"});

        // A folder that cannot be made is a failure too.
        writeFile(path("plain"), "x");
        QVERIFY(!m_recv.SaveFileChar("x", path("plain/f.txt")));
    }

    void readFileText()
    {
        std::string buffer = "untouched";
        QVERIFY(!m_recv.ReadFileText(buffer, path("missing.txt")));
        QCOMPARE(buffer, std::string("untouched"));
        // Only regular files are read; a FIFO without a writer must not block.
        QVERIFY(QDir().mkpath(path("folder.txt")));
        QCOMPARE(::mkfifo(QFile::encodeName(path("fifo.txt")).constData(), 0600), 0);
        QVERIFY(!m_recv.ReadFileText(buffer, path("folder.txt")));
        QVERIFY(!m_recv.ReadFileText(buffer, path("fifo.txt")));
        QCOMPARE(buffer, std::string("untouched"));

        writeFile(path("empty.txt"), QByteArray());
        QVERIFY(m_recv.ReadFileText(buffer, path("empty.txt")));
        QCOMPARE(buffer, std::string());

        writeFile(path("crlf.txt"), "a\r\nb\r\n");
        QVERIFY(m_recv.ReadFileText(buffer, path("crlf.txt")));
        QCOMPARE(buffer, std::string("a\nb\n"));

        const QString chinese = QString::fromUtf8("设置");
        writeFile(path("gbk.txt"), QTextCodec::codecForName("GBK")->fromUnicode(chinese));
        QVERIFY(m_recv.ReadFileText(buffer, path("gbk.txt")));
        QCOMPARE(QString::fromStdString(buffer), chinese);
    }

    void copyDirectoryTree()
    {
        writeFile(path("src/a.txt"), "new a");
        writeFile(path("src/b.txt"), "new b");
        writeFile(path("src/.hidden"), "h");
        writeFile(path("src/sub/c.txt"), "new c");
        writeFile(path("dst/a.txt"), "old a");

        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^copy error: false$"));
        QTest::ignoreMessage(QtDebugMsg,
                             QRegularExpression("^fileInfo\\.filePath\\(\\): .*a\\.txt"));
        QTest::ignoreMessage(QtDebugMsg,
                             QRegularExpression("^fileInfo\\.fileName\\(\\): \"a\\.txt\""));
        QVERIFY(m_recv.CopyDirectoryFiles(path("src"), path("dst"), false));
        QCOMPARE(readFile(path("dst/a.txt")), QByteArray("old a"));
        QCOMPARE(readFile(path("dst/b.txt")), QByteArray("new b"));
        QCOMPARE(readFile(path("dst/sub/c.txt")), QByteArray("new c"));
        QVERIFY(!QFile::exists(path("dst/.hidden")));

        QVERIFY(m_recv.CopyDirectoryFiles(path("src"), path("dst"), true));
        QCOMPARE(readFile(path("dst/a.txt")), QByteArray("new a"));

        // Copying a folder into itself would never end.
        QVERIFY(!m_recv.CopyDirectoryFiles(path("src"), path("src/sub/inner"), true));
        QVERIFY(!QFile::exists(path("src/sub/inner")));
    }

    void fileNamesOfBiFiles()
    {
        writeFile(path("list/b.bi"), "1");
        writeFile(path("list/a.bi"), "1");
        writeFile(path("list/c.txt"), "1");
        QDir().mkpath(path("list/d.bi"));
        QStringList names{"stale"};
        QVERIFY(m_recv.getFileNames(path("list"), names));
        QCOMPARE(names, (QStringList{"a.bi", "b.bi"}));
    }
};

QTEST_MAIN(tst_WebRecvFiles)
#include "tst_WebRecvFiles.moc"
