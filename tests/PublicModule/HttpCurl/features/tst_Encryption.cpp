#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/MD5.h"

#include <QtTest>

#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

const char kKey[] = "tarnwexil.qzx";

bool isBase64Text(const std::string& s)
{
    for (char c : s) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                        (c >= '0' && c <= '9') || c == '+' || c == '/' || c == '=';
        if (!ok)
            return false;
    }
    return true;
}

std::string b64(const std::string& s)
{
    return Encryption::GetInstance()->base64_encode(
        reinterpret_cast<const unsigned char*>(s.data()), static_cast<unsigned int>(s.size()));
}

// The encoding written plainly, a character at a time: the block encoder must give the same
// text for the same stamp T and random text R, and read everything the same way.
namespace reference {

std::string b64(const std::string& s)
{
    static const char chars[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (std::size_t i = 0; i < s.size(); i += 3) {
        unsigned v = 0;
        for (std::size_t k = 0; k < 3; ++k)
            v = v << 8 | (i + k < s.size() ? static_cast<unsigned char>(s[i + k]) : 0u);
        for (std::size_t k = 0; k < 4; ++k)
            out += k <= s.size() - i ? chars[(v >> (18 - 6 * k)) & 0x3F] : '=';
    }
    return out;
}

std::string unb64(const std::string& s)
{
    static const std::string chars =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    unsigned v = 0;
    int bits = 0;
    for (char c : s) {
        const std::size_t pos = c == '\0' ? std::string::npos : chars.find(c);
        if (pos == std::string::npos)
            break;
        v = v << 6 | unsigned(pos);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((v >> bits) & 0xFF);
        }
    }
    return out;
}

std::string xorWith(std::string text, const std::string& key)
{
    if (key.empty())
        return std::string();
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char>(text[i] ^ key[i % key.size()]);
    return text;
}

std::string digest(std::string all)
{
    MD5 md5;
    md5.GenerateMD5(reinterpret_cast<unsigned char*>(&all[0]), static_cast<int>(all.size()));
    return md5.ToString();
}

std::string encode(const std::string& p, const std::string& t, const std::string& r,
                   const std::string& k)
{
    return b64(xorWith(b64(p), digest(t + r + k)) + xorWith(t, r) + xorWith(r, k));
}

std::string decode(const std::string& e, const std::string& k)
{
    const std::string d = unb64(e);
    if (d.size() < 26)
        return std::string();
    const std::string r = xorWith(d.substr(d.size() - 13), k);
    const std::string t = xorWith(d.substr(d.size() - 26, 13), r);
    return unb64(xorWith(d.substr(0, d.size() - 26), digest(t + r + k)));
}

} // namespace reference

std::string randomBytes(std::mt19937& random, std::size_t n)
{
    std::string s(n, '\0');
    for (char& c : s)
        c = static_cast<char>(random() & 0xFF);
    return s;
}

} // namespace

class tst_Encryption : public QObject
{
    Q_OBJECT

private slots:
    void init() { Encryption::GetInstance()->SetDefaultKey(); }

    void singleton()
    {
        QVERIFY(Encryption::GetInstance() != nullptr);
        QCOMPARE(Encryption::GetInstance(), Encryption::GetInstance());
    }

    void singletonConcurrentFirstUse()
    {
        std::vector<Encryption*> seen(8, nullptr);
        std::vector<std::thread> threads;
        for (int i = 0; i < 8; ++i)
            threads.emplace_back(
                [i, &seen] { seen[static_cast<std::size_t>(i)] = Encryption::GetInstance(); });
        for (auto& t : threads)
            t.join();
        for (Encryption* p : seen)
            QCOMPARE(p, Encryption::GetInstance());
    }

