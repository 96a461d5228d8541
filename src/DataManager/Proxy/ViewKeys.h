#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <vector>

class QObject;

// The keys list views filter and sort by, read from the rows once and kept side by side:
// a view over thousands of rows then reads neighbouring memory instead of every row object.
// Only valid while the rows and their properties stay as they were; ProxyManager keeps one
// per table and drops it on any change.
class ViewKeys
{
public:
    // The sort types asked for by name; the others lie in pairs between them.
    enum SortType
    {
        Sort_Keep = 0,
        Sort_Address = 1,
        Sort_Latency = 3,
        Sort_FirstText = 15,
        Sort_BuyTime = 16,
        Sort_FavoriteUpdate = 17,
        Sort_DeviceLogin = 22,
        Sort_Newest = 23
    };

    enum LineField
    {
        Field_Ip,
        Field_Postal,
        Field_Isp,
        Field_Country,
        Field_State,
        Field_City,
        Field_Count
    };

    explicit ViewKeys(QList<QObject*> rows);

    const QList<QObject*>& rows() const { return m_rows; }
    int size() const { return m_rows.size(); }
    bool isStatic(int nRow);
    // The row's line text, case-folded.
    QStringView foldedText(int nRow, LineField field);
    // Orders the positions by the rows' keys under the sort type; equal keys keep the
    // positions' order.
    void sort(std::vector<int>& positions, int nSortType);
    QList<QObject*> rowsAt(const std::vector<int>& positions) const;

    static bool isSortType(int nSortType);
    static bool lessBy(int nSortType, QObject* a, QObject* b);

private:
    class Texts
    {
    public:
        void reserve(int nCount, int nChars);
        void add(const QString& qstrText);
        QStringView at(size_t nIndex) const;
        void foldCase();
        void clear();

    private:
        QString m_qstrTexts;
        std::vector<std::pair<int, int>> m_spans;
    };

    void readLineTexts();
    void readSortKeys(int nKeyType);
    void clearSortKeys();
    void rankKeys(int nKeyType);
    // Calls `use` with the function giving a row's key under the key type read last.
    template <typename Use> void withKey(Use use) const;

    QList<QObject*> m_rows;
    bool m_bLineTexts = false;
    Texts m_lineTexts; // Field_Count texts per row
    std::vector<bool> m_static;
    int m_nKeyType = 0; // the sort keys read, 0 for none
    Texts m_sortTexts;
    std::vector<qulonglong> m_ipNumbers;
    std::vector<std::pair<size_t, size_t>> m_ipNumberSpans; // first, count
    std::vector<double> m_sortNumbers;
    int m_nRankedKeyType = 0;
    std::vector<quint32> m_ranks;
};
