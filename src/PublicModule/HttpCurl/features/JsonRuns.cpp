#include "JsonRuns.h"

#include "JsonRead.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

// A run is at least this long: shorter ones would cost more in threads than they save. The
// fuzz harness is built with short runs, so that its short texts are cut.
#ifdef QEL_FUZZ_RUN_BYTES
constexpr std::size_t kMinRunBytes = QEL_FUZZ_RUN_BYTES;
#else
constexpr std::size_t kMinRunBytes = 256 * 1024;
#endif
constexpr unsigned kMaxThreads = 6;
// Runs per thread: threads take runs as they finish, so a thread that allocates slowly
// (a fresh heap of its own) takes fewer.
constexpr unsigned kRunsPerThread = 8;
static_assert(kMaxThreads * kRunsPerThread + 1 <= JsonRuns::kMaxRuns,
              "runs are numbered below kMaxRuns");

// The blanks JSON allows between tokens; other white space (a form feed, a vertical tab)
// is an error to the whole parse.
bool isJsonBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Past the comment that starts at the slash `p`; `p` itself when no comment starts there
// (the parse then refuses the slash), null when a /* comment is not closed. A // comment
// ends at a line end, as the parser's does.
const char* commentEnd(const char* p, const char* end)
{
    if (end - p < 2 || (p[1] != '*' && p[1] != '/'))
        return p;
    if (p[1] == '/') {
        const char* q = p + 2;
        while (q != end && *q != '\n' && *q != '\r')
            ++q;
        return q;
    }
    for (const char* q = p + 2; end - q >= 2; ++q)
        if (q[0] == '*' && q[1] == '/')
            return q + 2;
    return nullptr;
}

// The runs of whole elements of a large array, handed to the parsing threads as the scan
// finds where each ends, so that parsing starts while the rest is still scanned. A run is
// handed out only while the values of the runs being parsed stay within a bound (or none
// is), as their trees take about a hundred bytes a value. A heavy run, of more than a
// share of that bound, goes to one thread only: each thread's heap keeps the most its trees
// ever took, so heavy trees parsed on every thread in turn would hold the bound's worth
// of memory once per thread.
class RunQueue
{
public:
    RunQueue(const char* pOpen, std::size_t nMaxRuns, std::size_t nMaxHeld)
        : m_pOpen(pOpen), m_runs(nMaxRuns), m_nMaxHeld(nMaxHeld),
          m_nHeavy(nMaxHeld / kMaxThreads)
    {
    }

    // The end of the next run, a top-level comma or the array's closing bracket last, and
    // about how many values it holds.
    void push(const char* pEnd, std::size_t nValues)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_runs[m_nPushed++] = {pEnd, nValues};
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
    bool roomForCut() const { return m_nPushed + 1 < m_runs.size(); }

    // The next run whose end is known, waiting for the scan and for room, and without
    // `bHeavy` for a run that is not heavy; false once none is left. Each run taken is given
    // back with `done`.
    bool take(bool bHeavy, std::size_t& nRun, const char*& pBegin, const char*& pEnd)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_ready.wait(lock, [&] {
            if (m_nTaken == m_nPushed)
                return m_bFinished;
            const std::size_t nValues = m_runs[m_nTaken].nValues;
            return (bHeavy || nValues <= m_nHeavy) &&
                   (m_nHeld == 0 || m_nHeld + nValues <= m_nMaxHeld);
        });
        if (m_nTaken == m_nPushed)
            return false;
        // The run after it may be one that a thread waiting for a light run can take.
        m_ready.notify_all();
        nRun = m_nTaken++;
        m_nHeld += m_runs[nRun].nValues;
        pBegin = nRun == 0 ? m_pOpen + 1 : m_runs[nRun - 1].pEnd + 1;
        pEnd = m_runs[nRun].pEnd;
        return true;
    }

    // The run's tree is gone.
    void done(std::size_t nRun)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_nHeld -= m_runs[nRun].nValues;
        m_ready.notify_all();
    }

    // After every thread is done: the number of runs of a whole array, 0 when not whole.
    std::size_t wholeRuns() const { return m_bWhole ? m_nPushed : 0; }

