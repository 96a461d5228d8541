#pragma once

#include "DataManager/ListModel/JsonListModel.h"

// The notices of the account as the service lists them. Besides the service's keys a row
// offers "unread" (anything but a "read" of 1) and "timeText", the local time of
// "start_time", which comes in seconds or, above 10,000,000,000, in milliseconds.
class NoticeListModel : public JsonListModel
{
    Q_OBJECT
public:
    explicit NoticeListModel(QObject* parent = nullptr);

    // Marks the row read; true only when it was unread before.
    Q_INVOKABLE bool markRead(int nRow);

    static QString timeText(const Json::Value& startTime);

protected:
    QVariant roleValue(const Json::Value& row, const QString& qstrKey) const override;

private:
    static bool isUnread(const Json::Value& row);
};

// The feedback categories: "id" goes back to the service, "title" is shown.
class FeedbackCategoryModel : public JsonListModel
{
    Q_OBJECT
public:
    explicit FeedbackCategoryModel(QObject* parent = nullptr);
};
