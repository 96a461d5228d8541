#include "DataManager/Search/CatalogueTable.h"

#include "PublicModule/HttpCurl/features/JsonRead.h"

#include <algorithm>
#include <iterator>

namespace {

// A string value as valid UTF-8 (what QString::fromUtf8 reads of it, written back), held in
// `buffer` unless the value is ASCII, which is read in place; anything else reads as empty.
std::string_view utf8Of(const Json::Value& value, QByteArray& buffer)
{
    const char* szBegin = nullptr;
    const char* szEnd = nullptr;
    if (!value.isString() || !value.getString(&szBegin, &szEnd))
        return std::string_view();
    const std::string_view text(szBegin, std::size_t(szEnd - szBegin));
    if (std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; }))
        return text;
    buffer = QString::fromUtf8(szBegin, int(text.size())).toUtf8();
    return std::string_view(buffer.constData(), std::size_t(buffer.size()));
}

const Json::Value& arrayMember(const Json::Value& object, const char* szKey)
{
    static const Json::Value kNone(Json::arrayValue);
    const Json::Value& value = JsonRead::member(object, szKey);
    return value.isArray() ? value : kNone;
}

// An array member as compact text, empty when the member is not an array.
std::string compactArray(const Json::Value& object, const char* szKey)
{
    const Json::Value& value = JsonRead::member(object, szKey);
    if (!value.isArray())
        return std::string();
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    builder["emitUTF8"] = true;
    return Json::writeString(builder, value);
}

// The code point at `p` of valid UTF-8, `p` moved past it.
uint nextCodePoint(const char*& p)
{
    const auto byte = [&p] { return uint(static_cast<unsigned char>(*p++)); };
    const uint lead = byte();
    if (lead < 0x80)
        return lead;
    const int nMore = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    uint ucs4 = lead & (0x3F >> nMore);
    for (int i = 0; i < nMore; ++i)
        ucs4 = (ucs4 << 6) | (byte() & 0x3F);
    return ucs4;
}

void appendCodePoint(QByteArray& out, uint ucs4)
{
    if (ucs4 < 0x80) {
        out += char(ucs4);
        return;
    }
    static const uint kLeads[] = {0, 0xC0, 0xE0, 0xF0};
    const int nMore = ucs4 >= 0x10000 ? 3 : ucs4 >= 0x800 ? 2 : 1;
    out += char(kLeads[nMore] | (ucs4 >> (6 * nMore)));
    for (int i = nMore - 1; i >= 0; --i)
        out += char(0x80 | ((ucs4 >> (6 * i)) & 0x3F));
}

} // namespace

namespace Utf8 {

bool equals(std::string_view text, QStringView other)
{
    const char* p = text.data();
    const char* const end = p + text.size();
    int nAt = 0;
    while (p != end) {
        const uint ucs4 = nextCodePoint(p);
        if (QChar::requiresSurrogates(ucs4)) {
            if (nAt + 1 >= other.size() || other[nAt] != QChar(QChar::highSurrogate(ucs4)) ||
                other[nAt + 1] != QChar(QChar::lowSurrogate(ucs4)))
                return false;
            nAt += 2;
        } else if (nAt >= other.size() || other[nAt++].unicode() != ucs4) {
            return false;
        }
    }
    return nAt == other.size();
}

void appendFolded(QByteArray& out, std::string_view text)
{
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end) {
        const uint ucs4 = nextCodePoint(p);
        // Most names are ASCII: folded without a lookup.
        appendCodePoint(out, ucs4 < 0x80 ? (ucs4 - 'A' < 26 ? ucs4 + ('a' - 'A') : ucs4)
                                         : QChar::toCaseFolded(ucs4));
    }
}

} // namespace Utf8

void EntryTexts::append(std::string_view code, std::string_view name, int nParent)
{
    m_names.append(name.data(), int(name.size()));
    m_nameEnds.push_back(m_names.size());
    if (!m_bCodeIsName) {
        m_codes.append(code.data(), int(code.size()));
        m_codeEnds.push_back(m_codes.size());
    }
    if (nParent >= 0)
        m_parents.push_back(nParent);
}

