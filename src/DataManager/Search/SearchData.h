#pragma once

#include "PublicModule/HttpCurl/features/JsonMetaType.h"
#include "PublicModule/HttpCurl/globleBase/NotifyProperty.h"

#include <QObject>
#include <QString>

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
    NOTIFY_PROPERTY(QString, qstrName, getName, setName)
    NOTIFY_PROPERTY(int, enumDataType, getDataType, setDataType)

public:
    explicit SearchDataBase(QObject* parent = nullptr);
    // The entry one level up (a state's country, a city's state); not owned.
    void* getParentLink() const { return m_pParent; }
    void setParentLink(void* pParent);
    SearchDataBase* parentEntry() const { return static_cast<SearchDataBase*>(m_pParent); }

    // The name as foldedForSearch gives it, folded again only after the name changed.
    const QString& foldedName() const;

signals:
    void pParentChanged(void* pParent);

private:
    void* m_pParent = nullptr;
    // The name the folded copy was made from: it holds that text's data, so a new name
    // never has the same data address.
    mutable QString m_qstrFoldedFrom;
    mutable QString m_qstrFolded;
};

class CountryData : public SearchDataBase
{
    Q_OBJECT
    Q_PROPERTY(Json::Value jsIspArray READ getIspArray WRITE setIspArray NOTIFY jsIspArrayChanged)
    Q_PROPERTY(Json::Value jsZipArray READ getZipArray WRITE setZipArray NOTIFY jsZipArrayChanged)

public:
    explicit CountryData(QObject* parent = nullptr);
    const Json::Value& getIspArray() const { return m_jsIspArray; }
    const Json::Value& getZipArray() const { return m_jsZipArray; }
    void setIspArray(const Json::Value& value);
    void setZipArray(const Json::Value& value);

signals:
    void jsIspArrayChanged(Json::Value jsIspArray);
    void jsZipArrayChanged(Json::Value jsZipArray);

private:
    Json::Value m_jsIspArray{Json::objectValue};
    Json::Value m_jsZipArray{Json::objectValue};
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
