#pragma once

#include "DataManager/ListModel/JsonListModel.h"

// The outside browser's profiles as its list answer gives them: "id" goes back to the
// browser when a port is bound, "seq" and "name" are shown.
class BrowserWndModel : public JsonListModel
{
    Q_OBJECT
public:
    explicit BrowserWndModel(QObject* parent = nullptr);
};
