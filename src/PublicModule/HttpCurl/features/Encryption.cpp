#include "Encryption.h"

#include "MD5.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <ctime>
#include <random>
#include <utility>

namespace {

const char kDefaultKey[] = "tarnwexil.qzx";
const std::size_t kFieldLen = 13;           // length of the random text and the stamp text
const std::size_t kTailLen = 2 * kFieldLen; // the keyed stamp and random text after the body
const std::size_t kDigestLen = 32;          // the hexadecimal MD5 that keys the body
static_assert(Encryption::kMaxFieldBytes == 20 + kFieldLen, "the stamp and the random text");

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::array<signed char, 256> makeDecodeTable()
{
    std::array<signed char, 256> table{};
    for (auto& value : table)
        value = -1;
    for (int i = 0; i < 64; ++i)
        table[static_cast<unsigned char>(kAlphabet[i])] = static_cast<signed char>(i);
    return table;
}

// Value of each byte as a base64 character; -1 for "=" and anything else outside the alphabet.
constexpr std::array<signed char, 256> kDecode = makeDecodeTable();

// The body goes through blocks: 576 plain bytes are 768 base64 characters, a whole number
// of digest periods and of 3-byte groups, so blocks join without seams.
const std::size_t kPlainBlock = 576;
const std::size_t kInnerBlock = kPlainBlock / 3 * 4;
static_assert(kInnerBlock % kDigestLen == 0 && kInnerBlock % 3 == 0, "blocks must align");

inline int valueOf(char c)
{
    return kDecode[static_cast<unsigned char>(c)];
}

std::size_t encodedLength(std::size_t bytes)
{
    return (bytes + 2) / 3 * 4;
}

// Standard base64 of `length` bytes, "=" padded, written at `out`; returns its end.
char* encodeBase64(const char* in, std::size_t length, char* out)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(in);
    const unsigned char* const end = bytes + length / 3 * 3;
    for (; bytes != end; bytes += 3, out += 4) {
        const std::uint32_t v = (std::uint32_t(bytes[0]) << 16) | (std::uint32_t(bytes[1]) << 8) |
                                bytes[2];
        out[0] = kAlphabet[v >> 18];
        out[1] = kAlphabet[(v >> 12) & 0x3F];
        out[2] = kAlphabet[(v >> 6) & 0x3F];
        out[3] = kAlphabet[v & 0x3F];
    }
    const std::size_t rest = length % 3;
    if (rest == 0)
        return out;
    const std::uint32_t v =
        (std::uint32_t(bytes[0]) << 16) | (rest == 2 ? std::uint32_t(bytes[1]) << 8 : 0);
    out[0] = kAlphabet[v >> 18];
    out[1] = kAlphabet[(v >> 12) & 0x3F];
    out[2] = rest == 2 ? kAlphabet[(v >> 6) & 0x3F] : '=';
    out[3] = '=';
    return out + 4;
}

// Lenient base64 reading of `length` characters at `out` (at most length / 4 * 3 + 2 bytes):
// stops at the first character outside the alphabet, then setting `*stopped`; a last group
// of two or three characters gives one or two bytes. Returns the bytes written. `out` may
// be `in` or lie before it: a group is read before its bytes are written.
std::size_t decodeBase64(const char* in, std::size_t length, char* out, bool* stopped = nullptr)
{
    char* const start = out;
    std::size_t i = 0;
    for (; i + 4 <= length; i += 4, out += 3) {
        const int a = valueOf(in[i]), b = valueOf(in[i + 1]), c = valueOf(in[i + 2]),
                  d = valueOf(in[i + 3]);
        if ((a | b | c | d) < 0)
            break;
        const std::uint32_t v = (std::uint32_t(a) << 18) | (std::uint32_t(b) << 12) |
                                (std::uint32_t(c) << 6) | std::uint32_t(d);
        out[0] = static_cast<char>(v >> 16);
        out[1] = static_cast<char>(v >> 8);
        out[2] = static_cast<char>(v);
    }
    // A short last group, or the group holding the first character outside the alphabet.
    std::uint32_t v = 0;
    std::size_t k = 0;
    for (; i + k < length && k < 4; ++k) {
        const int value = valueOf(in[i + k]);
        if (value < 0) {
            if (stopped)
                *stopped = true;
            break;
        }
        v |= std::uint32_t(value) << (18 - 6 * k);
    }
    if (k >= 2)
        *out++ = static_cast<char>(v >> 16);
    if (k >= 3)
        *out++ = static_cast<char>(v >> 8);
    return static_cast<std::size_t>(out - start);
}

// Cyclic XOR of `length` bytes with a non-empty key, from `in` to `out` (which may be `in`).
void xorCyclic(const char* in, std::size_t length, const char* key, std::size_t keyLength,
               char* out)
{
    for (std::size_t done = 0; done < length; done += keyLength) {
        const std::size_t run = std::min(keyLength, length - done);
        for (std::size_t j = 0; j < run; ++j)
            out[done + j] = static_cast<char>(in[done + j] ^ key[j]);
    }
}

