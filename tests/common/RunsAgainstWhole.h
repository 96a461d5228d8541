#pragma once

// The run reader against a whole parse of the same text, for the tests and the fuzz harness.
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/features/JsonRuns.h"

#include <cstdint>
#include <string>
#include <vector>

namespace RunsAgainstWhole {

// The array `text` (starting with its '[') as the run reader gives it; null when refused.
inline Json::Value readInRuns(const std::string& text, bool bComments)
{
    std::vector<Json::Value> runs(JsonRuns::kMaxRuns);
    std::size_t nRuns = 0;
    const auto take = [&runs](std::size_t nRun, Json::Value& elements) {
        runs[nRun].swap(elements);
        return true;
    };
    if (JsonRuns::parseArray(text.data(), text.data() + text.size(), 1, bComments, SIZE_MAX, take,
                             nRuns) != JsonRuns::Result::Read)
        return Json::Value();
    Json::Value all(Json::arrayValue);
    for (std::size_t i = 0; i < nRuns; ++i)
        for (Json::Value& element : runs[i])
            all.append(std::move(element));
    return all;
}

// The same text parsed whole; null when refused.
inline Json::Value readWhole(const std::string& text, bool bComments)
{
    Json::Value value;
    return JsonRead::parse(text, value, bComments) ? value : Json::Value();
}

inline bool agree(const std::string& text, bool bComments)
{
    return readInRuns(text, bComments) == readWhole(text, bComments);
}

} // namespace RunsAgainstWhole
