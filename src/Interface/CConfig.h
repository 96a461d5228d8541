#pragma once

#include <QList>
#include <QString>
#include <json/json.h>

#include <optional>
#include <string>

class GlobleParam;

// One remembered account; the password is plain text while in memory only.
struct _ACCOUNT_INFO
{
    std::string strAccount;
    std::string strPassword;
};

// The settings file beside the program ("QelProxy.ini"): read once into the global
// parameters while they are built, written once when the main window closes. Also reads
// the language list for the language manager.
class CConfig
{
public:
    // A reader for the language list only; it never touches the settings file.
    CConfig() = default;
    // The settings of `pParam`, which must outlive this object.
    explicit CConfig(GlobleParam* pParam);

    // Loads the settings file once; a missing or malformed file leaves the start-up values.
    // A malformed one is copied beside it (".damaged", ".damaged.1", ...) before the save.
    void InitConfig();
    // False when the text is not a JSON object; nothing is loaded then.
    bool ExeInitJson(const std::string& strText);
    Json::Value ExeQuitJson();
    // Saves when InitConfig has run. The file is replaced atomically and readable by its
    // owner only: a save that fails part-way leaves the previous file.
    void ExitConfig();

    bool IsEqualStr(const std::string& strLeft, const std::string& strRight);
    // Puts the account first (at most 10 are kept); an existing one gets the new password.
    void AddAccount(const std::string& strAccount, const std::string& strPassword);
    void RemoveAccount(const std::string& strAccount);
    void GetAccountList(QList<_ACCOUNT_INFO>& listAccount) const;
    int GetAccountListSize() const;

    // "translation/Language.trs" beside the program; null when unreadable or malformed.
    Json::Value InitLanguageList();

    static QString SettingsPath();
    // The whole file as bytes; false when it cannot be opened or is not a regular file.
    static bool ReadFileText(const QString& qstrPath, std::string& strText);

private:
    void loadAccounts(const Json::Value& root);
    void loadValues(const Json::Value& root);
    Json::Value saveAccounts() const;
    bool keepDamagedText(const QString& qstrPath);

    GlobleParam* m_pParam = nullptr;
    bool m_bIsInitFile = false;
    // The settings file as read, while it did not parse and no copy of it is kept yet.
    std::optional<std::string> m_damagedText;
    QList<_ACCOUNT_INFO> m_listAccount;
};
