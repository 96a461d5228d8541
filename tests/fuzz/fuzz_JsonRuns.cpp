// libFuzzer harness: the run reader must read every text as a whole parse does. Built with
// runs of a few bytes, so that short texts are cut at most of their top-level commas. The
// first byte picks the comment setting and the bound of values an element may hold (which
// also bounds the values parsed at once); the rest is the array's text after its '['.
#include "RunsAgainstWhole.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::string text = "[" + std::string(reinterpret_cast<const char*>(data + 1), size - 1);
    if (!RunsAgainstWhole::agree(text, data[0] & 1, data[0] & 2 ? SIZE_MAX : data[0] >> 2))
        std::abort();
    return 0;
}
