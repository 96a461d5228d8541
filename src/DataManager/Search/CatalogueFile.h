#pragma once

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

} // namespace CatalogueFile
