#pragma once

#include "PublicModule/HttpCurl/features/JsonMetaType.h"
#include "PublicModule/HttpCurl/globleBase/NotifyProperty.h"

#include <QList>
#include <QObject>
#include <QString>

#include <algorithm>
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
// and owned by the catalogue list that holds it; QML only borrows it.
class SearchDataBase : public QObject
{
    Q_OBJECT
    Q_PROPERTY(void* pParent READ getParentLink WRITE setParentLink NOTIFY pParentChanged)
    NOTIFY_PROPERTY(QString, qstrCode, getCode, setCode)
    Q_PROPERTY(QString qstrName READ getName WRITE setName NOTIFY qstrNameChanged)
    NOTIFY_PROPERTY(int, enumDataType, getDataType, setDataType)

public:
    explicit SearchDataBase(QObject* parent = nullptr);
    QString getName() const { return m_qstrName; }
    void setName(const QString& qstrName);
    // The entry one level up (a state's country, a city's state); not owned.
    void* getParentLink() const { return m_pParent; }
    void setParentLink(void* pParent);
    SearchDataBase* parentEntry() const { return static_cast<SearchDataBase*>(m_pParent); }

    // The name as foldedForSearch gives it, folded again only after the name changed.
    const QString& foldedName() const;

    // Counts name changes of entries that a FoldedNameIndex holds.
    static quint64 indexedNameChanges() { return s_nIndexedNameChanges; }

signals:
    void pParentChanged(void* pParent);
    void qstrNameChanged(QString qstrName);

private:
    friend class FoldedNameIndex;
    static quint64 s_nIndexedNameChanges;

    QString m_qstrName;
    bool m_bIndexed = false;
    void* m_pParent = nullptr;
    // The name the folded copy was made from: it holds that text's data, so a new name
    // never has the same data address.
    mutable QString m_qstrFoldedFrom;
    mutable QString m_qstrFolded;
};

// The folded names of a list of entries laid end to end, so that one scan of one text finds
// every entry whose name contains a key instead of visiting each entry. The list's owner
// clears the index whenever it clears the list; a name change is noticed here. Beside the
// names it keeps which entries were handed to QML, so that each is marked only once.
class FoldedNameIndex
{
public:
    // Builds the index again when the entry count or an indexed name changed since.
    void update(const QList<SearchDataBase*>& entries);
    void clear();

    size_t size() const { return m_entries.size(); }
    SearchDataBase* entry(size_t nEntry) const { return m_entries[nEntry]; }
    // Notes the entry as handed to QML: true the first time since the index was built.
    bool handOut(size_t nEntry)
    {
        const bool bFirst = !m_handedOut[nEntry];
        m_handedOut[nEntry] = true;
        return bFirst;
    }

    // Calls `found` in list order with the position of every entry whose folded name
    // contains `foldedKey` (from foldedForSearch, not empty).
    template <typename Found> void forEachMatch(const QString& foldedKey, Found found) const
    {
        const int nKey = foldedKey.size();
        auto end = m_ends.cbegin();
        int nFrom = 0;
        for (int nAt; (nAt = m_text.indexOf(foldedKey, nFrom)) >= 0;) {
            end = std::upper_bound(end, m_ends.cend(), nAt);
            // A match running past its entry's end holds none of that entry's matches.
            if (nAt + nKey <= *end)
                found(size_t(end - m_ends.cbegin()));
            nFrom = *end++;
            if (end == m_ends.cend())
                break;
        }
    }

private:
    std::vector<SearchDataBase*> m_entries;
    std::vector<bool> m_handedOut;
    QString m_text;
    std::vector<int> m_ends; // where each entry's folded name ends in m_text
    quint64 m_nNameChanges = 0;
};

class CountryData : public SearchDataBase
{
    Q_OBJECT
    Q_PROPERTY(Json::Value jsIspArray READ getIspArray WRITE setIspArray NOTIFY jsIspArrayChanged)
    Q_PROPERTY(Json::Value jsZipArray READ getZipArray WRITE setZipArray NOTIFY jsZipArrayChanged)

public:
    using SharedArray = std::shared_ptr<const Json::Value>;

    explicit CountryData(QObject* parent = nullptr);
    const Json::Value& getIspArray() const { return *m_pIspArray; }
    const Json::Value& getZipArray() const { return *m_pZipArray; }
    void setIspArray(const Json::Value& value);
    void setZipArray(const Json::Value& value);
    // The same as the setters for an array that lives on elsewhere (in a catalogue's raw
    // array, which it then keeps alive): held without a copy.
    void shareIspArray(SharedArray pValue);
    void shareZipArray(SharedArray pValue);

signals:
    // By reference: a copy of the array for each write would cost as much as the write.
    void jsIspArrayChanged(const Json::Value& jsIspArray);
    void jsZipArrayChanged(const Json::Value& jsZipArray);

private:
    static bool replace(SharedArray& pSlot, SharedArray pValue);

    SharedArray m_pIspArray;
    SharedArray m_pZipArray;
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
    int m_nStatus = -1;
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
