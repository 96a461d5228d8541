#include "HttpServer/CHttpServer.h"

#include "PublicModule/HttpCurl/features/NormalJson.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstring>
#include <map>
#include <string_view>

namespace {

constexpr int kMaxChunkSizeLine = 71;
// Sizes beyond any buffer the parser sees; keeps the arithmetic inside int.
constexpr long long kSizeCap = INT_MAX / 2;

const std::map<int, const char*>& reasonPhrases()
{
    static const std::map<int, const char*> phrases = {
        {-1, "Unknown Error"},
        {100, "Continue"},
        {101, "Switching Protocols"},
        {200, "OK"},
        {201, "Created"},
        {202, "Accepted"},
        {203, "Non-Authoritative Information"},
        {204, "No Content"},
        {205, "Reset Content"},
        {206, "Partial Content"},
        {300, "Multiple Choices"},
        {301, "Moved Permanently"},
        {302, "Found"},
        {303, "See Other"},
        {304, "Not Modified"},
        {305, "Use Proxy"},
        {307, "Temporary Redirect"},
        {400, "Bad Request"},
        {401, "Unauthorized"},
        {403, "Forbidden"},
        {404, "Not Found"},
        {405, "Method Not Allowed"},
        {406, "Not Acceptable"},
        {407, "Proxy Authentication Required"},
        {408, "Request Time-out"},
        {409, "Conflict"},
        {410, "Gone"},
        {411, "Length Required"},
        {412, "Precondition Failed"},
        {413, "Request Entity Too Large"},
        {414, "Request-URI Too Large"},
        {415, "Unsupported Media Type"},
        {416, "Requested range not satisfiable"},
        {417, "Expectation Failed"},
        {500, "Internal Server Error"},
        {501, "Not Implemented"},
        {502, "Bad Gateway"},
        {503, "Service Unavailable"},
        {504, "Gateway Time-out"},
        {505, "HTTP Version not supported"},
    };
    return phrases;
}

const char* const kMimeTypes[][2] = {
    {".html", "text/html"},
    {".xml", "text/xml"},
    {".xhtml", "application/xhtml+xml"},
    {".txt", "text/plain"},
    {".rtf", "application/rtf"},
    {".pdf", "application/pdf"},
    {".word", "application/msword"},
    {".png", "image/png"},
    {".gif", "image/gif"},
    {".jpg", "image/jpeg"},
    {".jpeg", "image/jpeg"},
    {".au", "audio/basic"},
    {".mpeg", "video/mpeg"},
    {".mpg", "video/mpeg"},
    {".avi", "video/x-msvideo"},
    {".gz", "application/x-gzip"},
    {".tar", "application/x-tar"},
    {".css", "text/css"},
    {".ico", "application/x-ico"},
};

const char kErrorPage[] =
    "<html> <head> </head> <meta http-equiv=\"content-type\" "
    "content=\"text/html;charset=utf-8\">         <title>error</title>         "
    "<body align=\"center\">         </body>         %d %s         </html>";

bool equalsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

const char* findByte(const char* p, const char* end, char c)
{
    const void* hit = std::memchr(p, c, static_cast<std::size_t>(end - p));
    return hit ? static_cast<const char*>(hit) : end;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    const int lower = std::tolower(static_cast<unsigned char>(c));
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

Json::Value routeResult(int code, const char* msg)
{
    Json::Value answer;
    answer["code"] = code;
    answer["msg"] = msg;
    return answer;
}

} // namespace

CHttpServer::CHttpServer()
{
    InitHttpData();
}

void CHttpServer::InitHttpData()
{
    m_eMethod = HTTP_GET;
    m_eHttpParserStatus = HTTP_PARSER_START;
    m_pRequestLineStart = m_pRequestLineEnd = m_pHeaderStart = m_pHeaderEnd = nullptr;
    m_pReceivedEnd = nullptr;
    m_strUri.clear();
    m_nReceived = 0;
    m_bIsChunked = m_bIsDynamicPage = false;
    m_strUriPath.clear();
    m_strResponseHeader.clear();
    m_strResponseBody.clear();
    m_strPostBody.clear();
    m_nBodyLen = 0;
    m_nStatusCode = 200;
    m_listHeader.clear();
    m_mapParam.clear();
}

int CHttpServer::HttpParser(const char* buf, int len)
{
    const bool bContinue = m_nStatusCode == kNeedMore && buf == m_pRequestLineStart;
    const HTTP_PARSER_STATUS eReached = m_eHttpParserStatus;
    const int nBefore = m_nReceived;
    if (!bContinue)
        InitHttpData();
    len = std::max(len, 0);
    if (!buf) {
        m_nStatusCode = 400;
        return m_nStatusCode;
    }
    // While the head was incomplete the caller passes everything received, later only what
    // was added; either way every call parses all bytes received so far afresh.
    if (!bContinue || eReached == HTTP_PARSER_START)
        m_nReceived = len;
    else if (len > INT_MAX - nBefore)
        m_nReceived = -1;
    else
        m_nReceived = nBefore + len;
    if (m_nReceived < 0) {
        m_nStatusCode = 413;
        return m_nStatusCode;
    }
    m_pRequestLineStart = buf;
    m_pReceivedEnd = buf + m_nReceived;
    m_nStatusCode = parseAll();
    return m_nStatusCode;
}

int CHttpServer::parseAll()
{
    m_eHttpParserStatus = HTTP_PARSER_START;
    m_pRequestLineEnd = m_pHeaderStart = m_pHeaderEnd = nullptr;
    m_listHeader.clear();
    m_mapParam.clear();
    m_bIsChunked = m_bIsDynamicPage = false;
    m_strUriPath.clear();
    if (int r = splitHead())
        return r;
    m_eHttpParserStatus = HTTP_PARSER_SPLIT;
    if (int r = parseRequestLine())
        return r;
    m_eHttpParserStatus = HTTP_PARSER_REQUESTLINE;
    if (int r = parseHeaders())
        return r;
    m_eHttpParserStatus = HTTP_PARSER_HEADER;
    // An announced body is awaited whole before any of it is read.
    if (int r = parseContentLength(true))
        return r;
    if (int r = parseParams())
        return r;
    m_eHttpParserStatus = HTTP_PARSER_PARAM;
    if (int r = parseTransferCoding())
        return r;
    if (int r = m_bIsChunked ? parseChunks() : parseContentLength(false))
        return r;
    m_eHttpParserStatus = m_bIsChunked ? HTTP_PARSER_CHUNKED : HTTP_PARSER_CONTENTLENGTH;
    if (int r = parseUri())
        return r;
    m_eHttpParserStatus = HTTP_PARSER_URI;
    if (m_nBodyLen > 0 && m_requestBodyCallBackFunc)
        m_requestBodyCallBackFunc(bodyStart(), m_nBodyLen);
    // Only the routes are served: no other path is looked up anywhere.
    return m_bIsDynamicPage ? 200 : 404;
}

int CHttpServer::splitHead()
{
    const char* p = m_pRequestLineStart;
    const char* end = m_pReceivedEnd;
    for (p = findByte(p, end, '\r'); p < end; p = findByte(p + 1, end, '\r')) {
        if (p + 1 >= end)
            return kNeedMore;
        if (p[1] != '\n')
            return 400;
        if (!m_pRequestLineEnd) {
            m_pRequestLineEnd = p;
            m_pHeaderStart = p + 2;
        }
        if (p + 2 >= end)
            return kNeedMore;
        if (p[2] != '\r')
            continue;
        if (p + 3 >= end)
            return kNeedMore;
        if (p[3] != '\n')
            return 400;
        m_pHeaderEnd = p;
        m_nBodyLen = receivedBody();
        return 0;
    }
    return kNeedMore;
}

int CHttpServer::parseRequestLine()
{
    const std::string_view line(m_pRequestLineStart,
                                static_cast<std::size_t>(m_pRequestLineEnd - m_pRequestLineStart));
    const std::size_t methodEnd = line.find(' ');
    if (methodEnd == std::string_view::npos)
        return 400;
    const std::size_t uriEnd = line.find(' ', methodEnd + 1);
    if (uriEnd == std::string_view::npos)
        return 400;
    const std::string_view method = line.substr(0, methodEnd);
    if (method == "GET")
        m_eMethod = HTTP_GET;
    else if (method == "POST")
        m_eMethod = HTTP_POST;
    else
        return 405;
    const std::size_t slash = line.find('/', uriEnd + 1);
    if (slash == std::string_view::npos)
        return 400;
    const std::string_view version = line.substr(slash + 1);
    if (!std::all_of(version.begin(), version.end(),
                     [](char c) { return c == '.' || (c >= '0' && c <= '9'); }))
        return 400;
    if (version != "1.0" && version != "1.1")
        return 505;
    m_strUri.assign(line.substr(methodEnd + 1, uriEnd - methodEnd - 1));
    return 0;
}

int CHttpServer::parseHeaders()
{
    const char* p = m_pHeaderStart;
    const char* end = m_pHeaderEnd;
    while (p < end) {
        const char* lineEnd = findByte(p, end, '\r');
        const char* colon = findByte(p, lineEnd, ':');
        if (colon == lineEnd || colon == p)
            return 400;
        const char* value = colon + 1;
        while (value < lineEnd && *value == ' ')
            ++value;
        if (value == lineEnd)
            return 400;
        m_listHeader.emplace_back(std::string(p, colon), std::string(value, lineEnd));
        p = lineEnd + 2; // the head split saw LF after every CR
    }
    return 0;
}

// The body as text: up to its first zero byte, never past what was received.
int CHttpServer::parseParams()
{
    const std::string_view body(bodyStart(), static_cast<std::size_t>(receivedBody()));
    const std::string_view text = body.substr(0, body.find('\0'));
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t eq = text.find('=', pos);
        if (eq == std::string_view::npos || eq == pos)
            return 400;
        std::size_t value = eq + 1;
        while (value < text.size() && text[value] == ' ')
            ++value;
        if (value >= text.size())
            return 400;
        std::size_t amp = text.find('&', value);
        if (amp == text.size() - 1)
            amp = std::string_view::npos; // a closing "&" belongs to the value
        const std::size_t valueEnd = amp == std::string_view::npos ? text.size() : amp;
        if (valueEnd == value)
            return 400;
        m_mapParam.emplace(std::string(text.substr(pos, eq - pos)),
                           std::string(text.substr(value, valueEnd - value)));
        pos = valueEnd + 1;
    }
    return 0;
}

