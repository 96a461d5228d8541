#pragma once

#include <json/json.h>

#include <cstdint>
#include <string>
#include <vector>

// One form field, query pair or request header; lists keep sending order.
struct ParamItem
{
    std::string strKey;
    std::string strValue;
};

// The kind of work a record asks for.
enum enmRequestType
{
    REQUEST_NORMAL = 0,      // signed form post
    REQUEST_ENCODE = 1,      // signed form post, same as 0
    REQUEST_RUN = 2,         // no network; always succeeds
    REQUEST_GET = 3,         // GET with the session in the query
    REQUEST_FILE = 4,        // file download
    REQUEST_INSTALL = 5,     // copy the program folder into an install folder
    REQUEST_UPLOAD = 6,      // signed multipart upload
    REQUEST_DELETE = 7,      // signed DELETE
    REQUEST_SAVEJSON = 8,    // catalogue cache file, no network
    REQUEST_JSON = 9,        // JSON post
    REQUEST_VERIFY_HTTP = 10 // GET through a local proxy
};

// The base address put in front of a record's route. Fixed to int so that any stored
// number is a valid value (unknown ones give an empty base address).
enum _DomainType : int
{
    DOMAIN_LOGIN = 0,
    DOMAIN_LOG = 1,
    DOMAIN_VIP = 2,
    DOMAIN_TEST = 3,
    DOMAIN_ACTIVE = 4,
    DOMAIN_EMPTY = 5, // the route is already a whole URL
    DOMAIN_LOCAL = 6  // the local engine API: local domain, ":" and m_strApiPort
};

// The request and answer record. Records are always deleted through an Event_KX pointer.
class Event_KX
{
public:
    explicit Event_KX(int nCmd) : m_nCmd(nCmd) {}
    virtual ~Event_KX() = default;
    Event_KX(const Event_KX&) = delete;
    Event_KX& operator=(const Event_KX&) = delete;

    std::int32_t m_nCmd;
    std::int64_t m_nParam1 = 0; // in: attempts (low 32 bits); out: the answer's code
    std::int64_t m_nParam2 = 0; // download: overwrite mode in, KiB received out
    std::int64_t m_nParam3 = 0;
    std::int64_t m_nParam4 = 0;
    std::int64_t m_nParam5 = 0; // transfer progress in percent
    std::int64_t m_nParam6 = 0; // caller's tag
    std::int64_t m_nParam7 = 1; // 0 stops a running download at its next progress report
    std::int64_t m_nParam8 = 10;
    std::int64_t m_nParam9 = 3;
    std::int64_t m_nParam10 = 1;      // download variant: 2 = cancellable
    std::int64_t m_nRequestError = 0; // libcurl result of the last transfer
    std::int64_t m_nMaxBytes = 0;     // form post answer, download or saved text: bound, 0 default
    bool m_bImageOnly = false;        // download: kept only when the body is an image
    std::uint32_t m_bResult = 0;
    std::string m_strResult;
    std::string m_strValue;
    std::string m_strParam;
    std::string m_strGbk;
    std::string m_strfilekey;
    std::string m_strfileurl;
    std::string m_strfilename;
    std::string m_strMd5;
    std::string m_strApiPort;
    void* m_pVoid = nullptr; // caller context, not owned
    bool m_bSecretAnswer = false; // the answer may carry credentials: never logged whole or saved
    _DomainType m_DomainType = DOMAIN_LOGIN;
    Json::Value m_jsValue;
    Json::Value m_valueUpload;
};

class HTTPEvent_KX;

// Reads a form post's answer body into the record in place of WebInterface::ReadServiceAnswer.
using AnswerReader = bool (*)(const std::string& strBody, const std::string& strUrl,
                              HTTPEvent_KX* pRecord);

class HTTPEvent_KX : public Event_KX
{
public:
    explicit HTTPEvent_KX(int nCmd) : Event_KX(nCmd) {}
    ~HTTPEvent_KX() override = default;

    std::int32_t m_nRequestType = REQUEST_NORMAL;
    AnswerReader m_pReadAnswer = nullptr; // null for the service answer reader
    std::string m_strGlobleUrl;
    std::string m_strInterDescription;
    std::string m_strInterface;
    std::string m_strUrl;
    std::string m_strDomain;
    std::string m_strFileName;
    std::string m_strRelFolder;
    std::string m_strFilePath;
    std::string m_strUiFilePath;
    std::string m_strJumpUrl;
    std::vector<ParamItem> m_vetParams;
};
