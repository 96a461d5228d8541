#pragma once

#include <string>

// The command line of the stand-in browser.
struct BrowserOptions
{
    int port = 0;
    std::string profilesFile; // empty: the built-in profiles
    std::string configHome;   // empty: no configuration file is written
};

// Reads --port, --profiles and --config-home into `out`. False with a reason for an unknown
// option, a missing value or a port outside 0-65535.
bool parseBrowserOptions(int argc, char** argv, BrowserOptions& out, std::string& error);