int CHttpServer::parseTransferCoding()
{
    m_bIsChunked = false;
    const std::string* coding = GetHeaderValueForKey("transfer-encoding");
    if (!coding || *coding == "identity")
        return 0;
    if (*coding != "chunked")
        return 501;
    m_bIsChunked = true;
    return 0;
}

// With bOnlyWait, only says -2 for a well-formed announced body not received whole;
// everything else is judged later, in its turn.
int CHttpServer::parseContentLength(bool bOnlyWait)
{
    const std::string* coding = GetHeaderValueForKey("transfer-encoding");
    const std::string* length = GetHeaderValueForKey("content-length");
    if (bOnlyWait && coding && *coding != "identity")
        return 0;
    if (!length) {
        if (!bOnlyWait)
            m_nBodyLen = 0;
        return 0;
    }
    long long nAnnounced = 0;
    for (char c : *length) {
        if (c < '0' || c > '9')
            return bOnlyWait ? 0 : 400;
        nAnnounced = std::min(nAnnounced * 10 + (c - '0'), kSizeCap);
    }
    if (nAnnounced > kMaxBody)
        return bOnlyWait ? 0 : 413;
    if (nAnnounced > receivedBody())
        return kNeedMore;
    if (!bOnlyWait)
        m_nBodyLen = static_cast<int>(nAnnounced);
    return 0;
}

