// The outside browser's local API.
#include "Interface/InterfacePost.h"

void InterfacePost::pushUpdateBrowserWnd(const QString&, const QString&, int)
{
    // Nothing to move until the outside browser is reachable.
}
