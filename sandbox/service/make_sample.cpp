// Writes the 4 MiB sample file served under /files/sample.bin. The bytes come from a fixed
// xorshift sequence, so every build produces the same file and resumed downloads can be
// checked against a known digest.

#include <cstdint>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: sandbox-make-sample FILE\n");
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out)
        return 1;
    constexpr std::uint32_t kWords = 4 * 1024 * 1024 / 4;
    std::uint32_t state = 0x2545F491u;
    for (std::uint32_t i = 0; i < kWords; ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        const unsigned char bytes[4] = {
            static_cast<unsigned char>(state), static_cast<unsigned char>(state >> 8),
            static_cast<unsigned char>(state >> 16), static_cast<unsigned char>(state >> 24)};
        std::fwrite(bytes, 1, sizeof(bytes), out);
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
