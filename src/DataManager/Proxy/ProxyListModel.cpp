#include "ProxyListModel.h"

#include <QMetaProperty>

#include <algorithm>

ProxyListModel::ProxyListModel(const QMetaObject* pRowType, QObject* parent)
    : QAbstractListModel(parent)
{
    int nRole = Qt::UserRole + 1;
    // Property 0 is QObject's objectName, which no screen reads.
    for (int i = 1; i < pRowType->propertyCount(); ++i, ++nRole) {
        const QMetaProperty property = pRowType->property(i);
        m_roleNames.insert(nRole, property.name());
        if (property.hasNotifySignal())
            m_roleBySignal.insert(property.notifySignalIndex(), nRole);
    }
    m_nModelDataRole = nRole;
    m_roleNames.insert(m_nModelDataRole, "modelData");
}

QObject* ProxyListModel::get(int nRow) const
{
    if (nRow < 0 || nRow >= m_rows.size())
        return nullptr;
    follow(m_rows.at(nRow));
    return m_rows.at(nRow);
}

void ProxyListModel::setRows(const QList<QObject*>& rows, Accepts accepts, Less less)
{
    m_accepts = std::move(accepts);
    m_less = std::move(less);
    resetRows(rows);
}

// The view's rules stay: rows filed after a clear are placed as before.
void ProxyListModel::clear()
{
    resetRows({});
}

void ProxyListModel::resetRows(const QList<QObject*>& rows)
{
    beginResetModel();
    unfollowAllBut(rows);
    m_rows = rows;
    m_held.clear();
    endResetModel();
    emit countChanged();
}

// Rows the new list keeps stay followed: a sort reorders thousands of rows a view has
// read, and disconnecting each row's signals only to connect them again costs the most.
void ProxyListModel::unfollowAllBut(const QList<QObject*>& rows)
{
    if (m_followed.isEmpty())
        return;
    const QSet<QObject*> kept(rows.cbegin(), rows.cend());
    for (auto it = m_followed.begin(); it != m_followed.end();) {
        if (kept.contains(*it)) {
            ++it;
            continue;
        }
        disconnect(*it, nullptr, this, nullptr);
        it = m_followed.erase(it);
    }
}

void ProxyListModel::offerRow(QObject* pRow)
{
    if (m_bHolding && pRow) {
        m_held.append(pRow);
        return;
    }
    if (!pRow || m_rows.contains(pRow) || (m_accepts && !m_accepts(pRow)))
        return;
    insertRow(placeOf(pRow), pRow);
}

void ProxyListModel::releaseOffers()
{
    m_bHolding = false;
    QSet<QObject*> shown(m_rows.cbegin(), m_rows.cend());
    QList<QObject*> fresh;
    for (QObject* pRow : qAsConst(m_held))
        if ((!m_accepts || m_accepts(pRow)) && !shown.contains(pRow)) {
            shown.insert(pRow);
            fresh.append(pRow);
        }
    m_held.clear();
    if (m_less)
        std::stable_sort(fresh.begin(), fresh.end(), m_less);
    if (!m_rows.isEmpty() || fresh.size() < 2) {
        for (QObject* pRow : qAsConst(fresh))
            insertRow(placeOf(pRow), pRow);
        return;
    }
    beginInsertRows(QModelIndex(), 0, fresh.size() - 1);
    m_rows = fresh;
    endInsertRows();
    emit countChanged();
}

// After every shown row that `less` does not put behind the row; at the end without one.
int ProxyListModel::placeOf(QObject* pRow) const
{
    if (!m_less)
        return m_rows.size();
    return static_cast<int>(std::upper_bound(m_rows.begin(), m_rows.end(), pRow, m_less) -
                            m_rows.begin());
}

void ProxyListModel::insertRow(int nRow, QObject* pRow)
{
    beginInsertRows(QModelIndex(), nRow, nRow);
    m_rows.insert(nRow, pRow);
    endInsertRows();
    emit countChanged();
}

void ProxyListModel::removeRowObject(QObject* pRow)
{
    m_held.removeAll(pRow);
    const int nRow = m_rows.indexOf(pRow);
    if (nRow < 0)
        return;
    beginRemoveRows(QModelIndex(), nRow, nRow);
    if (m_followed.remove(pRow))
        disconnect(pRow, nullptr, this, nullptr);
    m_rows.removeAt(nRow);
    endRemoveRows();
    emit countChanged();
}

int ProxyListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

QVariant ProxyListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    QObject* pRow = m_rows.at(index.row());
    follow(pRow);
    if (role == m_nModelDataRole)
        return QVariant::fromValue(pRow);
    const QByteArray name = m_roleNames.value(role);
    return name.isEmpty() ? QVariant() : pRow->property(name.constData());
}

QHash<int, QByteArray> ProxyListModel::roleNames() const
{
    return m_roleNames;
}

// A row's changes are followed from the first time a view reads it: views read only the
// rows they show, so a reset of a long list costs no connections.
void ProxyListModel::follow(QObject* pRow) const
{
    if (m_followed.contains(pRow))
        return;
    m_followed.insert(pRow);
    auto* pSelf = const_cast<ProxyListModel*>(this);
    const int nSlot = metaObject()->indexOfSlot("onRowChanged()");
    for (auto it = m_roleBySignal.cbegin(); it != m_roleBySignal.cend(); ++it)
        QMetaObject::connect(pRow, it.key(), pSelf, nSlot);
}

void ProxyListModel::onRowChanged()
{
    const int nRow = m_rows.indexOf(sender());
    if (nRow < 0)
        return;
    const QModelIndex at = index(nRow);
    emit dataChanged(at, at, {m_roleBySignal.value(senderSignalIndex())});
}
