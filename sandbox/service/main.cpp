// Stand-in for the service's web API in tests and the demo: two HTTP listeners (API and
// resource domain) answering fixtures, files and scripted faults, plus an optional SOCKS5
// relay. Prints "<api_port> <res_port> <socks_port>" first, then serves until SIGTERM/SIGINT.

#include "FixtureStore.h"
#include "RequestLog.h"
#include "ScriptTable.h"
#include "ServiceOptions.h"
#include "ServiceRoutes.h"
#include "Socks5Relay.h"
#include "StopSignals.h"

#include <httplib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

const char kHost[] = "127.0.0.1";
constexpr size_t kWorkerThreads = 64; // held (hang) requests must not starve the others
constexpr time_t kKeepAliveSeconds = 1;

struct Listener
{
    std::string name;
    int port = 0;
    httplib::Server server;
    std::thread thread;
};

// 0 asks the system for a free port. Returns the bound port, or 0.
int bindListener(Listener& listener, int port)
{
    listener.server.new_task_queue = [] { return new httplib::ThreadPool(kWorkerThreads); };
    listener.server.set_keep_alive_timeout(kKeepAliveSeconds);
    if (port == 0)
        return std::max(0, listener.server.bind_to_any_port(kHost));
    return listener.server.bind_to_port(kHost, port) ? port : 0;
}

std::string baseAddress(int port)
{
    return std::string("http://") + kHost + ":" + std::to_string(port);
}

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

    std::vector<std::unique_ptr<Listener>> listeners;
    for (const auto& [name, port] :
         {std::make_pair("api", options.apiPort), std::make_pair("res", options.resPort)}) {
        auto listener = std::make_unique<Listener>();
        listener->name = name;
        listener->port = bindListener(*listener, port);
        if (listener->port == 0) {
            logLine(std::string("cannot listen for ") + name);
            return 1;
        }
        listeners.push_back(std::move(listener));
    }
    // Fixtures name the service's own addresses, known once both listeners are bound.
    const FixtureStore fixtures(fixtureFolders(options), baseAddress(listeners[0]->port),
                                baseAddress(listeners[1]->port));
    RequestLog log;
    ScriptTable scripts;
    ServiceRoutes routes(options, fixtures, log, scripts);
    for (auto& listener : listeners)
        routes.install(listener->server, listener->name);
    Socks5Relay relay(logLine);
    const int socksPort = options.socksPort < 0 ? 0 : relay.start(options.socksPort);
    if (options.socksPort >= 0 && socksPort == 0) {
        logLine("cannot listen for the relay");
        return 1;
    }

    for (auto& listener : listeners)
        listener->thread =
            std::thread([&server = listener->server] { server.listen_after_bind(); });
    // Announce the ports only once both listeners run: a stop that came earlier would
    // be lost and leave a listener thread that never ends.
    for (auto& listener : listeners)
        while (!listener->server.is_running())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::printf("%d %d %d\n", listeners[0]->port, listeners[1]->port, socksPort);
    std::fflush(stdout);

    waitForStop(stopSignals);
    scripts.shutdown();
    for (auto& listener : listeners)
        listener->server.stop();
    relay.stop();
    for (auto& listener : listeners)
        listener->thread.join();
    return 0;
}
