#pragma once

#include <string>

// A large location catalogue made from a fixed seed, so every run gives the same texts: 250
// countries of 20 states of 20 cities, 400 operators and 400 postal codes each (5,000 states,
// 100,000 cities, 100,000 operators, 100,000 postal codes), with accented, mixed-case names.
// Used by the stand-in service's "large" catalogue set and by the catalogue benchmark.
namespace CatalogueGenerator {

constexpr int kCountries = 250;
constexpr int kStatesPerCountry = 20;
constexpr int kCitiesPerState = 20;
constexpr int kIspsPerCountry = 400;
constexpr int kZipsPerCountry = 400;

struct Texts
{
    // Whole answers, {"code":0,"msg":"success","data":[...]}.
    std::string area; // countries with "state_list" (each with "city_list"), "isp_list", "zip_list"
    std::string isp;  // every operator name
    std::string zip;  // every postal code
};

// Built once on the first call; thread-safe.
const Texts& texts();

} // namespace CatalogueGenerator
