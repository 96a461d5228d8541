#pragma once

#include "DataManager/Search/CatalogueTable.h"
#include "PublicModule/HttpCurl/features/JsonMetaType.h"
#include "PublicModule/HttpCurl/globleBase/NotifyProperty.h"

#include <QJSEngine>
#include <QJSValue>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

// The level of a catalogue entry; QML passes it as a plain int.
enum SearchEnum
{
    Data_None = 0,
    Data_Country = 1,
    Data_State = 2,
    Data_City = 3,
    Data_Isp = 4,
    Data_Postal = 5,
    Data_CarouseData = 6,
    Data_LoginViewData = 7,
    Data_DeviceStatus = 8,
    Data_DeviceLineStatus = 9
};
using DataType = SearchEnum;

// The text case-folded one UTF-16 unit (or surrogate pair) at a time, as QString's
// case-insensitive comparison folds: a case-sensitive `contains` on two folded texts gives
// the case-insensitive `contains` on the originals.
QString foldedForSearch(const QString& qstrText);

// One entry of the location catalogue as the combo boxes show it. Created without a parent
// and owned by the catalogue list that holds it; QML only borrows it. An entry of a loaded
// catalogue reads its code and name from the catalogue's texts until either is set, so that
// the many entries of a large catalogue hold no texts of their own.
class SearchDataBase : public QObject
{
    Q_OBJECT
    Q_PROPERTY(void* pParent READ getParentLink WRITE setParentLink NOTIFY pParentChanged)
    Q_PROPERTY(QString qstrCode READ getCode WRITE setCode NOTIFY qstrCodeChanged)
    Q_PROPERTY(QString qstrName READ getName WRITE setName NOTIFY qstrNameChanged)
    Q_PROPERTY(int enumDataType READ getDataType WRITE setDataType NOTIFY enumDataTypeChanged)

public:
    explicit SearchDataBase(QObject* parent = nullptr);
    ~SearchDataBase() override;

    // Reads code and name from row `nRow` of `pTexts`, which outlives the entry; the entry
    // then belongs to a FoldedNameIndex.
    void readTexts(const EntryTexts* pTexts, int nRow);

    QString getCode() const;
    void setCode(const QString& qstrCode);
    QString getName() const;
    void setName(const QString& qstrName);
    // Whether the code equals `code`, read in place.
    bool hasCode(QStringView code) const;
    // Whether code or name were set since the entry was made from a row.
    bool ownsTexts() const { return m_nRow < 0; }
    int getDataType() const { return m_nDataType; }
    void setDataType(int nDataType);
    // The entry one level up (a state's country, a city's state); not owned.
    void* getParentLink() const { return m_pParent; }
    void setParentLink(void* pParent);
    SearchDataBase* parentEntry() const { return static_cast<SearchDataBase*>(m_pParent); }

    // Counts name changes of entries that a FoldedNameIndex holds.
    static quint64 indexedNameChanges() { return s_nIndexedNameChanges; }

signals:
    void pParentChanged(void* pParent);
    void qstrCodeChanged(QString qstrCode);
    void qstrNameChanged(QString qstrName);
    void enumDataTypeChanged(int enumDataType);

private:
    struct OwnTexts
    {
        QString qstrCode;
        QString qstrName;
    };
    // m_nRow when the entry holds its own texts (m_pOwn, null while both are empty), and
    // when it does after it was made from a row.
    static constexpr int kOwn = -1;
    static constexpr int kOwnIndexed = -2;

    OwnTexts& own();

    static quint64 s_nIndexedNameChanges;

    void* m_pParent = nullptr;
    union {
        const EntryTexts* m_pTexts; // m_nRow >= 0; not owned
        OwnTexts* m_pOwn;           // otherwise
    };
    int m_nRow = kOwn;
    // A level is a small number; kept short, so that a city's state fits in what is left
    // and each of the many cities takes one allocation size less.
    qint16 m_nDataType = 0;
};

// The folded names of a list of entries laid end to end, in UTF-8, so that one scan of one
// text finds every entry whose name contains a key instead of visiting each entry. Built
// from a catalogue's texts; a name set on an entry since is noticed here. As the key is a
// whole number of characters, a match in the UTF-8 text is one in the folded UTF-16 names.
class FoldedNameIndex
{
public:
    // Builds the index again when it was built for other texts, or an indexed name changed
    // since; `entries` are the entries made of the rows so far (null for none).
    void update(const EntryTexts& texts, const std::vector<SearchDataBase*>& entries);

    // Calls `found` in list order with the row of every entry whose folded name contains
    // `foldedKey` (from foldedForSearch, not empty).
    template <typename Found> void forEachMatch(const QString& foldedKey, Found found) const
    {
        QByteArray key;
        if (!toUtf8(foldedKey, key))
            return;
        const std::vector<int>& ends = *m_pEnds;
        const char* const pText = m_text.constData();
        const char* const pEnd = pText + m_text.size();
        auto end = ends.cbegin();
        for (const char* p = pText;
             (p = static_cast<const char*>(memmem(p, std::size_t(pEnd - p), key.constData(),
                                                  std::size_t(key.size()))));) {
            const int nAt = int(p - pText);
            end = std::upper_bound(end, ends.cend(), nAt);
            // A match running past its entry's end holds none of that entry's matches.
            if (nAt + key.size() <= *end)
                found(int(end - ends.cbegin()));
            p = pText + *end++;
            if (end == ends.cend())
                break;
        }
    }

private:
    // False for a key no name can contain (one with a lone surrogate).
    static bool toUtf8(const QString& key, QByteArray& out);

