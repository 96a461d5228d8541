// One signed form post through the request runner against a plain libcurl multipart POST
// of the same fields to the same stand-in route, on loopback, in one process.
#include "SandboxService.h"
#include "StubWebRecv.h"

#include "PublicModule/HttpCurl/httpBase/HTTPEvent_KX.h"
#include "PublicModule/HttpCurl/httpBase/WebInterface.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>
#include <curl/curl.h>

namespace {

SandboxService* g_pService = nullptr;
const char* const kRoute = "/api/socks/login";

size_t discard(void*, size_t nSize, size_t nCount, void*)
{
    return nSize * nCount;
}

void BM_SignedFormPost(benchmark::State& state)
{
    std::string strBase = g_pService->apiUrl().toStdString();
    std::string strRoute = kRoute;
    std::vector<ParamItem> params = {{"username", "demo_user"}, {"password", "QelDemo#2024"}};
    for (auto _ : state) {
        HTTPEvent_KX record(108);
        if (!WebInterface::GetInstance()->_EncodeRequestNew(strBase, strRoute, params, &record) ||
            record.m_nParam1 != 0) {
            state.SkipWithError("signed form post failed");
            break;
        }
    }
}
BENCHMARK(BM_SignedFormPost)->Unit(benchmark::kMicrosecond);

void BM_PlainCurlPost(benchmark::State& state)
{
    // Unsigned, so the stand-in answers its short "bad sign" JSON instead of the fixture.
    const std::string strUrl = g_pService->apiUrl().toStdString() + kRoute;
    for (auto _ : state) {
        CURL* pCurl = curl_easy_init();
        curl_mime* pMime = curl_mime_init(pCurl);
        for (const char* szField : {"username", "password"}) {
            curl_mimepart* pPart = curl_mime_addpart(pMime);
            curl_mime_name(pPart, szField);
            curl_mime_data(pPart, "alice", CURL_ZERO_TERMINATED);
        }
        curl_easy_setopt(pCurl, CURLOPT_URL, strUrl.c_str());
        curl_easy_setopt(pCurl, CURLOPT_MIMEPOST, pMime);
        curl_easy_setopt(pCurl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(pCurl, CURLOPT_WRITEFUNCTION, &discard);
        const CURLcode nCode = curl_easy_perform(pCurl);
        curl_mime_free(pMime);
        curl_easy_cleanup(pCurl);
        if (nCode != CURLE_OK) {
            state.SkipWithError("plain post failed");
            break;
        }
    }
}
BENCHMARK(BM_PlainCurlPost)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    StubWebRecv state;
    state.InitStaticData();
    SandboxService service;
    if (!service.start())
        return 1;
    g_pService = &service;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