void EntryTexts::append(const EntryTexts& other, int nParentShift)
{
    const auto shifted = [](std::vector<int>& ends, const std::vector<int>& more, int nShift) {
        for (const int nEnd : more)
            ends.push_back(nEnd + nShift);
    };
    shifted(m_nameEnds, other.m_nameEnds, m_names.size());
    m_names += other.m_names;
    shifted(m_codeEnds, other.m_codeEnds, m_codes.size());
    m_codes += other.m_codes;
    m_parents.reserve(m_parents.size() + other.m_parents.size());
    for (const int nParent : other.m_parents)
        m_parents.push_back(nParent + nParentShift);
}

void EntryTexts::squeeze()
{
    m_names.squeeze();
    m_codes.squeeze();
    m_nameEnds.shrink_to_fit();
    m_codeEnds.shrink_to_fit();
    m_parents.shrink_to_fit();
}

bool EntryTexts::operator==(const EntryTexts& other) const
{
    return m_bCodeIsName == other.m_bCodeIsName && m_nameEnds == other.m_nameEnds &&
           m_codeEnds == other.m_codeEnds && m_parents == other.m_parents &&
           m_names == other.m_names && m_codes == other.m_codes;
}

CatalogueTable::CatalogueTable(bool bArea)
    : m_bArea(bArea), m_lists{EntryTexts(!bArea), EntryTexts(), EntryTexts()}
{
}

int CatalogueTable::entryCount() const
{
    return m_lists[Countries].size() + m_lists[States].size() + m_lists[Cities].size();
}

Json::Value CatalogueTable::parsedArray(const std::string& text)
{
    Json::Value value;
    if (text.empty() || !JsonRead::parse(text, value, false) || !value.isArray())
        return Json::Value(Json::objectValue);
    return value;
}

int CatalogueTable::entriesOf(const Json::Value& element, bool bArea)
{
    if (!bArea)
        return element.isString() ? 1 : 0;
    if (!element.isObject())
        return 0;
    int nEntries = 1;
    for (const Json::Value& state : arrayMember(element, "state_list")) {
        if (!state.isObject())
            continue;
        ++nEntries;
        for (const Json::Value& city : arrayMember(state, "city_list"))
            nEntries += city.isObject() ? 1 : 0;
    }
    return nEntries;
}

void CatalogueTable::add(const Json::Value& elements)
{
    m_nElements += int(elements.size());
    for (const Json::Value& element : elements) {
        if (m_bArea) {
            if (element.isObject())
                addCountry(element);
        } else if (element.isString()) {
            QByteArray buffer;
            m_lists[Countries].append(std::string_view(), utf8Of(element, buffer), -1);
        }
    }
}

void CatalogueTable::addCountry(const Json::Value& country)
{
    const auto addEntry = [](EntryTexts& list, const Json::Value& element, int nParent) {
        QByteArray code;
        QByteArray name;
        list.append(utf8Of(JsonRead::member(element, "code"), code),
                    utf8Of(JsonRead::member(element, "name"), name), nParent);
        return list.size() - 1;
    };
    const int nCountry = addEntry(m_lists[Countries], country, -1);
    m_countryIsps.push_back(compactArray(country, "isp_list"));
    m_countryZips.push_back(compactArray(country, "zip_list"));
    for (const Json::Value& state : arrayMember(country, "state_list")) {
        if (!state.isObject())
            continue;
        const int nState = addEntry(m_lists[States], state, nCountry);
        for (const Json::Value& city : arrayMember(state, "city_list"))
            if (city.isObject())
                addEntry(m_lists[Cities], city, nState);
    }
}

void CatalogueTable::append(const CatalogueTable& later)
{
    m_nElements += later.m_nElements;
    m_lists[Cities].append(later.m_lists[Cities], m_lists[States].size());
    m_lists[States].append(later.m_lists[States], m_lists[Countries].size());
    m_lists[Countries].append(later.m_lists[Countries], 0);
    m_countryIsps.insert(m_countryIsps.end(), later.m_countryIsps.begin(),
                         later.m_countryIsps.end());
    m_countryZips.insert(m_countryZips.end(), later.m_countryZips.begin(),
                         later.m_countryZips.end());
}

void CatalogueTable::squeeze()
{
    for (EntryTexts& list : m_lists)
        list.squeeze();
    m_countryIsps.shrink_to_fit();
    m_countryZips.shrink_to_fit();
}

bool CatalogueTable::operator==(const CatalogueTable& other) const
{
    return m_bArea == other.m_bArea && m_nElements == other.m_nElements &&
           std::equal(std::begin(m_lists), std::end(m_lists), std::begin(other.m_lists)) &&
           m_countryIsps == other.m_countryIsps && m_countryZips == other.m_countryZips;
}
