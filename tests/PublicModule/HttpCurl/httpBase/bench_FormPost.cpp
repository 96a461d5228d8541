// One signed form post through the request runner against plain libcurl sending the same
// request (signed header set, same fields, a fresh handle per request) and parsing the
// answer with JsonCpp; and, for comparison, against an unsigned plain multipart POST. All
// to the same stand-in route, on loopback, in one process. The stand-in's request log is
// emptied before every run so that no run pays for the ones before it.
#include "SandboxService.h"
#include "StubWebRecv.h"

#include "PublicModule/HttpCurl/httpBase/HTTPEvent_KX.h"
#include "PublicModule/HttpCurl/httpBase/WebInterface.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <memory>

namespace {

SandboxService* g_pService = nullptr;
const char* const kRoute = "/api/socks/login";

size_t discard(void*, size_t nSize, size_t nCount, void*)
{
    return nSize * nCount;
}

size_t keep(char* pData, size_t nSize, size_t nCount, void* pBody)
{
    static_cast<std::string*>(pBody)->append(pData, nSize * nCount);
    return nSize * nCount;
}

void resetServiceLog(const benchmark::State&)
{
    g_pService->reset();
}

// The runner's header lines: an empty value is sent as "name;".
curl_slist* headerList(const std::vector<ParamItem>& headers)
{
    curl_slist* pList = nullptr;
    for (const ParamItem& item : headers) {
        const std::string strLine =
            item.strValue.empty() ? item.strKey + ";" : item.strKey + ":" + item.strValue;
        pList = curl_slist_append(pList, strLine.c_str());
    }
    return pList;
}

// The stand-in's demo account, so both requests get the whole sign-in answer to parse.
const std::vector<ParamItem> kSignInFields = {{"username", "demo_user"},
                                              {"password", "QelDemo#2024"}};

void BM_SignedFormPost(benchmark::State& state)
{
    std::string strBase = g_pService->apiUrl().toStdString();
    std::string strRoute = kRoute;
    std::vector<ParamItem> params = kSignInFields;
    for (auto _ : state) {
        HTTPEvent_KX record(108);
        if (!WebInterface::GetInstance()->_EncodeRequestNew(strBase, strRoute, params, &record) ||
            record.m_nParam1 != 0) {
            state.SkipWithError("signed form post failed");
            break;
        }
    }
}
BENCHMARK(BM_SignedFormPost)->Unit(benchmark::kMicrosecond)->Setup(resetServiceLog);

// The same request with the header set built once, so signing costs it nothing.
void BM_SameRequestCurl(benchmark::State& state)
{
    const std::string strUrl = g_pService->apiUrl().toStdString() + kRoute;
    std::vector<ParamItem> headers;
    WebInterface::GetInstance()->GetHttpHeader(headers);
    curl_slist* pHeaders = headerList(headers);
    const std::unique_ptr<Json::CharReader> reader(Json::CharReaderBuilder().newCharReader());
    for (auto _ : state) {
        CURL* pCurl = curl_easy_init();
        curl_mime* pMime = curl_mime_init(pCurl);
        for (const ParamItem& field : kSignInFields) {
            curl_mimepart* pPart = curl_mime_addpart(pMime);
            curl_mime_name(pPart, field.strKey.c_str());
            curl_mime_data(pPart, field.strValue.data(), field.strValue.size());
        }
        std::string strBody;
        curl_easy_setopt(pCurl, CURLOPT_URL, strUrl.c_str());
        curl_easy_setopt(pCurl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(pCurl, CURLOPT_CONNECTTIMEOUT, 5L);
        curl_easy_setopt(pCurl, CURLOPT_TIMEOUT, 20L);
        curl_easy_setopt(pCurl, CURLOPT_HTTPHEADER, pHeaders);
        curl_easy_setopt(pCurl, CURLOPT_MIMEPOST, pMime);
        curl_easy_setopt(pCurl, CURLOPT_WRITEFUNCTION, &keep);
        curl_easy_setopt(pCurl, CURLOPT_WRITEDATA, &strBody);
        const CURLcode nCode = curl_easy_perform(pCurl);
        curl_mime_free(pMime);
        curl_easy_cleanup(pCurl);
        Json::Value answer;
        std::string strErrors;
        if (nCode != CURLE_OK ||
            !reader->parse(strBody.data(), strBody.data() + strBody.size(), &answer, &strErrors) ||
            JsonRead::getInt(answer, "code", -1) != 0) {
            state.SkipWithError("same request failed");
            break;
        }
    }
    curl_slist_free_all(pHeaders);
}
BENCHMARK(BM_SameRequestCurl)->Unit(benchmark::kMicrosecond)->Setup(resetServiceLog);

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
BENCHMARK(BM_PlainCurlPost)->Unit(benchmark::kMicrosecond)->Setup(resetServiceLog);

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
