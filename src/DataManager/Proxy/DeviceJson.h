#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QVariant>

// Reading the JSON that devices and their lines keep, whatever type the service sent a
// member as, and writing it back as the service takes it.
namespace DeviceJson {

// A scalar member as text; empty when missing.
inline QString text(const QJsonObject& object, const char* szKey)
{
    return object.value(QLatin1String(szKey)).toVariant().toString();
}

// A number or numeric text; 0 otherwise.
inline int number(const QJsonObject& object, const char* szKey)
{
    return object.value(QLatin1String(szKey)).toVariant().toInt();
}

inline QString compact(const QJsonObject& object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

} // namespace DeviceJson
