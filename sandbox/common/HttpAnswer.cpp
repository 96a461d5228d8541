#include "HttpAnswer.h"

#include "PublicModule/HttpCurl/features/NormalJson.h"

#include <json/json.h>

namespace HttpAnswer {

void notFound(httplib::Response& res)
{
    res.status = 404;
    res.set_content("404 page not found", "text/plain");
}

void codeAndMsg(httplib::Response& res, int status, int code, const std::string& msg)
{
    Json::Value answer;
    answer["code"] = code;
    answer["msg"] = msg;
    res.status = status;
    res.set_content(toNormalString(answer), "application/json");
}

} // namespace HttpAnswer
