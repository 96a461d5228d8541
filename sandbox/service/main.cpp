// Stand-in for the service's web API in tests and the demo: two HTTP listeners (API and
// resource domain) answering fixtures, files and scripted faults, plus an optional SOCKS5
// relay. Prints "<api_port> <res_port> <socks_port>" first, then serves until SIGTERM/SIGINT.

#include "FixtureStore.h"
#include "HttpListener.h"
#include "RequestLog.h"
#include "ScriptTable.h"
#include "ServiceOptions.h"
#include "ServiceRoutes.h"
#include "Socks5Relay.h"
#include "StopSignals.h"

#include <cstdio>
#include <string>

namespace {

void logLine(const std::string& text)
{
    std::fprintf(stderr, "sandbox-service: %s\n", text.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    ServiceOptions options;
    options.fixturesDir = QEL_SANDBOX_FIXTURES_DIR;
    options.generatedDir = QEL_SANDBOX_GENERATED_DIR;
    options.filesDir = QEL_SANDBOX_FILES_DIR;
    std::string error;
    if (!parseServiceOptions(argc, argv, options, error)) {
        logLine(error);
        logLine("usage: sandbox-service --api-port P --res-port Q [--socks-port S] "
                "[--fixtures DIR] [--files DIR] [--catalogue SET]");
        return 2;
    }
    const sigset_t stopSignals = blockStopSignals();

    HttpListener api;
    HttpListener res;
    if (api.bind(options.apiPort) == 0 || res.bind(options.resPort) == 0) {
        logLine(api.port() == 0 ? "cannot listen for api" : "cannot listen for res");
        return 1;
    }
    // Fixtures name the service's own addresses, known once both listeners are bound.
    const FixtureStore fixtures(fixtureFolders(options), api.baseAddress(), res.baseAddress());
    RequestLog log;
    ScriptTable scripts;
    ServiceRoutes routes(options, fixtures, log, scripts);
    routes.install(api.server(), "api");
    routes.install(res.server(), "res");
    Socks5Relay relay(logLine);
    const int socksPort = options.socksPort < 0 ? 0 : relay.start(options.socksPort);
    if (options.socksPort >= 0 && socksPort == 0) {
        logLine("cannot listen for the relay");
        return 1;
    }

    api.start();
    res.start();
    std::printf("%d %d %d\n", api.port(), res.port(), socksPort);
    std::fflush(stdout);

    waitForStop(stopSignals);
    scripts.shutdown();
    api.stop();
    res.stop();
    relay.stop();
    return 0;
}
