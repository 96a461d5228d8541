// Promotional pictures against the stand-in service: carousel entries point at cached
// files, a present file is not fetched again, one fetch per target, and anything that is
// not a bounded image from a web server leaves nothing in the cache.
#include "CountingInterfaceRecv.h"
#include "SandboxService.h"

#include "DataManager/Download/DownloadManager.h"
#include "DataManager/Search/SearchManager.h"
#include "Interface/GlobleParam.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/httpBase/HTTPEvent_KX.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kWaitMs = 10000 * QEL_TIME_FACTOR;
const uid_t kNobody = 65534;

QByteArray readAll(const QString& qstrPath)
{
    QFile file(qstrPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString cacheDir(const char* szFolder)
{
    return QCoreApplication::applicationDirPath() + "/temp/" + szFolder;
}

Json::Value images(const QStringList& urls, const QString& qstrHk = QString())
{
    Json::Value array(Json::arrayValue);
    for (const QString& qstrUrl : urls) {
        Json::Value element;
        element["img_url"] = qstrUrl.toStdString();
        element["img_url_hk"] = qstrHk.toStdString();
        element["jump_url"] = "https:x";
        array.append(element);
    }
    return array;
}

} // namespace

class tst_CarouselPictures : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_files;
    SandboxService m_service;
    std::unique_ptr<GlobleParam> m_param;
    std::unique_ptr<CountingInterfaceRecv> m_recv;

    QString fileUrl(const QString& qstrName) const
    {
        return m_service.resUrl() + "/files/" + qstrName;
    }

    int fetchesOf(const QString& qstrPath)
    {
        int nCount = 0;
        for (const Json::Value& entry : m_service.log())
            nCount += JsonRead::getString(entry, "path") == qstrPath.toStdString();
        return nCount;
    }

    void writeFile(const QString& qstrName, const QByteArray& bytes)
    {
        QFile file(m_files.filePath(qstrName));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Parses the carousel and waits until every request it started has ended: an entry
    // whose file another request is fetching ends only after a retry.
    void parseCarousel(const Json::Value& array)
    {
        SearchManager::GetInstance()->setCarouselDataJson(array);
        SearchManager::GetInstance()->beginRarseCarouselData();
        QVERIFY(m_recv->settle(kWaitMs));
    }

    // Hands the pictures at `urls` to the screens of the folder's kind; the activity
    // picture takes the second as its variant.
    void showPictures(const QString& qstrFolder, const QStringList& urls)
    {
        if (qstrFolder == "carousel") {
            SearchManager::GetInstance()->setCarouselDataJson(images(urls));
            SearchManager::GetInstance()->beginRarseCarouselData();
        } else if (qstrFolder == "loginview") {
            SearchManager::GetInstance()->setLoginImgDataJson(images(urls));
            SearchManager::GetInstance()->beginParseLoginImgData();
        } else if (qstrFolder == "activity") {
            Json::Value retData;
            retData["middle_img"]["img"] = urls.value(0).toStdString();
            retData["middle_img_hk"]["img"] = urls.value(1).toStdString();
            DownloadManager::GetInstance()->addMiddleImgByJson(retData);
        } else {
            HTTPEvent_KX answer(COLUMN_RESULT);
            answer.m_jsValue["code"] = 0;
            for (const QString& qstrUrl : urls) {
                Json::Value entry;
                entry["pos"] = 2;
                entry["left_img_url"] = qstrUrl.toStdString();
                answer.m_jsValue["ret_data"].append(entry);
            }
            m_recv->slotGetColumn(&answer);
        }
    }

    void verifyFetched(const QString& qstrCached)
    {
        QFile cached(qstrCached);
        QFile source(m_files.filePath("alpha.png"));
        QVERIFY(cached.open(QIODevice::ReadOnly) && source.open(QIODevice::ReadOnly));
        QCOMPARE(cached.readAll(), source.readAll());
    }

private slots:
    void initTestCase()
    {
        QImage picture(8, 8, QImage::Format_ARGB32);
        picture.fill(QColor(200, 20, 20, 120));
        QVERIFY(picture.save(m_files.filePath("alpha.png")));
        writeFile("text.png", "this is not a picture");
        QByteArray big(9 * 1024 * 1024, '\0');
        QFile png(m_files.filePath("alpha.png"));
        QVERIFY(png.open(QIODevice::ReadOnly));
        big.replace(0, int(png.size()), png.readAll()); // an image header, over the bound
        writeFile("big.png", big);
        QVERIFY(m_service.start({"--files", m_files.path()}));
        m_param.reset(new GlobleParam);
        m_recv.reset(new CountingInterfaceRecv);
    }

    void init()
    {
        QDir(QCoreApplication::applicationDirPath() + "/temp").removeRecursively();
        m_service.reset();
    }

    void cleanupTestCase()
    {
        delete SearchManager::GetInstance();
        delete DownloadManager::GetInstance();
        m_recv.reset();
        QDir(QCoreApplication::applicationDirPath() + "/temp").removeRecursively();
    }

    void carouselEntriesShowCachedFiles()
    {
        // Two elements share a file name and the variant equals the main address.
        parseCarousel(images({fileUrl("alpha.png"), fileUrl("alpha.png")}, fileUrl("alpha.png")));
        const QList<QObject*> entries = SearchManager::GetInstance()->getCarouseData();
        QCOMPARE(entries.size(), 2);
        const QString qstrCached = cacheDir("carousel") + "/alpha.png";
        for (QObject* pObject : entries) {
            auto* pEntry = static_cast<CarouseData*>(pObject);
            QCOMPARE(pEntry->getDataType(), int(Data_CarouseData));
            QCOMPARE(pEntry->getLocalPath(), QUrl::fromLocalFile(qstrCached).toString());
            QCOMPARE(pEntry->getLocalHkPath(), QUrl::fromLocalFile(qstrCached).toString());
        }
        QVERIFY(QFile::exists(qstrCached));
        QCOMPARE(fetchesOf("/files/alpha.png"), 1);
        QFile cached(qstrCached);
        QFile source(m_files.filePath("alpha.png"));
        QVERIFY(cached.open(QIODevice::ReadOnly) && source.open(QIODevice::ReadOnly));
        QCOMPARE(cached.readAll(), source.readAll());

        // Present: not fetched again; the array was used up by the parse.
        SearchManager::GetInstance()->beginRarseCarouselData();
        QVERIFY(SearchManager::GetInstance()->getCarouseData().isEmpty());
        SearchManager::GetInstance()->setLoginImgDataJson(images({fileUrl("alpha.png")}));
        SearchManager::GetInstance()->beginParseLoginImgData();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(cacheDir("loginview") + "/alpha.png"), kWaitMs);
        parseCarousel(images({fileUrl("alpha.png")}));
        QCOMPARE(fetchesOf("/files/alpha.png"), 2); // the sign-in copy only
    }

    void badPicturesLeaveNothing_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<int>("fetches");
        QTest::newRow("404") << "files/missing.png" << 1;
        QTest::newRow("not an image") << "files/text.png" << 1;
        QTest::newRow("over the bound") << "files/big.png" << 1;
        QTest::newRow("over the bound, no length") << "files/big.png?chunked=1" << 1;
        QTest::newRow("file address") << "file:/etc/hostname" << 0;
        QTest::newRow("ftp address") << "ftp:x/a.png" << 0;
        QTest::newRow("dot name") << "files/.." << 0;
    }

    void badPicturesLeaveNothing()
    {
        QFETCH(QString, url);
        QFETCH(int, fetches);
        const QString qstrUrl =
            url.startsWith("files/") ? m_service.resUrl() + "/" + url : url.replace("x/", "//x/");
        const int nBefore = m_recv->finished();
        parseCarousel(images({qstrUrl}));
        QCOMPARE(m_recv->finished(), nBefore + fetches);
        QDir cache(cacheDir("carousel"));
        QCOMPARE(cache.entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // A slide whose picture is not in the cache would be blank: an address naming no file, a
    // failed download, a variant missing in the language.
    void slidesHaveCachedPictures_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("lang");       // switched to once the downloads ended
        QTest::addColumn<QStringList>("slides"); // their click addresses
        QTest::newRow("carousel") << "carousel"
                                  << "_en" << QStringList{"e0", "e3"};
        QTest::newRow("sign-in") << "loginview"
                                 << "_en" << QStringList{"e0", "e3"};
        QTest::newRow("carousel, Hong Kong") << "carousel"
                                             << "_zh_hk" << QStringList{"e0"};
    }

    void slidesHaveCachedPictures()
    {
        QFETCH(QString, folder);
        QFETCH(QString, lang);
        QFETCH(QStringList, slides);
        const QString qstrGood = fileUrl("alpha.png");
        const QString qstrNoName = m_service.resUrl() + "/files/";
        const QString qstrFailed = fileUrl("missing.png");
        const QList<QStringList> pictures{{qstrGood, qstrGood},
                                          {qstrNoName, qstrNoName},
                                          {qstrFailed, qstrFailed},
                                          {qstrGood, fileUrl("missing-hk.png")}};
        Json::Value array(Json::arrayValue);
        for (const QStringList& picture : pictures) {
            Json::Value element;
            element["img_url"] = picture[0].toStdString();
            element["img_url_hk"] = picture[1].toStdString();
            element["jump_url"] = "e" + std::to_string(array.size());
            array.append(element);
        }
        SearchManager* pSearch = SearchManager::GetInstance();
        const bool bCarousel = folder == "carousel";
        const QString qstrLang = m_param->getLangCode();
        m_param->setLangCode("_en");
        if (bCarousel) {
            pSearch->setCarouselDataJson(array);
            pSearch->beginRarseCarouselData();
        } else {
            pSearch->setLoginImgDataJson(array);
            pSearch->beginParseLoginImgData();
        }
        const auto shown = [&]() {
            QStringList codes;
            for (QObject* pObject :
                 bCarousel ? pSearch->getCarouseData() : pSearch->getLoginImgData())
                codes.append(static_cast<CarouseData*>(pObject)->getCode());
            return codes;
        };
        QVERIFY(m_recv->settle(kWaitMs));
        m_param->setLangCode(lang);
        const QStringList after = shown();
        m_param->setLangCode(qstrLang);
        QCOMPARE(after, slides);
    }

    void middlePicture()
    {
        DownloadManager* pManager = DownloadManager::GetInstance();
        QCOMPARE(pManager->getMiddleParam(0), QString());
        Json::Value retData;
        retData["middle_img"]["url"] = "https:jump";
        retData["middle_img"]["img"] = fileUrl("alpha.png").toStdString();
        pManager->addMiddleImgByJson(retData);
        const QString qstrCached = cacheDir("activity") + "/alpha.png";
        QCOMPARE(pManager->getMiddleParam(0), QUrl::fromLocalFile(qstrCached).toString());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(qstrCached), kWaitMs);
        QVERIFY(pManager->getQmlObjByKey("middle_img", 1));
        QVERIFY(!pManager->getQmlObjByKey("middle_img", 2));

        pManager->addMiddleImgByJson(Json::Value(Json::objectValue)); // kept as it was
        QCOMPARE(pManager->getMiddleParam(1), fileUrl("alpha.png"));
    }

    // What stands at a picture's name and is not a picture file of ours is gone before the
    // screens get its address, and the picture is fetched: a FIFO stops whoever opens it,
    // a folder would stop every download.
    void plantedEntryIsReplaced_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("planted");
        QTest::newRow("carousel, FIFO") << "carousel"
                                        << "fifo";
        QTest::newRow("carousel, folder") << "carousel"
                                          << "folder";
        QTest::newRow("carousel, another user's file") << "carousel"
                                                       << "owner";
        QTest::newRow("activity, FIFO") << "activity"
                                        << "fifo";
        QTest::newRow("side bar, FIFO") << "column"
                                        << "fifo";
        QTest::newRow("side bar, folder") << "column"
                                          << "folder";
        QTest::newRow("carousel, link to a file of the user") << "carousel"
                                                              << "link";
        QTest::newRow("side bar, link to a file of the user") << "column"
                                                              << "link";
    }

    void plantedEntryIsReplaced()
    {
        QFETCH(QString, folder);
        QFETCH(QString, planted);
        if (planted == "owner" && ::getuid() != 0)
            QSKIP("only root can give a file to another user");
        const QString qstrCached = cacheDir(qPrintable(folder)) + "/alpha.png";
        const QByteArray path = QFile::encodeName(qstrCached);
        QVERIFY(QDir().mkpath(planted == "folder" ? qstrCached + "/inside"
                                                  : cacheDir(qPrintable(folder))));
        if (planted == "fifo")
            QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        else if (planted == "owner")
            QVERIFY(WebRecv::writeFileAtomically(qstrCached, "x") &&
                    ::chown(path.constData(), kNobody, kNobody) == 0);
        QTemporaryDir user;
        const QString qstrUserFile = user.filePath("letter.png");
        if (planted == "link") {
            QFile letter(qstrUserFile);
            QVERIFY(letter.open(QIODevice::WriteOnly) && letter.write("the user's") > 0);
            QVERIFY(QFile::link(qstrUserFile, qstrCached));
        }

        showPictures(folder, {fileUrl("alpha.png")});
        struct stat info;
        QVERIFY(::lstat(path.constData(), &info) != 0 ||
                (S_ISREG(info.st_mode) && info.st_uid == ::getuid()));
        QVERIFY(m_recv->settle(kWaitMs));
        verifyFetched(qstrCached);
        if (planted == "link")
            QCOMPARE(readAll(qstrUserFile), QByteArray("the user's"));
    }

    // A name as long as the system allows is fetched: its part file stays within the limit.
    void longestNamesAreFetched_data()
    {
        QTest::addColumn<int>("length");
        QTest::newRow("251 bytes") << 251;
        QTest::newRow("255 bytes") << 255;
    }

    void longestNamesAreFetched()
    {
        QFETCH(int, length);
        const QString qstrName = QString(length - 4, 'n') + ".png";
        QVERIFY(QFile::copy(m_files.filePath("alpha.png"), m_files.filePath(qstrName)));
        parseCarousel(images({fileUrl(qstrName)}));
        verifyFetched(cacheDir("carousel") + "/" + qstrName);
        QCOMPARE(QDir(cacheDir("carousel")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{qstrName});
    }

    // An address whose name is empty, "." or ".." names a cache folder or the one above it:
    // it fetches and removes nothing, and the good picture beside it is fetched. A link
    // planted as the cache folder leads nowhere, and neither it nor another user's folder
    // is written in: a folder of ours takes its place.
    void folderAddressRemovesNothing_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("ending");  // of the bad address; none when empty
        QTest::addColumn<QString>("planted"); // as temp/<folder>: a link outside, a folder
                                              // of another user, or nothing
        for (const char* szFolder : {"carousel", "loginview", "activity"})
            for (const char* szEnding : {"/", "/.", "/.."})
                QTest::addRow("%s, %s", szFolder, szEnding) << szFolder << szEnding << "";
        for (const char* szEnding : {"/..", "/", ""})
            QTest::addRow("carousel a link, %s", *szEnding ? szEnding : "good only")
                << "carousel" << szEnding << "link";
        QTest::newRow("carousel another user's, good only")
            << QString("carousel") << QString() << QString("owner");
    }

    void folderAddressRemovesNothing()
    {
        QFETCH(QString, folder);
        QFETCH(QString, ending);
        QFETCH(QString, planted);
        if (planted == "owner" && ::getuid() != 0)
            QSKIP("only root can give a folder to another user");
        const QStringList kept{"column/a.png",      "column/columnArray.ini", "carousel/old.png",
                               "loginview/old.png", "activity/old.png",       "exe/updatepack.exe",
                               "data/catalogue.bi"};
        for (const QString& qstrName : kept) {
            QVERIFY(QDir().mkpath(QFileInfo(cacheDir(qPrintable(qstrName))).path()));
            QVERIFY(WebRecv::writeFileAtomically(cacheDir(qPrintable(qstrName)), "kept"));
        }
        QTemporaryDir outside;
        const QStringList outsideFiles{"doc.txt", "target/old.png"};
        for (const QString& qstrName : outsideFiles) {
            QVERIFY(QDir().mkpath(QFileInfo(outside.filePath(qstrName)).path()));
            QVERIFY(WebRecv::writeFileAtomically(outside.filePath(qstrName), "kept"));
        }
        const QString qstrFolder = cacheDir(qPrintable(folder));
        if (planted == "link")
            QVERIFY(QDir(qstrFolder).removeRecursively() &&
                    QFile::link(outside.filePath("target"), qstrFolder));
        else if (planted == "owner")
            QCOMPARE(::chown(QFile::encodeName(qstrFolder).constData(), kNobody, kNobody), 0);

        QStringList urls{fileUrl("alpha.png")};
        if (!ending.isEmpty())
            urls.prepend(m_service.resUrl() + "/files" + ending);
        showPictures(folder, urls);
        QVERIFY(m_recv->settle(kWaitMs));
        for (const QString& qstrName : kept)
            if (planted.isEmpty() || !qstrName.startsWith(folder))
                QVERIFY2(readAll(cacheDir(qPrintable(qstrName))) == "kept", qPrintable(qstrName));
        QCOMPARE(QDir(outside.filePath("target")).entryList(QDir::Files), QStringList{"old.png"});
        for (const QString& qstrName : outsideFiles)
            QVERIFY2(readAll(outside.filePath(qstrName)) == "kept", qPrintable(qstrName));
        QVERIFY(!QFileInfo(qstrFolder).isSymLink());
        QCOMPARE(QFileInfo(qstrFolder).ownerId(), ::getuid());
        verifyFetched(qstrFolder + "/alpha.png");
    }
};

QTEST_GUILESS_MAIN(tst_CarouselPictures)
#include "tst_CarouselPictures.moc"
