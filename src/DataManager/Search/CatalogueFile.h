#pragma once

#include "PublicModule/HttpCurl/features/Encryption.h"

#include <QString>
#include <json/json.h>

// The catalogue cache files under temp/data of the program folder: one encoded JSON array
// each, written by the service layer and only read here.
namespace CatalogueFile {

// The largest file read.
constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;
// The largest catalogue text saved (its encoded file is read back), and so the largest
// catalogue answer taken from the service.
constexpr qint64 kMaxTextBytes = qint64(Encryption::largestPlainFor(kMaxFileBytes));

enum Level
{
    Area = 0,
    Isp = 1,
    Zip = 2
};

// The file of a level, plain (plan 1) or static (plans 3 and 6).
QString path(Level level, bool bStatic);

// Reads, decodes and parses one file. False, with the reason in `why`, for anything but a
// regular file of at most 64 MiB holding an encoded JSON array; `out` is then untouched.
bool read(const QString& qstrPath, Json::Value& out, QString& why);

} // namespace CatalogueFile
