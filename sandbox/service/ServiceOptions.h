#pragma once

#include <string>

// The command line of the stand-in service.
struct ServiceOptions
{
    int apiPort = 0;
    int resPort = 0;
    int socksPort = -1; // -1: no relay asked for; 0: a free port
    std::string fixturesDir;
    std::string filesDir;
};

// Reads --api-port, --res-port, --socks-port, --fixtures and --files into `out` (which
// carries the defaults). False with a reason for an unknown option, a missing value or a
// port outside 0-65535.
bool parseServiceOptions(int argc, char** argv, ServiceOptions& out, std::string& error);
