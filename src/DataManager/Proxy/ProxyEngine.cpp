// What the proxy store does once the engine answers after a start.
#include "DataManager/Proxy/ProxyManager.h"

#include "Interface/InterfaceRecv.h"

// The engine forgets its bindings when it restarts, so every bound port is announced again.
void ProxyManager::initStartSuccess(int)
{
    if (InterfaceRecv* pRecv = InterfaceRecv::GetInstance()) {
        for (const Port* pPort : qAsConst(m_hashPort))
            if (pPort->getUsed() && !pPort->getSession().isEmpty())
                pRecv->pushSetUsedPortSession(pPort->getSession(), pPort->getPort(), Proxy_Today);
    }
    emit signal_InitApiUrl(0);
}