// Lower-case hexadecimal MD5 of T, then R, then K, at `out` (32 characters).
void digestOf(const char* t, std::size_t tLength, const char* r, std::size_t rLength,
              const std::string& k, char* out)
{
    MD5::md5_context context;
    MD5::md5_starts(&context);
    for (const auto& part : {std::make_pair(t, tLength), std::make_pair(r, rLength),
                             std::make_pair(k.data(), k.size())})
        if (part.second > 0)
            MD5::md5_update(&context, reinterpret_cast<const unsigned char*>(part.first),
                            static_cast<std::uint32_t>(part.second));
    unsigned char digest[16];
    MD5::md5_finish(&context, digest);
    static const char hex[] = "0123456789abcdef";
    for (int i = 0; i < 16; ++i) {
        out[2 * i] = hex[digest[i] >> 4];
        out[2 * i + 1] = hex[digest[i] & 0x0F];
    }
}

} // namespace

Encryption::Encryption()
    : m_strKey(kDefaultKey),
      m_strStamp(std::to_string(static_cast<std::int64_t>(std::time(nullptr)) * 1000 + 600000))
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

// base64(XOR(base64(plain), H) + XOR(T, R) + XOR(R, K)), H the digest of T, R and K, built
// block by block straight into the result.
std::string Encryption::encode(const std::string& plain)
{
    const std::string& key = m_strKey;
    const std::string& t = m_strStamp;
    const std::string r = GetRandStr();
    char h[kDigestLen];
    digestOf(t.data(), t.size(), r.data(), r.size(), key, h);

    const std::size_t length = plain.size();
    const std::size_t fieldsLength = t.size() + (key.empty() ? 0 : r.size());
    std::string out(encodedLength(encodedLength(length) + fieldsLength), '\0');
    char* dst = &out[0];
    char inner[kInnerBlock + Encryption::kMaxFieldBytes];
    std::size_t done = 0;
    for (; length - done >= kPlainBlock; done += kPlainBlock) {
        encodeBase64(plain.data() + done, kPlainBlock, inner);
        xorCyclic(inner, kInnerBlock, h, kDigestLen, inner);
        dst = encodeBase64(inner, kInnerBlock, dst);
    }
    // The last block with its padding, then the fields (R keyed by an empty K is nothing).
    char* end = encodeBase64(plain.data() + done, length - done, inner);
    xorCyclic(inner, static_cast<std::size_t>(end - inner), h, kDigestLen, inner);
    xorCyclic(t.data(), t.size(), r.data(), r.size(), end);
    end += t.size();
    if (!key.empty()) {
        xorCyclic(r.data(), r.size(), key.data(), key.size(), end);
        end += r.size();
    }
    encodeBase64(inner, static_cast<std::size_t>(end - inner), dst);
    return out;
}

std::string Encryption::decode(const std::string& encoded)
{
    return decode(encoded.data(), encoded.size());
}

std::string Encryption::decode(const char* encoded, std::size_t size)
{
    const std::string& key = m_strKey;
    // The outer base64 is read whole into the result; the body is then read in place, as
    // base64 reading never writes ahead of what it has read.
    std::string out(size / 4 * 3 + 2, '\0');
    char* const data = &out[0];
    const std::size_t length = decodeBase64(encoded, size, data);
    if (length < kTailLen)
        return std::string();
    const std::size_t bodyLength = length - kTailLen;

    // The fields: R is the last keyed by K, T the one before keyed by R; both are empty
    // when K is (XorEncode's rule).
    const char* tail = data + bodyLength;
    const std::size_t fieldLength = key.empty() ? 0 : kFieldLen;
    char r[kFieldLen];
    char t[kFieldLen];
    if (fieldLength > 0) {
        xorCyclic(tail + kFieldLen, kFieldLen, key.data(), key.size(), r);
        xorCyclic(tail, kFieldLen, r, kFieldLen, t);
    }
    char h[kDigestLen];
    digestOf(t, fieldLength, r, fieldLength, key, h);

    // The body is base64 text keyed by H; its reading stops at its first character outside
    // the alphabet.
    std::size_t written = 0;
    bool stopped = false;
    for (std::size_t done = 0; done < bodyLength && !stopped; done += kInnerBlock) {
        const std::size_t blockLength = std::min(kInnerBlock, bodyLength - done);
        xorCyclic(data + done, blockLength, h, kDigestLen, data + done);
        written += decodeBase64(data + done, blockLength, data + written, &stopped);
    }
    out.resize(written);
    return out;
}

std::string Encryption::base64_encode(const unsigned char* bytes, unsigned int length)
{
    if (bytes == nullptr || length == 0)
        return std::string();
    std::string out(encodedLength(length), '\0');
    encodeBase64(reinterpret_cast<const char*>(bytes), length, &out[0]);
    return out;
}

std::string Encryption::base64_decode(const std::string& text)
{
    std::string out(text.size() / 4 * 3 + 2, '\0');
    out.resize(decodeBase64(text.data(), text.size(), &out[0]));
    return out;
}

std::string Encryption::XorEncode(std::string text, std::string key)
{
    if (key.empty())
        return std::string();
    xorCyclic(text.data(), text.size(), key.data(), key.size(), &text[0]);
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