    const EntryTexts* m_pTexts = nullptr;
    QByteArray m_text;
    // Where each entry's folded name ends in m_text: the texts' own ends, unless folding
    // changed the length of a name.
    const std::vector<int>* m_pEnds = nullptr;
    std::vector<int> m_ends;
    quint64 m_nNameChanges = 0;
};

// The entries of one loaded catalogue file, made when first needed (handed to QML, found by
// code, or the parent of one that is), and shared by every catalogue built from the file,
// which keep it as long as they show it. GUI thread only.
class TableEntries
{
public:
    // `nFirstLevel` is the level of the table's first list: Data_Country for an area file,
    // Data_Isp or Data_Postal.
    TableEntries(std::shared_ptr<const CatalogueTable> pTable, int nFirstLevel);
    ~TableEntries();
    TableEntries(const TableEntries&) = delete;
    TableEntries& operator=(const TableEntries&) = delete;

    const std::shared_ptr<const CatalogueTable>& table() const { return m_pTable; }
    int size(int nList) const { return int(m_entries[nList].size()); }
    // The entry of a row, made (with its parents) on first call.
    SearchDataBase* entry(int nList, int nRow);
    // The row whose entry has the code; -1 when none.
    int find(int nList, QStringView code) const;
    // Notes the entry as handed to QML: true the first time.
    bool handOut(int nList, int nRow);
    // The list's name index, brought up to date.
    const FoldedNameIndex& names(int nList);
    // Whether `found` is every entry of a list: a search takes each row at most once and in
    // order, so as many as the list has, beginning with its first, are all of them.
    bool isWholeList(int nList, const QList<QObject*>& found) const;
    // Every entry of a list (`entries`, see isWholeList) as one array of `engine`, made
    // once and handed to every screen that shows the whole list: each screen's own array
    // of a large catalogue's cities took 0.8 MB.
    QJSValue sharedArray(int nList, QJSEngine& engine, const QList<QObject*>& entries);

private:
    SearchDataBase* make(int nList, int nRow) const;

    std::shared_ptr<const CatalogueTable> m_pTable;
    int m_nFirstLevel;
    std::vector<SearchDataBase*> m_entries[3];
    std::vector<bool> m_handedOut[3];
    FoldedNameIndex m_names[3];
    QPointer<QJSEngine> m_pArrayEngine;
    QJSValue m_arrays[3];
};

class CountryData : public SearchDataBase
{
    Q_OBJECT
    Q_PROPERTY(Json::Value jsIspArray READ getIspArray WRITE setIspArray NOTIFY jsIspArrayChanged)
    Q_PROPERTY(Json::Value jsZipArray READ getZipArray WRITE setZipArray NOTIFY jsZipArrayChanged)

public:
    using SharedArray = std::shared_ptr<const Json::Value>;

    explicit CountryData(QObject* parent = nullptr);
    // The arrays are read from country `nCountry` of `pTable` when first asked for.
    void readArrays(std::shared_ptr<const CatalogueTable> pTable, int nCountry);
    const Json::Value& getIspArray() const { return *slot(true); }
    const Json::Value& getZipArray() const { return *slot(false); }
    void setIspArray(const Json::Value& value);
    void setZipArray(const Json::Value& value);
    // The same as the setters for an array that lives on elsewhere: held without a copy.
    void shareIspArray(SharedArray pValue);
    void shareZipArray(SharedArray pValue);

signals:
    // By reference: a copy of the array for each write would cost as much as the write.
    void jsIspArrayChanged(const Json::Value& jsIspArray);
    void jsZipArrayChanged(const Json::Value& jsZipArray);

private:
    // The array, read from the table on first use.
    SharedArray& slot(bool bIsp) const;
    bool replace(bool bIsp, SharedArray pValue);

    std::shared_ptr<const CatalogueTable> m_pTable;
    int m_nCountry = -1;
    mutable SharedArray m_pIspArray;
    mutable SharedArray m_pZipArray;
};

class StateData : public SearchDataBase
{
    Q_OBJECT
public:
    explicit StateData(QObject* parent = nullptr);
};

class CityData : public SearchDataBase
{
    Q_OBJECT
    Q_PROPERTY(int nStatus READ getStatus WRITE setStatus NOTIFY nStatusChanged)

public:
    explicit CityData(QObject* parent = nullptr);
    int getStatus() const { return m_nStatus; }
    void setStatus(int nStatus);

signals:
    void nStatusChanged(int nStatus);

private:
    // The device states are 0 to 2.
    qint16 m_nStatus = -1;
};

class OperatorData : public SearchDataBase
{
    Q_OBJECT
public:
    explicit OperatorData(QObject* parent = nullptr);
};

class PostalData : public SearchDataBase
{
    Q_OBJECT
public:
    explicit PostalData(QObject* parent = nullptr);
};

// A promotional image of a carousel: qstrName its web address, qstrCode the address a click
// opens; each image is shown from its cached local file.
class CarouseData : public SearchDataBase
{
    Q_OBJECT
    NOTIFY_PROPERTY(QString, qstrLocalPath, getLocalPath, setLocalPath)
    NOTIFY_PROPERTY(QString, qstrImgHkPath, getImgHkPath, setImgHkPath)
    NOTIFY_PROPERTY(QString, qstrLocalHkPath, getLocalHkPath, setLocalHkPath)

public:
    explicit CarouseData(QObject* parent = nullptr);
};
