#include "DataManager/Search/CatalogueFile.h"

#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstring>
#include <thread>
#include <vector>

namespace {

constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;
// Below this a text is parsed in one piece: threads would cost more than they save.
constexpr std::size_t kMinPieceBytes = 256 * 1024;
constexpr unsigned kMaxThreads = 4;
// Runs per thread: threads take runs as they finish, so a thread that allocates slowly
// (a fresh heap of its own) takes fewer.
constexpr unsigned kRunsPerThread = 8;
// Joining the runs costs an insertion per element, as much as parsing a short one, so only
// arrays of large elements (a country with its states and cities) are split.
constexpr std::size_t kMinElementBytes = 4096;

const char* const kPlainNames[] = {"country.json", "isp.json", "zip.json"};
const char* const kStaticNames[] = {"country_static.json", "isp_static.json", "zip_static.json"};

// The end of a JSON string whose text starts at `p` (after its opening quote): just past
// the closing quote, or null when there is none.
const char* stringEnd(const char* p, const char* end)
{
    while (const auto* pQuote = static_cast<const char*>(std::memchr(p, '"', size_t(end - p)))) {
        const char* pSlashes = pQuote;
        while (pSlashes > p && pSlashes[-1] == '\\')
            --pSlashes;
        if ((pQuote - pSlashes) % 2 == 0)
            return pQuote + 1;
        p = pQuote + 1;
    }
    return nullptr;
}

// The commas that split the top-level array in `text` into about `nRuns` runs of whole
// elements, followed by its closing bracket. Empty when the text does not hold one whole
// array; the caller then leaves the verdict to a parse of the whole text.
std::vector<const char*> runBounds(const std::string& text, unsigned nRuns)
{
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end && std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    if (p == end || *p != '[')
        return {};
    const std::size_t nStep = text.size() / nRuns;
    const char* const pStart = p;
    const char* pNextCut = p + nStep;
    std::vector<const char*> bounds;
    std::size_t nElements = 1;
    int nDepth = 0;
    while (p != end) {
        switch (*p) {
        case '"':
            p = stringEnd(p + 1, end);
            if (!p)
                return {};
            continue;
        case '[':
        case '{':
            ++nDepth;
            break;
        case ']':
        case '}':
            if (--nDepth == 0) {
                bounds.push_back(p);
                return bounds;
            }
            break;
        case ',':
            if (nDepth != 1)
                break;
            ++nElements;
            if (size_t(p - pStart) < kMinElementBytes * nElements)
                return {};
            if (p >= pNextCut) {
                bounds.push_back(p);
                pNextCut = p + nStep;
            }
            break;
        default:
            break;
        }
        ++p;
    }
    return {};
}

// Parses one run of elements as an array of its own.
bool parseRun(const char* pBegin, const char* pEnd, Json::Value& out)
{
    std::string run;
    run.reserve(size_t(pEnd - pBegin) + 2);
    run += '[';
    run.append(pBegin, pEnd);
    run += ']';
    return JsonRead::parse(run, out, false) && out.isArray();
}

// A large array is parsed as runs of whole elements on several threads and joined; the
// result is the whole parse's. Anything unusual (no whole array, a run that does not parse)
// is parsed whole, so a bad file is refused exactly as a whole parse refuses it.
bool parseArray(const std::string& text, Json::Value& out)
{
    const unsigned nThreads =
        std::max(1u, std::min(kMaxThreads, std::thread::hardware_concurrency()));
    const std::size_t nRuns =
        std::min<std::size_t>(nThreads * kRunsPerThread, text.size() / kMinPieceBytes);
    const std::vector<const char*> bounds =
        nThreads > 1 && nRuns > 1 ? runBounds(text, unsigned(nRuns)) : std::vector<const char*>();
    if (bounds.size() < 2)
        return JsonRead::parse(text, out, false);

    std::vector<Json::Value> runs(bounds.size());
    std::vector<char> parsed(bounds.size(), 0);
    std::atomic<std::size_t> next{0};
    const auto parseRuns = [&] {
        for (std::size_t i; (i = next++) < bounds.size();) {
            const char* pBegin =
                i == 0 ? std::find(text.data(), bounds[0], '[') + 1 : bounds[i - 1] + 1;
            parsed[i] = parseRun(pBegin, bounds[i], runs[i]);
        }
    };
    std::vector<std::thread> threads;
    for (unsigned i = 1; i < nThreads; ++i)
        threads.emplace_back(parseRuns);
    parseRuns();
    for (std::thread& thread : threads)
        thread.join();
    if (std::find(parsed.begin(), parsed.end(), 0) != parsed.end())
        return JsonRead::parse(text, out, false);

    out = std::move(runs[0]);
    for (std::size_t i = 1; i < runs.size(); ++i)
        for (Json::Value& element : runs[i])
            out.append(std::move(element));
    return true;
}

} // namespace

namespace CatalogueFile {

QString path(Level level, bool bStatic)
{
    const char* szName = bStatic ? kStaticNames[level] : kPlainNames[level];
    return QCoreApplication::applicationDirPath() + QStringLiteral("/temp/data/") +
           QString::fromLatin1(szName);
}

bool read(const QString& qstrPath, Json::Value& out, QString& why)
{
    const QFileInfo info(qstrPath);
    if (!info.exists()) {
        why = QStringLiteral("missing");
        return false;
    }
    // Checked before reading: a FIFO or device must never be waited on.
    if (!info.isFile()) {
        why = QStringLiteral("not a regular file");
        return false;
    }
    if (info.size() > kMaxFileBytes) {
        why = QStringLiteral("over 64 MiB");
        return false;
    }
    QByteArray content;
    if (!WebRecv::readRegularFile(qstrPath, content)) {
        why = QStringLiteral("not readable as a regular file");
        return false;
    }
    if (content.isEmpty()) {
        why = QStringLiteral("empty");
        return false;
    }
    const std::string strText =
        Encryption::GetInstance()->decode(content.constData(), std::size_t(content.size()));
    content.clear();
    Json::Value parsed;
    if (strText.empty() || !parseArray(strText, parsed)) {
        why = QStringLiteral("does not decode or parse");
        return false;
    }
    if (!parsed.isArray()) {
        why = QStringLiteral("top value is not an array");
        return false;
    }
    out.swap(parsed);
    return true;
}

} // namespace CatalogueFile
