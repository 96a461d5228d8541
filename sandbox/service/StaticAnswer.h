#pragma once

#include <httplib.h>

#include <string>

// Answers from the file folder.
namespace StaticAnswer {

// A path below a folder that cannot climb out of it (no ".." segment, no NUL byte).
bool isSafeRelative(const std::string& path);

// dir/name with its length, honouring a Range header (206) and "rate=KIB" in the query.
void file(const std::string& dir, const std::string& name, const httplib::Request& req,
          httplib::Response& res);

// 302 to /files/name, keeping the query.
void redirectToFile(const std::string& name, const httplib::Request& req, httplib::Response& res);

} // namespace StaticAnswer
