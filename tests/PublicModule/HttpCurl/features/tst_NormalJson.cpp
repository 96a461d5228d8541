#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"

#include <QtTest>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <thread>
#include <vector>

namespace {

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

Json::Value parsed(const std::string& text)
{
    Json::Value v;
    if (!JsonRead::parse(text, v, true))
        qFatal("test JSON does not parse: %s", text.c_str());
    return v;
}

// JsonCpp's own StyledWriter text without its final line feed.
std::string styled(const Json::Value& v)
{
    Json::StyledWriter w;
    std::string s = w.write(v);
    if (!s.empty() && s.back() == '\n')
        s.pop_back();
    return s;
}

} // namespace

class tst_NormalJson : public QObject
{
    Q_OBJECT

private slots:
    // ---- the Part's examples ----------------------------------------------------

    void controlMessage()
    {
        Json::Value v;
        v["type"] = 2;
        v["operate"] = "raise_window_noop";
        v["socket"] = "";
        QCOMPARE(q(toNormalString(v)),
                 QStringLiteral("{\"operate\":\"raise_window_noop\",\"socket\":\"\",\"type\":2}"));
    }

    void shortArrayAndObject()
    {
        Json::Value v;
        v["b"] = 1;
        v["a"].append(1);
        v["a"].append(2);
        v["a"].append("x");
        v["c"]["z"] = Json::Value();
        v["c"]["y"] = true;
        v["c"]["x"] = 1.5;
        QCOMPARE(q(toNormalString(v)),
                 QStringLiteral(
                     "{\"a\":[ 1, 2, \"x\" ],\"b\":1,\"c\":{\"x\":1.5,\"y\":true,\"z\":null}}"));
    }

    void arrayOfObjectSevenLines()
    {
        Json::Value obj;
        obj["a"] = 1;
        obj["b"] = "t";
        Json::Value v;
        v["list"].append(obj);
        v["n"] = 0;
        const std::string expected = "{\"list\":\n"
                                     "   [\n"
                                     "      {\n"
                                     "         \"a\" : 1,\n"
                                     "         \"b\" : \"t\"\n"
                                     "      }\n"
                                     "   ],\"n\":0}";
        QCOMPARE(q(toNormalString(v)), q(expected));
    }

    void array0to24MultiLine()
    {
        Json::Value v(Json::arrayValue);
        for (int i = 0; i <= 24; ++i)
            v.append(i);
        std::string expected = "[";
        for (int i = 0; i <= 24; ++i)
            expected += "\n   " + std::to_string(i) + (i < 24 ? "," : "");
        expected += "\n]";
        QCOMPARE(q(toNormalString(v)), q(expected));
    }

    void emptyContainers()
    {
        QCOMPARE(q(toNormalString(Json::Value(Json::objectValue))), QStringLiteral("{}"));
        QCOMPARE(q(toNormalString(Json::Value(Json::arrayValue))), QStringLiteral("[]"));
        Json::Value v;
        v["e"] = Json::Value(Json::objectValue);
        v["f"] = Json::Value(Json::arrayValue);
        QCOMPARE(q(toNormalString(v)), QStringLiteral("{\"e\":{},\"f\":[]}"));
    }

    void stringEscapes()
    {
        Json::Value v;
        v["s"] = std::string("q\"b\\s/n\nc\x01");
        QCOMPARE(q(toNormalString(v)), QStringLiteral("{\"s\":\"q\\\"b\\\\s/n\\nc\\u0001\"}"));
        const std::string utf8 = "\xe4\xbd\xa0\xe5\xa5\xbd \xc3\xa9 \xf0\x9f\x98\x80";
        QCOMPARE(toNormalString(Json::Value(utf8)), "\"" + utf8 + "\"");
    }

    void reals()
    {
        QCOMPARE(q(toNormalString(Json::Value(0.1))), QStringLiteral("0.10000000000000001"));
        QCOMPARE(q(toNormalString(Json::Value(2.0))), QStringLiteral("2"));
        QCOMPARE(q(toNormalString(Json::Value(-7))), QStringLiteral("-7"));
    }

    void scalarRoots()
    {
        QCOMPARE(q(toNormalString(Json::Value("text"))), QStringLiteral("\"text\""));
        QCOMPARE(q(toNormalString(Json::Value(5))), QStringLiteral("5"));
    }

    // ---- further cases ------------------------------------------------------------

