#include "MD5.h"

#include <cstring>

namespace {

const unsigned char md5_padding[64] = {0x80};

inline std::uint32_t getUint32LE(const unsigned char* b)
{
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

inline void putUint32LE(std::uint32_t n, unsigned char* b)
{
    b[0] = static_cast<unsigned char>(n);
    b[1] = static_cast<unsigned char>(n >> 8);
    b[2] = static_cast<unsigned char>(n >> 16);
    b[3] = static_cast<unsigned char>(n >> 24);
}

inline std::uint32_t rotl(std::uint32_t x, int n)
{
    return (x << n) | (x >> (32 - n));
}

} // namespace

MD5::MD5()
{
    std::memset(m_data, 0, sizeof(m_data));
}

void MD5::GenerateMD5(unsigned char* input, int length)
{
    md5_context ctx;
    md5_starts(&ctx);
    if (input != nullptr && length > 0)
        md5_update(&ctx, input, static_cast<std::uint32_t>(length));
    unsigned char digest[16];
    md5_finish(&ctx, digest);
    std::memset(m_data, 0, sizeof(m_data));
    std::memcpy(m_data, digest, sizeof(digest));
}

std::string MD5::ToString() const
{
    static const char hex[] = "0123456789abcdef";
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(m_data);
    std::string out;
    out.reserve(32);
    for (int i = 0; i < 16; ++i) {
        out += hex[bytes[i] >> 4];
        out += hex[bytes[i] & 0x0F];
    }
    return out;
}

void MD5::md5_starts(md5_context* ctx)
{
    ctx->total[0] = 0;
    ctx->total[1] = 0;
    ctx->state[0] = 0x67452301;
    ctx->state[1] = 0xEFCDAB89;
    ctx->state[2] = 0x98BADCFE;
    ctx->state[3] = 0x10325476;
    std::memset(ctx->buffer, 0, sizeof(ctx->buffer));
}

void MD5::md5_process(md5_context* ctx, const unsigned char data[64])
{
    std::uint32_t X[16];
    for (int i = 0; i < 16; ++i)
        X[i] = getUint32LE(data + 4 * i);

    std::uint32_t A = ctx->state[0];
    std::uint32_t B = ctx->state[1];
    std::uint32_t C = ctx->state[2];
    std::uint32_t D = ctx->state[3];

#define QEL_MD5_STEP(F, a, b, c, d, k, s, t)                                                       \
    do {                                                                                           \
        a += F(b, c, d) + X[k] + static_cast<std::uint32_t>(t);                                    \
        a = rotl(a, s) + b;                                                                        \
    } while (0)

#define QEL_MD5_F(x, y, z) ((z) ^ ((x) & ((y) ^ (z))))
    QEL_MD5_STEP(QEL_MD5_F, A, B, C, D, 0, 7, 0xD76AA478);
    QEL_MD5_STEP(QEL_MD5_F, D, A, B, C, 1, 12, 0xE8C7B756);
    QEL_MD5_STEP(QEL_MD5_F, C, D, A, B, 2, 17, 0x242070DB);
    QEL_MD5_STEP(QEL_MD5_F, B, C, D, A, 3, 22, 0xC1BDCEEE);
    QEL_MD5_STEP(QEL_MD5_F, A, B, C, D, 4, 7, 0xF57C0FAF);
    QEL_MD5_STEP(QEL_MD5_F, D, A, B, C, 5, 12, 0x4787C62A);
    QEL_MD5_STEP(QEL_MD5_F, C, D, A, B, 6, 17, 0xA8304613);
    QEL_MD5_STEP(QEL_MD5_F, B, C, D, A, 7, 22, 0xFD469501);
    QEL_MD5_STEP(QEL_MD5_F, A, B, C, D, 8, 7, 0x698098D8);
    QEL_MD5_STEP(QEL_MD5_F, D, A, B, C, 9, 12, 0x8B44F7AF);
    QEL_MD5_STEP(QEL_MD5_F, C, D, A, B, 10, 17, 0xFFFF5BB1);
    QEL_MD5_STEP(QEL_MD5_F, B, C, D, A, 11, 22, 0x895CD7BE);
    QEL_MD5_STEP(QEL_MD5_F, A, B, C, D, 12, 7, 0x6B901122);
    QEL_MD5_STEP(QEL_MD5_F, D, A, B, C, 13, 12, 0xFD987193);
    QEL_MD5_STEP(QEL_MD5_F, C, D, A, B, 14, 17, 0xA679438E);
    QEL_MD5_STEP(QEL_MD5_F, B, C, D, A, 15, 22, 0x49B40821);
#undef QEL_MD5_F

#define QEL_MD5_G(x, y, z) ((y) ^ ((z) & ((x) ^ (y))))
    QEL_MD5_STEP(QEL_MD5_G, A, B, C, D, 1, 5, 0xF61E2562);
    QEL_MD5_STEP(QEL_MD5_G, D, A, B, C, 6, 9, 0xC040B340);
    QEL_MD5_STEP(QEL_MD5_G, C, D, A, B, 11, 14, 0x265E5A51);
    QEL_MD5_STEP(QEL_MD5_G, B, C, D, A, 0, 20, 0xE9B6C7AA);
    QEL_MD5_STEP(QEL_MD5_G, A, B, C, D, 5, 5, 0xD62F105D);
    QEL_MD5_STEP(QEL_MD5_G, D, A, B, C, 10, 9, 0x02441453);
    QEL_MD5_STEP(QEL_MD5_G, C, D, A, B, 15, 14, 0xD8A1E681);
    QEL_MD5_STEP(QEL_MD5_G, B, C, D, A, 4, 20, 0xE7D3FBC8);
    QEL_MD5_STEP(QEL_MD5_G, A, B, C, D, 9, 5, 0x21E1CDE6);
    QEL_MD5_STEP(QEL_MD5_G, D, A, B, C, 14, 9, 0xC33707D6);
    QEL_MD5_STEP(QEL_MD5_G, C, D, A, B, 3, 14, 0xF4D50D87);
    QEL_MD5_STEP(QEL_MD5_G, B, C, D, A, 8, 20, 0x455A14ED);
    QEL_MD5_STEP(QEL_MD5_G, A, B, C, D, 13, 5, 0xA9E3E905);
    QEL_MD5_STEP(QEL_MD5_G, D, A, B, C, 2, 9, 0xFCEFA3F8);
    QEL_MD5_STEP(QEL_MD5_G, C, D, A, B, 7, 14, 0x676F02D9);
    QEL_MD5_STEP(QEL_MD5_G, B, C, D, A, 12, 20, 0x8D2A4C8A);
#undef QEL_MD5_G

#define QEL_MD5_H(x, y, z) ((x) ^ (y) ^ (z))
    QEL_MD5_STEP(QEL_MD5_H, A, B, C, D, 5, 4, 0xFFFA3942);
    QEL_MD5_STEP(QEL_MD5_H, D, A, B, C, 8, 11, 0x8771F681);
    QEL_MD5_STEP(QEL_MD5_H, C, D, A, B, 11, 16, 0x6D9D6122);
    QEL_MD5_STEP(QEL_MD5_H, B, C, D, A, 14, 23, 0xFDE5380C);
    QEL_MD5_STEP(QEL_MD5_H, A, B, C, D, 1, 4, 0xA4BEEA44);
    QEL_MD5_STEP(QEL_MD5_H, D, A, B, C, 4, 11, 0x4BDECFA9);
    QEL_MD5_STEP(QEL_MD5_H, C, D, A, B, 7, 16, 0xF6BB4B60);
    QEL_MD5_STEP(QEL_MD5_H, B, C, D, A, 10, 23, 0xBEBFBC70);
    QEL_MD5_STEP(QEL_MD5_H, A, B, C, D, 13, 4, 0x289B7EC6);
    QEL_MD5_STEP(QEL_MD5_H, D, A, B, C, 0, 11, 0xEAA127FA);
    QEL_MD5_STEP(QEL_MD5_H, C, D, A, B, 3, 16, 0xD4EF3085);
    QEL_MD5_STEP(QEL_MD5_H, B, C, D, A, 6, 23, 0x04881D05);
    QEL_MD5_STEP(QEL_MD5_H, A, B, C, D, 9, 4, 0xD9D4D039);
    QEL_MD5_STEP(QEL_MD5_H, D, A, B, C, 12, 11, 0xE6DB99E5);
    QEL_MD5_STEP(QEL_MD5_H, C, D, A, B, 15, 16, 0x1FA27CF8);
    QEL_MD5_STEP(QEL_MD5_H, B, C, D, A, 2, 23, 0xC4AC5665);
#undef QEL_MD5_H

#define QEL_MD5_I(x, y, z) ((y) ^ ((x) | ~(z)))
    QEL_MD5_STEP(QEL_MD5_I, A, B, C, D, 0, 6, 0xF4292244);
    QEL_MD5_STEP(QEL_MD5_I, D, A, B, C, 7, 10, 0x432AFF97);
    QEL_MD5_STEP(QEL_MD5_I, C, D, A, B, 14, 15, 0xAB9423A7);
    QEL_MD5_STEP(QEL_MD5_I, B, C, D, A, 5, 21, 0xFC93A039);
    QEL_MD5_STEP(QEL_MD5_I, A, B, C, D, 12, 6, 0x655B59C3);
    QEL_MD5_STEP(QEL_MD5_I, D, A, B, C, 3, 10, 0x8F0CCC92);
    QEL_MD5_STEP(QEL_MD5_I, C, D, A, B, 10, 15, 0xFFEFF47D);
    QEL_MD5_STEP(QEL_MD5_I, B, C, D, A, 1, 21, 0x85845DD1);
    QEL_MD5_STEP(QEL_MD5_I, A, B, C, D, 8, 6, 0x6FA87E4F);
    QEL_MD5_STEP(QEL_MD5_I, D, A, B, C, 15, 10, 0xFE2CE6E0);
    QEL_MD5_STEP(QEL_MD5_I, C, D, A, B, 6, 15, 0xA3014314);
    QEL_MD5_STEP(QEL_MD5_I, B, C, D, A, 13, 21, 0x4E0811A1);
    QEL_MD5_STEP(QEL_MD5_I, A, B, C, D, 4, 6, 0xF7537E82);
    QEL_MD5_STEP(QEL_MD5_I, D, A, B, C, 11, 10, 0xBD3AF235);
    QEL_MD5_STEP(QEL_MD5_I, C, D, A, B, 2, 15, 0x2AD7D2BB);
    QEL_MD5_STEP(QEL_MD5_I, B, C, D, A, 9, 21, 0xEB86D391);
#undef QEL_MD5_I
#undef QEL_MD5_STEP

    ctx->state[0] += A;
    ctx->state[1] += B;
    ctx->state[2] += C;
    ctx->state[3] += D;
}

void MD5::md5_update(md5_context* ctx, const unsigned char* input, std::uint32_t length)
{
    if (length == 0 || input == nullptr)
        return;

    std::uint32_t left = (ctx->total[0] >> 3) & 0x3F; // bytes already buffered
    std::uint32_t fill = 64 - left;

    // Bit count, carried into the high word.
    std::uint32_t bitsLow = length << 3;
    std::uint32_t bitsHigh = length >> 29;
    ctx->total[0] += bitsLow;
    if (ctx->total[0] < bitsLow)
        ++ctx->total[1];
    ctx->total[1] += bitsHigh;

    if (left != 0 && length >= fill) {
        std::memcpy(ctx->buffer + left, input, fill);
        md5_process(ctx, ctx->buffer);
        input += fill;
        length -= fill;
        left = 0;
    }
    while (length >= 64) {
        md5_process(ctx, input);
        input += 64;
        length -= 64;
    }
    if (length > 0)
        std::memcpy(ctx->buffer + left, input, length);
}

void MD5::md5_finish(md5_context* ctx, unsigned char digest[16])
{
    unsigned char msglen[8];
    putUint32LE(ctx->total[0], msglen);
    putUint32LE(ctx->total[1], msglen + 4);

    std::uint32_t last = (ctx->total[0] >> 3) & 0x3F;
    std::uint32_t padn = (last < 56) ? (56 - last) : (120 - last);

    md5_update(ctx, md5_padding, padn);
    md5_update(ctx, msglen, 8);

    for (int i = 0; i < 4; ++i)
        putUint32LE(ctx->state[i], digest + 4 * i);
}
