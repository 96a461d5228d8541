#include "DataManager/ListModel/BrowserWndModel.h"

BrowserWndModel::BrowserWndModel(QObject* parent) : JsonListModel({"id", "seq", "name"}, parent)
{
}