    void array0to23FollowsTheRule()
    {
        // 24 elements: 3 * 24 < 74, but the line would be 2 * 24 + 2 + 38 = 88 >= 74.
        Json::Value v(Json::arrayValue);
        for (int i = 0; i <= 23; ++i)
            v.append(i);
        std::string expected = "[";
        for (int i = 0; i <= 23; ++i)
            expected += "\n   " + std::to_string(i) + (i < 23 ? "," : "");
        expected += "\n]";
        QCOMPARE(q(toNormalString(v)), q(expected));
        QCOMPARE(q(toNormalString(v)), q(styled(v)));
    }

    void lineWidthBoundary()
    {
        // 2 * 3 + 2 + total = 73 fits; 74 does not.
        Json::Value fits(Json::arrayValue);
        fits.append(std::string(20, 'a')); // 22 with quotes
        fits.append(std::string(20, 'b'));
        fits.append(std::string(19, 'c')); // 21 -> 8 + 65 = 73
        QCOMPARE(q(toNormalString(fits)),
                 q("[ \"" + std::string(20, 'a') + "\", \"" + std::string(20, 'b') + "\", \"" +
                   std::string(19, 'c') + "\" ]"));
        Json::Value over(Json::arrayValue);
        over.append(std::string(20, 'a'));
        over.append(std::string(20, 'b'));
        over.append(std::string(20, 'c')); // 74
        QCOMPARE(q(toNormalString(over)),
                 q("[\n   \"" + std::string(20, 'a') + "\",\n   \"" + std::string(20, 'b') +
                   "\",\n   \"" + std::string(20, 'c') + "\"\n]"));
    }

    void arrayWithEmptyContainersStaysOnOneLine()
    {
        Json::Value v(Json::arrayValue);
        v.append(Json::Value(Json::arrayValue));
        v.append(Json::Value(Json::objectValue));
        v.append(Json::Value());
        QCOMPARE(q(toNormalString(v)), QStringLiteral("[ [], {}, null ]"));
    }

    void nestedArraysInsideObjectMember()
    {
        Json::Value v;
        Json::Value inner(Json::arrayValue);
        inner.append(1);
        Json::Value outer(Json::arrayValue);
        outer.append(inner);
        outer.append("s");
        v["k"] = outer;
        v["o"]["p"] = 1;
        QCOMPARE(q(toNormalString(v)), QStringLiteral("{\"k\":\n"
                                                      "   [\n"
                                                      "      [ 1 ],\n"
                                                      "      \"s\"\n"
                                                      "   ],\"o\":{\"p\":1}}"));
    }

    void styledObjectWithArrayMember()
    {
        // Inside a multi-line array an object member's array starts on the key's line.
        Json::Value obj;
        obj["arr"].append(1);
        obj["arr"].append(2);
        obj["deep"]["x"] = "y";
        Json::Value v(Json::arrayValue);
        v.append(obj);
        const std::string expected = "[\n"
                                     "   {\n"
                                     "      \"arr\" : [ 1, 2 ],\n"
                                     "      \"deep\" : {\n"
                                     "         \"x\" : \"y\"\n"
                                     "      }\n"
                                     "   }\n"
                                     "]";
        QCOMPARE(q(toNormalString(v)), q(expected));
        QCOMPARE(q(toNormalString(v)), q(styled(v)));
    }

    void matchesStyledWriterForArrays()
    {
        // For array roots with plain ASCII strings and integers the layout is JsonCpp's.
        const char* texts[] = {
            "[1,2,3]",
            "[[1,2],[3,[4,[5]]],{\"a\":{\"b\":[]}},{}]",
            "[{\"k\":[1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26]}]",
            "[\"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\""
            "]",
            "[[[[[]]]],[[[{\"z\":1,\"a\":[true,false,null]}]]]]",
        };
        for (const char* t : texts) {
            const Json::Value v = parsed(t);
            QCOMPARE(q(toNormalString(v)), q(styled(v)));
        }
    }

    void memberOrder()
    {
        Json::Value v;
        v["b"] = 1;
        v["aa"] = 2;
        v["a"] = 3;
        v["Z"] = 4;
        v["\xc3\xa9"] = 5; // above every ASCII key as unsigned bytes
        QCOMPARE(q(toNormalString(v)), q("{\"Z\":4,\"a\":3,\"aa\":2,\"b\":1,\"\xc3\xa9\":5}"));
    }

    void keyEndsAtZeroByte()
    {
        Json::Value v;
        v[std::string("ab\0cd", 5)] = 1;
        QCOMPARE(q(toNormalString(v)), QStringLiteral("{\"ab\":1}"));
    }

