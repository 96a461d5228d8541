#include "PublicModule/HttpCurl/features/MD5.h"

#include <QCryptographicHash>
#include <QtTest>

#include <string>
#include <thread>
#include <vector>

namespace {

std::string md5Of(const std::string& bytes)
{
    std::string copy = bytes;
    MD5 md5;
    md5.GenerateMD5(reinterpret_cast<unsigned char*>(copy.empty() ? nullptr : &copy[0]),
                    static_cast<int>(copy.size()));
    return md5.ToString();
}

std::string qtMd5Of(const std::string& bytes)
{
    return QCryptographicHash::hash(QByteArray(bytes.data(), static_cast<int>(bytes.size())),
                                    QCryptographicHash::Md5)
        .toHex()
        .toStdString();
}

bool isLowerHex32(const std::string& s)
{
    if (s.size() != 32)
        return false;
    for (char c : s) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

} // namespace

class tst_MD5 : public QObject
{
    Q_OBJECT

private slots:
    void defaultIsZero()
    {
        MD5 md5;
        QCOMPARE(QString::fromStdString(md5.ToString()), QString(32, QLatin1Char('0')));
    }

    void rfc1321_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("digest");
        QTest::newRow("empty") << QByteArray("") << QByteArray("d41d8cd98f00b204e9800998ecf8427e");
        QTest::newRow("a") << QByteArray("a") << QByteArray("0cc175b9c0f1b6a831c399e269772661");
        QTest::newRow("abc") << QByteArray("abc") << QByteArray("900150983cd24fb0d6963f7d28e17f72");
        QTest::newRow("message digest")
            << QByteArray("message digest") << QByteArray("f96b697d7cb7938d525a2f31aaf161d0");
        QTest::newRow("a-z") << QByteArray("abcdefghijklmnopqrstuvwxyz")
                             << QByteArray("c3fcd3d76192e4007dfb496cca67e13b");
        QTest::newRow("A-Za-z0-9")
            << QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789")
            << QByteArray("d174ab98d277d9f5a5611c2c9f419d9f");
        QTest::newRow("8x1234567890") << QByteArray("1234567890123456789012345678901234567890"
                                                    "1234567890123456789012345678901234567890")
                                      << QByteArray("57edf4a22be3c955ac49da2e2107b67a");
    }

    void rfc1321()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, digest);
        const std::string got = md5Of(input.toStdString());
        QCOMPARE(QByteArray::fromStdString(got), digest);
        QVERIFY(isLowerHex32(got));
    }

    void paddingBoundaries_data()
    {
        QTest::addColumn<int>("length");
        for (int n : {0, 1, 54, 55, 56, 57, 63, 64, 65, 119, 120, 127, 128, 129, 1000})
            QTest::newRow(QByteArray::number(n).constData()) << n;
    }

    void paddingBoundaries()
    {
        QFETCH(int, length);
        std::string bytes;
        for (int i = 0; i < length; ++i)
            bytes += static_cast<char>('a' + i % 26);
        QCOMPARE(QString::fromStdString(md5Of(bytes)), QString::fromStdString(qtMd5Of(bytes)));
        // All byte values, zero bytes included.
        std::string binary;
        for (int i = 0; i < length; ++i)
            binary += static_cast<char>((i * 37) & 0xFF);
        QCOMPARE(QString::fromStdString(md5Of(binary)), QString::fromStdString(qtMd5Of(binary)));
    }

    void zeroBytesCounted()
    {
        const std::string z1(1, '\0');
        const std::string z2(2, '\0');
        QCOMPARE(md5Of(z1), std::string("93b885adfe0da089cdf634904fd59f71"));
        QVERIFY(md5Of(z1) != md5Of(z2));
        QCOMPARE(md5Of(z2), qtMd5Of(z2));
        QCOMPARE(md5Of(std::string("a\0b", 3)), qtMd5Of(std::string("a\0b", 3)));
    }

    void negativeCountIsEmpty()
    {
        unsigned char byte = 'x';
        MD5 md5;
        md5.GenerateMD5(&byte, -5);
        QCOMPARE(md5.ToString(), std::string("d41d8cd98f00b204e9800998ecf8427e"));
    }

    void largeInput()
    {
        std::string bytes(1000000, 'a');
        QCOMPARE(md5Of(bytes), std::string("7707d6ae4e027c70eea2a935c2296f21"));
    }

    void objectReused()
    {
        MD5 md5;
        std::string a = "abc";
        md5.GenerateMD5(reinterpret_cast<unsigned char*>(&a[0]), 3);
        md5.GenerateMD5(nullptr, 0);
        QCOMPARE(md5.ToString(), std::string("d41d8cd98f00b204e9800998ecf8427e"));
    }

    void concurrent()
    {
        std::vector<std::thread> threads;
        std::vector<int> ok(8, 0);
        for (int t = 0; t < 8; ++t) {
            threads.emplace_back([t, &ok] {
                int good = 1;
                for (int i = 0; i < 200; ++i) {
                    std::string s(static_cast<std::size_t>(i + t), static_cast<char>('A' + t));
                    if (md5Of(s) != qtMd5Of(s))
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

QTEST_APPLESS_MAIN(tst_MD5)
#include "tst_MD5.moc"
