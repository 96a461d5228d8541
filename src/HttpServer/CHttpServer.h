#pragma once

#include <json/value.h>

#include <functional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

enum HTTP_METHOD
{
    HTTP_GET = 1,
    HTTP_POST = 2
};

// How far the current request was parsed.
enum HTTP_PARSER_STATUS
{
    HTTP_PARSER_START = 1,
    HTTP_PARSER_SPLIT = 2,
    HTTP_PARSER_REQUESTLINE = 3,
    HTTP_PARSER_HEADER = 4,
    HTTP_PARSER_PARAM = 5,
    HTTP_PARSER_CHUNKED = 6,
    HTTP_PARSER_CONTENTLENGTH = 7,
    HTTP_PARSER_URI = 8
};

// One piece of a response: bytes owned by the server, valid until the next parse.
struct tagHttpResponseData
{
    const char* pBuff = nullptr;
    int nBuffLen = 0;
    union {
        bool bIsKeepAlive;
    } u{false};
};

using HttpRequestBodyCallBack = std::function<void(const char* pBody, int nLen)>;

// What the engine's callback routes read from and change in the client.
struct CallbackRouteHooks
{
    std::function<Json::Value()> todayList; // today's rows in the engine's format
    std::function<std::string()> clientMac; // the machine identity
    // 0 bound, 1 not one of the client's ports, 2 no today row for that ip.
    std::function<int(const std::string& strIp, const std::string& strPort)> bindPort;
    std::function<std::pair<int, int>()> portRange; // first port and port count
};

// The HTTP/1.1 side the engine could call back into: parses one request held in a buffer
// and writes the answer's head and body. Only paths served by the routes are answered;
// any other path is 404, so nothing outside the routes is ever read or revealed.
class CHttpServer
{
public:
    static constexpr int kMaxBody = 8192;
    static constexpr int kMaxPath = 511;
    static constexpr int kHeadCapacity = 8192;
    static constexpr int kErrorPageCapacity = 4096;
    static constexpr int kKeepAliveSeconds = 500;
    static constexpr int kNeedMore = -2;

    CHttpServer();

    // 200 when a request is complete, -2 when more data is needed, else an HTTP error code.
    // After -2 the next call passes the same buffer: with the whole received length while
    // the head was incomplete, else with the number of bytes added since. Any other buffer,
    // or a call after another result, starts a new request.
    int HttpParser(const char* buf, int len);
    int GetStatusCode() const { return m_nStatusCode; }

    int HttpResponseHeader(int status, tagHttpResponseData* out);
    // The route's JSON answer; call before the head, which then carries its length.
    int HttpResponsePostBody(tagHttpResponseData* out);
    // The error page, when the head writer built one.
    int HttpResponseBody(tagHttpResponseData* out);

    const std::string* GetHeaderValueForKey(const std::string& name) const;
    bool CheckHeaderValueForKey(const std::string& name, const std::string& value) const;
    std::string GetParamValueForKey(const std::string& name) const;
    void SetHttpRequestBodyCallBack(HttpRequestBodyCallBack fn) { m_requestBodyCallBackFunc = fn; }
    void SetRouteHooks(CallbackRouteHooks hooks) { m_hooks = std::move(hooks); }
    static std::string GetStatusCodeName(int code);
    static std::string GetMimeType(const std::string& path);
    int GetResponseContentLength();
    void InitHttpData();

    HTTP_METHOD GetMethod() const { return m_eMethod; }
    bool IsDynamicPage() const { return m_bIsDynamicPage; }
    bool IsChunked() const { return m_bIsChunked; }
    int GetBodyLen() const { return m_nBodyLen; }
    const std::string& GetUriPath() const { return m_strUriPath; }

private:
    int parseAll();
    int splitHead();
    int parseRequestLine();
    int parseHeaders();
    int parseParams();
    int parseTransferCoding();
    int parseContentLength(bool bOnlyWait);
    int parseChunks();
    int parseUri();
    Json::Value routeAnswer();
    Json::Value bindPortAnswer();
    void buildErrorPage(int status);

    const char* bodyStart() const { return m_pHeaderEnd + 4; }
    int receivedBody() const { return static_cast<int>(m_pReceivedEnd - bodyStart()); }

    HTTP_METHOD m_eMethod = HTTP_GET;
    HTTP_PARSER_STATUS m_eHttpParserStatus = HTTP_PARSER_START;
    const char* m_pRequestLineStart = nullptr;
    const char* m_pRequestLineEnd = nullptr;
    const char* m_pHeaderStart = nullptr;
    const char* m_pHeaderEnd = nullptr;
    const char* m_pReceivedEnd = nullptr;
    std::string m_strUri;
    int m_nReceived = 0;
    int m_nStatusCode = 200;
    bool m_bIsChunked = false;
    bool m_bIsDynamicPage = false;
    int m_nBodyLen = 0;
    std::string m_strUriPath;
    std::string m_strResponseHeader;
    std::string m_strResponseBody;
    std::string m_strPostBody;
    // In arrival order; lookups ignore case and take the first match.
    std::vector<std::pair<std::string, std::string>> m_listHeader;
    std::unordered_map<std::string, std::string> m_mapParam;
    HttpRequestBodyCallBack m_requestBodyCallBackFunc;
    CallbackRouteHooks m_hooks;
};
