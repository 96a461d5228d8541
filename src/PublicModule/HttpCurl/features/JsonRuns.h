#pragma once

#include <json/json.h>

#include <cstddef>
#include <functional>

// A large JSON array read as runs of whole elements, so that it is never held as one tree:
// each run is parsed on its own (on up to six threads) and handed over as soon as it is,
// and a run's tree goes once its taker returns. What it reads, and what it refuses, is what
// JsonRead::parse reads and refuses of the whole text.
namespace JsonRuns {

// Where a JSON string ends when its text starts at `p` (after its opening quote): just past
// the closing quote, or null when there is none.
const char* stringEnd(const char* p, const char* end);

// Just past the value that starts at `p` (a string, array or object, or a scalar, which
// ends at the first blank, comma, bracket or slash); null when a string, comment or
// bracket is left open. Brackets are only counted: a whole parse still checks the value.
const char* valueEnd(const char* p, const char* end);

// Past JSON blanks and comments from `p`; null when a comment is left open.
const char* skipBlanks(const char* p, const char* end);

// Runs are numbered in text order from 0, below this.
constexpr std::size_t kMaxRuns = 6 * 8 + 1;

// Takes the elements of one run, as an array, on the thread that parsed it. False stops the
// reading.
using RunTaker = std::function<bool(std::size_t nRun, Json::Value& elements)>;

enum class Result
{
    Read,
    Refused,   // not one whole array as a whole parse reads it
    TooLarge,  // an element of more values than allowed
    Stopped    // a taker returned false
};

// Reads the array whose '[' is at `pOpen` (the text may go on after its ']'); `nLevel` is
// the array's nesting level in its document (1 for the document itself), `nRuns` gives how
// many runs there were (a small array is one). A large array one of whose elements holds
// more than about `nMaxValues` values (its members and everything in them, counted by their
// commas and brackets) is refused before that element is parsed: its tree alone would take
// about a hundred bytes a value. For the same reason runs holding more than that together
// are not parsed at once, but for one run alone.
Result parseArray(const char* pOpen, const char* end, int nLevel, bool bComments,
                  std::size_t nMaxValues, const RunTaker& take, std::size_t& nRuns);

} // namespace JsonRuns
