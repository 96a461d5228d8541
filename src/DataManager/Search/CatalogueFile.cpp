#include "DataManager/Search/CatalogueFile.h"

#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/features/JsonRuns.h"
#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <string>
#include <vector>

namespace {

const char* const kPlainNames[] = {"country.json", "isp.json", "zip.json"};
const char* const kStaticNames[] = {"country_static.json", "isp_static.json", "zip_static.json"};

bool isJsonBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The decoded text of a file, checked as `read` says.
bool readText(const QString& qstrPath, std::string& text, QString& why)
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
    if (info.size() > CatalogueFile::kMaxFileBytes) {
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
    text = Encryption::GetInstance()->decode(content.constData(), std::size_t(content.size()));
    if (text.empty()) {
        why = QStringLiteral("does not decode or parse");
        return false;
    }
    return true;
}

// Hands the file's elements to `take` run by run. A text that is no array is parsed whole,
// only to tell the reason.
bool parseElements(const std::string& text, const JsonRuns::RunTaker& take, QString& why)
{
    const char* const end = text.data() + text.size();
    const char* const pOpen = std::find_if_not(text.data(), end, isJsonBlank);
    if (pOpen == end || *pOpen != '[') {
        Json::Value parsed;
        why = JsonRead::parse(text, parsed, false) ? QStringLiteral("top value is not an array")
                                                    : QStringLiteral("does not decode or parse");
        return false;
    }
    std::size_t nRuns = 0;
    switch (
        JsonRuns::parseArray(pOpen, end, 1, false, CatalogueFile::kMaxElementValues, take, nRuns)) {
    case JsonRuns::Result::Read:
        return true;
    case JsonRuns::Result::TooLarge:
        why = QStringLiteral("an element of over %1 values").arg(CatalogueFile::kMaxElementValues);
        return false;
    case JsonRuns::Result::Stopped:
        why = QStringLiteral("over %1 entries").arg(CatalogueFile::kMaxEntries);
        return false;
    default:
        why = QStringLiteral("does not decode or parse");
        return false;
    }
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
    std::string text;
    if (!readText(qstrPath, text, why))
        return false;
    std::vector<Json::Value> runs(JsonRuns::kMaxRuns);
    const auto take = [&runs](std::size_t nRun, Json::Value& elements) {
        runs[nRun].swap(elements);
        return true;
    };
    if (!parseElements(text, take, why))
        return false;
    Json::Value parsed = std::move(runs[0]);
    for (std::size_t i = 1; i < runs.size(); ++i)
        for (Json::Value& element : runs[i])
            parsed.append(std::move(element));
    out.swap(parsed);
    return true;
}

bool load(const QString& qstrPath, Level level, CatalogueTable& out, QString& why)
{
    std::string text;
    if (!readText(qstrPath, text, why))
        return false;
    const bool bArea = level == Area;
    std::vector<CatalogueTable> parts(JsonRuns::kMaxRuns, CatalogueTable(bArea));
    std::atomic<int> nEntries{0};
    const auto take = [&](std::size_t nRun, Json::Value& elements) {
        parts[nRun].add(elements);
        return (nEntries += parts[nRun].entryCount()) <= kMaxEntries;
    };
    if (!parseElements(text, take, why))
        return false;
    text = std::string();
    CatalogueTable table = std::move(parts[0]);
    for (std::size_t i = 1; i < parts.size(); ++i) {
        table.append(parts[i]);
        parts[i] = CatalogueTable(bArea);
    }
    table.squeeze();
    out = std::move(table);
    return true;
}

} // namespace CatalogueFile
