// First dispatch, download events, the shell entry points, the shared answer handlers and
// the thread behaviour of the UI message channel; no network.
#include "RecordingInterfaceRecv.h"

#include "PublicModule/HttpCurl/features/JsonRead.h"

#include <QDesktopServices>
#include <QMutex>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QThreadPool>
#include <QVector>

#include <memory>

namespace {

HTTPEvent_KX* answerRecord(int nCmd, const char* szJson)
{
    auto* pEvent = new HTTPEvent_KX(nCmd);
    JsonRead::parse(szJson, pEvent->m_jsValue);
    return pEvent;
}

// Records each UI message with the thread it arrived on.
class UiSink : public QObject
{
public:
    void take(int nType, const QString& qstrValue)
    {
        QMutexLocker lock(&mutex);
        arrivals.append({nType, qstrValue, QThread::currentThread()});
    }
    struct Arrival
    {
        int nType;
        QString qstrValue;
        QThread* pThread;
    };
    QMutex mutex;
    QList<Arrival> arrivals;
};

} // namespace

// Stands in for the desktop's opener of every scheme a saved file could be opened with.
class OpenRecorder : public QObject
{
    Q_OBJECT
public:
    OpenRecorder()
    {
        for (const QString& scheme : kSchemes)
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~OpenRecorder() override
    {
        for (const QString& scheme : kSchemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.append(url); }

private:
    const QStringList kSchemes{"", "file", "http", "https"};
};

class tst_InterfaceRecvBase : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<RecordingInterfaceRecv> m_recv;

    // Feeds the download hook the given percentages for one record, as the transport does.
    QList<QVariantList> feedProgress(HTTPEvent_KX& event, const QList<int>& percents)
    {
        QSignalSpy spy(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        for (int nPercent : percents) {
            event.m_nParam5 = nPercent;
            m_recv->SetDownloadEvent(&event);
        }
        QList<QVariantList> messages;
        for (const QList<QVariant>& args : spy)
            messages.append(args);
        return messages;
    }

    QList<QVariantList> answer(int nCmd, const char* szJson)
    {
        std::unique_ptr<HTTPEvent_KX> pEvent(answerRecord(nCmd, szJson));
        m_recv->ui.clear();
        m_recv->PostEvent(pEvent.get());
        return m_recv->ui;
    }

private slots:
    void init() { m_recv.reset(new RecordingInterfaceRecv); }
    void cleanup() { m_recv.reset(); }

    void instanceFollowsTheServiceObject()
    {
        QCOMPARE(InterfaceRecvBase::GetInstance(), m_recv.get());
        QCOMPARE(g_pWebRecv, static_cast<WebRecv*>(m_recv.get()));
        m_recv.reset();
        QVERIFY(InterfaceRecvBase::GetInstance() == nullptr);
    }

    void everyAnswerReachesTheApplicationLayer()
    {
        HTTPEvent_KX install(INSTALL_RECORD_RESULT);
        HTTPEvent_KX unknown(140);
        m_recv->PostEventInterfaceBase(&install);
        m_recv->PostEventInterfaceBase(&unknown);
        m_recv->PostEventError(&unknown);
        QCOMPARE(m_recv->calls, QStringList({"PostEventInterface:2", "PostEventInterface:140",
                                             "PostEventInterfaceError:140"}));
        QVERIFY(m_recv->ui.isEmpty());
    }

    void downloadStepsAreReportedOncePerPercent()
    {
        HTTPEvent_KX update(DOWNLOAD_UPDATE_EXE);
        const QList<QVariantList> steps = feedProgress(update, {0, 0, 1, 1, 2, 2, 3});
        QCOMPARE(steps, (QList<QVariantList>{{20, "DOWNLOAD_UPDATE_EXE", 1},
                                             {20, "DOWNLOAD_UPDATE_EXE", 2},
                                             {20, "DOWNLOAD_UPDATE_EXE", 3}}));
        QCOMPARE(update.m_nParam6, std::int64_t(3));

        HTTPEvent_KX zip(DOWNLOAD_UPDATE_ZIP);
        HTTPEvent_KX driver(DRIVER_UPDATE);
        QCOMPARE(feedProgress(zip, {5}), (QList<QVariantList>{{20, "DOWNLOAD_UPDATE_ZIP", 5}}));
        QCOMPARE(feedProgress(driver, {7}), (QList<QVariantList>{{20, "DRIVER_UPDATE", 7}}));

        // Picture downloads and uploads other than the file upload stay silent.
        HTTPEvent_KX picture(105);
        HTTPEvent_KX crashLog(RECV_ABNORMAL_LOG);
        crashLog.m_nParam8 = 20;
        QVERIFY(feedProgress(picture, {10, 50}).isEmpty());
        QVERIFY(feedProgress(crashLog, {100}).isEmpty());
        QCOMPARE(picture.m_nParam6, std::int64_t(50));

        HTTPEvent_KX upload(UPLOAD_FILE);
        upload.m_nParam8 = 20;
        upload.m_strMd5 = "d41d8cd98f00b204e9800998ecf8427e";
        QCOMPARE(feedProgress(upload, {0, 100}),
                 (QList<QVariantList>{{30, "d41d8cd98f00b204e9800998ecf8427e", 100}}));
    }

    void cancelStopsOnlyTheUpdateDownload()
    {
        HTTPEvent_KX update(DOWNLOAD_UPDATE_EXE);
        QCOMPARE(feedProgress(update, {1}).size(), 1);
        m_recv->SetCancelUpdate(true);
        // Stopped at once, even before the percentage moves, and nothing more is shown.
        QVERIFY(feedProgress(update, {1, 2}).isEmpty());
        QCOMPARE(update.m_nParam7, std::int64_t(0));

        HTTPEvent_KX driver(DRIVER_UPDATE);
        HTTPEvent_KX picture(154);
        QCOMPARE(feedProgress(driver, {4}).size(), 1);
        feedProgress(picture, {4});
        QCOMPARE(driver.m_nParam7, std::int64_t(1));
        QCOMPARE(picture.m_nParam7, std::int64_t(1));
    }

    void shellEntryPoints()
    {
        m_recv->ResetAppStateBase(1);
        QCOMPARE(m_recv->calls, QStringList({"ui:1", "ResetAppState:1"}));
        QCOMPARE(m_recv->ui.value(0), (QVariantList{1, "Show Main", 1}));

        m_recv->ui.clear();
        m_recv->setAppSendValue(4, "{\"code\":2}", 0);
        m_recv->setAppSendValue(3, "reply", 7);
        emit m_recv->signal_SetUiData(13, "start proxy");
        QCOMPARE(m_recv->ui, (QList<QVariantList>{
                                 {4, "{\"code\":2}", 0}, {3, "reply", 7}, {13, "start proxy", 0}}));
    }

    void privacyAnswer()
    {
        QCOMPARE(answer(GET_PRIVACY, R"({"code":200,"result":{"web_privacy":"terms"}})"),
                 (QList<QVariantList>{{11, "terms", 0}}));
        QVERIFY(answer(GET_PRIVACY, R"({"code":0,"result":{"web_privacy":"terms"}})").isEmpty());
        QVERIFY(answer(GET_PRIVACY, R"({"code":200})").isEmpty());
        QVERIFY(answer(GET_PRIVACY, R"({"code":200,"result":"terms"})").isEmpty());
        QVERIFY(answer(GET_PRIVACY, R"({"code":[200],"result":{}})").isEmpty());
    }

    void companyAnswer()
    {
        QCOMPARE(answer(GET_ABOUTT, R"({"ret":0,"ret_data":{"user":"u"}})"),
                 (QList<QVariantList>{{12, "u", 0}}));
        QCOMPARE(
            answer(GET_ABOUTT, R"({"ret":0,"ret_data":{"user":"u","privacy":"p","company":"c"}})"),
            (QList<QVariantList>{{10, "c", 0}, {11, "p", 0}, {12, "u", 0}}));
        QCOMPARE(answer(GET_ABOUTT, R"({"ret_data":{"company":{"x":1}}})"),
                 (QList<QVariantList>{{10, "", 0}}));
        QVERIFY(answer(GET_ABOUTT, R"({"ret":1,"ret_data":{"user":"u"}})").isEmpty());
        QVERIFY(answer(GET_ABOUTT, R"({"ret":0,"ret_data":["user"]})").isEmpty());
        QVERIFY(answer(GET_ABOUTT, "null").isEmpty());
    }

    void installAndUpdateAnswers()
    {
        HTTPEvent_KX install(GET_INSTALL_RESULT);
        install.m_strFilePath = "/opt/qel/QelProxy";
        install.m_nParam1 = 1;
        m_recv->PostEventInterfaceBase(&install);
        QCOMPARE(m_recv->ui.value(0), (QVariantList{3, "/opt/qel/QelProxy", 1}));

        // The package cannot be started here: the client says where it is, stays open and
        // hands the package to no opener.
        m_recv->ui.clear();
        OpenRecorder opener;
        HTTPEvent_KX update(DOWNLOAD_UPDATE_EXE);
        update.m_strFilePath = "/opt/qel/temp/exe/updatepack.exe";
        m_recv->PostEventInterfaceBase(&update);
        QCoreApplication::processEvents();
        QCOMPARE(m_recv->ui, (QList<QVariantList>{{17, "/opt/qel/temp/exe/updatepack.exe", 0}}));
        QVERIFY(opener.urls.isEmpty());
    }

    void poolThreadMessagesArriveOnTheGuiThreadInOrder()
    {
        UiSink sink;
        connect(m_recv.get(), &InterfaceProcBase::signal_SetUiData, &sink,
                [&sink](int nType, QString qstrValue, int) { sink.take(nType, qstrValue); });
        QThreadPool pool;
        pool.setMaxThreadCount(4);
        constexpr int kSenders = 4;
        constexpr int kEach = 200;
        for (int s = 0; s < kSenders; ++s) {
            pool.start([this, s] {
                for (int i = 0; i < kEach; ++i)
                    m_recv->setAppSendValue(100 + s, QString::number(i), 0);
            });
        }
        QVERIFY(pool.waitForDone(10000));
        QTRY_COMPARE(sink.arrivals.size(), kSenders * kEach);
        QVector<int> next(kSenders, 0);
        for (const UiSink::Arrival& arrival : sink.arrivals) {
            QCOMPARE(arrival.pThread, QThread::currentThread());
            const int s = arrival.nType - 100;
            QCOMPARE(arrival.qstrValue.toInt(), next[s]++);
        }
    }
};

QTEST_GUILESS_MAIN(tst_InterfaceRecvBase)
#include "tst_InterfaceRecvBase.moc"
