// What the transport puts on the wire, seen by a raw listener: header lines, the JSON
// body, and an HTTP error status that still counts as an answer.
#include "PublicModule/HttpCurl/httpBase/HttpCurl.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <thread>

class tst_HttpCurl : public QObject
{
    Q_OBJECT

private:
    // Runs the transfer on a thread of its own while this thread answers once with
    // `answer`; returns the raw request.
    template <typename Transfer> QByteArray exchange(Transfer transfer, const QByteArray& answer)
    {
        QTcpServer server;
        if (!server.listen(QHostAddress::LocalHost, 0))
            return {};
        const std::string strUrl = "http://127.0.0.1:" + std::to_string(server.serverPort());
        std::thread worker([&] { transfer(strUrl); });
        QByteArray request;
        if (server.waitForNewConnection(5000)) {
            QTcpSocket* pSocket = server.nextPendingConnection();
            const bool bComplete = QTest::qWaitFor([&] {
                pSocket->waitForReadyRead(50);
                request += pSocket->readAll();
                const int nEnd = request.indexOf("\r\n\r\n");
                const int nLength = request.mid(request.indexOf("Content-Length: ") + 16)
                                        .split('\r')
                                        .first()
                                        .toInt();
                return nEnd >= 0 && request.size() >= nEnd + 4 + nLength;
            });
            if (!bComplete)
                qWarning() << "incomplete request:" << request;
            pSocket->write(answer);
            pSocket->waitForBytesWritten(2000);
            pSocket->disconnectFromHost();
        }
        worker.join();
        return request;
    }

private slots:
    void headerLinesAreSentAsGiven()
    {
        bool bOk = false;
        std::string strOut;
        const QByteArray request = exchange(
            [&](const std::string& strUrl) {
                HttpCurl curl(strUrl.c_str(), "/api/x");
                curl.SetHearderInfo({{"Content-Type", "application/json"},
                                     {"qv-empty", ""},
                                     {"qv-split", "a\r\nInjected: 1"}});
                HTTPEvent_KX record(1);
                record.m_strParam = R"({"a":1})";
                bOk = curl.PostJsonRequest(strOut, &record);
            },
            "HTTP/1.1 404 Not Found\r\nContent-Length: 13\r\n\r\n<html></html>");
        QVERIFY(request.startsWith("POST /api/x HTTP/1.1\r\n"));
        QVERIFY(request.contains("\r\nContent-Type:application/json\r\n"));
        QVERIFY(request.contains("\r\nqv-empty:\r\n"));
        QVERIFY(request.contains("\r\nqv-split:aInjected: 1\r\n"));
        QVERIFY(!request.contains("\r\nInjected"));
        QVERIFY(request.endsWith("\r\n\r\n{\"a\":1}"));
        QVERIFY(bOk); // the status is not read
        QCOMPARE(strOut, std::string("<html></html>"));
    }

    void formPostWithoutFieldsIsAnEmptyPost()
    {
        // An empty multipart body is refused by many servers; fields with a zero byte
        // must keep it.
        const QByteArray empty = exchange(
            [](const std::string& strUrl) {
                HttpCurl curl(strUrl.c_str(), "/api/none");
                std::string strOut;
                curl.PostRequest(strOut);
            },
            "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\n{}");
        QVERIFY(empty.startsWith("POST /api/none HTTP/1.1\r\n"));
        QVERIFY(empty.contains("\r\nContent-Length: 0\r\n"));
        QVERIFY(!empty.contains("multipart"));

        const QByteArray form = exchange(
            [](const std::string& strUrl) {
                HttpCurl curl(strUrl.c_str(), "/api/form");
                curl.AddPostParam("k", std::string("a\0b", 3));
                std::string strOut;
                curl.PostRequest(strOut);
            },
            "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\n{}");
        QVERIFY(form.contains("multipart/form-data"));
        QVERIFY(form.contains(QByteArray("name=\"k\"\r\n\r\na\0b\r\n", 17)));
    }

    void refusedGetReportsLibcurlCodeAndText()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        const std::string strUrl = "http://127.0.0.1:" + std::to_string(server.serverPort());
        server.close();
        HttpCurl curl(strUrl.c_str());
        HTTPEvent_KX record(1);
        std::string strOut;
        QVERIFY(!curl.GetRequest(strOut, &record));
        QCOMPARE(record.m_nParam1, 7);
        QCOMPARE(strOut, std::string("Couldn't connect to server"));
        QCOMPARE(curl.GetLastCode(), CURLE_COULDNT_CONNECT);
    }

    void notFoundPageIsRecognisedByItsStartOnly()
    {
        QVERIFY(HttpCurl::IsNotFoundPage("404 page not found"));
        QVERIFY(!HttpCurl::IsNotFoundPage(R"({"msg":"404 page not found"})"));
        QVERIFY(!HttpCurl::IsNotFoundPage("404"));
    }
};

QTEST_GUILESS_MAIN(tst_HttpCurl)
#include "tst_HttpCurl.moc"
