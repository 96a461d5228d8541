#include "ProxyManager.h"

ProxyManager* ProxyManager::GetInstance()
{
    // Created without parent; QML's engine takes ownership once it is handed over.
    static ProxyManager* const pInstance = new ProxyManager;
    return pInstance;
}
