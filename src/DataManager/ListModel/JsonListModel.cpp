#include "DataManager/ListModel/JsonListModel.h"

#include "PublicModule/HttpCurl/features/JsonRead.h"

namespace {

QVariant scalarVariant(const Json::Value& value)
{
    if (value.isBool())
        return JsonRead::toBool(value);
    if (value.isInt64())
        return static_cast<qlonglong>(JsonRead::toInt64(value));
    if (value.isDouble())
        return JsonRead::toDouble(value);
    return QString::fromStdString(JsonRead::toText(value));
}

} // namespace

JsonListModel::JsonListModel(const QStringList& keys, QObject* parent)
    : QAbstractListModel(parent), m_keys(keys)
{
}

bool JsonListModel::setJsonText(const QString& qstrText)
{
    Json::Value parsed;
    if (!JsonRead::parse(qstrText.toStdString(), parsed, false) || !parsed.isArray())
        return false;
    std::vector<Json::Value> rows;
    for (const Json::Value& element : parsed) {
        if (element.isObject())
            rows.push_back(element);
    }
    replaceRows(std::move(rows));
    return true;
}

void JsonListModel::clear()
{
    replaceRows({});
}

void JsonListModel::replaceRows(std::vector<Json::Value> rows)
{
    const int nBefore = count();
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
    if (count() != nBefore)
        emit countChanged();
}

QVariant JsonListModel::value(int nRow, const QString& qstrKey) const
{
    return hasRow(nRow) ? roleValue(rowAt(nRow), qstrKey) : QVariant(QString());
}

QVariantMap JsonListModel::get(int nRow) const
{
    QVariantMap row;
    if (hasRow(nRow)) {
        for (const QString& qstrKey : m_keys)
            row.insert(qstrKey, roleValue(rowAt(nRow), qstrKey));
    }
    return row;
}

int JsonListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant JsonListModel::data(const QModelIndex& index, int role) const
{
    const int nKey = role - Qt::UserRole;
    if (!index.isValid() || !hasRow(index.row()) || nKey < 0 || nKey >= m_keys.size())
        return QVariant();
    return roleValue(rowAt(index.row()), m_keys[nKey]);
}

QHash<int, QByteArray> JsonListModel::roleNames() const
{
    QHash<int, QByteArray> names;
    for (int i = 0; i < m_keys.size(); ++i)
        names.insert(Qt::UserRole + i, m_keys[i].toUtf8());
    return names;
}

QVariant JsonListModel::roleValue(const Json::Value& row, const QString& qstrKey) const
{
    return scalarVariant(JsonRead::member(row, qstrKey.toUtf8().constData()));
}

void JsonListModel::setRowMember(int nRow, const char* szKey, const Json::Value& value)
{
    m_rows[static_cast<size_t>(nRow)][szKey] = value;
    const QModelIndex changed = index(nRow);
    emit dataChanged(changed, changed);
}
