// Times a binding from bindPortBySession to the first byte of a file fetched through the
// bound port (SOCKS5, stand-in engine and service), against a direct fetch of the same file
// in the same run. Each repetition binds a fresh exit to a fresh port, the ports chosen free
// at run time. Prints medians.
#include "CountingInterfaceRecv.h"
#include "EngineTestKit.h"
#include "SandboxService.h"

#include "DataManager/Proxy/ProxyManager.h"
#include "Interface/GlobleParam.h"
#include "Interface/ProxyGoProxy.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <curl/curl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 9;
constexpr int kWaitMs = 10000;

bool waitFor(const std::function<bool()>& done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > kWaitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

size_t stopAtFirstByte(char*, size_t, size_t, void* pSeen)
{
    *static_cast<bool*>(pSeen) = true;
    return 0; // the first byte is all that is timed
}

// Fetches until the first byte arrives; false when none came.
bool firstByte(const std::string& strUrl, const std::string& strProxy)
{
    CURL* pCurl = curl_easy_init();
    bool bSeen = false;
    curl_easy_setopt(pCurl, CURLOPT_URL, strUrl.c_str());
    curl_easy_setopt(pCurl, CURLOPT_PROXY, strProxy.c_str());
    curl_easy_setopt(pCurl, CURLOPT_CONNECTTIMEOUT_MS, 5000L);
    curl_easy_setopt(pCurl, CURLOPT_TIMEOUT_MS, 10000L);
    curl_easy_setopt(pCurl, CURLOPT_WRITEFUNCTION, stopAtFirstByte);
    curl_easy_setopt(pCurl, CURLOPT_WRITEDATA, &bSeen);
    curl_easy_perform(pCurl);
    curl_easy_cleanup(pCurl);
    return bSeen;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

Json::Value exitRecord(int n)
{
    Json::Value record;
    record["ip"] = "10.7.0." + std::to_string(n);
    record["ip_time_type"] = "1";
    record["country"] = "US";
    record["city"] = "Austin";
    record["sn"] = "SN" + std::to_string(n);
    record["server"] = "s1";
    return record;
}

int fail(const char* szWhat)
{
    std::fprintf(stderr, "bench_PortBinding: %s\n", szWhat);
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QTemporaryDir workDir; // the account's database goes here, not where the bench was run
    if (!workDir.isValid() || !QDir::setCurrent(workDir.path()))
        return fail("no temporary folder");
    SandboxService service;
    if (!service.start())
        return fail("the stand-in service did not start");
    GlobleParam param;
    CountingInterfaceRecv recv;
    recv.SetTestServer(true);
    recv.SetLocalDomian("127.0.0.1");
    recv.useService(service);
    if (!recv.signInDemo(kWaitMs) || param.getIsLogin() != 1)
        return fail("sign-in failed");

    // Ports free now, so that neither another program nor a parallel run holds one.
    const int nFirstPort = freeRange(kRuns);
    if (nFirstPort == 0)
        return fail("no free ports");
    param.setBeginPort(nFirstPort);
    param.setPortNumber(kRuns);
    ProxyManager& proxies = *ProxyManager::GetInstance();
    proxies.addPortData(nFirstPort, kRuns);
    ProxyGoProxy* pEngine = ProxyGoProxy::GetInstance();
    bool bReady = false;
    QObject::connect(&recv, &InterfaceProcBase::signal_SetUiData,
                     [&](int nType, const QString&, int nValue) {
                         if (nType == 27 || nType == 51)
                             recv.pushGetServerStatus();
                         bReady = bReady || (nType == 50 && nValue == 1);
                     });
    pEngine->startProxy(1);
    if (!waitFor([&] { return bReady; }))
        return fail("the engine did not answer");

    const std::string strUrl = service.resUrl().toStdString() + "/files/hello.txt";
    std::vector<double> bound, direct;
    for (int n = 1; n <= kRuns; ++n) {
        Json::Value records(Json::arrayValue);
        records.append(exitRecord(n));
        proxies.addDataByJsonArray(records, Proxy_Online, 10);
        const QString qstrKey = ProxyManager::userSession(QStringLiteral("10.7.0.%1").arg(n));
        const QString qstrPort = proxies.getRandomEnablePort();

        QElapsedTimer timer;
        timer.start();
        proxies.bindPortBySession(qstrKey, qstrPort, Proxy_Online);
        if (!waitFor([&] { return proxies.getPortDataByKey(qstrPort, Proxy_Port)->getUsed(); }) ||
            !firstByte(strUrl, "socks5h://127.0.0.1:" + qstrPort.toStdString()))
            return fail("no first byte through the bound port");
        bound.push_back(timer.nsecsElapsed() / 1e6);

        timer.restart();
        if (!firstByte(strUrl, ""))
            return fail("no first byte from the direct fetch");
        direct.push_back(timer.nsecsElapsed() / 1e6);
        recv.settle(kWaitMs); // the binding's verification GETs end before the next round
    }
    const double fBound = median(bound);
    const double fDirect = median(direct);
    std::printf("bindPortBySession to first byte through the port: %.2f ms median of %d\n",
                fBound, kRuns);
    std::printf("direct fetch to first byte: %.3f ms median (ratio %.1f)\n", fDirect,
                fBound / fDirect);
    delete pEngine;
    recv.settle(kWaitMs);
    proxies.clearAllData(0);
    return 0;
}
