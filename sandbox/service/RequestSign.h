#pragma once

#include <httplib.h>
#include <json/json.h>

#include <string>

// The signature the client puts in "qv-sign": MD5 over its sorted qv-* headers and a salt
// both sides share.
namespace RequestSign {

// Lower-case hex MD5 of the non-empty qv-* headers (without qv-sign) sorted by name, joined
// as "k=v" with "&", followed by the salt.
std::string expectedSign(const httplib::Headers& headers);

// Form posts and DELETE requests to "/api/..." must be signed; GET and JSON posts need not.
bool isSignRequired(const httplib::Request& req);

// true / false when the request was checked (it carries qv-sign or must be signed), null
// when there was nothing to check. A required but missing signature is false.
Json::Value checkSign(const httplib::Request& req);

} // namespace RequestSign
