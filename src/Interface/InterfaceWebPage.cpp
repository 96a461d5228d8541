#include "Interface/InterfacePost.h"

void InterfacePost::openUrlExternally(const QString&, int) {}
QString InterfacePost::getWebPageUrl(int) { return QString(); }
bool InterfacePost::checkRefershWebPage(int) { return true; }
void InterfacePost::openDesktop(int) {}
