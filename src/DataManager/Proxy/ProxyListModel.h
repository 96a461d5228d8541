#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QSet>

#include <functional>

// The rows of one proxy list as QML shows them. Roles are the row class's properties plus
// `modelData` (the row itself). The rows belong to ProxyManager; the model only refers to
// them and follows their property changes.
class ProxyListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    using Accepts = std::function<bool(QObject*)>;
    using Less = std::function<bool(QObject*, QObject*)>;

    ProxyListModel(const QMetaObject* pRowType, QObject* parent);

    int count() const { return m_rows.size(); }
    Q_INVOKABLE QObject* get(int nRow) const;

    // Shows the rows in this order. A row filed later is shown when `accepts` takes it,
    // after every shown row that `less` does not put behind it (at the end without one).
    void setRows(const QList<QObject*>& rows, Accepts accepts = {}, Less less = {});
    void offerRow(QObject* pRow);
    // Rows offered in between are placed together at the release, as offerRow would have
    // placed them one by one: a long list filed while shown costs no pass per row.
    void holdOffers() { m_bHolding = true; }
    void releaseOffers();
    void removeRowObject(QObject* pRow);
    void clear();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void countChanged();

private slots:
    void onRowChanged();

private:
    void resetRows(const QList<QObject*>& rows);
    void follow(QObject* pRow) const;
    void unfollowAllBut(const QList<QObject*>& rows);
    void insertRow(int nRow, QObject* pRow);
    int placeOf(QObject* pRow) const;

    QHash<int, QByteArray> m_roleNames;
    QHash<int, int> m_roleBySignal; // notify signal index -> role
    int m_nModelDataRole = 0;
    QList<QObject*> m_rows;
    mutable QSet<QObject*> m_followed;
    Accepts m_accepts;
    Less m_less;
    bool m_bHolding = false;
    QList<QObject*> m_held;
};
