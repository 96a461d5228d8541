#include "DataManager/Search/CatalogueAnswer.h"

#include "DataManager/Search/CatalogueFile.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/features/JsonRuns.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"
#include "PublicModule/HttpCurl/httpBase/WebInterface.h"

#include <QDebug>
#include <curl/curl.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <vector>

namespace {

// The list's elements are at this nesting level: the answer, its "data", the element.
constexpr int kListLevel = 2;
// A shorter array of scalars may go on one line; toNormalString decides it.
constexpr Json::ArrayIndex kOneLineElements = 25;
// The largest answer read whole, and the most of an answer around its list: what is read
// whole is held as one tree, of about a hundred bytes a value.
constexpr std::size_t kWholeAnswerBytes = 1024 * 1024;
// The list's text is its runs' lines between these.
constexpr char kTextOpen[] = "[";
constexpr char kTextClose[] = "\n]";

bool keyIsData(const char* pQuote, const char* pEnd)
{
    static const char kData[] = "\"data\"";
    if (!std::memchr(pQuote, '\\', std::size_t(pEnd - pQuote)))
        return std::size_t(pEnd - pQuote) == sizeof(kData) - 1 &&
               std::memcmp(pQuote, kData, sizeof(kData) - 1) == 0;
    Json::Value key;
    return JsonRead::parse(std::string(pQuote, pEnd), key) && key.isString() &&
           key.asString() == "data";
}

// The last "data" member of the answer's object when it holds an array (the parser keeps
// the last of a repeated member): its '[' and the end of its text. False when there is none
// or the answer is not an object the scan can follow; the whole parse then decides.
bool findList(const std::string& body, const char*& pOpen, const char*& pClose)
{
    const char* const end = body.data() + body.size();
    const char* p = JsonRuns::skipBlanks(body.data(), end);
    if (!p || p == end || *p != '{')
        return false;
    pOpen = pClose = nullptr;
    for (++p;;) {
        p = JsonRuns::skipBlanks(p, end);
        if (p && p != end && *p == '}')
            return pOpen != nullptr;
        const char* pKeyEnd =
            p && p != end && *p == '"' ? JsonRuns::stringEnd(p + 1, end) : nullptr;
        if (!pKeyEnd)
            return false;
        const bool bData = keyIsData(p, pKeyEnd);
        p = JsonRuns::skipBlanks(pKeyEnd, end);
        if (!p || p == end || *p != ':')
            return false;
        p = JsonRuns::skipBlanks(p + 1, end);
        const char* pValueEnd = p ? JsonRuns::valueEnd(p, end) : nullptr;
        if (!pValueEnd)
            return false;
        if (bData) {
            const bool bArray = *p == '[';
            pOpen = bArray ? p : nullptr;
            pClose = bArray ? pValueEnd : nullptr;
        }
        p = JsonRuns::skipBlanks(pValueEnd, end);
        if (!p || p == end || (*p != ',' && *p != '}'))
            return false;
        if (*p == ',')
            ++p;
    }
}

// The list's text as its file holds it, made run by run on the parsing threads.
class ListText
{
public:
    explicit ListText(bool bArea) : m_bArea(bArea) {}

    // Takes one run's elements; false once the text or the entries pass their bound.
    bool take(std::size_t nRun, Json::Value& elements)
    {
        int nEntries = 0;
        bool bNested = false;
        for (const Json::Value& element : elements) {
            nEntries += CatalogueTable::entriesOf(element, m_bArea);
            bNested = bNested || ((element.isArray() || element.isObject()) && !element.empty());
        }
        if ((m_nEntries += nEntries) > CatalogueFile::kMaxEntries)
            return over();
        Run& run = m_runs[nRun];
        appendNormalLines(run.text, elements, nRun == 0);
        if ((m_nBytes += std::int64_t(run.text.size())) > CatalogueFile::kMaxTextBytes)
            return over();
        run.nElements = elements.size();
        // `take` runs on several threads at once: one store, so that none undoes another's.
        if (bNested)
            m_bNested = true;
        // Kept only while the array may still go on one line.
        if (!bNested && elements.size() < kOneLineElements)
            run.elements.swap(elements);
        return true;
    }

    bool isOver() const { return m_bOver; }

