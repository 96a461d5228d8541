#pragma once

// The run reader against a whole parse of the same text, for the tests and the fuzz harness.
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/features/JsonRuns.h"

#include <cstdint>
#include <string>
#include <vector>

namespace RunsAgainstWhole {

// The array `text` (starting with its '[') as the run reader gives it, with the bound of
// values an element may hold; null when refused.
inline Json::Value readInRuns(const std::string& text, bool bComments, std::size_t nMaxValues,
                              JsonRuns::Result& result)
{
    std::vector<Json::Value> runs(JsonRuns::kMaxRuns);
    std::size_t nRuns = 0;
    const auto take = [&runs](std::size_t nRun, Json::Value& elements) {
        runs[nRun].swap(elements);
        return true;
    };
    result = JsonRuns::parseArray(text.data(), text.data() + text.size(), 1, bComments, nMaxValues,
                                  take, nRuns);
    if (result != JsonRuns::Result::Read)
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

// Whether both read the text alike; an element over the bound is refused before it is
// parsed, whatever the parse would make of it.
inline bool agree(const std::string& text, bool bComments, std::size_t nMaxValues = SIZE_MAX)
{
    JsonRuns::Result result;
    const Json::Value inRuns = readInRuns(text, bComments, nMaxValues, result);
    return result == JsonRuns::Result::TooLarge || inRuns == readWhole(text, bComments);
}

} // namespace RunsAgainstWhole