private:
    struct Run
    {
        const char* pEnd;
        std::size_t nValues;
    };

    const char* const m_pOpen;
    std::vector<Run> m_runs;
    const std::size_t m_nMaxHeld;
    const std::size_t m_nHeavy;
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::size_t m_nPushed = 0;
    std::size_t m_nTaken = 0;
    std::size_t m_nHeld = 0;
    bool m_bFinished = false;
    bool m_bWhole = false;
};

// Scans the array opened at `pOpen` for top-level commas about `nStep` bytes apart and
// pushes them, then its closing bracket. False when the text does not hold one whole array
// (a bracket closed by the other kind, or an empty element, included), or, with `bTooLarge`
// set, when one of its elements holds more than about `nMaxValues` values.
bool scanRuns(const char* pOpen, const char* end, std::size_t nStep, std::size_t nMaxValues,
              RunQueue& queue, bool& bTooLarge)
{
    const char* pNextCut = pOpen + nStep;
    // The array's bracket, then its last top-level comma.
    const char* pSeparator = pOpen;
    // A container's values are one more than its commas: counting each comma and each
    // bracket that opens in an element counts its values (and one for each empty container).
    std::size_t nValues = 0;
    std::size_t nRunValues = 0; // the elements' before, since the last cut
    std::string closers;        // the closing bracket each open one waits for, innermost last
    for (const char* p = pOpen; p != end; ++p) {
        switch (*p) {
        case '"':
            p = JsonRuns::stringEnd(p + 1, end);
            if (!p)
                return false;
            --p;
            break;
        case '/': {
            // A slash that starts no comment is left to the parse, which refuses it.
            const char* pAfter = commentEnd(p, end);
            if (!pAfter)
                return false;
            if (pAfter != p)
                p = pAfter - 1;
            break;
        }
        case '[':
        case '{':
            closers += *p == '[' ? ']' : '}';
            if (++nValues > nMaxValues)
                return !(bTooLarge = true);
            break;
        case ']':
        case '}':
            if (closers.empty() || closers.back() != *p)
                return false;
            closers.pop_back();
            if (closers.empty()) {
                queue.push(p, nRunValues + nValues + 1);
                return true;
            }
            break;
        case ',':
            if (closers.size() != 1) {
                if (++nValues > nMaxValues)
                    return !(bTooLarge = true);
                break;
            }
            // Nothing but blanks and comments since the last separator: an empty element,
            // which the parse refuses. A run's parse would take the comma before it for
            // a trailing one, which it allows.
            if (JsonRuns::skipBlanks(pSeparator + 1, p) == p)
                return false;
            pSeparator = p;
            nRunValues += nValues + 1;
            nValues = 0;
            if (p >= pNextCut && queue.roomForCut()) {
                queue.push(p, nRunValues);
                nRunValues = 0;
                pNextCut = p + nStep;
            }
            break;
        default:
            break;
        }
    }
    return false;
}

// Parses the text as the elements of an array at nesting level `nLevel`: wrapped in that
// many arrays, so that the parser's depth limit counts as in the whole text.
bool parseAtLevel(const char* pBegin, const char* pEnd, int nLevel, bool bComments,
                  Json::Value& out)
{
    std::string text;
    text.reserve(std::size_t(pEnd - pBegin) + 2 * std::size_t(nLevel));
    text.append(std::size_t(nLevel), '[');
    text.append(pBegin, pEnd);
    text.append(std::size_t(nLevel), ']');
    Json::Value parsed;
    if (!JsonRead::parse(text, parsed, bComments))
        return false;
    text = std::string();
    Json::Value* pArray = &parsed;
    for (int i = 1; i < nLevel; ++i)
        pArray = &(*pArray)[0];
    out.swap(*pArray);
    return out.isArray();
}

} // namespace