    // Once every run was taken: the whole text to the record's m_strValue, the number of
    // elements to its m_nParam3.
    void finish(std::size_t nRuns, HTTPEvent_KX* pRecord)
    {
        Json::ArrayIndex nElements = 0;
        for (std::size_t i = 0; i < nRuns; ++i)
            nElements += m_runs[i].nElements;
        pRecord->m_nParam3 = nElements;
        std::string& text = pRecord->m_strValue;
        if (!m_bNested && nElements < kOneLineElements) {
            Json::Value all(Json::arrayValue);
            for (std::size_t i = 0; i < nRuns; ++i)
                for (Json::Value& element : m_runs[i].elements)
                    all.append(std::move(element));
            text = toNormalString(all);
            return;
        }
        text.clear();
        text.reserve(std::size_t(m_nBytes));
        text += kTextOpen;
        for (std::size_t i = 0; i < nRuns; ++i) {
            text += m_runs[i].text;
            m_runs[i].text = std::string();
        }
        text += kTextClose;
    }

private:
    struct Run
    {
        std::string text;
        Json::ArrayIndex nElements = 0;
        Json::Value elements;
    };

    bool over()
    {
        m_bOver = true;
        return false;
    }

    const bool m_bArea;
    Run m_runs[JsonRuns::kMaxRuns];
    std::atomic<int> m_nEntries{0};
    // The saved text's length, its brackets included.
    std::atomic<std::int64_t> m_nBytes{std::int64_t(sizeof(kTextOpen) + sizeof(kTextClose) - 2)};
    std::atomic<bool> m_bNested{false};
    std::atomic<bool> m_bOver{false};
};

bool refuse(HTTPEvent_KX* pRecord, const std::string& strUrl)
{
    qDebug() << "catalogue answer over its bound, refused:" << strUrl.c_str();
    pRecord->m_nRequestError = CURLE_FILESIZE_EXCEEDED;
    pRecord->m_strValue.clear();
    pRecord->m_jsValue = Json::Value();
    return false;
}

// An answer whose list the scan cannot find is parsed whole; its list, if any, is then
// laid out as one run.
bool readWhole(const std::string& strBody, const std::string& strUrl, HTTPEvent_KX* pRecord,
               ListText& list)
{
    if (!WebInterface::ReadServiceAnswer(strBody, strUrl, pRecord))
        return false;
    Json::Value elements;
    if (pRecord->m_jsValue.isObject() && JsonRead::member(pRecord->m_jsValue, "data").isArray())
        elements.swap(pRecord->m_jsValue["data"]);
    pRecord->m_nParam3 = -1;
    if (!elements.isArray())
        return true;
    if (!list.take(0, elements))
        return refuse(pRecord, strUrl);
    list.finish(1, pRecord);
    return true;
}

bool read(const std::string& strBody, const std::string& strUrl, HTTPEvent_KX* pRecord, bool bArea)
{
    auto pList = std::make_unique<ListText>(bArea);
    const char* pOpen = nullptr;
    const char* pClose = nullptr;
    if (!findList(strBody, pOpen, pClose)) {
        // Read whole when small; a large answer whose list the scan cannot find is of no
        // form the service sends, and would be read whole.
        if (strBody.size() > kWholeAnswerBytes)
            return refuse(pRecord, strUrl);
        return readWhole(strBody, strUrl, pRecord, *pList);
    }
    if (strBody.size() - std::size_t(pClose - pOpen) > kWholeAnswerBytes)
        return refuse(pRecord, strUrl);
    std::size_t nRuns = 0;
    const JsonRuns::Result result = JsonRuns::parseArray(
        pOpen, pClose, kListLevel, true, CatalogueFile::kMaxElementValues,
        [&pList](std::size_t nRun, Json::Value& elements) { return pList->take(nRun, elements); },
        nRuns);
    if (result == JsonRuns::Result::TooLarge || pList->isOver())
        return refuse(pRecord, strUrl);
    // The answer around the list, with an empty list in its place.
    const std::size_t nOpen = std::size_t(pOpen - strBody.data());
    const std::string strAround =
        strBody.substr(0, nOpen) + "[]" + strBody.substr(std::size_t(pClose - strBody.data()));
    if (result != JsonRuns::Result::Read ||
        !WebInterface::ReadServiceAnswer(strAround, strUrl, pRecord))
        return false;
    pList->finish(nRuns, pRecord);
    return true;
}

} // namespace

namespace CatalogueAnswer {

bool readAreas(const std::string& strBody, const std::string& strUrl, HTTPEvent_KX* pRecord)
{
    return read(strBody, strUrl, pRecord, true);
}

bool readTexts(const std::string& strBody, const std::string& strUrl, HTTPEvent_KX* pRecord)
{
    return read(strBody, strUrl, pRecord, false);
}

} // namespace CatalogueAnswer
