#include "RegisterBase.h"

void CRegisterBase::RegisterInit()
{
    RegisterCpp();
    RegisterHttp();
    CRegisterBase::RegisterCpp();
    RegisterTray();
    RegisterClipboard();
    RegisterRegedit();
    RegisterQml();
}

void CRegisterBase::RegisterHttp() {}

// "System.Tray": MyMenu, MyAction, MySeparator, SystemTrayIcon.
void CRegisterBase::RegisterTray() {}

// "System.Clip": SystemClip.
void CRegisterBase::RegisterClipboard() {}

// "Register.Regedit": Regedit.
void CRegisterBase::RegisterRegedit() {}

// "Component.UiConfig": UiConfig.
void CRegisterBase::RegisterQml() {}
