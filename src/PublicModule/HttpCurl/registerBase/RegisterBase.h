#pragma once

// The fixed sequence that makes the native types known to QML before the root QML
// file is read. Shared by every program; a program adds its own types in RegisterCpp.
class CRegisterBase
{
public:
    virtual void RegisterCpp() {}

    void RegisterInit();
    void RegisterHttp();
    void RegisterTray();
    void RegisterClipboard();
    void RegisterRegedit();
    void RegisterQml();
};
