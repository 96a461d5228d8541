#include "DataManager/Search/CatalogueFile.h"

#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

// A run is at least this long: shorter ones would cost more in threads than they save.
constexpr std::size_t kMinRunBytes = 256 * 1024;
constexpr unsigned kMaxThreads = 6;
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

// The runs of whole elements of a large array, handed to the parsing threads as the scan
// finds where each ends, so that parsing starts while the rest is still scanned.
class RunQueue
{
public:
    RunQueue(const char* pOpen, std::size_t nMaxRuns) : m_pOpen(pOpen), m_ends(nMaxRuns) {}

    // The end of the next run: a top-level comma, or the array's closing bracket last.
    void push(const char* pEnd)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_ends[m_nPushed++] = pEnd;
        m_ready.notify_one();
    }

    // The scan is over; `bWhole` tells whether it found one whole array.
    void finish(bool bWhole)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bFinished = true;
        m_bWhole = bWhole;
        m_ready.notify_all();
    }

    // Whether a cut still leaves room for the closing bracket; read by the scan only.
    bool roomForCut() const { return m_nPushed + 1 < m_ends.size(); }

    // The next run whose end is known, waiting for the scan; false once none is left.
    bool take(std::size_t& nRun, const char*& pBegin, const char*& pEnd)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_ready.wait(lock, [this] { return m_nTaken < m_nPushed || m_bFinished; });
        if (m_nTaken == m_nPushed)
            return false;
        nRun = m_nTaken++;
        pBegin = nRun == 0 ? m_pOpen + 1 : m_ends[nRun - 1] + 1;
        pEnd = m_ends[nRun];
        return true;
    }

    // After every thread is done: the number of runs of a whole array, 0 when not whole.
    std::size_t wholeRuns() const { return m_bWhole ? m_nPushed : 0; }

private:
    const char* const m_pOpen;
    std::vector<const char*> m_ends;
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::size_t m_nPushed = 0;
    std::size_t m_nTaken = 0;
    bool m_bFinished = false;
    bool m_bWhole = false;
};

// Scans the array opened at `pOpen` for top-level commas about `nStep` bytes apart and
// pushes them, then its closing bracket. False when the text does not hold one whole array
// (a bracket closed by the other kind included) or its elements are too small to be worth
// splitting.
bool scanRuns(const char* pOpen, const char* end, std::size_t nStep, RunQueue& queue)
{
    const char* pNextCut = pOpen + nStep;
    std::size_t nElements = 1;
    std::string closers; // the closing bracket each open one waits for, innermost last
    for (const char* p = pOpen; p != end; ++p) {
        switch (*p) {
        case '"':
            p = stringEnd(p + 1, end);
            if (!p)
                return false;
            --p;
            break;
        case '[':
            closers += ']';
            break;
        case '{':
            closers += '}';
            break;
        case ']':
        case '}':
            if (closers.empty() || closers.back() != *p)
                return false;
            closers.pop_back();
            if (closers.empty()) {
                queue.push(p);
                return true;
            }
            break;
        case ',':
            if (closers.size() != 1)
                break;
            ++nElements;
            if (size_t(p - pOpen) < kMinElementBytes * nElements)
                return false;
            if (p >= pNextCut && queue.roomForCut()) {
                queue.push(p);
                pNextCut = p + nStep;
            }
            break;
        default:
            break;
        }
    }
    return false;
}

// The blanks JSON allows between tokens; other white space (a form feed, a vertical tab)
// is an error to the whole parse.
bool isJsonBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Whether the run's text ends in a comma (before JSON blanks).
bool endsInComma(const char* pBegin, const char* pEnd)
{
    while (pEnd != pBegin && isJsonBlank(pEnd[-1]))
        --pEnd;
    return pEnd != pBegin && pEnd[-1] == ',';
}

// Parses one run of elements as an array of its own. The parser allows a trailing comma,
// which at a cut would let an empty element (",,") through that the whole parse refuses: a
// run must hold elements and end in one.
bool parseRun(const char* pBegin, const char* pEnd, Json::Value& out)
{
    if (endsInComma(pBegin, pEnd))
        return false;
    std::string run;
    run.reserve(size_t(pEnd - pBegin) + 2);
    run += '[';
    run.append(pBegin, pEnd);
    run += ']';
    return JsonRead::parse(run, out, false) && out.isArray() && !out.empty();
}

// A large array is parsed as runs of whole elements on several threads and joined; the
// result is the whole parse's. Anything unusual (no whole array, a run that does not parse)
// is parsed whole, so a bad file is refused exactly as a whole parse refuses it.
bool parseArray(const std::string& text, Json::Value& out)
{
    const unsigned nThreads =
        std::max(1u, std::min(kMaxThreads, std::thread::hardware_concurrency()));
    const std::size_t nRuns =
        std::min<std::size_t>(nThreads * kRunsPerThread, text.size() / kMinRunBytes);
    const char* const end = text.data() + text.size();
    const char* const pOpen = std::find_if_not(text.data(), end, isJsonBlank);
    if (nThreads < 2 || nRuns < 2 || pOpen == end || *pOpen != '[')
        return JsonRead::parse(text, out, false);

    // One more run than cuts: the last ends at the closing bracket.
    RunQueue queue(pOpen, nRuns + 1);
    std::vector<Json::Value> runs(nRuns + 1);
    std::vector<char> parsed(nRuns + 1, 0);
    const auto parseRuns = [&] {
        std::size_t nRun;
        const char* pBegin;
        const char* pEnd;
        while (queue.take(nRun, pBegin, pEnd))
            parsed[nRun] = parseRun(pBegin, pEnd, runs[nRun]);
    };
    std::vector<std::thread> threads;
    for (unsigned i = 1; i < nThreads; ++i)
        threads.emplace_back(parseRuns);
    queue.finish(scanRuns(pOpen, end, text.size() / nRuns, queue));
    parseRuns();
    for (std::thread& thread : threads)
        thread.join();
    const std::size_t nWhole = queue.wholeRuns();
    if (nWhole == 0 || std::find(parsed.begin(), parsed.begin() + nWhole, 0) !=
                           parsed.begin() + nWhole)
        return JsonRead::parse(text, out, false);

    out = std::move(runs[0]);
    for (std::size_t i = 1; i < nWhole; ++i)
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
        why = QStringLiteral("over 256 MiB");
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