int CHttpServer::parseChunks()
{
    const char* start = bodyStart();
    const char* p = start;
    const char* end = m_pReceivedEnd;
    for (;;) {
        long long nSize = 0;
        const char* sizeStart = p;
        for (; p < end && *p != '\r'; ++p) {
            const int digit = hexValue(*p);
            if (digit < 0 || p - sizeStart >= kMaxChunkSizeLine)
                return 400;
            nSize = std::min(nSize * 16 + digit, kSizeCap);
        }
        if (p >= end)
            return kNeedMore;
        if (p == sizeStart)
            return 400;
        if (p + 1 >= end)
            return kNeedMore;
        if (p[1] != '\n')
            return 400;
        p += 2;
        if (nSize == 0) {
            if (end - p < 2)
                return end - p == 1 && *p != '\r' ? 400 : kNeedMore;
            if (p[0] != '\r' || p[1] != '\n')
                return 400;
            m_nBodyLen = static_cast<int>(p + 2 - start);
            return 0;
        }
        const char* dataEnd = findByte(p, end, '\r');
        const long long nData = dataEnd - p;
        // A chunk still arriving waits; one longer than announced is refused.
        if (nData > nSize)
            return 400;
        if (dataEnd == end)
            return kNeedMore;
        if (nData != nSize)
            return 400;
        if (dataEnd + 1 >= end)
            return kNeedMore;
        if (dataEnd[1] != '\n')
            return 400;
        p = dataEnd + 2;
    }
}

