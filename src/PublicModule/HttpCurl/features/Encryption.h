#pragma once

#include <cstddef>
#include <string>

// The program's reversible text encoding: base64, three XOR layers keyed by
// the key K, a per-run stamp, a random text and an MD5 digest, then base64 again. It hides
// text from casual reading; it gives no integrity check.
//
// One encoder for the process (GetInstance). encode/decode only read the key and the
// stamp; the key is written only by SetKey (the settings writer at exit), so the encoder
// is shared without a lock. Nothing here throws; bad input decodes to the empty text or
// to meaningless bytes. encode goes through small blocks on the stack and decode works in
// its result, so the result is their only allocation (list caches encode every record).
class Encryption
{
public:
    // The one encoder, created on first call (also under concurrent first calls).
    static Encryption* GetInstance();

    // Replaces the key K.
    void SetKey(const std::string& key);
    // Sets K back to the default text "tarnwexil.qzx".
    void SetDefaultKey();

    // The fields after the body: the stamp, a decimal std::int64_t (at most 20 characters),
    // and the random text.
    static constexpr std::size_t kMaxFieldBytes = 20 + 13;
    // The most plain bytes whose encoded text is at most `encodedBytes` long.
    static constexpr std::size_t largestPlainFor(std::size_t encodedBytes)
    {
        return (encodedBytes / 4 * 3 - kMaxFieldBytes) / 4 * 3;
    }

    // Plain bytes -> encoded text (base64 characters only).
    std::string encode(const std::string& plain);
    // Encoded text -> plain bytes; the empty text when the text is too short.
    std::string decode(const std::string& encoded);
    // The same for `length` encoded characters at `encoded` (a file read as bytes, uncopied).
    std::string decode(const char* encoded, std::size_t length);

    // Standard base64 (RFC 4648 alphabet, "=" padding, no line breaks).
    std::string base64_encode(const unsigned char* bytes, unsigned int length);
    // Lenient base64 reading: stops at the first "=" or non-alphabet character.
    std::string base64_decode(const std::string& text);
    // Cyclic XOR of `text` with `key`; empty when the key is empty.
    std::string XorEncode(std::string text, std::string key);
    // 13 random bytes, each from 32 to 121.
    std::string GetRandStr();

    Encryption(const Encryption&) = delete;
    Encryption& operator=(const Encryption&) = delete;

private:
    Encryption();
    ~Encryption() = default;

    std::string m_strKey;
    // Milliseconds since the epoch at start plus ten minutes, as decimal text.
    std::string m_strStamp;
};
