#include "StubWebRecv.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QTextCodec>
#include <QtTest>

#include <atomic>
#include <climits>
#include <thread>
#include <vector>

// Client state, command line, flag file and the pure helpers.
class tst_WebRecv : public QObject
{
    Q_OBJECT

private:
    QString flagFilePath() const
    {
        return QCoreApplication::applicationDirPath() + "/file_flag.ini";
    }

private slots:
    void cleanup() { QFile::remove(flagFilePath()); }

    void defaultsAreStoredOnFirstRead()
    {
        StubWebRecv recv;
        QCOMPARE(recv.GetOemId(), std::string("100"));
        QCOMPARE(recv.GetChannel(), std::string("normal"));
        QCOMPARE(recv.GetLanguage(), std::string("_en"));
        QCOMPARE(recv.GetAuthorName(), std::string("QelProxy"));
        QCOMPARE(recv.GetLinkName(), std::string("Qel Proxy"));
        QCOMPARE(recv.GetStartMode(), 9);
        QCOMPARE(recv.GetMainExeName(), std::string());
        QCOMPARE(recv.GetProduceName(), std::string("QelProxy"));
        QCOMPARE(recv.GetMainExeName(), std::string("QelProxy.exe"));
        QCOMPARE(recv.GetInstallFolder(), std::string("QelProxy_cata"));

        recv.SetLanguage("_de");
        recv.SetStartMode(3);
        QCOMPARE(recv.GetLanguage(), std::string("_de"));
        QCOMPARE(recv.GetStartMode(), 3);
        recv.SetLanguage("");
        QCOMPARE(recv.GetLanguage(), std::string("_en"));
    }

    void startUpValuesAndDerivedNames()
    {
        StubWebRecv recv;
        recv.GetArguments(QStringList() << "prog");
        recv.InitStaticData();
        QCOMPARE(recv.GetUpdateVersion(), std::string("211"));
        QCOMPARE(recv.GetShowUpdateVersion(), std::string("2.1.1"));
        QCOMPARE(recv.GetMainExeName(), std::string("QelProxy.exe"));
        QCOMPARE(recv.GetInstallFolder(), std::string("QelProxy_cata"));
        QCOMPARE(recv.GetLinkName(), std::string("Qel Proxy"));

        recv.SetProduceName("Other");
        QCOMPARE(recv.GetMainExeName(), std::string("Other.exe"));
        QCOMPARE(recv.GetInstallFolder(), std::string("Other_cata"));

        // The display form is built once and kept.
        recv.SetUpdateVersion("3000");
        QCOMPARE(recv.GetShowUpdateVersion(), std::string("2.1.1"));
    }

