#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <map>
#include <vector>

class QObject;
class ProxyDataBase;

// The keys list views filter and sort by, read from the rows once and kept side by side:
// a view over thousands of rows then reads neighbouring memory instead of every row object.
// Kept by ProxyManager for each table until a row is filed or removed; between views it
// follows the rows' property writes (followWrites), key field by key field.
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

    // Keys of a table's rows follow that table's writes; nRebuilds counts the reads of a
    // key field from every row.
    explicit ViewKeys(QList<QObject*> rows, int enumTable = -1, int* pRebuilds = nullptr);

    const QList<QObject*>& rows() const { return m_rows; }
    int size() const { return m_rows.size(); }
    bool isStatic(int nRow);
    // The row's line text, case-folded.
    QStringView foldedText(int nRow, LineField field);
    // Orders the positions by the rows' keys under the sort type; equal keys keep the
    // positions' order.
    void sort(std::vector<int>& positions, int nSortType);
    QList<QObject*> rowsAt(const std::vector<int>& positions) const;
    // Brings the keys up to the table's writes since they were read: a field one row wrote
    // is read again from that row alone, a field several rows wrote is dropped.
    void followWrites();

    static bool isSortType(int nSortType);
    static bool lessBy(int nSortType, QObject* a, QObject* b);

private:
    class Texts
    {
    public:
        void reserve(int nCount, int nChars);
        void add(const QString& qstrText);
        void set(size_t nIndex, const QString& qstrText);
        QStringView at(size_t nIndex) const;
        void foldCase();
        void clear();

    private:
        QString m_qstrTexts;
        std::vector<std::pair<int, int>> m_spans;
    };

    // One key type's keys of every row, in the rows' order.
    class SortKeys
    {
    public:
        void read(int nKeyType, const QList<QObject*>& rows);
        void set(size_t nRow, QObject* pRow);
        // Calls `use` with the function giving a row's key.
        template <typename Use> void withKey(Use use) const;

    private:
        void setIp(size_t nRow, const QString& qstrIp);

        int m_nKeyType = 0;
        Texts m_texts;
        std::vector<qulonglong> m_ipNumbers;
        std::vector<std::pair<size_t, size_t>> m_ipNumberSpans; // first, count
        std::vector<double> m_numbers;
    };

    // The rows by key, and each row's rank there: equal keys share a rank.
    struct Ranking
    {
        SortKeys keys;
        std::vector<int> order;
        std::vector<quint32> ranks;

        void rank(int nKeyType, const QList<QObject*>& rows);
        void move(int nRow, QObject* pRow);
        void numberRanks();
    };

    void readLineTexts();
    void setLineTexts(int nRow, const ProxyDataBase* pRow);
    const Ranking& ranking(int nKeyType);
    void follow(int nField, const ProxyDataBase* pRow);

    QList<QObject*> m_rows;
    int m_enumTable;
    int* m_pRebuilds;
    std::vector<quint64> m_writesSeen; // per key field
    bool m_bLineTexts = false;
    Texts m_lineTexts; // Field_Count texts per row
    std::vector<bool> m_static;
    std::map<int, Ranking> m_rankings; // by key type
};
