#pragma once

#include <string>
#include <vector>

// The command line of the stand-in service.
struct ServiceOptions
{
    int apiPort = 0;
    int resPort = 0;
    int socksPort = -1; // -1: no relay asked for; 0: a free port
    std::string fixturesDir;
    std::string generatedDir; // fixtures made at build time
    std::string filesDir;
    std::string catalogue; // a fixture set beside the fixtures folder, empty for none
};

// The catalogue set answered from CatalogueGenerator rather than from a folder.
constexpr char kGeneratedCatalogue[] = "large";
bool isGeneratedCatalogue(const ServiceOptions& options);

// Reads --api-port, --res-port, --socks-port, --fixtures, --files and --catalogue into `out`
// (which carries the defaults). False with a reason for an unknown option, a missing value,
// a port outside 0-65535 or a catalogue set (other than the generated one) without its
// folder.
bool parseServiceOptions(int argc, char** argv, ServiceOptions& out, std::string& error);

// The fixture folders in search order: the catalogue set "fixturesDir-SET" when one is
// chosen (not the generated one), the fixtures folder, the generated fixtures.
std::vector<std::string> fixtureFolders(const ServiceOptions& options);