namespace JsonRuns {

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

const char* skipBlanks(const char* p, const char* end)
{
    while (p != end) {
        if (isJsonBlank(*p)) {
            ++p;
            continue;
        }
        if (*p != '/')
            return p;
        const char* pAfter = commentEnd(p, end);
        if (pAfter == p)
            return p;
        p = pAfter;
        if (!p)
            return nullptr;
    }
    return p;
}

const char* valueEnd(const char* p, const char* end)
{
    if (p == end)
        return nullptr;
    if (*p == '"')
        return stringEnd(p + 1, end);
    if (*p != '[' && *p != '{') {
        while (p != end && !isJsonBlank(*p) && !std::strchr(",]}/", *p))
            ++p;
        return p;
    }
    int nOpen = 0;
    for (; p != end; ++p) {
        if (*p == '"') {
            p = stringEnd(p + 1, end);
            if (!p)
                return nullptr;
            --p;
        } else if (*p == '/') {
            const char* pAfter = commentEnd(p, end);
            if (!pAfter)
                return nullptr;
            if (pAfter != p)
                p = pAfter - 1;
        } else if (*p == '[' || *p == '{') {
            ++nOpen;
        } else if ((*p == ']' || *p == '}') && --nOpen == 0) {
            return p + 1;
        }
    }
    return nullptr;
}

Result parseArray(const char* pOpen, const char* end, int nLevel, bool bComments,
                  std::size_t nMaxValues, const RunTaker& take, std::size_t& nRuns)
{
    const unsigned nThreads =
        std::max(1u, std::min(kMaxThreads, std::thread::hardware_concurrency()));
    const std::size_t nSize = std::size_t(end - pOpen);
    const std::size_t nMaxRuns =
        std::min<std::size_t>(nThreads * kRunsPerThread, nSize / kMinRunBytes);
    nRuns = 1;
    if (nMaxRuns < 2) {
        // Small: one run, the array itself, which cannot hold many values.
        Json::Value elements;
        if (nLevel == 1) {
            if (!JsonRead::parse(std::string(pOpen, end), elements, bComments))
                return Result::Refused;
        } else {
            const char* pClose = valueEnd(pOpen, end);
            Json::Value wrapper;
            if (!pClose || !parseAtLevel(pOpen, pClose, nLevel - 1, bComments, wrapper))
                return Result::Refused;
            elements.swap(wrapper[0]);
        }
        if (!elements.isArray())
            return Result::Refused;
        return take(0, elements) ? Result::Read : Result::Stopped;
    }

    // One more run than cuts: the last ends at the closing bracket. No more runs are parsed
    // at once than one element may hold.
    RunQueue queue(pOpen, nMaxRuns + 1, nMaxValues);
    std::vector<char> parsed(nMaxRuns + 1, 0);
    std::atomic<bool> bFailed{false};
    std::atomic<bool> bStopped{false};
    const auto parseRun = [&](std::size_t nRun, const char* pBegin, const char* pEnd) {
        Json::Value elements;
        // The scan left no empty element, so a run that parses is as the whole parse
        // reads it there; the last may end in the trailing comma the parse allows.
        if (!parseAtLevel(pBegin, pEnd, nLevel, bComments, elements))
            bFailed = true;
        else if (!take(nRun, elements))
            bStopped = true;
        else
            parsed[nRun] = 1;
    };
    const auto parseRuns = [&](bool bHeavy) {
        std::size_t nRun;
        const char* pBegin;
        const char* pEnd;
        while (queue.take(bHeavy, nRun, pBegin, pEnd)) {
            if (!bFailed && !bStopped)
                parseRun(nRun, pBegin, pEnd);
            queue.done(nRun);
        }
    };
    std::vector<std::thread> threads;
    for (unsigned i = 1; i < nThreads; ++i)
        threads.emplace_back(parseRuns, false);
    bool bTooLarge = false;
    queue.finish(scanRuns(pOpen, end, nSize / nMaxRuns, nMaxValues, queue, bTooLarge));
    parseRuns(true);
    for (std::thread& thread : threads)
        thread.join();
    nRuns = queue.wholeRuns();
    if (bTooLarge)
        return Result::TooLarge;
    if (bStopped)
        return Result::Stopped;
    const bool bAll =
        std::find(parsed.begin(), parsed.begin() + nRuns, 0) == parsed.begin() + nRuns;
    return nRuns > 0 && !bFailed && bAll ? Result::Read : Result::Refused;
}

} // namespace JsonRuns
