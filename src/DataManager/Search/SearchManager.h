#pragma once

#include <QObject>
#include <QString>
#include <json/json.h>

#include <mutex>

// The location choices the exit list requests and list filters read (country, state,
// city, operator and postal code, "random" meaning any) and the raw promotional image
// arrays of the URL settings answer, kept until the screens build their carousels.
class SearchManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString qstrCurrentCountryCode READ getCurrentCountryCode WRITE
                   setCurrentCountryCode NOTIFY qstrCurrentCountryCodeChanged)
    Q_PROPERTY(QString qstrIpSearch READ getIpSearch WRITE setIpSearch NOTIFY qstrIpSearchChanged)

public:
    static SearchManager* GetInstance();
    ~SearchManager() override;

    QString getCurrentCountryCode() const { return m_qstrCurrentCountryCode; }
    void setCurrentCountryCode(const QString& qstrValue);
    QString getIpSearch() const { return m_qstrIpSearch; }
    void setIpSearch(const QString& qstrValue);

    // An empty choice reads, and is kept from then on, as "random".
    QString getCurrentStateCode();
    QString getCurrentCityCode();
    QString getCurrentOperatorCode();
    QString getCurrentPostalCode();

    // Stored unchanged, without a signal.
    Q_INVOKABLE void setCurrentStateCode(QString qstrValue);
    Q_INVOKABLE void setCurrentCityCode(QString qstrValue);
    Q_INVOKABLE void setCurrentOperatorCode(QString qstrValue);
    Q_INVOKABLE void setCurrentPostalCode(QString qstrValue);

    // The main screen's and the sign-in window's image arrays; each set replaces the
    // stored array. Safe from any thread.
    void setCarouselDataJson(const Json::Value& value, int nValue = 0);
    void setLoginImgDataJson(const Json::Value& value, int nValue = 0);
    Json::Value getCarouselDataJson() const;
    Json::Value getLoginImgDataJson() const;

signals:
    void qstrCurrentCountryCodeChanged(QString qstrCurrentCountryCode);
    void qstrIpSearchChanged(QString qstrIpSearch);

private:
    SearchManager();
    static QString randomIfEmpty(QString& qstrCode);

    QString m_qstrIpSearch;
    QString m_qstrCurrentCountryCode;
    QString m_qstrCurrentStateCode;
    QString m_qstrCurrentCityCode;
    QString m_qstrCurrentOperatorCode;
    QString m_qstrCurrentPostalCode;

    mutable std::mutex m_imageMutex;
    Json::Value m_valueCaouselArray;
    Json::Value m_valueLoginImgArray;
};
