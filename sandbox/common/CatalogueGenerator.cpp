#include "CatalogueGenerator.h"

#include <random>

namespace CatalogueGenerator {
namespace {

// std::mt19937's sequence is fixed by the standard; the distributions are not, so only its
// raw output is used.
class Names
{
public:
    explicit Names(std::mt19937& random) : m_random(random) {}

    std::string place()
    {
        static const char* const kPrefixes[] = {"San ", "Santa ", "Nová ", "Le ", "La ", "Bad ",
                                                "Port ", "Ciudad de ", "Île-de-", "Mc"};
        std::string name;
        if (pick(4) == 0)
            name = kPrefixes[pick(std::size(kPrefixes))];
        name += word();
        if (pick(5) == 0)
            name += (pick(2) ? "-" : " ") + word();
        return name;
    }

    std::string word()
    {
        static const char* const kFirst[] = {"Bra", "São", "Ár", "Öst", "Kra", "Él", "Mü", "Ca",
                                             "Ber", "Łó", "Ñu", "Zé", "Vi", "Do", "Ha", "Ro",
                                             "Sa", "To", "Fe", "Ga"};
        static const char* const kInner[] = {"ri", "lá", "ne", "çõ", "ga", "ün", "mo", "ré",
                                             "ta", "ki", "ø", "lo", "dz", "ver", "ña", "ís",
                                             "be", "an", "st", "el"};
        static const char* const kLast[] = {"ia", "ville", "burg", "ó", "ès", "stad", "grad",
                                            "polis", "ão", "ñas", "ka", "hém", "dorf", "o", "a"};
        std::string text = kFirst[pick(std::size(kFirst))];
        for (std::size_t n = pick(3); n > 0; --n)
            text += kInner[pick(std::size(kInner))];
        return text + kLast[pick(std::size(kLast))];
    }

    std::string operatorName()
    {
        static const char* const kKinds[] = {" Telecom", " Net", " Móvil", " Fibra", " TÉLÉCOM",
                                             " Broadband", "-Kabel", " Comunicações"};
        return word() + kKinds[pick(std::size(kKinds))];
    }

    std::string postal()
    {
        std::string text;
        for (int i = 0; i < 5; ++i)
            text += char('0' + pick(10));
        if (pick(3) == 0)
            text += "-" + std::to_string(100 + pick(900));
        return text;
    }

    std::size_t pick(std::size_t n) { return m_random() % n; }

private:
    std::mt19937& m_random;
};

// Names hold no quote, backslash or control character, so they go into JSON as they are.
std::string quoted(const std::string& text)
{
    return '"' + text + '"';
}

std::string entry(const std::string& code, const std::string& name)
{
    return "{\"code\":" + quoted(code) + ",\"name\":" + quoted(name);
}

std::string answer(const std::string& items)
{
    return "{\"code\":0,\"msg\":\"success\",\"data\":[" + items + "]}";
}

void appendItem(std::string& list, const std::string& item)
{
    if (!list.empty())
        list += ',';
    list += item;
}

std::string countryCode(int index)
{
    return {char('A' + index / 26), char('A' + index % 26)};
}

std::string states(Names& names, const std::string& country)
{
    std::string list;
    for (int s = 0; s < kStatesPerCountry; ++s) {
        const std::string state = country + "-" + std::to_string(s + 1);
        std::string cities;
        for (int c = 0; c < kCitiesPerState; ++c)
            appendItem(cities, entry(state + "-" + std::to_string(c + 1), names.place()) + "}");
        appendItem(list, entry(state, names.place()) + ",\"city_list\":[" + cities + "]}");
    }
    return list;
}

std::string strings(Names& names, int count, std::string (Names::*make)(), std::string& all)
{
    std::string list;
    for (int i = 0; i < count; ++i) {
        const std::string text = quoted((names.*make)());
        appendItem(list, text);
        appendItem(all, text);
    }
    return list;
}

Texts build()
{
    std::mt19937 random(20240611);
    Names names(random);
    std::string countries, isps, zips;
    for (int i = 0; i < kCountries; ++i) {
        const std::string code = countryCode(i);
        std::string country = entry(code, names.place());
        country += ",\"isp_list\":[" +
                   strings(names, kIspsPerCountry, &Names::operatorName, isps) + "]";
        country += ",\"zip_list\":[" + strings(names, kZipsPerCountry, &Names::postal, zips) + "]";
        country += ",\"state_list\":[" + states(names, code) + "]}";
        appendItem(countries, country);
    }
    return {answer(countries), answer(isps), answer(zips)};
}

} // namespace

const Texts& texts()
{
    static const Texts built = build();
    return built;
}

} // namespace CatalogueGenerator
