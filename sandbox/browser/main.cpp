// Stand-in for the outside anti-detection browser in tests: its local JSON API on
// 127.0.0.1, optionally announced in a configuration file where the client looks for it.
// Prints its port first, then serves until SIGTERM/SIGINT.

#include "BrowserOptions.h"
#include "BrowserRoutes.h"
#include "HttpListener.h"
#include "ProfileStore.h"
#include "RequestLog.h"
#include "ScriptTable.h"
#include "StopSignals.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

void logLine(const std::string& text)
{
    std::fprintf(stderr, "sandbox-browser: %s\n", text.c_str());
}

// The browser's own "bitbrowser/config.json" under a configuration folder, naming the
// address of its local API.
bool writeConfig(const std::string& configHome, const std::string& address)
{
    const std::filesystem::path folder = std::filesystem::path(configHome) / "bitbrowser";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    std::ofstream file(folder / "config.json", std::ios::binary | std::ios::trunc);
    file << "{\n    \"localServerAddress\": \"" << address << "\"\n}\n";
    file.close();
    return !ec && file.good();
}

} // namespace

int main(int argc, char** argv)
{
    BrowserOptions options;
    std::string error;
    Json::Value profiles = ProfileStore::builtIn();
    if (!parseBrowserOptions(argc, argv, options, error) ||
        (!options.profilesFile.empty() &&
         !ProfileStore::load(options.profilesFile, profiles, error))) {
        logLine(error);
        logLine("usage: sandbox-browser --port P [--profiles FILE] [--config-home DIR]");
        return 2;
    }
    const sigset_t stopSignals = blockStopSignals();

    HttpListener listener;
    if (listener.bind(options.port) == 0) {
        logLine("cannot listen");
        return 1;
    }
    if (!options.configHome.empty() && !writeConfig(options.configHome, listener.baseAddress())) {
        logLine("cannot write the configuration under " + options.configHome);
        return 1;
    }
    ProfileStore store(std::move(profiles));
    RequestLog log;
    ScriptTable scripts;
    BrowserRoutes routes(store, log, scripts);
    routes.install(listener.server());

    listener.start();
    std::printf("%d\n", listener.port());
    std::fflush(stdout);

    waitForStop(stopSignals);
    scripts.shutdown();
    listener.stop();
    return 0;
}
