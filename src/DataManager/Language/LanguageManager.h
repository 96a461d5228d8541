#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <json/json.h>

class LanguageObject;
class QJSEngine;
class QQmlEngine;

// The languages offered to the user (translation/Language.trs beside the program) and the
// switch between them at run time: installs the translation, records the code in the client
// state and the global parameters, and makes QML re-evaluate every translated text.
class LanguageManager : public QObject
{
    Q_OBJECT
public:
    static LanguageManager* GetInstance();
    ~LanguageManager() override;

    Q_INVOKABLE QList<QObject*> getLanguageList(int nValue = 0);
    Q_INVOKABLE void changeLanguage(QString qstrLangCode);
    Q_INVOKABLE QString getCurrentLanguageShow();
    Q_INVOKABLE QString getCurrentLanguageImg();

    // Rebuilds the list from a parsed language file; anything but an array gives an empty
    // list. Entries that QML received earlier stay alive (they belong to the manager).
    void SetLanguageList(Json::Value& jsonLanguage);
    QString getLanguageFlagByCode(QString qstrCode);
    QString getLanguageShowByCode(QString qstrCode);
    QString getLanguageNameByCode(QString qstrCode);

    static QString translationDir();

private:
    LanguageManager();
    LanguageObject* findByCode(const QString& qstrCode) const;
    static QString currentLangCode();
    static void announceLanguage(const QString& qstrLangCode);

    QList<QObject*> m_listLanguage;
};

// The QML singleton provider of "Language.Param".
QObject* virtualLanguageManager(QQmlEngine* engine, QJSEngine* scriptEngine);
