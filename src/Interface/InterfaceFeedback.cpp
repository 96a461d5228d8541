#include "Interface/InterfaceRecv.h"

void InterfacePost::getFeedbackCategory(int) {}
void InterfacePost::uploadFeedbackPicture(QString, int) {}
void InterfacePost::pushFeedbackInfo(QString, QString, QString, QString) {}
void InterfacePost::pushUseCDK(QString, int) {}
void InterfaceRecv::slotGetFeedbackCategory(HTTPEvent_KX*) {}
void InterfaceRecv::slotUploadFeedbackPicture(HTTPEvent_KX*) {}
void InterfaceRecv::slotPushFeedbackInfo(HTTPEvent_KX*) {}
void InterfaceRecv::slotUseCDK(HTTPEvent_KX*) {}