int CHttpServer::parseUri()
{
    const std::size_t question = m_strUri.find('?');
    if (question == 0 && m_strUri.size() > 1)
        return 400;
    const bool bQuery = question != std::string::npos && question + 1 < m_strUri.size();
    const std::string path = bQuery ? m_strUri.substr(0, question) : m_strUri;
    if (path.empty())
        return 400;
    if (static_cast<int>(path.size()) > kMaxPath)
        return 414;
    m_strUriPath = path;
    m_bIsDynamicPage = path.find("api") != std::string::npos;
    if (!m_bIsDynamicPage && path.find('.') == std::string::npos && path.back() != '/') {
        if (static_cast<int>(path.size()) + 1 > kMaxPath)
            return 414;
        m_strUriPath += '/';
    }
    return 0;
}

const std::string* CHttpServer::GetHeaderValueForKey(const std::string& name) const
{
    for (const auto& header : m_listHeader) {
        if (equalsNoCase(header.first, name))
            return &header.second;
    }
    return nullptr;
}

bool CHttpServer::CheckHeaderValueForKey(const std::string& name, const std::string& value) const
{
    const std::string* found = GetHeaderValueForKey(name);
    return found && equalsNoCase(*found, value);
}

std::string CHttpServer::GetParamValueForKey(const std::string& name) const
{
    const auto found = m_mapParam.find(name);
    return found == m_mapParam.end() ? std::string() : found->second;
}

std::string CHttpServer::GetStatusCodeName(int code)
{
    const auto found = reasonPhrases().find(code);
    return found == reasonPhrases().end() ? reasonPhrases().at(-1) : found->second;
}

std::string CHttpServer::GetMimeType(const std::string& path)
{
    const std::size_t dot = path.rfind('.');
    if (dot != std::string::npos) {
        const std::string_view extension = std::string_view(path).substr(dot);
        for (const auto& entry : kMimeTypes) {
            if (equalsNoCase(extension, entry[0]))
                return entry[1];
        }
    }
    return "text/plain";
}

void CHttpServer::buildErrorPage(int status)
{
    const auto found = reasonPhrases().find(status);
    const char* phrase = found == reasonPhrases().end() ? "unknown error" : found->second;
    char page[kErrorPageCapacity];
    const int n = std::snprintf(page, sizeof page, kErrorPage, status, phrase);
    m_strResponseBody.assign(page,
                             static_cast<std::size_t>(std::clamp(n, 0, kErrorPageCapacity - 1)));
}

