// qeldrive: the stand-in engine. Serves the client's local API and its bound ports on
// 127.0.0.1 and reports extracted and freed ports by UDP datagrams.

#include "DatagramSender.h"
#include "DriveApi.h"
#include "DriveLog.h"
#include "DriveOptions.h"
#include "PortTable.h"
#include "StopSignals.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

const char* const kUsage =
    "usage: qeldrive -api_port=N -user=NAME -pwd=TEXT -proxy_port_start=N -proxy_port_num=N\n"
    "                -intranet_ip=IPV4 -sync_udp_port=N -mac_adds=TEXT -client_api_port=N\n"
    "                [--ready-after MS]\n";

} // namespace

int main(int argc, char** argv)
{
    DriveOptions options;
    std::string errorText;
    if (!options.parse({argv + 1, argv + argc}, errorText)) {
        std::fprintf(stderr, "qeldrive: %s\n%s", errorText.c_str(), kUsage);
        return 2;
    }
    const sigset_t signals = blockStopSignals();
    driveLog("start " + options.describe());

    DatagramSender datagrams(options.nSyncUdpPort);
    PortTable ports(options.nProxyPortStart, options.nProxyPortNum);
    DriveApi api(options, ports, datagrams);
    // Until ready the API port is not listened on, so the client's poll is refused.
    if (waitForStop(signals, options.nReadyAfterMs))
        return 0;
    if (!api.listen(options.nApiPort)) {
        driveLog("cannot listen on 127.0.0.1:" + std::to_string(options.nApiPort));
        return 1;
    }
    driveLog("ready on 127.0.0.1:" + std::to_string(options.nApiPort));
    std::thread server(&DriveApi::run, &api);
    waitForStop(signals, -1);

    driveLog("stopping");
    api.stop();
    ports.unbindAll();
    server.join();
    return 0;
}
