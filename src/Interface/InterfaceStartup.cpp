#include "Interface/InterfaceRecv.h"

void InterfacePost::pushVersionInfo(int) {}
void InterfacePost::mainLoadReady(int) {}
void InterfacePost::pushGetConfig(int) {}
void InterfaceRecv::slotVersionInfo(HTTPEvent_KX*) {}
void InterfaceRecv::versionInfoSuccess(int) {}
void InterfaceRecv::slotGetConfig(HTTPEvent_KX*) {}
void InterfaceRecv::getConfigSuccess() {}