    void base64Standard()
    {
        // RFC 4648 test vectors.
        QCOMPARE(b64(""), std::string(""));
        QCOMPARE(b64("f"), std::string("Zg=="));
        QCOMPARE(b64("fo"), std::string("Zm8="));
        QCOMPARE(b64("foo"), std::string("Zm9v"));
        QCOMPARE(b64("foob"), std::string("Zm9vYg=="));
        QCOMPARE(b64("fooba"), std::string("Zm9vYmE="));
        QCOMPARE(b64("foobar"), std::string("Zm9vYmFy"));
        QCOMPARE(b64(std::string("\xfb\xff\xfe", 3)), std::string("+//+"));
        QCOMPARE(Encryption::GetInstance()->base64_encode(nullptr, 0), std::string());
    }

    void base64Lenient()
    {
        Encryption* e = Encryption::GetInstance();
        QCOMPARE(e->base64_decode("Zm9vYmFy"), std::string("foobar"));
        QCOMPARE(e->base64_decode("Zm9vYg=="), std::string("foob"));
        QCOMPARE(e->base64_decode("Zm9vYmE="), std::string("fooba"));
        QCOMPARE(e->base64_decode("Zm9vYg"), std::string("foob"));   // 2 chars -> 1 byte
        QCOMPARE(e->base64_decode("Zm9vYmE"), std::string("fooba")); // 3 chars -> 2 bytes
        QCOMPARE(e->base64_decode("Zm9vY"), std::string("foo"));     // 1 char -> nothing
        QCOMPARE(e->base64_decode("Zm9v=YmFy"), std::string("foo")); // stops at "="
        QCOMPARE(e->base64_decode("Zm9v YmFy"), std::string("foo")); // stops at a blank
        QCOMPARE(e->base64_decode("Zm9v\xc3\xa9YmFy"), std::string("foo"));
        QCOMPARE(e->base64_decode(""), std::string());
        QCOMPARE(e->base64_decode("===="), std::string());
        QCOMPARE(e->base64_decode("+//+"), std::string("\xfb\xff\xfe", 3));
    }

    void xorEncode()
    {
        Encryption* e = Encryption::GetInstance();
        QCOMPARE(e->XorEncode("abc", ""), std::string());
        QCOMPARE(e->XorEncode("", "key"), std::string());
        // Key repeats from its first byte.
        const std::string x = e->XorEncode("abcde", std::string("\x01\x02", 2));
        QCOMPARE(x, std::string("\x60\x60\x62\x66\x64", 5));
        QCOMPARE(e->XorEncode(x, std::string("\x01\x02", 2)), std::string("abcde"));
        // XOR of a text with itself gives zero bytes of the same length.
        QCOMPARE(e->XorEncode("hello", "hello"), std::string(5, '\0'));
        // Longer key: only its first bytes are used.
        QCOMPARE(e->XorEncode("ab", "abcdef"), std::string(2, '\0'));
    }

