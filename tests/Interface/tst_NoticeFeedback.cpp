// Notices, feedback and redeem codes: what each answer (or failed transfer) tells the
// screens, the list models they show, and the requests as the stand-in service sees them.
#include "SandboxService.h"

#include "DataManager/ListModel/ServiceListModels.h"
#include "Interface/GlobleParam.h"
#include "Interface/InterfaceRecv.h"
#include "PublicModule/HttpCurl/httpBase/HTTPEvent_KX.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

using UiMessage = QList<QVariant>;
using UiMessages = QList<UiMessage>;
using Request = std::function<void(InterfaceRecv&)>;

// The service object with its finished requests counted.
class CountingInterfaceRecv : public InterfaceRecv
{
public:
    void PostEventInterface(HTTPEvent_KX* pEvent) override
    {
        InterfaceRecv::PostEventInterface(pEvent);
        ++nAnswered;
    }
    int nAnswered = 0;
};

const char* const kNotObject = "404 page not found";
const QString kUnreachable = "The service could not be reached. Please try again.";

// A finished record as the pool hands it over: the answer text parsed the way the
// transport parses it (a body that is no JSON leaves a null value), or a failed transfer.
std::unique_ptr<HTTPEvent_KX> finished(int nCmd, const QByteArray& answer, bool bTransferred)
{
    auto pEvent = std::make_unique<HTTPEvent_KX>(nCmd);
    pEvent->m_bResult = bTransferred ? 1 : 0;
    pEvent->m_strValue = answer.toStdString();
    JsonRead::parse(pEvent->m_strValue, pEvent->m_jsValue);
    return pEvent;
}

void deliver(InterfaceRecv& recv, HTTPEvent_KX* pEvent)
{
    if (pEvent->m_bResult)
        recv.PostEventInterface(pEvent);
    else
        recv.PostEventInterfaceError(pEvent);
}

// JSON texts compared by content, other texts as they are.
QVariant comparable(const QVariant& text)
{
    Json::Value parsed;
    if (JsonRead::parse(text.toString().toStdString(), parsed) && parsed.isArray())
        return QString::fromStdString(Json::FastWriter().write(parsed));
    return text;
}

UiMessages received(const QSignalSpy& spy)
{
    UiMessages messages;
    for (UiMessage args : spy) {
        args[1] = comparable(args[1]);
        messages.append(args);
    }
    return messages;
}

UiMessages expect(int nType, const QString& qstrText, int nValue)
{
    return {{nType, comparable(qstrText), nValue}};
}

} // namespace

Q_DECLARE_METATYPE(Request)

class tst_NoticeFeedback : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<GlobleParam> m_param;
    std::unique_ptr<CountingInterfaceRecv> m_recv;

