#include "RegisterBase.h"

#include "CRegedit.h"
#include "Clipboard.h"
#include "MyAction.h"
#include "MyMenu.h"
#include "MySeparator.h"
#include "PublicModule/Config/UiConfig.h"
#include "SystemTrayIcon.h"

#include <QtQml>

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

void CRegisterBase::RegisterTray()
{
    qmlRegisterType<MyMenu>("System.Tray", 1, 0, "MyMenu");
    qmlRegisterType<MyAction>("System.Tray", 1, 0, "MyAction");
    qmlRegisterType<MySeparator>("System.Tray", 1, 0, "MySeparator");
    qmlRegisterType<SystemTrayIcon>("System.Tray", 1, 0, "SystemTrayIcon");
}

void CRegisterBase::RegisterClipboard()
{
    qmlRegisterType<Clipboard>("System.Clip", 1, 0, "SystemClip");
}

void CRegisterBase::RegisterRegedit()
{
    qmlRegisterType<CRegedit>("Register.Regedit", 1, 0, "Regedit");
}

void CRegisterBase::RegisterQml()
{
    qmlRegisterType<UiConfig>("Component.UiConfig", 1, 0, "UiConfig");
}
