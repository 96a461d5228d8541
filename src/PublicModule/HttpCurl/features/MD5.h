#pragma once

#include <cstdint>
#include <string>

// Self-contained MD5 (RFC 1321) digest. Serves the reversible text
// encoding. Each object holds one digest; objects are independent, so
// separate objects may be used on any thread at once.
class MD5
{
public:
    // Working state of one digest.
    struct md5_context
    {
        std::uint32_t total[2];   // message length in bits: low 32 bits, then high bits
        std::uint32_t state[4];   // chaining words
        unsigned char buffer[64]; // pending input
    };

    // All-zero digest.
    MD5();

    // Digest of exactly `length` bytes at `input` (zero bytes included) into m_data.
    // A negative count or a null pointer is taken as no bytes.
    void GenerateMD5(unsigned char* input, int length);

    // The 16 digest bytes as 32 lower-case hexadecimal characters, byte 0 first.
    std::string ToString() const;

    // The RFC 1321 steps.
    static void md5_starts(md5_context* ctx);
    static void md5_update(md5_context* ctx, const unsigned char* input, std::uint32_t length);
    static void md5_finish(md5_context* ctx, unsigned char digest[16]);
    static void md5_process(md5_context* ctx, const unsigned char data[64]);

private:
    // The first 16 bytes hold the digest, byte 0 first.
    unsigned long m_data[4];
};
