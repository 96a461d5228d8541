#pragma once

#include <httplib.h>

#include <string>

// Answers every stand-in gives alike.
namespace HttpAnswer {

// HTTP 404 with the body the real service sends for unknown routes.
void notFound(httplib::Response& res);

// {"code": code, "msg": msg} with an HTTP status.
void codeAndMsg(httplib::Response& res, int status, int code, const std::string& msg);

} // namespace HttpAnswer