    void randStr()
    {
        Encryption* e = Encryption::GetInstance();
        std::string prev;
        int same = 0;
        for (int i = 0; i < 500; ++i) {
            const std::string r = e->GetRandStr();
            QCOMPARE(int(r.size()), 13);
            for (char c : r) {
                const int v = static_cast<unsigned char>(c);
                QVERIFY(v >= 32 && v <= 121);
            }
            if (r == prev)
                ++same;
            prev = r;
        }
        QCOMPARE(same, 0);
    }

    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("plain");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("one byte") << QByteArray("x");
        QTest::newRow("len%3==2") << QByteArray("ab");
        QTest::newRow("len%3==0") << QByteArray("abc");
        QTest::newRow("len%3==1") << QByteArray("abcd");
        QTest::newRow("ascii") << QByteArray("password=S3cret!&user=alice@example.com");
        QTest::newRow("utf8") << QByteArray(
            "\xe4\xbd\xa0\xe5\xa5\xbd, \xd0\xbc\xd0\xb8\xd1\x80 \xf0\x9f\x98\x80");
        QTest::newRow("zero bytes") << QByteArray("a\0b\0\0c", 6);
        QTest::newRow("only zero") << QByteArray(1, '\0');
        QByteArray all;
        for (int i = 0; i < 256; ++i)
            all += static_cast<char>(i);
        QTest::newRow("all bytes") << all;
        QTest::newRow("json") << QByteArray("{\"a\":[ 1, 2 ],\"b\":\"t\"}");
        QTest::newRow("long") << QByteArray(10000, 'Q');
    }

    void roundTrip()
    {
        QFETCH(QByteArray, plain);
        const std::string p(plain.constData(), static_cast<std::size_t>(plain.size()));
        Encryption* e = Encryption::GetInstance();
        const std::string enc = e->encode(p);
        QVERIFY(isBase64Text(enc));
        // 4 * ceil(len / 3) + 26 bytes before the outer base64.
        const std::size_t inner = 4 * ((p.size() + 2) / 3) + 26;
        QCOMPARE(enc.size(), 4 * ((inner + 2) / 3));
        QCOMPARE(e->base64_decode(enc).size(), inner);
        QCOMPARE(e->decode(enc), p);
        // Also through non-const lvalues, as the callers hold them.
        std::string lvalue = p;
        std::string enc2 = e->encode(lvalue);
        QCOMPARE(e->decode(enc2), p);
    }

    void allLengths()
    {
        Encryption* e = Encryption::GetInstance();
        for (int n = 0; n < 100; ++n) {
            std::string p;
            for (int i = 0; i < n; ++i)
                p += static_cast<char>((i * 71 + n) & 0xFF);
            QCOMPARE(e->decode(e->encode(p)), p);
        }
    }

    void emptyEncodesTo36()
    {
        Encryption* e = Encryption::GetInstance();
        const std::string enc = e->encode(std::string());
        QCOMPARE(int(enc.size()), 36);
        QCOMPARE(e->decode(enc), std::string());
    }

    void twoEncodingsDiffer()
    {
        Encryption* e = Encryption::GetInstance();
        const std::string p = "same text";
        const std::string a = e->encode(p);
        const std::string b = e->encode(p);
        QVERIFY(a != b);
        QCOMPARE(e->decode(a), p);
        QCOMPARE(e->decode(b), p);
    }

    void stampInsideText()
    {
        // The stamp field: 13 decimal digits, ten minutes ahead of now (milliseconds).
        Encryption* e = Encryption::GetInstance();
        const std::string d = e->base64_decode(e->encode("x"));
        QVERIFY(d.size() >= 26);
        const std::string r = e->XorEncode(d.substr(d.size() - 13), kKey);
        const std::string t = e->XorEncode(d.substr(d.size() - 26, 13), r);
        bool ok = false;
        const qint64 stamp = QByteArray::fromStdString(t).toLongLong(&ok);
        QVERIFY(ok);
        QCOMPARE(int(t.size()), 13);
        const qint64 now = QDateTime::currentSecsSinceEpoch() * 1000 + 600000;
        QVERIFY(stamp <= now);
        QVERIFY(stamp > now - 24LL * 3600 * 1000);
        QCOMPARE(stamp % 1000, 0);
    }

    void otherKey()
    {
        Encryption* e = Encryption::GetInstance();
        const std::string p = "secret text for the key test";
        const std::string enc = e->encode(p);
        e->SetKey("another.key!!");
        QVERIFY(e->decode(enc) != p);
        const std::string enc2 = e->encode(p);
        QCOMPARE(e->decode(enc2), p);
        e->SetDefaultKey();
        QCOMPARE(e->decode(enc), p);
        std::string k = kKey;
        e->SetKey(k);
        QCOMPARE(e->decode(enc), p);
    }

    void emptyKeyNoCrash()
    {
        Encryption* e = Encryption::GetInstance();
        e->SetKey("");
        const std::string enc = e->encode("abc");
        e->decode(enc);
        e->decode("");
        e->decode(std::string(100, 'A'));
        e->SetDefaultKey();
    }

    void garbageDecodes()
    {
        Encryption* e = Encryption::GetInstance();
        QCOMPARE(e->decode(""), std::string());
        QCOMPARE(e->decode("not base64 at all!"), std::string()); // reading stops at the blank
        QCOMPARE(e->decode("===="), std::string());
        QCOMPARE(e->decode(std::string(34, 'A')), std::string()); // 25 bytes: too short
        QCOMPARE(e->decode("\xff\xfe\x00\x01"), std::string());
        // Truncated encodings: never a crash, short ones give the empty text.
        const std::string enc = e->encode("some plain text that is long enough");
        for (std::size_t len = 0; len <= enc.size(); ++len) {
            const std::string out = e->decode(enc.substr(0, len));
            if (e->base64_decode(enc.substr(0, len)).size() < 26)
                QCOMPARE(out, std::string());
        }
        // Arbitrary base64 text of every length, and arbitrary bytes: no crash.
        for (int n = 0; n < 200; ++n) {
            std::string g;
            for (int i = 0; i < n; ++i)
                g +=
                    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"[(i * 7 + n) %
                                                                                       64];
            e->decode(g);
            std::string bytes;
            for (int i = 0; i < n; ++i)
                bytes += static_cast<char>((i * 13 + n * 5) & 0xFF);
            e->decode(bytes);
        }
    }

    // Lengths around the encoder's 576-byte blocks, random bytes, several keys; then each
    // encoding damaged (a character replaced, the text cut) must read as the plain reading does.
    void sameAsReference()
    {
        Encryption* e = Encryption::GetInstance();
        std::mt19937 random(20261209);
        std::vector<std::size_t> lengths;
        for (std::size_t n = 0; n < 200; ++n)
            lengths.push_back(n);
        for (std::size_t n : {575, 576, 577, 1151, 1152, 1153, 1730, 5000})
            lengths.push_back(n);
        const std::string damage = "=!A/\xc3\n";
        for (const std::string key : {kKey, "another.key!!", "a key longer than thirty-two bytes"}) {
            e->SetKey(key);
            for (std::size_t n : lengths) {
                const std::string p = randomBytes(random, n);
                QCOMPARE(e->base64_encode(reinterpret_cast<const unsigned char*>(p.data()),
                                          static_cast<unsigned int>(n)),
                         reference::b64(p));
                QCOMPARE(e->base64_decode(p), reference::unb64(p));
                const std::string enc = e->encode(p);
                const std::string d = reference::unb64(enc);
                const std::string r = reference::xorWith(d.substr(d.size() - 13), key);
                const std::string t = reference::xorWith(d.substr(d.size() - 26, 13), r);
                QCOMPARE(enc, reference::encode(p, t, r, key));
                QCOMPARE(e->decode(enc), p);

                std::string bad = enc;
                bad[random() % bad.size()] = damage[random() % damage.size()];
                QCOMPARE(e->decode(bad), reference::decode(bad, key));
                const std::string cut = enc.substr(0, random() % enc.size());
                QCOMPARE(e->decode(cut), reference::decode(cut, key));
            }
        }
        e->SetKey("");
        const std::string enc = e->encode("plain");
        QCOMPARE(e->decode(enc), reference::decode(enc, ""));
        e->SetDefaultKey();
    }

    void concurrentUse()
    {
        std::vector<int> ok(8, 0);
        std::vector<std::thread> threads;
        for (int t = 0; t < 8; ++t) {
            threads.emplace_back([t, &ok] {
                Encryption* e = Encryption::GetInstance();
                int good = 1;
                for (int i = 0; i < 300; ++i) {
                    const std::string p =
                        "thread " + std::to_string(t) + " item " + std::to_string(i);
                    if (e->decode(e->encode(p)) != p)
                        good = 0;
                }
                ok[static_cast<std::size_t>(t)] = good;
            });
        }
        for (auto& th : threads)
            th.join();
        for (int v : ok)
            QCOMPARE(v, 1);
    }
};

QTEST_APPLESS_MAIN(tst_Encryption)
#include "tst_Encryption.moc"
