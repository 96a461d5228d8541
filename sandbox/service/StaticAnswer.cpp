#include "StaticAnswer.h"

#include "HttpAnswer.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>
#include <vector>

namespace {

constexpr size_t kChunkBytes = 64 * 1024;
constexpr int kRateTicksPerSecond = 10;

bool isRegularFile(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

// Bytes per write for "rate=KIB"; 0 when the request is not throttled.
size_t throttledChunk(const httplib::Request& req)
{
    const long kib = std::atol(req.get_param_value("rate").c_str());
    if (kib <= 0)
        return 0;
    return std::max<size_t>(1, static_cast<size_t>(kib) * 1024 / kRateTicksPerSecond);
}

} // namespace

namespace StaticAnswer {

bool isSafeRelative(const std::string& path)
{
    std::stringstream parts(path);
    std::string segment;
    while (std::getline(parts, segment, '/')) {
        if (segment == "..")
            return false;
    }
    return path.find('\0') == std::string::npos;
}

void file(const std::string& dir, const std::string& name, const httplib::Request& req,
          httplib::Response& res)
{
    const std::string path = dir + "/" + name;
    if (name.empty() || !isSafeRelative(name) || !isRegularFile(path)) {
        HttpAnswer::notFound(res);
        return;
    }
    auto in = std::make_shared<std::ifstream>(path, std::ios::binary);
    const size_t size = std::filesystem::file_size(path);
    const size_t throttle = throttledChunk(req);
    const size_t chunk = throttle ? throttle : kChunkBytes;
    if (req.has_param("chunked")) {
        // No length declared: the body is sent in chunks until the file ends.
        res.set_chunked_content_provider(
            "application/octet-stream", [in, chunk](size_t, httplib::DataSink& sink) {
                std::vector<char> buffer(chunk);
                in->read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
                if (in->gcount() > 0)
                    sink.write(buffer.data(), static_cast<size_t>(in->gcount()));
                if (!*in)
                    sink.done();
                return true;
            });
        return;
    }
    res.set_content_provider(
        size, "application/octet-stream",
        [in, chunk, throttle](size_t offset, size_t length, httplib::DataSink& sink) {
            std::vector<char> buffer(std::min(length, chunk));
            in->clear(); // a read that reached the end leaves the stream failed
            in->seekg(static_cast<std::streamoff>(offset));
            in->read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            if (in->gcount() <= 0)
                return false;
            sink.write(buffer.data(), static_cast<size_t>(in->gcount()));
            if (throttle)
                std::this_thread::sleep_for(std::chrono::milliseconds(1000 / kRateTicksPerSecond));
            return true;
        });
}

void redirectToFile(const std::string& name, const httplib::Request& req, httplib::Response& res)
{
    const auto mark = req.target.find('?');
    const std::string query = mark == std::string::npos ? std::string() : req.target.substr(mark);
    res.set_redirect("/files/" + name + query, 302);
}

} // namespace StaticAnswer
