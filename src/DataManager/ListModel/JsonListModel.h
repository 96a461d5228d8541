#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <json/json.h>

#include <vector>

// A list model over a JSON array of objects, for QML views. Each role is one key of the
// objects; the keys are fixed by the subclass that names what its screen shows. A key
// that a row lacks, or holds as an array or object, reads as empty text.
class JsonListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    int count() const { return static_cast<int>(m_rows.size()); }

    // Replaces every row with the objects of a JSON array text, in order; elements that
    // are not objects are skipped. Any other text is refused whole and the rows stay.
    Q_INVOKABLE bool setJsonText(const QString& qstrText);
    Q_INVOKABLE void clear();
    // One key of one row, derived keys included; empty text outside the rows.
    Q_INVOKABLE QVariant value(int nRow, const QString& qstrKey) const;
    // One row as an object of its keys, as a QML ListModel gives it, for a view that reads a
    // row whose delegate it has dropped; empty outside the rows.
    Q_INVOKABLE QVariantMap get(int nRow) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void countChanged();

protected:
    JsonListModel(const QStringList& keys, QObject* parent);

    // The value a view sees for `key` in `row`; subclasses add keys computed from others.
    virtual QVariant roleValue(const Json::Value& row, const QString& qstrKey) const;
    const Json::Value& rowAt(int nRow) const { return m_rows[static_cast<size_t>(nRow)]; }
    bool hasRow(int nRow) const { return nRow >= 0 && nRow < count(); }
    // Changes one stored member and tells the views.
    void setRowMember(int nRow, const char* szKey, const Json::Value& value);

private:
    void replaceRows(std::vector<Json::Value> rows);

    const QStringList m_keys;
    std::vector<Json::Value> m_rows;
};
