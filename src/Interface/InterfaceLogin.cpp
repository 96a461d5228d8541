#include "Interface/InterfaceRecv.h"

void InterfacePost::autoLogin(int) {}
void InterfacePost::pushLogin(QString, QString, int) {}
void InterfacePost::pushLoginByAccountAndPass(const QString&, const QString&, int) {}
void InterfacePost::pushCheckGoogleLogin(int) {}
QString InterfacePost::buildGoogleLoginUrl(const QString&, int) { return QString(); }
void InterfacePost::pushLogOut(int) {}
void InterfacePost::pushGetIpNum(int) {}
void InterfaceRecv::slotLogin(HTTPEvent_KX*) {}
void InterfaceRecv::slotGoogleLogin(HTTPEvent_KX*) {}
void InterfaceRecv::slotGetIpNum(HTTPEvent_KX*) {}
void InterfaceRecv::slotLogOut(HTTPEvent_KX*) {}
void InterfaceRecv::loginSuccess() {}
void InterfaceRecv::logOutStep() {}
float InterfaceRecv::flowTranslate(float f, QString&, int) { return f; }
