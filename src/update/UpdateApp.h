#pragma once

#include "PublicModule/HttpCurl/qtsingleapplication/CApp.h"

class QtSingleApplication;

namespace qelupdate {

// The update program's run: only as a client of a running QelProxy, which gets the
// service's answer to the IP check. Anything else ends at once with one line on stderr.
class CAppCustom : public CApp
{
public:
    int StartApp(int argc, char** argv, QString qstrAppFlag, QString qstrStartQml,
                 int nValue) override;
    void RegisterCpp() override;
    void InitApp() override;

private:
    int runCheck(int argc, char** argv, const QString& qstrAppFlag, const QString& qstrStartQml,
                 int nMode);
};

} // namespace qelupdate
