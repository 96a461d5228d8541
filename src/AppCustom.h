#pragma once

#include "PublicModule/HttpCurl/qtsingleapplication/CApp.h"

// The main program's application: its own QML types on top of the shared shell.
class CAppCustom : public CApp
{
public:
    void RegisterCpp() override;
    void InitApp() override;
    void ExitApp() override;
};
