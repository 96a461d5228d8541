#include "DriveLog.h"

#include <cstdio>
#include <mutex>

void driveLog(const std::string& text)
{
    static std::mutex mutex;
    std::lock_guard<std::mutex> lock(mutex);
    std::fprintf(stderr, "qeldrive: %s\n", text.c_str());
    std::fflush(stderr);
}