int CHttpServer::GetResponseContentLength()
{
    if (m_nStatusCode != 200) {
        buildErrorPage(m_nStatusCode);
        return static_cast<int>(m_strResponseBody.size());
    }
    return m_bIsDynamicPage ? static_cast<int>(m_strPostBody.size()) : 0;
}

int CHttpServer::HttpResponseHeader(int status, tagHttpResponseData* out)
{
    const bool bKeepAlive = CheckHeaderValueForKey("Connection", "keep-alive");
    std::string head =
        "HTTP/1.1 " + std::to_string(status) + " " + GetStatusCodeName(status) + "\r\n";
    if (bKeepAlive)
        head +=
            "Connection: keep-alive\r\nKeep-Alive: timeout=" + std::to_string(kKeepAliveSeconds) +
            "\r\n";
    else
        head += "Connection: close\r\n";
    head += "Content-type: " +
            (m_nStatusCode == 200 ? GetMimeType(m_strUriPath) : std::string("text/html")) + "\r\n";
    const int nLength = GetResponseContentLength();
    if (nLength > 0)
        head += "Content-length: " + std::to_string(nLength) + "\r\n";
    head += "\r\n";
    if (static_cast<int>(head.size()) >= kHeadCapacity)
        return 0;
    m_strResponseHeader = std::move(head);
    out->pBuff = m_strResponseHeader.data();
    out->nBuffLen = static_cast<int>(m_strResponseHeader.size());
    out->u.bIsKeepAlive = bKeepAlive;
    return 1;
}

int CHttpServer::HttpResponsePostBody(tagHttpResponseData* out)
{
    m_strPostBody = toNormalString(routeAnswer());
    out->pBuff = m_strPostBody.data();
    out->nBuffLen = static_cast<int>(m_strPostBody.size());
    return 1;
}

int CHttpServer::HttpResponseBody(tagHttpResponseData* out)
{
    if (m_strResponseBody.empty())
        return 0;
    out->pBuff = m_strResponseBody.data();
    out->nBuffLen = static_cast<int>(m_strResponseBody.size());
    return 1;
}

Json::Value CHttpServer::routeAnswer()
{
    if (m_eMethod != HTTP_POST)
        return routeResult(404, "please use the \"Post\" method");
    if (m_strUriPath == "/api/server/get_todaylist") {
        Json::Value answer = routeResult(200, "success");
        answer["ret_data"] = m_hooks.todayList ? m_hooks.todayList() : Json::arrayValue;
        return answer;
    }
    if (m_strUriPath == "/api/server/get_mac") {
        Json::Value answer = routeResult(200, "success");
        answer["ret_data"]["mac"] = m_hooks.clientMac ? m_hooks.clientMac() : std::string();
        return answer;
    }
    if (m_strUriPath == "/api/server/bind_port")
        return bindPortAnswer();
    return routeResult(404, "the router is incorrect,please check your method");
}

Json::Value CHttpServer::bindPortAnswer()
{
    const std::string strIp = GetParamValueForKey("ip");
    const std::string strPort = GetParamValueForKey("port");
    if (strIp.empty())
        return routeResult(301, "ip can not empty");
    if (strPort.empty())
        return routeResult(302, "port can not empty");
    // Without the proxy store's binding there is no today row to bind.
    const int nResult = m_hooks.bindPort ? m_hooks.bindPort(strIp, strPort) : 2;
    if (nResult == 1) {
        const auto range = m_hooks.portRange ? m_hooks.portRange() : std::make_pair(0, 0);
        const std::string strMsg = "Not supported port, the allowable port range is " +
                                   std::to_string(range.first) + "-" +
                                   std::to_string(range.first + range.second - 1);
        return routeResult(311, strMsg.c_str());
    }
    if (nResult == 2)
        return routeResult(312, "Not supported line,the line is not exist in todaylist");
    return routeResult(200, "success");
}
