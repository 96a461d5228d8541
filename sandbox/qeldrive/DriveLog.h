#pragma once

#include <string>

// One line on stderr per call, whole lines even when threads log at once. The client only
// records this output.
void driveLog(const std::string& text);
