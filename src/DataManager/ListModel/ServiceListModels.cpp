#include "DataManager/ListModel/ServiceListModels.h"

#include "PublicModule/HttpCurl/features/JsonRead.h"

#include <QDateTime>

#include <cmath>

namespace {

constexpr qint64 kMillisecondStamps = 10000000000LL;
// Beyond this a stamp is no date; the bound also keeps the rounding defined.
constexpr double kLargestStamp = 1e17;

} // namespace

NoticeListModel::NoticeListModel(QObject* parent)
    : JsonListModel({"id", "title", "info", "read", "start_time", "unread", "timeText"}, parent)
{
}

bool NoticeListModel::markRead(int nRow)
{
    if (!hasRow(nRow) || !isUnread(rowAt(nRow)))
        return false;
    setRowMember(nRow, "read", 1);
    return true;
}

bool NoticeListModel::isUnread(const Json::Value& row)
{
    return JsonRead::getText(row, "read") != "1";
}

QString NoticeListModel::timeText(const Json::Value& startTime)
{
    bool bNumber = false;
    const double dStamp = QString::fromStdString(JsonRead::toText(startTime)).toDouble(&bNumber);
    if (!bNumber || !(std::fabs(dStamp) < kLargestStamp))
        return QString();
    const auto nStamp = static_cast<qint64>(std::llround(dStamp));
    const qint64 nMs = nStamp > kMillisecondStamps ? nStamp : nStamp * 1000;
    return QDateTime::fromMSecsSinceEpoch(nMs).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QVariant NoticeListModel::roleValue(const Json::Value& row, const QString& qstrKey) const
{
    if (qstrKey == QLatin1String("unread"))
        return isUnread(row);
    if (qstrKey == QLatin1String("timeText"))
        return timeText(JsonRead::member(row, "start_time"));
    return JsonListModel::roleValue(row, qstrKey);
}

FeedbackCategoryModel::FeedbackCategoryModel(QObject* parent)
    : JsonListModel({"id", "title"}, parent)
{
}