    void controlBytesAndOthers()
    {
        std::string s;
        for (int c = 0; c < 32; ++c)
            s += static_cast<char>(c);
        s += "\x7f/";
        const std::string expected =
            "\"\\u0000\\u0001\\u0002\\u0003\\u0004\\u0005\\u0006\\u0007\\b\\t\\n\\u000B\\f\\r"
            "\\u000E\\u000F\\u0010\\u0011\\u0012\\u0013\\u0014\\u0015\\u0016\\u0017\\u0018"
            "\\u0019\\u001A\\u001B\\u001C\\u001D\\u001E\\u001F\x7f/\"";
        QCOMPARE(q(toNormalString(Json::Value(s))), q(expected));
        // Escaped keys too.
        Json::Value v;
        v["a\"b\n"] = true;
        QCOMPARE(q(toNormalString(v)), QStringLiteral("{\"a\\\"b\\n\":true}"));
    }

    void numbers()
    {
        QCOMPARE(q(toNormalString(Json::Value(std::numeric_limits<Json::Int64>::min()))),
                 QStringLiteral("-9223372036854775808"));
        QCOMPARE(q(toNormalString(Json::Value(std::numeric_limits<Json::UInt64>::max()))),
                 QStringLiteral("18446744073709551615"));
        QCOMPARE(q(toNormalString(Json::Value(0u))), QStringLiteral("0"));
        QCOMPARE(q(toNormalString(Json::Value(1e300))), QStringLiteral("1.0000000000000001e+300"));
        QCOMPARE(q(toNormalString(Json::Value(-0.5))), QStringLiteral("-0.5"));
        QCOMPARE(q(toNormalString(Json::Value(100.0))), QStringLiteral("100"));
        QCOMPARE(q(toNormalString(Json::Value(std::nan("")))), QStringLiteral("null"));
        QCOMPARE(q(toNormalString(Json::Value(std::numeric_limits<double>::infinity()))),
                 QStringLiteral("1e+9999"));
        QCOMPARE(q(toNormalString(Json::Value(-std::numeric_limits<double>::infinity()))),
                 QStringLiteral("-1e+9999"));
        QCOMPARE(q(toNormalString(Json::Value(true))), QStringLiteral("true"));
        QCOMPARE(q(toNormalString(Json::Value())), QStringLiteral("null"));
    }

    void commaLocale()
    {
        const char* old = std::setlocale(LC_NUMERIC, nullptr);
        const std::string saved = old ? old : "C";
        if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
            QSKIP("no de_DE.UTF-8 locale");
        const std::string out = toNormalString(Json::Value(1.5));
        std::setlocale(LC_NUMERIC, saved.c_str());
        QCOMPARE(q(out), QStringLiteral("1.5"));
    }

    void commentsAreNeverWritten_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("line comments") << "// head\n{\n  \"a\" : 1, // one\n  \"b\" : 2 // two\n}\n"
                                       << "{\"a\":1,\"b\":2}";
        QTest::newRow("block comments") << "/* head */{\"a\":1,/* b */\"b\":2}"
                                        << "{\"a\":1,\"b\":2}";
        // Without comments the array fits on one line again.
        QTest::newRow("inside array") << "{\"a\":[\n 1, // first\n // before two\n 2\n]}"
                                      << "{\"a\":[ 1, 2 ]}";
    }

    void commentsAreNeverWritten()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const Json::Value v = parsed(text.toStdString());
        QCOMPARE(q(toNormalString(v)), expected);
    }

    void noTrailingLineFeed()
    {
        Json::Value v(Json::arrayValue);
        Json::Value o;
        o["x"] = 1;
        v.append(o);
        const std::string s = toNormalString(v);
        QVERIFY(!s.empty() && s.back() != '\n');
    }

    void concurrent()
    {
        Json::Value v;
        v["list"].append(1);
        v["list"].append(Json::Value(Json::objectValue));
        v["obj"]["k"] = "v";
        const std::string expected = toNormalString(v);
        std::vector<int> ok(8, 0);
        std::vector<std::thread> threads;
        for (int t = 0; t < 8; ++t) {
            threads.emplace_back([t, &ok, &v, &expected] {
                int good = 1;
                for (int i = 0; i < 500; ++i) {
                    if (toNormalString(v) != expected)
                        good = 0;
                }
                ok[static_cast<std::size_t>(t)] = good;
            });
        }
        for (auto& th : threads)
            th.join();
        for (int g : ok)
            QCOMPARE(g, 1);
    }
};

QTEST_APPLESS_MAIN(tst_NormalJson)
#include "tst_NormalJson.moc"
