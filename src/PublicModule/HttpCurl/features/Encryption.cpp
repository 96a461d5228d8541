#include "Encryption.h"

#include "MD5.h"

#include <ctime>
#include <random>

namespace {

const char kDefaultKey[] = "tarnwexil.qzx";
const std::size_t kFieldLen = 13; // length of the stamp text, the random text and F2/F3

// Value of a base64 alphabet character, or -1.
inline int base64Value(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

} // namespace

Encryption::Encryption()
    : m_strBaseChar("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"),
      m_strKey(kDefaultKey),
      m_curTime(static_cast<std::int64_t>(std::time(nullptr)) * 1000 + 600000)
{
}

Encryption* Encryption::GetInstance()
{
    // Function-local static: initialised once, thread-safely; lives until process exit.
    static Encryption instance;
    return &instance;
}

void Encryption::SetKey(const std::string& key)
{
    m_strKey = key;
}

void Encryption::SetDefaultKey()
{
    m_strKey = kDefaultKey;
}

std::string Encryption::digestOf(const std::string& t, const std::string& r, const std::string& k)
{
    std::string all;
    all.reserve(t.size() + r.size() + k.size());
    all += t;
    all += r;
    all += k;
    MD5 md5;
    md5.GenerateMD5(reinterpret_cast<unsigned char*>(&all[0]), static_cast<int>(all.size()));
    return md5.ToString();
}

std::string Encryption::encode(const std::string& plain)
{
    const std::string key = m_strKey;
    const std::string t = std::to_string(m_curTime);
    const std::string r = GetRandStr();
    const std::string h = digestOf(t, r, key);
    const std::string b = base64_encode(reinterpret_cast<const unsigned char*>(plain.data()),
                                        static_cast<unsigned int>(plain.size()));

    std::string joined = XorEncode(b, h);
    joined += XorEncode(t, r);
    joined += XorEncode(r, key);
    return base64_encode(reinterpret_cast<const unsigned char*>(joined.data()),
                         static_cast<unsigned int>(joined.size()));
}

std::string Encryption::decode(const std::string& encoded)
{
    const std::string key = m_strKey;
    const std::string d = base64_decode(encoded);
    const std::size_t n = d.size();
    if (n < 2 * kFieldLen)
        return std::string();

    const std::string r = XorEncode(d.substr(n - kFieldLen, kFieldLen), key);
    const std::string t = XorEncode(d.substr(n - 2 * kFieldLen, kFieldLen), r);
    const std::string h = digestOf(t, r, key);
    const std::string b = XorEncode(d.substr(0, n - 2 * kFieldLen), h);
    return base64_decode(b);
}

std::string Encryption::base64_encode(const unsigned char* bytes, unsigned int length)
{
    std::string out;
    if (bytes == nullptr || length == 0)
        return out;
    out.reserve(((static_cast<std::size_t>(length) + 2) / 3) * 4);

    unsigned int i = 0;
    for (; i + 3 <= length; i += 3) {
        const unsigned int v = (static_cast<unsigned int>(bytes[i]) << 16) |
                               (static_cast<unsigned int>(bytes[i + 1]) << 8) | bytes[i + 2];
        out += m_strBaseChar[(v >> 18) & 0x3F];
        out += m_strBaseChar[(v >> 12) & 0x3F];
        out += m_strBaseChar[(v >> 6) & 0x3F];
        out += m_strBaseChar[v & 0x3F];
    }
    const unsigned int rest = length - i;
    if (rest == 1) {
        const unsigned int v = static_cast<unsigned int>(bytes[i]) << 16;
        out += m_strBaseChar[(v >> 18) & 0x3F];
        out += m_strBaseChar[(v >> 12) & 0x3F];
        out += "==";
    } else if (rest == 2) {
        const unsigned int v = (static_cast<unsigned int>(bytes[i]) << 16) |
                               (static_cast<unsigned int>(bytes[i + 1]) << 8);
        out += m_strBaseChar[(v >> 18) & 0x3F];
        out += m_strBaseChar[(v >> 12) & 0x3F];
        out += m_strBaseChar[(v >> 6) & 0x3F];
        out += '=';
    }
    return out;
}

std::string Encryption::base64_decode(const std::string& text)
{
    std::string out;
    out.reserve(text.size() / 4 * 3 + 3);
    unsigned int group[4];
    int count = 0;
    for (unsigned char c : text) {
        const int v = base64Value(c); // "=" and anything else outside the alphabet: -1
        if (v < 0)
            break;
        group[count++] = static_cast<unsigned int>(v);
        if (count == 4) {
            const unsigned int w = (group[0] << 18) | (group[1] << 12) | (group[2] << 6) | group[3];
            out += static_cast<char>((w >> 16) & 0xFF);
            out += static_cast<char>((w >> 8) & 0xFF);
            out += static_cast<char>(w & 0xFF);
            count = 0;
        }
    }
    if (count == 3) {
        const unsigned int w = (group[0] << 18) | (group[1] << 12) | (group[2] << 6);
        out += static_cast<char>((w >> 16) & 0xFF);
        out += static_cast<char>((w >> 8) & 0xFF);
    } else if (count == 2) {
        const unsigned int w = (group[0] << 18) | (group[1] << 12);
        out += static_cast<char>((w >> 16) & 0xFF);
    }
    return out;
}

std::string Encryption::XorEncode(std::string text, std::string key)
{
    if (key.empty())
        return std::string();
    const std::size_t keyLen = key.size();
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char>(text[i] ^ key[i % keyLen]);
    return text;
}

std::string Encryption::GetRandStr()
{
    thread_local std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<int> dist(32, 121);
    std::string out(kFieldLen, ' ');
    for (char& c : out)
        c = static_cast<char>(dist(generator));
    return out;
}
