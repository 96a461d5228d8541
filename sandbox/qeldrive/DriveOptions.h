#pragma once

#include <string>
#include <vector>

// The command line the client starts the engine with: nine "-key=value" arguments, plus our
// own "--ready-after MS" that delays the API (for tests and demonstrations).
struct DriveOptions
{
    int nApiPort = 0;
    std::string strUser; // the password ("-pwd=") is required but not kept
    int nProxyPortStart = 0;
    int nProxyPortNum = 0;
    std::string strIntranetIp;
    int nSyncUdpPort = 0;
    std::string strMacAdds;
    int nClientApiPort = 0;
    int nReadyAfterMs = 0;

    // Fills the options from argv (without the program name). False with a message naming the
    // argument when one is missing, repeated, unknown or out of range.
    bool parse(const std::vector<std::string>& args, std::string& errorText);

    // The start-up line for the log; the password is left out.
    std::string describe() const;
};

// A port range is usable when it starts at a valid port and does not run past 65535.
bool isValidPortRange(int start, int count);