    void showVersion_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty reads as 100") << ""
                                            << "1.0.0";
        QTest::newRow("three digits") << "211"
                                      << "2.1.1";
        QTest::newRow("four digits") << "2110"
                                     << "2.1.10";
    }

    void showVersion()
    {
        QFETCH(QString, version);
        QFETCH(QString, shown);
        StubWebRecv recv;
        recv.SetUpdateVersion(version.toStdString());
        QCOMPARE(QString::fromStdString(recv.GetShowUpdateVersion()), shown);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("equal");
        QTest::addColumn<bool>("testServer");
        QTest::addColumn<QString>("language");
        QTest::newRow("nothing") << QStringList{"prog"} << false << false << "_en";
        QTest::newRow("near misses")
            << QStringList{"prog", "--X", "--equal1", "-x"} << false << false << "_en";
        QTest::newRow("both flags")
            << QStringList{"prog", "--x", "--equal"} << true << true << "_en";
        QTest::newRow("joined lang")
            << QStringList{"prog", "--lang_de", "--x"} << false << true << "_de";
        QTest::newRow("lang then code")
            << QStringList{"prog", "--lang", "_fr"} << false << false << "_fr";
        QTest::newRow("bare lang last") << QStringList{"prog", "--lang"} << false << false << "_en";
        QTest::newRow("option after lang")
            << QStringList{"prog", "--lang", "--x"} << false << true << "_en";
        QTest::newRow("debugging") << QStringList{"prog", "--debugging"} << false << false << "_en";
    }

    void commandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, equal);
        QFETCH(bool, testServer);
        QFETCH(QString, language);
        StubWebRecv recv;
        recv.GetArguments(args);
        recv.InitStaticData(); // must not overwrite what the command line set
        QCOMPARE(recv.IsEqual(), equal);
        QCOMPARE(recv.IsTestServer(), testServer);
        QCOMPARE(QString::fromStdString(recv.GetLanguage()), language);
    }

    void flagFile_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("log");
        QTest::addColumn<QString>("baleTime");
        QTest::newRow("missing") << false << QByteArray() << false << "is empty or lost"
                                 << "";
        QTest::newRow("empty") << true << QByteArray() << true << ""
                               << "";
        QTest::newRow("not json") << true << QByteArray("{bale") << false << "parse error"
                                  << "";
        QTest::newRow("no member") << true << QByteArray("{\"x\":1}") << true << "parse success"
                                   << "";
        QTest::newRow("string") << true << QByteArray("// c\n{\"bale_time\":\"2024-05-01\"}")
                                << true << "parse success"
                                << "2024-05-01";
        QTest::newRow("number") << true << QByteArray("{\"bale_time\":12}") << true
                                << "parse success"
                                << "12";
        QTest::newRow("array root") << true << QByteArray("[1,2]") << true << "parse success"
                                    << "";
        QTest::newRow("object member")
            << true << QByteArray("{\"bale_time\":{\"a\":1}}") << true << "parse success"
            << "";
    }

    void flagFile()
    {
        QFETCH(bool, present);
        QFETCH(QByteArray, content);
        QFETCH(bool, result);
        QFETCH(QString, log);
        QFETCH(QString, baleTime);
        if (present) {
            QFile file(flagFilePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        if (!log.isEmpty())
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^file_flag.ini  " + log + "$"));
        StubWebRecv recv;
        QCOMPARE(recv.parseBaleTime(), result);
        QCOMPARE(QString::fromStdString(recv.GetBaleTime()), baleTime);
    }

    void textConversions()
    {
        StubWebRecv recv;
        QCOMPARE(recv.StrToInt("  42abc"), 42);
        QCOMPARE(recv.StrToInt("-7"), -7);
        QCOMPARE(recv.StrToInt("abc"), 0);
        QCOMPARE(recv.IntToStr(-5), std::string("-5"));
        QCOMPARE(recv.QstrToInt("12x"), 0);
        QCOMPARE(recv.DeleteSpaceInString(" a b\tc "), QString("ab\tc"));

        const QString chinese = QString::fromUtf8("代理服务");
        QCOMPARE(recv.StrToQstr(recv.QstrToStr(chinese)), chinese);
        QCOMPARE(recv.wstr_str(chinese.toStdWString()), chinese.toStdString());
    }

    void correctUnicode()
    {
        StubWebRecv recv;
        const QString chinese = QString::fromUtf8("代理服务");
        QCOMPARE(recv.GetCorrectUnicode(chinese.toUtf8()), chinese);
        const QTextCodec* gbk = QTextCodec::codecForName("GBK");
        QVERIFY(gbk);
        QCOMPARE(recv.GetCorrectUnicode(gbk->fromUnicode(chinese)), chinese);
        QCOMPARE(recv.GetCorrectUnicode(QByteArray("ab\0cd", 5)), QString("ab"));
        QCOMPARE(recv.GetCorrectUnicode(QByteArray()), QString());
    }

    void urlsAndNames()
    {
        StubWebRecv recv;
        QCOMPARE(recv.VerifyUrl("http://a.b/c"), QString("http://a.b/c"));
        QCOMPARE(recv.VerifyUrl("a.b/c"), QString("https://a.b/c"));
        QCOMPARE(recv.VerifyUrl("HTTPS://a.b"), QString("https://HTTPS://a.b"));
        QCOMPARE(recv.getNameByHttpUrl("https://h/x/setup.zip"), QString("setup.zip"));
        QCOMPARE(recv.getHttpExeName("https://h/x/setup.zip"), QString("setup.zip"));
        QCOMPARE(recv.getNameByHttpUrl("setup.zip"), QString("setup.zip"));
        QCOMPARE(recv.getHttpExeName("setup.zip"), QString());
        QCOMPARE(recv.getNameByHttpUrl(""), QString());
    }

    void secondsToTimes_data()
    {
        QTest::addColumn<uint>("count");
        QTest::addColumn<QList<int>>("parts");
        QTest::newRow("seconds") << 59u << QList<int>{0, 0, 0, 0, 0, 59};
        QTest::newRow("one year") << 31104000u << QList<int>{1, 0, 0, 0, 0, 0};
        QTest::newRow("mixed") << 4000000u << QList<int>{0, 1, 16, 7, 6, 40};
    }

    void secondsToTimes()
    {
        QFETCH(uint, count);
        QFETCH(QList<int>, parts);
        StubWebRecv recv;
        WebRecv::times t;
        recv.SecondCountToTimes(count, t);
        QCOMPARE((QList<int>{t.Year, t.Mon, t.Day, t.Hour, t.Min, t.Second}), parts);
    }

    void timeStamps()
    {
        StubWebRecv recv;
        const QString format = "yyyy-MM-dd hh:mm:ss";
        const QDateTime local(QDate(2024, 3, 5), QTime(6, 7, 8), Qt::LocalTime);
        QCOMPARE(qint64(recv.QStrToTimeStamp(local.toString(format), format)),
                 local.toSecsSinceEpoch());
        QCOMPARE(recv.QStrToTimeStamp("05.03.2024", format), UINT32_MAX);
        QCOMPARE(recv.QStrToTimeStamp("1960-01-01 00:00:00", format), UINT32_MAX);

        const qint64 now = QDateTime::currentSecsSinceEpoch();
        QVERIFY(qAbs(qint64(recv.GetTimeStamp_Uint()) - now) <= 1);
        QCOMPARE(recv.StrToInt(recv.GetTimeStamp_Str()) / 100, int(now / 100));
    }

    void randomNumber()
    {
        StubWebRecv recv;
        const int first = recv.generateRandomNumber(21, 88, 0);
        QCOMPARE(recv.generateRandomNumber(21, 88), first);
        QVERIFY(first >= 21 && first < 88);
        QCOMPARE(recv.generateRandomNumber(5, 5), 5);
        QCOMPARE(recv.generateRandomNumber(9, 2), 9);
        const int wide = recv.generateRandomNumber(INT_MIN, INT_MAX);
        QVERIFY(wide < INT_MAX);
    }

    void digestAndEncoding()
    {
        StubWebRecv recv;
        QCOMPARE(recv.encode_to_md5(""), std::string("d41d8cd98f00b204e9800998ecf8427e"));
        QCOMPARE(recv.encode_to_md5("abc"), std::string("900150983cd24fb0d6963f7d28e17f72"));
        QCOMPARE(recv.encode_to_md5("a\xff"
                                    "b"),
                 recv.encode_to_md5("a\xef\xbf\xbd"
                                    "b"));
        const std::string plain = "password 123";
        const std::string encoded = recv.Encode(plain);
        QVERIFY(encoded != plain);
        QCOMPARE(recv.Decode(encoded), plain);
    }

    // Request threads read while the GUI thread writes; every read must be one whole value.
    void concurrentReadsSeeWholeValues()
    {
        StubWebRecv recv;
        const std::string a(64, 'a');
        const std::string b(200, 'b');
        recv.SetSessionId(a);
        std::atomic<bool> stop{false};
        std::atomic<int> torn{0};
        std::vector<std::thread> readers;
        for (int i = 0; i < 4; ++i) {
            readers.emplace_back([&] {
                while (!stop) {
                    const std::string s = recv.GetSessionId();
                    if (s != a && s != b)
                        ++torn;
                    recv.GetLanguage();
                }
            });
        }
        for (int i = 0; i < 20000; ++i) {
            recv.SetSessionId(i % 2 ? a : b);
            recv.SetLanguage(i % 2 ? "" : "_de");
        }
        stop = true;
        for (std::thread& t : readers)
            t.join();
        QCOMPARE(torn.load(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_WebRecv)
#include "tst_WebRecv.moc"
