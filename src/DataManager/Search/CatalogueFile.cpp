#include "DataManager/Search/CatalogueFile.h"

#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;

const char* const kPlainNames[] = {"country.json", "isp.json", "zip.json"};
const char* const kStaticNames[] = {"country_static.json", "isp_static.json", "zip_static.json"};

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
    const std::string strText = Encryption::GetInstance()->decode(content.toStdString());
    Json::Value parsed;
    if (strText.empty() || !JsonRead::parse(strText, parsed, false)) {
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
