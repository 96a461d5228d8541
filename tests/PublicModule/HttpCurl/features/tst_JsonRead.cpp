// Outside JSON of the wrong shape must read as missing, never throw.
#include "PublicModule/HttpCurl/features/JsonRead.h"

#include <QtTest>

class TestJsonRead : public QObject
{
    Q_OBJECT
private slots:
    void parseRejectsMalformedWhole();
    void nestingLimit_data();
    void nestingLimit();
    void wrongTypesReadAsMissing();
    void textFormOfScalars();
    void containersOfWrongKindAreEmpty();
};

void TestJsonRead::parseRejectsMalformedWhole()
{
    Json::Value v;
    QVERIFY(JsonRead::parse(R"({"a":1} // note)", v));
    QCOMPARE(JsonRead::getInt(v, "a"), 1);

    for (const char* bad : {"", "{", "{\"a\":}", "[1,2", "nul", "\xff\xfe"}) {
        QVERIFY2(!JsonRead::parse(bad, v), bad);
        QVERIFY(v.isNull());
    }
    // Hostile nesting ends as a parse failure, not a stack overflow.
    const std::string deep(100000, '[');
    QVERIFY(!JsonRead::parse(deep, v));
}

void TestJsonRead::nestingLimit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    auto nested = [](int nDepth, const QString& qstrInner) {
        return QString(nDepth, '[') + qstrInner + QString(nDepth, ']');
    };
    // The innermost scalar is a level of its own.
    QTest::newRow("64 levels") << nested(63, "0") << true;
    QTest::newRow("65 levels") << nested(64, "0") << false;
    QTest::newRow("65 levels of objects")
        << QString("{\"a\":").repeated(64) + "0" + QString(64, '}') << false;
    // 42 KB that once took seconds to read and to write back.
    QStringList zeros;
    for (int i = 0; i < 20000; ++i)
        zeros << "0";
    QTest::newRow("deep answer") << "{\"code\":1,\"a\":" + nested(998, zeros.join(',')) + "}"
                                 << false;
}

void TestJsonRead::nestingLimit()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    Json::Value v;
    QCOMPARE(JsonRead::parse(text.toStdString(), v), ok);
    QCOMPARE(v.isNull(), !ok);
}

void TestJsonRead::wrongTypesReadAsMissing()
{
    Json::Value v;
    QVERIFY(JsonRead::parse(
        R"({"n":"12","s":5,"b":"true","d":"1.5","big":4294967296,"neg":-3,"u":3000000000})", v));
    QCOMPARE(JsonRead::getInt(v, "n", -1), -1);
    QCOMPARE(JsonRead::getString(v, "s", "none"), std::string("none"));
    QCOMPARE(JsonRead::getBool(v, "b", false), false);
    QCOMPARE(JsonRead::getDouble(v, "d", 7.0), 7.0);
    QCOMPARE(JsonRead::getInt(v, "big", -1), -1); // out of int range
    QCOMPARE(JsonRead::getInt64(v, "big"), Q_INT64_C(4294967296));
    QCOMPARE(JsonRead::getInt(v, "neg"), -3);
    QCOMPARE(JsonRead::getInt(v, "u", -1), -1);
    QCOMPARE(JsonRead::getInt(v, "missing", 9), 9);

    // Members of something that is not an object.
    Json::Value arr(Json::arrayValue);
    arr.append(1);
    QCOMPARE(JsonRead::getInt(arr, "a", 4), 4);
    QVERIFY(JsonRead::member(Json::Value("text"), "a").isNull());
}

void TestJsonRead::textFormOfScalars()
{
    Json::Value v;
    QVERIFY(JsonRead::parse(R"({"s":"x","i":-42,"u":18446744073709551615,"b":true,"r":0.5,
                               "z":null,"o":{}})",
                            v));
    QCOMPARE(JsonRead::getText(v, "s"), std::string("x"));
    QCOMPARE(JsonRead::getText(v, "i"), std::string("-42"));
    QCOMPARE(JsonRead::getText(v, "u"), std::string("18446744073709551615"));
    QCOMPARE(JsonRead::getText(v, "b"), std::string("true"));
    QCOMPARE(JsonRead::getText(v, "r"), std::string("0.5"));
    QCOMPARE(JsonRead::getText(v, "z", "d"), std::string("d"));
    QCOMPARE(JsonRead::getText(v, "o", "d"), std::string("d"));
}

void TestJsonRead::containersOfWrongKindAreEmpty()
{
    Json::Value v;
    QVERIFY(JsonRead::parse(R"({"list":{"a":1},"obj":[1],"ok":[1,2]})", v));
    QVERIFY(JsonRead::getArray(v, "list").isArray());
    QCOMPARE(JsonRead::getArray(v, "list").size(), 0u);
    QVERIFY(JsonRead::getObject(v, "obj").isObject());
    QCOMPARE(JsonRead::getObject(v, "obj").size(), 0u);
    QCOMPARE(JsonRead::getArray(v, "ok").size(), 2u);
}

QTEST_GUILESS_MAIN(TestJsonRead)
#include "tst_JsonRead.moc"
