#include "Interface/InterfaceRecv.h"

void InterfacePost::pushGetUrl(int) {}
void InterfacePost::pushGetColumn(int) {}
void InterfacePost::pushDownloadSidePic(const QString&, int) {}
void InterfaceRecv::slotGetUrl(HTTPEvent_KX*) {}
void InterfaceRecv::parseBanProcess(Json::Value, int) {}
void InterfaceRecv::slotGetColumn(HTTPEvent_KX*) {}
void InterfaceRecv::slotpushDownloadSidePic(HTTPEvent_KX*) {}
void InterfaceRecv::slotDownMidImage(HTTPEvent_KX*) {}
