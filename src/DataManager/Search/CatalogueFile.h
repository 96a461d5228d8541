#pragma once

#include "DataManager/Search/CatalogueTable.h"
#include "PublicModule/HttpCurl/features/Encryption.h"

#include <QString>
#include <json/json.h>

// The catalogue cache files under temp/data of the program folder: one encoded JSON array
// each, written by the service layer and only read here.
namespace CatalogueFile {

// The largest file read.
constexpr qint64 kMaxFileBytes = 256LL * 1024 * 1024;
// The largest catalogue text saved: its encoded file is read back.
constexpr qint64 kMaxTextBytes = qint64(Encryption::largestPlainFor(kMaxFileBytes));
// The saved text lays arrays out one element a line, objects within them one member a
// line, each line indented by its depth, so it is larger than the answer. Entries grow the
// more the deeper and shorter they are: a city whose code and name have s bytes together
// takes 22 + s bytes in the answer and 96 + s saved, a country's operator or postal code
// of n bytes 3 + n and 13 + n. Both stay within 4 times once s is 3 or more and n 1 or
// more; the rest grows less.
constexpr qint64 kLayoutGrowth = 4;
// The largest catalogue answer taken from the service: its saved text always fits.
constexpr qint64 kMaxAnswerBytes = kMaxTextBytes / kLayoutGrowth;

// What a list (an answer's or a file's) may hold, so that taking any list under the cap
// stays well within a gigabyte: at most this many entries (the area list's countries,
// states and cities together), each of which costs about half a kilobyte once the screens
// are handed it (the large stand-in catalogue has 105,250 in its area list)...
constexpr int kMaxEntries = 1000000;
// ... and no element of more JSON values than this (its members and everything in them),
// each costing about a hundred bytes while the element is parsed.
constexpr std::size_t kMaxElementValues = 2000000;

enum Level
{
    Area = 0,
    Isp = 1,
    Zip = 2
};

// The file of a level, plain (plan 1) or static (plans 3 and 6).
QString path(Level level, bool bStatic);

// Reads, decodes and parses one file. False, with the reason in `why`, for anything but a
// regular file of at most 256 MiB holding an encoded JSON array; `out` is then untouched.
bool read(const QString& qstrPath, Json::Value& out, QString& why);

// The same read into the entries of a level, the array never held whole: also false for a
// file of more entries, or an element of more values, than a list may hold.
bool load(const QString& qstrPath, Level level, CatalogueTable& out, QString& why);

} // namespace CatalogueFile
