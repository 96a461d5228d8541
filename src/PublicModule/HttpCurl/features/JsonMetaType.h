#pragma once

#include <QMetaType>
#include <json/json.h>

// JSON values cross queued signals and QML properties.
Q_DECLARE_METATYPE(Json::Value)