private slots:
    void initTestCase()
    {
        m_param.reset(new GlobleParam);
        m_recv.reset(new CountingInterfaceRecv);
    }

    void cleanupTestCase()
    {
        m_recv.reset();
        m_param.reset();
    }

    void answersReachTheScreens_data()
    {
        QTest::addColumn<int>("cmd");
        QTest::addColumn<bool>("transferred");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<UiMessages>("messages");

        const QByteArray list = R"([{"id":7,"title":"T","info":"I","read":0,"start_time":1}])";
        QTest::newRow("notices") << 113 << true << R"({"code":0,"ret_data":{"list":)" + list + "}}"
                                 << expect(153, list, 0);
        QTest::newRow("notices, list not an array")
            << 113 << true << QByteArray(R"({"code":0,"ret_data":{"list":{"id":1}}})")
            << UiMessages();
        QTest::newRow("notices refused")
            << 113 << true << R"({"code":3,"ret_data":{"list":)" + list + "}}" << UiMessages();
        QTest::newRow("notices, not an object") << 113 << true << QByteArray(kNotObject)
                                                << UiMessages();
        QTest::newRow("notices failed") << 113 << false << QByteArray() << UiMessages();
        QTest::newRow("notice read") << 114 << true << QByteArray(R"({"code":0})") << UiMessages();

        const QByteArray cats = R"([{"id":"2","title":"Speed"},{"id":3,"title":"Billing"}])";
        QTest::newRow("categories") << 144 << true << R"({"code":0,"ret_data":)" + cats + "}"
                                    << expect(140, cats, 0);
        QTest::newRow("categories without code") << 144 << true << R"({"ret_data":)" + cats + "}"
                                                 << expect(140, cats, 0);
        QTest::newRow("categories refused")
            << 144 << true << R"({"code":1,"ret_data":)" + cats + "}" << UiMessages();
        QTest::newRow("categories, object") << 144 << true
                                            << QByteArray(R"({"code":0,"ret_data":{}})")
                                            << UiMessages();
        QTest::newRow("categories failed") << 144 << false << QByteArray() << UiMessages();

        QTest::newRow("picture") << 145 << true
                                 << QByteArray("{\"code\":0,\"ret_data\":\"https://res/p/1.png\"}")
                                 << expect(141, "/home/u/a b.png|https://res/p/1.png", 0);
        QTest::newRow("picture refused") << 145 << true
                                         << QByteArray(R"({"code":"12","msg":"Too large"})")
                                         << expect(141, "Too large", 1);
        QTest::newRow("picture without address") << 145 << true
                                                 << QByteArray(R"({"code":0,"ret_data":{}})")
                                                 << expect(141, "upload failed", 1);
        QTest::newRow("picture, not an object") << 145 << true << QByteArray(kNotObject)
                                                << expect(141, "upload failed", 1);
        QTest::newRow("picture failed") << 145 << false << QByteArray()
                                        << expect(141, "upload failed", 2);

        QTest::newRow("feedback") << 146 << true << QByteArray(R"({"code":0,"msg":"ok"})")
                                  << expect(142, "ok", 0);
        QTest::newRow("feedback refused") << 146 << true << QByteArray(R"({"code":9,"msg":"No"})")
                                          << expect(142, "No", 1);
        QTest::newRow("feedback, not an object") << 146 << true << QByteArray(kNotObject)
                                                 << expect(142, "Submit failed", 1);
        QTest::newRow("feedback failed") << 146 << false << QByteArray()
                                         << expect(142, kUnreachable, 1);

        QTest::newRow("redeem") << 161 << true
                                << QByteArray(R"({"code":0,"msg":"Done","data":{"n":1}})")
                                << expect(166, "Done", 0);
        QTest::newRow("redeem without code") << 161 << true << QByteArray(R"({"msg":"Done"})")
                                             << expect(166, "Done", 0);
        QTest::newRow("redeem refused") << 161 << true
                                        << QByteArray(R"({"code":"1002","msg":"Used"})")
                                        << expect(166, "Used", 1002);
        QTest::newRow("redeem, not an object") << 161 << true << QByteArray(kNotObject)
                                               << expect(166, "Redeem failed", -1);
        QTest::newRow("redeem failed") << 161 << false << QByteArray()
                                       << expect(166, kUnreachable, -1);
    }

    void answersReachTheScreens()
    {
        QFETCH(int, cmd);
        QFETCH(bool, transferred);
        QFETCH(QByteArray, answer);
        QFETCH(UiMessages, messages);

        auto pEvent = finished(cmd, answer, transferred);
        pEvent->m_strfileurl = "/home/u/a b.png";
        QSignalSpy spy(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        deliver(*m_recv, pEvent.get());
        QCOMPARE(received(spy), messages);
    }

    void unreadCount_data()
    {
        QTest::addColumn<bool>("transferred");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("count");

        QTest::newRow("number") << true << QByteArray(R"({"code":0,"ret_data":{"num":3}})") << 3;
        QTest::newRow("texts") << true << QByteArray(R"({"code":"0","ret_data":{"num":"4"}})")
                               << 4;
        QTest::newRow("zero") << true << QByteArray(R"({"ret_data":{"num":0}})") << 0;
        QTest::newRow("refused") << true << QByteArray(R"({"code":1,"ret_data":{"num":3}})") << 7;
        QTest::newRow("no num") << true << QByteArray(R"({"code":0,"ret_data":{}})") << 7;
        QTest::newRow("num array") << true << QByteArray(R"({"code":0,"ret_data":{"num":[1]}})")
                                   << 7;
        QTest::newRow("ret_data array") << true << QByteArray(R"({"code":0,"ret_data":[3]})") << 7;
        QTest::newRow("not an object") << true << QByteArray(kNotObject) << 7;
        QTest::newRow("failed") << false << QByteArray() << 7;
    }

    void unreadCount()
    {
        QFETCH(bool, transferred);
        QFETCH(QByteArray, answer);
        QFETCH(int, count);

        m_param->setUnreadMsgNum(7);
        QSignalSpy spy(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        deliver(*m_recv, finished(112, answer, transferred).get());
        QCOMPARE(m_param->getUnreadMsgNum(), count);
        QCOMPARE(spy.count(), 0);
    }

    void modelsKeepTheirRowsOnBadText()
    {
        NoticeListModel notices;
        QSignalSpy countSpy(&notices, &JsonListModel::countChanged);
        QVERIFY(notices.setJsonText(R"([{"id":"a","read":1}, 5, {"id":"b","read":"0"}])"));
        QCOMPARE(notices.rowCount(), 2); // the number is no notice
        QCOMPARE(countSpy.count(), 1);
        for (const char* bad : {"", "{\"id\":1}", "[{\"id\":1}", "null", "\"[]\""}) {
            QVERIFY2(!notices.setJsonText(bad), bad);
            QCOMPARE(notices.value(1, "id"), QVariant("b"));
        }
        QCOMPARE(notices.value(0, "unread"), QVariant(false));
        QCOMPARE(notices.value(1, "unread"), QVariant(true));
        QCOMPARE(notices.value(1, "title"), QVariant(QString())); // missing reads as empty
        QCOMPARE(notices.value(2, "id"), QVariant(QString()));    // no such row

        QSignalSpy changed(&notices, &QAbstractItemModel::dataChanged);
        QVERIFY(notices.markRead(1));
        QCOMPARE(notices.value(1, "unread"), QVariant(false));
        QVERIFY(!notices.markRead(1));
        QVERIFY(!notices.markRead(0));
        QVERIFY(!notices.markRead(5));
        QCOMPARE(changed.count(), 1);

        QVERIFY(notices.setJsonText("[]"));
        QCOMPARE(notices.rowCount(), 0);

        FeedbackCategoryModel categories;
        QVERIFY(categories.setJsonText(R"([{"id":3,"title":"Billing","x":[1]}])"));
        const QList<QByteArray> roles = categories.roleNames().values();
        QCOMPARE(QSet<QByteArray>(roles.begin(), roles.end()), (QSet<QByteArray>{"id", "title"}));
        QCOMPARE(categories.data(categories.index(0), Qt::UserRole), QVariant(qlonglong(3)));
        QCOMPARE(categories.data(categories.index(0), Qt::UserRole + 1), QVariant("Billing"));
    }

    void noticeTimes_data()
    {
        QTest::addColumn<QByteArray>("stamp");
        QTest::addColumn<QString>("text");

        const qint64 nSeconds = 1700000000;
        const QString qstrLocal = QDateTime::fromSecsSinceEpoch(nSeconds)
                                      .toString("yyyy-MM-dd hh:mm:ss");
        QTest::newRow("seconds") << QByteArray("1700000000") << qstrLocal;
        QTest::newRow("milliseconds") << QByteArray("1700000000000") << qstrLocal;
        QTest::newRow("seconds as text") << QByteArray("\"1700000000\"") << qstrLocal;
        QTest::newRow("largest seconds") << QByteArray("10000000000")
                                         << QDateTime::fromSecsSinceEpoch(10000000000LL)
                                                .toString("yyyy-MM-dd hh:mm:ss");
        QTest::newRow("not a number") << QByteArray("\"soon\"") << QString();
        QTest::newRow("missing") << QByteArray("null") << QString();
        QTest::newRow("huge") << QByteArray("1e300") << QString();
    }

    void noticeTimes()
    {
        QFETCH(QByteArray, stamp);
        QFETCH(QString, text);

        NoticeListModel notices;
        QVERIFY(notices.setJsonText("[{\"start_time\":" + stamp + "}]"));
        QCOMPARE(notices.value(0, "timeText").toString(), text);
    }

    // The requests as the stand-in service receives them, and their answers back as
    // messages: the whole way through the pool and the dispatch.
    void requestsThroughTheService_data()
    {
        QTest::addColumn<Request>("send");
        QTest::addColumn<QString>("route");
        QTest::addColumn<QVariantMap>("form");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<UiMessages>("messages");

        QTest::newRow("unread") << Request(
            [](InterfaceRecv& r) { r.pushGetMsgUnreadNum(5); })
                                << "/api/client/get_unread_num" << QVariantMap()
                                << QByteArray(R"({"code":0,"ret_data":{"num":2}})") << UiMessages();
        QTest::newRow("list") << Request(
            [](InterfaceRecv& r) { r.pushGetMsgList(); })
                              << "/api/client/get_msg_list" << QVariantMap()
                              << QByteArray(R"({"code":0,"ret_data":{"list":[]}})")
                              << expect(153, "[]", 0);
        QTest::newRow("read") << Request(
            [](InterfaceRecv& r) { r.pushSaveReadMsg("m-9"); })
                              << "/api/client/save_read_msg" << QVariantMap{{"msg_id", "m-9"}}
                              << QByteArray(R"({"code":0})") << UiMessages();
        QTest::newRow("categories") << Request(
            [](InterfaceRecv& r) { r.getFeedbackCategory(4); })
                                    << "/api/client/fb_cate" << QVariantMap()
                                    << QByteArray(R"({"code":0,"ret_data":[]})")
                                    << expect(140, "[]", 0);
        QTest::newRow("feedback") << Request([](InterfaceRecv& r) {
            r.pushFeedbackInfo("3", "u@x.org", "Slow & sad", "https://r/1.png,");
        }) << "/api/client/sub_fb"
                                  << QVariantMap{{"cate_id", "3"},
                                                 {"email", "u@x.org"},
                                                 {"content", "Slow & sad"},
                                                 {"images", "https://r/1.png,"},
                                                 {"version", "211"}}
                                  << QByteArray(R"({"code":0,"msg":"Thanks"})")
                                  << expect(142, "Thanks", 0);
        QTest::newRow("redeem") << Request(
            [](InterfaceRecv& r) { r.pushUseCDK("AB-12", 6); })
                                << "/api/client/use_cdk" << QVariantMap{{"cdk", "AB-12"}}
                                << QByteArray(R"({"code":5,"msg":"Expired"})")
                                << expect(166, "Expired", 5);
    }

    void requestsThroughTheService()
    {
        QFETCH(Request, send);
        QFETCH(QString, route);
        QFETCH(QVariantMap, form);
        QFETCH(QByteArray, answer);
        QFETCH(UiMessages, messages);

        SandboxService service;
        QVERIFY(service.start());
        m_recv->SetLoginDomian(service.apiUrl().toStdString());
        Json::Value script;
        script["route"] = route.toStdString();
        script["mode"] = "body";
        script["body"] = answer.toStdString();
        QVERIFY(service.script(script));

        QSignalSpy spy(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        const int nBefore = m_recv->nAnswered;
        send(*m_recv);
        QTRY_COMPARE_WITH_TIMEOUT(m_recv->nAnswered, nBefore + 1, 5000 * QEL_TIME_FACTOR);
        QCOMPARE(received(spy), messages);
        QCOMPARE(service.log().size(), 1u);
        const Json::Value entry = service.log()[0];
        QCOMPARE(QString::fromStdString(JsonRead::getString(entry, "path")), route);
        QVariantMap sent;
        const Json::Value fields = JsonRead::getObject(entry, "form");
        for (const std::string& key : fields.getMemberNames())
            sent.insert(QString::fromStdString(key),
                        QString::fromStdString(JsonRead::getText(fields, key.c_str())));
        QCOMPARE(sent, form);
    }

    void picturesAreUploadedOnlyFromRegularFiles()
    {
        SandboxService service;
        QVERIFY(service.start());
        m_recv->SetLoginDomian(service.apiUrl().toStdString());
        Json::Value script;
        script["route"] = "/api/upload/file";
        script["mode"] = "body";
        script["body"] = "{\"code\":0,\"ret_data\":\"https://res/p/9.png\"}";
        QVERIFY(service.script(script));

        QTemporaryDir dir;
        const QString qstrPicture = dir.filePath("shot 1.png");
        QFile file(qstrPicture);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("picture");
        file.close();

        QSignalSpy spy(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        m_recv->uploadFeedbackPicture(dir.path());
        m_recv->uploadFeedbackPicture(dir.filePath("missing.png"));
        m_recv->uploadFeedbackPicture(qstrPicture);
        QTRY_COMPARE_WITH_TIMEOUT(received(spy),
                                  expect(141, qstrPicture + "|https://res/p/9.png", 0),
                                  5000 * QEL_TIME_FACTOR);
        const Json::Value log = service.log();
        QCOMPARE(log.size(), 1u);
        const Json::Value files = JsonRead::getArray(log[0], "files");
        QCOMPARE(files.size(), 1u);
        QCOMPARE(JsonRead::getString(files[0], "name"), std::string("file"));
        QCOMPARE(JsonRead::getString(files[0], "filename"), std::string("shot 1.png"));
        QCOMPARE(JsonRead::getInt(files[0], "size"), 7);
    }
};

QTEST_GUILESS_MAIN(tst_NoticeFeedback)
#include "tst_NoticeFeedback.moc"
