#include "Interface/InterfaceRecv.h"

void InterfacePost::pushGetMsgUnreadNum(int) {}
void InterfacePost::pushGetMsgList(int) {}
void InterfacePost::pushSaveReadMsg(QString, int) {}
void InterfaceRecv::slotGetMsgUnreadNum(HTTPEvent_KX*) {}
void InterfaceRecv::slotGetMsgList(HTTPEvent_KX*) {}
void InterfaceRecv::slotSaveReadMsg(HTTPEvent_KX*) {}
